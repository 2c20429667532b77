#include "core/util/nx_Adresse.h"

#include "core/util/PfadText.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cerrno>
#include <vector>

namespace rinolux {

namespace {

// Lets pending window events run now and then; the walks call it between entries so the
// progress display's cancel button can set the flag they test.
class Pumpe final
{
public:
    explicit Pumpe(bool an) : m_an(an && QCoreApplication::instance() != nullptr) { m_uhr.start(); }
    void laufen()
    {
        if (m_an && m_uhr.elapsed() >= 15) {
            QCoreApplication::processEvents();
            m_uhr.restart();
        }
    }

private:
    bool m_an;
    QElapsedTimer m_uhr;
};

} // namespace

// ---------------------------------------------------------------------------------------
// Path texts

AdresseTeile nxAdresseZerlegen(const QString &pfad)
{
    AdresseTeile t;
    const qsizetype b = pfad.lastIndexOf(u'/');
    t.verzeichnis = pfad.left(b + 1);
    const QStringView rest = QStringView(pfad).mid(b + 1);
    const qsizetype p = rest.lastIndexOf(u'.');
    if (p < 0) {
        t.name = rest.toString();
    } else {
        t.name = rest.left(p).toString();
        t.punkt = QStringLiteral(".");
        t.format = rest.mid(p + 1).toString();
    }
    return t;
}

QString nxAdresseVerzeichnis(const QString &pfad) { return pfad.left(pfad.lastIndexOf(u'/') + 1); }

QString nxAdresseNameFormat(const QString &pfad) { return pfad.mid(pfad.lastIndexOf(u'/') + 1); }

QString nxAdresseName(const QString &pfad) { return nxAdresseZerlegen(pfad).name; }

QString nxAdresseFormat(const QString &pfad) { return nxAdresseZerlegen(pfad).format; }

void nxAdresseVerzeichnisUndNameFormat(const QString &pfad, QString &verzeichnis, QString &nameFormat)
{
    const qsizetype b = pfad.lastIndexOf(u'/');
    verzeichnis = pfad.left(b + 1);
    nameFormat = pfad.mid(b + 1);
}

QString nxAdresseLaufwerk(const QString &pfad)
{
    return pfad.startsWith(u'/') ? QStringLiteral("/") : QString();
}

QString nxAdresseOhneEndStrich(const QString &pfad)
{
    qsizetype n = pfad.size();
    while (n > 0 && pfad.at(n - 1) == u'/')
        --n;
    return pfad.left(n);
}

QString nxAdresseMitEndStrich(const QString &pfad) { return nxAdresseOhneEndStrich(pfad) + u'/'; }

QString nxAdresseOhneVerboteneZeichen(const QString &text, bool auchRueckStrich)
{
    QString r;
    r.reserve(text.size());
    for (const QChar c : text) {
        if (AdresseVerboteneZeichen.contains(c) || (auchRueckStrich && c == u'\\'))
            continue;
        r.append(c);
    }
    return r;
}

bool nxAdresseGleich(const QString &a, const QString &b) { return pfadGleich(a, b); }

// ---------------------------------------------------------------------------------------
// Queries

bool nxAdresseVorhanden(QChar art, const QString &pfad)
{
    bool dateiDa = false;
    bool verzeichnisDa = false;
    const auto erfuellt = [&] {
        if (art == u'd')
            return dateiDa;
        if (art == u'v')
            return verzeichnisDa;
        return dateiDa || verzeichnisDa;
    };

    if (pfad.endsWith(u'*')) {
        const QString verzeichnis = nxAdresseVerzeichnis(pfad);
        if (!verzeichnis.startsWith(u'/') || pfadHatPunktTeil(verzeichnis))
            return false;
        const QString maske = nxAdresseNameFormat(pfad).toLower();
        const bool alles = maske == u"*";
        // A directory that cannot be read holds nothing that can be found in it.
        static_cast<void>(plattform::verzeichnisLesen(verzeichnis, plattform::Details::Keine,
                                                      [&](const plattform::Eintrag &e) {
            if (alles || nxAdressePasstZuMaske(e.name.toLower(), maske)) {
                if (e.art == plattform::ObjektArt::Verzeichnis)
                    verzeichnisDa = true;
                else
                    dateiDa = true;
            }
            return !erfuellt();
        }));
        return erfuellt();
    }

    const ErgebnisWert<plattform::ObjektArt> a = plattform::art(pfad);
    if (!a)
        return false;
    if (*a == plattform::ObjektArt::Verzeichnis)
        verzeichnisDa = pfad.startsWith(u'/') && !pfadHatPunktTeil(nxAdresseMitEndStrich(pfad));
    else
        dateiDa = true;
    return erfuellt();
}

bool nxAdresseIstVorhanden(const QString &pfad) { return nxAdresseVorhanden(u'o', pfad); }
bool nxAdresseIstVerzeichnis(const QString &pfad) { return nxAdresseVorhanden(u'v', pfad); }
bool nxAdresseIstDatei(const QString &pfad) { return nxAdresseVorhanden(u'd', pfad); }

bool nxAdresseBlockiert(const QString &pfad) { return plattform::blockiert(pfad); }

QString nxAdresseLang(const QString &pfad) { return pfad; }

QString nxAdresseSchreibweise(const QString &pfad)
{
    if (!pfad.startsWith(u'/'))
        return pfad;
    const bool endStrich = pfad.endsWith(u'/');
    const QStringList teile = nxAdresseOhneEndStrich(pfad).split(u'/', Qt::SkipEmptyParts);
    QString aktuell = QStringLiteral("/");
    for (const QString &teil : teile) {
        QString gefunden = teil;
        if (!plattform::vorhanden(aktuell + teil)) {
            int treffer = 0;
            QString kandidat;
            // An unreadable directory finds no other spelling: the input stays.
            static_cast<void>(plattform::verzeichnisLesen(aktuell, plattform::Details::Keine,
                                                          [&](const plattform::Eintrag &e) {
                if (e.name.compare(teil, Qt::CaseInsensitive) == 0) {
                    kandidat = e.name;
                    ++treffer;
                }
                return treffer < 2;
            }));
            // Several spellings of one name are several objects here: keep the input.
            if (treffer == 1)
                gefunden = kandidat;
        }
        aktuell += gefunden + u'/';
    }
    if (!endStrich && aktuell.size() > 1)
        aktuell.chop(1);
    return aktuell;
}

QString nxAdresseVorhandenesVerzeichnis(const QString &pfad)
{
    QString p = pfad;
    while (!p.isEmpty() && !nxAdresseIstVerzeichnis(p)) {
        const qsizetype i = p.size() >= 2 ? p.lastIndexOf(u'/', p.size() - 2) : -1;
        if (i < 0)
            return QString();
        p = p.left(i + 1);
    }
    return p.isEmpty() ? QString() : nxAdresseMitEndStrich(p);
}

qint64 nxAdresseDateiGroesse(const QString &pfad)
{
    const ErgebnisWert<plattform::Eintrag> e = plattform::objektLesen(pfad);
    if (!e || e->istVerzeichnis())
        return 0;
    return e->groesse;
}

// ---------------------------------------------------------------------------------------
// Changes

Ergebnis nxAdresseVerzeichnisHerstellen(const QString &pfad)
{
    const QString p = nxAdresseMitEndStrich(pfad);
    if (!p.startsWith(u'/') || pfadHatPunktTeil(p))
        return ErgebnisAusErrno(EINVAL, pfad);
    if (nxAdresseIstVerzeichnis(p))
        return Ergebnis::Ok();

    std::vector<QString> angelegt;
    const auto zurueck = [&](Ergebnis fehler) {
        // Only the levels made here, innermost first; removing only empty directories
        // never takes anything that someone else put into them meanwhile, and a level
        // that is not empty any more is theirs now.
        for (auto it = angelegt.rbegin(); it != angelegt.rend(); ++it)
            static_cast<void>(plattform::leeresVerzeichnisEntfernen(*it));
        return fehler;
    };
    const QStringList teile = p.split(u'/', Qt::SkipEmptyParts);
    QString aktuell;
    for (const QString &teil : teile) {
        aktuell += u'/' + teil;
        // Parents may be links to directories.
        const ErgebnisWert<plattform::ObjektArt> a = plattform::art(aktuell, plattform::Verweis::Folgen);
        if (a) {
            if (*a != plattform::ObjektArt::Verzeichnis)
                return zurueck(ErgebnisAusErrno(ENOTDIR, aktuell));
            continue;
        }
        if (a.ergebnis().fehlerNummer() != ENOENT)
            return zurueck(a.ergebnis());
        Ergebnis neu = plattform::verzeichnisAnlegen(aktuell);
        if (!neu.ok())
            return zurueck(std::move(neu));
        angelegt.push_back(aktuell);
    }
    return Ergebnis::Ok();
}

Ergebnis nxAdresseLeereDateiHerstellen(const QString &pfad)
{
    const Ergebnis v = nxAdresseVerzeichnisHerstellen(nxAdresseVerzeichnis(pfad));
    if (!v.ok())
        return v;
    return plattform::leereDateiAnlegen(pfad);
}

Ergebnis nxAdresseLoeschen(const QString &pfad, bool papierkorb)
{
    const QString p = nxAdresseOhneEndStrich(pfad);
    return papierkorb ? plattform::inPapierkorb(p) : plattform::fuerImmerLoeschen(p);
}

LeereVErgebnis nxAdresseLoeschenLeereV(const QString &start, const bool *abbruch)
{
    Pumpe pumpe(true);
    return plattform::leereVerzeichnisseLoeschen(start, [&] {
        pumpe.laufen();
        return abbruch && *abbruch;
    });
}

Ergebnis nxAdresseKopieren(const QString &quelle, const QString &ziel, bool ueberschreiben)
{
    const QString z = nxAdresseOhneEndStrich(ziel);
    const Ergebnis v = nxAdresseVerzeichnisHerstellen(nxAdresseVerzeichnis(z));
    if (!v.ok())
        return v;
    return plattform::kopieren(nxAdresseOhneEndStrich(quelle), z, ueberschreiben);
}

Ergebnis nxAdresseZeitSetzen(const QString &pfad, QChar buchstabe, const plattform::DateiZeit &zeit)
{
    return plattform::zeitSetzen(pfad, buchstabe, zeit);
}

Ergebnis nxAdresseAenderungsZeitSetzen(const QString &pfad, const plattform::DateiZeit &zeit)
{
    return nxAdresseZeitSetzen(pfad, u'a', zeit);
}

Ergebnis nxAdresseHerstellungsZeitSetzen(const QString &pfad, const plattform::DateiZeit &zeit)
{
    return nxAdresseZeitSetzen(pfad, u'h', zeit);
}

Ergebnis nxAdresseZugriffsZeitSetzen(const QString &pfad, const plattform::DateiZeit &zeit)
{
    return nxAdresseZeitSetzen(pfad, u'z', zeit);
}

// ---------------------------------------------------------------------------------------
// Listing

bool nxAdressePasstZuMaske(QStringView name, QStringView maske)
{
    // One character of the name: a surrogate pair counts as one.
    const auto schritt = [&](qsizetype i) {
        return (i + 1 < name.size() && name.at(i).isHighSurrogate() && name.at(i + 1).isLowSurrogate()) ? 2 : 1;
    };
    qsizetype i = 0, j = 0;
    qsizetype stern = -1, merke = 0;
    while (i < name.size()) {
        if (j < maske.size() && maske.at(j) == u'?') {
            i += schritt(i);
            ++j;
        } else if (j < maske.size() && maske.at(j) == u'*') {
            stern = j++;
            merke = i;
        } else if (j < maske.size() && maske.at(j) == name.at(i)) {
            ++i;
            ++j;
        } else if (stern >= 0) {
            // Back to the last "*", which now swallows one character more.
            j = stern + 1;
            merke += schritt(merke);
            i = merke;
        } else {
            return false;
        }
    }
    while (j < maske.size() && maske.at(j) == u'*')
        ++j;
    return j == maske.size();
}

namespace {

struct SuchLauf
{
    bool verzeichnisse;
    QStringList mit, ohne;
    bool rekursiv;
    qint64 max;
    const bool *abbruch;
    Pumpe pumpe;
    QStringList *pfade, *verzeichnisListe, *namen;
    qint64 anzahl = 0;

    bool halt()
    {
        pumpe.laufen();
        return anzahl >= max || (abbruch && *abbruch);
    }

    bool passt(const QString &name) const
    {
        const QString klein = name.toLower();
        bool ja = false;
        for (const QString &m : mit) {
            if (nxAdressePasstZuMaske(klein, m)) {
                ja = true;
                break;
            }
        }
        if (!ja)
            return false;
        for (const QString &m : ohne) {
            if (nxAdressePasstZuMaske(klein, m))
                return false;
        }
        return true;
    }

    bool lauf(const QString &verzeichnis)
    {
        if (halt())
            return true;
        QStringList unter;
        const Ergebnis r = plattform::verzeichnisLesen(verzeichnis, plattform::Details::Keine,
                                                       [&](const plattform::Eintrag &e) {
            if (halt())
                return false;
            const bool istV = e.art == plattform::ObjektArt::Verzeichnis;
            if (rekursiv && istV)
                unter.append(e.name);
            if (istV == verzeichnisse && passt(e.name)) {
                ++anzahl;
                if (pfade)
                    pfade->append(verzeichnis + e.name);
                if (verzeichnisListe)
                    verzeichnisListe->append(verzeichnis);
                if (namen)
                    namen->append(e.name);
            }
            return true;
        });
        for (const QString &u : unter) {
            if (halt())
                break;
            lauf(verzeichnis + u + u'/');
        }
        return r.ok();
    }
};

void einsBasiert(QStringList *liste)
{
    if (liste) {
        liste->clear();
        liste->append(QString());
    }
}

} // namespace

bool nxAdresseSuchen(QChar art, const QString &start, const QStringList &mitMasken, const QStringList &ohneMasken,
                     bool rekursiv, qint64 maxAnzahl, bool nachrichten, const bool *abbruch, QStringList *pfade,
                     QStringList *verzeichnisse, QStringList *namen)
{
    einsBasiert(pfade);
    einsBasiert(verzeichnisse);
    einsBasiert(namen);
    SuchLauf lauf{art == u'v', {}, {}, rekursiv, maxAnzahl, abbruch, Pumpe(nachrichten), pfade, verzeichnisse, namen};
    for (const QString &m : mitMasken)
        lauf.mit.append(m.toLower());
    for (const QString &m : ohneMasken)
        lauf.ohne.append(m.toLower());
    if (lauf.mit.isEmpty())
        lauf.mit.append(QStringLiteral("*"));
    return lauf.lauf(nxAdresseMitEndStrich(nxAdresseSchreibweise(start)));
}

bool nxAdresseVerzeichnisseSuchen(const QString &start, const QStringList &mitMasken, const QStringList &ohneMasken,
                                  bool rekursiv, qint64 maxAnzahl, bool nachrichten, const bool *abbruch,
                                  QStringList *pfade, QStringList *verzeichnisse, QStringList *namen)
{
    return nxAdresseSuchen(u'v', start, mitMasken, ohneMasken, rekursiv, maxAnzahl, nachrichten, abbruch, pfade,
                           verzeichnisse, namen);
}

bool nxAdresseDateienSuchen(const QString &start, const QStringList &mitMasken, const QStringList &ohneMasken,
                            bool rekursiv, qint64 maxAnzahl, bool nachrichten, const bool *abbruch, QStringList *pfade,
                            QStringList *verzeichnisse, QStringList *namen)
{
    return nxAdresseSuchen(u'd', start, mitMasken, ohneMasken, rekursiv, maxAnzahl, nachrichten, abbruch, pfade,
                           verzeichnisse, namen);
}

} // namespace rinolux
