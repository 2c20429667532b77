#pragma once

#include "core/shell/Fortschritt.h"

#include <QFrame>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>

class QLabel;
class QPushButton;

namespace rinolux {

// The progress panel "PaFortschritt" on the main window. While it runs (FortEin to
// FortAus) the tab strip and the page panels are disabled, so only its own buttons act.
class TFortschrittPanel final : public QFrame, public Fortschritt
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFortschrittPanel)

public:
    // `fenster`: the main window whose client area holds the panel. `sperren`: the
    // widgets disabled while the display runs.
    explicit TFortschrittPanel(QWidget *fenster);
    void SperrenSetzen(const QList<QWidget *> &sperren) { m_sperren = sperren; }

    void FortEin(int abschnitte, const QString &anker = QString(), bool oben = false) override;
    void FortAbschnittNeu(const QString &text, bool naechster, bool schalter) override;
    void FortAbschnittSymbolisch() override;
    void FortSchritt(qint64 gesamt1, qint64 erledigt1, qint64 gesamt2, qint64 erledigt2) override;
    void FortMeldung(const QString &text, qint64 zaehler) override;
    void FortAbschnittMax() override;
    void Fort100() override;
    void FortAus(const QDateTime &start = QDateTime()) override;

    // Between FortEin and FortAus.
    bool Aktiv() const { return m_aktiv; }
    // What the bar shows now (for the window's tests and its title bar).
    const QImage &Balken() const { return m_balken; }
    int BalkenBreite() const { return m_letzteBreite; }
    QString BalkenText() const { return m_letzterText; }
    // How often the bar was drawn since FortEin; calls that would change nothing skip it.
    int Zeichnungen() const { return m_zeichnungen; }

Q_SIGNALS:
    // FortAus has restored the window.
    void Beendet();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void schalterSetzen(bool an);
    void balkenAnlegen();
    void zeichnen(int breite, int marke, double anteil, bool symbolisch, bool leer);
    void ereignisse();
    void pauseGedrueckt();

    QWidget *m_fenster;
    QList<QWidget *> m_sperren;
    QFrame *m_balkenRahmen;
    QLabel *m_balkenBild;
    QLabel *m_meldung;
    QPushButton *m_pause;
    QPushButton *m_abbrechen;
    QPushButton *m_teilmenge;
    QImage m_balken;

    bool m_aktiv = false;
    int m_abschnitt = 0;
    int m_abschnitte = 0;
    QString m_schrittText;
    QString m_meldungText;
    double m_letzterAnteil = -4711;
    QString m_letzterProzent;
    QElapsedTimer m_takt;
    static constexpr qint64 EreignisTaktMs = 15;
    int m_letzteBreite = -4711;
    int m_letzteMarke = -4711;
    QString m_letzterSchritt = QStringLiteral("-4711");
    QString m_letzterText;
    QString m_gespeicherterTitel;
    QString m_gespeicherterAnwendungsTitel;
    bool m_teilmengeWarAn = false;
    int m_zeichnungen = 0;
};

} // namespace rinolux
