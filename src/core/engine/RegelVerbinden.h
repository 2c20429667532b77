#pragma once

// Combining stored name rules into one and splitting a combined rule back.
//
//   std::optional<GespeicherteRegel> neu = RegelnVerbinden({{code2, text2}, {code5, text5}});
//   RegelTeilung t = RegelZerteilen(neu->code);   // t.codes: "1\t..." per sub-rule
//
// Splitting reads the record field by field, so a text field that reads "ENDE" is text and
// never cuts a sub-rule in two.

#include "core/engine/RegelCode.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace rinolux {

class RegelListe;

struct GespeicherteRegel
{
    QString code;
    QString beschreibung;
};

// Whether the rule may be combined: its first sub-rule changes names or formats.
bool RegelVerbindbar(const QString &code);

// The indices of the rules of the list that may be combined, in list order.
QList<int> VerbindbareRegeln(const RegelListe &liste);

// One combined rule of the given rules in their order: the counts of field 1 added up,
// their sub-rules one after the other, described "NEU: " + the descriptions joined with
// " > ". No rules give nothing.
std::optional<GespeicherteRegel> RegelnVerbinden(const QList<GespeicherteRegel> &regeln);

struct RegelTeilung
{
    enum class Art {
        Geteilt,        // codes holds one single rule per sub-rule
        Einzeln,        // fewer than two sub-rules: nothing to split
        NichtZerteilbar // the record cannot be read into its sub-rules
    };
    Art art = Art::Einzeln;
    QStringList codes;
};

RegelTeilung RegelZerteilen(const QString &code);

// Splits the selected rule of the list after asking; the parts follow it, described by
// their number, a blank and the whole description. Returns whether the list changed.
class Dialog;
bool RegelTeilen(RegelListe &liste, Dialog &dialog);

} // namespace rinolux
