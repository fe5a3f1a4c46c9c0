#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The product's name, icon, version and rights, shown modally from the bar menu.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QFrame *Panel1;
    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QLabel *Copyright;
    QLabel *Comments;
    QPushButton *OKButton;

protected:
    void showEvent(QShowEvent *evenement) override;

private:
    void FormCreate();
};
