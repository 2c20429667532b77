#include "core/selection/Suche.h"

#include "core/platform/Plattform.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/ListenDaten.h"
#include "core/util/PfadText.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Format.h"

#include <QHash>
#include <QSemaphore>
#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <limits>
#include <numeric>
#include <string>

namespace rinolux {

namespace {

// Entries (and directories) examined between two progress calls: each call lets the
// window run its events, so this bounds how long a cancel waits.
constexpr qint64 MeldeSchritt = 256;
constexpr qint64 FortGesamt = 10000;

bool hatPlatzhalter(QStringView m) { return m.contains(u'*') || m.contains(u'?'); }

// Lower case per code point, as the rename engine folds letters (ß stays ß).
void kleinCodepunkte(QStringView text, std::u32string &aus)
{
    aus.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        // Most names are ASCII: folding those needs no table look-up.
        if (c < 128)
            aus.push_back(c >= U'A' && c <= U'Z' ? c + 32 : c);
        else
            aus.push_back(QChar::toLower(c));
    }
}

std::u32string klein(QStringView text)
{
    std::u32string aus;
    kleinCodepunkte(text, aus);
    return aus;
}

// Whole name against whole mask, both lowered already: "?" one code point, "*" any run.
bool maskePasst(std::u32string_view name, std::u32string_view maske)
{
    size_t i = 0, j = 0, stern = std::u32string_view::npos, merke = 0;
    while (i < name.size()) {
        if (j < maske.size() && (maske[j] == U'?' || maske[j] == name[i])) {
            ++i;
            ++j;
        } else if (j < maske.size() && maske[j] == U'*') {
            stern = j++;
            merke = i;
        } else if (stern != std::u32string_view::npos) {
            j = stern + 1;
            i = ++merke;
        } else {
            return false;
        }
    }
    while (j < maske.size() && maske[j] == U'*')
        ++j;
    return j == maske.size();
}

// The digits of a field as a number, clamped instead of overflowing.
qint64 ziffernZahl(QStringView text)
{
    qint64 n = 0;
    bool ziffer = false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            continue;
        ziffer = true;
        const int d = c.unicode() - u'0';
        if (n > (std::numeric_limits<qint64>::max() - d) / 10)
            return std::numeric_limits<qint64>::max();
        n = n * 10 + d;
    }
    return ziffer ? n : -1;
}

QByteArray feld(qint64 wert, int breite, qint64 hoechstens, const char *sonst)
{
    if (wert >= 1 && wert <= hoechstens)
        return QByteArray::number(wert).rightJustified(breite, '0');
    return QByteArray(sonst);
}

// Splits a path without trailing "/" into its directory (with "/") and its last name.
void teilen(const QString &pfad, QString &verzeichnis, QString &name)
{
    const QString ohne = nxAdresseOhneEndStrich(pfad);
    const qsizetype s = ohne.lastIndexOf(u'/');
    verzeichnis = s < 0 ? QString() : ohne.left(s + 1);
    name = s < 0 ? ohne : ohne.mid(s + 1);
}

// Runs of "/" become one and the path ends with exactly one.
QString verzeichnisForm(const QString &text)
{
    QString v;
    v.reserve(text.size() + 1);
    for (const QChar c : text) {
        if (c == u'/' && v.endsWith(u'/'))
            continue;
        v.append(c);
    }
    return nxAdresseMitEndStrich(v);
}

// Check C: the first wildcard in a directory, below its root, is expanded over the
// subdirectories of the part before it; the expanded orders are appended and checked in
// turn, so several wildcard components are expanded one after the other.
void platzhalterVerzeichnisse(std::vector<SuchOrt> &orte)
{
    // Each expansion consumes one wildcard component, so the work ends; the cap keeps a
    // pattern such as "/*/*/*/*/" from building millions of orders.
    constexpr size_t Hoechstens = 1000000;
    std::vector<SuchOrt> fertig;
    std::u32string name;
    for (size_t i = 0; i < orte.size(); ++i) {
        const QString v = orte[i].verzeichnis;
        qsizetype stelle = -1;
        for (qsizetype k = 1; k < v.size(); ++k) {
            if (v.at(k) == u'*' || v.at(k) == u'?') {
                stelle = k;
                break;
            }
        }
        if (stelle < 0) {
            fertig.push_back(orte[i]);
            continue;
        }
        const qsizetype basisEnde = v.lastIndexOf(u'/', stelle) + 1;
        const qsizetype teilEnde = v.indexOf(u'/', stelle);
        const QString basis = v.left(basisEnde);
        const std::u32string muster = klein(QStringView(v).mid(basisEnde, teilEnde - basisEnde));
        const QString rest = v.mid(teilEnde);
        // An unreadable base simply expands to nothing, as an empty one does.
        static_cast<void>(plattform::verzeichnisLesen(basis, plattform::Details::Keine, [&](const plattform::Eintrag &e) {
            if (e.istVerzeichnis()) {
                kleinCodepunkte(e.name, name);
                if (maskePasst(name, muster))
                    orte.push_back(SuchOrt{basis + e.name + rest, orte[i].mit, orte[i].ohne});
            }
            return orte.size() < Hoechstens;
        }));
    }
    orte = std::move(fertig);
}

// Check D: sorted by directory and first pattern; an order equal to its predecessor goes.
// The directory is compared exactly ("/a/X/" and "/a/x/" are two directories here); the
// pattern ignores letter case, as the match itself does.
void doppelteEntfernen(std::vector<SuchOrt> &orte)
{
    const auto erstes = [](const SuchOrt &o) { return o.mit.isEmpty() ? QString() : o.mit.first().toLower(); };
    std::stable_sort(orte.begin(), orte.end(), [&](const SuchOrt &a, const SuchOrt &b) {
        const int v = a.verzeichnis.compare(b.verzeichnis, Qt::CaseInsensitive);
        if (v != 0)
            return v < 0;
        const int e = a.verzeichnis.compare(b.verzeichnis);
        if (e != 0)
            return e < 0;
        return erstes(a) < erstes(b);
    });
    std::vector<SuchOrt> aus;
    for (SuchOrt &o : orte) {
        if (!aus.empty() && aus.back().verzeichnis == o.verzeichnis && erstes(aus.back()) == erstes(o))
            continue;
        aus.push_back(std::move(o));
    }
    orte = std::move(aus);
}

QStringList nichtLeereZeilen(const QStringList &zeilen)
{
    QStringList aus;
    for (QString z : zeilen) {
        if (z.endsWith(u'\r'))
            z.chop(1);
        if (!z.trimmed().isEmpty())
            aus.append(z);
    }
    return aus;
}

// Orders of one directory walked together: the directory is read once for all of them.
struct Gruppe
{
    QString verzeichnis;
    std::vector<std::u32string> mit, ohne;
    QSet<QString> namen; // kind "N": the exact names
};

using Kennung = QPair<quint64, quint64>; // device and inode of a directory

// What the walkers of one parallel search share. Only the calling thread reports and
// looks at the cancel button; the others learn from `halt` that they must stop.
struct Geteilt
{
    std::atomic<bool> halt{false};
    std::atomic<qint64> gefunden{0}; // hits so far, for the progress text
    std::atomic<int> naechste{0};    // the next subtree to take
    std::atomic<int> fertig{0};      // subtrees done
    int aufgaben = 0;
    double von = 0, bis = 1;

    void melden(Fortschritt &f)
    {
        const double anteil = von + (bis - von) * double(fertig.load()) / double(std::max(1, aufgaben));
        const qint64 wert = qint64(anteil * double(FortGesamt));
        f.FortSchritt(FortGesamt, wert, FortGesamt, wert);
        const qint64 n = gefunden.load();
        f.FortMeldung(nxZahlText(n) + QStringLiteral(" gefunden"), n);
        if (f.Abbruch || f.NurTeilmenge)
            halt = true;
    }
};

class Lauf final
{
public:
    Lauf(const SuchAuftrag &a, SuchTreffer &t, Fortschritt &f, SuchErgebnis &e) : m_a(a), m_t(t), m_f(f), m_e(e)
    {
        const qint64 grenze = std::numeric_limits<int>::max();
        m_max = a.maxAnzahl > 0 ? std::min(a.maxAnzahl, grenze) : grenze;
        m_erweitert = a.art == SuchArt::Erweitert;
        if (m_erweitert && a.bytesAn) {
            m_bytesVon = nxSuchBytesLesen(a.bytesVon);
            m_bytesBis = nxSuchBytesLesen(a.bytesBis);
        }
        if (m_erweitert)
            for (int k = 0; k < 3; ++k)
                if (a.datum[size_t(k)].an)
                    m_datum[size_t(k)] = nxSuchDatumGrenzen(a.datum[size_t(k)]);
    }

    void laufen(const std::vector<Gruppe> &gruppen, bool unter)
    {
        const qint64 n = qint64(gruppen.size());
        for (qint64 i = 0; i < n && !m_halt; ++i) {
            const double von = double(i) / double(n);
            const double bis = double(i + 1) / double(n);
            m_gruppe = &gruppen[size_t(i)];
            if (m_a.art == SuchArt::Namen)
                namenLesen(*m_gruppe);
            else
                baumLaufen(m_gruppe->verzeichnis, unter, von, bis);
        }
        melden(1.0);
    }

private:
    struct Offen
    {
        QString verzeichnis;
        double von, bis;
    };

    void melden(double anteil)
    {
        const qint64 wert = qint64(anteil * double(FortGesamt));
        m_f.FortSchritt(FortGesamt, wert, FortGesamt, wert);
        m_f.FortMeldung(nxZahlText(m_t.Anzahl()) + QStringLiteral(" gefunden"), m_t.Anzahl());
    }

    // Called for every entry and directory: reports now and then, and tells whether the
    // walk must stop (cancel, partial result, ESC in a tree listing, the maximum count).
    bool halt(double anteil)
    {
        if (m_halt)
            return true;
        if (m_geteilt) {
            if (++m_gezaehlt % MeldeSchritt == 0) {
                gefundenWeitergeben();
                if (m_meldet)
                    m_geteilt->melden(m_f);
            }
            m_halt = m_geteilt->halt.load(std::memory_order_relaxed);
            return m_halt;
        }
        if (++m_gezaehlt % MeldeSchritt == 0)
            melden(anteil);
        if (m_a.art == SuchArt::Baum && m_a.escGedrueckt && m_a.escGedrueckt())
            m_f.Abbruch = true;
        if (m_f.Abbruch || m_f.NurTeilmenge) {
            m_halt = true;
        } else if (m_t.Anzahl() >= m_max) {
            m_e.maxErreicht = true;
            m_halt = true;
        }
        return m_halt;
    }

    void unlesbar(const Ergebnis &r)
    {
        ++m_e.uebersprungen;
        if (m_e.unlesbar.size() < SuchUnlesbarGrenze)
            m_e.unlesbar.append(r.text());
    }

    qint32 naechsteNummer()
    {
        ++m_e.verzeichnisse;
        if (m_nummer < std::numeric_limits<qint32>::max())
            ++m_nummer;
        return m_nummer;
    }

    bool namePasst(const QString &name)
    {
        kleinCodepunkte(name, m_klein);
        bool ja = false;
        for (const std::u32string &m : m_gruppe->mit) {
            if (maskePasst(m_klein, m)) {
                ja = true;
                break;
            }
        }
        if (!ja)
            return false;
        for (const std::u32string &m : m_gruppe->ohne)
            if (maskePasst(m_klein, m))
                return false;
        return true;
    }

    bool artGezeigt(const plattform::Eintrag &e) const
    {
        return e.istVerzeichnis() ? m_a.verzeichnisseZeigen : m_a.dateienZeigen;
    }

    static bool istLeer(const QString &verzeichnis)
    {
        bool etwas = false;
        const Ergebnis r = plattform::verzeichnisLesen(verzeichnis, plattform::Details::Keine,
                                                       [&](const plattform::Eintrag &) {
            etwas = true;
            return false;
        });
        // What cannot be read is not known to be empty.
        return r.ok() && !etwas;
    }

    bool bedingungenErfuellt(const QString &verzeichnis, const plattform::Eintrag &e, const TNxSuchTyp &d) const
    {
        if (!m_erweitert)
            return true;
        if (e.istVerzeichnis() && m_a.verzWahl != SuchVerzWahl::Alle) {
            const bool leer = istLeer(verzeichnis + e.name + u'/');
            if (leer != (m_a.verzWahl == SuchVerzWahl::NurLeere))
                return false;
        }
        if (m_a.bytesAn) {
            if (m_bytesVon && e.groesse < *m_bytesVon)
                return false;
            if (m_bytesBis && e.groesse > *m_bytesBis)
                return false;
        }
        for (size_t k = 0; k < 3; ++k) {
            if (!m_datum[k])
                continue;
            // An entry without that time (no birth time on this file system) never passes.
            char puffer[21];
            const QByteArrayView z = d.zeitText(int(k), puffer);
            if (z.isEmpty() || z < QByteArrayView(m_datum[k]->von) || z > QByteArrayView(m_datum[k]->bis))
                return false;
        }
        if (m_a.attributeAn) {
            for (size_t k = 0; k < SuchAttBits.size(); ++k) {
                const bool hat = (quint32(d.attribute) & SuchAttBits[k]) != 0;
                if ((hat && m_a.attribute[k] == SuchAttWahl::Nein) || (!hat && m_a.attribute[k] == SuchAttWahl::Ja))
                    return false;
            }
        }
        return true;
    }

    void treffer(const QString &verzeichnis, const plattform::Eintrag &e, qint32 nummer)
    {
        TNxSuchTyp d = nxAuswahlSuchDaten(e, nummer);
        if (bedingungenErfuellt(verzeichnis, e, d))
            m_t.Neu(verzeichnis, e.name, std::move(d));
    }

    // Depth first in enumeration order, on a stack of its own: no recursion limit on deep
    // trees. Symbolic links are listed but never entered, and a directory reached a second
    // time (a bind mount of an ancestor) is not walked again, so every walk ends.
    void baumLaufen(const QString &start, bool unter, double von, double bis)
    {
        QSet<Kennung> gesehen;
        if (unter) {
            const ErgebnisWert<plattform::Eintrag> s = plattform::objektLesen(start);
            if (s && s->istVerzeichnis())
                gesehen.insert({s->identitaet.geraet, s->identitaet.inode});
        }
        if (unter && parallelMoeglich()) {
            parallelLaufen(Offen{start, von, bis}, std::move(gesehen));
            return;
        }
        stapelLaufen({Offen{start, von, bis}}, gesehen, unter);
    }

    void stapelLaufen(std::vector<Offen> stapel, QSet<Kennung> &gesehen, bool unter)
    {
        std::vector<QString> unterNamen;
        while (!stapel.empty()) {
            const Offen o = std::move(stapel.back());
            stapel.pop_back();
            if (!einVerzeichnis(o, unter, gesehen, unterNamen))
                return;
            const double schritt = (o.bis - o.von) / double(std::max<size_t>(1, unterNamen.size()));
            for (size_t k = unterNamen.size(); k-- > 0;)
                stapel.push_back(Offen{o.verzeichnis + unterNamen[k] + u'/', o.von + schritt * double(k),
                                       o.von + schritt * double(k + 1)});
        }
    }

    // Lists one directory's hits and, with unter, the names of its subdirectories not yet
    // seen, in enumeration order. False when the walk must stop.
    bool einVerzeichnis(const Offen &o, bool unter, QSet<Kennung> &gesehen, std::vector<QString> &unterNamen)
    {
        unterNamen.clear();
        if (halt(o.von))
            return false;
        const qint32 nummer = naechsteNummer();
        bool passt = false;
        const Ergebnis r = plattform::verzeichnisAuswahlLesen(o.verzeichnis,
            [&](const plattform::Eintrag &e) {
                if (halt(o.von))
                    return plattform::Vorauswahl::Anhalten;
                passt = artGezeigt(e) && namePasst(e.name);
                return passt || (unter && e.istVerzeichnis()) ? plattform::Vorauswahl::Lesen
                                                             : plattform::Vorauswahl::Weglassen;
            },
            [&](const plattform::Eintrag &e) {
                if (unter && e.istVerzeichnis() && !gesehen.contains({e.identitaet.geraet, e.identitaet.inode})) {
                    gesehen.insert({e.identitaet.geraet, e.identitaet.inode});
                    unterNamen.push_back(e.name);
                }
                if (passt)
                    treffer(o.verzeichnis, e, nummer);
                return true;
            });
        if (!r)
            unlesbar(r);
        return true;
    }

    // Without a maximum count the order of the hits is all that ties the subtrees together:
    // with a maximum the first hits in walking order must win, so that stays one walk.
    bool parallelMoeglich() const
    {
        return m_geteilt == nullptr && m_a.art != SuchArt::Baum && m_max >= std::numeric_limits<int>::max()
               && QThread::idealThreadCount() > 1;
    }

    // The start directory here, then each of its subtrees as a walk of its own, shared
    // with pool threads; the hits are put together in walking order afterwards, with the
    // path numbers they would have had in one walk. A stat per hit is what a search costs,
    // and two cores answer twice as many.
    void parallelLaufen(const Offen &start, QSet<Kennung> gesehen)
    {
        std::vector<QString> kinder;
        if (!einVerzeichnis(start, true, gesehen, kinder))
            return;
        if (kinder.size() < 2) {
            std::vector<Offen> stapel;
            for (size_t k = kinder.size(); k-- > 0;)
                stapel.push_back(Offen{start.verzeichnis + kinder[k] + u'/', start.von, start.bis});
            stapelLaufen(std::move(stapel), gesehen, true);
            return;
        }
        struct Aufgabe
        {
            QString verzeichnis;
            SuchTreffer t;
            SuchErgebnis e;
            qint32 nummern = 0;
        };
        std::vector<Aufgabe> aufgaben(kinder.size());
        for (size_t k = 0; k < kinder.size(); ++k)
            aufgaben[k].verzeichnis = start.verzeichnis + kinder[k] + u'/';
        Geteilt geteilt;
        geteilt.aufgaben = int(aufgaben.size());
        geteilt.von = start.von;
        geteilt.bis = start.bis;
        geteilt.gefunden = m_t.Anzahl();
        // Every subtree knows the start and all its siblings as seen: a bind mount of one
        // of them inside another is not walked twice, and no walk loops.
        const QSet<Kennung> oben = gesehen;
        auto arbeiten = [&](bool meldet) {
            for (;;) {
                const int k = geteilt.naechste.fetch_add(1);
                if (k >= geteilt.aufgaben)
                    return;
                Aufgabe &au = aufgaben[size_t(k)];
                Lauf teil(m_a, au.t, m_f, au.e);
                teil.m_geteilt = &geteilt;
                teil.m_meldet = meldet;
                teil.m_gruppe = m_gruppe;
                QSet<Kennung> seine = oben;
                teil.stapelLaufen({Offen{au.verzeichnis, 0, 1}}, seine, true);
                teil.gefundenWeitergeben();
                au.nummern = teil.m_nummer;
                geteilt.fertig.fetch_add(1);
            }
        };
        QSemaphore beendet;
        int helfer = 0;
        const int moeglich = std::min(QThread::idealThreadCount() - 1, geteilt.aufgaben - 1);
        for (int i = 0; i < moeglich; ++i) {
            if (!QThreadPool::globalInstance()->tryStart([&] {
                    arbeiten(false);
                    beendet.release();
                }))
                break;
            ++helfer;
        }
        arbeiten(true);
        while (!beendet.tryAcquire(helfer, 5))
            geteilt.melden(m_f);

        qint64 basis = m_nummer;
        for (Aufgabe &au : aufgaben) {
            for (int i = 1; i <= au.t.Anzahl(); ++i) {
                TNxSuchTyp d = au.t.Daten(i);
                d.pfadNr = qint32(std::min<qint64>(basis + d.pfadNr, std::numeric_limits<qint32>::max()));
                m_t.NeuUtf8(au.t.Verzeichnis(i), au.t.NameUtf8(i), std::move(d));
            }
            au.t.Leeren();
            basis += au.nummern;
            m_e.verzeichnisse += au.e.verzeichnisse;
            m_e.uebersprungen += au.e.uebersprungen;
            for (const QString &u : std::as_const(au.e.unlesbar))
                if (m_e.unlesbar.size() < SuchUnlesbarGrenze)
                    m_e.unlesbar.append(u);
        }
        m_nummer = qint32(std::min<qint64>(basis, std::numeric_limits<qint32>::max()));
        if (geteilt.halt)
            m_halt = true;
    }

    // Hits found since the last call go into the shared count.
    void gefundenWeitergeben()
    {
        const int n = m_t.Anzahl();
        m_geteilt->gefunden.fetch_add(n - m_gemeldet, std::memory_order_relaxed);
        m_gemeldet = n;
    }

    // Kind "N": the given names of one directory, read in one listing. Names are matched
    // exactly: they name objects, they are no patterns, and "A.txt" is not "a.txt".
    void namenLesen(const Gruppe &g)
    {
        if (halt(0))
            return;
        const qint32 nummer = naechsteNummer();
        QSet<QString> gefunden;
        const Ergebnis r = plattform::verzeichnisAuswahlLesen(g.verzeichnis,
            [&](const plattform::Eintrag &e) {
                if (halt(0))
                    return plattform::Vorauswahl::Anhalten;
                return artGezeigt(e) && g.namen.contains(e.name) ? plattform::Vorauswahl::Lesen
                                                                 : plattform::Vorauswahl::Weglassen;
            },
            [&](const plattform::Eintrag &e) {
                gefunden.insert(e.name);
                m_t.Neu(g.verzeichnis, e.name, nxAuswahlSuchDaten(e, nummer));
                return true;
            });
        if (r)
            return;
        // A directory that may be passed but not listed still lets its named objects be read.
        bool eines = false;
        for (const QString &n : g.namen) {
            if (halt(0))
                return;
            const ErgebnisWert<plattform::Eintrag> e = plattform::objektLesen(g.verzeichnis + n);
            if (e && artGezeigt(*e)) {
                eines = true;
                m_t.Neu(g.verzeichnis, e->name, nxAuswahlSuchDaten(*e, nummer));
            } else if (e) {
                eines = true;
            }
        }
        if (!eines)
            unlesbar(r);
    }

    const SuchAuftrag &m_a;
    SuchTreffer &m_t;
    Fortschritt &m_f;
    SuchErgebnis &m_e;
    const Gruppe *m_gruppe = nullptr;
    Geteilt *m_geteilt = nullptr; // set in the walkers of a parallel search
    bool m_meldet = false;        // that walker runs on the calling thread and reports
    int m_gemeldet = 0;           // hits already in the shared count
    qint64 m_max = 0;
    qint64 m_gezaehlt = 0;
    qint32 m_nummer = 0;
    bool m_halt = false;
    bool m_erweitert = false;
    std::optional<qint64> m_bytesVon, m_bytesBis;
    std::array<std::optional<SuchDatumGrenzen>, 3> m_datum;
    std::u32string m_klein;
};

std::vector<Gruppe> gruppieren(const std::vector<SuchOrt> &orte, bool namen)
{
    std::vector<Gruppe> gruppen;
    for (const SuchOrt &o : orte) {
        if (gruppen.empty() || gruppen.back().verzeichnis != o.verzeichnis)
            gruppen.push_back(Gruppe{o.verzeichnis, {}, {}, {}});
        Gruppe &g = gruppen.back();
        for (const QString &m : o.mit) {
            if (namen)
                g.namen.insert(m);
            else
                g.mit.push_back(klein(m));
        }
        for (const QString &m : o.ohne)
            g.ohne.push_back(klein(m));
    }
    return gruppen;
}

// Kinds "L" and "N": sorted by directory and name, path numbers from 1 per directory, and
// a hit found by two orders kept once. Identity is exact: "a.txt" and "A.txt" are two.
bool nachbearbeiten(SuchTreffer &t, Fortschritt &f)
{
    const int n = t.Anzahl();
    std::vector<int> folge(static_cast<size_t>(n));
    std::iota(folge.begin(), folge.end(), 1);
    // The names as texts once, not once per comparison.
    std::vector<QString> namen(static_cast<size_t>(n) + 1);
    for (int i = 1; i <= n; ++i)
        namen[size_t(i)] = t.Name(i);
    std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
        int c = t.Verzeichnis(a).compare(t.Verzeichnis(b), Qt::CaseInsensitive);
        if (c == 0)
            c = t.Verzeichnis(a).compare(t.Verzeichnis(b));
        if (c == 0)
            c = namen[size_t(a)].compare(namen[size_t(b)], Qt::CaseInsensitive);
        if (c == 0)
            c = namen[size_t(a)].compare(namen[size_t(b)]);
        return c < 0;
    });
    namen = {};
    f.FortSchritt(1, 1, 1, 1);
    if (f.Abbruch)
        return false;
    SuchTreffer neu;
    qint32 nummer = 0;
    int vorige = 0;
    for (const int k : folge) {
        const bool neuesVerzeichnis = vorige == 0 || t.Verzeichnis(k) != t.Verzeichnis(vorige);
        if (!neuesVerzeichnis && t.NameUtf8(k) == t.NameUtf8(vorige))
            continue;
        if (neuesVerzeichnis && nummer < std::numeric_limits<qint32>::max())
            ++nummer;
        TNxSuchTyp d = t.Daten(k);
        d.pfadNr = nummer;
        neu.NeuUtf8(t.Verzeichnis(k), t.NameUtf8(k), std::move(d));
        vorige = k;
    }
    t = std::move(neu);
    return true;
}

SuchErgebnis sucheLaufen(const SuchAuftrag &auftrag, SuchTreffer &treffer, Fortschritt &fort)
{
    treffer.Leeren();
    SuchErgebnis e;
    if (auftrag.art == SuchArt::Einfach || auftrag.art == SuchArt::Erweitert) {
        if (nxSuchVerzeichnisPruefen(auftrag.verzeichnis).isEmpty()) {
            e.keineOrte = true;
            e.meldung = SuchMeldungVerzeichnisUngueltig;
            return e;
        }
    }
    const std::vector<SuchOrt> orte = nxSuchOrte(auftrag);
    if (orte.empty() || (!auftrag.dateienZeigen && !auftrag.verzeichnisseZeigen)) {
        e.keineOrte = true;
        if (auftrag.art == SuchArt::Liste && orte.empty())
            e.meldung = SuchMeldungListeUngueltig;
        return e;
    }
    const bool unter = auftrag.unterverzeichnisse && auftrag.art != SuchArt::Baum && auftrag.art != SuchArt::Namen;
    fort.FortAbschnittNeu(QStringLiteral("Suchen"), false, true);
    Lauf lauf(auftrag, treffer, fort, e);
    lauf.laufen(gruppieren(orte, auftrag.art == SuchArt::Namen), unter);
    e.treffer = treffer.Anzahl();
    if (fort.Abbruch) {
        e.abgebrochen = true;
        treffer.Leeren();
        return e;
    }
    e.teilmenge = fort.NurTeilmenge;
    if ((auftrag.art == SuchArt::Liste || auftrag.art == SuchArt::Namen) && treffer.Anzahl() > 0) {
        fort.FortAbschnittNeu(QStringLiteral("Berechnungen"), true, true);
        if (!nachbearbeiten(treffer, fort)) {
            e.abgebrochen = true;
            treffer.Leeren();
            return e;
        }
        e.treffer = treffer.Anzahl();
    }
    return e;
}

int abschnitte(SuchArt art) { return (art == SuchArt::Liste || art == SuchArt::Namen) ? 2 : 1; }

} // namespace

// ---------------------------------------------------------------- pieces

QStringList nxSuchMusterListe(const QString &text, bool leerIstAlles)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return leerIstAlles ? QStringList{QStringLiteral("*")} : QStringList();
    QStringList aus;
    QString teil;
    for (const QChar c : t) {
        if (c == u':' || c == u'|') {
            if (!teil.isEmpty())
                aus.append(teil);
            teil.clear();
        } else {
            teil.append(c);
        }
    }
    if (!teil.isEmpty())
        aus.append(teil);
    if (aus.isEmpty() && leerIstAlles)
        aus.append(QStringLiteral("*"));
    return aus;
}

QStringList nxSuchMusterEinpacken(const QStringList &muster)
{
    QStringList aus;
    aus.reserve(muster.size());
    for (const QString &m : muster)
        aus.append(hatPlatzhalter(m) ? m : QStringLiteral("*") + m + QStringLiteral("*"));
    return aus;
}

bool nxSuchNamePasst(const QString &name, const QStringList &muster)
{
    const std::u32string n = klein(name);
    return std::any_of(muster.begin(), muster.end(), [&](const QString &m) { return maskePasst(n, klein(m)); });
}

std::optional<qint64> nxSuchBytesLesen(const QString &text)
{
    QString t;
    for (const QChar c : text) {
        switch (c.toLower().unicode()) {
        case u't':
        case u'k': t += QStringLiteral("000"); break;
        case u'm': t += QStringLiteral("000000"); break;
        case u'g': t += QStringLiteral("000000000"); break;
        default: t += c;
        }
    }
    const qint64 n = ziffernZahl(t);
    if (n < 0)
        return std::nullopt;
    return n;
}

SuchDatumGrenzen nxSuchDatumGrenzen(const SuchDatum &datum)
{
    const qint64 jv = ziffernZahl(datum.jahrVon), mv = ziffernZahl(datum.monatVon), tv = ziffernZahl(datum.tagVon);
    const qint64 jb = ziffernZahl(datum.jahrBis), mb = ziffernZahl(datum.monatBis), tb = ziffernZahl(datum.tagBis);
    SuchDatumGrenzen g;
    g.von = feld(jv, 4, 9998, "0000") + feld(mv, 2, 98, "00") + feld(tv, 2, 98, "00");
    g.bis = feld(jb, 4, 9998, "9999") + feld(mb, 2, 98, "99") + feld(tb, 2, 98, "99") + "_24";
    return g;
}

QString nxSuchVerzeichnisPruefen(const QString &text)
{
    const QString t = text.trimmed();
    if (!t.startsWith(u'/'))
        return QString();
    const QString v = verzeichnisForm(t);
    return nxAdresseIstVerzeichnis(v) ? v : QString();
}

std::vector<SuchOrt> nxSuchOrte(const SuchAuftrag &a)
{
    std::vector<SuchOrt> orte;
    const QString verz = a.verzeichnis.trimmed().isEmpty() ? QString() : verzeichnisForm(a.verzeichnis.trimmed());
    switch (a.art) {
    case SuchArt::Baum: orte.push_back(SuchOrt{verz, {QStringLiteral("*")}, {}}); break;
    case SuchArt::Einfach: orte.push_back(SuchOrt{verz, nxSuchMusterListe(a.mit, true), {}}); break;
    case SuchArt::Erweitert:
        orte.push_back(SuchOrt{verz, nxSuchMusterListe(a.mit, true), nxSuchMusterListe(a.ohne, false)});
        break;
    case SuchArt::Liste:
        for (const QString &zeile : nichtLeereZeilen(a.listenZeilen)) {
            const QString z = zeile.trimmed();
            if (z.startsWith(u'/')) {
                QString v, n;
                teilen(verzeichnisForm(z), v, n);
                if (!n.isEmpty())
                    orte.push_back(SuchOrt{v, {n}, {}});
            } else {
                orte.push_back(SuchOrt{verz, {z}, {}});
            }
        }
        break;
    case SuchArt::Namen:
        for (const QString &name : a.namen) {
            QString v, n;
            teilen(name, v, n);
            if (!n.isEmpty() && n != QStringLiteral(".") && n != QStringLiteral(".."))
                orte.push_back(SuchOrt{v, {n}, {}});
        }
        break;
    }
    // Check A: only absolute directories without "." or ".." components (those would not
    // name the directory the hits are shown in).
    std::erase_if(orte, [](const SuchOrt &o) {
        return !o.verzeichnis.startsWith(u'/') || pfadHatPunktTeil(o.verzeichnis) || o.mit.isEmpty();
    });
    if (a.art == SuchArt::Einfach || a.art == SuchArt::Erweitert)
        for (SuchOrt &o : orte)
            o.mit = nxSuchMusterEinpacken(o.mit);
    if (a.art != SuchArt::Baum && a.art != SuchArt::Namen)
        platzhalterVerzeichnisse(orte);
    doppelteEntfernen(orte);
    return orte;
}

// ---------------------------------------------------------------- running

SuchErgebnis nxSuche(const SuchAuftrag &auftrag, SuchTreffer &treffer, Fortschritt &fort)
{
    fort.FortEin(abschnitte(auftrag.art));
    SuchErgebnis e = sucheLaufen(auftrag, treffer, fort);
    fort.FortAus();
    return e;
}

SuchErgebnis nxSucheInListe(const SuchAuftrag &auftrag, ListenDaten &liste, AuswahlFuellung fuellung, Fortschritt &fort)
{
    fort.FortEin(abschnitte(auftrag.art) + 1);
    SuchTreffer treffer;
    SuchErgebnis e = sucheLaufen(auftrag, treffer, fort);
    fuellung.baumListe = auftrag.art == SuchArt::Baum;
    fuellung.suchAbbruch = e.abgebrochen;
    if (e.abgebrochen && fuellung.baumListe) {
        // A cancelled tree listing shows the abort message instead of rows that no longer
        // match the chosen directory.
        nxAuswahlListeVorbereiten(liste);
        liste.MeldungSetzen(nxAuswahlAbbruchMeldung(e.treffer));
    } else if (e.listeFuellen()) {
        fort.FortAbschnittNeu(QStringLiteral("Bewerten"), true, true);
        nxAuswahlFuellen(liste, treffer, fuellung, fort);
    }
    fort.FortAus();
    return e;
}

NamenAuswahl nxAuswahlSucheMitArray(const QStringList &volleNamen, ListenDaten &liste, AuswahlFuellung fuellung,
                                    Fortschritt &fort, bool dateienZeigen, bool verzeichnisseZeigen)
{
    NamenAuswahl aus;
    if (volleNamen.isEmpty()) {
        aus.ergebnis.keineOrte = true;
        return aus;
    }
    SuchAuftrag a;
    a.dateienZeigen = dateienZeigen;
    a.verzeichnisseZeigen = verzeichnisseZeigen;
    QString gemeinsam = nxGemeinsamesVerzeichnis(volleNamen);
    bool markieren = true;
    if (volleNamen.size() == 1 && nxAdresseIstVerzeichnis(volleNamen.first())) {
        gemeinsam = nxAdresseMitEndStrich(volleNamen.first());
        markieren = false;
    }
    if (!gemeinsam.isEmpty()) {
        a.art = SuchArt::Baum;
        a.verzeichnis = gemeinsam;
        aus.baumVerzeichnis = gemeinsam;
    } else {
        a.art = SuchArt::Namen;
        a.namen = volleNamen;
    }
    aus.ergebnis = nxSucheInListe(a, liste, std::move(fuellung), fort);
    if (markieren && a.art == SuchArt::Baum && aus.ergebnis.listeFuellen())
        aus.markiert = nxNamenMarkieren(liste, volleNamen);
    return aus;
}

} // namespace rinolux
