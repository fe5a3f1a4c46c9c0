#include "dialogs/TChoixIconeDlg.h"

#include "board/Globales.h"
#include "dialogs/Polices.h"
#include "logic/ChoixIcone.h"
#include "logic/Dimensions.h"
#include "logic/Echelle.h"
#include "logic/Moniteurs.h"
#include "platform/icons.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

namespace {

// The icon on a cleared square, so that its transparent parts stay transparent on the button;
// the icon is drawn with `ratio` device pixels per pixel.
QPixmap glyphe(const QImage &icone, qreal ratio) {
    const int cote = qRound(TailleIcone * ratio);
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!icone.isNull()) {
        QPainter peintre(&image);
        peintre.drawImage(0, 0, icone);
    }
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

} // namespace

TChoixIconeDlg::TChoixIconeDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Choix de l'icône pour l'application"));
    setFont(PoliceDialogue(true));
    const int dpi = logicalDpiY();
    resize(Echelle(187, dpi), Echelle(103, dpi));
}

void TChoixIconeDlg::showEvent(QShowEvent *evenement) {
    QDialog::showEvent(evenement);
    if (!evenement->spontaneous())
        FormShow();
}

void TChoixIconeDlg::hideEvent(QHideEvent *evenement) {
    QDialog::hideEvent(evenement);
    if (!evenement->spontaneous())
        FormHide();
}

void TChoixIconeDlg::FormShow() {
    const int nombre = NombreIconesOffertes(Nombre);
    for (int i = 0; i < nombre; ++i) {
        Images.append(iconImage(NomFichier, i, qRound(TailleIcone * devicePixelRatioF())));
        auto *bouton = new QToolButton(this);
        bouton->setAutoRaise(true);
        bouton->setFocusPolicy(Qt::NoFocus);
        bouton->setGeometry(GaucheBoutonIcone(i), HautBoutonIcone, CoteBoutonIcone,
                            CoteBoutonIcone);
        bouton->setIconSize(QSize(TailleIcone, TailleIcone));
        bouton->setIcon(glyphe(Images.constLast(), devicePixelRatioF()));
        connect(bouton, &QToolButton::clicked, this, [this, bouton] { ClicChoix(bouton); });
        bouton->show();
        Boutons.append(bouton);
    }

    resize(LargeurChoixIcone(nombre), height());
    const QRect ecran = screen() ? screen()->geometry() : QRect();
    if (!DejaMontre) {
        DejaMontre = true;
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), ecran).topLeft());
    }
    // The far edge is that of the monitor the chooser stands on; on the primary one, the width
    // read when the program started.
    QRect moniteur = screen() ? screen()->geometry() : QRect();
    if (G.LargeurEcran > 0 && screen() == QGuiApplication::primaryScreen())
        moniteur.setWidth(G.LargeurEcran);
    move(GaucheSurMoniteur(x(), width(), moniteur), y());
}

void TChoixIconeDlg::ClicChoix(QAbstractButton *bouton) {
    const qsizetype index = Boutons.indexOf(bouton);
    if (index < 0)
        return;
    Choisi = int(index);
    hide();
    if (Cible)
        Cible->setValue(Choisi);
}

void TChoixIconeDlg::FormHide() {
    // The click that hides the chooser is still being handled by one of these buttons: they go
    // once it has returned, and are hidden now so that a quick show again does not find them.
    for (QToolButton *bouton : std::as_const(Boutons)) {
        bouton->hide();
        bouton->deleteLater();
    }
    Boutons.clear();
    Images.clear();
    setResult(QDialog::Accepted);
}
