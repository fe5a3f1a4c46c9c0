#include "AideIcones.h"
#include "platform/icons.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <functional>

// The icons of Windows libraries built by tests/data/icons/make.sh. Their groups, in the order of
// the resource directory: the named ones first (POMME, ZEBRE), then by number 1 to 9 and 40.

namespace {

// Where the resources of groupes64.dll lie, found by walking it: what the damaged copies need.
struct PlanPE {
    QByteArray octets;
    quint32 racine = 0;   // file position of the resource directory
    quint32 decalage = 0; // its address in memory less its file position

    explicit PlanPE(const QByteArray &o) : octets(o) {
        const quint32 table = pe() + 24 + u16(pe() + 20);
        for (quint32 s = table; s < table + 40 * u16(pe() + 6); s += 40)
            if (octets.mid(s, 8).startsWith(".rsrc")) {
                racine = u32(s + 20);
                decalage = u32(s + 12) - racine;
            }
    }
    quint32 u16(quint32 p) const { return qFromLittleEndian<quint16>(octets.constData() + p); }
    quint32 u32(quint32 p) const { return qFromLittleEndian<quint32>(octets.constData() + p); }
    void ecrire16(quint32 p, quint16 v) { qToLittleEndian(v, octets.data() + p); }
    void ecrire32(quint32 p, quint32 v) { qToLittleEndian(v, octets.data() + p); }
    quint32 pe() const { return u32(0x3C); }
    quint32 optionnel() const { return pe() + 24; }
    quint32 entree(quint32 repertoire, quint32 i) const { return repertoire + 16 + 8 * i; }
    quint32 sousRepertoire(quint32 repertoire, quint32 i) const {
        return racine + (u32(entree(repertoire, i) + 4) & 0x7FFFFFFF);
    }
    quint32 groupes() const {
        for (quint32 i = 0; i < u16(racine + 14); ++i)
            if (u32(entree(racine, i)) == 14)
                return sousRepertoire(racine, i);
        return 0;
    }
    // The data entry (address, size) of group i, first language, and the group itself.
    quint32 entreeGroupe(quint32 i) const {
        return racine + u32(entree(sousRepertoire(groupes(), i), 0) + 4);
    }
    quint32 groupe(quint32 i) const { return u32(entreeGroupe(i)) - decalage; }
};

using Alteration = std::function<void(PlanPE &)>;

struct Groupe {
    QRgb a;
    QRgb b;
    bool demi;
    bool exact; // an entry of 32 x 32 that is drawn as it is
};

const Groupe groupes[] = {
    {0x30C030, 0xC03030, true, true},   // POMME
    {0x0A0B0C, 0xC0B0A0, true, true},   // ZEBRE
    {0x102030, 0xF0E0D0, false, true},  // 1: 1 bit
    {0x800000, 0x008000, false, true},  // 2: 4 bits
    {0x123456, 0x654321, false, true},  // 3: 8 bits
    {0xABCDEF, 0x010203, false, true},  // 4: 24 bits
    {0x20A040, 0x4020A0, true, true},   // 5: 32 bits
    {0xC00000, 0x00C000, true, true},   // 6: the 32-bit entry among five sizes and depths
    {0x0000C0, 0xC0C000, false, false}, // 7: 48 x 48 over 16 and 64
    {0x00FFFF, 0xFF00FF, false, false}, // 8: only 16 x 16, scaled up
    {0xFF8000, 0x0080FF, true, false},  // 9: the PNG of 256 x 256 over 16 x 16
    {0xFF0000, 0x0000FF, false, true},  // 40: 16 bits, 5 per channel
};
constexpr int nombreGroupes = int(std::size(groupes));

// Whether a scaled icon shows the pattern: pixels well inside each area of it, within a few
// levels, as smooth scaling blends only across the areas' edges.
bool montreMotif(const QImage &icone, const Groupe &g) {
    if (icone.size() != QSize(32, 32) || icone.format() != QImage::Format_ARGB32)
        return false;
    const QImage attendu = motif(g.a, g.b, g.demi);
    for (const QPoint p : {QPoint(2, 2), QPoint(4, 14), QPoint(10, 20), QPoint(24, 12),
                           QPoint(28, 4), QPoint(24, 28)})
        if (!proches(icone.pixel(p), attendu.pixel(p), 3))
            return false;
    return true;
}

// Every icon of a file is a proper icon or none.
bool iconesSaines(const QString &fichier, int compte) {
    for (int i = 0; i < qMin(compte, 64); ++i)
        if (const QImage icone = iconImage(fichier, i);
            !icone.isNull() && icone.size() != QSize(32, 32))
            return false;
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Alteration)

class TestIconesPE : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void groupe_data() {
        QTest::addColumn<int>("index");
        for (int i = -1; i <= nombreGroupes; ++i)
            QTest::addRow("%d", i) << i;
    }

    // The same icons from the 32-bit and the 64-bit library; none out of range.
    void groupe() {
        QFETCH(int, index);
        for (const QString &dll :
             {QStringLiteral("groupes64.dll"), QStringLiteral("groupes32.dll")}) {
            QCOMPARE(iconCount(donneesIcones(dll)), nombreGroupes);
            const QImage icone = iconImage(donneesIcones(dll), index);
            if (index < 0 || index >= nombreGroupes)
                QVERIFY(icone.isNull());
            else if (const Groupe &g = groupes[index]; g.exact)
                QCOMPARE(icone, motif(g.a, g.b, g.demi));
            else
                QVERIFY2(montreMotif(icone, g), qPrintable(dll));
        }
    }

    void abime_data() {
        QTest::addColumn<Alteration>("alteration");
        QTest::addColumn<int>("nombre"); // count of icons
        QTest::addColumn<bool>(
            "intacte"); // whether the first icon stays as it was, else it is none
        const int n = nombreGroupes;
        const auto ligne = [](const char *nom, int nombre, bool intacte, Alteration a) {
            QTest::newRow(nom) << a << nombre << intacte;
        };
        // One row for each check of the library's structures that the reader makes.
        ligne("signature PE effacée", 0, false, [](PlanPE &p) { p.ecrire32(p.pe(), 0); });
        ligne("en-tête optionnel inconnu", 0, false,
              [](PlanPE &p) { p.ecrire16(p.optionnel(), 0x999); });
        ligne("pas de table des ressources", 0, false,
              [](PlanPE &p) { p.ecrire32(p.optionnel() + 108, 2); });
        ligne("en-tête optionnel plus long que le fichier", 0, false,
              [](PlanPE &p) { p.ecrire16(p.pe() + 20, 0xFFFF); });
        ligne("ressources hors des sections", 0, false,
              [](PlanPE &p) { p.ecrire32(p.optionnel() + 112 + 16, 0x7FFFFFF0); });
        ligne("65535 sections annoncées", n, true,
              [](PlanPE &p) { p.ecrire16(p.pe() + 6, 0xFFFF); });
        ligne("racine de 131070 entrées", 0, false,
              [](PlanPE &p) { p.ecrire32(p.racine + 12, 0xFFFFFFFF); });
        ligne("langues qui se contiennent", n, false, [](PlanPE &p) {
            const quint32 langues = p.sousRepertoire(p.groupes(), 0);
            p.ecrire32(p.entree(langues, 0) + 4, 0x80000000 | (langues - p.racine));
        });
        ligne("groupe de quatre milliards d'octets", n, false,
              [](PlanPE &p) { p.ecrire32(p.entreeGroupe(0) + 4, ~0u); });
        ligne("groupe qui annonce 65535 images", n, true,
              [](PlanPE &p) { p.ecrire16(p.groupe(0) + 4, 0xFFFF); });
        ligne("groupe d'un autre type", n, false,
              [](PlanPE &p) { p.ecrire16(p.groupe(0) + 2, 2); });
        ligne("image introuvable", n, false,
              [](PlanPE &p) { p.ecrire16(p.groupe(0) + 6 + 12, 999); });
    }

    void abime() {
        QFETCH(Alteration, alteration);
        QFETCH(int, nombre);
        QFETCH(bool, intacte);
        const QString original = donneesIcones(QStringLiteral("groupes64.dll"));
        PlanPE plan(lireTout(original));
        QVERIFY(plan.racine != 0);
        alteration(plan);
        QTemporaryDir dossier;
        const QString copie = dossier.filePath(QStringLiteral("copie.dll"));
        QVERIFY(ecrireTout(copie, plan.octets));

        const int compte = iconCount(copie);
        QCOMPARE(compte, nombre);
        QCOMPARE(iconImage(copie, 0), intacte ? iconImage(original, 0) : QImage());
        QVERIFY(iconesSaines(copie, compte));
    }

    // A library cut short anywhere gives fewer icons or none, never a crash.
    void tronque() {
        const QByteArray octets = lireTout(donneesIcones(QStringLiteral("groupes64.dll")));
        QTemporaryDir dossier;
        const QString copie = dossier.filePath(QStringLiteral("copie.dll"));
        for (qsizetype longueur = 0; longueur < octets.size(); longueur += 509) {
            QVERIFY(ecrireTout(copie, octets.first(longueur)));
            const int compte = iconCount(copie);
            QVERIFY(compte == 0 || compte == nombreGroupes);
            QVERIFY(iconesSaines(copie, compte));
        }
    }
};

QTEST_MAIN(TestIconesPE)
#include "tst_icones_pe.moc"
