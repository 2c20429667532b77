#include "core/shell/ListenDaten.h"

#include "core/util/PfadText.h"

#include <QStringEncoder>

#include <algorithm>
#include <numeric>

namespace rinolux {

namespace {
// Below this much garbage a column is never rewritten: rewriting costs a pass over all
// rows, and shared texts make the garbage count an over-estimate.
constexpr qint64 MuellMindestens = 4 * 1024 * 1024;
} // namespace

ListenDaten::ListenDaten(int zellenAnzahl)
{
    ZellenAnzahlSetzen(zellenAnzahl);
}

void ListenDaten::ZellenAnzahlSetzen(int zellenAnzahl)
{
    Q_ASSERT(m_anzahl == 0);
    m_zellen = std::max(0, zellenAnzahl);
    Leeren();
}

void ListenDaten::Leeren(int reserve)
{
    ++m_stand;
    m_anzahl = 0;
    m_markiert = 0;
    m_aktPosition = 0;
    m_spalten.assign(size_t(m_zellen), Spalte());
    m_status.assign(1, ZeilenStatus());
    m_status.shrink_to_fit();
    m_reihenfolge.assign(1, 0);
    m_reihenfolge.shrink_to_fit();
    if (reserve > 0) {
        m_status.reserve(size_t(reserve) + 1);
        m_reihenfolge.reserve(size_t(reserve) + 1);
    }
}

int ListenDaten::ZeilenAnhaengen(int n)
{
    const int erste = m_anzahl + 1;
    ++m_stand;
    if (n <= 0)
        return erste;
    const size_t neu = size_t(m_anzahl) + size_t(n);
    if (neu + 1 > m_status.capacity()) {
        // Grow by whole blocks so a fill of many rows reallocates rarely.
        const size_t bloecke = (neu + 1 + size_t(m_block) - 1) / size_t(m_block);
        const size_t platz = std::max(bloecke * size_t(m_block), m_status.capacity() + m_status.capacity() / 2);
        m_status.reserve(platz);
        m_reihenfolge.reserve(platz);
        for (Spalte &s : m_spalten)
            if (!s.orte.empty())
                s.orte.reserve(platz);
    }
    for (Spalte &s : m_spalten)
        if (!s.orte.empty())
            s.orte.resize(neu);
    m_status.resize(neu + 1);
    m_reihenfolge.resize(neu + 1);
    for (size_t z = size_t(erste); z <= neu; ++z)
        m_reihenfolge[z] = int(z);
    m_anzahl = int(neu);
    return erste;
}

std::vector<ListenDaten::Ort> &ListenDaten::orteAnlegen(int zelle)
{
    std::vector<Ort> &o = m_spalten[size_t(zelle - 1)].orte;
    if (o.empty()) {
        Spalte &s = m_spalten[size_t(zelle - 1)];
        // As much room as the rows have, so the column grows with them in the same steps.
        o.reserve(std::max(m_status.capacity(), size_t(1)) - 1);
        o.resize(size_t(m_anzahl));
        std::fill(o.begin(), o.begin() + std::min(s.gleichBis, m_anzahl), s.gleich);
        s.gleichBis = 0;
    }
    return o;
}

void ListenDaten::pruefe([[maybe_unused]] int zeile, [[maybe_unused]] int zelle) const
{
    Q_ASSERT(zeile >= 1 && zeile <= m_anzahl);
    Q_ASSERT(zelle >= 1 && zelle <= m_zellen);
}

QByteArrayView ListenDaten::ZelleUtf8(int zeile, int zelle) const
{
    if (zeile < 1 || zeile > m_anzahl || zelle < 1 || zelle > m_zellen)
        return {};
    const Ort o = ort(zeile, zelle);
    if (o.laenge == 0)
        return {};
    return QByteArrayView(m_spalten[size_t(zelle - 1)].text.constData() + o.start, qsizetype(o.laenge));
}

QString ListenDaten::Zelle(int zeile, int zelle) const
{
    const QByteArrayView b = ZelleUtf8(zeile, zelle);
    return b.isEmpty() ? QString() : ausUtf8MitEinzelnen(b);
}

int ListenDaten::ZelleLaenge(int zeile, int zelle) const
{
    return int(ZelleUtf8(zeile, zelle).size());
}

void ListenDaten::ZelleSetzen(int zeile, int zelle, const QString &text)
{
    if (text.isEmpty()) {
        ZelleSetzenUtf8(zeile, zelle, {});
        return;
    }
    if (m_puffer.size() < text.size() * 3)
        m_puffer.resize(text.size() * 3);
    if (const char *ende = utf8OhneSurrogate(text, m_puffer.data())) {
        ZelleSetzenUtf8(zeile, zelle, QByteArrayView(m_puffer.constData(), ende - m_puffer.constData()));
        return;
    }
    if (nameHatFremdeBytes(text)) { // undecodable name bytes must come back as they were
        ZelleSetzenUtf8(zeile, zelle, utf8MitEinzelnen(text));
        return;
    }
    QStringEncoder utf8(QStringEncoder::Utf8);
    const qsizetype platz = utf8.requiredSpace(text.size());
    if (m_puffer.size() < platz)
        m_puffer.resize(platz);
    char *ende = utf8.appendToBuffer(m_puffer.data(), text);
    ZelleSetzenUtf8(zeile, zelle, QByteArrayView(m_puffer.constData(), ende - m_puffer.constData()));
}

void ListenDaten::ZelleSetzenUtf8(int zeile, int zelle, QByteArrayView text)
{
    pruefe(zeile, zelle);
    if (zeile < 1 || zeile > m_anzahl || zelle < 1 || zelle > m_zellen)
        return;
    ++m_stand;
    Spalte &s = m_spalten[size_t(zelle - 1)];
    // A text taken from this very column would move under our feet when it grows.
    QByteArray kopie;
    if (!text.isEmpty() && text.data() >= s.text.constData() && text.data() < s.text.constData() + s.text.size()) {
        kopie = text.toByteArray();
        text = kopie;
    }
    const bool wieZuletzt = s.zuletzt.laenge == quint32(text.size()) && !text.isEmpty() &&
                            QByteArrayView(s.text.constData() + s.zuletzt.start, text.size()) == text;
    if (text.isEmpty() || wieZuletzt) {
        ortSetzen(zeile, zelle, text.isEmpty() ? Ort() : s.zuletzt);
        return;
    }
    if (s.orte.empty() && s.gleichBis == 0) {
        // No cell refers to the column's bytes any more. An empty column keeps the room
        // SpalteReservieren gave it.
        if (!s.text.isEmpty())
            s.text.clear();
        s.muell = 0;
    } else {
        Ort &o = orteAnlegen(zelle)[size_t(zeile - 1)];
        s.muell += o.laenge;
        o = Ort();
        if (s.muell > MuellMindestens && s.muell > s.text.size() / 2)
            verdichten(zelle); // the old text is garbage already: verdichten does not copy it
    }
    Q_ASSERT(quint64(s.text.size()) + quint64(text.size()) < quint64(UINT32_MAX));
    const Ort neu{quint32(s.text.size()), quint32(text.size())};
    s.text.append(text);
    ortSetzen(zeile, zelle, neu);
}

void ListenDaten::ortSetzen(int zeile, int zelle, Ort neu)
{
    Spalte &s = m_spalten[size_t(zelle - 1)];
    if (neu.laenge != 0)
        s.zuletzt = neu;
    if (s.orte.empty()) {
        // One text from row 1 on stays without pairs as long as it is set row after row.
        if (neu.laenge == 0 ? zeile > s.gleichBis : (zeile <= s.gleichBis && neu == s.gleich))
            return;
        if (neu.laenge == 0 && zeile == s.gleichBis) {
            --s.gleichBis;
            return;
        }
        if (neu.laenge != 0 && zeile == s.gleichBis + 1 && (s.gleichBis == 0 || neu == s.gleich)) {
            s.gleich = neu;
            s.gleichBis = zeile;
            return;
        }
    }
    Ort &o = orteAnlegen(zelle)[size_t(zeile - 1)];
    s.muell += o.laenge;
    o = neu;
}

void ListenDaten::ZelleUebernehmen(int zeile, int zelle, const ListenDaten &quelle, int quellZeile, int quellZelle)
{
    pruefe(zeile, zelle);
    if (zeile < 1 || zeile > m_anzahl || zelle < 1 || zelle > m_zellen || quellZeile < 1 || quellZeile > quelle.m_anzahl
        || quellZelle < 1 || quellZelle > quelle.m_zellen)
        return;
    Spalte &s = m_spalten[size_t(zelle - 1)];
    const Spalte &q = quelle.m_spalten[size_t(quellZelle - 1)];
    const Ort o = quelle.ort(quellZeile, quellZelle);
    const bool leer = s.orte.empty() && s.gleichBis == 0;
    if (o.laenge == 0 || !(leer || (s.text.isSharedWith(q.text) && s.text.size() == q.text.size()))) {
        ZelleSetzenUtf8(zeile, zelle, quelle.ZelleUtf8(quellZeile, quellZelle));
        return;
    }
    ++m_stand;
    if (leer) {
        s.text = q.text;
        s.muell = 0;
    }
    ortSetzen(zeile, zelle, o);
}

void ListenDaten::SpalteReservieren(int zelle, qsizetype bytes)
{
    if (zelle < 1 || zelle > m_zellen || bytes <= 0)
        return;
    QByteArray &t = m_spalten[size_t(zelle - 1)].text;
    t.reserve(t.size() + bytes);
}

void ListenDaten::verdichten(int zelle)
{
    Spalte &s = m_spalten[size_t(zelle - 1)];
    QByteArray neu;
    Ort letzterAlt, letzterNeu;
    for (Ort &o : s.orte) {
        if (o.laenge == 0)
            continue;
        // Rows that shared one text before share it again if they are neighbours.
        if (o.start == letzterAlt.start && o.laenge == letzterAlt.laenge && letzterNeu.laenge != 0) {
            o = letzterNeu;
            continue;
        }
        letzterAlt = o;
        Ort n{quint32(neu.size()), o.laenge};
        neu.append(s.text.constData() + o.start, qsizetype(o.laenge));
        o = n;
        letzterNeu = n;
    }
    s.text = std::move(neu);
    s.zuletzt = letzterNeu;
    s.muell = 0;
}

void ListenDaten::MarkSetzen(int zeile, bool an)
{
    pruefe(zeile, 1);
    if (zeile < 1 || zeile > m_anzahl)
        return;
    quint8 &m = m_status[size_t(zeile)].mark;
    if ((m != 0) == an)
        return;
    m = an ? 1 : 0;
    m_markiert += an ? 1 : -1;
    ++m_stand;
}

void ListenDaten::AlleMarkieren(bool an)
{
    ++m_stand;
    for (int z = 1; z <= m_anzahl; ++z)
        m_status[size_t(z)].mark = an ? 1 : 0;
    m_markiert = an ? m_anzahl : 0;
}

void ListenDaten::MarkierungUmkehren()
{
    ++m_stand;
    for (int z = 1; z <= m_anzahl; ++z)
        m_status[size_t(z)].mark ^= 1;
    m_markiert = m_anzahl - m_markiert;
}

int ListenDaten::PositionVon(int zeile) const
{
    for (int p = 1; p <= m_anzahl; ++p)
        if (m_reihenfolge[size_t(p)] == zeile)
            return p;
    return 0;
}

bool ListenDaten::ReihenfolgeSetzen(std::vector<int> reihenfolge)
{
    if (reihenfolge.size() != size_t(m_anzahl) + 1)
        return false;
    std::vector<char> gesehen(size_t(m_anzahl) + 1, 0);
    for (size_t p = 1; p < reihenfolge.size(); ++p) {
        const int z = reihenfolge[p];
        if (z < 1 || z > m_anzahl || gesehen[size_t(z)])
            return false;
        gesehen[size_t(z)] = 1;
    }
    reihenfolge[0] = 0;
    m_reihenfolge = std::move(reihenfolge);
    ++m_stand;
    return true;
}

void ListenDaten::ReihenfolgeIdentitaet()
{
    ++m_stand;
    std::iota(m_reihenfolge.begin(), m_reihenfolge.end(), 0);
}

void ListenDaten::AktPositionSetzen(int position)
{
    ++m_stand;
    m_aktPosition = std::clamp(position, 0, m_anzahl);
}

void ListenDaten::ZeilenLoeschen(int von, int bis)
{
    von = std::max(von, 1);
    bis = std::min(bis, m_anzahl);
    if (von > bis)
        return;
    std::vector<char> weg(size_t(m_anzahl) + 1, 0);
    std::fill(weg.begin() + von, weg.begin() + bis + 1, 1);
    zeilenEntfernen(weg);
}

void ListenDaten::ZeilenLoeschen(const std::vector<int> &zeilen)
{
    std::vector<char> weg(size_t(m_anzahl) + 1, 0);
    bool etwas = false;
    for (int z : zeilen) {
        if (z >= 1 && z <= m_anzahl) {
            weg[size_t(z)] = 1;
            etwas = true;
        }
    }
    if (etwas)
        zeilenEntfernen(weg);
}

int ListenDaten::MarkierteLoeschen()
{
    std::vector<char> weg(size_t(m_anzahl) + 1, 0);
    int n = 0;
    for (int z = 1; z <= m_anzahl; ++z)
        if (m_status[size_t(z)].mark) {
            weg[size_t(z)] = 1;
            ++n;
        }
    if (n > 0)
        zeilenEntfernen(weg);
    return n;
}

void ListenDaten::zeilenEntfernen(const std::vector<char> &weg)
{
    ++m_stand;
    // New number of every kept row; deleted rows map to 0.
    std::vector<int> neuNummer(size_t(m_anzahl) + 1, 0);
    int behalten = 0;
    // A column of one text keeps it in the kept rows of its range.
    for (Spalte &s : m_spalten)
        if (s.orte.empty())
            s.gleichBis -= int(std::count(weg.begin() + 1, weg.begin() + 1 + std::min(s.gleichBis, m_anzahl), char(1)));
    for (int z = 1; z <= m_anzahl; ++z) {
        if (weg[size_t(z)]) {
            if (m_status[size_t(z)].mark)
                --m_markiert;
            for (Spalte &s : m_spalten)
                if (!s.orte.empty())
                    s.muell += s.orte[size_t(z - 1)].laenge;
            continue;
        }
        ++behalten;
        neuNummer[size_t(z)] = behalten;
        if (behalten != z) {
            for (Spalte &s : m_spalten)
                if (!s.orte.empty())
                    s.orte[size_t(behalten - 1)] = s.orte[size_t(z - 1)];
            m_status[size_t(behalten)] = m_status[size_t(z)];
        }
    }

    // The current row moves to the nearest kept position at or before its old one.
    int aktNeu = 0;
    int neuePos = 0;
    std::vector<int> reihenfolge(size_t(behalten) + 1, 0);
    for (int p = 1; p <= m_anzahl; ++p) {
        const int n = neuNummer[size_t(m_reihenfolge[size_t(p)])];
        if (n == 0)
            continue;
        reihenfolge[size_t(++neuePos)] = n;
        if (p <= m_aktPosition)
            aktNeu = neuePos;
    }
    if (m_aktPosition > 0 && aktNeu == 0 && behalten > 0)
        aktNeu = 1;

    m_anzahl = behalten;
    for (Spalte &s : m_spalten)
        if (!s.orte.empty())
            s.orte.resize(size_t(behalten));
    m_status.resize(size_t(behalten) + 1);
    m_reihenfolge = std::move(reihenfolge);
    m_aktPosition = aktNeu;
    for (int c = 1; c <= m_zellen; ++c) {
        Spalte &s = m_spalten[size_t(c - 1)];
        if (m_anzahl == 0) {
            s = Spalte();
        } else if (s.muell > MuellMindestens && s.muell > s.text.size() / 2) {
            verdichten(c);
        }
    }
}

void ListenDaten::Straffen()
{
    m_status.shrink_to_fit();
    m_reihenfolge.shrink_to_fit();
    for (Spalte &s : m_spalten) {
        s.orte.shrink_to_fit();
        s.text.squeeze();
    }
}

qint64 ListenDaten::Speicher() const
{
    qint64 n = qint64(m_status.capacity() * sizeof(ZeilenStatus)) + qint64(m_reihenfolge.capacity() * sizeof(int));
    for (const Spalte &s : m_spalten)
        n += s.text.capacity() + qint64(s.orte.capacity() * sizeof(Ort));
    return n;
}

} // namespace rinolux
