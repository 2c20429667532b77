// The keyboard of the main window: one application-wide filter sees every key first.
#include "gui/app/Form_Anfang.h"

#include "gui/app/sub_Fortschritt.h"
#include "gui/pages/Seite.h"

#include <QCheckBox>
#include <QKeyEvent>

namespace rinolux {

namespace {

// The hidden key sequence for the expert settings: Ctrl+Alt+Shift+E, then Ctrl+Alt+Shift+X.
constexpr int ExpertenTaste1 = Qt::Key_E;
constexpr int ExpertenTaste2 = Qt::Key_X;

// Arrow keys on a check box move the focus along the tab chain instead of doing nothing.
bool pfeilAufKontrollkaestchen(QWidget *w, int taste)
{
    if (taste != Qt::Key_Down && taste != Qt::Key_Right && taste != Qt::Key_Up && taste != Qt::Key_Left)
        return false;
    const bool vor = taste == Qt::Key_Down || taste == Qt::Key_Right;
    QWidget *naechstes = w;
    // The next focusable control in the tab chain, in either direction.
    do {
        naechstes = vor ? naechstes->nextInFocusChain() : naechstes->previousInFocusChain();
    } while (naechstes && naechstes != w
             && !((naechstes->focusPolicy() & Qt::TabFocus) && naechstes->isVisible() && naechstes->isEnabled()));
    if (naechstes && naechstes != w)
        naechstes->setFocus(vor ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

} // namespace

void Taa::eingabeMerken(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        m_letzteEingabe = m_uhr();
        break;
    case QEvent::MouseMove:
        // Qt sends moves of its own when widgets appear under a resting pointer.
        if (event->spontaneous())
            m_letzteEingabe = m_uhr();
        break;
    default:
        break;
    }
}

qint64 Taa::RuheMs() const
{
    return m_uhr() - m_letzteEingabe;
}

void Taa::UhrSetzen(std::function<qint64()> uhr)
{
    m_uhr = std::move(uhr);
    m_letzteEingabe = m_uhr();
}

bool Taa::eventFilter(QObject *obj, QEvent *event)
{
    eingabeMerken(event);
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto *taste = static_cast<QKeyEvent *>(event);
        // Listings and sorts ask whether ESC was pressed since they began.
        if (event->type() == QEvent::KeyPress && taste->key() == Qt::Key_Escape)
            m_esc = true;
        auto *w = qobject_cast<QWidget *>(obj);
        if (w && w->window() == this)
            return tasteVerarbeiten(obj, taste);
    }
    return QMainWindow::eventFilter(obj, event);
}

bool Taa::tasteVerarbeiten(QObject *ziel, QKeyEvent *event)
{
    auto *w = static_cast<QWidget *>(ziel);
    if (ArbeitLaeuft()) {
        if (event->type() == QEvent::KeyPress && event->key() == Qt::Key_Escape && !event->isAutoRepeat())
            Q_EMIT EscWaehrendArbeit();
        // Only the progress panel's own buttons take keys while an operation runs.
        return !(m_fort->isAncestorOf(w));
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
    const int key = event->key();
    if (mods == (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) {
        if (key == ExpertenTaste1) {
            m_expertenTasteScharf = true;
            return true;
        }
        if (key == ExpertenTaste2 && m_expertenTasteScharf) {
            m_expertenTasteScharf = false;
            Q_EMIT ExpertenEinstellungenVerlangt();
            return true;
        }
        if (key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Shift)
            m_expertenTasteScharf = false;
        return false;
    }
    // F2 and F4 belong to the current page.
    if (key == Qt::Key_F2 || key == Qt::Key_F4) {
        Seite *seite = SeiteFuerTab(AktuelleSeite);
        return seite && seite->Taste(key, mods);
    }
    if (qobject_cast<QCheckBox *>(w) && mods == Qt::NoModifier)
        return pfeilAufKontrollkaestchen(w, key);
    return false;
}

} // namespace rinolux
