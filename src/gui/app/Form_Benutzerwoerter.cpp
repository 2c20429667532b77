#include "gui/app/Form_Benutzerwoerter.h"

#include "gui/app/FeldSchalter.h"
#include "gui/app/sub_Hilfe.h"
#include "gui/controls/TAutoVervoll.h"
#include "gui/controls/TNxEditSchalter.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace rinolux {

namespace {

constexpr int EditLinks = 65;
constexpr int EditBreite = 375;
constexpr int OkBreite = 50;

int zeileOben(int i)
{
    // 45 pixels a row, 5 more after the rows 2 and 4 to group them in pairs.
    return 10 + i * 45 + (i >= 2 ? 5 : 0) + (i >= 4 ? 5 : 0);
}

} // namespace

Tbb::Tbb(const std::array<BenutzerWort, 6> &woerter, const QString &panelTitel, bool mitGross, QWidget *eltern)
    : QDialog(eltern), m_woerter(woerter)
{
    setObjectName(QStringLiteral("Tbb"));
    setWindowTitle(TitelFuer(panelTitel));
    Tav *av = WortFeldAutoVervoll(this, eltern);
    const int rechts = EditLinks + EditBreite + 10 + OkBreite;
    for (int i = 0; i < 6; ++i) {
        const int oben = zeileOben(i);
        const QString nr = QString::number(i + 1);
        auto *links = new QPushButton(QStringLiteral("OK"), this);
        links->setObjectName(QStringLiteral("BuBenutzerWortOK") + nr);
        links->setGeometry(5, oben, OkBreite, 35);
        auto *ed = new QLineEdit(this);
        ed->setObjectName(QStringLiteral("BenutzerWoerterEdit") + nr);
        ed->setGeometry(EditLinks, oben, EditBreite, 22);
        ed->setText(woerter[size_t(i)].text);
        WortFeldSchalter(ed);
        av->Bedienen(ed, true);
        AutoSymbol(ed, {});
        auto *re = new QPushButton(QStringLiteral("OK"), this);
        re->setObjectName(QStringLiteral("BuBenutzerWortOKRechts") + nr);
        re->setGeometry(EditLinks + EditBreite + 10, oben, OkBreite, 35);
        auto *gross = new QCheckBox(QStringLiteral("Groß-Klein-Schreibung beachten [ ! ]"), this);
        gross->setObjectName(QStringLiteral("CheBenutzerWortGross") + nr);
        gross->setGeometry(200, oben + 23, EditBreite - 135, 20);
        gross->setChecked(woerter[size_t(i)].gross == u"J");
        gross->setVisible(mitGross);
        for (QWidget *w : {static_cast<QWidget *>(links), static_cast<QWidget *>(re), static_cast<QWidget *>(gross)})
            w->setFocusPolicy(Qt::NoFocus);
        for (QPushButton *b : {links, re}) {
            b->setAutoDefault(false);
            connect(b, &QPushButton::clicked, this, [this, i] { waehlen(i); });
        }
        m_edits[size_t(i)] = ed;
        m_gross[size_t(i)] = gross;
        m_okLinks[size_t(i)] = links;
        m_okRechts[size_t(i)] = re;
    }
    const int hinweisOben = zeileOben(5) + 45 + 5;
    auto *hinweis = new QLabel(
        QStringLiteral("Wenn mehrere Wörter gleichzeitig verwendet werden sollen, dann müssen diese durch einen "
                       "Senkrecht-Strich | getrennt werden. Beispiel: \"der|die|das\" wird zu \"der oder die oder "
                       "das\"."),
        this);
    hinweis->setObjectName(QStringLiteral("LaOderHinweis"));
    hinweis->setWordWrap(true);
    hinweis->setGeometry(5, hinweisOben, rechts - 5 - 110, 40);
    hinweis->setVisible(mitGross);
    auto *abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("BuAbbrechen"));
    abbrechen->setAutoDefault(false);
    abbrechen->setGeometry(rechts - 80, hinweisOben, 80, 40);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    if (EditSchalterUmgebungAktuell().HilfeAn()) {
        auto *hilfe = new THilfeMarker(2, 1,
                                       QStringLiteral("Schreibe in eines der Eingabe-Felder ein Wort\r\nund drücke danach "
                                                      "den ")
                                           + m_okLinks[0]->text() + QStringLiteral("-Schalter links oder\r\nrechts davon."),
                                       this);
        hilfe->setObjectName(QStringLiteral("PaHilfe"));
        hilfe->setText(QStringLiteral("?"));
        hilfe->move(abbrechen->x() - 25, hinweisOben);
        hilfe->show();
    }
    setFixedSize(rechts + 5, hinweisOben + 40 + 10);
    m_edits[0]->setFocus();
}

QString Tbb::TitelFuer(const QString &panelTitel)
{
    QString t;
    if (panelTitel.contains(QStringLiteral("wort"), Qt::CaseInsensitive))
        t += QStringLiteral("ein Wort");
    if (panelTitel.contains(QStringLiteral("zahl"), Qt::CaseInsensitive))
        t += QStringLiteral(" oder eine Zahl");
    return t + QStringLiteral(" bestimmen");
}

void Tbb::waehlen(int zeile)
{
    BenutzerWort &w = m_woerter[size_t(zeile)];
    w.text = m_edits[size_t(zeile)]->text();
    w.gross = m_gross[size_t(zeile)]->isChecked() ? QStringLiteral("J") : QStringLiteral("N");
    m_wahl = zeile + 1;
    accept();
}

int Tbb::fokusZeile() const
{
    const QWidget *f = focusWidget();
    for (int i = 0; i < 6; ++i)
        if (f && (f == m_edits[size_t(i)] || f == m_gross[size_t(i)] || f == m_okLinks[size_t(i)]
                  || f == m_okRechts[size_t(i)]))
            return i;
    return -1;
}

void Tbb::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const int zeile = fokusZeile();
        if (zeile >= 0)
            waehlen(zeile);
        else
            reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tbb::AmPanelPlatzieren(const QWidget *panel)
{
    if (!panel)
        return;
    const QPoint unten = panel->mapToGlobal(QPoint(panel->width(), panel->height()));
    QPoint p(unten.x() - width(), unten.y());
    if (const QScreen *s = panel->screen()) {
        const QRect arbeit = s->availableGeometry();
        if (p.y() + height() > arbeit.bottom())
            p.setY(panel->mapToGlobal(QPoint(0, 0)).y() - height());
        p.setX(std::max(p.x(), arbeit.left()));
        p.setY(std::max(p.y(), arbeit.top()));
    }
    move(p);
}

} // namespace rinolux
