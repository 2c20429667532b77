#include "gui/pages/Form_ZAblage.h"

#include "core/shell/Fortschritt.h"
#include "core/util/nx_Debug.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/controls/nx_Register.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QCursor>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace rinolux {

namespace {

QGroupBox *frageGruppe(const QString &frage, QWidget *eltern)
{
    auto *g = new QGroupBox(eltern);
    auto *l = new QVBoxLayout(g);
    auto *text = new QLabel(frage, g);
    l->addWidget(text);
    return g;
}

QRadioButton *wahl(QGroupBox *g, const QString &name, const QString &text)
{
    auto *r = new QRadioButton(text, g);
    r->setObjectName(name);
    g->layout()->addWidget(r);
    return r;
}

// Keeps a small form whole on the screen of the mouse pointer, just below and right of it.
void beiDerMaus(QWidget *form)
{
    const QPoint maus = QCursor::pos();
    QRect r(maus + QPoint(8, 8), form->sizeHint());
    if (const QScreen *s = QGuiApplication::screenAt(maus)) {
        const QRect frei = s->availableGeometry();
        r.moveRight(std::min(r.right(), frei.right()));
        r.moveBottom(std::min(r.bottom(), frei.bottom()));
        r.moveLeft(std::max(r.left(), frei.left()));
        r.moveTop(std::max(r.top(), frei.top()));
    }
    form->move(r.topLeft());
}

} // namespace

// ---- the large form

Tzg::Tzg(QChar quelle, const QStringList &punkte, QWidget *eltern) : QDialog(eltern), m_punkte(punkte)
{
    setObjectName(QStringLiteral("zg"));
    setWindowTitle(QStringLiteral("Kopieren in die Zwischenablage"));
    m_info.quelle = quelle;
    m_info.zeilen = ZAZeilen::FormOffen;
    m_info.anzahl = int(punkte.size());

    auto *spalte = new QVBoxLayout(this);
    auto *regPanel = new QFrame(this);
    regPanel->setObjectName(QStringLiteral("PaZwischenAblageReg"));
    regPanel->setFixedHeight(28);
    m_reg = new TNxReg(QStringLiteral("ZwischenAblageReg"), 10, regPanel);
    m_reg->MarkierungenZeigen = true;
    m_reg->ZiehenErlaubt = true;
    spalte->addWidget(regPanel);

    auto *mitte = new QHBoxLayout;
    m_liste = new TNxRotListe(this, QStringLiteral("ZAblageListe"), {.linksKlick = true});
    TNxTypSpalte &sp = m_liste->Spalte(m_liste->SpalteNeu(SpaltenTyp::Text));
    sp.titel = QStringLiteral(" Information");
    m_liste->ZeilenLeeren(int(punkte.size()));
    for (const QString &p : punkte)
        m_liste->Daten().ZelleSetzen(m_liste->Daten().ZeilenAnhaengen(), 1, p);
    m_liste->setMinimumSize(420, 260);
    m_liste->Neuzeichnen();
    mitte->addWidget(m_liste, 1);

    auto *rechts = new QVBoxLayout;
    QGroupBox *kopf = frageGruppe(QStringLiteral("Soll eine Überschrift\nhinzugefügt werden?"), this);
    m_raMit = wahl(kopf, QStringLiteral("RaMitUeberschrift"), QStringLiteral("ja, mit Überschrift"));
    m_raOhne = wahl(kopf, QStringLiteral("RaOhneUeberschrift"), QStringLiteral("nein, ohne Überschrift"));
    m_raMit->setChecked(true);
    rechts->addWidget(kopf);

    QGroupBox *zeilen =
        frageGruppe(QStringLiteral("Von welchen Zeilen sollen\nInformationen kopiert werden?"), this);
    m_raZeilen = {
        wahl(zeilen, QStringLiteral("RaZeilenAlle"), QStringLiteral("von allen")),
        wahl(zeilen, QStringLiteral("RaZeilenAusgewaehlte"), QStringLiteral("von allen ausgewählten")),
        wahl(zeilen, QStringLiteral("RaZeilenNichtAusgewaehlte"),
             QStringLiteral("von allen nicht-ausgewählten"))};
    m_raZeilen[0]->setChecked(true);
    rechts->addWidget(zeilen);

    QGroupBox *trenn = frageGruppe(QStringLiteral("Die Informationen sollen\ngetrennt werden durch:"), this);
    m_raTrenn = {wahl(trenn, QStringLiteral("RaTrennTab"), QStringLiteral("Tabulator")),
                 wahl(trenn, QStringLiteral("RaTrennLeer"), QStringLiteral("Leerzeichen")),
                 wahl(trenn, QStringLiteral("RaTrennZeile"), QStringLiteral("Zeilenschaltung")), nullptr};
    auto *eigene = new QHBoxLayout;
    m_raTrenn[3] = new QRadioButton(trenn);
    m_raTrenn[3]->setObjectName(QStringLiteral("RaTrennEigen"));
    m_edTrenn = new QLineEdit(QStringLiteral(";"), trenn);
    m_edTrenn->setObjectName(QStringLiteral("EdTrenn"));
    eigene->addWidget(m_raTrenn[3]);
    eigene->addWidget(m_edTrenn, 1);
    static_cast<QVBoxLayout *>(trenn->layout())->addLayout(eigene);
    m_raTrenn[0]->setChecked(true);
    connect(m_edTrenn, &QLineEdit::textEdited, this, [this] { m_raTrenn[3]->setChecked(true); });
    rechts->addWidget(trenn);
    rechts->addStretch(1);
    mitte->addLayout(rechts);
    spalte->addLayout(mitte, 1);

    auto *unten = new QHBoxLayout;
    auto *schnell = new QPushButton(QStringLiteral("Schnell-Auswahl"), this);
    schnell->setObjectName(QStringLiteral("BuSchnellAuswahl"));
    m_buOK = new QPushButton(QStringLiteral("OK"), this);
    m_buOK->setObjectName(QStringLiteral("UntenOKSchalter"));
    m_buOK->setDefault(true);
    auto *abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("UntenAbbrechenSchalter"));
    unten->addWidget(schnell);
    unten->addStretch(1);
    unten->addWidget(m_buOK);
    unten->addWidget(abbrechen);
    spalte->addLayout(unten);

    connect(schnell, &QPushButton::clicked, this, &Tzg::SchnellAuswahl);
    connect(m_buOK, &QPushButton::clicked, this, [this] {
        uebernehmen();
        accept();
    });
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_liste, &TNxRotListe::LinksKlick, this, [this](int, int zeile) { PunktWaehlen(zeile); });
    connect(m_reg, &TNxReg::NachWechsel, this, &Tzg::tabGewechselt);
    connect(m_reg, &TNxReg::VorTausch, this, [this](int tab, int) {
        if (m_ziehVon == 0)
            m_ziehVon = tab;
    });
    // The strip moves the dragged tab step by step; the columns of the two tabs swap.
    connect(m_reg, &TNxReg::NachAblegen, this, [this](int nach) {
        if (m_ziehVon >= 1 && m_ziehVon <= 10 && nach >= 1 && nach <= 10)
            std::swap(m_spalten[size_t(m_ziehVon - 1)], m_spalten[size_t(nach - 1)]);
        m_ziehVon = 0;
        tabsAnzeigen();
        tabGewechselt(m_reg->Aktuell());
    });

    m_reg->AktuellSetzen(1);
    tabsAnzeigen();
    tabGewechselt(1);
}

Tzg::~Tzg() = default;

void Tzg::tabsAnzeigen()
{
    bool eine = false;
    for (int t = 1; t <= 10; ++t) {
        TNxTab &tab = m_reg->Tab(t);
        tab.beschriftung =
            QString::number(t) + (t == 1 || t == 10 ? QStringLiteral(". Information") : QStringLiteral("."));
        tab.markierung = m_spalten[size_t(t - 1)] > 1 ? 1 : 0;
        eine = eine || tab.markierung != 0;
    }
    m_reg->NeuZeichnen();
    m_buOK->setEnabled(eine);
}

void Tzg::tabGewechselt(int tab)
{
    if (tab < 1 || tab > 10)
        return;
    const int punkt = m_spalten[size_t(tab - 1)];
    m_liste->AktPositionSetzen(std::clamp(punkt, 1, std::max(1, m_liste->Daten().Anzahl())));
    m_liste->Neuzeichnen();
}

void Tzg::PunktWaehlen(int punkt)
{
    const int tab = m_reg->Aktuell();
    if (tab < 1 || tab > 10 || punkt < 1 || punkt > m_punkte.size())
        return;
    m_spalten[size_t(tab - 1)] = punkt;
    tabsAnzeigen();
    tabGewechselt(tab);
}

void Tzg::SchnellAuswahl()
{
    TNxZwischenAblageInfo info;
    info.quelle = m_info.quelle;
    ZASchnellAuswahl(info, m_punkte);
    m_spalten = info.spalten;
    m_raMit->setChecked(true);
    m_raZeilen[0]->setChecked(true);
    m_raTrenn[0]->setChecked(true);
    tabsAnzeigen();
    tabGewechselt(m_reg->Aktuell());
}

void Tzg::uebernehmen()
{
    m_info.spalten = m_spalten;
    for (size_t s = 0; s < 10; ++s)
        m_info.titel[s] = m_spalten[s] > 1 ? m_punkte.value(m_spalten[s] - 1) : QString();
    m_info.ueberschrift = m_raMit->isChecked();
    m_info.zeilen = m_raZeilen[1]->isChecked()   ? ZAZeilen::Ausgewaehlte
                    : m_raZeilen[2]->isChecked() ? ZAZeilen::NichtAusgewaehlte
                                                 : ZAZeilen::Alle;
    if (m_raTrenn[1]->isChecked())
        m_info.trenner = QStringLiteral(" ");
    else if (m_raTrenn[2]->isChecked())
        m_info.trenner = ZAZeilenEnde();
    else if (m_raTrenn[3]->isChecked())
        m_info.trenner = m_edTrenn->text();
    else
        m_info.trenner = QStringLiteral("\t");
}

// ---- the small form

Tzk::Tzk(int kleinCode, QWidget *eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("zk"));
    setWindowTitle(QStringLiteral("Kopieren in die ZA"));
    auto *spalte = new QVBoxLayout(this);
    const std::array<QString, 3> texte = ZAKleinKnoepfe(kleinCode);
    for (int k = 1; k <= 3; ++k) {
        auto *b = new QPushButton(texte[size_t(k - 1)], this);
        b->setObjectName(QStringLiteral("BuZAKlein") + QString::number(k));
        b->setVisible(!texte[size_t(k - 1)].isEmpty());
        b->setMinimumWidth(220);
        connect(b, &QPushButton::clicked, this, [this, k] {
            m_knopf = k;
            accept();
        });
        spalte->addWidget(b);
    }
    auto *abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("BuZAKleinAbbrechen"));
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    spalte->addWidget(abbrechen);
    adjustSize();
    beiDerMaus(this);
}

Tzk::~Tzk() = default;

// ---- the export

void ZwischenAblageSetzen(const QString &text)
{
    nxDebugZeile(QStringLiteral("Aktion_Zwischenablage_Clipboard"));
    QGuiApplication::clipboard()->setText(text);
}

std::vector<ZASpalte> ZASichtbareSpalten(const TNxRotListe &liste)
{
    std::vector<ZASpalte> r;
    for (int s = 1; s <= liste.SpaltenAnzahl(); ++s) {
        const TNxTypSpalte &sp = liste.Spalte(s);
        // Symbol, mark and spacer columns show no text.
        if (sp.sichtbar && sp.typ != SpaltenTyp::Symbol && sp.typ != SpaltenTyp::Mark &&
            sp.typ != SpaltenTyp::Leer)
            r.push_back({s, sp.typ, sp.titel});
    }
    return r;
}

bool ZwischenAblageStarten(const QString &code, const ZAQuelle &quelle, Fortschritt &fort, QWidget *eltern)
{
    DebugSchritt schritt(QStringLiteral("Aktion_ZwischenAblage ") + code);
    // The progress shows in the middle of the window, whichever list it is about.
    const QString anker = QStringLiteral("aa");
    std::optional<QString> text;
    if (code.size() == 5 && code.startsWith(QStringLiteral("ZA_G")) && code.at(4) == quelle.art) {
        Tzg form(quelle.art, ZAPunkte(quelle), eltern);
        if (form.exec() != QDialog::Accepted || form.Info().zeilen == ZAZeilen::FormOffen)
            return false;
        fort.FortEin(1, anker);
        text = ZAGrossText(quelle, form.Info(), &fort, ZAZeilenEnde());
        fort.FortAus();
    } else if (const int klein = ZAKleinCode(code);
               klein > 0 && ZAKleinAuswerten(klein, 1).quelle == quelle.art) {
        Tzk form(klein, eltern);
        if (form.exec() != QDialog::Accepted || form.Knopf() == 0)
            return false;
        fort.FortEin(1, anker);
        text = ZAKleinText(quelle, klein, form.Knopf(), &fort, ZAZeilenEnde());
        fort.FortAus();
    } else {
        nxDebugZeile(QStringLiteral("Aktion_ZwischenAblage: unbekannter Code ") + code);
        return false;
    }
    if (!text || text->isEmpty())
        return false;
    ZwischenAblageSetzen(*text);
    return true;
}

} // namespace rinolux
