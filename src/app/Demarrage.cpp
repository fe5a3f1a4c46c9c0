#include "app/Demarrage.h"

#include "barre/TBarreDlg.h"
#include "board/Globales.h"

#include <QApplication>

int Demarrer(QApplication &application) {
    G.BarrePrincipaleCreee = false;
    QApplication::setApplicationName(QStringLiteral("Tressola"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tressola"));
    // The main bar ends the program itself when it closes; drawers and dialogs do not count.
    QApplication::setQuitOnLastWindowClosed(false);
    TBarreDlg::Creer(G.BarreDlg);
    return application.exec();
}
