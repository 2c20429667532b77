#include "gui/pages/LoeschenKopSeite.h"

#include "core/shell/Einstellungen.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/SchalterRahmen.h"
#include "gui/pages/SeitenUmgebung.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace rinolux {

namespace {

// The panel colours behind the action buttons: with the safety question, without it.
const QColor Gelb(255, 255, 0);
const QColor Orange(255, 128, 0);

} // namespace

TLoeschenKopSeite::TLoeschenKopSeite(SeitenUmgebung &umgebung, QWidget *eltern)
    : Seite(QStringLiteral("PaLoeschenKop"), umgebung, eltern)
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    m_paLoeschOben = SeitenPanel(QStringLiteral("PaLoeschOben"), this);
    m_paKopieOben = SeitenPanel(QStringLiteral("PaKopieOben"), this);
    m_paKopieOben->hide();
    spalte->addWidget(m_paLoeschOben);
    spalte->addWidget(m_paKopieOben);

    const int dicke = umgebung.Einst().RahmenDicke;
    const auto knopf = [&](const QString &name, QWidget *eltern) {
        auto *b = new QPushButton(eltern);
        b->setObjectName(name);
        auto *r = new TSchalterRahmen(b, Gelb, dicke, eltern);
        m_rahmen.push_back(r);
        return b;
    };

    auto *loeschZeile = new QHBoxLayout(m_paLoeschOben);
    m_buLoeschWP = knopf(QStringLiteral("BuLoeschWP"), m_paLoeschOben);
    m_buLoeschFI = knopf(QStringLiteral("BuLoeschFI"), m_paLoeschOben);
    loeschZeile->addWidget(m_rahmen[0]);
    loeschZeile->addWidget(m_rahmen[1]);
    loeschZeile->addStretch(1);

    auto *kopie = new QGridLayout(m_paKopieOben);
    auto *laZiel = new QLabel(QStringLiteral("Ziel-Verzeichnis"), m_paKopieOben);
    laZiel->setObjectName(QStringLiteral("LaKopieren"));
    m_edKopieren = new QLineEdit(m_paKopieOben);
    m_edKopieren->setObjectName(QStringLiteral("EdKopieren"));
    m_cheVerzStruktur = new QCheckBox(m_paKopieOben);
    m_cheVerzStruktur->setObjectName(QStringLiteral("CheVerzStruktur"));
    m_laVerzStruktur = new QLabel(QStringLiteral("mit Verzeichnisse-Struktur"), m_paKopieOben);
    m_laVerzStruktur->setObjectName(QStringLiteral("LaVerzStruktur"));
    m_buKopieren = knopf(QStringLiteral("BuKopieren"), m_paKopieOben);
    m_buVerschieben = knopf(QStringLiteral("BuVerschieben"), m_paKopieOben);
    kopie->addWidget(laZiel, 0, 0);
    kopie->addWidget(m_edKopieren, 0, 1, 1, 6);
    kopie->addWidget(m_cheVerzStruktur, 1, 0, Qt::AlignRight);
    kopie->addWidget(m_laVerzStruktur, 1, 1);
    kopie->addWidget(m_rahmen[2], 2, 0);
    kopie->addWidget(m_rahmen[3], 2, 1);

    // Moving into numbered directories: entries per directory, then number of directories.
    const struct
    {
        NummerArt art;
        qint64 wert;
        const char16_t *text;
    } nummern[] = {
        {NummerArt::JeVerzeichnis, 1000, u"1.000"},   {NummerArt::JeVerzeichnis, 3000, u"3.000"},
        {NummerArt::JeVerzeichnis, 5000, u"5.000"},   {NummerArt::JeVerzeichnis, 10000, u"10.000"},
        {NummerArt::JeVerzeichnis, 15000, u"15.000"}, {NummerArt::JeVerzeichnis, 20000, u"20.000"},
        {NummerArt::JeVerzeichnis, 30000, u"30.000"}, {NummerArt::JeVerzeichnis, 50000, u"50.000"},
        {NummerArt::Verzeichnisse, 5, u"5"},          {NummerArt::Verzeichnisse, 10, u"10"},
        {NummerArt::Verzeichnisse, 15, u"15"},        {NummerArt::Verzeichnisse, 20, u"20"},
        {NummerArt::Verzeichnisse, 30, u"30"},        {NummerArt::Verzeichnisse, 50, u"50"},
    };
    auto *laJe = new QLabel(QStringLiteral("Verschieben in Verzeichnisse mit jeweils ... Einträgen:"), m_paKopieOben);
    auto *laAnzahl = new QLabel(QStringLiteral("Verschieben in ... Verzeichnisse:"), m_paKopieOben);
    kopie->addWidget(laJe, 3, 0, 1, 8);
    kopie->addWidget(laAnzahl, 5, 0, 1, 8);
    int i = 0;
    for (const auto &n : nummern) {
        auto *b = new QPushButton(QString::fromUtf16(n.text), m_paKopieOben);
        b->setObjectName(QStringLiteral("BuVer") + QString::number(i + 1));
        const bool ersteGruppe = i < 8;
        kopie->addWidget(b, ersteGruppe ? 4 : 6, ersteGruppe ? i : i - 8);
        m_nummern.push_back({b, n.art, n.wert});
        const QString anker = b->objectName();
        connect(b, &QPushButton::clicked, this,
                [this, art = n.art, wert = n.wert, anker] { aktion(LKModus::Verschieben, art, wert, anker); });
        ++i;
    }

    m_lliste = new TNxRotListe(this, QStringLiteral("LListe"), LListeOptionen());
    for (const char16_t *titel : {u" Pfad", u" Name", u" Bytes"}) {
        TNxTypSpalte &sp = m_lliste->Spalte(m_lliste->SpalteNeu(SpaltenTyp::Text));
        sp.titel = QString::fromUtf16(titel);
        sp.breite = 300;
    }
    m_lliste->Spalte(LZelle::Name).fettVerz = true;
    m_lliste->Spalte(LZelle::Bytes).sichtbar = false;
    spalte->addWidget(m_lliste, 1);

    connect(m_buLoeschWP, &QPushButton::clicked, this,
            [this] { aktion(LKModus::Papierkorb, NummerArt::Keine, 0, QStringLiteral("BuLoeschWP")); });
    connect(m_buLoeschFI, &QPushButton::clicked, this,
            [this] { aktion(LKModus::FuerImmer, NummerArt::Keine, 0, QStringLiteral("BuLoeschFI")); });
    connect(m_buKopieren, &QPushButton::clicked, this,
            [this] { aktion(LKModus::Kopieren, NummerArt::Keine, 0, QStringLiteral("BuKopieren")); });
    connect(m_buVerschieben, &QPushButton::clicked, this,
            [this] { aktion(LKModus::Verschieben, NummerArt::Keine, 0, QStringLiteral("BuVerschieben")); });
    beschriftungen();
}

TLoeschenKopSeite::~TLoeschenKopSeite() = default;

void TLoeschenKopSeite::Startwerte()
{
    for (TSchalterRahmen *r : m_rahmen)
        r->DickeSetzen(Umgebung().Einst().RahmenDicke);
}

QString TLoeschenKopSeite::Titel(int tab) const
{
    return tab == 7 ? QStringLiteral("Kopieren") : QStringLiteral("Löschen");
}

void TLoeschenKopSeite::beschriftungen()
{
    const bool frage = Umgebung().Einst().Sicherheitsfrage;
    const QString ende = frage ? QStringLiteral(" ...") : QStringLiteral("!");
    m_buKopieren->setText(QStringLiteral("Kopieren") + ende);
    m_buVerschieben->setText(QStringLiteral("Verschieben") + ende);
    m_buLoeschWP->setText(QStringLiteral("in den Papierkorb verschieben") + ende);
    m_buLoeschFI->setText(QStringLiteral("für immer löschen") + ende);
    for (TSchalterRahmen *r : m_rahmen)
        r->FarbeSetzen(frage ? Gelb : Orange);
}

void TLoeschenKopSeite::Anpassen(int tab)
{
    m_tab = tab;
    m_paLoeschOben->setVisible(tab == 6);
    m_paKopieOben->setVisible(tab == 7);
    beschriftungen();
    ListenDaten *auswahl = m_auswahlQuelle ? m_auswahlQuelle() : nullptr;
    if (auswahl) {
        LListeAufbauen(*auswahl, m_lliste->Daten());
    } else {
        m_lliste->Daten().Leeren();
    }
    m_lliste->Neuzeichnen();
    const bool struktur = auswahl && LKStrukturSichtbar(m_lliste->Daten(), *auswahl);
    m_cheVerzStruktur->setVisible(struktur);
    m_laVerzStruktur->setVisible(struktur);
    const bool zeilen = !m_lliste->Daten().Leer();
    for (QPushButton *b : {m_buLoeschWP, m_buLoeschFI, m_buKopieren, m_buVerschieben})
        b->setEnabled(zeilen);
    for (const NummerSchalter &n : m_nummern)
        n.schalter->setEnabled(zeilen);
}

void TLoeschenKopSeite::aktion(LKModus modus, NummerArt art, qint64 wert, const QString &anker)
{
    // The progress display lets window events run: a second click must not start a run on
    // the list the first one is still working through.
    if (m_laeuft)
        return;
    m_laeuft = true;
    const std::unique_ptr<bool, void (*)(bool *)> frei(&m_laeuft, [](bool *l) { *l = false; });
    const DebugSchritt schritt(QStringLiteral("Aktion_LoeschenKopieren ") + anker);
    ListenDaten *auswahl = m_auswahlQuelle ? m_auswahlQuelle() : nullptr;
    LKAuftrag a;
    a.liste = &m_lliste->Daten();
    a.auswahl = auswahl;
    a.modus = modus;
    a.ziel = m_edKopieren->text();
    a.strukturSichtbar = m_cheVerzStruktur->isVisibleTo(m_paKopieOben);
    a.struktur = m_cheVerzStruktur->isChecked();
    a.nummerArt = art;
    a.nummerWert = wert;
    a.anker = anker;
    // Where the data directory cannot be made, the routine cannot create its undo file and
    // refuses with the reason before anything changes.
    static_cast<void>(ProgPfadAnlegen());
    m_letztes = Aktion_LoeschenKopieren(a, Umgebung().Einst(), Umgebung().Fort(), Umgebung().Dialoge(),
                                        Umgebung().Rueck());
    if (m_letztes.begonnen)
        Q_EMIT AuswahlGeaendert();
    Anpassen(m_tab);
}

TNxRotListeOptionen TLoeschenKopSeite::LListeOptionen()
{
    return {.endenFest = true, .rechtsKlick = true, .linksKlick = true};
}

} // namespace rinolux
