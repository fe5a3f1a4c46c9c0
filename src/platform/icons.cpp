#include "platform/icons.h"

#include "platform/Programme.h"
#include "platform/icones/FichierLu.h"
#include "platform/icones/LecteurBureau.h"
#include "platform/icones/LecteurIco.h"
#include "platform/icones/LecteurImage.h"
#include "platform/icones/LecteurPE.h"
#include "platform/icones/Theme.h"

#include <QFileInfo>

// The kind of an icon source is told by its content, except for desktop entries, which are
// plain text. Windows files come first so that they never reach the icon theme.

using namespace platform::icones;

namespace {

// A desktop entry larger than this is not one.
constexpr quint64 tailleBureauMaximale = 1024 * 1024;

bool estBureau(const QString &chemin) {
    return chemin.endsWith(u".desktop", Qt::CaseInsensitive);
}

bool estProgrammeLinux(const QString &chemin, Octets octets) {
    return (octets.commencePar("\x7f"
                               "ELF") ||
            octets.commencePar("#!")) &&
           QFileInfo(chemin).isExecutable();
}

// The icon theme's icon for a program: under the program's file name, or under the name of the
// file that a link leads to.
QImage imageProgramme(const QString &chemin, int cote) {
    const QFileInfo info(chemin);
    QImage image = imageTheme(info.fileName(), cote);
    if (image.isNull() && info.isSymLink())
        image = imageTheme(QFileInfo(info.canonicalFilePath()).fileName(), cote);
    return image;
}

QImage imageDepuis(const QString &chemin, int index, bool depuisBureau, int cote);

// The Icon of a desktop entry: a picture's absolute path, or the name of a theme icon, written
// with or without the extension of its file.
QImage imageBureau(Octets octets, int cote) {
    if (octets.taille() > tailleBureauMaximale)
        return {};
    QString icone = iconeBureau(octets.vue());
    if (icone.startsWith(u'/'))
        return imageDepuis(icone, 0, true, cote);
    for (const auto extension : {u".png", u".svg", u".xpm"})
        if (icone.endsWith(extension, Qt::CaseInsensitive))
            icone.chop(4);
    return imageTheme(icone, cote);
}

QImage imageDepuis(const QString &chemin, int index, bool depuisBureau, int cote) {
    if (index < 0)
        return {};
    const std::shared_ptr<const FichierLu> fichier = lireFichier(chemin);
    const Octets octets = fichier->octets();
    if (!fichier->lu())
        return {};
    if (estExecutableWindows(octets))
        return imagePE(octets, index, cote);
    if (index > 0)
        return {};
    // A desktop entry that names another one is not followed, so that two entries that name
    // each other cannot loop.
    if (estBureau(chemin))
        return depuisBureau ? QImage() : imageBureau(octets, cote);
    if (estIco(octets))
        return imageIco(octets, cote);
    if (estProgrammeLinux(chemin, octets))
        return imageProgramme(chemin, cote);
    return imageQt(octets.vue(), cote);
}

} // namespace

int iconCount(const QString &file) {
    {
        const std::shared_ptr<const FichierLu> fichier =
            lireFichier(platform::fichierDuProgramme(file));
        if (!fichier->lu())
            return 0;
        if (estExecutableWindows(fichier->octets()))
            return nombreIconesPE(fichier->octets());
    }
    return iconImage(file, 0).isNull() ? 0 : 1;
}

QImage iconImage(const QString &file, int index, int side) {
    // A program named without a directory is the one a launch finds through PATH.
    return imageDepuis(platform::fichierDuProgramme(file), index, false, side);
}
