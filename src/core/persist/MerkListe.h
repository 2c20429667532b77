#pragma once

// The remembered words "Rinol_Merk789.cfg" and the placeholder values
// "Rinol_Platzhalter.cfg" as data. The words are read at start-up and written at
// shutdown; the placeholder values are read when their form is created and written when
// it is confirmed.
//
// How to call it:
//   MerkListe w;  static_cast<void>(w.Lesen(MerkListeDateiPfad()));   // never reported
//   w.Neu({u"abc"_s, u"xyz"_s}, true, einst.maxMerk);
//   PlatzhalterListe p;  const Ergebnis e = p.Lesen(PlatzhalterDateiPfad());
//   p.Neu(u"Datum"_s, u"2024"_s, true);  QString v = p.Wert(u"DATUM"_s);   // "2024"

#include "core/util/Ergebnis.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace rinolux {

class MerkListe final
{
public:
    // Empties the list, then every line of the file is a word (empty ones too). A missing
    // file is Ok. A file that exists but cannot be read fails; Schreiben then refuses to
    // replace it.
    Ergebnis Lesen(const QString &pfad);
    // One word per line, atomically; an empty list gives an empty file.
    Ergebnis Schreiben(const QString &pfad) const;

    // Every word equal to one of the new ones is removed, the new ones are appended in
    // their order; with kuerzen only the newest grenze (VerlaufGrenze) words stay. A word
    // holding CR or LF would split into two lines: those become blanks.
    void Neu(const QStringList &woerter, bool kuerzen, const QString &grenze);
    void Wort(const QString &wort, bool kuerzen, const QString &grenze) { Neu({wort}, kuerzen, grenze); }

    int Anzahl() const { return int(m_woerter.size()); }
    const QStringList &Woerter() const { return m_woerter; } // oldest first
    bool dateiUnlesbar() const { return m_unlesbar; }

private:
    QStringList m_woerter;
    bool m_unlesbar = false;
};

struct PlatzhalterWert
{
    QString name; // as the form gave it
    QString wert;
    QString schluessel; // name in lower case, never stored
};

class PlatzhalterListe final
{
public:
    static constexpr int Grenze = 30;

    Ergebnis Lesen(const QString &pfad);
    Ergebnis Schreiben(const QString &pfad) const;

    // The newest record with the same key is removed, the new one appended; with kuerzen
    // only the newest Grenze records stay.
    void Neu(const QString &name, const QString &wert, bool kuerzen);
    // The value of the oldest record whose key is the name in lower case; empty when none.
    QString Wert(const QString &name) const;

    int Anzahl() const { return int(m_werte.size()); }
    const std::vector<PlatzhalterWert> &Werte() const { return m_werte; } // oldest first
    bool dateiUnlesbar() const { return m_unlesbar; }

private:
    std::vector<PlatzhalterWert> m_werte;
    bool m_unlesbar = false;
};

// ProgPfad + "Rinol_Merk789.cfg", ProgPfad + "Rinol_Platzhalter.cfg"
QString MerkListeDateiPfad();
QString PlatzhalterDateiPfad();

} // namespace rinolux
