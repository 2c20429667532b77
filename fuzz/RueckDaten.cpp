// Reading an undo file: any bytes give a listed or skipped file, never a crash; every record
// read names one object inside one absolute directory; second-section numbers point at
// records that exist; the detail list holds only such records; and the rows written back as
// the rest of an undo read back exactly.

#include "FuzzUmgebung.h"

#include "core/actions/RueckDaten.h"
#include "core/actions/RueckListe.h"

#include <QFile>

using namespace rinolux;
using rinolux::fuzz::Pruefen;
using rinolux::fuzz::Sichtbar;

namespace {

bool einObjekt(const QString &verz, const QString &name)
{
    if (!verz.startsWith(u'/') || !verz.endsWith(u'/') || verz.contains(QStringLiteral("//")) ||
        verz.contains(QStringLiteral("/../")) || verz.contains(QStringLiteral("/./")))
        return false;
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\n');
}

QStringList zeilenText(const ListenDaten &l, int wertZelle)
{
    QStringList t;
    for (int z = 1; z <= l.Anzahl(); ++z)
        t << l.Zelle(z, kRueckZellePfad) + u'|' + l.Zelle(z, kRueckZelleName) + u'|' +
                 (wertZelle > 0 ? l.Zelle(z, wertZelle) : QString()) + u'|' + (l.Verz(z) ? u'v' : u'd');
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray eingabe = fuzz::Eingabe(daten, groesse);
    const QString verz = fuzz::ArbeitsPfad();
    const QString pfad = verz + kRueckDateiVorsatz + QStringLiteral("0000000001.cfg");
    QFile::remove(pfad);
    {
        QFile f(pfad);
        Pruefen(f.open(QIODevice::WriteOnly) && f.write(eingabe) == eingabe.size(), "Eingabe nicht geschrieben");
    }

    const auto inhalt = RueckDateiLesen(pfad);
    RueckIndex index(verz);
    index.IniListeRueck_Lesen();
    Pruefen(index.anzahl() <= 1, "mehr Einträge als Dateien", Sichtbar(eingabe));
    if (!inhalt) {
        Pruefen(index.anzahl() == 0, "eine unlesbare Datei wird gelistet", Sichtbar(eingabe));
        return 0;
    }
    qint64 erste = 0;
    for (const RueckSatz &s : inhalt->saetze) {
        Pruefen(einObjekt(s.verzeichnis, s.name), "ein Satz nennt kein einzelnes Objekt",
                Sichtbar(s.verzeichnis + u'|' + s.name));
        if (s.zweiter)
            Pruefen(s.nummer >= 1 && s.nummer <= erste + inhalt->fehlerhaft, "Satz-Nummer außerhalb",
                    Sichtbar(eingabe));
        else
            ++erste;
    }
    Pruefen(erste == inhalt->ersteAnzahl, "Anzahl der Sätze stimmt nicht", Sichtbar(eingabe));
    if (index.anzahl() == 0)
        return 0;
    const RueckIndexEintrag &e = index.eintrag(1);
    Pruefen(e.fehler >= -1, "Fehlerzahl unter -1", Sichtbar(eingabe));

    ListenDaten liste(kRueckZellen);
    const RueckLadeStand stand = Aktion_Vorschau_Rueck(pfad, e, liste);
    Pruefen(stand.art == RueckLadeStand::Art::Ok && liste.Anzahl() == erste, "Zeilen passen nicht zu den Sätzen",
            Sichtbar(eingabe));
    for (int z = 1; z <= liste.Anzahl(); ++z)
        Pruefen(einObjekt(liste.Zelle(z, kRueckZellePfad), liste.Zelle(z, kRueckZelleName)),
                "eine Zeile nennt kein einzelnes Objekt", Sichtbar(eingabe));
    RueckVerzeichnisKorrektur(liste, e.code);
    for (int z = 1; z <= liste.Anzahl(); ++z)
        Pruefen(einObjekt(liste.Zelle(z, kRueckZelleNeuPfad), liste.Zelle(z, kRueckZelleName)),
                "die Korrektur führt aus dem Verzeichnis", Sichtbar(eingabe));

    if (liste.Anzahl() == 0)
        return 0;
    std::vector<int> alle;
    for (int z = 1; z <= liste.Anzahl(); ++z)
        alle.push_back(z);
    const auto neu = RueckDateiRestSchreiben(pfad, e, liste, alle);
    Pruefen(neu.ok(), "der Rest kann nicht geschrieben werden", neu ? QString() : neu.ergebnis().text());
    ListenDaten wieder(kRueckZellen);
    const RueckLadeStand stand2 = Aktion_Vorschau_Rueck(pfad, *neu, wieder);
    const int wertZelle = RueckWertZelle(e.code);
    Pruefen(stand2.meldung.isEmpty() && zeilenText(wieder, wertZelle) == zeilenText(liste, wertZelle),
            "der geschriebene Rest wird anders gelesen", Sichtbar(eingabe));
    return 0;
}
