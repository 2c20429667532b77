#pragma once

// The two control-state files and the two note files.
//
//   ZustandsDatei vor = ZustandsDatei::VorStart(arbeitsFlaeche);  // "Rinol_CVS.cfg"
//   static_cast<void>(vor.Lesen(ZustandVorStartPfad()));           // defaults where missing
//   QRect fenster = FensterAusZeile(vor.Text(u"IniFenster"), arbeitsFlaeche);
//   ... controls take their values by name ...
//   vor.TextSetzen(u"EdMaxSuch", feld->text());                  // at shutdown, per control
//   static_cast<void>(vor.Schreiben(ZustandVorStartPfad()));
//
// An entry whose control does not exist in this version keeps the value it was read with,
// so a file written by a later version loses nothing when this one saves it again.

#include "core/persist/nx_IniControls.h"
#include "core/util/Ergebnis.h"

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace rinolux {

class ZustandsDatei final
{
public:
    // The entries of "Rinol_CVS.cfg"; the window line's default centres 768 x 580 in the area.
    static ZustandsDatei VorStart(const QRect &arbeitsFlaeche);
    // The entries of "Rinol_CHS.cfg".
    static ZustandsDatei HinterStart();

    QList<IniTextEintrag> &Texte() { return m_texte; }
    QList<IniFlagEintrag> &Flags() { return m_flags; }
    const QList<IniTextEintrag> &Texte() const { return m_texte; }
    const QList<IniFlagEintrag> &Flags() const { return m_flags; }

    // nullptr for a name the file does not hold.
    IniTextEintrag *TextEintrag(QStringView name);
    const IniTextEintrag *TextEintrag(QStringView name) const;
    IniFlagEintrag *FlagEintrag(QStringView name);
    const IniFlagEintrag *FlagEintrag(QStringView name) const;

    // The text of a single-line or multi-line entry; empty for an unknown name.
    QString Text(QStringView name) const;
    // Elements 1..n of an array entry (index 0 empty), the items of a list entry.
    QStringList Liste(QStringView name) const;
    // The stored flag value, or ersatz for an unknown name.
    qint64 Flag(QStringView name, qint64 ersatz = 0) const;
    bool TextSetzen(QStringView name, const QString &text);
    bool ListeSetzen(QStringView name, const QStringList &eintraege);
    bool FlagSetzen(QStringView name, qint64 wert);

    // Reads the file; a missing file gives every default and is no failure. A file that exists
    // but cannot be read gives the defaults, sets Unlesbar and fails.
    Ergebnis Lesen(const QString &pfad);
    // Writes the file anew; refuses to replace a file that could not be read.
    Ergebnis Schreiben(const QString &pfad) const;
    bool Unlesbar() const { return m_unlesbar; }

private:
    QList<IniTextEintrag> m_texte;
    QList<IniFlagEintrag> m_flags;
    bool m_unlesbar = false;
};

QString ZustandVorStartPfad();   // ProgPfad + "Rinol_CVS.cfg"
QString ZustandHinterStartPfad(); // ProgPfad + "Rinol_CHS.cfg"
QString NotizLinksPfad();         // ProgPfad + "Rinol_TextLinks.txt"
QString NotizRechtsPfad();        // ProgPfad + "Rinol_TextRechts.txt"

// The 25 automatic-selection lines a fresh installation offers, in order.
QStringList StandardAutoAuswahlZeilen();

// ---- window line "left TAB top TAB width TAB height TAB style"

inline constexpr int FensterMindestBreite = 768;
inline constexpr int FensterMindestHoehe = 580;

// The stored bounds, made to fit the work area: at least 768 x 580 unless the area is
// smaller, at most the area, moved left or up so that the window ends inside it and never
// starts before its left or top edge. Fields that do not read as numbers give the centred
// default.
QRect FensterAusZeile(const QString &zeile, const QRect &arbeitsFlaeche);
QRect FensterKorrigieren(QRect fenster, const QRect &arbeitsFlaeche);
QString FensterZeile(const QRect &fenster, int symbolStil);
// Field 5: "0" none, "2" white, "3" transparent, anything else (also missing) colourful 1.
int SymbolStilAusZeile(const QString &zeile);

// ---- counters "0 TAB BildschirmMeldungZahl TAB HilfeKlickZahl"

struct Zaehler
{
    int bildschirmMeldung = 0;
    int hilfeKlick = 0;
};
// Negative or oversized counts read as 0 and the int limit.
Zaehler ZaehlerAusZeile(const QString &zeile);
QString ZaehlerZeile(const Zaehler &z);

// ---- colours "F TAB scheme TAB colour1 TAB colour2"

struct FarbWahl
{
    // "W" system, "B" and "C" the two colourful ones, "1" and "2" the own colours.
    QChar schema = u'W';
    // 0x00BBGGRR; -1 when the line gives none (the swatches then keep their colours).
    qint64 farbe1 = -1;
    qint64 farbe2 = -1;
};
// A line not beginning with "F" (the default) gives the system scheme.
FarbWahl FarbenAusZeile(const QString &zeile);
QString FarbenZeile(const FarbWahl &f);

// ---- limit fields and other number fields

// The limit a field stands for: IniZahl of the text within 0..maximum; a text without any
// digit stands for ersatz (the last usable value), never for 0.
int GrenzeWert(const QString &text, int maximum, int ersatz);
// The text the field is given when it is left: the limit as a plain number.
QString GrenzeKlemmen(const QString &text, int maximum, int ersatz);
// A number field read by IniZahl and kept inside the int range ("2x" reads 2).
int FeldZahl(const QString &text);

// ---- layout line (entry 85)

// Converts the layout of an older version (first field "B", more than 16 fields) into the
// current 20 fields; sListe: the current widths of SListe columns 2 and 6; vListe: of VListe
// columns 3, 7 and 11. Any other line comes back unchanged.
QStringList LayoutUmwandeln(const QStringList &felder, const QStringList &sListe, const QStringList &vListe);

// ---- list and note fields filled later

// A note text of this length or more is not put into its field at start.
inline constexpr qsizetype NotizFuellGrenze = 30000;
// A list field with this many stored lines or more is not filled at start.
inline constexpr int ListeFuellGrenze = 500;

// Whole note file; a missing or unreadable file gives an empty text; one trailing CR LF (or
// LF) is dropped.
QString NotizLesen(const QString &pfad);
// A filled field writes its lines, each followed by CR LF; a field not filled writes the
// kept-back text followed by one CR LF. The directory is created when missing.
Ergebnis NotizSchreiben(const QString &pfad, const QString &text, bool gefuellt);

// Lines of a multi-line text as the container counts them.
int TextZeilenAnzahl(const QString &text);

} // namespace rinolux
