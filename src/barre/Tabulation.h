#pragma once

#include <QList>

class QWidget;

// Puts these controls, in this order, first in their window's tab order, ahead of every other
// control of the window.
void MettreEnTeteTabulation(const QList<QWidget *> &controles);
