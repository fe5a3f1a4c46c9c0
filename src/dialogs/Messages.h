#pragma once

#include <QString>
#include <exception>
#include <functional>

// Every message the program shows to the user goes through here, and so does every error raised
// during an action: one place decides how they look, and tests can answer them.
namespace Messages {

enum class Genre { Information, OkAnnuler, OuiNon };

// Shows a modal box; for a question, true when the user answered OK or Yes.
using Repondeur = std::function<bool(Genre, const QString &titre, const QString &texte)>;

// Replaces the real boxes (tests); an empty function brings them back.
void DefinirRepondeur(Repondeur repondeur);

// A notice with one OK button; the caption is the application's title unless one is given.
void Afficher(const QString &texte, const QString &titre = {});

// A question with OK and Cancel; true for OK.
bool DemanderOkAnnuler(const QString &titre, const QString &texte);

// A question with Yes and No; true for Yes.
bool DemanderOuiNon(const QString &texte);

// The error report: the error's message followed by a period, under the application's title.
void RapporterErreur(const std::exception &erreur);

// Runs one action of the user; an error it raises stops the action there, is reported, and the
// program goes on.
template <class F>
void Agir(F &&action) {
    try {
        action();
    } catch (const std::exception &erreur) {
        RapporterErreur(erreur);
    }
}

// Ends the program at once with the given exit code, for the internal faults that cannot be
// recovered from. Tests replace the ending with one that throws.
[[noreturn]] void TerminerProgramme(int code);
void DefinirFin(std::function<void(int)> fin);

} // namespace Messages
