#include "gui/controls/TNxRotListe.h"

#include "core/shell/ListenMarkieren.h"
#include "core/util/nx_Debug.h"
#include "gui/controls/LokaleNamen.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QIcon>
#include <QPainter>
#include <QPolygon>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>

#include <algorithm>

namespace rinolux {

namespace {
constexpr int Rand = 2;              // border width
constexpr int StandardBreite = 10;   // default and smallest column width
constexpr int FuellMindestBreite = 150; // smallest width of the column that takes the rest
constexpr int TrennerFang = 3;       // pixels around a header separator that grab it
constexpr int MinBreite = 30;
constexpr int MinHoehe = 60;

QColor mischen(const QColor &a, const QColor &b, double anteilB)
{
    return QColor::fromRgbF(float(a.redF() * (1 - anteilB) + b.redF() * anteilB),
                            float(a.greenF() * (1 - anteilB) + b.greenF() * anteilB),
                            float(a.blueF() * (1 - anteilB) + b.blueF() * anteilB));
}
// A triangle against a bar: to the first (oben) or the last row.
QPixmap randPfeilBild(bool oben, qreal dpr)
{
    QPixmap bild(QSize(9, 9) * dpr);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    if (oben) {
        p.drawRect(0, 0, 9, 2);
        p.drawPolygon(QPolygon({QPoint(0, 8), QPoint(9, 8), QPoint(4, 3)}));
    } else {
        p.drawRect(0, 7, 9, 2);
        p.drawPolygon(QPolygon({QPoint(0, 1), QPoint(9, 1), QPoint(4, 6)}));
    }
    p.end();
    return bild;
}
QIcon randPfeil(bool oben)
{
    // Drawn for single and double density screens, so the arrow is sharp on both.
    QIcon icon;
    for (const qreal dpr : {1.0, 2.0})
        icon.addPixmap(randPfeilBild(oben, dpr));
    return icon;
}
// The size a pixmap covers on the widget, whatever its pixel density.
QSize logischeGroesse(const QPixmap &b)
{
    return b.deviceIndependentSize().toSize();
}
} // namespace

TNxRotListe::TNxRotListe(QWidget *parent, const QString &name, const TNxRotListeOptionen &optionen)
    : QAbstractScrollArea(parent), m_opt(optionen)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(Rand);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    viewport()->setAcceptDrops(m_opt.dateienAnnehmen);
    setAcceptDrops(m_opt.dateienAnnehmen);
    m_daten.BlockSetzen(1000);

    m_pos1 = new QToolButton(this);
    m_pos1->setObjectName(QStringLiteral("BuPos1"));
    // The buttons are as narrow as the scroll bar: a bar arrow, the name as tool tip.
    m_pos1->setText(QStringLiteral("Pos1"));
    m_pos1->setToolTip(QStringLiteral("Pos1"));
    m_pos1->setIcon(randPfeil(true));
    m_pos1->setFocusPolicy(Qt::NoFocus);
    m_ende = new QToolButton(this);
    m_ende->setObjectName(QStringLiteral("BuEnde"));
    m_ende->setText(QStringLiteral("Ende"));
    m_ende->setToolTip(QStringLiteral("Ende"));
    m_ende->setIcon(randPfeil(false));
    m_ende->setFocusPolicy(Qt::NoFocus);
    for (QToolButton *b : {m_pos1, m_ende}) {
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setAutoRaise(false);
        b->setIconSize(QSize(9, 9));
    }
    addScrollBarWidget(m_pos1, Qt::AlignTop);
    addScrollBarWidget(m_ende, Qt::AlignBottom);
    connect(m_pos1, &QToolButton::clicked, this, [this] { Springen(QStringLiteral("---")); });
    connect(m_ende, &QToolButton::clicked, this, [this] { Springen(QStringLiteral("+++")); });

    m_editor = new QLineEdit(viewport());
    m_editor->setObjectName(QStringLiteral("EdRotListe"));
    m_editor->setFrame(false);
    m_editor->hide();
    m_editor->installEventFilter(this);

    metrikenNeu();
    const int breite = std::max(m_opt.breite, MinBreite);
    int hoehe = m_opt.hoehe;
    if (hoehe < 0)
        hoehe = -hoehe * (m_zeilenHoehe + 1) + KopfHoehe() + 2 * Rand;
    if (m_opt.breite > 0 || m_opt.hoehe != 0) {
        resize(breite, std::max(hoehe, MinHoehe));
        move(m_opt.links, m_opt.oben);
    }
    setMinimumSize(MinBreite, MinHoehe);
    ScrollAktualisieren();
    // Whoever changed the rows, the panel catches up as soon as events are handled again.
    if (auto *ereignisse = QAbstractEventDispatcher::instance(thread())) {
        connect(ereignisse, &QAbstractEventDispatcher::aboutToBlock, this, &TNxRotListe::Abgleichen);
        connect(ereignisse, &QAbstractEventDispatcher::awake, this, &TNxRotListe::Abgleichen);
    }
}

TNxRotListe::~TNxRotListe() = default;

void TNxRotListe::metrikenNeu()
{
    const QFontMetrics fm(font());
    m_zeilenHoehe = fm.boundingRect(QStringLiteral("A\"y")).height() + 4;
    m_zeilenHoehe = std::max(m_zeilenHoehe, fm.height() + 4);
    m_fett = font();
    m_fett.setBold(true);
    m_slotBreite = QFontMetrics(m_fett).horizontalAdvance(u'H') + 1;

    // Symbols and check boxes in the screen's own pixel density, so they are not scaled up blurred.
    const qreal dpr = devicePixelRatioF();
    const int symbol = std::min(16, m_zeilenHoehe - 2);
    m_bildVerz = style()->standardIcon(QStyle::SP_DirIcon, nullptr, this).pixmap(QSize(symbol, symbol), dpr);
    m_bildDatei = style()->standardIcon(QStyle::SP_FileIcon, nullptr, this).pixmap(QSize(symbol, symbol), dpr);
    const int kasten = std::min(13, m_zeilenHoehe - 2);
    for (bool an : {true, false}) {
        QPixmap bild(QSize(kasten, kasten) * dpr);
        bild.setDevicePixelRatio(dpr);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        QStyleOptionButton o;
        o.rect = QRect(0, 0, kasten, kasten);
        o.state = QStyle::State_Enabled | (an ? QStyle::State_On : QStyle::State_Off);
        o.palette = palette();
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &o, &p, this);
        p.end();
        (an ? m_bildAn : m_bildAus) = bild;
    }
}

int TNxRotListe::TextBreite(const QString &text, bool fett) const
{
    // 3 pixels either side, as the cells are drawn, and one more for the grid line.
    return QFontMetrics(fett ? m_fett : font()).horizontalAdvance(text) + 7;
}

int TNxRotListe::ZeitBreite() const
{
    int b = 0;
    for (int tag = 0; tag <= 7; ++tag)
        b = std::max(b, TextBreite(nxZelleAnzeige(SpaltenTyp::Zeit, QStringLiteral("20280828_202828_000_") +
                                                                        QString::number(tag))));
    return b;
}

void TNxRotListe::BreiteLesbar(int spalte, const QString &muster)
{
    TNxTypSpalte &sp = m_spalten[size_t(spalte)];
    const int kopf = QFontMetrics(font()).horizontalAdvance(sp.titel) + 12;
    const int zelle = sp.typ == SpaltenTyp::Zeit ? ZeitBreite() : TextBreite(nxZelleAnzeige(sp.typ, muster), sp.fettVerz);
    sp.breite = std::max({kopf, zelle, StandardBreite});
}

int TNxRotListe::SpalteNeu(SpaltenTyp typ)
{
    TNxTypSpalte s;
    s.typ = typ;
    s.breite = typ == SpaltenTyp::Symbol ? 23 : typ == SpaltenTyp::Mark ? 15 : StandardBreite;
    s.groesseAenderbar = typ != SpaltenTyp::Symbol && typ != SpaltenTyp::Mark;
    m_spalten.push_back(s);
    if (m_daten.Leer())
        m_daten.ZellenAnzahlSetzen(SpaltenAnzahl());
    return SpaltenAnzahl();
}

void TNxRotListe::ZeilenLeeren(int reserve)
{
    EditorSchliessen();
    if (m_daten.ZellenAnzahl() != SpaltenAnzahl()) {
        m_daten.Leeren();
        m_daten.ZellenAnzahlSetzen(SpaltenAnzahl());
    }
    m_daten.Leeren(reserve);
    verticalScrollBar()->setValue(1);
}

int TNxRotListe::FuellSpalte() const
{
    int fuell = 0;
    for (int s = 1; s <= SpaltenAnzahl(); ++s) {
        if (!m_spalten[size_t(s)].sichtbar)
            continue;
        if (m_opt.fuellGrenze == 0 || s < m_opt.fuellGrenze)
            fuell = s;
    }
    return fuell;
}

void TNxRotListe::layoutSpalten()
{
    const int fuell = FuellSpalte();
    int andere = 0;
    for (int s = 1; s <= SpaltenAnzahl(); ++s)
        if (m_spalten[size_t(s)].sichtbar && s != fuell)
            andere += m_spalten[size_t(s)].breite;
    if (fuell > 0) {
        // In a narrow window the filling column (the names) keeps a readable width and the
        // columns right of it are cut off instead.
        const int rest = viewport()->width() - andere;
        m_spalten[size_t(fuell)].breite = std::max(rest, FuellMindestBreite);
    }
    int x = 0;
    for (int s = 1; s <= SpaltenAnzahl(); ++s) {
        TNxTypSpalte &sp = m_spalten[size_t(s)];
        sp.links = x;
        if (sp.sichtbar)
            x += sp.breite;
    }
}

QString TNxRotListe::AnzeigeText(int zeile, int spalte) const
{
    if (spalte < 1 || spalte > SpaltenAnzahl())
        return QString();
    return nxZelleAnzeige(m_spalten[size_t(spalte)].typ, m_daten.Zelle(zeile, spalte));
}

int TNxRotListe::SichtbareZeilen() const
{
    return std::max(0, (viewport()->height() + 1 - KopfHoehe()) / (m_zeilenHoehe + 1));
}

bool TNxRotListe::EndenAktiv() const
{
    return m_opt.endenFest && m_daten.Anzahl() > SichtbareZeilen() && SichtbareZeilen() >= 3;
}

int TNxRotListe::seite() const
{
    const int l = SichtbareZeilen();
    return std::max(1, EndenAktiv() ? l - 2 : l);
}

int TNxRotListe::maxErste() const
{
    return std::max(1, m_daten.Anzahl() - SichtbareZeilen() + 1);
}

int TNxRotListe::ErstePosition() const
{
    return std::clamp(verticalScrollBar()->value(), 1, maxErste());
}

int TNxRotListe::PositionAufLinie(int linie) const
{
    const int n = m_daten.Anzahl();
    const int l = SichtbareZeilen();
    if (linie < 1 || linie > l || n == 0)
        return 0;
    if (EndenAktiv()) {
        if (linie == 1)
            return 1;
        if (linie == l)
            return n;
    }
    const int p = ErstePosition() + linie - 1;
    return p <= n ? p : 0;
}

void TNxRotListe::ScrollAktualisieren()
{
    QScrollBar *bar = verticalScrollBar();
    const int n = m_daten.Anzahl();
    const bool noetig = n > SichtbareZeilen();
    const int wert = bar->value();
    bar->setRange(1, noetig ? maxErste() : 1);
    bar->setPageStep(seite());
    bar->setSingleStep(1);
    bar->setValue(std::clamp(wert, 1, bar->maximum()));
    m_pos1->setVisible(noetig);
    m_ende->setVisible(noetig);
}

void TNxRotListe::Neuzeichnen()
{
    EditorSchliessen();
    ScrollAktualisieren();
    layoutSpalten();
    viewport()->update();
    standMerken();
}

bool TNxRotListe::Abgleichen()
{
    // While the window is locked for running work the rows are still being filled; the
    // panel catches up when it is enabled again.
    if (m_daten.Stand() == m_stand || !isEnabled())
        return false;
    ScrollAktualisieren();
    layoutSpalten();
    viewport()->update();
    standMerken();
    return true;
}

void TNxRotListe::standMerken()
{
    if (m_daten.Stand() == m_stand)
        return;
    m_stand = m_daten.Stand();
    Q_EMIT DatenGeaendert();
}

void TNxRotListe::Springen(const QString &code)
{
    if (m_daten.Anzahl() == 0)
        return;
    int erste = ErstePosition();
    if (code == u"-")
        erste -= 1;
    else if (code == u"+")
        erste += 1;
    else if (code == u"--")
        erste -= seite();
    else if (code == u"++")
        erste += seite();
    else if (code == u"---")
        erste = 1;
    else if (code == u"+++")
        erste = maxErste();
    else
        return;
    verticalScrollBar()->setValue(std::clamp(erste, 1, maxErste()));
    viewport()->update();
}

void TNxRotListe::PositionZeigen(int position)
{
    const int n = m_daten.Anzahl();
    if (position < 1 || position > n)
        return;
    const int l = SichtbareZeilen();
    int erste = ErstePosition();
    if (EndenAktiv()) {
        if (position == 1 || position == n)
            return;
        // Middle lines 2..l-1 show erste+1 .. erste+l-2.
        if (position < erste + 1)
            erste = position - 1;
        else if (position > erste + l - 2)
            erste = position - l + 2;
    } else {
        if (position < erste)
            erste = position;
        else if (position > erste + l - 1)
            erste = position - l + 1;
    }
    verticalScrollBar()->setValue(std::clamp(erste, 1, maxErste()));
}

void TNxRotListe::AktPositionSetzen(int position, bool zeigen)
{
    m_daten.AktPositionSetzen(position);
    if (zeigen)
        PositionZeigen(m_daten.AktPosition());
    viewport()->update();
}

QRect TNxRotListe::ZellenRechteck(int linie, int spalte) const
{
    if (spalte < 1 || spalte > SpaltenAnzahl())
        return {};
    const TNxTypSpalte &s = m_spalten[size_t(spalte)];
    return QRect(s.links, KopfHoehe() + (linie - 1) * (m_zeilenHoehe + 1), s.breite, m_zeilenHoehe);
}

// ---------------------------------------------------------------- drawing

void TNxRotListe::paintEvent(QPaintEvent *)
{
    // The window moved to a screen of another pixel density.
    if (!qFuzzyCompare(m_bildAn.devicePixelRatio(), devicePixelRatioF()))
        metrikenNeu();
    QPainter p(viewport());
    const int vb = viewport()->width();
    p.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    zeichneKopf(p, vb);
    if (!m_daten.Meldung().isEmpty()) {
        zeichneMeldung(p, vb);
        return;
    }
    const int l = SichtbareZeilen();
    for (int linie = 1; linie <= l; ++linie) {
        const int pos = PositionAufLinie(linie);
        if (pos > 0)
            zeichneZeile(p, linie, pos, vb);
    }
    if (EndenAktiv()) {
        // Red lines part the pinned ends from the scrolled middle.
        p.setPen(Qt::red);
        const int y1 = KopfHoehe() + m_zeilenHoehe;
        const int y2 = KopfHoehe() + (l - 1) * (m_zeilenHoehe + 1) - 1;
        p.drawLine(0, y1, vb, y1);
        p.drawLine(0, y2, vb, y2);
    }
}

void TNxRotListe::zeichneKopf(QPainter &p, int vb)
{
    int x = 0;
    for (int s = 1; s <= SpaltenAnzahl(); ++s) {
        const TNxTypSpalte &sp = m_spalten[size_t(s)];
        if (!sp.sichtbar)
            continue;
        QStyleOptionHeader o;
        o.initFrom(this);
        o.rect = QRect(sp.links, 0, sp.breite, KopfHoehe());
        // A title wider than its column ends in "…" rather than being cut off.
        o.text = fontMetrics().elidedText(sp.titel, Qt::ElideRight, std::max(0, sp.breite - 8));
        o.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        o.section = s;
        p.save();
        style()->drawControl(QStyle::CE_Header, &o, &p, this);
        p.restore();
        x = sp.links + sp.breite;
    }
    if (x < vb) {
        QStyleOptionHeader o;
        o.initFrom(this);
        o.rect = QRect(x, 0, vb - x, KopfHoehe());
        p.save();
        style()->drawControl(QStyle::CE_HeaderEmptyArea, &o, &p, this);
        p.restore();
    }
}

void TNxRotListe::zeichneZeile(QPainter &p, int linie, int position, int vb)
{
    const int zeile = m_daten.ZeileAn(position);
    const ZeilenStatus &st = m_daten.Status(zeile);
    const QPalette &pal = palette();
    const int y = KopfHoehe() + (linie - 1) * (m_zeilenHoehe + 1);
    const bool markiert = st.mark != 0;
    const QColor fenster = pal.color(QPalette::Base);
    const QColor toenung = mischen(fenster, pal.color(QPalette::Highlight), 0.12);

    for (int s = 1; s <= SpaltenAnzahl(); ++s) {
        const TNxTypSpalte &sp = m_spalten[size_t(s)];
        if (!sp.sichtbar || sp.links >= vb)
            continue;
        const QRect r(sp.links, y, sp.breite, m_zeilenHoehe);
        QColor grund = sp.getoent ? toenung : fenster;
        QColor schrift = pal.color(QPalette::Text);
        if (sp.typ == SpaltenTyp::Mark) {
            grund = pal.color(QPalette::Button);
        } else if (markiert) {
            grund = pal.color(QPalette::Highlight);
            schrift = pal.color(QPalette::HighlightedText);
        }
        p.fillRect(r, grund);
        switch (sp.typ) {
        case SpaltenTyp::Mark: {
            const QPixmap &b = markiert ? m_bildAn : m_bildAus;
            const QSize g = logischeGroesse(b);
            p.drawPixmap(r.x() + (r.width() - g.width()) / 2, r.y() + (r.height() - g.height()) / 2, b);
            continue;
        }
        case SpaltenTyp::Symbol: {
            const QPixmap &b = st.verz ? m_bildVerz : m_bildDatei;
            const QSize g = logischeGroesse(b);
            p.drawPixmap(r.x() + (r.width() - g.width()) / 2, r.y() + (r.height() - g.height()) / 2, b);
            continue;
        }
        case SpaltenTyp::Leer:
            continue;
        default:
            break;
        }
        if (sp.rotWarn && st.warn && !markiert)
            schrift = Qt::red;
        else if (sp.rotWarn && st.warn)
            schrift = QColor(255, 200, 200);
        const bool fett = sp.fettVerz && st.verz;
        p.setFont(fett ? m_fett : font());
        p.setPen(schrift);
        const QRect tr = r.adjusted(3, 0, -3, 0);
        const QString zelle = m_daten.Zelle(zeile, s);
        if (sp.typ == SpaltenTyp::Attribute) {
            // Letters each in a slot one bold "H" wide, so the columns line up.
            const qint64 a = zelle.toLongLong();
            const QString buchstaben = nxAttributBuchstaben(a);
            p.save();
            p.setClipRect(r);
            for (int i = 0; i < buchstaben.size(); ++i)
                p.drawText(QRect(tr.x() + i * m_slotBreite, tr.y(), m_slotBreite, tr.height()),
                           Qt::AlignCenter, QString(buchstaben.at(i)));
            p.restore();
            p.drawText(tr.adjusted(5 * m_slotBreite, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, nxAttributNamen(a));
        } else {
            const Qt::Alignment ausrichtung =
                (sp.typ == SpaltenTyp::Bytes ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
            // A text wider than its cell ends in "…", so a cut name is never taken for a whole one.
            p.drawText(tr, int(ausrichtung) | Qt::TextSingleLine,
                       p.fontMetrics().elidedText(nxZelleAnzeige(sp.typ, zelle), Qt::ElideRight, tr.width()));
        }
    }

    if (position == m_daten.AktPosition() && (m_opt.linksKlick || m_opt.rechtsKlick)) {
        // Dotted frame above and below: every third pixel.
        QPen stift(markiert ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
        stift.setWidth(1);
        stift.setDashPattern({1, 2});
        p.setPen(stift);
        p.drawLine(0, y, vb, y);
        p.drawLine(0, y + m_zeilenHoehe - 1, vb, y + m_zeilenHoehe - 1);
    }
}

void TNxRotListe::zeichneMeldung(QPainter &p, int vb)
{
    QFont f = font();
    f.setPointSizeF((f.pointSizeF() > 0 ? f.pointSizeF() : 9.0) * 1.5);
    p.setFont(f);
    p.setPen(palette().color(QPalette::Text));
    QString text = m_daten.Meldung();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QRect r(10, KopfHoehe() + 10, vb - 20, viewport()->height() - KopfHoehe() - 20);
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

// ---------------------------------------------------------------- geometry events

void TNxRotListe::resizeEvent(QResizeEvent *event)
{
    if (width() < MinBreite || height() < MinHoehe) {
        nxDebugZeile(QStringLiteral("TNxRotListe.Self_OnResize => Neu-Aufruf wegen zu kleiner Größe => ") + objectName()
                     + QStringLiteral(" ") + QString::number(width()) + u'x' + QString::number(height()));
        resize(std::max(width(), MinBreite), std::max(height(), MinHoehe));
        return;
    }
    QAbstractScrollArea::resizeEvent(event);
    Neuzeichnen();
}

void TNxRotListe::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange
        || event->type() == QEvent::PaletteChange) {
        metrikenNeu();
        Neuzeichnen();
    } else if (event->type() == QEvent::EnabledChange) {
        Abgleichen();
    }
}

void TNxRotListe::scrollContentsBy(int, int)
{
    EditorSchliessen();
    viewport()->update();
}

// ---------------------------------------------------------------- mouse

int TNxRotListe::spalteBeiX(int x) const
{
    int treffer = 0;
    for (int s = 1; s <= SpaltenAnzahl(); ++s)
        if (m_spalten[size_t(s)].sichtbar && m_spalten[size_t(s)].links <= x)
            treffer = s;
    return treffer;
}

int TNxRotListe::linieBeiY(int y) const
{
    if (y < KopfHoehe())
        return 0;
    return (y - KopfHoehe()) / (m_zeilenHoehe + 1) + 1;
}

int TNxRotListe::kopfTrennerBeiX(int x) const
{
    for (int s = 1; s <= SpaltenAnzahl(); ++s) {
        const TNxTypSpalte &sp = m_spalten[size_t(s)];
        if (sp.sichtbar && sp.groesseAenderbar && std::abs(sp.links + sp.breite - x) <= TrennerFang)
            return s;
    }
    return 0;
}

void TNxRotListe::klick(Qt::MouseButton knopf, Qt::KeyboardModifiers mod, int position, int spalte)
{
    const int zeile = m_daten.ZeileAn(position);
    const bool markSpalte = spalte > 0 && m_spalten[size_t(spalte)].typ == SpaltenTyp::Mark;
    const bool strg = mod.testFlag(Qt::ControlModifier);
    const bool umsch = mod.testFlag(Qt::ShiftModifier);
    ListenKlick k;
    k.rechts = knopf == Qt::RightButton;
    k.strg = strg;
    k.umsch = umsch;
    k.position = position;
    k.markSpalte = markSpalte;
    m_letzterKlickBereich = nxListeKlick(m_daten, MarkierRegeln{m_opt.klickMarkiert, m_opt.bereichMarkieren}, k);
    if (!markSpalte && spalte > 0)
        m_aktSpalte = spalte;
    viewport()->update();
    Abgleichen();

    if (markSpalte && knopf == Qt::LeftButton)
        Q_EMIT MarkeGeaendert();
    else if (knopf == Qt::RightButton)
        Q_EMIT RechtsKlick(spalte, position, zeile, QCursor::pos());
    else
        Q_EMIT LinksKlick(position, zeile);
}

void TNxRotListe::mousePressEvent(QMouseEvent *event)
{
    const QPoint pt = event->position().toPoint();
    EditorSchliessen();
    setFocus(Qt::MouseFocusReason);
    const int linie = linieBeiY(pt.y());
    if (linie == 0) {
        if (event->button() == Qt::LeftButton) {
            const int s = kopfTrennerBeiX(pt.x());
            if (s > 0) {
                m_ziehSpalte = s;
                m_ziehStartX = pt.x();
                m_ziehStartBreite = m_spalten[size_t(s)].breite;
                m_ziehNachbar = 0;
                if (s == FuellSpalte()) {
                    // The fill column's width is what is left; its neighbour gives or takes.
                    for (int n = s + 1; n <= SpaltenAnzahl(); ++n)
                        if (m_spalten[size_t(n)].sichtbar) {
                            m_ziehNachbar = n;
                            m_ziehNachbarBreite = m_spalten[size_t(n)].breite;
                            break;
                        }
                }
            }
        } else if (event->button() == Qt::RightButton) {
            Q_EMIT KopfRechtsKlick(spalteBeiX(pt.x()), event->globalPosition().toPoint());
        }
        return;
    }
    if (!m_daten.Meldung().isEmpty())
        return;
    const bool links = event->button() == Qt::LeftButton && m_opt.linksKlick;
    const bool rechts = event->button() == Qt::RightButton && m_opt.rechtsKlick;
    if (!links && !rechts)
        return;
    const int pos = PositionAufLinie(linie);
    if (pos == 0)
        return; // below the last row
    klick(event->button(), event->modifiers(), pos, spalteBeiX(pt.x()));
}

void TNxRotListe::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pt = event->position().toPoint();
    if (m_ziehSpalte > 0) {
        m_ziehSpalte = 0;
        Neuzeichnen();
        return;
    }
    if (event->button() != Qt::LeftButton || !m_opt.linksKlick || !m_opt.klickMarkiert)
        return;
    if (m_letzterKlickBereich || !m_daten.Meldung().isEmpty())
        return;
    const int linie = linieBeiY(pt.y());
    const int pos = linie > 0 ? PositionAufLinie(linie) : 0;
    const int spalte = spalteBeiX(pt.x());
    if (pos == 0 || (spalte > 0 && m_spalten[size_t(spalte)].typ == SpaltenTyp::Mark))
        return;
    // Releasing elsewhere than pressed picks the row under the mouse, as a plain click would.
    if (!nxListeLoslassen(m_daten, pos))
        return;
    Abgleichen();
    Q_EMIT LinksKlick(pos, m_daten.ZeileAn(pos));
}

void TNxRotListe::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pt = event->position().toPoint();
    if (event->button() != Qt::LeftButton || linieBeiY(pt.y()) == 0 || !m_daten.Meldung().isEmpty())
        return;
    const int pos = m_daten.AktPosition();
    if (pos == 0)
        return;
    Q_EMIT DoppelKlick(m_aktSpalte, pos, m_daten.ZeileAn(pos));
}

void TNxRotListe::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pt = event->position().toPoint();
    if (m_ziehSpalte > 0) {
        const int delta = pt.x() - m_ziehStartX;
        if (m_ziehNachbar > 0)
            m_spalten[size_t(m_ziehNachbar)].breite = std::max(StandardBreite, m_ziehNachbarBreite - delta);
        else
            m_spalten[size_t(m_ziehSpalte)].breite = std::max(StandardBreite, m_ziehStartBreite + delta);
        layoutSpalten();
        viewport()->update();
        return;
    }
    const int linie = linieBeiY(pt.y());
    if (linie == 0) {
        viewport()->setCursor(kopfTrennerBeiX(pt.x()) > 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
        Q_EMIT KopfUeber(spalteBeiX(pt.x()));
        return;
    }
    viewport()->unsetCursor();
    Q_EMIT MausUeber(spalteBeiX(pt.x()), PositionAufLinie(linie));
}

void TNxRotListe::wheelEvent(QWheelEvent *event)
{
    const int stufen = event->angleDelta().y() / 120;
    for (int i = 0; i < std::abs(stufen); ++i)
        Springen(stufen < 0 ? QStringLiteral("+") : QStringLiteral("-"));
    event->accept();
}

// ---------------------------------------------------------------- keyboard

void TNxRotListe::keyPressEvent(QKeyEvent *event)
{
    const int n = m_daten.Anzahl();
    const int akt = m_daten.AktPosition();
    auto gehe = [&](int pos) {
        if (n == 0)
            return;
        AktPositionSetzen(std::clamp(pos, 1, n));
    };
    switch (event->key()) {
    case Qt::Key_Space:
        if (m_opt.linksKlick && akt > 0 && m_daten.Meldung().isEmpty())
            klick(Qt::LeftButton, m_opt.bereichMarkieren ? Qt::ControlModifier : Qt::NoModifier, akt, m_aktSpalte);
        return;
    case Qt::Key_Up:
        gehe(akt - 1);
        return;
    case Qt::Key_Down:
        gehe(akt + 1);
        return;
    case Qt::Key_PageUp:
        Springen(QStringLiteral("--"));
        gehe(akt - seite());
        return;
    case Qt::Key_PageDown:
        Springen(QStringLiteral("++"));
        gehe(akt + seite());
        return;
    case Qt::Key_Home:
        Springen(QStringLiteral("---"));
        gehe(1);
        return;
    case Qt::Key_End:
        Springen(QStringLiteral("+++"));
        gehe(n);
        return;
    default:
        break;
    }
    Q_EMIT Taste(event->key(), event->modifiers());
    QAbstractScrollArea::keyPressEvent(event);
}

// ---------------------------------------------------------------- editor

void TNxRotListe::EditorZeigen(int position, int spalte, int caret)
{
    if (position < 1 || position > m_daten.Anzahl() || spalte < 1 || spalte > SpaltenAnzahl())
        return;
    EditorSchliessen();
    PositionZeigen(position);
    layoutSpalten();
    int linie = 0;
    for (int l = 1; l <= SichtbareZeilen(); ++l)
        if (PositionAufLinie(l) == position)
            linie = l;
    if (linie == 0)
        return;
    m_daten.AktPositionSetzen(position);
    const TNxTypSpalte &sp = m_spalten[size_t(spalte)];
    const int y = KopfHoehe() + (linie - 1) * (m_zeilenHoehe + 1);
    m_editor->setGeometry(sp.links, y, std::max(StandardBreite, viewport()->width() - sp.links), m_zeilenHoehe + 1);
    const QString text = m_daten.Zelle(m_daten.ZeileAn(position), spalte);
    m_editor->setText(text);
    m_editor->setCursorPosition(std::clamp(caret, 0, int(text.size())));
    m_editorPosition = position;
    m_editorSpalte = spalte;
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
    viewport()->update();
}

void TNxRotListe::EditorSchliessen()
{
    if (!m_editor || m_editor->isHidden())
        return;
    const bool hatteFokus = m_editor->hasFocus();
    m_editor->hide();
    m_editorPosition = 0;
    if (hatteFokus)
        setFocus(Qt::OtherFocusReason);
}

bool TNxRotListe::EditorOffen() const
{
    return m_editor && !m_editor->isHidden();
}

bool TNxRotListe::editorTaste(QKeyEvent *event)
{
    const int taste = event->key();
    const bool bestaetigen = taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Up
                             || taste == Qt::Key_Down;
    const bool schliessen = bestaetigen || taste == Qt::Key_Escape || taste == Qt::Key_F2 || taste == Qt::Key_F4;
    if (!schliessen)
        return false;
    const int position = m_editorPosition;
    const int spalte = m_editorSpalte;
    const int caret = m_editor->cursorPosition();
    const QString neu = m_editor->text();
    EditorSchliessen();
    if (position < 1 || position > m_daten.Anzahl())
        return true;
    const int zeile = m_daten.ZeileAn(position);
    if (bestaetigen) {
        const QString alt = m_daten.Zelle(zeile, spalte);
        if (neu != alt)
            Q_EMIT EditorBestaetigt(neu, alt, zeile);
    }
    if (taste == Qt::Key_Up)
        EditorZeigen(std::max(1, position - 1), spalte, caret);
    else if (taste == Qt::Key_Down)
        EditorZeigen(std::min(m_daten.Anzahl(), position + 1), spalte, caret);
    return true;
}

bool TNxRotListe::eventFilter(QObject *objekt, QEvent *event)
{
    if (objekt == m_editor && event->type() == QEvent::KeyPress) {
        if (editorTaste(static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QAbstractScrollArea::eventFilter(objekt, event);
}

// ---------------------------------------------------------------- drop

void TNxRotListe::dragEnterEvent(QDragEnterEvent *event)
{
    bool fremd = false;
    if (m_opt.dateienAnnehmen && !lokaleNamen(event->mimeData(), &fremd).isEmpty() && !fremd)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TNxRotListe::dragMoveEvent(QDragMoveEvent *event)
{
    if (m_opt.dateienAnnehmen)
        event->acceptProposedAction();
}

void TNxRotListe::dropEvent(QDropEvent *event)
{
    bool fremd = false;
    const QStringList namen = lokaleNamen(event->mimeData(), &fremd);
    if (!m_opt.dateienAnnehmen || namen.isEmpty() || fremd) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT DateienFallengelassen(namen);
}

} // namespace rinolux
