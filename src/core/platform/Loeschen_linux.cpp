// Deleting: for ever, into the trash, and the empty directories below a start.

#include "core/platform/PlattformIntern_linux.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace rinolux::plattform {

using namespace intern;

namespace {

// Deletes name below the open directory, never following links; 0 or errno.
int baumLoeschen(int elternFd, const char *name)
{
    struct stat st;
    if (::fstatat(elternFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    if (!S_ISDIR(st.st_mode))
        return ::unlinkat(elternFd, name, 0) == 0 ? 0 : errno;
    // A read-only directory of our own is deleted like any other, as a read-only
    // file is: it only needs its owner's rights back first. When that fails, opening
    // or emptying it says why.
    if (st.st_uid == ::geteuid() && (st.st_mode & S_IRWXU) != S_IRWXU)
        static_cast<void>(::fchmodat(elternFd, name, (st.st_mode | S_IRWXU) & 07777, 0));
    int fehler = 0;
    const VerzeichnisStrom d = VerzeichnisStrom::oeffnen(elternFd, name, true, fehler);
    if (!d.offen())
        return fehler;
    int innen = 0;
    fehler = eintraegeLesen(d, [&](const dirent &de) {
        innen = baumLoeschen(d.fd(), de.d_name);
        return innen == 0;
    });
    if (innen != 0)
        return innen;
    if (fehler != 0)
        return fehler;
    return ::unlinkat(elternFd, name, AT_REMOVEDIR) == 0 ? 0 : errno;
}

} // namespace

namespace intern {

bool istErwartet(const struct stat &st, const Identitaet &erwartet)
{
    return !erwartet.gueltig()
           || (static_cast<quint64>(st.st_dev) == erwartet.geraet && static_cast<quint64>(st.st_ino) == erwartet.inode);
}

Ergebnis ersetztFehler(const QString &pfad)
{
    return Ergebnis::Fehler(0, nameAnzeige(pfad)
                                   + QStringLiteral(": das Objekt wurde seit dem Auflisten ersetzt; bitte neu auflisten"));
}

Ergebnis loeschenIntern(const QString &p, const Identitaet &erwartet)
{
    if (p == u"/" || p.isEmpty() || !p.startsWith(u'/'))
        return ErgebnisAusErrno(EINVAL, p);
    const Fd elternFd(::open(nativ(pfadEltern(p)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!elternFd.offen())
        return ErgebnisAusErrno(errno, p);
    const QByteArray name = nativ(pfadName(p));
    if (erwartet.gueltig()) {
        struct stat st;
        if (::fstatat(elternFd.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return ErgebnisAusErrno(errno, p);
        if (!istErwartet(st, erwartet))
            return ersetztFehler(p);
    }
    const int fehler = baumLoeschen(elternFd.get(), name.constData());
    return fehler == 0 ? Ergebnis::Ok() : ErgebnisAusErrno(fehler, p);
}

Ergebnis nichtAufgeraeumtFehler(const QString &pfad)
{
    return Ergebnis::Fehler(EINVAL, nameAnzeige(pfad)
                                        + QStringLiteral(": Pfad mit \".\", \"..\" oder leerem Teil wird nicht "
                                                         "gelöscht; bitte den vollständigen Pfad angeben"));
}

} // namespace intern

Ergebnis fuerImmerLoeschen(const QString &pfad, const Identitaet &erwartet)
{
    if (!pfadAufgeraeumt(pfad))
        return nichtAufgeraeumtFehler(pfad);
    const QString p = pfadOhneEnde(pfad);
    Ergebnis r = loeschenIntern(p, erwartet);
    if (r.ok())
        nachtragMelden(p, versteckteZeileEntfernen(p));
    return r;
}

Ergebnis inPapierkorb(const QString &pfad, const Identitaet &erwartet)
{
    if (!pfadAufgeraeumt(pfad) || pfad == u"/")
        return nichtAufgeraeumtFehler(pfad);
    const QString p = pfadOhneEnde(pfad);
    struct stat st;
    if (::lstat(nativ(p).constData(), &st) != 0)
        return ErgebnisAusErrno(errno, pfad);
    if (!istErwartet(st, erwartet))
        return ersetztFehler(pfad);

    // Qt puts the trash below the data directory only when that exists; otherwise it
    // would use the working directory. So the home trash must exist before we ask.
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString papierkorb = daten + QStringLiteral("/Trash");
    if (daten.isEmpty() || !QDir().mkpath(daten) || !QFileInfo(daten).isDir())
        return Ergebnis::Fehler(0, QStringLiteral("Papierkorb nicht verfügbar: ") + daten);
    // Made here when missing; whether it is usable is checked right after.
    if (!QFileInfo(papierkorb).exists())
        static_cast<void>(::mkdir(nativ(papierkorb).constData(), 0700));
    if (!QFileInfo(papierkorb).isDir())
        return Ergebnis::Fehler(0, QStringLiteral("Papierkorb nicht verfügbar: ") + papierkorb);

    // Qt's trash takes the name as UTF-8 text: undecodable bytes would reach another name.
    if (nameHatFremdeBytes(p))
        return Ergebnis::Fehler(0, nameAnzeige(pfad)
                                       + QStringLiteral(": Papierkorb: der Name enthält ungültige Zeichen, bitte "
                                                        "zuerst umbenennen"));
    QFile f(p);
    if (!f.moveToTrash())
        // Qt's reason is English text: say in German what the user can do instead.
        return Ergebnis::Fehler(0, nameAnzeige(pfad) + QStringLiteral(": Der Papierkorb kann das Objekt nicht "
                                                                     "aufnehmen (vielleicht liegt es auf einem anderen "
                                                                     "Laufwerk oder es fehlen Rechte). Es ist "
                                                                     "unverändert geblieben."));
    if (vorhanden(p))
        return Ergebnis::Fehler(0, pfad + QStringLiteral(": Papierkorb: Objekt ist noch vorhanden"));
    nachtragMelden(p, versteckteZeileEntfernen(p));
    return Ergebnis::Ok();
}

namespace {

struct LeereVLauf
{
    const std::function<bool()> &abbrechen;
    LeereVErgebnis ergebnis;

    bool abgebrochen() const { return abbrechen && abbrechen(); }

    // Walks the open directory; true when it is empty afterwards.
    bool leerNachLauf(const VerzeichnisStrom &d)
    {
        if (abgebrochen())
            return false;
        bool leer = true;
        const int fehler = eintraegeLesen(d, [&](const dirent &de) {
            if (abgebrochen()) {
                leer = false;
                return false;
            }
            ObjektArt art = ObjektArt::Sonstiges;
            if (!eintragArt(d.fd(), de, art) || art != ObjektArt::Verzeichnis) {
                leer = false; // files, links and the rest always stay
                return true;
            }
            int f = 0;
            const VerzeichnisStrom unter = VerzeichnisStrom::oeffnen(d.fd(), de.d_name, true, f);
            if (!unter.offen() || !leerNachLauf(unter)) {
                leer = false; // unlistable or not empty
                return true;
            }
            if (::unlinkat(d.fd(), de.d_name, AT_REMOVEDIR) == 0) {
                ++ergebnis.geloescht;
            } else {
                ++ergebnis.nichtGeloescht;
                leer = false;
            }
            return true;
        });
        return leer && fehler == 0;
    }
};

} // namespace

LeereVErgebnis leereVerzeichnisseLoeschen(const QString &start, const std::function<bool()> &abbrechen)
{
    LeereVLauf lauf{abbrechen, LeereVErgebnis{}};
    int fehler = 0;
    const VerzeichnisStrom d = VerzeichnisStrom::oeffnen(AT_FDCWD, nativ(start).constData(), false, fehler);
    if (d.offen())
        static_cast<void>(lauf.leerNachLauf(d)); // start itself stays, empty or not
    return lauf.ergebnis;
}

} // namespace rinolux::plattform
