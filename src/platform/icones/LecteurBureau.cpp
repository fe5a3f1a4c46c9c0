#include "platform/icones/LecteurBureau.h"

namespace platform::icones {

namespace {

QString sansEchappements(QByteArrayView valeur) {
    QString texte = QString::fromUtf8(valeur);
    QString resultat;
    resultat.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (texte[i] != u'\\' || i + 1 == texte.size()) {
            resultat.append(texte[i]);
            continue;
        }
        switch (texte[++i].unicode()) {
        case u's':
            resultat.append(u' ');
            break;
        case u'n':
            resultat.append(u'\n');
            break;
        case u't':
            resultat.append(u'\t');
            break;
        case u'r':
            resultat.append(u'\r');
            break;
        default:
            resultat.append(texte[i]);
        }
    }
    return resultat;
}

} // namespace

QString iconeBureau(QByteArrayView contenu) {
    bool groupeEntree = false;
    qsizetype debut = 0;
    while (debut < contenu.size()) {
        qsizetype fin = contenu.indexOf('\n', debut);
        if (fin < 0)
            fin = contenu.size();
        const QByteArrayView ligne = contenu.sliced(debut, fin - debut).trimmed();
        debut = fin + 1;
        if (ligne.startsWith('[')) {
            groupeEntree = ligne == "[Desktop Entry]";
            continue;
        }
        if (!groupeEntree || ligne.startsWith('#'))
            continue;
        const qsizetype egal = ligne.indexOf('=');
        if (egal < 0 || ligne.first(egal).trimmed() != "Icon")
            continue;
        return sansEchappements(ligne.sliced(egal + 1).trimmed());
    }
    return {};
}

} // namespace platform::icones
