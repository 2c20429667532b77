#pragma once

#include <QMainWindow>

namespace rinolux {

class SignalWaechter;

// The main window "aa".
class Taa final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Taa)

public:
    explicit Taa(QWidget *parent = nullptr);

    // Sets caption and application title to "wird beendet" and closes the window.
    void Beenden();

protected:
    void closeEvent(QCloseEvent *event) override;
};

// Creates the main window, runs the event loop until it closes and saves on the way out.
int AnzeigeFormAa(SignalWaechter &waechter);

} // namespace rinolux
