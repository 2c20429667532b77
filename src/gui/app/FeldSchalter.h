#pragma once

class QWidget;

namespace rinolux {

class Taa;

// The buttons and spin buttons of the window's text fields, by control name, and what
// their action codes ask of the window. Fields that are not there are left out.
void FeldSchalterAnbringen(Taa &aa);

class Tav;

// The texts of the window's wide edit fields (at least 100 pixels wide, at least three
// characters) join the remembered words, in the order the fields were created, uncut.
void EingabefelderMerken(Taa &aa);

// The buttons "Leer" and "Wörter ..." of the edits the forms create for words.
void WortFeldSchalter(QWidget *feld);
// The autocomplete list of a form, offering what the main window's list offers.
Tav *WortFeldAutoVervoll(QWidget *form, QWidget *hauptfenster);

} // namespace rinolux
