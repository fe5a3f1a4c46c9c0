#include "app/Demarrage.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    // A launcher places its own windows at exact screen coordinates, which plain Wayland clients
    // cannot do: under a Wayland session it runs through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    return Demarrer(application);
}
