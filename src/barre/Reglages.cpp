// The bar's settings commands: orientation, start-up place and stay-on-top.

#include "barre/Disposition.h"
#include "barre/TBarreDlg.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/Tableau.h"

#include <QTimer>

void TBarreDlg::ChoisirOrientation(quint8 orientation) {
    // A switch that cannot be recorded does not happen: the bars, their arrows and the file
    // all keep the old orientation.
    const quint8 ancienne = G.Orientation;
    G.Orientation = orientation;
    try {
        SauverReglages();
    } catch (...) {
        G.Orientation = ancienne;
        throw;
    }
    Arranger(G.BarreDlg);
    ArrangerTiroirs();
    PlacerTiroirs();
}

void TBarreDlg::HorizontalClick() {
    ChoisirOrientation(0);
}
void TBarreDlg::VerticalClick() {
    ChoisirOrientation(1);
}

void TBarreDlg::ChoisirPosition(quint8 position) {
    G.Position = position;
    SauverReglages();
    PlacerAuLancement();
}

void TBarreDlg::hgClick() {
    ChoisirPosition(0);
}
void TBarreDlg::bgClick() {
    ChoisirPosition(1);
}
void TBarreDlg::bdClick() {
    ChoisirPosition(2);
}
void TBarreDlg::bmClick() {
    ChoisirPosition(3);
}

void TBarreDlg::QuelconqueClick() {
    G.PosX = G.BarreDlg->x();
    G.PosY = G.BarreDlg->y();
    ChoisirPosition(4);
}

void TBarreDlg::RevenirPositionClick() {
    PlacerAuLancement();
}

void TBarreDlg::StayOnTopClick() {
    G.StayOnTop = !G.StayOnTop;
    AppliquerPremierPlan(this);
    SauverReglages();
}

void TBarreDlg::FormPaint() {
    if (!EstPrincipale || windowFlags().testFlag(Qt::WindowStaysOnTopHint) == G.StayOnTop)
        return;
    // The style cannot change while the window paints: it changes right after.
    QTimer::singleShot(0, this, [this] { AppliquerPremierPlan(this); });
}

void TBarreDlg::paintEvent(QPaintEvent *) {
    FormPaint();
}

void TBarreDlg::moveEvent(QMoveEvent *) {
    // Open and hidden drawers follow the main bar; nothing is recorded.
    if (EstPrincipale && ListeTiroirs)
        PlacerTiroirs();
}
