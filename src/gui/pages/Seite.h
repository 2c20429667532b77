#pragma once

#include "core/engine/RegelCode.h"
#include "core/persist/nx_IniControls.h"

#include <QFrame>
#include <QList>
#include <QString>

#include <optional>

class QColor;

namespace rinolux {

class ListenDaten;
class SeitenUmgebung;
struct AusfuehrErgebnis;

// What a page carries out when its action button is pressed: its fresh preview.
struct SeitenAktion
{
    AktionsCode code = 0;
    QString beschreibung;                // line 2 of the undo file and the undo index entry
    QString zusammenfassung;             // the preview summary the safety question is built from
    const ListenDaten *arbeit = nullptr; // the preview rows
};

// One page of the main window on its panel. The window knows pages only through this
// class and its list of pages by tab number; a page that serves several tabs (the action
// page 2..4, delete and copy 6..7) is told the tab each time it is shown.
class Seite : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Seite)

public:
    ~Seite() override;

    // The main tabs this page serves, and the caption of each.
    virtual QList<int> Tabs() const = 0;
    virtual QString Titel(int tab) const = 0;

    // Creates the page's own controls, once, before any stored control state is read.
    virtual void Aufbauen() {}
    // Settings read from the early control-state file take effect.
    virtual void Startwerte() {}
    // The page becomes current for this tab.
    virtual void Anpassen(int tab) { static_cast<void>(tab); }
    // A key the window did not use; true when the page took it.
    virtual bool Taste(int taste, Qt::KeyboardModifiers modifikatoren);
    // The page's colours follow the colour of its first tab.
    virtual void TabFarbeSetzen(const QColor &grund, const QColor &schrift);
    // Panel 0..2 of the status bar, on the page that has one.
    virtual void StatusSetzen(int panel, const QString &text);
    virtual QString StatusText(int panel) const;
    // The page's control states, for pages that keep any.
    virtual void ZustaendeLesen(const QList<IniTextEintrag> &texte, const QList<IniFlagEintrag> &flags);
    virtual void ZustaendeSchreiben(QList<IniTextEintrag> &texte, QList<IniFlagEintrag> &flags) const;
    // The action the page would carry out for this tab now; none without a fresh preview.
    virtual std::optional<SeitenAktion> Aktion(int tab) const;
    // A run of the carry-out routine has ended (any page's run, also an undo).
    virtual void NachAusfuehren(const AusfuehrErgebnis &ergebnis);
    // A tick of the automatic preview while tab is current, ruheMs after the last input;
    // true when the page ran its preview (the timer then stops).
    virtual bool AutoVorschau(int tab, qint64 ruheMs);

Q_SIGNALS:
    // Asks the window to show main tab k.
    void SeiteVerlangt(int k);
    // F2 or F4 on a list that renames in place.
    void UmbenennenVerlangt();
    // The automatic preview's timer should run (a stale preview with the check box on) or
    // stop (the box was cleared, or a preview runs).
    void AutoVorschauSchalten(bool an);
    // The action button: carry out Aktion() of the current tab.
    void AusfuehrenVerlangt();

protected:
    // name: the page panel's control name (PaAuswahl, PaAktion, ...).
    Seite(const QString &name, SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    SeitenUmgebung &Umgebung() const { return m_umgebung; }

private:
    SeitenUmgebung &m_umgebung;
};

// A plain panel with a control name, the building block of the pages.
QFrame *SeitenPanel(const QString &name, QWidget *eltern);

} // namespace rinolux
