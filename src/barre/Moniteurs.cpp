#include "barre/Moniteurs.h"

#include "barre/Disposition.h"
#include "barre/TBarreDlg.h"
#include "board/Globales.h"
#include "platform/Ecran.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace {

// The window manager moves windows off a lost monitor by itself, before or after the program hears
// of the change, and may leave a bar with a few pixels on a monitor. For a short while after each
// change, every move of a window of the program has the bars checked again.
class Surveillant : public QObject {
public:
    explicit Surveillant(QObject *parent) : QObject(parent) {
        verification_.setSingleShot(true);
        verification_.setInterval(0);
        connect(&verification_, &QTimer::timeout, this, RamenerSurLesMoniteurs);
        fin_.setSingleShot(true);
        fin_.setInterval(2000);
        connect(&fin_, &QTimer::timeout, this,
                [this] { QCoreApplication::instance()->removeEventFilter(this); });
    }

    void changement() {
        if (!fin_.isActive())
            QCoreApplication::instance()->installEventFilter(this);
        fin_.start();
        verification_.start();
    }

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override {
        if (evenement->type() == QEvent::Move && objet->isWidgetType())
            verification_.start();
        return false;
    }

private:
    QTimer verification_;
    QTimer fin_;
};

} // namespace

QList<Moniteur> MoniteursDuBureau() {
    QList<Moniteur> liste;
    for (const platform::Moniteur &m : platform::moniteurs())
        liste.append({m.ecran, m.travail});
    return liste;
}

void RamenerSurLesMoniteurs() {
    TBarreDlg *principale = G.BarreDlg;
    if (!principale)
        return;
    // Moving the bar places its drawers again (its move handler); a bar that stays where it is
    // still has them placed, since the window manager may have moved them.
    const QPoint ici = PlaceApresChangement(MoniteursDuBureau(), principale->geometry());
    if (ici != principale->pos())
        principale->move(ici);
    else
        PlacerTiroirs();
}

void SuivreMoniteurs(TBarreDlg *barrePrincipale) {
    auto *surveillant = new Surveillant(barrePrincipale);
    platform::suivreMoniteurs(barrePrincipale, [surveillant] { surveillant->changement(); });
}
