#include "board/ValeursProfil.h"

#include <QtGlobal>
#include <cstdint>

namespace {

bool estBlanc(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

bool estGuillemet(QChar c) {
    return c == u'"' || c == u'\'';
}

bool entoureDeGuillemets(QStringView texte) {
    return texte.size() >= 2 && estGuillemet(texte.front()) && texte.back() == texte.front();
}

int valeurHexa(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

std::optional<int> hexadecimal(QStringView chiffres) {
    if (chiffres.isEmpty())
        return std::nullopt;
    std::uint64_t valeur = 0;
    for (const QChar c : chiffres) {
        const int chiffre = valeurHexa(c);
        if (chiffre < 0)
            return std::nullopt;
        valeur = valeur * 16 + static_cast<unsigned>(chiffre);
        if (valeur > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<int>(static_cast<std::uint32_t>(valeur));
}

std::optional<int> decimal(QStringView texte) {
    bool negatif = false;
    if (!texte.isEmpty() && (texte.front() == u'-' || texte.front() == u'+')) {
        negatif = texte.front() == u'-';
        texte = texte.mid(1);
    }
    if (texte.isEmpty())
        return std::nullopt;
    const std::int64_t limite = negatif ? std::int64_t(INT32_MAX) + 1 : INT32_MAX;
    std::int64_t valeur = 0;
    for (const QChar c : texte) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        valeur = valeur * 10 + (c.unicode() - u'0');
        if (valeur > limite)
            return std::nullopt;
    }
    return static_cast<int>(negatif ? -valeur : valeur);
}

} // namespace

QStringView sansBlancs(QStringView texte) {
    while (!texte.isEmpty() && estBlanc(texte.front()))
        texte = texte.mid(1);
    while (!texte.isEmpty() && estBlanc(texte.back()))
        texte.chop(1);
    return texte;
}

QString valeurLue(QStringView brute) {
    QStringView valeur = sansBlancs(brute);
    if (entoureDeGuillemets(valeur))
        valeur = valeur.mid(1, valeur.size() - 2);
    if (valeur.size() > longueurMaxValeur) {
        qsizetype longueur = longueurMaxValeur;
        if (valeur.at(longueur - 1).isHighSurrogate() && valeur.at(longueur).isLowSurrogate())
            --longueur;
        valeur = valeur.first(longueur);
    }
    return valeur.toString();
}

QString valeurAStocker(const QString &valeur) {
    const QStringView utile = sansBlancs(valeur);
    if (!entoureDeGuillemets(utile))
        return valeur;
    const QChar guillemet = utile.front();
    if (!utile.mid(1, utile.size() - 2).contains(guillemet))
        return valeur;
    return guillemet + utile.toString() + guillemet;
}

std::optional<int> entierLu(QStringView texte) {
    if (texte.startsWith(u'$'))
        return hexadecimal(texte.mid(1));
    if (texte.size() > 2 && (texte.startsWith(u"0x") || texte.startsWith(u"0X")))
        return hexadecimal(texte.mid(2));
    return decimal(texte);
}
