#pragma once

#include "core/selection/sub_Auswahl.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QLabel;
class QMenu;
class QStatusBar;

namespace rinolux {

class Dialog;
class Fortschritt;
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
    AListeBedienung(QWidget *paAuswahlliste, int baumBreite);
    ~AListeBedienung() override;

    TNxRotListe *Liste() const { return m_liste; }
    ListenDaten &Daten();

    // ---- what the window provides
    Fortschritt *fort = nullptr;                     // progress display (required for fills)
    Dialog *dialog = nullptr;                        // message dialogs
    QStatusBar *status = nullptr;                    // StatusAuswahl with three panels
    std::function<QString()> baumVerzeichnis;        // directory chosen in the tree
    std::function<bool()> seiteAuswaehlen;           // main page "Auswählen" is current
    std::function<bool()> sucheErgebnisSichtbar;     // search sub-page "Suche-Ergebnis" is shown
    std::function<bool()> escGedrueckt;              // ESC noted since the listing began
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
    void SortWahlSetzen(int wahl) { m_sortWahl = wahl; }
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

private:
    void spaltenAnlegen(int baumBreite);
    void rechtsKlick(int spalte, int position, int zeile, QPoint global);
    void doppelKlick(int spalte, int position, int zeile);
    void popAAufbauen(int spalte, int zeile);
    void spaltenMenuAufbauen();
    QString vollerName(int zeile) const;
    void EditorSchliessenUndLeeren();
    void oeffnenMit(int n);

    TNxRotListe *m_liste = nullptr;
    QMenu *m_popA = nullptr;
    QMenu *m_popSpalten = nullptr;
    std::array<QLabel *, 3> m_panel{};
    TNxASortMark m_autoTabelle;
    int m_autoIndex = 1;
    int m_sortWahl = 1;
    bool m_doppelklickOeffnet = true;
    std::array<QString, 7> m_proProgramm; // 1..6
    std::array<QString, 7> m_proText;
    int m_menuZeile = 0;
    int m_menuSpalte = 0;
};

} // namespace rinolux
