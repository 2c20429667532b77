#pragma once

// New attribute values (rule 205) and new time texts (rules 111-134) of one row.
// Times are computed on plain calendar dates and times of day, never through a time
// zone, so a typed 02:30 stays 02:30 even on the night the clocks change.

#include <QDate>
#include <QString>
#include <QTime>
#include <QtGlobal>

#include <optional>

namespace rinolux {

// ---- attributes -------------------------------------------------------------------------

// Attribute bits as stored in cells and files.
inline constexpr qint64 AttributSchreibschutz = 1;
inline constexpr qint64 AttributVersteckt = 2;
inline constexpr qint64 AttributSystem = 4;
inline constexpr qint64 AttributArchiv = 32;

// Per attribute "J" set, "N" clear, "X" leave (as the rule stores them: H, R, S, A).
struct AttributBuchstaben
{
    QChar versteckt = QLatin1Char('X');
    QChar schreibschutz = QLatin1Char('X');
    QChar system = QLatin1Char('X');
    QChar archiv = QLatin1Char('X');
};

struct AttributErgebnis
{
    qint64 wert = 0; // the new value (computed also when the row fails)
    QString fehler;  // empty, or why this row cannot be changed on this system
};

// The plain bit arithmetic: J sets, N clears, X leaves.
qint64 AttributWertNeu(qint64 wert, const AttributBuchstaben &wahl);

// The new value of one row on this system. On Linux system and archive cannot be set, and a
// name beginning with "." is hidden by its name and cannot lose that: such rows fail with
// "auf diesem System nicht möglich" instead of being dropped silently.
AttributErgebnis AttributNeu(const QString &wertText, const QString &nameMitFormat,
                             const AttributBuchstaben &wahl);

// ---- times ------------------------------------------------------------------------------

// A calendar date with a time of day, free of any time zone.
struct ZeitPunkt
{
    QDate datum;
    QTime uhrzeit;
};

// The two invalid forms of a time text.
QString ZeitUngueltigText(); // "????????_??????.000_?": no valid time resulted
QString ZeitVor1900Text();   // "????????_??????_???_?": the year is before 1900

// Reads characters 1-4 year, 5-6 month, 7-8 day, 10-11 hour, 12-13 minute, 14-15 second,
// 17-19 milliseconds. Empty when a part is missing, negative, not a number or the parts
// form no valid date and time.
std::optional<ZeitPunkt> ZeitPunktLesen(const QString &zeitText);

// The 21-character time text YYYYMMDD_hhmmss_zzz_w; the year-before-1900 form below 1900,
// the invalid form above 9999 (a five-digit year would not fit the layout).
QString ZeitPunktText(const ZeitPunkt &zeit);

// Unit of a time difference: 1 years, 2 months, 3 days, 4 hours, 5 minutes, 6 seconds.
// Years and months keep the day of the month, lowered to the month's last day; the smaller
// units are exact on the plain date and time. Empty when the result leaves the calendar.
std::optional<ZeitPunkt> ZeitAddieren(const ZeitPunkt &zeit, int einheit, qint64 betrag);

// The given time of "einer bestimmten Zeit" completed from the row's present time: blank
// seconds take the present milliseconds, then every blank of characters 1-15 the present
// character at that place.
QString ZeitErgaenzen(const QString &vorgabe, const QString &jetzt);

// The text that goes into the new-time column: the invalid form when the base cannot be
// read or the change leaves the calendar; "????" in place of a year outside 1980-2200.
QString ZeitErgebnisText(const std::optional<ZeitPunkt> &zeit);

// The three time texts of an entry.
struct EintragZeiten
{
    QString aenderung;   // last write ("A")
    QString herstellung; // creation ("H")
    QString zugriff;     // last access ("Z")
};

// The fields of a time rule: x1 numbered, x2 given, x3 difference, x4 copy (the last digit
// of the code; the tens digit names the target time).
struct ZeitRegelFelder
{
    QString zeitWert;                // x11, x12: YYYYMMDD_hhmmss_000, "-001"/"-1" or blanks for parts
    int einheit = 6;                 // x11, x13: 1 years ... 6 seconds
    QString betrag;                  // x11, x13: signed whole number
    QChar quelle = QLatin1Char('Z'); // x14: "A", "H" or "Z"
};

// The present time of the target of a time code (11x last write, 12x creation, 13x access).
QString ZielZeit(int code, const EintragZeiten &zeiten);

// Whether the amount of a time rule (x11, x13) fits into 64 bits; other codes have none.
bool ZeitBetragPasst(int code, const ZeitRegelFelder &felder);

// The new time text of row r (1-based) for a time code 111-114, 121-124, 131-134; the
// invalid form also when the amount does not fit into 64 bits.
QString ZeitNeu(int code, const ZeitRegelFelder &felder, const EintragZeiten &zeiten, qint64 zeile);

// The fields of a time rule read once for all rows: the amount and the given time (x11)
// are the same in every row.
struct ZeitRegelGelesen
{
    ZeitRegelFelder felder;
    std::optional<qint64> betrag;       // x11, x13; empty when beyond 64 bits or no number
    bool betragPasst = true;            // as ZeitBetragPasst
    std::optional<ZeitPunkt> festeZeit; // x11
};
ZeitRegelGelesen ZeitRegelLesen(int code, const ZeitRegelFelder &felder);
QString ZeitNeu(int code, const ZeitRegelGelesen &regel, const EintragZeiten &zeiten, qint64 zeile);

} // namespace rinolux
