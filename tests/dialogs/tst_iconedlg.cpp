#include "BancDialogues.h"
#include "dialogs/TChoixIconeDlg.h"
#include "platform/icons.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Qt::StringLiterals;

// The icon that the configuration dialog's fields name: chosen among the file's icons, or saved
// to the file the user gives.

namespace {

// The chooser's icon buttons that are still on it, hidden or not.
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

private Q_SLOTS:
    void rangeeDIcones_data();
    void rangeeDIcones();
    void sansIcone_data();
    void sansIcone();
    void placeDuChoix_data();
    void placeDuChoix();
    void boutonsDetruitsApresLeClic();
    void sauver_data();
    void sauver();
    void bitmapEffacee();

private:
    QTemporaryDir rep_;
};

void TestIcones::rangeeDIcones_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<int>("offertes");
    QTest::addColumn<bool>("partage"); // the program's own chooser

    // A name far past the old path limits is kept whole.
    QString dossier = rep_.path();
    while (dossier.size() < 300)
        dossier += u"/un-dossier-au-nom-plutot-long"_s;
    QVERIFY(QDir().mkpath(dossier));
    QVERIFY(QFile::copy(donnees(u"groupes64.dll"_s), dossier + u"/icones.dll"_s));

    QTest::newRow("douze") << donnees(u"groupes64.dll"_s) << 12 << false;
    QTest::newRow("57 en offrent 40") << donnees(u"cinquante-sept.dll"_s) << 40 << false;
    QTest::newRow("le choix du programme") << donnees(u"groupes64.dll"_s) << 12 << true;
    QTest::newRow("nom de 300 caractères") << dossier + u"/icones.dll"_s << 12 << false;
}

void TestIcones::rangeeDIcones() {
    QFETCH(QString, fichier);
    QFETCH(int, offertes);
    QFETCH(bool, partage);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    std::unique_ptr<TChoixIconeDlg> programme;
    if (partage) {
        programme = std::make_unique<TChoixIconeDlg>();
        G.ChoixIconeDlg = programme.get();
    }
    d.Executable->setText(fichier);
    d.Numero->setValue(-1);

    const int dernier = offertes - 1;
    bool vu = false;
    quandModal([&](QWidget *modal) {
        auto *choix = qobject_cast<TChoixIconeDlg *>(modal);
        QVERIFY(choix);
        if (partage)
            QCOMPARE(choix, programme.get());
        QCOMPARE(choix->windowTitle(), u"Choix de l'icône pour l'application"_s);
        QCOMPARE(choix->NomFichier, fichier);
        QCOMPARE(boutonsVisibles(choix), choix->Boutons);
        QCOMPARE(choix->Boutons.size(), offertes);
        QCOMPARE(choix->width(), offertes * 48 + 10);
        // The glyph is the icon of the same index.
        QCOMPARE(argb(choix->Boutons[dernier]->icon().pixmap(32, 32).toImage()),
                 argb(iconImage(fichier, dernier)));
        vu = true;
        QTest::mouseClick(choix->Boutons[dernier], Qt::LeftButton);
        QVERIFY(!choix->isVisible());
    });
    d.Choisir->click();
    G.ChoixIconeDlg = nullptr;
    QVERIFY(vu);
    QCOMPARE(d.Numero->value(), dernier);
    QVERIFY(banc.messages.isEmpty());
}

// No icon to be had: the user is told why, and nothing is shown, asked or changed.
void TestIcones::sansIcone_data() {
    QTest::addColumn<bool>("sauver"); // the save button; else the chooser's
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("message");

    const QString introuvable = u"Fichier introuvable."_s;
    const QString aucune = u"Ce fichier ne contient pas d'icônes."_s;
    const QString douze = donnees(u"groupes64.dll"_s), absent = donnees(u"absent.dll"_s);
    const QString pasDe = u"Ce fichier n'a pas d'icône numéro %1 : rien n'a été enregistré."_s;
    QTest::newRow("choisir: champ vide") << false << QString() << 5 << introuvable;
    QTest::newRow("choisir: fichier absent") << false << absent << 5 << introuvable;
    QTest::newRow("choisir: sans icône") << false << donnees(u"sans-icone.dll"_s) << 5 << aucune;
    QTest::newRow("choisir: fichier de texte") << false << donnees(u"make.sh"_s) << 5 << aucune;
    QTest::newRow("sauver: numéro trop grand") << true << douze << 12 << pasDe.arg(12);
    QTest::newRow("sauver: numéro négatif") << true << douze << -1 << pasDe.arg(-1);
    QTest::newRow("sauver: champ vide") << true << QString() << 0 << introuvable;
    QTest::newRow("sauver: fichier absent") << true << absent << 0 << introuvable;
    QTest::newRow("sauver: sans icône") << true << donnees(u"sans-icone.dll"_s) << 0 << aucune;
}

void TestIcones::sansIcone() {
    QFETCH(bool, sauver);
    QFETCH(QString, source);
    QFETCH(int, numero);
    QFETCH(QString, message);
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
}

// Where the chooser shows, by the screen's width; Escape closes it and changes nothing.
void TestIcones::placeDuChoix_data() {
    QTest::addColumn<int>("largeurEcran");
    QTest::addColumn<int>("gaucheAvant"); // -1: the first show
    QTest::addColumn<int>("gauche");

    // Twelve icons make it 586 wide; the offscreen screen is 800 wide.
    QTest::newRow("centrée") << 800 << -1 << (800 - 586) / 2;
    QTest::newRow("reste où elle était") << 800 << 150 << 150;
    QTest::newRow("ramenée au bord droit") << 800 << 600 << 800 - 586;
    QTest::newRow("largeur d'écran du programme") << 500 << -1 << 0;
}

void TestIcones::placeDuChoix() {
    QFETCH(int, largeurEcran);
    QFETCH(int, gaucheAvant);
    QFETCH(int, gauche);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    G.LargeurEcran = largeurEcran;
    d.Executable->setText(donnees(u"groupes64.dll"_s));
    d.Numero->setValue(7);
    if (gaucheAvant >= 0) {
        // A first show, then the user moves the chooser.
        quandModal([](QWidget *modal) { modal->hide(); });
        d.ChoisirClick();
        d.ChoixIcone()->move(gaucheAvant, 40);
    }
    QPoint vue;
    quandModal([&vue](QWidget *modal) {
        vue = modal->pos();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    d.ChoisirClick();
    QCOMPARE(vue.x(), gauche);
    if (gaucheAvant >= 0)
        QCOMPARE(vue.y(), 40);
    QCOMPARE(d.Numero->value(), 7);
    QVERIFY(d.ChoixIcone()->Boutons.isEmpty());
}

void TestIcones::boutonsDetruitsApresLeClic() {
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
        clique = c->Boutons[5];
        connect(clique, &QObject::destroyed, [&] { numeroALaDestruction = d.Numero->value(); });
        QTest::mouseClick(clique, Qt::LeftButton);
    });
    d.ChoisirClick();
    QCOMPARE(d.Numero->value(), 5);
    QVERIFY(choix->Boutons.isEmpty());
    QVERIFY(boutonsVisibles(choix).isEmpty());

    // Shown again at once, before the old buttons are gone: only the new ones are there.
    d.Executable->setText(donnees(u"cinquante-sept.dll"_s));
    int montres = -1;
    quandModal([&montres](QWidget *modal) {
        montres = int(boutonsVisibles(modal).size());
        modal->hide();
    });
    d.ChoisirClick();
    QCOMPARE(montres, 40);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(clique.isNull());
    QCOMPARE(numeroALaDestruction, 5);
    QVERIFY(choix->findChildren<QToolButton *>().isEmpty());
}

// Saving icon 8 of the source under the name the user gives, which alone decides the format.
// A file "icone.ico" is there already.
void TestIcones::sauver_data() {
    QTest::addColumn<QString>("nom");          // empty: cancelled
    QTest::addColumn<QByteArray>("signature"); // empty: nothing written
    QTest::addColumn<bool>("erreur");

    const QByteArray bmp("BM"), ico("\0\0\1\0", 4);
    QTest::newRow("ICONE.bmp") << u"ICONE.bmp"_s << bmp << false;
    QTest::newRow("icone.ico remplacé sans question") << u"icone.ico"_s << ico << false;
    QTest::newRow("icone.png: rien") << u"icone.png"_s << QByteArray() << false;
    QTest::newRow("annulé") << QString() << QByteArray() << false;
    QTest::newRow("dans un fichier, bmp") << u"icone.ico/a.bmp"_s << QByteArray() << true;
    QTest::newRow("dans un fichier, ico") << u"icone.ico/a.ico"_s << QByteArray() << true;
}

void TestIcones::sauver() {
    QFETCH(QString, nom);
    QFETCH(QByteArray, signature);
    QFETCH(bool, erreur);
    QTemporaryDir rep;
    QFile existant(rep.filePath(u"icone.ico"_s));
    QVERIFY(existant.open(QIODevice::WriteOnly));
    existant.write(QByteArray(5000, 'x'));
    existant.close();
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    const QString source = donnees(u"groupes64.dll"_s);
    d.Executable->setText(source);
    d.Numero->setValue(8);
    banc.fichier = nom.isEmpty() ? QString() : rep.filePath(nom);
    d.SauverBMP->click();

    QCOMPARE(banc.demandes.size(), 1);
    const Fichiers::Demande &demande = banc.demandes.constFirst();
    QCOMPARE(demande.genre, Fichiers::Demande::Genre::Enregistrer);
    QCOMPARE(demande.titre, u"Sauver comme BMP"_s);
    QCOMPARE(demande.nom, u"*.bmp"_s);
    QCOMPARE(demande.repertoire, QStringLiteral(DONNEES_ICONES "/"));
    QCOMPARE(demande.filtres, (QStringList{u"Bitmap (*.bmp)"_s, u"Icônes (*.ico)"_s}));
    if (erreur) {
        QCOMPARE(banc.messages.size(), 1);
        QVERIFY2(banc.messages[0].contains(banc.fichier), qPrintable(banc.messages[0]));
        QVERIFY(!QFile::exists(banc.fichier));
    } else {
        QVERIFY(banc.messages.isEmpty());
    }
    if (signature.isEmpty()) {
        QCOMPARE(QDir(rep.path()).entryList(QDir::Files), QStringList{u"icone.ico"_s});
        return;
    }
    QFile ecrit(banc.fichier);
    QVERIFY(ecrit.open(QIODevice::ReadOnly));
    QCOMPARE(ecrit.read(signature.size()), signature);
    // The saved file is an icon source of the same picture.
    QCOMPARE(iconCount(banc.fichier), 1);
    QCOMPARE(argb(iconImage(banc.fichier, 0)), argb(iconImage(source, 8)));
}

void TestIcones::bitmapEffacee() {
    // An opaque icon first, then one with transparent parts: the second bitmap shows nothing of
    // the first where its icon is transparent.
    QTemporaryDir rep;
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    const QString source = donnees(u"groupes64.dll"_s);
    d.Executable->setText(source);
    d.Numero->setValue(5); // 24 bits, its corner drawn by the mask
    banc.fichier = rep.filePath(u"a.bmp"_s);
    d.SauverBMPICOClick();
    d.Numero->setValue(0);
    banc.fichier = rep.filePath(u"b.bmp"_s);
    d.SauverBMPICOClick();
    QVERIFY(banc.messages.isEmpty());
    const QImage seconde = argb(iconImage(banc.fichier, 0));
    QCOMPARE(qAlpha(seconde.pixel(2, 2)), 0);
    QCOMPARE(seconde, argb(iconImage(source, 0)));
}

QTEST_MAIN(TestIcones)
#include "tst_iconedlg.moc"
