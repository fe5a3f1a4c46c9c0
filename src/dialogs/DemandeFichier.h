#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The system's dialogs for choosing a file to open or a file to save to, behind one function
// that tests can answer in their place.
namespace Fichiers {

struct Demande {
    enum class Genre { Ouvrir, Enregistrer };
    Genre genre = Genre::Ouvrir;
    QString titre;       // empty: the system's own title
    QString repertoire;  // start folder; empty: the current one
    QString nom;         // file name offered at the start
    QStringList filtres; // "Description (*.a *.b)"; the first one is selected
    // The filter, by its place in `filtres`, that keeps only the files the user may run: programs
    // on this system mostly have no extension, so no pattern tells them apart. -1: none.
    int programmes = -1;
};

// The full path chosen, in the platform's own separators; empty when the user cancelled.
// A name typed for a file that does not exist is accepted, and saving over an existing file asks
// no question.
QString Demander(QWidget *parent, const Demande &demande);

// Replaces the dialogs (tests); an empty function brings them back.
using Repondeur = std::function<QString(const Demande &)>;
void DefinirRepondeur(Repondeur repondeur);

} // namespace Fichiers
