#include "platform/Navigateur.h"

#include <QDesktopServices>

namespace platform {

namespace {
OuvreurUrl &ouvreur() {
    static OuvreurUrl o;
    return o;
}
} // namespace

bool ouvrirUrl(const QUrl &adresse) {
    if (ouvreur())
        return ouvreur()(adresse);
    return QDesktopServices::openUrl(adresse);
}

void definirOuvreurUrl(OuvreurUrl o) {
    ouvreur() = std::move(o);
}

} // namespace platform
