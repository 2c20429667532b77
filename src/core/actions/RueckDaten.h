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
#include <optional>
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

// File name part in front of the undo number, and the first line of every undo file.
inline const QString kRueckDateiVorsatz = QStringLiteral("Rinol_Rück805_");
inline const QString kRueckWarnZeile = QStringLiteral("Warnung: Änderungen in dieser Datei können zu Fehlern führen!");
inline constexpr int kRueckNummerVersuche = 500;
inline constexpr int kRueckMaxGrenze = 100;
// Largest undo file read: far above what 500,000 records need, so a hostile or broken
// file cannot fill the memory. Longer lines than kRueckZeilenGrenze are no record.
inline constexpr qint64 kRueckLeseGrenze = qint64(512) * 1024 * 1024;
inline constexpr qsizetype kRueckZeilenGrenze = 16 * 1024;

// The undo number of a file name "Rinol_Rück805_" + ten letters or digits + ".cfg".
std::optional<QString> RueckNummerAusDateiName(const QString &name);

// One record as read back. In the first section wert is the value to go back to; in the
// second section (zweiter) nummer names the first-section record it completes, name is
// the final name and wert the temporary one.
struct RueckSatz
{
    QString verzeichnis;
    QString name;
    QString wert;
    bool istVerzeichnis = false;
    bool zweiter = false;
    qint64 nummer = 0;
};

// Everything an undo file holds, read defensively: records that cannot be read or would
// name something other than one object in one absolute directory are left out and
// counted in fehlerhaft.
struct RueckDateiInhalt
{
    QString zeit;
    int code = 0;
    QString beschreibung;
    std::vector<RueckSatz> saetze;   // both sections in file order
    qint64 ersteAnzahl = 0;          // readable first-section records
    qint64 fehlerhaft = 0;           // records skipped
    bool vollstaendig = false;       // ":::" and the three counts were read
    qint64 anzahl = 0, anzahl2 = 0, fehler = -1; // the closing counts when vollstaendig
};

// Reads an undo file (at most kRueckLeseGrenze bytes). Fails when the file cannot be read
// or its line 2 has fewer than three fields or no known undo code.
ErgebnisWert<RueckDateiInhalt> RueckDateiLesen(const QString &pfad);

// The undo codes that files may carry: 301..305, 309, 310.
bool RueckCodeBekannt(int code);
// The cell of the detail list that shows the value to go back to for the code (4..7),
// 0 for an unknown code.
int RueckWertZelle(int code);

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
    // Deletes entry i (from 1) and its file; an i out of range changes nothing.
    void IniListeRueck_EinenLoeschen(int i);
    // Entry i (from 1) now describes the rewritten file (counts changed).
    void EintragErsetzen(int i, const RueckIndexEintrag &eintrag);

    int anzahl() const { return int(m_eintraege.size()); }
    const RueckIndexEintrag &eintrag(int i) const { return m_eintraege[size_t(i - 1)]; } // from 1
    QString dateiPfad(const QString &nummer) const;

private:
    QString m_verzeichnis;
    std::vector<RueckIndexEintrag> m_eintraege;
};

} // namespace rinolux
