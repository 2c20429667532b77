#include "gui/pages/AListeBedienung.h"

#include "core/actions/ListenUmbenennen.h"
#include "core/platform/Plattform.h"
#include "core/selection/Auflisten.h"
#include "core/selection/Suche.h"
#include "core/selection/sub_Sortieren.h"
#include "core/shell/Dialog.h"
#include "core/shell/DialogText.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Debug.h"
#include "core/util/nx_Format.h"
#include "gui/app/KontextMenues.h"
#include "gui/app/Sanduhr.h"
#include "gui/pages/EinstellungenSeite.h"
#include "gui/pages/SeitenUmgebung.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>

namespace rinolux {

TNxRotListeOptionen AListeBedienung::Optionen()
{
    return {.dateienAnnehmen = true,
            .endenFest = true,
            .rechtsKlick = true,
            .bereichMarkieren = true,
            .klickMarkiert = true,
            .linksKlick = true,
            .fuellGrenze = 5};
}

AListeBedienung::AListeBedienung(QWidget *paAuswahlliste, int baumBreite, SeitenUmgebung &umgebung, QMenu *popA,
                                 QMenu *popSpaltenA)
    : QObject(paAuswahlliste), m_umgebung(umgebung), m_popA(popA), m_popSpalten(popSpaltenA)
{
    setObjectName(QStringLiteral("AListeBedienung"));
    m_liste = new TNxRotListe(paAuswahlliste, QStringLiteral("AListe"), Optionen());
    if (!paAuswahlliste->layout()) {
        auto *l = new QVBoxLayout(paAuswahlliste);
        l->setContentsMargins(0, 0, 0, 0);
    }
    schalterAnlegen(paAuswahlliste);
    paAuswahlliste->layout()->addWidget(m_liste);
    spaltenAnlegen(baumBreite);
    Daten().BlockSetzen(3000);
    AutoAuswahlTabelleLaden(QString());

    if (!m_popA)
        m_popA = KontextMenueBauen(u"PopA", m_liste);
    if (!m_popSpalten)
        m_popSpalten = KontextMenueBauen(u"PopSpaltenA", m_liste);
    popAVerbinden();
    spaltenMenuVerbinden();

    // Whoever changed the rows or marks, the counts follow.
    connect(m_liste, &TNxRotListe::DatenGeaendert, this, &AListeBedienung::AnzeigeListenAnzahlAuswahl);
    connect(m_liste, &TNxRotListe::RechtsKlick, this, &AListeBedienung::rechtsKlick);
    connect(m_liste, &TNxRotListe::DoppelKlick, this, &AListeBedienung::doppelKlick);
    connect(m_liste, &TNxRotListe::KopfRechtsKlick, this, [this](int, QPoint global) {
        spaltenMenuAnpassen();
        m_popSpalten->popup(global);
    });
    connect(m_liste, &TNxRotListe::KopfUeber, this, [this](int spalte) {
        if (spalte > 0)
            m_umgebung.StatusSetzen(2, m_liste->Spalte(spalte).titel + u' ');
    });
    connect(m_liste, &TNxRotListe::Taste, this, [this](int taste, Qt::KeyboardModifiers) {
        if (taste == Qt::Key_F2 || taste == Qt::Key_F4)
            EditorOeffnen();
    });
    connect(m_liste, &TNxRotListe::DateienFallengelassen, this, &AListeBedienung::NamenUebernehmen);
    connect(m_liste, &TNxRotListe::EditorBestaetigt, this,
            [this](const QString &neu, const QString &, int zeile) { EditorBestaetigt(neu, zeile); });
}

AListeBedienung::~AListeBedienung() = default;

ListenDaten &AListeBedienung::Daten()
{
    return m_liste->Daten();
}

void AListeBedienung::spaltenAnlegen(int baumBreite)
{
    struct S
    {
        SpaltenTyp typ;
        const char16_t *titel;
        int breite;
        bool sichtbar;
        bool getoent;
    };
    static constexpr S Spalten[] = {
        {SpaltenTyp::Text, u" Pfad", 0, false, false},
        {SpaltenTyp::Mark, u"", 15, true, false},
        {SpaltenTyp::Symbol, u"", 23, true, false},
        {SpaltenTyp::Text, u" Name.Format", 10, true, false},
        {SpaltenTyp::Text, u" Format", 40, true, true},
        {SpaltenTyp::Bytes, u" Bytes", 80, true, true},
        {SpaltenTyp::Attribute, u" Attribute", 40, false, true},
        {SpaltenTyp::Zeit, u" Herstellungs-Zeit", 95, false, true},
        {SpaltenTyp::Zeit, u" Änderungs-Zeit", 95, true, true},
        {SpaltenTyp::Zeit, u" Zugriffs-Zeit", 95, false, true},
        {SpaltenTyp::Leer, u"", 30, true, true},
    };
    for (const S &s : Spalten) {
        const int nr = m_liste->SpalteNeu(s.typ);
        TNxTypSpalte &sp = m_liste->Spalte(nr);
        sp.titel = QString::fromUtf16(s.titel);
        sp.breite = nr == AZelle::Pfad ? std::max(baumBreite, 10) : s.breite;
        sp.sichtbar = s.sichtbar;
        sp.getoent = s.getoent;
    }
    m_liste->Spalte(AZelle::Name).fettVerz = true;
    m_liste->Spalte(AZelle::Leer).groesseAenderbar = false;
    // Readable from the first start in any font: a whole time text, a format of eight
    // characters, a size in the terabytes, every title.
    m_liste->BreiteLesbar(AZelle::Format, QStringLiteral("mmmmmmmm"));
    m_liste->BreiteLesbar(AZelle::Bytes, QStringLiteral("9999999999999"));
    m_liste->BreiteLesbar(AZelle::Attribute, QStringLiteral("0"));
    for (const int z : {AZelle::ZeitH, AZelle::ZeitA, AZelle::ZeitZ})
        m_liste->BreiteLesbar(z, QString());
}

void AListeBedienung::schalterAnlegen(QWidget *panel)
{
    auto *leiste = new QWidget(panel);
    leiste->setObjectName(QStringLiteral("PaAuswahlSchalter"));
    auto *zeile = new QHBoxLayout(leiste);
    zeile->setContentsMargins(2, 2, 2, 2);
    auto *la = new QLabel(QStringLiteral("Sortierung der Liste"), leiste);
    m_coSort = new QComboBox(leiste);
    m_coSort->setObjectName(QStringLiteral("CoAutoSort"));
    m_coSort->addItems(nxSortWahlTexte());
    m_coSort->setToolTip(QStringLiteral("Sortierung der Liste"));
    m_coAuto = new QComboBox(leiste);
    m_coAuto->setObjectName(QStringLiteral("CoAutoAuswahl"));
    auto knopf = [leiste](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, leiste);
        b->setObjectName(name);
        return b;
    };
    QPushButton *autoKnopf = knopf(QStringLiteral("BuAuswahlAuto"), QStringLiteral("wie Auto-Auswahl"));
    QPushButton *alle = knopf(QStringLiteral("BuAuswahlAlle"), QStringLiteral("alle "));
    QPushButton *umkehren = knopf(QStringLiteral("BuAuswahlUmkehren"), QStringLiteral("umkehren "));
    zeile->addWidget(la);
    zeile->addWidget(m_coSort);
    zeile->addSpacing(12);
    zeile->addWidget(m_coAuto);
    zeile->addWidget(autoKnopf);
    zeile->addStretch(1);
    zeile->addWidget(alle);
    zeile->addWidget(umkehren);
    panel->layout()->addWidget(leiste);

    connect(m_coSort, &QComboBox::activated, this, [this](int i) { Sortieren(i + 1); });
    connect(m_coAuto, &QComboBox::activated, this, [this](int i) {
        AutoAuswahlAnwenden(i + 1);
        m_liste->setFocus();
    });
    connect(autoKnopf, &QPushButton::clicked, this, [this] {
        AutoAuswahlAnwenden(m_coAuto->currentIndex() + 1);
        m_liste->setFocus();
    });
    connect(alle, &QPushButton::clicked, this, &AListeBedienung::AlleAuswaehlen);
    connect(umkehren, &QPushButton::clicked, this, &AListeBedienung::AuswahlUmkehren);
}

void AListeBedienung::SortWahlSetzen(int wahl)
{
    m_sortWahl = wahl;
    if (m_coSort)
        m_coSort->setCurrentIndex(wahl >= 1 && wahl <= m_coSort->count() ? wahl - 1 : 0);
}

void AListeBedienung::OeffnenMitSetzen(int n, const QString &programm, const QString &menuText)
{
    if (n < 1 || n > 6)
        return;
    m_proProgramm[size_t(n)] = programm;
    m_proText[size_t(n)] = menuText;
}

// ---------------------------------------------------------------- filling

void AListeBedienung::VerzeichnisListen(const QString &verzeichnis)
{
    DebugSchritt schritt(QStringLiteral("AListe.VerzeichnisListen"));
    const QString verz = nxAdresseMitEndStrich(verzeichnis);
    m_verzeichnis = verz;
    SuchTreffer treffer;
    Fortschritt &f = m_umgebung.Fort();
    m_umgebung.EscVergessen();
    f.FortEin(1, QStringLiteral("aa"));
    f.FortAbschnittNeu(QStringLiteral("Auflisten"), true, true);
    bool abbruch = false;
    const Ergebnis e = nxAuswahlVerzeichnisAuflisten(verz, plattform::Details::Alle, 0, treffer, [&](int gefunden) {
        f.FortMeldung(QStringLiteral("gefunden"), gefunden);
        abbruch = f.Abbruch || m_umgebung.EscGedrueckt();
        return !abbruch;
    });
    if (!e.ok() && !abbruch) {
        // A directory that cannot be read shows why instead of an empty list.
        EditorSchliessenUndLeeren();
        Daten().MeldungSetzen(e.text());
        f.FortAus();
        m_liste->Neuzeichnen();
        AnzeigeListenAnzahlAuswahl(); // again: the caption waits while the progress display runs
        return;
    }
    f.FortAbschnittNeu(QStringLiteral("Sortieren"), true, false);
    Fuellen(treffer, abbruch, true);
    f.FortAus();
    AnzeigeListenAnzahlAuswahl(); // again: the caption waits while the progress display runs
}

void AListeBedienung::BaumTrefferFuellen(const QString &verzeichnis, SuchTreffer &treffer, bool abgebrochen)
{
    m_verzeichnis = nxAdresseMitEndStrich(verzeichnis);
    Fuellen(treffer, abgebrochen, true);
    AnzeigeListenAnzahlAuswahl();
}

void AListeBedienung::EditorSchliessenUndLeeren()
{
    m_liste->EditorSchliessen();
    nxAuswahlListeVorbereiten(Daten());
}

AuswahlFuellung AListeBedienung::fuellungArt(bool suchAbbruch, bool baumListe)
{
    AuswahlFuellung art;
    art.suchAbbruch = suchAbbruch;
    art.baumListe = baumListe;
    art.sortWahl = m_sortWahl;
    art.escErlaubt = baumListe;
    art.escGedrueckt = [this] { return m_umgebung.EscGedrueckt(); };
    if (m_autoIndex >= 1 && size_t(m_autoIndex) < m_autoTabelle.size()) {
        art.autoRegel = m_autoTabelle[size_t(m_autoIndex)].regel;
        art.autoAnwenden = m_umgebung.AktuelleSeite() == 1;
    }
    return art;
}

void AListeBedienung::Fuellen(SuchTreffer &treffer, bool suchAbbruch, bool baumListe)
{
    Sanduhr sanduhr;
    m_liste->EditorSchliessen();
    nxAuswahlFuellen(Daten(), treffer, fuellungArt(suchAbbruch, baumListe), m_umgebung.Fort());
    m_liste->Neuzeichnen();
    m_liste->Springen(QStringLiteral("---"));
}

void AListeBedienung::AlleAuswaehlen()
{
    Daten().AlleMarkieren(true);
    m_liste->Neuzeichnen();
    m_liste->setFocus();
}

void AListeBedienung::AuswahlUmkehren()
{
    Daten().MarkierungUmkehren();
    m_liste->Neuzeichnen();
    m_liste->setFocus();
}

void AListeBedienung::NamenUebernehmen(const QStringList &volleNamen)
{
    DebugSchritt schritt(QStringLiteral("AListe.NamenUebernehmen"));
    if (volleNamen.isEmpty())
        return;
    if (volleNamen.size() == 1 && nxAdresseIstVerzeichnis(volleNamen.first())) {
        verzeichnisWaehlen(volleNamen.first());
        return;
    }
    const QString verz = nxGemeinsamesVerzeichnis(volleNamen);
    if (!verz.isEmpty()) {
        verzeichnisWaehlen(verz);
        nxNamenMarkieren(Daten(), volleNamen);
        m_liste->Neuzeichnen();
        m_liste->PositionZeigen(Daten().AktPosition());
        return;
    }

    // Names in several directories: exactly those entries are listed, each directory read
    // once and numbered on its own, with progress and cancel as a search has them. Names
    // gone meanwhile are left out; a cancel keeps the list as it was.
    Sanduhr sanduhr;
    m_liste->EditorSchliessen();
    static_cast<void>(nxAuswahlSucheMitArray(volleNamen, Daten(), fuellungArt(false, false), m_umgebung.Fort()));
    m_liste->Neuzeichnen();
    m_liste->Springen(QStringLiteral("---"));
}

// ---------------------------------------------------------------- automatic selection

int AListeBedienung::AutoAuswahlTabelleLaden(const QString &einstellungsText)
{
    m_autoTabelle = nxAutoAuswahlTabelle(einstellungsText);
    if (size_t(m_autoIndex) >= m_autoTabelle.size())
        m_autoIndex = 1;
    if (m_coAuto) {
        m_coAuto->clear();
        for (size_t i = 1; i < m_autoTabelle.size(); ++i)
            m_coAuto->addItem(m_autoTabelle[i].beschreibung);
        m_coAuto->setCurrentIndex(m_autoIndex - 1);
    }
    return int(m_autoTabelle.size()) - 1;
}

void AListeBedienung::AutoAuswahlIndexSetzen(int index)
{
    if (index < 1 || size_t(index) >= m_autoTabelle.size())
        index = 1;
    m_autoIndex = index;
    if (m_coAuto)
        m_coAuto->setCurrentIndex(index - 1);
}

void AListeBedienung::AutoAuswahlAnwenden(int index)
{
    if (m_umgebung.AktuelleSeite() != 1)
        return;
    if (index < 1 || size_t(index) >= m_autoTabelle.size())
        return;
    {
        Sanduhr sanduhr;
        nxAutoAuswahlAnwenden(Daten(), m_autoTabelle[size_t(index)].regel);
    }
    m_autoIndex = index;
    if (m_coAuto)
        m_coAuto->setCurrentIndex(index - 1);
    m_liste->Neuzeichnen();
}

// ---------------------------------------------------------------- sorting

void AListeBedienung::Sortieren(int wahl)
{
    SortWahlSetzen(wahl);
    NeuSortieren();
    m_liste->setFocus();
}

void AListeBedienung::NeuSortieren()
{
    // The current entry stays current at its new position.
    const int aktZeile = Daten().AktZeile();
    {
        Sanduhr sanduhr;
        nxAuswahlSortieren(Daten(), m_sortWahl, false, {}, &m_umgebung.Fort());
    }
    if (aktZeile > 0)
        Daten().AktPositionSetzen(Daten().PositionVon(aktZeile));
    m_liste->Neuzeichnen();
    m_liste->PositionZeigen(Daten().AktPosition());
}

void AListeBedienung::NachAusfuehren(int aktZeile)
{
    if (aktZeile >= 1 && aktZeile <= Daten().Anzahl())
        Daten().AktPositionSetzen(Daten().PositionVon(aktZeile));
    m_liste->Neuzeichnen();
    m_liste->PositionZeigen(Daten().AktPosition());
    AnzeigeListenAnzahlAuswahl();
}

// ---------------------------------------------------------------- counts

QString AListeBedienung::ZaehlText() const
{
    const AuswahlZahlen z = nxAuswahlZaehlen(m_liste->Daten());
    return nxZahlText(z.markiert) + QStringLiteral(" von ") + nxZahlText(z.anzahl) + QStringLiteral(" Namen (")
           + nxZahlText(z.bytesMarkiert) + QStringLiteral(" von ") + nxZahlText(z.bytesGesamt)
           + QStringLiteral(" Bytes) ausgewählt");
}

void AListeBedienung::AnzeigeListenAnzahlAuswahl()
{
    DebugSchritt schritt(QStringLiteral("AnzeigeListenAnzahlAuswahl"));
    const QString &verz = m_verzeichnis;
    QString frei;
    if (!verz.isEmpty() && nxAdresseIstVerzeichnis(verz)) {
        const ErgebnisWert<plattform::Platz> p = plattform::platz(verz);
        frei = QStringLiteral("freier Speicher: ") + (p ? nxGroesseText(p->frei) : QStringLiteral("?"));
    }
    m_umgebung.StatusSetzen(0, frei);
    m_umgebung.StatusSetzen(1, ZaehlText());
    const AuswahlZahlen z = nxAuswahlZaehlen(Daten());
    const QString ort = sucheErgebnisSichtbar() ? QStringLiteral("Suche-Ergebnis") : verz;
    m_umgebung.TitelSetzen(ort + QStringLiteral("     |     ") + nxZahlText(z.markiert) + QStringLiteral(" von ")
                           + nxZahlText(z.anzahl) + QStringLiteral(" Namen ausgewählt") + QStringLiteral("     |     ")
                           + ProgName + u' ' + ProgVersion);
    Q_EMIT ZahlenGeaendert();
}

bool AListeBedienung::sucheErgebnisSichtbar() const
{
    return m_umgebung.AktuelleSeite() == 1 && m_umgebung.AktuelleSuchSeite() == 5;
}

void AListeBedienung::verzeichnisWaehlen(const QString &verzeichnis)
{
    VerzeichnisListen(verzeichnis);
    Q_EMIT VerzeichnisGewechselt(m_verzeichnis);
}

// ---------------------------------------------------------------- menus and opening

QString AListeBedienung::vollerName(int zeile) const
{
    if (zeile < 1 || zeile > m_liste->Daten().Anzahl())
        return QString();
    return nxAdresseOhneEndStrich(m_liste->Daten().Zelle(zeile, AZelle::Pfad)
                                  + m_liste->Daten().Zelle(zeile, AZelle::Name));
}

void AListeBedienung::EditorOeffnen()
{
    const int n = Daten().Anzahl();
    if (n == 0)
        return;
    int pos = Daten().AktPosition();
    if (pos < 1)
        pos = 1;
    m_liste->EditorZeigen(pos, AZelle::Name, int(Daten().Zelle(Daten().ZeileAn(pos), AZelle::Name).size()));
}

void AListeBedienung::EditorBestaetigt(const QString &neu, int zeile)
{
    DebugSchritt schritt(QStringLiteral("AListe.EditorBestaetigt"));
    if (!ProgPfadAnlegen()) {
        m_umgebung.Dialoge().Dialog_Info(QStringLiteral("Das Daten-Verzeichnis \"") + DialogMaskieren(ProgPfad)
                                             + QStringLiteral("\" kann nicht angelegt werden; ohne Rückgängig-Daten "
                                                              "wird kein Name geändert.\r\n\r\nEs ist nichts verändert worden."),
                                         m_liste->objectName());
        return;
    }
    const ListenUmbenennenErgebnis e =
        Aktion_ListenUmbenennen(Daten(), zeile, neu, m_umgebung.Einst(), m_umgebung.Rueck());
    switch (e.art) {
    case ListenUmbenennenErgebnis::Art::Unveraendert:
        return;
    case ListenUmbenennenErgebnis::Art::Abgelehnt:
        m_umgebung.Dialoge().Dialog_Info(e.meldung, m_liste->objectName());
        return;
    case ListenUmbenennenErgebnis::Art::Fehlgeschlagen:
        if (m_umgebung.Dialoge().Dialog_Frage(e.meldung, m_liste->objectName()))
            QApplication::clipboard()->setText(neu);
        return;
    case ListenUmbenennenErgebnis::Art::Umbenannt:
        break;
    }
    // The renamed entry stays current at its new place in the order.
    Daten().AktPositionSetzen(Daten().PositionVon(zeile));
    NeuSortieren();
    AnzeigeListenAnzahlAuswahl();
    if (!e.meldung.isEmpty())
        m_umgebung.Dialoge().Dialog_Info(e.meldung, m_liste->objectName());
}

void AListeBedienung::rechtsKlick(int spalte, int, int zeile, QPoint global)
{
    AnzeigeListenAnzahlAuswahl();
    popAAnpassen(spalte, zeile);
    m_popA->popup(global + QPoint(32, 0));
}

void AListeBedienung::doppelKlick(int, int, int zeile)
{
    if (!m_doppelklickOeffnet)
        return;
    const QString pfad = vollerName(zeile);
    const QString alt = QDir::currentPath();
    QDir::setCurrent(m_liste->Daten().Zelle(zeile, AZelle::Pfad));
    const Ergebnis e = plattform::oeffnen(pfad);
    QDir::setCurrent(alt);
    if (!e.ok())
        nxDebugZeile(QStringLiteral("AListe.Oeffnen ") + pfad + QStringLiteral(" => ") + e.text());
}

void AListeBedienung::oeffnenMit(int n)
{
    const int zeile = Daten().AktZeile();
    const QString programm = m_proProgramm[size_t(n)];
    const QString pfad = vollerName(zeile);
    Ergebnis e = Ergebnis::Fehler(0, QString());
    if (zeile > 0 && QFileInfo::exists(programm) && plattform::vorhanden(pfad))
        e = plattform::oeffnenMit(programm, pfad);
    else
        nxDebugZeile(QStringLiteral("aa.AuswahlPopup Prog=") + programm + QStringLiteral(" VerzOderDatei=") + pfad
                     + QStringLiteral(" - Prog oder Datei nicht gefunden"));
    if (!e.ok())
        m_umgebung.Dialoge().Dialog_Info(QStringLiteral("Das hat nicht funktioniert. Bitte überprüfe auf der Seite [")
                                         + TEinstellungenSeite::SeitenTitel()
                                         + QStringLiteral("] die Einstellungen für [öffnen mit]."));
}

void AListeBedienung::popAVerbinden()
{
    auto eintrag = [this](const char16_t *name) { return KontextMenueAktion(m_popA, *KontextMenueEintrag(name)); };
    connect(eintrag(u"PopA_Kopf"), &QAction::triggered, this, [this] {
        spaltenMenuAnpassen();
        m_popSpalten->popup(QCursor::pos());
    });
    connect(eintrag(u"PopA_Eigenschaften"), &QAction::triggered, this, [this] {
        const QString pfad = vollerName(Daten().AktZeile());
        const Ergebnis e = plattform::eigenschaftenZeigen(pfad);
        if (!e.ok())
            nxDebugZeile(QStringLiteral("AListe.Eigenschaften ") + pfad + QStringLiteral(" => ") + e.text());
    });
    connect(eintrag(u"PopA_F2F4"), &QAction::triggered, this, &AListeBedienung::EditorOeffnen);
    connect(eintrag(u"PopA_Wechsel"), &QAction::triggered, this, [this] {
        const int z = Daten().AktZeile();
        if (z > 0)
            verzeichnisWaehlen(Daten().Zelle(z, AZelle::Pfad));
        m_liste->setFocus();
    });
    connect(eintrag(u"PopA_Doppel"), &QAction::triggered, this, [this] {
        const bool vorher = m_doppelklickOeffnet;
        m_doppelklickOeffnet = true;
        doppelKlick(0, 0, Daten().AktZeile());
        m_doppelklickOeffnet = vorher;
    });
    for (const MenueEintrag &e : KontextMenueTabelle()) {
        if (e.regel != MenueRegel::OeffnenMit)
            continue;
        const int n = e.nummer;
        connect(KontextMenueAktion(m_popA, e), &QAction::triggered, this, [this, n] { oeffnenMit(n); });
    }
    connect(eintrag(u"PopA_Zelle"), &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(m_zelleText); });
}

void AListeBedienung::popAAnpassen(int spalte, int zeile)
{
    m_zelleText = zeile > 0 ? m_liste->AnzeigeText(zeile, spalte) : QString();
    const QString kurz = m_zelleText.size() > 38 ? m_zelleText.left(35) + QStringLiteral("...") : m_zelleText;
    for (const MenueEintrag &e : KontextMenueTabelle()) {
        if (QStringView(e.menue) != u"PopA" || e.regel == MenueRegel::Trenner)
            continue;
        QAction *a = m_popA->findChild<QAction *>(QString::fromUtf16(e.name), Qt::FindDirectChildrenOnly);
        if (!a)
            continue;
        switch (e.regel) {
        case MenueRegel::NurSuchErgebnis:
            a->setVisible(sucheErgebnisSichtbar());
            break;
        case MenueRegel::OeffnenMit: {
            const size_t n = size_t(e.nummer);
            a->setVisible(!m_proProgramm[n].isEmpty() && !m_proText[n].isEmpty());
            a->setText(QStringLiteral("zuletzt ausgewählter Name: öffnen mit ") + m_proText[n]);
            break;
        }
        case MenueRegel::ZelleNichtLeer:
            a->setText(ZwischenablageText() + u'"' + kurz + u'"');
            a->setEnabled(!m_zelleText.isEmpty());
            break;
        default:
            break;
        }
    }
}

namespace {
// The columns the entries of PopSpaltenA show or hide.
struct SpaltenEintrag
{
    const char16_t *name;
    int spalte;
};
constexpr SpaltenEintrag SpaltenEintraege[] = {
    {u"PopSpaltenA_Symbol", AZelle::PfadNr}, {u"PopSpaltenA_Format", AZelle::Format},
    {u"PopSpaltenA_Bytes", AZelle::Bytes},   {u"PopSpaltenA_Att", AZelle::Attribute},
    {u"PopSpaltenA_ZeitH", AZelle::ZeitH},   {u"PopSpaltenA_ZeitA", AZelle::ZeitA},
    {u"PopSpaltenA_ZeitZ", AZelle::ZeitZ}};
} // namespace

void AListeBedienung::spaltenMenuVerbinden()
{
    for (const SpaltenEintrag &s : SpaltenEintraege) {
        const MenueEintrag &e = *KontextMenueEintrag(s.name);
        QAction *a = KontextMenueAktion(m_popSpalten, e);
        a->setCheckable(true);
        a->setText(KontextMenueText(e));
        const int spalte = s.spalte;
        connect(a, &QAction::triggered, this, [this, spalte](bool an) {
            m_liste->Spalte(spalte).sichtbar = an;
            m_liste->Neuzeichnen();
        });
    }
    spaltenMenuAnpassen();
}

void AListeBedienung::spaltenMenuAnpassen()
{
    for (const SpaltenEintrag &e : SpaltenEintraege)
        if (QAction *a = m_popSpalten->findChild<QAction *>(QString::fromUtf16(e.name)))
            a->setChecked(m_liste->Spalte(e.spalte).sichtbar);
}

} // namespace rinolux
