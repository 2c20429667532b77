#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QWidget>

namespace rinolux {

// One tab of a TNxReg; tabs are numbered from 1.
struct TNxTab
{
    QString beschriftung;
    bool fett = true;
    bool aktiv = true;
    QPixmap bild;
    // Caption colours while the strip's own-colour switch is on (normal, current tab).
    QColor farbe1 = QColor(0, 128, 0);
    QColor farbe2 = QColor(0, 0, 255);
    // 0 none, 1 a tick, -1 a cross beside the caption (drawn while markers are on).
    int markierung = 0;
    // Background and caption colour; invalid = the strip's own.
    QColor hintergrund;
    QColor schrift;
    // Computed by the layout.
    int links = 0;
    int breite = 0;
};

// The system's tab strip: a row of tabs painted from a cached image that fills its
// parent panel. Owners set captions, flags and pictures directly and call NeuZeichnen.
class TNxReg final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNxReg)

public:
    // Fills `panel` and takes its colour and font.
    TNxReg(const QString &name, int anzahl, QWidget *panel);

    int Anzahl() const { return static_cast<int>(m_tabs.size()) - 1; }
    TNxTab &Tab(int nr) { return m_tabs[nr]; }
    const TNxTab &Tab(int nr) const { return m_tabs[nr]; }
    int Aktuell() const { return m_aktuell; }

    // Makes `nr` current when it is enabled (with the before and after events); choosing
    // a disabled tab only redraws.
    void AktuellSetzen(int nr);
    void NeuZeichnen();

    // The tab under x: the last one whose left edge is at or left of x; 1 if none.
    int TabBei(int x) const;
    QRect TabRechteck(int nr) const;
    // The width all tabs need with their normal margins.
    int BenoetigteBreite() const;

    // Switches.
    bool MarkierungenZeigen = false;
    bool ZiehenErlaubt = false;
    // The last tab's right edge runs to the strip's end.
    bool LetzteKanteBisEnde = false;
    bool EigeneFarben = false;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void VorWechsel(int nr);
    void NachWechsel(int nr);
    void VorTausch(int tab, int nachbar);
    void NachTausch(int tab, int nachbar);
    void NachAblegen(int nr);
    void NachNeuZeichnen();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *obj, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void anordnen();
    void bildErzeugen();
    int ablageStelle(int x) const;

    QList<TNxTab> m_tabs; // element 0 stays empty
    int m_aktuell = 0;
    QPixmap m_bild;
    bool m_bildGueltig = false;
    // Dragging: the pressed tab, where the press was, whether a drag runs, drop place.
    int m_gezogen = 0;
    QPoint m_druckPunkt;
    bool m_ziehen = false;
    int m_ablage = 0;
};

} // namespace rinolux
