#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

namespace rinolux {

// State kept beside the cells of every row.
struct ZeilenStatus
{
    quint8 verz = 0;  // directory flag: folder symbol, bold name where the column asks for it
    quint8 warn = 0;  // warn flag: red text where the column asks for it
    quint8 mark = 0;  // selected by the user
    quint8 frei = 0;
    qint32 link = 0;  // row number in another list (preview row -> selection row)
};
static_assert(sizeof(ZeilenStatus) == 8);

// The rows of one list: cells 1..ZellenAnzahl() per row, the row state, the display order
// (position -> row), the current row and the message text; everything counted from 1.
//
// Cells are held column by column as UTF-8 in one growing byte buffer per column, each
// cell being an (offset, length) pair into it. A cell equal to the text stored last in its
// column shares those bytes, so the directory column of a listing costs next to nothing.
// A column gets its pairs only when its cells differ: a preview of names leaves most of its
// eleven columns empty, and the directory of a listing or the result "ok" of a preview is
// one text in rows 1..n; such columns cost nothing per row. This keeps half a
// million rows of eleven cells well below 100 MB; texts are made on demand for the few
// rows that are drawn or compared.
class ListenDaten final
{
public:
    explicit ListenDaten(int zellenAnzahl = 0);

    int ZellenAnzahl() const { return m_zellen; }
    // Changes the number of cells per row; only while the list is empty.
    void ZellenAnzahlSetzen(int zellenAnzahl);

    int Anzahl() const { return m_anzahl; }
    bool Leer() const { return m_anzahl == 0; }

    // Removes all rows; reserve: room for that many rows without further growth.
    void Leeren(int reserve = 0);
    // Rows are allocated in steps of this many (3000 for the selection list).
    void BlockSetzen(int block) { m_block = block > 0 ? block : 1; }
    // Appends n empty rows at the end of the display order; returns the first new row.
    int ZeilenAnhaengen(int n = 1);

    QString Zelle(int zeile, int zelle) const;
    // The stored bytes of a cell (UTF-8), valid until the next change of the list.
    QByteArrayView ZelleUtf8(int zeile, int zelle) const;
    int ZelleLaenge(int zeile, int zelle) const; // in UTF-8 bytes
    void ZelleSetzen(int zeile, int zelle, const QString &text);
    void ZelleSetzenUtf8(int zeile, int zelle, QByteArrayView text);
    // The text of a cell of another list (or of this one). A column without bytes of its own
    // shares the source column's bytes instead of copying them, so the names of a preview
    // cost nothing beside the selection's; writing other texts into it copies them once.
    void ZelleUebernehmen(int zeile, int zelle, const ListenDaten &quelle, int quellZeile, int quellZelle);
    // Room for that many more bytes of a column's texts, so it need not grow by doubling.
    void SpalteReservieren(int zelle, qsizetype bytes);

    const ZeilenStatus &Status(int zeile) const { return m_status[size_t(zeile)]; }
    bool Verz(int zeile) const { return m_status[size_t(zeile)].verz != 0; }
    bool Warn(int zeile) const { return m_status[size_t(zeile)].warn != 0; }
    bool Markiert(int zeile) const { return m_status[size_t(zeile)].mark != 0; }
    qint32 Link(int zeile) const { return m_status[size_t(zeile)].link; }
    void VerzSetzen(int zeile, bool an)
    {
        m_status[size_t(zeile)].verz = an ? 1 : 0;
        ++m_stand;
    }
    void WarnSetzen(int zeile, bool an)
    {
        m_status[size_t(zeile)].warn = an ? 1 : 0;
        ++m_stand;
    }
    void LinkSetzen(int zeile, qint32 link)
    {
        m_status[size_t(zeile)].link = link;
        ++m_stand;
    }
    void MarkSetzen(int zeile, bool an);
    void AlleMarkieren(bool an);
    void MarkierungUmkehren();
    // Kept exact by every change of a mark.
    int MarkiertAnzahl() const { return m_markiert; }

    // Display order: position 1..Anzahl() -> row. After filling it is the identity.
    int ZeileAn(int position) const { return m_reihenfolge[size_t(position)]; }
    int PositionVon(int zeile) const; // 0 when the row does not exist (linear)
    const std::vector<int> &Reihenfolge() const { return m_reihenfolge; }
    // reihenfolge: one-based, element 0 ignored, a permutation of 1..Anzahl().
    // Returns false (and changes nothing) when it is not one.
    bool ReihenfolgeSetzen(std::vector<int> reihenfolge);
    void ReihenfolgeIdentitaet();

    // Current display position and its row; 0 when there is none.
    int AktPosition() const { return m_aktPosition; }
    int AktZeile() const { return m_aktPosition > 0 ? ZeileAn(m_aktPosition) : 0; }
    void AktPositionSetzen(int position);

    // While not empty, the list shows this text instead of its rows.
    const QString &Meldung() const { return m_meldung; }
    void MeldungSetzen(const QString &text)
    {
        m_meldung = text;
        ++m_stand;
    }

    // Deleting keeps the other rows with their cells and states in their display order,
    // renumbers the rows above the gap and lowers the marked count.
    void ZeilenLoeschen(int von, int bis);
    void ZeilenLoeschen(const std::vector<int> &zeilen);
    int MarkierteLoeschen();

    // Gives back the room reserved for growth (after a fill is complete).
    void Straffen();

    // Bytes held by the list (for measurements).
    qint64 Speicher() const;

    // Grows with every change of cells, rows, marks, order, current position or message,
    // so a panel showing the list can tell that it must lay itself out again.
    quint64 Stand() const { return m_stand; }

private:
    struct Ort
    {
        quint32 start = 0;
        quint32 laenge = 0;
        bool operator==(const Ort &o) const { return start == o.start && laenge == o.laenge; }
    };
    struct Spalte
    {
        QByteArray text;
        std::vector<Ort> orte; // index zeile-1; empty while the column is one text up to gleichBis
        Ort zuletzt;           // where the last appended or taken text lies
        Ort gleich;            // without pairs: rows 1..gleichBis hold this text, the others none
        int gleichBis = 0;
        qint64 muell = 0;      // bytes no cell refers to any more (upper estimate)
    };

    // The cell's pair.
    Ort ort(int zeile, int zelle) const
    {
        const Spalte &s = m_spalten[size_t(zelle - 1)];
        if (s.orte.empty())
            return zeile <= s.gleichBis ? s.gleich : Ort();
        return s.orte[size_t(zeile - 1)];
    }
    // The column's pairs, made for every row when its cells first differ.
    std::vector<Ort> &orteAnlegen(int zelle);
    // Sets a cell to a pair into the column's bytes.
    void ortSetzen(int zeile, int zelle, Ort neu);
    void pruefe(int zeile, int zelle) const;
    void verdichten(int zelle);
    void zeilenEntfernen(const std::vector<char> &weg);

    int m_zellen = 0;
    int m_anzahl = 0;
    int m_block = 1;
    std::vector<Spalte> m_spalten;      // index zelle-1
    std::vector<ZeilenStatus> m_status; // index = row, element 0 unused
    std::vector<int> m_reihenfolge;     // index = position, element 0 unused
    int m_markiert = 0;
    int m_aktPosition = 0;
    quint64 m_stand = 0;
    QString m_meldung;
    QByteArray m_puffer; // scratch for encoding a cell without an allocation per call
};

} // namespace rinolux
