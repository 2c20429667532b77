#pragma once

// Files the program writes piece by piece (the undo file) and files it replaces as a whole
// without ever leaving a half-written one, written straight through the system so that
// every write and sync is checked.
//
//   auto datei = plattform::SchreibDatei::exklusivAnlegen(pfad);   // fails when pfad exists
//   if (!datei) return datei.ergebnis();
//   (*datei)->schreiben(bytes); (*datei)->synchronisieren(); (*datei)->schliessen();
//   plattform::dateiErsetzen(pfad, bytes);                          // temporary file + rename

#include "core/util/Ergebnis.h"

#include <QByteArrayView>
#include <QString>

#include <memory>

namespace rinolux::plattform {

class SchreibDatei final
{
public:
    // Creates pfad exclusively (O_EXCL: never over an existing file or a link).
    static ErgebnisWert<std::unique_ptr<SchreibDatei>> exklusivAnlegen(const QString &pfad);

    ~SchreibDatei(); // syncs and closes without reporting; call schliessen to know
    SchreibDatei(const SchreibDatei &) = delete;
    SchreibDatei &operator=(const SchreibDatei &) = delete;

    // All bytes or a failure (a short write is retried, never taken as done).
    Ergebnis schreiben(QByteArrayView bytes);
    // fsync: what was written survives a power cut.
    Ergebnis synchronisieren();
    // Syncs and closes; later calls fail.
    Ergebnis schliessen();
    const QString &pfad() const { return m_pfad; }

private:
    SchreibDatei(int fd, QString pfad) : m_fd(fd), m_pfad(std::move(pfad)) {}
    int m_fd;
    QString m_pfad;
};

// Replaces (or creates) the file pfad by bytes atomically: a temporary file in the same
// directory is written and synced, then renamed over pfad. On failure pfad is unchanged
// and the temporary file removed.
Ergebnis dateiErsetzen(const QString &pfad, QByteArrayView bytes);

// Removes one file (never a directory); a missing file is a failure with ENOENT.
Ergebnis dateiLoeschen(const QString &pfad);

} // namespace rinolux::plattform
