// The ".hidden" list of a directory: the names its file managers show as hidden, one
// per line. This file is its only reader and writer.

#include "core/platform/PlattformIntern_linux.h"

#include <QList>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace rinolux::plattform::intern {

namespace {

constexpr qsizetype kGroesstes = 16 << 20; // a ".hidden" of that size is not one

// The list file as it was read: its lines and, when it exists, which object it was.
struct Liste
{
    QList<QByteArray> zeilen;
    bool da = false;
    struct stat st = {};
};

Ergebnis keineDatei(const QString &fuerText)
{
    return Ergebnis::Fehler(EINVAL, nameAnzeige(fuerText) + QStringLiteral(": ist keine gewöhnliche Datei; bitte "
                                                                            "entfernen oder umbenennen"));
}

// Reads the list below dirFd: never through a link, never from anything but a regular
// file (a FIFO would block, a device would never end). A missing file is an empty list.
ErgebnisWert<Liste> listeLesen(int dirFd, const QString &fuerText)
{
    Liste liste;
    const Fd fd(::openat(dirFd, ".hidden", O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    if (!fd.offen()) {
        if (errno == ENOENT)
            return liste;
        if (errno == ELOOP)
            return keineDatei(fuerText);
        return ErgebnisAusErrno(errno, fuerText);
    }
    if (::fstat(fd.get(), &liste.st) != 0)
        return ErgebnisAusErrno(errno, fuerText);
    if (!S_ISREG(liste.st.st_mode))
        return keineDatei(fuerText);
    liste.da = true;
    QByteArray inhalt;
    char puffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd.get(), puffer, sizeof puffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ErgebnisAusErrno(errno, fuerText);
        if (n == 0)
            break;
        inhalt.append(puffer, n);
        if (inhalt.size() > kGroesstes)
            return Ergebnis::Fehler(EFBIG, nameAnzeige(fuerText) + QStringLiteral(": Datei zu groß"));
    }
    for (const QByteArray &zeile : inhalt.split('\n')) {
        QByteArray z = zeile;
        if (z.endsWith('\r'))
            z.chop(1);
        if (!z.isEmpty())
            liste.zeilen.append(z);
    }
    return liste;
}

QSet<QString> namenAus(const ErgebnisWert<Liste> &liste)
{
    // An unreadable list hides nothing: the objects themselves are still there to show.
    QSet<QString> namen;
    if (liste)
        for (const QByteArray &z : liste->zeilen)
            namen.insert(ausNativ(z));
    return namen;
}

QString dateiText(const QString &verzeichnis)
{
    return (verzeichnis == u"/" ? QString() : pfadOhneEnde(verzeichnis)) + QStringLiteral("/.hidden");
}

// Writes the lines to a new temporary file beside the list and puts it in place, so the
// list is never half-written and never written through a link.
Ergebnis listeSchreiben(int dirFd, const Liste &alt, const QList<QByteArray> &zeilen, const QString &fuerText)
{
    const mode_t modus = alt.da ? (alt.st.st_mode & 07777) : 0644;
    QByteArray temp;
    Fd fd;
    for (int versuch = 0; versuch < 100 && !fd.offen(); ++versuch) {
        temp = ".hidden.rinolux-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(versuch);
        fd = Fd(::openat(dirFd, temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modus));
        if (!fd.offen() && errno != EEXIST)
            return ErgebnisAusErrno(errno, fuerText);
    }
    if (!fd.offen())
        return ErgebnisAusErrno(EEXIST, fuerText);
    QByteArray inhalt;
    for (const QByteArray &z : zeilen)
        inhalt += z + '\n';
    int fehler = 0;
    for (qsizetype geschrieben = 0; geschrieben < inhalt.size() && fehler == 0;) {
        const ssize_t n = ::write(fd.get(), inhalt.constData() + geschrieben, size_t(inhalt.size() - geschrieben));
        if (n < 0 && errno != EINTR)
            fehler = errno;
        else if (n > 0)
            geschrieben += n;
    }
    if (fehler == 0 && ::fsync(fd.get()) != 0)
        fehler = errno;
    if (const int f = fd.schliessen(); fehler == 0)
        fehler = f;
    // The temporary file is ours: made exclusively just above.
    if (fehler == 0 && ::renameat(dirFd, temp.constData(), dirFd, ".hidden") != 0)
        fehler = errno; // replacing the list read above is the point (ueberschreiben of ".hidden" only)
    if (fehler != 0) {
        static_cast<void>(::unlinkat(dirFd, temp.constData(), 0)); // ours; the list stays as it was
        return ErgebnisAusErrno(fehler, fuerText);
    }
    return Ergebnis::Ok();
}

} // namespace

QSet<QString> versteckteNamen(int verzeichnisFd)
{
    return namenAus(listeLesen(verzeichnisFd, QStringLiteral(".hidden")));
}

QSet<QString> versteckteNamen(const QString &verzeichnis)
{
    // Most directories have no list: one lstat says so, where opening the directory would
    // take three calls for every renamed name.
    struct stat st;
    if (::lstat(nativ(dateiText(verzeichnis)).constData(), &st) != 0 && errno == ENOENT)
        return {};
    const Fd fd(::open(nativ(verzeichnis).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.offen())
        return {};
    return namenAus(listeLesen(fd.get(), dateiText(verzeichnis)));
}

bool istVersteckt(const QString &pfadOhneEnde)
{
    const QString name = pfadName(pfadOhneEnde);
    if (name.startsWith(u'.'))
        return true;
    return versteckteNamen(pfadEltern(pfadOhneEnde)).contains(name);
}

Ergebnis versteckteListeAendern(const QString &verzeichnis, const QString &entfernen, const QString &hinzufuegen)
{
    const QString datei = dateiText(verzeichnis);
    // The list is one name a line: a name with a line break would hide other names.
    if (hinzufuegen.contains(u'\n') || hinzufuegen.contains(u'\r'))
        return Ergebnis::Fehler(EINVAL, nameAnzeige(hinzufuegen)
                                            + QStringLiteral(": ein Name mit Zeilenumbruch kann nicht versteckt "
                                                             "werden; bitte zuerst umbenennen"));
    const Fd dirFd(::open(nativ(verzeichnis).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dirFd.offen())
        return ErgebnisAusErrno(errno, verzeichnis);
    const ErgebnisWert<Liste> gelesen = listeLesen(dirFd.get(), datei);
    if (!gelesen)
        return gelesen.ergebnis();
    QList<QByteArray> zeilen = gelesen->zeilen;
    const qsizetype vorher = zeilen.size();
    if (!entfernen.isEmpty())
        zeilen.removeAll(nativ(entfernen));
    bool geaendert = zeilen.size() != vorher;
    const QByteArray neu = nativ(hinzufuegen);
    if (!hinzufuegen.isEmpty() && !zeilen.contains(neu)) {
        zeilen.append(neu);
        geaendert = true;
    }
    if (!geaendert)
        return Ergebnis::Ok();
    if (zeilen.isEmpty()) {
        // The emptied list goes, but only the very file that was read.
        struct stat st;
        if (::fstatat(dirFd.get(), ".hidden", &st, AT_SYMLINK_NOFOLLOW) != 0)
            return errno == ENOENT ? Ergebnis::Ok() : ErgebnisAusErrno(errno, datei);
        if (st.st_dev != gelesen->st.st_dev || st.st_ino != gelesen->st.st_ino)
            return Ergebnis::Fehler(0, datei + QStringLiteral(": wurde inzwischen ersetzt; bitte noch einmal versuchen"));
        if (::unlinkat(dirFd.get(), ".hidden", 0) != 0 && errno != ENOENT)
            return ErgebnisAusErrno(errno, datei);
        return Ergebnis::Ok();
    }
    return listeSchreiben(dirFd.get(), *gelesen, zeilen, datei);
}

Ergebnis versteckteMitnehmen(const QString &alt, const QString &neu)
{
    const QString altV = pfadEltern(alt), altN = pfadName(alt);
    if (altN.startsWith(u'.') || !versteckteNamen(altV).contains(altN))
        return Ergebnis::Ok();
    const QString neuV = pfadEltern(neu), neuN = pfadName(neu);
    if (altV == neuV)
        return versteckteListeAendern(altV, altN, neuN.startsWith(u'.') ? QString() : neuN);
    if (!neuN.startsWith(u'.')) {
        const Ergebnis r = versteckteListeAendern(neuV, QString(), neuN);
        if (!r.ok())
            return r;
    }
    return versteckteListeAendern(altV, altN, QString());
}

Ergebnis versteckteZeileEntfernen(const QString &pfadOhneEnde)
{
    const QString name = pfadName(pfadOhneEnde);
    if (name.startsWith(u'.') || !versteckteNamen(pfadEltern(pfadOhneEnde)).contains(name))
        return Ergebnis::Ok();
    return versteckteListeAendern(pfadEltern(pfadOhneEnde), name, QString());
}

} // namespace rinolux::plattform::intern
