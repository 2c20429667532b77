#include "core/engine/Nummern.h"

#include "core/engine/TextTeile.h"
#include "core/util/nx_ZeichenEinfach.h"

namespace rinolux {

std::optional<qint64> ZahlGeprueft(std::u32string_view text, bool mitVorzeichen)
{
    bool ueberlauf = false;
    const qint64 wert =
        mitVorzeichen ? nxZeichenZuZahl(text, &ueberlauf) : nxZeichenZiffernZuZahl(text, &ueberlauf);
    if (ueberlauf)
        return std::nullopt;
    return wert;
}

const std::vector<std::u32string> &StandardAlphabete()
{
    return nxStandardAlphabete();
}

WertMitAlphabeten WertZerlegen(std::u32string_view feld)
{
    WertMitAlphabeten wert;
    const auto teile = TextTeilen(feld, U"|", true);
    wert.start = teile.front();
    for (std::size_t i = 1; i < teile.size(); ++i)
        if (!teile[i].empty())
            wert.alphabete.push_back(teile[i]);
    if (wert.alphabete.empty())
        wert.alphabete = StandardAlphabete();
    return wert;
}

std::u32string WertWeiterzaehlen(const WertMitAlphabeten &wert, qint64 n)
{
    return nxZeichenZaehlen(wert.start, wert.alphabete, n);
}

Erhoehung ErhoehungLesen(std::u32string_view feld)
{
    Erhoehung e;
    const auto trenner = feld.find_first_of(U"\\/|");
    const auto schritt = feld.substr(0, trenner);
    // Text without digits counts as 0; a number beyond 64 bits is no number at all, and the
    // rows say so instead of counting with 0 or 1.
    const std::optional<qint64> s = ZahlGeprueft(schritt, true);
    e.schritt = s.value_or(0);
    e.zuGross = !s;
    if (trenner != std::u32string_view::npos) {
        const std::optional<qint64> r = ZahlGeprueft(feld.substr(trenner + 1), false);
        e.wiederholung = r.value_or(0);
        e.zuGross = e.zuGross || !r;
    }
    if (e.wiederholung < 1)
        e.wiederholung = 1;
    return e;
}

qint64 NummernZaehler::weiter(bool jeVerzeichnis, qint64 verzeichnisNummer)
{
    qint64 &zaehler =
        jeVerzeichnis ? m_jeVerzeichnis.try_emplace(verzeichnisNummer, 1).first->second : m_einzeln;
    return zaehler++;
}

QString NummerZuGrossText()
{
    return QStringLiteral("Nummer zu groß");
}

std::optional<std::u32string> LaufendeNummer(std::u32string_view vorText, const WertMitAlphabeten &wert,
                                             const Erhoehung &erhoehung, std::u32string_view nachText,
                                             qint64 zaehler)
{
    if (erhoehung.zuGross)
        return std::nullopt;
    const qint64 n = (zaehler - 1) / erhoehung.wiederholung;
    qint64 betrag = 0;
    if (__builtin_mul_overflow(n, erhoehung.schritt, &betrag))
        return std::nullopt;
    std::u32string text(vorText);
    text += n == 0 ? wert.start : WertWeiterzaehlen(wert, betrag);
    text += nachText;
    return text;
}

std::optional<std::u32string> LaufendeNummer(std::u32string_view vorText, std::u32string_view ersterWert,
                                             std::u32string_view erhoehung, std::u32string_view nachText,
                                             qint64 zaehler)
{
    return LaufendeNummer(vorText, WertZerlegen(ersterWert), ErhoehungLesen(erhoehung), nachText, zaehler);
}

QString FormelFehler::text() const
{
    if (nummer == 0)
        return QStringLiteral("Formel falsch");
    return QString::number(nummer) + QStringLiteral(". Formel falsch");
}

namespace {

// Reads one formula (the text between "/" and "\"); false when it is faulty.
bool FormelFelderLesen(std::u32string_view text, Formel &f)
{
    std::vector<std::u32string> felder = TextTeilen(text, U"*", false);
    if (felder.size() < 3)
        return false;
    f.wert = WertZerlegen(felder[0]);
    if (f.wert.start.empty())
        f.wert.start.push_back(U'1');

    const std::u32string &erh = felder[1];
    const auto strich = erh.find(U'|');
    // A number that cannot be read, or one beyond 64 bits, counts as 0 and so is an error.
    if (strich == std::u32string::npos) {
        f.schritt = ZahlGeprueft(erh, true).value_or(0);
        f.wiederholung = 1;
    } else {
        f.schritt = ZahlGeprueft(std::u32string_view(erh).substr(0, strich), false).value_or(0);
        f.wiederholung = ZahlGeprueft(std::u32string_view(erh).substr(strich + 1), false).value_or(0);
    }
    f.anzahl = ZahlGeprueft(felder[2], true).value_or(0);
    if (felder.size() > 3)
        f.name = felder[3];
    if (felder.size() > 4)
        f.andererName = felder[4];
    if (f.schritt == 0 || f.anzahl < 1 || f.wiederholung < 1)
        return false;
    // The largest advance an entry can ask for is (K - 1) * E; it must stay countable.
    qint64 groesster = 0;
    return !__builtin_mul_overflow(f.anzahl - 1, f.schritt, &groesster);
}

} // namespace

FormelErgebnis FormelLesen(std::u32string_view text)
{
    FormelErgebnis ergebnis;
    const auto teile = TextTeilen(text, U"/", true);
    if (teile.size() < 2)
        return ergebnis; // general error

    Formeln formeln;
    formeln.textDavor = teile[0];
    for (std::size_t i = 1; i < teile.size(); ++i) {
        const int m = int(i);
        const auto formelUndText = TextTeilen(teile[i], U"\\", true);
        Formel f;
        if (formelUndText.size() != 2 || !FormelFelderLesen(formelUndText[0], f)) {
            ergebnis.fehler.nummer = m;
            return ergebnis;
        }
        f.textDanach = formelUndText[1];
        formeln.formeln.push_back(std::move(f));
    }

    // Divisors: a formula that waits for another advances once per full cycle of it, and
    // of whatever that one waits for in turn.
    const std::size_t anzahl = formeln.formeln.size();
    for (std::size_t m = 0; m < anzahl; ++m) {
        qint64 teiler = formeln.formeln[m].wiederholung;
        std::size_t aktuell = m;
        for (std::size_t schritt = 0; schritt < anzahl; ++schritt) {
            const std::u32string &gesucht = formeln.formeln[aktuell].andererName;
            if (gesucht.empty())
                break;
            std::size_t j = 0;
            while (j < anzahl && (j == aktuell || formeln.formeln[j].name != gesucht))
                ++j;
            if (j == anzahl)
                break;
            const Formel &andere = formeln.formeln[j];
            if (__builtin_mul_overflow(teiler, andere.wiederholung, &teiler) ||
                __builtin_mul_overflow(teiler, andere.anzahl, &teiler)) {
                ergebnis.fehler.nummer = int(m + 1);
                return ergebnis;
            }
            aktuell = j;
        }
        formeln.formeln[m].teiler = teiler;
    }
    ergebnis.formeln = std::move(formeln);
    return ergebnis;
}

std::u32string VerschachtelteNummer(const Formeln &formeln, qint64 zaehler)
{
    std::u32string text = formeln.textDavor;
    for (const Formel &f : formeln.formeln) {
        const qint64 v = (zaehler - 1) / f.teiler + 1;
        const qint64 j = (v - 1) % f.anzahl;
        // j < K, and (K - 1) * E was checked when the formula was read.
        text += j == 0 ? f.wert.start : WertWeiterzaehlen(f.wert, j * f.schritt);
        text += f.textDanach;
    }
    return text;
}

} // namespace rinolux
