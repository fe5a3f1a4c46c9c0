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
#include <QStringDecoder>
#include <QTimer>
#include <utility>

namespace {

// Marks a drag of one of the bars' own buttons; the button itself is the drag's source.
const QString TypeBouton = QStringLiteral("application/x-tressola-bouton");

// The local files of a drop's addresses; empty when anything in it is not a local file.
QStringList fichiersLocaux(const QList<QUrl> &adresses) {
    QStringList fichiers;
    for (const QUrl &url : adresses) {
        if (!url.isLocalFile())
            return {};
        fichiers.append(url.toLocalFile());
    }
    return fichiers;
}

QList<QUrl> adressesDuDepot(const QMimeData *donnees) {
    return donnees->hasUrls() ? donnees->urls() : QList<QUrl>();
}

// A file dropped from another program is only ever read, never taken away: a copy when the
// source offers one, else a link, whatever keys are held.
Qt::DropAction actionAcceptee(Qt::DropActions possibles) {
    if (possibles & Qt::CopyAction)
        return Qt::CopyAction;
    if (possibles & Qt::LinkAction)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

// True when every address of the drop names its file in valid UTF-8: another name could never be
// started, nor written back as it is.
bool nomsLisibles(const QList<QUrl> &adresses) {
    for (const QUrl &url : adresses) {
        const QByteArray octets =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        QStringDecoder utf8(QStringDecoder::Utf8);
        (void)QString(utf8(octets));
        if (utf8.hasError())
            return false;
    }
    return true;
}

// Why a file cannot fill a button; empty when it can.
QString refusDuNom(const QString &f) {
    // A line break would break the board file, a double quote the command line.
    if (f.contains(u'\n') || f.contains(u'\r') || f.contains(u'"'))
        return QStringLiteral("Ce fichier ne peut pas servir : son nom contient un saut de ligne "
                              "ou un guillemet.\n") +
               f;
    return {};
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
    if (const QString refus = refusDuNom(f); !refus.isEmpty()) {
        Messages::Afficher(refus);
        return;
    }
    const QString separateurs = platform::separateursChemin();
    if (!r->LigCom.isEmpty()) {
        // Opened by the button's program: no working directory, no drawer hidden, nothing
        // written.
        DemarrerCommande(EntreGuillemets(r->LigCom), f, r->Lancement);
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
    // Asked for once per drag: from another program every request goes to it anew, and one made
    // while others are under way may come back empty.
    adressesGlissees_ = adressesDuDepot(evenement->mimeData());
    if (evenement->mimeData()->hasFormat(TypeBouton) ||
        !fichiersLocaux(adressesGlissees_).isEmpty())
        evenement->acceptProposedAction();
}

// Whether a drop of these files at this point would do something: one file, over an application
// button, offered as a copy or a link.
bool TBarreDlg::DepotPossible(const QStringList &fichiers, const QDropEvent *evenement) const {
    return actionAcceptee(evenement->possibleActions()) != Qt::IgnoreAction &&
           fichiers.size() == 1 && AppliEnPoint(evenement->position().toPoint());
}

void TBarreDlg::dragMoveEvent(QDragMoveEvent *evenement) {
    if (!evenement->mimeData()->hasFormat(TypeBouton)) {
        // Refused anywhere nothing would happen, so that the source never counts it as done.
        if (DepotPossible(fichiersLocaux(adressesGlissees_), evenement)) {
            evenement->setDropAction(actionAcceptee(evenement->possibleActions()));
            evenement->accept();
        } else {
            evenement->ignore();
        }
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
    evenement->ignore();
    const QList<QUrl> adresses = adressesGlissees_.isEmpty()
                                     ? adressesDuDepot(evenement->mimeData())
                                     : std::exchange(adressesGlissees_, {});
    const QStringList fichiers = fichiersLocaux(adresses);
    if (!DepotPossible(fichiers, evenement))
        return;
    QString refus = refusDuNom(fichiers.first());
    if (!nomsLisibles(adresses))
        refus = QStringLiteral("Ce fichier ne peut pas servir : son nom n'est pas écrit en "
                               "UTF-8.\n") +
                fichiers.first();
    if (!refus.isEmpty()) {
        // Said once the source has its answer, so that it does not wait for the message.
        QTimer::singleShot(0, this, [refus] { Messages::Afficher(refus); });
        return;
    }
    evenement->setDropAction(actionAcceptee(evenement->possibleActions()));
    evenement->accept();
    Messages::Agir([&] { WMDropFiles(fichiers, point); });
}
