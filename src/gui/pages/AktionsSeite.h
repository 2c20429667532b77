#pragma once

#include "core/engine/SeitenAuswahl.h"
#include "core/engine/VorschauPruefung.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/Seite.h"

#include <memory>

class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QVBoxLayout;

namespace rinolux {

class FensterPlatzhalterFrage;
class TOptionenBereich;
class TRegelnBereich;
class TSchalterRahmen;

// Pages 2 "Ändern", 3 "Herstellen" and 4 "Regeln" on the one action panel PaAktion: the
// options area PaAendUndHerst (pages 2 and 3) or the rules area PaRegel (page 4), the
// preview and action bar, and the preview list VListe in its panel. The page turns its
// controls into a RegelCode and shows the rows the engine's preview made of it.
class TAktionsSeite final : public Seite
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAktionsSeite)

public:
    explicit TAktionsSeite(SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    ~TAktionsSeite() override;

    QList<int> Tabs() const override { return {2, 3, 4}; }
    QString Titel(int tab) const override;
    void Startwerte() override;
    void Anpassen(int tab) override;

    // Caption and frame colour of BuAktion for the page (" ..." with the safety question).
    void AnzeigeSchalterBeschriftung(int tab);

    // The controls of tab 2, 3 or 4 as plain data, and the rule record they make.
    SeitenAuswahl SeitenSchnappschuss(int tab) const;
    QString RegelCodeDerSeite(int tab) const;

    // "Vorschau anzeigen": the preview of the current tab's rule for the marked entries.
    void VorschauAnzeigen();
    // The preview of tab is fresh: LaVorschauFehler shows its summary and BuAktion carries
    // it out when at least one row is not marked as an error. aktion.arbeit must stay
    // valid until VorschauVeraltet or the next VorschauFertig.
    void VorschauFertig(int tab, const SeitenAktion &aktion);
    // Any change makes the preview stale: nothing can be carried out until the next one.
    void VorschauVeraltet();
    bool VorschauFrisch() const { return m_aktion.has_value(); }
    std::optional<SeitenAktion> Aktion(int tab) const override;
    // A run changed the disk: the preview no longer describes it.
    void NachAusfuehren(const AusfuehrErgebnis &ergebnis) override;
    bool AutoVorschau(int tab, qint64 ruheMs) override;
    // PopV: the next row with the warn flag, downwards or upwards, wrapping.
    void FehlerSprung(bool abwaerts);
    // The clipboard entry of PopV ("ZA_GV") on this page's preview. False when the
    // clipboard was left as it was.
    bool VorschauZwischenAblage(const QString &code);

    TNxRotListe *VListe() const { return m_vliste; }
    TOptionenBereich *Optionen() const { return m_optionen; }
    TRegelnBereich *Regeln() const { return m_regeln; }

    static TNxRotListeOptionen VListeOptionen();

Q_SIGNALS:
    // A preview run has ended and its summary is shown.
    void VorschauGezeigt();

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    QWidget *vorschauLeisteBauen();
    void vListeBauen(QWidget *panel);
    void popVAnpassen(int spalte, int zeile);
    void benutzerWoerterFragen();
    void anordnen();
    void zeilenAufbauen();
    void meldungZeigen(const QString &text, VorschauFarbe farbe);
    const ListenDaten &auswahl() const;
    // A list of the page without a valid choice starts at its first item.
    void ListeAufGueltigenEintrag(const QString &name);

    QVBoxLayout *m_spalte = nullptr;
    QWidget *m_eingabe = nullptr;
    QWidget *m_paAendUndHerst = nullptr;
    QWidget *m_paRegel = nullptr;
    QFrame *m_strich1 = nullptr;
    QFrame *m_strich2 = nullptr;
    QFrame *m_panelListeVorschau = nullptr;
    TOptionenBereich *m_optionen = nullptr;
    TRegelnBereich *m_regeln = nullptr;
    TNxRotListe *m_vliste = nullptr;
    QMenu *m_popV = nullptr;
    QWidget *m_paVorschauSchalter = nullptr;
    QWidget *m_beVorschauFehler = nullptr;
    QCheckBox *m_cheVorschau = nullptr;
    QPushButton *m_buVorschau = nullptr;
    QPushButton *m_buAktion = nullptr;
    TSchalterRahmen *m_buAktionRahmen = nullptr;
    QLabel *m_laVorschauFehler = nullptr;
    std::unique_ptr<FensterPlatzhalterFrage> m_platzhalter;
    std::optional<SeitenAktion> m_aktion; // the fresh preview
    int m_aktionTab = 0;
    int m_tab = 2;
    int m_anordnung = 0;
    // While a preview runs (the progress display lets events through) its rows must not be
    // touched; a change in between makes the preview stale once the run has ended.
    bool m_laeuft = false;
    bool m_veraltetNachLauf = false;
    bool m_passtAn = false;
};

} // namespace rinolux
