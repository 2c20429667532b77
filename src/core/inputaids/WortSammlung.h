#pragma once

// The words the input aids offer: the entries of the word list (own words, and every
// remembered text indexed by each of its longer runs of letters) and the candidates of the
// autocomplete list.
//
//   QStringList e = WortEintraege(u"Urlaub 2005 Italien"_s);   // "Urlaub: Urlaub 2005 Italien", "Italien:
//   ..." QString w = WortAusZeile(e[1]);                              // "Urlaub 2005 Italien"

#include <QList>
#include <QString>
#include <QStringList>

namespace rinolux {

// The runs of letters (upper- or lower-case characters) of at least three characters.
QStringList BuchstabenLaeufe(const QString &text);
// One entry per run: run + ": " + the text.
QStringList WortEintraege(const QString &text);

struct WortListe
{
    QStringList eigene;  // group 1 in key order
    QStringList weitere; // group 2 in key order
};
// The word list: own words as they are, the other sources indexed by their runs; equal
// entries once (the first survives), each group ordered by its letters alone.
WortListe WortListeAufbauen(const QStringList &eigene, const QStringList &quellen);

class MerkListe;
// What the remembered words take once the word list was built: the own words, the user
// words and tree names of three characters or more without cutting, then all selection
// names, cut to the limit (grenze as typed in its field).
void WoerterMerkenNachListe(MerkListe &merk, const QStringList &eigene, const QStringList &benutzer,
                            const QStringList &baum, const QStringList &auswahl, const QString &grenze);

// The chosen text of a list row: after its first ": ", or the whole row.
QString WortAusZeile(const QString &zeile);
// The first letter a..z of a row, accents folded (ü counts as u); 0 when there is none.
QChar ErsterBuchstabe(const QString &zeile);

// The candidates of the autocomplete list: every text containing the typed one (letter
// case ignored) but not exactly equal to it, in the order of the sources, duplicates kept.
QStringList AutoKandidaten(const QString &getippt, const QStringList &quellen);
// The pieces of a line to draw: the occurrences of the typed text bold, the rest normal.
struct AutoStueck
{
    QString text;
    bool fett = false;
};
QList<AutoStueck> AutoStuecke(const QString &zeile, const QString &getippt);

// How many lines the list shows and whether it opens above the field: n lines wanted,
// unten/oben lines fit below or above; fewer than 15 lines are taken only when no side
// has room for 15.
struct AutoPlatz
{
    int zeilen = 0;
    bool oben = false;
};
AutoPlatz AutoPlatzWaehlen(int n, int unten, int oben);

// The fixed lines the settings' demonstration field offers.
const QStringList &AutoVorfuehrZeilen();

} // namespace rinolux
