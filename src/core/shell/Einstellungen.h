#pragma once

namespace rinolux {

// Symbol style of the message dialogs, as the settings page's radio buttons number it.
enum class DialogSymbolStil { Keine = 0, Bunt = 1, Weiss = 2, Durchsichtig = 3 };

// The settings that code below the window reads. The window fills it from its controls
// (settings page and expert settings) whenever they change; defaults are those of a
// fresh installation.
struct Einstellungen
{
    // Ask before important actions; also gives their buttons " ..." instead of "!".
    bool Sicherheitsfrage = true;
    // Delete, copy and move write undo records.
    bool LoeschenKopierenRueckgaengig = false;
    // Idle seconds before the automatic preview; limit of rows for it when switched on.
    int VorschauSekunden = 3;
    bool VorschauAnzahlBegrenzt = false;
    int VorschauAnzahl = 500;
    // Order of preview list (L), switch bar (S) and input area (E) on the action pages:
    // 1 "L-E=S", 2 "L-S=E", 3 "E-S=L".
    int VorschauAnordnung = 3;
    // Highest number of entries kept in the search history, the word list, the undo list.
    int MaxSuch = 50;
    int MaxMerk = 500;
    int MaxRueck = 50;
    // Frame thickness (0..3 pixels) of the main buttons and the dialog buttons; read at start.
    int RahmenDicke = 1;
    DialogSymbolStil DialogSymbole = DialogSymbolStil::Bunt;
    // Panels and labels take the colour of the control they lie on.
    bool ParentColor = true;
    // Start picture while the program starts.
    bool BildBeiStart = true;
    // Expand the start directory in the tree.
    bool StartVerzAufklappen = false;
    // Splitting a file also writes a script beside the parts that joins them again.
    bool TeilenSkript = false;
};

} // namespace rinolux
