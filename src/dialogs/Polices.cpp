#include "dialogs/Polices.h"

#include <QApplication>

QFont PoliceDialogue(bool gras) {
    QFont police = QApplication::font();
    police.setPointSize(8);
    police.setBold(gras);
    return police;
}
