// The rule file: any file is read without harm; a file that was read is written back so
// that it reads the same again; a file that cannot be read is never replaced.

#include "FuzzUmgebung.h"

#include "core/engine/RegelListe.h"

#include <QFile>

using namespace rinolux;
using rinolux::fuzz::Pruefen;
using rinolux::fuzz::Sichtbar;

namespace {

void schreiben(const QString &pfad, const QByteArray &bytes)
{
    QFile datei(pfad);
    Pruefen(datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && datei.write(bytes) == bytes.size(),
            "die Eingabe kann nicht in das Arbeitsverzeichnis geschrieben werden", pfad);
}

QByteArray lesen(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

bool gleich(const RegelListe &a, const RegelListe &b)
{
    return a.beschreibungen() == b.beschreibungen() && a.codes() == b.codes();
}

QString zeigen(const RegelListe &l)
{
    QString s;
    for (int i = 0; i < l.anzahl(); ++i)
        s += Sichtbar(l.beschreibung(i)) + QStringLiteral(" | ") + Sichtbar(l.code(i)) + u'\n';
    return s;
}

bool mitZeilenende(const RegelListe &l)
{
    for (int i = 0; i < l.anzahl(); ++i)
        if (l.beschreibung(i).contains(u'\r') || l.code(i).contains(u'\r'))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray eingabe = fuzz::Eingabe(daten, groesse);
    const QString pfad = fuzz::ArbeitsPfad() + QStringLiteral("Rinol_Regel839.cfg");
    const QString pfad2 = fuzz::ArbeitsPfad() + QStringLiteral("zurueck.cfg");
    schreiben(pfad, eingabe);

    RegelListe liste;
    const Ergebnis gelesen = RegelListeLesen(pfad, liste);
    if (!gelesen) {
        Pruefen(liste.leer() && liste.dateiUnlesbar, "eine unlesbare Datei gibt Regeln oder wird nicht gemeldet",
                Sichtbar(eingabe));
        const Ergebnis zurueck = RegelListeSchreiben(pfad, liste);
        Pruefen(!zurueck && lesen(pfad) == eingabe, "eine unlesbare Datei wird überschrieben", Sichtbar(eingabe));
        return 0;
    }
    Pruefen(!liste.dateiUnlesbar && liste.beschreibungen().size() == liste.codes().size(),
            "eine gelesene Liste ist nicht in sich stimmig", Sichtbar(eingabe));

    Pruefen(bool(RegelListeSchreiben(pfad2, liste)), "eine gelesene Liste kann nicht geschrieben werden",
            Sichtbar(eingabe));
    RegelListe wieder;
    Pruefen(bool(RegelListeLesen(pfad2, wieder)), "eine geschriebene Liste ist nicht lesbar",
            Sichtbar(lesen(pfad2)));
    // A lone CR in a line is dropped on writing; everything else comes back as it was.
    if (!mitZeilenende(liste)) {
        Pruefen(gleich(liste, wieder), "die Liste ändert sich beim Schreiben und Lesen",
                zeigen(liste) + QStringLiteral("->\n") + zeigen(wieder));
        return 0;
    }
    Pruefen(bool(RegelListeSchreiben(pfad2, wieder)), "eine gelesene Liste kann nicht geschrieben werden",
            zeigen(wieder));
    RegelListe dritte;
    Pruefen(RegelListeLesen(pfad2, dritte) && gleich(wieder, dritte),
            "die Liste ändert sich beim zweiten Schreiben und Lesen",
            zeigen(wieder) + QStringLiteral("->\n") + zeigen(dritte));
    return 0;
}
