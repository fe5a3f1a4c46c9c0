#include "dialogs/Aide.h"
#include "dialogs/Messages.h"
#include "platform/Navigateur.h"
#include "platform/Programme.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

class TestAide : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void ouvrir_data();
    void ouvrir();
    void liensDuDocument_data();
    void liensDuDocument();

private:
    QTemporaryDir rep_;
    QStringList messages_;
    QList<QUrl> ouverts_;
    bool navigateur_ = true;
};

void TestAide::init() {
    messages_.clear();
    ouverts_.clear();
    navigateur_ = true;
    platform::simulerCheminProgramme(rep_.filePath(u"tressola"_s));
    Messages::DefinirRepondeur([this](Messages::Genre, const QString &, const QString &texte) {
        messages_.append(texte);
        return true;
    });
    platform::definirOuvreurUrl([this](const QUrl &url) {
        ouverts_.append(url);
        return navigateur_;
    });
}

void TestAide::cleanup() {
    platform::simulerCheminProgramme({});
    Messages::DefinirRepondeur({});
    platform::definirOuvreurUrl({});
    QDir(rep_.filePath(u"aide"_s)).removeRecursively();
}

void TestAide::ouvrir_data() {
    QTest::addColumn<int>("contexte");
    QTest::addColumn<bool>("document");   // the help document is beside the executable
    QTest::addColumn<bool>("navigateur"); // something can open it
    QTest::addColumn<QString>("page");    // opened; empty: none
    QTest::addColumn<QString>("message");

    const QString introuvable = u"Le fichier d'aide est introuvable : %1/aide/%2"_s;
    QTest::newRow("sommaire") << 0 << true << true << u"index.html"_s << QString();
    QTest::newRow("contexte 14") << 14 << true << true << u"configurer.html"_s << QString();
    QTest::newRow("contexte sans page: sommaire")
        << 7 << true << true << u"index.html"_s << QString();
    QTest::newRow("document absent")
        << 0 << false << true << QString() << introuvable.arg(u"$REP"_s, u"index.html"_s);
    QTest::newRow("document absent, contexte 14")
        << 14 << false << true << QString() << introuvable.arg(u"$REP"_s, u"configurer.html"_s);
    QTest::newRow("aucun navigateur")
        << 0 << true << false << u"index.html"_s
        << u"Aucun navigateur n'a pu ouvrir l'aide : $REP/aide/index.html"_s;
}

void TestAide::ouvrir() {
    QFETCH(int, contexte);
    QFETCH(bool, document);
    QFETCH(bool, navigateur);
    QFETCH(QString, page);
    QFETCH(QString, message);

    navigateur_ = navigateur;
    if (document) {
        QVERIFY(QDir().mkpath(rep_.filePath(u"aide"_s)));
        for (const QString &nom : {u"index.html"_s, u"configurer.html"_s}) {
            QFile f(rep_.filePath(u"aide/"_s + nom));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    }
    const bool ouvert = AfficherAide(contexte);
    QCOMPARE(ouvert, document && navigateur);
    if (page.isEmpty())
        QVERIFY(ouverts_.isEmpty());
    else
        QCOMPARE(ouverts_, QList<QUrl>{QUrl::fromLocalFile(rep_.filePath(u"aide/"_s + page))});
    QCOMPARE(messages_, message.isEmpty()
                            ? QStringList()
                            : QStringList{QString(message).replace(u"$REP"_s, rep_.path())});
}

// Every page of the shipped document: its links lead to pages and anchors that exist.
void TestAide::liensDuDocument_data() {
    QTest::addColumn<QString>("page");
    const QDir aide(QStringLiteral(AIDE_SOURCE));
    const QStringList pages = aide.entryList({u"*.html"_s}, QDir::Files);
    QVERIFY(pages.contains(u"index.html"_s));
    QVERIFY(pages.contains(u"configurer.html"_s));
    for (const QString &p : pages)
        QTest::newRow(qPrintable(p)) << aide.filePath(p);
}

void TestAide::liensDuDocument() {
    QFETCH(QString, page);
    QFile f(page);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString texte = QString::fromUtf8(f.readAll());
    QVERIFY(texte.contains(u"<html lang=\"fr\">"_s));
    QVERIFY(texte.contains(u"<meta charset=\"utf-8\">"_s));
    static const QRegularExpression lien(u"(?:href|src)=\"([^\"]+)\""_s);
    for (auto m = lien.globalMatch(texte); m.hasNext();) {
        const QString cible = m.next().captured(1);
        const QString fichier = cible.section(u'#', 0, 0);
        const QString ancre = cible.section(u'#', 1);
        QVERIFY2(!cible.contains(u"://"_s), qPrintable(cible));
        const QString chemin = QFileInfo(page).dir().filePath(
            fichier.isEmpty() ? QFileInfo(page).fileName() : fichier);
        QVERIFY2(QFile::exists(chemin), qPrintable(page + u" -> "_s + cible));
        if (!ancre.isEmpty()) {
            QFile c(chemin);
            QVERIFY(c.open(QIODevice::ReadOnly));
            QVERIFY2(QString::fromUtf8(c.readAll()).contains(u"id=\""_s + ancre + u'"'),
                     qPrintable(page + u" -> "_s + cible));
        }
    }
}

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
