#include "BancDialogues.h"
#include "board/Boutons.h"
#include "dialogs/TRadioGroup.h"
#include "logic/Echelle.h"
#include "platform/Navigateur.h"
#include "platform/Programme.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUrl>
#include <climits>

using namespace Qt::StringLiterals;

namespace {

// What the bar does with the dialog: the record's values in, a modal run, the values back on OK.
int configurer(TConfigDlg &dlg, TBoutonAppli &b) {
    dlg.LigneCommande->setText(b.LigCom);
    dlg.Repertoire->setText(b.WDir);
    dlg.Infobulle->setText(b.Hint);
    dlg.Executable->setText(b.Name);
    dlg.Numero->setValue(b.Icon);
    dlg.RadioGroup->SetItemIndex(b.Lancement);
    const int resultat = dlg.exec();
    if (resultat == QDialog::Accepted) {
        b.LigCom = dlg.LigneCommande->text();
        b.WDir = dlg.Repertoire->text();
        b.Hint = dlg.Infobulle->text();
        b.Name = dlg.Executable->text();
        b.Icon = dlg.Numero->value();
        b.Lancement = quint8(dlg.RadioGroup->ItemIndex());
    }
    return resultat;
}

TBoutonAppli exemple() {
    TBoutonAppli b;
    b.LigCom = u"/usr/bin/gedit"_s;
    b.WDir = u"/home/moi/"_s;
    b.Hint = u"Éditeur"_s;
    b.Name = u"/usr/share/icons/gedit.png"_s;
    b.Icon = 3;
    b.Lancement = 2;
    return b;
}

bool memes(const TBoutonAppli &a, const TBoutonAppli &b) {
    return a.LigCom == b.LigCom && a.WDir == b.WDir && a.Hint == b.Hint && a.Name == b.Name &&
           a.Icon == b.Icon && a.Lancement == b.Lancement;
}

} // namespace

class TestTConfigDlg : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quitterLigneCommande_data();
    void quitterLigneCommande();
    void entreeDansLigneCommande();
    void clicSurOK();
    void quitterRepertoire_data();
    void quitterRepertoire();
    void entreeDansRepertoire();
    void fermetures_data();
    void fermetures();
    void effacerPuisAnnuler();
    void effacerPuisOK();
    void numero_data();
    void numero();
    void parcourirLigneCommande_data();
    void parcourirLigneCommande();
    void parcourirExecutable_data();
    void parcourirExecutable();
    void aide_data();
    void aide();
    void dispositionALEchelle();
    void ordreDesTabulations();
    void centreePuisLaissee();
};

void TestTConfigDlg::quitterLigneCommande_data() {
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<QStringList>("avant"); // Executable, Infobulle, Repertoire
    QTest::addColumn<QStringList>("apres");

    const QStringList vides{QString(), QString(), QString()};
    QTest::newRow("dialogue vide") << u"/usr/bin/gedit"_s << vides
                                   << QStringList{u"/usr/bin/gedit"_s, u"Gedit"_s, u"/usr/bin/"_s};
    QTest::newRow("infobulle déjà remplie")
        << u"/usr/bin/gedit"_s << QStringList{QString(), u"Mon éditeur"_s, QString()}
        << QStringList{u"/usr/bin/gedit"_s, u"Mon éditeur"_s, u"/usr/bin/"_s};
    QTest::newRow("rien n'est écrasé") << u"/usr/bin/gedit"_s << QStringList{u"a"_s, u"b"_s, u"c"_s}
                                       << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("guillemets et argument")
        << uR"("/opt/Mon App/app" "/home/moi/Mes docs/lettre.txt")"_s << vides
        << QStringList{uR"("/opt/Mon App/app" "/home/moi/Mes docs/lettre.txt")"_s, u"Lettre"_s,
                       u"/home/moi/Mes docs/"_s};
    QTest::newRow("ligne vide") << QString() << vides << vides;
}

void TestTConfigDlg::quitterLigneCommande() {
    QFETCH(QString, ligne);
    QFETCH(QStringList, avant);
    QFETCH(QStringList, apres);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    QVERIFY(banc.montrer());
    d.Executable->setText(avant[0]);
    d.Infobulle->setText(avant[1]);
    d.Repertoire->setText(avant[2]);
    QCOMPARE(QApplication::focusWidget(), d.LigneCommande);
    QTest::keyClicks(d.LigneCommande, ligne);
    QTest::keyClick(d.LigneCommande, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.Parcourir1);
    QCOMPARE(d.Executable->text(), apres[0]);
    QCOMPARE(d.Infobulle->text(), apres[1]);
    QCOMPARE(d.Repertoire->text(), apres[2]);
}

void TestTConfigDlg::entreeDansLigneCommande() {
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    quandModal([&d](QWidget *modal) {
        QCOMPARE(modal, &d);
        QCOMPARE(QApplication::focusWidget(), d.LigneCommande);
        QTest::keyClicks(d.LigneCommande, u"/usr/bin/gedit"_s);
        QTest::keyClick(d.LigneCommande, Qt::Key_Return);
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));
    QCOMPARE(d.LigneCommande->text(), u"/usr/bin/gedit"_s);
    QCOMPARE(d.Executable->text(), QString());
    QCOMPARE(d.Infobulle->text(), QString());
    QCOMPARE(d.Repertoire->text(), QString());
}

void TestTConfigDlg::clicSurOK() {
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    quandModal([&d](QWidget *) {
        QTest::keyClicks(d.LigneCommande, u"/usr/bin/gedit"_s);
        QTest::mouseClick(d.OKBtn, Qt::LeftButton);
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));
    QCOMPARE(d.Executable->text(), u"/usr/bin/gedit"_s);
    QCOMPARE(d.Infobulle->text(), u"Gedit"_s);
    QCOMPARE(d.Repertoire->text(), u"/usr/bin/"_s);
}

void TestTConfigDlg::quitterRepertoire_data() {
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<QString>("attendu");

    const QString sep = platform::separateursChemin().left(1);
    QTest::newRow("/tmp") << u"/tmp"_s << u"/tmp"_s + sep;
    QTest::newRow("/tmp/") << u"/tmp"_s + sep << u"/tmp"_s + sep;
    QTest::newRow("vide") << QString() << QString();
}

void TestTConfigDlg::quitterRepertoire() {
    QFETCH(QString, saisi);
    QFETCH(QString, attendu);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    QVERIFY(banc.montrer());
    d.Repertoire->setFocus();
    d.Repertoire->setText(saisi);
    QTest::keyClick(d.Repertoire, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.Infobulle);
    QCOMPARE(d.Repertoire->text(), attendu);
    // Leaving it again adds nothing more.
    d.Repertoire->setFocus();
    d.Infobulle->setFocus();
    QCOMPARE(d.Repertoire->text(), attendu);
}

void TestTConfigDlg::entreeDansRepertoire() {
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    quandModal([&d](QWidget *) {
        d.Repertoire->setFocus();
        QTest::keyClicks(d.Repertoire, u"/tmp"_s);
        QTest::keyClick(d.Repertoire, Qt::Key_Enter);
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));
    QCOMPARE(d.Repertoire->text(), u"/tmp"_s);
}

void TestTConfigDlg::fermetures_data() {
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("modificateurs");
    QTest::addColumn<bool>("surUnBouton");
    QTest::addColumn<int>("resultat");

    QTest::newRow("Entrée") << int(Qt::Key_Return) << int(Qt::NoModifier) << false
                            << int(QDialog::Accepted);
    QTest::newRow("Échap") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false
                           << int(QDialog::Rejected);
    // An Escape that the Cancel button does not take reaches the form, which presses OK.
    QTest::newRow("Maj+Échap") << int(Qt::Key_Escape) << int(Qt::ShiftModifier) << false
                               << int(QDialog::Accepted);
    // Enter presses the push button that has the focus, here Cancel.
    QTest::newRow("Entrée sur Annuler")
        << int(Qt::Key_Return) << int(Qt::NoModifier) << true << int(QDialog::Rejected);
}

void TestTConfigDlg::fermetures() {
    QFETCH(int, touche);
    QFETCH(int, modificateurs);
    QFETCH(bool, surUnBouton);
    QFETCH(int, resultat);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    quandModal([&](QWidget *) {
        QWidget *cible = surUnBouton ? static_cast<QWidget *>(d.CancelBtn) : d.Infobulle;
        cible->setFocus();
        QTest::keyClick(cible, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
    });
    QCOMPARE(d.exec(), resultat);
}

void TestTConfigDlg::effacerPuisAnnuler() {
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    TBoutonAppli b = exemple();
    quandModal([&d](QWidget *) {
        QTest::mouseClick(d.EffacerBtn, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(d.LigneCommande->text(), QString());
        QCOMPARE(d.Repertoire->text(), QString());
        QCOMPARE(d.Infobulle->text(), QString());
        QCOMPARE(d.Executable->text(), QString());
        QCOMPARE(d.Numero->value(), 0);
        QCOMPARE(d.RadioGroup->ItemIndex(), 0);
        QTest::mouseClick(d.CancelBtn, Qt::LeftButton);
    });
    QCOMPARE(configurer(d, b), int(QDialog::Rejected));
    QVERIFY(memes(b, exemple()));
}

void TestTConfigDlg::effacerPuisOK() {
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    TBoutonAppli b = exemple();
    quandModal([&d](QWidget *) {
        d.EffacerBtnClick();
        // Nothing was left, so nothing is filled from the empty command line.
        QTest::mouseClick(d.OKBtn, Qt::LeftButton);
    });
    QCOMPARE(configurer(d, b), int(QDialog::Accepted));
    TBoutonAppli vide;
    vide.Icon = 0;
    QVERIFY(memes(b, vide));
}

void TestTConfigDlg::numero_data() {
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<int>("valeur");

    QTest::newRow("7") << u"7"_s << 7;
    QTest::newRow("négatif") << u"-1"_s << -1;
    QTest::newRow("vide") << QString() << 0;
    QTest::newRow("signe seul") << u"-"_s << 0;
    QTest::newRow("le plus grand") << u"2147483647"_s << INT_MAX;
    QTest::newRow("le plus petit") << u"-2147483648"_s << INT_MIN;
}

void TestTConfigDlg::numero() {
    QFETCH(QString, saisi);
    QFETCH(int, valeur);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    d.Numero->setValue(5);
    quandModal([&](QWidget *) {
        d.Numero->setFocus();
        d.Numero->findChild<QLineEdit *>()->selectAll();
        QTest::keyClick(d.Numero, Qt::Key_Delete);
        QTest::keyClicks(d.Numero, saisi);
        QTest::keyClick(d.Numero, Qt::Key_Return);
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));
    QCOMPARE(d.Numero->value(), valeur);
}

void TestTConfigDlg::parcourirLigneCommande_data() {
    QTest::addColumn<QString>("ligne");
    QTest::addColumn<QString>("choisi");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QString>("attendue");
    QTest::addColumn<QString>("infobulle");

    QTest::newRow("choisi, arguments remplacés, pas de guillemets")
        << u"/usr/bin/gedit /tmp/a.txt"_s << u"/opt/Mon App/app"_s << u"a.txt"_s
        << u"/usr/bin/gedit /tmp/"_s << u"/opt/Mon App/app"_s << u"App"_s;
    QTest::newRow("guillemets: répertoire du dernier mot")
        << uR"("/opt/Mon App/app")"_s << QString() << uR"(app")"_s << u"/opt/Mon App/"_s
        << uR"("/opt/Mon App/app")"_s << u"App\""_s;
    QTest::newRow("annulé: les champs vides se remplissent quand même")
        << u"/usr/bin/gedit"_s << QString() << u"gedit"_s << u"/usr/bin/"_s << u"/usr/bin/gedit"_s
        << u"Gedit"_s;
}

void TestTConfigDlg::parcourirLigneCommande() {
    QFETCH(QString, ligne);
    QFETCH(QString, choisi);
    QFETCH(QString, nom);
    QFETCH(QString, repertoire);
    QFETCH(QString, attendue);
    QFETCH(QString, infobulle);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    d.LigneCommande->setText(ligne);
    banc.fichier = choisi;
    d.Parcourir1Click();
    QCOMPARE(banc.demandes.size(), 1);
    const Fichiers::Demande &demande = banc.demandes.constFirst();
    QCOMPARE(demande.genre, Fichiers::Demande::Genre::Ouvrir);
    QCOMPARE(demande.titre, QString());
    QCOMPARE(demande.nom, nom);
    QCOMPARE(demande.repertoire, repertoire);
    QCOMPARE(demande.filtres, (QStringList{u"Executables (*.exe *.bat *.com)"_s, u"Tout (*)"_s}));
    QCOMPARE(d.LigneCommande->text(), attendue);
    QCOMPARE(d.Infobulle->text(), infobulle);
    // The icon source was empty, so the leaving step gave it the command line.
    QCOMPARE(d.Executable->text(), attendue);
}

void TestTConfigDlg::parcourirExecutable_data() {
    QTest::addColumn<QString>("choisi");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("choisi") << u"/usr/lib/x.dll"_s << u"/usr/lib/x.dll"_s;
    QTest::newRow("annulé") << QString() << u"/usr/share/icons/gedit.png"_s;
}

void TestTConfigDlg::parcourirExecutable() {
    QFETCH(QString, choisi);
    QFETCH(QString, attendu);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    d.Executable->setText(u"/usr/share/icons/gedit.png"_s);
    banc.fichier = choisi;
    d.Parcourir2Click();
    QCOMPARE(banc.demandes.size(), 1);
    const Fichiers::Demande &demande = banc.demandes.constFirst();
    QCOMPARE(demande.nom, u"gedit.png"_s);
    QCOMPARE(demande.repertoire, u"/usr/share/icons/"_s);
    QCOMPARE(demande.filtres.size(), 2);
    QCOMPARE(demande.filtres[0], u"Fichiers contenant des icônes (*.exe *.dll *.ico *.bmp)"_s);
    QCOMPARE(d.Executable->text(), attendu);
    // Nothing else is filled.
    QCOMPARE(d.LigneCommande->text(), QString());
    QCOMPARE(d.Infobulle->text(), QString());
}

void TestTConfigDlg::aide_data() {
    QTest::addColumn<bool>("pagePresente");
    QTest::addColumn<bool>("navigateur");
    QTest::addColumn<bool>("ouverte");
    QTest::addColumn<bool>("message");

    QTest::newRow("page ouverte") << true << true << true << false;
    QTest::newRow("page absente") << false << true << false << true;
    QTest::newRow("aucun navigateur") << true << false << true << true;
}

void TestTConfigDlg::aide() {
    QFETCH(bool, pagePresente);
    QFETCH(bool, navigateur);
    QFETCH(bool, ouverte);
    QFETCH(bool, message);
    QTemporaryDir rep;
    platform::simulerCheminProgramme(rep.filePath(u"tressola"_s));
    const QString page = rep.filePath(u"aide/configurer.html"_s);
    if (pagePresente) {
        QVERIFY(QDir(rep.path()).mkpath(u"aide"_s));
        QFile f(page);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QList<QUrl> ouvertes;
    platform::definirOuvreurUrl([&](const QUrl &url) {
        ouvertes.append(url);
        return navigateur;
    });
    {
        BancDialogues banc;
        banc.dlg->HelpBtnClick();
        QCOMPARE(ouvertes, ouverte ? QList<QUrl>{QUrl::fromLocalFile(page)} : QList<QUrl>{});
        QCOMPARE(banc.messages.size(), message ? 1 : 0);
        if (message)
            QVERIFY2(banc.messages[0].contains(QDir::toNativeSeparators(page)),
                     qPrintable(banc.messages[0]));
    }
    platform::definirOuvreurUrl({});
    platform::simulerCheminProgramme({});
}

void TestTConfigDlg::dispositionALEchelle() {
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    const int dpi = d.logicalDpiY();
    const auto e = [dpi](int x, int y, int l, int h) {
        return QRect(Echelle(x, dpi), Echelle(y, dpi), Echelle(l, dpi), Echelle(h, dpi));
    };
    QCOMPARE(d.size(), QSize(Echelle(525, dpi), Echelle(370, dpi)));
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE(d.LigneCommande->geometry(), e(19, 41, 388, 24));
    QCOMPARE(d.OKBtn->geometry(), e(422, 328, 95, 33));
    QCOMPARE(d.Label2->pos(), e(19, 220, 0, 0).topLeft());
    QVERIFY(d.Image1->isHidden());
    QVERIFY(d.OKBtn->isDefault());
    for (QPushButton *b : {d.OKBtn, d.HelpBtn, d.EffacerBtn, d.CancelBtn})
        QVERIFY(b->font().bold());
    for (QWidget *w : std::initializer_list<QWidget *>{d.LigneCommande, d.Label1, d.Parcourir1,
                                                       d.Choisir, d.RadioGroup->Items[0]})
        QVERIFY(!w->font().bold());
}

void TestTConfigDlg::ordreDesTabulations() {
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    QVERIFY(banc.montrer());
    const QList<QWidget *> ordre{d.LigneCommande,
                                 d.Parcourir1,
                                 d.Repertoire,
                                 d.Infobulle,
                                 d.Executable,
                                 d.Parcourir2,
                                 d.Numero,
                                 d.Choisir,
                                 d.SauverBMP,
                                 d.OKBtn,
                                 d.HelpBtn,
                                 d.EffacerBtn,
                                 d.RadioGroup->Items[0],
                                 d.CancelBtn,
                                 d.LigneCommande};
    QCOMPARE(QApplication::focusWidget(), ordre[0]);
    for (qsizetype i = 1; i < ordre.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ordre[i]);
    }
}

void TestTConfigDlg::centreePuisLaissee() {
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    QVERIFY(banc.montrer());
    const QRect ecran = d.screen()->geometry();
    // Within the width of the window's frame.
    QVERIFY((d.geometry().center() - ecran.center()).manhattanLength() <= 4);
    d.hide();
    d.move(10, 20);
    QVERIFY(banc.montrer());
    QCOMPARE(d.pos(), QPoint(10, 20));
}

QTEST_MAIN(TestTConfigDlg)
#include "tst_tconfigdlg.moc"
