#include "gui/app/Bilder.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace rinolux {

namespace {

QPixmap leer(int groesse, qreal dpr)
{
    QPixmap bild(QSize(groesse, groesse) * dpr);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::transparent);
    return bild;
}

// All tab icons are drawn on a 32-unit grid.
void raster(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
}

QPen stift(const QColor &c, qreal breite = 2.0)
{
    return QPen(c, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void blatt(QPainter &p, const QRectF &r, const QColor &rand, const QColor &fuell)
{
    QPainterPath b;
    const qreal ecke = r.width() * 0.3;
    b.moveTo(r.topLeft());
    b.lineTo(r.right() - ecke, r.top());
    b.lineTo(r.right(), r.top() + ecke);
    b.lineTo(r.bottomRight());
    b.lineTo(r.bottomLeft());
    b.closeSubpath();
    p.setPen(stift(rand, 1.5));
    p.setBrush(fuell);
    p.drawPath(b);
    p.drawLine(QPointF(r.right() - ecke, r.top()), QPointF(r.right() - ecke, r.top() + ecke));
    p.drawLine(QPointF(r.right() - ecke, r.top() + ecke), QPointF(r.right(), r.top() + ecke));
}

void ordner(QPainter &p, const QRectF &r)
{
    QPainterPath o;
    o.moveTo(r.left(), r.top() + 3);
    o.lineTo(r.left() + r.width() * 0.38, r.top() + 3);
    o.lineTo(r.left() + r.width() * 0.48, r.top() + 7);
    o.lineTo(r.right(), r.top() + 7);
    o.lineTo(r.right(), r.bottom());
    o.lineTo(r.left(), r.bottom());
    o.closeSubpath();
    p.setPen(stift(QColor(176, 120, 20), 1.5));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 214, 110));
    g.setColorAt(1, QColor(240, 172, 40));
    p.setBrush(g);
    p.drawPath(o);
}

void kreisMitZeichen(QPainter &p, const QRectF &r, const QColor &grund, const QColor &rand, const QColor &zeichenFarbe,
                     const QString &zeichen)
{
    p.setPen(stift(rand, r.width() / 20.0));
    p.setBrush(grund);
    p.drawEllipse(r);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(static_cast<int>(r.height() * 0.62));
    p.setFont(f);
    p.setPen(zeichenFarbe);
    p.drawText(r, Qt::AlignCenter, zeichen);
}

} // namespace

QPixmap HauptRegBild(int tab, qreal dpr)
{
    QPixmap bild = leer(32, dpr);
    QPainter p(&bild);
    raster(p);
    switch (tab) {
    case 1: { // select: a folder with a tick
        ordner(p, QRectF(2, 6, 26, 20));
        p.setPen(stift(QColor(20, 140, 40), 3.2));
        const QPointF haken[3] = {{14, 19}, {19, 25}, {30, 10}};
        p.drawPolyline(haken, 3);
        break;
    }
    case 2: { // change: a pencil over a line of text
        p.setPen(stift(QColor(120, 120, 120), 1.5));
        p.drawLine(QPointF(3, 28), QPointF(29, 28));
        p.save();
        p.translate(16, 15);
        p.rotate(-45);
        p.setPen(stift(QColor(60, 60, 60), 1.2));
        p.setBrush(QColor(250, 200, 40));
        p.drawRect(QRectF(-10, -3.5, 17, 7));
        p.setBrush(QColor(230, 120, 120));
        p.drawRect(QRectF(7, -3.5, 4, 7));
        QPainterPath spitze;
        spitze.moveTo(-10, -3.5);
        spitze.lineTo(-16, 0);
        spitze.lineTo(-10, 3.5);
        spitze.closeSubpath();
        p.setBrush(QColor(240, 220, 180));
        p.drawPath(spitze);
        p.restore();
        break;
    }
    case 3: { // create: a new sheet with a plus
        blatt(p, QRectF(5, 3, 19, 25), QColor(90, 100, 120), Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 150, 60));
        p.drawEllipse(QRectF(16, 16, 14, 14));
        p.setPen(stift(Qt::white, 2.4));
        p.drawLine(QPointF(23, 19), QPointF(23, 27));
        p.drawLine(QPointF(19, 23), QPointF(27, 23));
        break;
    }
    case 4: { // rules: a lightning bolt
        QPainterPath blitz;
        blitz.moveTo(19, 2);
        blitz.lineTo(7, 18);
        blitz.lineTo(15, 18);
        blitz.lineTo(12, 30);
        blitz.lineTo(25, 12);
        blitz.lineTo(17, 12);
        blitz.closeSubpath();
        p.setPen(stift(QColor(190, 120, 0), 1.4));
        QLinearGradient g(QPointF(0, 2), QPointF(0, 30));
        g.setColorAt(0, QColor(255, 236, 90));
        g.setColorAt(1, QColor(250, 170, 20));
        p.setBrush(g);
        p.drawPath(blitz);
        break;
    }
    case 5: { // undo: an arrow turning back
        p.setPen(stift(QColor(40, 100, 190), 3.6));
        p.setBrush(Qt::NoBrush);
        QPainterPath bogen;
        bogen.moveTo(9, 13);
        bogen.cubicTo(QPointF(16, 4), QPointF(30, 8), QPointF(27, 20));
        bogen.cubicTo(QPointF(25, 26), QPointF(18, 28), QPointF(12, 26));
        p.drawPath(bogen);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 100, 190));
        const QPointF spitze[3] = {{3, 15}, {13, 6}, {14, 17}};
        p.drawPolygon(spitze, 3);
        break;
    }
    case 6: { // delete: a bin
        p.setPen(stift(QColor(90, 90, 100), 1.5));
        QLinearGradient g(QPointF(6, 0), QPointF(26, 0));
        g.setColorAt(0, QColor(200, 205, 215));
        g.setColorAt(1, QColor(150, 155, 170));
        p.setBrush(g);
        QPainterPath eimer;
        eimer.moveTo(7, 9);
        eimer.lineTo(25, 9);
        eimer.lineTo(23, 29);
        eimer.lineTo(9, 29);
        eimer.closeSubpath();
        p.drawPath(eimer);
        p.drawRoundedRect(QRectF(4, 5, 24, 4), 1.5, 1.5);
        p.drawRect(QRectF(13, 2, 6, 3));
        p.setPen(stift(QColor(110, 110, 125), 1.5));
        for (const qreal x : {12.0, 16.0, 20.0})
            p.drawLine(QPointF(x, 12), QPointF(x, 26));
        p.setPen(stift(QColor(210, 30, 30), 2.6));
        p.drawLine(QPointF(20, 17), QPointF(30, 27));
        p.drawLine(QPointF(30, 17), QPointF(20, 27));
        break;
    }
    case 7: // copy: two sheets
        blatt(p, QRectF(3, 2, 17, 22), QColor(90, 100, 120), QColor(225, 235, 250));
        blatt(p, QRectF(12, 8, 17, 22), QColor(90, 100, 120), Qt::white);
        p.setPen(stift(QColor(140, 160, 200), 1.2));
        for (const qreal y : {17.0, 21.0, 25.0})
            p.drawLine(QPointF(15, y), QPointF(25, y));
        break;
    case 8: { // settings: a cog
        QPainterPath rad;
        const QPointF m(16, 16);
        const int zaehne = 8;
        for (int i = 0; i < zaehne * 2; ++i) {
            const double w1 = (i - 0.35) * M_PI / zaehne;
            const double w2 = (i + 0.35) * M_PI / zaehne;
            const double r = i % 2 == 0 ? 14.0 : 10.5;
            const QPointF a(m.x() + r * std::cos(w1), m.y() + r * std::sin(w1));
            const QPointF b(m.x() + r * std::cos(w2), m.y() + r * std::sin(w2));
            if (i == 0)
                rad.moveTo(a);
            else
                rad.lineTo(a);
            rad.lineTo(b);
        }
        rad.closeSubpath();
        QPainterPath loch;
        loch.addEllipse(m, 4.5, 4.5);
        p.setPen(stift(QColor(70, 80, 95), 1.3));
        QLinearGradient g(QPointF(0, 2), QPointF(0, 30));
        g.setColorAt(0, QColor(180, 190, 205));
        g.setColorAt(1, QColor(110, 120, 140));
        p.setBrush(g);
        p.drawPath(rad.subtracted(loch));
        break;
    }
    case 9: // info
        kreisMitZeichen(p, QRectF(3, 3, 26, 26), QColor(40, 110, 210), QColor(20, 70, 150), Qt::white,
                        QStringLiteral("i"));
        break;
    case 10: { // end: the power symbol
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(stift(Qt::white, 2.8));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(9, 10, 14, 14), 120 * 16, 300 * 16);
        p.drawLine(QPointF(16, 7.5), QPointF(16, 16));
        break;
    }
    default:
        break;
    }
    return bild;
}

QPixmap DialogBild(QChar art, DialogSymbolStil stil, int infoNummer, qreal dpr)
{
    const int groesse = 64;
    if ((art == u'f' || art == u'i' || art == u't') && stil == DialogSymbolStil::Keine)
        return {};
    QPixmap bild = leer(groesse, dpr);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r(4, 4, 56, 56);
    if (art == u'x') {
        // The failure picture is the same in every style.
        QPainterPath acht;
        for (int i = 0; i < 8; ++i) {
            const double w = (i * 45.0 + 22.5) * M_PI / 180.0;
            const QPointF e(32 + 28 * std::cos(w), 32 + 28 * std::sin(w));
            i == 0 ? acht.moveTo(e) : acht.lineTo(e);
        }
        acht.closeSubpath();
        p.setPen(stift(QColor(140, 10, 10), 2.0));
        p.setBrush(QColor(215, 35, 35));
        p.drawPath(acht);
        p.setPen(stift(Qt::white, 6.0));
        p.drawLine(QPointF(22, 22), QPointF(42, 42));
        p.drawLine(QPointF(42, 22), QPointF(22, 42));
        return bild;
    }
    if (art == u'o') {
        // The photo: a small framed picture with a sun over hills and an "OK" stamp.
        p.setPen(stift(QColor(90, 90, 90), 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 8, 56, 46));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 205, 255));
        p.drawRect(QRectF(8, 12, 48, 38));
        p.setBrush(QColor(255, 210, 60));
        p.drawEllipse(QRectF(38, 16, 12, 12));
        QPainterPath huegel;
        huegel.moveTo(8, 50);
        huegel.cubicTo(QPointF(20, 28), QPointF(32, 46), QPointF(40, 36));
        huegel.cubicTo(QPointF(46, 30), QPointF(52, 40), QPointF(56, 40));
        huegel.lineTo(56, 50);
        huegel.closeSubpath();
        p.setBrush(QColor(80, 170, 80));
        p.drawPath(huegel);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(14);
        p.setFont(f);
        p.setPen(QColor(200, 0, 0));
        p.drawText(QRectF(8, 12, 30, 20), Qt::AlignCenter, QStringLiteral("OK"));
        return bild;
    }
    const bool frage = art == u'f' || art == u't';
    const QString zeichen = frage ? QStringLiteral("?") : (infoNummer == 2 ? QStringLiteral("!") : QStringLiteral("i"));
    const QColor bunt = frage ? QColor(30, 140, 60) : QColor(40, 110, 210);
    switch (stil) {
    case DialogSymbolStil::Bunt:
        if (!frage && infoNummer == 2) {
            // The second information picture: a speech bubble.
            QPainterPath blase;
            blase.addRoundedRect(QRectF(4, 6, 56, 42), 12, 12);
            QPainterPath zipfel;
            zipfel.moveTo(16, 44);
            zipfel.lineTo(12, 60);
            zipfel.lineTo(30, 46);
            zipfel.closeSubpath();
            p.setPen(stift(bunt.darker(140), 2.0));
            p.setBrush(bunt);
            p.drawPath(blase.united(zipfel));
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setBold(true);
            f.setPixelSize(32);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(QRectF(4, 6, 56, 42), Qt::AlignCenter, QStringLiteral("i"));
        } else {
            kreisMitZeichen(p, r, bunt, bunt.darker(140), Qt::white, zeichen);
        }
        break;
    case DialogSymbolStil::Weiss:
        kreisMitZeichen(p, r, Qt::white, QColor(60, 60, 60), QColor(40, 40, 40), zeichen);
        break;
    case DialogSymbolStil::Durchsichtig:
        kreisMitZeichen(p, r, Qt::transparent, bunt, bunt, zeichen);
        break;
    case DialogSymbolStil::Keine:
        break;
    }
    return bild;
}

QPixmap ProgrammBild(int groesse, qreal dpr)
{
    QPixmap bild = leer(groesse, dpr);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(groesse / 64.0, groesse / 64.0);
    // Three stacked name cards, the top one with an arrow: many names changed at once.
    const QColor farben[3] = {QColor(120, 170, 230), QColor(80, 140, 215), QColor(30, 95, 190)};
    for (int i = 0; i < 3; ++i) {
        const QRectF k(6 + i * 5, 6 + i * 8, 44, 30);
        p.setPen(stift(farben[i].darker(150), 2.0));
        p.setBrush(farben[i]);
        p.drawRoundedRect(k, 6, 6);
    }
    p.setPen(stift(Qt::white, 3.0));
    p.drawLine(QPointF(24, 37), QPointF(34, 37));
    p.drawLine(QPointF(24, 44), QPointF(46, 44));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 180, 30));
    QPainterPath pfeil;
    pfeil.moveTo(38, 48);
    pfeil.lineTo(50, 48);
    pfeil.lineTo(50, 42);
    pfeil.lineTo(62, 53);
    pfeil.lineTo(50, 64);
    pfeil.lineTo(50, 58);
    pfeil.lineTo(38, 58);
    pfeil.closeSubpath();
    p.setPen(stift(QColor(170, 110, 0), 1.5));
    p.drawPath(pfeil);
    return bild;
}

} // namespace rinolux
