#include "logic/LigneCommande.h"

namespace {

bool EstBlanc(QChar c) {
    return c == u' ' || c == u'\t';
}

qsizetype SauterBlancs(QStringView texte, qsizetype i) {
    while (i < texte.size() && EstBlanc(texte.at(i)))
        ++i;
    return i;
}

// Reads the program at `i`; returns the index just after it.
qsizetype LireProgramme(QStringView texte, qsizetype i, QString &programme) {
    if (i < texte.size() && texte.at(i) == u'"') {
        const qsizetype fin = texte.indexOf(u'"', i + 1);
        const qsizetype bout = fin < 0 ? texte.size() : fin;
        programme = texte.sliced(i + 1, bout - i - 1).toString();
        return fin < 0 ? texte.size() : fin + 1;
    }
    qsizetype fin = i;
    while (fin < texte.size() && !EstBlanc(texte.at(fin)))
        ++fin;
    programme = texte.sliced(i, fin - i).toString();
    return fin;
}

// Reads one argument at `i` (not a blank); returns the index just after it.
qsizetype LireArgument(QStringView texte, qsizetype i, QString &argument) {
    bool entreGuillemets = false;
    while (i < texte.size()) {
        const QChar c = texte.at(i);
        if (c == u'\\') {
            qsizetype n = 0;
            while (i < texte.size() && texte.at(i) == u'\\') {
                ++n;
                ++i;
            }
            if (i < texte.size() && texte.at(i) == u'"') {
                argument += QString(n / 2, u'\\');
                if (n % 2 == 1) {
                    argument += u'"';
                    ++i;
                }
                // An even count leaves the quote to the next turn, where it opens or closes.
            } else {
                argument += QString(n, u'\\');
            }
        } else if (c == u'"') {
            if (entreGuillemets && i + 1 < texte.size() && texte.at(i + 1) == u'"') {
                argument += u'"';
                i += 2;
            } else {
                entreGuillemets = !entreGuillemets;
                ++i;
            }
        } else if (EstBlanc(c) && !entreGuillemets) {
            break;
        } else {
            argument += c;
            ++i;
        }
    }
    return i;
}

} // namespace

Affichage ModeAffichage(quint8 lancement) {
    switch (lancement) {
    case 1:
        return Affichage::Maximise;
    case 2:
        return Affichage::Minimise;
    default:
        return Affichage::Normal;
    }
}

QString CommandeLancement(const QString &ligCom) {
    if (ligCom.contains(u'"'))
        return ligCom;
    return u'"' + ligCom + u'"';
}

QString RepertoireLancement(const QString &wDir, QStringView separateurs) {
    // A directory typed without its trailing separator is entered as typed.
    if (wDir.size() <= 1 || !separateurs.contains(wDir.back()))
        return wDir;
    return wDir.chopped(1);
}

CommandeDecoupee DecouperCommande(QStringView commande) {
    CommandeDecoupee resultat;
    qsizetype i = SauterBlancs(commande, 0);
    i = LireProgramme(commande, i, resultat.programme);
    for (i = SauterBlancs(commande, i); i < commande.size(); i = SauterBlancs(commande, i)) {
        QString argument;
        i = LireArgument(commande, i, argument);
        resultat.arguments.append(argument);
    }
    return resultat;
}

QString ProgrammeLigCom(const QString &ligCom) {
    return DecouperCommande(CommandeLancement(ligCom)).programme;
}
