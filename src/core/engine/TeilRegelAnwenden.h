#pragma once

// One sub-rule applied to one preview row: the entry points the preview calls per row.
//
// How to use it (per preview run and sub-rule):
//   TeilRegelLauf lauf(teilRegel, suchErgebnis);          // counters start at 1 here
//   if (auto f = lauf.regelFehler()) -> every row gets *f (a faulty nested formula)
//   for each row:  ZeilenErgebnis e = lauf.name(werte);   // name and format rules (column 8)
//                                  lauf.attribute(werte);  // 205
//                                  lauf.zeit(werte);       // 111-134
//   e.wert is the new value for its column; a non-empty e.fehler is the row's check
//   result and makes it an error row.
//   lauf.ueberschuss(rows) gives the surplus of 209 and 229 for the summary.
// Rows must be handed in display order: running numbers count in the order of the calls.

#include "core/engine/AttributZeit.h"
#include "core/engine/Nummern.h"
#include "core/engine/Operationen.h"
#include "core/engine/RegelCode.h"
#include "core/engine/Stellen.h"
#include "core/engine/Wortlisten.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace rinolux {

// Longest name (in code points) a name rule builds for a row: no longer name fits a path of
// any file system, and a rule that would build more (a long text before every character) must
// not take the machine's memory. Such a row gets NeuerPfadNameZuLangText instead.
inline constexpr std::size_t NamensGrenze = 4096;

// The present values of one preview row.
struct ZeilenWerte
{
    QString pfad;                 // present directory (column 1), with its trailing separator
    QString name;                 // present name with format (column 2)
    QString neuerName;            // the new name as the previous sub-rules left it (column 8)
    QString groesse;              // size text of the selection entry
    QString attribute;            // attribute number as decimal text
    EintragZeiten zeiten;         // the entry's three time texts
    qint64 zeile = 1;             // row number r, 1-based, in display order
    qint64 verzeichnisNummer = 0; // directory number of the entry (restart per directory)
};

struct ZeilenErgebnis
{
    QString wert;   // new name, attribute value or time text
    QString fehler; // empty, or the reason this row cannot be changed

    bool ok() const { return fehler.isEmpty(); }
};

// What the position language found in the work part for one row.
struct NamensPositionen
{
    Bereich bereich;        // from "von" to "bis"
    Zellen stuecke;         // the Teilstück pieces, joined where the code asks for it
    Zellen einfuegeStellen; // 211-215
    Zellen ziele;           // 232, 233: targets found before any change
    Bereich bereich2;       // 234: the second range
};

class TeilRegelLauf final
{
public:
    // suchErgebnis: the selection list holds a search result, the only case in which
    // numbers may start anew in every directory.
    explicit TeilRegelLauf(const TeilRegel &regel, bool suchErgebnis = false,
                           ZufallsQuelle &zufall = SystemZufall());

    const TeilRegel &regel() const { return m_regel; }

    // An error of the whole sub-rule that every row gets ("Formel falsch", "2. Formel falsch").
    std::optional<QString> regelFehler() const;

    // Lines of the free list minus rows (209), new minus old characters (229), 0 otherwise.
    qint64 ueberschuss(qint64 reihen) const;

    // Name and format rules, given the cut name (prefix, work part, suffix) and the positions
    // found in the work part: the uncleaned new name prefix + new work part + suffix.
    ZeilenErgebnis teileNeu(std::u32string_view vorn, std::u32string_view teil, std::u32string_view hinten,
                            const NamensPositionen &positionen, const ZeilenWerte &werte);

    // Name and format rules on the row's present new name: cut, find the positions, change,
    // clean. The value is the new name with format.
    ZeilenErgebnis name(const ZeilenWerte &werte);

    // 205.
    ZeilenErgebnis attribute(const ZeilenWerte &werte) const;

    // 111-114, 121-124, 131-134.
    ZeilenErgebnis zeit(const ZeilenWerte &werte) const;

private:
    // The list word or number of this entry (212-214, 222-224); counters move once per entry.
    std::optional<std::u32string> eintragsText(const ZeilenWerte &werte);

    // The new work part (without prefix and suffix), or the whole new name for 209; empty
    // with the row's error when it fails.
    std::optional<std::u32string> neuerTeil(std::u32string_view vorn, std::u32string_view teil,
                                            std::u32string_view hinten, const NamensPositionen &positionen,
                                            const ZeilenWerte &werte, QString &fehler);

    TeilRegel m_regel;
    // The text of "w" (the first alternative of the value): the same for every row and piece.
    std::u32string m_wText;
    // The texts every name of 212-214 and 222-224 gets around its word or number.
    std::size_t m_festeLaenge = 0;
    // Prepared once per run: the positions and the texts of the record as code points.
    TeilRegelPlan m_plan;
    StelleVorbereitet m_nachStelle, m_tauschVon, m_tauschBis;
    std::u32string m_wert, m_auffuellText;
    std::u32string m_name; // the row's name as code points, its room used row after row
    ZeitRegelGelesen m_zeit; // time rules
    bool m_jeVerzeichnis = false;
    ZufallsQuelle *m_zufall;
    NummernZaehler m_zaehler;
    FormelErgebnis m_formel;
    WertMitAlphabeten m_startWert; // running numbers
    Erhoehung m_erhoehung;
    std::u32string m_vorText, m_nachText; // around list words and running numbers
    std::vector<std::u32string> m_zeilen; // word list or free list
    ZeichenListen m_zeichenListen;
};

} // namespace rinolux
