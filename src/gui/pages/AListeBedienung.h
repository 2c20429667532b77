#pragma once

#include "core/selection/sub_Auswahl.h"
#include "gui/controls/TNxRotListe.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>

class QAction;
class QComboBox;
class QMenu;

namespace rinolux {

class SeitenUmgebung;
struct MenueEintrag;

// The selection list AListe on its panel: columns, fill, marks, sorting, automatic
// selection, the count display, its menus PopA and PopSpaltenA, and names dropped on it.
// The page "Auswählen" owns it; what it needs of the window comes through `umgebung`.
class AListeBedienung final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AListeBedienung)

public:
    // paAuswahlliste: the panel the list fills; baumBreite: starting width of the path column.
    // popA, popSpaltenA: the window's menus of that name (their entries are found by name
    // and made to work); without them the list makes its own from the menu table.
    AListeBedienung(QWidget *paAuswahlliste, int baumBreite, SeitenUmgebung &umgebung, QMenu *popA = nullptr,
                    QMenu *popSpaltenA = nullptr);
    ~AListeBedienung() override;

    static TNxRotListeOptionen Optionen();

    TNxRotListe *Liste() const { return m_liste; }
    ListenDaten &Daten();
    // The directory listed last, the one the counts and the free space refer to.
    const QString &Verzeichnis() const { return m_verzeichnis; }

    // ---- settings
    void OeffnenMitSetzen(int n, const QString &programm, const QString &menuText); // n = 1..6
    void DoppelklickOeffnetSetzen(bool an) { m_doppelklickOeffnet = an; }

    // ---- fill and marks
    // Lists one directory (the tree's listing) and fills the list from it; it becomes the
    // list's directory.
    void VerzeichnisListen(const QString &verzeichnis);
    // Fills from the hits of the tree's listing of that directory (search kind "B"); it
    // becomes the list's directory. abgebrochen: the listing was cancelled (the list then
    // shows the abort message).
    void BaumTrefferFuellen(const QString &verzeichnis, SuchTreffer &treffer, bool abgebrochen);
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
    // Selects choice index (1-based) without applying it; an index beyond the table selects 1.
    void AutoAuswahlIndexSetzen(int index);
    void AutoAuswahlAnwenden(int index);

    // ---- sorting (CoAutoSort)
    int SortWahl() const { return m_sortWahl; }
    void SortWahlSetzen(int wahl);
    void Sortieren(int wahl); // the CoAutoSort click: no ESC
    void NeuSortieren();      // after an action, in the current order
    // The carry-out routine changed and re-sorted the rows; aktZeile (0: none) was the
    // current row before, and stays current.
    void NachAusfuehren(int aktZeile);

    // The counts in the status bar and the window title.
    void AnzeigeListenAnzahlAuswahl();
    QString ZaehlText() const; // panel 1

    QMenu *PopA() const { return m_popA; }
    QMenu *PopSpaltenA() const { return m_popSpalten; }
    void EditorOeffnen(); // F2 / F4
    // The editor committed a changed name for row zeile: rename on disk with an undo file.
    void EditorBestaetigt(const QString &neu, int zeile);

Q_SIGNALS:
    void ZahlenGeaendert();
    // The list changed to another directory on its own (dropped names, "in das Verzeichnis
    // wechseln"), so the tree can follow.
    void VerzeichnisGewechselt(const QString &verzeichnis);

private:
    // How a listing goes into the list: the sort choice, the automatic selection, ESC.
    AuswahlFuellung fuellungArt(bool suchAbbruch, bool baumListe);
    void spaltenAnlegen(int baumBreite);
    void schalterAnlegen(QWidget *panel);
    void rechtsKlick(int spalte, int position, int zeile, QPoint global);
    void doppelKlick(int spalte, int position, int zeile);
    void popAVerbinden();
    void popAAnpassen(int spalte, int zeile);
    void spaltenMenuVerbinden();
    void spaltenMenuAnpassen();
    QString vollerName(int zeile) const;
    void verzeichnisWaehlen(const QString &verzeichnis);
    bool sucheErgebnisSichtbar() const;
    void EditorSchliessenUndLeeren();
    void oeffnenMit(int n);

    SeitenUmgebung &m_umgebung;
    TNxRotListe *m_liste = nullptr;
    QMenu *m_popA = nullptr;
    QMenu *m_popSpalten = nullptr;
    QString m_verzeichnis;
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

} // namespace rinolux
