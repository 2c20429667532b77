#pragma once

// The arithmetic behind the buttons beside text fields: reading a button definition,
// decorating its caption, placing a group of buttons around the field, the spin step and
// the results of the action codes that need nothing but text.
//
//   auto d = SchalterDefinitionLesen(u"NP_#m_Wörter ..."_s);  // insert, pointer, "#m", "Wörter ..."
//   QString t = SchalterTitel(d->titel, d->zeiger, 1);         // "^ Wörter ..."
//   QString s = SpinSchritt(u"-0012"_s, +1, false, KeinLimit, KeinLimit);   // "-11"

#include <QDateTime>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace rinolux {

struct SchalterDefinition
{
    bool ersetzen = false; // "L": the result replaces the whole text; "N": inserted at the caret
    bool zeiger = false;   // "P": the caption points towards the field
    QString code;          // empty (clears), a literal text, or an action code starting with "#"
    QString titel;
};

// Empty when the text is not of the form [LN][PK]_code_caption (the caption may be left out,
// then the code is the caption too).
std::optional<SchalterDefinition> SchalterDefinitionLesen(const QString &definition);

// The placements of a group of buttons around a field.
bool SchalterPlatzGueltig(int platz);
// The caption with its pointer ("^ ", ", ", " >", "< ") or its space, by placement.
QString SchalterTitel(const QString &titel, bool zeiger, int platz);
// The rectangles of buttons of these widths (all 20 high) around the field, in the order of
// the widths. Groups placed last first still read in their own order on screen.
QList<QRect> SchalterPlatzieren(const QRect &feld, int platz, int abstand, const QList<int> &breiten);

// A spin limit that means "no limit".
inline constexpr qint64 KeinLimit = 2147483647;
// The field's text after one step (schritt +1 or -1). Numeric: a leading "-" makes the
// digits negative, other characters are ignored, no digits count as 0; the sum is clamped
// to the 64-bit range and then to the limits. Alphabetic: the alphabet counter with the
// standard alphabets.
QString SpinSchritt(const QString &text, int schritt, bool alphabetisch, qint64 minimum, qint64 maximum);

// "#zeit" + k: part k (1 year .. 7 millisecond) of the time without leading zeros; empty for
// any other sixth character.
QString ZeitTeil(const QString &code, const QDateTime &jetzt);
// The field's text with the path as a new line of its own (the "...1310" codes). Memos of
// the window break lines with "\n"; stored texts with CR LF.
QString ZeileAnhaengen(const QString &feldText, const QString &pfad,
                       const QString &umbruch = QStringLiteral("\n"));
// "#freilistenamen": each name cut by the choice (0 whole, 1 before the last dot, 2 after
// it) and followed by a line break; empty for any other choice.
QString FreiListeNamen(const QStringList &namenMitFormat, int art,
                       const QString &umbruch = QStringLiteral("\n"));
// The text after replacing the selection [start, start + laenge) by the insertion, and
// the caret behind the insertion.
struct EinfuegeErgebnis
{
    QString text;
    int cursor = 0;
};
EinfuegeErgebnis TextEinfuegen(const QString &text, int start, int laenge, const QString &einfuegen);

} // namespace rinolux
