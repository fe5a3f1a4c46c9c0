// Windows executables and libraries: the count of icon groups and the first icons.
#include "platform/icones/LecteurPE.h"

#include <cstddef>
#include <cstdint>

using namespace platform::icones;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const Octets octets(QByteArrayView(data, qsizetype(size)));
    const int nombre = nombreIconesPE(octets);
    for (int i = 0; i < nombre && i < 4; ++i)
        imagePE(octets, i);
    imagePE(octets, nombre);
    return 0;
}
