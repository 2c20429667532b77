#pragma once

// The stored rules: the list of the Regeln page (descriptions and codes kept in step) and
// the rule list file "Rinol_Regel839.cfg".
//
//   RegelListe liste;
//   Ergebnis e = RegelListeLesen(RegelDateiPfad(), liste);   // at start-up
//   ...  RegelHinzufuegen / RegelUmbenennen / RegelLoeschen / RegelHoch / RegelRunter ...
//   Ergebnis s = RegelListeSchreiben(RegelDateiPfad(), liste); // at shutdown
//
// Indices are those of the list boxes: 0-based, -1 for "nothing selected".

#include "core/util/Ergebnis.h"

#include <QString>
#include <QStringList>

namespace rinolux {

class Dialog;

// The two parallel lists of the Regeln page (LiRegelAktion and LiRegelCode) and the
// selected index. Every change goes through here, so the two lists cannot get out of step.
class RegelListe final
{
public:
    int anzahl() const { return int(m_beschreibungen.size()); }
    bool leer() const { return m_beschreibungen.isEmpty(); }
    const QStringList &beschreibungen() const { return m_beschreibungen; }
    const QStringList &codes() const { return m_codes; }
    // Empty for an index outside the list.
    QString beschreibung(int i) const { return m_beschreibungen.value(i); }
    QString code(int i) const { return m_codes.value(i); }

    int gewaehlt() const { return m_gewaehlt; }
    // An index outside the list selects nothing.
    void waehlen(int i);

    void leeren();
    void anhaengen(const QString &beschreibung, const QString &code);
    // pos is clamped into 0..anzahl().
    void einfuegen(int pos, const QString &beschreibung, const QString &code);
    bool beschreibungSetzen(int i, const QString &beschreibung);
    bool entfernen(int i);
    // Moves entry i one place; false (and nothing changes) at the ends.
    bool verschieben(int i, int richtung);

    // Whether the rule at i is a combined rule (its field 1 is above 1).
    bool istKombiniert(int i) const;

    // Set when the file existed but could not be read: an empty list must then not replace it.
    bool dateiUnlesbar = false;

private:
    QStringList m_beschreibungen;
    QStringList m_codes;
    int m_gewaehlt = -1;
};

// ProgPfad + "Rinol_Regel839.cfg"
QString RegelDateiPfad();

// The 15 rules written when no rule file exists, in file order.
RegelListe StandardRegeln();

// Lines of a code in the file: pieces of at most 60 characters (code points, so a
// character outside the Basic Multilingual Plane is never cut in two).
QStringList RegelCodeStuecke(const QString &code);

// Converts a record of the old time codes 201 to 203 into its present form (111, 121, 131)
// and writes the log lines; any other record is returned unchanged.
QString AlterZeitCodeUmrechnen(const QString &code);

// The rules of the file, without writing anything. Fails when the file is missing (error
// number ENOENT), cannot be read, or holds a count line that is negative or names more lines
// than follow.
ErgebnisWert<RegelListe> RegelDateiLesen(const QString &pfad);
// Reads the file into the list (the list is replaced). A missing file is first written
// with the default rules. When the file exists but cannot be read, the list stays empty,
// dateiUnlesbar is set and the failure is returned.
Ergebnis RegelListeLesen(const QString &pfad, RegelListe &liste);
// Writes the whole list anew. Refuses to replace a file that could not be read
// (dateiUnlesbar), whatever the list holds now.
Ergebnis RegelListeSchreiben(const QString &pfad, const RegelListe &liste);
Ergebnis RegelStandardDateiSchreiben(const QString &pfad);

// The operations of the Regeln page. Each asks its question first and changes nothing
// unless the answer is yes; the return value says whether the list changed (the page is
// then adjusted).
//
// seite: "Ändern" or "Herstellen"; auswahlText: the choice text of that page.
bool RegelHinzufuegen(RegelListe &liste, Dialog &dialog, const QString &seite, const QString &auswahlText,
                      const QString &code);
bool RegelUmbenennen(RegelListe &liste, Dialog &dialog, const QString &neueBeschreibung);
bool RegelLoeschen(RegelListe &liste, Dialog &dialog);
bool RegelHoch(RegelListe &liste);
bool RegelRunter(RegelListe &liste);

} // namespace rinolux
