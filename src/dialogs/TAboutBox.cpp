#include "dialogs/TAboutBox.h"

#include "dialogs/Cadres.h"
#include "dialogs/Echelle.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QFont TimesNewRoman(int points, bool italique) {
    QFont police(QStringLiteral("Times New Roman"), points, QFont::Bold, italique);
    police.setStyleHint(QFont::Serif); // where that face is missing, the serif face that stands in
    return police;
}

} // namespace

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, CadreFixe), Panel1(new QFrame(this)), ProgramIcon(new QLabel(Panel1)),
      ProductName(new QLabel(QStringLiteral("Tressola"), Panel1)), Version(new QLabel(Panel1)),
      Copyright(new QLabel(QStringLiteral("© 2026 Les auteurs de Tressola"), Panel1)),
      Comments(new QLabel(
          QStringLiteral("Sans aucune garantie. Contact : les auteurs de Tressola."), Panel1)),
      OKButton(new QPushButton(QStringLiteral("OK"), this)) {
    const int dpi = logicalDpiY();
    setObjectName(QStringLiteral("AboutBox"));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProductName->setObjectName(QStringLiteral("ProductName"));
    Version->setObjectName(QStringLiteral("Version"));
    Copyright->setObjectName(QStringLiteral("Copyright"));
    Comments->setObjectName(QStringLiteral("Comments"));
    OKButton->setObjectName(QStringLiteral("OKButton"));
    setWindowTitle(QStringLiteral("A propos de Tressola"));
    setFixedSize(Echelle(406, dpi), Echelle(266, dpi));
    DonnerCadreFixe(this);

    // A lowered outer bevel around a raised inner one.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    PlacerDessin(Panel1, dpi, 12, 10, 383, 201);

    const int cote = Echelle(32, dpi);
    QIcon icone = QApplication::windowIcon();
    if (icone.isNull())
        icone = style()->standardIcon(QStyle::SP_DesktopIcon);
    ProgramIcon->setPixmap(icone.pixmap(cote, cote));
    PlacerDessin(ProgramIcon, dpi, 74, 18, 32, 32);

    ProductName->setFont(TimesNewRoman(20, false));
    PlacerDessin(ProductName, dpi, 142, 20);
    ProductName->adjustSize();

    Version->setFont(TimesNewRoman(12, true));
    Version->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PlacerDessin(Version, dpi, 27, 66, 329, 21);

    QFont gras = Copyright->font();
    gras.setBold(true);
    Copyright->setFont(gras);
    PlacerDessin(Copyright, dpi, 83, 100);
    Copyright->adjustSize();

    QFont petite = Comments->font();
    petite.setPointSize(8); // two lines in the designed room
    Comments->setFont(petite);
    Comments->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Comments->setWordWrap(true);
    PlacerDessin(Comments, dpi, 73, 144, 236, 33);

    OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKButton->setDefault(true);
    PlacerDessin(OKButton, dpi, 155, 223, 96, 33);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

void TAboutBox::FormCreate() {
    Version->setText(QStringLiteral("Version : Windows 95 / 32bit / Français"));
}

void TAboutBox::showEvent(QShowEvent *evenement) {
    QDialog::showEvent(evenement);
    OKButton->setFocus(Qt::OtherFocusReason);
}
