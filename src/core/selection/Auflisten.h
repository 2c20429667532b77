#pragma once

// Listing into selection hits: one directory, or objects given by their full paths. The
// page "Auswählen" and rinolux-regel fill their lists from these.
//
// How to call it:
//   SuchTreffer treffer;
//   const Ergebnis e = nxAuswahlVerzeichnisAuflisten(verz, plattform::Details::Alle, 0, treffer,
//                                                    [&](int gefunden) { return !abgebrochen(); });
//   const QStringList fehlen = nxAuswahlNamenAuflisten(volleNamen, treffer);
//   nxAuswahlFuellen(liste, treffer, art, fort);

#include "core/platform/Plattform.h"
#include "core/selection/sub_Auswahl.h"
#include "core/util/Ergebnis.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace rinolux {

// How often a directory listing reports its count.
inline constexpr int AuflistenMeldeSchritt = 500;

// Every entry of the directory (with trailing "/") as a hit with the given path number.
// weiter (may be empty) is asked after every AuflistenMeldeSchritt hits with the count so
// far; false stops the listing (the hits so far stay, the result is Ok). Fails when the
// directory cannot be opened or read.
Ergebnis nxAuswahlVerzeichnisAuflisten(const QString &verzeichnis, plattform::Details details, qint32 pfadNr,
                                       SuchTreffer &treffer, const std::function<bool(int)> &weiter = {});

// The objects named by their full paths as hits, entered so that the filled list shows
// them in the given order; each directory gets a path number by its first appearance,
// from 1. Returns the names that could not be read (they are left out).
QStringList nxAuswahlNamenAuflisten(const QStringList &volleNamen, SuchTreffer &treffer);

} // namespace rinolux
