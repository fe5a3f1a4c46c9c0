// Tressola as it starts, with the first-frame probe of the benchmark. Its argument is the folder
// that stands for the executable's, holding the board file.
#include "PremiereImage.h"
#include "app/Demarrage.h"
#include "platform/Programme.h"

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    PremiereImage filtre;
    application.installEventFilter(&filtre);
    platform::simulerCheminProgramme(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/tressola"));
    return Demarrer(application);
}
