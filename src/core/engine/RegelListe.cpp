#include "core/engine/RegelListe.h"

#include "core/engine/RegelCode.h"
#include "core/persist/IniDatei.h"
#include "core/shell/Dialog.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_DateiText.h"
#include "core/util/nx_Debug.h"

#include <QFileInfo>

#include <algorithm>

namespace rinolux {

void RegelListe::waehlen(int i)
{
    m_gewaehlt = (i >= 0 && i < anzahl()) ? i : -1;
}

void RegelListe::leeren()
{
    m_beschreibungen.clear();
    m_codes.clear();
    m_gewaehlt = -1;
}

void RegelListe::anhaengen(const QString &beschreibung, const QString &code)
{
    m_beschreibungen.append(beschreibung);
    m_codes.append(code);
}

void RegelListe::einfuegen(int pos, const QString &beschreibung, const QString &code)
{
    pos = std::clamp(pos, 0, anzahl());
    m_beschreibungen.insert(pos, beschreibung);
    m_codes.insert(pos, code);
    if (m_gewaehlt >= pos)
        ++m_gewaehlt;
}

bool RegelListe::beschreibungSetzen(int i, const QString &beschreibung)
{
    if (i < 0 || i >= anzahl())
        return false;
    m_beschreibungen[i] = beschreibung;
    return true;
}

bool RegelListe::entfernen(int i)
{
    if (i < 0 || i >= anzahl())
        return false;
    m_beschreibungen.removeAt(i);
    m_codes.removeAt(i);
    if (m_gewaehlt == i)
        m_gewaehlt = -1;
    else if (m_gewaehlt > i)
        --m_gewaehlt;
    return true;
}

bool RegelListe::verschieben(int i, int richtung)
{
    const int ziel = i + (richtung < 0 ? -1 : 1);
    if (i < 0 || i >= anzahl() || ziel < 0 || ziel >= anzahl())
        return false;
    m_beschreibungen.move(i, ziel);
    m_codes.move(i, ziel);
    if (m_gewaehlt == i)
        m_gewaehlt = ziel;
    else if (m_gewaehlt == ziel)
        m_gewaehlt = i;
    return true;
}

bool RegelListe::istKombiniert(int i) const
{
    const QString c = code(i);
    return IniZahl(QStringView(c).left(std::max<qsizetype>(0, c.indexOf(u'\t')))) > 1;
}

QString RegelDateiPfad()
{
    return ProgPfad + QStringLiteral("Rinol_Regel839.cfg");
}

RegelListe StandardRegeln()
{
    struct Vorgabe
    {
        const char *beschreibung;
        int anzahl;
        int gruppe;
        const char *wort;
        const char *gross;
        bool verbinden;
        char16_t buchstabe;
        const char *wert;
    };
    // Every default replaces matches over the whole name without its format.
    static const Vorgabe vorgaben[] = {
        {"Ändern: alle Buchstaben großmachen", 1, 0, "", "", false, u'g', ""},
        {"Ändern: alle Buchstaben kleinmachen", 1, 0, "", "", false, u'k', ""},
        {"Ändern: doppelte Leerzeichen vereinfachen", 2, 1, " ", "N", true, u'w', " "},
        {"Ändern: alle Leerzeichen durch _ ersetzen", 2, 1, " ", "N", false, u'w', "_"},
        {"Ändern: alle Leerzeichen durch - ersetzen", 2, 1, " ", "N", false, u'w', "-"},
        {"Ändern: alle Leerzeichen durch Punkte ersetzen", 2, 1, " ", "N", false, u'w', "."},
        {"Ändern: alle _ durch Leerzeichen ersetzen", 2, 1, "_", "N", false, u'w', " "},
        {"Ändern: alle _ durch - ersetzen", 2, 1, "_", "N", false, u'w', "-"},
        {"Ändern: alle _ durch Punkte ersetzen", 2, 1, "_", "N", false, u'w', "."},
        {"Ändern: alle - durch Leerzeichen ersetzen", 2, 1, "-", "N", false, u'w', " "},
        {"Ändern: alle - durch _ ersetzen", 2, 1, "-", "N", false, u'w', "_"},
        {"Ändern: alle - durch Punkte ersetzen", 2, 1, "-", "N", false, u'w', "."},
        {"Ändern: alle Punkte durch Leerzeichen ersetzen", 2, 1, ".", "N", false, u'w', " "},
        {"Ändern: alle Punkte durch _ ersetzen", 2, 1, ".", "N", false, u'w', "_"},
        {"Ändern: alle Punkte durch - ersetzen", 2, 1, ".", "N", false, u'w', "-"},
    };
    RegelListe liste;
    for (const Vorgabe &v : vorgaben) {
        TeilRegel t;
        t.code = 221;
        t.namensTeil = 1;
        t.richtung = 0;
        t.von = Stellenangabe{Anker::Genau, 1, 1, 0, QString(), QString()};
        t.bis = Stellenangabe{Anker::Genau, 1, -1, 0, QString(), QString()};
        t.teilstueck = Stellenangabe{
            Anker::Genau, 6, v.anzahl, v.gruppe, QString::fromUtf8(v.wort), QString::fromUtf8(v.gross)};
        t.verbinden = v.verbinden;
        t.buchstabe = QChar(v.buchstabe);
        t.wert = QString::fromUtf8(v.wert);
        Regel r;
        r.teile.append(t);
        liste.anhaengen(QString::fromUtf8(v.beschreibung), RegelSchreiben(r));
    }
    return liste;
}

QStringList RegelCodeStuecke(const QString &code)
{
    constexpr int kStueck = 60;
    QStringList stuecke;
    qsizetype anfang = 0;
    int zeichen = 0;
    for (qsizetype i = 0; i < code.size(); ++i) {
        if (code.at(i).isHighSurrogate() && i + 1 < code.size() && code.at(i + 1).isLowSurrogate())
            ++i;
        if (++zeichen == kStueck) {
            stuecke.append(code.mid(anfang, i + 1 - anfang));
            anfang = i + 1;
            zeichen = 0;
        }
    }
    if (anfang < code.size())
        stuecke.append(code.mid(anfang));
    return stuecke;
}

namespace {

qint64 ziffernZahl(QStringView s)
{
    QString ziffern;
    for (QChar c : s)
        if (c >= u'0' && c <= u'9')
            ziffern.append(c);
    return IniZahl(ziffern);
}

QString alterZeitTeil(const QString &feld)
{
    if (feld.size() == 1)
        return u'0' + feld;
    if (feld.size() == 2)
        return feld;
    return QStringLiteral("-1");
}

QString ohneZeilenende(QString s)
{
    s.remove(u'\r');
    s.remove(u'\n');
    return s;
}

} // namespace

QString AlterZeitCodeUmrechnen(const QString &code)
{
    // Field 1 is one character and field 2 a three-character number beginning with "20".
    if (code.size() < 6 || code.at(1) != u'\t' || code.at(2) != u'2' || code.at(3) != u'0' ||
        code.at(5) != u'\t')
        return code;
    const qint64 alt = ziffernZahl(QStringView(code).mid(1, 5));
    if (alt < 201 || alt > 203)
        return code;

    nxDebugZeile(QStringLiteral("alter Zeit-Code %1 wird umgerechnet zu neuem Zeit-Code:").arg(alt));
    nxDebugZeile(code);
    const QStringList f = code.split(u'\t');
    const QString jahr = f.value(3).size() == 4 ? f.value(3) : QStringLiteral("-001");
    const QString zeit = jahr + alterZeitTeil(f.value(4)) + alterZeitTeil(f.value(5)) + u'_' +
                         alterZeitTeil(f.value(6)) + alterZeitTeil(f.value(7)) + alterZeitTeil(f.value(8)) +
                         QStringLiteral("_000");
    QStringList neu{f.value(0),
                    QString::number(alt == 201   ? 111
                                    : alt == 202 ? 121
                                                 : 131),
                    QStringLiteral("700"), zeit};
    neu += f.mid(9);
    const QString ergebnis = neu.join(u'\t');
    nxDebugZeile(ergebnis);
    return ergebnis;
}

Ergebnis RegelStandardDateiSchreiben(const QString &pfad)
{
    return RegelListeSchreiben(pfad, StandardRegeln());
}

ErgebnisWert<RegelListe> RegelDateiLesen(const QString &pfad)
{
    const ErgebnisWert<TextFeld> zeilen = nxDateiTextLesen(pfad);
    if (!zeilen)
        return zeilen.ergebnis();

    // Lines 1 and 2 are the header; then description, count, pieces for every rule. A file
    // that ends right after a description keeps it. A count that is negative or names more
    // lines than follow cannot have been written by this program: the whole file is refused
    // rather than reading every later line one place off.
    RegelListe liste;
    const int letzte = int(zeilen->size()) - 1;
    int i = 3;
    while (i <= letzte) {
        const QString beschreibung = zeilen->at(i++);
        qint64 stuecke = 0;
        if (i <= letzte) {
            stuecke = IniZahl(zeilen->at(i));
            if (stuecke < 0 || stuecke > letzte - i)
                return Ergebnis::Fehler(
                    0, QStringLiteral(
                           "In Zeile %1 steht keine mögliche Anzahl von Zeilen (\"%2\"). Die Datei wird "
                           "deshalb nicht benutzt und nicht überschrieben; bitte sie prüfen oder "
                           "umbenennen.")
                           .arg(QString::number(i), zeilen->at(i).left(40)));
            ++i;
        }
        QString code;
        for (; stuecke > 0; --stuecke)
            code += zeilen->at(i++);
        liste.anhaengen(beschreibung, AlterZeitCodeUmrechnen(code));
    }
    return liste;
}

Ergebnis RegelListeLesen(const QString &pfad, RegelListe &liste)
{
    DebugSchritt schritt(QStringLiteral("IniListeRegel_Lesen"));
    liste.leeren();
    liste.dateiUnlesbar = false;

    if (!QFileInfo(pfad).exists()) {
        const Ergebnis geschrieben = RegelStandardDateiSchreiben(pfad);
        if (!geschrieben) {
            // The rules stay usable for this run; writing is tried again at shutdown.
            liste = StandardRegeln();
            return geschrieben;
        }
    }

    ErgebnisWert<RegelListe> gelesen = RegelDateiLesen(pfad);
    if (!gelesen) {
        liste.dateiUnlesbar = true;
        nxDebugZeile(QStringLiteral("Regel-Datei nicht lesbar: ") + gelesen.ergebnis().text());
        return Ergebnis::Fehler(gelesen.ergebnis().fehlerNummer(),
                                QStringLiteral("Die Regel-Datei \"%1\" kann nicht gelesen werden. %2")
                                    .arg(pfad, gelesen.ergebnis().text()));
    }
    liste = std::move(gelesen).wert();
    return Ergebnis::Ok();
}

Ergebnis RegelListeSchreiben(const QString &pfad, const RegelListe &liste)
{
    DebugSchritt schritt(QStringLiteral("IniListeRegel_Schreiben"));
    // Rules added after a failed read would replace every rule of the file that could not be
    // read: the file stays as it is until it has been read.
    if (liste.dateiUnlesbar && QFileInfo(pfad).exists())
        return Ergebnis::Fehler(0,
                                QStringLiteral("Die Regel-Datei \"%1\" wurde nicht gelesen und wird deshalb "
                                               "nicht überschrieben.")
                                    .arg(pfad));
    TextFeld zeilen{QString(), IniWarnung, IniListenMarke};
    for (int i = 0; i < liste.anzahl(); ++i) {
        const QStringList stuecke = RegelCodeStuecke(ohneZeilenende(liste.code(i)));
        zeilen.append(ohneZeilenende(liste.beschreibung(i)));
        zeilen.append(QString::number(stuecke.size()));
        zeilen += stuecke;
    }
    return nxDateiTextSchreiben(pfad, zeilen);
}

bool RegelHinzufuegen(RegelListe &liste, Dialog &dialog, const QString &seite, const QString &auswahlText,
                      const QString &code)
{
    const QString beschreibung = seite + QStringLiteral(": ") + auswahlText;
    const QString anker = seite == u"Herstellen" ? QStringLiteral("BuPlusH") : QStringLiteral("BuPlusA");
    if (!dialog.Dialog_Frage(
            QStringLiteral("Soll die Liste erweitert werden mit den Einstellungen der Seite\r\n[") +
                beschreibung + QStringLiteral("]?"),
            anker, false))
        return false;
    liste.einfuegen(0, QStringLiteral("NEU: ") + beschreibung, code);
    liste.waehlen(0);
    return true;
}

bool RegelUmbenennen(RegelListe &liste, Dialog &dialog, const QString &neueBeschreibung)
{
    const int i = liste.gewaehlt();
    if (i < 0)
        return false;
    if (!dialog.Dialog_Frage(QStringLiteral("Soll die ausgewählte Regel jetzt umbenannt werden?\r\n\r\n"
                                            "Bisheriger Name:\r\n> ") +
                                 liste.beschreibung(i) + QStringLiteral("\r\n\r\nNeuer Name:\r\n> ") +
                                 neueBeschreibung,
                             QStringLiteral("BuRegelTextOK"), true))
        return false;
    // A line break would split the entry in the rule file.
    return liste.beschreibungSetzen(i, ohneZeilenende(neueBeschreibung));
}

bool RegelLoeschen(RegelListe &liste, Dialog &dialog)
{
    const int i = liste.gewaehlt();
    if (i < 0)
        return false;
    if (!dialog.Dialog_Frage(QStringLiteral("Soll die ausgewählte Regel\r\n> ") + liste.beschreibung(i) +
                                 QStringLiteral("\r\n\r\nwirklich aus der Liste entfernt werden?"),
                             QStringLiteral("BuRegelLoeschen"), true))
        return false;
    liste.entfernen(i);
    liste.waehlen(0);
    return true;
}

bool RegelHoch(RegelListe &liste)
{
    return liste.verschieben(liste.gewaehlt(), -1);
}

bool RegelRunter(RegelListe &liste)
{
    return liste.verschieben(liste.gewaehlt(), +1);
}

} // namespace rinolux
