#include "board/Session.h"

#include "board/TIniFile.h"
#include "platform/Programme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

// An Exec value that the desktop entry rules split back into this one path: quoted when it holds
// a reserved character, with the characters that stay special inside quotes escaped. The string
// escape of the file format then doubles each backslash, and a literal % is written %%.
QString ChampExec(const QString &programme) {
    static const QString reserves = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString champ = programme;
    if (std::any_of(programme.begin(), programme.end(),
                    [](QChar c) { return reserves.contains(c); })) {
        champ.clear();
        for (QChar c : programme) {
            if (QStringLiteral("\"`$\\").contains(c))
                champ += u'\\';
            champ += c;
        }
        champ = u'"' + champ + u'"';
    }
    return champ.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("%%"));
}

} // namespace

QString CheminEntreeSession() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/tressola.desktop");
}

QString TexteEntreeSession(const QString &programme) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Tressola\n"
                          "Comment=La barre de lancement, ouverte avec la session\n"
                          "Exec=%1\n"
                          "Icon=tressola\n"
                          "Terminal=false\n")
        .arg(ChampExec(programme));
}

bool DemarreAvecSession() {
    QFile fichier(CheminEntreeSession());
    if (!fichier.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    bool groupe = false;
    while (!fichier.atEnd()) {
        const QString ligne = QString::fromUtf8(fichier.readLine()).trimmed();
        if (ligne.startsWith(u'['))
            groupe = ligne == QStringLiteral("[Desktop Entry]");
        else if (groupe && ligne.section(u'=', 0, 0).trimmed() == QStringLiteral("Hidden") &&
                 ligne.section(u'=', 1).trimmed() == QStringLiteral("true"))
            return false;
    }
    return true;
}

void DefinirDemarrageSession(bool actif) {
    const QString chemin = CheminEntreeSession();
    if (!actif) {
        if (QFile::exists(chemin) && !QFile::remove(chemin))
            throw EcritureImpossible(chemin);
        return;
    }
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    // Written beside and renamed over: a session never reads half an entry.
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) ||
        fichier.write(TexteEntreeSession(platform::cheminProgramme()).toUtf8()) < 0 ||
        !fichier.commit())
        throw EcritureImpossible(chemin);
}
