#include "core/actions/sub_Aktion_LoeschenKopieren.h"

#include "core/selection/sub_Auswahl.h"
#include "core/shell/Dialog.h"
#include "core/shell/DialogText.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "core/util/PfadText.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Debug.h"
#include "core/util/nx_Format.h"
#include "core/util/nx_Text.h"

#include <QDir>
#include <QHash>
#include <QSet>

namespace rinolux {

namespace {

constexpr int kListenGrenze = 5;

// Collects the first few paths of one kind for a message.
struct Liste
{
    qint64 anzahl = 0;
    QString text;
    void neu(const QString &vorne, const QString &pfad, const QString &hinten)
    {
        if (++anzahl <= kListenGrenze)
            text += vorne + DialogMaskieren(nameAnzeige(pfad)) + hinten;
    }
    QString mitRest() const
    {
        if (anzahl <= kListenGrenze)
            return text;
        return text + QStringLiteral("\r\n(und ") + QString::number(anzahl - kListenGrenze) +
               QStringLiteral(" weitere)");
    }
};

qint64 zahlAus(const QString &text)
{
    qint64 z = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            continue;
        if (z > (std::numeric_limits<qint64>::max() - 9) / 10)
            return std::numeric_limits<qint64>::max();
        z = z * 10 + (c.unicode() - u'0');
    }
    return z;
}

struct Zeile
{
    QString d;          // source directory, trailing "/"
    QString n;          // name
    QString zielV;      // target directory (copy and move), trailing "/"
    bool verz = false;
    plattform::Identitaet id;
    int inVerz = 0;     // the outermost directory row this row lies in (0: none)
    std::vector<int> enthalten; // rows handled with this directory row
    QString quelle() const { return d + n; }
    QString ziel() const { return zielV + n; }
};

class Lauf
{
public:
    Lauf(const LKAuftrag &a, const Einstellungen &e, Fortschritt &f, Dialog &d, RueckIndex &i)
        : m_a(a), m_einst(e), m_fort(f), m_dialog(d), m_index(i), m_liste(*a.liste)
    {
    }

    LKErgebnis los();

private:
    bool kopieOderVerschieben() const { return m_a.modus == LKModus::Kopieren || m_a.modus == LKModus::Verschieben; }
    bool sicherheitsfrage();
    bool pruefen();
    bool pruefBericht();
    bool reihenfolge();
    void arbeiten();
    Ergebnis eineZeile(int z, bool ueberschreiben);
    bool aufzeichnen(int z);
    void rueckDateiOeffnen();
    void rueckDateiSchliessen();
    void listenAktualisieren();
    void fehlerBericht();
    LKErgebnis &verweigern(const QString &text)
    {
        m_erg.verweigert = true;
        m_erg.bericht = text;
        m_dialog.Dialog_Info(text, m_a.anker, true);
        return m_erg;
    }

    const LKAuftrag &m_a;
    const Einstellungen &m_einst;
    Fortschritt &m_fort;
    Dialog &m_dialog;
    RueckIndex &m_index;
    ListenDaten &m_liste;
    LKErgebnis m_erg;
    QString m_bez;
    QString m_ziel;
    NummernVerteilung m_nummern;
    bool m_struktur = false;
    std::vector<Zeile> m_zeilen;
    std::vector<int> m_reihe;
    QChar m_antwort = u'j';
    Liste m_fehlen, m_belegt, m_mehrfach, m_inSich, m_fehler;
    bool m_belegtVerz = false;
    std::unique_ptr<RueckSchreiber> m_rueck;
    QString m_rueckLetztesVerz;
    QString m_rueckText;
};

LKErgebnis Lauf::los()
{
    const DebugSchritt log(QStringLiteral("Aktion_LoeschenKopieren"));
    m_bez = LKBezeichnung(m_a.modus);
    const int n = m_liste.Anzahl();
    m_erg.status.assign(size_t(n) + 1, LStatus::Offen);
    if (n < 1)
        return m_erg;
    m_nummern = LKNummernVerteilen(n, m_a.nummerArt, m_a.nummerWert);
    m_struktur = m_a.struktur && m_a.strukturSichtbar && m_nummern.verzeichnisse == 0;

    if (kopieOderVerschieben()) {
        const QString roh = nxTextTrimmen(m_a.ziel);
        // Only an absolute path names a place; a relative one would depend on the
        // program's working directory.
        if (roh.isEmpty() || !QDir::isAbsolutePath(roh) || !plattform::vorhanden(nxAdresseLaufwerk(roh)))
            return verweigern(QStringLiteral("Das Ziel-Laufwerk kann nicht gefunden werden."));
        m_ziel = nxAdresseMitEndStrich(QDir::cleanPath(roh));
    }
    if (!sicherheitsfrage()) {
        m_erg.abgelehnt = true;
        return m_erg;
    }

    m_fort.FortEin(3, m_a.anker);
    m_fort.Abbruch = false;
    m_fort.FortAbschnittNeu(QStringLiteral("Berechnungen"), false, true);
    if (!pruefen()) {
        m_erg.abgebrochen = true;
        m_fort.FortAus();
        return m_erg;
    }
    if (!pruefBericht()) {
        m_fort.FortAus();
        return m_erg;
    }
    m_fort.FortAbschnittNeu(QStringLiteral("Berechnungen"), true, true);
    if (!reihenfolge()) {
        m_erg.abgebrochen = true;
        m_fort.FortAus();
        return m_erg;
    }
    m_fort.FortAbschnittNeu(m_bez, true, true);
    if (m_einst.LoeschenKopierenRueckgaengig) {
        rueckDateiOeffnen();
        if (!m_rueck) {
            m_fort.FortAus();
            return verweigern(m_erg.bericht);
        }
    }
    m_erg.begonnen = true;
    arbeiten();
    if (m_rueck)
        rueckDateiSchliessen();
    m_fort.FortAbschnittNeu(QStringLiteral("Listen-Prüfen"), true, false);
    listenAktualisieren();
    m_fort.FortAus();
    fehlerBericht();
    return m_erg;
}

bool Lauf::sicherheitsfrage()
{
    if (!m_einst.Sicherheitsfrage)
        return true;
    const QString was = m_a.modus == LKModus::Kopieren      ? QStringLiteral("KOPIERT")
                        : m_a.modus == LKModus::Verschieben ? QStringLiteral("VERSCHOBEN")
                                                            : QStringLiteral("GELÖSCHT");
    QString t = QStringLiteral("Alle ") + nxZahlText(m_liste.Anzahl()) + QStringLiteral(" sollen ") + was +
                QStringLiteral(" werden.\r\n\r\n");
    if (kopieOderVerschieben()) {
        if (m_nummern.verzeichnisse > 0)
            t += QStringLiteral("In ") + QString::number(m_nummern.verzeichnisse) +
                 QStringLiteral(" Nummer-Verzeichnisse,\r\nmit jeweils ") + nxZahlText(m_nummern.proVerzeichnis) +
                 QStringLiteral(" Dateien.\r\n\r\n");
        else if (m_a.strukturSichtbar)
            t += (m_struktur ? QStringLiteral("MIT") : QStringLiteral("OHNE")) +
                 QStringLiteral(" Verzeichnis-Struktur.\r\n\r\n");
    }
    t += QStringLiteral("WIRKLICH?");
    return m_dialog.Dialog_Frage(t, m_a.anker);
}

bool Lauf::pruefen()
{
    const int n = m_liste.Anzahl();
    m_fort.FortAbschnittNeu(QStringLiteral("Dateien-Prüfen"), true, true);
    m_zeilen.resize(size_t(n) + 1);
    QHash<QString, int> verzZeilen; // directory rows by their path without trailing "/"
    QHash<QString, int> pfade;
    for (int z = 1; z <= n; ++z) {
        Zeile &r = m_zeilen[size_t(z)];
        r.d = nxAdresseMitEndStrich(m_liste.Zelle(z, LZelle::Pfad));
        r.n = m_liste.Zelle(z, LZelle::Name);
        r.verz = m_liste.Verz(z);
        const QString q = r.quelle();
        // The same object listed twice goes with its first row.
        if (const auto it = pfade.constFind(q); it != pfade.constEnd())
            r.inVerz = *it;
        else
            pfade.insert(q, z);
        if (r.verz && !verzZeilen.contains(q))
            verzZeilen.insert(q, z);
    }
    // A row inside a directory row goes with the outermost such row, whatever the order:
    // that directory takes its contents along.
    for (int z = 1; z <= n; ++z) {
        Zeile &r = m_zeilen[size_t(z)];
        QString p = pfadOhneEnde(r.d);
        while (true) {
            if (const auto it = verzZeilen.constFind(p); it != verzZeilen.constEnd() && *it != z)
                r.inVerz = *it;
            if (p == u"/" || p.isEmpty())
                break;
            p = pfadEltern(p);
        }
    }
    for (int z = 1; z <= n; ++z) {
        Zeile &r = m_zeilen[size_t(z)];
        int aussen = r.inVerz;
        for (int tiefe = 0; aussen != 0 && m_zeilen[size_t(aussen)].inVerz != 0 && tiefe < n; ++tiefe)
            aussen = m_zeilen[size_t(aussen)].inVerz;
        r.inVerz = aussen;
        if (aussen != 0)
            m_zeilen[size_t(aussen)].enthalten.push_back(z);
    }

    // Free space: copying needs room for every row, moving only for rows of another file
    // system (on one file system a move is a rename).
    if (kopieOderVerschieben()) {
        const QString vorhanden = nxAdresseVorhandenesVerzeichnis(m_ziel);
        const QString zielFs = vorhanden.isEmpty() ? QString() : plattform::einhaengepunkt(vorhanden);
        QHash<QString, QString> fsVon;
        qint64 summe = 0;
        for (int z = 1; z <= n; ++z) {
            const Zeile &r = m_zeilen[size_t(z)];
            if (r.inVerz != 0)
                continue;
            if (m_a.modus == LKModus::Verschieben) {
                auto it = fsVon.find(r.d);
                if (it == fsVon.end())
                    it = fsVon.insert(r.d, plattform::einhaengepunkt(r.d));
                if (*it == zielFs && !zielFs.isEmpty())
                    continue;
            }
            const qint64 b = zahlAus(m_liste.Zelle(z, LZelle::Bytes));
            summe = b > std::numeric_limits<qint64>::max() - summe ? std::numeric_limits<qint64>::max() : summe + b;
        }
        const ErgebnisWert<plattform::Platz> p =
            vorhanden.isEmpty() ? ErgebnisWert<plattform::Platz>(Ergebnis::Fehler(ENOENT, m_ziel))
                                : plattform::platz(vorhanden);
        if (summe > 0 || m_a.modus == LKModus::Kopieren)
            m_erg.platzProblem = !p || p->frei <= 0 || summe > p->frei;
    }

    for (int z = 1; z <= n; ++z) {
        m_fort.FortSchritt(n, z, 0, 0);
        if (m_fort.Abbruch)
            return false;
        Zeile &r = m_zeilen[size_t(z)];
        const QString q = r.quelle();
        const ErgebnisWert<plattform::Eintrag> e = plattform::objektLesen(q);
        if (!e || e->istVerzeichnis() != r.verz) {
            ++m_erg.fehlen;
            m_fehlen.neu(QStringLiteral("\r\n> "), q, QString());
        } else {
            r.id = e->identitaet;
        }
        if (!kopieOderVerschieben())
            continue;
        if (m_nummern.verzeichnisse > 0)
            r.zielV = m_ziel + QStringLiteral("!_") + nxZahlNullen(3, m_nummern.nummer(z - 1)) + u'/';
        else if (m_struktur)
            r.zielV = m_ziel + r.d.mid(nxAdresseLaufwerk(r.d).size());
        else
            r.zielV = m_ziel;
        if (r.inVerz != 0)
            continue;
        const QString zp = r.ziel();
        if (r.verz && (pfadLiegtIn(zp, q) || pfadLiegtIn(r.zielV, q))) {
            ++m_erg.inSich;
            m_inSich.neu(QStringLiteral("\r\n> "), q, QString());
            m_erg.status[size_t(z)] = LStatus::Abgewiesen;
            continue;
        }
        if (plattform::vorhanden(zp)) {
            ++m_erg.belegt;
            m_belegt.neu(QStringLiteral("\r\n> "), zp, QString());
            m_erg.status[size_t(z)] = LStatus::Problem;
            if (r.verz)
                m_belegtVerz = true;
        }
    }

    // Rows that would meet at one target: grouped by target directory and name with
    // letter case ignored, so the warning also covers names that differ in case only.
    if (kopieOderVerschieben()) {
        QHash<QString, std::vector<int>> gruppen;
        for (int z = 1; z <= n; ++z) {
            const Zeile &r = m_zeilen[size_t(z)];
            if (r.inVerz == 0 && m_erg.status[size_t(z)] != LStatus::Abgewiesen)
                gruppen[r.zielV + r.n.toCaseFolded()].push_back(z);
        }
        std::vector<std::vector<int>> mehrfach;
        for (auto it = gruppen.cbegin(); it != gruppen.cend(); ++it)
            if (it->size() > 1)
                mehrfach.push_back(*it);
        std::sort(mehrfach.begin(), mehrfach.end());
        for (const std::vector<int> &g : mehrfach) {
            m_erg.mehrfach += qint64(g.size()) - 1;
            m_mehrfach.neu(QStringLiteral("\r\n> "), m_zeilen[size_t(g.front())].n, QString());
            for (const int z : g)
                m_erg.status[size_t(z)] = LStatus::Problem;
        }
    }
    return true;
}

bool Lauf::pruefBericht()
{
    const qint64 probleme = m_erg.fehlen + m_erg.belegt + m_erg.mehrfach + m_erg.inSich + (m_erg.platzProblem ? 1 : 0);
    if (probleme == 0)
        return true;
    QString t = QStringLiteral("Das ") + m_bez + QStringLiteral(" ist noch NICHT gemacht worden.\r\n\r\nEs sind ") +
                QString::number(probleme) + QStringLiteral(" Probleme festgestellt worden.");
    if (m_erg.platzProblem)
        t += QStringLiteral("\r\n\r\nIm Ziel-Verzeichnis ist vermutlich nicht genug Speicherplatz frei.");
    if (m_fehlen.anzahl > 0)
        t += QStringLiteral("\r\n\r\nDiese ausgewählten Dateien oder Verzeichnisse sind nicht mehr vorhanden:") +
             m_fehlen.mitRest();
    if (m_belegt.anzahl > 0)
        t += QStringLiteral("\r\n\r\nDiese Namen sind bereits durch andere Dateien oder Verzeichnisse am Ziel-Ort "
                            "belegt:") +
             m_belegt.mitRest();
    if (m_mehrfach.anzahl > 0)
        t += QStringLiteral("\r\n\r\nDiese ausgewählten Namen sind mehrfach vorhanden und sollen trotzdem am selben "
                            "Ziel-Ort gespeichert werden:") +
             m_mehrfach.mitRest();
    if (m_inSich.anzahl > 0)
        t += QStringLiteral("\r\n\r\nDiese Verzeichnisse können nicht in sich selbst kopiert oder verschoben werden "
                            "und bleiben unverändert:") +
             m_inSich.mitRest();
    const bool teilweise = m_erg.belegt + m_erg.mehrfach > 0;
    // "Ja" replaces what is there; the user must read that before choosing it.
    if (m_erg.belegt > 0) {
        t += QStringLiteral("\r\n\r\nBei »Ja« werden die belegten Namen am Ziel-Ort ÜBERSCHRIEBEN.");
        if (m_belegtVerz)
            t += QStringLiteral(" Ein belegtes Verzeichnis wird mit dem Verzeichnis am Ziel-Ort zusammengeführt; "
                                "gleichnamige Dateien darin werden überschrieben.");
    }
    if (m_erg.mehrfach > 0)
        t += QStringLiteral("\r\n\r\nBei »Ja« überschreibt jeder mehrfach vorhandene Name den zuvor am Ziel-Ort "
                            "gespeicherten gleichen Namen.");
    t += QStringLiteral("\r\n\r\nSoll der Vorgang nun trotzdem begonnen werden? (Empfohlen wird: NEIN)");
    m_erg.bericht = t;
    m_antwort = teilweise ? m_dialog.Dialog_FrageTeilweise(t, m_a.anker)
                          : (m_dialog.Dialog_Frage(t, m_a.anker, true) ? QChar(u'j') : QChar(u'n'));
    if (m_antwort == u'j' || m_antwort == u't')
        return true;
    m_erg.abgelehnt = true;
    return false;
}

bool Lauf::reihenfolge()
{
    const int n = m_liste.Anzahl();
    bool mehrereVerz = false;
    for (int z = 2; z <= n && !mehrereVerz; ++z)
        mehrereVerz = m_zeilen[size_t(z)].d != m_zeilen[1].d;
    if (!mehrereVerz) {
        m_reihe.resize(size_t(n));
        for (int z = 1; z <= n; ++z)
            m_reihe[size_t(z - 1)] = z;
        return true;
    }
    SortSchluessel s(n);
    s.textFeld([&](int z) { return m_zeilen[size_t(z)].d; });
    s.textFeld([&](int z) { return m_zeilen[size_t(z)].n; });
    const std::optional<Permutation> p = nxFeldSortieren(s, &m_fort);
    if (!p)
        return false;
    m_reihe.assign(p->begin() + 1, p->end()); // element 0 of a permutation is no row
    return true;
}

Ergebnis Lauf::eineZeile(int z, bool ueberschreiben)
{
    const Zeile &r = m_zeilen[size_t(z)];
    const QString q = pfadOhneEnde(r.quelle());
    switch (m_a.modus) {
    case LKModus::Papierkorb:
        return plattform::inPapierkorb(q, r.id);
    case LKModus::FuerImmer:
        return plattform::fuerImmerLoeschen(q, r.id);
    case LKModus::Kopieren:
    case LKModus::Verschieben:
        break;
    }
    if (Ergebnis e = nxAdresseVerzeichnisHerstellen(r.zielV); !e)
        return e;
    const QString zp = r.ziel();
    if (m_a.modus == LKModus::Kopieren)
        return plattform::kopieren(q, zp, ueberschreiben);
    if (!ueberschreiben || !plattform::vorhanden(zp))
        return plattform::verschieben(q, zp);
    // A move that may replace: the complete copy over the target first, and the source
    // goes only after that succeeded, so a failure never costs the source.
    if (Ergebnis e = plattform::kopieren(q, zp, true); !e)
        return e;
    return plattform::fuerImmerLoeschen(q, r.id);
}

bool Lauf::aufzeichnen(int z)
{
    if (!m_rueck)
        return true;
    const Zeile &r = m_zeilen[size_t(z)];
    const Ergebnis e = m_rueck->satz(r.d, r.n, QStringLiteral("-"), r.verz);
    if (e)
        return true;
    m_erg.rueckFehler = true;
    m_rueckText = e.text();
    return false;
}

void Lauf::arbeiten()
{
    const qint64 n = qint64(m_reihe.size());
    qint64 k = 0;
    for (const int z : m_reihe) {
        m_fort.FortSchritt(n, ++k, 0, 0);
        const quint8 st = m_erg.status[size_t(z)];
        Zeile &r = m_zeilen[size_t(z)];
        if (r.inVerz != 0)
            continue;
        if (st == LStatus::Abgewiesen || (st == LStatus::Problem && m_antwort != u'j'))
            continue;
        const Ergebnis e = eineZeile(z, st == LStatus::Problem);
        if (e) {
            ++m_erg.erledigt;
            m_erg.status[size_t(z)] = LStatus::Erledigt;
            if (r.verz)
                m_erg.erledigteVerzeichnisse.append(nxAdresseMitEndStrich(r.quelle()));
            bool weiter = aufzeichnen(z);
            for (const int innen : r.enthalten) {
                if (!weiter)
                    break;
                ++m_erg.erledigt;
                m_erg.status[size_t(innen)] = LStatus::Erledigt;
                weiter = aufzeichnen(innen);
            }
            if (!weiter)
                break; // the undo file cannot follow: no further change
        } else {
            ++m_erg.fehler;
            m_erg.status[size_t(z)] = LStatus::Fehler;
            m_fehler.neu(QStringLiteral("> "), r.quelle(), QStringLiteral("\r\n"));
            nxDebugZeile(QStringLiteral("Fehler beim Löschen/Kopieren/Verschieben: ") + r.quelle() +
                         QStringLiteral(" (") + e.text() + u')');
        }
        if (m_fort.Abbruch) {
            m_erg.abgebrochen = true;
            break;
        }
    }
}

void Lauf::rueckDateiOeffnen()
{
    const ErgebnisWert<QString> nr = m_index.Aktion_NeueRueckDateiNr();
    const QString nachsatz = QStringLiteral("\r\n\r\nEs ist nichts verändert worden.");
    if (!nr) {
        m_erg.bericht = QStringLiteral("Das ") + m_bez +
                        QStringLiteral(" kann nicht durchgeführt werden, weil keine neue Rück-Datei angelegt werden "
                                       "kann: ") +
                        nr.ergebnis().text() +
                        QStringLiteral("\r\n\r\nBitte auf der Seite [Rückgängig] alte Einträge löschen.") + nachsatz;
        return;
    }
    nxDebugZeile(QStringLiteral("Aktion_LoeschenKopieren: Rück-Datei öffnen (") + kRueckDateiVorsatz + *nr +
                 QStringLiteral(".cfg)"));
    const QString pfad = m_index.dateiPfad(*nr);
    ErgebnisWert<std::unique_ptr<RueckSchreiber>> datei =
        m_a.rueckAnlegen ? m_a.rueckAnlegen(pfad, 310, m_bez) : RueckDateiAnlegen(pfad, 310, m_bez);
    if (!datei) {
        m_erg.bericht = QStringLiteral("Das ") + m_bez +
                        QStringLiteral(" kann nicht durchgeführt werden, weil die Rück-Datei nicht angelegt werden "
                                       "kann: ") +
                        datei.ergebnis().text() + nachsatz;
        return;
    }
    m_rueck = std::move(datei).wert();
    m_erg.rueckNummer = *nr;
}

void Lauf::rueckDateiSchliessen()
{
    nxDebugZeile(QStringLiteral("Aktion_LoeschenKopieren: Rück-Datei schließen"));
    const Ergebnis e = m_rueck->schliessen(m_erg.erledigt, 0, m_erg.fehler);
    if (!e && !m_erg.rueckFehler) {
        m_erg.rueckFehler = true;
        m_rueckText = e.text();
    }
    m_rueck.reset();
    m_index.IniListeRueck_EinenAnhaengen(m_erg.rueckNummer, 310, m_bez, true, m_einst.MaxRueck, m_erg.fehler, 0,
                                         m_erg.erledigt);
}

void Lauf::listenAktualisieren()
{
    if (m_erg.erledigt == 0 || m_a.modus == LKModus::Kopieren)
        return;
    const int n = m_liste.Anzahl();
    ListenDaten *auswahl = m_a.auswahl;
    if (auswahl) {
        const int an = auswahl->Anzahl();
        std::vector<char> weg(size_t(an) + 1, 0);
        QSet<QString> verz;
        for (int z = 1; z <= n; ++z) {
            if (m_erg.status[size_t(z)] != LStatus::Erledigt)
                continue;
            const int l = m_liste.Link(z);
            if (l >= 1 && l <= an)
                weg[size_t(l)] = 1;
            if (m_zeilen[size_t(z)].verz)
                verz.insert(pfadOhneEnde(m_zeilen[size_t(z)].quelle()));
        }
        if (!verz.isEmpty()) {
            for (int a = 1; a <= an; ++a) {
                if (weg[size_t(a)])
                    continue;
                QString p = pfadOhneEnde(auswahl->Zelle(a, AZelle::Pfad));
                while (!p.isEmpty()) {
                    if (verz.contains(p)) {
                        weg[size_t(a)] = 1;
                        break;
                    }
                    if (p == u"/")
                        break;
                    p = pfadEltern(p);
                }
            }
        }
        std::vector<int> zeilen;
        std::vector<int> neuNr(size_t(an) + 1, 0);
        int behalten = 0;
        for (int a = 1; a <= an; ++a) {
            if (weg[size_t(a)])
                zeilen.push_back(a);
            else
                neuNr[size_t(a)] = ++behalten;
        }
        if (zeilen.size() == size_t(an))
            auswahl->Leeren();
        else if (!zeilen.empty())
            auswahl->ZeilenLoeschen(zeilen);
        // The rows that stay keep pointing at their entries.
        for (int z = 1; z <= n; ++z) {
            const int l = m_liste.Link(z);
            m_liste.LinkSetzen(z, l >= 1 && l <= an ? neuNr[size_t(l)] : 0);
        }
    }
    std::vector<int> erledigt;
    for (int z = 1; z <= n; ++z)
        if (m_erg.status[size_t(z)] == LStatus::Erledigt)
            erledigt.push_back(z);
    if (erledigt.size() == size_t(n))
        m_liste.Leeren();
    else
        m_liste.ZeilenLoeschen(erledigt);
}

void Lauf::fehlerBericht()
{
    if (m_erg.fehler == 0 && !m_erg.rueckFehler)
        return;
    QString t;
    if (m_erg.rueckFehler) {
        t += QStringLiteral("Die Rück-Datei kann nicht geschrieben werden: ") + m_rueckText +
             QStringLiteral("\r\n\r\nDer Vorgang ist deshalb vor der nächsten Änderung beendet worden. Bitte Platz "
                            "auf dem Datenträger schaffen.");
        if (m_erg.fehler > 0)
            t += QStringLiteral("\r\n\r\n");
    }
    if (m_erg.fehler > 0) {
        t += QStringLiteral("Das ") + m_bez + QStringLiteral(" wurde durchgeführt. Jedoch gab es ") +
             QString::number(m_erg.fehler) + QStringLiteral(" Fehler.\r\n\r\nDavon sind betroffen:\r\n") + m_fehler.text;
        if (m_fehler.anzahl > kListenGrenze)
            t += QStringLiteral("(und ") + QString::number(m_fehler.anzahl - kListenGrenze) +
                 QStringLiteral(" weitere)\r\n");
        t += QStringLiteral("\r\n") + Fehler_MoeglicheGruende();
    }
    m_erg.bericht = t;
    m_dialog.Dialog_Info(t, m_a.anker, true);
}

} // namespace

QString LKBezeichnung(LKModus modus)
{
    switch (modus) {
    case LKModus::Kopieren:
        return QStringLiteral("Kopieren");
    case LKModus::Verschieben:
        return QStringLiteral("Verschieben");
    case LKModus::Papierkorb:
    case LKModus::FuerImmer:
        break;
    }
    return QStringLiteral("Löschen");
}

qint64 NummernVerteilung::nummer(qint64 k) const
{
    if (proVerzeichnis < 1)
        return 0;
    if (k < volle * proVerzeichnis)
        return k / proVerzeichnis + 1;
    const qint64 klein = proVerzeichnis - 1;
    return klein < 1 ? volle : volle + (k - volle * proVerzeichnis) / klein + 1;
}

NummernVerteilung LKNummernVerteilen(qint64 n, NummerArt art, qint64 wert)
{
    NummernVerteilung v;
    if (n < 1 || wert < 1 || art == NummerArt::Keine)
        return v;
    if (art == NummerArt::JeVerzeichnis) {
        v.proVerzeichnis = wert;
        v.verzeichnisse = (n - 1) / wert + 1;
        v.volle = v.verzeichnisse;
    } else {
        v.verzeichnisse = wert;
        v.proVerzeichnis = (n - 1) / wert + 1;
        v.volle = wert - (wert * v.proVerzeichnis - n);
    }
    return v;
}

void LListeAufbauen(const ListenDaten &auswahl, ListenDaten &lliste)
{
    lliste.Leeren(auswahl.MarkiertAnzahl());
    if (lliste.ZellenAnzahl() != LZelle::Anzahl)
        lliste.ZellenAnzahlSetzen(LZelle::Anzahl);
    for (int p = 1; p <= auswahl.Anzahl(); ++p) {
        const int a = auswahl.ZeileAn(p);
        if (!auswahl.Markiert(a))
            continue;
        const int z = lliste.ZeilenAnhaengen();
        lliste.ZelleSetzenUtf8(z, LZelle::Pfad, auswahl.ZelleUtf8(a, AZelle::Pfad));
        lliste.ZelleSetzenUtf8(z, LZelle::Name, auswahl.ZelleUtf8(a, AZelle::Name));
        lliste.ZelleSetzenUtf8(z, LZelle::Bytes, auswahl.ZelleUtf8(a, AZelle::Bytes));
        lliste.VerzSetzen(z, auswahl.Verz(a));
        lliste.LinkSetzen(z, a);
    }
}

bool LKStrukturSichtbar(const ListenDaten &lliste, const ListenDaten &auswahl)
{
    for (int z = 1; z <= lliste.Anzahl(); ++z) {
        const int a = lliste.Link(z);
        if (a >= 1 && a <= auswahl.Anzahl() && auswahl.ZelleUtf8(a, AZelle::PfadNr) != QByteArrayView("1"))
            return true;
    }
    return false;
}

LKErgebnis Aktion_LoeschenKopieren(const LKAuftrag &auftrag, const Einstellungen &einstellungen, Fortschritt &fort,
                                   Dialog &dialog, RueckIndex &index)
{
    Q_ASSERT(auftrag.liste);
    Lauf lauf(auftrag, einstellungen, fort, dialog, index);
    return lauf.los();
}

LeereVErgebnis Aktion_LeereVerzeichnisseLoeschen(const QString &start, Fortschritt &fort, Dialog &dialog)
{
    nxDebugZeile(QStringLiteral("PopL_LeereLoeschenClick"));
    const QChar ff(12);
    const QString frage = QStringLiteral("Das soll gemacht werden:\r\n\r\nIn allen Unter-Verzeichnissen sollen alle "
                                         "Unter-Verzeichnisse gesucht werden.\r\nDie gefundenen ") +
                          ff + QStringLiteral("leeren") + ff +
                          QStringLiteral(" Unter-Verzeichnisse sollen gelöscht werden.\r\nUnter-Verzeichnisse, die "
                                         "durch das Löschen ") +
                          ff + QStringLiteral("leer geworden") + ff +
                          QStringLiteral(" sind, sollen ebenfalls gelöscht werden.\r\n\r\nSoll das so gemacht "
                                         "werden?\r\n");
    if (start.isEmpty() || !dialog.Dialog_Frage(frage, QString(), true))
        return {};
    const QDateTime anfang = QDateTime::currentDateTime();
    fort.FortEin(1, QStringLiteral("aa"), true);
    fort.FortAbschnittSymbolisch();
    fort.FortAbschnittNeu(QStringLiteral("in Arbeit, bitte warten ..."), false, true);
    nxDebugZeile(QStringLiteral("nxAdresseLoeschenLeereV"));
    const LeereVErgebnis e = nxAdresseLoeschenLeereV(start, &fort.Abbruch);
    fort.FortAus(anfang);
    QString t;
    if (e.ok()) {
        if (e.geloescht == 0)
            t = QStringLiteral("Erfolg.\r\n\r\n0 leere Verzeichnisse sind gefunden worden.");
        else if (e.geloescht == 1)
            t = QStringLiteral("Erfolg.\r\n\r\nEin leeres Verzeichnis ist gelöscht worden.");
        else
            t = QStringLiteral("Erfolg.\r\n\r\n") + QString::number(e.geloescht) +
                QStringLiteral(" leere Verzeichnisse sind gelöscht worden.");
    } else {
        t = QStringLiteral("Fertig.\r\n\r\n") + QString::number(e.geloescht) +
            QStringLiteral(" leere Verzeichnisse sind gelöscht worden.\r\n\r\n") + QString::number(e.nichtGeloescht) +
            QStringLiteral(" leere Verzeichnisse sind NICHT gelöscht worden.");
    }
    dialog.Dialog_Info(t, QString(), false);
    return e;
}

} // namespace rinolux
