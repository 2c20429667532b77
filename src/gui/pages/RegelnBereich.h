#pragma once

#include "core/engine/SeitenAuswahl.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace rinolux {

class Dialog;
class RegelListe;

// The rules area PaRegel of the page Regeln: the stored rules (LiRegelAktion), the
// description of the selected one (EdRegel), and the buttons that add a rule from the
// pages Ändern (BuPlusA) and Herstellen (BuPlusH), rename (BuRegelTextOK), delete
// (BuRegelLoeschen) and move it (SpiRegel). Every change goes through the rule list, which
// asks its questions first.
class TRegelnBereich final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRegelnBereich)

public:
    // seite(tab): the snapshot of the page Ändern (2) or Herstellen (3) for a new rule.
    TRegelnBereich(RegelListe &liste, Dialog &dialog, std::function<SeitenAuswahl(int)> seite,
                   QWidget *eltern = nullptr);
    ~TRegelnBereich() override;

    // Shows the list as it stands now (it is read at start-up, after the page was built),
    // selects its first rule when none is, and sets the enabled buttons.
    void Anpassen();
    // The selected rule for the snapshot of the page Regeln.
    RegelnSeite Auswahl() const;
    RegelListe &Liste() const { return m_liste; }

Q_SIGNALS:
    // Another rule was selected, or the list changed: the page is adjusted.
    void RegelGewechselt();

private:
    void listeZeigen();
    void schalterAnpassen();
    void hinzufuegen(int tab);
    void umbenennen();
    void loeschen();
    void verschieben(int richtung);
    void verbinden();
    void teilen();

    RegelListe &m_liste;
    Dialog &m_dialog;
    std::function<SeitenAuswahl(int)> m_seite;
    QListWidget *m_liRegelAktion = nullptr;
    QLineEdit *m_edRegel = nullptr;
    QPushButton *m_buPlusA = nullptr;
    QPushButton *m_buPlusH = nullptr;
    QPushButton *m_buRegelTextOK = nullptr;
    QPushButton *m_buRegelLoeschen = nullptr;
    QPushButton *m_buRegelVerbinden = nullptr;
    QPushButton *m_buRegelTeilen = nullptr;
    QToolButton *m_spiHoch = nullptr;
    QToolButton *m_spiRunter = nullptr;
};

} // namespace rinolux
