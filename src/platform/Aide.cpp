#include "platform/Aide.h"

#include "platform/Programme.h"

#include <QDir>

namespace platform {

QString cheminAide(int contexte) {
    const QString page = contexte == ContexteConfiguration ? QStringLiteral("configurer.html")
                                                           : QStringLiteral("index.html");
    return QDir::toNativeSeparators(repertoireDonnees() + QStringLiteral("aide/") + page);
}

} // namespace platform
