#pragma once

#include "board/ProfilFichier.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

// A failed write of the board file. what() is "Unable to write to <full path>" in UTF-8.
class EcritureImpossible : public std::runtime_error {
public:
    explicit EcritureImpossible(const QString &chemin);
    const QString &chemin() const { return chemin_; }

private:
    QString chemin_;
};

// A board file that exists but cannot be read: not allowed, not a regular file (a FIFO, a device),
// or larger than any board. what() says so in French, in UTF-8, and that nothing is written over
// the file. Writes raise it too, since writing would lose what the file holds.
class LectureImpossible : public std::runtime_error {
public:
    enum class Cause { Refusee, PasUnFichier, TropGrand, Erreur };
    LectureImpossible(const QString &chemin, Cause cause);
    Cause cause() const { return cause_; }

private:
    Cause cause_;
};

// Accessor of a profile file (sections of key=value lines) on a full path.
//
// It keeps the rules that stored boards rely on: section and key names match without regard to
// case; a missing file reads as if every key were missing and the first write creates it; a key
// written again is replaced where it stands, a new key goes at the end of its section and a new
// section at the end of the file; erasing a section removes its header and its keys; values come
// back without surrounding blanks and without one pair of enclosing double or single quotes, and
// at most 1023 characters of a value come back.
//
// The file is the truth: an accessor takes its picture of the file at its first read and keeps it
// for its later reads (an accessor serves one operation). A picture is shared with later
// accessors only while the file stays the same (device, inode, size, times to the nanosecond,
// looked at when each accessor starts; a file stamped within a clock tick of being looked at is
// compared byte for byte), so an accessor on an unchanged file costs a stat, and a file another
// program changed is always read afresh. Every write looks again under the lock before changing
// the file. Every write replaces the whole file atomically, under an advisory lock, keeps the
// file's owner, group and mode, and keeps every byte it does not change (comments, blank lines,
// unknown keys, line endings).
//
// A file that cannot be read reads as if it were missing, and every write to it raises
// LectureImpossible: it is never written over.
//
// A value, key or section name holding a line break is refused with the write error, since it
// would add keys or sections when read back; so are a section name holding ']' and a key holding
// '=' or starting with '[', ';' or '#'. Names are taken without the blanks around them, as the
// file gives them.
//
// A value wholly enclosed in a pair of quotes that also holds that quote inside is stored in one
// more pair, so that it reads back as written (a quoted program followed by a quoted argument).
// The blanks around a value are lost, as rule 5 says.
class TIniFile {
public:
    using Entrees = QList<QPair<QString, QString>>;

    explicit TIniFile(QString cheminComplet);

    const QString &FileName() const { return chemin_; }

    // Raises LectureImpossible when the file exists but cannot be read.
    void VerifierLecture() const;

    // The largest board read or written.
    static constexpr qint64 TailleMax = 8 * 1024 * 1024;

    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    int ReadInteger(const QString &section, const QString &key, int def) const;
    bool ReadBool(const QString &section, const QString &key, bool def) const;

    // Names of the keys of a section, in file order; empty when the section is missing.
    QStringList ReadSection(const QString &section) const;
    bool SectionExists(const QString &section) const;
    // The keys of a section in one walk, in file order, duplicates included (the first of a name
    // is the one the reads give): each key as spelled and case-folded, with its raw value, which
    // valeurLue and entierLu turn into what ReadString and ReadInteger give.
    void ParcourirSection(const QString &section, const ProfilFichier::Visiteur &visiteur) const;

    // Each throws EcritureImpossible when the file cannot be written, LectureImpossible when it
    // cannot be read; the file then stays as it was.
    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);
    void EraseSection(const QString &section);

    // Several keys written into one section in one replacement of the file, as if by WriteString
    // one after the other.
    void WriteStrings(const QString &section, const Entrees &entrees);

    // The section erased and written again from the entries, in one replacement of the file: it
    // then stands at the end of the file.
    void ReplaceSection(const QString &section, const Entrees &entrees);

private:
    const ProfilFichier &profil() const;
    // One read-modify-write under the lock. The edit returns false when it changed nothing, and
    // the file is then left alone.
    void modifier(const std::function<bool(ProfilFichier &)> &edition);
    void verifierEntrees(const QString &section, const Entrees &entrees) const;

    QString chemin_;
    mutable std::shared_ptr<const ProfilFichier> profil_;
    mutable std::optional<LectureImpossible> echec_;
};
