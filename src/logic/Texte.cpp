#include "logic/Texte.h"

QString PremiersCaracteres(QStringView texte, qsizetype nombre) {
    qsizetype fin = 0;
    for (qsizetype compte = 0; fin < texte.size() && compte < nombre; ++compte) {
        const bool paire = texte.at(fin).isHighSurrogate() && fin + 1 < texte.size() &&
                           texte.at(fin + 1).isLowSurrogate();
        fin += paire ? 2 : 1;
    }
    return texte.first(fin).toString();
}
