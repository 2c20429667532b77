#pragma once

// The texts of the numbered help markers of the pages "Auswählen", "Ändern", "Herstellen"
// and "Regeln". Texts that name other controls take their captions as they are now; the
// last marker of a page ends with the end mark.

#include <QString>
#include <QStringList>

namespace rinolux {

struct HilfeNamen
{
    QString tab[5];           // captions of main tabs 1..4 (index 0 unused)
    QString suchTab1;         // caption of search sub-tab 1
    QString aendernErstes;    // first item of the change list
    QString herstellenErstes; // first item of the creation list
    QString vorschauSchalter; // caption of the preview button
    QString wortSchalter;     // caption of the user word panels ("< Wort ...")
};

// Number of markers of page 1..4 (0 for other pages).
int HilfeAnzahl(int seite);
// The texts of page 1..4, marker 1 first.
QStringList HilfeTexte(int seite, const HilfeNamen &namen);
// The colour of a marker (strong for the first of a page, pale for the others), as RGB.
unsigned HilfeFarbe(int seite, int nummer);

} // namespace rinolux
