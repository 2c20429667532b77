#pragma once

// Between a search and its history record: what a search page stores after a search that
// was not cancelled, and what a double click on an SListe row puts back into the fields.
//
// How to call it:
//   if (e.verlaufEintragen()) nxSuchVerlaufNeu(verlauf, auftrag, einst.maxSuch);
//   const SuchWiederherstellung w = nxSuchVerlaufWiederherstellen(verlauf.Eintrag(nr));
//   if (w.gueltig) { fill the controls from w.auftrag; SucheRegister shows w.seite; }

#include "core/persist/SuchListe.h"
#include "core/selection/Suche.h"

#include <QString>

namespace rinolux {

// The sub-pages of SucheRegister, by tab number from 0.
enum class SuchSeite : int { DirektAuswahl = 0, Einfach = 1, Erweitert = 2, Liste = 3, Ergebnis = 4 };

// Kind code, display text, directory text and data text of the record a search page
// stores (kinds "1", "E" and "L"; others give an empty art). TAB, CR and LF of the
// fields are blanks already.
SuchVerlaufEintrag nxSuchVerlaufEintrag(const SuchAuftrag &auftrag);
// Adds that record for a search of a search page (always with the cut flag).
void nxSuchVerlaufNeu(SuchListe &verlauf, const SuchAuftrag &auftrag, const QString &grenze);

struct SuchWiederherstellung
{
    bool gueltig = false; // false: unknown kind code; nothing to fill
    SuchSeite seite = SuchSeite::Einfach;
    // The fields to fill: art, verzeichnis and mit (code "1"); listenZeilen (code "7").
    SuchAuftrag auftrag;
    // Extended codes: whether ohne, the directory choice and the conditions (with their
    // fields) are to be filled too. Code "4" clears them (all off, "alle Verzeichnisse");
    // a damaged data text of codes "5" and "6" leaves them as they are (and "6" then
    // fills no names either).
    bool bedingungen = false;
};
SuchWiederherstellung nxSuchVerlaufWiederherstellen(const SuchVerlaufEintrag &eintrag);

// The " Suche" column of SListe: "einfache", "erweiterte #", "mit Liste [ ]".
QString nxSuchVerlaufArtText(const QString &art);
// LaSuchlisteAnzahl.
QString nxSuchVerlaufAnzahlText(int anzahl);

} // namespace rinolux
