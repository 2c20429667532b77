#pragma once

#include "core/engine/SeitenAuswahl.h"

#include <QFrame>
#include <QList>
#include <QString>

class QToolButton;

namespace rinolux {

class TNxTabTabelle;

// The caption of a position field: " " + wording, then " " + number for rows that take
// one, with a trailing "." for ordinal rows unless the wording is a "letzt"/"nächst" one
// with the number 1 (so "dem letzten", but "die letzten 1").
QString TabComboBeschriftung(const WortlautZeile &zeile, int zahl);

// A position field: shows the chosen wording and number ("dem 3.", "das letzte") and
// opens, on a left press, a drop-down table of wordings and the numbers 1 to 20 from
// which one cell is picked. Rows are 1-based like the stored form row x 1000 + number.
class TNxTabCombo final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNxTabCombo)

public:
    static constexpr int MaxZahl = 20;

    // nummer: the position table 1..7 (PositionsTabelle); name: the field's control name
    // (PaTabellenComboVon ...); pfeilName: its arrow button's (BiTabellenComboVon ...).
    TNxTabCombo(int nummer, const QString &name, const QString &pfeilName, QWidget *eltern = nullptr);
    ~TNxTabCombo() override;

    int Nummer() const { return m_nummer; }
    const QList<WortlautZeile> &Zeilen() const { return m_zeilen; }
    int Zeile() const { return m_zeile; }
    int Zahl() const { return m_zahl; }
    QString Beschriftung() const;

    // Sets the choice without signal; a row or number outside the table becomes 1.
    void WahlSetzen(int zeile, int zahl);
    qint64 GespeicherteForm() const { return qint64(m_zeile) * 1000 + m_zahl; }
    void GespeicherteFormSetzen(qint64 wert);

    // The choice as the page snapshot takes it (anchor and group are other controls').
    StellenWahl Wahl() const;

    void Oeffnen();
    void Schliessen();
    bool Offen() const;
    // The drop-down table while it exists (tests press into it).
    TNxTabTabelle *Tabelle() const { return m_tabelle; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    // The user picked a cell (also the one already chosen).
    void Gewaehlt();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class TNxTabTabelle;
    void gewaehlt(int zeile, int zahl);

    int m_nummer;
    QList<WortlautZeile> m_zeilen;
    int m_zeile = 1;
    int m_zahl = 1;
    QToolButton *m_pfeil = nullptr;
    TNxTabTabelle *m_tabelle = nullptr;
};

// The drop-down PaCombo of a position field: the painted table ImCombo below a connector
// strip under the field. It is a popup, so it holds the mouse while open and a press
// outside closes it.
class TNxTabTabelle final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNxTabTabelle)

public:
    explicit TNxTabTabelle(TNxTabCombo &feld);

    // Places the table below the field and starts the hover at the field's choice.
    void Zeigen();
    int HoverZeile() const { return m_hoverZeile; }
    int HoverZahl() const { return m_hoverZahl; }
    // A cell of the table in this widget's coordinates: spalte 0 the wording, 1..20 the numbers.
    QRect ZellenRechteck(int zeile, int spalte) const;
    QString ZellenText(int zeile, int spalte) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QRect bildRechteck() const;
    void hover(QPoint imBild);

    TNxTabCombo &m_feld;
    int m_hoverZeile = 1;
    int m_hoverZahl = 1;
    int m_verbinderX = 0;     // where the connector strip below the field starts
    int m_verbinderBreite = 0;
    int m_wortBreite = 81;   // the wording column
    int m_zahlBreite = 24;   // one number cell
    int m_zeilenHoehe = 15;
};

} // namespace rinolux
