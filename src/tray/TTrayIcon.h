#pragma once

#include "tray/PlateauNotification.h"

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

// The program's icon in the desktop's notification area, with its tooltip, turning the clicks on
// it into events: left click, double click, right click (which may open a menu at the mouse).
//
// Created inactive, with the application's taskbar entry taken away. Changes of icon and tooltip
// reach the notification area at once while active, and at the next activation otherwise.
class TTrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype LongueurMaxToolTip = 62;

    using TNotifyEvent = std::function<void(TTrayIcon *sender)>;
    using TMouseEvent = std::function<void(TTrayIcon *sender, Qt::MouseButton bouton,
                                           Qt::KeyboardModifiers etat, int x, int y)>;

    // On the platform's notification area; the owner's window is the application's window.
    explicit TTrayIcon(QObject *owner);
    // On another notification area (tests).
    TTrayIcon(QObject *owner, std::unique_ptr<PlateauNotification> plateau);
    ~TTrayIcon() override;

    bool Active() const { return active_; }
    void SetActive(bool v);
    const QIcon &Icon() const { return icon_; }
    void SetIcon(const QIcon &v);
    bool ShowApp() const { return showApp_; }
    void SetShowApp(bool v);
    const QString &ToolTip() const { return toolTip_; }
    void SetToolTip(const QString &s);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnRightClick;
    QPointer<QMenu> PopupMenu;

    // Where the icon stands on screen; empty while it is not shown.
    QRect Geometrie() const { return plateau_->Geometrie(); }

    // A mouse message of the notification area for the icon.
    void Notification(MessageSouris message);

private:
    void Remplir();
    bool Ajouter();
    bool Modifier();
    bool Supprimer();
    void ClicDroit();

    std::unique_ptr<PlateauNotification> plateau_;
    DonneesNotification donnees_;
    QIcon icon_;
    QString toolTip_;
    bool active_ = false;
    bool showApp_ = false;
};
