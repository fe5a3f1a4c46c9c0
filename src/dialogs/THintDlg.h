#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the tooltip text of a drawer strip. The caller puts the current text into `Texte`,
// shows the dialog modally, and reads `Texte` back only when it ends accepted (O&K or Enter).
// There is no cancel button and Escape does nothing: closing the window is the way to give up.
class THintDlg : public QDialog {
    Q_OBJECT
public:
    explicit THintDlg(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *Texte;
    QPushButton *BitBtn1;

protected:
    void showEvent(QShowEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;
};
