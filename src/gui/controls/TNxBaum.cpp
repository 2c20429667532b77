#include "gui/controls/TNxBaum.h"

#include "core/selection/BaumDaten.h"
#include "core/util/nx_Adresse.h"
#include "gui/controls/LokaleNamen.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>

namespace rinolux {

namespace {

// The "unknown count" glyph: "#" text colour, "w" background, "-" left alone, ">" next row.
constexpr QStringView UnbekanntMuster = u"ww###ww>-##-##>-----#>----##>--###>-##>-#>-##-##>--###>>---#>--###>www#www";

void unbekanntZeichnen(QPainter *p, const QRect &feld, const QColor &schrift, const QColor &grund)
{
    const QList<QStringView> zeilen = UnbekanntMuster.split(u'>');
    const int hoehe = int(zeilen.size());
    const int x0 = feld.center().x() - 3;
    const int y0 = feld.center().y() - hoehe / 2;
    for (int y = 0; y < hoehe; ++y) {
        const QStringView z = zeilen[y];
        for (int x = 0; x < z.size(); ++x) {
            if (z[x] == u'#')
                p->fillRect(x0 + x, y0 + y, 1, 1, schrift);
            else if (z[x] == u'w')
                p->fillRect(x0 + x, y0 + y, 1, 1, grund);
        }
    }
}


} // namespace

TNxBaum::TNxBaum(const QString &name, bool netzwerk, QWidget *eltern) : QTreeView(eltern), m_modell(new BaumModell(this))
{
    setObjectName(name);
    setHeaderHidden(true);
    // With equal rows the view never measures the lines it does not show.
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(true);
    setAnimated(false);
    setMouseTracking(true);
    setTextElideMode(Qt::ElideNone);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setDragDropMode(QAbstractItemView::DropOnly);
    setAcceptDrops(false);
    m_modell->WurzelnLesen(netzwerk);
    setModel(m_modell);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &neu) { aktuellGeaendert(neu); });
    connect(this, &QTreeView::collapsed, this, &TNxBaum::zugeklappt);
}

TNxBaum::~TNxBaum() = default;

void TNxBaum::aktuellGeaendert(const QModelIndex &neu)
{
    if (neu.isValid())
        selectionModel()->select(neu, QItemSelectionModel::ClearAndSelect);
    const QString pfad = m_modell->Pfad(neu);
    m_letzteMeldung = pfad;
    Q_EMIT AuswahlGeaendert(pfad);
}

QString TNxBaum::AusgewaehlterPfad() const
{
    return m_modell->Pfad(currentIndex());
}

bool TNxBaum::PfadWaehlen(const QString &pfad)
{
    const QModelIndex i = m_modell->PfadOeffnen(pfad);
    if (!i.isValid())
        return false;
    for (QModelIndex e = i.parent(); e.isValid(); e = e.parent())
        expand(e);
    if (currentIndex() == i) {
        Q_EMIT AuswahlGeaendert(m_modell->Pfad(i));
    } else {
        setCurrentIndex(i);
    }
    scrollTo(i, QAbstractItemView::PositionAtCenter);
    // Deep paths would scroll the line's start out of sight.
    horizontalScrollBar()->setValue(0);
    return true;
}

void TNxBaum::AuswahlAufklappen()
{
    const QModelIndex i = currentIndex();
    if (i.isValid())
        setExpanded(i, !isExpanded(i));
}

void TNxBaum::zugeklappt(const QModelIndex &index)
{
    // A selection inside the closed part moves up to the closed node.
    for (QModelIndex c = currentIndex(); c.isValid(); c = c.parent()) {
        if (c.parent() == index) {
            setCurrentIndex(index);
            break;
        }
    }
    // The children are read afresh on the next opening.
    m_modell->Zuklappen(index);
}

QStringList TNxBaum::offenePfade() const
{
    QStringList r;
    std::function<void(const QModelIndex &)> sammeln = [&](const QModelIndex &e) {
        for (int z = 0; z < m_modell->rowCount(e); ++z) {
            const QModelIndex k = m_modell->index(z, 0, e);
            if (isExpanded(k)) {
                r << m_modell->Pfad(k);
                sammeln(k);
            }
        }
    };
    sammeln({});
    return r;
}

void TNxBaum::Erneuern()
{
    const QString gewaehlt = AusgewaehlterPfad();
    const QStringList offen = offenePfade();
    const int oben = verticalScrollBar()->value();
    {
        const QSignalBlocker sperre(selectionModel());
        m_modell->Erneuern(m_modell->Netzwerk(), offen);
        for (const QString &p : offen) {
            const QModelIndex i = m_modell->Finden(p);
            if (i.isValid())
                expand(i);
        }
    }
    const QModelIndex neu = gewaehlt.isEmpty() ? QModelIndex() : m_modell->Finden(gewaehlt);
    {
        const QSignalBlocker sperre(selectionModel());
        setCurrentIndex(neu);
    }
    verticalScrollBar()->setValue(oben);
    if (m_modell->Pfad(neu) != m_letzteMeldung)
        aktuellGeaendert(neu);
}

bool TNxBaum::Netzwerk() const { return m_modell->Netzwerk(); }

void TNxBaum::NetzwerkSetzen(bool an)
{
    if (an == m_modell->Netzwerk())
        return;
    const QString gewaehlt = AusgewaehlterPfad();
    {
        const QSignalBlocker sperre(selectionModel());
        m_modell->WurzelnLesen(an);
    }
    if (!gewaehlt.isEmpty() && !PfadWaehlen(gewaehlt))
        aktuellGeaendert({});
}

void TNxBaum::FilterZeilenSetzen(const QStringList &zeilen)
{
    m_filterZeilen = zeilen;
    m_modell->FilterSetzen(BaumFilter::ausZeilen(zeilen));
}

void TNxBaum::DateienAnnehmen(bool an)
{
    m_dateienAnnehmen = an;
    setAcceptDrops(an);
    viewport()->setAcceptDrops(an);
}

void TNxBaum::AbbruchSetzen(std::function<bool()> abbrechen)
{
    m_modell->AbbruchSetzen(std::move(abbrechen));
}

void TNxBaum::UnterVerzEintragen(const QString &elternPfad, const QString &name)
{
    const QModelIndex e = m_modell->Finden(elternPfad);
    if (!e.isValid())
        return;
    const bool offen = isExpanded(e);
    const QModelIndex neu = m_modell->UnterVerzEintragen(e, name);
    if (offen && neu.isValid())
        scrollTo(neu);
}

void TNxBaum::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex i = indexAt(event->position().toPoint());
    if (i.isValid() && !nxAdresseIstVerzeichnis(m_modell->Pfad(i))) {
        Q_EMIT NichtVorhanden(m_modell->Pfad(i));
        event->accept();
        return;
    }
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
}

void TNxBaum::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT ZeileUeberMaus(m_modell->Pfad(indexAt(event->position().toPoint())));
    QTreeView::mouseMoveEvent(event);
}

void TNxBaum::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex i = indexAt(event->pos());
    if (!i.isValid())
        return;
    const QString pfad = m_modell->Pfad(i);
    if (!nxAdresseIstVerzeichnis(pfad)) {
        Q_EMIT NichtVorhanden(pfad);
        return;
    }
    Q_EMIT RechtsKlick(pfad, event->globalPos() + QPoint(32, 0));
}

void TNxBaum::drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const
{
    // Counted here, so only the painted lines are ever counted.
    const qint32 anzahl = m_modell->Anzahl(index);
    const bool offen = isExpanded(index) && m_modell->rowCount(index) > 0;
    const int breite = indentation();
    const QRect feld(rect.right() - breite + 1, rect.top(), breite, rect.height());
    const QColor schrift = palette().text().color();
    if (anzahl == BaumAnzahlUnbekannt && !offen) {
        unbekanntZeichnen(painter, feld, schrift, palette().base().color());
        return;
    }
    if (anzahl == 0 && !offen)
        return;
    const QPoint m = feld.center();
    const QRect box(m.x() - 4, m.y() - 4, 9, 9);
    painter->save();
    painter->setPen(palette().mid().color());
    painter->setBrush(palette().base());
    painter->drawRect(box);
    painter->setPen(schrift);
    painter->drawLine(m.x() - 2, m.y(), m.x() + 2, m.y());
    if (!offen)
        painter->drawLine(m.x(), m.y() - 2, m.x(), m.y() + 2);
    painter->restore();
}

void TNxBaum::dragEnterEvent(QDragEnterEvent *event)
{
    bool fremd = false;
    if (m_dateienAnnehmen && !lokaleNamen(event->mimeData(), &fremd).isEmpty() && !fremd)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TNxBaum::dragMoveEvent(QDragMoveEvent *event)
{
    if (m_dateienAnnehmen)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TNxBaum::dropEvent(QDropEvent *event)
{
    bool fremd = false;
    const QStringList namen = lokaleNamen(event->mimeData(), &fremd);
    if (!m_dateienAnnehmen || namen.isEmpty() || fremd) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT DateienFallengelassen(namen);
}

} // namespace rinolux
