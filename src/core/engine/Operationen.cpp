#include "core/engine/Operationen.h"

#include "core/engine/TextTeile.h"
#include "core/util/nx_U32Text.h"
#include "core/util/nx_ZeichenEinfach.h"

#include <QRandomGenerator>

#include <algorithm>

namespace rinolux {

namespace {

// Already within the text, not empty, in left-to-right order and apart: as the scan gives them.
bool schonBegrenzt(const StueckListe &stuecke, qint64 n)
{
    qint64 frei = 1; // the first position the next piece may take
    for (const Zelle &s : stuecke) {
        if (s.laenge <= 0 || s.start < frei || qint64(s.start) + s.laenge > n + 1)
            return false;
        frei = qint64(s.start) + s.laenge;
    }
    return true;
}

// Pieces clamped to the text, in left-to-right order and without overlaps: the operations
// below may then index without further checks. Pieces that are so already are used as they
// stand; only others are copied into platz.
const StueckListe &Begrenzt(const StueckListe &stuecke, std::size_t textLaenge, StueckListe &platz)
{
    const qint64 n = qint64(textLaenge);
    if (schonBegrenzt(stuecke, n))
        return stuecke;
    StueckListe &ergebnis = platz;
    ergebnis.clear();
    for (Zelle s : stuecke) {
        const qint64 anfang = std::max<qint64>(s.start, 1);
        const qint64 ende = std::min<qint64>(qint64(s.start) + s.laenge, n + 1); // one behind the piece
        if (ende <= anfang)
            continue;
        s.start = int(anfang);
        s.laenge = int(ende - anfang);
        ergebnis.push_back(s);
    }
    const auto vorher = [](const Zelle &a, const Zelle &b) { return a.start < b.start; };
    // Pieces come from the scan left to right and apart from each other: usually nothing to do.
    if (std::is_sorted(ergebnis.begin(), ergebnis.end(), vorher)
        && std::adjacent_find(ergebnis.begin(), ergebnis.end(), [](const Zelle &a, const Zelle &b) {
               return a.start + a.laenge > b.start;
           }) == ergebnis.end())
        return ergebnis;
    std::stable_sort(ergebnis.begin(), ergebnis.end(), vorher);
    StueckListe ohneUeberlappung;
    for (const Zelle &s : ergebnis)
        if (ohneUeberlappung.empty() ||
            ohneUeberlappung.back().start + ohneUeberlappung.back().laenge <= s.start)
            ohneUeberlappung.push_back(s);
    ergebnis = std::move(ohneUeberlappung);
    return ergebnis;
}

std::u32string_view Text(std::u32string_view w, const Zelle &s)
{
    return w.substr(std::size_t(s.start - 1), std::size_t(s.laenge));
}

} // namespace

std::u32string StueckeEntfernen(std::u32string_view w, const StueckListe &stuecke)
{
    std::u32string text(w);
    StueckListe platz;
    const StueckListe &s = Begrenzt(stuecke, w.size(), platz);
    for (auto it = s.rbegin(); it != s.rend(); ++it)
        text.erase(std::size_t(it->start - 1), std::size_t(it->laenge));
    return text;
}

std::u32string StueckeBehalten(std::u32string_view w, const StueckListe &stuecke)
{
    std::u32string text;
    StueckListe platz;
    for (const Zelle &s : Begrenzt(stuecke, w.size(), platz))
        text += Text(w, s);
    return text;
}

std::u32string TextEinfuegen(std::u32string_view w, const StueckListe &zellen, std::u32string_view text,
                             int hinVH, int richtung, bool davorLoeschen, bool dahinterLoeschen)
{
    if (w.empty())
        return std::u32string(text);
    std::u32string ergebnis(w);
    StueckListe platz;
    const StueckListe &z = Begrenzt(zellen, w.size(), platz);
    for (std::size_t k = z.size(); k-- > 0;) {
        // "vor" and "hinter" are meant in the counting direction.
        const qint64 p = hinVH == richtung ? z[k].start - 1 : z[k].start + z[k].laenge - 1;
        if (k + 1 == z.size() && dahinterLoeschen)
            ergebnis.resize(std::size_t(p));
        ergebnis.insert(std::size_t(p), text);
        if (k == 0 && davorLoeschen)
            ergebnis.erase(0, std::size_t(p));
    }
    return ergebnis;
}

std::optional<std::u32string> StueckeErsetzen(std::u32string_view w, const StueckListe &stuecke,
                                              const ErsatzFunktion &ersatz)
{
    std::u32string text(w);
    StueckListe platz;
    const StueckListe &s = Begrenzt(stuecke, w.size(), platz);
    for (auto it = s.rbegin(); it != s.rend(); ++it) {
        const std::optional<std::u32string> neu = ersatz(Text(w, *it));
        if (!neu)
            return std::nullopt;
        text.replace(std::size_t(it->start - 1), std::size_t(it->laenge), *neu);
    }
    return text;
}

std::u32string Umdrehen(std::u32string_view w, const StueckListe &stuecke, int art)
{
    StueckListe platz;
    const StueckListe &s = Begrenzt(stuecke, w.size(), platz);
    std::u32string text(w);
    switch (art) {
    case 0: {
        // All characters of all pieces, written back in reverse into the same places.
        std::u32string zeichen;
        for (const Zelle &st : s)
            zeichen += Text(w, st);
        std::reverse(zeichen.begin(), zeichen.end());
        std::size_t i = 0;
        for (const Zelle &st : s)
            for (qint64 k = 0; k < st.laenge; ++k)
                text[std::size_t(st.start - 1 + k)] = zeichen[i++];
        return text;
    }
    case 1:
    case 3: {
        // Exchanging piece k with piece count+1-k for every k is the reversed order of the
        // pieces, with the text between them staying where it is.
        std::u32string neu;
        qint64 pos = 1;
        for (std::size_t k = 0; k < s.size(); ++k) {
            neu += w.substr(std::size_t(pos - 1), std::size_t(s[k].start - pos));
            std::u32string teil(Text(w, s[s.size() - 1 - k]));
            if (art == 3)
                std::reverse(teil.begin(), teil.end());
            neu += teil;
            pos = s[k].start + s[k].laenge;
        }
        neu += w.substr(std::size_t(pos - 1));
        return neu;
    }
    case 2:
        for (const Zelle &st : s)
            std::reverse(text.begin() + (st.start - 1), text.begin() + (st.start - 1 + st.laenge));
        return text;
    default:
        return text;
    }
}

std::u32string Tauschen(std::u32string_view w, Bereich bereich1, Bereich bereich2)
{
    const qint64 n = qint64(w.size());
    auto leer = [n](const Bereich &b) { return b.von < 1 || b.bis < b.von || b.bis > n; };
    if (leer(bereich1) || leer(bereich2))
        return std::u32string(w);
    if (bereich1.von > bereich2.von)
        std::swap(bereich1, bereich2);
    if (bereich2.von <= bereich1.bis)
        return std::u32string(w);
    const auto teil = [w](qint64 von, qint64 bis) {
        return w.substr(std::size_t(von - 1), std::size_t(bis - von + 1));
    };
    std::u32string text(w.substr(0, std::size_t(bereich1.von - 1)));
    text += teil(bereich2.von, bereich2.bis);
    text += w.substr(std::size_t(bereich1.bis), std::size_t(bereich2.von - 1 - bereich1.bis));
    text += teil(bereich1.von, bereich1.bis);
    text += w.substr(std::size_t(bereich2.bis));
    return text;
}

std::u32string VerschiebenKopieren(std::u32string_view w, const StueckListe &stuecke, StueckListe ziele,
                                   int nachVH, int richtung, bool verschieben)
{
    StueckListe platz;
    const StueckListe &s = Begrenzt(stuecke, w.size(), platz);
    StueckListe zielPlatz;
    ziele = StueckListe(Begrenzt(ziele, w.size(), zielPlatz));
    std::u32string t;
    for (const Zelle &st : s)
        t += Text(w, st);

    std::u32string text(w);
    if (verschieben) {
        for (auto it = s.rbegin(); it != s.rend(); ++it)
            text.erase(std::size_t(it->start - 1), std::size_t(it->laenge));
        for (auto i = s.rbegin(); i != s.rend(); ++i) {
            for (auto j = ziele.rbegin(); j != ziele.rend(); ++j) {
                if (i->start + i->laenge <= j->start)
                    j->start -= i->laenge;
                else if (j->start >= i->start)
                    j->start = nachVH == richtung ? i->start : i->start - 1;
            }
        }
    }
    for (auto k = ziele.rbegin(); k != ziele.rend(); ++k) {
        qint64 punkt = nachVH == richtung ? k->start : k->start + k->laenge;
        // A target that fell into a removed piece keeps its old length and may point past
        // the shortened text.
        punkt = std::clamp<qint64>(punkt, 1, qint64(text.size()) + 1);
        text.insert(std::size_t(punkt - 1), t);
    }
    return text;
}

// ---- "was anderes" -----------------------------------------------------------------------

namespace {

class SystemZufallsQuelle final : public ZufallsQuelle
{
public:
    qint64 zahl(qint64 von, qint64 bis) override { return QRandomGenerator::global()->bounded(von, bis + 1); }
};

std::u32string ZeitTeile(const QString &zeit, std::initializer_list<std::pair<int, int>> teile)
{
    // An entry without this time (no birth time on the file system) gives no text rather
    // than a row of apostrophes.
    if (zeit.size() < 15)
        return {};
    QString text;
    for (const auto &[von, laenge] : teile) {
        if (!text.isEmpty())
            text += QLatin1Char('\'');
        text += zeit.mid(von - 1, laenge);
    }
    return nxU32AusText(text);
}

std::u32string ZufallsWort(ZufallsQuelle &zufall)
{
    const qint64 laenge = zufall.zahl(5, 24);
    std::u32string wort;
    for (qint64 i = 0; i < laenge; ++i) {
        const bool gross = zufall.zahl(0, 2) == 1;
        const char32_t buchstabe = char32_t(zufall.zahl(0, 25));
        wort += (gross ? U'A' : U'a') + buchstabe;
    }
    return wort;
}

std::u32string Umgekehrt(std::u32string_view stueck)
{
    std::u32string text(stueck);
    for (char32_t &z : text)
        z = z == nxZeichenKlein(z) ? nxZeichenGross(z) : nxZeichenKlein(z);
    return text;
}

} // namespace

ZufallsQuelle &SystemZufall()
{
    static SystemZufallsQuelle quelle;
    return quelle;
}

std::u32string VerzeichnisTeil(const QString &pfad, qint64 x, bool vonVorne)
{
#ifdef Q_OS_WIN
    // "C:\Daten\" counts the drive letter as its first directory.
    std::vector<std::u32string> teile = TextTeilen(nxU32AusText(pfad), U"\\", false);
    if (!teile.empty())
        teile.front().resize(1);
#else
    // On "/" paths the root has no name, so the first directory is the first named one.
    const std::vector<std::u32string> teile = TextTeilen(nxU32AusText(pfad), U"/", false);
#endif
    const qint64 anzahl = qint64(teile.size());
    if (x < 1 || x > anzahl)
        return {};
    return teile[std::size_t(vonVorne ? x - 1 : anzahl - x)];
}

std::optional<std::u32string> WasAnderesText(QChar buchstabe, std::u32string_view wert,
                                             std::u32string_view stueck, const EintragTexte &eintrag,
                                             int richtung, ZufallsQuelle &zufall)
{
    switch (buchstabe.unicode()) {
    case u'w': {
        // The first non-empty alternative of "a|b|c".
        for (std::size_t anfang = 0; anfang < wert.size();) {
            const std::size_t ende = std::min(wert.find(U'|', anfang), wert.size());
            if (ende > anfang)
                return std::u32string(wert.substr(anfang, ende - anfang));
            anfang = ende + 1;
        }
        return std::u32string();
    }
    case u'+':
    case u'-': {
        bool ueberlauf = false;
        const qint64 n = nxZeichenZiffernZuZahl(wert, &ueberlauf);
        if (ueberlauf)
            return std::nullopt;
        return nxZeichenZaehlenStandard(stueck, buchstabe == u'+' ? n : -n);
    }
    case u'v':
    case u'h': {
        bool ueberlauf = false;
        const qint64 x = nxZeichenZiffernZuZahl(wert, &ueberlauf);
        if (ueberlauf)
            return std::nullopt;
        const bool vonVorne = (buchstabe == u'v') == (richtung == 0);
        return VerzeichnisTeil(eintrag.pfad, x, vonVorne);
    }
    case u'&':
        return nxU32AusText(eintrag.nameMitFormat);
    case u'n':
    case u'f': {
        const qsizetype punkt = eintrag.nameMitFormat.lastIndexOf(QLatin1Char('.'));
        if (buchstabe == u'n')
            return nxU32AusText(punkt < 0 ? eintrag.nameMitFormat : eintrag.nameMitFormat.left(punkt));
        return nxU32AusText(punkt < 0 ? QString() : eintrag.nameMitFormat.mid(punkt + 1));
    }
    case u'b':
        return nxU32AusText(eintrag.groesse);
    case u'Ö':
        return ZeitTeile(eintrag.herstellung, {{7, 2}, {5, 2}, {1, 4}});
    case u'ö':
        return ZeitTeile(eintrag.herstellung, {{1, 4}, {5, 2}, {7, 2}});
    case u'o':
        return ZeitTeile(eintrag.herstellung, {{10, 2}, {12, 2}, {14, 2}});
    case u'Ä':
        return ZeitTeile(eintrag.aenderung, {{7, 2}, {5, 2}, {1, 4}});
    case u'ä':
        return ZeitTeile(eintrag.aenderung, {{1, 4}, {5, 2}, {7, 2}});
    case u'a':
        return ZeitTeile(eintrag.aenderung, {{10, 2}, {12, 2}, {14, 2}});
    case u'%':
        return nxZeichenAusZahl(zufall.zahl(0, 2147483645));
    case u'$':
        return ZufallsWort(zufall);
    case u'g':
        return nxZeichenGross(stueck);
    case u'k':
        return nxZeichenKlein(stueck);
    case u'u':
        return Umgekehrt(stueck);
    case u' ':
        return std::u32string(U" ");
    default:
        return std::u32string();
    }
}

} // namespace rinolux
