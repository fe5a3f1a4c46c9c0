#include "dialogs/TAboutBox.h"
#include "dialogs/THintDlg.h"
#include "logic/Echelle.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Runs a dialog modally; `pendant` acts on it once it is the modal window, and the dialog must be
// closed by then or by the actions it starts. Returns the dialog's result.
int Executer(QDialog &dialogue, std::function<void()> pendant, bool *vuModal) {
    *vuModal = false;
    QTimer::singleShot(0, &dialogue, [&dialogue, pendant, vuModal] {
        *vuModal = QApplication::activeModalWidget() == &dialogue;
        pendant();
        // Whatever happened, never leave the test waiting on an open dialog.
        QTimer::singleShot(2000, &dialogue, [&dialogue] {
            if (dialogue.isVisible())
                dialogue.done(-1);
        });
    });
    return dialogue.exec();
}

} // namespace

class TestPetitsDialogues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void disposition_data();
    void disposition();
    void textes();
    void hintResultat_data();
    void hintResultat();
    void hintFocusAChaqueAffichage();
    void aboutBox();
};

// Designed figures at 120 pixels per inch; width and height -1 where only the place is designed.
void TestPetitsDialogues::disposition_data() {
    QTest::addColumn<QString>("dialogue");
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QRect>("dessin");

    QTest::newRow("hint: Label1") << u"hint"_s << u"Label1"_s << QRect(17, 16, -1, -1);
    QTest::newRow("hint: Texte") << u"hint"_s << u"Texte"_s << QRect(17, 52, 281, 29);
    QTest::newRow("hint: BitBtn1") << u"hint"_s << u"BitBtn1"_s << QRect(313, 50, 89, 33);
    QTest::newRow("about: Panel1") << u"about"_s << u"Panel1"_s << QRect(12, 10, 383, 201);
    QTest::newRow("about: ProgramIcon") << u"about"_s << u"ProgramIcon"_s << QRect(74, 18, 32, 32);
    QTest::newRow("about: ProductName") << u"about"_s << u"ProductName"_s << QRect(142, 20, -1, -1);
    QTest::newRow("about: Version") << u"about"_s << u"Version"_s << QRect(27, 66, 329, 21);
    QTest::newRow("about: Copyright") << u"about"_s << u"Copyright"_s << QRect(83, 100, -1, -1);
    QTest::newRow("about: Comments") << u"about"_s << u"Comments"_s << QRect(73, 144, 236, 33);
    QTest::newRow("about: OKButton") << u"about"_s << u"OKButton"_s << QRect(155, 223, 96, 33);
}

void TestPetitsDialogues::disposition() {
    QFETCH(QString, dialogue);
    QFETCH(QString, controle);
    QFETCH(QRect, dessin);

    THintDlg hint;
    TAboutBox about;
    QDialog *d = dialogue == u"hint"_s ? static_cast<QDialog *>(&hint) : &about;
    const int dpi = d->logicalDpiY();
    auto *w = d->findChild<QWidget *>(controle);
    QVERIFY(w);
    QCOMPARE(w->pos(), QPoint(Echelle(dessin.x(), dpi), Echelle(dessin.y(), dpi)));
    if (dessin.width() >= 0)
        QCOMPARE(w->size(), QSize(Echelle(dessin.width(), dpi), Echelle(dessin.height(), dpi)));
    // Every control lies inside its parent.
    QVERIFY(w->parentWidget()->rect().contains(w->geometry()));
}

void TestPetitsDialogues::textes() {
    THintDlg hint;
    const int dpi = hint.logicalDpiY();
    QCOMPARE(hint.windowTitle(), u"Configurer l'info-bulle du tiroir"_s);
    QCOMPARE(hint.Label1->text(), u"&Texte de l'info - bulle du tiroir :"_s);
    QCOMPARE(hint.Label1->buddy(), hint.Texte);
    QCOMPARE(hint.BitBtn1->text(), u"O&K"_s);
    QVERIFY(hint.BitBtn1->isDefault());
    QVERIFY(!hint.BitBtn1->icon().isNull());
    QCOMPARE(hint.size(), QSize(Echelle(418, dpi), Echelle(93, dpi)));
    QCOMPARE(hint.minimumSize(), hint.maximumSize());
    QCOMPARE(hint.pos(), QPoint(333, 302));
    QCOMPARE(hint.Texte->nextInFocusChain(), hint.BitBtn1);

    TAboutBox about;
    QCOMPARE(about.windowTitle(), u"A propos de Tressola"_s);
    QCOMPARE(about.ProductName->text(), u"Tressola"_s);
    QVERIFY(about.ProductName->font().bold());
    QCOMPARE(about.Version->text(), u"Version : Windows 95 / 32bit / Français"_s);
    QVERIFY(about.Version->font().bold() && about.Version->font().italic());
    QVERIFY(about.Version->alignment() & Qt::AlignHCenter);
    QVERIFY(!about.Copyright->text().isEmpty() && about.Copyright->font().bold());
    QVERIFY(about.Comments->wordWrap());
    QVERIFY(!about.ProgramIcon->pixmap().isNull());
    QCOMPARE(about.size(), QSize(Echelle(406, dpi), Echelle(266, dpi)));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    // The texts fit where they are designed.
    for (QLabel *l : {about.ProductName, about.Copyright})
        QVERIFY(about.Panel1->rect().contains(l->geometry()));
    QVERIFY(about.Comments->heightForWidth(about.Comments->width()) <=
            about.Comments->height() + 2);
}

void TestPetitsDialogues::hintResultat_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("resultat");
    QTest::newRow("clic sur O&K") << u"clic"_s << int(QDialog::Accepted);
    QTest::newRow("Entree dans le texte") << u"entree"_s << int(QDialog::Accepted);
    QTest::newRow("Alt+K") << u"alt+k"_s << int(QDialog::Accepted);
    QTest::newRow("Echap ne ferme pas, la case de fermeture si")
        << u"echap"_s << int(QDialog::Rejected);
    QTest::newRow("case de fermeture") << u"fermer"_s << int(QDialog::Rejected);
}

void TestPetitsDialogues::hintResultat() {
    QFETCH(QString, action);
    QFETCH(int, resultat);

    THintDlg hint;
    hint.Texte->setText(u"Ancien"_s);
    bool vuModal = false, ouvertApresEchap = false;
    const int r = Executer(
        hint,
        [&] {
            QTest::keyClick(hint.Texte, Qt::Key_End);
            QTest::keyClicks(hint.Texte, u" texte"_s);
            if (action == u"clic"_s) {
                QTest::mouseClick(hint.BitBtn1, Qt::LeftButton);
            } else if (action == u"entree"_s) {
                QTest::keyClick(hint.Texte, Qt::Key_Return);
            } else if (action == u"alt+k"_s) {
                hint.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&hint));
                QTest::keyClick(hint.Texte, Qt::Key_K, Qt::AltModifier);
            } else if (action == u"echap"_s) {
                QTest::keyClick(hint.Texte, Qt::Key_Escape);
                QTest::keyClick(hint.BitBtn1, Qt::Key_Escape);
                ouvertApresEchap = hint.isVisible();
                hint.close();
            } else {
                hint.close();
            }
        },
        &vuModal);
    QVERIFY(vuModal);
    QCOMPARE(r, resultat);
    QCOMPARE(hint.Texte->text(), u"Ancien texte"_s);
    if (action == u"echap"_s)
        QVERIFY(ouvertApresEchap);
}

void TestPetitsDialogues::hintFocusAChaqueAffichage() {
    THintDlg hint;
    for (int fois = 0; fois < 2; ++fois) {
        QWidget *focus = nullptr;
        bool vuModal = false;
        Executer(
            hint,
            [&] {
                focus = hint.focusWidget();
                hint.BitBtn1->setFocus(); // left on the button when the dialog closes
                hint.BitBtn1->click();
            },
            &vuModal);
        QVERIFY(vuModal);
        QCOMPARE(focus, hint.Texte);
    }
}

void TestPetitsDialogues::aboutBox() {
    TAboutBox about;
    QWidget *focus = nullptr;
    bool vuModal = false;
    const int r = Executer(
        about,
        [&] {
            focus = about.focusWidget();
            QTest::mouseClick(about.OKButton, Qt::LeftButton);
        },
        &vuModal);
    QVERIFY(vuModal);
    QCOMPARE(r, int(QDialog::Accepted));
    QCOMPARE(focus, about.OKButton);
}

QTEST_MAIN(TestPetitsDialogues)
#include "tst_petitsdialogues.moc"
