// Pictures that Qt reads: BMP, PNG, SVG, XPM, within the program's limits.
#include "platform/icones/Choix.h"
#include "platform/icones/LecteurImage.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

using namespace platform::icones;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // Drawings may hold text, which needs the fonts of a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QImage image = imageQt(QByteArrayView(data, qsizetype(size)));
    if (!image.isNull() && image.size() != QSize(coteIcone, coteIcone))
        __builtin_trap();
    return 0;
}
