#include "platform/Programme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

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

QString fichierDuProgramme(const QString &programme) {
    if (programme.isEmpty())
        return {};
    const QString separateurs = separateursChemin();
    if (std::none_of(programme.begin(), programme.end(),
                     [&](QChar c) { return separateurs.contains(c); })) {
        const QString trouve = QStandardPaths::findExecutable(programme);
        if (!trouve.isEmpty())
            return trouve;
    }
    return QFileInfo(programme).absoluteFilePath();
}

QString repertoireConfigurationUtilisateur() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir::toNativeSeparators(base + QStringLiteral("/tressola/"));
}

} // namespace platform
