#include "core/inputaids/WortSammlung.h"

#include "core/persist/MerkListe.h"
#include "core/util/nx_Text.h"

#include <algorithm>

namespace rinolux {

namespace {

bool buchstabe(QChar c)
{
    return c.isUpper() || c.isLower();
}

// The entries ordered by their letters alone, in the text order.
QStringList nachBuchstaben(QStringList eintraege)
{
    std::vector<QByteArray> schluessel;
    schluessel.reserve(size_t(eintraege.size()));
    for (const QString &e : eintraege) {
        QString nur;
        for (const QChar c : e)
            if (c.isLetter())
                nur += c;
        schluessel.push_back(nxTextSchluessel(nur));
    }
    std::vector<int> idx(size_t(eintraege.size()));
    for (size_t i = 0; i < idx.size(); ++i)
        idx[i] = int(i);
    std::stable_sort(idx.begin(), idx.end(),
                     [&](int a, int b) { return schluessel[size_t(a)] < schluessel[size_t(b)]; });
    QStringList r;
    r.reserve(eintraege.size());
    for (int i : idx)
        r.append(eintraege[i]);
    return r;
}

} // namespace

QStringList BuchstabenLaeufe(const QString &text)
{
    QStringList laeufe;
    qsizetype anfang = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool b = i < text.size() && buchstabe(text[i]);
        if (b && anfang < 0)
            anfang = i;
        else if (!b && anfang >= 0) {
            if (i - anfang >= 3)
                laeufe.append(text.mid(anfang, i - anfang));
            anfang = -1;
        }
    }
    return laeufe;
}

QStringList WortEintraege(const QString &text)
{
    QStringList e;
    for (const QString &lauf : BuchstabenLaeufe(text))
        e.append(lauf + QStringLiteral(": ") + text);
    return e;
}

WortListe WortListeAufbauen(const QStringList &eigene, const QStringList &quellen)
{
    struct Eintrag
    {
        QString text;
        bool eigen;
        QByteArray schluessel;
    };
    std::vector<Eintrag> alle;
    for (const QString &w : eigene)
        alle.push_back({w, true, nxTextSchluessel(w)});
    for (const QString &q : quellen)
        for (const QString &e : WortEintraege(q))
            alle.push_back({e, false, nxTextSchluessel(e)});
    // Equal entries meet in the text order; the first of them (group 1 first) stays.
    std::stable_sort(alle.begin(), alle.end(),
                     [](const Eintrag &a, const Eintrag &b) { return a.schluessel < b.schluessel; });
    QStringList g1, g2;
    const QString *vorher = nullptr;
    for (const Eintrag &e : alle) {
        if (vorher && *vorher == e.text)
            continue;
        vorher = &e.text;
        (e.eigen ? g1 : g2).append(e.text);
    }
    return {nachBuchstaben(g1), nachBuchstaben(g2)};
}

void WoerterMerkenNachListe(MerkListe &merk, const QStringList &eigene, const QStringList &benutzer,
                            const QStringList &baum, const QStringList &auswahl, const QString &grenze)
{
    merk.Neu(eigene, false, grenze);
    for (const QString &w : benutzer)
        if (w.size() >= 3)
            merk.Wort(w, false, grenze);
    QStringList lange;
    for (const QString &b : baum)
        if (b.size() >= 3)
            lange.append(b);
    merk.Neu(lange, false, grenze);
    merk.Neu(auswahl, true, grenze);
}

QString WortAusZeile(const QString &zeile)
{
    const qsizetype p = zeile.indexOf(QStringLiteral(": "));
    return p < 0 ? zeile : zeile.mid(p + 2);
}

QChar ErsterBuchstabe(const QString &zeile)
{
    for (QChar c : zeile) {
        c = c.toLower();
        switch (c.unicode()) {
        case u'à':
        case u'á':
        case u'â':
        case u'ä':
            c = u'a';
            break;
        case u'è':
        case u'é':
        case u'ê':
            c = u'e';
            break;
        case u'ì':
        case u'í':
        case u'î':
            c = u'i';
            break;
        case u'ò':
        case u'ó':
        case u'ô':
        case u'ö':
            c = u'o';
            break;
        case u'ù':
        case u'ú':
        case u'û':
        case u'ü':
            c = u'u';
            break;
        default:
            break;
        }
        if (c >= u'a' && c <= u'z')
            return c;
    }
    return QChar();
}

QStringList AutoKandidaten(const QString &getippt, const QStringList &quellen)
{
    QStringList r;
    if (getippt.isEmpty())
        return r;
    for (const QString &q : quellen)
        if (q != getippt && q.contains(getippt, Qt::CaseInsensitive))
            r.append(q);
    return r;
}

QList<AutoStueck> AutoStuecke(const QString &zeile, const QString &getippt)
{
    QList<AutoStueck> r;
    if (getippt.isEmpty()) {
        r.append({zeile, false});
        return r;
    }
    qsizetype ab = 0;
    while (ab < zeile.size()) {
        const qsizetype p = zeile.indexOf(getippt, ab, Qt::CaseInsensitive);
        if (p < 0)
            break;
        if (p > ab)
            r.append({zeile.mid(ab, p - ab), false});
        r.append({zeile.mid(p, getippt.size()), true});
        ab = p + getippt.size();
    }
    if (ab < zeile.size())
        r.append({zeile.mid(ab), false});
    return r;
}

AutoPlatz AutoPlatzWaehlen(int n, int unten, int oben)
{
    constexpr int Mindest = 15;
    unten = qMax(0, unten);
    oben = qMax(0, oben);
    if (unten >= n)
        return {n, false};
    if (unten >= Mindest)
        return {unten, false};
    if (oben >= n)
        return {n, true};
    if (oben >= Mindest)
        return {oben, true};
    return oben < unten ? AutoPlatz{unten, false} : AutoPlatz{oben, true};
}

const QStringList &AutoVorfuehrZeilen()
{
    static const QStringList zeilen{
        QStringLiteral("Während du dieses Programm benutzt, sammelt es automatisch Wörter ein,"),
        QStringLiteral("die du später für fast jedes Eingabe-Feld benutzen kannst."),
        QStringLiteral("In dieses Eingabe-Feld hast du das Wort DIE eingetippt. Das Programm hat deshalb"),
        QStringLiteral("geprüft, ob es Wörter und Wort-Gruppen kennt, in denen das Wort DIE enthalten ist."),
        QStringLiteral("Die gefundenen Wörter und Wort-Gruppen werden hier angezeigt."),
        QStringLiteral("Jede dieser Zeilen hier enthält mindestens einmal das Wort DIE."),
        QStringLiteral("Du kannst auch andere Wörter als DIE eintippen. Beispielsweise das Wort DER."),
        QStringLiteral("Bitte tippe dieses Wort jetzt mal ein!"),
        QStringLiteral("Nachdem du das Wort DER eingetippt hast, werden hier jetzt"),
        QStringLiteral("nur Zeilen angezeigt, in denen das Wort DER enthalten ist."),
        QStringLiteral(
            "Jetzt musst du nur noch mit der Pfeil-Runter-Taste (von deiner Tastatur) eine Zeile auswählen"),
        QStringLiteral("und sie danach mit der Enter-Taste bestätigen."),
        QStringLiteral("Mache das jetzt bitte mal. Der Sinn der Funktion müsste dir danach klar sein.")};
    return zeilen;
}

} // namespace rinolux
