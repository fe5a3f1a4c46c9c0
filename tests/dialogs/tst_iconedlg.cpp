#include "BancDialogues.h"
#include "dialogs/TChoixIconeDlg.h"
#include "platform/AideIcones.h"
#include "platform/icons.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestIcones : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The program's chooser with its row of icons, and where it shows against the screen's edges:
    // the offscreen screen is 800 wide; `gaucheAvant`, where the user left it (-1: a first show).
    void rangeeDIcones() {
        const auto essai = [](const QString &fichier, int largeurEcran, int gaucheAvant,
                              int gauche) {
            BancDialogues banc;
            TConfigDlg &d = *banc.dlg;
            TChoixIconeDlg programme;
            G.ChoixIconeDlg = &programme;
            G.LargeurEcran = largeurEcran;
            d.Executable->setText(fichier);
            if (gaucheAvant >= 0) {
                quandModal([](QWidget *modal) { modal->hide(); });
                d.ChoisirClick();
                d.ChoixIcone()->move(gaucheAvant, 40);
            }
            const int dernier = 11;
            QPoint vue(-1, -1);
            quandModal([&](QWidget *modal) {
                auto *choix = qobject_cast<TChoixIconeDlg *>(modal);
                QCOMPARE(choix, &programme);
                QCOMPARE(choix->Boutons.size(), dernier + 1);
                // Flat buttons that the keyboard does not reach.
                QVERIFY(choix->Boutons[dernier]->autoRaise());
                QCOMPARE(choix->Boutons[dernier]->focusPolicy(), Qt::NoFocus);
                // The glyph is the last icon's picture (group 40 of the test library).
                QCOMPARE(choix->Boutons[dernier]->icon().pixmap(32, 32).toImage().convertToFormat(
                             QImage::Format_ARGB32),
                         motif(0xFF0000, 0x0000FF, false));
                vue = choix->pos();
                // Its own sizing border, four pixels wide, shows the cursor of the way it sizes.
                const int l = choix->width() - 4, h = choix->height() - 4;
                const QPoint bords[] = {{3, 3}, {l, 3}, {l, h}, {3, h}, {3, h / 2}, {l / 2, h}};
                const Qt::CursorShape f = Qt::SizeFDiagCursor, b = Qt::SizeBDiagCursor;
                const Qt::CursorShape formes[] = {f, b, f, b, Qt::SizeHorCursor, Qt::SizeVerCursor};
                for (int i = 0; i < 6; ++i) {
                    QTest::mouseMove(choix, bords[i]);
                    QCOMPARE(choix->cursor().shape(), formes[i]);
                }
            });
            d.Choisir->click();
            G.ChoixIconeDlg = nullptr;
            QCOMPARE(vue.x(), gauche);
            if (gaucheAvant >= 0)
                QCOMPARE(vue.y(), 40);
        };
        // A name far past the old path limits is kept whole; twelve icons make it 586 wide:
        // centred, then where it was left.
        QTemporaryDir rep;
        QString dossier = rep.path();
        while (dossier.size() < 300)
            dossier += u"/un-dossier-au-nom-plutot-long"_s;
        QVERIFY(QDir().mkpath(dossier));
        QVERIFY(QFile::copy(donneesIcones(u"groupes64.dll"_s), dossier + u"/icones.dll"_s));
        essai(dossier + u"/icones.dll"_s, 800, -1, (800 - 586) / 2);
        const QString douze = donneesIcones(u"groupes64.dll"_s);
        essai(douze, 800, 150, 150);
        // On a screen as wide as the program knows it, or of an unknown width.
        essai(douze, 500, -1, 0);
        essai(douze, 0, -1, 107);
    }

    // No icon to be had: the user is told why, and nothing is shown or asked.
    void sansIcone() {
        // `sauver`: the save button; else the chooser's.
        const auto essai = [](bool sauver, const QString &source, int numero,
                              const QString &message) {
            BancDialogues banc;
            TConfigDlg &d = *banc.dlg;
            d.Executable->setText(source);
            d.Numero->setValue(numero);
            bool ouvert = false;
            quandModal([&ouvert](QWidget *modal) { ouvert = modal != nullptr; });
            (sauver ? d.SauverBMP : d.Choisir)->click();
            QCOMPARE(banc.messages, QStringList{message});
            QVERIFY(banc.demandes.isEmpty());
            QCoreApplication::processEvents();
            QVERIFY(!ouvert);
        };
        const QString introuvable = u"Fichier introuvable."_s;
        const QString aucune = u"Ce fichier ne contient pas d'icônes."_s;
        const QString sans = donneesIcones(u"sans-icone.dll"_s);
        essai(false, QString(), 5, introuvable);
        essai(false, sans, 5, aucune);
        essai(true, donneesIcones(u"groupes64.dll"_s), 12,
              u"Ce fichier n'a pas d'icône numéro 12 : rien n'a été enregistré."_s);
        essai(true, donneesIcones(u"absent.dll"_s), 0, introuvable);
        essai(true, sans, 0, aucune);
    }

    void boutonsDetruitsApresLeClic() {
        BancDialogues banc;
        TConfigDlg &d = *banc.dlg;
        d.Executable->setText(donneesIcones(u"groupes64.dll"_s));
        TChoixIconeDlg *choix = d.ChoixIcone();
        d.Numero->setValue(-1);
        // The click is handled to its end, the number written, before its button goes.
        int numeroALaDestruction = -2;
        quandModal([&](QWidget *modal) {
            QToolButton *clique = qobject_cast<TChoixIconeDlg *>(modal)->Boutons[0];
            connect(clique, &QObject::destroyed, [&] { numeroALaDestruction = d.Numero->value(); });
            QTest::mouseClick(clique, Qt::LeftButton);
        });
        d.ChoisirClick();
        // Shown again at once, before the old buttons are gone: only the new ones are there.
        // Escape closes it and changes nothing.
        d.Executable->setText(donneesIcones(u"cinquante-sept.dll"_s));
        int montres = 0;
        quandModal([&montres](QWidget *modal) {
            for (QToolButton *b : modal->findChildren<QToolButton *>())
                montres += b->isVisibleTo(modal);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        d.ChoisirClick();
        QCOMPARE(montres, 40);
        QCOMPARE(d.Numero->value(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(numeroALaDestruction, 0);
        QVERIFY(choix->findChildren<QToolButton *>().isEmpty());
    }

    // The system's save dialog: its title, mode, folder and filter, which shows the bitmaps there,
    // and no question before it replaces a file; cancelled, nothing is written.
    void dialogueDEnregistrement() {
        QTemporaryDir rep;
        const QString cible = rep.filePath(u"x.bmp"_s);
        QVERIFY(ecrireTout(cible, {}));
        QVERIFY(QFile::copy(donneesIcones(u"groupes64.dll"_s), rep.filePath(u"icones.dll"_s)));
        BancDialogues banc;
        Fichiers::DefinirRepondeur({});
        banc.dlg->Executable->setText(rep.filePath(u"icones.dll"_s));
        quandModal([](QWidget *) {});
        banc.dlg->SauverBMP->click();
        QCOMPARE(QDir(rep.path()).entryList(QDir::Files),
                 QStringList({u"icones.dll"_s, u"x.bmp"_s}));
        bool question = false;
        quandModal([&](QWidget *modal) {
            auto *dialogue = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialogue);
            QCOMPARE(dialogue->windowTitle(), u"Sauver comme BMP"_s);
            QCOMPARE(dialogue->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialogue->selectedNameFilter(), u"Bitmap (*.bmp)"_s);
            QCOMPARE(dialogue->directory(), QDir(rep.path()));
            QTRY_COMPARE(nomsVus(dialogue), QStringList{u"x.bmp"_s});
            auto *nom = dialogue->findChild<QLineEdit *>(u"fileNameEdit"_s);
            QCOMPARE(nom->text(), u"*.bmp"_s);
            nom->setText(cible);
            quandModal([&](QWidget *m) { question = qobject_cast<QMessageBox *>(m); });
            QTest::keyClick(nom, Qt::Key_Return);
        });
        banc.dlg->SauverBMP->click();
        QCoreApplication::processEvents();
        QVERIFY(!question);
        QCOMPARE(lireTout(cible).left(2), QByteArray("BM"));
    }

    // Saving icon 0 of the source under the name the user gives (empty: cancelled), which alone
    // decides the format; `signature` empty: nothing written.
    void sauver() {
        const auto essai = [](const QString &nom, const QByteArray &signature) {
            QTemporaryDir rep, avant;
            QVERIFY(ecrireTout(rep.filePath(u"fichier"_s), {}));
            BancDialogues banc;
            TConfigDlg &d = *banc.dlg;
            d.Executable->setText(donneesIcones(u"groupes64.dll"_s));
            // An opaque icon saved first must not show where the next one is transparent.
            d.Numero->setValue(5);
            banc.fichier = avant.filePath(u"opaque.bmp"_s);
            d.SauverBMP->click();
            d.Numero->setValue(0);
            banc.fichier = nom.isEmpty() ? QString() : rep.filePath(nom);
            d.SauverBMP->click();
            QCOMPARE(banc.demandes.size(), 2);
            QCOMPARE(banc.demandes.constLast().filtres,
                     QStringList({u"Bitmap (*.bmp)"_s, u"Icônes (*.ico)"_s}));
            // A name inside a plain file is refused with a message.
            const bool refuse = nom.startsWith(u"fichier/"_s);
            QCOMPARE(banc.messages.size(), refuse ? 1 : 0);
            QVERIFY(!refuse || banc.messages[0].contains(banc.fichier));
            if (signature.isEmpty()) {
                QCOMPARE(QDir(rep.path()).entryList(QDir::Files), QStringList{u"fichier"_s});
                return;
            }
            QCOMPARE(lireTout(banc.fichier).left(signature.size()), signature);
            QCOMPARE(iconImage(banc.fichier, 0), motif(0x30C030, 0xC03030, true));
        };
        essai(u"ICONE.bmp"_s, "BM");
        essai(u"icone.ico"_s, QByteArray("\0\0\1\0", 4));
        for (const QString &rien : {u"icone.png"_s, QString(), u"fichier/a.bmp"_s})
            essai(rien, {});
    }
};

QTEST_MAIN(TestIcones)
#include "tst_iconedlg.moc"
