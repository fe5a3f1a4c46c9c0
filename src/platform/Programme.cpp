#include "platform/Programme.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace platform {

namespace {
QString &cheminSimule() {
    static QString chemin;
    return chemin;
}
} // namespace

QString separateursChemin() {
#ifdef Q_OS_WIN
    return QStringLiteral("\\:");
#else
    return QStringLiteral("/");
#endif
}

QString cheminProgramme() {
    if (!cheminSimule().isEmpty())
        return cheminSimule();
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
}

void simulerCheminProgramme(const QString &chemin) {
    cheminSimule() = chemin;
}

QString repertoireConfigurationUtilisateur() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir::toNativeSeparators(base + QStringLiteral("/tressola/"));
}

} // namespace platform
