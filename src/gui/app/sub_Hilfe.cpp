#include "gui/app/sub_Hilfe.h"

#include "core/shell/HilfeTexte.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/Ablauf.h"
#include "gui/app/Form_Anfang.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/Seite.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHelpEvent>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QStackedWidget>
#include <QTimer>
#include <QToolTip>

#include <array>
#include <vector>

namespace rinolux {

THilfeMarker::THilfeMarker(int seite, int nummer, const QString &text, QWidget *fenster)
    : QLabel(QString::number(nummer), fenster), m_seite(seite), m_nummer(nummer),
      m_text(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))),
      m_grund(QColor::fromRgb(HilfeFarbe(seite, nummer))), m_schrift(Qt::black)
{
    setObjectName(QStringLiteral("PaHilfe%1_%2").arg(seite).arg(nummer));
    setFixedSize(20, 20);
    setAlignment(Qt::AlignCenter);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setToolTip(m_text);
    setMouseTracking(true);
    hide();
}

void THilfeMarker::Tauschen()
{
    std::swap(m_grund, m_schrift);
    repaint();
}

bool THilfeMarker::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        // No delay, and the text stays four minutes.
        auto *h = static_cast<QHelpEvent *>(event);
        QToolTip::showText(h->globalPos(), m_text, this, QRect(), 240000);
        return true;
    }
    case QEvent::Enter:
        QToolTip::showText(mapToGlobal(QPoint(10, 20)), m_text, this, QRect(), 240000);
        Q_EMIT Beruehrt(m_seite, m_nummer);
        break;
    case QEvent::MouseMove:
        Q_EMIT Beruehrt(m_seite, m_nummer);
        break;
    default:
        break;
    }
    return QLabel::event(event);
}

void THilfeMarker::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_grund);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 19, 19);
    p.setPen(m_schrift);
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter, text());
}

namespace {

class HilfeSteuerung final : public QObject
{
public:
    explicit HilfeSteuerung(Taa &aa) : QObject(&aa), m_aa(aa)
    {
        setObjectName(QStringLiteral("HilfeSteuerung"));
        m_planen = new QTimer(this);
        m_planen->setSingleShot(true);
        m_planen->setInterval(0);
        connect(m_planen, &QTimer::timeout, this, &HilfeSteuerung::platzieren);
        m_blinken = new QTimer(this);
        m_blinken->setInterval(100);
        connect(m_blinken, &QTimer::timeout, this, &HilfeSteuerung::blinkSchritt);
    }

    void SchalterAnlegen()
    {
        QWidget *band = m_aa.findChild<QWidget *>(QStringLiteral("PaSuchReg"));
        if (!band)
            return;
        m_che = new QCheckBox(band);
        m_che->setObjectName(QStringLiteral("CheHilfe"));
        m_che->setGeometry(2, 12, 16, 16);
        m_la = new QLabel(QStringLiteral("     Hilfe\nanzeigen"), band);
        m_la->setObjectName(QStringLiteral("LaHilfe"));
        QFont f = m_la->font();
        f.setPointSizeF(f.pointSizeF() * 0.7);
        m_la->setFont(f);
        m_la->setGeometry(15, 6, 45, 30);
        m_la->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_la->setBuddy(m_che);
        m_la->installEventFilter(this);
        LabelFarbe();
        connect(m_che, &QCheckBox::toggled, this, [this](bool an) {
            if (EreignisseGesperrt)
                return;
            Herstellen(an);
            m_aa.SeiteAnpassenFuerAlleSeiten();
            if (an)
                ++m_aa.HilfeKlickZahl;
            LabelFarbe();
        });
        connect(&m_aa, &Taa::HilfeSymboleAnpassen, this, [this] { m_planen->start(); });
        if (auto *stapel = m_aa.findChild<QStackedWidget *>())
            connect(stapel, &QStackedWidget::currentChanged, this, [this] { m_planen->start(); });
        if (auto *such = m_aa.findChild<TNxReg *>(QStringLiteral("SucheRegister")))
            connect(such, &TNxReg::NachWechsel, this, [this] { m_planen->start(); });
        m_aa.installEventFilter(this);
        m_aa.Ablauf().Anmelden(StartSchritt::HilfeVorbereiten, [this] {
            LabelFarbe();
            if (m_che->isChecked())
                Herstellen(true);
        });
    }

    // The label is yellow until help was switched on once.
    void LabelFarbe()
    {
        if (!m_la)
            return;
        m_la->setAutoFillBackground(m_aa.HilfeKlickZahl <= 0);
        QPalette p = m_la->palette();
        p.setColor(QPalette::Window, QColor(255, 255, 0));
        m_la->setPalette(p);
    }

    void Herstellen(bool an)
    {
        DebugSchritt schritt(QStringLiteral("HilfeHerstellen"));
        for (auto &seite : m_marker) {
            for (THilfeMarker *m : seite)
                delete m;
            seite.clear();
        }
        if (!an)
            return;
        const HilfeNamen namen = namenLesen();
        for (int s = 1; s <= 4; ++s) {
            const QStringList texte = HilfeTexte(s, namen);
            for (int i = 0; i < texte.size(); ++i) {
                auto *m = new THilfeMarker(s, i + 1, texte[i], &m_aa);
                connect(m, &THilfeMarker::Beruehrt, this, &HilfeSteuerung::naechsterBlinkt);
                m_marker[size_t(s)].push_back(m);
            }
        }
        m_planen->start();
    }

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override
    {
        if (objekt == m_la && event->type() == QEvent::MouseButtonRelease && m_che) {
            m_che->click();
            return true;
        }
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::LayoutRequest:
            if (an())
                m_planen->start();
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool an() const { return m_che && m_che->isChecked() && !m_marker[1].empty(); }

    QWidget *teil(const char16_t *name) const
    {
        QWidget *w = m_aa.findChild<QWidget *>(QString::fromUtf16(name));
        if (w && !m_beobachtet.contains(w)) {
            w->installEventFilter(const_cast<HilfeSteuerung *>(this));
            m_beobachtet.append(w);
        }
        return w;
    }
    QRect rechteck(const QWidget *w) const { return QRect(w->mapTo(&m_aa, QPoint(0, 0)), w->size()); }

    HilfeNamen namenLesen() const
    {
        HilfeNamen n;
        for (int k = 1; k <= 4; ++k)
            if (Seite *s = m_aa.SeiteFuerTab(k))
                n.tab[k] = s->Titel(k);
        if (auto *such = m_aa.findChild<TNxReg *>(QStringLiteral("SucheRegister")))
            n.suchTab1 = such->Tab(1).beschriftung;
        if (auto *l = m_aa.findChild<QListWidget *>(QStringLiteral("LiAendOben")); l && l->count() > 0)
            n.aendernErstes = l->item(0)->text();
        if (auto *l = m_aa.findChild<QListWidget *>(QStringLiteral("LiHerstOben")); l && l->count() > 0)
            n.herstellenErstes = l->item(0)->text();
        if (auto *b = m_aa.findChild<QAbstractButton *>(QStringLiteral("BuVorschauSchalter")))
            n.vorschauSchalter = b->text();
        n.wortSchalter = QStringLiteral("< Wort ...");
        return n;
    }

    // Where marker (page, number) stands in the window now; empty when its control is not shown.
    std::optional<QPoint> platz(int seite, int nr) const
    {
        TNxReg *haupt = m_aa.HauptRegister();
        auto aufTab = [&](int k) -> std::optional<QPoint> {
            if (!haupt)
                return std::nullopt;
            const QPoint p = haupt->mapTo(&m_aa, haupt->TabRechteck(k).topLeft());
            return QPoint(p.x() + 5, haupt->mapTo(&m_aa, QPoint(0, 0)).y() + 5);
        };
        auto sichtbar = [](const QWidget *w) { return w && w->isVisible(); };
        auto ueberRechts = [&](const char16_t *name, int dy) -> std::optional<QPoint> {
            QWidget *w = teil(name);
            if (!sichtbar(w))
                return std::nullopt;
            const QRect r = rechteck(w);
            return QPoint(r.x() + r.width(), r.y() - dy);
        };
        auto obenRechts = [&](const char16_t *name) -> std::optional<QPoint> {
            QWidget *w = teil(name);
            if (!sichtbar(w))
                return std::nullopt;
            const QRect r = rechteck(w);
            return QPoint(r.x() + r.width() - 20, r.y() - 20);
        };
        auto listenKopf = [&]() -> std::optional<QPoint> {
            QWidget *w = teil(u"VListe");
            if (!sichtbar(w))
                return std::nullopt;
            const QRect r = rechteck(w);
            return QPoint(r.x() + 120, r.y() + 1);
        };
        auto plus = [&](int dx) -> std::optional<QPoint> {
            QWidget *w = teil(u"BuPlusA");
            if (!sichtbar(w))
                return std::nullopt;
            const QRect r = rechteck(w);
            return QPoint(r.x() + r.width() + dx, r.y() - 19);
        };
        const int such = m_aa.AktuelleSuchSeite;
        switch (seite * 100 + nr) {
        case 101:
            return aufTab(1);
        case 102:
        case 103: {
            auto *reg = m_aa.findChild<TNxReg *>(QStringLiteral("SucheRegister"));
            if (!sichtbar(reg))
                return std::nullopt;
            const QPoint tab2 = reg->mapTo(&m_aa, reg->TabRechteck(2).topLeft());
            if (nr == 2)
                return QPoint(tab2.x() - 10, reg->mapTo(&m_aa, QPoint(0, 0)).y() + 15);
            QWidget *baum = teil(u"LinksBaum");
            if (such == 5 || !sichtbar(baum))
                return std::nullopt;
            return QPoint(tab2.x() - 30, rechteck(baum).y() - 5);
        }
        case 104: {
            QWidget *w = teil(u"AListe");
            if ((such != 1 && such != 5) || !sichtbar(w))
                return std::nullopt;
            const QRect r = rechteck(w);
            return QPoint(r.x() + 120, r.y() + 1);
        }
        case 105: {
            QWidget *w = teil(u"CheAuswahlV");
            if ((such != 1 && such != 5) || !sichtbar(w))
                return std::nullopt;
            const QRect r = rechteck(w);
            return QPoint(r.x() - 20, r.y());
        }
        case 106:
            return aufTab(2);
        case 107:
            return aufTab(3);
        case 108:
            return aufTab(4);
        case 201:
            return aufTab(2);
        case 202:
        case 302:
        case 402:
            return listenKopf();
        case 203:
            return obenRechts(u"LiAendOben");
        case 204:
        case 304: {
            // The lower list shown for the chosen possibility (the first of them by default).
            QWidget *w = nullptr;
            for (int k = 0; k < 16 && !sichtbar(w); ++k) {
                const QString name =
                    (seite == 2 ? QStringLiteral("LiAendUnten") : QStringLiteral("LiHerstUnten")) +
                    QString::number(k);
                w = m_aa.findChild<QWidget *>(name);
                if (w && !m_beobachtet.contains(w)) {
                    w->installEventFilter(const_cast<HilfeSteuerung *>(this));
                    m_beobachtet.append(w);
                }
            }
            if (!sichtbar(w))
                return std::nullopt;
            const QRect r = rechteck(w);
            return QPoint(r.x() + r.width() - 20, r.y() + r.height() - 20);
        }
        case 205: {
            QWidget *w = teil(u"CoAendernNameFormat");
            if (!sichtbar(w))
                return std::nullopt;
            const QRect r = rechteck(w);
            return QPoint(r.x() - 20, r.y());
        }
        case 206:
        case 305: {
            QWidget *w = teil(seite == 2 ? u"LiAendOben" : u"LiHerstOben");
            if (!sichtbar(w))
                return std::nullopt;
            const QRect r = rechteck(w);
            return QPoint(r.x() + 380, r.y() + (seite == 2 ? 60 : 35));
        }
        case 207: {
            for (const char16_t *name : {u"PaHinBenutzerwort", u"CoHinWas"})
                if (QWidget *w = teil(name); sichtbar(w)) {
                    const QRect r = rechteck(w);
                    return QPoint(r.x() + r.width() - 20, r.y() - 20);
                }
            return std::nullopt;
        }
        case 208:
        case 306:
        case 404:
            return ueberRechts(u"BuVorschauSchalter", 19);
        case 209:
        case 307:
        case 405:
            return ueberRechts(u"BeVorschauFehler", 20);
        case 210:
        case 308:
        case 406:
            return ueberRechts(u"BuAktion", 19);
        case 301:
            return aufTab(3);
        case 303:
            return obenRechts(u"LiHerstOben");
        case 401:
            return aufTab(4);
        case 403:
            return obenRechts(u"LiRegelAktion");
        case 407:
            return plus(-30);
        case 408:
            return aufTab(2);
        case 409:
            return aufTab(3);
        case 410:
            return plus(-5);
        case 411:
            return plus(20);
        default:
            return std::nullopt;
        }
    }

    void platzieren()
    {
        if (!an())
            return;
        const int aktuell = m_aa.AktuelleSeite;
        for (int s = 1; s <= 4; ++s)
            for (THilfeMarker *m : m_marker[size_t(s)]) {
                const std::optional<QPoint> p = s == aktuell ? platz(s, m->Nummer()) : std::nullopt;
                if (p) {
                    // A marker beside a control at the window's edge stays inside the window.
                    m->move(qBound(0, p->x(), m_aa.width() - m->width()),
                            qBound(0, p->y(), m_aa.height() - m->height()));
                    m->show();
                    m->raise();
                } else {
                    m->hide();
                }
            }
    }

    void naechsterBlinkt(int seite, int nr)
    {
        const auto &liste = m_marker[size_t(seite)];
        if (liste.empty() || m_blinkSchritte > 0)
            return;
        const int naechster = nr >= int(liste.size()) ? 1 : nr + 1;
        m_blinkMarker = liste[size_t(naechster - 1)];
        m_blinkSchritte = 4;
        blinkSchritt();
        m_blinken->start();
    }

    void blinkSchritt()
    {
        if (!m_blinkMarker || m_blinkSchritte <= 0) {
            m_blinken->stop();
            m_blinkSchritte = 0;
            return;
        }
        m_blinkMarker->Tauschen();
        if (--m_blinkSchritte == 0)
            m_blinken->stop();
    }

    Taa &m_aa;
    QCheckBox *m_che = nullptr;
    QLabel *m_la = nullptr;
    std::array<std::vector<THilfeMarker *>, 5> m_marker;
    mutable QList<QWidget *> m_beobachtet;
    QTimer *m_planen = nullptr;
    QTimer *m_blinken = nullptr;
    QPointer<THilfeMarker> m_blinkMarker;
    int m_blinkSchritte = 0;
};

} // namespace

void HilfeAnlegen(Taa &aa)
{
    auto *h = new HilfeSteuerung(aa);
    h->SchalterAnlegen();
}

} // namespace rinolux
