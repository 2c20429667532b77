#include "core/selection/sub_Auswahl.h"

#include "core/selection/sub_Sortieren.h"
#include "core/shell/Fortschritt.h"
#include "core/util/nx_Debug.h"
#include "core/util/nx_U32Text.h"
#include "core/util/nx_ZeichenEinfach.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Format.h"
#include "core/util/nx_Zeit.h"
#include "core/util/PfadText.h"

#include <QSet>

#include <charconv>

namespace rinolux {

namespace {
constexpr int ZeilenBlock = 3000;
} // namespace

void TNxSuchTyp::zeitSetzen(int i, const plattform::DateiZeit &zeit)
{
    zeitSekunden[size_t(i)] = zeit.sekunden;
    zeitNanosekunden[size_t(i)] = zeit.nanosekunden;
    if (zeit.gueltig)
        zeitBekannt |= quint8(1 << i);
    else
        zeitBekannt &= quint8(~(1 << i));
}

QByteArrayView TNxSuchTyp::zeitText(int i, char (&puffer)[21]) const
{
    if (!(zeitBekannt & (1 << i)))
        return {};
    nxDateiZeitZuZeichen(DateiZeit{zeitSekunden[size_t(i)], zeitNanosekunden[size_t(i)]}, puffer);
    return QByteArrayView(puffer, 21);
}

char *SuchTreffer::namenPlatz(qsizetype bytes, Treffer &t)
{
    if (m_namen.empty() || m_namen.back().capacity() - m_namen.back().size() < bytes) {
        QByteArray block;
        block.reserve(std::max(kNamenBlock, bytes));
        m_namen.push_back(std::move(block));
    }
    QByteArray &block = m_namen.back();
    t.block = qint32(m_namen.size() - 1);
    t.start = qint32(block.size());
    // Within the reserved room: earlier names stay where they are.
    block.resize(block.size() + bytes);
    return block.data() + t.start;
}

void SuchTreffer::anhaengen(const QString &verzeichnis, Treffer &&t)
{
    if (m_verz.empty() || !(verzeichnis.isSharedWith(m_verz.back()) || verzeichnis == m_verz.back()))
        m_verz.push_back(verzeichnis);
    t.verz = qint32(m_verz.size() - 1);
    m_namenBytes += t.laenge;
    if (m_treffer.empty() || m_treffer.back().size() == size_t(1) << kBlockBits) {
        m_treffer.emplace_back();
        m_treffer.back().reserve(size_t(1) << kBlockBits);
    }
    m_treffer.back().push_back(std::move(t));
    ++m_anzahl;
}

void SuchTreffer::NeuUtf8(const QString &verzeichnis, QByteArrayView nameUtf8, TNxSuchTyp daten)
{
    Treffer t;
    t.daten = std::move(daten);
    // An empty name points at the newest block too, so blocks stay in the order of the hits.
    t.block = qint32(std::max<size_t>(m_namen.size(), 1) - 1);
    if (!nameUtf8.isEmpty()) {
        std::copy(nameUtf8.begin(), nameUtf8.end(), namenPlatz(nameUtf8.size(), t));
        t.laenge = qint32(nameUtf8.size());
    }
    anhaengen(verzeichnis, std::move(t));
}

void SuchTreffer::Neu(const QString &verzeichnis, QStringView name, TNxSuchTyp daten)
{
    if (name.isEmpty()) {
        NeuUtf8(verzeichnis, {}, std::move(daten));
        return;
    }
    Treffer t;
    t.daten = std::move(daten);
    // At most three bytes per UTF-16 unit; the room not taken is given back at once.
    char *anfang = namenPlatz(name.size() * 3, t);
    QByteArray &block = m_namen.back();
    if (const char *ende = utf8OhneSurrogate(name, anfang)) {
        t.laenge = qint32(ende - anfang);
        block.resize(t.start + t.laenge);
    } else {
        const QByteArray utf8 = utf8MitEinzelnen(name); // a lone surrogate: a stand-in byte
        block.resize(t.start + utf8.size());
        std::copy(utf8.begin(), utf8.end(), block.data() + t.start);
        t.laenge = qint32(utf8.size());
    }
    anhaengen(verzeichnis, std::move(t));
}

void SuchTreffer::NeuNativ(const QString &verzeichnis, QByteArrayView nameNativ, TNxSuchTyp daten)
{
    // Valid UTF-8 decodes without a stand-in and encodes back to the very same bytes.
    if (nameNativ.isValidUtf8())
        NeuUtf8(verzeichnis, nameNativ, std::move(daten));
    else
        Neu(verzeichnis, nameAusBytes(nameNativ), std::move(daten));
}

void SuchTreffer::Leeren()
{
    m_treffer = {};
    m_anzahl = 0;
    m_verz = {};
    m_namen = {};
    m_namenBytes = 0;
}

void SuchTreffer::LetztenEntfernen()
{
    if (m_anzahl == 0)
        return;
    m_treffer.back().pop_back();
    if (m_treffer.back().empty())
        m_treffer.pop_back();
    --m_anzahl;
    // A directory, block or name block no remaining hit refers to is given back at once.
    const qint32 verz = m_anzahl == 0 ? -1 : treffer(m_anzahl).verz;
    while (qint32(m_verz.size()) - 1 > verz)
        m_verz.pop_back();
    const qint32 block = m_anzahl == 0 ? -1 : treffer(m_anzahl).block;
    while (qint32(m_namen.size()) - 1 > block)
        m_namen.pop_back();
}

QString nxNameFormat(const QString &name)
{
    return nxAdresseFormat(name);
}

QByteArrayView nxNameFormatUtf8(QByteArrayView name)
{
    const qsizetype punkt = name.lastIndexOf('.');
    return punkt < 0 ? QByteArrayView() : name.sliced(punkt + 1);
}

QString nxAuswahlZeitText(const plattform::DateiZeit &zeit)
{
    if (!zeit.gueltig)
        return QString();
    return nxDateiZeitZuText(DateiZeit{zeit.sekunden, zeit.nanosekunden});
}

TNxSuchTyp nxAuswahlSuchDaten(const plattform::Eintrag &eintrag, qint32 pfadNr)
{
    TNxSuchTyp d;
    d.zeitSetzen(TNxSuchTyp::Herstellung, eintrag.herstellung);
    d.zeitSetzen(TNxSuchTyp::Aenderung, eintrag.aenderung);
    d.zeitSetzen(TNxSuchTyp::Zugriff, eintrag.zugriff);
    d.groesse = eintrag.groesse;
    d.attribute = qint32(eintrag.attribute);
    d.verz = eintrag.istVerzeichnis() ? 1 : 0;
    d.pfadNr = pfadNr;
    return d;
}

void nxAuswahlListeVorbereiten(ListenDaten &liste)
{
    liste.Leeren();
    if (liste.ZellenAnzahl() != AZelle::Anzahl)
        liste.ZellenAnzahlSetzen(AZelle::Anzahl);
}

QString nxAuswahlAbbruchMeldung(qint64 gefunden)
{
    return QStringLiteral("ESC = Suche abgebrochen\r\n\r\n") + nxZahlText(gefunden) + QStringLiteral(" Namen")
           + QStringLiteral("\r\n") + QStringLiteral("vor dem Abbruch gefunden");
}

int nxAuswahlFuellen(ListenDaten &liste, SuchTreffer &treffer, const AuswahlFuellung &art, Fortschritt &fort)
{
    DebugSchritt schritt(QStringLiteral("AuswahlFuellen"));
    liste.MeldungSetzen(QString());
    if (art.suchAbbruch) {
        if (art.baumListe) {
            // Emptied first: a marked row the user cannot see must never be acted on.
            nxAuswahlListeVorbereiten(liste);
            liste.MeldungSetzen(nxAuswahlAbbruchMeldung(treffer.Anzahl()));
        }
        return liste.Anzahl();
    }

    nxAuswahlListeVorbereiten(liste);
    liste.BlockSetzen(ZeilenBlock);
    const int n = treffer.Anzahl();
    // The row arrays get their final size at once: no copying as they grow, and pages are
    // only touched as the rows fill.
    liste.Leeren(n);
    liste.SpalteReservieren(AZelle::Name, treffer.NamenBytes());
    // Texts go in as UTF-8: the directory is encoded once per directory, numbers are written
    // straight into a buffer, and the format is the tail of the encoded name.
    QString letztesVerzeichnis;
    QByteArray verzeichnisUtf8;
    char zeitPuffer[21];
    auto zahl = [](char (&puffer)[24], qint64 wert) {
        const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof(puffer), wert);
        Q_UNUSED(fehler);
        return QByteArrayView(puffer, ende - puffer);
    };
    char zahlPuffer[24];
    for (int zeile = 1; zeile <= n; ++zeile) {
        if ((zeile - 1) % ZeilenBlock == 0) {
            fort.FortSchritt(n, zeile - 1, 0, 0);
            if (fort.Abbruch) {
                nxAuswahlListeVorbereiten(liste);
                treffer.Leeren();
                return 0;
            }
            liste.ZeilenAnhaengen(std::min(ZeilenBlock, n - zeile + 1));
        }
        // Row i receives hit n+1-i: the last hit found is always the one at the back.
        const int z = zeile;
        const int k = treffer.Anzahl();
        const QByteArrayView nameUtf8 = treffer.NameUtf8(k);
        const TNxSuchTyp &d = treffer.Daten(k);
        const QString &verzeichnis = treffer.Verzeichnis(k);
        if (zeile == 1 || !(verzeichnis.isSharedWith(letztesVerzeichnis) || verzeichnis == letztesVerzeichnis)) {
            letztesVerzeichnis = verzeichnis;
            verzeichnisUtf8 = utf8MitEinzelnen(verzeichnis);
        }
        liste.ZelleSetzenUtf8(z, AZelle::Pfad, verzeichnisUtf8);
        liste.ZelleSetzenUtf8(z, AZelle::PfadNr, zahl(zahlPuffer, d.pfadNr));
        liste.ZelleSetzenUtf8(z, AZelle::Name, nameUtf8);
        liste.ZelleSetzenUtf8(z, AZelle::Format, nxNameFormatUtf8(nameUtf8));
        liste.ZelleSetzenUtf8(z, AZelle::Bytes, zahl(zahlPuffer, d.groesse));
        liste.ZelleSetzenUtf8(z, AZelle::Attribute, zahl(zahlPuffer, d.attribute));
        liste.ZelleSetzenUtf8(z, AZelle::ZeitH, d.zeitText(TNxSuchTyp::Herstellung, zeitPuffer));
        liste.ZelleSetzenUtf8(z, AZelle::ZeitA, d.zeitText(TNxSuchTyp::Aenderung, zeitPuffer));
        liste.ZelleSetzenUtf8(z, AZelle::ZeitZ, d.zeitText(TNxSuchTyp::Zugriff, zeitPuffer));
        liste.VerzSetzen(z, d.verz != 0);
        treffer.LetztenEntfernen();
    }
    treffer.Leeren();
    liste.Straffen();

    if (liste.Anzahl() > 0) {
        if (!nxAuswahlSortieren(liste, art.sortWahl, art.escErlaubt, art.escGedrueckt, &fort)) {
            nxAuswahlListeVorbereiten(liste);
            return 0;
        }
        if (art.autoAnwenden)
            nxAutoAuswahlAnwenden(liste, art.autoRegel);
        liste.AktPositionSetzen(1);
    }
    return liste.Anzahl();
}

// ---------------------------------------------------------------- automatic selection

namespace {

bool istTrenner(QChar c)
{
    return c == u':' || c == u'|' || c == u'/' || c == u'\\';
}

struct AutoTerm
{
    enum class Art { Alle, Erste, Letzte, Klasse, Muster } art = Art::Alle;
    qint64 zahl = 0;
    int klasse = 0;
    bool enthaelt = true; // upper-case letter: contains; lower-case: does not
    ZeichenMuster muster;
};

struct AutoRegel
{
    std::vector<AutoTerm> terme;
    bool umkehren = false;
};

AutoRegel regelLesen(const QString &regel)
{
    AutoRegel r;
    QString term;
    QStringList teile;
    for (QChar c : regel) {
        if (istTrenner(c)) {
            teile << term;
            term.clear();
        } else {
            term.append(c);
        }
    }
    teile << term;

    for (QString t : teile) {
        t = t.trimmed();
        if (t.isEmpty())
            continue;
        const qsizetype ersteZiffer = [&] {
            for (qsizetype i = 0; i < t.size(); ++i)
                if (t.at(i) >= u'0' && t.at(i) <= u'9')
                    return i;
            return qsizetype(-1);
        }();
        if (ersteZiffer >= 0) {
            QString ohne;
            for (QChar c : t)
                if (!(c >= u'0' && c <= u'9'))
                    ohne.append(c);
            AutoTerm a;
            if (ohne.isEmpty())
                a.art = AutoTerm::Art::Erste;
            else if (ohne == u"-" && ersteZiffer > 0 && t.at(ersteZiffer - 1) == u'-')
                a.art = AutoTerm::Art::Letzte;
            else
                continue; // "*.mp3" and the like: not understood, dropped
            for (QChar c : QStringView(t).left(9))
                if (c >= u'0' && c <= u'9')
                    a.zahl = a.zahl * 10 + (c.unicode() - u'0');
            r.terme.push_back(a);
            continue;
        }
        if (t.size() == 1) {
            const QChar c = t.at(0);
            if (c == u'*' || c == u'?') {
                AutoTerm alle;
                alle.art = AutoTerm::Art::Alle;
                r.terme.push_back(std::move(alle));
                continue;
            }
            if (c == u'u' || c == u'U') {
                r.umkehren = true;
                continue;
            }
            int klasse = 0;
            switch (c.toUpper().unicode()) {
            case u'B': klasse = KlasseBuchstabe; break;
            case u'G': klasse = KlasseGross; break;
            case u'K': klasse = KlasseKlein; break;
            case u'L': klasse = KlasseLeer; break;
            case u'S': klasse = KlasseSonder; break;
            case u'Z': klasse = KlasseZiffer; break;
            default: continue;
            }
            AutoTerm a;
            a.art = AutoTerm::Art::Klasse;
            a.klasse = klasse;
            a.enthaelt = c.isUpper();
            r.terme.push_back(a);
            continue;
        }
        AutoTerm a;
        a.art = AutoTerm::Art::Muster;
        a.muster = nxMusterMaske(nxZeichenKlein(nxU32AusText(t)));
        r.terme.push_back(std::move(a));
    }
    return r;
}

} // namespace

TNxASortMark nxAutoAuswahlTabelle(const QString &einstellungsText)
{
    TNxASortMark t(1);
    t.push_back({QStringLiteral("keine"), QString()});
    t.push_back({QStringLiteral("alle"), QStringLiteral("*")});
    QString text = einstellungsText;
    text.replace(u'\r', u'\n');
    for (const QString &roh : text.split(u'\n')) {
        const QString zeile = roh.trimmed();
        if (zeile.isEmpty())
            continue;
        qsizetype schnitt = -1;
        for (qsizetype i = 0; i < zeile.size(); ++i)
            if (istTrenner(zeile.at(i))) {
                schnitt = i;
                break;
            }
        if (schnitt < 0)
            t.push_back({zeile, QString()});
        else
            t.push_back({zeile.left(schnitt).trimmed(), zeile.mid(schnitt + 1)});
    }
    return t;
}

void nxAutoAuswahlAnwenden(ListenDaten &liste, const QString &regel)
{
    DebugSchritt schritt(QStringLiteral("AutoAuswahl"));
    const AutoRegel r = regelLesen(regel);
    const int n = liste.Anzahl();
    bool brauchtName = false;
    for (const AutoTerm &t : r.terme)
        brauchtName |= t.art == AutoTerm::Art::Klasse || t.art == AutoTerm::Art::Muster;

    for (int j = 1; j <= n; ++j) {
        const int zeile = liste.ZeileAn(j);
        bool treffer = false;
        std::u32string name, klein;
        if (brauchtName) {
            name = nxU32AusText(liste.Zelle(zeile, 4));
            klein = nxZeichenKlein(name);
            // The dot before the format is no character of any class.
            const size_t punkt = name.rfind(U'.');
            if (punkt != std::u32string::npos)
                name[punkt] = U'\t';
        }
        for (const AutoTerm &t : r.terme) {
            switch (t.art) {
            case AutoTerm::Art::Alle:
                treffer = true;
                break;
            case AutoTerm::Art::Erste:
                treffer = j <= t.zahl;
                break;
            case AutoTerm::Art::Letzte:
                treffer = j > n - t.zahl;
                break;
            case AutoTerm::Art::Klasse: {
                // Tested on the name as it is, so G and K can tell the letter case apart.
                bool enthalten = false;
                for (char32_t c : name)
                    if (nxZeichenKlasse(c, t.klasse)) {
                        enthalten = true;
                        break;
                    }
                treffer = enthalten == t.enthaelt;
                break;
            }
            case AutoTerm::Art::Muster:
                treffer = nxZeichenPasst(klein, t.muster, true);
                break;
            }
            if (treffer)
                break;
        }
        liste.MarkSetzen(zeile, treffer != r.umkehren);
    }
}

// ---------------------------------------------------------------- counts

namespace {
qint64 zahlAus(QByteArrayView b)
{
    qint64 v = 0;
    std::from_chars(b.data(), b.data() + b.size(), v);
    return v;
}
qint64 summe(qint64 a, qint64 b)
{
    qint64 s = 0;
    if (__builtin_add_overflow(a, b, &s))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return s;
}
} // namespace

AuswahlZahlen nxAuswahlZaehlen(const ListenDaten &liste)
{
    AuswahlZahlen z;
    z.anzahl = liste.Anzahl();
    for (int zeile = 1; zeile <= z.anzahl; ++zeile) {
        const qint64 b = zahlAus(liste.ZelleUtf8(zeile, AZelle::Bytes));
        z.bytesGesamt = summe(z.bytesGesamt, b);
        if (liste.Markiert(zeile)) {
            ++z.markiert;
            z.bytesMarkiert = summe(z.bytesMarkiert, b);
        }
    }
    return z;
}

// ---------------------------------------------------------------- names from outside

QString nxGemeinsamesVerzeichnis(const QStringList &volleNamen)
{
    QString gemeinsam;
    for (const QString &n : volleNamen) {
        const qsizetype s = n.lastIndexOf(u'/');
        if (s < 0)
            return QString();
        const QString v = n.left(s + 1);
        if (gemeinsam.isEmpty())
            gemeinsam = v;
        else if (v != gemeinsam)
            return QString();
    }
    return gemeinsam;
}

int nxNamenMarkieren(ListenDaten &liste, const QStringList &volleNamen)
{
    const QSet<QString> gesucht(volleNamen.begin(), volleNamen.end());
    int erste = 0;
    liste.AlleMarkieren(false);
    for (int p = 1; p <= liste.Anzahl(); ++p) {
        const int z = liste.ZeileAn(p);
        if (!gesucht.contains(liste.Zelle(z, AZelle::Pfad) + liste.Zelle(z, AZelle::Name)))
            continue;
        liste.MarkSetzen(z, true);
        if (erste == 0)
            erste = p;
    }
    liste.AktPositionSetzen(erste > 0 ? erste : 1);
    return liste.MarkiertAnzahl();
}

} // namespace rinolux
