#include "gui/app/Form_Platzhalter.h"

#include "core/shell/Dialog.h"
#include "core/shell/Prozess.h"
#include "gui/app/FeldSchalter.h"
#include "gui/app/SchalterRahmen.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace rinolux {

Tpp::Tpp(const QList<Platzhalter> &platzhalter, const PlatzhalterListe &gespeichert, int breite,
         QWidget *eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("Tpp"));
    setWindowTitle(QStringLiteral("Die Funktion enthält Platzhalter"));
    const int n = int(platzhalter.size());
    breite = std::max(breite, 240);
    setFixedSize(breite, n * 60 + 55);
    for (int i = 0; i < n; ++i) {
        auto *la = new QLabel(platzhalter[i].anzeige, this);
        la->setTextFormat(Qt::PlainText);
        la->setGeometry(5, i * 60 + 2, breite - 10, 16);
        auto *ed = new QLineEdit(this);
        ed->setObjectName(QStringLiteral("PlatzhalterEdit") + QString::number(i + 1));
        ed->setGeometry(5, i * 60 + 20, breite - 10, 22);
        ed->setText(gespeichert.Wert(platzhalter[i].anzeige));
        la->setBuddy(ed);
        WortFeldSchalter(ed);
        ed->installEventFilter(this);
        m_edits << ed;
    }
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("BuUntenOK"));
    auto *rahmen = new TSchalterRahmen(ok, QColor(0, 255, 0), 1, this);
    rahmen->setGeometry(5, n * 60 + 20, breite - 10, 30);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (!m_edits.isEmpty())
        m_edits.first()->setFocus();
}

QStringList Tpp::Werte() const
{
    QStringList w;
    for (const QLineEdit *ed : m_edits)
        w << ed->text();
    return w;
}

bool Tpp::eventFilter(QObject *objekt, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(event)->key();
        // ESC confirms as well: only closing the window keeps the placeholders unfilled.
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Escape) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, event);
}

bool FensterPlatzhalterFrage::PlatzhalterWerte(const QList<Platzhalter> &platzhalter, QStringList &werte)
{
    // An unreadable file offers no values and is not replaced below (the user is told).
    PlatzhalterListe gespeichert;
    static_cast<void>(gespeichert.Lesen(PlatzhalterDateiPfad()));
    QWidget *anker = m_anker ? m_anker() : nullptr;
    Tpp form(platzhalter, gespeichert, anker ? anker->width() : 400, anker ? anker->window() : nullptr);
    if (anker) {
        // At the status field, kept inside the screen's work area.
        QPoint p = anker->mapToGlobal(QPoint(0, 0));
        if (const QScreen *s = anker->screen()) {
            const QRect arbeit = s->availableGeometry();
            p.setY(std::clamp(p.y(), arbeit.top(), std::max(arbeit.top(), arbeit.bottom() - form.height())));
            p.setX(std::clamp(p.x(), arbeit.left(), std::max(arbeit.left(), arbeit.right() - form.width())));
        }
        form.move(p);
    }
    if (form.exec() != QDialog::Accepted)
        return false;
    werte = form.Werte();
    for (qsizetype i = 0; i < platzhalter.size() && i < werte.size(); ++i)
        gespeichert.Neu(platzhalter[i].anzeige, werte[i], true);
    const Ergebnis e = gespeichert.Schreiben(PlatzhalterDateiPfad());
    if (!e)
        // The values are used all the same; only the next form cannot offer them.
        m_dialog.Dialog_Info(QStringLiteral("Die Werte der Platzhalter konnten nicht gespeichert werden:\r\n") +
                                 e.text() + QStringLiteral("\r\n\r\nBitte prüfe das Daten-Verzeichnis ") +
                                 ProgPfad + u'.',
                             QStringLiteral("BeVorschauFehler"));
    return true;
}

} // namespace rinolux
