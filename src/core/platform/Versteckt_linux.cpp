// The ".hidden" list of a directory: the names its file managers show as hidden, one
// per line. This file is its only reader and writer.

#include "core/platform/PlattformIntern_linux.h"

#include <QList>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace rinolux::plattform::intern {

namespace {

constexpr qsizetype kGroesstes = 16 << 20; // a ".hidden" of that size is not one

QByteArray dateiName(const QString &verzeichnis)
{
    return verbinden(nativ(verzeichnis), ".hidden");
}

// The lines of the list (CR LF or LF, empty lines left out). A missing file is an empty
// list; name is below dirFd, or a whole path with AT_FDCWD.
ErgebnisWert<QList<QByteArray>> zeilenLesen(int dirFd, const char *name, const QString &fuerText)
{
    Fd fd(::openat(dirFd, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (!fd.offen()) {
        if (errno == ENOENT)
            return QList<QByteArray>();
        return ErgebnisAusErrno(errno, fuerText);
    }
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
            break;
    }
    QList<QByteArray> zeilen;
    for (const QByteArray &zeile : inhalt.split('\n')) {
        QByteArray z = zeile;
        if (z.endsWith('\r'))
            z.chop(1);
        if (!z.isEmpty())
            zeilen.append(z);
    }
    return zeilen;
}

QSet<QString> namenAus(const ErgebnisWert<QList<QByteArray>> &zeilen)
{
    // An unreadable list hides nothing: the objects themselves are still there to show.
    QSet<QString> namen;
    for (const QByteArray &z : zeilen.wertOder({}))
        namen.insert(ausNativ(z));
    return namen;
}

} // namespace

QSet<QString> versteckteNamen(int verzeichnisFd)
{
    return namenAus(zeilenLesen(verzeichnisFd, ".hidden", QStringLiteral(".hidden")));
}

QSet<QString> versteckteNamen(const QString &verzeichnis)
{
    const QByteArray datei = dateiName(verzeichnis);
    return namenAus(zeilenLesen(AT_FDCWD, datei.constData(), ausNativ(datei)));
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
    const QByteArray nDatei = dateiName(verzeichnis);
    const QString datei = ausNativ(nDatei);
    ErgebnisWert<QList<QByteArray>> gelesen = zeilenLesen(AT_FDCWD, nDatei.constData(), datei);
    if (!gelesen)
        return gelesen.ergebnis();
    QList<QByteArray> &zeilen = *gelesen;
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
        if (::unlink(nDatei.constData()) != 0 && errno != ENOENT)
            return ErgebnisAusErrno(errno, datei);
        return Ergebnis::Ok();
    }
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        return Ergebnis::Fehler(0, datei + QStringLiteral(": ") + f.errorString());
    for (const QByteArray &z : zeilen) {
        f.write(z);
        f.write("\n", 1);
    }
    if (!f.commit())
        return Ergebnis::Fehler(0, datei + QStringLiteral(": ") + f.errorString());
    return Ergebnis::Ok();
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
