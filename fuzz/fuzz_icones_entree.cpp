// One picture of an icon: a bitmap with its mask, or a PNG stream.
#include "platform/icones/Choix.h"
#include "platform/icones/Entree.h"

#include <cstddef>
#include <cstdint>

using namespace platform::icones;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const Octets octets(QByteArrayView(data, qsizetype(size)));
    const std::optional<ApercuEntree> apercu = apercuEntree(octets);
    const QImage image = decoderEntree(octets);
    // The header announces what the decoding gives, or the decoding gives nothing.
    if (!image.isNull() &&
        (!apercu || image.width() != apercu->largeur || image.height() != apercu->hauteur))
        __builtin_trap();
    enIcone(image);
    return 0;
}
