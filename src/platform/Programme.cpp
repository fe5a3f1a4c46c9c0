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

bool estInstalle(const QString &repertoireProgramme) {
    const QDir bin(QDir::fromNativeSeparators(repertoireProgramme));
    return bin.dirName() == QStringLiteral("bin") &&
           QFileInfo(bin.absoluteFilePath(QStringLiteral("../share/tressola/aide"))).isDir();
}

QString repertoireDonnees() {
    const QString rep = QFileInfo(QDir::fromNativeSeparators(cheminProgramme())).absolutePath();
    if (estInstalle(rep))
        return QDir::cleanPath(rep + QStringLiteral("/../share/tressola")) + QLatin1Char('/');
    return rep + QLatin1Char('/');
}

QString repertoireConfigurationUtilisateur() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir::toNativeSeparators(base + QStringLiteral("/tressola/"));
}

} // namespace platform
