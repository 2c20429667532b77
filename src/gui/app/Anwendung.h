#pragma once

#include <QApplication>

namespace rinolux {

// The application object. Its notify is the last-resort handler: an exception that
// reaches the event loop is reported and the program shuts down in order, saving all.
class RinoluxAnwendung final : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RinoluxAnwendung)

public:
    RinoluxAnwendung(int &argc, char **argv);
    bool notify(QObject *empfaenger, QEvent *ereignis) override;
};

// Logs "### ProgrammAbsturzAbfang ###", then (from the event loop) shows the failure
// message with the first 500 characters of `meldung` and closes the main window, so the
// normal shutdown with saving follows. Further calls while one is pending are logged only.
void ProgrammAbsturzAbfang(const QString &meldung);

} // namespace rinolux
