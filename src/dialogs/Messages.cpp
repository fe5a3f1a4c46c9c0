#include "dialogs/Messages.h"

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

bool montrer(Genre genre, const QString &titre, const QString &texte) {
    if (repondeur())
        return repondeur()(genre, titre, texte);
    switch (genre) {
    case Genre::Information:
        QMessageBox::information(QApplication::activeWindow(), titre, texte);
        return true;
    case Genre::OkAnnuler:
        return QMessageBox::question(QApplication::activeWindow(), titre, texte,
                                     QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Ok) == QMessageBox::Ok;
    case Genre::OuiNon:
        return QMessageBox::question(QApplication::activeWindow(), titre, texte,
                                     QMessageBox::Yes | QMessageBox::No,
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
