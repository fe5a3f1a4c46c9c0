// Stands in for a file manager: a small window at the given place that, pressed, drags the given
// files as file addresses, offering a copy (the default), a move or a link as a file manager does,
// then prints what the target did with them: copy, move, link or ignore.
// Usage: glisseur X Y FILE [FILE...]; an argument that starts with file: is an address as written.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

class Glisseur : public QWidget {
public:
    explicit Glisseur(QList<QUrl> fichiers) : fichiers_(std::move(fichiers)) {
        setWindowTitle(QStringLiteral("glisseur"));
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        resize(80, 80);
    }

protected:
    void mousePressEvent(QMouseEvent *) override {
        auto *drag = new QDrag(this);
        auto *donnees = new QMimeData;
        donnees->setUrls(fichiers_);
        drag->setMimeData(donnees);
        const Qt::DropAction fait =
            drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        const char *noms[] = {"copy", "move", "link"};
        const int i = fait == Qt::CopyAction ? 0 : fait == Qt::MoveAction ? 1 : 2;
        printf("%s\n", fait == Qt::IgnoreAction ? "ignore" : noms[i]);
        fflush(stdout);
    }

private:
    QList<QUrl> fichiers_;
};

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 4)
        return 2;
    QList<QUrl> fichiers;
    for (const QString &f : args.mid(3))
        fichiers.append(f.startsWith(u"file:") ? QUrl::fromEncoded(f.toLatin1())
                                               : QUrl::fromLocalFile(f));
    Glisseur fenetre(fichiers);
    fenetre.move(args[1].toInt(), args[2].toInt());
    fenetre.show();
    return application.exec();
}
