#include "logic/EntreeBureau.h"

#include <QStringView>

namespace {

// A string value as the entry means it: \s, \t and \\ stand for one character. Other backslashes
// stay, for the Exec quoting rules to read; escaped line breaks are left as written, since no
// field of a button may hold one.
QString Desechapper(const QString &valeur) {
    QString r;
    for (qsizetype i = 0; i < valeur.size(); ++i) {
        const QChar c = valeur[i];
        if (c != u'\\' || i + 1 == valeur.size()) {
            r += c;
            continue;
        }
        const QChar suivant = valeur[i + 1];
        const qsizetype connu = QStringView(u"st\\").indexOf(suivant);
        if (connu < 0) {
            r += c;
            continue;
        }
        r += QStringView(u" \t\\").at(connu);
        ++i;
    }
    return r;
}

} // namespace

std::optional<EntreeBureau> LireEntreeBureau(const QByteArray &contenu) {
    EntreeBureau e;
    bool dansLeGroupe = false;
    bool execVu = false;
    for (const QByteArray &brute : contenu.split('\n')) {
        const QString ligne = QString::fromUtf8(brute).trimmed();
        if (ligne.startsWith(u'[')) {
            dansLeGroupe = ligne == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype egal = ligne.indexOf(u'=');
        if (!dansLeGroupe || egal <= 0 || ligne.startsWith(u'#'))
            continue;
        const QString cle = ligne.left(egal).trimmed();
        const QString valeur = Desechapper(ligne.mid(egal + 1).trimmed());
        // The first of a key counts, as in every reader of these files.
        if (cle == u"Exec" && !execVu) {
            e.exec = valeur;
            execVu = true;
        } else if (cle == u"Name" && e.name.isEmpty()) {
            e.name = valeur;
        } else if (cle == u"Path" && e.path.isEmpty()) {
            e.path = valeur;
        }
    }
    if (!execVu || e.exec.isEmpty())
        return std::nullopt;
    return e;
}

QStringList ArgumentsExec(const QString &exec) {
    QStringList arguments;
    QString courant;
    bool dansUnArgument = false;
    bool entreGuillemets = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (entreGuillemets) {
            if (c == u'\\' && i + 1 < exec.size() && QStringView(u"\"`$\\").contains(exec[i + 1])) {
                courant += exec[++i];
            } else if (c == u'"') {
                entreGuillemets = false;
            } else {
                courant += c;
            }
            continue;
        }
        if (c == u' ' || c == u'\t') {
            if (dansUnArgument)
                arguments.append(courant);
            courant.clear();
            dansUnArgument = false;
            continue;
        }
        dansUnArgument = true;
        if (c == u'"')
            entreGuillemets = true;
        else
            courant += c;
    }
    if (dansUnArgument)
        arguments.append(courant);

    QStringList resultat;
    for (const QString &a : arguments) {
        // A field code alone is an argument the launcher would fill in: it goes. Inside an
        // argument, codes go and %% stays a percent sign.
        QString propre;
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (a[i] == u'%' && i + 1 < a.size()) {
                if (a[i + 1] == u'%')
                    propre += u'%';
                ++i;
                continue;
            }
            propre += a[i];
        }
        const bool codeSeul = a.size() == 2 && a[0] == u'%' && a[1] != u'%';
        if (!codeSeul)
            resultat.append(propre);
    }
    return resultat;
}

namespace {

// One argument quoted for the Windows rules: backslashes before a quote are doubled, quotes
// escaped.
QString citer(const QString &argument) {
    if (!argument.isEmpty() && !argument.contains(u' ') && !argument.contains(u'\t') &&
        !argument.contains(u'"'))
        return argument;
    QString r = QStringLiteral("\"");
    qsizetype barres = 0;
    for (const QChar c : argument) {
        if (c == u'\\') {
            ++barres;
            continue;
        }
        if (c == u'"')
            r += QString(barres * 2 + 1, u'\\');
        else
            r += QString(barres, u'\\');
        barres = 0;
        r += c;
    }
    r += QString(barres * 2, u'\\');
    r += u'"';
    return r;
}

} // namespace

QString LigneDeCommande(const QStringList &arguments) {
    if (arguments.isEmpty())
        return {};
    // The program is read up to its closing quote, with no escapes.
    QString ligne = u'"' + arguments.first() + u'"';
    if (arguments.size() == 1 && !arguments.first().contains(u' '))
        ligne = arguments.first();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        ligne += u' ' + citer(arguments[i]);
    return ligne;
}
