// Desktop entries: the Icon key.
#include "platform/icones/LecteurBureau.h"

#include <cstddef>
#include <cstdint>

using namespace platform::icones;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    iconeBureau(QByteArrayView(data, qsizetype(size)));
    return 0;
}
