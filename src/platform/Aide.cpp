#include "platform/Aide.h"

#include "platform/Programme.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

QString cheminAide(int contexte) {
    const QString page = contexte == ContexteConfiguration ? QStringLiteral("configurer.html")
                                                           : QStringLiteral("index.html");
    const QString repertoire =
        QFileInfo(QDir::fromNativeSeparators(cheminProgramme())).absolutePath();
    return QDir::toNativeSeparators(repertoire + QStringLiteral("/aide/") + page);
}

} // namespace platform
