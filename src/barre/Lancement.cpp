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

QString raison(const platform::Lance &echec) {
    switch (echec.echec) {
    case platform::EchecLancement::Introuvable:
        return QStringLiteral("programme introuvable");
    case platform::EchecLancement::NonExecutable:
        return QStringLiteral("ce n'est pas un programme exécutable");
    default:
        return echec.detail;
    }
}

void Demarrer(const CommandeDecoupee &c, quint8 lancement) {
    // A blank button starts nothing and says nothing; any other line that does not start says
    // why, or the user is left clicking a button that does nothing.
    if (c.programme.isEmpty())
        return;
    const platform::Lance l =
        platform::lancer(c.programme, c.arguments, static_cast<int>(ModeAffichage(lancement)));
    if (!l)
        Messages::Afficher(
            QStringLiteral("Impossible de lancer « %1 » : %2.").arg(c.programme, raison(l)));
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
