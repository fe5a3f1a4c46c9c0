#include "dialogs/Aide.h"
#include "dialogs/Messages.h"
#include "platform/Navigateur.h"
#include "platform/Programme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

class TestAide : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ouvrir_data() {
        QTest::addColumn<int>("contexte");
        QTest::addColumn<bool>("document");   // the help document is beside the executable
        QTest::addColumn<bool>("navigateur"); // something can open it
        QTest::addColumn<QString>("page");    // opened; empty: none
        QTest::addColumn<QString>("message");

        const QString absent = u"Le fichier d'aide est introuvable : $REP/aide/configurer.html"_s;
        const QString sansNavigateur =
            u"Aucun navigateur n'a pu ouvrir l'aide : $REP/aide/index.html"_s;
        QTest::newRow("contexte 14") << 14 << true << true << u"configurer.html"_s << QString();
        QTest::newRow("document absent") << 14 << false << true << QString() << absent;
        QTest::newRow("aucun navigateur")
            << 0 << true << false << u"index.html"_s << sansNavigateur;
    }

    void ouvrir() {
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
};

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
