#include "board/TIniFile.h"

#include "board/ValeursProfil.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <utility>

namespace {

// Another copy of the program holds the lock for a few milliseconds at a time; a lock held much
// longer belongs to a process that hangs, and the write gives up rather than hang with it.
constexpr int attenteVerrouMs = 5000;

QString nom(const QString &texte) {
    return sansBlancs(texte).toString();
}

// Checked before the blanks go: a line break at the end of a name is still a line break.
bool sansSautDeLigne(const QString &texte) {
    return !texte.contains(u'\n') && !texte.contains(u'\r');
}

} // namespace

EcritureImpossible::EcritureImpossible(const QString &chemin)
    : std::runtime_error((QStringLiteral("Unable to write to ") + chemin).toUtf8().toStdString()),
      chemin_(chemin) {}

TIniFile::TIniFile(QString cheminComplet) : chemin_(std::move(cheminComplet)) {}

const ProfilFichier &TIniFile::profil() const {
    if (!profil_) {
        QFile fichier(chemin_);
        profil_ = fichier.open(QIODevice::ReadOnly) ? ProfilFichier::depuisOctets(fichier.readAll())
                                                    : ProfilFichier();
    }
    return *profil_;
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

bool TIniFile::SectionExists(const QString &section) const {
    return profil().sectionExiste(nom(section));
}

void TIniFile::modifier(const std::function<bool(ProfilFichier &)> &edition) {
    QLockFile verrou(chemin_ + QStringLiteral(".lock"));
    if (!verrou.tryLock(attenteVerrouMs))
        throw EcritureImpossible(chemin_);

    // Read again under the lock: another copy of the program may have written since our
    // picture was taken, and its keys must survive our write.
    ProfilFichier actuel;
    if (QFileInfo::exists(chemin_)) {
        QFile fichier(chemin_);
        if (!fichier.open(QIODevice::ReadOnly))
            throw EcritureImpossible(chemin_); // writing now would lose what the file holds
        const QByteArray octets = fichier.readAll();
        if (fichier.error() != QFileDevice::NoError)
            throw EcritureImpossible(chemin_);
        actuel = ProfilFichier::depuisOctets(octets);
    }

    if (edition(actuel)) {
        const QByteArray octets = actuel.octets();
        QSaveFile fichier(chemin_);
        if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() ||
            !fichier.commit())
            throw EcritureImpossible(chemin_);
    }
    profil_ = std::move(actuel);
}

void TIniFile::verifierEntrees(const QString &section, const Entrees &entrees) const {
    if (!sansSautDeLigne(section) || !ProfilFichier::sectionValide(nom(section)))
        throw EcritureImpossible(chemin_);
    for (const auto &[cle, valeur] : entrees) {
        if (!sansSautDeLigne(cle) || !ProfilFichier::cleValide(nom(cle)) ||
            !ProfilFichier::valeurValide(valeur))
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
    modifier([&](ProfilFichier &profil) {
        const bool existait = profil.sectionExiste(nom(section));
        profil.effacer(nom(section));
        for (const auto &[cle, valeur] : entrees)
            profil.ecrire(nom(section), nom(cle), valeurAStocker(valeur));
        return existait || !entrees.isEmpty();
    });
}
