#include "gui/pages/AuswahlSeite.h"

#include "core/platform/Plattform.h"
#include "core/selection/BaumDaten.h"
#include "core/selection/Suche.h"
#include "core/shell/Dialog.h"
#include "core/shell/DialogText.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/ListenDaten.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Debug.h"
#include "core/util/nx_Format.h"
#include "gui/app/KontextMenues.h"
#include "gui/app/Sanduhr.h"
#include "gui/controls/TNxBaum.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/Form_Filter.h"
#include "gui/pages/Form_ZAblage.h"
#include "gui/pages/SeitenUmgebung.h"
#include "gui/pages/SuchBereich.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rinolux {

namespace {

const QStringList SuchCaptions = {QString(),
                                  QStringLiteral("Direkt-Auswahl"),
                                  QStringLiteral("einfache Suche"),
                                  QStringLiteral("erweiterte Suche"),
                                  QStringLiteral("Suche mit Liste"),
                                  QStringLiteral("Suche-Ergebnis")};

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

// Paths compared as the restored-directory hint wants them: lower case, trailing "/".
QString verzSchluessel(const QString &p)
{
    return nxAdresseMitEndStrich(p.trimmed()).toLower();
}

} // namespace

TAuswahlSeite::TAuswahlSeite(SeitenUmgebung &umgebung, QWidget *eltern)
    : Seite(QStringLiteral("PaAuswahl"), umgebung, eltern)
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(suchRegisterBauen());
    spalte->addWidget(mitteBauen(), 1);
    spalte->addWidget(statusBauen());
    m_verzFarbe = new QTimer(this);
    m_verzFarbe->setObjectName(QStringLiteral("TimerVerzEditFarbe"));
    m_verzFarbe->setSingleShot(true);
    m_verzFarbe->setInterval(3000);
    connect(m_verzFarbe, &QTimer::timeout, this, [this] { m_suche->VerzeichnisHervorheben(false); });
    // F2 and F4 rename in the list.
    connect(this, &Seite::UmbenennenVerlangt, this, [this] {
        if (m_liste)
            m_liste->EditorOeffnen();
    });
}

bool TAuswahlSeite::DateienZeigen() const
{
    return m_cheD->isChecked();
}

bool TAuswahlSeite::VerzeichnisseZeigen() const
{
    return m_cheV->isChecked();
}

TAuswahlSeite::~TAuswahlSeite() = default;

QString TAuswahlSeite::Titel(int) const
{
    return QStringLiteral("Auswählen");
}

QWidget *TAuswahlSeite::suchRegisterBauen()
{
    // Top band: room for the help switch on the left, the search tab strip at 60, 5.
    QFrame *band = SeitenPanel(QStringLiteral("PaSuchReg"), this);
    band->setFixedHeight(48);
    QFrame *container = SeitenPanel(QStringLiteral("PaSucheRegContainer"), band);
    container->setGeometry(60, 5, 545, 40);
    QFrame *linie = SeitenPanel(QStringLiteral("ShaSuchReg"), band);
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

    // Which kinds of entries every listing and search shows.
    auto *arten = new QWidget(band);
    arten->setObjectName(QStringLiteral("PaAuswahlArt"));
    // One above the other, so both fit beside the strip in the smallest window.
    auto *az = new QVBoxLayout(arten);
    az->setContentsMargins(0, 0, 0, 0);
    az->setSpacing(0);
    m_cheD = new QCheckBox(QStringLiteral("Dateien anzeigen"), arten);
    m_cheD->setObjectName(QStringLiteral("CheAuswahlD"));
    m_cheV = new QCheckBox(QStringLiteral("Verzeichnisse anzeigen"), arten);
    m_cheV->setObjectName(QStringLiteral("CheAuswahlV"));
    m_cheD->setChecked(true);
    m_cheV->setChecked(true);
    az->addWidget(m_cheD);
    az->addWidget(m_cheV);
    arten->adjustSize();
    arten->move(60 + breite + 16, 4);
    connect(m_cheD, &QCheckBox::toggled, this, &TAuswahlSeite::auswahlArtGeaendert);
    connect(m_cheV, &QCheckBox::toggled, this, &TAuswahlSeite::auswahlArtGeaendert);
    return band;
}

QWidget *TAuswahlSeite::mitteBauen()
{
    m_stapel = new QStackedWidget(this);
    m_stapel->setObjectName(QStringLiteral("PaAuswahlStapel"));
    auto *mitte = new QWidget(m_stapel);
    mitte->setObjectName(QStringLiteral("PaAuswahlMitte"));
    auto *zeile = new QHBoxLayout(mitte);
    zeile->setContentsMargins(4, 0, 4, 0);
    zeile->setSpacing(0);
    QFrame *baum = SeitenPanel(QStringLiteral("PaBaum"), mitte);
    baum->setFixedWidth(230);
    baum->setFrameShape(QFrame::StyledPanel);
    QFrame *liste = SeitenPanel(QStringLiteral("PaAuswahlliste"), mitte);
    liste->setFrameShape(QFrame::StyledPanel);
    m_paBaum = baum;
    m_paAuswahlliste = liste;
    baumBauen(baum);
    zeile->addWidget(baum);
    zeile->addWidget(new TSplitterGriff(baum, liste, mitte));
    zeile->addWidget(liste, 1);
    m_stapel->addWidget(mitte);

    m_suche = new SuchBereich(m_stapel);
    m_stapel->addWidget(m_suche);
    connect(m_suche, &SuchBereich::SuchenVerlangt, this,
            [this](bool unter) { Suchen(Umgebung().AktuelleSuchSeite(), unter); });
    connect(m_suche, &SuchBereich::VerlaufGewaehlt, this, &TAuswahlSeite::verlaufWiederherstellen);
    connect(m_suche, &SuchBereich::VerlaufLoeschenVerlangt, this, &TAuswahlSeite::verlaufLoeschen);
    connect(m_suche, &SuchBereich::ListensucheVerlangt, this,
            [this](bool eintragen) { m_suche->ListensucheSetzen(eintragen ? m_listeSpeicher : QStringList()); });
    m_suche->ListensucheWarten();
    return m_stapel;
}

QWidget *TAuswahlSeite::baumBauen(QWidget *panel)
{
    auto *spalte = new QVBoxLayout(panel);
    spalte->setContentsMargins(2, 2, 2, 2);
    spalte->setSpacing(2);
    auto *leiste = new QWidget(panel);
    leiste->setObjectName(QStringLiteral("PaBaumSchalter"));
    auto *lz = new QHBoxLayout(leiste);
    lz->setContentsMargins(0, 0, 0, 0);
    auto *neu = new QToolButton(leiste);
    neu->setObjectName(QStringLiteral("SpeBaumNeu"));
    neu->setText(QStringLiteral("erneuern"));
    neu->setToolTip(QStringLiteral("Verzeichnisse-Anzeige erneuern"));
    auto *filter = new QToolButton(leiste);
    filter->setObjectName(QStringLiteral("SpeBaumFilter"));
    filter->setText(QStringLiteral("Filter ..."));
    filter->setToolTip(QStringLiteral("Filter für die Verzeichnisse-Anzeige"));
    lz->addWidget(neu);
    lz->addWidget(filter);
    lz->addStretch(1);
    m_cheNetz = new QCheckBox(QStringLiteral("auch Netzwerk-Verzeichnisse"), panel);
    m_cheNetz->setObjectName(QStringLiteral("CheBaumNetzwerk"));
    m_cheNetz->setAttribute(Qt::WA_Hover);
    m_cheNetz->installEventFilter(this);
    neu->installEventFilter(this);
    filter->installEventFilter(this);
    m_baum = new TNxBaum(QStringLiteral("LinksBaum"), false, panel);
    m_baum->DateienAnnehmen(true);
    m_baum->AbbruchSetzen([this] { return Umgebung().EscGedrueckt(); });
    spalte->addWidget(leiste);
    spalte->addWidget(m_cheNetz);
    spalte->addWidget(m_baum, 1);

    connect(neu, &QToolButton::clicked, this, [this] {
        Sanduhr sanduhr;
        Umgebung().EscVergessen();
        m_baum->Erneuern();
    });
    connect(filter, &QToolButton::clicked, this, &TAuswahlSeite::filterZeigen);
    connect(m_cheNetz, &QCheckBox::toggled, this, [this](bool an) {
        if (EreignisseGesperrt)
            return;
        Sanduhr sanduhr;
        m_baum->NetzwerkSetzen(an);
    });
    connect(m_baum, &TNxBaum::AuswahlGeaendert, this, &TAuswahlSeite::baumAuswahl);
    connect(m_baum, &TNxBaum::NichtVorhanden, this, &TAuswahlSeite::nichtVorhanden);
    connect(m_baum, &TNxBaum::RechtsKlick, this, &TAuswahlSeite::baumMenue);
    connect(m_baum, &TNxBaum::ZeileUeberMaus, this, [this](const QString &pfad) {
        Umgebung().StatusSetzen(2, pfad.isEmpty() ? QString() : pfad + u' ');
    });
    connect(m_baum, &TNxBaum::expanded, this, [this] { Umgebung().EscVergessen(); });
    connect(m_baum, &TNxBaum::DateienFallengelassen, this, &TAuswahlSeite::NamenAuswaehlen);
    return m_baum;
}

QStatusBar *TAuswahlSeite::statusBauen()
{
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusAuswahl"));
    status->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        auto *la = new QLabel(status);
        la->setObjectName(QStringLiteral("StatusAuswahl") + QString::number(i));
        la->setContentsMargins(4, 0, 4, 0);
        m_statusPanels.append(la);
    }
    // From left to right 0, 1 (taking the room), 2.
    m_statusPanels[0]->setMinimumWidth(200);
    status->addWidget(m_statusPanels[0]);
    status->addWidget(m_statusPanels[1], 1);
    status->addPermanentWidget(m_statusPanels[2]);
    return status;
}

void TAuswahlSeite::Startwerte()
{
    m_sucheReg->NeuZeichnen();
    m_suche->SicherheitsfrageSetzen(Umgebung().Einst().Sicherheitsfrage);
}

bool TAuswahlSeite::eventFilter(QObject *objekt, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter) {
        if (objekt == m_cheNetz)
            Umgebung().StatusSetzen(2, m_cheNetz->text() + QStringLiteral(" anzeigen "));
        else if (auto *b = qobject_cast<QToolButton *>(objekt))
            Umgebung().StatusSetzen(2, b->toolTip() + u' ');
    }
    return Seite::eventFilter(objekt, event);
}

void TAuswahlSeite::RegSuche_OnClick(int k)
{
    for (int i = 2; i <= 4; ++i)
        m_sucheReg->Tab(i).markierung = 0;
    m_sucheReg->NeuZeichnen();
    if (k < 1 || k > 5 || !m_sucheReg->Tab(k).aktiv || k == Umgebung().AktuelleSuchSeite())
        return;
    Umgebung().SuchSeiteSetzen(k);
    Q_EMIT SeiteVerlangt(1);
    // Back on the tree while the list still shows a search: the tree's directory again.
    if (k == 1 && m_zeigtSuchErgebnis) {
        m_zeigtSuchErgebnis = false;
        baumListen(m_baum->AusgewaehlterPfad());
    }
}

void TAuswahlSeite::Anpassen(int)
{
    if (Umgebung().AktuelleSuchSeite() == 0)
        Umgebung().SuchSeiteSetzen(1);
    const int such = Umgebung().AktuelleSuchSeite();
    if (m_sucheReg->Aktuell() != such) {
        const QSignalBlocker sperre(m_sucheReg);
        m_sucheReg->AktuellSetzen(such);
    }
    const bool suchSeite = such >= 2 && such <= 4;
    m_stapel->setCurrentIndex(suchSeite ? 1 : 0);
    m_paBaum->setVisible(such != 5);
    if (suchSeite) {
        m_suche->SeiteZeigen(such);
        m_suche->VerlaufZeigen(m_verlauf);
    }
    if (!m_liste) {
        // Without the list the caption is the program's name and version.
        Umgebung().TitelSetzen(ProgName + u' ' + ProgVersion);
        return;
    }
    // The path column only where hits come from many directories.
    TNxTypSpalte &pfad = m_liste->Liste()->Spalte(1);
    if (pfad.sichtbar != (such == 5)) {
        pfad.sichtbar = such == 5;
        pfad.breite = std::max(pfad.breite, 150);
        m_liste->Liste()->Neuzeichnen();
    }
    m_liste->AnzeigeListenAnzahlAuswahl();
    if (window()->isVisible() && (such == 1 || such == 5))
        m_liste->Liste()->setFocus();
}

bool TAuswahlSeite::Taste(int taste, Qt::KeyboardModifiers modifikatoren)
{
    if ((taste != Qt::Key_F2 && taste != Qt::Key_F4) || modifikatoren != Qt::NoModifier)
        return false;
    const int such = Umgebung().AktuelleSuchSeite();
    if (such != 1 && such != 5)
        return false;
    Q_EMIT UmbenennenVerlangt();
    return true;
}

void TAuswahlSeite::TabFarbeSetzen(const QColor &grund, const QColor &schrift)
{
    for (int i = 1; i <= m_sucheReg->Anzahl(); ++i) {
        m_sucheReg->Tab(i).hintergrund = grund;
        m_sucheReg->Tab(i).schrift = schrift;
    }
    m_sucheReg->NeuZeichnen();
}

void TAuswahlSeite::StatusSetzen(int panel, const QString &text)
{
    if (panel >= 0 && panel < m_statusPanels.size())
        m_statusPanels[panel]->setText(text);
}

QString TAuswahlSeite::StatusText(int panel) const
{
    return panel >= 0 && panel < m_statusPanels.size() ? m_statusPanels[panel]->text() : QString();
}

AListeBedienung *TAuswahlSeite::ListeAnlegen()
{
    if (!m_liste) {
        m_liste = new AListeBedienung(m_paAuswahlliste, std::max(m_paBaum->width(), 150), Umgebung(),
                                      Umgebung().Menue(QStringLiteral("PopA")),
                                      Umgebung().Menue(QStringLiteral("PopSpaltenA")));
        // Names dropped on the list go the same way as those dropped on the tree.
        disconnect(m_liste->Liste(), &TNxRotListe::DateienFallengelassen, m_liste, nullptr);
        connect(m_liste->Liste(), &TNxRotListe::DateienFallengelassen, this, &TAuswahlSeite::NamenAuswaehlen);
        // "in das Verzeichnis wechseln" and the like: the tree follows without listing again.
        connect(m_liste, &AListeBedienung::VerzeichnisGewechselt, this, [this](const QString &verz) {
            m_baumFolgt = true;
            m_baum->PfadWaehlen(verz);
            m_baumFolgt = false;
            m_zeigtSuchErgebnis = false;
        });
    }
    return m_liste;
}

// ---------------------------------------------------------------- tree

void TAuswahlSeite::baumAuswahl(const QString &pfad)
{
    m_suche->VerzeichnisSetzen(pfad);
    if (m_sprungAuto)
        nxBaumLetzteVerzeichnisse(m_letzte, pfad);
    if (m_baumFolgt || EreignisseGesperrt)
        return;
    if (Umgebung().AktuelleSuchSeite() == 1)
        baumListen(pfad);
}

void TAuswahlSeite::baumListen(const QString &pfad)
{
    // Without a directory the listing has nothing to do.
    if (!m_liste || pfad.isEmpty())
        return;
    DebugSchritt schritt(QStringLiteral("LinksBaum.Auflisten"));
    m_zeigtSuchErgebnis = false;
    Umgebung().EscVergessen();
    SuchAuftrag a;
    a.art = SuchArt::Baum;
    a.verzeichnis = pfad;
    a.dateienZeigen = m_cheD->isChecked();
    a.verzeichnisseZeigen = m_cheV->isChecked();
    a.escGedrueckt = [this] { return Umgebung().EscGedrueckt(); };
    SuchTreffer treffer;
    const SuchErgebnis e = nxSuche(a, treffer, Umgebung().Fort());
    if (e.keineOrte)
        return;
    if (e.uebersprungen > 0 && !e.abgebrochen) {
        // The directory cannot be read: the list's own listing says why.
        m_liste->VerzeichnisListen(pfad);
        return;
    }
    m_liste->BaumTrefferFuellen(pfad, treffer, e.abgebrochen);
}

void TAuswahlSeite::nichtVorhanden()
{
    Umgebung().Dialoge().Dialog_Info(QStringLiteral("Das ausgewählte Verzeichnis kann nicht erkannt werden.\r\n\r\n"
                                                    "Es existiert nicht,\r\noder es ist fehlerhaft,\r\n"
                                                    "oder es wird vom System gesperrt."));
}

void TAuswahlSeite::SprungSetzen(const QStringList &zeilen, bool letzteAuto)
{
    m_sprungZeilen = zeilen;
    m_sprungAuto = letzteAuto;
}

void TAuswahlSeite::baumMenue(const QString &pfad, const QPoint &global)
{
    if (!m_popL) {
        m_popL = Umgebung().Menue(QStringLiteral("PopL"));
        if (!m_popL)
            m_popL = KontextMenueBauen(u"PopL", this);
    }
    // The fixed entries act on the directory the menu was opened on.
    const auto verbinden = [this](const char16_t *name, auto arbeit) {
        QAction *a = KontextMenueAktion(m_popL, *KontextMenueEintrag(name));
        disconnect(a, &QAction::triggered, this, nullptr);
        connect(a, &QAction::triggered, this, arbeit);
    };
    verbinden(u"PopL_Eigenschaften", [pfad] {
        const Ergebnis e = plattform::eigenschaftenZeigen(pfad);
        if (!e.ok())
            nxDebugZeile(QStringLiteral("PopL_Eigenschaften ") + pfad + QStringLiteral(" => ") + e.text());
    });
    verbinden(u"PopL_UnterVerz", [this, pfad] { unterVerzHerstellen(pfad); });
    verbinden(u"PopL_LeereLoeschen", [this, pfad] { leereLoeschen(pfad); });
    const struct
    {
        const char16_t *name;
        const char16_t *code;
    } exporte[] = {{u"PopL_Alle", u"ZA_K17"}, {u"PopL_Aus", u"ZA_K18"}, {u"PopL_NichtAus", u"ZA_K19"},
                   {u"PopL_PV", u"ZA_K11"},   {u"PopL_V", u"ZA_K12"},   {u"PopL_Inhalte", u"ZA_GL"}};
    for (const auto &e : exporte) {
        const QString code = QString::fromUtf16(e.code);
        verbinden(e.name, [this, code] { BaumZwischenAblage(code); });
    }

    // The "gehe zu" entries are rebuilt every time.
    const QList<QAction *> alt = m_popL->findChildren<QAction *>(QStringLiteral("PopL_Sprung"));
    for (QAction *a : alt) {
        m_popL->removeAction(a);
        a->deleteLater();
    }
    const BaumSprungListe sprung = nxBaumSprungListe(m_sprungZeilen, m_letzte, m_sprungAuto);
    const auto anhaengen = [this](const QStringList &pfade, bool kuerzen) {
        if (pfade.isEmpty())
            return;
        QAction *t = m_popL->addSeparator();
        t->setParent(m_popL);
        t->setObjectName(QStringLiteral("PopL_Sprung"));
        for (const QString &p : pfade) {
            auto *a = new QAction(QStringLiteral("gehe zu: ") + (kuerzen ? nxBaumSprungText(p) : p), m_popL);
            a->setObjectName(QStringLiteral("PopL_Sprung"));
            connect(a, &QAction::triggered, this, [this, p] { springen(p); });
            m_popL->addAction(a);
        }
    };
    anhaengen(sprung.feste, false);
    anhaengen(sprung.letzte, true);
    m_popL->popup(global);
}

bool TAuswahlSeite::BaumZwischenAblage(const QString &code)
{
    ZAQuelle q;
    q.art = u'L';
    q.baum = &m_baum->Modell();
    q.baumAuswahl = m_baum->AusgewaehlterPfad();
    return ZwischenAblageStarten(code, q, Umgebung().Fort(), m_baum);
}

void TAuswahlSeite::springen(const QString &pfad)
{
    const QString p = nxAdresseMitEndStrich(pfad.trimmed());
    if (!nxAdresseIstVerzeichnis(p)) {
        nxDebugZeile(QStringLiteral("SprungClick Pfad=") + p + QStringLiteral(" Pfad nicht gefunden"));
        Umgebung().Dialoge().Dialog_Info(
            QStringLiteral("Das hat nicht funktioniert. Das Verzeichnis ist nicht gefunden worden."));
        return;
    }
    nxDebugZeile(QStringLiteral("SprungClick Pfad=") + p);
    m_baum->PfadWaehlen(p);
    if (m_liste) {
        m_liste->Liste()->Neuzeichnen();
        m_liste->Liste()->setFocus();
    }
}

void TAuswahlSeite::unterVerzHerstellen(const QString &pfad)
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("neues Verzeichnis"),
                                               QStringLiteral("Ein neues Verzeichnis soll hergestellt werden im Pfad\n")
                                                   + pfad,
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return;
    const ErgebnisWert<QString> neu = nxBaumUnterVerzHerstellen(pfad, name);
    if (!neu) {
        Umgebung().Dialoge().Dialog_Fehler(QStringLiteral("Das Verzeichnis ist nicht hergestellt worden.\r\n\r\n")
                                           + DialogMaskieren(neu.ergebnis().text()));
        return;
    }
    m_baum->UnterVerzEintragen(pfad, name.trimmed());
}

void TAuswahlSeite::leereLoeschen(const QString &pfad)
{
    nxDebugZeile(QStringLiteral("PopL_LeereLoeschenClick"));
    const QChar ff(12);
    const QString frage = QStringLiteral("Das soll gemacht werden:\r\n\r\nIn allen Unter-Verzeichnissen sollen alle "
                                         "Unter-Verzeichnisse gesucht werden.\r\nDie gefundenen ")
                          + ff + QStringLiteral("leeren") + ff
                          + QStringLiteral(" Unter-Verzeichnisse sollen gelöscht werden.\r\nUnter-Verzeichnisse, die "
                                           "durch das Löschen ")
                          + ff + QStringLiteral("leer geworden") + ff
                          + QStringLiteral(" sind, sollen ebenfalls gelöscht werden.\r\n\r\nSoll das so gemacht "
                                           "werden?\r\n");
    if (!Umgebung().Dialoge().Dialog_Frage(frage, QString(), true))
        return;
    const QDateTime start = QDateTime::currentDateTime();
    Fortschritt &f = Umgebung().Fort();
    f.FortEin(1, QStringLiteral("aa"));
    f.FortAbschnittSymbolisch();
    f.FortMeldung(QStringLiteral("in Arbeit, bitte warten ..."), 0);
    nxDebugZeile(QStringLiteral("nxAdresseLoeschenLeereV"));
    const LeereVErgebnis r = nxAdresseLoeschenLeereV(pfad, &f.Abbruch);
    f.FortAus(start);
    m_baum->Erneuern();
    Umgebung().Dialoge().Dialog_Info(nxBaumLeereMeldung(r.geloescht, r.nichtGeloescht));
}

void TAuswahlSeite::filterZeigen()
{
    Tff form(m_baum->FilterZeilen(), this);
    if (form.exec() != QDialog::Accepted)
        return;
    Sanduhr sanduhr;
    m_baum->FilterZeilenSetzen(form.Zeilen());
    m_baum->Erneuern();
}

bool TAuswahlSeite::StartVerzeichnisOeffnen(const QString &verzeichnis, bool aufklappen)
{
    const QString start = verzeichnis.trimmed().isEmpty() ? QDir::homePath() : verzeichnis;
    m_baumFolgt = true;
    const bool gefunden = m_baum->PfadWaehlen(start);
    m_baumFolgt = false;
    const QString pfad = m_baum->AusgewaehlterPfad();
    if (!gefunden || pfad.isEmpty())
        return false;
    Sanduhr sanduhr;
    if (aufklappen)
        m_baum->expand(m_baum->currentIndex());
    baumListen(pfad);
    return true;
}

void TAuswahlSeite::NamenAuswaehlen(const QStringList &volleNamen)
{
    if (!m_liste || volleNamen.isEmpty())
        return;
    m_liste->NamenUebernehmen(volleNamen);
}

// ---------------------------------------------------------------- search

void TAuswahlSeite::auswahlArtGeaendert()
{
    m_suche->AuswahlArtSetzen(m_cheD->isChecked(), m_cheV->isChecked());
    if (!EreignisseGesperrt && Umgebung().AktuelleSuchSeite() == 1)
        baumListen(m_baum->AusgewaehlterPfad());
}

void TAuswahlSeite::Suchen(int k, bool unterverzeichnisse)
{
    if (k < 2 || k > 4 || !m_liste || (!m_cheD->isChecked() && !m_cheV->isChecked()))
        return;
    DebugSchritt schritt(QStringLiteral("Suchen"));
    SuchAuftrag a = m_suche->Auftrag(k, unterverzeichnisse);
    if (k != 4) {
        const QString verz = nxSuchVerzeichnisPruefen(a.verzeichnis);
        if (verz.isEmpty()) {
            Umgebung().Dialoge().Dialog_Info(SuchMeldungVerzeichnisUngueltig);
            return;
        }
        a.verzeichnis = verz;
    }
    Sanduhr sanduhr;
    SuchTreffer treffer;
    const SuchErgebnis e = nxSuche(a, treffer, Umgebung().Fort());
    if (!e.meldung.isEmpty()) {
        Umgebung().Dialoge().Dialog_Info(e.meldung);
        return;
    }
    if (!e.listeFuellen())
        return;
    m_liste->Fuellen(treffer, false, false);
    m_zeigtSuchErgebnis = true;
    // The result page opens; the page that searched gets the tick.
    m_sucheReg->Tab(5).aktiv = true;
    m_sucheReg->Tab(5).markierung = 0;
    m_sucheReg->Tab(k).markierung = 1;
    nxSuchVerlaufNeu(m_verlauf, a, QString::number(Umgebung().Einst().MaxSuch));
    Umgebung().SuchSeiteSetzen(5);
    Q_EMIT SeiteVerlangt(1);
    m_sucheReg->NeuZeichnen();
}

void TAuswahlSeite::verlaufWiederherstellen(int nr)
{
    if (nr < 1 || nr > m_verlauf.Anzahl())
        return;
    const SuchWiederherstellung w = nxSuchVerlaufWiederherstellen(m_verlauf.Eintrag(nr));
    if (!w.gueltig)
        return;
    m_suche->Wiederherstellen(w);
    Umgebung().SuchSeiteSetzen(int(w.seite) + 1);
    Q_EMIT SeiteVerlangt(1);
    if (verzSchluessel(w.auftrag.verzeichnis) != verzSchluessel(m_baum->AusgewaehlterPfad())) {
        m_suche->VerzeichnisHervorheben(true);
        m_verzFarbe->start();
    }
}

void TAuswahlSeite::verlaufLoeschen()
{
    const std::vector<int> markiert = m_suche->VerlaufMarkiert();
    if (markiert.empty())
        return;
    if (Umgebung().Einst().Sicherheitsfrage
        && !Umgebung().Dialoge().Dialog_Frage(nxZahlText(qint64(markiert.size()))
                                              + QStringLiteral(" Zeilen sind markiert.\r\n\r\nSollen die markierten "
                                                               "Zeilen wirklich gelöscht werden?")))
        return;
    m_verlauf.Loeschen(markiert);
    m_suche->VerlaufZeigen(m_verlauf);
}

TNxRotListeOptionen TAuswahlSeite::SListeOptionen()
{
    return {.bereichMarkieren = true, .klickMarkiert = true, .linksKlick = true, .fuellGrenze = 6};
}

} // namespace rinolux
