#pragma once

#include "gui/controls/TNxRotListe.h"
#include "gui/pages/Seite.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace rinolux {

class TOptionenBereich;
class TSchalterRahmen;

// Pages 2 "Ändern", 3 "Herstellen" and 4 "Regeln" on the one action panel PaAktion: the
// options area PaAendUndHerst (pages 2 and 3) or the rules area PaRegel (page 4), the
// preview and action bar, and the preview list's panel.
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

    // The preview of tab is fresh: LaVorschauFehler shows its summary and BuAktion carries
    // it out when at least one row is not marked as an error. aktion.arbeit must stay
    // valid until VorschauVeraltet or the next VorschauFertig.
    void VorschauFertig(int tab, const SeitenAktion &aktion);
    // Any change makes the preview stale: nothing can be carried out until the next one.
    void VorschauVeraltet();
    std::optional<SeitenAktion> Aktion(int tab) const override;
    // A run changed the disk: the preview no longer describes it.
    void NachAusfuehren(const AusfuehrErgebnis &ergebnis) override;

    static TNxRotListeOptionen VListeOptionen();

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    QWidget *vorschauLeisteBauen();
    // A list of the page without a valid choice starts at its first item.
    void ListeAufGueltigenEintrag(const QString &name);

    QWidget *m_paAendUndHerst = nullptr;
    QWidget *m_paRegel = nullptr;
    TOptionenBereich *m_optionen = nullptr;
    QWidget *m_paVorschauSchalter = nullptr;
    QWidget *m_beVorschauFehler = nullptr;
    QPushButton *m_buAktion = nullptr;
    TSchalterRahmen *m_buAktionRahmen = nullptr;
    QLabel *m_laVorschauFehler = nullptr;
    std::optional<SeitenAktion> m_aktion; // the fresh preview
    int m_aktionTab = 0;
    int m_tab = 2;
};

} // namespace rinolux
