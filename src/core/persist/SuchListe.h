#pragma once

// The search history "Rinol_Such.cfg" as data: the records that SListe shows, oldest
// first. Read once at start-up and written once at shutdown by the window; in between it
// lives in memory.
//
// How to call it:
//   SuchListe liste;
//   const Ergebnis e = liste.Lesen(SuchListeDateiPfad());   // a missing file is Ok, empty
//   liste.Neu(u"1"_s, u"bild"_s, u"/home/anna/Fotos/"_s, u"4711"_s, true, einst.maxSuch);
//   for (int i = liste.Anzahl(); i >= 1; --i) show(liste.Eintrag(i));   // newest first
//   liste.Loeschen(3);
//   const Ergebnis s = liste.Schreiben(SuchListeDateiPfad());

#include "core/util/Ergebnis.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace rinolux {

// One search record, its five fields in file order.
struct SuchVerlaufEintrag
{
    QString zeit;        // time text of the search, 21 characters
    QString art;         // "1" simple, "4" to "6" extended, "7" list
    QString anzeige;     // display text
    QString verzeichnis; // EdSuchVerz when the search ran
    QString daten;       // data text (TAB-separated for the extended and list searches)
    friend bool operator==(const SuchVerlaufEintrag &, const SuchVerlaufEintrag &) = default;
};

// The limit fields (EdMaxSuch, EdMaxMerk): only the digits count, no digit is 0, a
// number beyond 64 bits is clamped.
qint64 VerlaufGrenze(QStringView text);

// TAB, CR and LF typed into a search field: each becomes a blank, so a record stays one
// line per field and the TAB framing of the data text stays intact.
QString SuchFeldText(const QString &text);

class SuchListe final
{
public:
    // Empties the list and reads the file. A missing file is Ok (empty list). A file that
    // exists but cannot be read fails, and Schreiben then refuses to replace it with an
    // empty list.
    Ergebnis Lesen(const QString &pfad);
    // Writes the file anew, atomically (never half-written).
    Ergebnis Schreiben(const QString &pfad) const;

    // Adds a record: the newest equal one (kind, display, directory, data; exact) is
    // removed first; with kuerzen the oldest records beyond grenze (VerlaufGrenze) go.
    // zeit empty: now. The fields are passed through SuchFeldText; the data text, framed
    // by TABs of its own, loses only CR and LF.
    void Neu(const QString &art, const QString &anzeige, const QString &verzeichnis, const QString &daten,
             bool kuerzen, const QString &grenze, const QString &zeit = QString());
    // Record nr (1..Anzahl) removed; the later ones move up. Out of range: nothing.
    void Loeschen(int nr);
    // Removes the records whose numbers are given (any order, duplicates ignored).
    void Loeschen(const std::vector<int> &nummern);

    int Anzahl() const { return int(m_eintraege.size()); }
    // nr 1..Anzahl
    const SuchVerlaufEintrag &Eintrag(int nr) const { return m_eintraege[size_t(nr - 1)]; }
    const std::vector<SuchVerlaufEintrag> &Eintraege() const { return m_eintraege; }
    void Leeren() { m_eintraege.clear(); }

    bool dateiUnlesbar() const { return m_unlesbar; }

private:
    std::vector<SuchVerlaufEintrag> m_eintraege;
    bool m_unlesbar = false;
};

// ProgPfad + "Rinol_Such.cfg"
QString SuchListeDateiPfad();

} // namespace rinolux
