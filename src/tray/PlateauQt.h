#pragma once

#include "tray/PlateauNotification.h"

#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>

// The notification area of the desktop, through Qt's tray icon. The application's window is the
// top-level window of the component's owner, when that is a widget.
class PlateauQt : public PlateauNotification {
public:
    explicit PlateauQt(QObject *proprietaire);

    bool Ajouter(const DonneesNotification &donnees) override;
    bool Modifier(const DonneesNotification &donnees) override;
    bool Supprimer(const DonneesNotification &donnees) override;
    void MontrerApplication(bool montrer) override;
    void ApplicationAuPremierPlan() override;
    QPoint PositionSouris() override;
    void TraiterMessagesEnAttente() override;
    void OuvrirMenu(QMenu *menu, const QPoint &position) override;
    QRect Geometrie() const override;

private:
    void Remplir(const DonneesNotification &donnees);

    QSystemTrayIcon icone_;
    QPointer<QWidget> application_;
};
