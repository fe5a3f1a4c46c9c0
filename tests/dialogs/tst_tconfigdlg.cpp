#include "BancDialogues.h"
#include "dialogs/TRadioGroup.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// What the bar reads back from the dialog, in this order: command line, working directory,
// tooltip, icon source, icon number and window at launch.
QStringList valeurs(const QString &ligne, const QString &repertoire, const QString &infobulle,
                    const QString &executable, const QString &numero = u"0"_s,
                    const QString &lancement = u"0"_s) {
    return {ligne, repertoire, infobulle, executable, numero, lancement};
}

QStringList valeurs(const TConfigDlg &d) {
    return valeurs(d.LigneCommande->text(), d.Repertoire->text(), d.Infobulle->text(),
                   d.Executable->text(), QString::number(d.Numero->value()),
                   QString::number(d.RadioGroup->ItemIndex()));
}

void remplir(TConfigDlg &d, const QStringList &v) {
    d.LigneCommande->setText(v[0]);
    d.Repertoire->setText(v[1]);
    d.Infobulle->setText(v[2]);
    d.Executable->setText(v[3]);
    d.Numero->setValue(v[4].toInt());
    d.RadioGroup->SetItemIndex(v[5].toInt());
}

} // namespace

class TestTConfigDlg : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The user replaces the text of a control, then leaves it with Tab or closes the dialog from
    // it.
    void saisie_data() {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QStringList>("avant");
        QTest::addColumn<QString>("saisi");
        QTest::addColumn<int>("touche");   // with its modifiers; 0: a click on OK
        QTest::addColumn<int>("resultat"); // -1: still open
        QTest::addColumn<QStringList>("apres");

        const QString g = u"/usr/bin/gedit"_s, _;
        const QStringList vides = valeurs(_, _, _, _),
                          rempli = valeurs(g, u"/usr/bin/"_s, u"Gedit"_s, g);
        const auto numero = [&_](const QString &n) { return valeurs(_, _, _, _, n); };
        const int tab = Qt::Key_Tab, ret = Qt::Key_Return, ok = QDialog::Accepted;
        const int echap = Qt::Key_Escape, annule = QDialog::Rejected;
        QTest::newRow("ligne quittée") << u"ligne"_s << vides << g << tab << -1 << rempli;
        QTest::newRow("rien n'est écrasé") << u"ligne"_s << valeurs(_, u"c"_s, u"b"_s, u"a"_s) << g
                                           << tab << -1 << valeurs(g, u"c"_s, u"b"_s, u"a"_s);
        QTest::newRow("/tmp") << u"répertoire"_s << vides << u"/tmp"_s << tab << -1
                              << valeurs(_, u"/tmp/"_s, _, _);
        // Enter accepts from inside the field, which is then not left.
        QTest::newRow("Entrée dans la ligne")
            << u"ligne"_s << vides << g << ret << ok << valeurs(g, _, _, _);
        QTest::newRow("clic sur OK") << u"ligne"_s << vides << g << 0 << ok << rempli;
        QTest::newRow("Échap") << u"ligne"_s << vides << u"x"_s << echap << annule
                               << valeurs(u"x"_s, _, _, _);
        // An Escape that the Cancel button does not take reaches the form, which presses OK.
        QTest::newRow("Maj+Échap")
            << u"ligne"_s << vides << _ << (Qt::ShiftModifier | Qt::Key_Escape).toCombined() << ok
            << vides;
        // Clear empties everything, with no way back, and leaves the dialog open.
        QTest::newRow("Effacer") << u"Effacer"_s
                                 << valeurs(g, u"/home/moi/"_s, u"Éditeur"_s, g, u"3"_s, u"2"_s)
                                 << _ << int(Qt::Key_Space) << -1 << vides;
        // The icon number takes any whole number; what is not one reads as 0.
        QTest::newRow("numéro 7") << u"numéro"_s << numero(u"5"_s) << u"7"_s << ret << ok
                                  << numero(u"7"_s);
        QTest::newRow("numéro vide") << u"numéro"_s << numero(u"5"_s) << _ << ret << ok << vides;
        QTest::newRow("le plus grand")
            << u"numéro"_s << vides << u"2147483647"_s << ret << ok << numero(u"2147483647"_s);
        QTest::newRow("le plus petit")
            << u"numéro"_s << vides << u"-2147483648"_s << ret << ok << numero(u"-2147483648"_s);
    }

    void saisie() {
        QFETCH(QString, controle);
        QFETCH(QStringList, avant);
        QFETCH(QString, saisi);
        QFETCH(int, touche);
        QFETCH(int, resultat);
        QFETCH(QStringList, apres);
        BancDialogues banc;
        TConfigDlg &d = *banc.dlg;
        remplir(d, avant);
        const QHash<QString, QWidget *> controles{{u"ligne"_s, d.LigneCommande},
                                                  {u"répertoire"_s, d.Repertoire},
                                                  {u"numéro"_s, d.Numero},
                                                  {u"Effacer"_s, d.EffacerBtn}};
        QWidget *w = controles.value(controle);
        quandModal([&](QWidget *modal) {
            QCOMPARE(modal, &d);
            w->setFocus();
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(w, Qt::Key_Delete);
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
        QCOMPARE(valeurs(d), apres);
    }

    // The two browse buttons: what the file dialog is asked, and what the fields hold after it.
    void parcourir_data() {
        QTest::addColumn<bool>("icone"); // the icon source's button; else the command line's
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("choisi"); // empty: cancelled
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("repertoire");
        QTest::addColumn<QStringList>("apres");

        const QString g = u"/usr/bin/gedit"_s, app = u"/opt/Mon App/app"_s, _;
        const QString png = u"/usr/share/icons/gedit.png"_s, dll = u"/usr/lib/x.dll"_s;
        QTest::newRow("arguments remplacés, pas de guillemets")
            << false << u"/usr/bin/gedit /tmp/a.txt"_s << app << u"a.txt"_s
            << u"/usr/bin/gedit /tmp/"_s << valeurs(app, u"/opt/Mon App/"_s, u"App"_s, app);
        QTest::newRow("annulé: les champs vides se remplissent quand même")
            << false << g << _ << u"gedit"_s << u"/usr/bin/"_s
            << valeurs(g, u"/usr/bin/"_s, u"Gedit"_s, g);
        QTest::newRow("icône choisie") << true << png << dll << u"gedit.png"_s
                                       << u"/usr/share/icons/"_s << valeurs(_, _, _, dll);
    }

    void parcourir() {
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
        QCOMPARE(demande.nom, nom);
        QCOMPARE(demande.repertoire, repertoire);
        QCOMPARE(valeurs(d), apres);
    }

    // What each browse shows at first in a real folder: the programs of this system for the command
    // line, every file the icon readers take for the icon source.
    void filtresParcourir_data() {
        QTest::addColumn<bool>("icone");
        QTest::addColumn<QStringList>("visibles");
        QTest::newRow("ligne de commande") << false << QStringList{u"prog"_s, u"script.sh"_s};
        QTest::newRow("source d'icône")
            << true << QStringList{u"a.bmp"_s, u"a.ico"_s,     u"a.png"_s, u"a.svg"_s,
                                   u"a.xpm"_s, u"b.desktop"_s, u"c.dll"_s, u"c.exe"_s};
    }

    void filtresParcourir() {
        QFETCH(bool, icone);
        QFETCH(QStringList, visibles);
        QTemporaryDir dossier;
        const QStringList fichiers{u"a.bmp"_s,     u"a.ico"_s,     u"a.png"_s,    u"a.svg"_s,
                                   u"a.xpm"_s,     u"b.desktop"_s, u"c.dll"_s,    u"c.exe"_s,
                                   u"notes.txt"_s, u"prog"_s,      u"script.sh"_s};
        for (const QString &nom : fichiers) {
            QFile f(dossier.filePath(nom));
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (nom == u"prog" || nom == u"script.sh")
                f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        }
        BancDialogues banc;
        Fichiers::DefinirRepondeur({});
        TConfigDlg &d = *banc.dlg;
        (icone ? d.Executable : d.LigneCommande)->setText(dossier.filePath(u"zz"_s));
        bool vu = false;
        quandModal([&](QWidget *modal) {
            auto *vue = modal->findChild<QListView *>(u"listView"_s);
            QVERIFY(vue);
            const auto noms = [vue] { // the folder is read in the background
                QStringList n;
                for (int i = 0; i < vue->model()->rowCount(vue->rootIndex()); ++i)
                    n.append(vue->model()->index(i, 0, vue->rootIndex()).data().toString());
                n.sort();
                return n;
            };
            QTRY_COMPARE(noms(), visibles);
            vu = true;
        });
        (icone ? d.Parcourir2 : d.Parcourir1)->click();
        QVERIFY(vu);
    }

    void ordreDesTabulations() {
        BancDialogues banc;
        TConfigDlg &d = *banc.dlg;
        QWidget *normale = d.RadioGroup->Items[0];
        const QList<QWidget *> attendu{d.LigneCommande, d.Parcourir1, d.Repertoire,   d.Infobulle,
                                       d.Executable,    d.Parcourir2, d.Numero,       d.Choisir,
                                       d.SauverBMP,     d.OKBtn,      d.HelpBtn,      d.EffacerBtn,
                                       normale,         d.CancelBtn,  d.LigneCommande};
        QList<QWidget *> ordre;
        quandModal([&ordre](QWidget *) {
            ordre.append(QApplication::focusWidget());
            while (ordre.size() < 15) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                ordre.append(QApplication::focusWidget());
            }
        });
        d.exec();
        QCOMPARE(ordre, attendu);
    }
};

QTEST_MAIN(TestTConfigDlg)
#include "tst_tconfigdlg.moc"
