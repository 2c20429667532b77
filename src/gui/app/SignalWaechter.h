#pragma once

#include <QObject>

class QSocketNotifier;

namespace rinolux {

// Turns SIGTERM and SIGINT into a Qt signal on the UI thread (self-pipe), so that a
// logout or a kill ends the program through its orderly shutdown.
class SignalWaechter final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SignalWaechter)

public:
    explicit SignalWaechter(QObject *parent = nullptr);
    ~SignalWaechter() override;

Q_SIGNALS:
    void beendenVerlangt();

private:
    void lesen();
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace rinolux
