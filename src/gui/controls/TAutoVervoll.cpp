#include "gui/controls/TAutoVervoll.h"

#include "core/inputaids/WortSammlung.h"
#include "core/shell/Prozess.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

namespace rinolux {

namespace {

const char *const ImmerEigenschaft = "rinoluxAutoImmer";

// Draws a line in pieces, the typed text bold; no highlighted line while the field has the focus.
class StueckDelegate final : public QStyledItemDelegate
{
public:
    StueckDelegate(Tav *av, QListWidget *liste) : QStyledItemDelegate(liste), m_av(av), m_liste(liste) {}

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool markiert = m_liste->hasFocus() && (option.state & QStyle::State_Selected);
        const QPalette &pal = option.palette;
        p->fillRect(option.rect, markiert ? pal.highlight() : pal.base());
        p->setPen(markiert ? pal.highlightedText().color() : pal.text().color());
        int x = option.rect.x() + 2;
        QFont normal = option.font;
        QFont fett = normal;
        fett.setBold(true);
        for (const AutoStueck &s : AutoStuecke(index.data().toString(), m_av->Getippt())) {
            p->setFont(s.fett ? fett : normal);
            const int w = QFontMetrics(p->font()).horizontalAdvance(s.text);
            p->drawText(QRect(x, option.rect.y(), w + 1, option.rect.height()),
                        Qt::AlignVCenter | Qt::AlignLeft, s.text);
            x += w;
        }
    }

private:
    Tav *m_av;
    QListWidget *m_liste;
};

int zeilenBreite(const QFontMetrics &normal, const QFontMetrics &fett, const QString &zeile, const QString &t)
{
    int w = 0;
    for (const AutoStueck &s : AutoStuecke(zeile, t))
        w += (s.fett ? fett : normal).horizontalAdvance(s.text);
    return w;
}

} // namespace

Tav::Tav(QWidget *fenster) : QFrame(fenster)
{
    setObjectName(QStringLiteral("av"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(1, 1, 1, 1);
    m_liste = new QListWidget(this);
    m_liste->setObjectName(QStringLiteral("LiAutoVervoll"));
    m_liste->setFrameShape(QFrame::NoFrame);
    m_liste->setItemDelegate(new StueckDelegate(this, m_liste));
    m_liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_liste->setUniformItemSizes(true);
    m_liste->installEventFilter(this);
    m_liste->viewport()->installEventFilter(this);
    v->addWidget(m_liste);
    connect(m_liste, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *i) { nehmen(m_liste->row(i)); });

    m_linie = new QWidget(fenster);
    m_linie->setObjectName(QStringLiteral("PaAutoVervollLinie"));
    m_linie->setAutoFillBackground(true);
    m_linie->setBackgroundRole(QPalette::Base);
    m_linie->hide();
    m_blende = new QWidget(this);
    m_blende->setObjectName(QStringLiteral("PaBlende"));
    m_blende->setAutoFillBackground(true);
    m_blende->setBackgroundRole(QPalette::Base);

    m_timer = new QTimer(this);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &Tav::pruefen);
    hide();
}

Tav *Tav::Fuer(QWidget *w)
{
    QWidget *fenster = w ? w->window() : nullptr;
    if (!fenster)
        return nullptr;
    if (auto *av = fenster->findChild<Tav *>(QStringLiteral("av"), Qt::FindDirectChildrenOnly))
        return av;
    return new Tav(fenster);
}

void Tav::Bedienen(QLineEdit *feld, bool immer)
{
    feld->setProperty(ImmerEigenschaft, immer);
    feld->installEventFilter(this);
    connect(feld, &QLineEdit::textEdited, this, [this, feld] {
        if (EreignisseGesperrt)
            return;
        const bool immer = feld->property(ImmerEigenschaft).toBool();
        const AutoVervollModus m = Modus ? Modus() : AutoVervollModus::Taste;
        if (immer || m == AutoVervollModus::Automatisch)
            Zeigen(feld, false);
        else
            Schliessen();
    });
}

void Tav::Zeigen(QLineEdit *feld, bool perTaste)
{
    QWidget *fenster = parentWidget();
    if (!feld || !fenster || feld->window() != fenster) {
        Schliessen();
        return;
    }
    const QString t = feld->text();
    if (t.size() < (perTaste ? 1 : 3)) {
        Schliessen();
        return;
    }
    const QStringList zeilen = AutoKandidaten(t, Quellen ? Quellen(feld) : QStringList());
    if (zeilen.isEmpty()) {
        Schliessen();
        return;
    }
    m_feld = feld;
    m_getippt = t;
    m_liste->clear();
    m_liste->addItems(zeilen);

    QFont fett = m_liste->font();
    fett.setBold(true);
    const QFontMetrics fmN(m_liste->font()), fmF(fett);
    int breitest = 0;
    for (const QString &z : zeilen)
        breitest = qMax(breitest, zeilenBreite(fmN, fmF, z, t) + 4);

    // In window coordinates: the window's client area takes the place of the work area.
    const QRect f(feld->mapTo(fenster, QPoint(0, 0)), feld->size());
    const QRect bereich = fenster->rect();
    const int zeile = qMax(1, m_liste->sizeHintForRow(0));
    const int rand = 2 + 2 * frameWidth() + 2 + 5;
    const int unten = (bereich.bottom() - f.bottom() - rand) / zeile;
    const int oben = (f.top() - bereich.top() - rand) / zeile;
    const AutoPlatz platz = AutoPlatzWaehlen(int(zeilen.size()), unten, oben);
    // The lines, the list's border and the frame around it.
    const int h = qMax(1, platz.zeilen) * zeile + 2 + 2 * frameWidth() + 2;
    int links = f.left();
    int w =
        qMin(breitest + m_liste->verticalScrollBar()->sizeHint().width() + 10, bereich.right() - links - 2);
    const int rest = bereich.right() - links;
    if (rest < 400 && breitest > 400) {
        const int mehr = qMin(200, breitest - rest);
        links = qMax(0, links - mehr);
        w += mehr;
    }
    const int y = platz.oben ? f.top() - 5 - h : f.bottom() + 1 + 5;
    setGeometry(links, y, w, h);
    m_linie->setGeometry(f.left(), platz.oben ? f.top() - 6 : f.bottom() + 1, f.width(), 6);
    m_blende->setGeometry(1, platz.oben ? h - 1 : 0, qMin(f.width(), w - 2), 1);
    m_linie->show();
    m_linie->raise();
    show();
    raise();
    m_blende->raise();
    m_fensterRahmen = fenster->geometry();
    m_timer->start();
    m_liste->setCurrentRow(-1);
    feld->setFocus();
}

void Tav::Schliessen()
{
    m_timer->stop();
    m_linie->hide();
    hide();
    m_liste->clear();
}

void Tav::nehmen(int zeile)
{
    QListWidgetItem *item = m_liste->item(zeile);
    QLineEdit *feld = m_feld;
    if (!item || !feld) {
        Schliessen();
        return;
    }
    const QString text = item->text();
    Schliessen();
    feld->setText(text);
    feld->setCursorPosition(int(text.size()));
    feld->setFocus();
}

void Tav::pruefen()
{
    QWidget *fenster = parentWidget();
    // The window moved or changed size, or the field went out of view (another page).
    if (!fenster || fenster->geometry() != m_fensterRahmen || !m_feld || !m_feld->isVisible())
        Schliessen();
}

bool Tav::eventFilter(QObject *objekt, QEvent *event)
{
    auto *feld = qobject_cast<QLineEdit *>(objekt);
    if (feld && objekt != m_liste) {
        if (EreignisseGesperrt)
            return false;
        if (event->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(event);
            switch (k->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (Offen())
                    Schliessen();
                return false;
            case Qt::Key_Escape:
                if (Offen()) {
                    Schliessen();
                    return true; // this ESC closed the list only, not the form around the field
                }
                return false;
            case Qt::Key_Up:
                Schliessen();
                return true;
            case Qt::Key_Down:
                if (Offen() && m_feld == feld) {
                    m_liste->setFocus();
                    m_liste->setCurrentRow(0);
                } else {
                    const AutoVervollModus m = Modus ? Modus() : AutoVervollModus::Taste;
                    if (m != AutoVervollModus::Nie || feld->property(ImmerEigenschaft).toBool())
                        Zeigen(feld, true);
                }
                return true;
            default:
                return false;
            }
        }
        if (event->type() == QEvent::FocusOut && Offen() && m_feld == feld) {
            QTimer::singleShot(0, this, [this] {
                QWidget *f = QApplication::focusWidget();
                if (f != m_liste && f != m_feld)
                    Schliessen();
            });
        }
        return false;
    }
    if (objekt == m_liste && event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            nehmen(m_liste->currentRow());
            return true;
        case Qt::Key_Escape:
            Schliessen();
            if (m_feld)
                m_feld->setFocus();
            return true;
        case Qt::Key_Up:
            if (m_liste->currentRow() <= 0) {
                if (m_feld)
                    m_feld->setFocus();
                m_liste->viewport()->update();
                return true;
            }
            return false;
        default:
            return false;
        }
    }
    if (objekt == m_liste && event->type() == QEvent::FocusOut) {
        QTimer::singleShot(0, this, [this] {
            QWidget *f = QApplication::focusWidget();
            if (Offen() && f != m_liste && f != m_feld)
                Schliessen();
        });
    }
    if (objekt == m_liste->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto *m = static_cast<QMouseEvent *>(event);
        if (m->button() == Qt::LeftButton) {
            const QModelIndex i = m_liste->indexAt(m->position().toPoint());
            if (i.isValid()) {
                nehmen(i.row());
                return true;
            }
        }
    }
    return QFrame::eventFilter(objekt, event);
}

} // namespace rinolux
