#include "BancDialogues.h"
#include "dialogs/TRadioGroup.h"
#include "platform/Programme.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <climits>

using namespace Qt::StringLiterals;

namespace {

// The four text fields, in the order of the tables: command line, working directory, tooltip,
// icon source.
QStringList champs(const TConfigDlg &d) {
    return {d.LigneCommande->text(), d.Repertoire->text(), d.Infobulle->text(),
            d.Executable->text()};
}

void remplir(TConfigDlg &d, const QStringList &textes) {
    d.LigneCommande->setText(textes[0]);
    d.Repertoire->setText(textes[1]);
    d.Infobulle->setText(textes[2]);
    d.Executable->setText(textes[3]);
}

} // namespace

class TestTConfigDlg : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saisie_data();
    void saisie();
    void numero_data();
    void numero();
    void effacer();
    void parcourir_data();
    void parcourir();
    void ordreDesTabulations();
    void centreePuisLaissee();
};

// The user types into a field and then leaves it with Tab, or closes the dialog from it.
void TestTConfigDlg::saisie_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QStringList>("avant");
    QTest::addColumn<QString>("saisi");
    QTest::addColumn<int>("touche");   // with its modifiers; 0: a click on OK
    QTest::addColumn<int>("resultat"); // -1: still open
    QTest::addColumn<QStringList>("apres");

    const QStringList vides(4);
    const QString gedit = u"/usr/bin/gedit"_s;
    const QStringList rempli{gedit, u"/usr/bin/"_s, u"Gedit"_s, gedit};
    const QStringList entree{gedit, QString(), QString(), QString()};
    const QStringList ecrits{QString(), u"c"_s, u"b"_s, u"a"_s};
    const QStringList tmp{QString(), u"/tmp"_s + platform::separateursChemin().left(1), QString(),
                          QString()};
    const int tab = Qt::Key_Tab, ok = QDialog::Accepted, annule = QDialog::Rejected;
    const int ret = Qt::Key_Return, echap = Qt::Key_Escape;
    QTest::newRow("ligne quittée") << u"ligne"_s << vides << gedit << tab << -1 << rempli;
    QTest::newRow("rien n'est écrasé")
        << u"ligne"_s << ecrits << gedit << tab << -1 << QStringList{gedit} + ecrits.mid(1);
    QTest::newRow("/tmp") << u"répertoire"_s << vides << u"/tmp"_s << tab << -1 << tmp;
    // Enter accepts from inside the field, which is then not left.
    QTest::newRow("Entrée dans la ligne") << u"ligne"_s << vides << gedit << ret << ok << entree;
    QTest::newRow("clic sur OK") << u"ligne"_s << vides << gedit << 0 << ok << rempli;
    QTest::newRow("Échap") << u"infobulle"_s << vides << QString() << echap << annule << vides;
    // An Escape that the Cancel button does not take reaches the form, which presses OK.
    QTest::newRow("Maj+Échap") << u"infobulle"_s << vides << QString()
                               << (Qt::ShiftModifier | Qt::Key_Escape).toCombined() << ok << vides;
    // Enter presses the push button that has the focus.
    QTest::newRow("Entrée sur Annuler")
        << u"Annuler"_s << vides << QString() << ret << annule << vides;
}

void TestTConfigDlg::saisie() {
    QFETCH(QString, champ);
    QFETCH(QStringList, avant);
    QFETCH(QString, saisi);
    QFETCH(int, touche);
    QFETCH(int, resultat);
    QFETCH(QStringList, apres);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    remplir(d, avant);
    QWidget *w = champ == u"ligne"_s        ? d.LigneCommande
                 : champ == u"répertoire"_s ? d.Repertoire
                 : champ == u"infobulle"_s  ? d.Infobulle
                                            : static_cast<QWidget *>(d.CancelBtn);
    quandModal([&](QWidget *modal) {
        QCOMPARE(modal, &d);
        w->setFocus();
        QTest::keyClicks(w, saisi);
        const auto combinaison = QKeyCombination::fromCombined(touche);
        if (touche == 0)
            QTest::mouseClick(d.OKBtn, Qt::LeftButton);
        else
            QTest::keyClick(w, combinaison.key(), combinaison.keyboardModifiers());
        if (d.isVisible())
            d.done(-1);
    });
    QCOMPARE(d.exec(), resultat);
    QCOMPARE(champs(d), apres);
}

// The icon number takes any whole number; what is not one reads as 0.
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

// Clear empties everything and leaves the dialog open; OK then keeps it all empty.
void TestTConfigDlg::effacer() {
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    remplir(d, {u"/usr/bin/gedit"_s, u"/home/moi/"_s, u"Éditeur"_s, u"/usr/share/gedit.png"_s});
    d.Numero->setValue(3);
    d.RadioGroup->SetItemIndex(2);
    quandModal([&d](QWidget *) {
        QTest::mouseClick(d.EffacerBtn, Qt::LeftButton);
        QVERIFY(d.isVisible());
        d.LigneCommande->setFocus();
        QTest::mouseClick(d.OKBtn, Qt::LeftButton);
    });
    QCOMPARE(d.exec(), int(QDialog::Accepted));
    QCOMPARE(champs(d), QStringList(4));
    QCOMPARE(d.Numero->value(), 0);
    QCOMPARE(d.RadioGroup->ItemIndex(), 0);
}

// The two browse buttons: what the file dialog is asked, and what the fields hold after it.
void TestTConfigDlg::parcourir_data() {
    QTest::addColumn<bool>("icone"); // the icon source's button; else the command line's
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("choisi"); // empty: cancelled
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("repertoire");
    QTest::addColumn<QStringList>("apres");

    const QString gedit = u"/usr/bin/gedit"_s, app = u"/opt/Mon App/app"_s;
    const QString png = u"/usr/share/icons/gedit.png"_s;
    QTest::newRow("arguments remplacés, pas de guillemets")
        << false << u"/usr/bin/gedit /tmp/a.txt"_s << app << u"a.txt"_s << u"/usr/bin/gedit /tmp/"_s
        << QStringList{app, u"/opt/Mon App/"_s, u"App"_s, app};
    QTest::newRow("annulé: les champs vides se remplissent quand même")
        << false << gedit << QString() << u"gedit"_s << u"/usr/bin/"_s
        << QStringList{gedit, u"/usr/bin/"_s, u"Gedit"_s, gedit};
    QTest::newRow("icône choisie")
        << true << png << u"/usr/lib/x.dll"_s << u"gedit.png"_s << u"/usr/share/icons/"_s
        << QStringList{QString(), QString(), QString(), u"/usr/lib/x.dll"_s};
    QTest::newRow("icône annulée")
        << true << png << QString() << u"gedit.png"_s << u"/usr/share/icons/"_s
        << QStringList{QString(), QString(), QString(), png};
}

void TestTConfigDlg::parcourir() {
    QFETCH(bool, icone);
    QFETCH(QString, champ);
    QFETCH(QString, choisi);
    QFETCH(QString, nom);
    QFETCH(QString, repertoire);
    QFETCH(QStringList, apres);
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    (icone ? d.Executable : d.LigneCommande)->setText(champ);
    banc.fichier = choisi;
    (icone ? d.Parcourir2 : d.Parcourir1)->click();
    QCOMPARE(banc.demandes.size(), 1);
    const Fichiers::Demande &demande = banc.demandes.constFirst();
    QCOMPARE(demande.genre, Fichiers::Demande::Genre::Ouvrir);
    QCOMPARE(demande.titre, QString());
    QCOMPARE(demande.nom, nom);
    QCOMPARE(demande.repertoire, repertoire);
    QCOMPARE(demande.filtres,
             (QStringList{icone ? u"Fichiers contenant des icônes (*.exe *.dll *.ico *.bmp)"_s
                                : u"Executables (*.exe *.bat *.com)"_s,
                          u"Tout (*)"_s}));
    QCOMPARE(champs(d), apres);
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

// Centred on the screen at its first showing, then left where the user put it.
void TestTConfigDlg::centreePuisLaissee() {
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    QVERIFY(banc.montrer());
    // Within the width of the window's frame.
    QVERIFY((d.geometry().center() - d.screen()->geometry().center()).manhattanLength() <= 4);
    d.hide();
    d.move(10, 20);
    QVERIFY(banc.montrer());
    QCOMPARE(d.pos(), QPoint(10, 20));
}

QTEST_MAIN(TestTConfigDlg)
#include "tst_tconfigdlg.moc"
