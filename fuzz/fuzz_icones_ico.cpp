// Icon files.
#include "platform/icones/LecteurIco.h"

#include <cstddef>
#include <cstdint>

using namespace platform::icones;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const Octets octets(QByteArrayView(data, qsizetype(size)));
    if (estIco(octets))
        imageIco(octets);
    return 0;
}
