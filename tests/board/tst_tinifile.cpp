// The board file on disk: where edits land, what they keep, and how failed or competing writes
// leave it.
#include "board/TIniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray contenu(const QString &chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<absent>");
}

void remplir(const QString &chemin, const QByteArray &octets) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        fichier.write(octets) != octets.size())
        qFatal("cannot write the test board");
}

TIniFile::Entrees entrees(const QString &texte) {
    TIniFile::Entrees liste;
    for (const QString &paire : texte.split(u';', Qt::SkipEmptyParts))
        liste.append({paire.section(u'=', 0, 0), paire.section(u'=', 1)});
    return liste;
}

// Operations as "w,section,key,value", "e,section" or "r,section,k=v;k=v", joined by '|'.
void appliquer(TIniFile &ini, const QString &operations) {
    for (const QString &operation : operations.split(u'|')) {
        const QString section = operation.section(u',', 1, 1);
        switch (operation.at(0).unicode()) {
        case u'w':
            ini.WriteString(section, operation.section(u',', 2, 2), operation.section(u',', 3));
            break;
        case u'e':
            ini.EraseSection(section);
            break;
        case u'r':
            ini.ReplaceSection(section, entrees(operation.section(u',', 2)));
            break;
        }
    }
}

} // namespace

class TstTIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString chemin_;

private Q_SLOTS:
    void init() {
        chemin_ = dossier_.filePath(QStringLiteral("TRESSOLA.INI"));
        QFile::remove(chemin_);
    }

    void lecture_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("lu"); // "<def>" for the default
        const QByteArray barre = "[MAIN]\n1LigCom=un\n10LigCom=dix\nNombre=11\n";
        QTest::newRow("exact") << barre << "MAIN"
                               << "Nombre"
                               << "11";
        QTest::newRow("section case") << barre << "main"
                                      << "Nombre"
                                      << "11";
        QTest::newRow("key case") << barre << "Main"
                                  << "NOMBRE"
                                  << "11";
        QTest::newRow("accented case") << QByteArray("[\xC3\x89t\xC3\xA9]\nCl\xC3\xA9=1\n") << "été"
                                       << "CLÉ"
                                       << "1";
        QTest::newRow("1252 names") << QByteArray("[\xC9t\xE9]\nCl\xE9=\xE0 toi\n") << "Été"
                                    << "clé"
                                    << "à toi";
        QTest::newRow("no padding 1") << barre << "MAIN"
                                      << "1LigCom"
                                      << "un";
        QTest::newRow("no padding 10") << barre << "MAIN"
                                       << "10LigCom"
                                       << "dix";
        QTest::newRow("missing key") << barre << "MAIN"
                                     << "2LigCom"
                                     << "<def>";
        QTest::newRow("missing section") << barre << "SECTION0"
                                         << "Nombre"
                                         << "<def>";
        QTest::newRow("key in other section") << QByteArray("[A]\nx=1\n[B]\n") << "B"
                                              << "x"
                                              << "<def>";
        QTest::newRow("empty value is no default") << QByteArray("[A]\nx=\n") << "A"
                                                   << "x"
                                                   << "";
        QTest::newRow("blanks around key") << QByteArray("[A]\n  x\t= 1\n") << "A"
                                           << "x"
                                           << "1";
        QTest::newRow("blanks in header") << QByteArray("  [ A b ]  \nx=1\n") << "A b"
                                          << "x"
                                          << "1";
        QTest::newRow("name given with blanks") << QByteArray("[A]\nx=1\n") << " A "
                                                << " x"
                                                << "1";
        QTest::newRow("header without bracket") << QByteArray("[A]\nx=1\n[B\nx=2\n") << "B"
                                                << "x"
                                                << "2";
        QTest::newRow("text after bracket") << QByteArray("[A] ; note\nx=1\n") << "A"
                                            << "x"
                                            << "1";
        QTest::newRow("first duplicate key") << QByteArray("[A]\nx=1\nX=2\n") << "A"
                                             << "x"
                                             << "1";
        QTest::newRow("first duplicate section") << QByteArray("[A]\nx=1\n[a]\nx=2\ny=3\n") << "A"
                                                 << "y"
                                                 << "<def>";
        QTest::newRow("comment") << QByteArray("[A]\n;x=1\n#x=2\nx=3\n") << "A"
                                 << "x"
                                 << "3";
        QTest::newRow("line without equals") << QByteArray("[A]\nx\nx=4\n") << "A"
                                             << "x"
                                             << "4";
        QTest::newRow("empty key ignored") << QByteArray("[A]\n=5\n") << "A"
                                           << ""
                                           << "<def>";
        QTest::newRow("before any section") << QByteArray("x=1\n[A]\n") << ""
                                            << "x"
                                            << "<def>";
        QTest::newRow("crlf") << QByteArray("[A]\r\nx=1\r\n") << "A"
                              << "x"
                              << "1";
        QTest::newRow("utf-8 bom") << QByteArray("\xEF\xBB\xBF[A]\nx=1\n") << "A"
                                   << "x"
                                   << "1";
        QTest::newRow("nul bytes") << QByteArray("[A]\nx=a\0b\n", 10) << "A"
                                   << "x" << QStringView(u"a\0b", 3).toString();
    }
    void lecture() {
        QFETCH(QByteArray, fichier);
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, lu);
        remplir(chemin_, fichier);
        const QString defaut = QStringLiteral("<def>");
        QCOMPARE(TIniFile(chemin_).ReadString(section, cle, defaut), lu);
    }

    void sectionsEtCles() {
        remplir(chemin_, "x=0\n[A]\nb=1\n; c=2\na=2\nB=3\n\n[a]\nz=1\n[C]\n");
        const TIniFile ini(chemin_);
        QCOMPARE(ini.ReadSection(QStringLiteral("a")), QStringList({u"b"_qs, u"a"_qs}));
        QCOMPARE(ini.ReadSection(QStringLiteral("C")), QStringList());
        QCOMPARE(ini.ReadSection(QStringLiteral("D")), QStringList());
        QVERIFY(ini.SectionExists(QStringLiteral("c")));
        QVERIFY(!ini.SectionExists(QStringLiteral("D")));
    }

    void fichierAbsent() {
        TIniFile ini(chemin_);
        QCOMPARE(ini.ReadString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("d")),
                 QStringLiteral("d"));
        QCOMPARE(ini.ReadInteger(QStringLiteral("A"), QStringLiteral("x"), -1), -1);
        QVERIFY(!ini.SectionExists(QStringLiteral("A")));
        ini.EraseSection(QStringLiteral("A"));
        ini.ReplaceSection(QStringLiteral("A"), {});
        QVERIFY2(!QFile::exists(chemin_), "erasing nothing must not create the file");
        ini.WriteInteger(QStringLiteral("TRESSOLA"), QStringLiteral("Position"), 3);
        QCOMPARE(contenu(chemin_), QByteArray("[TRESSOLA]\nPosition=3\n"));
        QCOMPARE(ini.ReadInteger(QStringLiteral("tressola"), QStringLiteral("position"), 0), 3);
    }

    void ecriture_data() {
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<QString>("operations");
        QTest::addColumn<QByteArray>("apres");
        QTest::newRow("in place") << QByteArray("[A]\nx=1\ny=2\n") << "w,A,x,9"
                                  << QByteArray("[A]\nx=9\ny=2\n");
        QTest::newRow("in place keeps spelling")
            << QByteArray("[A]\n  X = 1 \ny=2\n") << "w,a,x,9" << QByteArray("[A]\n  X =9\ny=2\n");
        QTest::newRow("new key after last key")
            << QByteArray("[A]\nx=1\n\n; drawers\n[B]\ny=2\n") << "w,A,z,3"
            << QByteArray("[A]\nx=1\nz=3\n\n; drawers\n[B]\ny=2\n");
        QTest::newRow("new key in keyless section") << QByteArray("[A]\n; note\n[B]\n") << "w,a,z,3"
                                                    << QByteArray("[A]\nz=3\n; note\n[B]\n");
        QTest::newRow("new section at end") << QByteArray("; top\n[A]\nx=1\n") << "w,B,y,2"
                                            << QByteArray("; top\n[A]\nx=1\n[B]\ny=2\n");
        QTest::newRow("no final line ending, new key")
            << QByteArray("[A]\nx=1") << "w,A,y,2" << QByteArray("[A]\nx=1\ny=2");
        QTest::newRow("stray CR ends the file")
            << QByteArray("[A]\nx=1\r") << "w,A,y,2" << QByteArray("[A]\nx=1\r\ny=2");
        QTest::newRow("no final line ending, new section")
            << QByteArray("[A]\nx=1") << "w,B,y,2" << QByteArray("[A]\nx=1\n[B]\ny=2");
        QTest::newRow("crlf kept")
            << QByteArray("; c\r\n\r\n[A]\r\nx=1\r\n[B]\r\n") << "w,A,y,2|w,C,z,3"
            << QByteArray("; c\r\n\r\n[A]\r\nx=1\r\ny=2\r\n[B]\r\n[C]\r\nz=3\r\n");
        QTest::newRow("dominant ending") << QByteArray("[A]\r\nx=1\r\ny=1\n") << "w,A,z,2"
                                         << QByteArray("[A]\r\nx=1\r\ny=1\nz=2\r\n");
        QTest::newRow("lines before sections kept")
            << QByteArray("junk\nk=v\n[A]\n") << "w,A,x,1" << QByteArray("junk\nk=v\n[A]\nx=1\n");
        QTest::newRow("erase") << QByteArray("; top\n[A]\nx=1\n\n[B]\ny=2\n; b\n[C]\n") << "e,b"
                               << QByteArray("; top\n[A]\nx=1\n\n[C]\n");
        QTest::newRow("erase missing") << QByteArray("[A]\nx=1") << "e,B" << QByteArray("[A]\nx=1");
        QTest::newRow("erase then write moves to end")
            << QByteArray("[A]\nx=1\n[B]\ny=2\n") << "e,A|w,A,x,1"
            << QByteArray("[B]\ny=2\n[A]\nx=1\n");
        QTest::newRow("replace section")
            << QByteArray("[MAIN]\n0IsBmp=0\nNombre=1\n[B]\ny=2\n") << "r,main,0LigCom=a;Nombre=1"
            << QByteArray("[B]\ny=2\n[main]\n0LigCom=a\nNombre=1\n");
        QTest::newRow("replace with nothing erases")
            << QByteArray("[A]\nx=1\n[B]\n") << "r,A," << QByteArray("[B]\n");
        QTest::newRow("duplicate key: first written")
            << QByteArray("[A]\nx=1\nx=2\n") << "w,A,x,9" << QByteArray("[A]\nx=9\nx=2\n");
        QTest::newRow("duplicate section: first written")
            << QByteArray("[A]\nx=1\n[B]\n[a]\nx=3\n") << "w,A,y,9"
            << QByteArray("[A]\nx=1\ny=9\n[B]\n[a]\nx=3\n");
        QTest::newRow("duplicate section: all erased")
            << QByteArray("[A]\nx=1\n[B]\n[a]\nx=3\n") << "r,A,x=5"
            << QByteArray("[B]\n[A]\nx=5\n");
        QTest::newRow("blanks in header kept")
            << QByteArray("[ A ]\nx=1\n") << "w,a,x,2" << QByteArray("[ A ]\nx=2\n");
        QTest::newRow("bom kept") << QByteArray("\xEF\xBB\xBF[A]\nx=1\n") << "e,A|w,B,y,1"
                                  << QByteArray("\xEF\xBB\xBF[B]\ny=1\n");
        QTest::newRow("1252 line rewritten in UTF-8")
            << QByteArray("[A]\nCl\xE9=\xE9t\xE9\n; caf\xE9\n") << "w,A,clé,été"
            << QByteArray("[A]\nCl\xC3\xA9=\xC3\xA9t\xC3\xA9\n; caf\xE9\n");
        // The line as a whole is not UTF-8, so its key was read as Windows-1252: it stays that key.
        QTest::newRow("key of a 1252 line kept")
            << QByteArray("[A]\nCl\xC3\xA9=\xE9\n") << "w,A,ClÃ©,x"
            << QByteArray("[A]\nCl\xC3\x83\xC2\xA9=x\n");
    }
    void ecriture() {
        QFETCH(QByteArray, avant);
        QFETCH(QString, operations);
        QFETCH(QByteArray, apres);
        remplir(chemin_, avant);
        TIniFile ini(chemin_);
        appliquer(ini, operations);
        QCOMPARE(contenu(chemin_), apres);
        // The picture the accessor kept is the file as a fresh accessor reads it.
        const TIniFile relu(chemin_);
        for (const QString &section : {u"A"_qs, u"B"_qs, u"C"_qs, u"MAIN"_qs}) {
            QCOMPARE(ini.ReadSection(section), relu.ReadSection(section));
            for (const QString &cle : relu.ReadSection(section))
                QCOMPARE(ini.ReadString(section, cle, {}), relu.ReadString(section, cle, {}));
        }
        QVERIFY2(!QFile::exists(chemin_ + QStringLiteral(".lock")), "the lock must go");
    }

    void ecritureImpossible_data() {
        QTest::addColumn<QString>("cas");
        QTest::newRow("parent is a file") << "parent";
        QTest::newRow("path is a directory") << "dossier";
        QTest::newRow("disk refuses the bytes") << "limite";
    }
    void ecritureImpossible() {
        QFETCH(QString, cas);
        QTemporaryDir dossier;
        QString chemin = dossier.filePath(QStringLiteral("TRESSOLA.INI"));
        const QByteArray avant = "; mine\r\n[TRESSOLA]\r\nX=0\r\n";
        if (cas == u"parent") {
            remplir(dossier.filePath(QStringLiteral("réglages")), "a file");
            chemin = dossier.filePath(QStringLiteral("réglages/TRESSOLA.INI"));
        } else if (cas == u"dossier") {
            QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("TRESSOLA.INI")));
        } else {
            remplir(chemin, avant);
        }
        const QByteArray octetsAvant = contenu(chemin);
        const QStringList entreesAvant =
            QDir(dossier.path()).entryList(QDir::AllEntries | QDir::Hidden);

        // A file size limit makes the kernel refuse the bytes even to root.
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit normale = limite;
        auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        if (cas == u"limite") {
            limite.rlim_cur = 8;
            setrlimit(RLIMIT_FSIZE, &limite);
        }
        QString message;
        try {
            TIniFile ini(chemin);
            ini.ReplaceSection(QStringLiteral("TRESSOLA"),
                               entrees(QStringLiteral("X=12;Y=34;Orientation=0;Position=4")));
        } catch (const EcritureImpossible &erreur) {
            message = QString::fromUtf8(erreur.what());
        }
        setrlimit(RLIMIT_FSIZE, &normale);
        std::signal(SIGXFSZ, ancienSignal);

        QCOMPARE(message, QStringLiteral("Unable to write to ") + chemin);
        QCOMPARE(contenu(chemin), octetsAvant);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::AllEntries | QDir::Hidden), entreesAvant);
    }

    void injectionRefusee_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("value with LF") << "A"
                                       << "k"
                                       << "v\n[B]\nx=1";
        QTest::newRow("value with CR") << "A"
                                       << "k"
                                       << "v\rx=1";
        QTest::newRow("key with LF") << "A"
                                     << "k\nx"
                                     << "v";
        QTest::newRow("key with equals") << "A"
                                         << "k=x"
                                         << "v";
        QTest::newRow("key opening a section") << "A"
                                               << "[B]"
                                               << "v";
        QTest::newRow("key as comment") << "A"
                                        << ";k"
                                        << "v";
        QTest::newRow("key as hash comment") << "A"
                                             << "#k"
                                             << "v";
        QTest::newRow("empty key") << "A"
                                   << " "
                                   << "v";
        QTest::newRow("section with LF") << "A\nB"
                                         << "k"
                                         << "v";
        QTest::newRow("section with CR") << "A\r"
                                         << "k"
                                         << "v";
        QTest::newRow("section with bracket") << "A]x"
                                              << "k"
                                              << "v";
    }
    void injectionRefusee() {
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, valeur);
        const QByteArray avant = "[A]\nk=old\n[MAIN]\n0LigCom=a\nNombre=1\n";
        remplir(chemin_, avant);
        TIniFile ini(chemin_);
        QVERIFY_THROWS_EXCEPTION(EcritureImpossible, ini.WriteString(section, cle, valeur));
        // With one bad entry among good ones nothing is written, and the section stays.
        QVERIFY_THROWS_EXCEPTION(
            EcritureImpossible,
            ini.ReplaceSection(section == u"A" ? QStringLiteral("MAIN") : section,
                               {{QStringLiteral("0LigCom"), QStringLiteral("b")}, {cle, valeur}}));
        QCOMPARE(contenu(chemin_), avant);
    }

    void droitsEtLienGardes() {
        const QString cible = dossier_.filePath(QStringLiteral("vrai.ini"));
        remplir(cible, "[A]\nx=1\n");
        const auto droits = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(cible, droits));
        const auto droitsAvant = QFile::permissions(cible);
        QVERIFY(QFile::link(cible, chemin_));
        TIniFile(chemin_).WriteString(QStringLiteral("A"), QStringLiteral("x"),
                                      QStringLiteral("2"));
        QVERIFY(QFileInfo(chemin_).isSymLink());
        QCOMPARE(contenu(cible), QByteArray("[A]\nx=2\n"));
        QCOMPARE(QFile::permissions(cible), droitsAvant);
        QFile::remove(cible);
    }

    void deuxAccesseursAlternes() {
        remplir(chemin_, "[A]\nx=1\n");
        TIniFile premier(chemin_);
        TIniFile second(chemin_);
        QCOMPARE(premier.ReadString(QStringLiteral("A"), QStringLiteral("x"), {}), u"1"_qs);
        for (int i = 0; i < 5; ++i) {
            premier.WriteInteger(QStringLiteral("A"), QStringLiteral("p%1").arg(i), i);
            second.WriteInteger(QStringLiteral("B"), QStringLiteral("s%1").arg(i), i);
        }
        premier.EraseSection(QStringLiteral("A"));
        second.WriteString(QStringLiteral("A"), QStringLiteral("y"), QStringLiteral("2"));
        QCOMPARE(contenu(chemin_), QByteArray("[B]\ns0=0\ns1=1\ns2=2\ns3=3\ns4=4\n[A]\ny=2\n"));
        QCOMPARE(premier.ReadString(QStringLiteral("B"), QStringLiteral("s4"), {}), u"4"_qs);
    }

    void deuxProcessusConcurrents() {
        const int parProcessus = 40;
        QProcess a;
        QProcess b;
        for (QProcess *p : {&a, &b}) {
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p->start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--ecrivain"), chemin_, p == &a ? u"a"_qs : u"b"_qs,
                      QString::number(parProcessus)});
        }
        for (QProcess *p : {&a, &b}) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitCode(), 0);
        }
        QCOMPARE(TIniFile(chemin_).ReadSection(QStringLiteral("S")).size(), 2 * parProcessus);
    }
};

// A second copy of the program writing keys one by one, each in its own write.
static int ecrivain(const QString &chemin, const QString &prefixe, int nombre) {
    for (int i = 0; i < nombre; ++i)
        TIniFile(chemin).WriteInteger(QStringLiteral("S"), prefixe + QString::number(i), i);
    return 0;
}

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 5 && arguments.at(1) == u"--ecrivain")
        return ecrivain(arguments.at(2), arguments.at(3), arguments.at(4).toInt());
    TstTIniFile tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_tinifile.moc"
