#pragma once

// The in-place rename of one selection entry (the list's editor):
//
//   ListenUmbenennenErgebnis e = Aktion_ListenUmbenennen(aliste, zeile, neu, einstellungen, index);
//   if (e.art == ListenUmbenennenErgebnis::Art::Fehlgeschlagen && dialog.Dialog_Frage(e.meldung)) ...
//
// The object is renamed through plattform::umbenennen (never over an existing object) and
// the change is recorded in a one-record undo file (code 301) that is appended to the index.

#include "core/actions/sub_Aktion_AendernHerstellen.h"
#include "core/shell/ListenDaten.h"

#include <QString>

namespace rinolux {

struct Einstellungen;

inline const QString kListenUmbenennenBeschreibung = QStringLiteral("Umbenennen in der Auswahl-Liste");

struct ListenUmbenennenErgebnis
{
    enum class Art {
        Umbenannt,      // done, recorded, the entry shows the new name
        Unveraendert,   // the same name: nothing to do
        Abgelehnt,      // refused before anything changed (meldung says why)
        Fehlgeschlagen, // the rename failed: meldung is the question whether to keep the name on the clipboard
    };
    Art art = Art::Unveraendert;
    // Dialog text, already escaped for the dialog; for Umbenannt a warning when not empty.
    QString meldung;
    QString rueckNummer; // the undo file written
};

// Why a typed name cannot be a name in a directory, or an empty text when it can.
QString ListenNameFehler(const QString &neu);

// The question asked when the rename failed; grund is the system's reason.
QString ListenUmbenennenFrage(const QString &grund);

// Renames the object of selection entry zeile (from 1) to neu in its directory, writes
// the undo file and updates the entry's name and format cells (and, for a directory, the
// entries inside it). The list is not re-sorted.
ListenUmbenennenErgebnis Aktion_ListenUmbenennen(ListenDaten &auswahl, int zeile, const QString &neu,
                                                 const Einstellungen &einstellungen, RueckIndex &index,
                                                 const RueckAnlegen &rueckAnlegen = {});

} // namespace rinolux
