#include "board/Globales.h"

Globales G;

void ReinitialiserGlobales() {
    G = Globales{};
}
