// Dragging a button onto another, and files dropped from the file manager.

#include "barre/Disposition.h"
#include "barre/Enregistrements.h"
#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "board/Tableau.h"
#include "dialogs/Messages.h"
#include "logic/EntreeBureau.h"
#include "logic/ReglesChemin.h"
#include "platform/Programme.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>

namespace {

// Marks a drag of one of the bars' own buttons; the button itself is the drag's source.
const QString TypeBouton = QStringLiteral("application/x-tressola-bouton");

// The local files of a drop; empty when anything in it is not a local file.
QStringList fichiersLocaux(const QMimeData *donnees) {
    QStringList fichiers;
    if (!donnees->hasUrls())
        return fichiers;
    for (const QUrl &url : donnees->urls()) {
        if (!url.isLocalFile())
            return {};
        fichiers.append(url.toLocalFile());
    }
    return fichiers;
}

} // namespace

void TBarreDlg::MyMouseDown(TBitBtn *bouton, QMouseEvent *evenement) {
    if (evenement->button() != Qt::LeftButton)
        return;
    bouton->setFocus();
    if (evenement->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))
        return;
    if (!AppliDuControle(this, focusWidget()))
        return;
    G.BarreSource = this;
    // The drag leaves the button at the first movement; a release without one is a drop on the
    // button it started on.
    boutonPresse_ = bouton;
}

void TBarreDlg::GlisserBouton() {
    TBitBtn *bouton = boutonPresse_;
    boutonPresse_ = nullptr;
    auto *drag = new QDrag(bouton);
    auto *donnees = new QMimeData;
    donnees->setData(TypeBouton, {});
    drag->setMimeData(donnees);
    drag->setPixmap(bouton->icon().pixmap(bouton->iconSize()));
    drag->exec(Qt::CopyAction);
}

void TBarreDlg::RelacherBouton(TBitBtn *bouton) {
    if (boutonPresse_ != bouton)
        return;
    boutonPresse_ = nullptr;
    MyDragDrop(bouton, bouton);
}

bool TBarreDlg::MyDragOver(const QWidget *cible, const QObject *source) const {
    return qobject_cast<const TBitBtn *>(source) && AppliDuControle(this, cible);
}

void TBarreDlg::MyDragDrop(TBitBtn *cible, QObject *source) {
    auto *s = qobject_cast<TBitBtn *>(source);
    if (!s)
        return;
    if (s == cible) {
        clicbouton();
        return;
    }
    TBoutonAppli *rt = AppliDuControle(this, cible);
    TBoutonAppli *rs = G.BarreSource ? AppliDuControle(G.BarreSource, s) : nullptr;
    if (!rt || !rs)
        return;
    if (!rt->LigCom.isEmpty() && !Messages::DemanderOuiNon(QStringLiteral("Ecraser le bouton de ") +
                                                           rt->LigCom + QStringLiteral(" ?")))
        return;
    rt->Name = rs->Name;
    rt->Lancement = rs->Lancement;
    rt->WDir = rs->WDir;
    rt->Icon = rs->Icon;
    rt->LigCom = rs->LigCom;
    rt->Hint = rs->Hint;
    RebatirBouton(this, rt);
}

void TBarreDlg::WMDropFiles(const QStringList &fichiers, QPoint point) {
    if (fichiers.size() != 1)
        return;
    const QString f = fichiers.first();
    TBoutonAppli *r = AppliEnPoint(point);
    if (!r)
        return;
    // A line break would break the board file, a double quote the command line.
    if (f.contains(u'\n') || f.contains(u'\r') || f.contains(u'"')) {
        Messages::Afficher(QStringLiteral("Ce fichier ne peut pas servir : son nom contient un "
                                          "saut de ligne ou un guillemet.\n") +
                           f);
        return;
    }
    const QString separateurs = platform::separateursChemin();
    if (!r->LigCom.isEmpty()) {
        // Opened by the button's program: no working directory, no drawer hidden, nothing
        // written.
        DemarrerCommande(EntreGuillemets(r->LigCom) + u' ' + EntreGuillemets(f), r->Lancement);
        return;
    }
    TBoutonAppli n;
    n.Name = f;
    n.Icon = 0;
    n.LigCom = u'"' + f + u'"';
    // Taken from the name itself: from the quoted line, a name without an extension, as Linux
    // programs have, would keep the closing quote.
    n.Hint = NomInfobulle(f, separateurs);
    n.WDir = PartieRepertoire(f, separateurs);
    if (f.endsWith(QStringLiteral(".desktop"))) {
        // A desktop entry stands for the program it starts.
        QFile fichier(f);
        const std::optional<EntreeBureau> e = fichier.open(QIODevice::ReadOnly)
                                                  ? LireEntreeBureau(fichier.read(1 << 20))
                                                  : std::nullopt;
        if (e) {
            n.LigCom = LigneDeCommande(ArgumentsExec(e->exec));
            n.Hint = e->name;
            n.WDir = e->path.isEmpty() || e->path.endsWith(separateurs.front())
                         ? e->path
                         : e->path + separateurs.front();
        }
    }
    // Nothing enters the bar that its board file could not give back: a line break would break
    // every later save of the bar, a longer value would come back cut.
    for (const QString *v : {&n.Name, &n.LigCom, &n.Hint, &n.WDir}) {
        if (v->contains(u'\n') || v->contains(u'\r') || ValeurTropLongue(*v)) {
            Messages::Afficher(
                QStringLiteral("Ce fichier ne peut pas servir : il donnerait un saut de ligne ou "
                               "plus de %1 caractères au bouton.\n")
                    .arg(longueurMaxValeur) +
                f);
            return;
        }
    }
    r->Name = n.Name;
    r->Icon = n.Icon;
    r->Lancement = 0;
    r->LigCom = n.LigCom;
    r->Hint = n.Hint;
    r->WDir = n.WDir;
    RebatirBouton(this, r);
}

void TBarreDlg::dragEnterEvent(QDragEnterEvent *evenement) {
    if (evenement->mimeData()->hasFormat(TypeBouton) ||
        !fichiersLocaux(evenement->mimeData()).isEmpty())
        evenement->acceptProposedAction();
}

void TBarreDlg::dragMoveEvent(QDragMoveEvent *evenement) {
    if (!evenement->mimeData()->hasFormat(TypeBouton)) {
        evenement->acceptProposedAction();
        return;
    }
    if (MyDragOver(childAt(evenement->position().toPoint()), evenement->source()))
        evenement->acceptProposedAction();
    else
        evenement->ignore();
}

void TBarreDlg::dropEvent(QDropEvent *evenement) {
    const QPoint point = evenement->position().toPoint();
    if (evenement->mimeData()->hasFormat(TypeBouton)) {
        auto *cible = qobject_cast<TBitBtn *>(childAt(point));
        QObject *source = evenement->source();
        evenement->acceptProposedAction();
        if (cible)
            Messages::Agir([&] { MyDragDrop(cible, source); });
        return;
    }
    const QStringList fichiers = fichiersLocaux(evenement->mimeData());
    evenement->acceptProposedAction();
    Messages::Agir([&] { WMDropFiles(fichiers, point); });
}
