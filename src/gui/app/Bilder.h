#pragma once

#include "core/shell/Einstellungen.h"

#include <QPixmap>

namespace rinolux {

// The program's own pictures, drawn in code so the program needs no image files:
// the icons of the main tabs, the symbols of the message dialogs and the program logo.

// Icon of main tab 1..10, 32 x 32 at the given device pixel ratio.
QPixmap HauptRegBild(int tab, qreal dpr = 1.0);

// Dialog symbol for kind 'f', 'i', 'o' or 'x'; null for 'f' and 'i' with the style
// "keine". `infoNummer` (1 or 2) picks one of the two alternating information pictures.
// 64 x 64 at the given device pixel ratio.
QPixmap DialogBild(QChar art, DialogSymbolStil stil, int infoNummer = 1, qreal dpr = 1.0);

// The program logo (used as the default window icon and on the Info page), `groesse`
// square at the given device pixel ratio.
QPixmap ProgrammBild(int groesse, qreal dpr = 1.0);

} // namespace rinolux
