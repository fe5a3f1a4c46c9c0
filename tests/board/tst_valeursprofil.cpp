// What a read gives back from the text of a board file: blanks, quotes, the length limit,
// integers, flags and the two encodings a board may be written in.
#include "board/TIniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <climits>

class TstValeursProfil : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;

    // A board holding one key k=<valeur> in section S, as raw bytes.
    TIniFile avecValeur(const QByteArray &valeur) {
        const QString chemin = dossier_.filePath(QStringLiteral("TRESSOLA.INI"));
        QFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the test board");
        fichier.write("[S]\nk=" + valeur + "\n");
        return TIniFile(chemin);
    }

private Q_SLOTS:
    void texte_data() {
        QTest::addColumn<QByteArray>("stocke");
        QTest::addColumn<QString>("lu");
        QTest::newRow("plain") << QByteArray("abc") << QStringLiteral("abc");
        QTest::newRow("empty") << QByteArray("") << QString();
        QTest::newRow("blanks around") << QByteArray(" \t abc d \t") << QStringLiteral("abc d");
        QTest::newRow("double quotes")
            << QByteArray("\"C:\\P F\\a.exe\"") << QStringLiteral("C:\\P F\\a.exe");
        QTest::newRow("single quotes") << QByteArray("'abc'") << QStringLiteral("abc");
        QTest::newRow("quotes inside blanks") << QByteArray("  \" a \"  ") << QStringLiteral(" a ");
        QTest::newRow("only one pair goes") << QByteArray("\"\"x\"\"") << QStringLiteral("\"x\"");
        QTest::newRow("mismatched quotes") << QByteArray("\"abc'") << QStringLiteral("\"abc'");
        QTest::newRow("quote then argument")
            << QByteArray("\"C:\\ed.exe\" x.txt") << QStringLiteral("\"C:\\ed.exe\" x.txt");
        QTest::newRow("lone quote") << QByteArray("\"") << QStringLiteral("\"");
        QTest::newRow("empty quotes") << QByteArray("''") << QString();
        QTest::newRow("equals inside") << QByteArray("a=b=c") << QStringLiteral("a=b=c");
        QTest::newRow("utf-8") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC")
                               << QStringLiteral("Café €");
        QTest::newRow("windows-1252")
            << QByteArray("Caf\xE9 \x80 \x9C") << QStringLiteral("Café € œ");
        QTest::newRow("1252 undefined byte") << QByteArray("a\x81z") << QStringLiteral("a\u0081z");
        QTest::newRow("non-breaking space kept")
            << QByteArray("\xC2\xA0x\xC2\xA0") << QStringLiteral("\u00A0x\u00A0");
    }
    void texte() {
        QFETCH(QByteArray, stocke);
        QFETCH(QString, lu);
        const QString valeur = avecValeur(stocke).ReadString(
            QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("défaut"));
        QCOMPARE(valeur, lu);
    }

    void coupure_data() {
        QTest::addColumn<QString>("stocke");
        QTest::addColumn<QString>("lu");
        const QString a1023(1023, u'a');
        const QString rire = QStringLiteral("\U0001F600"); // two UTF-16 units
        QTest::newRow("1023 fits") << a1023 << a1023;
        QTest::newRow("1024 cut") << a1023 + u'b' << a1023;
        QTest::newRow("3000 cut") << QString(3000, u'x') << QString(1023, u'x');
        QTest::newRow("quotes do not count") << u'"' + a1023 + u'"' << a1023;
        QTest::newRow("pair across the cut") << QString(1022, u'a') + rire << QString(1022, u'a');
        QTest::newRow("pair before the cut")
            << QString(1021, u'a') + rire + u'z' << QString(1021, u'a') + rire;
        QTest::newRow("accents count once") << QString(1500, u'é') << QString(1023, u'é');
    }
    void coupure() {
        QFETCH(QString, stocke);
        QFETCH(QString, lu);
        QCOMPARE(
            avecValeur(stocke.toUtf8()).ReadString(QStringLiteral("S"), QStringLiteral("k"), {}),
            lu);
    }

    void entier_data() {
        QTest::addColumn<QByteArray>("stocke");
        QTest::addColumn<int>("lu");
        const int d = -77; // the caller's default
        QTest::newRow("decimal") << QByteArray("12") << 12;
        QTest::newRow("negative") << QByteArray("-3") << -3;
        QTest::newRow("plus sign") << QByteArray("+5") << 5;
        QTest::newRow("leading zeros") << QByteArray("007") << 7;
        QTest::newRow("dollar hex") << QByteArray("$1F") << 31;
        QTest::newRow("dollar lower hex") << QByteArray("$ff") << 255;
        QTest::newRow("0x1") << QByteArray("0x1") << 1;
        QTest::newRow("0X10") << QByteArray("0X10") << 16;
        QTest::newRow("0x alone") << QByteArray("0x") << d;
        QTest::newRow("dollar alone") << QByteArray("$") << d;
        QTest::newRow("256 whole") << QByteArray("256") << 256;
        QTest::newRow("letters") << QByteArray("abc") << d;
        QTest::newRow("empty") << QByteArray("") << d;
        QTest::newRow("blanks around") << QByteArray(" 7 ") << 7;
        QTest::newRow("quoted") << QByteArray("'8'") << 8;
        QTest::newRow("trailing letters") << QByteArray(" 12abc") << d;
        QTest::newRow("inner blank") << QByteArray("1 2") << d;
        QTest::newRow("sign alone") << QByteArray("-") << d;
        QTest::newRow("decimal point") << QByteArray("1.5") << d;
        QTest::newRow("signed hex") << QByteArray("-0x10") << d;
        QTest::newRow("signed dollar") << QByteArray("$-1") << d;
        QTest::newRow("bad hex digit") << QByteArray("0x1G") << d;
        QTest::newRow("arabic-indic digit") << QByteArray("\xD9\xA3") << d;
        QTest::newRow("int max") << QByteArray("2147483647") << INT_MAX;
        QTest::newRow("int min") << QByteArray("-2147483648") << INT_MIN;
        QTest::newRow("above int max") << QByteArray("2147483648") << d;
        QTest::newRow("below int min") << QByteArray("-2147483649") << d;
        QTest::newRow("huge") << QByteArray("99999999999999999999999") << d;
        QTest::newRow("hex all ones") << QByteArray("$FFFFFFFF") << -1;
        QTest::newRow("hex 33 bits") << QByteArray("0x100000000") << d;
        QTest::newRow("hex leading zeros") << QByteArray("$00000000000000FF") << 255;
    }
    void entier() {
        QFETCH(QByteArray, stocke);
        QFETCH(int, lu);
        QCOMPARE(avecValeur(stocke).ReadInteger(QStringLiteral("S"), QStringLiteral("k"), -77), lu);
    }

    void drapeau_data() {
        QTest::addColumn<QByteArray>("stocke");
        QTest::addColumn<bool>("defaut");
        QTest::addColumn<bool>("lu");
        QTest::newRow("1") << QByteArray("1") << false << true;
        QTest::newRow("0") << QByteArray("0") << true << false;
        QTest::newRow("any non-zero") << QByteArray("-2") << false << true;
        QTest::newRow("hex non-zero") << QByteArray("$10") << false << true;
        QTest::newRow("not a number, default true") << QByteArray("oui") << true << true;
        QTest::newRow("not a number, default false") << QByteArray("oui") << false << false;
        QTest::newRow("empty, default true") << QByteArray("") << true << true;
    }
    void drapeau() {
        QFETCH(QByteArray, stocke);
        QFETCH(bool, defaut);
        QFETCH(bool, lu);
        QCOMPARE(avecValeur(stocke).ReadBool(QStringLiteral("S"), QStringLiteral("k"), defaut), lu);
    }

    void ecritAvantDeRelire_data() {
        QTest::addColumn<QString>("ecrit");
        QTest::addColumn<QByteArray>("ligne");
        QTest::addColumn<QString>("relu");
        QTest::newRow("plain") << QStringLiteral("abc") << QByteArray("k=abc")
                               << QStringLiteral("abc");
        QTest::newRow("empty") << QString() << QByteArray("k=") << QString();
        QTest::newRow("accents in UTF-8")
            << QStringLiteral("Clé €") << QByteArray("k=Cl\xC3\xA9 \xE2\x82\xAC")
            << QStringLiteral("Clé €");
        QTest::newRow("quoted path") << QStringLiteral(R"("C:\Program Files\App\app.exe")")
                                     << QByteArray(R"(k="C:\Program Files\App\app.exe")")
                                     << QStringLiteral(R"(C:\Program Files\App\app.exe)");
        QTest::newRow("quoted program and argument")
            << QStringLiteral(R"("C:\P F\ed.exe" "D:\doc 1.txt")")
            << QByteArray(R"(k=""C:\P F\ed.exe" "D:\doc 1.txt"")")
            << QStringLiteral(R"("C:\P F\ed.exe" "D:\doc 1.txt")");
        QTest::newRow("single quotes inside")
            << QStringLiteral("'l'été'") << QByteArray("k=''l'\xC3\xA9t\xC3\xA9''")
            << QStringLiteral("'l'été'");
        QTest::newRow("the other quote inside")
            << QStringLiteral("\"it's\"") << QByteArray("k=\"it's\"") << QStringLiteral("it's");
        QTest::newRow("blanks around are lost")
            << QStringLiteral("  x  ") << QByteArray("k=  x  ") << QStringLiteral("x");
        QTest::newRow("blanks around quoted argument")
            << QStringLiteral(R"( "a" "b" )") << QByteArray(R"(k=""a" "b"")")
            << QStringLiteral(R"("a" "b")");
    }
    void ecritAvantDeRelire() {
        QFETCH(QString, ecrit);
        QFETCH(QByteArray, ligne);
        QFETCH(QString, relu);
        TIniFile ini(dossier_.filePath(QStringLiteral("ecrit.ini")));
        QFile::remove(ini.FileName());
        ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), ecrit);
        QFile fichier(ini.FileName());
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QCOMPARE(fichier.readAll(), "[S]\n" + ligne + "\n");
        QCOMPARE(
            TIniFile(ini.FileName())
                .ReadString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("défaut")),
            relu);
    }

    void entiersEtDrapeauxEcrits() {
        TIniFile ini(dossier_.filePath(QStringLiteral("nombres.ini")));
        ini.WriteInteger(QStringLiteral("S"), QStringLiteral("a"), -5);
        ini.WriteInteger(QStringLiteral("S"), QStringLiteral("b"), INT_MIN);
        ini.WriteBool(QStringLiteral("S"), QStringLiteral("c"), true);
        ini.WriteBool(QStringLiteral("S"), QStringLiteral("d"), false);
        QFile fichier(ini.FileName());
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QCOMPARE(fichier.readAll(), QByteArray("[S]\na=-5\nb=-2147483648\nc=1\nd=0\n"));
        const TIniFile relu(ini.FileName());
        QCOMPARE(relu.ReadInteger(QStringLiteral("S"), QStringLiteral("b"), 0), INT_MIN);
    }
};

QTEST_GUILESS_MAIN(TstValeursProfil)
#include "tst_valeursprofil.moc"
