#include "core/shell/ListenMarkieren.h"

#include <algorithm>

namespace rinolux {

void nxListeBereichMarkieren(ListenDaten &daten, int von, int bis, bool wert)
{
    if (von > bis)
        std::swap(von, bis);
    for (int p = std::max(von, 1); p <= std::min(bis, daten.Anzahl()); ++p)
        daten.MarkSetzen(daten.ZeileAn(p), wert);
}

bool nxListeKlick(ListenDaten &daten, const MarkierRegeln &regeln, const ListenKlick &klick)
{
    const int position = klick.position;
    if (position < 1 || position > daten.Anzahl())
        return false;
    const int zeile = daten.ZeileAn(position);
    const bool bereich = regeln.bereichMarkieren && (klick.strg || klick.umsch);
    // A right click on a marked row keeps the selection, so the menu can work on it.
    const bool behalten = klick.rechts && daten.Markiert(zeile);
    if (regeln.klickMarkiert && !behalten) {
        if (!bereich) {
            if (klick.markSpalte) {
                daten.MarkSetzen(zeile, !daten.Markiert(zeile));
            } else {
                daten.AlleMarkieren(false);
                daten.MarkSetzen(zeile, true);
            }
        } else if (klick.strg && !klick.umsch) {
            daten.MarkSetzen(zeile, !daten.Markiert(zeile));
        } else {
            // The range takes the mark of the row it starts from; with nothing marked it marks.
            const int akt = daten.AktPosition();
            const bool wert = (akt == 0 || daten.MarkiertAnzahl() == 0) ? true : daten.Markiert(daten.ZeileAn(akt));
            if (!klick.strg)
                daten.AlleMarkieren(false);
            nxListeBereichMarkieren(daten, akt > 0 ? akt : position, position, wert);
        }
    }
    daten.AktPositionSetzen(position);
    return bereich;
}

bool nxListeLoslassen(ListenDaten &daten, int position)
{
    if (position < 1 || position > daten.Anzahl())
        return false;
    const int zeile = daten.ZeileAn(position);
    if (position == daten.AktPosition() && daten.Markiert(zeile) && daten.MarkiertAnzahl() == 1)
        return false;
    daten.AlleMarkieren(false);
    daten.MarkSetzen(zeile, true);
    daten.AktPositionSetzen(position);
    return true;
}

} // namespace rinolux
