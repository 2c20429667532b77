#pragma once

#include "core/util/Ergebnis.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rinolux {

// Kinds of stored values in a control-state container. The window maps its controls onto
// these; the stored lines of each kind are fixed.
enum class IniArt {
    Liste,      // list box, combo box: items; flag = selected index
    Edit,       // single-line edit field
    Memo,       // multi-line edit field (CR LF inside the text)
    Array,      // TNxIniArray: one-based texts (element 0 empty)
    Strings,    // TNxIniStrings: text with CR LF line breaks
    Label,      // caption
    CheckListe, // check list box: one "0"/"1" character per item
    Bounds,     // form, panel, image, shape: "left\ttop\twidth\theight"; flag = colour (panels)
    CheckBox,   // check box, radio button: flag only
    Sonstiges   // anything else: stored as "0", flag empty
};

// One text entry of the container. For Liste the value is `eintraege`; for Array it is
// `eintraege` one-based (element 0 empty); for all other kinds it is `text`.
struct IniTextEintrag
{
    IniArt art = IniArt::Sonstiges;
    QString text;
    QStringList eintraege;
    // Default as the stored layout has it: items or lines separated by TAB.
    QString standard;
    // After reading: true when the value came from the file, false when from the default.
    bool gelesen = false;
    // The control (or holder) the entry belongs to; empty for reserved entries.
    QString name;
};

// One flag entry. Written as its value (empty for kinds without a flag value).
struct IniFlagEintrag
{
    IniArt art = IniArt::CheckBox;
    qint64 wert = 0;
    qint64 standard = 0;
    bool gelesen = false;
    QString name;
};

// The stored lines of one text entry (without its count line). Values of the single-line
// kinds (list items, array elements, edit, label, check list, bounds) lose CR and LF.
QStringList IniTextZeilen(const IniTextEintrag &eintrag);

// Writes the container file anew (warning, count, entries, flag line, warning).
Ergebnis IniControlsSchreiben(const QString &pfad, const QList<IniTextEintrag> &texte,
                              const QList<IniFlagEintrag> &flags);
// The same as bytes (UTF-8, CR LF), for callers that combine files.
QByteArray IniControlsText(const QList<IniTextEintrag> &texte, const QList<IniFlagEintrag> &flags);

// Reads values into the entries; a missing file, a missing entry or a truncated file
// gives the defaults from that entry on. Never creates the file. Fails only when the file
// exists but cannot be read; then every entry holds its default.
Ergebnis IniControlsLesen(const QString &pfad, QList<IniTextEintrag> &texte, QList<IniFlagEintrag> &flags);
// The same on lines already read (element 0 is the first line of the file).
void IniControlsAusZeilen(const QStringList &zeilen, QList<IniTextEintrag> &texte, QList<IniFlagEintrag> &flags);

// Sets an entry to its default as the reading rule converts it.
void IniStandardSetzen(IniTextEintrag &eintrag);

// Applies stored bounds to current ones: each field whose default field is not empty
// takes IniZahl of the stored field; the others keep their current value.
void IniBoundsAnwenden(const QString &gespeichert, const QString &standard, int (&werte)[4]);

} // namespace rinolux

namespace rinolux {
// Index a list or combo box gets from a stored flag value: the value when it names an
// item, item 0 when it lies beyond the last item, -1 (nothing) when negative or empty list.
int IniListenIndex(qint64 wert, int anzahlEintraege);
} // namespace rinolux
