#pragma once

// The text that the clipboard forms put on the clipboard: the freely composed table of the
// large form (up to ten columns, optional heading) and the quick lists of the small form,
// for the four lists that offer them: the selection list ("A"), the directory tree ("L"),
// the undo list ("R") and the preview list ("V").
//
//   ZAQuelle q{.art = u'A', .liste = &aliste};
//   TNxZwischenAblageInfo info;               // filled by the form from ZAPunkte(q)
//   info.spalten = {2, 3};                    // path, name with format
//   auto text = ZAGrossText(q, info, &fort, ZAZeilenEnde());
//   if (text && !text->isEmpty()) clipboard->setText(*text); // nullopt: cancelled

#include "core/selection/SpaltenText.h"
#include "core/shell/ListenDaten.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace rinolux {

class BaumModell;
class Fortschritt;

// Row filter of an export.
namespace ZAZeilen {
inline constexpr int Alle = 1;
inline constexpr int Ausgewaehlte = 2;
inline constexpr int NichtAusgewaehlte = 3;
inline constexpr int FormOffen = -4711; // stays when the form is cancelled
} // namespace ZAZeilen

// Items of the large form for the selection list ("A").
namespace ZAPunktA {
inline constexpr int Keine = 1;
inline constexpr int Pfad = 2;
inline constexpr int NameFormat = 3;
inline constexpr int Name = 4;
inline constexpr int Format = 5;
inline constexpr int Bytes = 6;        // without thousands separators
inline constexpr int BytesPunkte = 7;  // as displayed
inline constexpr int Attribute = 8;
inline constexpr int ZeitH = 9;
inline constexpr int ZeitA = 10;
inline constexpr int ZeitZ = 11;
inline constexpr int ZeilenNummer = 12; // display position
inline constexpr int LaufendeNummer = 13;
inline constexpr int Anzahl = 13;
} // namespace ZAPunktA

struct TNxZwischenAblageInfo
{
    QChar quelle = u'-';
    std::array<int, 10> spalten{};  // item per output column; 0 or 1: no information
    std::array<QString, 10> titel;  // item texts, for the heading line
    bool ueberschrift = true;
    int zeilen = ZAZeilen::Alle;
    int anzahl = 0;                 // items in the large form's list
    int kleinCode = 0;              // the two digits of a "ZA_K" code
    QString trenner = QStringLiteral("\t");
};

// The line end of clipboard text on this system (LF on Linux, CR LF on Windows).
QString ZAZeilenEnde();

// The selection list's column titles that name items of the large form (trimmed there).
struct ZAAuswahlTitel
{
    QString pfad = QStringLiteral("Pfad");
    QString format = QStringLiteral("Format");
    QString bytes = QStringLiteral("Bytes");
    QString zeitH = QStringLiteral("Herstellungs-Zeit");
    QString zeitA = QStringLiteral("Änderungs-Zeit");
    QString zeitZ = QStringLiteral("Zugriffs-Zeit");
};
// The 13 items of the large form for the selection list, item 1 first.
QStringList ZAAuswahlPunkte(const ZAAuswahlTitel &titel = {});
// "Schnell-Auswahl" for the selection list: heading, all rows, tabulator and the columns
// path, name with format, bytes, attributes and the three times.
void ZAAuswahlSchnell(TNxZwischenAblageInfo &info, const QStringList &punkte);

// The large export of the selection list. With fort, the progress display is stepped
// between rows and a set Abbruch ends the export with nullopt.
std::optional<QString> ZAAuswahlText(const ListenDaten &auswahl, const TNxZwischenAblageInfo &info, Fortschritt *fort,
                                     const QString &zeilenEnde);

// A small code "ZA_K" + two digits, valid only with exactly six characters; 0 otherwise.
int ZAKleinCode(const QString &code);
// The small export of the selection list: inhalt 1 full path, 2 name with format, 3 name
// without format; zeilen one of ZAZeilen. One line per row.
std::optional<QString> ZAAuswahlKleinText(const ListenDaten &auswahl, int inhalt, int zeilen, Fortschritt *fort,
                                          const QString &zeilenEnde);

// Items of the large form for the tree ("L").
namespace ZAPunktL {
inline constexpr int Keine = 1;
inline constexpr int Pfad = 2;
inline constexpr int Name = 3;
inline constexpr int Striche = 4;
inline constexpr int Tabulatoren = 5;
inline constexpr int Leerzeichen = 6;
inline constexpr int Zahl = 7;
inline constexpr int HatUnterVerz = 8;
inline constexpr int ZeilenNummer = 9;
inline constexpr int LaufendeNummer = 10;
inline constexpr int Anzahl = 10;
} // namespace ZAPunktL

// A visible column of a list panel, as the large form offers it for the undo and the
// preview list: its cell, its type (for the displayed text) and its title.
struct ZASpalte
{
    int zelle = 0;
    SpaltenTyp typ = SpaltenTyp::Text;
    QString titel;
};

// What an export reads. Only the parts of its kind are used.
struct ZAQuelle
{
    QChar art = u'A';                   // 'A', 'L', 'R' or 'V'
    const ListenDaten *liste = nullptr; // A, R, V
    ZAAuswahlTitel auswahlTitel;        // A
    std::vector<ZASpalte> spalten;      // R, V: the visible columns in column order
    QString ersterTitel;                // V: title of the first column (its raw cell)
    const BaumModell *baum = nullptr;   // L: the nodes read so far, in tree order
    QString baumAuswahl;                // L: path of the selected node
};

// The items of the large form for the source, item 1 first.
QStringList ZAPunkte(const ZAQuelle &q);
// "Schnell-Auswahl" for any source: heading, all rows, tabulator and the source's columns.
void ZASchnellAuswahl(TNxZwischenAblageInfo &info, const QStringList &punkte);
// The large export of any source; nullopt when the progress display was cancelled.
std::optional<QString> ZAGrossText(const ZAQuelle &q, const TNxZwischenAblageInfo &info, Fortschritt *fort,
                                   const QString &zeilenEnde);

// The small form for a small code: the captions of its three buttons (empty: hidden).
std::array<QString, 3> ZAKleinKnoepfe(int code);
// What a small code and the pressed button (1..3) export.
struct ZAKleinWahl
{
    QChar quelle;   // 'L' tree, 'A' selection list, '-' invalid
    int inhalt = 0; // tree: 1 path, 2 display text; list: 1 full path, 2 name, 3 name without format
    int zeilen = 0; // ZAZeilen
};
ZAKleinWahl ZAKleinAuswerten(int code, int knopf);
// The small export; nullopt when cancelled or when the source does not fit the code.
std::optional<QString> ZAKleinText(const ZAQuelle &q, int code, int knopf, Fortschritt *fort,
                                   const QString &zeilenEnde);

// The tree's small export: inhalt 1 node path, 2 display text.
std::optional<QString> ZABaumKleinText(const BaumModell &baum, const QString &auswahl, int inhalt, int zeilen,
                                       Fortschritt *fort, const QString &zeilenEnde);

// The separator of paths in texts for the user ("/" here, "\\" on Windows).
QChar ZAPfadTrenner();

} // namespace rinolux
