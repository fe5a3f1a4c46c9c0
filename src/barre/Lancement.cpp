// Starting a button's program, and showing it in the file manager.

#include "barre/Enregistrements.h"
#include "barre/TBarreDlg.h"
#include "barre/Tiroirs.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "dialogs/Messages.h"
#include "logic/LigneCommande.h"
#include "platform/Processus.h"
#include "platform/Programme.h"
#include "platform/Revelateur.h"

namespace {
void Demarrer(const CommandeDecoupee &c, quint8 lancement) {
    // A program that cannot be started says nothing: the launch simply does not happen.
    platform::lancer(c.programme, c.arguments, static_cast<int>(ModeAffichage(lancement)));
}
} // namespace

void DemarrerCommande(const QString &commande, quint8 lancement) {
    Demarrer(DecouperCommande(commande), lancement);
}

void DemarrerCommande(const QString &commande, const QString &argument, quint8 lancement) {
    // Never joined to the line: tabs, quotes and a final backslash in a file name would be read
    // by the quoting rules.
    CommandeDecoupee c = DecouperCommande(commande);
    c.arguments.append(argument);
    Demarrer(c, lancement);
}

void TBarreDlg::clicbouton() {
    TBoutonAppli *r = AppliDuControle(this, focusWidget());
    if (!r)
        return;
    const QString commande = CommandeLancement(r->LigCom);
    const QString repertoire = RepertoireLancement(r->WDir, platform::separateursChemin());
    // The directory stays the process's own after the launch: a later button with none starts
    // there too.
    if (!repertoire.isEmpty() && !platform::changerRepertoireCourant(repertoire))
        Messages::Afficher(QStringLiteral("Mauvais répertoire de travail !"));
    if (G.FermetureAuto && !EstPrincipale)
        CacherTiroir(this);
    DemarrerCommande(commande, r->Lancement);
}

void TBarreDlg::LancerClick() {
    clicbouton();
}

void TBarreDlg::AtteindreClick() {
    TBoutonAppli *r = AppliDuControle(this, focusWidget());
    // A blank button has no original to show.
    if (!r || r->LigCom.trimmed().isEmpty())
        return;
    platform::reveler(platform::fichierDuProgramme(ProgrammeLigCom(r->LigCom)));
}
