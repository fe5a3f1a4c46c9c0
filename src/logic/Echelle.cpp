#include "logic/Echelle.h"

#include <cstdint>

int Echelle(int pixels, int dpi) {
    // Wide enough that no figure times any DPI overflows.
    const std::int64_t produit = std::int64_t{pixels} * dpi;
    const std::int64_t demi = DpiConception / 2;
    return static_cast<int>(produit >= 0 ? (produit + demi) / DpiConception
                                         : (produit - demi) / DpiConception);
}
