#pragma once

#include <QString>

class QMenu;

namespace rinolux {

class Dialog;
class Fortschritt;
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

protected:
    SeitenUmgebung() = default;
    SeitenUmgebung(const SeitenUmgebung &) = default;
    SeitenUmgebung &operator=(const SeitenUmgebung &) = default;
};

} // namespace rinolux
