#include "gui/controls/TNxEditSchalter.h"

#include "core/util/nx_Adresse.h"
#include "core/util/nx_Debug.h"
#include "gui/controls/Form_Eingabe.h"

#include <QApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

#include <cstdlib>

namespace rinolux {

namespace {

EditSchalterUmgebung *g_umgebung = nullptr;

class OhneFenster final : public EditSchalterUmgebung
{
};

constexpr int Hoehe = 20;

enum class Seite { Oben, Unten, Links, Rechts };

Seite seiteFuer(int platz)
{
    switch (platz) {
    case 1:
    case 2:
        return Seite::Unten;
    case 3:
    case 4:
        return Seite::Oben;
    case 5:
    case 6:
        return Seite::Links;
    default:
        return Seite::Rechts;
    }
}

// One side of a field: its groups of buttons, each placed by its own code and offset as if
// the field's edge ran along the strip's edge.
class SchalterLeiste final : public QWidget
{
public:
    SchalterLeiste(Seite seite, QWidget *eltern) : QWidget(eltern), m_seite(seite) {}

    // A 10 x 10 symbol at the strip's right end; the buttons keep clear of it.
    void SymbolSetzen(QWidget *symbol)
    {
        m_symbol = symbol;
        updateGeometry();
        anordnen();
    }

    void GruppeNeu(int platz, int abstand, const QList<TNxEditSchalter *> &schalter)
    {
        m_gruppen.append({platz, abstand, schalter});
        updateGeometry();
        anordnen();
    }

    QSize sizeHint() const override
    {
        int breite = 0, hoehe = 0, vonOben = 0, vonUnten = 0;
        for (const Gruppe &g : m_gruppen) {
            int summe = 0, groesste = 0;
            for (TNxEditSchalter *s : g.schalter) {
                summe += s->sizeHint().width();
                groesste = qMax(groesste, s->sizeHint().width());
            }
            const int n = int(g.schalter.size());
            if (m_seite == Seite::Oben || m_seite == Seite::Unten) {
                breite += g.abstand + summe;
                hoehe = Hoehe;
            } else if (g.platz == 17) {
                breite = qMax(breite, summe);
                vonOben = qMax(vonOben, g.abstand + Hoehe);
            } else {
                breite = qMax(breite, groesste);
                int &ende = (g.platz == 6 || g.platz == 8) ? vonUnten : vonOben;
                ende = qMax(ende, g.abstand + n * Hoehe);
            }
        }
        // Groups that grow from the top and from the bottom of the same side never overlap.
        if (m_seite == Seite::Links || m_seite == Seite::Rechts)
            hoehe = vonOben + vonUnten;
        if (m_symbol) {
            breite += 12;
            hoehe = qMax(hoehe, 10);
        }
        return QSize(breite, hoehe);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent *) override { anordnen(); }

private:
    struct Gruppe
    {
        int platz;
        int abstand;
        QList<TNxEditSchalter *> schalter;
    };

    void anordnen()
    {
        const int w = width(), h = height();
        if (m_symbol)
            m_symbol->setGeometry(w - 10, 0, 10, 10);
        QRect feld;
        switch (m_seite) {
        case Seite::Unten:
            feld = QRect(0, -1, w - (m_symbol ? 12 : 0), 1);
            break;
        case Seite::Oben:
            feld = QRect(0, Hoehe, w, 1);
            break;
        case Seite::Links:
            feld = QRect(w, 0, 1, h);
            break;
        case Seite::Rechts:
            feld = QRect(-1, 0, 1, h);
            break;
        }
        for (const Gruppe &g : m_gruppen) {
            QList<int> breiten;
            for (TNxEditSchalter *s : g.schalter)
                breiten.append(s->sizeHint().width());
            const QList<QRect> r = SchalterPlatzieren(feld, g.platz, g.abstand, breiten);
            for (int i = 0; i < g.schalter.size(); ++i)
                g.schalter[i]->setGeometry(r[i]);
        }
    }

    Seite m_seite;
    QList<Gruppe> m_gruppen;
    QWidget *m_symbol = nullptr;
};

// The picture of the autocomplete symbol: a small list with a pointer.
class SymbolBild final : public QWidget
{
public:
    SymbolBild(std::function<void()> klick, QWidget *eltern) : QWidget(eltern), m_klick(std::move(klick))
    {
        setFixedSize(10, 10);
        setCursor(Qt::PointingHandCursor);
        setToolTip(QStringLiteral("Wörter-Liste beim Eintippen"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(255, 255, 187));
        p.setPen(QColor(0, 0, 128));
        p.drawRect(0, 0, 9, 9);
        for (int y : {3, 5, 7})
            p.drawLine(2, y, 7, y);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
            return;
        if (m_klick)
            m_klick();
        else
            EditSchalterUmgebungAktuell().AutoSymbolErklaeren(this);
    }

private:
    std::function<void()> m_klick;
};

// Holds a field together with its buttons and spin button in the field's place of its
// parent's layout, so the buttons take room of their own and follow the field.
class EditHalter final : public QWidget
{
public:
    EditHalter(QWidget *feld, QWidget *eltern) : QWidget(eltern), m_feld(feld)
    {
        setObjectName(feld->objectName() + QStringLiteral("Halter"));
        m_raster = new QGridLayout(this);
        m_raster->setContentsMargins(0, 0, 0, 0);
        m_raster->setSpacing(0);
        m_raster->setColumnStretch(1, 1);
        m_raster->setRowStretch(1, 1);
    }

    QGridLayout *Raster() const { return m_raster; }
    // The field's row: the field and, right beside it, its spin button.
    QHBoxLayout *Zeile()
    {
        if (!m_zeile) {
            m_zeile = new QHBoxLayout;
            m_zeile->setSpacing(0);
            m_zeile->setContentsMargins(0, 0, 0, 0);
            m_raster->addLayout(m_zeile, 1, 1);
        }
        return m_zeile;
    }

    SchalterLeiste *Leiste(Seite seite)
    {
        SchalterLeiste *&l = m_leisten[int(seite)];
        if (!l) {
            l = new SchalterLeiste(seite, this);
            switch (seite) {
            case Seite::Oben:
                m_raster->addWidget(l, 0, 1);
                break;
            case Seite::Unten:
                m_raster->addWidget(l, 2, 1);
                break;
            case Seite::Links:
                m_raster->addWidget(l, 1, 0);
                break;
            case Seite::Rechts:
                m_raster->addWidget(l, 1, 3);
                break;
            }
            // Shown and hidden with the holder, never on its own.
            l->show();
        }
        return l;
    }

private:
    QWidget *m_feld;
    QGridLayout *m_raster;
    QHBoxLayout *m_zeile = nullptr;
    SchalterLeiste *m_leisten[4] = {};
};

// Hides and shows the holder with its field, so a hidden field leaves no buttons behind.
class FeldBeobachter final : public QObject
{
public:
    FeldBeobachter(QWidget *feld, QWidget *halter) : QObject(feld), m_halter(halter)
    {
        feld->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::HideToParent && m_halter)
            m_halter->hide();
        else if (event->type() == QEvent::ShowToParent && m_halter)
            m_halter->show();
        return false;
    }

private:
    QPointer<QWidget> m_halter;
};

const char *const HalterEigenschaft = "rinoluxEditHalter";

EditHalter *halterFuer(QWidget *feld)
{
    if (auto *h = qobject_cast<QWidget *>(feld->property(HalterEigenschaft).value<QObject *>()))
        return static_cast<EditHalter *>(h);
    QWidget *eltern = feld->parentWidget();
    if (!eltern || !eltern->layout())
        return nullptr;
    const bool versteckt = feld->isHidden();
    QWidget *vorher = feld->previousInFocusChain();
    auto *halter = new EditHalter(feld, eltern);
    QLayoutItem *alt = eltern->layout()->replaceWidget(feld, halter);
    if (!alt) {
        delete halter;
        return nullptr;
    }
    halter->setSizePolicy(feld->sizePolicy());
    halter->Zeile()->addWidget(feld);
    // A field of fixed width keeps to the left of its column when the buttons are wider.
    if (feld->maximumWidth() < QWIDGETSIZE_MAX || feld->sizePolicy().horizontalPolicy() == QSizePolicy::Fixed)
        halter->Zeile()->addStretch(1);
    delete alt;
    if (vorher && vorher != feld)
        QWidget::setTabOrder(vorher, feld);
    feld->setVisible(!versteckt);
    halter->setVisible(!versteckt);
    new FeldBeobachter(feld, halter);
    feld->setProperty(HalterEigenschaft, QVariant::fromValue<QObject *>(halter));
    return halter;
}

// A field outside any layout: the buttons stand beside it in its parent and follow it.
class FreieSchalter final : public QObject
{
public:
    FreieSchalter(QWidget *feld, int platz, int abstand, QList<TNxEditSchalter *> schalter)
        : QObject(feld), m_feld(feld), m_platz(platz), m_abstand(abstand), m_schalter(std::move(schalter))
    {
        feld->installEventFilter(this);
        anordnen();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            anordnen();
            break;
        case QEvent::HideToParent:
            for (auto *s : m_schalter)
                s->hide();
            break;
        case QEvent::ShowToParent:
            for (auto *s : m_schalter)
                s->show();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void anordnen()
    {
        QList<int> breiten;
        for (auto *s : m_schalter)
            breiten.append(s->sizeHint().width());
        const QList<QRect> r = SchalterPlatzieren(m_feld->geometry(), m_platz, m_abstand, breiten);
        for (int i = 0; i < m_schalter.size(); ++i)
            m_schalter[i]->setGeometry(r[i]);
    }

    QWidget *m_feld;
    int m_platz;
    int m_abstand;
    QList<TNxEditSchalter *> m_schalter;
};

[[noreturn]] void formatFehler(const QWidget *feld)
{
    const QString text = QStringLiteral("EditSchalter: Falsches Format für Control \"") + feld->objectName() +
                         QStringLiteral("\".");
    nxDebugZeile(text);
    QMessageBox::critical(nullptr, QStringLiteral("Rinolux"), text);
    std::abort();
}

QString dateiMuster(bool programm)
{
#ifdef Q_OS_WIN
    return programm ? QStringLiteral("*.exe") : QStringLiteral("*");
#else
    // Programs carry no extension here.
    static_cast<void>(programm);
    return QStringLiteral("*");
#endif
}

} // namespace

std::optional<QString> EditSchalterUmgebung::PfadWaehlen(bool, const QString &, const QString &, QWidget *)
{
    return std::nullopt;
}

std::optional<QString> EditSchalterUmgebung::WortWaehlen(QWidget *)
{
    return std::nullopt;
}

void EditSchalterUmgebung::HilfeZeigen(const QString &, QWidget *) {}

void EditSchalterUmgebung::InfoZeigen(const QString &, QWidget *) {}

void EditSchalterUmgebungSetzen(EditSchalterUmgebung *umgebung)
{
    g_umgebung = umgebung;
}

EditSchalterUmgebung &EditSchalterUmgebungAktuell()
{
    static OhneFenster ohne;
    return g_umgebung ? *g_umgebung : ohne;
}

QString FeldText(const QWidget *feld)
{
    if (auto *e = qobject_cast<const QLineEdit *>(feld))
        return e->text();
    if (auto *m = qobject_cast<const QPlainTextEdit *>(feld))
        return m->toPlainText();
    if (auto *r = qobject_cast<const QTextEdit *>(feld))
        return r->toPlainText();
    return QString();
}

void FeldTextSetzen(QWidget *feld, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(feld)) {
        e->setText(text);
        e->setCursorPosition(int(text.size()));
        e->deselect();
    } else if (auto *m = qobject_cast<QPlainTextEdit *>(feld)) {
        m->setPlainText(text);
        m->moveCursor(QTextCursor::End);
    } else if (auto *r = qobject_cast<QTextEdit *>(feld)) {
        r->setPlainText(text);
        r->moveCursor(QTextCursor::End);
    }
}

namespace {

void feldEinfuegen(QWidget *feld, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(feld)) {
        e->insert(text);
        e->deselect();
    } else if (auto *m = qobject_cast<QPlainTextEdit *>(feld)) {
        m->textCursor().insertText(text);
    } else if (auto *r = qobject_cast<QTextEdit *>(feld)) {
        r->textCursor().insertText(text);
    }
}

void caretNachListe(QWidget *feld, bool ende)
{
    feld->setFocus();
    if (auto *m = qobject_cast<QPlainTextEdit *>(feld)) {
        m->moveCursor(ende ? QTextCursor::End : QTextCursor::Start);
        m->ensureCursorVisible();
    } else if (auto *e = qobject_cast<QLineEdit *>(feld)) {
        e->setCursorPosition(ende ? int(e->text().size()) : 0);
    }
}

// The result of an action code; empty changes nothing.
QString aktion(const QString &code, QWidget *feld)
{
    EditSchalterUmgebung &u = EditSchalterUmgebungAktuell();
    const QString text = FeldText(feld);
    auto waehlen = [&](bool datei, bool programm, bool anhaengen, bool ohnePfad) {
        const std::optional<QString> pfad =
            u.PfadWaehlen(datei, dateiMuster(programm), anhaengen ? QString() : text, feld);
        if (!pfad || pfad->isEmpty())
            return text;
        if (anhaengen)
            return ZeileAnhaengen(text, *pfad);
        return ohnePfad ? nxAdresseNameFormat(*pfad) : *pfad;
    };
    if (code == u"#m")
        return u.WortWaehlen(feld).value_or(QString());
    if (code == u"#aktuellerpfad")
        return u.AktuellerPfad();
    if (code == u"#aktuellerpfad1310") {
        const QString p = u.AktuellerPfad();
        return p.isEmpty() ? QString() : p + QStringLiteral("\n");
    }
    if (code == u"#freilistenamen")
        return FreiListeNamen(u.VorschauNamen(), u.NameFormatArt());
    if (code == u"#listesuchepos1" || code == u"#listesucheposende") {
        caretNachListe(feld, code.endsWith(u"ende"));
        return QString();
    }
    if (code == u"#listesuchegross" || code == u"#listeaenderngross" || code == u"#listeherstgross") {
        const QString name = code == u"#listesuchegross"     ? QStringLiteral("ee_suche")
                             : code == u"#listeaenderngross" ? QStringLiteral("ee_aendern")
                                                             : QStringLiteral("ee_herst");
        Tee::Bearbeiten(feld, name);
        return QString();
    }
    if (code.startsWith(u"#zeit"))
        return ZeitTeil(code, QDateTime::currentDateTime());
    if (code == u"#verzeichnis")
        return waehlen(false, false, false, false);
    if (code == u"#verzeichnis1310")
        return waehlen(false, false, true, false);
    if (code == u"#dateimitpfad")
        return waehlen(true, false, false, false);
    if (code == u"#dateimitpfad1310")
        return waehlen(true, false, true, false);
    if (code == u"#dateiohnepfad")
        return waehlen(true, false, false, true);
    if (code == u"#exemitpfad")
        return waehlen(true, true, false, false);
    if (code == u"#ersteauswahldateimitpfad")
        return u.ErsteAuswahlDatei();
    if (code == u"#ersteauswahldateiohnepfad")
        return nxAdresseNameFormat(u.ErsteAuswahlDatei());
    if (code == u"#autoverbindeninfo" || code == u"#ersterwertinfo" || code == u"#diffinfo" ||
        code == u"#matrixinfo1" || code == u"#matrixinfo2") {
        u.HilfeZeigen(code, feld);
        return QString();
    }
    return code;
}

} // namespace

TNxEditSchalter::TNxEditSchalter(QWidget *feld, const SchalterDefinition &definition, int platz,
                                 QWidget *eltern)
    : QFrame(eltern), m_feld(feld), m_code(definition.code),
      m_titel(SchalterTitel(definition.titel, definition.zeiger, platz)), m_ersetzen(definition.ersetzen),
      m_platz(platz)
{
    setObjectName(feld->objectName() + QStringLiteral("Schalter"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(definition.titel);
}

QSize TNxEditSchalter::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(m_titel) + 7, Hoehe);
}

void TNxEditSchalter::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const bool rechts = m_platz == 5 || m_platz == 6;
    const QRect r = rect().adjusted(3, 0, -3, 0).translated(m_gedrueckt ? 1 : 0, m_gedrueckt ? 1 : 0);
    p.drawText(r, Qt::AlignVCenter | (rechts ? Qt::AlignRight : Qt::AlignLeft), m_titel);
}

void TNxEditSchalter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_gedrueckt = true;
    setFrameShadow(QFrame::Sunken);
}

void TNxEditSchalter::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_gedrueckt)
        return;
    m_gedrueckt = false;
    setFrameShadow(QFrame::Raised);
    if (rect().contains(event->position().toPoint()))
        Ausfuehren();
}

void TNxEditSchalter::Ausfuehren()
{
    QWidget *feld = m_feld;
    if (!feld || !feld->isEnabled())
        return;
    EditSchalterUmgebungAktuell().AutoVervollSchliessen();
    const QString ergebnis = m_code.startsWith(u'#') ? aktion(m_code, feld) : m_code;
    if (!m_feld)
        return; // the field went away while a form was open
    if (m_ersetzen) {
        if (m_code.isEmpty() || !ergebnis.isEmpty()) {
            FeldTextSetzen(feld, ergebnis);
            feld->setFocus();
        }
    } else if (!ergebnis.isEmpty()) {
        feld->setFocus();
        feldEinfuegen(feld, ergebnis);
    }
}

TNxEditSpin::TNxEditSpin(QWidget *feld, bool alphabetisch, qint64 minimum, qint64 maximum, QWidget *eltern)
    : QFrame(eltern), m_feld(feld), m_alphabetisch(alphabetisch), m_minimum(minimum), m_maximum(maximum)
{
    setObjectName(feld->objectName() + QStringLiteral("Spin"));
    setFixedSize(20, 18);
    auto knopf = [this](Qt::ArrowType pfeil, int y, int s) {
        auto *b = new QToolButton(this);
        b->setArrowType(pfeil);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(0, y, 20, 9);
        b->setIconSize(QSize(6, 6));
        connect(b, &QToolButton::clicked, this, [this, s] { Schritt(s); });
        return b;
    };
    m_auf = knopf(Qt::UpArrow, 0, 1);
    m_ab = knopf(Qt::DownArrow, 9, -1);
    m_auf->setObjectName(objectName() + QStringLiteral("Auf"));
    m_ab->setObjectName(objectName() + QStringLiteral("Ab"));
}

void TNxEditSpin::Schritt(int s)
{
    QWidget *feld = m_feld;
    if (!feld || !feld->isEnabled())
        return;
    FeldTextSetzen(feld, SpinSchritt(FeldText(feld), s, m_alphabetisch, m_minimum, m_maximum));
}

QList<TNxEditSchalter *> EditSchalter(QWidget *feld, const QStringList &definitionen, int platz, int abstand)
{
    Q_ASSERT(feld);
    QList<SchalterDefinition> defs;
    for (const QString &d : definitionen) {
        const std::optional<SchalterDefinition> def = SchalterDefinitionLesen(d);
        if (!def || !SchalterPlatzGueltig(platz))
            formatFehler(feld);
        defs.append(*def);
    }
    QList<TNxEditSchalter *> schalter;
    if (EditHalter *halter = halterFuer(feld)) {
        SchalterLeiste *leiste = halter->Leiste(seiteFuer(platz));
        for (const SchalterDefinition &d : defs) {
            auto *s = new TNxEditSchalter(feld, d, platz, leiste);
            s->show();
            schalter.append(s);
        }
        leiste->GruppeNeu(platz, abstand, schalter);
        return schalter;
    }
    QWidget *eltern = feld->parentWidget();
    for (const SchalterDefinition &d : defs) {
        auto *s = new TNxEditSchalter(feld, d, platz, eltern);
        s->lower();
        s->setVisible(!feld->isHidden());
        schalter.append(s);
    }
    new FreieSchalter(feld, platz, abstand, schalter);
    return schalter;
}

QWidget *AutoSymbol(QWidget *feld, std::function<void()> klick)
{
    if (EditHalter *halter = halterFuer(feld)) {
        SchalterLeiste *leiste = halter->Leiste(Seite::Unten);
        auto *symbol = new SymbolBild(std::move(klick), leiste);
        symbol->setObjectName(QStringLiteral("ImAutoVervoll") + feld->objectName());
        leiste->SymbolSetzen(symbol);
        return symbol;
    }
    auto *symbol = new SymbolBild(std::move(klick), feld->parentWidget());
    symbol->setObjectName(QStringLiteral("ImAutoVervoll") + feld->objectName());
    const QRect g = feld->geometry();
    symbol->move(g.right() - 9, g.bottom() + 1);
    return symbol;
}

TNxEditSpin *Spin(QWidget *feld, QChar modus, qint64 minimum, qint64 maximum)
{
    const bool alphabetisch = modus.toUpper() == u'A';
    if (EditHalter *halter = halterFuer(feld)) {
        auto *spin = new TNxEditSpin(feld, alphabetisch, minimum, maximum, halter);
        halter->Zeile()->insertWidget(1, spin, 0, Qt::AlignTop);
        return spin;
    }
    auto *spin = new TNxEditSpin(feld, alphabetisch, minimum, maximum, feld->parentWidget());
    const QRect g = feld->geometry();
    spin->move(g.x() + g.width() - 1, g.y() + 1);
    spin->lower();
    return spin;
}

} // namespace rinolux
