#pragma once

#include <QIcon>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

class QMenu;

// What the tray icon component asks of the desktop's notification area. The real one is the
// platform's tray (PlateauQt); tests put a recording stand-in in its place.

// The record handed to the notification area before every add and modify.
struct DonneesNotification {
    QIcon icone;
    QString infobulle;
};

// The mouse messages the notification area reports for the icon, with the values of the Windows
// messages they stand for.
enum class MessageSouris {
    Autre = 0,
    BoutonGaucheRelache = 0x202,
    DoubleClicGauche = 0x203,
    BoutonDroitRelache = 0x205,
};

class PlateauNotification {
public:
    virtual ~PlateauNotification() = default;

    // Put the icon into the notification area, change it, take it away; true on success.
    virtual bool Ajouter(const DonneesNotification &donnees) = 0;
    virtual bool Modifier(const DonneesNotification &donnees) = 0;
    virtual bool Supprimer(const DonneesNotification &donnees) = 0;

    // Gives the application its taskbar entry, or takes it away.
    virtual void MontrerApplication(bool montrer) = 0;
    // Brings the application forward before its menu opens.
    virtual void ApplicationAuPremierPlan() = 0;
    // Where the mouse is, in screen coordinates.
    virtual QPoint PositionSouris() = 0;
    // Lets the application handle the events that wait.
    virtual void TraiterMessagesEnAttente() = 0;
    // Opens the menu at a screen point and returns when it has closed.
    virtual void OuvrirMenu(QMenu *menu, const QPoint &position) = 0;
    // Where the icon stands on screen; empty while it is not shown.
    virtual QRect Geometrie() const = 0;

    // Where the mouse messages for the icon go, each in an event of its own, after the event that
    // caused it has been handled.
    std::function<void(MessageSouris)> Recepteur;
};
