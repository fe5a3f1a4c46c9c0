// Any bytes make a profile document that writes itself back unchanged, and each kind of edit
// changes only what it is meant to change.
#include "board/ProfilFichier.h"
#include "board/TexteProfil.h"
#include "board/ValeursProfil.h"

#include <QHash>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void exiger(bool condition, const char *quoi) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_profil: %s\n", quoi);
        std::abort();
    }
}

using Cliche = QHash<QString, QString>; // "section\nkey", case-folded -> value

QString cleDeCliche(const QString &section, const QString &cle) {
    return (section + u'\n' + cle).toCaseFolded();
}

// The text after '=' as it stands, or the value a caller reads.
Cliche cliche(const ProfilFichier &profil, bool brut) {
    Cliche valeurs;
    for (const QString &section : profil.sections()) {
        for (const QString &cle : profil.cles(section)) {
            const QString brute = *profil.valeurBrute(section, cle);
            valeurs.insert(cleDeCliche(section, cle), brut ? brute : valeurLue(brute));
        }
    }
    return valeurs;
}

qsizetype prefixeCommun(const QByteArray &a, const QByteArray &b) {
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

qsizetype suffixeCommun(const QByteArray &a, const QByteArray &b, qsizetype prefixe) {
    qsizetype n = 0;
    while (n < a.size() - prefixe && n < b.size() - prefixe &&
           a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    return n;
}

// The edited picture is what its bytes read back as, and callers read what they expect.
void verifierRelu(const ProfilFichier &edite, const Cliche &attendu) {
    const QByteArray octets = edite.octets();
    const ProfilFichier relu = ProfilFichier::depuisOctets(octets);
    exiger(relu.octets() == octets, "edited bytes do not read back unchanged");
    exiger(relu.sections() == edite.sections(), "the edited picture lists other sections");
    exiger(cliche(relu, true) == cliche(edite, true), "the edited picture differs from its bytes");
    exiger(cliche(relu, false) == attendu, "an edit changed other keys");
}

// Every byte of the old file is still there, in order, around what was added.
void verifierAjoutSeul(const QByteArray &avant, const QByteArray &apres) {
    const qsizetype debut = prefixeCommun(avant, apres);
    exiger(debut + suffixeCommun(avant, apres, debut) == avant.size(), "an addition lost bytes");
}

// A value stored reads back as itself, without its blanks, and without a pair of quotes only
// when they enclose it with no other such quote inside.
void verifierValeur(const QString &valeur) {
    (void)entierLu(valeur);
    if (!ProfilFichier::valeurValide(valeur))
        return;
    QStringView attendu = sansBlancs(valeur);
    if (attendu.size() >= 2 && (attendu.front() == u'"' || attendu.front() == u'\'') &&
        attendu.back() == attendu.front() &&
        !attendu.mid(1, attendu.size() - 2).contains(attendu.front()))
        attendu = attendu.mid(1, attendu.size() - 2);
    const QString relu = valeurLue(valeurAStocker(valeur));
    exiger(attendu.startsWith(relu) && relu.size() <= longueurMaxValeur &&
               (relu.size() == attendu.size() || relu.size() >= longueurMaxValeur - 1),
           "a stored value does not read back");
}

// One walk over a section gives, at the first line of each name, what a lookup gives.
void verifierParcours(const ProfilFichier &profil) {
    for (const QString &section : profil.sections()) {
        QHash<QString, QString> premieres;
        QStringList noms;
        profil.parcourir(section, [&](QStringView cle, QStringView repliee, QStringView brute) {
            exiger(repliee == cle.toString().toCaseFolded(), "a walked name is folded otherwise");
            if (premieres.contains(repliee.toString()))
                return;
            premieres.insert(repliee.toString(), brute.toString());
            noms.append(cle.toString());
        });
        exiger(noms == profil.cles(section), "a walk lists other keys");
        for (const QString &cle : noms)
            exiger(premieres.value(cle.toCaseFolded()) == *profil.valeurBrute(section, cle),
                   "a walk reads another value");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille) {
    const QByteArray octets(reinterpret_cast<const char *>(donnees), qsizetype(taille));
    const ProfilFichier profil = ProfilFichier::depuisOctets(octets);
    exiger(profil.octets() == octets, "bytes do not read back unchanged");

    verifierParcours(profil);
    const Cliche avant = cliche(profil, false);
    for (const QString &lue : avant)
        (void)entierLu(lue);
    // A value made of the first bytes, so that the edits write unusual text too.
    QString valeur = texteDeLigne(octets.first(qMin<qsizetype>(octets.size(), 24)));
    verifierValeur(valeur);
    verifierValeur(texteDeLigne(octets));
    valeur.remove(u'\n').remove(u'\r');

    const QStringList sections = profil.sections();
    const QString section =
        sections.isEmpty() ? QString() : sections.at(int(taille % sections.size()));

    // A new section at the end of the file.
    {
        QString nouvelle = QStringLiteral("Fuzz");
        while (profil.sectionExiste(nouvelle))
            nouvelle += u'x';
        ProfilFichier edite = profil;
        edite.ecrire(nouvelle, QStringLiteral("k"), valeur);
        Cliche attendu = avant;
        attendu.insert(cleDeCliche(nouvelle, QStringLiteral("k")), valeurLue(valeur));
        verifierRelu(edite, attendu);
        verifierAjoutSeul(octets, edite.octets());
    }
    if (sections.isEmpty() || !ProfilFichier::sectionValide(section))
        return 0;

    // A new key at the end of an existing section.
    {
        QString cle = QStringLiteral("nouvelle");
        while (profil.valeurBrute(section, cle))
            cle += u'x';
        ProfilFichier edite = profil;
        edite.ecrire(section, cle, valeur);
        Cliche attendu = avant;
        attendu.insert(cleDeCliche(section, cle), valeurLue(valeur));
        verifierRelu(edite, attendu);
        verifierAjoutSeul(octets, edite.octets());
    }

    // An existing key written in place: only its own line changes.
    const QStringList cles = profil.cles(section);
    if (!cles.isEmpty() && ProfilFichier::cleValide(cles.last())) {
        ProfilFichier edite = profil;
        edite.ecrire(section, cles.last(), valeur);
        exiger(edite.valeurBrute(section, cles.last()) == valeur, "the value written is not there");
        Cliche attendu = avant;
        attendu.insert(cleDeCliche(section, cles.last()), valeurLue(valeur));
        verifierRelu(edite, attendu);
        const QByteArray apres = edite.octets();
        const qsizetype debut = prefixeCommun(octets, apres);
        const qsizetype fin = suffixeCommun(octets, apres, debut);
        exiger(!octets.mid(debut, octets.size() - debut - fin).contains('\n'),
               "an edit in place touched another line");
    }

    // The section erased: every occurrence goes, and nothing else.
    {
        ProfilFichier edite = profil;
        edite.effacer(section);
        exiger(!edite.sectionExiste(section), "an erased section is still there");
        Cliche attendu;
        const QString prefixe = (section + u'\n').toCaseFolded();
        for (auto it = avant.cbegin(); it != avant.cend(); ++it) {
            if (!it.key().startsWith(prefixe))
                attendu.insert(it.key(), it.value());
        }
        verifierRelu(edite, attendu);
        exiger(edite.octets().size() < octets.size(), "erasing added bytes");
    }

    // The section replaced in one pass, by the section's own keys again (duplicates included):
    // the same bytes and picture as erasing it and writing the keys one by one.
    {
        QList<QPair<QString, QString>> entrees;
        for (const QString &cle : cles) {
            if (ProfilFichier::cleValide(cle))
                entrees.append({cle, valeur});
        }
        if (!entrees.isEmpty())
            entrees.append({entrees.first().first.toUpper(), valeur + u'2'});
        ProfilFichier enUneFois = profil;
        enUneFois.remplacer(section, entrees);
        ProfilFichier uneAUne = profil;
        uneAUne.effacer(section);
        for (const auto &[cle, v] : entrees)
            uneAUne.ecrire(section, cle, v);
        exiger(enUneFois.octets() == uneAUne.octets(), "a replaced section differs");
        exiger(cliche(enUneFois, true) == cliche(uneAUne, true), "a replaced picture differs");
        exiger(enUneFois.cles(section) == uneAUne.cles(section), "replaced keys differ");
        if (enUneFois.dejaEnFin(section, entrees)) {
            ProfilFichier encore = enUneFois;
            encore.remplacer(section, entrees);
            exiger(encore.octets() == enUneFois.octets(), "a section said unchanged would change");
        }
        verifierParcours(enUneFois);
    }
    return 0;
}
