#pragma once

#include "barre/TBarreDlg.h"
#include "board/Globales.h"
#include "dialogs/Messages.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/TChoixIconeDlg.h"
#include "dialogs/TConfigDlg.h"
#include "dialogs/THintDlg.h"
#include "platform/Programme.h"
#include "support/Fichiers.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

// The end of the program, turned into an exception that a test can expect.
struct FinDuProgramme : std::runtime_error {
    int code;
    explicit FinDuProgramme(int c) : std::runtime_error("fin du programme"), code(c) {}
};

// A bench for the bars: a temporary directory that stands for the executable's, clean globals,
// and messages recorded instead of shown (questions answered by `reponse`).
struct Banc {
    QTemporaryDir rep;
    QStringList messages;
    bool reponse = true;
    // The dialogs, created once as the program does.
    TChoixIconeDlg choix;
    TConfigDlg configuration;
    THintDlg hint;
    TAboutBox apropos;
    Banc() {
        ReinitialiserGlobales();
        platform::simulerCheminProgramme(rep.filePath(QStringLiteral("tressola")));
        Messages::DefinirRepondeur([this](Messages::Genre, const QString &, const QString &texte) {
            messages.append(texte);
            return reponse;
        });
        Messages::DefinirFin([](int code) { throw FinDuProgramme(code); });
        G.ChoixIconeDlg = &choix;
        G.ConfigDlg = &configuration;
        G.HintDlg = &hint;
        G.AboutBox = &apropos;
    }
    ~Banc() {
        delete G.BarreDlg;
        ReinitialiserGlobales();
        platform::simulerCheminProgramme({});
        Messages::DefinirRepondeur({});
        Messages::DefinirFin({});
    }
    QString tableau() const { return rep.filePath(QStringLiteral("TRESSOLA.INI")); }
    void ecrire(const QByteArray &contenu) const { QVERIFY(ecrireTout(tableau(), contenu)); }
    QByteArray lire() const { return lireTout(tableau()); }
    TBarreDlg *demarrer() {
        G.BarrePrincipaleCreee = false;
        return TBarreDlg::Creer(G.BarreDlg);
    }
    TBarreDlg *demarrer(const QByteArray &contenu) {
        ecrire(contenu);
        return demarrer();
    }
};
