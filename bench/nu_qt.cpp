// The bare Qt program of the first-frame benchmark: a frameless window of ten 44 x 44 push buttons
// with PNG icons, a tray icon with a menu. Its argument is the folder of the icons.
#include "PremiereImage.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    PremiereImage filtre;
    app.installEventFilter(&filtre);
    const QString rep = QString::fromLocal8Bit(argv[1]);
    QWidget fenetre(nullptr, Qt::Window | Qt::FramelessWindowHint);
    auto *rangee = new QHBoxLayout(&fenetre);
    rangee->setContentsMargins(1, 1, 1, 1);
    rangee->setSpacing(3);
    for (int i = 0; i < 10; ++i) {
        auto *b = new QPushButton(&fenetre);
        b->setFixedSize(44, 44);
        b->setIcon(QIcon(QStringLiteral("%1/%2.png").arg(rep).arg(i)));
        b->setIconSize(QSize(32, 32));
        rangee->addWidget(b);
    }
    QMenu menu;
    menu.addAction(QStringLiteral("&Quitter"), &app, &QApplication::quit);
    QSystemTrayIcon plateau(QIcon(QStringLiteral("%1/0.png").arg(rep)));
    plateau.setContextMenu(&menu);
    plateau.show();
    fenetre.show();
    return app.exec();
}
