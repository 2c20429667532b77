#pragma once

// The work of one creation row of the Herstellen actions, as plain data: the carry-out
// routine decides which rows run and counts them; this makes one object (or one joined
// file), never over an existing one, and records it for the undo (code 309). The undo of
// such a record removes the object only while it is still what was made.
//
//   HerstellAuftrag a;
//   a.art = HerstellArt::Teil; a.quelle = q; a.zielVerz = v; a.zielName = n;
//   a.teilNummer = k; a.teileAnzahl = anzahl; a.quellGroesse = groesse;   // read once per run
//   const HerstellStand s = Aktion_HerstellenEinzeln(a, rueck, HerstellFortschritt(fort, k, anzahl, teil));
//   if (s.abgebrochen || s.rueckFehler) stop; else if (!s.ok) count a failure;
//   ... after all parts: TeilenSkriptSchreiben(v, teilNamen, quellName) when asked for.

#include "core/actions/RueckDaten.h"
#include "core/engine/RegelCode.h"
#include "core/platform/Plattform.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace rinolux {

class Fortschritt;

enum class HerstellArt {
    Kopie,       // 251-254, 271-274: a copy; a directory source gives an empty directory
    Verzeichnis, // 291-294: an empty directory
    Datei,       // 281-284: an empty file
    Teil,        // 261-264: one part of a file
    Verbunden,   // 249, 250: one file joined from several
};
std::optional<HerstellArt> HerstellArtVonCode(AktionsCode code);

// Size of every part but the last when groesse bytes are split into anzahl parts: the
// remainder goes into the last part (10 bytes into 3: 4, 4, 2). 0 for an empty file;
// anzahl below 1 counts as 1.
qint64 TeilGroesse(qint64 groesse, qint64 anzahl);

struct HerstellAuftrag
{
    HerstellArt art = HerstellArt::Datei;
    QString quelle;   // Kopie, Teil: full path of the source
    QString zielVerz; // absolute, trailing "/"; created with its parents when missing
    QString zielName;
    qint64 teilNummer = 0; // Teil: k of 1..teileAnzahl
    qint64 teileAnzahl = 0;
    qint64 quellGroesse = -1; // Teil: the source's size, read once for all parts; -1: read now
    QStringList stuecke;      // Verbunden: full paths of the pieces in their order
};

struct HerstellStand
{
    bool ok = false;           // created and recorded
    bool abgebrochen = false;  // cancelled while data was written: nothing is left of it
    bool rueckFehler = false;  // the record could not be written: the object is removed again
    QString text;              // why not
    int fehlendesStueck = -1;  // Verbunden: index in stuecke of the piece that could not be read
    bool verzeichnis = false;  // kind of the object made (also for its record)
    plattform::Eintrag objekt; // ok: the object as read right after it was made
};

// Makes the object; with rueck (may be null) then writes its record (value HerstellWert).
// A name that the undo file cannot hold (a line break in it) is refused before anything is
// made when a record is to be written.
HerstellStand Aktion_HerstellenEinzeln(const HerstellAuftrag &auftrag, RueckSchreiber *rueck,
                                       const plattform::DatenFortschritt &fort = {});

// Bytes progress of row k of n on the display's second bar; cancels when Abbruch is set.
plattform::DatenFortschritt HerstellFortschritt(Fortschritt &fort, qint64 k, qint64 n, qint64 bytesGesamt);

// The joining script beside the parts of a split file: zielVerz + teile[0] + ".sh" (a POSIX
// shell script joining them with cat; ".bat" with TeilenBatchText in the Windows build).
// teile are the parts' names in their order, quellName the name of the file they rebuild
// (in the same directory). Never written over an existing file, never run.
Ergebnis TeilenSkriptSchreiben(const QString &zielVerz, const QStringList &teile, const QString &quellName);
QString TeilenSkriptName(const QStringList &teile);
// Run with sh from anywhere: it works in its own directory, refuses an existing target and
// removes a half-written one. Every name is quoted, so any character of a name is safe.
QByteArray TeilenShellText(const QStringList &teile, const QString &quellName);
// The batch file of the Windows build, lines ended by CR LF, without the final line end.
QString TeilenBatchText(const QStringList &teile, const QString &quellName);

// The value line of a 309 record: "-", a blank and the object's stamp (size, last write
// time, device and inode; for a directory only device and inode), so that the undo can
// tell an object changed since. A record holding only "-" (older files) is undone as such.
QString HerstellWert(const plattform::Eintrag &objekt);
bool HerstellWertGueltig(const QString &wert);

enum class RueckLoeschArt { Geloescht, Fehler, Veraendert };
struct RueckLoeschStand
{
    RueckLoeschArt art = RueckLoeschArt::Fehler;
    QString text;
};
// Undoes one 309 record: removes the object at pfad only while it is what the record says:
// of the recorded kind, and with a stamp the same object, a file also of the same size and
// last write time, a directory also empty. Otherwise it stays: Veraendert when it is there
// but changed since (or a directory holds something now), Fehler when it is missing.
RueckLoeschStand Aktion_HerstellenZuruecknehmen(const QString &pfad, bool verzeichnis, const QString &wert);

} // namespace rinolux
