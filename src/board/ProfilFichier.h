#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

// The picture of a profile file: its lines as raw bytes, so that whatever an edit does not touch
// is written back byte for byte, with an index of sections and keys for lookups.
//
// Reading: a line whose first non-blank character is '[' opens a section named by what stands
// up to the first ']' (or the line's end), without blanks around it. Within a section, a line
// holding '=' is a key, named by what stands before the first '=' without blanks around it.
// Lines starting with ';' or '#', lines without '=' and lines before the first section are kept
// and otherwise ignored. Names match without regard to case. When a hand-edited file holds a
// section or a key twice, the first one is the one read and written; the others stay as they are.
// A UTF-8 byte-order mark at the start of the file is kept and not read as part of the first line.
//
// Editing: names and values must pass the checks below, which keep an edit from creating lines
// or sections that were not asked for; the editing functions assume they do.
class ProfilFichier {
public:
    static ProfilFichier depuisOctets(const QByteArray &octets);
    QByteArray octets() const;

    QStringList sections() const; // first occurrences, in file order, as spelled in the file
    bool sectionExiste(QStringView section) const;
    QStringList cles(QStringView section) const; // in file order, as spelled in the file
    // The text after the key's '=', as it stands in the file (blanks and quotes included).
    std::optional<QString> valeurBrute(QStringView section, QStringView cle) const;
    // Every line of the section that holds a key, in file order, duplicates included: its key as
    // spelled and folded, and the text after its '=' as valeurBrute gives it. The views live only
    // for the call. Reading a whole section this way takes no lookup per key.
    using Visiteur = std::function<void(QStringView cle, QStringView repliee, QStringView brute)>;
    void parcourir(QStringView section, const Visiteur &visiteur) const;

    static bool sectionValide(QStringView section);
    static bool cleValide(QStringView cle);
    static bool valeurValide(QStringView valeur);

    // A key already there keeps its place and its spelling: only what follows its '=' changes.
    // A new key goes after the last key of its section, a new section at the end of the file.
    // New lines take the line ending most of the file uses.
    void ecrire(QStringView section, QStringView cle, const QString &valeur);
    // The section erased, then written again at the end of the file from these keys (names
    // without blanks around them, values as stored), as if by ecrire one after the other.
    void remplacer(QStringView section, const QList<QPair<QString, QString>> &entrees);
    // True when remplacer would write the section as it already stands, last in the file.
    bool dejaEnFin(QStringView section, const QList<QPair<QString, QString>> &entrees) const;
    // Every occurrence of the section goes, header and all its lines, so that no older copy of
    // it can come back into view.
    void effacer(QStringView section);

private:
    struct Ligne {
        QByteArray texte; // without its line ending
        QByteArray fin;   // "\n", "\r\n", or empty on a last line without ending
    };
    struct Section {
        QString nom;
        QList<Ligne> lignes; // lignes[0] is the header
        QByteArray bloc;     // bytes of lines written in one go, which those lines point into
        // Built at the first need, since most sections are only ever read a few keys at a time
        // or whole: the index is then work for nothing.
        mutable QHash<QString, qsizetype> cles; // case-folded name -> line of first occurrence
        mutable qsizetype derniereCle = 0;
        mutable bool indexee = false;
        mutable int lectures = 0; // lookups made without the index
    };

    static void indexerLigne(const Section &section, qsizetype ligne);
    static void indexerCles(const Section &section);
    static qsizetype chercherCle(const Section &section, const QString &repliee);
    // For each entry, the entry whose value its line takes (its own, or a later one of the same
    // name), or -1 when an earlier entry of that name holds the line; nothing when a name is not
    // ASCII.
    static std::optional<std::vector<qsizetype>>
    valeursRetenues(const QList<QPair<QString, QString>> &entrees);
    void indexerSections();
    const Section *trouver(QStringView section) const;
    Ligne *derniereLigne();
    QByteArray finApres(Ligne *precedente);

    QByteArray source_; // the bytes read, which unchanged lines point into
    QByteArray bom_;
    QList<Ligne> preambule_;
    QList<Section> sections_;
    QHash<QString, qsizetype> index_;          // case-folded name -> first section of that name
    QByteArray fin_ = QByteArrayLiteral("\n"); // the line ending most lines of the file use
    // The section found last and the name it was asked by: reset by every change of sections_.
    mutable QString derniereDemande_;
    mutable qsizetype derniereSection_ = -1;
};
