#include "core/persist/MerkListe.h"

#include "core/persist/IniDatei.h"
#include "core/persist/SuchListe.h"
#include "core/persist/VerlaufDatei.h"
#include "core/shell/Prozess.h"

#include <QSet>

#include <cerrno>

namespace rinolux {

namespace {

// A line break inside a word would make two words of it when the file is read again.
QString einzeilig(const QString &text)
{
    QString t = text;
    for (QChar &c : t)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return t;
}

// Returns Ok for a missing file; sets unlesbar when the file exists but cannot be read.
Ergebnis lesen(const QString &pfad, QStringList &zeilen, bool &unlesbar)
{
    zeilen.clear();
    unlesbar = false;
    ErgebnisWert<QStringList> z = verlaufZeilenLesen(pfad);
    if (!z) {
        if (z.ergebnis().fehlerNummer() == ENOENT)
            return Ergebnis::Ok();
        unlesbar = true;
        return z.ergebnis();
    }
    zeilen = std::move(z).wert();
    return Ergebnis::Ok();
}

} // namespace

Ergebnis MerkListe::Lesen(const QString &pfad) { return lesen(pfad, m_woerter, m_unlesbar); }

Ergebnis MerkListe::Schreiben(const QString &pfad) const
{
    if (m_unlesbar)
        return verlaufNichtErsetzt(pfad);
    return verlaufZeilenSchreiben(pfad, m_woerter);
}

void MerkListe::Neu(const QStringList &woerter, bool kuerzen, const QString &grenze)
{
    QStringList neu;
    neu.reserve(woerter.size());
    for (const QString &w : woerter)
        neu.append(einzeilig(w));
    const QSet<QString> weg(neu.begin(), neu.end());
    m_woerter.removeIf([&](const QString &w) { return weg.contains(w); });
    m_woerter.append(neu);
    if (kuerzen) {
        const qint64 l = VerlaufGrenze(grenze);
        if (m_woerter.size() > l)
            m_woerter.remove(0, m_woerter.size() - qsizetype(l));
    }
}

Ergebnis PlatzhalterListe::Lesen(const QString &pfad)
{
    m_werte.clear();
    QStringList z;
    const Ergebnis e = lesen(pfad, z, m_unlesbar);
    for (qsizetype i = 2; i < z.size(); i += 2) {
        PlatzhalterWert w;
        w.name = z[i];
        if (i + 1 < z.size()) {
            w.wert = z[i + 1];
            w.schluessel = w.name.toLower();
        }
        m_werte.push_back(std::move(w));
    }
    return e;
}

Ergebnis PlatzhalterListe::Schreiben(const QString &pfad) const
{
    if (m_unlesbar)
        return verlaufNichtErsetzt(pfad);
    QStringList z{IniWarnung, IniListenMarke};
    for (const PlatzhalterWert &w : m_werte)
        z << einzeilig(w.name) << einzeilig(w.wert);
    return verlaufZeilenSchreiben(pfad, z);
}

void PlatzhalterListe::Neu(const QString &name, const QString &wert, bool kuerzen)
{
    PlatzhalterWert neu{einzeilig(name), einzeilig(wert), QString()};
    neu.schluessel = neu.name.toLower();
    for (size_t i = m_werte.size(); i-- > 0;) {
        if (m_werte[i].schluessel == neu.schluessel) {
            m_werte.erase(m_werte.begin() + qsizetype(i));
            break;
        }
    }
    m_werte.push_back(std::move(neu));
    if (kuerzen && m_werte.size() > size_t(Grenze))
        m_werte.erase(m_werte.begin(), m_werte.end() - Grenze);
}

QString PlatzhalterListe::Wert(const QString &name) const
{
    const QString schluessel = name.toLower();
    for (const PlatzhalterWert &w : m_werte)
        if (w.schluessel == schluessel)
            return w.wert;
    return QString();
}

QString MerkListeDateiPfad() { return ProgPfad + QStringLiteral("Rinol_Merk789.cfg"); }
QString PlatzhalterDateiPfad() { return ProgPfad + QStringLiteral("Rinol_Platzhalter.cfg"); }

} // namespace rinolux
