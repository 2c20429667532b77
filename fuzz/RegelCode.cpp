// The rule record: reading never fails in an undefined way, and every record it accepts is
// written back so that it reads the same again.

#include "FuzzUmgebung.h"

#include "core/engine/RegelCode.h"

using namespace rinolux;
using rinolux::fuzz::Pruefen;
using rinolux::fuzz::Sichtbar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QString code = QString::fromUtf8(fuzz::Eingabe(daten, groesse));
    const RegelLeseErgebnis gelesen = RegelLesen(code);
    if (!gelesen.gueltig()) {
        Pruefen(gelesen.regel.teile.isEmpty(), "eine unbrauchbare Regel hat Teil-Regeln", Sichtbar(code));
        Pruefen(!gelesen.grund.isEmpty() && gelesen.feld >= 0 && gelesen.feld <= code.count(u'\t') + 2,
                "eine unbrauchbare Regel ohne Grund oder mit falschem Feld", Sichtbar(code));
        return 0;
    }
    Pruefen(!gelesen.regel.teile.isEmpty(), "eine gültige Regel ohne Teil-Regel", Sichtbar(code));

    const QString geschrieben = RegelSchreiben(gelesen.regel);
    const RegelLeseErgebnis wieder = RegelLesen(geschrieben);
    Pruefen(wieder.gueltig(), "die geschriebene Regel ist nicht lesbar",
            Sichtbar(code) + QStringLiteral("\n-> ") + Sichtbar(geschrieben) + QStringLiteral("\n") + wieder.grund);
    Pruefen(wieder.regel == gelesen.regel, "die Regel ändert sich beim Schreiben und Lesen",
            Sichtbar(code) + QStringLiteral("\n-> ") + Sichtbar(geschrieben));
    // Only line breaks, which no field may hold, are dropped on the way out.
    if (!code.contains(u'\r') && !code.contains(u'\n'))
        Pruefen(geschrieben == code, "die gelesene Regel wird anders geschrieben",
                Sichtbar(code) + QStringLiteral("\n-> ") + Sichtbar(geschrieben));
    return 0;
}
