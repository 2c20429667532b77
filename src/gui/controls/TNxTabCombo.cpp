#include "gui/controls/TNxTabCombo.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

namespace rinolux {

namespace {

constexpr int VerbinderHoehe = 5;

} // namespace

QString TabComboBeschriftung(const WortlautZeile &zeile, int zahl)
{
    const QString text = u' ' + zeile.wortlaut;
    if (!zeile.mitZahl)
        return text;
    // "dem letzten" says the number 1 by itself; "die letzten" does not.
    const bool ohneZahl = (zeile.wortlaut.contains(u"letzt") || zeile.wortlaut.contains(u"nächst")) && zahl == 1 &&
                          !zeile.wortlaut.contains(u"die letzt");
    if (ohneZahl)
        return text;
    return text + u' ' + QString::number(zahl) + (zeile.ordinal ? QStringLiteral(".") : QString());
}

// --- the field ---------------------------------------------------------------------------

TNxTabCombo::TNxTabCombo(int nummer, const QString &name, const QString &pfeilName, QWidget *eltern)
    : QFrame(eltern)
    , m_nummer(nummer)
    , m_zeilen(PositionsTabelle(nummer))
{
    setObjectName(name);
    setFrameShape(QFrame::Box);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_pfeil = new QToolButton(this);
    m_pfeil->setObjectName(pfeilName);
    m_pfeil->setArrowType(Qt::DownArrow);
    m_pfeil->setFocusPolicy(Qt::NoFocus);
    connect(m_pfeil, &QToolButton::pressed, this, [this] { Oeffnen(); });
    m_tabelle = new TNxTabTabelle(*this);
    resize(sizeHint());
}

TNxTabCombo::~TNxTabCombo() = default;

QString TNxTabCombo::Beschriftung() const
{
    if (m_zeile < 1 || m_zeile > m_zeilen.size())
        return QString();
    return TabComboBeschriftung(m_zeilen.at(m_zeile - 1), m_zahl);
}

void TNxTabCombo::WahlSetzen(int zeile, int zahl)
{
    m_zeile = (zeile >= 1 && zeile <= m_zeilen.size()) ? zeile : 1;
    m_zahl = (zahl >= 1 && zahl <= MaxZahl) ? zahl : 1;
    setToolTip(Beschriftung().trimmed());
    update();
}

void TNxTabCombo::GespeicherteFormSetzen(qint64 wert)
{
    if (wert < 0) {
        WahlSetzen(1, 1);
        return;
    }
    // Anything beyond the table falls back to its first cell in WahlSetzen.
    WahlSetzen(int(std::min<qint64>(wert / 1000, 1000)), int(wert % 1000));
}

StellenWahl TNxTabCombo::Wahl() const
{
    StellenWahl w;
    w.zeilen = m_zeilen;
    w.zeile = m_zeile;
    w.zahl = m_zahl;
    return w;
}

void TNxTabCombo::Oeffnen()
{
    if (!isEnabled() || Offen())
        return;
    m_tabelle->Zeigen();
}

void TNxTabCombo::Schliessen()
{
    if (Offen())
        m_tabelle->hide();
    m_pfeil->setDown(false);
}

bool TNxTabCombo::Offen() const
{
    return m_tabelle->isVisible();
}

void TNxTabCombo::gewaehlt(int zeile, int zahl)
{
    WahlSetzen(zeile, zahl);
    Schliessen();
    Q_EMIT Gewaehlt();
}

QSize TNxTabCombo::sizeHint() const
{
    const QFontMetrics fm(font());
    // All seven fields as wide as the widest caption, so positions stand under each other.
    int breite = 0;
    for (int tabelle = 1; tabelle <= 7; ++tabelle)
        for (const WortlautZeile &z : PositionsTabelle(tabelle))
            breite = std::max(breite, fm.horizontalAdvance(TabComboBeschriftung(z, MaxZahl)));
    const int hoehe = std::max(21, fm.height() + 6);
    return {breite + 12 + hoehe, hoehe};
}

void TNxTabCombo::mousePressEvent(QMouseEvent *event)
{
    // Only the left button opens the table.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        Oeffnen();
        return;
    }
    QFrame::mousePressEvent(event);
}

void TNxTabCombo::paintEvent(QPaintEvent *event)
{
    const int h = height();
    m_pfeil->setGeometry(width() - h + 1, 1, h - 2, h - 2);
    QPainter p(this);
    p.fillRect(rect(), palette().color(isEnabled() ? QPalette::Base : QPalette::Window));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    p.drawText(QRect(2, 0, width() - h - 2, h), Qt::AlignLeft | Qt::AlignVCenter, Beschriftung());
    p.end();
    QFrame::paintEvent(event);
}

// --- the drop-down table -----------------------------------------------------------------

TNxTabTabelle::TNxTabTabelle(TNxTabCombo &feld)
    : QWidget(&feld, Qt::Popup)
    , m_feld(feld)
{
    setObjectName(QStringLiteral("PaCombo"));
    setMouseTracking(true);
    // A press on the field while the table is open only closes it.
    setAttribute(Qt::WA_NoMouseReplay);
    setFocusPolicy(Qt::StrongFocus);
}

QRect TNxTabTabelle::bildRechteck() const
{
    const int zahlen = TNxTabCombo::MaxZahl;
    const int breite = m_wortBreite + 3 + (zahlen - 1) * (m_zahlBreite + 1) + m_zahlBreite;
    const int hoehe = int(m_feld.Zeilen().size()) * (m_zeilenHoehe + 1) - 1;
    // Inside the 1-pixel frame below the connector strip.
    return {1, VerbinderHoehe + 1, breite, hoehe};
}

QRect TNxTabTabelle::ZellenRechteck(int zeile, int spalte) const
{
    const QRect bild = bildRechteck();
    const int y = bild.top() + (zeile - 1) * (m_zeilenHoehe + 1);
    if (spalte == 0)
        return {bild.left(), y, m_wortBreite, m_zeilenHoehe};
    return {bild.left() + m_wortBreite + 3 + (spalte - 1) * (m_zahlBreite + 1), y, m_zahlBreite, m_zeilenHoehe};
}

QString TNxTabTabelle::ZellenText(int zeile, int spalte) const
{
    if (zeile < 1 || zeile > m_feld.Zeilen().size())
        return QString();
    const WortlautZeile &z = m_feld.Zeilen().at(zeile - 1);
    if (spalte == 0)
        return u' ' + z.wortlaut;
    if (!z.mitZahl)
        return QStringLiteral("<");
    return z.ordinal ? u' ' + QString::number(spalte) + u'.' : QString::number(spalte);
}

void TNxTabTabelle::Zeigen()
{
    // Cells follow the font, so that "alles hinter dem" and " 20." are never cut.
    const QFontMetrics fm(font());
    m_wortBreite = 81;
    for (const WortlautZeile &z : m_feld.Zeilen())
        m_wortBreite = std::max(m_wortBreite, fm.horizontalAdvance(u' ' + z.wortlaut) + 6);
    m_zahlBreite = std::max(24, fm.horizontalAdvance(QStringLiteral(" 20.")) + 4);
    m_zeilenHoehe = std::max(15, fm.height() + 1);

    const QRect bild = bildRechteck();
    const QSize tabelle(bild.width() + 2, bild.height() + 2);
    const QPoint feldUnten = m_feld.mapToGlobal(QPoint(0, m_feld.height()));
    QRect frei = m_feld.screen() ? m_feld.screen()->availableGeometry() : QRect(feldUnten, tabelle);
    // The table stays on the screen; the connector stays under the field.
    int x = feldUnten.x();
    if (x + tabelle.width() > frei.right() + 1)
        x = std::max(frei.left(), frei.right() + 1 - tabelle.width());
    m_verbinderX = feldUnten.x() - x;
    m_verbinderBreite = m_feld.width();
    const int breite = std::max(tabelle.width(), m_verbinderX + m_verbinderBreite);
    const int hoehe = VerbinderHoehe + tabelle.height();
    setGeometry(x, feldUnten.y(), breite, hoehe);
    setMask(QRegion(m_verbinderX, 0, m_verbinderBreite, VerbinderHoehe) +
            QRegion(0, VerbinderHoehe, tabelle.width(), tabelle.height()));

    m_hoverZeile = m_feld.Zeile();
    m_hoverZahl = m_feld.Zahl();
    show();
    setFocus(Qt::PopupFocusReason);
    update();
}

void TNxTabTabelle::hover(QPoint imBild)
{
    const QRect bild = bildRechteck();
    const int x = imBild.x();
    const int y = imBild.y();
    if (x <= 0 || x >= bild.width() || y <= 0 || y >= bild.height())
        return;
    int zahl = m_hoverZahl;
    if (x > m_wortBreite + 1)
        zahl = std::min((x - m_wortBreite - 2) / (m_zahlBreite + 1) + 1, int(TNxTabCombo::MaxZahl));
    const int zeile = std::min(y / (m_zeilenHoehe + 1) + 1, int(m_feld.Zeilen().size()));
    if (zahl != m_hoverZahl || zeile != m_hoverZeile) {
        m_hoverZahl = zahl;
        m_hoverZeile = zeile;
        update();
    }
}

void TNxTabTabelle::mouseMoveEvent(QMouseEvent *event)
{
    hover(event->position().toPoint() - bildRechteck().topLeft());
}

void TNxTabTabelle::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (bildRechteck().contains(event->position().toPoint()))
        m_feld.gewaehlt(m_hoverZeile, m_hoverZahl);
    else
        m_feld.Schliessen();
}

void TNxTabTabelle::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        m_feld.Schliessen();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TNxTabTabelle::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &pal = m_feld.palette();
    p.fillRect(QRect(m_verbinderX, 0, m_verbinderBreite, VerbinderHoehe), Qt::black);
    p.fillRect(QRect(m_verbinderX + 1, 0, std::max(0, m_verbinderBreite - 2), VerbinderHoehe),
               pal.color(QPalette::Highlight));
    const QRect bild = bildRechteck();
    p.fillRect(bild.adjusted(-1, -1, 1, 1), Qt::black);
    p.fillRect(bild, pal.color(QPalette::Button));
    for (int r = 1; r <= m_feld.Zeilen().size(); ++r) {
        for (int c = 0; c <= TNxTabCombo::MaxZahl; ++c) {
            const bool hell = r == m_hoverZeile && (c == 0 || c == m_hoverZahl);
            const QRect zelle = ZellenRechteck(r, c);
            p.fillRect(zelle, pal.color(hell ? QPalette::Highlight : QPalette::Base));
            p.setPen(pal.color(hell ? QPalette::HighlightedText : QPalette::Text));
            p.drawText(zelle, (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, ZellenText(r, c));
        }
    }
}

} // namespace rinolux
