#include "logic/ReglesChemin.h"

#include "logic/Texte.h"

namespace {

constexpr qsizetype LongueurMaxPartie = 255;

// Index of the last separator, or -1.
qsizetype DernierSeparateur(QStringView chemin, QStringView separateurs) {
    for (qsizetype i = chemin.size() - 1; i >= 0; --i) {
        if (separateurs.contains(chemin.at(i)))
            return i;
    }
    return -1;
}

} // namespace

QString PartieRepertoire(const QString &chemin, QStringView separateurs) {
    return chemin.left(DernierSeparateur(chemin, separateurs) + 1);
}

QString PartieNom(const QString &chemin, QStringView separateurs) {
    return PremiersCaracteres(
        QStringView(chemin).sliced(DernierSeparateur(chemin, separateurs) + 1), LongueurMaxPartie);
}

QString PartieExtension(const QString &chemin, QStringView separateurs) {
    for (qsizetype i = chemin.size() - 1; i >= 0; --i) {
        const QChar c = chemin.at(i);
        if (c == u'.')
            return PremiersCaracteres(QStringView(chemin).sliced(i), LongueurMaxPartie);
        if (separateurs.contains(c))
            break;
    }
    return {};
}

QString RepertoireLigCom(const QString &ligne, QStringView separateurs) {
    // Positions are counted from 1 here, so that 0 can mean "no word break seen".
    qsizetype debut = 0;
    if (ligne.contains(u'"')) {
        bool entreGuillemets = false;
        qsizetype dernierEspace = 0;
        for (qsizetype i = 1; i <= ligne.size(); ++i) {
            const QChar c = ligne.at(i - 1);
            if (c == u'"')
                entreGuillemets = !entreGuillemets;
            if (!entreGuillemets && c == u' ')
                dernierEspace = i;
            if (c != u' ' && dernierEspace != 0)
                debut = dernierEspace + 1;
        }
    }
    // The last word is taken without the line's last character: that drops the closing quote of
    // a quoted word, and the last character of any other.
    const QString mot = debut == 0 ? ligne : ligne.mid(debut - 1, ligne.size() - debut);
    QString repertoire = PartieRepertoire(mot, separateurs);
    if (repertoire.startsWith(u'"'))
        repertoire.remove(0, 1);
    return repertoire;
}

QString NomInfobulle(const QString &texte, QStringView separateurs) {
    const QString nom = PartieNom(texte, separateurs);
    if (nom.isEmpty())
        return {};

    const QChar initiale = nom.at(0);
    const qsizetype longueurInitiale =
        initiale.isHighSurrogate() && nom.size() > 1 && nom.at(1).isLowSurrogate() ? 2 : 1;
    QString resultat = nom.left(longueurInitiale);
    // Only plain ASCII letters take a capital: an accented initial stays as the user wrote it.
    if (initiale >= u'a' && initiale <= u'z')
        resultat[0] = initiale.toUpper();

    const qsizetype point = nom.indexOf(u'.');
    const qsizetype finReste = point < 0 ? nom.size() : point;
    if (finReste > longueurInitiale)
        resultat += nom.mid(longueurInitiale, finReste - longueurInitiale).toLower();
    return resultat;
}

QString EntreGuillemets(const QString &chemin) {
    if (chemin.contains(u' ') && !chemin.contains(u'"'))
        return u'"' + chemin + u'"';
    return chemin;
}
