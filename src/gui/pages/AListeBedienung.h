#pragma once

#include "core/selection/sub_Auswahl.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QAction;
class QComboBox;
class QMenu;

namespace rinolux {

class Dialog;
class Fortschritt;
class Taa;
class TNxRotListe;

// The selection list AListe on its panel: columns, fill, marks, sorting, automatic
// selection, the count display, its menus PopA and PopSpaltenA, and names dropped on it.
// The main window owns it and tells it what it needs through the hooks below.
class AListeBedienung final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AListeBedienung)

public:
    // paAuswahlliste: the panel the list fills; baumBreite: starting width of the path column.
    // popA, popSpaltenA: the window's menus of that name (their entries are found by name
    // and made to work); without them the list makes its own.
    AListeBedienung(QWidget *paAuswahlliste, int baumBreite, QMenu *popA = nullptr, QMenu *popSpaltenA = nullptr);
    ~AListeBedienung() override;

    TNxRotListe *Liste() const { return m_liste; }
    ListenDaten &Daten();

    // ---- what the window provides
    Fortschritt *fort = nullptr;                     // progress display (required for fills)
    Dialog *dialog = nullptr;                        // message dialogs
    std::function<void(int, const QString &)> statusSetzen; // panel 0..2 of StatusAuswahl
    std::function<QString()> baumVerzeichnis;        // directory chosen in the tree
    std::function<bool()> seiteAuswaehlen;           // main page "Auswählen" is current
    std::function<bool()> sucheErgebnisSichtbar;     // search sub-page "Suche-Ergebnis" is shown
    std::function<bool()> escGedrueckt;              // ESC noted since the listing began (own filter by default)
    std::function<void(const QString &)> titelSetzen;
    std::function<void(const QString &)> verzeichnisWaehlen; // the tree opens and lists a directory
    QString einstellungenSeite = QStringLiteral("Einstellungen");

    // ---- settings
    void OeffnenMitSetzen(int n, const QString &programm, const QString &menuText); // n = 1..6
    void DoppelklickOeffnetSetzen(bool an) { m_doppelklickOeffnet = an; }

    // ---- fill and marks
    // Lists one directory (the tree's listing) and fills the list from it.
    void VerzeichnisListen(const QString &verzeichnis);
    // Fills from the hits of a walk (any search kind).
    void Fuellen(SuchTreffer &treffer, bool suchAbbruch, bool baumListe);
    void AlleAuswaehlen();   // BuAuswahlAlle
    void AuswahlUmkehren();  // BuAuswahlUmkehren
    // Dropped names and start parameters.
    void NamenUebernehmen(const QStringList &volleNamen);

    // ---- automatic selection (CoAutoAuswahl, BuAuswahlAuto)
    // Builds the table from the settings text; returns its highest index.
    int AutoAuswahlTabelleLaden(const QString &einstellungsText);
    const TNxASortMark &AutoAuswahlTabelle() const { return m_autoTabelle; }
    int AutoAuswahlIndex() const { return m_autoIndex; }
    void AutoAuswahlAnwenden(int index);

    // ---- sorting (CoAutoSort)
    int SortWahl() const { return m_sortWahl; }
    void SortWahlSetzen(int wahl);
    void Sortieren(int wahl); // the CoAutoSort click: no ESC
    void NeuSortieren();      // after an action, in the current order

    // The counts in the status bar and the window title.
    void AnzeigeListenAnzahlAuswahl();
    QString ZaehlText() const; // panel 1

    QMenu *PopA() const { return m_popA; }
    QMenu *PopSpaltenA() const { return m_popSpalten; }
    void EditorOeffnen(); // F2 / F4

Q_SIGNALS:
    void ZahlenGeaendert();

protected:
    // Notes ESC while a listing runs.
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    void spaltenAnlegen(int baumBreite);
    void schalterAnlegen(QWidget *panel);
    void rechtsKlick(int spalte, int position, int zeile, QPoint global);
    void doppelKlick(int spalte, int position, int zeile);
    void popAVerbinden();
    void popAAnpassen(int spalte, int zeile);
    void spaltenMenuVerbinden();
    void spaltenMenuAnpassen();
    QAction *popAEintrag(const QString &name, const QString &text);
    QString vollerName(int zeile) const;
    void EditorSchliessenUndLeeren();
    void oeffnenMit(int n);

    TNxRotListe *m_liste = nullptr;
    QMenu *m_popA = nullptr;
    QMenu *m_popSpalten = nullptr;
    bool m_esc = false;
    QComboBox *m_coSort = nullptr;
    QComboBox *m_coAuto = nullptr;
    QString m_zelleText; // displayed text of the cell the menu was opened on
    TNxASortMark m_autoTabelle;
    int m_autoIndex = 1;
    int m_sortWahl = 1;
    bool m_doppelklickOeffnet = true;
    std::array<QString, 7> m_proProgramm; // 1..6
    std::array<QString, 7> m_proText;
    int m_menuZeile = 0;
    int m_menuSpalte = 0;
};

// Creates AListe on the main window's panel and wires it to the window (progress, dialogs,
// status bar, caption, F2/F4, the menus PopA and PopSpaltenA).
AListeBedienung *AListeAnlegen(Taa &aa);
// The selection list of the window, or nullptr before it is created.
AListeBedienung *AListeVon(Taa &aa);

} // namespace rinolux
