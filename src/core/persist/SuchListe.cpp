#include "core/persist/SuchListe.h"

#include "core/persist/IniDatei.h"
#include "core/persist/VerlaufDatei.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Zeit.h"

#include <QDateTime>

#include <algorithm>
#include <cerrno>
#include <limits>

namespace rinolux {

qint64 VerlaufGrenze(QStringView text)
{
    qint64 n = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            continue;
        const int d = c.unicode() - u'0';
        if (n > (std::numeric_limits<qint64>::max() - d) / 10)
            return std::numeric_limits<qint64>::max();
        n = n * 10 + d;
    }
    return n;
}

QString SuchFeldText(const QString &text)
{
    QString t = text;
    for (QChar &c : t)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return t;
}

namespace {

// The data text is TAB-framed by its maker; only a line break would split the record.
QString datenText(const QString &text)
{
    QString t = text;
    for (QChar &c : t)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return t;
}

} // namespace

Ergebnis SuchListe::Lesen(const QString &pfad)
{
    m_eintraege.clear();
    m_unlesbar = false;
    ErgebnisWert<QStringList> zeilen = verlaufZeilenLesen(pfad);
    if (!zeilen) {
        if (zeilen.ergebnis().fehlerNummer() == ENOENT)
            return Ergebnis::Ok();
        m_unlesbar = true;
        return zeilen.ergebnis();
    }
    // The two header lines are not checked: older files with the same layout read the same.
    const QStringList &z = *zeilen;
    for (qsizetype i = 2; i < z.size(); i += 5) {
        SuchVerlaufEintrag e;
        QString *felder[5] = {&e.zeit, &e.art, &e.anzeige, &e.verzeichnis, &e.daten};
        for (qsizetype k = 0; k < 5 && i + k < z.size(); ++k)
            *felder[k] = z[i + k];
        m_eintraege.push_back(std::move(e));
    }
    return Ergebnis::Ok();
}

Ergebnis SuchListe::Schreiben(const QString &pfad) const
{
    if (m_unlesbar)
        return verlaufNichtErsetzt(pfad);
    QStringList z{IniWarnung, IniListenMarke};
    for (const SuchVerlaufEintrag &e : m_eintraege)
        z << SuchFeldText(e.zeit) << SuchFeldText(e.art) << SuchFeldText(e.anzeige) << SuchFeldText(e.verzeichnis)
          << datenText(e.daten);
    return verlaufZeilenSchreiben(pfad, z);
}

void SuchListe::Neu(const QString &art, const QString &anzeige, const QString &verzeichnis, const QString &daten,
                    bool kuerzen, const QString &grenze, const QString &zeit)
{
    SuchVerlaufEintrag neu{zeit.isEmpty() ? nxZeitTextAusDatum(QDateTime::currentDateTime()) : SuchFeldText(zeit),
                           SuchFeldText(art), SuchFeldText(anzeige), SuchFeldText(verzeichnis), datenText(daten)};
    // Only the newest equal record goes: a repeated search moves to the end.
    for (size_t i = m_eintraege.size(); i-- > 0;) {
        const SuchVerlaufEintrag &e = m_eintraege[i];
        if (e.art == neu.art && e.anzeige == neu.anzeige && e.verzeichnis == neu.verzeichnis && e.daten == neu.daten) {
            m_eintraege.erase(m_eintraege.begin() + qsizetype(i));
            break;
        }
    }
    m_eintraege.push_back(std::move(neu));
    if (kuerzen) {
        const qint64 l = VerlaufGrenze(grenze);
        if (qint64(m_eintraege.size()) > l)
            m_eintraege.erase(m_eintraege.begin(), m_eintraege.end() - qsizetype(l));
    }
}

void SuchListe::Loeschen(int nr)
{
    if (nr >= 1 && nr <= Anzahl())
        m_eintraege.erase(m_eintraege.begin() + (nr - 1));
}

void SuchListe::Loeschen(const std::vector<int> &nummern)
{
    std::vector<int> n = nummern;
    std::sort(n.begin(), n.end());
    n.erase(std::unique(n.begin(), n.end()), n.end());
    // From the back, so the numbers still to remove keep their meaning.
    for (auto it = n.rbegin(); it != n.rend(); ++it)
        Loeschen(*it);
}

QString SuchListeDateiPfad() { return ProgPfad + QStringLiteral("Rinol_Such.cfg"); }

} // namespace rinolux
