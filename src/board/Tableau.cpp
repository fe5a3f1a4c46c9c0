#include "board/Tableau.h"

#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/TIniFile.h"
#include "platform/Programme.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Reglages = QStringLiteral("TRESSOLA");
const QString Nombre = QStringLiteral("Nombre");

// Beyond this, a count is taken for damage rather than a real bar.
constexpr int NombreCredible = 1000;

QString cle(int i, QStringView suffixe) {
    return QString::number(i).append(suffixe);
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
    return TIniFile(G.FichierTableau).ReadInteger(section, Nombre, -1);
}

bool SectionUtilisee(const QString &section) {
    return NombreTiroir(section) != -1;
}

QString ReserverSection(const QStringList &nomsTenus) {
    const TIniFile lecture(G.FichierTableau);
    QString candidat;
    for (int k = 0;; ++k) {
        candidat = QStringLiteral("SECTION") + QString::number(k);
        // A slot whose drawer lost its section keeps naming it: handing the name out again
        // would make two drawers share one section.
        if (lecture.ReadInteger(candidat, Nombre, -1) == -1 &&
            !nomsTenus.contains(candidat, Qt::CaseInsensitive))
            break;
    }
    TIniFile(G.FichierTableau).WriteInteger(candidat, Nombre, 0);
    return candidat;
}

int NombreBoutons(const TIniFile &ini, const QString &section) {
    const int n = ini.ReadInteger(section, Nombre, 0);
    if (n < 1)
        return 0;
    if (n <= NombreCredible)
        return n;
    // Count the buttons whose keys are present: the highest index found, plus one.
    int plusHaut = -1;
    for (const QString &cleLue : ini.ReadSection(section)) {
        qsizetype chiffres = 0;
        while (chiffres < cleLue.size() && cleLue[chiffres].isDigit() &&
               cleLue[chiffres].unicode() < 128)
            ++chiffres;
        if (chiffres == 0 || chiffres > 9 || chiffres == cleLue.size())
            continue;
        plusHaut = std::max(plusHaut, cleLue.left(chiffres).toInt());
    }
    return std::min(n, plusHaut + 1);
}

ListesBarre LireBoutons(const QString &section, bool principale) {
    const TIniFile ini(G.FichierTableau);
    const int n = NombreBoutons(ini, section);
    ListesBarre listes;
    TBoutonAppli *derniere = nullptr;
    TBoutonTiroir *dernierTiroir = nullptr;
    for (int i = 0; i < n; ++i) {
        auto *r = new TBoutonAppli;
        r->LigCom = ini.ReadString(section, cle(i, u"LigCom"), {});
        r->WDir = ini.ReadString(section, cle(i, u"WDir"), {});
        r->Name = ini.ReadString(section, cle(i, u"Name"), {});
        r->Icon = ini.ReadInteger(section, cle(i, u"Icon"), -1);
        r->Lancement = static_cast<quint8>(ini.ReadInteger(section, cle(i, u"Lancement"), 0));
        r->Hint = ini.ReadString(section, cle(i, u"Hint"), {});
        (derniere ? derniere->Suivant : listes.Liste) = r;
        derniere = r;
        if (principale) {
            auto *t = new TBoutonTiroir;
            t->NomSection = ini.ReadString(section, cle(i, u"NomSection"), {});
            t->THint = ini.ReadString(section, cle(i, u"THint"), {});
            (dernierTiroir ? dernierTiroir->Suivant : listes.ListeTiroirs) = t;
            dernierTiroir = t;
        }
    }
    if (derniere)
        derniere->Suivant = listes.Liste;
    if (dernierTiroir)
        dernierTiroir->Suivant = listes.ListeTiroirs;
    return listes;
}

void EcrireBoutons(const QString &section, const TBoutonAppli *liste,
                   const TBoutonTiroir *listeTiroirs) {
    TIniFile::Entrees entrees;
    int i = 0;
    const TBoutonTiroir *t = listeTiroirs;
    PourChaque(liste, [&](const TBoutonAppli *r) {
        entrees.append({cle(i, u"LigCom"), r->LigCom});
        entrees.append({cle(i, u"Lancement"), QString::number(r->Lancement)});
        entrees.append({cle(i, u"WDir"), r->WDir});
        entrees.append({cle(i, u"Name"), r->Name});
        entrees.append({cle(i, u"Icon"), QString::number(r->Icon)});
        entrees.append({cle(i, u"Hint"), r->Hint});
        if (t) {
            entrees.append({cle(i, u"NomSection"), t->NomSection});
            if (!t->THint.isEmpty())
                entrees.append({cle(i, u"THint"), t->THint});
            t = t->Suivant;
        }
        ++i;
    });
    entrees.append({Nombre, QString::number(i)});
    TIniFile(G.FichierTableau).ReplaceSection(section, entrees);
}
