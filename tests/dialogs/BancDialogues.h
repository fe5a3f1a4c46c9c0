#pragma once

#include "board/Globales.h"
#include "dialogs/DemandeFichier.h"
#include "dialogs/Messages.h"
#include "dialogs/TConfigDlg.h"
#include "dialogs/TRadioGroup.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

// A configuration dialog of its own: `messages` records every text shown, `fichier` answers every
// file dialog (empty: cancelled) and `demandes` records what each was asked.
struct BancDialogues {
    std::unique_ptr<TConfigDlg> dlg;
    QStringList messages;
    QList<Fichiers::Demande> demandes;
    QString fichier;

    BancDialogues() {
        ReinitialiserGlobales();
        Messages::DefinirRepondeur([this](Messages::Genre, const QString &, const QString &t) {
            messages.append(t);
            return true;
        });
        Fichiers::DefinirRepondeur([this](const Fichiers::Demande &d) {
            demandes.append(d);
            return fichier;
        });
        dlg = std::make_unique<TConfigDlg>();
        G.ConfigDlg = dlg.get();
    }
    ~BancDialogues() {
        dlg.reset();
        ReinitialiserGlobales();
        Messages::DefinirRepondeur({});
        Fichiers::DefinirRepondeur({});
    }
};

// What the bar reads back from the dialog, in this order: command line, working directory,
// tooltip, icon source, icon number and window at launch.
inline QStringList valeurs(const TConfigDlg &d) {
    return {d.LigneCommande->text(),
            d.Repertoire->text(),
            d.Infobulle->text(),
            d.Executable->text(),
            QString::number(d.Numero->value()),
            QString::number(d.RadioGroup->ItemIndex())};
}
inline void remplir(TConfigDlg &d, const QStringList &v) {
    d.LigneCommande->setText(v[0]);
    d.Repertoire->setText(v[1]);
    d.Infobulle->setText(v[2]);
    d.Executable->setText(v[3]);
    d.Numero->setValue(v[4].toInt());
    d.RadioGroup->SetItemIndex(v[5].toInt());
}

// Runs `pendant` on the modal dialog once its modal run has started and it has the keyboard.
// A check that fails inside leaves the dialog open: it is then closed, so that the test ends.
inline void quandModal(std::function<void(QWidget *)> pendant) {
    QTimer::singleShot(0, [pendant] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (modal)
            QVERIFY(QTest::qWaitForWindowActive(modal));
        pendant(modal);
        if (auto *dialogue = qobject_cast<QDialog *>(modal.data());
            dialogue && dialogue->isVisible())
            dialogue->reject();
    });
}

// The names a file dialog shows, sorted; it reads its folder in the background.
inline QStringList nomsVus(QWidget *dialogue) {
    QStringList noms;
    if (auto *vue = dialogue->findChild<QListView *>(QStringLiteral("listView")))
        for (int i = 0; i < vue->model()->rowCount(vue->rootIndex()); ++i)
            noms.append(vue->model()->index(i, 0, vue->rootIndex()).data().toString());
    noms.sort();
    return noms;
}
