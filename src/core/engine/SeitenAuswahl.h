#pragma once

// The choices of the rule pages as plain data, and their translation into a `RegelCode`.
//
// The pages copy their controls into a SeitenAuswahl (list items by their caption, combo
// boxes by item index, edits by text, check boxes with their enabled state, the six user
// word slots, the rows of every position table) and call
//   AktionsCodeDerSeite(a), RegelCodeDerSeite(a), AuswahlTextDerSeite(a).
// Nothing here looks at a widget; the same snapshot always gives the same record.

#include "core/engine/RegelCode.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace rinolux {

// A check box or radio button: its field in the record counts only when it is checked and
// enabled (where the record says so).
struct Schalter
{
    bool an = false;
    bool aktiv = true;
    bool zaehlt() const { return an && aktiv; }
};

// One of the six user word slots.
struct BenutzerWort
{
    QString text;
    QString gross = QStringLiteral("N"); // "J": tell upper and lower case apart
};

// One row of a position table: its wording and whether it takes a number.
struct WortlautZeile
{
    QString wortlaut;
    bool mitZahl = true;
    bool ordinal = true; // the number is shown with a trailing point
};

// The seven position tables of the action pages (1 von, 2 bis, 3 insert position,
// 4 Teilstück, 5 move/copy target, 6 and 7 the two ends of a swap), rows in order.
QList<WortlautZeile> PositionsTabelle(int nummer);

// The controls of one position: anchor combo, wording table, group combo.
struct StellenWahl
{
    int anker = 0;               // item of the ...GVH combo: 0 genau, 1 vor, 2 hinter
    QList<WortlautZeile> zeilen; // rows of the position table
    int zeile = 1;               // chosen row, 1-based
    int zahl = 1;                // chosen number
    int gruppe = 0;              // item of the group combo
    int wortPlatz = 1;           // user word slot (1..6) the group combo is tied to
};

// Which table of wordings a position offers; decides how a wording turns into kind and sign.
enum class StellenBlock { Von, Bis, Einfuegen, Teilstueck, Ziel };

// The page Ändern.
struct AendernSeite
{
    // List boxes by the caption of their selected item (empty: nothing selected).
    QString oben;           // LiAendOben
    QString unten6;         // LiAendUnten6
    QString unten4;         // LiAendUnten4
    QString untenZeit;      // LiAendUntenZeit
    bool zeitZielH = false; // RaZeitZielH
    bool zeitZielZ = false; // RaZeitZielZ

    int nameFormat = 0;  // CoAendernNameFormat
    int linksRechts = 0; // CoLinksRechts

    StellenWahl von;        // CoVonGVH, PaTabellenComboVon, CoVonGruppe
    StellenWahl bis;        // CoBisGVH, PaTabellenComboBis, CoBisGruppe
    StellenWahl teilstueck; // PaTabellenComboS, CoTeilstueckWas
    StellenWahl hin;        // PaTabellenComboH, CoHinWas
    StellenWahl nach;       // PaTabellenComboN, CoNachGruppe
    StellenWahl tauschVon;  // CoTauschenVonGVH, PaTabellenComboTauschenVon, CoTauschenVonWas
    StellenWahl tauschBis;  // CoTauschenBisGVH, PaTabellenComboTauschenBis, CoTauschenBisWas

    bool teilstueckVerbinden = false; // CheTeilstueckVerbinden
    int hinVH = 0;                    // CoHinVH
    Schalter zusatzDavor;             // CheZusatzDavor
    Schalter zusatzDahinter;          // CheZusatzDahinter
    Schalter zusatzWiederholen;       // CheZusatzWiederholen
    Schalter zusatzNrUnterverz;       // CheZusatzNrUnterverz

    QString hinzu;         // EdHinzu
    QString ersetzen;      // EdEersetzen
    int coHinzu = 0;       // CoHinzu item
    int hinzuPlatz = 1;    // its user word slot
    int coErsetzen = 0;    // CoErsetzen item
    int ersetzenPlatz = 1; // its user word slot

    QString listeVor;                                       // EdListeVorAendern
    QStringList listeZeilen;                                // lines of RiListeAendern
    QString listeNach;                                      // EdListeNachAendern
    QString nummerVor, nummerStart, nummerDiff, nummerNach; // EdNummer...
    QString matrixFormel;                                   // EdMatrixFormel
    QString auffuellen;                                     // EdAuffuellen
    int coAuffuellen = 0;                                   // CoAuffuellen
    QString filterAlt;                                      // EdFilterAlt
    QString filterNeu;                                      // EdFilterNeu
    int reihenfolge = 0;                                    // CoReihenfolge
    int nachVH = 0;                                         // CoNachVH
    int tauschenLR = 0;                                     // CoTauschenLR
    QStringList freiZeilen;                                 // lines of RiFrei

    // RaAtt?J / RaAtt?N for H, R, S, A; neither checked means "leave".
    std::array<bool, 4> attributJa{};
    std::array<bool, 4> attributNein{};

    QString zeitJ, zeitM, zeitT, zeitU, zeitI, zeitE; // EdZeitJ .. EdZeitE
    std::array<bool, 5> zeitEinheit{};                // RaZeit1 .. RaZeit5 (none: seconds)
    QString zeitDiff;                                 // EdZeitDiff
    bool zeitQuelleH = false;                         // RaZeitQuelleH
    bool zeitQuelleA = false;                         // RaZeitQuelleA
};

// The page Herstellen.
struct HerstellenSeite
{
    QString oben;   // LiHerstOben
    QString unten4; // LiHerstUnten4

    Schalter woQuellpfad; // RaHerstWoQuellpfad
    Schalter woWieName;   // RaHerstWoWieName
    Schalter woLang;      // RaHerstWoLang
    Schalter woKurz;      // RaHerstWoKurz
    Schalter woWieEdit;   // RaHerstWoWieEdit
    QString pfadLang;     // the tree's current directory (LaHerstWoLang)
    QString pfadKurz;     // its drive root (LaHerstWoKurz)
    QString herstWo;      // EdHerstWo

    QString vonEiner;        // EdHerstVonEiner
    QString zuEinerVerb;     // EdHerstZuEinerVerb
    QString zuVielenVerb;    // EdHerstZuVielenVerb
    QString listeVor;        // EdListeVorHerst
    QStringList listeZeilen; // lines of RiListeHerst
    QString listeNach;       // EdListeNachHerst
    QString nummerVor, nummerStart, nummerDiff, nummerNach;
    QString matrixFormel;
    Schalter zusatzNrUnterverz;
    QString anzahl;       // EdHerstAnzahl
    int herstAuswahl = 0; // CoHerstAuswahl
    QString auswahlVor;   // EdHerstAuswahlVor
    QString auswahlNach;  // EdHerstAuswahlNach
};

// The page Regeln: the selected entry of the rule list (-1: none).
struct RegelnSeite
{
    int gewaehlt = -1;
    QString beschreibung;
    QString code;
};

enum class RegelSeite { Aendern, Herstellen, Regeln };

struct SeitenAuswahl
{
    RegelSeite seite = RegelSeite::Aendern;
    AendernSeite aendern;
    HerstellenSeite herstellen;
    RegelnSeite regeln;
    std::array<BenutzerWort, 6> woerter; // the user word slots 1..6 (index 0 is slot 1)
};

AktionsCode AendernAktionsCode(const AendernSeite &seite);
AktionsCode HerstellenAktionsCode(const HerstellenSeite &seite);
// The digits of field 2 of a stored record; 0 for an empty one.
AktionsCode RegelnAktionsCode(const QString &code);

AktionsCode AktionsCodeDerSeite(const SeitenAuswahl &a);
QString AuswahlTextDerSeite(const SeitenAuswahl &a);
// The typed rule of the page Ändern or Herstellen (one sub-rule).
Regel RegelDerSeite(const SeitenAuswahl &a);
// Ändern and Herstellen: the record of the page; Regeln: the selected record unchanged.
QString RegelCodeDerSeite(const SeitenAuswahl &a);

// A position's controls as stored: kind and sign from the chosen wording row.
Stellenangabe StellenangabeAusWahl(const StellenWahl &w, StellenBlock block,
                                   const std::array<BenutzerWort, 6> &woerter);

// The 19-character time value from the six time edits; blanks for empty parts only where
// the code takes them from the entry's own time ("einer bestimmten Zeit").
QString ZeitWertAusFeldern(const QString &jahr, const QString &monat, const QString &tag,
                           const QString &stunde, const QString &minute, const QString &sekunde,
                           bool leerErlaubt);

} // namespace rinolux
