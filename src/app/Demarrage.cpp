#include "app/Demarrage.h"

#include <QApplication>
#include <QWidget>

int Demarrer(QApplication &application) {
    QApplication::setApplicationName(QStringLiteral("Tressola"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tressola"));
    QWidget fenetre;
    fenetre.show();
    return application.exec();
}
