// The board file on disk: what a read gives back (blanks, quotes, the length limit, integers, the
// two encodings a board may be written in), where edits land, what they keep, and how failed or
// competing writes leave it, and the Exec line of the autostart entry. The bar's tests see plain
// boards, missing keys and settings.
#include "board/Session.h"
#include "board/TIniFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

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
        QTest::newRow("replace, unchanged at the end")
            << "[B]\n[A]\r\nx=1\r\n"_ba << u"r,A,x=1"_s << "[B]\n[A]\r\nx=1\r\n"_ba;
        QTest::newRow("replace, unchanged but a comment")
            << "[B]\n[A]\nx=1\n;c\n"_ba << u"r,A,x=1"_s << "[B]\n[A]\nx=1\n"_ba;
        QTest::newRow("replace, a key twice: first place, last value")
            << "[B]\n"_ba << u"r,A,x=1;y=2;X=3"_s << "[B]\n[A]\nx=3\ny=2\n"_ba;
        QTest::newRow("replace, a key twice in the file and in the entries")
            << "[B]\n[A]\nx=1\nX=1\n"_ba << u"r,A,x=1;X=1"_s << "[B]\n[A]\nx=1\n"_ba;
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

    // A board that cannot be read or written: the error says which, and nothing is written over
    // it (a FIFO must not hang the open, a link to a device must not be read).
    void ecritureImpossible_data() {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("message"); // %1: the board's full path
        const QString illisible =
            u"Impossible de lire le fichier %1 (%2). Il est laissé tel quel : "
            "les changements ne seront pas enregistrés."_s;
        const QString pasOrdinaire = illisible.arg(u"%1"_s, u"ce n'est pas un fichier ordinaire"_s);
        QTest::newRow("path is a directory") << u"dossier"_s << pasOrdinaire;
        QTest::newRow("disk refuses the bytes") << u"plein"_s << u"Unable to write to %1"_s;
        QTest::newRow("FIFO") << u"fifo"_s << pasOrdinaire;
        QTest::newRow("link to /dev/zero") << u"zero"_s << pasOrdinaire;
        QTest::newRow("larger than 8 MB") << u"gros"_s << illisible.arg(u"%1"_s, u"plus de 8 Mo"_s);
        QTest::newRow("not allowed to read")
            << u"interdit"_s << illisible.arg(u"%1"_s, u"accès refusé"_s);
    }
    void ecritureImpossible() {
        QFETCH(QString, genre);
        QFETCH(QString, message);
        QTemporaryDir rep;
        QVERIFY(QFile::setPermissions(rep.path(), QFileDevice::Permissions(0x7777)));
        const QString chemin = rep.filePath(u"TRESSOLA.INI"_s);
        if (genre == u"dossier")
            QVERIFY(QDir(rep.path()).mkdir(u"TRESSOLA.INI"_s));
        else if (genre == u"fifo")
            QCOMPARE(mkfifo(QFile::encodeName(chemin).constData(), 0644), 0);
        else if (genre == u"zero")
            QVERIFY(QFile::link(u"/dev/zero"_s, chemin));
        else
            remplir(chemin, "; mine\r\n[TRESSOLA]\r\nX=0\r\n");
        if (genre == u"gros")
            QVERIFY(QFile(chemin).resize(8 * 1024 * 1024 + 1));
        if (genre == u"interdit")
            QVERIFY(QFile::setPermissions(chemin, {}));
        const bool ordinaire = QFileInfo(chemin).isFile();
        const QByteArray octetsAvant = ordinaire ? contenu(chemin) : QByteArray();
        const QStringList entreesAvant =
            QDir(rep.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

        // A file size limit makes the kernel refuse the bytes even to root; the permissions of a
        // file stop root only once it takes another user's rights to files.
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit normale = limite;
        auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        if (genre == u"plein") {
            limite.rlim_cur = 8;
            setrlimit(RLIMIT_FSIZE, &limite);
        }
        const uid_t utilisateur = geteuid();
        if (genre == u"interdit")
            setfsuid(utilisateur == 0 ? 65534 : utilisateur);
        QString ecriture;
        QString lecture;
        QString lu;
        try {
            TIniFile ini(chemin);
            lu = ini.ReadString(u"TRESSOLA"_s, u"X"_s, u"<def>"_s);
            ini.ReplaceSection(u"TRESSOLA"_s, entrees(u"X=12;Y=34;Orientation=0;Position=4"_s));
        } catch (const std::exception &erreur) {
            ecriture = QString::fromUtf8(erreur.what());
        }
        try {
            TIniFile(chemin).VerifierLecture();
        } catch (const std::exception &erreur) {
            lecture = QString::fromUtf8(erreur.what());
        }
        setfsuid(utilisateur);
        setrlimit(RLIMIT_FSIZE, &normale);
        std::signal(SIGXFSZ, ancienSignal);

        QCOMPARE(ecriture, message.arg(chemin));
        QCOMPARE(lu, genre == u"plein" ? u"0"_s : u"<def>"_s);
        QCOMPARE(lecture, genre == u"plein" ? QString() : ecriture);
        QCOMPARE(QFileInfo(chemin).isFile(), ordinaire);
        if (ordinaire)
            QCOMPARE(contenu(chemin), octetsAvant);
        QCOMPARE(QDir(rep.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System),
                 entreesAvant);
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

    // A save keeps what the replaced file was (its owner: a save made by root leaves a user's
    // board theirs; its mode; a link to it), and clears the temporary files a killed save left
    // beside it, and only those.
    void droitsEtLienGardes() {
        const QString cible = dossier_.filePath(u"vrai.ini"_s);
        remplir(cible, "[A]\nx=1\n");
        QVERIFY(QFile::setPermissions(cible, QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ReadGroup | QFile::WriteGroup));
        const QByteArray nom = QFile::encodeName(cible);
        if (geteuid() == 0)
            QCOMPARE(chown(nom.constData(), 65534, 65534), 0);
        struct stat avant {};
        QCOMPARE(stat(nom.constData(), &avant), 0);
        QVERIFY(QFile::link(cible, chemin_));
        const QStringList voisins = {u"vrai.ini.a1B2c3"_s, u"vrai.ini.Zz9Yy8"_s,
                                     u"vrai.ini.a1B2c3d"_s, u"vrai.ini.notes"_s};
        for (const QString &voisin : voisins)
            remplir(dossier_.filePath(voisin), "x");
        TIniFile(chemin_).WriteString(u"A"_s, u"x"_s, u"2"_s);
        QVERIFY(QFileInfo(chemin_).isSymLink());
        QCOMPARE(contenu(cible), "[A]\nx=2\n"_ba);
        struct stat apres {};
        QCOMPARE(stat(nom.constData(), &apres), 0);
        QCOMPARE(std::tuple(apres.st_uid, apres.st_gid, apres.st_mode),
                 std::tuple(avant.st_uid, avant.st_gid, avant.st_mode));
        QCOMPARE(QDir(dossier_.path()).entryList({u"vrai.ini.*"_s}), voisins.mid(2));
        for (const QString &voisin : voisins + QStringList{u"vrai.ini"_s})
            QFile::remove(dossier_.filePath(voisin));
    }

    // Another program changes the board between two operations of ours: the second sees it,
    // and its save keeps it. The board is stamped long ago first, so that an unchanged file's
    // picture is kept between operations.
    void autreProgramme_data() {
        QTest::addColumn<QString>("premiere"); // our first operation: "r" reads, "w" writes y=5
        QTest::addColumn<QString>("autre"); // what the other program does, in sh; $F is the board
        QTest::addColumn<QByteArray>("apres"); // the board after our second operation: x read, w=8
        QTest::newRow("edited in place, same size")
            << u"r"_s << u"printf '[A]\\nx=2\\n' > $F"_s << "[A]\nx=2\nw=8\n"_ba;
        QTest::newRow("edited in place, time put back")
            << u"r"_s << u"printf '[A]\\nx=2\\n' > $F; touch -m -d @946684800 $F"_s
            << "[A]\nx=2\nw=8\n"_ba;
        QTest::newRow("replaced") << u"r"_s << u"printf '[A]\\nx=2\\n' > G; mv G $F"_s
                                  << "[A]\nx=2\nw=8\n"_ba;
        QTest::newRow("edited in place after our save")
            << u"w"_s << u"printf '[A]\\nx=2\\ny=5\\n' > $F"_s << "[A]\nx=2\ny=5\nw=8\n"_ba;
        QTest::newRow("another copy's key after our save")
            << u"w"_s << u"printf 'z=7\\n' >> $F"_s << "[A]\nx=1\ny=5\nz=7\nw=8\n"_ba;
    }
    void autreProgramme() {
        QFETCH(QString, premiere);
        QFETCH(QString, autre);
        QFETCH(QByteArray, apres);
        remplir(chemin_, "[A]\nx=1\n");
        QFile(chemin_).setFileTime(QDateTime::fromSecsSinceEpoch(946684800),
                                   QFileDevice::FileModificationTime);
        if (premiere == u"w")
            TIniFile(chemin_).WriteString(u"A"_s, u"y"_s, u"5"_s);
        QCOMPARE(TIniFile(chemin_).ReadString(u"A"_s, u"x"_s, {}), u"1"_s);
        QProcess sh;
        sh.setWorkingDirectory(dossier_.path());
        sh.start(u"sh"_s, {u"-c"_s, u"F=TRESSOLA.INI G=nouveau; "_s + autre});
        QVERIFY(sh.waitForFinished() && sh.exitCode() == 0);
        TIniFile ini(chemin_);
        QCOMPARE(ini.ReadString(u"A"_s, u"x"_s, {}), QString::fromLatin1(apres.mid(6, 1)));
        ini.WriteString(u"A"_s, u"w"_s, u"8"_s);
        QCOMPARE(contenu(chemin_), apres);
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
