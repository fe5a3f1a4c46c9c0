#include "dialogs/Messages.h"

#include "dialogs/Cadres.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>

namespace Messages {

namespace {

Repondeur &repondeur() {
    static Repondeur r;
    return r;
}

std::function<void(int)> &fin() {
    static std::function<void(int)> f;
    return f;
}

// A box of the program's own fixed frame; the toolkit's ready-made boxes would take the window
// manager's default one, minimise box included.
QMessageBox::StandardButton demander(QMessageBox::Icon icone, const QString &titre,
                                     const QString &texte, QMessageBox::StandardButtons boutons,
                                     QMessageBox::StandardButton defaut) {
    QMessageBox boite(icone, titre, texte, boutons, QApplication::activeWindow(), CadreFixe);
    boite.setDefaultButton(defaut);
    DonnerCadreFixe(&boite);
    return QMessageBox::StandardButton(boite.exec());
}

bool montrer(Genre genre, const QString &titre, const QString &texte) {
    if (repondeur())
        return repondeur()(genre, titre, texte);
    switch (genre) {
    case Genre::Information:
        demander(QMessageBox::Information, titre, texte, QMessageBox::Ok, QMessageBox::Ok);
        return true;
    case Genre::OkAnnuler:
        return demander(QMessageBox::Question, titre, texte, QMessageBox::Ok | QMessageBox::Cancel,
                        QMessageBox::Ok) == QMessageBox::Ok;
    case Genre::OuiNon:
        return demander(QMessageBox::Question, titre, texte, QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Yes) == QMessageBox::Yes;
    }
    return false;
}

QString titreApplication() {
    return QApplication::applicationDisplayName();
}

} // namespace

void DefinirRepondeur(Repondeur r) {
    repondeur() = std::move(r);
}

void Afficher(const QString &texte, const QString &titre) {
    montrer(Genre::Information, titre.isEmpty() ? titreApplication() : titre, texte);
}

bool DemanderOkAnnuler(const QString &titre, const QString &texte) {
    return montrer(Genre::OkAnnuler, titre, texte);
}

bool DemanderOuiNon(const QString &texte) {
    return montrer(Genre::OuiNon, titreApplication(), texte);
}

void RapporterErreur(const std::exception &erreur) {
    QString texte = QString::fromUtf8(erreur.what());
    if (!texte.endsWith(u'.'))
        texte += u'.';
    montrer(Genre::Information, titreApplication(), texte);
}

void TerminerProgramme(int code) {
    if (fin())
        fin()(code);
    std::exit(code);
}

void DefinirFin(std::function<void(int)> f) {
    fin() = std::move(f);
}

} // namespace Messages
