// The board file with a bar of 1,000 buttons: loading it key by key, saving it whole, and one
// setting written into it.
#include "board/TIniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int boutons = 1000;
const QStringList suffixes = {u"LigCom"_qs, u"Lancement"_qs, u"WDir"_qs,
                              u"Name"_qs,   u"Icon"_qs,      u"Hint"_qs};

TIniFile::Entrees barre() {
    TIniFile::Entrees entrees;
    for (int i = 0; i < boutons; ++i) {
        const QString n = QString::number(i);
        entrees.append(
            {n + u"LigCom"_qs, u"\"C:\\Program Files\\Outil %1\\outil.exe\" -x"_qs.arg(n)});
        entrees.append({n + u"Lancement"_qs, u"0"_qs});
        entrees.append({n + u"WDir"_qs, u"C:\\Program Files\\Outil %1\\"_qs.arg(n)});
        entrees.append({n + u"Name"_qs, u"C:\\Program Files\\Outil %1\\outil.exe"_qs.arg(n)});
        entrees.append({n + u"Icon"_qs, u"0"_qs});
        entrees.append({n + u"Hint"_qs, u"Outil numéro %1"_qs.arg(n)});
    }
    entrees.append({u"Nombre"_qs, QString::number(boutons)});
    return entrees;
}

} // namespace

class BenchTIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString chemin_;

private Q_SLOTS:
    void initTestCase() {
        chemin_ = dossier_.filePath(u"TRESSOLA.INI"_qs);
        TIniFile ini(chemin_);
        ini.ReplaceSection(u"TRESSOLA"_qs, {{u"X"_qs, u"0"_qs}, {u"Position"_qs, u"3"_qs}});
        ini.ReplaceSection(u"MAIN"_qs, barre());
        qInfo("board file: %lld bytes", static_cast<long long>(QFile(chemin_).size()));
    }

    void chargerBarre() {
        QBENCHMARK {
            const TIniFile ini(chemin_);
            const int nombre = ini.ReadInteger(u"MAIN"_qs, u"Nombre"_qs, 0);
            qsizetype total = 0;
            for (int i = 0; i < nombre; ++i) {
                const QString n = QString::number(i);
                for (const QString &suffixe : suffixes)
                    total += ini.ReadString(u"MAIN"_qs, n + suffixe, {}).size();
            }
            QVERIFY(total > 0);
        }
    }

    void sauverBarre() {
        const TIniFile::Entrees entrees = barre();
        QBENCHMARK {
            TIniFile(chemin_).ReplaceSection(u"MAIN"_qs, entrees);
        }
    }

    void sauverReglage() {
        QBENCHMARK {
            TIniFile(chemin_).WriteInteger(u"TRESSOLA"_qs, u"Position"_qs, 4);
        }
    }
};

QTEST_GUILESS_MAIN(BenchTIniFile)
#include "bench_tinifile.moc"
