// A file manager's drag: a window at (X, Y) that, pressed, drags the files (or the file: addresses
// as written) offering a copy, a move or a link, then prints what the target did with them.
// Usage: glisseur X Y FILE [FILE...]
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 4)
        return 2;
    QList<QUrl> fichiers;
    for (const QString &f : args.mid(3))
        fichiers.append(f.startsWith(u"file:") ? QUrl::fromEncoded(f.toLatin1())
                                               : QUrl::fromLocalFile(f));
    QPushButton fenetre;
    fenetre.setWindowTitle(QStringLiteral("glisseur"));
    fenetre.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    fenetre.setGeometry(args[1].toInt(), args[2].toInt(), 80, 80);
    QObject::connect(&fenetre, &QPushButton::pressed, [&] {
        auto *drag = new QDrag(&fenetre);
        drag->setMimeData(new QMimeData);
        drag->mimeData()->setUrls(fichiers);
        const Qt::DropAction f =
            drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        puts(f == Qt::CopyAction   ? "copy"
             : f == Qt::MoveAction ? "move"
             : f == Qt::LinkAction ? "link"
                                   : "ignore");
        fflush(stdout);
    });
    fenetre.show();
    return application.exec();
}
