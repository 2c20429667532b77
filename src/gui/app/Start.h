#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

namespace rinolux {

class Dialog;
class SignalWaechter;
class Taa;

// How many times the screen-size question has been asked; kept in the early
// control-state file.
extern int BildschirmMeldungZahl;
// The directory the tree opens at start; set by the early control-state file.
extern QString IniVerzeichnisBeiStart;

// The smallest work area the window is laid out for.
inline constexpr int MindestBreite = 768;
inline constexpr int MindestHoehe = 580;

// The screen check of the start: with a work area below 768 x 580 and the question
// asked fewer than three times, counts and asks whether to go on. Returns false only
// when the user answered no.
bool BildschirmPruefen(const QSize &arbeitsFlaeche, int &zahl, Dialog &dialog);

// The command line of the window (without the program name): options up to "--", every
// other word is a name for the selection list.
struct StartArgumente
{
    bool hilfe = false;
    bool neuesFenster = false;
    QStringList namen;
};
StartArgumente StartArgumenteLesen(const QStringList &argumente);
// The text of --hilfe.
QString StartHilfe();

// Loads Qt's own German texts (standard buttons, file and colour dialogs, the edit menu of
// the input fields) from `verzeichnis`. A missing file leaves them English: false, no error.
bool QtTexteLaden(const QString &verzeichnis);

// Runs the whole program in the start-up order and returns the exit code. With a window
// already running in the session the names go to it instead (unless --neues-fenster).
int RinoluxStarten(int argc, char **argv);

// Creates the main window and runs the whole program in the start-up order: loads, shows
// page 1, runs the event loop until the window closes, then saves. `vorDemLauf` runs
// right after the parts registered their steps; `nachDemStart` once the window shows
// its start directory or start parameters and takes input.
int AnzeigeFormAa(SignalWaechter *waechter, const std::function<void(Taa &)> &vorDemLauf = {},
                  const std::function<void(Taa &)> &nachDemStart = {});

} // namespace rinolux
