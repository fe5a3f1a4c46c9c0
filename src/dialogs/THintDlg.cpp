#include "dialogs/THintDlg.h"

#include "dialogs/Cadres.h"
#include "dialogs/Echelle.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

THintDlg::THintDlg(QWidget *parent)
    : QDialog(parent, CadreFixe),
      Label1(new QLabel(QStringLiteral("&Texte de l'info - bulle du tiroir :"), this)),
      Texte(new QLineEdit(this)), BitBtn1(new QPushButton(QStringLiteral("O&K"), this)) {
    const int dpi = logicalDpiY();
    setObjectName(QStringLiteral("HintDlg"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Texte->setObjectName(QStringLiteral("Texte"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    setWindowTitle(QStringLiteral("Configurer l'info-bulle du tiroir"));
    setFixedSize(Echelle(418, dpi), Echelle(93, dpi));
    DonnerCadreFixe(this);
    move(333, 302);

    PlacerDessin(Label1, dpi, 17, 16);
    Label1->adjustSize();
    Label1->setBuddy(Texte);
    PlacerDessin(Texte, dpi, 17, 52, 281, 29);
    PlacerDessin(BitBtn1, dpi, 313, 50, 89, 33);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(Texte, BitBtn1);
}

// FormShow: every showing starts in the text.
void THintDlg::showEvent(QShowEvent *evenement) {
    QDialog::showEvent(evenement);
    Texte->setFocus(Qt::OtherFocusReason);
}

void THintDlg::keyPressEvent(QKeyEvent *evenement) {
    if (evenement->key() == Qt::Key_Escape) {
        evenement->accept();
        return;
    }
    QDialog::keyPressEvent(evenement);
}
