#pragma once

// What every fuzz target shares: a private working directory, the process set-up and the
// way a broken invariant stops the run.

#include <QByteArray>
#include <QString>

#include <concepts>
#include <cstddef>
#include <cstdint>

namespace rinolux::fuzz {

// Directory with a trailing "/" for targets that go through files: on tmpfs where there is
// one, so a save file costs no disk sync. XDG_CONFIG_HOME and XDG_DATA_HOME point below it,
// so no run can touch the user's own files.
QString ArbeitsPfad();

// A text with every character outside printable ASCII written as \u{...}, so a report
// shows exactly what differs.
QString Sichtbar(const QString &text);
QString Sichtbar(const QByteArray &bytes);

// Stops the process with the message when the condition does not hold: libFuzzer keeps
// the input as a finding, the replay reports the file.
void Pruefen(bool bedingung, const char *was, const QString &einzelheit = QString());
// The same with the details built only when the condition fails, for checks run per row.
template <typename F>
    requires std::invocable<F &>
void Pruefen(bool bedingung, const char *was, F &&einzelheit)
{
    if (!bedingung)
        Pruefen(false, was, QString(einzelheit()));
}

// The input as bytes (shared, not copied).
inline QByteArray Eingabe(const uint8_t *daten, size_t groesse)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(daten), qsizetype(groesse));
}

} // namespace rinolux::fuzz
