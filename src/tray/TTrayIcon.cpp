#include "tray/TTrayIcon.h"

#include "logic/Texte.h"
#include "tray/PlateauQt.h"

TTrayIcon::TTrayIcon(QObject *owner) : TTrayIcon(owner, std::make_unique<PlateauQt>(owner)) {}

TTrayIcon::TTrayIcon(QObject *owner, std::unique_ptr<PlateauNotification> plateau)
    : QObject(owner), plateau_(std::move(plateau)) {
    plateau_->Recepteur = [this](MessageSouris message) { Notification(message); };
    SetShowApp(false);
}

TTrayIcon::~TTrayIcon() {
    if (active_)
        Supprimer();
}

void TTrayIcon::Remplir() {
    donnees_.icone = icon_;
    donnees_.infobulle = toolTip_;
}

bool TTrayIcon::Ajouter() {
    Remplir();
    const bool ok = plateau_->Ajouter(donnees_);
    // Some notification areas keep no empty tooltip given with the icon: it is given again once
    // the icon is in.
    if (toolTip_.isEmpty())
        QMetaObject::invokeMethod(
            this, [this] { SetToolTip(toolTip_); }, Qt::QueuedConnection);
    return ok;
}

bool TTrayIcon::Modifier() {
    Remplir();
    return active_ && plateau_->Modifier(donnees_);
}

// With the record as it was last filled: it names the icon that is in the notification area.
bool TTrayIcon::Supprimer() {
    return plateau_->Supprimer(donnees_);
}

void TTrayIcon::SetActive(bool v) {
    if (v == active_)
        return;
    active_ = v;
    if (v)
        Ajouter();
    else
        Supprimer();
}

void TTrayIcon::SetIcon(const QIcon &v) {
    if (&v == &icon_)
        return;
    icon_ = v;
    Modifier();
}

void TTrayIcon::SetShowApp(bool v) {
    showApp_ = v;
    plateau_->MontrerApplication(v);
}

void TTrayIcon::SetToolTip(const QString &s) {
    toolTip_ = PremiersCaracteres(s, LongueurMaxToolTip);
    Modifier();
}

void TTrayIcon::Notification(MessageSouris message) {
    switch (message) {
    case MessageSouris::BoutonGaucheRelache:
        if (OnClick)
            OnClick(this);
        break;
    case MessageSouris::DoubleClicGauche:
        if (OnDblClick)
            OnDblClick(this);
        break;
    case MessageSouris::BoutonDroitRelache:
        ClicDroit();
        break;
    case MessageSouris::Autre:
        break;
    }
}

void TTrayIcon::ClicDroit() {
    const QPoint position = plateau_->PositionSouris();
    if (PopupMenu) {
        // An item of the menu may end the program, and this component with it.
        const QPointer<TTrayIcon> vivant(this);
        plateau_->ApplicationAuPremierPlan();
        plateau_->TraiterMessagesEnAttente();
        if (!vivant)
            return;
        if (PopupMenu)
            plateau_->OuvrirMenu(PopupMenu, position);
        if (!vivant)
            return;
    }
    if (OnRightClick)
        OnRightClick(this, Qt::RightButton, Qt::NoModifier, position.x(), position.y());
}
