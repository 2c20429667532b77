#include "core/engine/PlatzhalterWerte.h"

#include "core/shell/Prozess.h"
#include "core/util/nx_DateiText.h"

namespace rinolux {

namespace {

const QString WarnZeile = QStringLiteral("Warnung: Änderungen in dieser Datei können zu Fehlern führen!");

QString einzeilig(QString text)
{
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

} // namespace

QString PlatzhalterDateiPfad()
{
    return ProgPfad + QStringLiteral("Rinol_Platzhalter.cfg");
}

QList<PlatzhalterWert> PlatzhalterWerteLesen(const QString &pfad)
{
    QList<PlatzhalterWert> werte;
    const ErgebnisWert<TextFeld> zeilen = nxDateiTextLesen(pfad);
    if (!zeilen)
        return werte;
    const TextFeld &z = *zeilen;
    // Lines 1 and 2 are the warning and the version; element 0 of the array stays empty.
    for (qsizetype i = 3; i < z.size(); i += 2)
        werte.append({z[i], i + 1 < z.size() ? z[i + 1] : QString()});
    return werte;
}

void PlatzhalterWertNeu(QList<PlatzhalterWert> &werte, const QString &name, const QString &wert, bool kuerzen)
{
    PlatzhalterWert neu{einzeilig(name), einzeilig(wert)};
    const QString schluessel = neu.schluessel();
    for (qsizetype i = werte.size() - 1; i >= 0; --i) {
        if (werte[i].schluessel() == schluessel) {
            werte.removeAt(i);
            break;
        }
    }
    werte.append(std::move(neu));
    if (kuerzen && werte.size() > PlatzhalterGrenze)
        werte.remove(0, werte.size() - PlatzhalterGrenze);
}

Ergebnis PlatzhalterWerteSchreiben(const QString &pfad, const QList<PlatzhalterWert> &werte)
{
    TextFeld zeilen{QString(), WarnZeile, QStringLiteral("700")};
    for (const PlatzhalterWert &w : werte)
        zeilen << einzeilig(w.name) << einzeilig(w.wert);
    return nxDateiTextSchreiben(pfad, zeilen);
}

QString PlatzhalterGespeichert(const QList<PlatzhalterWert> &werte, const QString &name)
{
    const QString schluessel = name.toLower();
    for (qsizetype i = werte.size() - 1; i >= 0; --i)
        if (werte[i].schluessel() == schluessel)
            return werte[i].wert;
    return QString();
}

} // namespace rinolux
