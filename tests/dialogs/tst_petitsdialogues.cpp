#include "BancDialogues.h"
#include "dialogs/Aide.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/THintDlg.h"
#include "platform/Navigateur.h"
#include "platform/Programme.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

using namespace Qt::StringLiterals;

class TestPetitsDialogues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aPropos() {
        TAboutBox about;
        QWidget *focus = nullptr;
        quandModal([&](QWidget *modal) {
            QCOMPARE(modal, &about);
            focus = about.focusWidget();
            QTest::mouseClick(about.OKButton, Qt::LeftButton);
        });
        QCOMPARE(about.exec(), int(QDialog::Accepted));
        QCOMPARE(focus, about.OKButton);
    }

    // How the tooltip dialog ends: what the user typed stays in the field, for the caller to read
    // when it was accepted. Escape does nothing; closing the window gives up.
    void hintResultat_data() {
        QTest::addColumn<int>("touche"); // 0: a click on O&K
        QTest::addColumn<bool>("resteOuvert");

        QTest::newRow("clic sur O&K") << 0 << false;
        QTest::newRow("Entrée") << int(Qt::Key_Return) << false;
        QTest::newRow("Échap") << int(Qt::Key_Escape) << true;
    }

    void hintResultat() {
        QFETCH(int, touche);
        QFETCH(bool, resteOuvert);
        THintDlg hint;
        // A first showing closed with the focus on the button: the next one starts in the text all
        // the same.
        hint.show();
        hint.BitBtn1->setFocus();
        hint.hide();
        hint.Texte->setText(u"Ancien"_s);
        bool ouvert = false;
        quandModal([&](QWidget *modal) {
            QCOMPARE(modal, &hint);
            QCOMPARE(QApplication::focusWidget(), hint.Texte);
            QTest::keyClick(hint.Texte, Qt::Key_End);
            QTest::keyClicks(hint.Texte, u" texte"_s);
            if (touche == 0)
                QTest::mouseClick(hint.BitBtn1, Qt::LeftButton);
            else
                QTest::keyClick(hint.Texte, Qt::Key(touche));
            ouvert = hint.isVisible();
            hint.close();
        });
        QCOMPARE(hint.exec(), int(resteOuvert ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(ouvert, resteOuvert);
        QCOMPARE(hint.Texte->text(), u"Ancien texte"_s);
    }

    // The help page of a context, opened beside the executable; what fails is said.
    void aide_data() {
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

    void aide() {
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

QTEST_MAIN(TestPetitsDialogues)
#include "tst_petitsdialogues.moc"
