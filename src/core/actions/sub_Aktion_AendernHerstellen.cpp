#include "core/actions/sub_Aktion_AendernHerstellen.h"

#include "core/actions/RueckListe.h"
#include "core/actions/sub_Aktion_Danach.h"
#include "core/actions/sub_Aktion_Herstellen.h"
#include "core/platform/Plattform.h"
#include "core/selection/sub_Auswahl.h"
#include "core/selection/sub_Sortieren.h"
#include "core/shell/Dialog.h"
#include "core/shell/DialogText.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Debug.h"
#include "core/util/nx_Format.h"
#include "core/util/nx_Text.h"
#include "core/util/nx_Zeit.h"
#include "core/util/nx_ZeichenEinfach.h"

#include <QHash>
#include <QSet>

namespace rinolux {

namespace {

constexpr int kListenGrenze = 5;
const QString kUmwegAnfang = QStringLiteral("!Rin_");

bool istNamenArbeit(AktionsCode code) { return code == 200 || code == 301 || IstNamenCode(code); }
bool istAttributArbeit(AktionsCode code) { return code == 205 || code == 302; }
bool istZeitArbeit(AktionsCode code) { return IstZeitCode(code) || (code >= 303 && code <= 305); }
// New empty files and directories have no source to look at before the work.
bool ohneQuelle(AktionsCode code) { return code >= 281 && code <= 294; }

QChar zeitBuchstabe(AktionsCode code)
{
    if ((code >= 111 && code <= 114) || code == 303)
        return u'a';
    if ((code >= 121 && code <= 124) || code == 304)
        return u'h';
    return u'z';
}

// Selection cell that shows the time a code changes.
int zeitZelle(AktionsCode code)
{
    switch (zeitBuchstabe(code).unicode()) {
    case u'a':
        return AZelle::ZeitA;
    case u'h':
        return AZelle::ZeitH;
    default:
        return AZelle::ZeitZ;
    }
}

plattform::DateiZeit eintragsZeit(const plattform::Eintrag &e, QChar buchstabe)
{
    if (buchstabe == u'a')
        return e.aenderung;
    if (buchstabe == u'h')
        return e.herstellung;
    return e.zugriff;
}

// Names holding a character that would break the line-framed undo file are not changed.
bool rahmenSicher(const QString &text)
{
    return !text.contains(u'\t') && !text.contains(u'\r') && !text.contains(u'\n');
}

struct Zeile
{
    QString d;  // directory with trailing "/"
    QString o;  // existing name
    QString n;  // new name
    QString zd; // creation: target directory with trailing "/"
    bool verz = false;
};

// An object made by a creation row, for the selection list.
struct Erstellt
{
    QString verzeichnis;
    QString name;
};

// A hash of a name with its letters folded to one case, without building the folded text.
size_t gefaltetHash(QStringView name)
{
    size_t h = 1469598103934665603ULL;
    for (const char32_t c : name.toUcs4()) {
        h ^= QChar::toCaseFolded(c);
        h *= 1099511628211ULL;
    }
    return h;
}

// Which new names may already be taken. A directory that receives many new names is read
// once into hashes of its names folded to one letter case: a name whose hash is missing
// is free without a call of its own; any other (also a case-insensitive mount's other
// spelling) gets the exact test.
class ZielBestand
{
public:
    void neuerName(const QString &verz) { ++m_verz[verz].anzahl; }

    bool vorhanden(const QString &verz, const QString &name)
    {
        Verz &v = m_verz[verz];
        if (!v.gelesen)
            lesen(verz, v);
        if (v.gelistet && !v.namen.contains(gefaltetHash(name)))
            return false;
        return plattform::vorhanden(verz + name);
    }

private:
    struct Verz
    {
        int anzahl = 0;
        bool gelesen = false;
        bool gelistet = false;
        QSet<size_t> namen;
    };

    static void lesen(const QString &verz, Verz &v)
    {
        v.gelesen = true;
        // Reading a huge directory for a handful of names would cost more than asking for
        // each; the directory's size in bytes bounds its number of entries from above.
        constexpr int kMindestens = 256;
        constexpr qint64 kBytesJeEintrag = 16;
        if (v.anzahl < kMindestens)
            return;
        const ErgebnisWert<plattform::Eintrag> e = plattform::objektLesen(verz);
        if (!e || e->groesse / kBytesJeEintrag > qint64(v.anzahl) * 16)
            return;
        v.namen.reserve(v.anzahl);
        const Ergebnis r = plattform::verzeichnisLesen(verz, plattform::Details::Keine, [&](const plattform::Eintrag &x) {
            v.namen.insert(gefaltetHash(x.name));
            return true;
        });
        // A listing that broke off proves nothing: every name is then asked for.
        v.gelistet = r.ok();
        if (!v.gelistet)
            v.namen.clear();
    }

    QHash<QString, Verz> m_verz;
};

// Collects the first few paths of one kind for a message.
struct Liste
{
    qint64 anzahl = 0;
    QString text;
    void neu(const QString &vorne, const QString &pfad, const QString &hinten)
    {
        if (++anzahl <= kListenGrenze)
            text += vorne + DialogMaskieren(pfad) + hinten;
    }
};

QString undWeitere(qint64 anzahl, bool gruppiert)
{
    return QStringLiteral("(und ") + (gruppiert ? nxZahlText(anzahl) : QString::number(anzahl)) +
           QStringLiteral(" weitere)");
}

class Lauf
{
public:
    Lauf(const AusfuehrAuftrag &a, const Einstellungen &e, Fortschritt &f, Dialog &d, RueckIndex &i)
        : m_a(a), m_einst(e), m_fort(f), m_dialog(d), m_index(i), m_liste(*a.arbeit), m_code(a.code)
    {
    }

    AusfuehrErgebnis los();

private:
    bool neueNamenPruefen();
    bool neueZielePruefen();
    void alteNamenPruefen();
    void herstellen();
    bool pruefBericht();
    bool rueckDateiOeffnen();
    void namenAendern();
    void zweitePhase();
    void werteSetzen();
    void erstellteLoeschen();
    void rueckDateiSchliessen();
    void listenAktualisieren();
    void fehlerBericht();
    bool reihenfolgeSortieren();
    QString umwegAnfang(const QString &d, const QString &n);
    void rueckFehlerMerken(const Ergebnis &e);
    void zurueckAufAlt(int zeile);
    // A waiting directory moved in the second phase: waiting objects inside follow it.
    void verzeichnisVerschoben(int zeile, const QString &altV, const QString &neuV);
    void schritt(qint64 k, qint64 n) { m_fort.FortSchritt(n, k, 0, 0); }
    // Step k of n of a loop that changes the disk; true when the user cancelled it.
    bool abgebrochenBei(qint64 k, qint64 n)
    {
        schritt(k, n);
        if (m_fort.Abbruch)
            m_erg.abgebrochen = true;
        return m_fort.Abbruch;
    }

    const AusfuehrAuftrag &m_a;
    const Einstellungen &m_einst;
    Fortschritt &m_fort;
    Dialog &m_dialog;
    RueckIndex &m_index;
    const ListenDaten &m_liste;
    const AktionsCode m_code;
    AusfuehrErgebnis m_erg;

    std::vector<Zeile> m_zeilen;         // index = row
    std::vector<int> m_reihe;            // execution order (rows)
    bool m_sortiert = false;             // m_reihe is in reverse path order
    std::vector<QString> m_umwegVerz;    // remembered directory per waiting row
    std::vector<QString> m_umwegAnfang;  // remembered prefix per waiting row
    std::vector<int> m_wartend;          // rows under a temporary name, in order
    std::vector<int> m_halter;           // detour rows: the row whose object holds the new name
    QSet<QString> m_neuePfade;           // every new full path of the run
    bool m_umwegeBenutzt = false;
    Liste m_belegt, m_gesperrt, m_fehlen, m_fehler1, m_fehler2;
    Liste m_veraendert; // undo of a creation: objects changed since, left alone
    std::unique_ptr<RueckSchreiber> m_rueck;
    QString m_rueckText;
    QString m_nichtZurueck; // objects whose unrecorded change could not be taken back
    int m_rueckCode = 0;
    std::vector<Erstellt> m_erstellt; // creation: what was made, in row order
};

void Lauf::rueckFehlerMerken(const Ergebnis &e)
{
    if (!m_erg.rueckFehler)
        m_rueckText = e.text();
    m_erg.rueckFehler = true;
}

AusfuehrErgebnis Lauf::los()
{
    nxDebugRein(QStringLiteral("Aktion_AendernHerstellen"));
    const int n = m_liste.Anzahl();
    m_erg.status.assign(size_t(n) + 1, AStatus::Ungeprueft);
    const bool rueck = m_a.modus != AusfuehrModus::Normal;
    const bool namen = istNamenArbeit(m_code);

    const auto verweigern = [&](const QString &text) {
        m_erg.verweigert = true;
        m_erg.bericht = text;
        m_dialog.Dialog_Info(text, m_a.anker, false);
        nxDebugRaus(QStringLiteral("Aktion_AendernHerstellen"));
        return m_erg;
    };
    const bool herstellen = IstHerstellCode(m_code);
    const bool bekannt =
        namen || istAttributArbeit(m_code) || istZeitArbeit(m_code) || m_code == 309 || herstellen;
    if (!bekannt || (rueck && m_code < 301))
        return verweigern(QStringLiteral("Diese Aktion kann nicht durchgeführt werden.\r\n\r\n"
                                         "Es ist nichts verändert worden."));

    const int zeitTeil =
        (IstZeitCode(m_code) || istAttributArbeit(m_code) || ohneQuelle(m_code) || m_code == 309 || m_code >= 302) ? 1
                                                                                                                : 2;
    m_fort.FortEin(zeitTeil + (m_a.modus == AusfuehrModus::NurPruefen ? 0 : 3), m_a.anker);
    m_fort.Abbruch = false;

    // Cells by role: the preview list, or the undo detail list.
    const int cO = 2;
    m_zeilen.resize(size_t(n) + 1);
    for (int z = 1; z <= n; ++z) {
        Zeile &r = m_zeilen[size_t(z)];
        r.d = m_liste.Zelle(z, 1);
        if (rueck && m_code == 301) {
            const QString korrigiert = m_liste.Zelle(z, 3);
            if (!korrigiert.isEmpty())
                r.d = korrigiert;
        }
        if (!r.d.endsWith(u'/') && !(herstellen && r.d.isEmpty()))
            r.d += u'/';
        r.o = m_liste.Zelle(z, cO);
        if (namen || herstellen)
            r.n = m_liste.Zelle(z, rueck ? 4 : 8);
        if (herstellen)
            r.zd = m_liste.Zelle(z, 7);
        r.verz = m_liste.Verz(z);
    }

    bool weiter = true;
    if (namen)
        weiter = neueNamenPruefen();
    else if (herstellen)
        weiter = neueZielePruefen();
    if (weiter && !ohneQuelle(m_code)) {
        alteNamenPruefen();
        weiter = !m_fort.Abbruch;
    }
    if (!weiter) {
        m_erg.abgebrochen = true;
        m_fort.FortAus();
        nxDebugRaus(QStringLiteral("Aktion_AendernHerstellen"));
        return m_erg;
    }
    if (!pruefBericht()) {
        m_fort.FortAus();
        nxDebugRaus(QStringLiteral("Aktion_AendernHerstellen"));
        return m_erg;
    }

    // Preparation.
    m_fort.FortAbschnittNeu(QStringLiteral("Berechnungen"), false, true);
    if ((namen || m_code == 309) && !m_sortiert && !reihenfolgeSortieren()) {
        m_erg.abgebrochen = true;
        m_fort.FortAus();
        nxDebugRaus(QStringLiteral("Aktion_AendernHerstellen"));
        return m_erg;
    }
    if (!m_sortiert) {
        m_reihe.clear();
        for (int z = 1; z <= n; ++z)
            if (!m_liste.Warn(z))
                m_reihe.push_back(z);
    }
    m_rueckCode = m_a.modus == AusfuehrModus::Normal ? AktionRueckCode(m_code) : 0;
    if (m_rueckCode != 0 && !rueckDateiOeffnen()) {
        m_fort.FortAus();
        return verweigern(m_erg.bericht);
    }

    m_erg.begonnen = true;
    m_fort.FortAbschnittNeu(AktionBezeichnung(m_code), false, m_code != 309);
    if (m_code == 309)
        m_fort.FortAbschnittSymbolisch();
    if (namen) {
        namenAendern();
        zweitePhase();
    } else if (herstellen) {
        this->herstellen();
    } else if (m_code == 309) {
        erstellteLoeschen();
    } else {
        werteSetzen();
    }
    if (m_rueck)
        rueckDateiSchliessen();

    m_fort.FortAbschnittNeu(QStringLiteral("Listen-Prüfen"), true, false);
    listenAktualisieren();
    m_fort.FortAus();
    fehlerBericht();
    nxDebugRaus(QStringLiteral("Aktion_AendernHerstellen"));
    return m_erg;
}

bool Lauf::reihenfolgeSortieren()
{
    // Last path first: everything inside a directory comes before the directory itself.
    std::vector<int> kandidaten;
    for (int z = 1; z <= m_liste.Anzahl(); ++z)
        if (!m_liste.Warn(z))
            kandidaten.push_back(z);
    SortSchluessel s(int(kandidaten.size()));
    s.textFeld([&](int i) {
        const Zeile &r = m_zeilen[size_t(kandidaten[size_t(i - 1)])];
        return r.d + r.o;
    });
    const std::optional<Permutation> p = nxFeldSortieren(s, &m_fort);
    if (!p)
        return false;
    m_reihe.clear();
    m_reihe.reserve(kandidaten.size());
    for (size_t k = kandidaten.size(); k >= 1; --k)
        m_reihe.push_back(kandidaten[size_t((*p)[k] - 1)]);
    m_sortiert = true;
    return true;
}

bool Lauf::neueNamenPruefen()
{
    m_fort.FortAbschnittNeu(QStringLiteral("Berechnungen"), true, true);
    if (!reihenfolgeSortieren())
        return false;
    // m_reihe is the index in descending text order; search it from its far end.
    const int m = int(m_reihe.size());
    const auto pfadAn = [&](int pos) -> QString { // pos 1..m ascending
        const Zeile &r = m_zeilen[size_t(m_reihe[size_t(m - pos)])];
        return r.d + r.o;
    };
    m_fort.FortAbschnittNeu(QStringLiteral("Neue-Prüfen"), false, true);
    const int n = m_liste.Anzahl();
    m_halter.assign(size_t(n) + 1, 0);
    ZielBestand bestand;
    for (int z = 1; z <= n; ++z)
        if (!m_liste.Warn(z) && !m_zeilen[size_t(z)].n.isEmpty())
            bestand.neuerName(m_zeilen[size_t(z)].d);
    for (int z = 1; z <= n; ++z) {
        schritt(z, n);
        if (m_fort.Abbruch)
            return false;
        m_erg.status[size_t(z)] = AStatus::Frei;
        const Zeile &r = m_zeilen[size_t(z)];
        if (m_liste.Warn(z) || r.n.isEmpty())
            continue;
        const QString ziel = r.d + r.n;
        if (!bestand.vorhanden(r.d, r.n))
            continue;
        const QString eigen = r.d + r.o;
        // The row's own object: the same name, or a change of letter case of one object on a
        // case-insensitive mount. "a.txt" beside another "A.txt" is another object.
        if (ziel == eigen ||
            (r.n.compare(r.o, Qt::CaseInsensitive) == 0 && plattform::gleichesObjekt(eigen, ziel)))
            continue;
        bool anderer = false;
        int halter = 0;
        const int pos =
            nxFeldSuchen(m, true, [&](int i) { return nxTextVergleich(ziel, pfadAn(i)); });
        for (int i = pos; pos > 0 && i <= m; ++i) {
            const QString p = pfadAn(i);
            if (p == ziel) {
                anderer = true;
                halter = m_reihe[size_t(m - i)];
                break;
            }
            if (nxTextVergleich(ziel, p) != 0)
                break;
        }
        if (anderer) {
            m_erg.status[size_t(z)] = AStatus::Umweg;
            m_halter[size_t(z)] = halter;
            continue;
        }
        m_belegt.neu(QStringLiteral("\r\n> "), ziel, QString());
    }
    return true;
}

void Lauf::alteNamenPruefen()
{
    m_fort.FortAbschnittNeu(QStringLiteral("Alte-Prüfen"), true, true);
    const int n = m_liste.Anzahl();
    plattform::UmbenennPruefung pruefung;
    for (int z = 1; z <= n; ++z) {
        schritt(z, n);
        if (m_fort.Abbruch)
            return;
        if (m_liste.Warn(z))
            continue;
        const Zeile &r = m_zeilen[size_t(z)];
        const QString pfad = r.d + r.o;
        const ErgebnisWert<plattform::UmbenennPruefung::Stand> stand = pruefung.pruefen(pfad);
        const bool da = stand && (r.verz ? stand->art == plattform::ObjektArt::Verzeichnis
                                         : stand->art != plattform::ObjektArt::Verzeichnis);
        if (!da)
            m_fehlen.neu(QStringLiteral("\r\n> "), pfad, QString());
        else if (stand->blockiert && !IstHerstellCode(m_code)) // a source is only read
            m_gesperrt.neu(QStringLiteral("\r\n> "), pfad, QString());
    }
}

bool Lauf::neueZielePruefen()
{
    m_fort.FortAbschnittNeu(QStringLiteral("Berechnungen"), true, true);
    m_fort.FortAbschnittNeu(QStringLiteral("Neue-Prüfen"), false, true);
    const int n = m_liste.Anzahl();
    for (int z = 1; z <= n; ++z) {
        schritt(z, n);
        if (m_fort.Abbruch)
            return false;
        m_erg.status[size_t(z)] = AStatus::Frei;
        const Zeile &r = m_zeilen[size_t(z)];
        if (m_liste.Warn(z) || r.n.trimmed().isEmpty())
            continue;
        // Whatever stands there now is never replaced: the row will fail.
        if (plattform::vorhanden(r.zd + r.n))
            m_belegt.neu(QStringLiteral("\r\n> "), r.zd + r.n, QString());
    }
    return true;
}

void Lauf::herstellen()
{
    const std::optional<HerstellArt> art = HerstellArtVonCode(m_code);
    if (!art)
        return;
    const int alle = m_liste.Anzahl();
    const qint64 n = qint64(m_reihe.size());
    const bool verbunden = *art == HerstellArt::Verbunden;
    const bool teil = *art == HerstellArt::Teil;
    // Every part is cut from the first row's source at its own place, so a part that is
    // not written never shifts the bytes of the others.
    QString teilQuelle;
    qint64 teilGroesse = -1;
    if (teil && alle >= 1) {
        teilQuelle = m_zeilen[1].d + m_zeilen[1].o;
        if (const ErgebnisWert<plattform::Eintrag> q = plattform::objektLesen(teilQuelle))
            teilGroesse = q->groesse;
    }
    const auto groesse = [](const QString &pfad) -> qint64 {
        const ErgebnisWert<plattform::Eintrag> e = plattform::objektLesen(pfad);
        return e ? e->groesse : 0;
    };
    for (qint64 k = 0; k < n; ++k) {
        if (abgebrochenBei(k + 1, n))
            break;
        const int z = m_reihe[size_t(k)];
        const Zeile &r = m_zeilen[size_t(z)];
        // The pieces of a joined file go with the row that names it.
        if (verbunden && r.n.trimmed().isEmpty())
            continue;
        HerstellAuftrag a;
        a.art = *art;
        a.zielVerz = r.zd;
        a.zielName = r.n;
        qint64 bytes = 0;
        if (*art == HerstellArt::Kopie) {
            a.quelle = r.d + r.o;
            bytes = r.verz ? 0 : groesse(a.quelle);
        } else if (teil) {
            a.quelle = teilQuelle;
            a.teilNummer = z;
            a.teileAnzahl = alle;
            a.quellGroesse = teilGroesse;
            bytes = teilGroesse > 0 ? TeilGroesse(teilGroesse, alle) : 0;
        } else if (verbunden) {
            a.stuecke.append(r.d + r.o);
            for (int w = z + 1; w <= alle && m_liste.Zelle(w, 8).trimmed().isEmpty(); ++w)
                if (!m_liste.Warn(w))
                    a.stuecke.append(m_zeilen[size_t(w)].d + m_zeilen[size_t(w)].o);
            for (const QString &s : std::as_const(a.stuecke))
                bytes += groesse(s);
        }
        const QString ziel = r.zd + r.n;
        // A name that would break the line-framed undo file is never made.
        const HerstellStand st = rahmenSicher(ziel)
                                     ? Aktion_HerstellenEinzeln(a, m_rueck.get(),
                                                                HerstellFortschritt(m_fort, k + 1, n, bytes))
                                     : HerstellStand{};
        if (st.ok) {
            ++m_erg.erledigt1;
            m_erg.status[size_t(z)] = AStatus::Geaendert;
            m_erstellt.push_back({r.zd, r.n});
            continue;
        }
        if (st.abgebrochen) {
            m_erg.abgebrochen = true;
            break;
        }
        if (st.rueckFehler) {
            if (!m_erg.rueckFehler)
                m_rueckText = st.text;
            m_erg.rueckFehler = true;
            break;
        }
        ++m_erg.fehler1;
        m_erg.status[size_t(z)] = AStatus::Fehler;
        m_fehler1.neu(QStringLiteral("> "), ziel, QStringLiteral("\r\n"));
        if (st.fehlendesStueck >= 0 && st.fehlendesStueck < a.stuecke.size())
            m_fehler1.neu(QStringLiteral("> "), a.stuecke[st.fehlendesStueck], QStringLiteral("\r\n"));
    }
    // The joining script only beside a complete set of parts.
    if (teil && m_einst.TeilenSkript && alle >= 1 && !m_erg.abgebrochen && !m_erg.rueckFehler) {
        QStringList teile;
        bool alleDa = true;
        for (int z = 1; z <= alle; ++z) {
            alleDa = alleDa && m_erg.status[size_t(z)] == AStatus::Geaendert &&
                     m_zeilen[size_t(z)].zd == m_zeilen[1].zd;
            teile.append(m_zeilen[size_t(z)].n);
        }
        if (alleDa && !TeilenSkriptSchreiben(m_zeilen[1].zd, teile, m_zeilen[1].o)) {
            ++m_erg.fehler1;
            m_fehler1.neu(QStringLiteral("> "), m_zeilen[1].zd + TeilenSkriptName(teile),
                          QStringLiteral("\r\n"));
        }
    }
}

bool Lauf::pruefBericht()
{
    m_erg.belegt = m_belegt.anzahl;
    m_erg.gesperrt = m_gesperrt.anzahl;
    m_erg.fehlen = m_fehlen.anzahl;
    const bool nurPruefen = m_a.modus == AusfuehrModus::NurPruefen;
    if (nurPruefen)
        m_fort.Fort100();
    const qint64 probleme = m_belegt.anzahl + m_gesperrt.anzahl + m_fehlen.anzahl;
    if (probleme == 0) {
        if (!nurPruefen)
            return true;
        m_erg.bericht = QStringLiteral("Die Prüfung ist durchgeführt worden.\r\n\r\nProbleme sind NICHT entdeckt "
                                       "worden.\r\n\r\nDie Rück-Aktion kann durchgeführt werden.");
        m_dialog.Dialog_Info(m_erg.bericht, m_a.anker, false);
        return false;
    }
    QString t = nurPruefen ? QStringLiteral("Die Prüfung ist durchgeführt worden.")
                           : QStringLiteral("Das ") + AktionBezeichnung(m_code) +
                                 QStringLiteral(" ist noch NICHT gemacht worden.");
    t += QStringLiteral("\r\n\r\nEs sind ") + nxZahlText(probleme) + QStringLiteral(" Probleme festgestellt worden. ");
    const auto teil = [&](const Liste &l, const QString &kopf) {
        if (l.anzahl == 0)
            return;
        t += QStringLiteral("\r\n\r\n") + kopf + l.text;
        if (l.anzahl > kListenGrenze)
            t += QStringLiteral("\r\n") + undWeitere(l.anzahl - kListenGrenze, true);
    };
    teil(m_belegt, QStringLiteral("Diese neuen Namen sind bereits durch andere Dateien oder Verzeichnisse belegt:"));
    teil(m_gesperrt, QStringLiteral("Der Zugriff auf diese Dateien oder Verzeichnisse ist nicht möglich:"));
    teil(m_fehlen, QStringLiteral("Diese Dateien oder Verzeichnisse sind nicht mehr vorhanden:"));
    if (nurPruefen) {
        m_erg.bericht = t;
        m_dialog.Dialog_Info(t, m_a.anker, false);
        return false;
    }
    t += QStringLiteral("\r\n\r\nSoll der Vorgang nun trotzdem begonnen werden? (Empfohlen wird: NEIN)");
    m_erg.bericht = t;
    if (m_dialog.Dialog_Frage(t, m_a.anker, false))
        return true;
    m_erg.abgelehnt = true;
    return false;
}

bool Lauf::rueckDateiOeffnen()
{
    const ErgebnisWert<QString> nr = m_index.Aktion_NeueRueckDateiNr();
    const QString nachsatz = QStringLiteral("\r\n\r\nEs ist nichts verändert worden.");
    if (!nr) {
        m_erg.bericht = QStringLiteral("Die Aktion kann nicht durchgeführt werden, weil keine neue Rück-Datei "
                                       "angelegt werden kann: ") +
                        nr.ergebnis().text() +
                        QStringLiteral("\r\n\r\nBitte auf der Seite [Rückgängig] alte Einträge löschen.") + nachsatz;
        return false;
    }
    nxDebugZeile(QStringLiteral("AktionAendernHerstellen: Rück-Datei öffnen (Rinol_Rück805_") + *nr +
                 QStringLiteral(".cfg)"));
    const QString pfad = m_index.dateiPfad(*nr);
    ErgebnisWert<std::unique_ptr<RueckSchreiber>> datei =
        m_a.rueckAnlegen ? m_a.rueckAnlegen(pfad, m_rueckCode, m_a.beschreibung)
                         : RueckDateiAnlegen(pfad, m_rueckCode, m_a.beschreibung);
    if (!datei) {
        m_erg.bericht = QStringLiteral("Die Aktion kann nicht durchgeführt werden, weil die Rück-Datei nicht "
                                       "angelegt werden kann: ") +
                        datei.ergebnis().text() + nachsatz;
        return false;
    }
    m_rueck = std::move(datei).wert();
    m_erg.rueckNummer = *nr;
    return true;
}

QString Lauf::umwegAnfang(const QString &d, const QString &n)
{
    if (m_neuePfade.isEmpty()) {
        m_neuePfade.reserve(qsizetype(m_reihe.size()));
        for (const int z : m_reihe) {
            const Zeile &r = m_zeilen[size_t(z)];
            m_neuePfade.insert(r.d + r.n);
        }
    }
    std::u32string p = kUmwegAnfang.toStdU32String();
    // The counter grows by a letter now and then; a directory with this many temporary names
    // taken is no place for another one.
    for (int versuch = 0; versuch < 100000; ++versuch) {
        const QString anfang = QString::fromStdU32String(p);
        const QString pfad = d + anfang + n;
        if (!m_neuePfade.contains(pfad) && !plattform::vorhanden(pfad))
            return anfang;
        p = nxZeichenZaehlenStandard(p, 1);
    }
    return QString();
}

void Lauf::zurueckAufAlt(int z)
{
    // An object under a temporary name whose final rename cannot be recorded goes back to
    // its old name, so the disk matches what the undo file already says.
    const Zeile &r = m_zeilen[size_t(z)];
    const QString &d = m_umwegVerz[size_t(z)];
    const QString temp = d + m_umwegAnfang[size_t(z)] + r.n;
    if (plattform::umbenennen(temp, d + r.o)) {
        m_erg.status[size_t(z)] = AStatus::Frei;
        --m_erg.erledigt1;
    } else {
        ++m_erg.fehler2;
        m_fehler2.neu(QStringLiteral("> "), temp, QStringLiteral("\r\n"));
        m_erg.status[size_t(z)] = AStatus::Fehler;
    }
}

void Lauf::namenAendern()
{
    m_umwegVerz.resize(m_zeilen.size());
    m_umwegAnfang.resize(m_zeilen.size());
    const qint64 n = qint64(m_reihe.size());
    for (qint64 k = 0; k < n; ++k) {
        if (abgebrochenBei(k + 1, n))
            break;
        const int z = m_reihe[size_t(k)];
        const Zeile &r = m_zeilen[size_t(z)];
        qint64 &st = m_erg.status[size_t(z)];
        const QString alt = r.d + r.o;
        QString neuName = r.n;
        bool umweg = st == AStatus::Umweg;
        bool moeglich = rahmenSicher(alt) && rahmenSicher(r.n) && !r.n.isEmpty();
        if (moeglich && umweg) {
            const QString anfang = umwegAnfang(r.d, r.n);
            moeglich = !anfang.isEmpty();
            m_umwegVerz[size_t(z)] = r.d;
            m_umwegAnfang[size_t(z)] = anfang;
            neuName = anfang + r.n;
        }
        const QString neu = r.d + neuName;
        // A row that keeps its name has nothing to rename (its object exists: checked above).
        const bool gleich = !umweg && neu == alt;
        if (!moeglich || (!gleich && !plattform::umbenennen(alt, neu))) {
            ++m_erg.fehler1;
            m_fehler1.neu(QStringLiteral("> "), alt, QStringLiteral("\r\n"));
            st = AStatus::Fehler;
            continue;
        }
        if (m_rueck) {
            const Ergebnis e = m_rueck->satz(r.d, neuName, r.o, r.verz);
            if (!e) {
                rueckFehlerMerken(e);
                if (!gleich && !plattform::umbenennen(neu, alt))
                    m_nichtZurueck += QStringLiteral("\r\n> ") + DialogMaskieren(neu);
                else
                    st = AStatus::Frei;
                if (st == AStatus::Frei)
                    break;
                // Still changed although unrecorded: the report names it.
            }
        }
        ++m_erg.erledigt1;
        if (umweg) {
            m_umwegeBenutzt = true;
            m_wartend.push_back(z);
            st = m_erg.erledigt1;
        } else {
            st = AStatus::Erledigt;
        }
        if (r.verz) {
            const QString altV = alt + u'/';
            const QString neuV = neu + u'/';
            m_erg.verzeichnisse.push_back({altV, neuV});
            // Waiting objects inside the renamed directory are now found below its new name.
            if (m_umwegeBenutzt)
                for (const int w : m_wartend)
                    if (nxPfadUnter(m_umwegVerz[size_t(w)], altV))
                        m_umwegVerz[size_t(w)] = neuV + QStringView(m_umwegVerz[size_t(w)]).mid(altV.size());
        }
        if (m_erg.rueckFehler)
            break;
    }
}

void Lauf::zweitePhase()
{
    if (!m_umwegeBenutzt)
        return;
    m_fort.FortAbschnittNeu(QStringLiteral("Nachbearbeiten"), false, false);
    if (m_rueck && !m_erg.rueckFehler) {
        const Ergebnis e = m_rueck->zweiterAbschnitt();
        if (!e)
            rueckFehlerMerken(e);
    }
    // A waiting object whose new name is still held (its holder was not reached after a
    // cancel, or failed) goes back to its old name; so does every waiting object that
    // needs that old name in turn. Everything else gets its final name.
    std::vector<char> zurueck(m_zeilen.size(), 0);
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (const int w : m_wartend) {
            if (zurueck[size_t(w)] || m_erg.status[size_t(w)] <= 0)
                continue;
            const int h = m_halter[size_t(w)];
            const qint64 hs = h > 0 ? m_erg.status[size_t(h)] : AStatus::Fehler;
            const bool weg = (hs == AStatus::Erledigt || hs > 0) && !zurueck[size_t(h)];
            if (!weg) {
                zurueck[size_t(w)] = 1;
                weiter = true;
            }
        }
    }
    // Outer directories first, so a waiting object inside a waiting directory is found in
    // the directory's final place. Its record still names the directory the run started
    // from, as every first-section record does: the undo's directory correction maps those
    // starting paths through the directory renames of the run.
    const qint64 n = qint64(m_reihe.size());
    for (qint64 k = 0; k < n; ++k) {
        m_fort.FortSchritt(n, k + 1, 0, 0);
        const int z = m_reihe[size_t(n - 1 - k)];
        const qint64 nummer = m_erg.status[size_t(z)];
        if (nummer <= 0)
            continue;
        if (m_erg.rueckFehler) {
            zurueckAufAlt(z);
            continue;
        }
        const Zeile &r = m_zeilen[size_t(z)];
        const QString &d = m_umwegVerz[size_t(z)];
        const QString temp = m_umwegAnfang[size_t(z)] + r.n;
        if (zurueck[size_t(z)] || !plattform::umbenennen(d + temp, d + r.n)) {
            // The final name is still taken (after a cancel: by an object the first phase
            // did not reach). Back to the old name, recorded as its final name, rather than
            // staying under the temporary one.
            if (plattform::umbenennen(d + temp, d + r.o)) {
                const Ergebnis e = m_rueck ? m_rueck->abschluss(nummer, r.d, r.o, temp, r.verz) : Ergebnis::Ok();
                if (!e) {
                    rueckFehlerMerken(e);
                    m_erg.status[size_t(z)] = AStatus::Frei;
                    --m_erg.erledigt1;
                    continue;
                }
                ++m_erg.erledigt2;
                m_erg.status[size_t(z)] = AStatus::Frei;
                if (r.verz)
                    verzeichnisVerschoben(z, d + temp + u'/', d + r.o + u'/');
                if (!m_erg.abgebrochen) {
                    ++m_erg.fehler1;
                    m_fehler1.neu(QStringLiteral("> "), d + r.o, QStringLiteral("\r\n"));
                }
                continue;
            }
            ++m_erg.fehler2;
            m_fehler2.neu(QStringLiteral("> "), d + temp, QStringLiteral("\r\n"));
            continue;
        }
        if (m_rueck) {
            const Ergebnis e = m_rueck->abschluss(nummer, r.d, r.n, temp, r.verz);
            if (!e) {
                rueckFehlerMerken(e);
                // Back under the temporary name its record holds, then back to the old one.
                if (plattform::umbenennen(d + r.n, d + temp))
                    zurueckAufAlt(z);
                else
                    m_nichtZurueck += QStringLiteral("\r\n> ") + DialogMaskieren(d + r.n);
                continue;
            }
        }
        ++m_erg.erledigt2;
        m_erg.status[size_t(z)] = AStatus::UmwegErledigt;
        if (r.verz)
            verzeichnisVerschoben(z, d + temp + u'/', d + r.n + u'/');
    }
}

void Lauf::verzeichnisVerschoben(int z, const QString &altV, const QString &neuV)
{
    m_erg.verzeichnisse.push_back({altV, neuV});
    for (const int w : m_wartend)
        if (w != z && m_erg.status[size_t(w)] > 0 && nxPfadUnter(m_umwegVerz[size_t(w)], altV))
            m_umwegVerz[size_t(w)] = neuV + QStringView(m_umwegVerz[size_t(w)]).mid(altV.size());
}

void Lauf::werteSetzen()
{
    const bool attr = istAttributArbeit(m_code);
    const bool rueck = m_a.modus != AusfuehrModus::Normal;
    const QChar buchstabe = zeitBuchstabe(m_code);
    const qint64 n = qint64(m_reihe.size());
    for (qint64 k = 0; k < n; ++k) {
        if (abgebrochenBei(k + 1, n))
            break;
        const int z = m_reihe[size_t(k)];
        const Zeile &r = m_zeilen[size_t(z)];
        const QString pfad = r.d + r.o;
        const QString wertText = m_liste.Zelle(z, attr ? (rueck ? 5 : 10) : (rueck ? 6 : 9));
        // The old value comes from the disk right now, not from a list cell that may be stale.
        const ErgebnisWert<plattform::Eintrag> vorher = plattform::objektLesen(pfad);
        bool ok = vorher.ok() && rahmenSicher(pfad);
        QString altWert;
        Ergebnis e = Ergebnis::Fehler(0, QString());
        std::function<Ergebnis()> zuruecksetzen;
        if (ok && attr) {
            bool zahl = false;
            const quint32 wert = wertText.trimmed().toUInt(&zahl);
            altWert = QString::number(vorher->attribute);
            if (zahl) {
                e = plattform::attributeSetzen(pfad, wert);
                const quint32 alt = vorher->attribute;
                zuruecksetzen = [pfad, alt] { return plattform::attributeSetzen(pfad, alt); };
            }
        } else if (ok) {
            const plattform::DateiZeit alt = eintragsZeit(*vorher, buchstabe);
            altWert = nxAuswahlZeitText(alt);
            const std::optional<DateiZeit> neu = nxTextZuDateiZeit(wertText);
            if (neu) {
                e = plattform::zeitSetzen(pfad, buchstabe,
                                          plattform::DateiZeit{neu->sekunden, qint32(neu->nanosekunden), true});
                zuruecksetzen = [pfad, buchstabe, alt] { return plattform::zeitSetzen(pfad, buchstabe, alt); };
            }
        }
        if (!ok || !e) {
            ++m_erg.fehler1;
            m_fehler1.neu(QStringLiteral("> "), pfad, QStringLiteral("\r\n"));
            m_erg.status[size_t(z)] = AStatus::Fehler;
            continue;
        }
        if (m_rueck) {
            const Ergebnis w = m_rueck->satz(r.d, r.o, altWert.isEmpty() ? QStringLiteral("-") : altWert, r.verz);
            if (!w) {
                rueckFehlerMerken(w);
                if (!zuruecksetzen || !zuruecksetzen())
                    m_nichtZurueck += QStringLiteral("\r\n> ") + DialogMaskieren(pfad);
                break;
            }
        }
        ++m_erg.erledigt1;
        m_erg.status[size_t(z)] = m_liste.Link(z) > 0 ? AStatus::Geaendert : AStatus::Erledigt;
    }
}

void Lauf::erstellteLoeschen()
{
    const qint64 n = qint64(m_reihe.size());
    for (qint64 k = 0; k < n; ++k) {
        schritt(k + 1, n);
        const int z = m_reihe[size_t(k)];
        const Zeile &r = m_zeilen[size_t(z)];
        const QString pfad = r.d + r.o;
        // Only what is still the object that was made goes; a changed one stays and is named.
        const RueckLoeschStand st =
            Aktion_HerstellenZuruecknehmen(pfad, r.verz, m_liste.Zelle(z, kRueckZelleStempel));
        if (st.art != RueckLoeschArt::Geloescht) {
            ++m_erg.fehler1;
            if (st.art == RueckLoeschArt::Veraendert)
                m_veraendert.neu(QStringLiteral("> "), pfad, QStringLiteral("\r\n"));
            else
                m_fehler1.neu(QStringLiteral("> "), pfad, QStringLiteral("\r\n"));
            m_erg.status[size_t(z)] = AStatus::Fehler;
            continue;
        }
        ++m_erg.erledigt1;
        m_erg.status[size_t(z)] = m_liste.Link(z) > 0 ? AStatus::Geaendert : AStatus::Erledigt;
    }
}

void Lauf::rueckDateiSchliessen()
{
    nxDebugZeile(QStringLiteral("AktionAendernHerstellen: Rück-Datei schließen"));
    const Ergebnis e = m_rueck->schliessen(m_erg.erledigt1, m_erg.erledigt2, m_erg.fehlerGesamt());
    if (!e)
        rueckFehlerMerken(e);
    m_rueck.reset();
    m_index.IniListeRueck_EinenAnhaengen(m_erg.rueckNummer, m_rueckCode, m_a.beschreibung, true,
                                         m_einst.MaxRueck, m_erg.fehlerGesamt(), m_erg.erledigt2, m_erg.erledigt1);
}

void Lauf::listenAktualisieren()
{
    ListenDaten *auswahl = m_a.auswahl;
    if (!auswahl)
        return;
    const auto link = [&](int z) {
        const int l = m_liste.Link(z);
        return l >= 1 && l <= auswahl->Anzahl() ? l : 0;
    };
    if (istNamenArbeit(m_code)) {
        for (const int z : m_reihe) {
            const qint64 st = m_erg.status[size_t(z)];
            if (st != AStatus::Erledigt && st != AStatus::UmwegErledigt && st <= 0)
                continue;
            const Zeile &r = m_zeilen[size_t(z)];
            const QString name = st > 0 ? m_umwegAnfang[size_t(z)] + r.n : r.n;
            if (const int l = link(z)) {
                auswahl->ZelleSetzen(l, AZelle::Name, name);
                auswahl->ZelleSetzen(l, AZelle::Format, nxNameFormat(name));
            }
        }
        // Directory renames in the order they happened, so nested ones compose.
        for (const UmbenanntesVerzeichnis &v : m_erg.verzeichnisse)
            Aktion_DanachPfadeErsetzen(*auswahl, v.alt, v.neu);
        if (!m_erg.verzeichnisse.empty())
            sub_AuswahlPfadNummernNeuErmitteln(*auswahl);
    } else if (IstHerstellCode(m_code)) {
        // A new object joins the list when the list shows its directory or a search result,
        // and only when its kind is listed.
        bool dazu = false;
        for (const Erstellt &e : m_erstellt) {
            const bool ort = m_a.auswahlSuchErgebnis ||
                             (!m_a.auswahlVerzeichnis.isEmpty() && nxAdresseGleich(m_a.auswahlVerzeichnis, e.verzeichnis));
            if (!ort)
                continue;
            const ErgebnisWert<plattform::Eintrag> gelesen = plattform::objektLesen(e.verzeichnis + e.name);
            if (!gelesen)
                continue;
            const plattform::Eintrag &objekt = *gelesen;
            const bool verz = objekt.istVerzeichnis();
            if (!(verz ? m_a.auswahlVerzeichnisse : m_a.auswahlDateien))
                continue;
            const int z = auswahl->ZeilenAnhaengen(1);
            auswahl->ZelleSetzen(z, AZelle::Pfad, e.verzeichnis);
            auswahl->ZelleSetzen(z, AZelle::PfadNr, QStringLiteral("-999"));
            auswahl->ZelleSetzen(z, AZelle::Name, e.name);
            auswahl->ZelleSetzen(z, AZelle::Format, nxNameFormat(e.name));
            auswahl->ZelleSetzen(z, AZelle::Bytes, QString::number(objekt.groesse));
            auswahl->ZelleSetzen(z, AZelle::Attribute, QString::number(objekt.attribute));
            auswahl->ZelleSetzen(z, AZelle::ZeitH, nxAuswahlZeitText(objekt.herstellung));
            auswahl->ZelleSetzen(z, AZelle::ZeitA, nxAuswahlZeitText(objekt.aenderung));
            auswahl->ZelleSetzen(z, AZelle::ZeitZ, nxAuswahlZeitText(objekt.zugriff));
            auswahl->VerzSetzen(z, verz);
            dazu = true;
        }
        if (dazu)
            sub_AuswahlPfadNummernNeuErmitteln(*auswahl);
    } else if (m_code == 309) {
        std::vector<int> weg;
        for (const int z : m_reihe)
            if (m_erg.status[size_t(z)] == AStatus::Geaendert)
                if (const int l = link(z))
                    weg.push_back(l);
        if (!weg.empty())
            auswahl->ZeilenLoeschen(weg);
    } else {
        const bool attr = istAttributArbeit(m_code);
        const bool rueck = m_a.modus != AusfuehrModus::Normal;
        const int quelle = attr ? (rueck ? 5 : 10) : (rueck ? 6 : 9);
        const int ziel = attr ? AZelle::Attribute : zeitZelle(m_code);
        for (const int z : m_reihe)
            if (m_erg.status[size_t(z)] == AStatus::Geaendert)
                if (const int l = link(z))
                    auswahl->ZelleSetzen(l, ziel, m_liste.Zelle(z, quelle));
    }
    m_fort.FortAbschnittNeu(QStringLiteral("Listen-Sortieren"), true, false);
    static_cast<void>(nxAuswahlSortieren(*auswahl, m_a.sortWahl, false, {}, nullptr)); // cannot be cancelled
}

void Lauf::fehlerBericht()
{
    const qint64 f = m_erg.fehlerGesamt();
    if (f == 0 && !m_erg.rueckFehler)
        return;
    QString t;
    if (m_erg.rueckFehler) {
        t += QStringLiteral("Die Rück-Datei kann nicht geschrieben werden: ") + m_rueckText +
             QStringLiteral("\r\n\r\nDer Vorgang ist deshalb vor der nächsten Änderung beendet worden. Die "
                            "Änderung, die nicht mehr aufgezeichnet werden konnte, ist zurückgenommen worden.");
        if (!m_nichtZurueck.isEmpty())
            t += QStringLiteral("\r\n\r\nDiese Änderungen konnten nicht zurückgenommen werden und sind nicht "
                                "aufgezeichnet:") +
                 m_nichtZurueck;
        t += QStringLiteral("\r\n\r\nBitte Platz auf dem Datenträger schaffen und die Vorschau neu berechnen.");
        if (f > 0)
            t += QStringLiteral("\r\n\r\n");
    }
    if (f > 0) {
        t += QStringLiteral("Das ") + AktionBezeichnung(m_code) + QStringLiteral(" wurde durchgeführt. Jedoch gab es ") +
             QString::number(f) + QStringLiteral(" Fehler.\r\n\r\n");
        if (m_fehler1.anzahl > 0) {
            t += QStringLiteral("Davon sind betroffen:\r\n") + m_fehler1.text;
            if (m_fehler1.anzahl > kListenGrenze)
                t += undWeitere(m_fehler1.anzahl - kListenGrenze, false) + QStringLiteral("\r\n");
            t += QStringLiteral("\r\n");
        }
        if (m_veraendert.anzahl > 0) {
            t += QStringLiteral(
                     "Diese Dateien oder Verzeichnisse sind seit dem Herstellen verändert worden und "
                     "bleiben deshalb erhalten:\r\n") +
                 m_veraendert.text;
            if (m_veraendert.anzahl > kListenGrenze)
                t += undWeitere(m_veraendert.anzahl - kListenGrenze, false) + QStringLiteral("\r\n");
            t += QStringLiteral("\r\n");
        }
        if (m_fehler2.anzahl > 0) {
            t += QStringLiteral(
                     "Einige Namen konnten nur hilfsweise geändert werden. Davon sind betroffen:\r\n") +
                 m_fehler2.text;
            if (m_fehler2.anzahl > kListenGrenze)
                t += undWeitere(m_fehler2.anzahl - kListenGrenze, false) + QStringLiteral("\r\n");
            t += QStringLiteral("\r\n");
        }
        t += Fehler_MoeglicheGruende();
    }
    if (m_a.modus == AusfuehrModus::Normal && m_erg.erledigt1 > 0)
        t += QStringLiteral("\r\n\r\nHINWEIS: Die Aktion kann rückgängig gemacht werden und der alte Zustand kann "
                            "wiederhergestellt werden, indem die Seite [Rückgängig] ausgewählt wird.");
    m_erg.bericht = t;
    m_dialog.Dialog_Info(t, m_a.anker, true);
}

} // namespace

bool AusfuehrErgebnis::allesErledigt() const
{
    if (verweigert || abgelehnt || abgebrochen || rueckFehler || fehlerGesamt() > 0)
        return false;
    return begonnen || (belegt + gesperrt + fehlen == 0 && !bericht.isEmpty());
}

std::vector<int> AusfuehrErgebnis::offeneZeilen(const ListenDaten &arbeit) const
{
    std::vector<int> offen;
    for (int z = 1; z <= arbeit.Anzahl(); ++z) {
        const qint64 st = size_t(z) < status.size() ? status[size_t(z)] : AStatus::Ungeprueft;
        if (st != AStatus::Erledigt && st != AStatus::UmwegErledigt && st != AStatus::Geaendert)
            offen.push_back(z);
    }
    return offen;
}

QString AktionBezeichnung(AktionsCode code)
{
    if ((code >= 111 && code <= 134) || (code >= 200 && code <= 234))
        return QStringLiteral("Ändern");
    if (code >= 301 && code <= 309)
        return QStringLiteral("Rückgängig");
    return QStringLiteral("Herstellen");
}

int AktionRueckCode(AktionsCode code)
{
    if (code == 200 || IstNamenCode(code))
        return 301;
    if (code == 205)
        return 302;
    if (code >= 111 && code <= 114)
        return 303;
    if (code >= 121 && code <= 124)
        return 304;
    if (code >= 131 && code <= 134)
        return 305;
    if (IstHerstellCode(code))
        return 309;
    return 0;
}

QString AktionSicherheitsfrageText(const QString &zusammenfassung)
{
    QString t = zusammenfassung;
    t.replace(QStringLiteral("können"), QStringLiteral("sollen"));
    t.remove(QStringLiteral("->"));
    return t + QStringLiteral("\r\n\r\nWIRKLICH?");
}

bool Aktion_Sicherheitsfrage(const Einstellungen &einstellungen, Dialog &dialog, const QString &zusammenfassung,
                             const QString &anker)
{
    if (!einstellungen.Sicherheitsfrage)
        return true;
    return dialog.Dialog_Frage(AktionSicherheitsfrageText(zusammenfassung), anker, false);
}

AusfuehrErgebnis Aktion_AendernHerstellen(const AusfuehrAuftrag &auftrag, const Einstellungen &einstellungen,
                                          Fortschritt &fort, Dialog &dialog, RueckIndex &index)
{
    Q_ASSERT(auftrag.arbeit);
    Lauf lauf(auftrag, einstellungen, fort, dialog, index);
    return lauf.los();
}

} // namespace rinolux
