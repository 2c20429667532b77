#include "core/engine/VorschauPruefung.h"

#include "core/engine/RegelCode.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Format.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace rinolux {

namespace {

QString ohneRahmenzeichen(QString s)
{
    s.remove(u'\t');
    s.remove(u'\r');
    s.remove(u'\n');
    return s;
}

const QRegularExpression &platzhalterMuster()
{
    // The innermost "<...>" without TAB: "<a<b>" holds the placeholder "<b>".
    static const QRegularExpression muster(QStringLiteral("<([^<>\\t]+)>"));
    return muster;
}

} // namespace

QList<Platzhalter> PlatzhalterFinden(const QString &regelCode)
{
    QList<Platzhalter> liste;
    QHash<QString, bool> gesehen;
    auto it = platzhalterMuster().globalMatch(regelCode);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString schluessel = m.captured(1).toLower();
        if (gesehen.contains(schluessel))
            continue;
        gesehen.insert(schluessel, true);
        liste.append({m.captured(0), schluessel});
    }
    return liste;
}

QString PlatzhalterErsetzen(const QString &regelCode, const QList<Platzhalter> &platzhalter,
                            const QStringList &werte)
{
    QHash<QString, QString> wert;
    for (qsizetype i = 0; i < platzhalter.size() && i < werte.size(); ++i)
        wert.insert(platzhalter[i].schluessel, ohneRahmenzeichen(werte[i]));
    QString ergebnis;
    ergebnis.reserve(regelCode.size());
    qsizetype pos = 0;
    auto it = platzhalterMuster().globalMatch(regelCode);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        ergebnis += QStringView(regelCode).mid(pos, m.capturedStart(0) - pos);
        const auto gefunden = wert.constFind(m.captured(1).toLower());
        ergebnis += gefunden != wert.constEnd() ? *gefunden : m.captured(0);
        pos = m.capturedEnd(0);
    }
    ergebnis += QStringView(regelCode).mid(pos);
    return ergebnis;
}

QString VorschauSchluesselFalten(const QString &text)
{
    QString s = text;
    for (QChar &c : s) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            c = QChar(char16_t(u + (u'a' - u'A')));
    }
    return s;
}

namespace {

// A-Z folded to a-z; the same on UTF-16 units and on UTF-8 bytes, where A-Z are single
// bytes and no other byte of a text is one of them.
quint32 gefaltet(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? quint32(u + (u'a' - u'A')) : u;
}

quint32 gefaltet(char c)
{
    const auto u = quint8(c);
    return (u >= 'A' && u <= 'Z') ? quint32(u + ('a' - 'A')) : u;
}

// FNV-1a over the folded characters, so no folded copy of every key is made.
template <class Ansicht>
quint64 gefaltetStreuen(Ansicht text, quint64 h)
{
    for (const auto c : text) {
        h ^= gefaltet(c);
        h *= 1099511628211ULL;
    }
    return h;
}

template <class Ansicht>
bool gefaltetGleich(Ansicht a, Ansicht b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (gefaltet(a[i]) != gefaltet(b[i]))
            return false;
    return true;
}

// One of the characters no name may hold; the common ASCII case is a table lookup.
bool verboten(QChar c)
{
    static const auto tabelle = [] {
        std::array<bool, 128> t{};
        for (QChar v : AdresseVerboteneZeichen)
            if (v.unicode() < 128)
                t[v.unicode()] = true;
        return t;
    }();
    if (c.unicode() < 128)
        return tabelle[c.unicode()];
    return AdresseVerboteneZeichen.contains(c);
}

// a1 + a2 == b1 + b2, without building either text.
bool verkettetGleich(QStringView a1, QStringView a2, QStringView b1, QStringView b2)
{
    if (a1.size() + a2.size() != b1.size() + b2.size())
        return false;
    if (a1.size() <= b1.size())
        return b1.startsWith(a1) && b1.sliced(a1.size()) == a2.first(b1.size() - a1.size())
               && a2.sliced(b1.size() - a1.size()) == b2;
    return verkettetGleich(b1, b2, a1, a2);
}

} // namespace

QList<bool> VorschauDoppelteMarkieren(const QStringList &neuePfade, const QStringList &neueNamen,
                                      const QList<bool> &behalten)
{
    return VorschauDoppelteMarkieren(
        std::min(neuePfade.size(), neueNamen.size()), [&](qsizetype i) { return QStringView(neuePfade[i]); },
        [&](qsizetype i) { return QStringView(neueNamen[i]); },
        [&](qsizetype i) { return i < behalten.size() && behalten[i]; });
}

namespace {

// Paths and names as views of one kind (UTF-16 or UTF-8): both give the same rows.
template <class Pfad, class Name, class Behaelt>
QList<bool> doppelteMarkieren(qsizetype n, const Pfad &neuerPfad, const Name &neuerName, const Behaelt &behaelt)
{
    QList<bool> doppelt(n, false);
    // Rows are grouped by the hash of their folded key and compared exactly within a group,
    // so no two equal keys can slip through however the rows are ordered.
    std::vector<quint64> werte(static_cast<size_t>(n));
    // Rows of a listing share one directory text: its hash is taken once.
    decltype(neuerPfad(0)) letzterPfad{};
    quint64 pfadStreu = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const auto pfad = neuerPfad(i);
        if (i == 0 || pfad.data() != letzterPfad.data() || pfad.size() != letzterPfad.size()) {
            pfadStreu = gefaltetStreuen(pfad, 14695981039346656037ULL);
            // A value that stands for no character of a path or name separates the two parts.
            pfadStreu ^= 0x10000;
            pfadStreu *= 1099511628211ULL;
            letzterPfad = pfad;
        }
        // 0 marks a free slot below; taking 1 for it only makes one more group to compare.
        werte[size_t(i)] = std::max<quint64>(gefaltetStreuen(neuerName(i), pfadStreu), 1);
    }
    // Only rows whose hash occurs more than once need comparing, and they are few: they are
    // found with a table of the hashes at most half full, and only they are sorted.
    size_t groesse = 16;
    while (groesse < 2 * werte.size())
        groesse *= 2;
    std::vector<quint64> tabelle(groesse, 0);
    std::vector<char> mehrfach(groesse, 0);
    const auto platz = [&](quint64 w) {
        size_t k = size_t(w ^ (w >> 29)) & (groesse - 1);
        while (tabelle[k] != 0 && tabelle[k] != w)
            k = (k + 1) & (groesse - 1);
        return k;
    };
    for (const quint64 w : werte) {
        const size_t k = platz(w);
        mehrfach[k] = tabelle[k] != 0;
        tabelle[k] = w;
    }
    std::vector<std::pair<quint64, qsizetype>> streu;
    for (qsizetype i = 0; i < n; ++i)
        if (mehrfach[platz(werte[size_t(i)])])
            streu.emplace_back(werte[size_t(i)], i);
    tabelle = {};
    mehrfach = {};
    std::sort(streu.begin(), streu.end());
    // Rows of one folded key, by the first row that has it.
    std::vector<std::vector<qsizetype>> klassen;
    for (size_t a = 0; a < streu.size();) {
        size_t b = a + 1;
        while (b < streu.size() && streu[b].first == streu[a].first)
            ++b;
        if (b == a + 1) {
            a = b;
            continue;
        }
        // Distinct keys of one hash (almost always one): each row is compared with them only,
        // so a rule that gives every row the same name stays linear.
        klassen.clear();
        for (size_t i = a; i < b; ++i) {
            const qsizetype x = streu[i].second;
            bool gefunden = false;
            for (std::vector<qsizetype> &k : klassen) {
                const qsizetype v = k.front();
                if (gefaltetGleich(neuerPfad(x), neuerPfad(v)) && gefaltetGleich(neuerName(x), neuerName(v))) {
                    k.push_back(x);
                    gefunden = true;
                    break;
                }
            }
            if (!gefunden)
                klassen.push_back({x});
        }
        for (std::vector<qsizetype> &k : klassen) {
            if (k.size() < 2)
                continue;
            // A row that gets a new name collides with every row of its folded key. Rows that
            // all keep their names are objects that already stand side by side ("ChangeLog.gz"
            // and "changelog.gz" on a case-sensitive file system): only an exact repeat is one.
            if (!std::all_of(k.cbegin(), k.cend(), behaelt)) {
                for (const qsizetype x : k)
                    doppelt[x] = true;
                continue;
            }
            const auto exakt = [&](qsizetype x, qsizetype y) {
                const int p = neuerPfad(x).compare(neuerPfad(y));
                return p != 0 ? p < 0 : neuerName(x) < neuerName(y);
            };
            std::sort(k.begin(), k.end(), exakt);
            for (size_t i = 1; i < k.size(); ++i) {
                if (neuerPfad(k[i]) == neuerPfad(k[i - 1]) && neuerName(k[i]) == neuerName(k[i - 1])) {
                    doppelt[k[i]] = true;
                    doppelt[k[i - 1]] = true;
                }
            }
        }
        a = b;
    }
    return doppelt;
}

} // namespace

QList<bool> VorschauDoppelteMarkieren(qsizetype n, const VorschauZeilenText &neuerPfad,
                                      const VorschauZeilenText &neuerName, const std::function<bool(qsizetype)> &behaelt)
{
    return doppelteMarkieren(n, neuerPfad, neuerName, behaelt);
}

QList<bool> VorschauDoppelteMarkierenUtf8(qsizetype n, const VorschauZeilenBytes &neuerPfad,
                                          const VorschauZeilenBytes &neuerName,
                                          const std::function<bool(qsizetype)> &behaelt)
{
    return doppelteMarkieren(n, neuerPfad, neuerName, behaelt);
}

PruefErgebnis VorschauNamenPruefen(const NamensPruefungEingabe &e)
{
    const QString &name = e.neuerName;
    if (name.endsWith(u' '))
        return {QStringLiteral("Name hat Leerzeichen am Ende"), true};
    if (std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c == u' '; }))
        return {QStringLiteral("neuer Name zu kurz"), true};
    // The path limit of 250 characters stays; a name over 255 bytes is refused by Linux. A
    // UTF-16 unit takes at most three bytes, so short names need no counting.
    if (e.neuerPfad.size() + name.size() > 250 || (name.size() * 3 > 255 && name.toUtf8().size() > 255))
        return {NeuerPfadNameZuLangText, true};
    if (std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c == u'.'; }))
        return {QStringLiteral("neuer Name nicht möglich"), true};
    if (name == QStringLiteral("?"))
        return {QStringLiteral("neuer Name nicht möglich"), true};
    for (QChar c : name) {
        // Control characters would break the line- and TAB-framed undo file.
        if (c.unicode() < 0x20 || verboten(c))
            return {QStringLiteral("neuer Name enthält unmögliches Zeichen"), true};
    }
    if (e.doppelt)
        return {QStringLiteral("neuer Name doppelt"), true};
    if (e.kopieRegel) {
        const QString alt = e.alterPfad + e.alterName;
        const QString neu = e.neuerPfad + name;
        if (alt.compare(neu, Qt::CaseInsensitive) == 0)
            return {QStringLiteral("neuer Name schon vorhanden"), true};
    }
    if (verkettetGleich(e.alterPfad, e.alterName, e.neuerPfad, name))
        return {QStringLiteral("keine Veränderung"), false};
    return {QStringLiteral("ok"), false};
}

namespace {

bool rahmenzeichen(QStringView s)
{
    for (QChar c : s)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            return true;
    return false;
}

} // namespace

QString VorschauObjektPruefen(QStringView pfad, QStringView name)
{
    if (rahmenzeichen(pfad))
        return VorschauPfadZeichenText;
    if (rahmenzeichen(name))
        return VorschauJetzigerNameZeichenText;
    return QString();
}

void VorschauPruefungDazu(PruefErgebnis &gesamt, const PruefErgebnis &teil)
{
    if (gesamt.fehler)
        return;
    if (teil.fehler || teil.text != u"keine Veränderung")
        gesamt = teil;
}

PruefErgebnis VorschauAttributPruefen(const QString &neu, const QString &jetzt)
{
    return {neu != jetzt ? QStringLiteral("ok") : QStringLiteral("keine Veränderung"), false};
}

PruefErgebnis VorschauZeitPruefen(const QString &neu, const QString &jetzt)
{
    if (neu.contains(u'?'))
        return {QStringLiteral("falsche Zeit"), true};
    return {neu != jetzt ? QStringLiteral("ok") : QStringLiteral("keine Veränderung"), false};
}

int VorschauFehlerSprung(int anzahl, int aktuell, bool abwaerts, const std::function<bool(int)> &warnung)
{
    if (anzahl < 1)
        return 0;
    if (aktuell < 0 || aktuell > anzahl)
        aktuell = 0;
    // Without a current row the upward search starts at the last row.
    if (!abwaerts && aktuell == 0)
        aktuell = anzahl + 1;
    for (int k = 1; k <= anzahl; ++k) {
        int zeile;
        if (abwaerts)
            zeile = (aktuell + k - 1) % anzahl + 1;
        else
            zeile = ((aktuell - k - 1) % anzahl + anzahl) % anzahl + 1;
        if (warnung(zeile))
            return zeile;
    }
    return 0;
}

} // namespace rinolux

namespace rinolux {

VorschauAuswertung AnzeigeVorschauAuswertung(int code, qint64 zeilen, qint64 fehler, qint64 ueberschuss)
{
    if (!IstBekannterCode(code))
        return {QStringLiteral("Die Regel ist veraltet und kann nicht mehr verwendet werden."), VorschauFarbe::Normal,
                false};
    if (ueberschuss > 0 && (code == 209 || code == 229)) {
        if (code == 209)
            return {QStringLiteral("In der oben stehenden Liste sind ") + nxZahlText(ueberschuss) +
                        QStringLiteral(" neue Namen zu viel."),
                    VorschauFarbe::Normal, false};
        return {QStringLiteral("Im unteren Zeichen-Eingabefeld sind ") + nxZahlText(ueberschuss) +
                    QStringLiteral(" Zeichen zu viel."),
                VorschauFarbe::Normal, false};
    }
    if (ueberschuss < 0 && (code == 209 || code == 229)) {
        // The surplus is at least -(row count), so negating it cannot overflow.
        const qint64 fehlend = -ueberschuss;
        if (code == 209)
            return {QStringLiteral("In der oben stehenden Liste fehlen ") + nxZahlText(fehlend) +
                        QStringLiteral(" neue Namen."),
                    VorschauFarbe::Normal, false};
        return {QStringLiteral("Im unteren Zeichen-Eingabefeld fehlen ") + nxZahlText(fehlend) +
                    QStringLiteral(" Zeichen."),
                VorschauFarbe::Normal, false};
    }
    if (zeilen <= 0)
        return {QStringLiteral("Die Anzahl der Dateien oder Verzeichnisse ist zu gering."), VorschauFarbe::Normal, false};
    const QString verb = IstHerstellCode(code) ? QStringLiteral("hergestellt") : QStringLiteral("geändert");
    if ((code == 250 && fehler == 1) || fehler >= zeilen)
        return {QStringLiteral("Keine kann ") + verb + QStringLiteral(" werden. Alle ") + nxZahlText(fehler) +
                    QStringLiteral(" sind fehlerhaft."),
                VorschauFarbe::Rot, false};
    if (fehler <= 0)
        return {QStringLiteral("Alle ") + nxZahlText(zeilen) + QStringLiteral(" können ") + verb +
                    QStringLiteral(" werden. ->"),
                VorschauFarbe::Gruen, true};
    return {QStringLiteral("Nur ") + nxZahlText(zeilen - fehler) + QStringLiteral(" können ") + verb +
                QStringLiteral(" werden. ") + nxZahlText(fehler) + QStringLiteral(" sind fehlerhaft. ->"),
            VorschauFarbe::Gelb, true};
}

} // namespace rinolux
