#pragma once

#include "core/actions/RueckDaten.h"
#include "core/actions/sub_Aktion_AendernHerstellen.h"
#include "core/persist/ZustandsDateien.h"
#include "core/shell/Einstellungen.h"
#include "gui/app/Ablauf.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QDialog;
class QFrame;
class QMenu;
class QStackedWidget;
class QTimer;

namespace rinolux {

class AListeBedienung;
class Dialog;
class FensterDialog;
class Seite;
class TRueckSeite;
class TFortschrittPanel;
class TNxReg;

// Tab colour schemes of the main and search tab strips.
enum class RegisterFarbSchema { System, Bunt1, Bunt2, Eigene1, Eigene2 };

// The main window "aa": bands, the main tab strip, the pages in a stack, the progress
// panel, the timers and the context menus. It knows its pages only through `Seite` and
// its list of pages by tab number (seitenAnlegen); their signals are wired in one place
// (seiteVerbinden).
class Taa final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Taa)

public:
    explicit Taa(QWidget *parent = nullptr);
    ~Taa() override;

    // The window while it exists, for the last-resort handler.
    static Taa *Instanz();

    // Runs the pages' Aufbauen and the registered steps that create controls, once. The
    // window's frame and the pages' panels exist from the constructor on.
    void SteuerelementeAnlegen();
    // Start values of the window once the early control states are read ("Startwerte aa").
    void Startwerte();

    // Page controller.
    void RegHaupt_OnClick(int k);
    void SeiteAnpassenFuerAlleSeiten();

    // Sets caption and application title to "wird beendet" and closes the window. While
    // the progress display runs, the running operation is cancelled first and the window
    // closes when it has stopped.
    void Beenden();

    int AktuelleSeite = 1;
    int AktuelleSuchSeite = 0;
    int HilfeKlickZahl = 0;

    // Settings that core code reads; the settings page keeps them up to date.
    Einstellungen &Einst() { return m_einst; }
    AblaufSchritte &Ablauf() { return m_ablauf; }
    // The undo index, read at start-up (StartSchritt::RueckIndexLaden).
    RueckIndex &Rueck() { return m_rueckIndex; }
    Dialog &Dialoge();
    TFortschrittPanel &Fort() { return *m_fort; }
    // True while the progress display runs: keys and timers that would start other work wait.
    bool ArbeitLaeuft() const;

    // The page that serves main tab k (1..9), or nullptr.
    Seite *SeiteFuerTab(int k) const;
    // The page of that class, or nullptr.
    template <class T>
    T *SeiteVon() const
    {
        for (Seite *s : m_seitenListe)
            if (auto *t = qobject_cast<T *>(s))
                return t;
        return nullptr;
    }

    // The control-state files as read at start: entries without a control keep these values.
    ZustandsDatei &ZustandVor() { return m_zustandVor; }
    ZustandsDatei &ZustandHinter() { return m_zustandHinter; }
    // The expert settings form gg (a child of the window, shown on the hidden key sequence).
    QDialog *ExpertenForm() const { return m_gg; }

    // The tab colours of a stored or chosen scheme (letters W, B, C, 1, 2).
    void FarbenAnwenden(const FarbWahl &farben);
    void RegisterFarbenAnwenden(RegisterFarbSchema schema, const QColor &eigene1 = QColor(),
                                const QColor &eigene2 = QColor());
    // TimerWackel runs exactly while the correction is off.
    void WackelKorrekturSetzen(bool an);
    // Shows the start picture for two seconds ("jetzt anzeigen" of the settings page); a
    // click on it ends the program.
    void StartBildZeigen();

    TNxReg *HauptRegister() const { return m_hauptReg; }
    QTimer *TimerAutoVorschau() const { return m_timerAutoVorschau; }
    // Milliseconds since the last key or mouse input anywhere in the program, by the clock
    // the window reads (a monotonic one; tests set their own).
    qint64 RuheMs() const;
    void UhrSetzen(std::function<qint64()> uhr);
    QTimer *TimerVerzEditFarbe() const { return m_timerVerzEditFarbe; }
    // A context menu of the lists by control name; entries whose part is not there yet
    // are disabled.
    QMenu *Menue(const QString &name) const;

Q_SIGNALS:
    void HilfeSymboleAnpassen();
    // F2 or F4 on the selection page: rename in the list.
    void UmbenennenVerlangt();
    // The hidden key sequence: open the expert settings.
    void ExpertenEinstellungenVerlangt();
    // A tick of the automatic preview while no other work runs.
    void AutoVorschauTick();
    // TimerVerzEditFarbe ran out: the search directory label returns to its colour.
    void VerzEditFarbeZurueck();
    // The window has been closed (the event loop ends).
    void Geschlossen();
    // ESC was pressed while the progress display ran (listings and sorts stop on it).
    void EscWaehrendArbeit();
    // The program lost the focus (the autocomplete list hides).
    void AnwendungInaktiv();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    class Umgebung;

    void aufbauen();
    void seitenAnlegen();
    void seiteAnmelden(Seite *seite);
    void seiteVerbinden(Seite *seite);
    void menuesBauen();
    // Form_Anfang_Aktion.cpp: the carry-out routine for the action button and the undo page.
    void aktionAusfuehren(Seite &seite);
    void rueckAusfuehren(TRueckSeite &seite, AusfuehrModus modus);
    AusfuehrErgebnis ausfuehren(AusfuehrAuftrag &auftrag, RueckIndex &index);
    AListeBedienung *auswahlListe() const;
    // Form_Anfang_Tasten.cpp
    bool tasteVerarbeiten(QObject *ziel, QKeyEvent *event);
    void eingabeMerken(const QEvent *event);
    void autoVorschauPruefen();
    void wackelTick();
    QColor tabFarbe(int tab) const;

    Einstellungen m_einst;
    ZustandsDatei m_zustandVor = ZustandsDatei::VorStart(QRect());
    ZustandsDatei m_zustandHinter = ZustandsDatei::HinterStart();
    QDialog *m_gg = nullptr;
    AblaufSchritte m_ablauf;
    RueckIndex m_rueckIndex;
    std::unique_ptr<FensterDialog> m_dialog;
    std::unique_ptr<Umgebung> m_umgebung;
    TFortschrittPanel *m_fort = nullptr;

    QFrame *m_paHauptReg = nullptr;
    QFrame *m_paObenAbstand2 = nullptr;
    TNxReg *m_hauptReg = nullptr;
    QStackedWidget *m_stapel = nullptr;
    std::vector<Seite *> m_seitenListe;         // in the order they were registered
    std::array<Seite *, 10> m_seiten{};        // by tab number 1..9
    std::vector<QMenu *> m_menues;
    QTimer *m_timerAutoVorschau = nullptr;
    QTimer *m_timerWackel = nullptr;
    QTimer *m_timerVerzEditFarbe = nullptr;
    int m_wackelSchritt = 0;
    std::function<qint64()> m_uhr;
    qint64 m_letzteEingabe = 0;

    bool m_expertenTasteScharf = false;
    bool m_esc = false;
    bool m_schliessenNachArbeit = false;
    bool m_angelegt = false;
};

} // namespace rinolux
