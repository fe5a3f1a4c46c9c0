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
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QWindow>
#include <qdrawutil.h>

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

// The sizing border, drawn by the chooser itself.
constexpr int Bord = 4;

// The caption, on a title bar without any button: window managers give every titled window at
// least a close box, and theirs would leave no room for the caption in so narrow a window. A
// press on it moves the chooser.
class BarreTitre : public QWidget {
public:
    explicit BarreTitre(QWidget *parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter peintre(this);
        peintre.fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
        peintre.setPen(palette().color(QPalette::Active, QPalette::HighlightedText));
        const QRect texte = rect().adjusted(3, 0, -3, 0);
        peintre.drawText(
            texte, Qt::AlignLeft | Qt::AlignVCenter,
            fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, texte.width()));
    }
    void mousePressEvent(QMouseEvent *evenement) override {
        if (evenement->button() == Qt::LeftButton && window()->windowHandle())
            window()->windowHandle()->startSystemMove();
    }
};

} // namespace

TChoixIconeDlg::TChoixIconeDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Choix de l'icône pour l'application"));
    setFont(PoliceDialogue(true));
    const int dpi = logicalDpiY();
    resize(Echelle(187, dpi), Echelle(103, dpi));
    setMouseTracking(true);
    Titre = new BarreTitre(this);
    Surface = new QWidget(this);
    const int hauteurTitre = fontMetrics().height() + 6;
    Titre->setGeometry(Bord, Bord, width() - 2 * Bord, hauteurTitre);
    Surface->move(Bord, Bord + hauteurTitre);
}

void TChoixIconeDlg::resizeEvent(QResizeEvent *evenement) {
    QDialog::resizeEvent(evenement);
    Titre->resize(width() - 2 * Bord, Titre->height());
    Surface->resize(width() - 2 * Bord, height() - Surface->y() - Bord);
}

void TChoixIconeDlg::paintEvent(QPaintEvent *) {
    QPainter peintre(this);
    qDrawWinPanel(&peintre, rect(), palette(), false);
}

Qt::Edges TChoixIconeDlg::BordsEn(QPoint point) const {
    Qt::Edges bords;
    if (point.x() < Bord)
        bords |= Qt::LeftEdge;
    if (point.x() >= width() - Bord)
        bords |= Qt::RightEdge;
    if (point.y() < Bord)
        bords |= Qt::TopEdge;
    if (point.y() >= height() - Bord)
        bords |= Qt::BottomEdge;
    return bords;
}

void TChoixIconeDlg::mousePressEvent(QMouseEvent *evenement) {
    const Qt::Edges bords = BordsEn(evenement->position().toPoint());
    if (evenement->button() == Qt::LeftButton && bords && windowHandle())
        windowHandle()->startSystemResize(bords);
}

void TChoixIconeDlg::mouseMoveEvent(QMouseEvent *evenement) {
    const Qt::Edges bords = BordsEn(evenement->position().toPoint());
    if (bords == (Qt::LeftEdge | Qt::TopEdge) || bords == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (bords == (Qt::RightEdge | Qt::TopEdge) || bords == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (bords & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (bords)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
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
        auto *bouton = new QToolButton(Surface);
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
