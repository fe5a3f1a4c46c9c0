#include "dialogs/TConfigDlg.h"

#include "dialogs/Cadres.h"
#include "dialogs/Polices.h"
#include "dialogs/TRadioGroup.h"
#include "logic/Echelle.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <climits>

namespace {

// A whole-number field without bounds. While the user edits it, an empty text or a lone minus
// sign is taken as 0, as any text that is not a number would be, rather than the value before.
class ChampEntier : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString &texte, int &position) const override {
        if (sansNombre(texte))
            return QValidator::Acceptable;
        return QSpinBox::validate(texte, position);
    }
    int valueFromText(const QString &texte) const override {
        return sansNombre(texte) ? 0 : QSpinBox::valueFromText(texte);
    }

private:
    static bool sansNombre(const QString &texte) {
        const QString t = texte.trimmed();
        return t.isEmpty() || t == u"-" || t == u"+";
    }
};

} // namespace

TConfigDlg::TConfigDlg(QWidget *parent) : QDialog(parent, CadreFixe) {
    Construire();
    connect(qApp, &QApplication::focusChanged, this, &TConfigDlg::FocusDeplace);
    connect(Parcourir1, &QPushButton::clicked, this, &TConfigDlg::Parcourir1Click);
    connect(Parcourir2, &QPushButton::clicked, this, &TConfigDlg::Parcourir2Click);
    connect(Choisir, &QPushButton::clicked, this, &TConfigDlg::ChoisirClick);
    connect(SauverBMP, &QPushButton::clicked, this, &TConfigDlg::SauverBMPICOClick);
    connect(EffacerBtn, &QPushButton::clicked, this, &TConfigDlg::EffacerBtnClick);
    connect(HelpBtn, &QPushButton::clicked, this, &TConfigDlg::HelpBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TConfigDlg::~TConfigDlg() {
    // The focus moves while the controls go; this part of the dialog is gone by then.
    disconnect(qApp, &QApplication::focusChanged, this, &TConfigDlg::FocusDeplace);
}

void TConfigDlg::Construire() {
    setWindowTitle(QStringLiteral("Configurer une application"));
    // The four buttons along the bottom keep the dialog's bold font; every other control takes
    // the regular weight.
    setFont(PoliceDialogue(true));
    const QFont normale = PoliceDialogue(false);
    const int dpi = logicalDpiY();
    const auto e = [dpi](int pixels) { return Echelle(pixels, dpi); };
    setFixedSize(e(525), e(370));
    DonnerCadreFixe(this);

    const auto placer = [&](QWidget *controle, int x, int y, int l, int h) {
        controle->setGeometry(e(x), e(y), e(l), e(h));
    };
    const auto champ = [&](int x, int y, int l, int h) {
        auto *ligne = new QLineEdit(this);
        ligne->setFont(normale);
        placer(ligne, x, y, l, h);
        return ligne;
    };
    const auto etiquette = [&](const QString &texte, QWidget *pour, int x, int y) {
        auto *label = new QLabel(texte, this);
        label->setFont(normale);
        label->setBuddy(pour);
        label->adjustSize();
        label->move(e(x), e(y));
        return label;
    };
    const auto bouton = [&](const QString &texte, int x, int y, int l, int h, bool gras) {
        auto *b = new QPushButton(texte, this);
        if (!gras)
            b->setFont(normale);
        placer(b, x, y, l, h);
        return b;
    };
    const auto indice = [](const QString &texte, std::initializer_list<QWidget *> controles) {
        for (QWidget *c : controles)
            c->setToolTip(texte);
    };

    LigneCommande = champ(19, 41, 388, 24);
    Label1 = etiquette(QStringLiteral("&Ligne de commande :"), LigneCommande, 19, 19);
    indice(QStringLiteral("Ce qui devra être exécuté (à remplir en premier)"),
           {Label1, LigneCommande});
    Parcourir1 = bouton(QStringLiteral("&Parcourir ..."), 424, 38, 85, 29, false);

    Repertoire = champ(19, 99, 335, 24);
    Label4 = etiquette(QStringLiteral("&Répertoire de travail :"), Repertoire, 19, 76);
    indice(QStringLiteral("(facultatif)"), {Label4, Repertoire});

    Infobulle = champ(19, 157, 335, 24);
    Label5 = etiquette(QStringLiteral("&Info - bulle :"), Infobulle, 19, 132);
    indice(QStringLiteral("Texte de l'info bulle"), {Label5, Infobulle});

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Raised);
    Bevel1->setGeometry(e(7), e(195), e(514), 2);

    Executable = champ(117, 217, 292, 24);
    Label2 = etiquette(QStringLiteral("E&xécutable : "), Executable, 19, 220);
    indice(QStringLiteral("Exécutable, icône ou bitmap dont on tire l'icône"),
           {Label2, Executable});
    Parcourir2 = bouton(QStringLiteral("P&arcourir ..."), 424, 214, 85, 29, false);

    Numero = new ChampEntier(this);
    Numero->setFont(normale);
    Numero->setRange(INT_MIN, INT_MAX);
    Numero->setSingleStep(1);
    placer(Numero, 136, 268, 49, 26);
    Label3 = etiquette(QStringLiteral("Icône n&uméro : "), Numero, 19, 272);
    Choisir = bouton(QStringLiteral("&Choisir"), 196, 265, 85, 29, false);
    Choisir->setToolTip(QStringLiteral("Choisir parmi les icônes"));
    SauverBMP = bouton(QStringLiteral("&Sauver (BMP ou ICO)"), 288, 265, 161, 29, false);
    SauverBMP->setToolTip(QStringLiteral("Permet de modifier l'icône"));

    Image1 = new QLabel(this);
    placer(Image1, 472, 264, 32, 32);
    Image1->hide();

    OKBtn = bouton(QStringLiteral("O&K"), 422, 328, 95, 33, true);
    OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKBtn->setDefault(true);
    HelpBtn = bouton(QStringLiteral("Ai&de"), 130, 328, 94, 33, true);
    HelpBtn->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    EffacerBtn = bouton(QStringLiteral("&Effacer"), 22, 328, 89, 33, true);
    EffacerBtn->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    EffacerBtn->setToolTip(QStringLiteral(
        "Efface toute la configuration présente (attention pas d'annulation possible)"));

    RadioGroup = new TRadioGroup(
        QStringLiteral("Taille au lancement"),
        {QStringLiteral("&Normale"), QStringLiteral("&Maximale"), QStringLiteral("Ic&onifiée")},
        this);
    RadioGroup->setFont(normale);
    placer(RadioGroup, 368, 80, 145, 105);
    RadioGroup->SetItemIndex(0);

    CancelBtn = bouton(QStringLiteral("Annuler"), 312, 328, 95, 33, true);
    CancelBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    QWidget *ordre[] = {LigneCommande, Parcourir1, Repertoire, Infobulle, Executable,
                        Parcourir2,    Numero,     Choisir,    SauverBMP, OKBtn,
                        HelpBtn,       EffacerBtn, RadioGroup, CancelBtn};
    for (QWidget *c : ordre)
        c->setFocusPolicy(Qt::StrongFocus);
    RadioGroup->setFocusPolicy(Qt::NoFocus); // its selected item takes the focus
    QWidget *precedent = nullptr;
    const auto suivant = [&precedent](QWidget *c) {
        if (precedent)
            setTabOrder(precedent, c);
        precedent = c;
    };
    for (QWidget *c : ordre) {
        if (c != RadioGroup)
            suivant(c);
        else
            for (QWidget *item : std::as_const(RadioGroup->Items))
                suivant(item);
    }
}

void TConfigDlg::showEvent(QShowEvent *evenement) {
    QDialog::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    if (!DejaMontre && screen()) {
        DejaMontre = true;
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->geometry())
                 .topLeft());
    }
    LigneCommande->setFocus(Qt::OtherFocusReason);
}

void TConfigDlg::FocusDeplace(QWidget *ancien, QWidget *nouveau) {
    // A field is left only when the focus goes to another control of this dialog: not when the
    // dialog closes (Enter accepts it from inside the field), nor while a message box or a file
    // dialog holds the focus for a moment.
    if (!ancien || !nouveau || !isAncestorOf(nouveau))
        return;
    if (ancien == LigneCommande)
        LigneCommandeExit();
    else if (ancien == Repertoire)
        RepertoireExit();
}

void TConfigDlg::keyPressEvent(QKeyEvent *evenement) {
    // Escape alone is the Cancel button's; an Escape that it does not take (with a modifier
    // held) reaches the form's own key handler.
    const bool echap =
        evenement->key() == Qt::Key_Escape || evenement->text() == QStringLiteral("\x1b");
    if (echap && !evenement->matches(QKeySequence::Cancel)) {
        FormKeyPress(QChar(0x1B));
        return;
    }
    QDialog::keyPressEvent(evenement);
}
