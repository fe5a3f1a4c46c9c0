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
    void ouvrir_data();
    void ouvrir();
    void liensDuDocument_data();
    void liensDuDocument();
};

void TestAide::ouvrir_data() {
    QTest::addColumn<int>("contexte");
    QTest::addColumn<bool>("document");   // the help document is beside the executable
    QTest::addColumn<bool>("navigateur"); // something can open it
    QTest::addColumn<QString>("page");    // opened; empty: none
    QTest::addColumn<QString>("message");

    const QString absent = u"Le fichier d'aide est introuvable : $REP/aide/configurer.html"_s;
    const QString sansNavigateur =
        u"Aucun navigateur n'a pu ouvrir l'aide : $REP/aide/index.html"_s;
    QTest::newRow("sommaire") << 0 << true << true << u"index.html"_s << QString();
    QTest::newRow("contexte 14") << 14 << true << true << u"configurer.html"_s << QString();
    QTest::newRow("contexte sans page: sommaire")
        << 7 << true << true << u"index.html"_s << QString();
    QTest::newRow("document absent") << 14 << false << true << QString() << absent;
    QTest::newRow("aucun navigateur") << 0 << true << false << u"index.html"_s << sansNavigateur;
}

void TestAide::ouvrir() {
    QFETCH(int, contexte);
    QFETCH(bool, document);
    QFETCH(bool, navigateur);
    QFETCH(QString, page);
    QFETCH(QString, message);
    QTemporaryDir rep;
    platform::simulerCheminProgramme(rep.filePath(u"tressola"_s));
    QStringList messages;
    Messages::DefinirRepondeur([&](Messages::Genre, const QString &, const QString &texte) {
        messages.append(texte);
        return true;
    });
    QList<QUrl> ouverts;
    platform::definirOuvreurUrl([&](const QUrl &url) {
        ouverts.append(url);
        return navigateur;
    });
    QVERIFY(QDir().mkpath(rep.filePath(u"aide"_s)));
    for (const QString &nom : {u"index.html"_s, u"configurer.html"_s}) {
        QFile f(rep.filePath(u"aide/"_s + nom));
        QVERIFY(!document || f.open(QIODevice::WriteOnly));
    }
    const bool ouvert = AfficherAide(contexte);
    platform::simulerCheminProgramme({});
    Messages::DefinirRepondeur({});
    platform::definirOuvreurUrl({});
    QCOMPARE(ouvert, document && navigateur);
    QCOMPARE(ouverts, page.isEmpty()
                          ? QList<QUrl>()
                          : QList<QUrl>{QUrl::fromLocalFile(rep.filePath(u"aide/"_s + page))});
    QCOMPARE(messages, message.isEmpty()
                           ? QStringList()
                           : QStringList{QString(message).replace(u"$REP"_s, rep.path())});
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
        const QString fichier = cible.section(u'#', 0, 0), ancre = cible.section(u'#', 1);
        QVERIFY2(!cible.contains(u"://"_s), qPrintable(cible));
        QFile c(QFileInfo(page).dir().filePath(fichier.isEmpty() ? QFileInfo(page).fileName()
                                                                 : fichier));
        QVERIFY2(c.open(QIODevice::ReadOnly), qPrintable(page + u" -> "_s + cible));
        if (!ancre.isEmpty())
            QVERIFY2(QString::fromUtf8(c.readAll()).contains(u"id=\""_s + ancre + u'"'),
                     qPrintable(page + u" -> "_s + cible));
    }
}

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
