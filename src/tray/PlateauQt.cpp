#include "tray/PlateauQt.h"

#include "platform/BarreDesTaches.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMenu>

namespace {

MessageSouris Message(QSystemTrayIcon::ActivationReason raison) {
    switch (raison) {
    case QSystemTrayIcon::Trigger:
        return MessageSouris::BoutonGaucheRelache;
    case QSystemTrayIcon::DoubleClick:
        return MessageSouris::DoubleClicGauche;
    case QSystemTrayIcon::Context:
        return MessageSouris::BoutonDroitRelache;
    default:
        return MessageSouris::Autre;
    }
}

} // namespace

PlateauQt::PlateauQt(QObject *proprietaire) {
    if (auto *widget = qobject_cast<QWidget *>(proprietaire))
        application_ = widget->window();
    // Queued, so that the press that caused it is over before a menu opens.
    QObject::connect(
        &icone_, &QSystemTrayIcon::activated, &icone_,
        [this](QSystemTrayIcon::ActivationReason raison) {
            if (Recepteur)
                Recepteur(Message(raison));
        },
        Qt::QueuedConnection);
}

void PlateauQt::Remplir(const DonneesNotification &donnees) {
    icone_.setIcon(donnees.icone);
    icone_.setToolTip(donnees.infobulle);
}

bool PlateauQt::Ajouter(const DonneesNotification &donnees) {
    Remplir(donnees);
    icone_.show();
    return QSystemTrayIcon::isSystemTrayAvailable() && !donnees.icone.isNull();
}

bool PlateauQt::Modifier(const DonneesNotification &donnees) {
    Remplir(donnees);
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool PlateauQt::Supprimer(const DonneesNotification &) {
    icone_.hide();
    return true;
}

void PlateauQt::MontrerApplication(bool montrer) {
    if (!application_)
        return;
    application_->winId(); // the native window, even before the widget is first shown
    platform::montrerDansBarreDesTaches(application_->windowHandle(), montrer);
}

// The menu takes the mouse and keyboard itself when it opens, and the application has no hidden
// window of its own to bring forward; raising the bar here would move it for nothing.
void PlateauQt::ApplicationAuPremierPlan() {}

QPoint PlateauQt::PositionSouris() {
    return QCursor::pos();
}

void PlateauQt::TraiterMessagesEnAttente() {
    QCoreApplication::processEvents();
}

void PlateauQt::OuvrirMenu(QMenu *menu, const QPoint &position) {
    menu->exec(position);
}

QRect PlateauQt::Geometrie() const {
    return icone_.isVisible() ? icone_.geometry() : QRect();
}
