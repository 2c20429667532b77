#pragma once

// Pure pieces of the preview: placeholders in a rule record, the duplicate marking, the
// name check of one row, the summary text and the error navigation. They work on plain
// values so the preview run, the command-line program and tests share one definition.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace rinolux {

// --- placeholders -------------------------------------------------------------------------

// One placeholder as the form shows it: "<" + name + ">" as written at its first occurrence.
struct Platzhalter
{
    QString anzeige; // "<Name>" as first written
    QString schluessel; // lower-cased name; names are compared case-insensitively
};

// Every text in "<" and ">" without a TAB is a placeholder; each distinct name once, in the
// order of first occurrence.
QList<Platzhalter> PlatzhalterFinden(const QString &regelCode);
// Replaces every placeholder occurrence by the value of its name (values lose TAB, CR and
// LF so the record keeps its framing). Names without a value stay as they are.
QString PlatzhalterErsetzen(const QString &regelCode, const QList<Platzhalter> &platzhalter,
                            const QStringList &werte);

// --- duplicates ---------------------------------------------------------------------------

// Folds A-Z to a-z only; every other character is compared exactly (so Ä and ä differ).
QString VorschauSchluesselFalten(const QString &text);
// For every row whether another row has the same new path and name (folded). Rows are
// grouped by their key, so three equal rows are all marked wherever they stand.
// behalten[i]: row i keeps its present path and name exactly. Two rows that both keep
// theirs are compared exactly, since they are two objects that already exist side by side;
// wherever at least one of the two changes, letter case is folded. Empty: every row changes.
QList<bool> VorschauDoppelteMarkieren(const QStringList &neuePfade, const QStringList &neueNamen,
                                      const QList<bool> &behalten = {});
// The same for n rows read through functions, so a caller need not gather every path and
// name into lists of their own: row i's new path and name, and whether it keeps them.
using VorschauZeilenText = std::function<QStringView(qsizetype)>;
QList<bool> VorschauDoppelteMarkieren(qsizetype n, const VorschauZeilenText &neuerPfad,
                                      const VorschauZeilenText &neuerName, const std::function<bool(qsizetype)> &behaelt);
// The same on texts kept as UTF-8 (lone surrogates in their three-byte form), as a list's
// cells hold them: letter case of A-Z folded the same way, no text decoded.
using VorschauZeilenBytes = std::function<QByteArrayView(qsizetype)>;
QList<bool> VorschauDoppelteMarkierenUtf8(qsizetype n, const VorschauZeilenBytes &neuerPfad,
                                          const VorschauZeilenBytes &neuerName,
                                          const std::function<bool(qsizetype)> &behaelt);

// --- name check ---------------------------------------------------------------------------

struct PruefErgebnis
{
    QString text;
    bool fehler = true;
};

struct NamensPruefungEingabe
{
    QString neuerName;  // column 8
    QString neuerPfad;  // column 7
    QString alterPfad;  // column 1
    QString alterName;  // column 2
    bool doppelt = false;
    bool kopieRegel = false; // creation codes 271-274, 281, 291: an unchanged name is taken
};

PruefErgebnis VorschauNamenPruefen(const NamensPruefungEingabe &e);
inline const QString NeuerPfadNameZuLangText =
    QStringLiteral("neuer Pfad+Name zu lang (maximal 250 Zeichen erlaubt)");

// An object whose present directory or name holds TAB, CR or LF cannot be recorded in the
// TAB- and line-framed undo file, so it is never changed: the row's error text, or an empty
// text when the object may be changed.
QString VorschauObjektPruefen(QStringView pfad, QStringView name);
inline const QString VorschauPfadZeichenText = QStringLiteral("Pfad enthält unmögliches Zeichen");
inline const QString VorschauJetzigerNameZeichenText =
    QStringLiteral("jetziger Name enthält unmögliches Zeichen");

// The results of the checks of one row (name, attribute, time) as one: the first error, else
// "ok" when any of them changes something, else "keine Veränderung".
void VorschauPruefungDazu(PruefErgebnis &gesamt, const PruefErgebnis &teil);

// Attribute rule: "ok" when the value changes, else "keine Veränderung"; never an error.
PruefErgebnis VorschauAttributPruefen(const QString &neu, const QString &jetzt);
// Time rules: "falsche Zeit" (error) when the new time text holds "?", else "ok" or
// "keine Veränderung".
PruefErgebnis VorschauZeitPruefen(const QString &neu, const QString &jetzt);

// --- summary ------------------------------------------------------------------------------

enum class VorschauFarbe { Normal, Gruen, Gelb, Rot };

struct VorschauAuswertung
{
    QString text;
    VorschauFarbe farbe = VorschauFarbe::Normal;
    bool aktionFrei = false;
};

// The status line after a preview: code of the last sub-rule, rows, rows in error and the
// surplus of a free list (209) or a character list (229).
VorschauAuswertung AnzeigeVorschauAuswertung(int code, qint64 zeilen, qint64 fehler, qint64 ueberschuss);

inline const QString VorschauVeraltetText = QStringLiteral("<- Die Vorschau muss erneuert werden.");
inline const QString VorschauAbgebrochenText = QStringLiteral("die Prüfung wurde abgebrochen");

// --- error navigation ---------------------------------------------------------------------

// Row (1..n) of the next row with the warn flag, searched downwards from the row after
// `aktuell` and wrapping (abwaerts), or upwards from the row before it; 0 when none.
int VorschauFehlerSprung(int anzahl, int aktuell, bool abwaerts, const std::function<bool(int)> &warnung);

} // namespace rinolux
