#include "gui/app/sub_Fortschritt.h"

#include "core/shell/FortschrittRechnung.h"
#include "core/util/nx_Debug.h"
#include "gui/app/AnwendungsTitel.h"
#include "gui/app/Form_Dialog.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace rinolux {

namespace {
constexpr int BalkenB = 168;
constexpr int BalkenH = 23;
const QColor Aqua(128, 255, 255);
const QString PauseText = QStringLiteral("Pause");
const QString FortsetzenText = QStringLiteral("Fortsetzen");

// Waits while the window goes on handling its events.
void wartenMitEreignissen(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop schleife;
    QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
    schleife.exec();
}
} // namespace

TFortschrittPanel::TFortschrittPanel(QWidget *fenster) : QFrame(fenster), m_fenster(fenster)
{
    setObjectName(QStringLiteral("PaFortschritt"));
    setAutoFillBackground(true);
    m_balkenRahmen = new QFrame(this);
    m_balkenRahmen->setObjectName(QStringLiteral("ShaFortBalken"));
    m_balkenRahmen->setGeometry(15, 15, 170, 25);
    m_balkenRahmen->setStyleSheet(QStringLiteral("QFrame#ShaFortBalken { border: 1px solid black; background: white; }"));
    m_balkenBild = new QLabel(this);
    m_balkenBild->setObjectName(QStringLiteral("ImFortBalken"));
    m_balkenBild->setGeometry(16, 16, BalkenB, BalkenH);
    m_meldung = new QLabel(this);
    m_meldung->setObjectName(QStringLiteral("LaFortMeldung"));
    m_meldung->setGeometry(16, 42, BalkenB, 15);
    m_teilmenge = new QPushButton(QStringLiteral("nur die bis jetzt gefundenen"), this);
    m_teilmenge->setObjectName(QStringLiteral("BuFortTeilmenge"));
    m_pause = new QPushButton(PauseText, this);
    m_pause->setObjectName(QStringLiteral("BuFortPause"));
    m_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_abbrechen->setObjectName(QStringLiteral("BuFortAbbrechen"));
    for (QPushButton *b : {m_teilmenge, m_pause, m_abbrechen})
        b->setAutoDefault(false);

    connect(m_abbrechen, &QPushButton::clicked, this, [this] {
        schalterSetzen(false);
        m_teilmenge->setEnabled(false);
        Abbruch = true;
    });
    connect(m_teilmenge, &QPushButton::clicked, this, [this] {
        NurTeilmenge = true;
        schalterSetzen(false);
        m_teilmenge->setEnabled(false);
    });
    connect(m_pause, &QPushButton::clicked, this, &TFortschrittPanel::pauseGedrueckt);

    balkenAnlegen();
    m_balkenBild->setPixmap(QPixmap::fromImage(m_balken));
    hide();
}

void TFortschrittPanel::schalterSetzen(bool an)
{
    m_pause->setEnabled(an);
    m_abbrechen->setEnabled(an);
}

void TFortschrittPanel::ereignisse()
{
    QCoreApplication::processEvents();
}

void TFortschrittPanel::FortEin(int abschnitte, const QString &anker, bool oben)
{
    nxDebugZeile(QStringLiteral("FortEin AbschnittMax=") + QString::number(abschnitte));
    for (QWidget *w : std::as_const(m_sperren))
        w->setEnabled(false);
    m_aktiv = true;

    // Layout: the part-result button only for the two search buttons.
    QWidget *ankerFeld = nullptr;
    const bool fenster = anker == m_fenster->window()->objectName();
    if (!anker.isEmpty() && !fenster) {
        const QList<QWidget *> treffer = m_fenster->window()->findChildren<QWidget *>(anker);
        ankerFeld = treffer.isEmpty() ? nullptr : treffer.first();
    }
    const bool suche = anker == QStringLiteral("BuSuchOhneUnterverz") || anker == QStringLiteral("BuSuchMitUnterverz");
    int reihe = 62;
    m_teilmenge->setVisible(suche);
    if (suche) {
        m_teilmenge->setGeometry(15, reihe, 170, 30);
        reihe += 40;
    }
    m_pause->setGeometry(15, reihe, 70, 30);
    m_abbrechen->setGeometry(95, reihe, 90, 30);
    m_pause->setText(PauseText);
    resize(200, reihe + 30 + 15);

    // Place it in the window's client area.
    const QRect client = m_fenster->rect();
    QPoint pos;
    if (ankerFeld) {
        const QPoint o = m_fenster->mapFromGlobal(ankerFeld->mapToGlobal(QPoint(0, 0)));
        pos.setX(o.x() + ankerFeld->width() / 2 - width() / 2);
        pos.setY(oben ? o.y() - height() - 2 : o.y() + ankerFeld->height() + 2);
    } else if (fenster || !anker.isEmpty()) {
        pos = client.center() - QPoint(width() / 2, height() / 2);
    } else {
        pos = m_fenster->mapFromGlobal(QCursor::pos());
    }
    pos.setX(std::max(pos.x(), client.left()));
    pos.setY(std::max(pos.y(), client.top()));
    pos.setX(std::min(pos.x(), client.right() + 1 - width()));
    pos.setY(std::min(pos.y(), client.bottom() + 1 - height()));
    move(pos);

    m_letzterAnteil = -4711;
    m_letzterProzent.clear();
    m_takt.invalidate();
    m_letzteBreite = -4711;
    m_letzteMarke = -4711;
    m_letzterSchritt = QStringLiteral("-4711");
    m_schrittText.clear();
    m_meldungText.clear();
    m_meldung->clear();
    m_gespeicherterTitel = m_fenster->window()->windowTitle();
    m_gespeicherterAnwendungsTitel = AnwendungsTitel();
    Abbruch = false;
    NurTeilmenge = false;
    m_abschnitt = 0;
    m_abschnitte = abschnitte;
    m_zeichnungen = 0;

    zeichnen(0, -1, 0.0, false, true);
    schalterSetzen(false);
    m_teilmenge->setEnabled(true);

    if (ankerFeld || fenster || !anker.isEmpty()) {
        raise();
        show();
        QApplication::restoreOverrideCursor();
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    } else {
        hide();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ereignisse();
}

void TFortschrittPanel::FortAbschnittNeu(const QString &text, bool naechster, bool schalter)
{
    if (naechster)
        ++m_abschnitt;
    nxDebugZeile(QStringLiteral("FortAbschnittNeu: Abschnitt=") + QString::number(m_abschnitt) + QStringLiteral("/")
                 + QString::number(m_abschnitte) + QStringLiteral(" Aktion=") + text);
    m_schrittText = text;
    schalterSetzen(schalter);
    if (naechster)
        FortSchritt(1, 0, 1, 0);
    ereignisse();
}

void TFortschrittPanel::FortAbschnittSymbolisch()
{
    nxDebugZeile(QStringLiteral("FortAbschnittSymbolisch"));
    schalterSetzen(true);
    if (isVisible() && m_fenster->isVisible())
        zeichnen(0, -1, m_letzterAnteil < 0 ? 0.0 : m_letzterAnteil, true, false);
    ereignisse();
}

void TFortschrittPanel::FortSchritt(qint64 gesamt1, qint64 erledigt1, qint64 gesamt2, qint64 erledigt2)
{
    if (!isVisible() || !m_fenster->isVisible())
        return;
    const double f = FortAnteil(m_abschnitt, m_abschnitte, gesamt2, erledigt2);
    const int a = FortBalkenBreite(BalkenB, f);
    const int marke = FortMarkePosition(BalkenB, a, gesamt1, erledigt1);
    // Compared as drawn: the share moves with every step of a long loop, its text with
    // every thousandth, and drawing is what costs.
    const QString prozent = FortProzentText(f);
    const bool gleich = m_schrittText == m_letzterSchritt && prozent == m_letzterProzent && a == m_letzteBreite
        && marke == m_letzteMarke;
    // A completed count always draws, so the end of a section is never skipped.
    if (!(gleich && erledigt1 != gesamt1 && gesamt1 != 0 && erledigt2 != gesamt2)) {
        m_letzterSchritt = m_schrittText;
        m_letzterAnteil = f;
        m_letzterProzent = prozent;
        m_letzteBreite = a;
        m_letzteMarke = marke;
        zeichnen(a, marke, f, false, false);
        const QString titel = FortTitelText(f);
        AnwendungsTitelSetzen(titel);
        m_fenster->window()->setWindowTitle(titel + QStringLiteral("     ") + m_gespeicherterTitel);
        m_balkenBild->repaint();
    } else if (m_takt.isValid() && m_takt.elapsed() < EreignisTaktMs) {
        // Nothing new to show: pending clicks (Abbrechen) are still seen within a few ms,
        // without polling the window system at every one of thousands of steps.
        return;
    }
    m_takt.restart();
    ereignisse();
}

void TFortschrittPanel::balkenAnlegen()
{
    // In the screen's pixel density, so bar, mark and text are as sharp as the rest.
    const qreal dpr = devicePixelRatioF();
    m_balken = QImage(QSize(BalkenB, BalkenH) * dpr, QImage::Format_RGB32);
    m_balken.setDevicePixelRatio(dpr);
    m_balken.fill(Qt::white);
}

void TFortschrittPanel::zeichnen(int breite, int marke, double anteil, bool symbolisch, bool leer)
{
    ++m_zeichnungen;
    if (!qFuzzyCompare(m_balken.devicePixelRatio(), devicePixelRatioF()))
        balkenAnlegen();
    m_balken.fill(Qt::white);
    QPainter p(&m_balken);
    if (symbolisch) {
        // A wedge from the middle of the left edge to the full height of the right edge.
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(Aqua);
        const QPointF keil[3] = {{0.0, BalkenH / 2.0}, {static_cast<double>(BalkenB), 0.0},
                                 {static_cast<double>(BalkenB), static_cast<double>(BalkenH)}};
        p.drawPolygon(keil, 3);
        m_letzterText.clear();
    } else if (leer) {
        m_letzterAnteil = 0.0;
        m_letzterProzent = FortProzentText(0.0);
        m_letzteBreite = 0;
        m_letzterText.clear();
    } else {
        if (breite > 0)
            p.fillRect(0, 0, breite, BalkenH, Aqua);
        p.setPen(QColor(128, 128, 128));
        p.drawLine(marke - 1, 0, marke - 1, BalkenH - 1);
        p.setFont(m_pause->font());
        const QFontMetrics fm(m_pause->font());
        const int y = (BalkenH - fm.boundingRect(QStringLiteral("§")).height()) / 2;
        const QRect zeile(0, y, BalkenB, fm.height());
        p.setPen(Qt::black);
        const QString prozent = FortProzentText(anteil);
        p.drawText(zeile, Qt::AlignLeft | Qt::AlignTop, prozent);
        const QString schritt = QStringLiteral("(") + m_schrittText + QStringLiteral(")");
        // The step text stands at 50, or just after a percentage that is wider in this font.
        const int x = std::max(50, fm.horizontalAdvance(prozent) + 4);
        p.drawText(zeile.adjusted(x, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, schritt);
        m_letzterText = prozent + QStringLiteral(" ") + schritt;
    }
    p.end();
    m_balkenBild->setPixmap(QPixmap::fromImage(m_balken));
}

void TFortschrittPanel::FortMeldung(const QString &text, qint64 zaehler)
{
    if (!isVisible() || !m_fenster->isVisible())
        return;
    if (!FortMeldungZeigen(zaehler) || text == m_meldungText)
        return;
    m_meldungText = text;
    // Long paths keep their beginning and their end.
    m_meldung->setText(m_meldung->fontMetrics().elidedText(QStringLiteral("  ") + text, Qt::ElideMiddle, m_meldung->width()));
    m_meldung->setToolTip(text);
    ereignisse();
}

void TFortschrittPanel::FortAbschnittMax()
{
    nxDebugZeile(QStringLiteral("FortAbschnittMax"));
    FortSchritt(1, 1, 1, 1);
    ereignisse();
}

void TFortschrittPanel::Fort100()
{
    nxDebugZeile(QStringLiteral("Fort100"));
    schalterSetzen(false);
    m_abschnitt = 1;
    m_abschnitte = 1;
    FortSchritt(1, 1, 1, 1);
    ereignisse();
}

void TFortschrittPanel::FortAus(const QDateTime &start)
{
    if (isVisible()) {
        nxDebugZeile(QStringLiteral("FortAus"));
        if (start.isValid()) {
            // Short operations still show their panel long enough to be seen.
            const qint64 vergangen = start.msecsTo(QDateTime::currentDateTime());
            if (vergangen >= 0 && vergangen < 1500)
                wartenMitEreignissen(static_cast<int>(1500 - vergangen));
        }
        hide();
    }
    for (QWidget *w : std::as_const(m_sperren))
        w->setEnabled(true);
    if (m_aktiv) {
        m_fenster->window()->setWindowTitle(m_gespeicherterTitel);
        AnwendungsTitelSetzen(m_gespeicherterAnwendungsTitel);
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
    m_aktiv = false;
    // Ends a pause loop that might still wait.
    m_pause->setText(PauseText);
    Q_EMIT Beendet();
}

void TFortschrittPanel::pauseGedrueckt()
{
    if (m_pause->text() != PauseText) {
        m_pause->setText(PauseText);
        return;
    }
    m_pause->setText(FortsetzenText);
    m_teilmengeWarAn = m_teilmenge->isEnabled();
    m_teilmenge->setEnabled(false);
    // The operation is suspended inside its own event processing; this loop holds it
    // until the user continues or cancels, while the window stays responsive.
    while (m_pause->text() == FortsetzenText && !Abbruch)
        wartenMitEreignissen(250);
    m_teilmenge->setEnabled(m_teilmengeWarAn && !Abbruch && !NurTeilmenge);
    if (m_pause->text() == FortsetzenText)
        m_pause->setText(PauseText);
}

void TFortschrittPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    // Grey outer frame 5 pixels wide, then a raised bevel 5 pixels inside.
    const QColor grau(160, 160, 160);
    p.fillRect(0, 0, width(), 5, grau);
    p.fillRect(0, height() - 5, width(), 5, grau);
    p.fillRect(0, 0, 5, height(), grau);
    p.fillRect(width() - 5, 0, 5, height(), grau);
    const QRect innen = rect().adjusted(5, 5, -6, -6);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(innen.topLeft(), innen.topRight());
    p.drawLine(innen.topLeft(), innen.bottomLeft());
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(innen.bottomLeft(), innen.bottomRight());
    p.drawLine(innen.topRight(), innen.bottomRight());
}

} // namespace rinolux
