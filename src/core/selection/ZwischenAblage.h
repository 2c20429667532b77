#pragma once

// The text that the clipboard forms put on the clipboard for the selection list: the
// freely composed table of the large form (up to ten columns, optional heading) and the
// quick lists of the small form (full paths, names, names without format).
//
//   TNxZwischenAblageInfo info;               // filled by the form
//   info.spalten = {2, 3};                    // path, name with format
//   auto text = ZAAuswahlText(aliste, info, &fort, ZAZeilenEnde());
//   if (text) clipboard->setText(*text);      // nullopt: cancelled, clipboard untouched

#include "core/shell/ListenDaten.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace rinolux {

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

} // namespace rinolux
