#pragma once

// Running numbers ("fortlaufende Nummern") and nested numbers ("verschachtelte Nummern").
// A number is any text counted like an odometer with its alphabets; the counting itself is
// the alphabet counter of the character utilities. Every product of user numbers here is
// checked, because a typed step of 19 digits must give an error, never a wrapped value.

#include <QString>
#include <QtGlobal>

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace rinolux {

// The number formed by the digits of the text (with mitVorzeichen: negative when the text
// begins with "-"); other characters are ignored, no digits give 0. Empty optional when the
// digits do not fit into a signed 64-bit number.
std::optional<qint64> ZahlGeprueft(std::u32string_view text, bool mitVorzeichen);

// Value text of a "first value" field: the start text and the alphabets named after "|"
// (the three standard alphabets when the field names none).
struct WertMitAlphabeten
{
    std::u32string start;
    std::vector<std::u32string> alphabete;
};
WertMitAlphabeten WertZerlegen(std::u32string_view feld);
const std::vector<std::u32string> &StandardAlphabete();

// The start text advanced by n with the alphabets.
std::u32string WertWeiterzaehlen(const WertMitAlphabeten &wert, qint64 n);

// The increment field "d" or "d\r" ("/" and "|" serve as separator too): step d, each value
// used for r entries in a row.
struct Erhoehung
{
    qint64 schritt = 0;
    qint64 wiederholung = 1;
    bool zuGross = false; // step or repeat count beyond 64 bits: no number can be given
};
Erhoehung ErhoehungLesen(std::u32string_view feld);

// One counter per directory number when the restart applies, otherwise a single counter;
// every counter starts at 1 for a preview run.
class NummernZaehler final
{
public:
    // The counter for this entry; it is raised for the next entry that uses it.
    qint64 weiter(bool jeVerzeichnis, qint64 verzeichnisNummer);

private:
    qint64 m_einzeln = 1;
    std::unordered_map<qint64, qint64> m_jeVerzeichnis;
};

// Text for a number that does not fit into 64 bits: the row cannot be changed.
QString NummerZuGrossText();

// The running number of one entry with counter c: prefix + number + suffix, or empty when
// step or repeat count do not fit into 64 bits or their product with the counter does not.
std::optional<std::u32string> LaufendeNummer(std::u32string_view vorText, std::u32string_view ersterWert,
                                             std::u32string_view erhoehung, std::u32string_view nachText,
                                             qint64 zaehler);
// The same with the fields read once per preview run.
std::optional<std::u32string> LaufendeNummer(std::u32string_view vorText, const WertMitAlphabeten &wert,
                                             const Erhoehung &erhoehung, std::u32string_view nachText,
                                             qint64 zaehler);

// One formula "/erster Wert*Erhöhung*Anzahl*Name*anderer Name\" with its text after it.
struct Formel
{
    WertMitAlphabeten wert;
    qint64 schritt = 0;      // E
    qint64 wiederholung = 1; // R
    qint64 anzahl = 0;       // K
    std::u32string name;
    std::u32string andererName;
    std::u32string textDanach;
    qint64 teiler = 1; // D: R times the full cycles of the formulas it waits for
};

// A formula error: 0 is the general error, m the number of the faulty formula.
struct FormelFehler
{
    int nummer = 0;
    QString text() const; // "Formel falsch" or m + ". Formel falsch"
};

struct Formeln
{
    std::u32string textDavor;
    std::vector<Formel> formeln;
};

struct FormelErgebnis
{
    std::optional<Formeln> formeln; // set when the text could be read
    FormelFehler fehler;            // meaningful only when formeln is empty
};

// Reads the nested formula text once per preview run.
FormelErgebnis FormelLesen(std::u32string_view text);

// The text of one entry with counter c (c >= 1).
std::u32string VerschachtelteNummer(const Formeln &formeln, qint64 zaehler);

} // namespace rinolux
