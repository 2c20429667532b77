#pragma once

#include "core/actions/RueckDaten.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/Seite.h"

class QLabel;
class QPushButton;

namespace rinolux {

class TSchalterRahmen;

// Page 5 "Rückgängig": the undo files (top, newest first) and the changes of the chosen
// one (below). Checking and carrying out are asked for by signals; whoever connects them
// runs the carry-out on RuckAltNeuListe with the code AltNeuCode().
class TRueckSeite final : public Seite
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRueckSeite)

public:
    explicit TRueckSeite(SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    ~TRueckSeite() override;

    QList<int> Tabs() const override { return {5}; }
    QString Titel(int tab) const override;
    // The button frames take the thickness read at start.
    void Startwerte() override;
    // Reads the undo index from the data directory and fills the page.
    void Anpassen(int tab) override;

    static TNxRotListeOptionen RueckIndexListeOptionen();
    static TNxRotListeOptionen RuckAltNeuListeOptionen();

    // Fills the index list from Index(), newest first; empties the detail list.
    void RueckFuellen();
    // Loads index entry i (from 1) into the detail list.
    void Aktion_Vorschau_Rueck(int i);

    // After the undo of the entry shown: offen are the rows of the detail list still to
    // undo. The file is deleted when none are left, else it keeps just those; the page is
    // filled again.
    void RueckAbgeschlossen(const std::vector<int> &offen);

    RueckIndex &Index() { return m_index; }
    // Index entry shown in the detail list (0: none), and its undo code (the list's tag).
    int AltNeuEintrag() const { return m_eintrag; }
    int AltNeuCode() const { return m_code; }
    TNxRotListe *IndexListe() const { return m_indexListe; }
    TNxRotListe *AltNeuListe() const { return m_altNeuListe; }

Q_SIGNALS:
    // The detail list is ready for the carry-out routine (directories corrected).
    void RueckPruefenVerlangt();
    void RueckAusfuehrenVerlangt();

private:
    void schalterAn(bool an);

    RueckIndex m_index;
    int m_eintrag = 0;
    int m_code = 0;
    TNxRotListe *m_indexListe = nullptr;
    TNxRotListe *m_altNeuListe = nullptr;
    QLabel *m_intro = nullptr;
    QPushButton *m_buPruefen = nullptr;
    QPushButton *m_buOK = nullptr;
    TSchalterRahmen *m_buOKRahmen = nullptr;
};

} // namespace rinolux
