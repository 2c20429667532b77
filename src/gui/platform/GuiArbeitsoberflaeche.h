#pragma once

// The desktop side of the platform layer: opening an object with its default program and
// showing its properties through the file manager's D-Bus interface, with a dialog of our
// own where no file manager answers.
//
// How to call it: once at start-up, after the QApplication exists,
//     rinolux::arbeitsoberflaecheEinrichten();
// From then on core code calls plattform::oeffnen(pfad) and
// plattform::eigenschaftenZeigen(pfad).

#include "core/platform/Plattform.h"

#include <QDialog>

class QLabel;

namespace rinolux {

class GuiArbeitsoberflaeche final : public plattform::Arbeitsoberflaeche
{
public:
    Ergebnis oeffnen(const QString &pfad) override;
    Ergebnis eigenschaftenZeigen(const QString &pfad) override;

    // The file manager's properties window; false when no file manager took the call.
    static bool eigenschaftenUeberDateimanager(const QString &pfad);
};

// Installs one GuiArbeitsoberflaeche for the whole run.
void arbeitsoberflaecheEinrichten();

// Small read-only information window about one object.
class EigenschaftenDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EigenschaftenDialog)

public:
    explicit EigenschaftenDialog(const QString &pfad, QWidget *parent = nullptr);
    // Text of one row by its label ("Name", "Bytes", ...), for tests.
    QString wert(const QString &titel) const;
    bool gelesen() const { return m_gelesen; }

private:
    QList<QPair<QString, QLabel *>> m_zeilen;
    bool m_gelesen = false;
};

} // namespace rinolux
