#include "gui/pages/AListeBedienung.h"

#include "core/platform/Plattform.h"
#include "core/selection/Auflisten.h"
#include "core/selection/sub_Sortieren.h"
#include "core/shell/Dialog.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Debug.h"
#include "core/util/nx_Format.h"
#include "gui/app/AnwendungsTitel.h"
#include "gui/app/Form_Anfang.h"
#include "gui/app/sub_Fortschritt.h"
#include "gui/controls/TNxRotListe.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>

namespace rinolux {

namespace {

// Busy cursor for the length of a scope.
class Beschaeftigt final
{
public:
    Beschaeftigt() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Beschaeftigt() { QApplication::restoreOverrideCursor(); }
    Beschaeftigt(const Beschaeftigt &) = delete;
    Beschaeftigt &operator=(const Beschaeftigt &) = delete;
};

} // namespace

AListeBedienung::AListeBedienung(QWidget *paAuswahlliste, int baumBreite, QMenu *popA, QMenu *popSpaltenA)
    : QObject(paAuswahlliste), m_popA(popA), m_popSpalten(popSpaltenA)
{
    setObjectName(QStringLiteral("AListeBedienung"));
    m_liste = new TNxRotListe(paAuswahlliste, QStringLiteral("AListe"), nxRotListeOptionen(QStringLiteral("AListe")));
    if (!paAuswahlliste->layout()) {
        auto *l = new QVBoxLayout(paAuswahlliste);
        l->setContentsMargins(0, 0, 0, 0);
    }
    schalterAnlegen(paAuswahlliste);
    paAuswahlliste->layout()->addWidget(m_liste);
    spaltenAnlegen(baumBreite);
    Daten().BlockSetzen(3000);
    escGedrueckt = [this] { return m_esc; };
    AutoAuswahlTabelleLaden(QString());

    if (!m_popA) {
        m_popA = new QMenu(m_liste);
        m_popA->setObjectName(QStringLiteral("PopA"));
    }
    if (!m_popSpalten) {
        m_popSpalten = new QMenu(m_liste);
        m_popSpalten->setObjectName(QStringLiteral("PopSpaltenA"));
    }
    popAVerbinden();
    spaltenMenuVerbinden();

    connect(m_liste, &TNxRotListe::MarkeGeaendert, this, &AListeBedienung::AnzeigeListenAnzahlAuswahl);
    connect(m_liste, &TNxRotListe::LinksKlick, this, [this](int, int) { AnzeigeListenAnzahlAuswahl(); });
    connect(m_liste, &TNxRotListe::RechtsKlick, this, &AListeBedienung::rechtsKlick);
    connect(m_liste, &TNxRotListe::DoppelKlick, this, &AListeBedienung::doppelKlick);
    connect(m_liste, &TNxRotListe::KopfRechtsKlick, this, [this](int, QPoint global) {
        spaltenMenuAnpassen();
        m_popSpalten->popup(global);
    });
    connect(m_liste, &TNxRotListe::KopfUeber, this, [this](int spalte) {
        if (statusSetzen && spalte > 0)
            statusSetzen(2, m_liste->Spalte(spalte).titel + u' ');
    });
    connect(m_liste, &TNxRotListe::Taste, this, [this](int taste, Qt::KeyboardModifiers) {
        if (taste == Qt::Key_F2 || taste == Qt::Key_F4)
            EditorOeffnen();
    });
    connect(m_liste, &TNxRotListe::DateienFallengelassen, this, &AListeBedienung::NamenUebernehmen);
    // The editor's "committed" event renames on disk and writes an undo file; until the
    // undo files exist it is left unconnected, so an edit changes nothing and says nothing.
}

AListeBedienung::~AListeBedienung() = default;

bool AListeBedienung::eventFilter(QObject *objekt, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
        m_esc = true;
    return QObject::eventFilter(objekt, event);
}

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
    SuchTreffer treffer;
    StillerFortschritt still;
    Fortschritt &f = fort ? *fort : still;
    m_esc = false;
    qApp->installEventFilter(this);
    struct FilterAus
    {
        AListeBedienung *b;
        ~FilterAus() { qApp->removeEventFilter(b); }
    } filterAus{this};
    f.FortEin(1, QStringLiteral("aa"));
    f.FortAbschnittNeu(QStringLiteral("Auflisten"), true, true);
    bool abbruch = false;
    const Ergebnis e = nxAuswahlVerzeichnisAuflisten(verz, plattform::Details::Alle, 0, treffer, [&](int gefunden) {
        f.FortMeldung(QStringLiteral("gefunden"), gefunden);
        abbruch = f.Abbruch || (escGedrueckt && escGedrueckt());
        return !abbruch;
    });
    if (!e.ok() && !abbruch) {
        // A directory that cannot be read shows why instead of an empty list.
        EditorSchliessenUndLeeren();
        Daten().MeldungSetzen(e.text());
        f.FortAus();
        m_liste->Neuzeichnen();
        AnzeigeListenAnzahlAuswahl();
        return;
    }
    f.FortAbschnittNeu(QStringLiteral("Sortieren"), true, false);
    Fuellen(treffer, abbruch, true);
    f.FortAus();
    AnzeigeListenAnzahlAuswahl(); // again: the caption waits while the progress display runs
}

void AListeBedienung::EditorSchliessenUndLeeren()
{
    m_liste->EditorSchliessen();
    nxAuswahlListeVorbereiten(Daten());
}

void AListeBedienung::Fuellen(SuchTreffer &treffer, bool suchAbbruch, bool baumListe)
{
    Beschaeftigt busy;
    m_liste->EditorSchliessen();
    AuswahlFuellung art;
    art.suchAbbruch = suchAbbruch;
    art.baumListe = baumListe;
    art.sortWahl = m_sortWahl;
    art.escErlaubt = baumListe;
    art.escGedrueckt = escGedrueckt;
    if (m_autoIndex >= 1 && size_t(m_autoIndex) < m_autoTabelle.size()) {
        art.autoRegel = m_autoTabelle[size_t(m_autoIndex)].regel;
        art.autoAnwenden = !seiteAuswaehlen || seiteAuswaehlen();
    }
    StillerFortschritt still;
    nxAuswahlFuellen(Daten(), treffer, art, fort ? *fort : still);
    m_liste->Neuzeichnen();
    m_liste->Springen(QStringLiteral("---"));
    AnzeigeListenAnzahlAuswahl();
}

void AListeBedienung::AlleAuswaehlen()
{
    Daten().AlleMarkieren(true);
    m_liste->Neuzeichnen();
    AnzeigeListenAnzahlAuswahl();
    m_liste->setFocus();
}

void AListeBedienung::AuswahlUmkehren()
{
    Daten().MarkierungUmkehren();
    m_liste->Neuzeichnen();
    AnzeigeListenAnzahlAuswahl();
    m_liste->setFocus();
}

void AListeBedienung::NamenUebernehmen(const QStringList &volleNamen)
{
    DebugSchritt schritt(QStringLiteral("AListe.NamenUebernehmen"));
    if (volleNamen.isEmpty())
        return;
    auto listen = [this](const QString &verz) {
        if (verzeichnisWaehlen)
            verzeichnisWaehlen(verz);
        else
            VerzeichnisListen(verz);
    };
    if (volleNamen.size() == 1 && nxAdresseIstVerzeichnis(volleNamen.first())) {
        listen(nxAdresseMitEndStrich(volleNamen.first()));
        return;
    }
    const QString verz = nxGemeinsamesVerzeichnis(volleNamen);
    if (!verz.isEmpty()) {
        listen(verz);
        nxNamenMarkieren(Daten(), volleNamen);
        m_liste->Neuzeichnen();
        m_liste->PositionZeigen(Daten().AktPosition());
        AnzeigeListenAnzahlAuswahl();
        return;
    }

    // Names in several directories: exactly those entries are listed.
    SuchTreffer treffer;
    static_cast<void>(nxAuswahlNamenAuflisten(volleNamen, treffer)); // names gone meanwhile are left out
    Fuellen(treffer, false, false);
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

void AListeBedienung::AutoAuswahlAnwenden(int index)
{
    if (seiteAuswaehlen && !seiteAuswaehlen())
        return;
    if (index < 1 || size_t(index) >= m_autoTabelle.size())
        return;
    {
        Beschaeftigt busy;
        nxAutoAuswahlAnwenden(Daten(), m_autoTabelle[size_t(index)].regel);
    }
    m_autoIndex = index;
    if (m_coAuto)
        m_coAuto->setCurrentIndex(index - 1);
    m_liste->Neuzeichnen();
    AnzeigeListenAnzahlAuswahl();
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
        Beschaeftigt busy;
        nxAuswahlSortieren(Daten(), m_sortWahl, false, {}, fort);
    }
    if (aktZeile > 0)
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
    const QString verz = baumVerzeichnis ? baumVerzeichnis() : QString();
    if (statusSetzen) {
        QString frei;
        if (!verz.isEmpty() && nxAdresseIstVerzeichnis(verz)) {
            const ErgebnisWert<plattform::Platz> p = plattform::platz(verz);
            frei = QStringLiteral("freier Speicher: ") + (p ? nxGroesseText(p->frei) : QStringLiteral("?"));
        }
        statusSetzen(0, frei);
        statusSetzen(1, ZaehlText());
    }
    if (titelSetzen) {
        const AuswahlZahlen z = nxAuswahlZaehlen(Daten());
        const QString ort = sucheErgebnisSichtbar && sucheErgebnisSichtbar() ? QStringLiteral("Suche-Ergebnis") : verz;
        titelSetzen(ort + QStringLiteral("     |     ") + nxZahlText(z.markiert) + QStringLiteral(" von ")
                    + nxZahlText(z.anzahl) + QStringLiteral(" Namen ausgewählt") + QStringLiteral("     |     ")
                    + ProgName + u' ' + ProgVersion);
    }
    Q_EMIT ZahlenGeaendert();
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
    if (!e.ok() && dialog)
        dialog->Dialog_Info(QStringLiteral("Das hat nicht funktioniert. Bitte überprüfe auf der Seite [")
                            + einstellungenSeite + QStringLiteral("] die Einstellungen für [öffnen mit]."));
}

QAction *AListeBedienung::popAEintrag(const QString &name, const QString &text)
{
    QAction *a = m_popA->findChild<QAction *>(name);
    if (!a) {
        a = m_popA->addAction(text);
        a->setObjectName(name);
    }
    a->setEnabled(true);
    return a;
}

void AListeBedienung::popAVerbinden()
{
    if (m_popA->actions().isEmpty()) {
        popAEintrag(QStringLiteral("PopA_Abbrechen"), QStringLiteral("&dieses Menü abbrechen"));
        m_popA->addSeparator();
    }
    connect(popAEintrag(QStringLiteral("PopA_Kopf"), QStringLiteral("mehr Spalten anzeigen ...")), &QAction::triggered,
            this, [this] {
                spaltenMenuAnpassen();
                m_popSpalten->popup(QCursor::pos());
            });
    connect(popAEintrag(QStringLiteral("PopA_Eigenschaften"), QStringLiteral("zuletzt ausgewählter Name: Eigenschaften anzeigen")),
            &QAction::triggered, this, [this] {
                const QString pfad = vollerName(Daten().AktZeile());
                const Ergebnis e = plattform::eigenschaftenZeigen(pfad);
                if (!e.ok())
                    nxDebugZeile(QStringLiteral("AListe.Eigenschaften ") + pfad + QStringLiteral(" => ") + e.text());
            });
    connect(popAEintrag(QStringLiteral("PopA_F2F4"), QStringLiteral("zuletzt ausgewählter Name: &umbenennen ...   (F2 oder F4)")),
            &QAction::triggered, this, &AListeBedienung::EditorOeffnen);
    connect(popAEintrag(QStringLiteral("PopA_Wechsel"), QStringLiteral("zuletzt ausgewählter Name: in das &Verzeichnis wechseln")),
            &QAction::triggered, this, [this] {
                const int z = Daten().AktZeile();
                if (z > 0 && verzeichnisWaehlen)
                    verzeichnisWaehlen(Daten().Zelle(z, AZelle::Pfad));
                m_liste->setFocus();
            });
    connect(popAEintrag(QStringLiteral("PopA_Doppel"),
                        QStringLiteral("zuletzt ausgewählter Name: öffnen wie mit einem \"&Doppeltdrücken\"")),
            &QAction::triggered, this, [this] {
                const bool vorher = m_doppelklickOeffnet;
                m_doppelklickOeffnet = true;
                doppelKlick(0, 0, Daten().AktZeile());
                m_doppelklickOeffnet = vorher;
            });
    for (int n = 1; n <= 6; ++n)
        connect(popAEintrag(QStringLiteral("PopA_Pro%1").arg(n), QString()), &QAction::triggered, this,
                [this, n] { oeffnenMit(n); });
    if (!m_popA->findChild<QAction *>(QStringLiteral("PopA_Zelle")))
        m_popA->addSeparator();
    connect(popAEintrag(QStringLiteral("PopA_Zelle"), QString()), &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(m_zelleText); });
}

void AListeBedienung::popAAnpassen(int spalte, int zeile)
{
    auto eintrag = [this](const QString &name) { return m_popA->findChild<QAction *>(name); };
    // "in das Verzeichnis wechseln" belongs to the search results only.
    eintrag(QStringLiteral("PopA_Wechsel"))->setVisible(sucheErgebnisSichtbar && sucheErgebnisSichtbar());
    for (int n = 1; n <= 6; ++n) {
        QAction *a = eintrag(QStringLiteral("PopA_Pro%1").arg(n));
        const bool da = !m_proProgramm[size_t(n)].isEmpty() && !m_proText[size_t(n)].isEmpty();
        a->setVisible(da);
        a->setText(QStringLiteral("zuletzt ausgewählter Name: öffnen mit ") + m_proText[size_t(n)]);
    }
    m_zelleText = zeile > 0 ? m_liste->AnzeigeText(zeile, spalte) : QString();
    const QString kurz = m_zelleText.size() > 38 ? m_zelleText.left(35) + QStringLiteral("...") : m_zelleText;
    QAction *kopie = eintrag(QStringLiteral("PopA_Zelle"));
    kopie->setText(QStringLiteral("in die Zwischenablage kopieren: \"") + kurz + u'"');
    kopie->setEnabled(!m_zelleText.isEmpty());
}

namespace {
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
    for (const SpaltenEintrag &e : SpaltenEintraege) {
        const QString name = QString::fromUtf16(e.name);
        QAction *a = m_popSpalten->findChild<QAction *>(name);
        if (!a) {
            a = m_popSpalten->addAction(QString());
            a->setObjectName(name);
        }
        a->setCheckable(true);
        a->setEnabled(true);
        a->setText(e.spalte == AZelle::PfadNr
                       ? QStringLiteral(" Symbol anzeigen")
                       : u'"' + m_liste->Spalte(e.spalte).titel.trimmed() + QStringLiteral("\" anzeigen"));
        const int spalte = e.spalte;
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

AListeBedienung *AListeAnlegen(Taa &aa)
{
    if (AListeBedienung *schon = AListeVon(aa))
        return schon;
    auto *b = new AListeBedienung(aa.PaAuswahlliste(), std::max(aa.PaBaum()->width(), 150), aa.PopA(), aa.PopSpaltenA());
    b->fort = &aa.Fort();
    b->dialog = &aa.Dialoge();
    b->statusSetzen = [&aa](int panel, const QString &text) { aa.StatusTextSetzen(panel, text); };
    b->seiteAuswaehlen = [&aa] { return aa.AktuelleSeite == 1; };
    b->sucheErgebnisSichtbar = [&aa] { return aa.AktuelleSeite == 1 && aa.AktuelleSuchSeite == 5; };
    b->titelSetzen = [&aa](const QString &titel) {
        if (aa.ArbeitLaeuft())
            return; // the progress display owns the caption meanwhile
        aa.setWindowTitle(titel);
        AnwendungsTitelSetzen(titel);
    };
    // Until the tree exists, the directory listed last is the one the counts refer to.
    auto *verz = new QString;
    QObject::connect(b, &QObject::destroyed, [verz] { delete verz; });
    b->baumVerzeichnis = [verz] { return *verz; };
    b->verzeichnisWaehlen = [b, verz](const QString &v) {
        *verz = nxAdresseMitEndStrich(v);
        b->VerzeichnisListen(*verz);
    };
    aa.ListenAnzahlAnzeige = [b] { b->AnzeigeListenAnzahlAuswahl(); };
    QObject::connect(&aa, &Taa::UmbenennenVerlangt, b, &AListeBedienung::EditorOeffnen);
    return b;
}

AListeBedienung *AListeVon(Taa &aa)
{
    return aa.PaAuswahlliste() ? aa.PaAuswahlliste()->findChild<AListeBedienung *>(QStringLiteral("AListeBedienung"),
                                                                                     Qt::FindDirectChildrenOnly)
                               : nullptr;
}

} // namespace rinolux
