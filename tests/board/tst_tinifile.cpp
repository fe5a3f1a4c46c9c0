// The board file on disk: what a read gives back (blanks, quotes, the length limit, integers, the
// two encodings a board may be written in), where edits land, what they keep, and how failed or
// competing writes leave it, and the Exec line of the autostart entry. The bar's tests see plain
// boards, missing keys and settings.
#include "board/Session.h"
#include "board/TIniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int parProcessus = 40;

QByteArray contenu(const QString &chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : "<absent>"_ba;
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

// A board holding one key k=<valeur> in section S.
TIniFile avecValeur(const QString &chemin, const QByteArray &valeur) {
    remplir(chemin, "[S]\nk=" + valeur + "\n");
    return TIniFile(chemin);
}

// Operations joined by '|': "w,section,key,value", "e,section" or "r,section,k=v;k=v".
void appliquer(TIniFile &ini, const QString &operations) {
    for (const QString &operation : operations.split(u'|')) {
        const QString section = operation.section(u',', 1, 1);
        if (operation.startsWith(u'w'))
            ini.WriteString(section, operation.section(u',', 2, 2), operation.section(u',', 3));
        else if (operation.startsWith(u'e'))
            ini.EraseSection(section);
        else
            ini.ReplaceSection(section, entrees(operation.section(u',', 2)));
    }
}

} // namespace

class TstTIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString chemin_;

private Q_SLOTS:
    void init() {
        chemin_ = dossier_.filePath(u"TRESSOLA.INI"_s);
        QFile::remove(chemin_);
    }

    void lecture_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("lu"); // "<def>" for the default
        QTest::newRow("accented case")
            << "[\xC3\x89t\xC3\xA9]\nCl\xC3\xA9=1\n"_ba << u"été"_s << u"CLÉ"_s << u"1"_s;
        QTest::newRow("empty value is no default") << "[A]\nx=\n"_ba << u"A"_s << u"x"_s << u""_s;
        QTest::newRow("blanks around names")
            << "  [ A b ]  \n  x\t= 1\n"_ba << u"A b"_s << u"x"_s << u"1"_s;
        QTest::newRow("header without bracket")
            << "[A]\nx=1\n[B\nx=2\n"_ba << u"B"_s << u"x"_s << u"2"_s;
        QTest::newRow("first duplicate key") << "[A]\nx=1\nX=2\n"_ba << u"A"_s << u"x"_s << u"1"_s;
        QTest::newRow("first duplicate section")
            << "[A]\nx=1\n[a]\nx=2\ny=3\n"_ba << u"A"_s << u"y"_s << u"<def>"_s;
        QTest::newRow("comment") << "[A]\n;x=1\n#x=2\nx=3\n"_ba << u"A"_s << u"x"_s << u"3"_s;
        QTest::newRow("line without equals") << "[A]\nx\nx=4\n"_ba << u"A"_s << u"x"_s << u"4"_s;
    }
    void lecture() {
        QFETCH(QByteArray, fichier);
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, lu);
        remplir(chemin_, fichier);
        const QString defaut = u"<def>"_s;
        QCOMPARE(TIniFile(chemin_).ReadString(section, cle, defaut), lu);
    }

    void texte_data() {
        QTest::addColumn<QByteArray>("stocke");
        QTest::addColumn<QString>("lu");
        QTest::newRow("single quotes") << "'abc'"_ba << u"abc"_s;
        QTest::newRow("quotes inside blanks") << " \t\" a \" \t"_ba << u" a "_s;
        QTest::newRow("only one pair goes") << "\"\"x\"\""_ba << u"\"x\""_s;
        QTest::newRow("quote then argument")
            << "\"C:\\ed.exe\" x.txt"_ba << u"\"C:\\ed.exe\" x.txt"_s;
        QTest::newRow("lone quote") << "\""_ba << u"\""_s;
        QTest::newRow("equals inside") << "a=b=c"_ba << u"a=b=c"_s;
        // An undefined byte becomes the control character of the same value.
        QTest::newRow("windows-1252") << "Caf\xE9 \x80 \x9C \x81"_ba << u"Café € œ \u0081"_s;
        QTest::newRow("non-breaking space kept") << "\xC2\xA0x\xC2\xA0"_ba << u"\u00A0x\u00A0"_s;
        // At most 1023 UTF-16 units come back, never half of a surrogate pair.
        const QString a1023(1023, u'a');
        const QString rire = u"\U0001F600"_s;
        QTest::newRow("quotes do not count") << (u'"' + a1023 + u'"').toUtf8() << a1023;
        QTest::newRow("pair across the cut")
            << (QString(1022, u'a') + rire).toUtf8() << QString(1022, u'a');
        QTest::newRow("accents count once") << QString(1500, u'é').toUtf8() << QString(1023, u'é');
    }
    void texte() {
        QFETCH(QByteArray, stocke);
        QFETCH(QString, lu);
        QCOMPARE(avecValeur(chemin_, stocke).ReadString(u"S"_s, u"k"_s, u"défaut"_s), lu);
    }

    void entier_data() {
        QTest::addColumn<QByteArray>("stocke");
        QTest::addColumn<int>("lu");
        const int d = -77; // the caller's default: what is no integer
        QTest::newRow("plus sign") << "+5"_ba << 5;
        QTest::newRow("dollar lower hex") << "$ff"_ba << 255;
        QTest::newRow("0X10") << "0X10"_ba << 16;
        QTest::newRow("0x alone") << "0x"_ba << d;
        QTest::newRow("empty") << ""_ba << d;
        QTest::newRow("quoted, blanks around") << " '8' "_ba << 8;
        QTest::newRow("bad hex digit") << "0x1G"_ba << d;
        QTest::newRow("int max") << "2147483647"_ba << INT_MAX;
        QTest::newRow("int min") << "-2147483648"_ba << INT_MIN;
        QTest::newRow("above int max") << "2147483648"_ba << d;
        QTest::newRow("below int min") << "-2147483649"_ba << d;
        QTest::newRow("hex all ones") << "$FFFFFFFF"_ba << -1;
        QTest::newRow("hex 33 bits") << "0x100000000"_ba << d;
    }
    void entier() {
        QFETCH(QByteArray, stocke);
        QFETCH(int, lu);
        QCOMPARE(avecValeur(chemin_, stocke).ReadInteger(u"S"_s, u"k"_s, -77), lu);
    }

    void fichierAbsent() {
        TIniFile ini(chemin_);
        ini.EraseSection(u"A"_s);
        ini.ReplaceSection(u"A"_s, {});
        QVERIFY2(!QFile::exists(chemin_), "erasing nothing must not create the file");
    }

    void ecriture_data() {
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<QString>("operations");
        QTest::addColumn<QByteArray>("apres");
        QTest::newRow("in place keeps spelling")
            << "[A]\n  X = 1 \ny=2\n"_ba << u"w,a,x,9"_s << "[A]\n  X =9\ny=2\n"_ba;
        QTest::newRow("new key after last key")
            << "[A]\nx=1\n\n; drawers\n[B]\ny=2\n"_ba << u"w,A,z,3"_s
            << "[A]\nx=1\nz=3\n\n; drawers\n[B]\ny=2\n"_ba;
        QTest::newRow("new key in keyless section")
            << "[A]\n; note\n[B]\n"_ba << u"w,a,z,3"_s << "[A]\nz=3\n; note\n[B]\n"_ba;
        QTest::newRow("no final line ending, new key")
            << "[A]\nx=1"_ba << u"w,A,y,2"_s << "[A]\nx=1\ny=2"_ba;
        QTest::newRow("stray CR ends the file")
            << "[A]\nx=1\r"_ba << u"w,A,y,2"_s << "[A]\nx=1\r\ny=2"_ba;
        QTest::newRow("no final line ending, new section")
            << "[A]\nx=1"_ba << u"w,B,y,2"_s << "[A]\nx=1\n[B]\ny=2"_ba;
        QTest::newRow("dominant ending")
            << "[A]\r\nx=1\r\ny=1\n"_ba << u"w,A,z,2"_s << "[A]\r\nx=1\r\ny=1\nz=2\r\n"_ba;
        QTest::newRow("erase") << "; top\n[A]\nx=1\n\n[B]\ny=2\n; b\n[C]\n"_ba << u"e,b"_s
                               << "; top\n[A]\nx=1\n\n[C]\n"_ba;
        QTest::newRow("replace section")
            << "[MAIN]\n0IsBmp=0\nNombre=1\n[B]\ny=2\n"_ba << u"r,main,0LigCom=a;Nombre=1"_s
            << "[B]\ny=2\n[main]\n0LigCom=a\nNombre=1\n"_ba;
        QTest::newRow("replace with nothing erases")
            << "[A]\nx=1\n[B]\n"_ba << u"r,A,"_s << "[B]\n"_ba;
        // A value wholly quoted that holds its quote inside gets one more pair, which a read takes
        // off again; the blanks around it go.
        QTest::newRow("quoted program and argument")
            << "[A]\n"_ba << uR"(w,A,k, "C:\P F\ed.exe" "D:\doc 1.txt" )"_s
            << "[A]\n"_ba + R"(k=""C:\P F\ed.exe" "D:\doc 1.txt"")"_ba + "\n";
        QTest::newRow("accents in UTF-8")
            << "[A]\n"_ba << u"w,A,k,Clé €"_s << "[A]\nk=Cl\xC3\xA9 \xE2\x82\xAC\n"_ba;
        QTest::newRow("duplicate section: all erased")
            << "[A]\nx=1\n[B]\n[a]\nx=3\n"_ba << u"r,A,x=5"_s << "[B]\n[A]\nx=5\n"_ba;
        QTest::newRow("bom kept") << "\xEF\xBB\xBF[A]\nx=1\n"_ba << u"e,A|w,B,y,1"_s
                                  << "\xEF\xBB\xBF[B]\ny=1\n"_ba;
        QTest::newRow("1252 line rewritten in UTF-8")
            << "[A]\nCl\xE9=\xE9t\xE9\n; caf\xE9\n"_ba << u"w,A,clé,été"_s
            << "[A]\nCl\xC3\xA9=\xC3\xA9t\xC3\xA9\n; caf\xE9\n"_ba;
        // The line as a whole is not UTF-8, so its key was read as Windows-1252: it stays that key.
        QTest::newRow("key of a 1252 line kept")
            << "[A]\nCl\xC3\xA9=\xE9\n"_ba << u"w,A,ClÃ©,x"_s << "[A]\nCl\xC3\x83\xC2\xA9=x\n"_ba;
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
        for (const QString &section : {u"A"_s, u"B"_s, u"C"_s, u"MAIN"_s}) {
            QCOMPARE(ini.ReadSection(section), relu.ReadSection(section));
            for (const QString &cle : relu.ReadSection(section))
                QCOMPARE(ini.ReadString(section, cle, {}), relu.ReadString(section, cle, {}));
        }
        QVERIFY2(!QFile::exists(chemin_ + u".lock"_s), "the lock must go");
    }

    // The bar's start-up test sees a board whose folder is a file.
    void ecritureImpossible_data() {
        QTest::addColumn<bool>("dossier"); // the board's path is a folder; else the disk is full
        QTest::newRow("path is a directory") << true;
        QTest::newRow("disk refuses the bytes") << false;
    }
    void ecritureImpossible() {
        QFETCH(bool, dossier);
        QTemporaryDir rep;
        const QString chemin = rep.filePath(u"TRESSOLA.INI"_s);
        if (dossier)
            QVERIFY(QDir(rep.path()).mkdir(u"TRESSOLA.INI"_s));
        else
            remplir(chemin, "; mine\r\n[TRESSOLA]\r\nX=0\r\n");
        const QByteArray octetsAvant = contenu(chemin);
        const QStringList entreesAvant =
            QDir(rep.path()).entryList(QDir::AllEntries | QDir::Hidden);

        // A file size limit makes the kernel refuse the bytes even to root.
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit normale = limite;
        auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        if (!dossier) {
            limite.rlim_cur = 8;
            setrlimit(RLIMIT_FSIZE, &limite);
        }
        QString message;
        try {
            TIniFile ini(chemin);
            ini.ReplaceSection(u"TRESSOLA"_s, entrees(u"X=12;Y=34;Orientation=0;Position=4"_s));
        } catch (const EcritureImpossible &erreur) {
            message = QString::fromUtf8(erreur.what());
        }
        setrlimit(RLIMIT_FSIZE, &normale);
        std::signal(SIGXFSZ, ancienSignal);

        QCOMPARE(message, u"Unable to write to "_s + chemin);
        QCOMPARE(contenu(chemin), octetsAvant);
        QCOMPARE(QDir(rep.path()).entryList(QDir::AllEntries | QDir::Hidden), entreesAvant);
    }

    void injectionRefusee_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("value with LF") << u"A"_s << u"k"_s << u"v\n[B]\nx=1"_s;
        QTest::newRow("key opening a section") << u"A"_s << u"[B]"_s << u"v"_s;
        // A line break at the end of a name is still one, though blanks around names go.
        QTest::newRow("section ending in CR") << u"A\r"_s << u"k"_s << u"v"_s;
        QTest::newRow("section with bracket") << u"A]x"_s << u"k"_s << u"v"_s;
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
        QVERIFY_THROWS_EXCEPTION(EcritureImpossible,
                                 ini.ReplaceSection(section == u"A" ? u"MAIN"_s : section,
                                                    {{u"0LigCom"_s, u"b"_s}, {cle, valeur}}));
        QCOMPARE(contenu(chemin_), avant);
    }

    void droitsEtLienGardes() {
        const QString cible = dossier_.filePath(u"vrai.ini"_s);
        remplir(cible, "[A]\nx=1\n");
        const auto droits = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(cible, droits));
        const auto droitsAvant = QFile::permissions(cible);
        QVERIFY(QFile::link(cible, chemin_));
        TIniFile(chemin_).WriteString(u"A"_s, u"x"_s, u"2"_s);
        QVERIFY(QFileInfo(chemin_).isSymLink());
        QCOMPARE(contenu(cible), "[A]\nx=2\n"_ba);
        QCOMPARE(QFile::permissions(cible), droitsAvant);
        QFile::remove(cible);
    }

    void deuxProcessusConcurrents() {
        QProcess a;
        QProcess b;
        for (QProcess *p : {&a, &b}) {
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p->start(QCoreApplication::applicationFilePath(),
                     {u"--ecrivain"_s, chemin_, p == &a ? u"a"_s : u"b"_s});
        }
        for (QProcess *p : {&a, &b}) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitCode(), 0);
        }
        QCOMPARE(TIniFile(chemin_).ReadSection(u"S"_s).size(), 2 * parProcessus);
    }

    // The autostart entry's Exec line, by the desktop entry rules: quoted when the path holds a
    // reserved character, the quote, backquote, dollar and backslash escaped inside the quotes,
    // then every backslash doubled by the string escape, and % doubled.
    void entreeSession_data() {
        QTest::addColumn<QString>("programme");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"/opt/t/bin/tressola"_s << u"Exec=/opt/t/bin/tressola"_s;
        QTest::newRow("blank") << u"/tmp/ma barre/tressola"_s
                               << u"Exec=\"/tmp/ma barre/tressola\""_s;
        QTest::newRow("percent") << u"/tmp/100%/tressola"_s << u"Exec=/tmp/100%%/tressola"_s;
        QTest::newRow("quote, dollar") << u"/tmp/a\"b$c/t"_s << u"Exec=\"/tmp/a\\\\\"b\\\\$c/t\""_s;
        QTest::newRow("backslash") << u"/tmp/a\\b/t"_s << u"Exec=\"/tmp/a\\\\\\\\b/t\""_s;
    }
    void entreeSession() {
        QFETCH(QString, programme);
        QFETCH(QString, exec);
        QVERIFY(TexteEntreeSession(programme).split(u'\n').contains(exec));
    }
};

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    // A second copy of the program writing keys one by one, each in its own write.
    const QStringList arguments = application.arguments();
    if (arguments.size() == 4 && arguments.at(1) == u"--ecrivain") {
        for (int i = 0; i < parProcessus; ++i)
            TIniFile(arguments.at(2)).WriteInteger(u"S"_s, arguments.at(3) + QString::number(i), i);
        return 0;
    }
    TstTIniFile tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_tinifile.moc"
