#include "dialogs/Cadres.h"

#include "platform/Cadre.h"
#include "platform/Clics.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

void DonnerCadreFixe(QWidget *dialogue) {
    dialogue->winId(); // the native window, which must know its frame before it is first shown
    platform::sansReduction(dialogue->windowHandle());
}

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
    platform::ramener(modal->windowHandle());
}

void GarderDialoguesModauxEnVue() {
    platform::surChaqueClic(RamenerDialogueModal);
}
