// The keyboard and the mouse on a bar: F10, shortcuts by focus, and dragging the main bar by its
// background.

#include "barre/Enregistrements.h"
#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "board/Globales.h"
#include "dialogs/Messages.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// The bar menu opens just inside the bar's top-left corner.
void ouvrirMenuDeLaBarre(TBarreDlg *barre) {
    barre->PopupMenu->popup(barre->pos() + QPoint(10, 10));
}

} // namespace

void TBarreDlg::ButtKeyDown(QKeyEvent *evenement) {
    if (evenement->key() == Qt::Key_F10)
        ouvrirMenuDeLaBarre(this);
}

void TBarreDlg::FormKeyDown(QKeyEvent *evenement) {
    if (evenement->key() == Qt::Key_F10)
        ouvrirMenuDeLaBarre(this);
    QWidget *actif = focusWidget();
    if (AppliDuControle(this, actif) || TiroirDuControle(this, actif))
        actif->setFocus();
}

void TBarreDlg::FormMouseDown(QMouseEvent *evenement) {
    if (!EstPrincipale || evenement->button() != Qt::LeftButton || G.DeplacementEnCours)
        return;
    G.ClicX = qRound(evenement->position().x());
    G.ClicY = qRound(evenement->position().y());
    G.DeplacementEnCours = true;
}

void TBarreDlg::FormMouseMove(QMouseEvent *evenement) {
    if (!G.DeplacementEnCours)
        return;
    // The point pressed stays under the mouse. The screen position is used rather than the one
    // relative to the bar, which lags while the window system is still moving the window.
    move(evenement->globalPosition().toPoint() - QPoint(G.ClicX, G.ClicY));
}

void TBarreDlg::FormMouseUp(QMouseEvent *) {
    G.DeplacementEnCours = false;
}

void TBarreDlg::ModedeplacerClick() {
    G.ModeDeplacerActif = !G.ModeDeplacerActif;
    G.BarreDlg->Modedeplacer->setChecked(G.ModeDeplacerActif);
}

void TBarreDlg::keyPressEvent(QKeyEvent *evenement) {
    if (!Raccourci(this, evenement))
        FormKeyDown(evenement);
}

void TBarreDlg::mousePressEvent(QMouseEvent *evenement) {
    FormMouseDown(evenement);
}
void TBarreDlg::mouseMoveEvent(QMouseEvent *evenement) {
    FormMouseMove(evenement);
}
void TBarreDlg::mouseReleaseEvent(QMouseEvent *evenement) {
    FormMouseUp(evenement);
}

void TBarreDlg::contextMenuEvent(QContextMenuEvent *evenement) {
    PopupMenu->popup(evenement->globalPos());
}

bool TBarreDlg::eventFilter(QObject *objet, QEvent *evenement) {
    auto *controle = qobject_cast<QPushButton *>(objet);
    if (!controle)
        return false;
    switch (evenement->type()) {
    case QEvent::KeyPress: {
        auto *touche = static_cast<QKeyEvent *>(evenement);
        bool pris = false;
        Messages::Agir([&] { pris = Raccourci(controle, touche); });
        if (pris)
            return true;
        ButtKeyDown(touche);
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (auto *bouton = qobject_cast<TBitBtn *>(controle);
            bouton && AppliDuControle(this, bouton)) {
            MyMouseDown(bouton, static_cast<QMouseEvent *>(evenement));
            // Application buttons act through the drag alone: the press is theirs.
            return static_cast<QMouseEvent *>(evenement)->button() == Qt::LeftButton;
        }
        return false;
    case QEvent::MouseMove:
        if (boutonPresse_ == controle) {
            GlisserBouton();
            return true;
        }
        FormMouseMove(static_cast<QMouseEvent *>(evenement));
        return false;
    case QEvent::MouseButtonRelease:
        if (auto *bouton = qobject_cast<TBitBtn *>(controle); bouton && boutonPresse_ == bouton) {
            Messages::Agir([&] { RelacherBouton(bouton); });
            return true;
        }
        return false;
    case QEvent::ContextMenu:
        if (AppliDuControle(this, controle)) {
            Messages::Agir([this] { PopupMenuButtPopup(); });
            PopupMenuButt->popup(static_cast<QContextMenuEvent *>(evenement)->globalPos());
            return true;
        }
        return false;
    default:
        return false;
    }
}
