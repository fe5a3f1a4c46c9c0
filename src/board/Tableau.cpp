#include "board/Tableau.h"

#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/TIniFile.h"
#include "platform/Programme.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <array>
#include <limits>
#include <numeric>
#include <set>

using namespace Qt::StringLiterals;

namespace {

const QString Reglages = QStringLiteral("TRESSOLA");
const QString Nombre = QStringLiteral("Nombre");

// Beyond this, a count is taken for damage rather than a real bar.
constexpr int NombreCredible = 1000;

// Stands for a Nombre that is missing or not an integer; as a count it is negative, so damaged.
constexpr int NombreIllisible = std::numeric_limits<int>::min();

// The index then the suffix, made in one allocation: a bar of a thousand buttons makes thousands.
QString cle(int i, QStringView suffixe) {
    char16_t tampon[40];
    qsizetype n = 0;
    char16_t chiffres[12];
    qsizetype c = 0;
    unsigned reste = i < 0 ? 0u - unsigned(i) : unsigned(i);
    do {
        chiffres[c++] = char16_t(u'0' + reste % 10);
        reste /= 10;
    } while (reste);
    if (i < 0)
        tampon[n++] = u'-';
    while (c)
        tampon[n++] = chiffres[--c];
    for (const QChar ch : suffixe)
        tampon[n++] = ch.unicode();
    return QString(reinterpret_cast<const QChar *>(tampon), n);
}

QString nombre(int i) {
    return cle(i, {});
}

// The button index a key starts with, or -1 for a key of no button (Nombre, strays).
int IndiceDeCle(QStringView nom) {
    qsizetype chiffres = 0;
    while (chiffres < nom.size() && nom[chiffres].unicode() < 128 && nom[chiffres].isDigit())
        ++chiffres;
    if (chiffres == 0 || chiffres > 9 || chiffres == nom.size())
        return -1;
    return nom.left(chiffres).toInt();
}

// True for a key of a button: its index followed by one of the button suffixes.
bool CleDeBouton(const QString &nom) {
    static const QStringList suffixes{u"LigCom"_s,     u"WDir"_s,      u"Name"_s,
                                      u"Icon"_s,       u"Lancement"_s, u"Hint"_s,
                                      u"NomSection"_s, u"THint"_s,     u"IsBmp"_s};
    qsizetype chiffres = 0;
    while (chiffres < nom.size() && nom[chiffres].unicode() < 128 && nom[chiffres].isDigit())
        ++chiffres;
    return suffixes.contains(QStringView(nom).sliced(chiffres), Qt::CaseInsensitive);
}

// The distinct indexes that hold button keys, in order, at most as many as a real bar can have:
// a damaged count is replaced by what the section holds, never by its highest index.
QList<int> IndicesPresents(const TIniFile &ini, const QString &section) {
    std::set<int> indices;
    for (const QString &nom : ini.ReadSection(section))
        if (const int i = IndiceDeCle(nom); i >= 0 && CleDeBouton(nom))
            indices.insert(i);
    QList<int> premiers(indices.begin(), indices.end());
    if (premiers.size() > NombreCredible)
        premiers.resize(NombreCredible);
    return premiers;
}

} // namespace

QString CheminTableau(const QString &repProgramme) {
    const QString aCote = repProgramme + NomFichierTableau;
    const QFileInfo repertoire(repProgramme.isEmpty() ? QStringLiteral(".") : repProgramme);
    if (QFileInfo::exists(aCote))
        return aCote;
    // Root can write an installation's bin folder too: the test is where the program lives.
    if (!platform::estInstalle(repProgramme) && repertoire.isWritable())
        return aCote;
    const QString rep = platform::repertoireConfigurationUtilisateur();
    QDir().mkpath(rep);
    return rep + NomFichierTableau;
}

void SauverReglages() {
    TIniFile ini(G.FichierTableau);
    ini.WriteStrings(Reglages,
                     {
                         {QStringLiteral("X"), QString::number(G.PosX)},
                         {QStringLiteral("Y"), QString::number(G.PosY)},
                         {QStringLiteral("Orientation"), QString::number(G.Orientation)},
                         {QStringLiteral("Position"), QString::number(G.Position)},
                         {QStringLiteral("StayOnTop"), QString::number(G.StayOnTop)},
                         {QStringLiteral("FermetureAuto"), QString::number(G.FermetureAuto)},
                     });
}

void LireReglages() {
    const TIniFile ini(G.FichierTableau);
    // A board that cannot be read must not pass for an empty one: the bar would then write its
    // default slot over it.
    ini.VerifierLecture();
    G.PosX = ini.ReadInteger(Reglages, QStringLiteral("X"), 0);
    G.PosY = ini.ReadInteger(Reglages, QStringLiteral("Y"), 0);
    // Only the low byte of these is kept.
    G.Orientation =
        static_cast<quint8>(ini.ReadInteger(Reglages, QStringLiteral("Orientation"), 0));
    G.Position = static_cast<quint8>(ini.ReadInteger(Reglages, QStringLiteral("Position"), 0));
    G.StayOnTop = ini.ReadBool(Reglages, QStringLiteral("StayOnTop"), false);
    G.FermetureAuto = ini.ReadBool(Reglages, QStringLiteral("FermetureAuto"), false);
}

int NombreTiroir(const QString &section) {
    const TIniFile ini(G.FichierTableau);
    const int n = ini.ReadInteger(section, Nombre, NombreIllisible);
    if (n >= 0 && n <= NombreCredible)
        return n;
    if (const qsizetype presents = IndicesPresents(ini, section).size(); presents > 0)
        return static_cast<int>(presents);
    // No button anywhere: a missing or unreadable count is a free section, a huge one an empty
    // drawer, and a negative one keeps its meaning.
    if (n == NombreIllisible)
        return -1;
    return n < 0 ? n : 0;
}

bool SectionUtilisee(const QString &section) {
    return NombreTiroir(section) != -1;
}

QString ReserverSection(const QStringList &nomsTenus) {
    QString candidat;
    for (int k = 0;; ++k) {
        candidat = QStringLiteral("SECTION") + QString::number(k);
        // A slot whose drawer lost its section keeps naming it: handing the name out again
        // would make two drawers share one section.
        if (!SectionUtilisee(candidat) && !nomsTenus.contains(candidat, Qt::CaseInsensitive))
            break;
    }
    TIniFile(G.FichierTableau).WriteInteger(candidat, Nombre, 0);
    return candidat;
}

QList<int> IndicesBoutons(const TIniFile &ini, const QString &section) {
    const int n = ini.ReadInteger(section, Nombre, NombreIllisible);
    if (n < 0 || n > NombreCredible)
        return IndicesPresents(ini, section);
    QList<int> indices(n);
    std::iota(indices.begin(), indices.end(), 0);
    return indices;
}

namespace {

// The fields of a button that a bar reads, by their folded key suffix.
enum Champ { LigCom, WDir, Name, Icon, Lancement, Hint, NomSection, THint, NombreChamps };
constexpr std::array<QStringView, NombreChamps> suffixesLus = {
    u"ligcom", u"wdir", u"name", u"icon", u"lancement", u"hint", u"nomsection", u"thint"};

struct CleLue {
    int indice;
    Champ champ;
};

// The button index and field a folded key names, spelled as the bar writes its keys (the index
// without leading zeros: "07Name" is no key of button 7).
std::optional<CleLue> champDeCle(QStringView repliee) {
    qsizetype chiffres = 0;
    while (chiffres < repliee.size() && repliee[chiffres] >= u'0' && repliee[chiffres] <= u'9')
        ++chiffres;
    if (chiffres == 0 || chiffres > 9 || (chiffres > 1 && repliee[0] == u'0'))
        return std::nullopt;
    const QStringView suffixe = repliee.sliced(chiffres);
    // Told apart by length and first letter before a whole comparison.
    for (int c = 0; c < NombreChamps; ++c) {
        if (suffixe.size() == suffixesLus[c].size() && suffixe.front() == suffixesLus[c].front() &&
            suffixe == suffixesLus[c]) {
            int indice = 0;
            for (qsizetype k = 0; k < chiffres; ++k)
                indice = indice * 10 + (repliee[k].unicode() - u'0');
            return CleLue{indice, Champ(c)};
        }
    }
    return std::nullopt;
}

void affecter(TBoutonAppli &r, TBoutonTiroir *t, Champ champ, QStringView brute) {
    switch (champ) {
    case LigCom:
        r.LigCom = valeurLue(brute);
        break;
    case WDir:
        r.WDir = valeurLue(brute);
        break;
    case Name:
        r.Name = valeurLue(brute);
        break;
    case Icon:
        r.Icon = entierLu(valeurLue(brute)).value_or(-1);
        break;
    case Lancement:
        r.Lancement = static_cast<quint8>(entierLu(valeurLue(brute)).value_or(0));
        break;
    case Hint:
        r.Hint = valeurLue(brute);
        break;
    case NomSection:
        if (t)
            t->NomSection = valeurLue(brute);
        break;
    case THint:
        if (t)
            t->THint = valeurLue(brute);
        break;
    case NombreChamps:
        break;
    }
}

template <class T>
T *enCercle(const std::vector<T *> &enregistrements) {
    for (size_t k = 0; k + 1 < enregistrements.size(); ++k)
        enregistrements[k]->Suivant = enregistrements[k + 1];
    if (enregistrements.empty())
        return nullptr;
    enregistrements.back()->Suivant = enregistrements.front();
    return enregistrements.front();
}

} // namespace

ListesBarre LireBoutons(const QString &section, bool principale) {
    const TIniFile ini(G.FichierTableau);
    const QList<int> indices = IndicesBoutons(ini, section);
    std::vector<TBoutonAppli *> applis(size_t(indices.size()));
    std::vector<TBoutonTiroir *> tiroirs(principale ? applis.size() : 0);
    for (auto &r : applis)
        r = new TBoutonAppli;
    for (auto &t : tiroirs)
        t = new TBoutonTiroir;
    // The whole section in one walk: the first key of a name is the one read, as by a lookup.
    std::vector<std::uint16_t> lus(applis.size());
    QSet<QString> misDeCote;
    ListesBarre listes;
    ini.ParcourirSection(section, [&](QStringView cle, QStringView repliee, QStringView brute) {
        if (const std::optional<CleLue> lue = champDeCle(repliee)) {
            const auto place = std::lower_bound(indices.begin(), indices.end(), lue->indice);
            if (place != indices.end() && *place == lue->indice) {
                const auto k = size_t(place - indices.begin());
                if (!(lus[k] & (1u << lue->champ))) {
                    lus[k] |= std::uint16_t(1u << lue->champ);
                    affecter(*applis[k], principale ? tiroirs[k] : nullptr, lue->champ, brute);
                }
                return;
            }
        }
        // Keys of buttons the bar does not show stay in the file as they are.
        const int i = IndiceDeCle(cle);
        if (i < 0 || std::binary_search(indices.begin(), indices.end(), i))
            return;
        QString nomReplie = repliee.toString();
        if (misDeCote.contains(nomReplie))
            return;
        misDeCote.insert(std::move(nomReplie));
        listes.Reste.append({cle.toString(), valeurLue(brute)});
    });
    listes.Liste = enCercle(applis);
    listes.ListeTiroirs = enCercle(tiroirs);
    return listes;
}

void EcrireBoutons(const QString &section, const TBoutonAppli *liste,
                   const TBoutonTiroir *listeTiroirs, const TIniFile::Entrees &reste) {
    TIniFile::Entrees entrees;
    qsizetype longueur = 0;
    PourChaque(liste, [&](const TBoutonAppli *) { ++longueur; });
    entrees.reserve(longueur * 8 + 1 + reste.size());
    int i = 0;
    const TBoutonTiroir *t = listeTiroirs;
    PourChaque(liste, [&](const TBoutonAppli *r) {
        entrees.append({cle(i, u"LigCom"), r->LigCom});
        entrees.append({cle(i, u"Lancement"), nombre(r->Lancement)});
        entrees.append({cle(i, u"WDir"), r->WDir});
        entrees.append({cle(i, u"Name"), r->Name});
        entrees.append({cle(i, u"Icon"), nombre(r->Icon)});
        entrees.append({cle(i, u"Hint"), r->Hint});
        if (t) {
            entrees.append({cle(i, u"NomSection"), t->NomSection});
            if (!t->THint.isEmpty())
                entrees.append({cle(i, u"THint"), t->THint});
            t = t->Suivant;
        }
        ++i;
    });
    entrees.append({Nombre, nombre(i)});
    for (const auto &[nom, valeur] : reste)
        if (const int indice = IndiceDeCle(nom); indice >= i)
            entrees.append({nom, valeur});
    TIniFile(G.FichierTableau).ReplaceSection(section, entrees);
}
