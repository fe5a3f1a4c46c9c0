// Time from a file dropped on a blank button of a bar of 100 buttons to the bar's section on disk.

#include "Mesures.h"
#include "barre/TBarreDlg.h"
#include "board/Boutons.h"
#include "board/Globales.h"
#include "platform/Programme.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir rep;
    platform::simulerCheminProgramme(rep.filePath(QStringLiteral("tressola")));
    QByteArray contenu = "[TRESSOLA]\nPosition=0\n[MAIN]\n";
    for (int i = 1; i < 100; ++i)
        contenu += QByteArray::number(i) + "LigCom=\"/usr/bin/programme " + QByteArray::number(i) +
                   "\"\n" + QByteArray::number(i) + "NomSection=SECTION" + QByteArray::number(i) +
                   "\n";
    contenu += "Nombre=100\n";
    QFile f(rep.filePath(QStringLiteral("TRESSOLA.INI")));
    f.open(QIODevice::WriteOnly);
    f.write(contenu);
    f.close();
    TBarreDlg *barre = TBarreDlg::Creer(G.BarreDlg);
    const auto depots = Mesurer(31, [&] {
        barre->Liste->LigCom.clear();
        barre->WMDropFiles({QStringLiteral("/usr/bin/xmessage")}, QPoint(10, 30));
    });
    Rapporter("drop on a blank button to the section on disk (100 buttons)", depots);
    delete barre;
    return 0;
}
