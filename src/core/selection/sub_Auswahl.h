#pragma once

#include "core/platform/Plattform.h"
#include "core/shell/ListenDaten.h"
#include "core/util/PfadText.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace rinolux {

class Fortschritt;

// Cells of a selection entry.
namespace AZelle {
inline constexpr int Pfad = 1;      // directory with trailing separator
inline constexpr int Mark = 2;      // shown as the mark; no text
inline constexpr int PfadNr = 3;    // path number; the column shows the folder or file symbol
inline constexpr int Name = 4;      // name with format
inline constexpr int Format = 5;    // text after the last dot of the name
inline constexpr int Bytes = 6;
inline constexpr int Attribute = 7;
inline constexpr int ZeitH = 8;     // creation
inline constexpr int ZeitA = 9;     // last write
inline constexpr int ZeitZ = 10;    // last access
inline constexpr int Leer = 11;     // spacer
inline constexpr int Anzahl = 11;
} // namespace AZelle

// What a search or listing records per hit beside its directory and name. The three times
// are kept as the file system gave them and become their 21-character texts only when a
// row is filled: a walk over half a million entries holds its hits beside the rows it
// fills, so a hit stays small.
struct TNxSuchTyp
{
    // Index of the times below, in the order of the cells ZeitH, ZeitA, ZeitZ.
    static constexpr int Herstellung = 0, Aenderung = 1, Zugriff = 2;

    std::array<qint64, 3> zeitSekunden{};
    qint64 groesse = 0;
    std::array<qint32, 3> zeitNanosekunden{};
    qint32 pfadNr = 0;
    qint32 attribute = 0;
    quint8 verz = 0;
    quint8 zeitBekannt = 0; // bit i: time i is known (the file system keeps it)

    void zeitSetzen(int i, const plattform::DateiZeit &zeit);
    // The time text of time i, written into puffer; empty where the file system keeps no
    // such time.
    QByteArrayView zeitText(int i, char (&puffer)[21]) const;
};

// The hits of a walk. Nothing is allocated per hit and nothing is copied as the hits grow:
// hits lie in blocks of a fixed size, names are appended (as the UTF-8 the lists keep,
// see utf8MitEinzelnen) to byte blocks that never move, and a run of hits in one directory
// shares one directory text. A million hits of a listing then take a sixth of what one
// string object per name and directory took.
class SuchTreffer final
{
public:
    void Neu(const QString &verzeichnis, QStringView name, TNxSuchTyp daten);
    // The name as the lists keep it (utf8MitEinzelnen), stored as it stands.
    void NeuUtf8(const QString &verzeichnis, QByteArrayView nameUtf8, TNxSuchTyp daten);
    // The name's bytes as the file system holds them: valid UTF-8, as nearly every name is,
    // is stored as it stands without being decoded.
    void NeuNativ(const QString &verzeichnis, QByteArrayView nameNativ, TNxSuchTyp daten);
    int Anzahl() const { return m_anzahl; }
    void Leeren();

    const QString &Verzeichnis(int i) const { return m_verz[size_t(treffer(i).verz)]; }
    // On the stored bytes: valid while the hit exists.
    QByteArrayView NameUtf8(int i) const
    {
        const Treffer &t = treffer(i);
        if (t.laenge == 0)
            return {};
        return QByteArrayView(m_namen[size_t(t.block)].constData() + t.start, t.laenge);
    }
    QString Name(int i) const { return ausUtf8MitEinzelnen(NameUtf8(i)); }
    const TNxSuchTyp &Daten(int i) const { return treffer(i).daten; }
    // Takes the last hit away; a fill consumes the hits from the back, so they shrink while
    // the rows grow.
    void LetztenEntfernen();
    // The UTF-8 bytes of the names added since the last Leeren, so a list can take them
    // without growing.
    qint64 NamenBytes() const { return m_namenBytes; }

private:
    struct Treffer
    {
        TNxSuchTyp daten;
        qint32 verz = 0; // index into m_verz
        qint32 block = 0;
        qint32 start = 0;
        qint32 laenge = 0;
    };
    static constexpr qsizetype kNamenBlock = 1 << 20; // bytes
    static constexpr int kBlockBits = 13;             // hits per block: 8192
    const Treffer &treffer(int i) const
    {
        return m_treffer[size_t((i - 1) >> kBlockBits)][size_t((i - 1) & ((1 << kBlockBits) - 1))];
    }
    // Room for at least `bytes` more in the newest name block; the hit's block and start.
    char *namenPlatz(qsizetype bytes, Treffer &t);
    void anhaengen(const QString &verzeichnis, Treffer &&t);

    int m_anzahl = 0;
    std::vector<std::vector<Treffer>> m_treffer; // blocks of 8192 hits, each reserved in full
    std::vector<QString> m_verz;    // one per run of hits in one directory
    std::vector<QByteArray> m_namen; // byte blocks, filled up to their reserved room
    qint64 m_namenBytes = 0;
};

// The format of a name: the text after its last dot, empty without a dot.
QString nxNameFormat(const QString &name);
// The same on a name's UTF-8 bytes: a "." byte is never part of a longer sequence.
QByteArrayView nxNameFormatUtf8(QByteArrayView name);

// Time text of a file time for a cell; empty where the file system keeps no such time.
QString nxAuswahlZeitText(const plattform::DateiZeit &zeit);

// What a listing records of one object for the selection list.
TNxSuchTyp nxAuswahlSuchDaten(const plattform::Eintrag &eintrag, qint32 pfadNr = 0);

// Clears the list and gives it the eleven cells of a selection entry.
void nxAuswahlListeVorbereiten(ListenDaten &liste);

struct AuswahlFuellung
{
    bool suchAbbruch = false;  // the walk itself was cancelled
    bool baumListe = false;    // a directory listing of the tree (kind "B")
    int sortWahl = 1;          // CoAutoSort item, 1..28
    bool escErlaubt = false;   // ESC may cancel the sort (after a tree listing)
    std::function<bool()> escGedrueckt; // may be empty
    QString autoRegel;         // rule of the stored automatic selection
    bool autoAnwenden = false; // the page "Auswählen" is the current one and the index is > 0
};

// The fill procedure: turns the hits into rows (last hit first, rows in blocks of 3000,
// hits released as the rows fill), sorts, applies the automatic selection and makes
// position 1 current. Returns the number of rows. A cancelled walk leaves the rows as
// they were, except after a tree listing: then the list is emptied and shows the abort
// message, so no marked row stays behind unseen. A cancel while filling or sorting
// empties the list.
int nxAuswahlFuellen(ListenDaten &liste, SuchTreffer &treffer, const AuswahlFuellung &art, Fortschritt &fort);

// "ESC = Suche abgebrochen ..." with the number of hits.
QString nxAuswahlAbbruchMeldung(qint64 gefunden);

// ---- automatic selection

struct AutoAuswahlEintrag
{
    QString beschreibung;
    QString regel;
};
// One-based: element 0 empty, 1 "keine", 2 "alle", then the user's lines.
using TNxASortMark = std::vector<AutoAuswahlEintrag>;

TNxASortMark nxAutoAuswahlTabelle(const QString &einstellungsText);
// Sets every row's mark by the rule (display order matters for the count terms).
void nxAutoAuswahlAnwenden(ListenDaten &liste, const QString &regel);

// ---- counts

struct AuswahlZahlen
{
    int markiert = 0;
    int anzahl = 0;
    qint64 bytesMarkiert = 0;
    qint64 bytesGesamt = 0;
};
AuswahlZahlen nxAuswahlZaehlen(const ListenDaten &liste);

// ---- names given from outside (dropped, start parameters)

// The directory (with trailing "/") all names share; empty when they differ or none is given.
QString nxGemeinsamesVerzeichnis(const QStringList &volleNamen);
// Marks exactly the entries whose full path (cell 1 + cell 4) is one of the names, compared
// exactly: "A.txt" and "a.txt" are two files. The first marked position becomes current
// (position 1 when none). Returns the number of marked rows.
int nxNamenMarkieren(ListenDaten &liste, const QStringList &volleNamen);

} // namespace rinolux
