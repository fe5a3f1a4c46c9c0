#include "barre/TBitBtn.h"
#include "barre/Tiroirs.h"
#include "board/Boutons.h"
#include "board/TIniFile.h"
#include "support/Banc.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Launching from buttons with a real program of the tests, which records its working directory
// and its arguments.
class TestLancement : public QObject {
    Q_OBJECT

    QString temoin_;    // where the program writes what it got
    QString programme_; // the program, in a folder whose name holds a space
    QString dossier_;   // a working directory
    QString depart_;    // the process's directory before the tests

    QStringList attendreTemoin() {
        if (!QTest::qWaitFor([this] { return QFile::exists(temoin_); }, 5000))
            return {u"(rien)"_qs};
        QFile f(temoin_);
        f.open(QIODevice::ReadOnly);
        QStringList l = QString::fromUtf8(f.readAll()).split(QChar(0));
        l.removeLast();
        QFile::remove(temoin_);
        return l;
    }

    // A bar of one button with these values, focused.
    TBarreDlg *barreAvec(Banc &banc, const QString &ligCom, const QString &wDir) {
        TIniFile(banc.tableau())
            .ReplaceSection(
                u"MAIN"_qs,
                {{u"0LigCom"_qs, ligCom}, {u"0WDir"_qs, wDir}, {u"Nombre"_qs, u"1"_qs}});
        TBarreDlg *barre = banc.demarrer();
        barre->Liste->Bouton->setFocus();
        return barre;
    }

private Q_SLOTS:
    void initTestCase() { depart_ = QDir::currentPath(); }
    void init() {
        static QTemporaryDir rep;
        temoin_ = rep.filePath(u"temoin.out"_qs);
        qputenv("TRESSOLA_TEMOIN", temoin_.toUtf8());
        QDir(rep.path()).mkpath(u"mon dossier"_qs);
        QDir(rep.path()).mkpath(u"travail"_qs);
        programme_ = rep.filePath(u"mon dossier/témoin"_qs);
        QFile::remove(programme_);
        QVERIFY(QFile::copy(QStringLiteral(TEMOIN_SH), programme_));
        QFile::setPermissions(programme_, QFile::permissions(programme_) | QFile::ExeOwner);
        dossier_ = rep.filePath(u"travail"_qs);
        QDir::setCurrent(depart_);
    }
    void cleanupTestCase() { QDir::setCurrent(depart_); }

    void lignesDeCommande_data() {
        QTest::addColumn<QString>("ligCom");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("chemin avec espace, sans guillemets") << u"%P"_qs << QStringList{};
        QTest::newRow("programme entre guillemets et arguments")
            << u"\"%P\" -x \"deux mots\" \"\""_qs
            << QStringList{u"-x"_qs, u"deux mots"_qs, QString()};
        QTest::newRow("barres obliques inverses")
            << u"\"%P\" a\\\\\\\"b"_qs << QStringList{u"a\\\"b"_qs};
    }
    void lignesDeCommande() {
        QFETCH(QString, ligCom);
        QFETCH(QStringList, arguments);
        Banc banc;
        TBarreDlg *barre = barreAvec(banc, ligCom.replace(u"%P"_qs, programme_), {});
        barre->LancerClick();
        QCOMPARE(attendreTemoin().mid(1), arguments);
        QVERIFY(banc.messages.isEmpty());
    }

    // Arguments without any double quote make the whole line one program path, which does not
    // exist: nothing starts, and nothing is said.
    void argumentsSansGuillemets() {
        Banc banc;
        TBarreDlg *barre = barreAvec(banc, programme_ + u" -x"_qs, {});
        barre->LancerClick();
        QVERIFY(!QTest::qWaitFor([this] { return QFile::exists(temoin_); }, 500));
        QVERIFY(banc.messages.isEmpty());
    }

    void repertoireDeTravail() {
        Banc banc;
        TBarreDlg *barre = barreAvec(banc, programme_, dossier_ + u'/');
        barre->LancerClick();
        QCOMPARE(attendreTemoin().first(), dossier_);
        // The directory stays the process's own: a button without one starts there too.
        delete G.BarreDlg;
        ReinitialiserGlobales();
        platform::simulerCheminProgramme(banc.rep.filePath(u"tressola"_qs));
        barre = barreAvec(banc, programme_, {});
        barre->LancerClick();
        QCOMPARE(attendreTemoin().first(), dossier_);
    }

    void mauvaisRepertoire() {
        Banc banc;
        TBarreDlg *barre = barreAvec(banc, programme_, dossier_ + u"/absent/"_qs);
        barre->LancerClick();
        QCOMPARE(banc.messages, QStringList{u"Mauvais répertoire de travail !"_qs});
        QCOMPARE(attendreTemoin().first(), depart_);
    }

    // A plain click on a button is a drag released where it started: a launch.
    void clicSurUnBouton() {
        Banc banc;
        TBarreDlg *barre = barreAvec(banc, programme_, {});
        QTest::mouseClick(barre->Liste->Bouton, Qt::LeftButton);
        QCOMPARE(attendreTemoin().size(), 1);
        // With Shift or Ctrl the press only focuses the button.
        QTest::mouseClick(barre->Liste->Bouton, Qt::LeftButton, Qt::ShiftModifier);
        QVERIFY(!QTest::qWaitFor([this] { return QFile::exists(temoin_); }, 500));
    }

    void tiroirsAutomatiques_data() {
        QTest::addColumn<bool>("automatiques");
        QTest::newRow("oui") << true;
        QTest::newRow("non") << false;
    }
    void tiroirsAutomatiques() {
        QFETCH(bool, automatiques);
        Banc banc;
        banc.ecrire("[TRESSOLA]\nFermetureAuto=" + QByteArray::number(automatiques) +
                    "\n[MAIN]\n0NomSection=SECTION0\nNombre=1\n[SECTION0]\n0LigCom=" +
                    programme_.toUtf8() + "\n0WDir=/nulle/part/\nNombre=1\n");
        TBarreDlg *barre = banc.demarrer();
        TBoutonTiroir *t = barre->ListeTiroirs;
        t->Bouton->setFocus();
        barre->TiroirClick();
        TBarreDlg *tiroir = t->Barre;
        tiroir->Liste->Bouton->setFocus();
        tiroir->LancerClick();
        QCOMPARE(attendreTemoin().size(), 1);
        QCOMPARE(tiroir->isVisible(), !automatiques);
        QCOMPARE(tiroir->Tag, automatiques ? 1 : 0);
        // Even after the working-directory message, the drawer was hidden.
        QCOMPARE(banc.messages.size(), 1);
        // Launching from the main bar hides no drawer.
        if (automatiques) {
            t->Bouton->setFocus();
            barre->TiroirClick();
        }
        barre->Liste->LigCom = programme_;
        barre->Liste->Bouton->setFocus();
        barre->LancerClick();
        attendreTemoin();
        QVERIFY(tiroir->isVisible());
    }

    // A file dropped on a filled button is opened by its program, in the current directory.
    void depotSurUnBoutonRempli() {
        Banc banc;
        TBarreDlg *barre = barreAvec(banc, programme_, dossier_ + u'/');
        const QByteArray avant = banc.lire();
        barre->WMDropFiles({u"/tmp/Mes documents/lettre.txt"_qs}, QPoint(10, 30));
        const QStringList vu = attendreTemoin();
        QCOMPARE(vu.mid(1), QStringList{u"/tmp/Mes documents/lettre.txt"_qs});
        QCOMPARE(vu.first(), depart_);
        QCOMPARE(banc.lire(), avant);
    }
};

QTEST_MAIN(TestLancement)
#include "tst_lancement.moc"
