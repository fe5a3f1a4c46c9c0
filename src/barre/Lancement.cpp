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

void DemarrerCommande(const QString &commande, quint8 lancement) {
    const CommandeDecoupee c = DecouperCommande(commande);
    // A program that cannot be started says nothing: the launch simply does not happen.
    platform::lancer(c.programme, c.arguments, static_cast<int>(ModeAffichage(lancement)));
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
    if (!r)
        return;
    platform::reveler(platform::fichierDuProgramme(ProgrammeLigCom(r->LigCom)));
}
