#pragma once

#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "dialogs/Messages.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/TChoixIconeDlg.h"
#include "dialogs/TConfigDlg.h"
#include "dialogs/THintDlg.h"
#include "platform/Programme.h"
#include "support/Fichiers.h"

#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <stdexcept>

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
        // An end of the program fails the test instead of ending it.
        Messages::DefinirFin([](int) { throw std::runtime_error("fin du programme"); });
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
    TBarreDlg *demarrer(const QByteArray &contenu = {}) {
        if (!contenu.isEmpty())
            ecrire(contenu);
        return TBarreDlg::Creer(G.BarreDlg);
    }
};

// A click on a strip gives it the focus first, as the mouse does; the strip's drawer bar, if any.
inline TBarreDlg *cliquer(TBarreDlg *barre, TBoutonTiroir *t) {
    t->Bouton->setFocus();
    barre->TiroirClick();
    return t->Barre;
}
