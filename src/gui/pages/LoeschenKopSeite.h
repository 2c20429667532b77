#pragma once

#include "core/actions/sub_Aktion_LoeschenKopieren.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/Seite.h"

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rinolux {

class TSchalterRahmen;

// Pages 6 "Löschen" and 7 "Kopieren" on the one panel PaLoeschenKop: the delete options
// (PaLoeschOben) or the copy and move options (PaKopieOben) above the action list LListe,
// which is rebuilt from the marked selection entries each time the page is shown.
class TLoeschenKopSeite final : public Seite
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLoeschenKopSeite)

public:
    explicit TLoeschenKopSeite(SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    ~TLoeschenKopSeite() override;

    QList<int> Tabs() const override { return {6, 7}; }
    QString Titel(int tab) const override;
    // The button frames take the thickness read at start.
    void Startwerte() override;
    void Anpassen(int tab) override;

    // Where the page finds the selection list (the window's AListe data); may give null.
    void AuswahlQuelleSetzen(std::function<ListenDaten *()> quelle) { m_auswahlQuelle = std::move(quelle); }

    TNxRotListe *LListe() const { return m_lliste; }
    // The result of the last run (for the window and for tests).
    const LKErgebnis &LetztesErgebnis() const { return m_letztes; }

    static TNxRotListeOptionen LListeOptionen();

Q_SIGNALS:
    // A run removed entries from the selection list or changed the disk: the window
    // redraws the selection list and refreshes the tree.
    void AuswahlGeaendert();

private:
    struct NummerSchalter
    {
        QPushButton *schalter = nullptr;
        NummerArt art = NummerArt::Keine;
        qint64 wert = 0;
    };

    void aktion(LKModus modus, NummerArt art, qint64 wert, const QString &anker);
    void beschriftungen();

    QWidget *m_paLoeschOben = nullptr;
    QWidget *m_paKopieOben = nullptr;
    QPushButton *m_buLoeschWP = nullptr;
    QPushButton *m_buLoeschFI = nullptr;
    QPushButton *m_buKopieren = nullptr;
    QPushButton *m_buVerschieben = nullptr;
    std::vector<TSchalterRahmen *> m_rahmen;
    std::vector<NummerSchalter> m_nummern;
    QLineEdit *m_edKopieren = nullptr;
    QCheckBox *m_cheVerzStruktur = nullptr;
    QLabel *m_laVerzStruktur = nullptr;
    TNxRotListe *m_lliste = nullptr;
    std::function<ListenDaten *()> m_auswahlQuelle;
    LKErgebnis m_letztes;
    int m_tab = 6;
    bool m_laeuft = false;
};

} // namespace rinolux
