#pragma once

#include <QSize>
#include <QString>

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

// Runs the whole program in the start-up order and returns the exit code.
int RinoluxStarten(int argc, char **argv);

// Creates the main window and runs the whole program in the start-up order: loads, shows
// page 1, runs the event loop until the window closes, then saves. `vorDemLauf` runs
// right after the parts registered their steps (the program passes nothing).
int AnzeigeFormAa(SignalWaechter *waechter, const std::function<void(Taa &)> &vorDemLauf = {});

} // namespace rinolux
