#include "board/ProfilFichier.h"

#include "board/TexteProfil.h"
#include "board/ValeursProfil.h"

#include <QStringEncoder>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <optional>

namespace {

const QByteArray bomUtf8 = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray finLf = QByteArrayLiteral("\n");
const QByteArray finCrlf = QByteArrayLiteral("\r\n");

char16_t minuscule(char16_t u) {
    return u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u;
}

// Names are nearly always ASCII: folding them then needs no tables.
QString replie(QStringView nom) {
    QString repliee(nom.size(), Qt::Uninitialized);
    QChar *sortie = repliee.data();
    for (const QChar c : nom) {
        if (c.unicode() >= 0x80)
            return nom.toString().toCaseFolded();
        *sortie++ = QChar(minuscule(c.unicode()));
    }
    return repliee;
}

// Calls f with the folded name, built on the stack when it is short and ASCII: a lookup then
// allocates nothing.
template <class F>
auto avecRepliee(QStringView nom, F &&f) {
    constexpr qsizetype taille = 64;
    char16_t tampon[taille];
    if (nom.size() <= taille) {
        qsizetype i = 0;
        for (; i < nom.size() && nom[i].unicode() < 0x80; ++i)
            tampon[i] = minuscule(nom[i].unicode());
        if (i == nom.size())
            return f(QString::fromRawData(reinterpret_cast<const QChar *>(tampon), i));
    }
    return f(replie(nom));
}

bool estAsciiSeul(QByteArrayView octets) {
    for (const char c : octets) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool estBlanc(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

qsizetype premierNonBlanc(QByteArrayView texte) {
    qsizetype i = 0;
    while (i < texte.size() && estBlanc(texte[i]))
        ++i;
    return i;
}

// Where the key of a line stands when the key is ASCII, read from its bytes: the same name as the
// decoded line gives, whatever encoding the rest of the line is in. The caller decodes the line
// when the key is not ASCII.
struct BornesCle {
    enum Sorte { Aucune, NonAscii, Ascii } sorte = Aucune;
    qsizetype debut = 0;
    qsizetype fin = 0;
};

BornesCle bornesCle(QByteArrayView texte) {
    const qsizetype debut = premierNonBlanc(texte);
    if (debut == texte.size() || texte[debut] == ';' || texte[debut] == '#')
        return {};
    const qsizetype egal = texte.indexOf('=');
    if (egal < 0)
        return {};
    qsizetype fin = egal;
    while (fin > debut && estBlanc(texte[fin - 1]))
        --fin;
    for (qsizetype i = 0; i < fin; ++i) {
        if (static_cast<unsigned char>(texte[i]) >= 0x80)
            return {BornesCle::NonAscii};
    }
    if (fin <= debut)
        return {};
    return {BornesCle::Ascii, debut, fin};
}

// Widens ASCII bytes into a buffer that only ever grows, folded or not.
QStringView elargir(QByteArrayView octets, QString &tampon, bool repliee) {
    if (tampon.size() < octets.size())
        tampon.resize(octets.size() * 2);
    char16_t *sortie = reinterpret_cast<char16_t *>(tampon.data());
    const char *entree = octets.data();
    const qsizetype taille = octets.size();
    if (repliee) {
        for (qsizetype i = 0; i < taille; ++i)
            sortie[i] = minuscule(char16_t(static_cast<unsigned char>(entree[i])));
    } else {
        for (qsizetype i = 0; i < taille; ++i)
            sortie[i] = char16_t(static_cast<unsigned char>(entree[i]));
    }
    return QStringView(tampon.constData(), taille);
}

// The key of a line whose key is ASCII, as spelled or folded; nothing when the line holds no key.
std::optional<std::optional<QString>> cleAscii(QByteArrayView texte, bool repliee) {
    const BornesCle bornes = bornesCle(texte);
    if (bornes.sorte == BornesCle::NonAscii)
        return std::nullopt;
    if (bornes.sorte == BornesCle::Aucune)
        return std::optional<QString>();
    QString cle(bornes.fin - bornes.debut, Qt::Uninitialized);
    elargir(texte.sliced(bornes.debut, bornes.fin - bornes.debut), cle, repliee);
    return std::optional<QString>(std::move(cle));
}

std::optional<QString> nomDeSection(QByteArrayView texte) {
    const qsizetype debut = premierNonBlanc(texte);
    if (debut == texte.size() || texte[debut] != '[')
        return std::nullopt;
    const QString ligne = texteDeLigne(texte);
    // Byte offsets and character offsets agree up to the first non-ASCII byte; '[' comes before.
    QStringView nom = QStringView(ligne).mid(debut + 1);
    const qsizetype fermeture = nom.indexOf(u']');
    if (fermeture >= 0)
        nom = nom.first(fermeture);
    return sansBlancs(nom).toString();
}

// The name of the key a line holds, or nothing for a line that holds no key.
std::optional<QString> nomDeCle(const QString &ligne) {
    const QStringView utile = sansBlancs(ligne);
    if (utile.isEmpty() || utile.front() == u';' || utile.front() == u'#')
        return std::nullopt;
    const qsizetype egal = ligne.indexOf(u'=');
    if (egal < 0)
        return std::nullopt;
    const QStringView cle = sansBlancs(QStringView(ligne).first(egal));
    if (cle.isEmpty())
        return std::nullopt;
    return cle.toString();
}

// The key a line holds, as spelled in the file or folded.
std::optional<QString> cleDeLigne(QByteArrayView texte, bool repliee) {
    std::optional<std::optional<QString>> ascii = cleAscii(texte, repliee);
    if (ascii)
        return std::move(*ascii);
    std::optional<QString> cle = nomDeCle(texteDeLigne(texte));
    return cle && repliee ? std::optional<QString>(replie(*cle)) : cle;
}

} // namespace

ProfilFichier ProfilFichier::depuisOctets(const QByteArray &octets) {
    ProfilFichier profil;
    // Lines point into the file's bytes, which the picture keeps, instead of each owning a copy;
    // a line that an edit changes gets bytes of its own.
    profil.source_ = octets;
    QByteArrayView reste(profil.source_);
    if (reste.startsWith(bomUtf8)) {
        profil.bom_ = bomUtf8;
        reste = reste.sliced(bomUtf8.size());
    }
    qsizetype debut = 0;
    while (debut < reste.size()) {
        Ligne ligne;
        const qsizetype saut = reste.indexOf('\n', debut);
        if (saut < 0) {
            ligne.texte = QByteArray::fromRawData(reste.data() + debut, reste.size() - debut);
            debut = reste.size();
        } else {
            qsizetype fin = saut;
            if (fin > debut && reste[fin - 1] == '\r')
                --fin;
            ligne.texte = QByteArray::fromRawData(reste.data() + debut, fin - debut);
            ligne.fin = fin == saut ? finLf : finCrlf;
            debut = saut + 1;
        }
        if (std::optional<QString> nom = nomDeSection(ligne.texte)) {
            Section section;
            section.nom = *nom;
            section.lignes.append(std::move(ligne));
            profil.sections_.append(std::move(section));
        } else if (profil.sections_.isEmpty()) {
            profil.preambule_.append(std::move(ligne));
        } else {
            profil.sections_.last().lignes.append(std::move(ligne));
        }
    }
    profil.indexerSections();
    return profil;
}

void ProfilFichier::indexerCles(const Section &section) {
    if (section.indexee)
        return;
    section.indexee = true;
    section.cles.clear();
    section.derniereCle = 0;
    section.cles.reserve(section.lignes.size());
    for (qsizetype i = 1; i < section.lignes.size(); ++i)
        indexerLigne(section, i);
}

qsizetype ProfilFichier::chercherCle(const Section &section, const QString &repliee) {
    // A few lookups are cheaper as a walk over the lines than as an index of every key.
    if (!section.indexee && ++section.lectures <= 8) {
        const char16_t premier = repliee.isEmpty() ? u'\0' : repliee.front().unicode();
        for (qsizetype i = 1; i < section.lignes.size(); ++i) {
            const QByteArray &texte = section.lignes.at(i).texte;
            // Most lines are told apart by their first letter, before looking for their '='.
            const qsizetype debut = premierNonBlanc(texte);
            if (debut < texte.size() && premier < 0x80 &&
                static_cast<unsigned char>(texte[debut]) < 0x80 &&
                minuscule(char16_t(texte[debut])) != premier)
                continue;
            const BornesCle bornes = bornesCle(texte);
            if (bornes.sorte == BornesCle::Ascii) {
                if (bornes.fin - bornes.debut != repliee.size())
                    continue;
                qsizetype j = 0;
                while (j < repliee.size() &&
                       minuscule(char16_t(static_cast<unsigned char>(texte[bornes.debut + j]))) ==
                           repliee[j].unicode())
                    ++j;
                if (j == repliee.size())
                    return i;
            } else if (bornes.sorte == BornesCle::NonAscii && cleDeLigne(texte, true) == repliee) {
                return i;
            }
        }
        return -1;
    }
    indexerCles(section);
    return section.cles.value(repliee, -1);
}

void ProfilFichier::indexerLigne(const Section &section, qsizetype ligne) {
    std::optional<QString> repliee = cleDeLigne(section.lignes.at(ligne).texte, true);
    if (!repliee)
        return;
    section.derniereCle = ligne;
    if (!section.cles.contains(*repliee))
        section.cles.insert(std::move(*repliee), ligne);
}

void ProfilFichier::indexerSections() {
    derniereSection_ = -1;
    index_.clear();
    qsizetype crlf = 0;
    qsizetype lf = 0;
    const auto compter = [&](const QList<Ligne> &lignes) {
        for (const Ligne &ligne : lignes) {
            if (ligne.fin.size() == 2)
                ++crlf;
            else if (ligne.fin.size() == 1)
                ++lf;
        }
    };
    compter(preambule_);
    // Backwards, so that the first occurrence of a name is the one left in the index.
    for (qsizetype i = sections_.size() - 1; i >= 0; --i) {
        index_.insert(replie(sections_.at(i).nom), i);
        compter(sections_.at(i).lignes);
    }
    fin_ = crlf > lf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}

QByteArray ProfilFichier::octets() const {
    qsizetype taille = bom_.size();
    const auto mesurer = [&](const QList<Ligne> &lignes) {
        for (const Ligne &ligne : lignes)
            taille += ligne.texte.size() + ligne.fin.size();
    };
    mesurer(preambule_);
    for (const Section &section : sections_)
        mesurer(section.lignes);

    QByteArray octets(taille, Qt::Uninitialized);
    char *sortie = octets.data();
    const auto copier = [&](const QByteArray &morceau) {
        if (!morceau.isEmpty())
            std::memcpy(sortie, morceau.constData(), size_t(morceau.size()));
        sortie += morceau.size();
    };
    copier(bom_);
    const auto ajouter = [&](const QList<Ligne> &lignes) {
        for (const Ligne &ligne : lignes) {
            copier(ligne.texte);
            copier(ligne.fin);
        }
    };
    ajouter(preambule_);
    for (const Section &section : sections_)
        ajouter(section.lignes);
    return octets;
}

const ProfilFichier::Section *ProfilFichier::trouver(QStringView section) const {
    // A bar reads its keys one after the other from the same section.
    if (derniereSection_ >= 0 && section == derniereDemande_)
        return &sections_.at(derniereSection_);
    const qsizetype trouvee =
        avecRepliee(section, [&](const QString &repliee) { return index_.value(repliee, -1); });
    if (trouvee < 0)
        return nullptr;
    derniereDemande_ = section.toString();
    derniereSection_ = trouvee;
    return &sections_.at(trouvee);
}

QStringList ProfilFichier::sections() const {
    QStringList noms;
    for (qsizetype i = 0; i < sections_.size(); ++i) {
        if (index_.value(replie(sections_.at(i).nom)) == i)
            noms.append(sections_.at(i).nom);
    }
    return noms;
}

bool ProfilFichier::sectionExiste(QStringView section) const {
    return trouver(section) != nullptr;
}

QStringList ProfilFichier::cles(QStringView section) const {
    const Section *trouvee = trouver(section);
    QStringList noms;
    if (!trouvee)
        return noms;
    indexerCles(*trouvee);
    for (qsizetype i = 1; i < trouvee->lignes.size(); ++i) {
        std::optional<QString> cle = cleDeLigne(trouvee->lignes.at(i).texte, false);
        if (cle && trouvee->cles.value(replie(*cle), -1) == i)
            noms.append(std::move(*cle));
    }
    return noms;
}

std::optional<QString> ProfilFichier::valeurBrute(QStringView section, QStringView cle) const {
    const Section *trouvee = trouver(section);
    if (!trouvee)
        return std::nullopt;
    const qsizetype ligne =
        avecRepliee(cle, [&](const QString &repliee) { return chercherCle(*trouvee, repliee); });
    if (ligne < 0)
        return std::nullopt;
    const QByteArray &octets = trouvee->lignes.at(ligne).texte;
    // Only the whole line tells how it is encoded; an ASCII line needs no decoding.
    if (estAsciiSeul(octets))
        return QString::fromLatin1(octets.sliced(octets.indexOf('=') + 1));
    const QString texte = texteDeLigne(octets);
    return texte.mid(texte.indexOf(u'=') + 1);
}

void ProfilFichier::parcourir(QStringView section, const Visiteur &visiteur) const {
    const Section *trouvee = trouver(section);
    if (!trouvee)
        return;
    QString cle;
    QString repliee;
    QString brute;
    for (qsizetype i = 1; i < trouvee->lignes.size(); ++i) {
        const QByteArray &octets = trouvee->lignes.at(i).texte;
        const BornesCle bornes = bornesCle(octets);
        if (bornes.sorte == BornesCle::Aucune)
            continue;
        if (bornes.sorte == BornesCle::Ascii) {
            // The key is ASCII and only blanks stand between it and its '=', so the value alone
            // decides how the line is read: its bytes as they are when ASCII, else decoded.
            const QByteArrayView nom =
                QByteArrayView(octets).sliced(bornes.debut, bornes.fin - bornes.debut);
            const QByteArrayView valeur = QByteArrayView(octets).sliced(octets.indexOf('=') + 1);
            const QStringView nomLu = elargir(nom, cle, false);
            const QStringView nomReplie = elargir(nom, repliee, true);
            if (QtPrivate::isAscii(QLatin1StringView(valeur)))
                visiteur(nomLu, nomReplie, elargir(valeur, brute, false));
            else
                visiteur(nomLu, nomReplie, texteDeLigne(valeur));
            continue;
        }
        // The rare line that needs decoding takes the ways of the index and of valeurBrute.
        const std::optional<QString> nom = cleDeLigne(octets, false);
        if (!nom)
            continue;
        const QString texte = texteDeLigne(octets);
        visiteur(*nom, *cleDeLigne(octets, true),
                 QStringView(texte).sliced(texte.indexOf(u'=') + 1));
    }
}

bool ProfilFichier::sectionValide(QStringView section) {
    return sansBlancs(section).size() == section.size() && !section.contains(u']') &&
           !section.contains(u'\n') && !section.contains(u'\r');
}

bool ProfilFichier::cleValide(QStringView cle) {
    return !cle.isEmpty() && sansBlancs(cle).size() == cle.size() && cle.front() != u'[' &&
           cle.front() != u';' && cle.front() != u'#' && !cle.contains(u'=') &&
           !cle.contains(u'\n') && !cle.contains(u'\r');
}

bool ProfilFichier::valeurValide(QStringView valeur) {
    return !valeur.contains(u'\n') && !valeur.contains(u'\r');
}

ProfilFichier::Ligne *ProfilFichier::derniereLigne() {
    if (!sections_.isEmpty())
        return &sections_.last().lignes.last();
    return preambule_.isEmpty() ? nullptr : &preambule_.last();
}

QByteArray ProfilFichier::finApres(Ligne *precedente) {
    // A file that did not end with a line ending still does not after the new lines.
    if (precedente && precedente->fin.isEmpty()) {
        precedente->fin = fin_;
        // A stray '\r' that ended the file now stands before the new '\n': the picture must
        // see the pair as the file read again will.
        if (precedente->texte.endsWith('\r') && fin_ == "\n") {
            precedente->texte.chop(1);
            precedente->fin = QByteArrayLiteral("\r\n");
        }
        return QByteArray();
    }
    return fin_;
}

void ProfilFichier::ecrire(QStringView section, QStringView cle, const QString &valeur) {
    const QByteArray octetsValeur = valeur.toUtf8();
    const auto trouvee = index_.constFind(replie(section));
    if (trouvee == index_.constEnd()) {
        Ligne *precedente = derniereLigne();
        Section nouvelle;
        nouvelle.nom = section.toString();
        nouvelle.lignes.append(Ligne{"[" + section.toUtf8() + "]", fin_});
        const QByteArray finCle = finApres(precedente);
        nouvelle.lignes.append(Ligne{cle.toUtf8() + "=" + octetsValeur, finCle});
        nouvelle.indexee = true;
        indexerLigne(nouvelle, 1);
        index_.insert(replie(section), sections_.size());
        sections_.append(std::move(nouvelle));
        return;
    }

    Section &cible = sections_[*trouvee];
    indexerCles(cible);
    const auto ligne = cible.cles.constFind(replie(cle));
    if (ligne != cible.cles.constEnd()) {
        Ligne &existante = cible.lignes[*ligne];
        const qsizetype egal = existante.texte.indexOf('=');
        QByteArray avant = existante.texte.first(egal + 1);
        // The new value is UTF-8; a key read as Windows-1252 beside it would make the whole line
        // read as Windows-1252 and garble the value, so such a key is written again in UTF-8.
        // The whole line decides how its key was read, not the key's bytes alone.
        if (!estUtf8Valide(existante.texte))
            avant = depuisWindows1252(avant).toUtf8();
        existante.texte = avant + octetsValeur;
        return;
    }

    const qsizetype position = cible.derniereCle + 1;
    const QByteArray fin = finApres(&cible.lignes[cible.derniereCle]);
    // Lines after the last key are never indexed, so inserting here moves no indexed line.
    cible.lignes.insert(position, Ligne{cle.toUtf8() + "=" + octetsValeur, fin});
    indexerLigne(cible, position);
}

void ProfilFichier::remplacer(QStringView section, const QList<QPair<QString, QString>> &entrees) {
    effacer(section);
    if (entrees.isEmpty())
        return;
    Ligne *precedente = derniereLigne();
    Section nouvelle;
    nouvelle.nom = section.toString();
    nouvelle.lignes.reserve(entrees.size() + 1);
    nouvelle.lignes.append(Ligne{"[" + section.toUtf8() + "]", fin_});
    // A file that did not end with a line ending still does not: the last new line goes without.
    const QByteArray derniereFin = finApres(precedente);
    const std::optional<std::vector<qsizetype>> valeurs = valeursRetenues(entrees);
    if (!valeurs) {
        nouvelle.cles.reserve(entrees.size());
        nouvelle.indexee = true;
        for (const auto &[cle, valeur] : entrees) {
            QString repliee = replie(cle);
            const auto existante = nouvelle.cles.constFind(repliee);
            if (existante != nouvelle.cles.constEnd()) {
                QByteArray &texte = nouvelle.lignes[*existante].texte;
                texte = texte.first(texte.indexOf('=') + 1) + valeur.toUtf8();
                continue;
            }
            nouvelle.derniereCle = nouvelle.lignes.size();
            nouvelle.cles.insert(std::move(repliee), nouvelle.derniereCle);
            nouvelle.lignes.append(Ligne{cle.toUtf8() + "=" + valeur.toUtf8(), fin_});
        }
    } else {
        // All the new lines in one block of bytes that the section keeps: a picture is then
        // dropped as cheaply as one read from the file.
        QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
        qsizetype borne = 0;
        for (const auto &[cle, valeur] : entrees)
            borne += utf8.requiredSpace(cle.size()) + 1 + utf8.requiredSpace(valeur.size());
        nouvelle.bloc = QByteArray(borne, Qt::Uninitialized);
        char *const debut = nouvelle.bloc.data();
        char *sortie = debut;
        std::vector<std::pair<qsizetype, qsizetype>> bornes;
        bornes.reserve(size_t(entrees.size()));
        for (qsizetype i = 0; i < entrees.size(); ++i) {
            if ((*valeurs)[size_t(i)] < 0)
                continue;
            const qsizetype ligne = sortie - debut;
            sortie = utf8.appendToBuffer(sortie, entrees.at(i).first);
            *sortie++ = '=';
            sortie = utf8.appendToBuffer(sortie, entrees.at((*valeurs)[size_t(i)]).second);
            bornes.emplace_back(ligne, sortie - ligne - debut);
        }
        for (const auto &[ligne, taille] : bornes)
            nouvelle.lignes.append(Ligne{QByteArray::fromRawData(debut + ligne, taille), fin_});
    }
    nouvelle.lignes.last().fin = derniereFin;
    index_.insert(replie(section), sections_.size());
    sections_.append(std::move(nouvelle));
}

std::optional<std::vector<qsizetype>>
ProfilFichier::valeursRetenues(const QList<QPair<QString, QString>> &entrees) {
    std::vector<std::pair<std::uint64_t, qsizetype>> empreintes;
    empreintes.reserve(size_t(entrees.size()));
    for (qsizetype i = 0; i < entrees.size(); ++i) {
        std::uint64_t h = 14695981039346656037u;
        for (const QChar c : entrees.at(i).first) {
            if (c.unicode() >= 0x80)
                return std::nullopt;
            h = (h ^ minuscule(c.unicode())) * 1099511628211u;
        }
        empreintes.emplace_back(h, i);
    }
    // Open addressing on the hashes: a name meets only the names of its slot.
    size_t capacite = 16;
    while (capacite < empreintes.size() * 2)
        capacite *= 2;
    std::vector<qsizetype> table(capacite, -1);
    std::vector<qsizetype> valeurs(empreintes.size());
    std::iota(valeurs.begin(), valeurs.end(), 0);
    for (const auto &[h, i] : empreintes) {
        for (size_t place = size_t(h) & (capacite - 1);; place = (place + 1) & (capacite - 1)) {
            const qsizetype tenue = table[place];
            if (tenue < 0) {
                table[place] = i;
                break;
            }
            // ASCII names: comparing without case is comparing folded. The first of a name
            // holds the line, the last gives the value.
            if (empreintes[size_t(tenue)].first == h &&
                QStringView(entrees.at(tenue).first)
                        .compare(entrees.at(i).first, Qt::CaseInsensitive) == 0) {
                valeurs[size_t(tenue)] = i;
                valeurs[size_t(i)] = -1;
                break;
            }
        }
    }
    return valeurs;
}

bool ProfilFichier::dejaEnFin(QStringView section,
                              const QList<QPair<QString, QString>> &entrees) const {
    const auto trouvee = index_.constFind(replie(section));
    if (trouvee == index_.constEnd() || *trouvee != sections_.size() - 1)
        return false;
    const Section &derniere = sections_.last();
    if (derniere.nom != section || derniere.lignes.size() != entrees.size() + 1 ||
        derniere.lignes.first().fin != fin_ ||
        derniere.lignes.first().texte != "[" + section.toUtf8() + "]")
        return false;
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    QByteArray tampon;
    for (qsizetype i = 0; i < entrees.size(); ++i) {
        const Ligne &ligne = derniere.lignes.at(i + 1);
        const auto &[cle, valeur] = entrees.at(i);
        const qsizetype borne =
            utf8.requiredSpace(cle.size()) + 1 + utf8.requiredSpace(valeur.size());
        if (tampon.size() < borne)
            tampon.resize(borne * 2);
        char *fin = utf8.appendToBuffer(tampon.data(), cle);
        *fin++ = '=';
        fin = utf8.appendToBuffer(fin, valeur);
        if (ligne.fin != fin_ ||
            ligne.texte != QByteArrayView(tampon.constData(), fin - tampon.constData()))
            return false;
    }
    // Lines that match the entries one for one hold a key twice when the entries do.
    const std::optional<std::vector<qsizetype>> valeurs = valeursRetenues(entrees);
    if (valeurs) {
        for (size_t i = 0; i < valeurs->size(); ++i) {
            if ((*valeurs)[i] != qsizetype(i))
                return false;
        }
    } else if (indexerCles(derniere); derniere.cles.size() != entrees.size()) {
        return false;
    }
    return true;
}

void ProfilFichier::effacer(QStringView section) {
    const QString repliee = replie(section);
    if (!index_.contains(repliee))
        return;
    sections_.removeIf([&](const Section &s) { return replie(s.nom) == repliee; });
    indexerSections();
}
