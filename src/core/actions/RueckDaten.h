#pragma once

// Undo files and the undo index. One file per carried-out action in the data directory
// ("Rinol_Rück805_" + ten-digit number + ".cfg"); the index mirrors those files from
// start-up to shutdown.
//
//   RueckIndex index(ProgPfad);
//   index.IniListeRueck_Lesen();
//   auto nr = index.Aktion_NeueRueckDateiNr();            // refused when no number is free
//   auto datei = RueckDateiAnlegen(index.dateiPfad(*nr), 301, beschreibung);
//   (*datei)->satz(verzeichnis, neuerName, alterName, istVerzeichnis); ...
//   (*datei)->schliessen(erste, zweite, fehler);
//   index.IniListeRueck_EinenAnhaengen(...);

#include "core/util/Ergebnis.h"

#include <QString>

#include <memory>
#include <vector>

namespace rinolux {

// Receives the records of one run as the work goes on. The carry-out code writes through
// this interface only, so tests can put a recorder or a failing writer in its place. A
// failed call means the run must stop before its next change.
class RueckSchreiber
{
public:
    virtual ~RueckSchreiber() = default;
    // A record of the first section. verzeichnis ends with "/"; wert is the value to go
    // back to (old name, attributes as decimal text, time text, or "-").
    virtual Ergebnis satz(const QString &verzeichnis, const QString &name, const QString &wert, bool istVerzeichnis) = 0;
    // The line "::": numbered records follow (renames through temporary names).
    virtual Ergebnis zweiterAbschnitt() = 0;
    // A record of the second section, completing first-section record `nummer` (from 1):
    // name is the final name, wert the temporary one.
    virtual Ergebnis abschluss(qint64 nummer, const QString &verzeichnis, const QString &name, const QString &wert,
                               bool istVerzeichnis) = 0;
    // ":::" and the three counts; the file is synced and closed.
    virtual Ergebnis schliessen(qint64 erste, qint64 zweite, qint64 fehler) = 0;
};

// Creates the undo file exclusively (never over an existing file) and writes its first two
// lines. Every record is handed to the system when complete; the file is synced at least
// once a second and when closed.
ErgebnisWert<std::unique_ptr<RueckSchreiber>> RueckDateiAnlegen(const QString &pfad, int rueckCode,
                                                               const QString &beschreibung);

// One entry of the undo index (one undo file).
struct RueckIndexEintrag
{
    QString zeit;         // time text of line 2
    int code = 0;         // undo code 301..310
    QString beschreibung;
    qint64 anzahl = 0;    // records of the first section
    qint64 anzahl2 = 0;   // records of the second section
    qint64 fehler = 0;    // failures; -1: the file has no closing lines
    QString nummer;       // ten characters
};

class RueckIndex final
{
public:
    // verzeichnis: the data directory (ProgPfad), with trailing "/".
    explicit RueckIndex(QString verzeichnis);

    // Builds the index from the files of the data directory, oldest first.
    void IniListeRueck_Lesen();
    // The number for a new undo file; fails when 500 numbers in a row are taken.
    ErgebnisWert<QString> Aktion_NeueRueckDateiNr() const;
    // Appends an entry stamped with the current time; with trimmen, deletes the oldest files
    // beyond maxRueck.
    void IniListeRueck_EinenAnhaengen(const QString &nummer, int code, const QString &beschreibung, bool trimmen,
                                      int maxRueck, qint64 fehler, qint64 anzahl2, qint64 anzahl);
    // Deletes entry i (from 1) and its file.
    void IniListeRueck_EinenLoeschen(int i);

    int anzahl() const { return int(m_eintraege.size()); }
    const RueckIndexEintrag &eintrag(int i) const { return m_eintraege[size_t(i - 1)]; } // from 1
    QString dateiPfad(const QString &nummer) const;

private:
    QString m_verzeichnis;
    std::vector<RueckIndexEintrag> m_eintraege;
};

} // namespace rinolux
