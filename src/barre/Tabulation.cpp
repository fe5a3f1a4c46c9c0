#include "barre/Tabulation.h"

#include <QSet>
#include <QWidget>

void MettreEnTeteTabulation(const QList<QWidget *> &controles) {
    if (controles.isEmpty())
        return;
    QWidget *fenetre = controles.first()->window();
    // Qt has no call that moves a control to the front of the chain, so the whole chain is laid
    // again in the wanted order.
    const QSet<QWidget *> enTete(controles.begin(), controles.end());
    QList<QWidget *> ordre = controles;
    for (QWidget *w = fenetre->nextInFocusChain(); w && w != fenetre; w = w->nextInFocusChain())
        if (!enTete.contains(w) && w->window() == fenetre)
            ordre.append(w);
    for (qsizetype i = 1; i < ordre.size(); ++i)
        QWidget::setTabOrder(ordre[i - 1], ordre[i]);
}
