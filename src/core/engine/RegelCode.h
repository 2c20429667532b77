#pragma once

// The rule record (`RegelCode`) as typed data.
//
// How to use it:
//   - Reading:  `RegelLeseErgebnis r = RegelLesen(code);`
//       r.zustand == RegelZustand::Gueltig  -> r.regel holds the sub-rules in order;
//       RegelZustand::Veraltet              -> empty record or an action code this version no
//                                              longer knows (the preview calls it "veraltet");
//       RegelZustand::Kaputt                -> the fields do not fit the action code.
//     r.grund says why in plain words, r.feld is the 1-based field where reading stopped.
//     The reader walks the fields of each code by count, so a text field that reads "ENDE"
//     is just text.
//   - Writing:  `QString code = RegelSchreiben(regel);` For every valid record t,
//     RegelSchreiben(RegelLesen(t).regel) == t. Texts lose TAB, CR and LF on the way out, so
//     the writer never produces a record that cannot be read back.
//   - A `TeilRegel` holds the fields of every action code; which of them count is decided by
//     `code` and the predicates below (HatBereich, HatVonBis, ...). Fields of other codes keep
//     their defaults and are neither written nor read.
//   - Lists inside a sub-rule (the lines of a word list or of the free list) are ordinary
//     zero-based QStringLists.

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace rinolux {

// Three-digit action number; 0 means no usable choice.
using AktionsCode = int;

// The code sets every "is this a name rule" test goes through.
bool IstNamenCode(AktionsCode code);     // 207, 208, 209, 211–215, 219, 221–225, 229, 231–234
bool IstAttributCode(AktionsCode code);  // 205
bool IstZeitCode(AktionsCode code);      // 111–114, 121–124, 131–134
bool IstHerstellCode(AktionsCode code);  // 249–254, 261–264, 271–274, 281–284, 291–294
bool IstBekannterCode(AktionsCode code); // any of the above

// Which blocks of an Ändern rule a code carries.
bool HatBereich(AktionsCode code);        // name part and counting direction
bool HatVonBis(AktionsCode code);         // von and bis positions (with anchor)
bool HatTeilstueck(AktionsCode code);     // the Teilstück position
bool HatVerbindenFeld(AktionsCode code);  // the join flag of 219, 221–225
bool HatEinfuegeStelle(AktionsCode code); // insert position block of 211–215

// Anchor of a position: the letters stored in the record.
enum class Anker : char16_t { Genau = u'g', Vor = u'v', Hinter = u'h' };

// A position ("dem 3. Leerzeichen", "jedes Zeichen", ...). The anchor counts only where the
// block has one (von, bis, the two ends of a swap).
struct Stellenangabe
{
    Anker anker = Anker::Genau;
    int art = 1;       // kind 0..7; other values select no cell
    qint64 anzahl = 1; // signed count, negative for the "letzte"/"vorige" wordings
    int gruppe = 0;    // group index 0..18
    QString wort;      // groups 1 and 10: the user word, alternatives separated by "|"
    QString gross;     // groups 1 and 10: "J" (tell case apart) or "N"; otherwise empty

    bool grossKleinBeachten() const { return gross == u"J"; }
    friend bool operator==(const Stellenangabe &, const Stellenangabe &) = default;
};

// Per attribute of code 205: set, clear or leave.
enum class AttributWahl : char16_t { Setzen = u'J', Loeschen = u'N', Lassen = u'X' };
// Source of "Zeit-Kopien": creation, last write or last access time.
enum class ZeitQuelle : char16_t { Herstellung = u'H', Aenderung = u'A', Zugriff = u'Z' };
// Where a creation rule puts its objects.
enum class HerstOrt : char16_t { Quelle = u'Q', Auswahl = u'A', Pfad = u'P', Keiner = u'X' };

// Text before, lines, text after (212, 222 and the creation codes x2).
struct ListenFelder
{
    QString vor;
    QStringList zeilen;
    QString nach;
    friend bool operator==(const ListenFelder &, const ListenFelder &) = default;
};

// Running numbers (213, 223 and the creation codes x3): kept as typed; the numbering
// reads them.
struct NummerFelder
{
    QString vor;
    QString start;
    QString diff;
    QString nach;
    friend bool operator==(const NummerFelder &, const NummerFelder &) = default;
};

// Time rules.
struct ZeitFelder
{
    QString wert;    // 19 characters YYYYMMDD_hhmmss_000 (x11, x12); parts may be "-001"/"-1"/blanks
    int einheit = 6; // 1 Jahre .. 6 Sekunden (x11, x13)
    QString diff;    // text of the amount (x11, x13)
    ZeitQuelle quelle = ZeitQuelle::Zugriff; // x14
    friend bool operator==(const ZeitFelder &, const ZeitFelder &) = default;
};

// Creation rules.
struct HerstFelder
{
    HerstOrt ort = HerstOrt::Keiner;
    QString ortPfad;     // only with HerstOrt::Pfad
    QString quelleDatei; // 251–254, 261–264
    QString verbinden;   // 250: EdHerstZuEinerVerb, 249: EdHerstZuVielenVerb
    QString anzahl;      // "Wieviele herstellen?" (x3, x4 of 25x, 26x, 28x, 29x)
    int auswahl = 0;     // CoHerstAuswahl index (x1)
    QString auswahlVor;
    QString auswahlNach;
    friend bool operator==(const HerstFelder &, const HerstFelder &) = default;
};

// One sub-rule: the fields from the action code to "ENDE".
struct TeilRegel
{
    AktionsCode code = 0;
    QString version = QStringLiteral("700"); // read and kept, never checked

    // Range block (HatBereich)
    int namensTeil = 0; // 0 name and format, 1 name only, 2 format only
    int richtung = 0;   // 0 von Links, 1 von Rechts
    // Von and Bis (HatVonBis)
    Stellenangabe von;
    Stellenangabe bis;
    // Teilstück (HatTeilstueck), without anchor
    Stellenangabe teilstueck;
    bool verbinden = false; // HatVerbindenFeld: CheTeilstueckVerbinden
    // Insert position (HatEinfuegeStelle)
    int hinVH = 0;           // 0 vor, 1 hinter
    Stellenangabe hinStelle; // without anchor
    bool davorLoeschen = false;
    bool dahinterLoeschen = false;

    // 215/225 ('w' and the text), 211/221 (letter and value of "was anderes")
    QChar buchstabe = u'w';
    QString wert;
    // 212, 222 (+ wiederholen) and creation x2
    ListenFelder liste;
    bool wiederholen = false;
    // 213, 223 and creation x3
    NummerFelder nummer;
    // 214, 224 and creation x4
    QString formel;
    // 213, 214, 223, 224, 273, 274
    bool nrUnterverz = false;
    // 219
    QString auffuellText;
    int auffuellRichtung = 0; // 0 nach Links, 1 nach Rechts, 2 nach Außen
    // 229
    QString filterAlt;
    QString filterNeu;
    // 231
    int reihenfolge = 0; // 0..3
    // 232, 233 (target without anchor)
    int nachVH = 0; // 0 vor, 1 hinter
    Stellenangabe nachStelle;
    // 234
    int tauschenLR = 0;      // 0 von Links, 1 von Rechts
    Stellenangabe tauschVon; // start of the second part, with anchor
    Stellenangabe tauschBis; // its end, with anchor
    // 209
    int freiNamensTeil = 0; // CoAendernNameFormat index
    QStringList freiZeilen;
    // 205: hidden, read-only, system, archive
    std::array<AttributWahl, 4> attribute{AttributWahl::Lassen, AttributWahl::Lassen, AttributWahl::Lassen,
                                          AttributWahl::Lassen};
    // time rules
    ZeitFelder zeit;
    // creation rules
    HerstFelder herst;

    friend bool operator==(const TeilRegel &, const TeilRegel &) = default;
};

// A whole rule: one sub-rule from a page, several for a combined rule.
struct Regel
{
    QList<TeilRegel> teile;
    friend bool operator==(const Regel &, const Regel &) = default;
};

enum class RegelZustand { Gueltig, Veraltet, Kaputt };

struct RegelLeseErgebnis
{
    RegelZustand zustand = RegelZustand::Kaputt;
    Regel regel;   // complete only when gueltig
    QString grund; // empty when gueltig
    int feld = 0;  // 1-based field where reading stopped (0 when gueltig)

    bool gueltig() const { return zustand == RegelZustand::Gueltig; }
};

RegelLeseErgebnis RegelLesen(const QString &code);
QString RegelSchreiben(const Regel &regel);
// The fields of one sub-rule from its action code to "ENDE", tab-separated (the body that
// combining appends after a tab).
QString TeilRegelSchreiben(const TeilRegel &teil);

// A text as it may stand in a field: without TAB, CR and LF.
QString RegelFeldText(const QString &text);

} // namespace rinolux
