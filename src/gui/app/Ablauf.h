#pragma once

#include <QString>

#include <array>
#include <functional>

namespace rinolux {

class Taa;

// The steps of start-up and shutdown that belong to other parts of the program (stored
// control states, rules, histories, undo index, the pages' controls). The main window
// runs them in the fixed start-up order; a step that nobody registered does nothing.
// The "RegelSchalterAufbauen", "ListenPanelsAnlegen", "PositionsTabellen" and "AutoVervollSymbole"
// steps create controls: they run right after the pages built their own controls
// (Seite::Aufbauen), before the early control-state file is read, so that file finds
// every control it names.
// Parts register their work in AblaufSchritteAnmelden (Ablauf_Anmeldung.cpp).
enum class StartSchritt {
    IniControlsVorStart,     // early control-state file: bounds, colours, counters, start directory
    LaufwerkeDurchgehen,     // one walk over the drive roots
    RegelSchalterAufbauen,   // rule buttons
    ListenPanelsAnlegen,     // the list panels of the window
    PositionsTabellen,       // position table choosers
    AutoVervollSymbole,      // autocompletion symbols
    RegelnLaden,             // stored rules
    SuchUndMerkListeLaden,   // search history and collected words
    RueckIndexLaden,         // undo file index
    IniControlsHinterStart,  // late control-state file and the two note texts
    AuswahlListeZeichnen,    // first drawing of the selection list
    HilfeVorbereiten,        // help markers
    EditMenueAnhaengen,      // edit context menu on every edit field
    AktionsSeitenAnpassen,   // adjust the action pages once each
    StartVerzeichnisOeffnen, // tree opens the start directory (no start parameters)
    StartParameterAuswaehlen, // the start parameters become the selection
    Anzahl
};

// Shutdown saves, in this order. Each one is guarded: one that fails never stops the
// others. A save whose matching load step was registered but failed is skipped, so a
// file that could not be read is never overwritten with empty defaults.
enum class EndeSchritt {
    IniControlsVorStart,
    Regeln,
    SuchUndMerkListe,
    IniControlsHinterStart,
    Anzahl
};

class AblaufSchritte final
{
public:
    using Arbeit = std::function<void()>;

    void Anmelden(StartSchritt s, Arbeit arbeit) { m_start[static_cast<int>(s)] = std::move(arbeit); }
    void Anmelden(EndeSchritt s, Arbeit arbeit) { m_ende[static_cast<int>(s)] = std::move(arbeit); }
    bool Angemeldet(StartSchritt s) const { return static_cast<bool>(m_start[static_cast<int>(s)]); }

    // Runs the step (logged as a nested step under its name). Returns false when it threw;
    // the exception is logged and not passed on.
    bool Ausfuehren(StartSchritt s);
    // Runs every save in order; returns how many failed.
    int AllesSpeichern();

    static QString Name(StartSchritt s);
    static QString Name(EndeSchritt s);

private:
    std::array<Arbeit, static_cast<int>(StartSchritt::Anzahl)> m_start;
    std::array<Arbeit, static_cast<int>(EndeSchritt::Anzahl)> m_ende;
    std::array<bool, static_cast<int>(StartSchritt::Anzahl)> m_fehlgeschlagen{};
};

// The one place where the parts of the program register their start-up and shutdown work
// with the main window. Called once, right after the window is created.
void AblaufSchritteAnmelden(Taa &aa);

class RegelListe;
// The stored rules of the Regeln page, read at start and written at shutdown.
RegelListe &GespeicherteRegeln();
class MerkListe;
// The collected words, read at start and written at shutdown.
MerkListe &GesammelteWoerter();

} // namespace rinolux
