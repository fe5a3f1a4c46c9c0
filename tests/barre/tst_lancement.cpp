#include "barre/TBitBtn.h"
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

    // The working directory and the arguments of the program started; empty when none started.
    QStringList attendreTemoin(int attente = 5000) {
        if (!QTest::qWaitFor([this] { return QFile::exists(temoin_); }, attente))
            return {};
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

    // Arguments without any double quote make the whole line one program path, which does not
    // exist: nothing starts, and nothing is said.
    void lignesDeCommande_data() {
        QTest::addColumn<QString>("ligCom");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("chemin avec espace, sans guillemets") << u"%P"_qs << QStringList{u"%D"_qs};
        QTest::newRow("programme entre guillemets et arguments")
            << u"\"%P\" -x \"deux mots\" \"\""_qs
            << QStringList{u"%D"_qs, u"-x"_qs, u"deux mots"_qs, QString()};
        QTest::newRow("arguments sans guillemets") << u"%P -x"_qs << QStringList{};
    }
    void lignesDeCommande() {
        QFETCH(QString, ligCom);
        QFETCH(QStringList, arguments);
        arguments.replaceInStrings(u"%D"_qs, depart_);
        Banc banc;
        TBarreDlg *barre = barreAvec(banc, ligCom.replace(u"%P"_qs, programme_), {});
        barre->LancerClick();
        QCOMPARE(attendreTemoin(arguments.isEmpty() ? 500 : 5000), arguments);
        QVERIFY(banc.messages.isEmpty());
    }

    // A button's working directory becomes the process's own: a button without one then starts
    // there too. A missing one is said, and the program starts where the process stands.
    void repertoiresDeTravail_data() {
        QTest::addColumn<QStringList>("repertoires");
        QTest::addColumn<QStringList>("vus");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("donne puis aucun") << QStringList{u"%T/"_qs, QString()}
                                          << QStringList{u"%T"_qs, u"%T"_qs} << QStringList{};
        QTest::newRow("absent") << QStringList{u"%T/absent/"_qs} << QStringList{u"%D"_qs}
                                << QStringList{u"Mauvais répertoire de travail !"_qs};
    }
    void repertoiresDeTravail() {
        QFETCH(QStringList, repertoires);
        QFETCH(QStringList, vus);
        QFETCH(QStringList, messages);
        Banc banc;
        TBarreDlg *barre = barreAvec(banc, programme_, {});
        for (qsizetype i = 0; i < repertoires.size(); ++i) {
            barre->Liste->WDir = repertoires[i].replace(u"%T"_qs, dossier_);
            barre->LancerClick();
            QCOMPARE(attendreTemoin().value(0),
                     vus[i].replace(u"%T"_qs, dossier_).replace(u"%D"_qs, depart_));
        }
        QCOMPARE(banc.messages, messages);
    }

    // A plain click on a button is a drag released where it started: a launch. With Shift or
    // Ctrl the press only focuses the button.
    void clicSurUnBouton() {
        Banc banc;
        TBarreDlg *barre = barreAvec(banc, programme_, {});
        QTest::mouseClick(barre->Liste->Bouton, Qt::LeftButton);
        QCOMPARE(attendreTemoin().size(), 1);
        QTest::mouseClick(barre->Liste->Bouton, Qt::LeftButton, Qt::ShiftModifier);
        QVERIFY(attendreTemoin(500).isEmpty());
    }

    // A launch from a drawer hides it when drawers close by themselves, even after the
    // working-directory message; a launch from the main bar hides none.
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
        QCOMPARE(banc.messages.size(), 1);
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

    // A file dropped on a filled button is opened by its program, in the current directory;
    // nothing is written.
    void depotSurUnBoutonRempli() {
        Banc banc;
        TBarreDlg *barre = barreAvec(banc, programme_, dossier_ + u'/');
        const QByteArray avant = banc.lire();
        barre->WMDropFiles({u"/tmp/Mes documents/lettre.txt"_qs}, QPoint(10, 30));
        QCOMPARE(attendreTemoin(), (QStringList{depart_, u"/tmp/Mes documents/lettre.txt"_qs}));
        QCOMPARE(banc.lire(), avant);
    }
};

QTEST_MAIN(TestLancement)
#include "tst_lancement.moc"
