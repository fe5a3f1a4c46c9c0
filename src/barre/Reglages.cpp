// The bar's settings commands: orientation, start-up place and stay-on-top.

#include "barre/Reglages.h"

#include "barre/Disposition.h"
#include "barre/TBarreDlg.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/Tableau.h"

#include <QTimer>
#include <tuple>

void ChangerReglages(const std::function<void()> &changer) {
    // A change that cannot be recorded does not happen: memory, screen and file keep the old
    // settings, so the menu's check marks never tell of a setting the bar does not have.
    const auto avant =
        std::tuple(G.Orientation, G.Position, G.StayOnTop, G.FermetureAuto, G.PosX, G.PosY);
    changer();
    try {
        SauverReglages();
    } catch (...) {
        std::tie(G.Orientation, G.Position, G.StayOnTop, G.FermetureAuto, G.PosX, G.PosY) = avant;
        throw;
    }
}

void TBarreDlg::ChoisirOrientation(quint8 orientation) {
    ChangerReglages([&] { G.Orientation = orientation; });
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
    ChangerReglages([&] { G.Position = position; });
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
    ChangerReglages([] {
        G.PosX = G.BarreDlg->x();
        G.PosY = G.BarreDlg->y();
        G.Position = 4;
    });
    PlacerAuLancement();
}

void TBarreDlg::RevenirPositionClick() {
    PlacerAuLancement();
}

void TBarreDlg::StayOnTopClick() {
    ChangerReglages([] { G.StayOnTop = !G.StayOnTop; });
    AppliquerPremierPlan(this);
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
