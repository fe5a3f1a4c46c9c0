// Stands in for a file manager: a small window at the given place that, pressed, drags the given
// files as file addresses. Usage: glisseur X Y FILE [FILE...]
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

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
        drag->exec(Qt::CopyAction);
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
        fichiers.append(QUrl::fromLocalFile(f));
    Glisseur fenetre(fichiers);
    fenetre.move(args[1].toInt(), args[2].toInt());
    fenetre.show();
    return application.exec();
}
