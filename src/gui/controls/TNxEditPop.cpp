#include "gui/controls/TNxEditPop.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace rinolux {

namespace {

enum Nr { Abbrechen = 1, Rueck = 3, Aus = 5, Loeschen = 6, Kopieren = 7, Einfuegen = 8, Alles = 10 };

bool zwischenablageText()
{
    const QMimeData *d = QGuiApplication::clipboard()->mimeData();
    return d && d->hasText();
}

struct FeldZustand
{
    bool nurLesen = false;
    bool rueck = false;
    bool auswahl = false;
};

FeldZustand zustand(QWidget *feld)
{
    FeldZustand z;
    if (auto *e = qobject_cast<QLineEdit *>(feld)) {
        z.nurLesen = e->isReadOnly();
        z.rueck = e->isUndoAvailable() && !z.nurLesen;
        z.auswahl = e->hasSelectedText();
    } else if (auto *m = qobject_cast<QPlainTextEdit *>(feld)) {
        z.nurLesen = m->isReadOnly();
        z.rueck = m->document()->isUndoAvailable() && !z.nurLesen;
        z.auswahl = m->textCursor().hasSelection();
    } else if (auto *r = qobject_cast<QTextEdit *>(feld)) {
        z.nurLesen = r->isReadOnly();
        z.rueck = r->document()->isUndoAvailable() && !z.nurLesen;
        z.auswahl = r->textCursor().hasSelection();
    }
    return z;
}

// Catches every context-menu request of a text field, so the platform's menu never shows.
class EditMenueFilter final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override
    {
        if (event->type() != QEvent::ContextMenu)
            return false;
        QWidget *feld = EditFeldZu(objekt);
        if (!feld)
            return false;
        auto *ce = static_cast<QContextMenuEvent *>(event);
        if (TNxEditPop *pop = TNxEditPop::Fuer(feld))
            pop->Oeffnen(feld, ce->globalPos());
        return true;
    }
};

} // namespace

QWidget *EditFeldZu(QObject *objekt)
{
    auto *w = qobject_cast<QWidget *>(objekt);
    if (!w)
        return nullptr;
    if (qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w))
        return w;
    if (auto *s = qobject_cast<QAbstractSpinBox *>(w))
        return s->findChild<QLineEdit *>();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->isEditable() ? c->lineEdit() : nullptr;
    // The viewport of a memo receives the request first.
    QWidget *eltern = w->parentWidget();
    if (auto *m = qobject_cast<QPlainTextEdit *>(eltern); m && m->viewport() == w)
        return m;
    if (auto *r = qobject_cast<QTextEdit *>(eltern); r && r->viewport() == w)
        return r;
    return nullptr;
}

TNxEditPop::TNxEditPop(QWidget *fenster) : QMenu(fenster)
{
    setObjectName(QStringLiteral("EditPop"));
    const QStringList titel{QStringLiteral("&dieses Menü abbrechen"),
                            QString(),
                            QStringLiteral("&Rückgängig"),
                            QString(),
                            QStringLiteral("&Ausschneiden"),
                            QStringLiteral("&Löschen"),
                            QStringLiteral("&Kopieren"),
                            QStringLiteral("&Einfügen"),
                            QString(),
                            QStringLiteral("alles &markieren")};
    for (int i = 0; i < titel.size(); ++i) {
        const int nr = i + 1;
        QAction *a = titel[i].isEmpty() ? addSeparator() : addAction(titel[i]);
        a->setData(nr);
        if (!titel[i].isEmpty())
            connect(a, &QAction::triggered, this, [this, nr] { ausfuehren(nr); });
        m_eintraege.append(a);
    }
    setDefaultAction(m_eintraege[Abbrechen - 1]);
}

QAction *TNxEditPop::Eintrag(int nr) const
{
    return nr >= 1 && nr <= m_eintraege.size() ? m_eintraege[nr - 1] : nullptr;
}

TNxEditPop *TNxEditPop::Fuer(QWidget *w)
{
    QWidget *fenster = w ? w->window() : nullptr;
    if (!fenster)
        return nullptr;
    if (auto *pop = fenster->findChild<TNxEditPop *>(QStringLiteral("EditPop"), Qt::FindDirectChildrenOnly))
        return pop;
    return new TNxEditPop(fenster);
}

void TNxEditPop::Vorbereiten(QWidget *feld)
{
    m_feld = feld;
    const FeldZustand z = zustand(feld);
    Eintrag(Rueck)->setEnabled(z.rueck);
    Eintrag(Aus)->setEnabled(z.auswahl && !z.nurLesen);
    Eintrag(Loeschen)->setEnabled(z.auswahl && !z.nurLesen);
    Eintrag(Kopieren)->setEnabled(z.auswahl);
    Eintrag(Einfuegen)->setEnabled(zwischenablageText() && !z.nurLesen);
}

void TNxEditPop::Oeffnen(QWidget *feld, const QPoint &pos)
{
    Vorbereiten(feld);
    QPointer<QWidget> halter(feld);
    exec(pos);
    if (!halter)
        m_feld = nullptr;
}

void TNxEditPop::ausfuehren(int nr)
{
    QWidget *feld = m_feld;
    if (!feld)
        return;
    if (auto *e = qobject_cast<QLineEdit *>(feld)) {
        switch (nr) {
        case Rueck:
            e->undo();
            break;
        case Aus:
            e->cut();
            break;
        case Loeschen:
            if (e->hasSelectedText())
                e->del();
            break;
        case Kopieren:
            e->copy();
            break;
        case Einfuegen:
            e->paste();
            break;
        case Alles:
            e->selectAll();
            break;
        default:
            break;
        }
        return;
    }
    auto mitMemo = [nr](auto *m) {
        switch (nr) {
        case Rueck:
            m->undo();
            break;
        case Aus:
            m->cut();
            break;
        case Loeschen: {
            QTextCursor c = m->textCursor();
            c.removeSelectedText();
            m->setTextCursor(c);
            break;
        }
        case Kopieren:
            m->copy();
            break;
        case Einfuegen:
            m->paste();
            break;
        case Alles:
            m->selectAll();
            break;
        default:
            break;
        }
    };
    if (auto *m = qobject_cast<QPlainTextEdit *>(feld))
        mitMemo(m);
    else if (auto *r = qobject_cast<QTextEdit *>(feld))
        mitMemo(r);
}

void EditMenueEinrichten()
{
    static QPointer<EditMenueFilter> filter;
    if (filter || !qApp)
        return;
    filter = new EditMenueFilter(qApp);
    qApp->installEventFilter(filter);
}

} // namespace rinolux
