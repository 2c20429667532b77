#pragma once

#include "core/selection/SpaltenText.h"
#include "core/shell/ListenDaten.h"

#include <QAbstractScrollArea>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <vector>

class QLineEdit;
class QToolButton;

namespace rinolux {

// One column of a list panel.
struct TNxTypSpalte
{
    QString titel;  // " Pfad": titles begin with a blank
    int links = 0;  // set by the layout
    int breite = 10;
    SpaltenTyp typ = SpaltenTyp::Text;
    bool sichtbar = true;
    bool groesseAenderbar = true;
    bool fettVerz = false;  // bold text in rows with the directory flag
    bool rotWarn = false;   // red text in rows with the warn flag
    bool getoent = false;   // background tinted with the highlight colour
};

// Creation options of a panel.
struct TNxRotListeOptionen
{
    bool dateienAnnehmen = false;  // files may be dropped on it
    bool endenFest = false;        // first and last position stay on the first and last line
    bool rechtsKlick = false;      // right clicks reach the owner
    bool bereichMarkieren = false; // Ctrl and Shift clicks mark several rows
    bool klickMarkiert = false;    // left clicks and space change marks
    bool linksKlick = false;       // left clicks and space act on rows at all
    int fuellGrenze = 0;           // last visible column below this takes the remaining width; 0 = last visible
    int hoehe = 0;                 // negative -k: room for k lines
    int breite = 0;
    int oben = 0;
    int links = 0;
};

// The system's list control: shows one ListenDaten in typed columns with a header, its
// own scroll area ("Pos1", bar, "Ende"), marks, an in-place editor and events for the
// owner. Only the visible lines are ever drawn, so the row count does not matter.
class TNxRotListe final : public QAbstractScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNxRotListe)

public:
    TNxRotListe(QWidget *parent, const QString &name, const TNxRotListeOptionen &optionen);
    ~TNxRotListe() override;

    const TNxRotListeOptionen &Optionen() const { return m_opt; }

    // Adds a column with the defaults of its type; returns its number (from 1).
    int SpalteNeu(SpaltenTyp typ);
    int SpaltenAnzahl() const { return int(m_spalten.size()) - 1; }
    TNxTypSpalte &Spalte(int nr) { return m_spalten[size_t(nr)]; }
    const TNxTypSpalte &Spalte(int nr) const { return m_spalten[size_t(nr)]; }
    // Width at which a cell shows the text whole (its margins included); fett: the bold font
    // of directory rows.
    int TextBreite(const QString &text, bool fett = false) const;
    // Width at which a time column shows any time text whole, whatever the weekday.
    int ZeitBreite() const;
    // Sets the column's width so that its title and the cell `muster` (a typical widest
    // text, shown as the column's type shows it) can be read.
    void BreiteLesbar(int spalte, const QString &muster);
    // The column that takes the remaining width (0 when no column is visible).
    int FuellSpalte() const;

    ListenDaten &Daten() { return m_daten; }
    const ListenDaten &Daten() const { return m_daten; }
    // Clears the rows (one cell per column), optionally reserving room.
    void ZeilenLeeren(int reserve = 0);

    // The text a column shows for a row.
    QString AnzeigeText(int zeile, int spalte) const;

    int Zeilenhoehe() const { return m_zeilenHoehe; }
    int KopfHoehe() const { return m_zeilenHoehe + 2; }
    int SichtbareZeilen() const;
    int ErstePosition() const;
    // The display position that line k (from 1) shows; 0 when the line is empty.
    int PositionAufLinie(int linie) const;
    bool EndenAktiv() const;
    int AktSpalte() const { return m_aktSpalte; }
    // Viewport geometry of a cell on a line, for the owner and tests.
    QRect ZellenRechteck(int linie, int spalte) const;

    // Layout, header and rows again; closes the editor.
    void Neuzeichnen();
    // Lays the panel out again when its rows changed since it last did (ListenDaten::Stand);
    // runs on its own whenever events are handled, except while the panel is disabled.
    bool Abgleichen();
    void ScrollAktualisieren();
    // "-", "+", "--", "++", "---", "+++".
    void Springen(const QString &code);
    // Scrolls the least amount that shows the position.
    void PositionZeigen(int position);
    void AktPositionSetzen(int position, bool zeigen = true);

    void EditorZeigen(int position, int spalte, int caret);
    void EditorSchliessen();
    bool EditorOffen() const;
    QLineEdit *Editor() const { return m_editor; }

Q_SIGNALS:
    // The rows, marks, order or current row changed (seen by Neuzeichnen or Abgleichen).
    void DatenGeaendert();
    void MarkeGeaendert();
    void LinksKlick(int position, int zeile);
    void RechtsKlick(int spalte, int position, int zeile, QPoint global);
    void DoppelKlick(int spalte, int position, int zeile);
    void MausUeber(int spalte, int position);
    void KopfUeber(int spalte);
    void KopfRechtsKlick(int spalte, QPoint global);
    void EditorBestaetigt(const QString &neu, const QString &alt, int zeile);
    void DateienFallengelassen(const QStringList &namen);
    // Keys the panel does not use itself (F2, F4, ...).
    void Taste(int taste, Qt::KeyboardModifiers modifikatoren);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    void layoutSpalten();
    void metrikenNeu();
    int spalteBeiX(int x) const;
    int linieBeiY(int y) const;       // 0 in the header
    int kopfTrennerBeiX(int x) const; // resizable column whose right edge is within 3 pixels
    int maxErste() const;
    int seite() const;
    void klick(Qt::MouseButton knopf, Qt::KeyboardModifiers mod, int position, int spalte);
    void standMerken();
    void zeichneZeile(QPainter &p, int linie, int position, int vb);
    void zeichneKopf(QPainter &p, int vb);
    void zeichneMeldung(QPainter &p, int vb);
    bool editorTaste(QKeyEvent *event);

    TNxRotListeOptionen m_opt;
    std::vector<TNxTypSpalte> m_spalten{1}; // element 0 unused
    ListenDaten m_daten;
    quint64 m_stand = 0; // ListenDaten::Stand() at the last layout

    int m_zeilenHoehe = 17;
    int m_aktSpalte = 0;
    QFont m_fett;
    int m_slotBreite = 8; // width of a bold "H" for the attribute letters
    QPixmap m_bildVerz, m_bildDatei, m_bildAn, m_bildAus;

    // Mouse state
    int m_ziehSpalte = 0;      // header column being resized
    int m_ziehStartX = 0;
    int m_ziehStartBreite = 0;
    int m_ziehNachbar = 0;
    int m_ziehNachbarBreite = 0;
    bool m_letzterKlickBereich = false; // last press was a Ctrl or Shift click with range marking

    QLineEdit *m_editor = nullptr;
    int m_editorPosition = 0;
    int m_editorSpalte = 0;
    QToolButton *m_pos1 = nullptr;
    QToolButton *m_ende = nullptr;
};

} // namespace rinolux
