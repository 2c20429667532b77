#include "core/actions/sub_Aktion_Herstellen.h"

#include "core/platform/SchreibDatei.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/Prozess.h"
#include "core/util/PfadText.h"
#include "core/util/nx_Adresse.h"

#include <algorithm>
#include <cerrno>

namespace rinolux {

namespace {

bool zeilenTrenner(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0));
}

Ergebnis entfernen(const QString &pfad, const plattform::Eintrag &objekt)
{
    if (objekt.istVerzeichnis())
        return plattform::leeresVerzeichnisEntfernen(pfad);
    return plattform::fuerImmerLoeschen(pfad, objekt.identitaet);
}

Ergebnis machen(const HerstellAuftrag &a, const QString &ziel, const plattform::DatenFortschritt &fort,
                int &fehlendesStueck)
{
    switch (a.art) {
    case HerstellArt::Verzeichnis:
        return plattform::verzeichnisAnlegen(ziel);
    case HerstellArt::Datei:
        return plattform::leereDateiAnlegen(ziel);
    case HerstellArt::Kopie:
        return plattform::neuKopieren(a.quelle, ziel, fort);
    case HerstellArt::Teil: {
        if (a.teileAnzahl < 1 || a.teilNummer < 1 || a.teilNummer > a.teileAnzahl)
            return ErgebnisAusErrno(EINVAL, ziel);
        const ErgebnisWert<plattform::Eintrag> q = plattform::objektLesen(a.quelle);
        if (!q)
            return q.ergebnis();
        // Parts of a source that grew or shrank between them would not fit together.
        if (a.quellGroesse >= 0 && q->groesse != a.quellGroesse)
            return Ergebnis::Fehler(EIO, nameAnzeige(a.quelle) +
                                             QStringLiteral(": wurde während des Teilens verändert"));
        const qint64 groesse = q->groesse;
        // Every part at its own offset: a part that is not written never shifts the others.
        const qint64 p = TeilGroesse(groesse, a.teileAnzahl);
        const qint64 von = std::min(groesse, (a.teilNummer - 1) * p);
        const qint64 laenge = std::min(p, groesse - von);
        return plattform::dateiTeilKopieren(a.quelle, von, laenge, ziel, fort);
    }
    case HerstellArt::Verbunden:
        return plattform::dateienVerbinden(a.stuecke, ziel, fort, &fehlendesStueck);
    }
    return ErgebnisAusErrno(EINVAL, ziel);
}

// A name for the shell: in single quotes, each quote in it closed, escaped and reopened;
// "./" in front, so no name can be taken for an option.
QByteArray shellName(const QString &name)
{
    QByteArray b = nameZuBytes(name);
    b.replace('\'', "'\\''");
    return "'./" + b + '\'';
}

// A literal text for the shell's printf.
QByteArray shellText(const QString &text)
{
    QByteArray b = nameZuBytes(text);
    b.replace('\'', "'\\''");
    return '\'' + b + '\'';
}

} // namespace

std::optional<HerstellArt> HerstellArtVonCode(AktionsCode code)
{
    if ((code >= 251 && code <= 254) || (code >= 271 && code <= 274))
        return HerstellArt::Kopie;
    if (code >= 291 && code <= 294)
        return HerstellArt::Verzeichnis;
    if (code >= 281 && code <= 284)
        return HerstellArt::Datei;
    if (code >= 261 && code <= 264)
        return HerstellArt::Teil;
    if (code == 249 || code == 250)
        return HerstellArt::Verbunden;
    return std::nullopt;
}

qint64 TeilGroesse(qint64 groesse, qint64 anzahl)
{
    if (groesse <= 0)
        return 0;
    return (groesse - 1) / std::max<qint64>(anzahl, 1) + 1;
}

HerstellStand Aktion_HerstellenEinzeln(const HerstellAuftrag &a, RueckSchreiber *rueck,
                                       const plattform::DatenFortschritt &fort)
{
    HerstellStand s;
    const QString verz = nxAdresseMitEndStrich(a.zielVerz);
    const QString ziel = verz + a.zielName;
    const auto fehler = [&](const Ergebnis &e) {
        s.text = e.text();
        s.abgebrochen = e.fehlerNummer() == ECANCELED;
        return s;
    };
    if (a.zielName.isEmpty() || a.zielName.contains(u'/') || a.zielName == u"." || a.zielName == u".." ||
        !verz.startsWith(u'/'))
        return fehler(ErgebnisAusErrno(EINVAL, ziel));
    if (rueck && (zeilenTrenner(verz) || zeilenTrenner(a.zielName)))
        return fehler(Ergebnis::Fehler(0, nameAnzeige(ziel) +
                                              QStringLiteral(": ein Name mit Zeilenwechsel kann nicht in die "
                                                             "Rück-Datei geschrieben werden")));
    if (plattform::vorhanden(ziel))
        return fehler(ErgebnisAusErrno(EEXIST, ziel));
    if (Ergebnis e = nxAdresseVerzeichnisHerstellen(verz); !e)
        return fehler(e);
    if (Ergebnis e = machen(a, ziel, fort, s.fehlendesStueck); !e)
        return fehler(e);

    // The stamp of what is there now; should reading it fail, the plain record still lets
    // the undo remove it by kind.
    const ErgebnisWert<plattform::Eintrag> objekt = plattform::objektLesen(ziel);
    if (objekt)
        s.objekt = *objekt;
    s.verzeichnis = objekt ? objekt->istVerzeichnis() : a.art == HerstellArt::Verzeichnis;
    if (rueck) {
        const Ergebnis w = rueck->satz(verz, a.zielName, objekt ? HerstellWert(*objekt) : QStringLiteral("-"),
                                       s.verzeichnis);
        if (!w) {
            // Nothing may stay that the undo file does not know of.
            s.rueckFehler = true;
            s.text = w.text();
            if (objekt)
                if (Ergebnis e = entfernen(ziel, *objekt); !e)
                    s.text += QStringLiteral("\r\n") + e.text();
            return s;
        }
    }
    s.ok = true;
    return s;
}

plattform::DatenFortschritt HerstellFortschritt(Fortschritt &fort, qint64 k, qint64 n, qint64 bytesGesamt)
{
    return [&fort, k, n, bytesGesamt](qint64 geschrieben) {
        fort.FortSchritt(n, k, bytesGesamt, geschrieben);
        return !fort.Abbruch;
    };
}

QString TeilenSkriptName(const QStringList &teile)
{
#ifdef Q_OS_WIN
    return teile.value(0) + QStringLiteral(".bat");
#else
    return teile.value(0) + QStringLiteral(".sh");
#endif
}

Ergebnis TeilenSkriptSchreiben(const QString &zielVerz, const QStringList &teile, const QString &quellName)
{
    if (teile.isEmpty() || quellName.isEmpty())
        return ErgebnisAusErrno(EINVAL, zielVerz);
    const QString pfad = nxAdresseMitEndStrich(zielVerz) + TeilenSkriptName(teile);
#ifdef Q_OS_WIN
    // The command interpreter reads the system's code page.
    const QByteArray text = (TeilenBatchText(teile, quellName) + QStringLiteral("\r\n")).toLocal8Bit();
#else
    const QByteArray text = TeilenShellText(teile, quellName);
#endif
    auto datei = plattform::SchreibDatei::exklusivAnlegen(pfad);
    if (!datei)
        return datei.ergebnis();
    if (Ergebnis e = (*datei)->schreiben(text); !e) {
        static_cast<void>((*datei)->schliessen());
        static_cast<void>(plattform::dateiLoeschen(pfad)); // half a script must not stay
        return e;
    }
    return (*datei)->schliessen();
}

QByteArray TeilenShellText(const QStringList &teile, const QString &quellName)
{
    const QString titel = ProgName + QStringLiteral(": ");
    QByteArray t = "#!/bin/sh\n";
    t += "# " + nameZuBytes(titel) + QByteArray::number(teile.size()) + " Dateien verbinden.\n";
    // No name goes into a comment: a line break in it would end the comment.
    t += "# Aufruf mit sh, aus jedem Verzeichnis.\n";
    // Works in its own directory, however it was started.
    t += "case $0 in\n"
         "/*) cd \"${0%/*}/\" || exit 1 ;;\n"
         "*/*) cd \"./${0%/*}/\" || exit 1 ;;\n"
         "esac\n";
    t += "ziel=" + shellName(quellName) + "\n";
    t += "printf '%s\\n' " +
         shellText(titel + QString::number(teile.size()) + QStringLiteral(" Dateien verbinden:")) + "\n";
    // noclobber: the redirection makes the target only when no file of that name exists.
    t += "set -C\n"
         "if ! true > \"$ziel\"; then\n"
         "  printf '%s\\n' " +
         shellText(titel + QStringLiteral("Die Datei ist schon vorhanden und bleibt, wie sie ist: ")) +
         " \"$ziel\" >&2\n"
         "  exit 1\n"
         "fi\n";
    t += "if cat";
    for (const QString &teil : teile)
        t += " \\\n  " + shellName(teil);
    t += " >| \"$ziel\"; then\n";
    t += "  printf '%s\\n' " + shellText(titel + QStringLiteral("Fertig.")) + "\n";
    t += "else\n"
         "  rm -f \"$ziel\"\n"
         "  printf '%s\\n' " +
         shellText(titel + QStringLiteral("Fehler beim Verbinden; die Datei ist wieder entfernt.")) +
         " >&2\n"
         "  exit 1\n"
         "fi\n";
    return t;
}

QString TeilenBatchText(const QStringList &teile, const QString &quellName)
{
    // "%" would be read as a variable by the command interpreter, even inside quotes.
    const auto name = [](QString n) { return n.replace(u'%', QStringLiteral("%%")); };
    const QString linie = QStringLiteral("REM ") + QString(91, u'-') + QStringLiteral("\r\n");
    QString t =
        QStringLiteral("@echo off\r\n") + linie +
        QStringLiteral("REM Der Copy-Befehl funktioniert nicht, wenn die Datei-Auflistung laenger als "
                       "8180 Zeichen ist!\r\n") +
        linie + QStringLiteral("echo ") + ProgName + QStringLiteral(": ") + QString::number(teile.size()) +
        QStringLiteral(" Dateien verbinden:\r\npause\r\ncopy /b /-y");
    QStringList liste;
    for (const QString &teil : teile)
        liste.append(u'"' + name(teil) + u'"');
    t += u' ' + liste.join(QStringLiteral(" + "));
    t += QStringLiteral(" \"") + name(quellName) + QStringLiteral("\"\r\necho ") + ProgName +
         QStringLiteral(": Fertig.\r\npause");
    return t;
}

QString HerstellWert(const plattform::Eintrag &objekt)
{
    const QString id =
        QString::number(objekt.identitaet.geraet) + u':' + QString::number(objekt.identitaet.inode);
    if (objekt.istVerzeichnis())
        return QStringLiteral("- ") + id;
    return QStringLiteral("- %1 %2.%3 %4")
        .arg(objekt.groesse)
        .arg(objekt.aenderung.sekunden)
        .arg(objekt.aenderung.nanosekunden, 9, 10, QLatin1Char('0'))
        .arg(id);
}

namespace {

struct Stempel
{
    bool verzeichnis = false;
    qint64 groesse = 0;
    qint64 sekunden = 0;
    qint32 nanosekunden = 0;
    plattform::Identitaet identitaet;
};

std::optional<plattform::Identitaet> identitaetLesen(QStringView text)
{
    const qsizetype doppel = text.indexOf(u':');
    if (doppel <= 0)
        return std::nullopt;
    bool a = false, b = false;
    plattform::Identitaet i{text.left(doppel).toULongLong(&a), text.mid(doppel + 1).toULongLong(&b)};
    if (!a || !b || !i.gueltig())
        return std::nullopt;
    return i;
}

// nullopt: no stamp ("-" alone, or nothing where a list holds no value); a broken stamp
// is an error of its own (ok false).
std::optional<Stempel> stempelLesen(const QString &wert, bool &ok)
{
    ok = true;
    if (wert == u"-" || wert.isEmpty())
        return std::nullopt;
    const QStringList teile = wert.split(u' ');
    ok = false;
    if (teile.value(0) != u"-")
        return std::nullopt;
    Stempel s;
    if (teile.size() == 2) {
        const auto id = identitaetLesen(teile[1]);
        if (!id)
            return std::nullopt;
        s.verzeichnis = true;
        s.identitaet = *id;
        ok = true;
        return s;
    }
    if (teile.size() != 4)
        return std::nullopt;
    bool g = false, z = false, n = false;
    s.groesse = teile[1].toLongLong(&g);
    const qsizetype punkt = teile[2].indexOf(u'.');
    if (punkt <= 0 || teile[2].size() - punkt - 1 != 9)
        return std::nullopt;
    s.sekunden = QStringView(teile[2]).left(punkt).toLongLong(&z);
    s.nanosekunden = QStringView(teile[2]).mid(punkt + 1).toInt(&n);
    const auto id = identitaetLesen(teile[3]);
    if (!g || !z || !n || s.groesse < 0 || !id)
        return std::nullopt;
    s.identitaet = *id;
    ok = true;
    return s;
}

} // namespace

bool HerstellWertGueltig(const QString &wert)
{
    bool ok = false;
    static_cast<void>(stempelLesen(wert, ok));
    return ok;
}

RueckLoeschStand Aktion_HerstellenZuruecknehmen(const QString &pfad, bool verzeichnis, const QString &wert)
{
    const auto stand = [](RueckLoeschArt art, QString text = {}) {
        return RueckLoeschStand{art, std::move(text)};
    };
    bool stempelOk = false;
    const std::optional<Stempel> stempel = stempelLesen(wert, stempelOk);
    if (!stempelOk)
        return stand(RueckLoeschArt::Fehler, nameAnzeige(pfad) + QStringLiteral(": Rück-Daten unlesbar"));
    const ErgebnisWert<plattform::Eintrag> e = plattform::objektLesen(pfad);
    if (!e)
        return stand(RueckLoeschArt::Fehler, e.ergebnis().text());
    const bool istVerz = e->istVerzeichnis();
    const auto veraendert = [&] {
        return stand(RueckLoeschArt::Veraendert,
                     nameAnzeige(pfad) + QStringLiteral(": seit dem Herstellen verändert"));
    };
    if (istVerz != verzeichnis || (stempel && stempel->verzeichnis != verzeichnis))
        return veraendert();
    if (stempel) {
        if (e->identitaet != stempel->identitaet)
            return veraendert();
        if (!verzeichnis && (e->groesse != stempel->groesse || e->aenderung.sekunden != stempel->sekunden ||
                             e->aenderung.nanosekunden != stempel->nanosekunden))
            return veraendert();
    } else if (!verzeichnis && e->art != plattform::ObjektArt::Datei) {
        // Without a stamp only the kind can be checked, as records of older versions allow.
        return veraendert();
    }
    if (verzeichnis) {
        const Ergebnis r = plattform::leeresVerzeichnisEntfernen(pfad);
        if (r)
            return stand(RueckLoeschArt::Geloescht);
        // Something was put into it since: it is not what was made any more.
        if (r.fehlerNummer() == ENOTEMPTY || r.fehlerNummer() == EEXIST)
            return veraendert();
        return stand(RueckLoeschArt::Fehler, r.text());
    }
    const Ergebnis r = plattform::fuerImmerLoeschen(pfad, e->identitaet);
    if (!r)
        return stand(RueckLoeschArt::Fehler, r.text());
    return stand(RueckLoeschArt::Geloescht);
}

} // namespace rinolux
