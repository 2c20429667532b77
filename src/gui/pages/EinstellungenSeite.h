#pragma once

#include "core/persist/ZustandsDateien.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/Seite.h"

#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace rinolux {

class TSchalterRahmen;

// Page 8 "Einstellungen": every setting on one long sheet of topics, a topic list on the
// left that jumps to a topic, a scroll bar on the right. Only topics that are wholly
// visible can be changed. The settings are plain controls found by their control names
// (the control-state files keep them); the page says when one changed.
class TEinstellungenSeite final : public Seite
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TEinstellungenSeite)

public:
    explicit TEinstellungenSeite(SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    ~TEinstellungenSeite() override;

    QList<int> Tabs() const override { return {8}; }
    QString Titel(int tab) const override;
    void Aufbauen() override;
    void Anpassen(int tab) override;

    // The caption other pages' messages refer to ("auf der Seite [Einstellungen]").
    static QString SeitenTitel();
    static TNxRotListeOptionen EinstellungenListeOptionen();

    // Message symbol style 0..3 of the ticked RaDia* button (1 colourful when none).
    int SymbolStil() const;
    void SymbolStilSetzen(int stil);
    // The ticked tab colour scheme and the two swatches.
    FarbWahl Farben() const;
    void FarbenSetzen(const FarbWahl &farben);
    // The choices of CoEAutoauswahl (item 0 selected).
    void AutoAuswahlZeigen(const QStringList &beschreibungen);
    // The text of RiEinstAutomark.
    QString AutoAuswahlText() const;

    // ---- the sheet
    int ThemenAnzahl() const { return int(m_themen.size()); }
    QString ThemenTitel(int nr) const;
    // The panel of topic nr (1-based).
    QWidget *ThemenPanel(int nr) const;
    // Scroll position at which topic nr's title bar is at the top.
    int ThemenOben(int nr) const;
    // The click on a row of the topic list.
    void ThemaZeigen(int nr);
    QScrollBar *Scroll() const { return m_scroll; }

Q_SIGNALS:
    // A setting changed that acts where it is used: the window takes all of them over.
    void EinstellungGeaendert();
    // The tab colours changed (scheme or own colour).
    void FarbenGewaehlt(const rinolux::FarbWahl &farben);
    // "jetzt aktivieren": the automatic selection is rebuilt from RiEinstAutomark.
    void AutoAuswahlAktivierenVerlangt();
    // "jetzt anzeigen" of the start picture.
    void StartBildVerlangt();

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    struct Thema
    {
        QString titel;
        QWidget *panel = nullptr;
        QLabel *titelBalken = nullptr;
        QLabel *hintergrund = nullptr;
        QLabel *linie = nullptr;
        bool gruppe = false;
    };

    QWidget *themaNeu(const QString &titel, const QString &panelName);
    void themenBauen();
    void listeFuellen();
    void blattAnordnen();
    void sichtbarAnordnen();
    void grenzeVerlassen(QLineEdit *feld, int maximum);
    void farbeWaehlen(int nr);
    void beispielRahmen();
    void aendern();

    QWidget *m_links = nullptr;
    QWidget *m_rechts = nullptr;
    QWidget *m_blatt = nullptr;
    QScrollBar *m_scroll = nullptr;
    TNxRotListe *m_liste = nullptr;
    QLabel *m_ende = nullptr;
    std::vector<Thema> m_themen;
    std::vector<int> m_oben; // title bar top per topic
    QButtonGroup *m_farbGruppe = nullptr;
    QButtonGroup *m_rahmenGruppe = nullptr;
    QButtonGroup *m_diaGruppe = nullptr;
    QWidget *m_paFarbe1 = nullptr;
    QWidget *m_paFarbe2 = nullptr;
    TSchalterRahmen *m_beispiel = nullptr;
    QComboBox *m_coAuto = nullptr;
    int m_aktThema = 1;
    bool m_angelegt = false;
};

} // namespace rinolux
