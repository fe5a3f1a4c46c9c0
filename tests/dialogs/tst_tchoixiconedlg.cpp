#include "BancDialogues.h"
#include "dialogs/TChoixIconeDlg.h"
#include "logic/ChoixIcone.h"
#include "platform/icons.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QString donnees(const QString &nom) {
    return QStringLiteral(DONNEES_ICONES "/") + nom;
}

// The chooser's icon buttons that are still on it, hidden or not.
QList<QToolButton *> boutonsVisibles(QWidget *choix) {
    QList<QToolButton *> visibles;
    for (QToolButton *b : choix->findChildren<QToolButton *>())
        if (b->isVisibleTo(choix))
            visibles.append(b);
    return visibles;
}

} // namespace

class TestTChoixIconeDlg : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rangeeDIcones_data();
    void rangeeDIcones();
    void sansIcones_data();
    void sansIcones();
    void placeDuChoix_data();
    void placeDuChoix();
    void fermeSansClic();
    void boutonsDetruitsApresLeClic();
    void nomLongGardeEntier();
};

void TestTChoixIconeDlg::rangeeDIcones_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<int>("dansLeFichier");
    QTest::addColumn<int>("offertes");
    QTest::addColumn<bool>("partage");

    QTest::newRow("douze") << donnees(u"groupes64.dll"_s) << 12 << 12 << false;
    QTest::newRow("57 en offrent 40") << donnees(u"cinquante-sept.dll"_s) << 57 << 40 << false;
    QTest::newRow("le choix du programme") << donnees(u"groupes64.dll"_s) << 12 << 12 << true;
}

void TestTChoixIconeDlg::rangeeDIcones() {
    QFETCH(QString, fichier);
    QFETCH(int, dansLeFichier);
    QFETCH(int, offertes);
    QFETCH(bool, partage);
    QCOMPARE(iconCount(fichier), dansLeFichier);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    std::unique_ptr<TChoixIconeDlg> programme;
    if (partage) {
        programme = std::make_unique<TChoixIconeDlg>();
        G.ChoixIconeDlg = programme.get();
    }
    d.Executable->setText(fichier);
    d.Numero->setValue(-1);

    bool vu = false;
    quandModal([&](QWidget *modal) {
        auto *choix = qobject_cast<TChoixIconeDlg *>(modal);
        QVERIFY(choix);
        QCOMPARE(choix, d.ChoixIcone());
        if (partage)
            QCOMPARE(choix, programme.get());
        QCOMPARE(choix->windowTitle(), u"Choix de l'icône pour l'application"_s);
        QCOMPARE(choix->Boutons.size(), offertes);
        QCOMPARE(boutonsVisibles(choix).size(), offertes);
        QCOMPARE(choix->width(), offertes * 48 + 10);
        for (int i = 0; i < offertes; ++i) {
            QToolButton *b = choix->Boutons[i];
            QCOMPARE(b->geometry(), QRect(i * 48 + 4, 5, 45, 45));
            QCOMPARE(b->focusPolicy(), Qt::NoFocus);
            QVERIFY(!b->icon().isNull());
        }
        // The glyph is the icon of the same index.
        const QImage glyphe = choix->Boutons[2]->icon().pixmap(32, 32).toImage();
        QCOMPARE(glyphe.convertToFormat(QImage::Format_ARGB32),
                 iconImage(fichier, 2).convertToFormat(QImage::Format_ARGB32));
        vu = true;
        QTest::mouseClick(choix->Boutons[2], Qt::LeftButton);
        QVERIFY(!choix->isVisible());
    });
    d.ChoisirClick();
    QVERIFY(vu);
    QCOMPARE(d.Numero->value(), 2);
    QVERIFY(banc.messages.isEmpty());
    G.ChoixIconeDlg = nullptr;
}

void TestTChoixIconeDlg::sansIcones_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("message");

    const QString introuvable = u"Fichier introuvable."_s;
    const QString sansIcone = u"Ce fichier ne contient pas d'icônes."_s;
    QTest::newRow("champ vide") << QString() << introuvable;
    QTest::newRow("fichier absent") << donnees(u"absent.dll"_s) << introuvable;
    QTest::newRow("bibliothèque sans icône") << donnees(u"sans-icone.dll"_s) << sansIcone;
    QTest::newRow("fichier de texte") << donnees(u"make.sh"_s) << sansIcone;
}

void TestTChoixIconeDlg::sansIcones() {
    QFETCH(QString, fichier);
    QFETCH(QString, message);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    d.Executable->setText(fichier);
    d.Numero->setValue(5);
    bool ouvert = false;
    quandModal([&ouvert](QWidget *modal) { ouvert = modal != nullptr; });
    d.ChoisirClick();
    QCOMPARE(banc.messages, QStringList{message});
    QCOMPARE(d.Numero->value(), 5);
    QCOMPARE(d.Executable->text(), fichier);
    QCoreApplication::processEvents();
    QVERIFY(!ouvert);
}

void TestTChoixIconeDlg::placeDuChoix_data() {
    QTest::addColumn<int>("largeurEcran");
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<int>("gaucheAvant"); // -1: the first show
    QTest::addColumn<int>("gauche");

    const QString douze = donnees(u"groupes64.dll"_s); // 586 wide
    const QString quarante = donnees(u"cinquante-sept.dll"_s);
    // The offscreen screen is 800 wide: a first show is centred on it.
    QTest::newRow("centrée") << 800 << douze << -1 << (800 - 586) / 2;
    QTest::newRow("reste où elle était") << 800 << douze << 150 << 150;
    QTest::newRow("ramenée au bord droit") << 800 << douze << 600 << 800 - 586;
    QTest::newRow("bord droit juste au bord") << 800 << douze << 214 << 214;
    QTest::newRow("plus large que l'écran") << 800 << quarante << -1 << 0;
    QTest::newRow("largeur d'écran du programme") << 500 << douze << -1 << 0;
}

void TestTChoixIconeDlg::placeDuChoix() {
    QFETCH(int, largeurEcran);
    QFETCH(QString, fichier);
    QFETCH(int, gaucheAvant);
    QFETCH(int, gauche);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    G.LargeurEcran = largeurEcran;
    d.Executable->setText(donnees(u"groupes64.dll"_s));
    if (gaucheAvant >= 0) {
        // A first show, then the user moves the chooser.
        quandModal([](QWidget *modal) { modal->hide(); });
        d.ChoisirClick();
        d.ChoixIcone()->move(gaucheAvant, 40);
    }
    d.Executable->setText(fichier);
    int vue = -1;
    int haut = -1;
    quandModal([&](QWidget *modal) {
        vue = modal->x();
        haut = modal->y();
        modal->hide();
    });
    d.ChoisirClick();
    QCOMPARE(vue, gauche);
    if (gaucheAvant >= 0)
        QCOMPARE(haut, 40);
}

void TestTChoixIconeDlg::fermeSansClic() {
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    d.Executable->setText(donnees(u"groupes64.dll"_s));
    d.Numero->setValue(7);
    quandModal([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    d.ChoisirClick();
    QCOMPARE(d.Numero->value(), 7);
    QVERIFY(d.ChoixIcone()->Boutons.isEmpty());
}

void TestTChoixIconeDlg::boutonsDetruitsApresLeClic() {
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

void TestTChoixIconeDlg::nomLongGardeEntier() {
    QTemporaryDir rep;
    QString dossier = rep.path();
    while (dossier.size() < 300)
        dossier += u"/un-dossier-au-nom-plutot-long"_s;
    QVERIFY(QDir().mkpath(dossier));
    const QString fichier = dossier + u"/icones.dll"_s;
    QVERIFY(QFile::copy(donnees(u"groupes64.dll"_s), fichier));

    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    d.Executable->setText(fichier);
    qsizetype offertes = -1;
    QString nom;
    quandModal([&](QWidget *modal) {
        auto *choix = qobject_cast<TChoixIconeDlg *>(modal);
        offertes = choix->Boutons.size();
        nom = choix->NomFichier;
        QTest::mouseClick(choix->Boutons[11], Qt::LeftButton);
    });
    d.ChoisirClick();
    QCOMPARE(nom, fichier);
    QCOMPARE(offertes, 12);
    QCOMPARE(d.Numero->value(), 11);
    QVERIFY(banc.messages.isEmpty());
}

QTEST_MAIN(TestTChoixIconeDlg)
#include "tst_tchoixiconedlg.moc"
