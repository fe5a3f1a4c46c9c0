#include "BancDialogues.h"
#include "platform/icons.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The export of the icon that the dialog's fields name, to the file the user gives.

namespace {

QString donnees(const QString &nom) {
    return QStringLiteral(DONNEES_ICONES "/") + nom;
}

QImage argb(const QImage &image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray debut(const QString &fichier, int n) {
    QFile f(fichier);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

} // namespace

class TestExportIcone : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parLeNom_data();
    void parLeNom();
    void annule();
    void remplaceSansQuestion();
    void bitmapEffacee();
    void nonInscriptible();
    void pasDIcone_data();
    void pasDIcone();
};

void TestExportIcone::parLeNom_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("signature"); // empty: nothing written

    const QByteArray bmp("BM");
    const QByteArray ico("\0\0\1\0", 4);
    QTest::newRow("ICONE.bmp") << u"ICONE.bmp"_s << bmp;
    QTest::newRow("icone.BMP") << u"icone.BMP"_s << bmp;
    QTest::newRow("icone.ico") << u"icone.ico"_s << ico;
    QTest::newRow("icone.bmpx") << u"icone.bmpx"_s << bmp;
    QTest::newRow("icone.png") << u"icone.png"_s << QByteArray();
    QTest::newRow("icone") << u"icone"_s << QByteArray();
    QTest::newRow("icone.bm") << u"icone.bm"_s << QByteArray();
}

void TestExportIcone::parLeNom() {
    QFETCH(QString, nom);
    QFETCH(QByteArray, signature);
    QTemporaryDir rep;
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    const QString source = donnees(u"groupes64.dll"_s);
    d.Executable->setText(source);
    d.Numero->setValue(8);
    banc.fichier = rep.filePath(nom);
    d.SauverBMPICOClick();

    QCOMPARE(banc.demandes.size(), 1);
    const Fichiers::Demande &demande = banc.demandes.constFirst();
    QCOMPARE(demande.genre, Fichiers::Demande::Genre::Enregistrer);
    QCOMPARE(demande.titre, u"Sauver comme BMP"_s);
    QCOMPARE(demande.nom, u"*.bmp"_s);
    QCOMPARE(demande.repertoire, QStringLiteral(DONNEES_ICONES "/"));
    QCOMPARE(demande.filtres, (QStringList{u"Bitmap (*.bmp)"_s, u"Icônes (*.ico)"_s}));
    QVERIFY(banc.messages.isEmpty());

    if (signature.isEmpty()) {
        QVERIFY(QDir(rep.path()).isEmpty());
        return;
    }
    QCOMPARE(debut(banc.fichier, signature.size()), signature);
    // The saved file is an icon source of the same picture.
    QCOMPARE(iconCount(banc.fichier), 1);
    QCOMPARE(argb(iconImage(banc.fichier, 0)), argb(iconImage(source, 8)));
}

void TestExportIcone::annule() {
    QTemporaryDir rep;
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    d.Executable->setText(donnees(u"groupes64.dll"_s));
    d.SauverBMPICOClick();
    QCOMPARE(banc.demandes.size(), 1);
    QVERIFY(banc.messages.isEmpty());
}

void TestExportIcone::remplaceSansQuestion() {
    QTemporaryDir rep;
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    d.Executable->setText(donnees(u"groupes64.dll"_s));
    banc.fichier = rep.filePath(u"icone.ico"_s);
    {
        QFile f(banc.fichier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(5000, 'x'));
    }
    d.SauverBMPICOClick();
    QVERIFY(banc.messages.isEmpty());
    QCOMPARE(argb(iconImage(banc.fichier, 0)), argb(iconImage(d.Executable->text(), 0)));
}

void TestExportIcone::bitmapEffacee() {
    // An opaque icon first, then one with transparent parts: the second bitmap shows nothing of
    // the first where its icon is transparent.
    QTemporaryDir rep;
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    const QString source = donnees(u"groupes64.dll"_s);
    d.Executable->setText(source);
    d.Numero->setValue(5); // 24 bits, its corner drawn by the mask
    banc.fichier = rep.filePath(u"a.bmp"_s);
    d.SauverBMPICOClick();
    d.Numero->setValue(0);
    banc.fichier = rep.filePath(u"b.bmp"_s);
    d.SauverBMPICOClick();
    QVERIFY(banc.messages.isEmpty());
    const QImage seconde = argb(iconImage(banc.fichier, 0));
    QCOMPARE(qAlpha(seconde.pixel(2, 2)), 0);
    QCOMPARE(seconde, argb(iconImage(source, 0)));
}

void TestExportIcone::nonInscriptible() {
    QTemporaryDir rep;
    const QString fichierOrdinaire = rep.filePath(u"pas-un-dossier"_s);
    {
        QFile f(fichierOrdinaire);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    for (const QString &nom : {u"icone.bmp"_s, u"icone.ico"_s}) {
        BancDialogues banc;
        TConfigDlg &d = *banc.dlg;
        d.Executable->setText(donnees(u"groupes64.dll"_s));
        banc.fichier = fichierOrdinaire + u"/"_s + nom;
        d.SauverBMPICOClick();
        QCOMPARE(banc.messages.size(), 1);
        QVERIFY2(banc.messages[0].contains(banc.fichier), qPrintable(banc.messages[0]));
        QVERIFY(!QFile::exists(banc.fichier));
    }
}

void TestExportIcone::pasDIcone_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("message");

    QTest::newRow("numéro trop grand")
        << donnees(u"groupes64.dll"_s) << 12
        << u"Ce fichier n'a pas d'icône numéro 12 : rien n'a été enregistré."_s;
    QTest::newRow("numéro négatif")
        << donnees(u"groupes64.dll"_s) << -1
        << u"Ce fichier n'a pas d'icône numéro -1 : rien n'a été enregistré."_s;
    QTest::newRow("fichier absent") << donnees(u"absent.dll"_s) << 0 << u"Fichier introuvable."_s;
    QTest::newRow("champ vide") << QString() << 0 << u"Fichier introuvable."_s;
    QTest::newRow("sans icône") << donnees(u"sans-icone.dll"_s) << 0
                                << u"Ce fichier ne contient pas d'icônes."_s;
}

void TestExportIcone::pasDIcone() {
    QFETCH(QString, source);
    QFETCH(int, numero);
    QFETCH(QString, message);
    QTemporaryDir rep;
    BancDialogues banc;
    TConfigDlg &d = *banc.dlg;
    d.Executable->setText(source);
    d.Numero->setValue(numero);
    banc.fichier = rep.filePath(u"icone.bmp"_s);
    d.SauverBMPICOClick();
    QCOMPARE(banc.messages, QStringList{message});
    // Nothing is asked for an icon that is not there.
    QVERIFY(banc.demandes.isEmpty());
    QVERIFY(QDir(rep.path()).isEmpty());
}

QTEST_MAIN(TestExportIcone)
#include "tst_exporticone.moc"
