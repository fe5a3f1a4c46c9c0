// The three popup menus of a bar, what they show when they open, and their shortcuts.

#include "barre/Enregistrements.h"
#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/Session.h"
#include "board/Tableau.h"
#include "dialogs/Messages.h"
#include "logic/Disposition.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMenu>

namespace {

// An item of a menu, with the handler it runs; every action of the user goes through the error
// report.
template <class F>
QAction *item(QMenu *menu, const QString &texte, QKeySequence raccourci, TBarreDlg *barre,
              F &&handler) {
    QAction *action = menu->addAction(texte);
    action->setShortcut(raccourci);
    // The bar dispatches shortcuts itself, by the focused control's menu: Qt's own mechanism
    // must not see them.
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, barre, [barre, handler] {
        Messages::Agir([barre, handler] { (barre->*handler)(); });
    });
    return action;
}

QAction *cochable(QAction *action) {
    action->setCheckable(true);
    return action;
}

constexpr auto Ctrl = Qt::CTRL;

} // namespace

void TBarreDlg::CreerMenus() {
    PopupMenu = new QMenu(this);
    connect(PopupMenu, &QMenu::aboutToShow, this, [this] { PopupMenuPopup(); });
    Fermer = item(PopupMenu, QStringLiteral("&Quitter"), QKeySequence(Qt::ALT | Qt::Key_F4), this,
                  &TBarreDlg::FermerClick);
    PopupMenu->addSeparator();
    Aide = item(PopupMenu, QStringLiteral("&Aide"), QKeySequence(Qt::Key_F1), this,
                &TBarreDlg::AideClick);
    AproposdeTressola = item(PopupMenu, QStringLiteral("A propos de &Tressola"), {}, this,
                             &TBarreDlg::AproposdeTressolaClick);
    PopupMenu->addSeparator();
    InsererFin = item(PopupMenu, QStringLiteral("&Insérer (à la fin)"),
                      QKeySequence(Ctrl | Qt::Key_F), this, &TBarreDlg::InsererFinClick);
    PopupMenu->addSeparator();
    StayOnTop = cochable(item(PopupMenu, QStringLiteral("&Toujours visible"),
                              QKeySequence(Ctrl | Qt::Key_T), this, &TBarreDlg::StayOnTopClick));
    Fermetureautomatiquedestiroirs1 = cochable(
        item(PopupMenu, QStringLiteral("Tiroirs &automatiques"), QKeySequence(Ctrl | Qt::Key_A),
             this, &TBarreDlg::Fermetureautomatiquedestiroirs1Click));
    PopupMenu->addSeparator();
    Modedeplacer =
        cochable(item(PopupMenu, QStringLiteral("&Mode déplacer"), QKeySequence(Ctrl | Qt::Key_M),
                      this, &TBarreDlg::ModedeplacerClick));
    Arra0 = PopupMenu->addMenu(QStringLiteral("Arrangement :"));
    Horizontal = cochable(item(Arra0, QStringLiteral("&Horizontal"), QKeySequence(Ctrl | Qt::Key_H),
                               this, &TBarreDlg::HorizontalClick));
    Vertical = cochable(item(Arra0, QStringLiteral("&Vertical"), QKeySequence(Ctrl | Qt::Key_V),
                             this, &TBarreDlg::VerticalClick));
    Posi0 = PopupMenu->addMenu(QStringLiteral("Position au lancement :"));
    Quelconque = cochable(item(Posi0, QStringLiteral("&Quelconque (ici)"),
                               QKeySequence(Ctrl | Qt::Key_Q), this, &TBarreDlg::QuelconqueClick));
    hg = cochable(item(Posi0, QStringLiteral("En haut à gauche"), QKeySequence(Ctrl | Qt::Key_1),
                       this, &TBarreDlg::hgClick));
    bg = cochable(item(Posi0, QStringLiteral("En bas à gauche"), QKeySequence(Ctrl | Qt::Key_2),
                       this, &TBarreDlg::bgClick));
    bm = cochable(item(Posi0, QStringLiteral("En bas au milieu"), QKeySequence(Ctrl | Qt::Key_3),
                       this, &TBarreDlg::bmClick));
    bd = cochable(item(Posi0, QStringLiteral("En bas à droite"), QKeySequence(Ctrl | Qt::Key_4),
                       this, &TBarreDlg::bdClick));
    RevenirPosition = item(PopupMenu, QStringLiteral("&Revenir à position sauvée"),
                           QKeySequence(Ctrl | Qt::Key_R), this, &TBarreDlg::RevenirPositionClick);
    PopupMenu->addSeparator();
    DemarrerSession = cochable(item(PopupMenu, QStringLiteral("&Démarrer avec la session"), {},
                                    this, &TBarreDlg::DemarrerSessionClick));

    PopupMenuButt = new QMenu(this);
    Lancer = item(PopupMenuButt, QStringLiteral("&Lancer"), QKeySequence(Ctrl | Qt::Key_Return),
                  this, &TBarreDlg::LancerClick);
    Inserer = item(PopupMenuButt, QStringLiteral("&Insérer (avant)"),
                   QKeySequence(Ctrl | Qt::Key_A), this, &TBarreDlg::InsererClick);
    Atteindre = item(PopupMenuButt, QStringLiteral("Atteindre l'&original"),
                     QKeySequence(Ctrl | Qt::Key_O), this, &TBarreDlg::AtteindreClick);
    ConfigurerAppli = item(PopupMenuButt, QStringLiteral("&Configurer l'application"),
                           QKeySequence(Ctrl | Qt::Key_C), this, &TBarreDlg::ConfigurerAppliClick);
    Detruire = item(PopupMenuButt, QStringLiteral("&Détruire"),
                    QKeySequence(Qt::SHIFT | Qt::Key_Delete), this, &TBarreDlg::DetruireClick);

    PopupMenuTiroirs = new QMenu(this);
    OuvrirFermer = item(PopupMenuTiroirs, QStringLiteral("&Ouvrir / Fermer"),
                        QKeySequence(Ctrl | Qt::Key_Return), this, &TBarreDlg::TiroirClick);
    InsererPremier = item(PopupMenuTiroirs, QStringLiteral("Insérer un premier bouton"),
                          QKeySequence(Ctrl | Qt::Key_P), this, &TBarreDlg::InsererPremierClick);
    ConfigHint = item(PopupMenuTiroirs, QStringLiteral("Choisir texte de l'info-&bulle"),
                      QKeySequence(Ctrl | Qt::Key_B), this, &TBarreDlg::ConfigHintClick);
}

void TBarreDlg::PopupMenuPopup() {
    Fermer->setText(EstPrincipale ? QStringLiteral("&Quitter")
                                  : QStringLiteral("&Fermer cette fenêtre"));
    Modedeplacer->setEnabled(EstPrincipale);
    const CochesMenu c = CochesMenuBarre(G.Orientation, G.Position, G.StayOnTop, G.FermetureAuto);
    Horizontal->setChecked(c.Horizontal);
    Vertical->setChecked(c.Vertical);
    hg->setChecked(c.hg);
    bg->setChecked(c.bg);
    bd->setChecked(c.bd);
    bm->setChecked(c.bm);
    Quelconque->setChecked(c.Quelconque);
    StayOnTop->setChecked(c.StayOnTop);
    Fermetureautomatiquedestiroirs1->setChecked(c.Fermetureautomatiquedestiroirs1);
    DemarrerSession->setChecked(DemarreAvecSession());
}

void TBarreDlg::PopupMenuButtPopup() {
    if (TBoutonAppli *r = AppliEnPoint(QCursor::pos() - pos()))
        r->Bouton->setFocus();
}

namespace {

// The item of `menu` or of its submenus that carries `touches`, with whether it and every menu
// above it are enabled.
QAction *chercher(QMenu *menu, const QKeySequence &touches, bool &actif) {
    for (QAction *a : menu->actions()) {
        if (a->menu()) {
            bool sousActif = true;
            if (QAction *trouve = chercher(a->menu(), touches, sousActif)) {
                actif = a->isEnabled() && sousActif;
                return trouve;
            }
        } else if (!a->isSeparator() && a->shortcut() == touches) {
            actif = a->isEnabled();
            return a;
        }
    }
    return nullptr;
}

} // namespace

// A key combination goes first to the menu of the focused control, then to the bar's own menu;
// the first item that carries it fires if it is enabled, and swallows the key if it is not.
bool TBarreDlg::Raccourci(QWidget *controle, QKeyEvent *evenement) {
    QKeyCombination combinaison = evenement->keyCombination();
    // The keypad's Enter is Enter.
    if (combinaison.key() == Qt::Key_Enter)
        combinaison =
            QKeyCombination(combinaison.keyboardModifiers() & ~Qt::KeypadModifier, Qt::Key_Return);
    const QKeySequence touches(combinaison);
    QList<QMenu *> menus;
    if (AppliDuControle(this, controle)) {
        menus.append(PopupMenuButt);
    } else if (TBoutonTiroir *t = TiroirDuControle(this, controle)) {
        // The drawer menu's enabling holds for the strip that has the focus now, whatever the
        // menu's last opening left.
        ActiverMenuTiroirs(t);
        menus.append(PopupMenuTiroirs);
    }
    menus.append(PopupMenu);
    for (QMenu *menu : menus) {
        bool actif = true;
        if (QAction *action = chercher(menu, touches, actif)) {
            if (actif)
                action->trigger();
            return true;
        }
    }
    return false;
}
