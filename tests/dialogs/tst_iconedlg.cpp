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

// The icon that the configuration dialog's fields name: chosen among the file's icons, or saved
// to the file the user gives.

namespace {

QString donnees(const QString &nom) {
    return QStringLiteral(DONNEES_ICONES "/") + nom;
}

// The chooser's icon buttons on show, leaving out those hidden until they go.
QList<QToolButton *> boutonsVisibles(QWidget *choix) {
    QList<QToolButton *> visibles;
    for (QToolButton *b : choix->findChildren<QToolButton *>())
        if (b->isVisibleTo(choix))
            visibles.append(b);
    return visibles;
}

QImage argb(const QImage &image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestIcones : public QObject {
    Q_OBJECT

private:
    QTemporaryDir rep_;

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
            d.Numero->setValue(-1);
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
                QCOMPARE(choix->NomFichier, fichier);
                QCOMPARE(boutonsVisibles(choix), choix->Boutons);
                QCOMPARE(choix->Boutons.size(), dernier + 1);
                // Flat buttons that the keyboard does not reach.
                QVERIFY(choix->Boutons[dernier]->autoRaise());
                QCOMPARE(choix->Boutons[dernier]->focusPolicy(), Qt::NoFocus);
                // The glyph is the last icon's picture (group 40 of the test library).
                QCOMPARE(argb(choix->Boutons[dernier]->icon().pixmap(32, 32).toImage()),
                         motif(0xFF0000, 0x0000FF, false));
                vue = choix->pos();
                // Its own sizing border, four pixels wide, shows the cursor of the way it sizes.
                const int l = choix->width() - 4, h = choix->height() - 4;
                const QPoint bords[] = {{3, 3},     {l, 3},     {l, h},     {3, h},
                                        {3, h / 2}, {l / 2, h}, {l, h / 2}, {l / 2, 3}};
                const Qt::CursorShape f = Qt::SizeFDiagCursor, b = Qt::SizeBDiagCursor,
                                      x = Qt::SizeHorCursor, y = Qt::SizeVerCursor;
                const Qt::CursorShape formes[] = {f, b, f, b, x, y, x, y};
                for (int i = 0; i < 8; ++i) {
                    QTest::mouseMove(choix, bords[i]);
                    QCOMPARE(choix->cursor().shape(), formes[i]);
                }
                QTest::mouseClick(choix->Boutons[dernier], Qt::LeftButton);
                QVERIFY(!choix->isVisible());
            });
            d.Choisir->click();
            G.ChoixIconeDlg = nullptr;
            QCOMPARE(vue.x(), gauche);
            if (gaucheAvant >= 0)
                QCOMPARE(vue.y(), 40);
            QCOMPARE(d.Numero->value(), dernier);
            QVERIFY(banc.messages.isEmpty());
        };
        // A name far past the old path limits is kept whole.
        QString dossier = rep_.path();
        while (dossier.size() < 300)
            dossier += u"/un-dossier-au-nom-plutot-long"_s;
        QVERIFY(QDir().mkpath(dossier));
        QVERIFY(QFile::copy(donnees(u"groupes64.dll"_s), dossier + u"/icones.dll"_s));
        // Twelve icons make it 586 wide: centred, then where it was left.
        const QString douze = donnees(u"groupes64.dll"_s);
        essai(douze, 800, -1, (800 - 586) / 2);
        essai(dossier + u"/icones.dll"_s, 800, -1, 107);
        essai(douze, 800, 150, 150);
        // On a screen as wide as the program knows it, or of an unknown width.
        essai(douze, 500, -1, 0);
        essai(douze, 0, -1, 107);
    }

    // No icon to be had: the user is told why, and nothing is shown, asked or changed.
    void sansIcone() {
        // `sauver`: the save button; else the chooser's.
        const auto essai = [this](bool sauver, const QString &source, int numero,
                                  const QString &message) {
            BancDialogues banc;
            TConfigDlg &d = *banc.dlg;
            d.Executable->setText(source);
            d.Numero->setValue(numero);
            banc.fichier = rep_.filePath(u"icone.bmp"_s);
            bool ouvert = false;
            quandModal([&ouvert](QWidget *modal) { ouvert = modal != nullptr; });
            (sauver ? d.SauverBMP : d.Choisir)->click();
            QCOMPARE(banc.messages, QStringList{message});
            QCOMPARE(d.Numero->value(), numero);
            QCOMPARE(d.Executable->text(), source);
            QVERIFY(banc.demandes.isEmpty());
            QCoreApplication::processEvents();
            QVERIFY(!ouvert);
        };
        const QString introuvable = u"Fichier introuvable."_s;
        const QString aucune = u"Ce fichier ne contient pas d'icônes."_s;
        const QString sans = donnees(u"sans-icone.dll"_s);
        essai(false, QString(), 5, introuvable);
        essai(false, sans, 5, aucune);
        essai(true, donnees(u"groupes64.dll"_s), 12,
              u"Ce fichier n'a pas d'icône numéro 12 : rien n'a été enregistré."_s);
        essai(true, donnees(u"absent.dll"_s), 0, introuvable);
        essai(true, sans, 0, aucune);
    }

    void boutonsDetruitsApresLeClic() {
        BancDialogues banc;
        TConfigDlg &d = *banc.dlg;
        d.Executable->setText(donnees(u"groupes64.dll"_s));
        TChoixIconeDlg *choix = d.ChoixIcone();
        d.Numero->setValue(-1);
        QPointer<QToolButton> clique;
        // The click is handled to its end, the number written, before its button goes.
        int numeroALaDestruction = -2;
        quandModal([&](QWidget *modal) {
            auto *c = qobject_cast<TChoixIconeDlg *>(modal);
            clique = c->Boutons[0];
            connect(clique, &QObject::destroyed, [&] { numeroALaDestruction = d.Numero->value(); });
            QTest::mouseClick(clique, Qt::LeftButton);
        });
        d.ChoisirClick();
        // Shown again at once, before the old buttons are gone: only the new ones are there.
        // Escape closes it and changes nothing.
        d.Executable->setText(donnees(u"cinquante-sept.dll"_s));
        int montres = -1;
        quandModal([&montres](QWidget *modal) {
            montres = int(boutonsVisibles(modal).size());
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        d.ChoisirClick();
        QCOMPARE(montres, 40);
        QCOMPARE(d.Numero->value(), 0);
        QVERIFY(choix->Boutons.isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(clique.isNull());
        QCOMPARE(numeroALaDestruction, 0);
        QVERIFY(choix->findChildren<QToolButton *>().isEmpty());
    }

    // The system's save dialog: its title, mode, folder and filter, which shows the bitmaps there,
    // and no question before it replaces a file; cancelled, nothing is written.
    void dialogueDEnregistrement() {
        QTemporaryDir rep;
        const QString cible = rep.filePath(u"x.bmp"_s);
        QFile ancien(cible);
        QVERIFY(ancien.open(QIODevice::WriteOnly));
        ancien.close();
        QVERIFY(QFile::copy(donnees(u"groupes64.dll"_s), rep.filePath(u"icones.dll"_s)));
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
        QVERIFY(ancien.open(QIODevice::ReadOnly));
        QCOMPARE(ancien.read(2), QByteArray("BM"));
    }

    // Saving icon 0 of the source under the name the user gives (empty: cancelled), which alone
    // decides the format; `signature` empty: nothing written.
    void sauver() {
        const auto essai = [](const QString &nom, const QByteArray &signature) {
            QTemporaryDir rep, avant;
            QFile fichier(rep.filePath(u"fichier"_s));
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            BancDialogues banc;
            TConfigDlg &d = *banc.dlg;
            d.Executable->setText(donnees(u"groupes64.dll"_s));
            // An opaque icon saved first must not show where the next one is transparent.
            d.Numero->setValue(5);
            banc.fichier = avant.filePath(u"opaque.bmp"_s);
            d.SauverBMP->click();
            d.Numero->setValue(0);
            banc.fichier = nom.isEmpty() ? QString() : rep.filePath(nom);
            d.SauverBMP->click();
            QCOMPARE(banc.demandes.size(), 2);
            const Fichiers::Demande &demande = banc.demandes.constLast();
            QCOMPARE(demande.genre, Fichiers::Demande::Genre::Enregistrer);
            QCOMPARE(demande.titre, u"Sauver comme BMP"_s);
            QCOMPARE(demande.nom, u"*.bmp"_s);
            QCOMPARE(demande.filtres, QStringList({u"Bitmap (*.bmp)"_s, u"Icônes (*.ico)"_s}));
            QCOMPARE(demande.repertoire, QStringLiteral(DONNEES_ICONES "/"));
            // A name inside a plain file is refused with a message.
            const bool refuse = nom.startsWith(u"fichier/"_s);
            QCOMPARE(banc.messages.size(), refuse ? 1 : 0);
            QVERIFY(!refuse || banc.messages[0].contains(banc.fichier));
            if (signature.isEmpty()) {
                QCOMPARE(QDir(rep.path()).entryList(QDir::Files), QStringList{u"fichier"_s});
                return;
            }
            QFile ecrit(banc.fichier);
            QVERIFY(ecrit.open(QIODevice::ReadOnly));
            QCOMPARE(ecrit.read(signature.size()), signature);
            QCOMPARE(argb(iconImage(banc.fichier, 0)), motif(0x30C030, 0xC03030, true));
        };
        essai(u"ICONE.bmp"_s, "BM");
        essai(u"icone.ico"_s, QByteArray("\0\0\1\0", 4));
        for (const QString &rien : {u"icone.png"_s, QString(), u"fichier/a.bmp"_s})
            essai(rien, {});
    }
};

QTEST_MAIN(TestIcones)
#include "tst_iconedlg.moc"
