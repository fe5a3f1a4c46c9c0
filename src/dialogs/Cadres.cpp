#include "dialogs/Cadres.h"

#include "platform/Clics.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

void RamenerDialogueModal(QWindow *presse) {
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !presse || QApplication::activePopupWidget() || presse->type() == Qt::Popup)
        return;
    // Presses on the dialog itself, or on what it opened, are its own business.
    for (QWindow *w = presse; w; w = w->transientParent())
        if (w == modal->windowHandle())
            return;
    if (modal->windowState() & Qt::WindowMinimized)
        modal->setWindowState(modal->windowState() & ~Qt::WindowMinimized);
    modal->show();
    modal->raise();
    modal->activateWindow();
}

void GarderDialoguesModauxEnVue() {
    platform::surChaqueClic(RamenerDialogueModal);
}
