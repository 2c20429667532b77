#include "gui/controls/nx_Register.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace rinolux {

namespace {
constexpr int RandNormal = 10;
constexpr int RandEng = 3;
constexpr int MarkeBreite = 14;
constexpr int ZiehSchwelle = 20;
constexpr int AnfangX = 2;
// The current tab stands this much higher than the others.
constexpr int Hub = 3;

QColor heller(const QColor &c, int um)
{
    return QColor(std::min(255, c.red() + um), std::min(255, c.green() + um), std::min(255, c.blue() + um));
}

QColor mischen(const QColor &hinten, const QColor &vorne, double anteilVorne)
{
    auto m = [&](int a, int b) { return static_cast<int>(a * (1.0 - anteilVorne) + b * anteilVorne + 0.5); };
    return QColor(m(hinten.red(), vorne.red()), m(hinten.green(), vorne.green()), m(hinten.blue(), vorne.blue()));
}
} // namespace

TNxReg::TNxReg(const QString &name, int anzahl, QWidget *panel) : QWidget(panel)
{
    setObjectName(name);
    m_tabs.resize(std::max(0, anzahl) + 1);
    for (int i = 1; i <= anzahl; ++i)
        m_tabs[i].beschriftung = QString::number(i);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    if (panel) {
        panel->installEventFilter(this);
        setGeometry(panel->rect());
    }
}

QSize TNxReg::sizeHint() const
{
    return {400, 40};
}

QSize TNxReg::minimumSizeHint() const
{
    return {40, 20};
}

bool TNxReg::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(obj, event);
}

void TNxReg::AktuellSetzen(int nr)
{
    if (nr < 1 || nr > Anzahl() || !m_tabs[nr].aktiv) {
        NeuZeichnen();
        return;
    }
    Q_EMIT VorWechsel(nr);
    m_aktuell = nr;
    NeuZeichnen();
    Q_EMIT NachWechsel(nr);
}

void TNxReg::NeuZeichnen()
{
    m_bildGueltig = false;
    update();
    Q_EMIT NachNeuZeichnen();
}

int TNxReg::TabBei(int x) const
{
    const_cast<TNxReg *>(this)->anordnen();
    int gefunden = 1;
    for (int i = 1; i <= Anzahl(); ++i)
        if (m_tabs[i].links <= x)
            gefunden = i;
    return gefunden;
}

QRect TNxReg::TabRechteck(int nr) const
{
    const_cast<TNxReg *>(this)->anordnen();
    if (nr < 1 || nr > Anzahl())
        return {};
    const int oben = nr == m_aktuell ? 0 : Hub;
    return QRect(m_tabs[nr].links, oben, m_tabs[nr].breite, height() - oben);
}

int TNxReg::BenoetigteBreite() const
{
    QFont fett = font();
    fett.setBold(true);
    const QFontMetrics fmFett(fett);
    const QFontMetrics fmNormal(font());
    int summe = AnfangX + 2;
    for (int i = 1; i <= Anzahl(); ++i) {
        const TNxTab &t = m_tabs[i];
        int w = (t.fett ? fmFett : fmNormal).horizontalAdvance(t.beschriftung) + (MarkierungenZeigen ? MarkeBreite : 0);
        if (!t.bild.isNull())
            w = std::max(w, 32);
        summe += w + 2 * RandNormal;
    }
    return summe;
}

void TNxReg::anordnen()
{
    QFont fett = font();
    fett.setBold(true);
    const QFontMetrics fmFett(fett);
    const QFontMetrics fmNormal(font());
    const int bildHoehe = std::clamp(height() - fmNormal.height() - 6, 0, 32);

    QList<int> inhalt(m_tabs.size(), 0);
    int summe = 0;
    for (int i = 1; i <= Anzahl(); ++i) {
        const TNxTab &t = m_tabs[i];
        int w = (t.fett ? fmFett : fmNormal).horizontalAdvance(t.beschriftung);
        if (MarkierungenZeigen)
            w += MarkeBreite;
        if (!t.bild.isNull() && bildHoehe >= 12)
            w = std::max(w, bildHoehe);
        inhalt[i] = w;
        summe += w;
    }
    // Narrow windows squeeze the margins before anything is cut.
    int rand = RandNormal;
    const int n = std::max(1, Anzahl());
    while (rand > RandEng && AnfangX + summe + 2 * rand * n > width())
        --rand;
    int x = AnfangX;
    for (int i = 1; i <= Anzahl(); ++i) {
        m_tabs[i].links = x;
        m_tabs[i].breite = inhalt[i] + 2 * rand;
        x += m_tabs[i].breite;
    }
    if (LetzteKanteBisEnde && Anzahl() > 0 && x < width())
        m_tabs[Anzahl()].breite += width() - x - 1;
}

void TNxReg::bildErzeugen()
{
    anordnen();
    const qreal dpr = devicePixelRatioF();
    m_bild = QPixmap(size() * dpr);
    m_bild.setDevicePixelRatio(dpr);
    const QColor streifen = palette().color(backgroundRole());
    m_bild.fill(streifen);

    QPainter p(&m_bild);
    p.setRenderHint(QPainter::Antialiasing, true);
    const int h = height();
    const QColor hell = palette().color(QPalette::Light).lighter(110);
    const QColor dunkel = palette().color(QPalette::Dark);
    const QColor schattenLinie = palette().color(QPalette::Shadow);

    QFont fett = font();
    fett.setBold(true);
    const QFontMetrics fmNormal(font());
    const int bildHoehe = std::clamp(h - fmNormal.height() - 6, 0, 32);

    auto tabZeichnen = [&](int i) {
        const TNxTab &t = m_tabs[i];
        const bool aktuell = i == m_aktuell;
        const int oben = aktuell ? 0 : Hub;
        const QColor grund = t.hintergrund.isValid() ? t.hintergrund : streifen;
        const QColor fuell = aktuell ? grund : heller(grund, 5);
        const QRectF r(t.links + 0.5, oben + 0.5, t.breite - 1.0, h - oben + (aktuell ? 1.0 : -0.5));
        const qreal rund = 4.0;

        QPainterPath form;
        form.moveTo(r.left(), r.bottom());
        form.lineTo(r.left(), r.top() + rund);
        form.quadTo(r.left(), r.top(), r.left() + rund, r.top());
        form.lineTo(r.right() - rund, r.top());
        form.quadTo(r.right(), r.top(), r.right(), r.top() + rund);
        form.lineTo(r.right(), r.bottom());
        p.fillPath(form, fuell);
        if (aktuell) {
            // A faint light band at the top lifts the current tab a little.
            QLinearGradient g(r.topLeft(), QPointF(r.left(), r.top() + 10));
            g.setColorAt(0, heller(grund, 40));
            g.setColorAt(1, grund);
            QPainterPath kopf;
            kopf.addRoundedRect(QRectF(r.left() + 1, r.top() + 1, r.width() - 2, 10), rund, rund);
            p.fillPath(kopf.intersected(form), g);
        }

        // White edge left and on top, dark edge right.
        QPainterPath links;
        links.moveTo(r.left(), r.bottom());
        links.lineTo(r.left(), r.top() + rund);
        links.quadTo(r.left(), r.top(), r.left() + rund, r.top());
        links.lineTo(r.right() - rund, r.top());
        p.setPen(QPen(aktuell ? hell : hell.darker(103), 1.0));
        p.drawPath(links);
        QPainterPath rechts;
        rechts.moveTo(r.right() - rund, r.top());
        rechts.quadTo(r.right(), r.top(), r.right(), r.top() + rund);
        rechts.lineTo(r.right(), r.bottom());
        p.setPen(QPen(dunkel, 1.0));
        p.drawPath(rechts);

        // Content: picture above the caption, or the caption centred.
        int textOben = oben;
        const bool mitBild = !t.bild.isNull() && bildHoehe >= 12;
        if (mitBild) {
            const int s = aktuell ? bildHoehe : std::max(12, bildHoehe - Hub + 1);
            const QRect ziel(t.links + (t.breite - s) / 2, oben + 2, s, s);
            p.setRenderHint(QPainter::SmoothPixmapTransform, true);
            if (t.aktiv) {
                p.drawPixmap(ziel, t.bild);
            } else {
                p.setOpacity(0.4);
                p.drawPixmap(ziel, t.bild);
                p.setOpacity(1.0);
            }
            textOben = oben + 2 + s;
        }
        const QFont &f = t.fett ? fett : font();
        p.setFont(f);
        const QFontMetrics fm(f);
        QColor schrift = t.schrift.isValid() ? t.schrift : palette().color(QPalette::WindowText);
        if (EigeneFarben)
            schrift = aktuell ? t.farbe2 : t.farbe1;
        if (!t.aktiv)
            schrift = mischen(fuell, schrift, 0.4);
        const int textBreite = fm.horizontalAdvance(t.beschriftung) + (MarkierungenZeigen ? MarkeBreite : 0);
        int x = t.links + (t.breite - textBreite) / 2;
        const QRect zeile(0, textOben, 0, h - textOben - (mitBild ? 1 : 0));
        const int mitte = zeile.top() + zeile.height() / 2;
        if (MarkierungenZeigen) {
            if (t.markierung != 0) {
                const QRectF m(x, mitte - 4.5, 9, 9);
                p.setBrush(Qt::NoBrush);
                if (t.markierung > 0) {
                    p.setPen(QPen(QColor(0, 150, 0), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                    const QPointF haken[3] = {{m.left(), m.center().y()}, {m.left() + 3.5, m.bottom()}, {m.right(), m.top()}};
                    p.drawPolyline(haken, 3);
                } else {
                    p.setPen(QPen(t.aktiv ? QColor(200, 0, 0) : mischen(fuell, QColor(200, 0, 0), 0.6), 2.0,
                                  Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(m.topLeft(), m.bottomRight());
                    p.drawLine(m.topRight(), m.bottomLeft());
                }
            }
            x += MarkeBreite;
        }
        p.setPen(schrift);
        p.drawText(QRect(x, zeile.top(), fm.horizontalAdvance(t.beschriftung) + 2, zeile.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, t.beschriftung);
    };

    for (int i = 1; i <= Anzahl(); ++i)
        if (i != m_aktuell)
            tabZeichnen(i);
    // Base line towards the page, open under the current tab.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(schattenLinie.lighter(150));
    p.drawLine(0, h - 1, width(), h - 1);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (m_aktuell >= 1 && m_aktuell <= Anzahl())
        tabZeichnen(m_aktuell);
    if (!isEnabled()) {
        // While the strip is locked (an operation runs) it looks faded.
        QColor schleier = streifen;
        schleier.setAlpha(110);
        p.fillRect(QRect(QPoint(0, 0), size()), schleier);
    }
    m_bildGueltig = true;
}

void TNxReg::paintEvent(QPaintEvent *)
{
    if (!m_bildGueltig || m_bild.size() != size() * devicePixelRatioF())
        bildErzeugen();
    QPainter p(this);
    p.drawPixmap(0, 0, m_bild);
    if (m_ziehen && m_ablage != 0 && m_ablage != m_gezogen) {
        // The drop marker: a black triangle pointing down at the gap where the tab lands.
        const QRect r = TabRechteck(m_ablage);
        const int x = m_ablage > m_gezogen ? r.right() : r.left();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const QPointF dreieck[3] = {{x - 6.0, 0.0}, {x + 6.0, 0.0}, {static_cast<qreal>(x), 9.0}};
        p.drawPolygon(dreieck, 3);
    }
}

void TNxReg::resizeEvent(QResizeEvent *event)
{
    m_bildGueltig = false;
    QWidget::resizeEvent(event);
}

void TNxReg::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
        m_bildGueltig = false;
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

int TNxReg::ablageStelle(int x) const
{
    const int nr = TabBei(x);
    const QRect r = TabRechteck(nr);
    // Past the middle of a tab the drop goes one place further.
    const int stelle = x > r.center().x() ? nr + 1 : nr;
    return std::clamp(stelle, 1, Anzahl());
}

void TNxReg::mousePressEvent(QMouseEvent *event)
{
    const int x = static_cast<int>(event->position().x());
    const int nr = TabBei(x);
    m_ziehen = false;
    m_gezogen = 0;
    if (nr >= 1 && nr <= Anzahl() && m_tabs[nr].aktiv) {
        m_gezogen = nr;
        m_druckPunkt = event->position().toPoint();
    }
    if (event->button() == Qt::LeftButton)
        AktuellSetzen(nr);
}

void TNxReg::mouseMoveEvent(QMouseEvent *event)
{
    if (!ZiehenErlaubt || m_gezogen == 0 || !(event->buttons() & Qt::LeftButton))
        return;
    if (!m_ziehen && (event->position().toPoint() - m_druckPunkt).manhattanLength() < ZiehSchwelle)
        return;
    m_ziehen = true;
    setCursor(Qt::DragMoveCursor);
    const int ablage = rect().contains(event->position().toPoint()) ? ablageStelle(static_cast<int>(event->position().x()))
                                                                       : 0;
    if (ablage != m_ablage) {
        m_ablage = ablage;
        update();
    }
}

void TNxReg::mouseReleaseEvent(QMouseEvent *event)
{
    const bool warZiehen = m_ziehen;
    const int von = m_gezogen;
    m_ziehen = false;
    m_gezogen = 0;
    unsetCursor();
    if (!warZiehen || von == 0) {
        m_ablage = 0;
        return;
    }
    const int nach = rect().contains(event->position().toPoint()) ? ablageStelle(static_cast<int>(event->position().x())) : 0;
    m_ablage = 0;
    if (nach == 0 || nach == von) {
        update();
        return;
    }
    // One neighbour at a time, so the owner can swap its data column by column.
    int stelle = von;
    const int schritt = nach > von ? 1 : -1;
    while (stelle != nach) {
        const int nachbar = stelle + schritt;
        Q_EMIT VorTausch(stelle, nachbar);
        std::swap(m_tabs[stelle], m_tabs[nachbar]);
        Q_EMIT NachTausch(stelle, nachbar);
        stelle = nachbar;
    }
    m_aktuell = 0;
    AktuellSetzen(nach);
    Q_EMIT NachAblegen(nach);
}

} // namespace rinolux
