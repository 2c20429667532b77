// The preview of a fuzzed rule on fuzzed names, built in memory: a row the preview calls
// "ok" can be carried out. Its new name is valid (not empty, not "." or "..", no "/", no
// control character, at most 255 bytes), no other row that stays or changes ends up with
// the same name in its directory, and nothing in the object's own path breaks the line-
// and TAB-framed files.
//
// Input, separated by NUL bytes (which no name holds): the rule record, then up to 50
// entries "directory/name" as bytes on the disk (without "/" the directory is "/d/"; a
// leading byte 0x01 makes the entry a directory).

#include "FuzzUmgebung.h"

#include "core/engine/RegelCode.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"
#include "core/util/PfadText.h"

#include <QHash>
#include <QSet>
#include <QList>

#include <algorithm>
#include <functional>

using namespace rinolux;
using rinolux::fuzz::Pruefen;
using rinolux::fuzz::Sichtbar;

namespace {

constexpr qsizetype kEintraegeHoechstens = 50;

ListenDaten auswahlAus(const QList<QByteArray> &teile)
{
    ListenDaten a(AZelle::Anzahl);
    const qsizetype n = std::min(teile.size() - 1, kEintraegeHoechstens);
    for (qsizetype i = 1; i <= n; ++i) {
        QByteArray eintrag = teile[i];
        const bool verz = eintrag.startsWith('\x01');
        if (verz)
            eintrag.remove(0, 1);
        const qsizetype strich = eintrag.lastIndexOf('/');
        const QByteArray pfad = strich < 0 ? QByteArray("/d/") : eintrag.left(strich + 1);
        const QByteArray name = strich < 0 ? eintrag : eintrag.mid(strich + 1);
        const int z = a.ZeilenAnhaengen(1);
        // As the listing puts them in: bytes that are no UTF-8 become their stand-ins.
        a.ZelleSetzen(z, AZelle::Pfad, nameAusBytes(pfad));
        a.ZelleSetzenUtf8(z, AZelle::PfadNr, "1");
        a.ZelleSetzen(z, AZelle::Name, nameAusBytes(name));
        a.ZelleSetzen(z, AZelle::Bytes, QString::number(i * 1000));
        a.ZelleSetzenUtf8(z, AZelle::Attribute, verz ? "16" : "32");
        a.ZelleSetzenUtf8(z, AZelle::ZeitH, "20230101_080000_000_7");
        a.ZelleSetzenUtf8(z, AZelle::ZeitA, "20240229_120000_000_4");
        a.ZelleSetzenUtf8(z, AZelle::ZeitZ, "20241231_235959_999_2");
        a.VerzSetzen(z, verz);
        a.MarkSetzen(z, true);
    }
    return a;
}

// The letters "%" and "$" insert random text; a fixed text keeps the runs of one input alike.
QString ohneZufall(const QString &code, Regel &regel)
{
    bool geaendert = false;
    for (TeilRegel &t : regel.teile) {
        if (t.buchstabe == u'%' || t.buchstabe == u'$') {
            t.buchstabe = u'w';
            geaendert = true;
        }
    }
    return geaendert ? RegelSchreiben(regel) : code;
}

QByteArray gefaltet(QByteArrayView b)
{
    QByteArray s = b.toByteArray();
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

bool zerbrichtRahmen(QByteArrayView b)
{
    return b.contains('\t') || b.contains('\r') || b.contains('\n');
}

// Lone surrogates may only stand for single bytes that are not UTF-8 (U+DC80..U+DCFF).
bool gueltigeEinheiten(const QString &s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate() && !(c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF))
            return false;
    }
    return true;
}

void nameGueltig(QByteArrayView name, const QString &text, const std::function<QString()> &wo)
{
    Pruefen(!name.isEmpty() && name != "." && name != "..", "ein ok-Name ist leer, \".\" oder \"..\"", wo);
    Pruefen(name.size() <= 255, "ein ok-Name ist länger als 255 Bytes", wo);
    Pruefen(!name.contains('/'), "ein ok-Name enthält \"/\"", wo);
    Pruefen(std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
            "ein ok-Name enthält ein Steuerzeichen", wo);
    Pruefen(gueltigeEinheiten(text), "ein ok-Name enthält ein einzelnes Ersatzzeichen", wo);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray eingabe = fuzz::Eingabe(daten, groesse);
    const QList<QByteArray> teile = eingabe.split('\0');
    const ListenDaten aliste = auswahlAus(teile);

    QString code = QString::fromUtf8(teile.first());
    RegelLeseErgebnis gelesen = RegelLesen(code);
    if (gelesen.gueltig())
        code = ohneZufall(code, gelesen.regel);
    const QList<TeilRegel> &regelTeile = gelesen.regel.teile;
    const bool herstellen = !regelTeile.isEmpty() && IstHerstellCode(regelTeile.last().code);
    // New objects get names as renamed ones do.
    const bool namensRegel = herstellen || std::any_of(regelTeile.cbegin(), regelTeile.cend(),
                                                       [](const TeilRegel &t) { return IstNamenCode(t.code); });

    ListenDaten vliste(VZelle::Anzahl);
    VorschauZeilenAufbauen(vliste, aliste, regelTeile.isEmpty() ? 0 : regelTeile.last().code);
    StillerFortschritt fort;
    const VorschauLaufErgebnis e = Aktion_VorschauAnzeigen(vliste, aliste, code, {}, fort);

    qint64 warnungen = 0;
    QHash<QByteArray, int> belegt; // folded directory and new name of every row that is no error
    QSet<int> bleibend;            // rows among them that keep their names
    for (int z = 1; z <= vliste.Anzahl(); ++z) {
        // A QString, not a builder over temporaries that end with the lambda.
        const auto wo = [&]() -> QString {
            return QStringLiteral("Regel: ") + Sichtbar(code) + QStringLiteral("\nZeile %1: ").arg(z) +
                           Sichtbar(vliste.ZelleUtf8(z, VZelle::Pfad).toByteArray()) + QStringLiteral(" | ") +
                           Sichtbar(vliste.ZelleUtf8(z, VZelle::Name).toByteArray()) + QStringLiteral(" -> ") +
                           Sichtbar(vliste.ZelleUtf8(z, VZelle::NeuPfad).toByteArray()) + QStringLiteral(" | ") +
                           Sichtbar(vliste.ZelleUtf8(z, VZelle::NeuName).toByteArray()) + QStringLiteral(": ") +
                           vliste.Zelle(z, VZelle::Ergebnis);
        };
        if (vliste.Warn(z)) {
            ++warnungen;
            continue;
        }
        const bool ok = vliste.Zelle(z, VZelle::Ergebnis) == u"ok";
        if (ok)
            Pruefen(!zerbrichtRahmen(vliste.ZelleUtf8(z, VZelle::Pfad)) &&
                        !zerbrichtRahmen(vliste.ZelleUtf8(z, VZelle::Name)) &&
                        !zerbrichtRahmen(vliste.ZelleUtf8(z, VZelle::NeuPfad)),
                    "ein ok-Objekt hat TAB, CR oder LF in seinem Pfad", wo);
        if (!namensRegel)
            continue;
        // The piece of a joined file names no object of its own.
        if (herstellen && vliste.Zelle(z, VZelle::Ergebnis) == u"(wird hinzugefügt)")
            continue;
        if (herstellen)
            Pruefen(vliste.Zelle(z, VZelle::NeuPfad).startsWith(u'/'), "ein neues Objekt hat kein absolutes Ziel", wo);
        // The name as it would stand on the disk.
        const QString neuerText = vliste.Zelle(z, VZelle::NeuName);
        const QByteArray neuerName = nameZuBytes(neuerText);
        if (ok)
            nameGueltig(neuerName, neuerText, wo);
        const QByteArray schluessel =
            gefaltet(vliste.ZelleUtf8(z, VZelle::NeuPfad)) + '\0' + gefaltet(neuerName);
        const int schonDa = belegt.value(schluessel, 0);
        // Two names that both stay as they are exist side by side already (on a file system
        // that tells letter case apart): they are no clash.
        const bool bleibt = vliste.ZelleUtf8(z, VZelle::NeuPfad).toByteArray() ==
                                vliste.ZelleUtf8(z, VZelle::Pfad).toByteArray() &&
                            vliste.ZelleUtf8(z, VZelle::NeuName).toByteArray() ==
                                vliste.ZelleUtf8(z, VZelle::Name).toByteArray();
        Pruefen(schonDa == 0 || (bleibt && bleibend.contains(schonDa)),
                "zwei Zeilen ohne Fehler bekommen denselben Namen",
                [&]() -> QString { return wo() + QStringLiteral("\nwie Zeile %1").arg(schonDa); });
        belegt.insert(schluessel, z);
        if (bleibt)
            bleibend.insert(z);
    }
    Pruefen(e.fehler == warnungen, "die Zusammenfassung zählt die Fehler falsch",
            QStringLiteral("Regel: ") + Sichtbar(code) +
                QStringLiteral("\n%1 gezählt, %2 Zeilen mit Warnung").arg(e.fehler).arg(warnungen));
    return 0;
}
