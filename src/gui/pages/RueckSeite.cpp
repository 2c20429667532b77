#include "gui/pages/RueckSeite.h"

#include "core/actions/RueckListe.h"
#include "core/shell/Dialog.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Format.h"
#include "gui/app/Sanduhr.h"
#include "gui/app/SchalterRahmen.h"
#include "gui/pages/SeitenUmgebung.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rinolux {

namespace {

// 65535 and 33023 in the blue-green-red encoding the colour values are stored in.
const QColor Gelb(255, 255, 0);
const QColor Orange(255, 128, 0);

const QString PruefenText = QStringLiteral("Rückgängig nur prüfen");

enum IndexZelle { IZeit = 1, IAktion, IAnzahl, IFehler };

} // namespace

TRueckSeite::TRueckSeite(SeitenUmgebung &umgebung, QWidget *eltern)
    : Seite(QStringLiteral("PaRueck"), umgebung, eltern), m_index(ProgPfad)
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    QFrame *oben = SeitenPanel(QStringLiteral("PaRueckOben"), this);
    QFrame *unten = SeitenPanel(QStringLiteral("PaRueckListe"), this);
    spalte->addWidget(oben, 1);
    spalte->addWidget(unten, 2);

    m_indexListe = new TNxRotListe(oben, QStringLiteral("RueckIndexListe"), RueckIndexListeOptionen());
    const struct
    {
        SpaltenTyp typ;
        const char16_t *titel;
        int breite;
    } indexSpalten[] = {
        {SpaltenTyp::Alter, u" Zeit", 130},
        {SpaltenTyp::Text, u" Aktion", 255},
        {SpaltenTyp::Bytes, u" Anzahl", 70},
        {SpaltenTyp::Text, u" Fehler", 160},
    };
    for (const auto &s : indexSpalten) {
        TNxTypSpalte &sp = m_indexListe->Spalte(m_indexListe->SpalteNeu(s.typ));
        sp.titel = QString::fromUtf16(s.titel);
        sp.breite = s.breite;
    }
    m_indexListe->Spalte(IFehler).rotWarn = true;
    m_indexListe->Spalte(IAktion).rotWarn = true;

    m_intro = new QLabel(QStringLiteral("Wenn du Dateien oder Verzeichnisse MEHRMALS verändert hast, dann musst du die "
                                        "betreffenden Eintragungen von OBEN NACH UNTEN abarbeiten.\n\nDas LÖSCHEN, "
                                        "KOPIEREN oder VERSCHIEBEN von Dateien oder Verzeichnissen kann NICHT "
                                        "rückgängig gemacht werden."),
                         oben);
    m_intro->setObjectName(QStringLiteral("LaRueckIntro"));
    m_intro->setWordWrap(true);
    m_intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_buPruefen = new QPushButton(PruefenText, oben);
    m_buPruefen->setObjectName(QStringLiteral("BuRueckPruefen"));
    m_buOK = new QPushButton(QStringLiteral("Rückgängig prüfen und machen ..."));
    m_buOK->setObjectName(QStringLiteral("BuRueckOK"));
    m_buOKRahmen = new TSchalterRahmen(m_buOK, Gelb, Umgebung().Einst().RahmenDicke, oben);
    m_buOKRahmen->setObjectName(QStringLiteral("PaBuRueckOK"));
    // Records inside a renamed directory carry its old path: cell 3 says where they are now.
    connect(m_buPruefen, &QPushButton::clicked, this, [this] {
        RueckVerzeichnisKorrektur(m_altNeuListe->Daten(), m_code);
        m_altNeuListe->Neuzeichnen();
        Q_EMIT RueckPruefenVerlangt();
    });
    connect(m_buOK, &QPushButton::clicked, this, [this] {
        RueckVerzeichnisKorrektur(m_altNeuListe->Daten(), m_code);
        m_altNeuListe->Neuzeichnen();
        Q_EMIT RueckAusfuehrenVerlangt();
    });

    auto *rechts = new QVBoxLayout;
    rechts->addWidget(m_intro, 1);
    rechts->addWidget(m_buPruefen);
    rechts->addWidget(m_buOKRahmen);
    auto *obenZeile = new QHBoxLayout(oben);
    obenZeile->setContentsMargins(0, 0, 0, 0);
    obenZeile->addWidget(m_indexListe, 3);
    obenZeile->addLayout(rechts, 1);

    m_altNeuListe = new TNxRotListe(unten, QStringLiteral("RuckAltNeuListe"), RuckAltNeuListeOptionen());
    const struct
    {
        SpaltenTyp typ;
        QString titel;
        int breite;
    } altNeuSpalten[] = {
        {SpaltenTyp::Text, QStringLiteral(" ursprünglicher Pfad"), 200},
        {SpaltenTyp::Text, QStringLiteral(" jetziger Name.Format"), 160},
        {SpaltenTyp::Text,
         QStringLiteral(" wird geändert zu Pfad (hat nur Inhalt, wenn Schalter [") + PruefenText +
             QStringLiteral("] betätigt wurde)"),
         200},
        {SpaltenTyp::Text, QStringLiteral(" wird geändert zu Name.Format"), 160},
        {SpaltenTyp::Attribute, QStringLiteral(" wird geändert zu Attribute"), 60},
        {SpaltenTyp::Zeit, QStringLiteral(" wird geändert zu Zeit"), 130},
        {SpaltenTyp::Text, QStringLiteral(" keine Änderung"), 160},
    };
    for (const auto &s : altNeuSpalten) {
        TNxTypSpalte &sp = m_altNeuListe->Spalte(m_altNeuListe->SpalteNeu(s.typ));
        sp.titel = s.titel;
        sp.breite = s.breite;
    }
    m_altNeuListe->Spalte(kRueckZelleName).fettVerz = true;
    auto *untenSpalte = new QVBoxLayout(unten);
    untenSpalte->setContentsMargins(0, 0, 0, 0);
    untenSpalte->addWidget(m_altNeuListe);

    connect(m_indexListe, &TNxRotListe::LinksKlick, this, [this](int, int zeile) {
        // Row p shows entry count - p + 1 (newest first).
        if (zeile >= 1 && zeile <= m_index.anzahl())
            Aktion_Vorschau_Rueck(m_index.anzahl() - zeile + 1);
    });
    schalterAn(false);
}

TRueckSeite::~TRueckSeite() = default;

void TRueckSeite::Startwerte()
{
    if (m_buOKRahmen)
        m_buOKRahmen->DickeSetzen(Umgebung().Einst().RahmenDicke);
}

QString TRueckSeite::Titel(int) const
{
    return QStringLiteral("Rückgängig");
}

void TRueckSeite::Anpassen(int)
{
    // The files are the truth: the command line and other windows write them as well.
    m_index = RueckIndex(ProgPfad);
    m_index.IniListeRueck_Lesen();
    RueckFuellen();
}

void TRueckSeite::RueckFuellen()
{
    if (Umgebung().Einst().Sicherheitsfrage) {
        m_buOK->setText(QStringLiteral("Rückgängig prüfen und machen ..."));
        m_buOKRahmen->FarbeSetzen(Gelb);
    } else {
        m_buOK->setText(QStringLiteral("Rückgängig prüfen und machen!"));
        m_buOKRahmen->FarbeSetzen(Orange);
    }
    const int n = m_index.anzahl();
    m_indexListe->ZeilenLeeren(n);
    ListenDaten &d = m_indexListe->Daten();
    for (int p = 1; p <= n; ++p) {
        const RueckIndexEintrag &e = m_index.eintrag(n - p + 1);
        const int z = d.ZeilenAnhaengen(1);
        d.ZelleSetzen(z, IZeit, e.zeit);
        d.ZelleSetzen(z, IAktion, e.beschreibung);
        d.ZelleSetzen(z, IAnzahl, QString::number(e.anzahl));
        d.ZelleSetzen(z, IFehler, e.fehler == 0   ? QStringLiteral("+ Aktion war erfolgreich")
                                  : e.fehler < 0 ? QStringLiteral("Rück-Daten unvollständig")
                                                 : nxZahlText(e.fehler) + QStringLiteral(" Fehler"));
        d.WarnSetzen(z, e.fehler != 0);
    }
    m_indexListe->Neuzeichnen();
    m_altNeuListe->ZeilenLeeren();
    m_altNeuListe->Neuzeichnen();
    m_eintrag = 0;
    m_code = 0;
    schalterAn(false);
}

void TRueckSeite::Aktion_Vorschau_Rueck(int i)
{
    if (i < 1 || i > m_index.anzahl())
        return;
    Sanduhr sanduhr;
    const RueckIndexEintrag &e = m_index.eintrag(i);
    m_eintrag = i;
    m_code = e.code;
    const int wertZelle = RueckWertZelle(e.code);
    for (int s = kRueckZelleNeuName; s <= kRueckZelleKeine; ++s)
        m_altNeuListe->Spalte(s).sichtbar = s == wertZelle;
    m_altNeuListe->ZeilenLeeren();
    const RueckLadeStand stand = rinolux::Aktion_Vorschau_Rueck(m_index.dateiPfad(e.nummer), e, m_altNeuListe->Daten());
    m_altNeuListe->Neuzeichnen();
    const bool nutzbar = stand.art == RueckLadeStand::Art::Ok && m_altNeuListe->Daten().Anzahl() > 0;
    schalterAn(nutzbar && e.code != 310);
    if (!stand.meldung.isEmpty())
        Umgebung().Dialoge().Dialog_Info(stand.meldung);
}

void TRueckSeite::RueckAbgeschlossen(const std::vector<int> &offen)
{
    if (m_eintrag >= 1) {
        if (Ergebnis e = Aktion_RueckAbschliessen(m_index, m_eintrag, m_altNeuListe->Daten(), offen); !e)
            Umgebung().Dialoge().Dialog_Fehler(
                QStringLiteral("Die Rückgängig-Daten können nicht auf die übrigen Einträge gekürzt werden; sie "
                               "bleiben vollständig erhalten. Prüfe den Speicherplatz und die Rechte im "
                               "Verzeichnis \"%1\".\r\n\r\n%2")
                    .arg(ProgPfad, e.text()));
    }
    RueckFuellen();
}

void TRueckSeite::schalterAn(bool an)
{
    m_buPruefen->setEnabled(an);
    m_buOK->setEnabled(an);
}

TNxRotListeOptionen TRueckSeite::RueckIndexListeOptionen()
{
    return {.klickMarkiert = true, .linksKlick = true};
}

TNxRotListeOptionen TRueckSeite::RuckAltNeuListeOptionen()
{
    return {.endenFest = true, .rechtsKlick = true, .linksKlick = true, .fuellGrenze = 8};
}

} // namespace rinolux
