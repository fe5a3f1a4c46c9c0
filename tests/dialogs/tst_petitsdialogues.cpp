#include "BancDialogues.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/THintDlg.h"
#include "dialogs/TRadioGroup.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

class TestPetitsDialogues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void toutTient();
    void aPropos();
    void hintResultat_data();
    void hintResultat();
};

// At the screen's own scale, no control reaches past its parent, and the comments of the About
// box fit their room.
void TestPetitsDialogues::toutTient() {
    THintDlg hint;
    TAboutBox about;
    TConfigDlg config;
    for (QWidget *parent :
         std::initializer_list<QWidget *>{&hint, &about, about.Panel1, &config, config.RadioGroup})
        for (QWidget *w : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY(parent->rect().contains(w->geometry()));
    QVERIFY(about.Comments->heightForWidth(about.Comments->width()) <=
            about.Comments->height() + 2);
}

void TestPetitsDialogues::aPropos() {
    TAboutBox about;
    QCOMPARE(about.windowTitle(), u"A propos de Tressola"_s);
    QCOMPARE(about.ProductName->text(), u"Tressola"_s);
    QCOMPARE(about.Version->text(), u"Version : Windows 95 / 32bit / Français"_s);
    QVERIFY(!about.Copyright->text().isEmpty());
    QVERIFY(!about.ProgramIcon->pixmap().isNull());
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
void TestPetitsDialogues::hintResultat_data() {
    QTest::addColumn<int>("touche"); // 0: a click on O&K
    QTest::addColumn<int>("modificateurs");
    QTest::addColumn<bool>("resteOuvert");

    QTest::newRow("clic sur O&K") << 0 << int(Qt::NoModifier) << false;
    QTest::newRow("Entrée") << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
    QTest::newRow("Alt+K") << int(Qt::Key_K) << int(Qt::AltModifier) << false;
    QTest::newRow("Échap") << int(Qt::Key_Escape) << int(Qt::NoModifier) << true;
}

void TestPetitsDialogues::hintResultat() {
    QFETCH(int, touche);
    QFETCH(int, modificateurs);
    QFETCH(bool, resteOuvert);
    THintDlg hint;
    QCOMPARE(hint.windowTitle(), u"Configurer l'info-bulle du tiroir"_s);
    QCOMPARE(hint.Label1->text(), u"&Texte de l'info - bulle du tiroir :"_s);
    QCOMPARE(hint.Label1->buddy(), hint.Texte);
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
            QTest::keyClick(hint.Texte, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
        if (!resteOuvert) // a mnemonic clicks its button a moment later
            QTRY_VERIFY(!hint.isVisible());
        ouvert = hint.isVisible();
        hint.close();
    });
    QCOMPARE(hint.exec(), int(resteOuvert ? QDialog::Rejected : QDialog::Accepted));
    QCOMPARE(ouvert, resteOuvert);
    QCOMPARE(hint.Texte->text(), u"Ancien texte"_s);
}

QTEST_MAIN(TestPetitsDialogues)
#include "tst_petitsdialogues.moc"
