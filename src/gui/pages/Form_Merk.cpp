#include "gui/pages/Form_Merk.h"

#include "core/util/nx_Debug.h"
#include "gui/app/SchalterRahmen.h"
#include "gui/controls/TNxEditPop.h"
#include "gui/controls/TNxRotListe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace rinolux {

Tmm::Tmm(const WortListe &woerter, const QString &seitenName, int rahmenDicke, QWidget *eltern)
    : QDialog(eltern)
{
    setObjectName(QStringLiteral("mm"));
    setWindowTitle(QStringLiteral("Wörter-Liste"));
    EditMenueEinrichten();
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    auto *oben = new QWidget(this);
    oben->setObjectName(QStringLiteral("PaGanzOben"));
    oben->setFixedHeight(50);
    for (int i = 0; i < 26; ++i) {
        const QChar c(u'A' + i);
        auto *b = new QPushButton(QString(c), oben);
        b->setObjectName(QStringLiteral("BuBuchstabe") + c);
        b->setProperty("tag", i + 1);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(6 + 31 * (i / 2), i % 2 == 0 ? 5 : 25, 30, 20);
        connect(b, &QPushButton::clicked, this, [this, c] { Springen(c.toLower()); });
    }
    spalte->addWidget(oben);

    auto *mitte = new QWidget(this);
    mitte->setObjectName(QStringLiteral("PaMitte"));
    auto *mv = new QVBoxLayout(mitte);
    mv->setContentsMargins(0, 0, 0, 0);
    m_liste = new TNxRotListe(
        mitte, QStringLiteral("MListe"),
        {.bereichMarkieren = true, .klickMarkiert = true, .linksKlick = true, .fuellGrenze = 0});
    TNxTypSpalte &sp = m_liste->Spalte(m_liste->SpalteNeu(SpaltenTyp::Text));
    sp.titel = QStringLiteral(" Wort");
    sp.fettVerz = true;
    ListenDaten &d = m_liste->Daten();
    d.Leeren(int(woerter.eigene.size() + woerter.weitere.size()) + 2);
    auto zeile = [&d](const QString &text, bool titel) {
        const int z = d.ZeilenAnhaengen();
        d.ZelleSetzen(z, 1, text);
        d.VerzSetzen(z, titel);
        return z;
    };
    zeile(QStringLiteral("eigene Wörter (von der Seite [") + seitenName.trimmed() + QStringLiteral("])"),
          true);
    for (const QString &w : woerter.eigene)
        zeile(w, false);
    zeile(QStringLiteral("weitere Wörter"), true);
    m_sprungAnfang = d.Anzahl() + 1;
    for (const QString &w : woerter.weitere)
        zeile(w, false);
    mv->addWidget(m_liste);
    spalte->addWidget(mitte, 1);
    connect(m_liste, &TNxRotListe::LinksKlick, this, [this](int, int z) { zeileKlicken(z); });
    connect(m_liste, &TNxRotListe::DoppelKlick, this, [this](int, int, int z) {
        zeileKlicken(z);
        uebernehmen();
    });

    auto *unten = new QWidget(this);
    unten->setObjectName(QStringLiteral("PaUnten"));
    unten->setFixedHeight(85);
    auto *la = new QLabel(
        QStringLiteral("ausgewähltes Wort   (Schnell-Auswahl: \"Doppeltdrücken\" auf das Wort)"), unten);
    la->setGeometry(2, 2, 410, 16);
    m_auswahl = new QLineEdit(unten);
    m_auswahl->setObjectName(QStringLiteral("EdUntenAuswahl"));
    la->setBuddy(m_auswahl);
    auto *ok = new QPushButton(QStringLiteral("Wort übernehmen"));
    ok->setObjectName(QStringLiteral("BuUntenOK"));
    auto *abbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("BuUntenA"));
    auto *okRahmen = new TSchalterRahmen(ok, QColor(0, 255, 0), rahmenDicke, unten);
    auto *aRahmen = new TSchalterRahmen(abbrechen, QColor(0, 255, 0), rahmenDicke, unten);
    for (QPushButton *b : {ok, abbrechen})
        b->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &Tmm::uebernehmen);
    connect(abbrechen, &QPushButton::clicked, this, [this] {
        nxDebugZeile(QStringLiteral("mm.UntenASchalterClick"));
        m_ergebnis.clear();
        reject();
    });
    spalte->addWidget(unten);

    // Client width 415, the work area's height.
    const QRect flaeche = (eltern && eltern->screen() ? eltern->screen() : QGuiApplication::primaryScreen())
                              ->availableGeometry();
    setMinimumSize(415, 270);
    resize(415, qMax(270, flaeche.height() - 40));
    move(flaeche.x() + (flaeche.width() - 415) / 2, flaeche.y());
    auto legen = [unten, okRahmen, aRahmen, this] {
        const int w = unten->width();
        m_auswahl->setGeometry(0, 20, w, 22);
        aRahmen->setGeometry(w - 125, 20 + 22 + 10, 120, 30);
        okRahmen->setGeometry(w - 125 - 135, 20 + 22 + 10, 120, 30);
    };
    legen();
    unten->installEventFilter(this);
    m_unten = legen;

    // Every key press passes the form first, for the quick jump.
    m_liste->installEventFilter(this);
    m_liste->Neuzeichnen();
}

void Tmm::zeileKlicken(int zeile)
{
    const ListenDaten &d = m_liste->Daten();
    if (zeile < 1 || zeile > d.Anzahl())
        return;
    m_auswahl->setText(d.Zelle(zeile, 1));
    m_auswahl->setCursorPosition(int(m_auswahl->text().size()));
}

void Tmm::uebernehmen()
{
    nxDebugZeile(QStringLiteral("mm.UntenOKSchalterClick"));
    m_ergebnis = WortAusZeile(m_auswahl->text());
    accept();
}

bool Tmm::Springen(QChar c)
{
    c = c.toLower();
    const ListenDaten &d = m_liste->Daten();
    for (int p = m_sprungAnfang; p <= d.Anzahl(); ++p) {
        const int z = d.ZeileAn(p);
        if (ErsterBuchstabe(d.Zelle(z, 1)) == c) {
            m_liste->AktPositionSetzen(p, true);
            zeileKlicken(z);
            m_liste->setFocus();
            return true;
        }
    }
    return false;
}

bool Tmm::eventFilter(QObject *objekt, QEvent *event)
{
    if (event->type() == QEvent::Resize && objekt != m_liste && m_unten)
        m_unten();
    if (objekt == m_liste && event->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(event);
        const QString t = k->text();
        if (t.size() == 1 && t[0].isLetter() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            Springen(t[0]);
            return true;
        }
    }
    return QDialog::eventFilter(objekt, event);
}

void Tmm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        nxDebugZeile(QStringLiteral("mm.UntenASchalterClick"));
        m_ergebnis.clear();
        reject();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !m_auswahl->text().isEmpty()) {
        uebernehmen();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace rinolux
