#include "gui/app/FeldSchalter.h"

#include "core/inputaids/EditSchalterHilfe.h"
#include "core/inputaids/WortSammlung.h"
#include "core/persist/MerkListe.h"
#include "core/shell/Dialog.h"
#include "core/shell/ListenDaten.h"
#include "core/util/nx_Debug.h"
#include "gui/app/Ablauf.h"
#include "gui/app/Form_Anfang.h"
#include "gui/controls/TAutoVervoll.h"
#include "gui/controls/TNxBaum.h"
#include "gui/controls/TNxEditSchalter.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AktionsSeite.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/pages/Form_Merk.h"
#include "gui/pages/Form_Verzeichnis.h"
#include "gui/pages/LoeschenKopSeite.h"
#include "gui/pages/OptionenBereich.h"

#include <QAbstractItemModel>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>

namespace rinolux {

namespace {

struct FeldZeile
{
    const char16_t *feld;
    int platz;
    int abstand;
    std::initializer_list<const char16_t *> definitionen;
};

const QString Leer = QStringLiteral("LP__Leer");
const QString Woerter = QStringLiteral("NP_#m_Wörter ...");

// Each line: the field, where its buttons stand (placement code and offset), the buttons.
const FeldZeile FeldTabelle[] = {
    {u"EdSuchMit", 1, 0, {u"LP__Leer", u"LP_*_* (alle)", u"NP_#m_Wörter ..."}},
    {u"EdSuchOhne", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ..."}},
    {u"RiListensuche", 7, 0, {u"NP_#listesuchepos1_zum Anfang"}},
    {u"RiListensuche", 7, 30, {u"NP_#listesuchegross_Anzeige vergrößern  [<>]"}},
    {u"RiListensuche", 7, 60, {u"LP_#verzeichnis1310_Verzeichnis suchen ..."}},
    {u"RiListensuche", 7, 80, {u"LP_#dateimitpfad1310_Datei suchen ..."}},
    {u"RiListensuche", 8, 0, {u"NP_#listesucheposende_zum Ende"}},
    {u"EdKopieren", 4, 0, {u"LP_#verzeichnis_ anderes Ziel-Verzeichnis suchen ...", u"NP_#m_Wörter ..."}},
    {u"EdRegel", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ..."}},
    {u"RiFrei",
     1,
     0,
     {u"LP__Leer", u"NP_#freilistenamen_die ausgewählten Namen in die Liste übertragen",
      u"NP_#m_Wörter ..."}},
    {u"EdHinzu", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ...", u"NP_ _Leerzeichen"}},
    {u"EdEersetzen", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ...", u"NP_ _Leerzeichen"}},
    {u"EdAuffuellen",
     1,
     0,
     {u"LP__Leer", u"NP_#m_Wörter ...", u"NP_0000000000_10 Nullen", u"NP_00000000000000000000_20 Nullen"}},
    {u"EdNummerVor", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ..."}},
    {u"EdNummerNach", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ..."}},
    {u"EdNummerStart", 1, 0, {u"LP_1", u"LP_A", u"LP_a", u"NK_#ersterwertinfo_für Experten ..."}},
    {u"EdNummerDiff", 1, 0, {u"LP_1", u"NK_#diffinfo_für Experten ..."}},
    {u"EdMatrixFormel", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ..."}},
    {u"EdMatrixFormel",
     2,
     10,
     {u"NK_#matrixinfo1_Hilfe mit Beispiel ...",
      u"LP_= /1*4*2*zahl\\ = /A*1*3*buchst*zahl\\ =_1. Beispiel einfügen",
      u"LP_= Ergebnis /A*1*4*nr1*nr2\\ = /a*1*3*nr2*zahl\\ = /10*1*2*zahl\\ =_2. Beispiel einfügen",
      u"NK_#matrixinfo2_für Experten ..."}},
    {u"EdFilterAlt", 1, 0, {u"LP__Leer", u"NP_|_Trennzeichen", u"NP_#m_Wörter ..."}},
    {u"EdFilterNeu", 1, 0, {u"LP__Leer", u"NP_|_Trennzeichen", u"NP_#m_Wörter ..."}},
    {u"EdListeVorAendern", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ..."}},
    {u"EdListeNachAendern", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ..."}},
    {u"EdListeVorHerst", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ..."}},
    {u"EdListeNachHerst", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ..."}},
    {u"EdHerstAuswahlVor", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ..."}},
    {u"EdHerstAuswahlNach", 1, 0, {u"LP__Leer", u"NP_#m_Wörter ..."}},
    {u"RiListeAendern", 17, 10, {u"NP_#listeaenderngross_Anzeige vergrößern  [<>]"}},
    {u"RiListeHerst", 17, 10, {u"NP_#listeherstgross_Anzeige vergrößern  [<>]"}},
    {u"EdZeitJ", 1, 0, {u"LP_#zeit1_jetzt"}},
    {u"EdZeitM", 1, 0, {u"LP_#zeit2_jetzt"}},
    {u"EdZeitT", 1, 0, {u"LP_#zeit3_jetzt"}},
    {u"EdZeitU", 1, 0, {u"LP_#zeit4_jetzt"}},
    {u"EdZeitI", 1, 0, {u"LP_#zeit5_jetzt"}},
    {u"EdZeitE", 1, 0, {u"LP_#zeit6_jetzt"}},
    {u"EdZeitDiff", 1, 0, {u"LP_1", u"LP_-1"}},
    {u"EdHerstVonEiner",
     1,
     0,
     {u"LP__Leer", u"NP_#m_Wörter ...", u"LP_#ersteauswahldateimitpfad_erste ausgewählte Datei",
      u"LP_#dateimitpfad_eine andere Datei suchen ..."}},
    {u"EdHerstZuEinerVerb",
     1,
     0,
     {u"LP__Leer", u"NP_#m_Wörter ...", u"LP_#ersteauswahldateiohnepfad_erste ausgewählte Datei",
      u"LP_#dateiohnepfad_eine andere Datei suchen ..."}},
    {u"EdHerstZuVielenVerb", 17, 0, {u"LP_.001", u"NK_#autoverbindeninfo_Hilfe mit Beispiel ..."}},
    {u"EdHerstAnzahl", 1, 0, {u"LP_10", u"LP_50"}},
    {u"EdHerstWo", 7, 0, {u"LP_#verzeichnis_Verzeichnis suchen ... "}},
    {u"RiESprung",
     1,
     0,
     {u"NP_#aktuellerpfad1310_das aktuelle Verzeichnis hinzufügen",
      u"LP_#verzeichnis1310_ein anderes Verzeichnis suchen ..."}},
    {u"EdEProP1", 1, 0, {u"LP_#exemitpfad_ein anderes Programm suchen ..."}},
    {u"EdEProP2", 1, 0, {u"LP_#exemitpfad_ein anderes Programm suchen ..."}},
    {u"EdEProP3", 1, 0, {u"LP_#exemitpfad_ein anderes Programm suchen ..."}},
    {u"EdEProP4", 1, 0, {u"LP_#exemitpfad_ein anderes Programm suchen ..."}},
    {u"EdEProP5", 1, 0, {u"LP_#exemitpfad_ein anderes Programm suchen ..."}},
    {u"EdEProP6", 1, 0, {u"LP_#exemitpfad_ein anderes Programm suchen ..."}},
    {u"EdEVorschauSekunden", 1, 0, {u"LP_1", u"LP_3"}},
    {u"EdEVorschauAnzahl", 1, 0, {u"LP_500"}},
    // The root directory stands in for the first drive.
    {u"EdStartVerzBenutzer",
     1,
     0,
     {u"LP_/", u"LP_#aktuellerpfad_das aktuelle Verzeichnis",
      u"LP_#verzeichnis_ein anderes Verzeichnis suchen ..."}},
    {u"RiEinstMerkliste", 1, 0, {u"NP_#m_Wörter ..."}},
    {u"EdMaxSuch", 1, 0, {u"LP_50"}},
    {u"EdMaxMerk", 1, 0, {u"LP_500"}},
    {u"EdMaxRueck", 1, 0, {u"LP_50"}},
};

struct SpinZeile
{
    const char16_t *feld;
    char16_t modus;
    qint64 minimum;
    qint64 maximum;
};

const SpinZeile SpinTabelle[] = {
    {u"EdEVorschauSekunden", u'N', 1, 5},
    {u"EdEVorschauAnzahl", u'N', 0, KeinLimit},
    {u"EdMaxSuch", u'N', 1, 100},
    {u"EdMaxMerk", u'N', 1, 2000},
    {u"EdMaxRueck", u'N', 1, 100},
    {u"EdNummerStart", u'A', KeinLimit, KeinLimit},
    {u"EdNummerDiff", u'N', KeinLimit, KeinLimit},
    {u"EdZeitJ", u'N', 1980, 2100},
    {u"EdZeitM", u'N', 1, 12},
    {u"EdZeitT", u'N', 1, 31},
    {u"EdZeitU", u'N', 0, 23},
    {u"EdZeitI", u'N', 0, 59},
    {u"EdZeitE", u'N', 0, 59},
    {u"EdZeitDiff", u'N', KeinLimit, KeinLimit},
    {u"EdHerstAnzahl", u'N', 1, KeinLimit},
};

// The fields the autocomplete list serves.
const char16_t *const AutoFelder[] = {u"EdSuchMit",          u"EdSuchOhne",        u"EdNummerVor",
                                      u"EdNummerNach",       u"EdMatrixFormel",    u"EdAuffuellen",
                                      u"EdEersetzen",        u"EdHinzu",           u"EdFilterAlt",
                                      u"EdFilterNeu",        u"EdListeVorAendern", u"EdListeNachAendern",
                                      u"EdListeVorHerst",    u"EdListeNachHerst",  u"EdHerstAuswahlVor",
                                      u"EdHerstAuswahlNach", u"EdHerstVonEiner",   u"EdHerstZuEinerVerb",
                                      u"EdHerstWo",          u"EdKopieren",        u"EdEAutoVervoll"};

const QString AutoThema = QStringLiteral("Eingabe-Felder: Wörter-Liste beim Eintippen");

void baumNamen(const QAbstractItemModel *m, const QModelIndex &eltern, QStringList &namen)
{
    for (int r = 0; r < m->rowCount(eltern); ++r) {
        const QModelIndex i = m->index(r, 0, eltern);
        namen.append(i.data().toString());
        baumNamen(m, i, namen);
    }
}

// What the action codes of the window's buttons get from the window.
class FensterSchalterUmgebung final : public QObject, public EditSchalterUmgebung
{
public:
    explicit FensterSchalterUmgebung(Taa &aa) : QObject(&aa), m_aa(aa) { EditSchalterUmgebungSetzen(this); }
    ~FensterSchalterUmgebung() override
    {
        if (&EditSchalterUmgebungAktuell() == this)
            EditSchalterUmgebungSetzen(nullptr);
    }

    QString AktuellerPfad() override
    {
        auto *s = m_aa.SeiteVon<TAuswahlSeite>();
        return s && s->Baum() ? s->Baum()->AusgewaehlterPfad() : QString();
    }
    QStringList VorschauNamen() override
    {
        QStringList namen;
        auto *s = m_aa.SeiteVon<TAktionsSeite>();
        if (!s || !s->VListe())
            return namen;
        const ListenDaten &d = s->VListe()->Daten();
        for (int z = 1; z <= d.Anzahl(); ++z)
            namen.append(d.Zelle(z, 2));
        return namen;
    }
    int NameFormatArt() override
    {
        auto *c = m_aa.findChild<QComboBox *>(QStringLiteral("CoAendernNameFormat"));
        return c ? c->currentIndex() : -1;
    }
    QString ErsteAuswahlDatei() override
    {
        auto *s = m_aa.SeiteVon<TAuswahlSeite>();
        if (!s || !s->Liste())
            return QString();
        const ListenDaten &d = s->Liste()->Liste()->Daten();
        for (int p = 1; p <= d.Anzahl(); ++p) {
            const int z = d.ZeileAn(p);
            if (d.Markiert(z) && !d.Verz(z))
                return d.Zelle(z, 1) + d.Zelle(z, 4);
        }
        return QString();
    }
    std::optional<QString> PfadWaehlen(bool datei, const QString &muster, const QString &start,
                                       QWidget *) override
    {
        Tvv::Wahl w;
        w.start = start.isEmpty() ? AktuellerPfad() : start;
        w.dateiModus = datei;
        w.muster = muster;
        const QString pfad = Tvv::Auswaehlen(w, m_aa.Dialoge(), &m_aa);
        if (pfad.isEmpty())
            return std::nullopt;
        return pfad;
    }
    void HilfeZeigen(const QString &code, QWidget *feld) override
    {
        m_aa.Dialoge().Dialog_Info(EditSchalterHilfeText(code), feld ? feld->objectName() : QString(), true);
    }
    void InfoZeigen(const QString &text, QWidget *anker) override
    {
        m_aa.Dialoge().Dialog_Info(text, anker ? anker->objectName() : QString());
    }
    void AutoSymbolErklaeren(QWidget *symbol) override
    {
        InfoZeigen(
            QStringLiteral("Dieses Symbol bedeutet:\r\nHier kann beim Eintippen eine Wörter-Liste angezeigt "
                           "werden.\r\n\r\nMehr Informationen dazu stehen auf der Seite [") +
                EinstellungenName() + QStringLiteral("] beim Thema [") + AutoThema.trimmed() +
                QStringLiteral("]."),
            symbol);
    }
    int RahmenDicke() override { return m_aa.Einst().RahmenDicke; }
    bool HilfeAn() override
    {
        auto *che = m_aa.findChild<QCheckBox *>(QStringLiteral("CheHilfe"));
        return che && che->isChecked();
    }
    QWidget *Hauptfenster() override { return &m_aa; }
    void AutoVervollSchliessen() override
    {
        if (m_av)
            m_av->Schliessen();
    }

    // The sources of words.
    QStringList EigeneWoerter() const
    {
        QStringList w;
        if (auto *ri = m_aa.findChild<QPlainTextEdit *>(QStringLiteral("RiEinstMerkliste")))
            for (const QString &z : ri->toPlainText().split(u'\n'))
                if (!z.trimmed().isEmpty())
                    w.append(z);
        return w;
    }
    QStringList BenutzerWoerter() const
    {
        QStringList w;
        auto *s = m_aa.SeiteVon<TAktionsSeite>();
        if (s && s->Optionen())
            for (const BenutzerWort &b : s->Optionen()->BenutzerWoerter())
                w.append(b.text);
        return w;
    }
    QStringList BaumNamen() const
    {
        QStringList w;
        auto *s = m_aa.SeiteVon<TAuswahlSeite>();
        if (s && s->Baum() && s->Baum()->model())
            baumNamen(s->Baum()->model(), QModelIndex(), w);
        return w;
    }
    QStringList AuswahlNamen() const
    {
        QStringList w;
        auto *s = m_aa.SeiteVon<TAuswahlSeite>();
        if (!s || !s->Liste())
            return w;
        const ListenDaten &d = s->Liste()->Liste()->Daten();
        for (int z = 1; z <= d.Anzahl(); ++z)
            w.append(d.Zelle(z, 4));
        return w;
    }
    QString MerkGrenze() const
    {
        auto *ed = m_aa.findChild<QLineEdit *>(QStringLiteral("EdMaxMerk"));
        return ed ? ed->text() : QString::number(m_aa.Einst().MaxMerk);
    }
    QString EinstellungenName() const
    {
        Seite *s = m_aa.SeiteFuerTab(8);
        return s ? s->Titel(8).trimmed() : QStringLiteral("Einstellungen");
    }

    std::optional<QString> WortWaehlen(QWidget *) override
    {
        AutoVervollSchliessen();
        const QStringList eigene = EigeneWoerter(), benutzer = BenutzerWoerter(), baum = BaumNamen(),
                          auswahl = AuswahlNamen();
        QStringList quellen;
        for (const QString &b : baum)
            if (b.size() >= 3)
                quellen.append(b);
        quellen += auswahl;
        quellen += benutzer;
        quellen += GesammelteWoerter().Woerter();
        DebugSchritt schritt(QStringLiteral("AnzeigeForm: MerkForm"));
        Tmm form(WortListeAufbauen(eigene, quellen), EinstellungenName(), RahmenDicke(), &m_aa);
        WoerterMerkenNachListe(GesammelteWoerter(), eigene, benutzer, baum, auswahl, MerkGrenze());
        if (form.exec() != QDialog::Accepted || form.Ergebnis().isEmpty())
            return std::nullopt;
        return form.Ergebnis();
    }

    // The autocomplete list of the window and the fields it serves.
    void AutoVervollEinrichten()
    {
        m_av = Tav::Fuer(&m_aa);
        m_av->Quellen = [this](const QLineEdit *feld) {
            if (feld->objectName() == u"EdEAutoVervoll")
                return AutoVorfuehrZeilen();
            QStringList q = EigeneWoerter();
            const QStringList &gemerkt = GesammelteWoerter().Woerter();
            for (qsizetype i = gemerkt.size() - 1; i >= 0; --i)
                q.append(gemerkt[i]);
            q += BenutzerWoerter();
            q += BaumNamen();
            q += AuswahlNamen();
            return q;
        };
        m_av->Modus = [this] {
            auto an = [this](const char16_t *name) {
                auto *r = m_aa.findChild<QRadioButton *>(QString::fromUtf16(name));
                return r && r->isChecked();
            };
            if (an(u"RaEAutoVervollAuto"))
                return AutoVervollModus::Automatisch;
            if (an(u"RaEAutoVervoll0"))
                return AutoVervollModus::Nie;
            return AutoVervollModus::Taste;
        };
        QObject::connect(&m_aa, &Taa::AnwendungInaktiv, m_av, &Tav::Schliessen);
        for (const char16_t *name : AutoFelder) {
            auto *feld = m_aa.findChild<QLineEdit *>(QString::fromUtf16(name));
            if (!feld)
                continue;
            m_av->Bedienen(feld);
            if (feld->objectName() == u"EdEAutoVervoll")
                continue;
            AutoSymbol(feld, {});
        }
    }

private:
    Taa &m_aa;
    QPointer<Tav> m_av;
};

} // namespace

void FeldSchalterAnbringen(Taa &aa)
{
    auto *umgebung = new FensterSchalterUmgebung(aa);
    for (const FeldZeile &z : FeldTabelle) {
        QWidget *feld = aa.findChild<QWidget *>(QString::fromUtf16(z.feld));
        if (!feld)
            continue;
        QStringList definitionen;
        for (const char16_t *d : z.definitionen)
            definitionen.append(QString::fromUtf16(d));
        EditSchalter(feld, definitionen, z.platz, z.abstand);
    }
    for (const SpinZeile &z : SpinTabelle)
        if (QWidget *feld = aa.findChild<QWidget *>(QString::fromUtf16(z.feld)))
            Spin(feld, QChar(z.modus), z.minimum, z.maximum);
    umgebung->AutoVervollEinrichten();
    if (auto *lk = aa.SeiteVon<TLoeschenKopSeite>())
        QObject::connect(lk, &TLoeschenKopSeite::AuswahlGeaendert, &aa, [&aa] { EingabefelderMerken(aa); });
}

void EingabefelderMerken(Taa &aa)
{
    QStringList texte;
    for (QLineEdit *e : aa.findChildren<QLineEdit *>()) {
        // Editors inside lists, combos and spin boxes are no fields of their own.
        QWidget *eltern = e->parentWidget();
        if (qobject_cast<QComboBox *>(eltern) || qobject_cast<QAbstractSpinBox *>(eltern) ||
            qobject_cast<TNxRotListe *>(eltern) || e->echoMode() != QLineEdit::Normal)
            continue;
        if (e->width() >= 100 && e->text().size() >= 3)
            texte.append(e->text());
    }
    if (!texte.isEmpty())
        GesammelteWoerter().Neu(texte, false, QString::number(aa.Einst().MaxMerk));
}

void WortFeldSchalter(QWidget *feld)
{
    EditSchalter(feld, {Leer, Woerter}, 1, 0);
}

Tav *WortFeldAutoVervoll(QWidget *form, QWidget *hauptfenster)
{
    Tav *av = Tav::Fuer(form);
    if (Tav *haupt = hauptfenster ? hauptfenster->window()->findChild<Tav *>(QStringLiteral("av"),
                                                                             Qt::FindDirectChildrenOnly)
                                  : nullptr) {
        av->Quellen = haupt->Quellen;
        av->Modus = haupt->Modus;
    }
    return av;
}

} // namespace rinolux
