#pragma once

#include "gui/controls/TNxRotListe.h"
#include "gui/pages/Seite.h"

class QLabel;
class QStatusBar;

namespace rinolux {

class AListeBedienung;
class TNxReg;

// Page 1 "Auswählen": the search tab strip, the directory tree beside the selection list
// AListe, and the status bar StatusAuswahl.
class TAuswahlSeite final : public Seite
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAuswahlSeite)

public:
    explicit TAuswahlSeite(SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    ~TAuswahlSeite() override;

    QList<int> Tabs() const override { return {1}; }
    QString Titel(int tab) const override;
    void Startwerte() override;
    void Anpassen(int tab) override;
    bool Taste(int taste, Qt::KeyboardModifiers modifikatoren) override;
    void TabFarbeSetzen(const QColor &grund, const QColor &schrift) override;
    void StatusSetzen(int panel, const QString &text) override;
    QString StatusText(int panel) const override;

    // Creates AListe on its panel, once (a start-up step: the list panels come after the
    // pages' controls); returns it.
    AListeBedienung *ListeAnlegen();
    // The selection list, or nullptr before ListeAnlegen.
    AListeBedienung *Liste() const { return m_liste; }
    TNxReg *SucheRegister() const { return m_sucheReg; }

    // The search sub-tab k was chosen.
    void RegSuche_OnClick(int k);

    // The options of the lists on this page.
    static TNxRotListeOptionen SListeOptionen();

private:
    QWidget *suchRegisterBauen();
    QWidget *mitteBauen();
    QStatusBar *statusBauen();

    TNxReg *m_sucheReg = nullptr;
    QWidget *m_paBaum = nullptr;
    QWidget *m_paAuswahlliste = nullptr;
    QList<QLabel *> m_statusPanels;
    AListeBedienung *m_liste = nullptr;
};

} // namespace rinolux
