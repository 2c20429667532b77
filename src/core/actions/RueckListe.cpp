#include "core/actions/RueckListe.h"

#include "core/platform/SchreibDatei.h"
#include "core/util/PfadText.h"
#include "core/util/nx_Debug.h"

#include <QDateTime>

#include <cerrno>

namespace rinolux {

QString RueckTextZugriff(const QString &pfad)
{
    return QStringLiteral("Der Zugriff auf die ausgewählte Daten-Datei ist nicht möglich.\r\n\r\n(Name der Daten-Datei: ") +
           pfad + u')';
}

QString RueckTextFehlerhaft()
{
    return QStringLiteral(
        "Die ausgewählte Daten-Datei ist fehlerhaft und kann deshalb nicht vollständig verwendet werden.");
}

RueckLadeStand Aktion_Vorschau_Rueck(const QString &pfad, const RueckIndexEintrag &eintrag, ListenDaten &liste)
{
    DebugSchritt schritt(QStringLiteral("Aktion_Vorschau_Rueck"));
    RueckLadeStand stand;
    liste.Leeren();
    if (liste.ZellenAnzahl() != kRueckZellen)
        liste.ZellenAnzahlSetzen(kRueckZellen);
    auto inhalt = RueckDateiLesen(pfad);
    if (!inhalt) {
        const bool fehlt = inhalt.ergebnis().fehlerNummer() == ENOENT;
        stand.art = fehlt ? RueckLadeStand::Art::Fehlt : RueckLadeStand::Art::Unlesbar;
        stand.meldung = fehlt ? RueckTextZugriff(pfad) : RueckTextFehlerhaft();
        return stand;
    }
    const int code = eintrag.code;
    const int wertZelle = RueckWertZelle(code);
    stand.uebersprungen = inhalt->fehlerhaft;
    if (inhalt->code != code)
        ++stand.uebersprungen;

    // Position of a first-section record in the file -> its row (0: none).
    std::vector<int> zeileVon(1, 0);
    for (const RueckSatz &s : inhalt->saetze) {
        if (s.zweiter) {
            const int zeile = s.nummer >= 1 && size_t(s.nummer) < zeileVon.size() ? zeileVon[size_t(s.nummer)] : 0;
            if (zeile == 0) {
                ++stand.uebersprungen;
                continue;
            }
            liste.ZelleSetzen(zeile, kRueckZellePfad, s.verzeichnis);
            liste.ZelleSetzen(zeile, kRueckZelleName, s.name);
            liste.VerzSetzen(zeile, s.istVerzeichnis);
            continue;
        }
        if (zeileVon.size() <= size_t(s.nummer))
            zeileVon.resize(size_t(s.nummer) + 1, 0);
        const int zeile = liste.ZeilenAnhaengen(1);
        zeileVon[size_t(s.nummer)] = zeile;
        liste.ZelleSetzen(zeile, kRueckZellePfad, s.verzeichnis);
        liste.ZelleSetzen(zeile, kRueckZelleName, s.name);
        liste.VerzSetzen(zeile, s.istVerzeichnis);
        if (code == 309) {
            liste.ZelleSetzen(zeile, wertZelle, QStringLiteral("(wird gelöscht)"));
            if (s.wert != u"-")
                liste.ZelleSetzen(zeile, kRueckZelleStempel, s.wert);
        } else if (code == 310)
            liste.ZelleSetzen(zeile, wertZelle, QStringLiteral("(Rückgängig nicht möglich)"));
        else if (wertZelle > 0)
            liste.ZelleSetzen(zeile, wertZelle, s.wert);
    }
    // A closed file that says it holds more records than could be read lost some.
    if (inhalt->vollstaendig && inhalt->anzahl != inhalt->ersteAnzahl && stand.uebersprungen == 0)
        ++stand.uebersprungen;
    if (stand.uebersprungen > 0)
        stand.meldung = RueckTextFehlerhaft();
    return stand;
}

void RueckVerzeichnisKorrektur(ListenDaten &liste, int code)
{
    const int n = liste.Anzahl();
    for (int z = 1; z <= n; ++z)
        liste.ZelleSetzen(z, kRueckZelleNeuPfad, liste.Zelle(z, kRueckZellePfad));
    if (code != 301)
        return;
    for (int z = n; z >= 1; --z) {
        if (!liste.Verz(z))
            continue;
        const QString vorher = liste.Zelle(z, kRueckZelleNeuPfad);
        const QString alt = vorher + liste.Zelle(z, kRueckZelleNeuName) + u'/';
        const QString jetzt = vorher + liste.Zelle(z, kRueckZelleName) + u'/';
        if (alt == jetzt)
            continue;
        for (int oben = z - 1; oben >= 1; --oben) {
            const QString pfad = liste.Zelle(oben, kRueckZelleNeuPfad);
            // alt ends with "/", so a match always ends on a whole path component.
            if (pfad.startsWith(alt))
                liste.ZelleSetzen(oben, kRueckZelleNeuPfad, jetzt + QStringView(pfad).sliced(alt.size()));
        }
    }
}

ErgebnisWert<RueckIndexEintrag> RueckDateiRestSchreiben(const QString &pfad, const RueckIndexEintrag &eintrag,
                                                        const ListenDaten &liste, const std::vector<int> &zeilen)
{
    const QByteArray ende = QByteArrayLiteral("\r\n");
    const int wertZelle = RueckWertZelle(eintrag.code);
    QByteArray b = kRueckWarnZeile.toUtf8() + ende;
    b += eintrag.zeit.toUtf8() + '\t' + QByteArray::number(eintrag.code) + '\t' + eintrag.beschreibung.toUtf8() + ende;
    QString letztes;
    bool erstes = true;
    qint64 anzahl = 0;
    for (int z : zeilen) {
        if (z < 1 || z > liste.Anzahl())
            return Ergebnis::Fehler(0, QStringLiteral("Die Zeile %1 gibt es in der Liste nicht.").arg(z));
        const QString verz = liste.Zelle(z, kRueckZellePfad);
        if (erstes || verz != letztes) {
            b += ':' + ende + nameZuBytes(verz) + ende;
            letztes = verz;
            erstes = false;
        }
        QString wert = (eintrag.code == 310 || wertZelle == 0) ? QStringLiteral("-") : liste.Zelle(z, wertZelle);
        if (eintrag.code == 309) {
            wert = liste.Zelle(z, kRueckZelleStempel);
            if (wert.isEmpty())
                wert = QStringLiteral("-");
        }
        b += nameZuBytes(liste.Zelle(z, kRueckZelleName)) + ende + nameZuBytes(wert) + ende + (liste.Verz(z) ? 'v' : 'd') +
             ende;
        ++anzahl;
    }
    RueckIndexEintrag neu = eintrag;
    neu.anzahl = anzahl;
    neu.anzahl2 = 0;
    // The rows left are what failed to go back: the entry keeps showing failures.
    neu.fehler = std::max<qint64>(eintrag.fehler, 0);
    if (neu.fehler == 0)
        neu.fehler = anzahl;
    b += QByteArrayLiteral(":::") + ende +
         QStringLiteral("%1%2%3")
             .arg(neu.anzahl, 10, 10, QLatin1Char('0'))
             .arg(neu.anzahl2, 10, 10, QLatin1Char('0'))
             .arg(neu.fehler, 10, 10, QLatin1Char('0'))
             .toUtf8() +
         ende;
    if (Ergebnis e = plattform::dateiErsetzen(pfad, b); !e)
        return e;
    return neu;
}

Ergebnis Aktion_RueckAbschliessen(RueckIndex &index, int i, const ListenDaten &liste, const std::vector<int> &uebrig)
{
    if (i < 1 || i > index.anzahl())
        return Ergebnis::Fehler(0, QStringLiteral("Den Rückgängig-Eintrag %1 gibt es nicht.").arg(i));
    if (uebrig.empty()) {
        index.IniListeRueck_EinenLoeschen(i);
        return Ergebnis::Ok();
    }
    const RueckIndexEintrag eintrag = index.eintrag(i);
    auto neu = RueckDateiRestSchreiben(index.dateiPfad(eintrag.nummer), eintrag, liste, uebrig);
    if (!neu)
        return neu.ergebnis();
    index.EintragErsetzen(i, *neu);
    return Ergebnis::Ok();
}

} // namespace rinolux
