#include "logic/ReglesConfiguration.h"

#include "logic/ReglesChemin.h"
#include "logic/Texte.h"

QString AvecSeparateurFinal(const QString &repertoire, QChar separateur) {
    if (repertoire.isEmpty() || repertoire.back() == separateur)
        return repertoire;
    return repertoire + separateur;
}

FormatIcone FormatExport(const QString &nomFichier, QStringView separateurs) {
    QString extension = PremiersCaracteres(PartieExtension(nomFichier, separateurs), 4);
    // Only a to z: an accented letter of the extension stays as it is.
    for (QChar &c : extension)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    if (extension == u".BMP")
        return FormatIcone::Bmp;
    if (extension == u".ICO")
        return FormatIcone::Ico;
    return FormatIcone::Aucun;
}
