#pragma once

#include "core/shell/Einstellungen.h"
#include "gui/app/Ablauf.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTextEdit;
class QTimer;

namespace rinolux {

class Dialog;
class FensterDialog;
class SignalWaechter;
class TFortschrittPanel;
class TNxReg;
class TSchalterRahmen;

// Tab colour schemes of the main and search tab strips.
enum class RegisterFarbSchema { System, Bunt1, Bunt2, Eigene1, Eigene2 };

// The main window "aa": bands, the main tab strip, the page panels, the preview and
// action bar, the Info page, the progress panel, the timers, the context menus and the
// keyboard handling. The pages' own controls are built by their parts into the panels
// this window hands out (PaAuswahl(), PaAuswahlliste(), PaAendUndHerst(), ...); a
// panel whose part is not there yet stays empty.
class Taa final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Taa)

public:
    explicit Taa(QWidget *parent = nullptr);
    ~Taa() override;

    // The window while it exists, for the last-resort handler.
    static Taa *Instanz();

    // Runs the registered steps that create the pages' controls, once. The window's own
    // frame (bands, strips, page panels, bars) exists from the constructor on.
    void SteuerelementeAnlegen();
    // Start values of the window once the early control states are read ("Startwerte aa").
    void Startwerte();

    // Page controller.
    void RegHaupt_OnClick(int k);
    void RegSuche_OnClick(int k);
    void SeiteAnpassenFuerAlleSeiten();
    void AnzeigeListenAnzahlAuswahl();
    void AnzeigeSchalterBeschriftung();

    // Sets caption and application title to "wird beendet" and closes the window. While
    // the progress display runs, the running operation is cancelled first and the window
    // closes when it has stopped.
    void Beenden();

    int AktuelleSeite = 1;
    int AktuelleSuchSeite = 0;
    int VorschauSekunden = 3;
    int VorschauAnzahl = 500;
    int HilfeKlickZahl = 0;

    // Settings that core code reads; the settings page keeps them up to date.
    Einstellungen &Einst() { return m_einst; }
    AblaufSchritte &Ablauf() { return m_ablauf; }
    Dialog &Dialoge();
    TFortschrittPanel &Fort() { return *m_fort; }
    // True while the progress display runs: keys and timers that would start other work wait.
    bool ArbeitLaeuft() const;

    void RegisterFarbenAnwenden(RegisterFarbSchema schema, const QColor &eigene1 = QColor(),
                                const QColor &eigene2 = QColor());
    // TimerWackel runs exactly while the correction is off.
    void WackelKorrekturSetzen(bool an);
    // Shows the start picture for two seconds ("jetzt anzeigen" of the settings page); a
    // click on it ends the program.
    void StartBildZeigen();

    // Page panels and the holders that other parts fill.
    TNxReg *HauptRegister() const { return m_hauptReg; }
    TNxReg *SucheRegister() const { return m_sucheReg; }
    QWidget *PaAuswahl() const { return m_paAuswahl; }
    QWidget *PaSuchReg() const { return m_paSuchReg; }
    QWidget *PaBaum() const { return m_paBaum; }
    QWidget *PaAuswahlliste() const { return m_paAuswahlliste; }
    QWidget *PaAktion() const { return m_paAktion; }
    QWidget *PaAendUndHerst() const { return m_paAendUndHerst; }
    QWidget *PaRegel() const { return m_paRegel; }
    QWidget *PanelListeVorschau() const { return m_panelListeVorschau; }
    QWidget *PaRueck() const { return m_paRueck; }
    QWidget *PaLoeschenKop() const { return m_paLoeschenKop; }
    QWidget *PaEinstellungen() const { return m_paEinstellungen; }
    QWidget *PaCopy() const { return m_paCopy; }
    QPushButton *BuAktion() const { return m_buAktion; }
    TSchalterRahmen *BuAktionRahmen() const { return m_buAktionRahmen; }
    QLabel *LaVorschauFehler() const { return m_laVorschauFehler; }
    QCheckBox *CheVorschauSchalter() const { return m_cheVorschau; }
    QPushButton *BuVorschauSchalter() const { return m_buVorschau; }
    QTextEdit *RiCopyL() const { return m_riCopyL; }
    QTextEdit *RiCopyR() const { return m_riCopyR; }
    QTimer *TimerAutoVorschau() const { return m_timerAutoVorschau; }
    QTimer *TimerVerzEditFarbe() const { return m_timerVerzEditFarbe; }
    // Status bar StatusAuswahl, panels 0..2.
    void StatusTextSetzen(int panel, const QString &text);
    QString StatusText(int panel) const;

    // Context menus of the lists; entries whose action is not there yet are disabled.
    QMenu *PopA() const { return m_popA; }
    QMenu *PopL() const { return m_popL; }
    QMenu *PopV() const { return m_popV; }
    QMenu *PopR() const { return m_popR; }
    QMenu *PopSpaltenA() const { return m_popSpaltenA; }

    // Computes the count display (set by the selection list); without it the caption is
    // the program's name and version.
    std::function<void()> ListenAnzahlAnzeige;

Q_SIGNALS:
    // Page adjustments that belong to the pages' parts.
    void AuswahlSeiteAnpassen(int suchSeite);
    void AktionsSeiteAnpassen(int seite);
    void RueckSeiteAnpassen();
    void LoeschenKopSeiteAnpassen(int seite);
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
    void aufbauen();
    QWidget *auswahlSeiteBauen();
    QWidget *aktionsSeiteBauen();
    QWidget *rueckSeiteBauen();
    QWidget *loeschenKopSeiteBauen();
    QWidget *infoSeiteBauen();
    void menuesBauen();
    bool tasteVerarbeiten(QObject *ziel, QKeyEvent *event);
    void ListeAufGueltigenEintrag(const QString &name);
    void wackelTick();
    void buCopyInternetClick();
    QColor tabFarbe(int tab) const;

    Einstellungen m_einst;
    AblaufSchritte m_ablauf;
    std::unique_ptr<FensterDialog> m_dialog;
    TFortschrittPanel *m_fort = nullptr;

    QFrame *m_paObenAbstand1 = nullptr;
    QFrame *m_paHauptReg = nullptr;
    QFrame *m_paObenAbstand2 = nullptr;
    TNxReg *m_hauptReg = nullptr;
    TNxReg *m_sucheReg = nullptr;
    QWidget *m_paAuswahl = nullptr;
    QWidget *m_paSuchReg = nullptr;
    QWidget *m_paBaum = nullptr;
    QWidget *m_paASplitter = nullptr;
    QWidget *m_paAuswahlliste = nullptr;
    QStatusBar *m_statusAuswahl = nullptr;
    QList<QLabel *> m_statusPanels;
    QWidget *m_paAktion = nullptr;
    QWidget *m_paAendUndHerst = nullptr;
    QWidget *m_paRegel = nullptr;
    QWidget *m_paVorschauSchalter = nullptr;
    QWidget *m_panelListeVorschau = nullptr;
    QWidget *m_paRueck = nullptr;
    QWidget *m_paLoeschenKop = nullptr;
    QWidget *m_paLoeschOben = nullptr;
    QWidget *m_paKopieOben = nullptr;
    QWidget *m_paEinstellungen = nullptr;
    QWidget *m_paCopy = nullptr;
    QCheckBox *m_cheVorschau = nullptr;
    QPushButton *m_buVorschau = nullptr;
    QLabel *m_laVorschauFehler = nullptr;
    QPushButton *m_buAktion = nullptr;
    TSchalterRahmen *m_buAktionRahmen = nullptr;
    QTextEdit *m_riCopyL = nullptr;
    QTextEdit *m_riCopyR = nullptr;
    QTimer *m_timerAutoVorschau = nullptr;
    QTimer *m_timerWackel = nullptr;
    QTimer *m_timerVerzEditFarbe = nullptr;
    int m_wackelSchritt = 0;
    QMenu *m_popA = nullptr;
    QMenu *m_popL = nullptr;
    QMenu *m_popV = nullptr;
    QMenu *m_popR = nullptr;
    QMenu *m_popSpaltenA = nullptr;

    bool m_expertenTasteScharf = false;
    bool m_schliessenNachArbeit = false;
    bool m_angelegt = false;
};

// Creates the main window and runs the whole program in the start-up order: loads, shows
// page 1, runs the event loop until the window closes, then saves. `vorDemLauf` runs
// right after the parts registered their steps (the program passes nothing).
int AnzeigeFormAa(SignalWaechter *waechter, const std::function<void(Taa &)> &vorDemLauf = {});

} // namespace rinolux
