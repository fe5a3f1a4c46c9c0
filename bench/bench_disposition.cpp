// Laying out a main bar of 200 buttons with its widgets, and opening a drawer of 50 buttons.

#include "Mesures.h"
#include "barre/Disposition.h"
#include "barre/TBarreDlg.h"
#include "barre/TBitBtn.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "platform/Programme.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir rep;
    QByteArray tableau = "[TRESSOLA]\nPosition=0\n[MAIN]\n";
    for (int i = 0; i < 200; ++i)
        tableau += QByteArray::number(i) + "NomSection=SECTION" + QByteArray::number(i) + "\n";
    tableau += "Nombre=200\n[SECTION0]\n";
    for (int i = 0; i < 50; ++i)
        tableau += QByteArray::number(i) + "LigCom=programme" + QByteArray::number(i) + "\n";
    tableau += "Nombre=50\n";
    QFile f(rep.filePath(QStringLiteral("TRESSOLA.INI")));
    f.open(QIODevice::WriteOnly);
    f.write(tableau);
    f.close();
    platform::simulerCheminProgramme(rep.filePath(QStringLiteral("tressola")));

    TBarreDlg *barre = TBarreDlg::Creer(G.BarreDlg);
    quint8 orientation = 0;
    const auto arranger = Mesurer(51, [&] {
        // Alternate the orientation so that every button really moves.
        orientation ^= 1;
        G.Orientation = orientation;
        Arranger(barre);
        QApplication::processEvents();
    });
    G.Orientation = 0;
    Arranger(barre);
    TBoutonTiroir *t = barre->ListeTiroirs;
    const auto ouvrir = Mesurer(21, [&] {
        t->Bouton->setFocus();
        barre->TiroirClick();
        QApplication::processEvents();
        t->Barre->close();
        QApplication::processEvents();
    });
    Rapporter("Arranger on a main bar of 200 buttons", arranger);
    Rapporter("opening (and closing) a drawer of 50 buttons", ouvrir);
    barre->close();
    return 0;
}
