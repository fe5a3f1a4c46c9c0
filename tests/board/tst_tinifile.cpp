#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/Session.h"
#include "board/Tableau.h"
#include "support/Fichiers.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <array>
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

void remplir(const QString &chemin, const QByteArray &octets) {
    if (!ecrireTout(chemin, octets))
        qFatal("cannot write the test board");
}

TIniFile::Entrees entrees(const QString &texte) {
    TIniFile::Entrees liste;
    for (const QString &paire : texte.split(u';', Qt::SkipEmptyParts))
        liste.append({paire.section(u'=', 0, 0), paire.section(u'=', 1)});
    return liste;
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

    // Names match without regard to case, blanks around them go; the first of two keys or
    // sections of one name counts; comments and lines without '=' are no keys.
    void lecture() {
        remplir(chemin_, "[A]\nx=1\nX=2\ne=\n;c=1\n#c=2\nc=3\nn\nn=4\n  [ B b ]  \n  x\t= 5\n"
                         "[a]\ny=3\n[C\nx=6\n[\xC3\x89t\xC3\xA9]\nCl\xC3\xA9=7\n"
                         "[T]\nNombre=1\n0WDir=w\n0Hint=h\n0WDir=x\n0Hint=i\n");
        const TIniFile ini(chemin_);
        QStringList lus; // read at section|key
        for (const QString &lieu : u"a|x;A|e;A|c;A|n;B b|x;A|y;C|x;été|CLÉ"_s.split(u';'))
            lus << ini.ReadString(lieu.section(u'|', 0, 0), lieu.section(u'|', 1), u"<def>"_s);
        QCOMPARE(lus.join(u';'), u"1;;3;4;5;<def>;6;7"_s);
        G.FichierTableau = chemin_; // a bar's buttons too
        const std::unique_ptr<TBoutonAppli> bouton(LireBoutons(u"T"_s, false).Liste);
        QCOMPARE(bouton->WDir + bouton->Hint, u"wh"_s);
    }

    // A value k=<stocke> read as text, and as an integer (-77, the default, when it is none).
    void valeur_data() {
        QTest::addColumn<QByteArray>("stocke");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("entier");
        const int d = -77;
        QTest::newRow("quotes inside blanks") << " \t\" a \" \t"_ba << u" a "_s << d;
        QTest::newRow("quoted, blanks around") << " '8' "_ba << u"8"_s << 8;
        QTest::newRow("only one pair goes") << "\"\"x\"\""_ba << u"\"x\""_s << d;
        QTest::newRow("quote then argument")
            << "\"C:\\ed.exe\" x.txt"_ba << u"\"C:\\ed.exe\" x.txt"_s << d;
        QTest::newRow("lone quote") << "\""_ba << u"\""_s << d;
        QTest::newRow("equals inside") << "a=b=c"_ba << u"a=b=c"_s << d;
        // An undefined byte becomes the control character of the same value.
        QTest::newRow("euro sign alone") << "\x80"_ba << u"€"_s << d;
        QTest::newRow("windows-1252")
            << "Caf\xE9 \x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E\x8F"
               "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D\x9E\x9F"_ba
            << u"Café €\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"_s << d;
        QTest::newRow("non-breaking space kept")
            << "\xC2\xA0x\xC2\xA0"_ba << u"\u00A0x\u00A0"_s << d;
        // At most 1023 UTF-16 units come back, never half of a surrogate pair.
        const QString a1023(1023, u'a');
        QTest::newRow("quotes do not count") << (u'"' + a1023 + u'"').toUtf8() << a1023 << d;
        QTest::newRow("pair across the cut")
            << (a1023.left(1022) + u"\U0001F600"_s).toUtf8() << a1023.left(1022) << d;
        QTest::newRow("accents count once")
            << QString(1500, u'é').toUtf8() << QString(1023, u'é') << d;
        QTest::newRow("plus sign") << "+5"_ba << u"+5"_s << 5;
        QTest::newRow("dollar lower hex") << "$ff"_ba << u"$ff"_s << 255;
        QTest::newRow("0X10") << "0X10"_ba << u"0X10"_s << 16;
        QTest::newRow("0x alone") << "0x"_ba << u"0x"_s << d;
        QTest::newRow("empty") << ""_ba << u""_s << d;
        QTest::newRow("bad hex digit") << "0x1G"_ba << u"0x1G"_s << d;
        QTest::newRow("int max") << "2147483647"_ba << u"2147483647"_s << INT_MAX;
        QTest::newRow("int min") << "-2147483648"_ba << u"-2147483648"_s << INT_MIN;
        QTest::newRow("above int max") << "2147483648"_ba << u"2147483648"_s << d;
        QTest::newRow("below int min") << "-2147483649"_ba << u"-2147483649"_s << d;
        QTest::newRow("hex all ones") << "$FFFFFFFF"_ba << u"$FFFFFFFF"_s << -1;
        QTest::newRow("hex 33 bits") << "0x100000000"_ba << u"0x100000000"_s << d;
    }
    void valeur() {
        QFETCH(QByteArray, stocke);
        QFETCH(QString, texte);
        QFETCH(int, entier);
        remplir(chemin_, "[S]\nk=" + stocke + "\n");
        const TIniFile ini(chemin_);
        QCOMPARE(ini.ReadString(u"S"_s, u"k"_s, u"défaut"_s), texte);
        QCOMPARE(ini.ReadInteger(u"S"_s, u"k"_s, -77), entier);
    }

    void ecriture_data() {
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<QString>("operations");
        QTest::addColumn<QByteArray>("apres");
        QTest::newRow("absent, erased: not created")
            << QByteArray() << u"e,A|r,A,"_s << QByteArray();
        QTest::newRow("in place keeps spelling, new key after last key")
            << "[A]\n  X = 1 \ny=2\n\n; drawers\n[B]\ny=2\n"_ba << u"w,a,x,9|w,A,z,3"_s
            << "[A]\n  X =9\ny=2\nz=3\n\n; drawers\n[B]\ny=2\n"_ba;
        QTest::newRow("new key in keyless section")
            << "[A]\n; note\n[B]\n"_ba << u"w,a,z,3"_s << "[A]\nz=3\n; note\n[B]\n"_ba;
        QTest::newRow("no final line ending, new key and section")
            << "[A]\nx=1"_ba << u"w,A,y,2|w,B,y,2"_s << "[A]\nx=1\ny=2\n[B]\ny=2"_ba;
        QTest::newRow("stray CR ends the file")
            << "[A]\nx=1\r"_ba << u"w,A,y,2"_s << "[A]\nx=1\r\ny=2"_ba;
        QTest::newRow("dominant ending, the lines above the sections too")
            << "; top\r\n\r\n[A]\nx=1\r\ny=1\n"_ba << u"w,A,z,2"_s
            << "; top\r\n\r\n[A]\nx=1\r\ny=1\nz=2\r\n"_ba;
        QTest::newRow("erase") << "; top\n[A]\nx=1\n\n[B]\ny=2\n; b\n[C] ; c=1\n"_ba << u"e,b"_s
                               << "; top\n[A]\nx=1\n\n[C] ; c=1\n"_ba;
        QTest::newRow("replace section")
            << "[MAIN]\n0IsBmp=0\nNombre=1\n[B]\ny=2\n"_ba << u"r,main,0LigCom=a; Nombre =1"_s
            << "[B]\ny=2\n[main]\n0LigCom=a\nNombre=1\n"_ba;
        QTest::newRow("replace, unchanged at the end")
            << "[B]\n[A]\r\nx=1\r\n"_ba << u"r,A,x=1"_s << "[B]\n[A]\r\nx=1\r\n"_ba;
        QTest::newRow("replace, unchanged but a comment")
            << "[B]\n[A]\nx=1\n;c\n"_ba << u"r,A,x=1"_s << "[B]\n[A]\nx=1\n"_ba;
        QTest::newRow("replace, a key twice in the file and in the entries")
            << "[B]\n[A]\nx=1\nX=1\n"_ba << u"r,A,x=1;X=1"_s << "[B]\n[A]\nx=1\n"_ba;
        QTest::newRow("replace with nothing erases; a key twice: first place, last value")
            << "[A]\nx=1\n[B]\n"_ba << u"r,A,|r,C,x=1;y=2;X=3"_s << "[B]\n[C]\nx=3\ny=2\n"_ba;
        // A quoted value holding its quote gets one more pair, which a read takes off; blanks go.
        QTest::newRow("quoted program and argument, accents")
            << "[A]\n"_ba << uR"(w,A,k, "C:\P F\ed.exe" "D:\doc 1.txt" |w,A,c,Clé €)"_s
            << "[A]\n"_ba + R"(k=""C:\P F\ed.exe" "D:\doc 1.txt"")"_ba +
                   "\nc=Cl\xC3\xA9 \xE2\x82\xAC\n";
        QTest::newRow("duplicate section: all erased")
            << "[A]\nx=1\n[B]\n[a]\nx=3\n"_ba << u"r,A,x=5;é=6"_s
            << "[B]\n[A]\nx=5\n\xC3\xA9=6\n"_ba;
        QTest::newRow("bom kept") << "\xEF\xBB\xBF[A]\nx=1\n"_ba << u"e,A|w,B,y,1"_s
                                  << "\xEF\xBB\xBF[B]\ny=1\n"_ba;
        // A line read as Windows-1252, its key too, keeps that key and is rewritten in UTF-8.
        QTest::newRow("1252 lines")
            << "[A]\nCl\xE9=\xE9t\xE9\n; caf\xE9\nCl\xC3\xA9=\xE9\n"_ba
            << u"w,A,clé,été|w,A,ClÃ©,x"_s
            << "[A]\nCl\xC3\xA9=\xC3\xA9t\xC3\xA9\n; caf\xE9\nCl\xC3\x83\xC2\xA9=x\n"_ba;
    }
    void ecriture() {
        QFETCH(QByteArray, avant);
        QFETCH(QString, operations);
        QFETCH(QByteArray, apres);
        if (!avant.isNull())
            remplir(chemin_, avant);
        TIniFile ini(chemin_);
        appliquer(ini, operations);
        QCOMPARE(lireTout(chemin_), apres);
        QCOMPARE(QFile::exists(chemin_), !apres.isNull());
        // The picture the accessor kept, walked key by key, is what a fresh accessor reads.
        const TIniFile relu(chemin_);
        for (const QString &section : {u"A"_s, u"B"_s, u"C"_s, u"MAIN"_s}) {
            QStringList cles;
            ini.ParcourirSection(section,
                                 [&cles](QStringView cle, auto, auto) { cles << cle.toString(); });
            QCOMPARE(cles, relu.ReadSection(section));
            for (const QString &cle : cles)
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
        const QByteArray octetsAvant = ordinaire ? lireTout(chemin) : QByteArray();
        const QStringList entreesAvant =
            QDir(rep.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
        // A size limit refuses bytes even to root; permissions stop root once it takes another's.
        rlimit normale{};
        getrlimit(RLIMIT_FSIZE, &normale);
        const rlimit plein{8, normale.rlim_max};
        auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        if (genre == u"plein")
            setrlimit(RLIMIT_FSIZE, &plein);
        const uid_t utilisateur = geteuid();
        if (genre == u"interdit")
            setfsuid(utilisateur == 0 ? 65534 : utilisateur);
        const auto erreur = [](const auto &operation) {
            try {
                operation();
            } catch (const std::exception &e) {
                return QString::fromUtf8(e.what());
            }
            return QString();
        };
        TIniFile ini(chemin);
        const QString lu = ini.ReadString(u"TRESSOLA"_s, u"X"_s, u"<def>"_s);
        const QString ecriture = erreur([&] {
            ini.ReplaceSection(u"TRESSOLA"_s, entrees(u"X=12;Y=34;Orientation=0;Position=4"_s));
        });
        const QString lecture = erreur([&] { TIniFile(chemin).VerifierLecture(); });
        setfsuid(utilisateur);
        setrlimit(RLIMIT_FSIZE, &normale);
        std::signal(SIGXFSZ, ancienSignal);
        QCOMPARE(ecriture, message.arg(chemin));
        QCOMPARE(lu, genre == u"plein" ? u"0"_s : u"<def>"_s);
        QCOMPARE(lecture, genre == u"plein" ? QString() : ecriture);
        QCOMPARE(QFileInfo(chemin).isFile(), ordinaire);
        if (ordinaire)
            QCOMPARE(lireTout(chemin), octetsAvant);
        QCOMPARE(QDir(rep.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System),
                 entreesAvant);
    }

    // A value with a line break, a key opening a section or holding '=', a section name ending in
    // CR (a line break at the end of a name is still one, though blanks around names go) or ']'.
    void injectionRefusee() {
        const QByteArray avant = "[A]\nk=old\n[MAIN]\n0LigCom=a\nNombre=1\n";
        remplir(chemin_, avant);
        TIniFile ini(chemin_);
        for (const auto &[section, cle, valeur] :
             {std::array{u"A"_s, u"k"_s, u"v\n[B]\nx=1"_s}, std::array{u"A"_s, u"[B]"_s, u"v"_s},
              std::array{u"A"_s, u"k=x"_s, u"v"_s}, std::array{u"A\r"_s, u"k"_s, u"v"_s},
              std::array{u"A]x"_s, u"k"_s, u"v"_s}}) {
            QVERIFY_THROWS_EXCEPTION(EcritureImpossible, ini.WriteString(section, cle, valeur));
            // With one bad entry among good ones nothing is written, and the section stays.
            QVERIFY_THROWS_EXCEPTION(EcritureImpossible,
                                     ini.ReplaceSection(section == u"A" ? u"MAIN"_s : section,
                                                        {{u"0LigCom"_s, u"b"_s}, {cle, valeur}}));
        }
        QCOMPARE(lireTout(chemin_), avant);
    }

    // A save keeps the replaced file's owner (a save by root leaves a user's board theirs), mode
    // and link to it, and clears the temporary files a killed save left beside it, only those.
    void droitsEtLienGardes() {
        const QTemporaryDir rep;
        const QString cible = rep.filePath(u"vrai.ini"_s);
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
            remplir(rep.filePath(voisin), "x");
        TIniFile(chemin_).WriteString(u"A"_s, u"x"_s, u"2"_s);
        QVERIFY(QFileInfo(chemin_).isSymLink());
        QCOMPARE(lireTout(cible), "[A]\nx=2\n"_ba);
        struct stat apres {};
        QCOMPARE(stat(nom.constData(), &apres), 0);
        QCOMPARE(std::tuple(apres.st_uid, apres.st_gid, apres.st_mode),
                 std::tuple(avant.st_uid, avant.st_gid, avant.st_mode));
        QCOMPARE(QDir(rep.path()).entryList({u"vrai.ini.*"_s}), voisins.mid(2));
    }

    // Another program (sh, on $F) changes the board, stamped long ago so that an unchanged file's
    // picture is kept, after our read or write of y=5: our next read sees it, our write keeps it.
    void autreProgramme() {
        const auto apres = [this](bool ecrire, const QString &autre) {
            remplir(chemin_, "[A]\nx=1\n");
            QFile(chemin_).setFileTime(QDateTime::fromSecsSinceEpoch(946684800),
                                       QFileDevice::FileModificationTime);
            if (ecrire)
                TIniFile(chemin_).WriteString(u"A"_s, u"y"_s, u"5"_s);
            TIniFile(chemin_).ReadString(u"A"_s, u"x"_s, {});
            QProcess::execute(u"sh"_s, {u"-c"_s, u"cd "_s + dossier_.path() +
                                                     u"; F=TRESSOLA.INI G=nouveau; "_s + autre});
            TIniFile ini(chemin_);
            const QByteArray x = ini.ReadString(u"A"_s, u"x"_s, {}).toLatin1();
            ini.WriteString(u"A"_s, u"w"_s, u"8"_s);
            return x + '|' + lireTout(chemin_);
        };
        for (const QString &ecrit :
             {u"> $F"_s, u"> $F; touch -m -d @946684800 $F"_s, u"> G; mv G $F"_s})
            QCOMPARE(apres(false, u"printf '[A]\\nx=2\\n' "_s + ecrit), "2|[A]\nx=2\nw=8\n"_ba);
        QCOMPARE(apres(true, u"printf '[A]\\nx=2\\ny=5\\n' > $F"_s), "2|[A]\nx=2\ny=5\nw=8\n"_ba);
        QCOMPARE(apres(true, u"printf 'z=7\\n' >> $F"_s), "1|[A]\nx=1\ny=5\nz=7\nw=8\n"_ba);
    }

    void deuxProcessusConcurrents() {
        std::array<QProcess, 2> ecrivains;
        for (QProcess &p : ecrivains)
            p.start(QCoreApplication::applicationFilePath(),
                    {u"--ecrivain"_s, chemin_, &p == &ecrivains[0] ? u"a"_s : u"b"_s});
        for (QProcess &p : ecrivains)
            QVERIFY(p.waitForFinished(120000) && p.exitCode() == 0);
        QCOMPARE(TIniFile(chemin_).ReadSection(u"S"_s).size(), 2 * parProcessus);
    }

    // The autostart entry's Exec line: quoted for a reserved character, with '"', '`', '$' and '\'
    // escaped inside the quotes, then every backslash doubled by the string escape; % doubled.
    void entreeSession() {
        const auto exec = [](const QString &programme) {
            return u"Exec="_s +
                   TexteEntreeSession(programme).section(u"\nExec="_s, 1, 1).section(u'\n', 0, 0);
        };
        QCOMPARE(exec(u"/opt/t/bin/tressola"_s), u"Exec=/opt/t/bin/tressola"_s);
        QCOMPARE(exec(u"/tmp/100%/tressola"_s), u"Exec=/tmp/100%%/tressola"_s);
        QCOMPARE(exec(u"/tmp/a\"b$c/t"_s), u"Exec=\"/tmp/a\\\\\"b\\\\$c/t\""_s);
        QCOMPARE(exec(u"/tmp/a\\b/t"_s), u"Exec=\"/tmp/a\\\\\\\\b/t\""_s);
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
