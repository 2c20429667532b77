#include "gui/app/Form_Anfang.h"

#include "core/shell/DialogText.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/AnwendungsTitel.h"
#include "gui/app/Bilder.h"
#include "gui/app/Form_Dialog.h"
#include "gui/app/Form_Logo.h"
#include "gui/app/SchalterRahmen.h"
#include "gui/app/SignalWaechter.h"
#include "gui/app/Start.h"
#include "gui/app/sub_Fortschritt.h"
#include "gui/controls/nx_Register.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QListWidget>
#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace rinolux {

namespace {

Taa *g_instanz = nullptr;

// The maker's line on the Info page and the address of the program's web page.
const QString HerstellerZeile = QStringLiteral("© 2023 Rinolux-Entwickler. Dieses Programm darf frei benutzt und weitergegeben werden.");
const QString InternetAdresse = QStringLiteral("https://rinolux.example.org/");

const QStringList HauptCaptions = {QString(),
                                   QStringLiteral("Auswählen"),
                                   QStringLiteral("Ändern"),
                                   QStringLiteral("Herstellen"),
                                   QStringLiteral("Regeln"),
                                   QStringLiteral("Rückgängig"),
                                   QStringLiteral("Löschen"),
                                   QStringLiteral("Kopieren"),
                                   QStringLiteral("Einstellungen"),
                                   QStringLiteral("Info"),
                                   QStringLiteral("Ende")};
const QStringList HauptBildNamen = {QString(),
                                    QStringLiteral("ImHauptRegAuswahl"),
                                    QStringLiteral("ImHauptRegAendern"),
                                    QStringLiteral("ImHauptRegHerst"),
                                    QStringLiteral("ImHauptRegBlitz"),
                                    QStringLiteral("ImHauptRegRueck"),
                                    QStringLiteral("ImHauptRegLoeschen"),
                                    QStringLiteral("ImHauptRegKopieren"),
                                    QStringLiteral("ImHauptRegOptionen"),
                                    QStringLiteral("ImHauptRegInfo"),
                                    QStringLiteral("ImHauptRegEnde")};
const QStringList SuchCaptions = {QString(),
                                  QStringLiteral("Direkt-Auswahl"),
                                  QStringLiteral("einfache Suche"),
                                  QStringLiteral("erweiterte Suche"),
                                  QStringLiteral("Suche mit Liste"),
                                  QStringLiteral("Suche-Ergebnis")};

const QColor Gelb(255, 255, 0);
const QColor Orange(255, 128, 0);

// The hidden key sequence for the expert settings: Ctrl+Alt+Shift+E, then Ctrl+Alt+Shift+X.
constexpr int ExpertenTaste1 = Qt::Key_E;
constexpr int ExpertenTaste2 = Qt::Key_X;

QFrame *panel(const QString &name, QWidget *eltern)
{
    auto *p = new QFrame(eltern);
    p->setObjectName(name);
    return p;
}

// The splitter between tree and list: keeps the tree at least 100 and the list at least
// 505 pixels wide.
class TSplitterGriff final : public QWidget
{
public:
    TSplitterGriff(QWidget *baum, QWidget *liste, QWidget *eltern) : QWidget(eltern), m_baum(baum), m_liste(liste)
    {
        setObjectName(QStringLiteral("PaASplitter"));
        setCursor(Qt::SplitHCursor);
        setFixedWidth(5);
    }

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton) {
            m_start = e->globalPosition().toPoint().x();
            m_breite = m_baum->width();
        }
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (!(e->buttons() & Qt::LeftButton))
            return;
        const int gesamt = m_baum->width() + m_liste->width();
        const int neu = m_breite + e->globalPosition().toPoint().x() - m_start;
        if (neu >= 100 && gesamt - neu >= 505)
            m_baum->setFixedWidth(neu);
    }

private:
    QWidget *m_baum;
    QWidget *m_liste;
    int m_start = 0;
    int m_breite = 0;
};

// Leaves the start-up early when the program was asked to end during it.
struct BeendenWaehrendDesStarts
{
};

} // namespace

Taa *Taa::Instanz()
{
    return g_instanz;
}

Taa::Taa(QWidget *parent) : QMainWindow(parent), m_dialog(std::make_unique<FensterDialog>(m_einst))
{
    setObjectName(QStringLiteral("aa"));
    setMinimumSize(MindestBreite, MindestHoehe);
    g_instanz = this;
    m_timerAutoVorschau = new QTimer(this);
    m_timerAutoVorschau->setObjectName(QStringLiteral("TimerAutoVorschau"));
    m_timerAutoVorschau->setInterval(200);
    connect(m_timerAutoVorschau, &QTimer::timeout, this, [this] {
        // Work that would start now waits for the running one.
        if (!ArbeitLaeuft())
            Q_EMIT AutoVorschauTick();
    });
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

void Taa::SteuerelementeAnlegen()
{
    if (m_angelegt)
        return;
    m_angelegt = true;
    DebugSchritt schritt(QStringLiteral("Steuerelemente aa"));
    EreignisSperre sperre;
    // The pages' own controls, in their order; they exist before any stored state is read.
    for (const StartSchritt s : {StartSchritt::AuswahlSeiteAufbauen, StartSchritt::RegelSchalterAufbauen,
                                 StartSchritt::AktionsSeitenAufbauen, StartSchritt::RueckSeiteAufbauen,
                                 StartSchritt::LoeschenKopSeiteAufbauen, StartSchritt::EinstellungenAufbauen,
                                 StartSchritt::ListenPanelsAnlegen, StartSchritt::PositionsTabellen,
                                 StartSchritt::AutoVervollSymbole})
        m_ablauf.Ausfuehren(s);
}

void Taa::Startwerte()
{
    DebugSchritt schritt(QStringLiteral("Startwerte aa"));
    EreignisSperre sperre;
    SteuerelementeAnlegen();
    // Settings read from the early control-state file take effect now.
    m_buAktionRahmen->DickeSetzen(m_einst.RahmenDicke);
    for (QWidget *p : {m_paAuswahl, m_paAktion, m_paRueck, m_paLoeschenKop, m_paEinstellungen, m_paCopy})
        p->setAutoFillBackground(true);
    m_hauptReg->NeuZeichnen();
    m_sucheReg->NeuZeichnen();
    AnzeigeSchalterBeschriftung();
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

    m_paObenAbstand1 = panel(QStringLiteral("PaObenAbstand1"), client);
    m_paObenAbstand1->setFixedHeight(3);
    m_paHauptReg = panel(QStringLiteral("PaHauptReg"), client);
    m_paHauptReg->setFixedHeight(47);
    m_paObenAbstand2 = panel(QStringLiteral("PaObenAbstand2"), client);
    m_paObenAbstand2->setFixedHeight(10);
    m_paObenAbstand2->setAutoFillBackground(true);
    spalte->addWidget(m_paObenAbstand1);
    spalte->addWidget(m_paHauptReg);
    spalte->addWidget(m_paObenAbstand2);

    m_hauptReg = new TNxReg(QStringLiteral("HauptRegister"), 10, m_paHauptReg);
    for (int i = 1; i <= 10; ++i) {
        TNxTab &t = m_hauptReg->Tab(i);
        t.beschriftung = HauptCaptions[i];
        t.fett = i <= 5;
        t.bild = HauptRegBild(i, 2.0);
        t.bild.setDevicePixelRatio(2.0);
    }
    m_hauptReg->LetzteKanteBisEnde = false;
    connect(m_hauptReg, &TNxReg::NachWechsel, this, [this](int k) {
        if (!EreignisseGesperrt)
            RegHaupt_OnClick(k);
    });

    m_paAuswahl = auswahlSeiteBauen();
    m_paAktion = aktionsSeiteBauen();
    m_paRueck = rueckSeiteBauen();
    m_paLoeschenKop = loeschenKopSeiteBauen();
    m_paEinstellungen = panel(QStringLiteral("PaEinstellungen"), client);
    m_paCopy = infoSeiteBauen();
    for (QWidget *p : {m_paAuswahl, m_paAktion, m_paRueck, m_paLoeschenKop, m_paEinstellungen, m_paCopy}) {
        p->setParent(client);
        p->setAutoFillBackground(true);
        p->hide();
        spalte->addWidget(p, 1);
    }

    m_fort = new TFortschrittPanel(client);
    m_fort->SperrenSetzen({m_paHauptReg, m_paAuswahl, m_paAktion, m_paRueck, m_paLoeschenKop, m_paEinstellungen, m_paCopy});
    connect(m_fort, &TFortschrittPanel::Beendet, this, [this] {
        if (m_schliessenNachArbeit) {
            m_schliessenNachArbeit = false;
            QTimer::singleShot(0, this, &Taa::Beenden);
        }
    });

    menuesBauen();
    RegisterFarbenAnwenden(RegisterFarbSchema::System);
    m_hauptReg->AktuellSetzen(1);
}

QWidget *Taa::auswahlSeiteBauen()
{
    QFrame *seite = panel(QStringLiteral("PaAuswahl"), this);
    auto *spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    // Top band: room for the help switch on the left, the search tab strip at 60, 5.
    m_paSuchReg = panel(QStringLiteral("PaSuchReg"), seite);
    m_paSuchReg->setFixedHeight(48);
    QFrame *container = panel(QStringLiteral("PaSucheRegContainer"), m_paSuchReg);
    container->setGeometry(60, 5, 545, 40);
    QFrame *linie = panel(QStringLiteral("ShaSuchReg"), m_paSuchReg);
    linie->setGeometry(60, 45, 545, 1);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    m_sucheReg = new TNxReg(QStringLiteral("SucheRegister"), 5, container);
    m_sucheReg->MarkierungenZeigen = true;
    for (int i = 1; i <= 5; ++i) {
        TNxTab &t = m_sucheReg->Tab(i);
        t.beschriftung = SuchCaptions[i];
        t.fett = i == 1;
    }
    m_sucheReg->Tab(5).aktiv = false;
    m_sucheReg->Tab(5).markierung = -1;
    connect(m_sucheReg, &TNxReg::NachWechsel, this, [this](int k) {
        if (!EreignisseGesperrt)
            RegSuche_OnClick(k);
    });
    m_sucheReg->AktuellSetzen(1);
    // Never narrower than the captions need, so no tab is cut.
    const int breite = std::max(545, m_sucheReg->BenoetigteBreite());
    container->resize(breite, 40);
    linie->resize(breite, 1);
    spalte->addWidget(m_paSuchReg);

    auto *mitte = new QWidget(seite);
    mitte->setObjectName(QStringLiteral("PaAuswahlMitte"));
    auto *zeile = new QHBoxLayout(mitte);
    zeile->setContentsMargins(4, 0, 4, 0);
    zeile->setSpacing(0);
    m_paBaum = panel(QStringLiteral("PaBaum"), mitte);
    m_paBaum->setFixedWidth(230);
    static_cast<QFrame *>(m_paBaum)->setFrameShape(QFrame::StyledPanel);
    m_paAuswahlliste = panel(QStringLiteral("PaAuswahlliste"), mitte);
    static_cast<QFrame *>(m_paAuswahlliste)->setFrameShape(QFrame::StyledPanel);
    m_paASplitter = new TSplitterGriff(m_paBaum, m_paAuswahlliste, mitte);
    zeile->addWidget(m_paBaum);
    zeile->addWidget(m_paASplitter);
    zeile->addWidget(m_paAuswahlliste, 1);
    spalte->addWidget(mitte, 1);

    m_statusAuswahl = new QStatusBar(seite);
    m_statusAuswahl->setObjectName(QStringLiteral("StatusAuswahl"));
    m_statusAuswahl->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        auto *la = new QLabel(m_statusAuswahl);
        la->setObjectName(QStringLiteral("StatusAuswahl") + QString::number(i));
        la->setContentsMargins(4, 0, 4, 0);
        if (i == 0)
            la->setMinimumWidth(200);
        if (i == 1)
            m_statusAuswahl->addWidget(la, 1);
        else if (i == 0)
            m_statusAuswahl->addWidget(la);
        else
            m_statusAuswahl->addPermanentWidget(la);
        m_statusPanels.append(la);
    }
    // Keep the order 0, 1, 2 from left to right.
    m_statusAuswahl->removeWidget(m_statusPanels[1]);
    m_statusAuswahl->addWidget(m_statusPanels[1], 1);
    m_statusPanels[1]->show();
    spalte->addWidget(m_statusAuswahl);
    return seite;
}

QWidget *Taa::aktionsSeiteBauen()
{
    QFrame *seite = panel(QStringLiteral("PaAktion"), this);
    auto *spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(4);
    m_paAendUndHerst = panel(QStringLiteral("PaAendUndHerst"), seite);
    m_paRegel = panel(QStringLiteral("PaRegel"), seite);
    m_paRegel->hide();
    spalte->addWidget(m_paAendUndHerst);
    spalte->addWidget(m_paRegel);

    m_paVorschauSchalter = panel(QStringLiteral("PaVorschauSchalter"), seite);
    m_paVorschauSchalter->setFixedHeight(30);
    m_paVorschauSchalter->setMinimumWidth(MindestBreite - 8);
    m_cheVorschau = new QCheckBox(QStringLiteral("Vorschau\r\nautomatisch").replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                                  m_paVorschauSchalter);
    m_cheVorschau->setObjectName(QStringLiteral("CheVorschauSchalter"));
    // Two short lines in a slightly smaller font, so the caption fits before the button.
    QFont klein = m_cheVorschau->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    m_cheVorschau->setFont(klein);
    m_cheVorschau->setGeometry(2, 0, 82, 30);
    connect(m_cheVorschau, &QCheckBox::toggled, this, [this](bool an) {
        if (EreignisseGesperrt)
            return;
        if (an)
            m_timerAutoVorschau->start();
        else
            m_timerAutoVorschau->stop();
    });
    m_buVorschau = new QPushButton(QStringLiteral("Vorschau anzeigen"), m_paVorschauSchalter);
    m_buVorschau->setObjectName(QStringLiteral("BuVorschauSchalter"));
    m_buVorschau->setGeometry(85, 0, 120, 30);
    // Its action is the preview run, which enables it once it is connected.
    m_buVorschau->setEnabled(false);
    auto *bevel = panel(QStringLiteral("BeVorschauFehler"), m_paVorschauSchalter);
    bevel->setFrameShape(QFrame::Panel);
    bevel->setFrameShadow(QFrame::Sunken);
    m_laVorschauFehler = new QLabel(bevel);
    m_laVorschauFehler->setObjectName(QStringLiteral("LaVorschauFehler"));
    m_laVorschauFehler->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_laVorschauFehler->setContentsMargins(6, 0, 6, 0);
    auto *bevelZeile = new QHBoxLayout(bevel);
    bevelZeile->setContentsMargins(2, 2, 2, 2);
    bevelZeile->addWidget(m_laVorschauFehler);
    m_buAktion = new QPushButton(QStringLiteral("durchführen"));
    m_buAktion->setObjectName(QStringLiteral("BuAktion"));
    m_buAktion->setEnabled(false);
    m_buAktionRahmen = new TSchalterRahmen(m_buAktion, Gelb, m_einst.RahmenDicke, m_paVorschauSchalter);
    // The bar follows the page's width: the action button stays at the right end.
    m_paVorschauSchalter->installEventFilter(this);
    spalte->addWidget(m_paVorschauSchalter);

    m_panelListeVorschau = panel(QStringLiteral("PanelListeVorschau"), seite);
    static_cast<QFrame *>(m_panelListeVorschau)->setFrameShape(QFrame::StyledPanel);
    spalte->addWidget(m_panelListeVorschau, 1);
    return seite;
}

QWidget *Taa::rueckSeiteBauen()
{
    QFrame *seite = panel(QStringLiteral("PaRueck"), this);
    auto *spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(panel(QStringLiteral("PaRueckOben"), seite), 1);
    spalte->addWidget(panel(QStringLiteral("PaRueckListe"), seite), 2);
    return seite;
}

QWidget *Taa::loeschenKopSeiteBauen()
{
    QFrame *seite = panel(QStringLiteral("PaLoeschenKop"), this);
    auto *spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    m_paLoeschOben = panel(QStringLiteral("PaLoeschOben"), seite);
    m_paKopieOben = panel(QStringLiteral("PaKopieOben"), seite);
    m_paKopieOben->hide();
    spalte->addWidget(m_paLoeschOben);
    spalte->addWidget(m_paKopieOben);
    spalte->addStretch(1);
    return seite;
}

QWidget *Taa::infoSeiteBauen()
{
    QFrame *seite = panel(QStringLiteral("PaCopy"), this);
    auto *spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(10, 10, 10, 10);
    spalte->setSpacing(0);

    auto *kopf = new QWidget(seite);
    auto *kopfZeile = new QHBoxLayout(kopf);
    kopfZeile->setContentsMargins(0, 0, 0, 0);
    kopfZeile->setSpacing(16);
    auto *logo = new QLabel(kopf);
    logo->setObjectName(QStringLiteral("ImLogo"));
    const QIcon icon = QApplication::windowIcon();
    logo->setPixmap(icon.isNull() ? ProgrammBild(64) : icon.pixmap(64, 64));
    logo->setFixedSize(64, 64);
    kopfZeile->addWidget(logo, 0, Qt::AlignTop);

    auto *texte = new QVBoxLayout();
    texte->setSpacing(4);
    auto *prog = new QLabel(ProgName + QStringLiteral(", Version ") + ProgVersion, kopf);
    prog->setObjectName(QStringLiteral("LaCopyProg"));
    QFont groß = prog->font();
    groß.setPointSizeF(groß.pointSizeF() * 1.6);
    groß.setBold(true);
    prog->setFont(groß);
    auto *hersteller = new QLabel(HerstellerZeile, kopf);
    hersteller->setObjectName(QStringLiteral("LaCopyOK"));
    hersteller->setWordWrap(true);
    auto *internet = new QPushButton(QStringLiteral("Internet-Seite ... "), kopf);
    internet->setObjectName(QStringLiteral("BuCopyInternet"));
    internet->setFixedHeight(30);
    internet->setMinimumWidth(140);
    connect(internet, &QPushButton::clicked, this, &Taa::buCopyInternetClick);
    texte->addWidget(prog);
    texte->addWidget(hersteller);
    texte->addSpacing(6);
    texte->addWidget(internet, 0, Qt::AlignLeft);
    kopfZeile->addLayout(texte, 1);
    spalte->addWidget(kopf);

    spalte->addSpacing(10);
    auto *trenner = panel(QStringLiteral("ShaCopyTrenner"), seite);
    trenner->setFrameShape(QFrame::HLine);
    trenner->setFrameShadow(QFrame::Sunken);
    spalte->addWidget(trenner);
    spalte->addSpacing(10);

    auto *notizen = new QWidget(seite);
    auto *notizZeile = new QHBoxLayout(notizen);
    notizZeile->setContentsMargins(0, 0, 0, 0);
    notizZeile->setSpacing(10);
    m_riCopyL = new QTextEdit(notizen);
    m_riCopyL->setObjectName(QStringLiteral("RiCopyL"));
    m_riCopyL->setAcceptRichText(false);
    m_riCopyL->setFixedWidth(300);
    m_riCopyR = new QTextEdit(notizen);
    m_riCopyR->setObjectName(QStringLiteral("RiCopyR"));
    m_riCopyR->setAcceptRichText(false);
    notizZeile->addWidget(m_riCopyL);
    notizZeile->addWidget(m_riCopyR, 1);
    spalte->addWidget(notizen, 1);
    return seite;
}

void Taa::menuesBauen()
{
    auto menue = [this](const QString &name) {
        auto *m = new QMenu(this);
        m->setObjectName(name);
        QAction *abbrechen = m->addAction(QStringLiteral("&dieses Menü abbrechen"));
        abbrechen->setObjectName(name + QStringLiteral("_Abbrechen"));
        m->setDefaultAction(abbrechen);
        m->addSeparator();
        return m;
    };
    // Entries whose work belongs to a part that is not there yet stay disabled; that
    // part enables them when it connects them.
    auto eintrag = [](QMenu *m, const QString &name, const QString &text) {
        QAction *a = m->addAction(text);
        a->setObjectName(name);
        a->setEnabled(false);
        return a;
    };
    const QString za = QStringLiteral("in die Zwischenablage kopieren: ");

    m_popA = menue(QStringLiteral("PopA"));
    eintrag(m_popA, QStringLiteral("PopA_Kopf"), QStringLiteral("mehr Spalten anzeigen ..."));
    m_popA->addSeparator();
    eintrag(m_popA, QStringLiteral("PopA_Eigenschaften"), QStringLiteral("zuletzt ausgewählter Name: Eigenschaften anzeigen"));
    eintrag(m_popA, QStringLiteral("PopA_F2F4"), QStringLiteral("zuletzt ausgewählter Name: &umbenennen ...   (F2 oder F4)"));
    eintrag(m_popA, QStringLiteral("PopA_Wechsel"), QStringLiteral("zuletzt ausgewählter Name: in das &Verzeichnis wechseln"));
    eintrag(m_popA, QStringLiteral("PopA_Doppel"),
            QStringLiteral("zuletzt ausgewählter Name: öffnen wie mit einem \"&Doppeltdrücken\""));
    for (int i = 1; i <= 6; ++i)
        eintrag(m_popA, QStringLiteral("PopA_Pro") + QString::number(i), QString())->setVisible(false);
    m_popA->addSeparator();
    eintrag(m_popA, QStringLiteral("PopA_Zelle"), QString());
    eintrag(m_popA, QStringLiteral("PopA_alle"), za + QStringLiteral("von &allen ..."));
    eintrag(m_popA, QStringLiteral("PopA_aus"), za + QStringLiteral("von den ausgewählten ..."));
    eintrag(m_popA, QStringLiteral("PopA_NichtAus"), za + QStringLiteral("von den nicht-ausgewählten ..."));
    eintrag(m_popA, QStringLiteral("PopA_PNF"), za + QStringLiteral("&Pfad\\Name.Format ..."));
    eintrag(m_popA, QStringLiteral("PopA_NF"), za + QStringLiteral("Name.&Format ..."));
    eintrag(m_popA, QStringLiteral("PopA_N"), za + QStringLiteral("&Name ..."));
    eintrag(m_popA, QStringLiteral("PopA_Inhalte"), za + QStringLiteral("alle &Inhalte ..."));

    m_popL = menue(QStringLiteral("PopL"));
    eintrag(m_popL, QStringLiteral("PopL_Eigenschaften"), QStringLiteral("Eigenschaften anzeigen"));
    eintrag(m_popL, QStringLiteral("PopL_UnterVerz"), QStringLiteral("ein neues Unter-Verzeichnis herstellen ..."));
    eintrag(m_popL, QStringLiteral("PopL_LeereLoeschen"), QStringLiteral("alle leeren Unter-Verzeichnisse löschen ..."));
    m_popL->addSeparator();
    eintrag(m_popL, QStringLiteral("PopL_Alle"), za + QStringLiteral("von &allen ..."));
    eintrag(m_popL, QStringLiteral("PopL_Aus"), za + QStringLiteral("von den ausgewählten ..."));
    eintrag(m_popL, QStringLiteral("PopL_NichtAus"), za + QStringLiteral("von den nicht-ausgewählten ..."));
    eintrag(m_popL, QStringLiteral("PopL_PV"), za + QStringLiteral("&Pfad\\Verzeichnis ..."));
    eintrag(m_popL, QStringLiteral("PopL_V"), za + QStringLiteral("&Verzeichnis ..."));
    eintrag(m_popL, QStringLiteral("PopL_Inhalte"), za + QStringLiteral("alle &Inhalte ..."));

    m_popV = menue(QStringLiteral("PopV"));
    eintrag(m_popV, QStringLiteral("PopV_FehlerSprungMinus"), QStringLiteral("Vorschau-Fehler finden (aufwärts)"));
    eintrag(m_popV, QStringLiteral("PopV_FehlerSprungPlus"), QStringLiteral("Vorschau-Fehler finden (abwärts)"));
    m_popV->addSeparator();
    eintrag(m_popV, QStringLiteral("PopV_Zelle"), QString());
    eintrag(m_popV, QStringLiteral("PopV_UnterVerz"), za + QStringLiteral("alle &Inhalte ..."));

    m_popR = menue(QStringLiteral("PopR"));
    eintrag(m_popR, QStringLiteral("PopR_Zelle"), QString());
    eintrag(m_popR, QStringLiteral("PopR_1"), za + QStringLiteral("alle &Inhalte ..."));

    m_popSpaltenA = new QMenu(this);
    m_popSpaltenA->setObjectName(QStringLiteral("PopSpaltenA"));
    const QStringList spalten = {QStringLiteral("Symbol"), QStringLiteral("Format"), QStringLiteral("Bytes"),
                                 QStringLiteral("Att"), QStringLiteral("ZeitH"), QStringLiteral("ZeitA"),
                                 QStringLiteral("ZeitZ")};
    for (const QString &s : spalten) {
        QAction *a = m_popSpaltenA->addAction(s);
        a->setObjectName(QStringLiteral("PopSpaltenA_") + s);
        a->setCheckable(true);
        a->setEnabled(false);
    }
}

QColor Taa::tabFarbe(int tab) const
{
    if (!m_hauptReg || tab < 1 || tab > m_hauptReg->Anzahl())
        return palette().color(QPalette::Window);
    const QColor c = m_hauptReg->Tab(tab).hintergrund;
    return c.isValid() ? c : m_paHauptReg->palette().color(QPalette::Window);
}

void Taa::RegisterFarbenAnwenden(RegisterFarbSchema schema, const QColor &eigene1, const QColor &eigene2)
{
    if (!m_hauptReg)
        return;
    const QPalette pal = QApplication::palette();
    for (int i = 1; i <= 10; ++i) {
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
    for (int i = 1; i <= m_sucheReg->Anzahl(); ++i) {
        m_sucheReg->Tab(i).hintergrund = m_hauptReg->Tab(1).hintergrund;
        m_sucheReg->Tab(i).schrift = m_hauptReg->Tab(1).schrift;
    }
    m_sucheReg->NeuZeichnen();
    // The band under the strip follows the selected tab.
    QPalette band = m_paObenAbstand2->palette();
    band.setColor(QPalette::Window, tabFarbe(AktuelleSeite));
    m_paObenAbstand2->setPalette(band);
}

void Taa::RegHaupt_OnClick(int k)
{
    if (k == 10 || k < 1) {
        nxDebugZeile(QStringLiteral("RegHaupt_OnClick: Exit"));
        Beenden();
        return;
    }
    DebugSchritt schritt(QStringLiteral("RegHaupt_OnClick"));
    // The hourglass goes also when a page's own adjustment throws.
    struct Sanduhr
    {
        Sanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
        ~Sanduhr() { QApplication::restoreOverrideCursor(); }
        Sanduhr(const Sanduhr &) = delete;
        Sanduhr &operator=(const Sanduhr &) = delete;
    } sanduhr;
    AktuelleSeite = k;
    m_timerAutoVorschau->stop();
    SeiteAnpassenFuerAlleSeiten();
    switch (k) {
    case 1:
        if (AktuelleSuchSeite == 0)
            AktuelleSuchSeite = 1;
        Q_EMIT AuswahlSeiteAnpassen(AktuelleSuchSeite);
        AnzeigeListenAnzahlAuswahl();
        if (isVisible() && (AktuelleSuchSeite == 1 || AktuelleSuchSeite == 5)) {
            const QList<QWidget *> liste = m_paAuswahlliste->findChildren<QWidget *>(QStringLiteral("AListe"));
            if (!liste.isEmpty())
                liste.first()->setFocus();
        }
        break;
    case 2:
    case 3: {
        m_paAendUndHerst->show();
        m_paRegel->hide();
        // A list without a valid choice starts at its first item.
        const QStringList listen = k == 2 ? QStringList{QStringLiteral("CoAendernNameFormat"), QStringLiteral("LiAendOben"),
                                                        QStringLiteral("LiAendUnten6"), QStringLiteral("LiAendUnten4")}
                                          : QStringList{QStringLiteral("LiHerstOben"), QStringLiteral("LiHerstUnten4")};
        for (const QString &name : listen)
            ListeAufGueltigenEintrag(name);
        AnzeigeSchalterBeschriftung();
        Q_EMIT AktionsSeiteAnpassen(k);
        break;
    }
    case 4:
        m_paAendUndHerst->hide();
        m_paRegel->show();
        ListeAufGueltigenEintrag(QStringLiteral("LiRegelAktion"));
        AnzeigeSchalterBeschriftung();
        Q_EMIT AktionsSeiteAnpassen(k);
        break;
    case 5:
        Q_EMIT RueckSeiteAnpassen();
        break;
    case 6:
    case 7:
        m_paLoeschOben->setVisible(k == 6);
        m_paKopieOben->setVisible(k == 7);
        Q_EMIT LoeschenKopSeiteAnpassen(k);
        break;
    default:
        break;
    }
    if (k <= 5)
        Q_EMIT HilfeSymboleAnpassen();
}

void Taa::ListeAufGueltigenEintrag(const QString &name)
{
    EreignisSperre sperre;
    if (auto *co = findChild<QComboBox *>(name)) {
        if (co->count() > 0 && (co->currentIndex() < 0 || co->currentIndex() >= co->count()))
            co->setCurrentIndex(0);
    } else if (auto *li = findChild<QListWidget *>(name)) {
        if (li->count() > 0 && (li->currentRow() < 0 || li->currentRow() >= li->count()))
            li->setCurrentRow(0);
    }
}

void Taa::RegSuche_OnClick(int k)
{
    for (int i = 2; i <= 4; ++i)
        m_sucheReg->Tab(i).markierung = 0;
    m_sucheReg->NeuZeichnen();
    if (k < 1 || k > 5 || !m_sucheReg->Tab(k).aktiv || k == AktuelleSuchSeite)
        return;
    AktuelleSuchSeite = k;
    m_hauptReg->AktuellSetzen(1);
}

void Taa::SeiteAnpassenFuerAlleSeiten()
{
    DebugSchritt schritt(QStringLiteral("SeiteAnpassenFuerAlleSeiten"));
    QWidget *neu = nullptr;
    switch (AktuelleSeite) {
    case 1: neu = m_paAuswahl; break;
    case 2:
    case 3:
    case 4: neu = m_paAktion; break;
    case 5: neu = m_paRueck; break;
    case 6:
    case 7: neu = m_paLoeschenKop; break;
    case 8: neu = m_paEinstellungen; break;
    case 9: neu = m_paCopy; break;
    default: neu = m_paAuswahl; break;
    }
    const QColor farbe = tabFarbe(AktuelleSeite);
    QPalette band = m_paObenAbstand2->palette();
    band.setColor(QPalette::Window, farbe);
    m_paObenAbstand2->setPalette(band);
    QPalette seite = neu->palette();
    seite.setColor(QPalette::Window, m_einst.ParentColor ? farbe : palette().color(QPalette::Window));
    neu->setPalette(seite);
    // The layout gives the new panel the place of the old one.
    setUpdatesEnabled(false);
    for (QWidget *p : {m_paAuswahl, m_paAktion, m_paRueck, m_paLoeschenKop, m_paEinstellungen, m_paCopy})
        if (p != neu)
            p->hide();
    neu->show();
    m_paRegel->setVisible(AktuelleSeite == 4);
    m_paAendUndHerst->setVisible(AktuelleSeite == 2 || AktuelleSeite == 3);
    setUpdatesEnabled(true);
}

void Taa::AnzeigeListenAnzahlAuswahl()
{
    DebugSchritt schritt(QStringLiteral("AnzeigeListenAnzahlAuswahl"));
    if (ListenAnzahlAnzeige) {
        ListenAnzahlAnzeige();
        return;
    }
    const QString titel = ProgName + QStringLiteral(" ") + ProgVersion;
    if (!ArbeitLaeuft()) {
        setWindowTitle(titel);
        AnwendungsTitelSetzen(titel);
    }
}

void Taa::AnzeigeSchalterBeschriftung()
{
    QString text;
    switch (AktuelleSeite) {
    case 3: text = QStringLiteral("Herstellen"); break;
    case 4: text = QStringLiteral("Regel anwenden"); break;
    default: text = QStringLiteral("Ändern"); break;
    }
    if (m_einst.Sicherheitsfrage) {
        m_buAktionRahmen->FarbeSetzen(Gelb);
        text += QStringLiteral(" ...");
    } else {
        m_buAktionRahmen->FarbeSetzen(Orange);
        text += QStringLiteral("!");
    }
    m_buAktion->setText(text);
    nxDebugZeile(QStringLiteral("AnzeigeSchalterBeschriftung: ") + text);
}

void Taa::StatusTextSetzen(int panel, const QString &text)
{
    if (panel >= 0 && panel < m_statusPanels.size())
        m_statusPanels[panel]->setText(text);
}

QString Taa::StatusText(int panel) const
{
    return panel >= 0 && panel < m_statusPanels.size() ? m_statusPanels[panel]->text() : QString();
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

void Taa::buCopyInternetClick()
{
    const QString frage = DialogMaskieren(InternetAdresse) + QStringLiteral("\r\n\r\n")
        + QStringLiteral("Soll die Internet-Seite angezeigt werden?");
    if (Dialoge().Dialog_Frage(frage, QStringLiteral("BuCopyInternet"), false))
        QDesktopServices::openUrl(QUrl(InternetAdresse));
}

bool Taa::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == m_paVorschauSchalter && event->type() == QEvent::Resize) {
        const int b = m_paVorschauSchalter->width();
        m_buAktionRahmen->setGeometry(b - 134, 0, 120, 30);
        if (QWidget *bevel = m_paVorschauSchalter->findChild<QWidget *>(QStringLiteral("BeVorschauFehler")))
            bevel->setGeometry(85 + 120 + 10, 0, std::max(0, b - 134 - 10 - (85 + 120 + 10)), 30);
        return false;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto *w = qobject_cast<QWidget *>(obj);
        if (w && w->window() == this)
            return tasteVerarbeiten(obj, static_cast<QKeyEvent *>(event));
    }
    return QMainWindow::eventFilter(obj, event);
}

bool Taa::tasteVerarbeiten(QObject *ziel, QKeyEvent *event)
{
    auto *w = static_cast<QWidget *>(ziel);
    if (ArbeitLaeuft()) {
        if (event->type() == QEvent::KeyPress && event->key() == Qt::Key_Escape && !event->isAutoRepeat())
            Q_EMIT EscWaehrendArbeit();
        // Only the progress panel's own buttons take keys while an operation runs.
        return !(m_fort->isAncestorOf(w));
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
    const int key = event->key();
    if (mods == (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) {
        if (key == ExpertenTaste1) {
            m_expertenTasteScharf = true;
            return true;
        }
        if (key == ExpertenTaste2 && m_expertenTasteScharf) {
            m_expertenTasteScharf = false;
            Q_EMIT ExpertenEinstellungenVerlangt();
            return true;
        }
        if (key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Shift)
            m_expertenTasteScharf = false;
        return false;
    }
    if ((key == Qt::Key_F2 || key == Qt::Key_F4) && mods == Qt::NoModifier) {
        if (AktuelleSeite == 1 && (AktuelleSuchSeite == 1 || AktuelleSuchSeite == 5)) {
            Q_EMIT UmbenennenVerlangt();
            return true;
        }
        return false;
    }
    if (qobject_cast<QCheckBox *>(w) && mods == Qt::NoModifier) {
        if (key == Qt::Key_Down || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Left) {
            const bool vor = key == Qt::Key_Down || key == Qt::Key_Right;
            QWidget *naechstes = w;
            // The next focusable control in the tab chain, in either direction.
            do {
                naechstes = vor ? naechstes->nextInFocusChain() : naechstes->previousInFocusChain();
            } while (naechstes && naechstes != w
                     && !((naechstes->focusPolicy() & Qt::TabFocus) && naechstes->isVisible() && naechstes->isEnabled()));
            if (naechstes && naechstes != w)
                naechstes->setFocus(vor ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

int AnzeigeFormAa(SignalWaechter *waechter, const std::function<void(Taa &)> &vorDemLauf)
{
    DebugSchritt schritt(QStringLiteral("AnzeigeForm: aa"));
    // 1. the main window and the start picture
    Taa aa;
    if (waechter)
        QObject::connect(waechter, &SignalWaechter::beendenVerlangt, &aa, &Taa::Beenden);
    // Set when the window closes or the start picture is clicked before the event loop
    // runs (a signal during start-up): the loop is then not entered, the saves still run.
    bool beendenVerlangt = false;
    QObject::connect(&aa, &Taa::Geschlossen, &aa, [&beendenVerlangt] {
        beendenVerlangt = true;
        QCoreApplication::exit(0);
    });
    aa.setWindowTitle(QStringLiteral("wird gestartet ..."));
    AnwendungsTitelSetzen(QStringLiteral("wird gestartet ..."));
    AblaufSchritteAnmelden(aa);
    if (vorDemLauf)
        vorDemLauf(aa);
    aa.SteuerelementeAnlegen();

    bool weiter = true;
    std::unique_ptr<TLogoForm> logo;
    try {
        // 2. early control states
        aa.Ablauf().Ausfuehren(StartSchritt::IniControlsVorStart);
        // 3. start picture
        if (aa.Einst().BildBeiStart) {
            logo = std::make_unique<TLogoForm>();
            QObject::connect(logo.get(), &TLogoForm::BeendenVerlangt, &aa, [&beendenVerlangt] { beendenVerlangt = true; });
            logo->Zeigen();
            logo->BalkenSetzen(0.3);
        }
        auto balken = [&logo](double f) {
            if (logo)
                logo->BalkenSetzen(f);
        };
        // 4. screen check
        QScreen *schirm = QGuiApplication::primaryScreen();
        const QRect flaeche = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
        if (!BildschirmPruefen(flaeche.size(), BildschirmMeldungZahl, aa.Dialoge())) {
            weiter = false;
        }
        if (weiter) {
            // 5. size within the work area
            {
                EreignisSperre sperre;
                aa.setMinimumSize(MindestBreite, MindestHoehe);
                if (aa.width() < MindestBreite || aa.height() < MindestHoehe || !aa.testAttribute(Qt::WA_Resized))
                    aa.resize(std::min(1000, flaeche.width()), std::min(720, flaeche.height()));
                aa.resize(std::min(aa.width(), flaeche.width()), std::min(aa.height(), flaeche.height()));
                QPoint pos = aa.testAttribute(Qt::WA_Moved) ? aa.pos()
                                                            : flaeche.center() - QPoint(aa.width() / 2, aa.height() / 2);
                pos.setX(std::max(flaeche.left(), std::min(pos.x(), flaeche.right() + 1 - aa.width())));
                pos.setY(std::max(flaeche.top(), std::min(pos.y(), flaeche.bottom() + 1 - aa.height())));
                aa.move(pos);
            }
            // 6. drive roots
            aa.Ablauf().Ausfuehren(StartSchritt::LaufwerkeDurchgehen);
            balken(0.4);
            // 7. controls and texts, stored data
            aa.Startwerte();
            balken(0.5);
            aa.Ablauf().Ausfuehren(StartSchritt::RegelnLaden);
            aa.Ablauf().Ausfuehren(StartSchritt::SuchUndMerkListeLaden);
            balken(0.6);
            aa.Ablauf().Ausfuehren(StartSchritt::RueckIndexLaden);
            aa.Ablauf().Ausfuehren(StartSchritt::IniControlsHinterStart);
            balken(0.7);
            // 8. first page
            aa.AktuelleSeite = 1;
            aa.RegHaupt_OnClick(1);
            balken(0.8);
            AnwendungsTitelSetzen(aa.windowTitle());
            QCoreApplication::processEvents();
            balken(0.9);
            // 9. drawing, help, edit menus, action pages
            aa.Ablauf().Ausfuehren(StartSchritt::AuswahlListeZeichnen);
            aa.Ablauf().Ausfuehren(StartSchritt::HilfeVorbereiten);
            aa.Ablauf().Ausfuehren(StartSchritt::EditMenueAnhaengen);
            aa.Ablauf().Ausfuehren(StartSchritt::AktionsSeitenAnpassen);
            aa.AktuelleSeite = 1;
            aa.AktuelleSuchSeite = 1;
            balken(1.0);
            logo.reset();
            // 10. show the window, then the start directory or the start parameters
            if (beendenVerlangt)
                throw BeendenWaehrendDesStarts();
            aa.PaAuswahl()->setEnabled(false);
            aa.HauptRegister()->parentWidget()->setEnabled(false);
            aa.show();
            aa.Ablauf().Ausfuehren(StartSchritt::AuswahlListeZeichnen);
            nxDebugZeile(QStringLiteral("IniVerzeichnisBeiStart=") + IniVerzeichnisBeiStart);
            const qsizetype anzahl = std::max<qsizetype>(0, a_StartParameter.size() - 1);
            nxDebugZeile(QStringLiteral("Größe von a_StartParameter=") + QString::number(anzahl));
            if (anzahl == 0) {
                EreignisSperre sperre;
                aa.Ablauf().Ausfuehren(StartSchritt::StartVerzeichnisOeffnen);
            } else {
                aa.Ablauf().Ausfuehren(StartSchritt::StartParameterAuswaehlen);
            }
            aa.PaAuswahl()->setEnabled(true);
            aa.HauptRegister()->parentWidget()->setEnabled(true);
        }
    } catch (const BeendenWaehrendDesStarts &) {
        // Ended before the window was shown; the saves follow below.
    } catch (const std::exception &e) {
        nxDebugZeile(QStringLiteral("### ProgrammAbsturzAbfang ###"));
        aa.Dialoge().Dialog_Fehler(QStringLiteral("Ein zu großer Fehler ist passiert. Die Ursache ist unbekannt. Das Programm wird beendet.")
                                   + QStringLiteral("\r\n\r\n") + DialogMaskieren(QString::fromLocal8Bit(e.what()).left(500)));
        beendenVerlangt = true;
    } catch (...) {
        nxDebugZeile(QStringLiteral("### ProgrammAbsturzAbfang ###"));
        aa.Dialoge().Dialog_Fehler(QStringLiteral("Ein zu großer Fehler ist passiert. Die Ursache ist unbekannt. Das Programm wird beendet."));
        beendenVerlangt = true;
    }
    logo.reset();

    if (weiter) {
        // 11. the event loop; then save everything, each save on its own.
        if (!beendenVerlangt) {
            nxDebugZeile(QStringLiteral("Application.Run"));
            try {
                QApplication::exec();
            } catch (...) {
                nxDebugZeile(QStringLiteral("### ProgrammAbsturzAbfang ###"));
            }
        }
        aa.hide();
        QCoreApplication::processEvents();
        aa.Ablauf().AllesSpeichern();
    }
    // 12.
    nxDebugZeile(QStringLiteral("AnzeigeForm: AnfangsForm ist geschlossen worden"));
    return 0;
}

} // namespace rinolux
