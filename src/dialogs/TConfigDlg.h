#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TChoixIconeDlg;
class TRadioGroup;

// The dialog in which the user edits one application button. Its owner puts the button's six
// values into the six value controls, runs exec(), and reads them back only when exec() returns
// QDialog::Accepted:
//
//   LigneCommande->text()     command line        (LigCom)
//   Repertoire->text()        working directory   (WDir)
//   Infobulle->text()         tooltip             (Hint)
//   Executable->text()        icon source file    (Name)
//   Numero->value()           icon number         (Icon)
//   RadioGroup->ItemIndex()   window at launch    (Lancement: 0 normal, 1 maximised, 2 minimised)
//
// The dialog writes nothing anywhere itself; cancelling leaves the owner's values as they were.
class TConfigDlg : public QDialog {
    Q_OBJECT
public:
    explicit TConfigDlg(QWidget *parent = nullptr);
    ~TConfigDlg() override;

    QLineEdit *LigneCommande;
    QLineEdit *Repertoire;
    QLineEdit *Infobulle;
    QLineEdit *Executable;
    QSpinBox *Numero; // any whole number; a text that is not one reads as 0
    TRadioGroup *RadioGroup;

    QPushButton *Parcourir1;
    QPushButton *Parcourir2;
    QPushButton *Choisir;
    QPushButton *SauverBMP;
    QPushButton *OKBtn;
    QPushButton *HelpBtn;
    QPushButton *EffacerBtn;
    QPushButton *CancelBtn;

    QLabel *Label1; // command line
    QLabel *Label2; // icon source
    QLabel *Label3; // icon number
    QLabel *Label4; // working directory
    QLabel *Label5; // tooltip
    QFrame *Bevel1;
    QLabel *Image1; // hidden; holds the picture of the last bitmap export

    void LigneCommandeExit();
    void RepertoireExit();
    void Parcourir1Click();
    void Parcourir2Click();
    void ChoisirClick();
    void SauverBMPICOClick();
    void EffacerBtnClick();
    void HelpBtnClick();
    void FormKeyPress(QChar touche);

    // The icon chooser that ChoisirClick opens: the program's shared one when there is one,
    // otherwise one of this dialog's own.
    TChoixIconeDlg *ChoixIcone();

protected:
    void showEvent(QShowEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;

private:
    void Construire();
    void FocusDeplace(QWidget *ancien, QWidget *nouveau);

    bool DejaMontre = false;
    TChoixIconeDlg *PropreChoix = nullptr;
};
