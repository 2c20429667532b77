#include "gui/controls/Form_Eingabe.h"

#include "core/util/nx_Debug.h"
#include "gui/app/SchalterRahmen.h"
#include "gui/controls/TNxEditPop.h"
#include "gui/controls/TNxEditSchalter.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace rinolux {

namespace {

constexpr int UntenHoehe = 50;

} // namespace

Tee::Tee(const QString &name, const QString &text, int rahmenDicke, QWidget *hauptfenster)
    : QDialog(hauptfenster)
{
    setObjectName(QStringLiteral("ee"));
    setProperty("formName", name);
    setWindowTitle(QStringLiteral("Inhalt des Eingabe-Feldes"));
    EditMenueEinrichten();

    m_eingabe = new QPlainTextEdit(this);
    m_eingabe->setObjectName(QStringLiteral("RiEingabe"));
    m_eingabe->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_eingabe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_eingabe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_eingabe->setPlainText(text);
    // Ctrl+Enter in the editor confirms instead of breaking the line.
    m_eingabe->installEventFilter(this);

    m_unten = new QWidget(this);
    m_unten->setObjectName(QStringLiteral("PaUnten"));
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("BuOK"));
    auto *okRahmen = new TSchalterRahmen(ok, QColor(255, 255, 0), rahmenDicke, m_unten);
    okRahmen->setGeometry(10, 10, 135, 30);
    auto *leer = new QPushButton(QStringLiteral("^ Leer"), m_unten);
    leer->setObjectName(QStringLiteral("BuLeer"));
    leer->setGeometry(155, 10, 50, 30);
    auto *abbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("BuAbbrechen"));
    m_abbrechenRahmen = new TSchalterRahmen(abbrechen, QColor(0, 255, 0), rahmenDicke, m_unten);
    for (QPushButton *b : {ok, leer, abbrechen})
        b->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(leer, &QPushButton::clicked, this, [this] {
        m_eingabe->clear();
        m_eingabe->setFocus();
    });

    if (hauptfenster) {
        const QRect g = hauptfenster->geometry();
        resize(600, qMax(200, g.height() - 50));
        move(g.x() + (g.width() - 600) / 2, g.y());
    } else {
        resize(600, 500);
    }
    m_eingabe->setFocus();
}

QString Tee::Text() const
{
    return m_eingabe->toPlainText();
}

void Tee::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    m_eingabe->setGeometry(0, 0, width(), height() - UntenHoehe);
    m_unten->setGeometry(0, height() - UntenHoehe, width(), UntenHoehe);
    m_abbrechenRahmen->setGeometry(width() - 150, 10, 140, 30);
}

namespace {

bool strgEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           (event->modifiers() & Qt::ControlModifier);
}

} // namespace

void Tee::keyPressEvent(QKeyEvent *event)
{
    if (strgEnter(event)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event); // ESC rejects
}

bool Tee::eventFilter(QObject *objekt, QEvent *event)
{
    if (objekt == m_eingabe && event->type() == QEvent::KeyPress &&
        strgEnter(static_cast<QKeyEvent *>(event))) {
        accept();
        return true;
    }
    return QDialog::eventFilter(objekt, event);
}

bool Tee::Bearbeiten(QWidget *feld, const QString &name)
{
    if (!feld || !feld->isEnabled())
        return false;
    DebugSchritt schritt(QStringLiteral("AnzeigeForm: ") + name);
    EditSchalterUmgebung &u = EditSchalterUmgebungAktuell();
    QWidget *fenster = u.Hauptfenster() ? u.Hauptfenster() : feld->window();
    Tee form(name, FeldText(feld), u.RahmenDicke(), fenster);
    const bool ok = form.exec() == QDialog::Accepted;
    if (ok && feld)
        FeldTextSetzen(feld, form.Text());
    return ok;
}

} // namespace rinolux
