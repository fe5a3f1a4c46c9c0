#include "logic/ChoixIcone.h"

#include <algorithm>

int NombreIconesOffertes(int nombre) {
    return std::clamp(nombre, 0, MaxIconesOffertes);
}

int GaucheBoutonIcone(int index) {
    return index * 48 + 4;
}

int LargeurChoixIcone(int nombre) {
    return nombre * 48 + 10;
}
