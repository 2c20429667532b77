#pragma once

namespace rinolux {

class Taa;

// The early control-state file: read at start before the window is laid out (bounds,
// colours, counters, start directory, the settings that govern the start), written first
// of the saves at shutdown.
void IniControls_VorStartLesen(Taa &aa);
void IniControls_VorStartSchreiben(Taa &aa);
// The late control-state file and the two note files: read once the window's controls and
// stored lists exist, written last of the saves.
void IniControls_HinterStartLesen(Taa &aa);
void IniControls_HinterStartSchreiben(Taa &aa);

// The settings of the settings page and the expert form take effect where they act (the
// settings record, the selection list's menu and double click, the "gehe zu" entries, the
// wobble). Called after reading and whenever a setting changes.
void EinstellungenAnwenden(Taa &aa);

} // namespace rinolux
