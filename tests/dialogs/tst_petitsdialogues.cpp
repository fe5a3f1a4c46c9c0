#include "BancDialogues.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/THintDlg.h"

#include <QLineEdit>
#include <QPushButton>

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
};

QTEST_MAIN(TestPetitsDialogues)
#include "tst_petitsdialogues.moc"
