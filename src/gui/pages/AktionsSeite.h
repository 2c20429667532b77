#pragma once

#include "gui/controls/TNxRotListe.h"
#include "gui/pages/Seite.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace rinolux {

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

    static TNxRotListeOptionen VListeOptionen();

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    QWidget *vorschauLeisteBauen();
    // A list of the page without a valid choice starts at its first item.
    void ListeAufGueltigenEintrag(const QString &name);

    QWidget *m_paAendUndHerst = nullptr;
    QWidget *m_paRegel = nullptr;
    QWidget *m_paVorschauSchalter = nullptr;
    QWidget *m_beVorschauFehler = nullptr;
    QPushButton *m_buAktion = nullptr;
    TSchalterRahmen *m_buAktionRahmen = nullptr;
};

} // namespace rinolux
