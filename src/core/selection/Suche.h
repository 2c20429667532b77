#pragma once

// The search of the page "Auswählen": one engine for the tree listing (kind "B"), the
// simple, extended and list searches and for names given from outside (kind "N"). It
// walks the file system into SuchTreffer; the caller hands the hits to nxAuswahlFuellen,
// so a cancelled search never touches the caller's list.
//
// How to call it:
//   SuchAuftrag a;
//   a.art = SuchArt::Erweitert;
//   a.verzeichnis = u"/home/anna/Fotos"_s;
//   a.unterverzeichnisse = true;
//   a.mit = u"*.jpg|*.png"_s;
//   a.bytesAn = true; a.bytesVon = u"1k"_s;
//   SuchTreffer treffer;
//   const SuchErgebnis e = nxSuche(a, treffer, fort);
//   if (!e.meldung.isEmpty()) dialog.zeigen(e.meldung);
//   if (e.listeFuellen()) nxAuswahlFuellen(liste, treffer, art, fort);
// or in one step, leaving the list as it was unless the search completed:
//   const SuchErgebnis e = nxSucheInListe(a, liste, fuellung, fort);

#include "core/selection/sub_Auswahl.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace rinolux {

class Fortschritt;
class ListenDaten;

// How the orders of a search are built (the system's kind characters).
enum class SuchArt : char {
    Baum = 'B',      // the tree's directory, everything in it, never subdirectories
    Einfach = '1',   // "einfache Suche"
    Erweitert = 'E', // "erweiterte Suche"
    Liste = 'L',     // "Suche mit Liste": one order per line of RiListensuche
    Namen = 'N',     // names dropped or given at start, in several directories
};

// RaSuchVerzAlle / RaSuchVerzNurVolle / RaSuchVerzNurLeere, with their stored digits.
enum class SuchVerzWahl : char { Alle = '1', NurVolle = '2', NurLeere = '3' };

// RaSuchAttJa* / RaSuchAttNein* / RaSuchAttEgal*, with their stored letters.
enum class SuchAttWahl : char { Ja = 'J', Nein = 'N', Egal = 'E' };

// The attributes of the conditions, in the order H, R, S, A, C of the controls and the
// stored records.
inline constexpr std::array<quint32, 5> SuchAttBits = {2, 1, 4, 32, 2048};

// One date condition: CheSuchDatumH/A/Z and its six fields as typed.
struct SuchDatum
{
    bool an = false;
    QString tagVon, monatVon, jahrVon;
    QString tagBis, monatBis, jahrBis;
};
// The time kinds of the date conditions, in the order H, A, Z.
enum SuchZeit { ZeitH = 0, ZeitA = 1, ZeitZ = 2 };

// Everything a search is started with: the controls of the search pages as plain data.
struct SuchAuftrag
{
    SuchArt art = SuchArt::Einfach;
    // EdSuchVerz (kinds "1", "E", "L"), the tree's directory (kind "B").
    QString verzeichnis;
    // Which button: "jetzt suchen, auch in den Unterverzeichnissen!". Never for "B", "N".
    bool unterverzeichnisse = false;

    QString mit;  // EdSuchMit: patterns split at ":" and "|"; empty means "*"
    QString ohne; // EdSuchOhne (kind "E")

    QStringList listenZeilen; // RiListensuche (kind "L"), one address or pattern per line
    QStringList namen;        // full names (kind "N")

    // Conditions of "erweiterte Suche" (kind "E" only).
    SuchVerzWahl verzWahl = SuchVerzWahl::Alle;
    bool bytesAn = false;
    QString bytesVon, bytesBis; // digits with t/k/m/g; empty means no bound
    std::array<SuchDatum, 3> datum;  // indexed by SuchZeit
    bool attributeAn = false;
    std::array<SuchAttWahl, 5> attribute = {SuchAttWahl::Egal, SuchAttWahl::Egal, SuchAttWahl::Egal,
                                            SuchAttWahl::Egal, SuchAttWahl::Egal}; // H, R, S, A, C

    bool dateienZeigen = true;       // CheAuswahlD
    bool verzeichnisseZeigen = true; // CheAuswahlV

    // At most this many hits (0: no limit); the walk stops there and keeps them.
    qint64 maxAnzahl = 0;

    // Kind "B" only: ESC held down cancels the listing (may be empty).
    std::function<bool()> escGedrueckt;
};

// One directory to walk with its patterns, as built from a SuchAuftrag.
struct SuchOrt
{
    QString verzeichnis; // with trailing "/"
    QStringList mit;
    QStringList ohne;
    friend bool operator==(const SuchOrt &, const SuchOrt &) = default;
};

inline constexpr int SuchUnlesbarGrenze = 20;

struct SuchErgebnis
{
    qint64 treffer = 0;        // hits found (after the renumbering of kinds "L" and "N")
    qint64 verzeichnisse = 0;  // directories walked
    qint64 uebersprungen = 0;  // directories that could not be read (skipped, no message each)
    bool keineOrte = false;    // no valid order: nothing was searched
    bool abgebrochen = false;  // "Abbrechen" (or ESC): the hits are discarded
    bool teilmenge = false;    // "nur die bis jetzt gefundenen": the walk stopped, hits kept
    bool maxErreicht = false;  // the walk stopped at SuchAuftrag::maxAnzahl, hits kept
    // For the user, German, empty when there is nothing to say: "Das angegebene Verzeichnis
    // ist ungültig.", "Die Liste enthält keine gültige Adresse.".
    QString meldung;
    // The first directories that could not be read, each "path: reason" (at most
    // SuchUnlesbarGrenze), for a status line or a headless report.
    QStringList unlesbar;

    // Whether the hits are to be shown: the search ran and was not cancelled.
    bool listeFuellen() const { return !keineOrte && !abgebrochen; }
    // Whether a history record is due (search pages only): as listeFuellen.
    bool verlaufEintragen() const { return listeFuellen(); }
};

// Runs the search into treffer (emptied first). Calls fort.FortEin/FortAus itself and
// watches fort.Abbruch and fort.NurTeilmenge at every entry. On cancel treffer is left
// empty. Never shows a dialog: what the user must be told is in SuchErgebnis::meldung.
SuchErgebnis nxSuche(const SuchAuftrag &auftrag, SuchTreffer &treffer, Fortschritt &fort);

// nxSuche, then (unless cancelled or nothing was searched) nxAuswahlFuellen into liste;
// otherwise liste keeps its rows. fuellung.baumListe and fuellung.suchAbbruch are set
// from the search.
SuchErgebnis nxSucheInListe(const SuchAuftrag &auftrag, ListenDaten &liste, AuswahlFuellung fuellung,
                            Fortschritt &fort);

// "AuswahlSucheMitArray": names dropped on the list or given at start. One directory
// (or a single directory name) is listed as kind "B" and the names are marked; names in
// several directories are searched as kind "N" and listed exactly, renumbered per
// directory. Returns the search's result; on the list nothing changes when it was cancelled.
struct NamenAuswahl
{
    SuchErgebnis ergebnis;
    QString baumVerzeichnis; // the directory the tree should show, empty for kind "N"
    int markiert = 0;        // rows marked (one directory only)
};
NamenAuswahl nxAuswahlSucheMitArray(const QStringList &volleNamen, ListenDaten &liste, AuswahlFuellung fuellung,
                                    Fortschritt &fort, bool dateienZeigen = true, bool verzeichnisseZeigen = true);

// ---- the pieces, for the pages and tests

// EdSuchMit / EdSuchOhne: trimmed, split at ":" and "|", empty parts dropped; an empty
// EdSuchMit gives "*". Does not wrap plain words (see nxSuchMusterEinpacken).
QStringList nxSuchMusterListe(const QString &text, bool leerIstAlles);
// Kinds "1" and "E": a pattern without "*" and "?" becomes "*" + pattern + "*".
QStringList nxSuchMusterEinpacken(const QStringList &muster);
// Whole name against one of the patterns, letter case ignored.
bool nxSuchNamePasst(const QString &name, const QStringList &muster);

// EdSuchBytesVon/Bis: t and k stand for "000", m for "000000", g for "000000000"; every
// other non-digit is dropped. Empty (or no digit): no bound. A number beyond 64 bits is
// clamped to the largest one.
std::optional<qint64> nxSuchBytesLesen(const QString &text);

// The two bounds of a date condition as time texts to compare with (byte order).
struct SuchDatumGrenzen
{
    QByteArray von;
    QByteArray bis;
};
SuchDatumGrenzen nxSuchDatumGrenzen(const SuchDatum &datum);

// The orders a search walks, checked (valid directory, wildcards in directories
// expanded, duplicates removed). Empty when there is none.
std::vector<SuchOrt> nxSuchOrte(const SuchAuftrag &auftrag);

// The directory text of EdSuchVerz trimmed, with one trailing "/", tidied; empty when it
// is not an existing directory (then "Das angegebene Verzeichnis ist ungültig.").
QString nxSuchVerzeichnisPruefen(const QString &text);

inline const QString SuchMeldungVerzeichnisUngueltig = QStringLiteral("Das angegebene Verzeichnis ist ungültig.");
inline const QString SuchMeldungListeUngueltig = QStringLiteral("Die Liste enthält keine gültige Adresse.");

} // namespace rinolux
