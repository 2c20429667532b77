#pragma once

// Drives on Linux are mount points: "/" paths with a trailing "/".
//
// How to call it:
//   const QStringList l = nxLaufwerkListe();      // one-based: l[1] == "/"
//   QString fehler;
//   const qint64 frei = nxLaufwerkFreierPlatz(ziel, &fehler);   // fehler empty on success
//   if (nxLaufwerkEinhaengepunkt(a) != nxLaufwerkEinhaengepunkt(b)) ...   // another file system

#include <QString>
#include <QStringList>

namespace rinolux {

// One-based list of mount points of real local file systems, "/" first.
QStringList nxLaufwerkListe();
// One-based list of mount points of mounted network file systems (nfs, cifs, sshfs ...).
QStringList nxLaufwerkNetzFreigaben();
// Mount point of the file system holding the path (with "/"), empty for a relative path.
QString nxLaufwerkEinhaengepunkt(const QString &pfad);
// Label and file system type of the path's file system; empty for a relative path.
QString nxLaufwerkBezeichnung(const QString &pfad);
QString nxLaufwerkDateisystem(const QString &pfad);

// auswahl: 1 free for the user, 2 total, 3 used (total minus free). fehler (when given)
// is empty on success, else "Fehler: Laufwerk-Name enthält nur einen Leerstring" for an
// empty text or "Fehler: mit unbekanntem Grund"; the result is then 0.
qint64 nxLaufwerkPlatz(int auswahl, const QString &pfad, QString *fehler = nullptr);
qint64 nxLaufwerkFreierPlatz(const QString &pfad, QString *fehler = nullptr);

} // namespace rinolux
