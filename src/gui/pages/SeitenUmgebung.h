#pragma once

#include <QString>

class QMenu;

namespace rinolux {

class Dialog;
class ListenDaten;
class Fortschritt;
class RueckIndex;
struct Einstellungen;

// What a page may ask of the main window. The window hands it to every page's
// constructor; tests hand in a scripted one.
class SeitenUmgebung
{
public:
    virtual ~SeitenUmgebung() = default;

    virtual Fortschritt &Fort() = 0;
    virtual Dialog &Dialoge() = 0;
    virtual Einstellungen &Einst() = 0;
    // The undo index the window read at start-up; every writer of an undo file appends to it.
    virtual RueckIndex &Rueck() = 0;
    // Panel 0..2 of the status bar StatusAuswahl.
    virtual void StatusSetzen(int panel, const QString &text) = 0;
    // Window caption and application title; left alone while the progress display owns them.
    virtual void TitelSetzen(const QString &titel) = 0;
    // The main tab and the search sub-tab that are current.
    virtual int AktuelleSeite() const = 0;
    virtual int AktuelleSuchSeite() const = 0;
    virtual void SuchSeiteSetzen(int k) = 0;
    // ESC was pressed since EscVergessen (listings and sorts stop on it).
    virtual bool EscGedrueckt() const = 0;
    virtual void EscVergessen() = 0;
    // A context menu of the window by its control name (PopA, PopSpaltenA, ...), or nullptr.
    virtual QMenu *Menue(const QString &name) = 0;
    // The rows of the selection list the action pages work on; nullptr while there is none.
    virtual const ListenDaten *AuswahlDaten() { return nullptr; }

protected:
    SeitenUmgebung() = default;
    SeitenUmgebung(const SeitenUmgebung &) = default;
    SeitenUmgebung &operator=(const SeitenUmgebung &) = default;
};

} // namespace rinolux
