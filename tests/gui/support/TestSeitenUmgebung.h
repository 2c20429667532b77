#pragma once

#include "core/shell/Dialog.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "gui/pages/SeitenUmgebung.h"

#include <array>

namespace rinolux::test {

// A window for a page on its own: silent progress, scripted dialogs, the status panels
// and the caption kept for the test to read.
class TestSeitenUmgebung final : public SeitenUmgebung
{
public:
    Fortschritt &Fort() override { return fort; }
    Dialog &Dialoge() override { return dialog; }
    Einstellungen &Einst() override { return einst; }
    void StatusSetzen(int panel, const QString &text) override
    {
        if (panel >= 0 && panel < int(status.size()))
            status[size_t(panel)] = text;
    }
    void TitelSetzen(const QString &t) override { titel = t; }
    int AktuelleSeite() const override { return seite; }
    int AktuelleSuchSeite() const override { return suchSeite; }
    void SuchSeiteSetzen(int k) override { suchSeite = k; }
    bool EscGedrueckt() const override { return esc; }
    void EscVergessen() override {}
    QMenu *Menue(const QString &) override { return nullptr; }

    StillerFortschritt fort;
    SkriptDialog dialog;
    Einstellungen einst;
    std::array<QString, 3> status;
    QString titel;
    int seite = 1;
    int suchSeite = 1;
    bool esc = false; // ESC "pressed" for as long as it is set
};

} // namespace rinolux::test
