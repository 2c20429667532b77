#include "gui/app/Form_Anfang.h"

#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/AnwendungsTitel.h"
#include "gui/app/Bilder.h"
#include "gui/app/Form_Dialog.h"
#include "gui/app/FeldSchalter.h"
#include "gui/app/Form_Experten.h"
#include "gui/app/IniControls.h"
#include "gui/app/Form_Logo.h"
#include "gui/app/KontextMenues.h"
#include "gui/app/Sanduhr.h"
#include "gui/app/Start.h"
#include "gui/app/sub_Hilfe.h"
#include "gui/app/sub_Fortschritt.h"
#include "gui/controls/TNxBaum.h"
#include "gui/controls/TNxEditPop.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AktionsSeite.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/pages/EinstellungenSeite.h"
#include "gui/pages/InfoSeite.h"
#include "gui/pages/LoeschenKopSeite.h"
#include "gui/pages/OptionenBereich.h"
#include "gui/pages/RueckSeite.h"
#include "gui/pages/SeitenUmgebung.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace rinolux {

namespace {

Taa *g_instanz = nullptr;

// The last main tab ends the program; it has no page.
constexpr int EndeTab = 10;

} // namespace

// What the pages may ask of the window.
class Taa::Umgebung final : public SeitenUmgebung
{
public:
    explicit Umgebung(Taa &aa) : m_aa(aa) {}

    Fortschritt &Fort() override { return *m_aa.m_fort; }
    Dialog &Dialoge() override { return m_aa.Dialoge(); }
    Einstellungen &Einst() override { return m_aa.m_einst; }
    RueckIndex &Rueck() override { return m_aa.m_rueckIndex; }
    void StatusSetzen(int panel, const QString &text) override
    {
        for (Seite *s : m_aa.m_seitenListe)
            s->StatusSetzen(panel, text);
    }
    void TitelSetzen(const QString &titel) override
    {
        if (m_aa.ArbeitLaeuft())
            return; // the progress display owns the caption meanwhile
        m_aa.setWindowTitle(titel);
        AnwendungsTitelSetzen(titel);
    }
    int AktuelleSeite() const override { return m_aa.AktuelleSeite; }
    int AktuelleSuchSeite() const override { return m_aa.AktuelleSuchSeite; }
    void SuchSeiteSetzen(int k) override { m_aa.AktuelleSuchSeite = k; }
    bool EscGedrueckt() const override { return m_aa.m_esc; }
    void EscVergessen() override { m_aa.m_esc = false; }
    QMenu *Menue(const QString &name) override { return m_aa.Menue(name); }
    const ListenDaten *AuswahlDaten() override
    {
        const AListeBedienung *liste = m_aa.auswahlListe();
        return liste ? &liste->Liste()->Daten() : nullptr;
    }

private:
    Taa &m_aa;
};

Taa *Taa::Instanz()
{
    return g_instanz;
}

Taa::Taa(QWidget *parent)
    : QMainWindow(parent), m_rueckIndex(ProgPfad), m_dialog(std::make_unique<FensterDialog>(m_einst)),
      m_umgebung(std::make_unique<Umgebung>(*this))
{
    setObjectName(QStringLiteral("aa"));
    setMinimumSize(MindestBreite, MindestHoehe);
    EditMenueEinrichten();
    g_instanz = this;
    m_uhr = [] {
        static QElapsedTimer uhr = [] {
            QElapsedTimer t;
            t.start();
            return t;
        }();
        return uhr.elapsed();
    };
    m_letzteEingabe = m_uhr();
    m_timerAutoVorschau = new QTimer(this);
    m_timerAutoVorschau->setObjectName(QStringLiteral("TimerAutoVorschau"));
    m_timerAutoVorschau->setInterval(200);
    connect(m_timerAutoVorschau, &QTimer::timeout, this, [this] {
        // Work that would start now waits for the running one.
        if (!ArbeitLaeuft())
            Q_EMIT AutoVorschauTick();
    });
    connect(this, &Taa::AutoVorschauTick, this, &Taa::autoVorschauPruefen);
    m_timerWackel = new QTimer(this);
    m_timerWackel->setObjectName(QStringLiteral("TimerWackel"));
    m_timerWackel->setInterval(60);
    connect(m_timerWackel, &QTimer::timeout, this, &Taa::wackelTick);
    m_timerVerzEditFarbe = new QTimer(this);
    m_timerVerzEditFarbe->setObjectName(QStringLiteral("TimerVerzEditFarbe"));
    m_timerVerzEditFarbe->setInterval(3000);
    connect(m_timerVerzEditFarbe, &QTimer::timeout, this, [this] {
        m_timerVerzEditFarbe->stop();
        Q_EMIT VerzEditFarbeZurueck();
    });
    aufbauen();
    // The expert settings exist with the window, so their states are read with its own.
    m_gg = new Tgg(this);
    connect(this, &Taa::ExpertenEinstellungenVerlangt, this, [this] {
        // Modal to the window, without a nested event loop.
        if (!m_gg->isVisible())
            m_gg->open();
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState zustand) {
        if (zustand != Qt::ApplicationActive)
            Q_EMIT AnwendungInaktiv();
    });
    qApp->installEventFilter(this);
}

Taa::~Taa()
{
    qApp->removeEventFilter(this);
    if (g_instanz == this)
        g_instanz = nullptr;
}

Dialog &Taa::Dialoge()
{
    return *m_dialog;
}

bool Taa::ArbeitLaeuft() const
{
    return m_fort && m_fort->Aktiv();
}

// The pages in tab order. A new page is one more line here.
void Taa::seitenAnlegen()
{
    seiteAnmelden(new TAuswahlSeite(*m_umgebung));
    seiteAnmelden(new TAktionsSeite(*m_umgebung));
    seiteAnmelden(new TRueckSeite(*m_umgebung));
    seiteAnmelden(new TLoeschenKopSeite(*m_umgebung));
    seiteAnmelden(new TEinstellungenSeite(*m_umgebung));
    seiteAnmelden(new TInfoSeite(*m_umgebung));
}

void Taa::seiteAnmelden(Seite *seite)
{
    m_stapel->addWidget(seite);
    m_seitenListe.push_back(seite);
    for (int tab : seite->Tabs()) {
        Q_ASSERT(tab >= 1 && tab < EndeTab && !m_seiten[size_t(tab)]);
        m_seiten[size_t(tab)] = seite;
    }
    seiteVerbinden(seite);
}

// Every page talks to the window through these signals only.
void Taa::seiteVerbinden(Seite *seite)
{
    connect(seite, &Seite::SeiteVerlangt, this, [this](int k) { m_hauptReg->AktuellSetzen(k); });
    connect(seite, &Seite::UmbenennenVerlangt, this, &Taa::UmbenennenVerlangt);
    connect(seite, &Seite::AutoVorschauSchalten, this, [this](bool an) {
        if (an)
            m_timerAutoVorschau->start();
        else
            m_timerAutoVorschau->stop();
    });
    connect(seite, &Seite::AusfuehrenVerlangt, this, [this, seite] { aktionAusfuehren(*seite); });
    // Delete, copy and move work on the selection list and leave it to be redrawn.
    if (auto *lk = qobject_cast<TLoeschenKopSeite *>(seite)) {
        lk->AuswahlQuelleSetzen([this]() -> ListenDaten * {
            AListeBedienung *l = auswahlListe();
            return l ? &l->Daten() : nullptr;
        });
        connect(lk, &TLoeschenKopSeite::AuswahlGeaendert, this, [this] {
            if (AListeBedienung *l = auswahlListe())
                l->NachAusfuehren(0);
        });
    }
    // New files are made where the tree stands: the Herstellen sentence names that directory.
    if (auto *auswahl = qobject_cast<TAuswahlSeite *>(seite); auswahl && auswahl->Baum()) {
        connect(auswahl->Baum(), &TNxBaum::AuswahlGeaendert, this, [this](const QString &pfad) {
            for (Seite *s : m_seitenListe)
                if (auto *aktion = qobject_cast<TAktionsSeite *>(s))
                    aktion->Optionen()->BaumVerzeichnisSetzen(pfad);
        });
    }
    // The settings take effect where they act.
    if (auto *einst = qobject_cast<TEinstellungenSeite *>(seite)) {
        connect(einst, &TEinstellungenSeite::EinstellungGeaendert, this, [this] { EinstellungenAnwenden(*this); });
        connect(einst, &TEinstellungenSeite::FarbenGewaehlt, this, [this](const FarbWahl &f) {
            FarbenAnwenden(f);
            RegHaupt_OnClick(AktuelleSeite);
        });
        connect(einst, &TEinstellungenSeite::StartBildVerlangt, this, &Taa::StartBildZeigen);
        connect(einst, &TEinstellungenSeite::AutoAuswahlAktivierenVerlangt, this, [this, einst] {
            AListeBedienung *liste = auswahlListe();
            if (!liste)
                return;
            const int anzahl = liste->AutoAuswahlTabelleLaden(einst->AutoAuswahlText());
            QStringList beschreibungen;
            for (size_t i = 1; i < liste->AutoAuswahlTabelle().size(); ++i)
                beschreibungen << liste->AutoAuswahlTabelle()[i].beschreibung;
            einst->AutoAuswahlZeigen(beschreibungen);
            Dialoge().Dialog_Info(QStringLiteral("Okay, ") + QString::number(anzahl)
                                      + QStringLiteral(" Werte sind eingetragen worden."),
                                  QStringLiteral("BuEAutoauswahlAktiv"));
        });
    }
    // The undo page's two buttons run the routine on its detail list.
    if (auto *rueck = qobject_cast<TRueckSeite *>(seite)) {
        connect(rueck, &TRueckSeite::RueckPruefenVerlangt, this,
                [this, rueck] { rueckAusfuehren(*rueck, AusfuehrModus::NurPruefen); });
        connect(rueck, &TRueckSeite::RueckAusfuehrenVerlangt, this,
                [this, rueck] { rueckAusfuehren(*rueck, AusfuehrModus::Rueckgaengig); });
    }
}

void Taa::autoVorschauPruefen()
{
    // Only while the user works in this window, as with any other program in front.
    if (!isActiveWindow())
        return;
    Seite *s = SeiteFuerTab(AktuelleSeite);
    if (s && s->AutoVorschau(AktuelleSeite, RuheMs()))
        m_timerAutoVorschau->stop();
}

Seite *Taa::SeiteFuerTab(int k) const
{
    return k >= 1 && k < EndeTab ? m_seiten[size_t(k)] : nullptr;
}

QMenu *Taa::Menue(const QString &name) const
{
    for (QMenu *m : m_menues)
        if (m->objectName() == name)
            return m;
    return nullptr;
}

void Taa::SteuerelementeAnlegen()
{
    if (m_angelegt)
        return;
    m_angelegt = true;
    DebugSchritt schritt(QStringLiteral("Steuerelemente aa"));
    EreignisSperre sperre;
    // The pages' own controls, in their order; they exist before any stored state is read.
    for (Seite *s : m_seitenListe) {
        DebugSchritt seite(QStringLiteral("Startwerte ") + s->objectName());
        s->Aufbauen();
    }
    FeldSchalterAnbringen(*this);
    HilfeAnlegen(*this);
    for (const StartSchritt s : {StartSchritt::RegelSchalterAufbauen, StartSchritt::ListenPanelsAnlegen,
                                 StartSchritt::PositionsTabellen, StartSchritt::AutoVervollSymbole})
        m_ablauf.Ausfuehren(s);
}

void Taa::Startwerte()
{
    DebugSchritt schritt(QStringLiteral("Startwerte aa"));
    EreignisSperre sperre;
    SteuerelementeAnlegen();
    // Settings read from the early control-state file take effect now.
    for (Seite *s : m_seitenListe)
        s->Startwerte();
    m_hauptReg->NeuZeichnen();
}

void Taa::aufbauen()
{
    EreignisSperre sperre;
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("aaClient"));
    setCentralWidget(client);
    auto *spalte = new QVBoxLayout(client);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    QFrame *abstand1 = SeitenPanel(QStringLiteral("PaObenAbstand1"), client);
    abstand1->setFixedHeight(3);
    m_paHauptReg = SeitenPanel(QStringLiteral("PaHauptReg"), client);
    m_paHauptReg->setFixedHeight(47);
    m_paObenAbstand2 = SeitenPanel(QStringLiteral("PaObenAbstand2"), client);
    m_paObenAbstand2->setFixedHeight(10);
    m_paObenAbstand2->setAutoFillBackground(true);
    spalte->addWidget(abstand1);
    spalte->addWidget(m_paHauptReg);
    spalte->addWidget(m_paObenAbstand2);

    m_stapel = new QStackedWidget(client);
    m_stapel->setObjectName(QStringLiteral("aaSeiten"));
    spalte->addWidget(m_stapel, 1);
    m_fort = new TFortschrittPanel(client);
    menuesBauen();
    seitenAnlegen();

    m_hauptReg = new TNxReg(QStringLiteral("HauptRegister"), EndeTab, m_paHauptReg);
    for (int i = 1; i <= EndeTab; ++i) {
        TNxTab &t = m_hauptReg->Tab(i);
        t.beschriftung = i == EndeTab ? QStringLiteral("Ende") : m_seiten[size_t(i)]->Titel(i);
        t.fett = i <= 5;
        t.bild = HauptRegBild(i, 2.0);
        t.bild.setDevicePixelRatio(2.0);
    }
    m_hauptReg->LetzteKanteBisEnde = false;
    connect(m_hauptReg, &TNxReg::NachWechsel, this, [this](int k) {
        if (!EreignisseGesperrt)
            RegHaupt_OnClick(k);
    });

    m_fort->SperrenSetzen({m_paHauptReg, m_stapel});
    connect(m_fort, &TFortschrittPanel::Beendet, this, [this] {
        if (m_schliessenNachArbeit) {
            m_schliessenNachArbeit = false;
            QTimer::singleShot(0, this, &Taa::Beenden);
        }
    });

    RegisterFarbenAnwenden(RegisterFarbSchema::System);
    m_hauptReg->AktuellSetzen(1);
}

void Taa::menuesBauen()
{
    for (const char16_t *name : KontextMenueNamen())
        m_menues.push_back(KontextMenueBauen(QStringView(name), this));
}

QColor Taa::tabFarbe(int tab) const
{
    if (!m_hauptReg || tab < 1 || tab > m_hauptReg->Anzahl())
        return palette().color(QPalette::Window);
    const QColor c = m_hauptReg->Tab(tab).hintergrund;
    return c.isValid() ? c : m_paHauptReg->palette().color(QPalette::Window);
}

void Taa::FarbenAnwenden(const FarbWahl &f)
{
    auto farbe = [](qint64 z) {
        return z >= 0 ? QColor(int(z & 0xFF), int((z >> 8) & 0xFF), int((z >> 16) & 0xFF)) : QColor();
    };
    const RegisterFarbSchema schema = f.schema == u'B'   ? RegisterFarbSchema::Bunt1
                                      : f.schema == u'C' ? RegisterFarbSchema::Bunt2
                                      : f.schema == u'1' ? RegisterFarbSchema::Eigene1
                                      : f.schema == u'2' ? RegisterFarbSchema::Eigene2
                                                         : RegisterFarbSchema::System;
    RegisterFarbenAnwenden(schema, farbe(f.farbe1), farbe(f.farbe2));
}

void Taa::RegisterFarbenAnwenden(RegisterFarbSchema schema, const QColor &eigene1, const QColor &eigene2)
{
    if (!m_hauptReg)
        return;
    const QPalette pal = QApplication::palette();
    for (int i = 1; i <= EndeTab; ++i) {
        QColor grund;
        QColor schrift(Qt::black);
        switch (schema) {
        case RegisterFarbSchema::System:
            grund = pal.color(QPalette::Button);
            schrift = pal.color(QPalette::ButtonText);
            break;
        case RegisterFarbSchema::Eigene1:
            grund = eigene1.isValid() ? eigene1 : pal.color(QPalette::Button);
            break;
        case RegisterFarbSchema::Eigene2:
            grund = eigene2.isValid() ? eigene2 : pal.color(QPalette::Button);
            break;
        case RegisterFarbSchema::Bunt1:
            grund = i == 1 ? QColor(216, 240, 216) : i <= 5 ? QColor(240, 240, 208) : i <= 7 ? QColor(232, 232, 255)
                                                                                             : QColor(255, 224, 224);
            break;
        case RegisterFarbSchema::Bunt2:
            grund = i == 1 ? QColor(232, 224, 255) : i <= 5 ? QColor(208, 240, 240) : i <= 7 ? QColor(240, 240, 208)
                                                                                             : QColor(255, 224, 224);
            break;
        }
        m_hauptReg->Tab(i).hintergrund = grund;
        m_hauptReg->Tab(i).schrift = schrift;
    }
    m_hauptReg->NeuZeichnen();
    // Each page takes the colours of its first tab.
    for (Seite *s : m_seitenListe) {
        const TNxTab &t = m_hauptReg->Tab(s->Tabs().constFirst());
        s->TabFarbeSetzen(t.hintergrund, t.schrift);
    }
    // The band under the strip follows the selected tab.
    QPalette band = m_paObenAbstand2->palette();
    band.setColor(QPalette::Window, tabFarbe(AktuelleSeite));
    m_paObenAbstand2->setPalette(band);
}

void Taa::RegHaupt_OnClick(int k)
{
    if (k >= EndeTab || k < 1) {
        nxDebugZeile(QStringLiteral("RegHaupt_OnClick: Exit"));
        Beenden();
        return;
    }
    DebugSchritt schritt(QStringLiteral("RegHaupt_OnClick"));
    Sanduhr sanduhr;
    AktuelleSeite = k;
    m_timerAutoVorschau->stop();
    SeiteAnpassenFuerAlleSeiten();
    if (Seite *seite = SeiteFuerTab(k))
        seite->Anpassen(k);
    if (k <= 5)
        Q_EMIT HilfeSymboleAnpassen();
}

void Taa::SeiteAnpassenFuerAlleSeiten()
{
    DebugSchritt schritt(QStringLiteral("SeiteAnpassenFuerAlleSeiten"));
    Seite *neu = SeiteFuerTab(AktuelleSeite);
    if (!neu)
        neu = SeiteFuerTab(1);
    const QColor farbe = tabFarbe(AktuelleSeite);
    QPalette band = m_paObenAbstand2->palette();
    band.setColor(QPalette::Window, farbe);
    m_paObenAbstand2->setPalette(band);
    QPalette seite = neu->palette();
    seite.setColor(QPalette::Window, m_einst.ParentColor ? farbe : palette().color(QPalette::Window));
    neu->setPalette(seite);
    m_stapel->setCurrentWidget(neu);
}

void Taa::Beenden()
{
    if (ArbeitLaeuft()) {
        // The running operation stops at its next step; the window closes after FortAus.
        m_fort->Abbruch = true;
        m_schliessenNachArbeit = true;
        return;
    }
    setWindowTitle(QStringLiteral("wird beendet"));
    AnwendungsTitelSetzen(QStringLiteral("wird beendet"));
    close();
}

void Taa::closeEvent(QCloseEvent *event)
{
    if (ArbeitLaeuft()) {
        event->ignore();
        m_fort->Abbruch = true;
        m_schliessenNachArbeit = true;
        return;
    }
    setWindowTitle(QStringLiteral("wird beendet"));
    AnwendungsTitelSetzen(QStringLiteral("wird beendet"));
    m_timerAutoVorschau->stop();
    m_timerWackel->stop();
    event->accept();
    Q_EMIT Geschlossen();
}

void Taa::WackelKorrekturSetzen(bool an)
{
    if (an) {
        m_timerWackel->stop();
        m_wackelSchritt = 0;
    } else if (!m_timerWackel->isActive()) {
        m_wackelSchritt = 0;
        m_timerWackel->start();
    }
}

void Taa::StartBildZeigen()
{
    auto *logo = new TLogoForm();
    logo->setAttribute(Qt::WA_DeleteOnClose);
    connect(logo, &TLogoForm::BeendenVerlangt, this, [this, logo] {
        logo->close();
        Beenden();
    });
    logo->BalkenSetzen(1.0);
    logo->Zeigen();
    QTimer::singleShot(2000, logo, &QWidget::close);
}

void Taa::wackelTick()
{
    static const QPoint schritte[8] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}, {-1, 0}, {1, 0}};
    const QPoint d = schritte[m_wackelSchritt];
    m_wackelSchritt = (m_wackelSchritt + 1) % 8;
    const QWidgetList fenster = QApplication::topLevelWidgets();
    for (QWidget *w : fenster)
        if (w->isVisible() && w->isWindow())
            w->move(w->pos() + d);
}

} // namespace rinolux
