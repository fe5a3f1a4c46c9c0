#include "board/TIniFile.h"

#include "board/ValeursProfil.h"
#include "platform/FichierDisque.h"

#include <utility>

namespace {

// Another copy of the program holds the lock for a few milliseconds at a time; a lock held much
// longer belongs to a process that hangs, and the write gives up rather than hang with it.
constexpr int attenteVerrouMs = 5000;

QStringView nom(const QString &texte) {
    return sansBlancs(texte);
}

// Checked before the blanks go: a line break at the end of a name is still a line break.
bool sansSautDeLigne(const QString &texte) {
    return !texte.contains(u'\n') && !texte.contains(u'\r');
}

QString raison(LectureImpossible::Cause cause) {
    switch (cause) {
    case LectureImpossible::Cause::Refusee:
        return QStringLiteral("accès refusé");
    case LectureImpossible::Cause::PasUnFichier:
        return QStringLiteral("ce n'est pas un fichier ordinaire");
    case LectureImpossible::Cause::TropGrand:
        return QStringLiteral("plus de %1 Mo").arg(TIniFile::TailleMax / (1024 * 1024));
    case LectureImpossible::Cause::Erreur:
        break;
    }
    return QStringLiteral("erreur de lecture");
}

// The last picture taken of a file, by a read or by our own write, and the state of the file it
// shows. A process works on one board: one picture is enough.
struct Cliche {
    QString chemin;
    platform::EmpreinteFichier empreinte;
    QByteArray octets;
    std::shared_ptr<const ProfilFichier> profil;
};

Cliche &cliche() {
    static Cliche c;
    return c;
}

void retenir(const QString &chemin, const platform::EmpreinteFichier &empreinte,
             const QByteArray &octets, std::shared_ptr<const ProfilFichier> profil) {
    cliche() = Cliche{chemin, empreinte, octets, std::move(profil)};
}

// The file's picture, taken again unless the last one still shows the file as it stands. A file
// stamped within a clock tick of being looked at may have been edited in place since without a
// new stamp: its bytes are read and compared, which still spares decoding them.
std::shared_ptr<const ProfilFichier> lireProfil(const QString &chemin) {
    Cliche &c = cliche();
    const bool connu = c.profil && c.chemin == chemin;
    if (connu && !c.empreinte.recente) {
        const std::optional<platform::EmpreinteFichier> maintenant =
            platform::empreinteFichier(chemin);
        if (maintenant && *maintenant == c.empreinte)
            return c.profil;
    }
    platform::LectureFichier lu = platform::lireFichier(chemin, TIniFile::TailleMax);
    if (connu && lu.etat == platform::EtatLecture::Lu && lu.octets == c.octets) {
        c.empreinte = lu.empreinte;
        return c.profil;
    }
    switch (lu.etat) {
    case platform::EtatLecture::Lu:
        break;
    case platform::EtatLecture::Absent:
        return std::make_shared<const ProfilFichier>();
    case platform::EtatLecture::Refuse:
        throw LectureImpossible(chemin, LectureImpossible::Cause::Refusee);
    case platform::EtatLecture::PasUnFichier:
        throw LectureImpossible(chemin, LectureImpossible::Cause::PasUnFichier);
    case platform::EtatLecture::TropGrand:
        throw LectureImpossible(chemin, LectureImpossible::Cause::TropGrand);
    case platform::EtatLecture::Erreur:
        throw LectureImpossible(chemin, LectureImpossible::Cause::Erreur);
    }
    auto profil = std::make_shared<const ProfilFichier>(ProfilFichier::depuisOctets(lu.octets));
    retenir(chemin, lu.empreinte, lu.octets, profil);
    return profil;
}

} // namespace

LectureImpossible::LectureImpossible(const QString &chemin, Cause cause)
    : std::runtime_error(QStringLiteral("Impossible de lire le fichier %1 (%2). Il est laissé tel "
                                        "quel : les changements ne seront pas enregistrés.")
                             .arg(chemin, raison(cause))
                             .toUtf8()
                             .toStdString()),
      cause_(cause) {}

EcritureImpossible::EcritureImpossible(const QString &chemin)
    : std::runtime_error((QStringLiteral("Unable to write to ") + chemin).toUtf8().toStdString()),
      chemin_(chemin) {}

TIniFile::TIniFile(QString cheminComplet) : chemin_(std::move(cheminComplet)) {}

const ProfilFichier &TIniFile::profil() const {
    if (!profil_) {
        try {
            profil_ = lireProfil(chemin_);
        } catch (const LectureImpossible &echec) {
            echec_ = echec;
            profil_ = std::make_shared<const ProfilFichier>();
        }
    }
    return *profil_;
}

void TIniFile::VerifierLecture() const {
    profil();
    if (echec_)
        throw *echec_;
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const {
    const std::optional<QString> brute = profil().valeurBrute(nom(section), nom(key));
    return brute ? valeurLue(*brute) : def;
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int def) const {
    const std::optional<QString> brute = profil().valeurBrute(nom(section), nom(key));
    if (!brute)
        return def;
    return entierLu(valeurLue(*brute)).value_or(def);
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

QStringList TIniFile::ReadSection(const QString &section) const {
    return profil().cles(nom(section));
}

void TIniFile::ParcourirSection(const QString &section,
                                const ProfilFichier::Visiteur &visiteur) const {
    profil().parcourir(nom(section), visiteur);
}

bool TIniFile::SectionExists(const QString &section) const {
    return profil().sectionExiste(nom(section));
}

void TIniFile::modifier(const std::function<bool(ProfilFichier &)> &edition) {
    platform::VerrouFichier verrou(chemin_ + QStringLiteral(".lock"));
    if (!verrou.prendre(attenteVerrouMs)) {
        lireProfil(chemin_); // a board that cannot be read says so first
        throw EcritureImpossible(chemin_);
    }

    // Looked at again under the lock: another copy of the program may have written since our
    // picture was taken, and its keys must survive our write. A file that cannot be read is
    // never written over.
    ProfilFichier actuel = *lireProfil(chemin_);
    if (!edition(actuel)) {
        profil_ = std::make_shared<const ProfilFichier>(std::move(actuel));
        return;
    }
    platform::supprimerTemporairesOrphelins(chemin_);
    const QByteArray octets = actuel.octets();
    if (octets.size() > TailleMax)
        throw EcritureImpossible(chemin_);
    const std::optional<platform::EmpreinteFichier> ecrit =
        platform::remplacerFichier(chemin_, octets);
    if (!ecrit)
        throw EcritureImpossible(chemin_);
    profil_ = std::make_shared<const ProfilFichier>(std::move(actuel));
    retenir(chemin_, *ecrit, octets, profil_);
}

void TIniFile::verifierEntrees(const QString &section, const Entrees &entrees) const {
    if (!sansSautDeLigne(section) || !ProfilFichier::sectionValide(nom(section)))
        throw EcritureImpossible(chemin_);
    // One look at each character: a bar writes thousands of entries at a time.
    const auto sansAucun = [](QStringView texte, bool egal) {
        for (const QChar c : texte) {
            if (c == u'\n' || c == u'\r' || (egal && c == u'='))
                return false;
        }
        return true;
    };
    for (const auto &[cle, valeur] : entrees) {
        // What cleValide asks of the name, the line breaks and '=' being looked at above.
        const QStringView n = nom(cle);
        if (!sansAucun(cle, true) || !sansAucun(valeur, false) || n.isEmpty() ||
            n.front() == u'[' || n.front() == u';' || n.front() == u'#')
            throw EcritureImpossible(chemin_);
    }
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value) {
    WriteStrings(section, {{key, value}});
}

void TIniFile::WriteInteger(const QString &section, const QString &key, int value) {
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::EraseSection(const QString &section) {
    verifierEntrees(section, {});
    modifier([&](ProfilFichier &profil) {
        if (!profil.sectionExiste(nom(section)))
            return false;
        profil.effacer(nom(section));
        return true;
    });
}

void TIniFile::WriteStrings(const QString &section, const Entrees &entrees) {
    verifierEntrees(section, entrees);
    if (entrees.isEmpty())
        return;
    modifier([&](ProfilFichier &profil) {
        for (const auto &[cle, valeur] : entrees)
            profil.ecrire(nom(section), nom(cle), valeurAStocker(valeur));
        return true;
    });
}

void TIniFile::ReplaceSection(const QString &section, const Entrees &entrees) {
    verifierEntrees(section, entrees);
    // Made ready before the lock is taken, to hold it for as short a time as can be.
    Entrees stockees;
    stockees.reserve(entrees.size());
    for (const auto &[cle, valeur] : entrees)
        stockees.append(
            {nom(cle).size() == cle.size() ? cle : nom(cle).toString(), valeurAStocker(valeur)});
    modifier([&](ProfilFichier &profil) {
        // A bar that closes writes its section again, most often unchanged since its last save.
        if (profil.dejaEnFin(nom(section), stockees))
            return false;
        const bool existait = profil.sectionExiste(nom(section));
        profil.remplacer(nom(section), stockees);
        return existait || !entrees.isEmpty();
    });
}
