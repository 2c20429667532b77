#include "core/util/nx_Adresse.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rinolux {

namespace {

bool hatPunktKomponente(const QString &mitEndStrich)
{
    return mitEndStrich.contains(QStringLiteral("/./")) || mitEndStrich.contains(QStringLiteral("/../"))
        || mitEndStrich.startsWith(QStringLiteral("./")) || mitEndStrich.startsWith(QStringLiteral("../"));
}

// The path for a system call: trailing "/" removed, the root kept.
QByteArray nativOhneEnde(const QString &pfad)
{
    QString p = nxAdresseOhneEndStrich(pfad);
    if (p.isEmpty() && pfad.startsWith(u'/'))
        p = QStringLiteral("/");
    return QFile::encodeName(p);
}

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

bool nxAdresseGleich(const QString &a, const QString &b) { return a == b; }

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
        if (!verzeichnis.startsWith(u'/') || hatPunktKomponente(verzeichnis))
            return false;
        const QString maske = nxAdresseNameFormat(pfad).toLower();
        const bool alles = maske == u"*";
        plattform::verzeichnisLesen(verzeichnis, plattform::Details::Keine, [&](const plattform::Eintrag &e) {
            if (alles || nxAdressePasstZuMaske(e.name.toLower(), maske)) {
                if (e.art == plattform::ObjektArt::Verzeichnis)
                    verzeichnisDa = true;
                else
                    dateiDa = true;
            }
            return !erfuellt();
        });
        return erfuellt();
    }

    struct stat st;
    if (::lstat(nativOhneEnde(pfad).constData(), &st) != 0)
        return false;
    if (S_ISDIR(st.st_mode))
        verzeichnisDa = pfad.startsWith(u'/') && !hatPunktKomponente(nxAdresseMitEndStrich(pfad));
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
        struct stat st;
        if (::lstat(QFile::encodeName(aktuell + teil).constData(), &st) != 0) {
            int treffer = 0;
            QString kandidat;
            plattform::verzeichnisLesen(aktuell, plattform::Details::Keine, [&](const plattform::Eintrag &e) {
                if (e.name.compare(teil, Qt::CaseInsensitive) == 0) {
                    kandidat = e.name;
                    ++treffer;
                }
                return treffer < 2;
            });
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
    struct stat st;
    if (::lstat(nativOhneEnde(pfad).constData(), &st) != 0 || S_ISDIR(st.st_mode))
        return 0;
    return static_cast<qint64>(st.st_size);
}

// ---------------------------------------------------------------------------------------
// Changes

Ergebnis nxAdresseVerzeichnisHerstellen(const QString &pfad)
{
    const QString p = nxAdresseMitEndStrich(pfad);
    if (!p.startsWith(u'/') || hatPunktKomponente(p))
        return ErgebnisAusErrno(EINVAL, pfad);
    if (nxAdresseIstVerzeichnis(p))
        return Ergebnis::Ok();

    std::vector<QByteArray> angelegt;
    const auto zurueck = [&](int fehler, const QString &wo) {
        // Only the levels made here, innermost first; rmdir never removes anything that
        // someone else put into them meanwhile.
        for (auto it = angelegt.rbegin(); it != angelegt.rend(); ++it)
            ::rmdir(it->constData());
        return ErgebnisAusErrno(fehler, wo);
    };
    const QStringList teile = p.split(u'/', Qt::SkipEmptyParts);
    QString aktuell;
    for (const QString &teil : teile) {
        aktuell += u'/' + teil;
        const QByteArray n = QFile::encodeName(aktuell);
        struct stat st;
        if (::stat(n.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return zurueck(ENOTDIR, aktuell);
            continue;
        }
        if (errno != ENOENT)
            return zurueck(errno, aktuell);
        if (::mkdir(n.constData(), 0777) != 0)
            return zurueck(errno, aktuell);
        angelegt.push_back(n);
    }
    return Ergebnis::Ok();
}

Ergebnis nxAdresseLeereDateiHerstellen(const QString &pfad)
{
    const Ergebnis v = nxAdresseVerzeichnisHerstellen(nxAdresseVerzeichnis(pfad));
    if (!v.ok())
        return v;
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return ErgebnisAusErrno(errno, pfad);
    if (::close(fd) != 0)
        return ErgebnisAusErrno(errno, pfad);
    return Ergebnis::Ok();
}

Ergebnis nxAdresseLoeschen(const QString &pfad, bool papierkorb)
{
    const QString p = nxAdresseOhneEndStrich(pfad);
    return papierkorb ? plattform::inPapierkorb(p) : plattform::fuerImmerLoeschen(p);
}

namespace {

struct LeereVLauf
{
    const bool *abbruch;
    Pumpe pumpe{true};
    LeereVErgebnis ergebnis;

    bool abgebrochen()
    {
        pumpe.laufen();
        return abbruch && *abbruch;
    }

    // Walks the open directory (takes the descriptor); true when it is empty afterwards.
    bool leerNachLauf(int fd)
    {
        if (abgebrochen()) {
            ::close(fd);
            return false;
        }
        DIR *d = ::fdopendir(fd);
        if (!d) {
            ::close(fd);
            return false;
        }
        bool leer = true;
        for (;;) {
            if (abgebrochen()) {
                leer = false;
                break;
            }
            errno = 0;
            const dirent *de = ::readdir(d);
            if (!de) {
                if (errno != 0)
                    leer = false;
                break;
            }
            const char *n = de->d_name;
            if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
                continue;
            bool istVerzeichnis = de->d_type == DT_DIR;
            if (de->d_type == DT_UNKNOWN) {
                struct stat st;
                istVerzeichnis = ::fstatat(::dirfd(d), n, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
            }
            if (!istVerzeichnis) {
                leer = false; // files, links and the rest always stay
                continue;
            }
            const int unter = ::openat(::dirfd(d), n, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (unter < 0 || !leerNachLauf(unter)) {
                leer = false; // unlistable or not empty
                continue;
            }
            if (::unlinkat(::dirfd(d), n, AT_REMOVEDIR) == 0) {
                ++ergebnis.geloescht;
            } else {
                ++ergebnis.nichtGeloescht;
                leer = false;
            }
        }
        ::closedir(d);
        return leer;
    }
};

} // namespace

LeereVErgebnis nxAdresseLoeschenLeereV(const QString &start, const bool *abbruch)
{
    LeereVLauf lauf{abbruch, Pumpe(true), LeereVErgebnis{}};
    const int fd = ::open(nativOhneEnde(start).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
        lauf.leerNachLauf(fd);
    return lauf.ergebnis;
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
