#include "core/selection/ZwischenAblage.h"

#include "core/selection/SpaltenText.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"
#include "core/util/nx_Debug.h"
#include "core/util/PfadText.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Format.h"

namespace rinolux {

namespace {

bool zeileGilt(const ListenDaten &l, int zeile, int filter)
{
    if (filter == ZAZeilen::Ausgewaehlte)
        return l.Markiert(zeile);
    if (filter == ZAZeilen::NichtAusgewaehlte)
        return !l.Markiert(zeile);
    return true;
}

// Clipboard text must be valid Unicode: a name byte that is no UTF-8 goes as "\xFF".
QString nameText(const ListenDaten &l, int zeile, int zelle)
{
    return nameAnzeige(l.Zelle(zeile, zelle));
}

QString nameOhneFormat(const QString &name)
{
    return nxAdresseName(name);
}

QString wert(const ListenDaten &l, int zeile, int punkt, int position, qint64 laufend)
{
    switch (punkt) {
    case ZAPunktA::Pfad:
        return nameText(l, zeile, AZelle::Pfad);
    case ZAPunktA::NameFormat:
        return nameText(l, zeile, AZelle::Name);
    case ZAPunktA::Name:
        return nameOhneFormat(nameText(l, zeile, AZelle::Name));
    case ZAPunktA::Format:
        return nameText(l, zeile, AZelle::Format);
    case ZAPunktA::Bytes:
        return l.Zelle(zeile, AZelle::Bytes);
    case ZAPunktA::BytesPunkte:
        return nxZelleAnzeige(SpaltenTyp::Bytes, l.Zelle(zeile, AZelle::Bytes));
    case ZAPunktA::Attribute:
        return nxZelleAnzeige(SpaltenTyp::Attribute, l.Zelle(zeile, AZelle::Attribute));
    case ZAPunktA::ZeitH:
        return nxZelleAnzeige(SpaltenTyp::Zeit, l.Zelle(zeile, AZelle::ZeitH));
    case ZAPunktA::ZeitA:
        return nxZelleAnzeige(SpaltenTyp::Zeit, l.Zelle(zeile, AZelle::ZeitA));
    case ZAPunktA::ZeitZ:
        return nxZelleAnzeige(SpaltenTyp::Zeit, l.Zelle(zeile, AZelle::ZeitZ));
    case ZAPunktA::ZeilenNummer:
        return QString::number(position);
    case ZAPunktA::LaufendeNummer:
        return QString::number(laufend);
    default:
        return QString();
    }
}

// Steps the progress display now and then; true when the user cancelled.
bool abgebrochen(Fortschritt *fort, int position, int anzahl)
{
    if (!fort || (position % 1024 != 0 && position != anzahl))
        return false;
    fort->FortSchritt(anzahl, position, 0, 0);
    return fort->Abbruch;
}

} // namespace

QString ZAZeilenEnde()
{
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}

QStringList ZAAuswahlPunkte(const ZAAuswahlTitel &t)
{
    return {QStringLiteral("(keine Information)"),
            t.pfad.trimmed(),
            QStringLiteral("Name.Format (Name mit Format)"),
            QStringLiteral("Name (Name ohne Format)"),
            t.format.trimmed(),
            t.bytes.trimmed() + QStringLiteral(" (ohne Tausender-Punkte)"),
            t.bytes.trimmed() + QStringLiteral(" (mit Tausender-Punkten)"),
            QStringLiteral("Attribute"),
            t.zeitH.trimmed(),
            t.zeitA.trimmed(),
            t.zeitZ.trimmed(),
            QStringLiteral("Nummer der Zeile in der Auswahl-Liste"),
            QStringLiteral("fortlaufende Nummer im Text für die Zwischenablage")};
}

void ZAAuswahlSchnell(TNxZwischenAblageInfo &info, const QStringList &punkte)
{
    info.ueberschrift = true;
    info.zeilen = ZAZeilen::Alle;
    info.trenner = QStringLiteral("\t");
    info.spalten.fill(0);
    for (QString &t : info.titel)
        t.clear();
    const int schnell[] = {ZAPunktA::Pfad,  ZAPunktA::NameFormat, ZAPunktA::Bytes, ZAPunktA::Attribute,
                           ZAPunktA::ZeitH, ZAPunktA::ZeitA,      ZAPunktA::ZeitZ};
    size_t i = 0;
    for (const int p : schnell) {
        info.spalten[i] = p;
        info.titel[i] = p - 1 < punkte.size() ? punkte[p - 1] : QString();
        ++i;
    }
}

std::optional<QString> ZAAuswahlText(const ListenDaten &auswahl, const TNxZwischenAblageInfo &info, Fortschritt *fort,
                                     const QString &zeilenEnde)
{
    int letzte = 0;
    for (int s = 0; s < 10; ++s)
        if (info.spalten[size_t(s)] > 1)
            letzte = s + 1;
    QString text;
    if (letzte == 0)
        return text;
    if (info.ueberschrift) {
        for (int s = 0; s < letzte; ++s) {
            if (s > 0)
                text += info.trenner;
            text += info.spalten[size_t(s)] > 1 ? info.titel[size_t(s)] : QStringLiteral("(leer)");
        }
        text += zeilenEnde;
    }
    if (fort)
        fort->FortAbschnittNeu(QStringLiteral("Zwischenablage"), false, true);
    const int n = auswahl.Anzahl();
    qint64 laufend = 0;
    for (int p = 1; p <= n; ++p) {
        const int z = auswahl.ZeileAn(p);
        if (zeileGilt(auswahl, z, info.zeilen)) {
            ++laufend;
            for (int s = 0; s < letzte; ++s) {
                if (s > 0)
                    text += info.trenner;
                text += wert(auswahl, z, info.spalten[size_t(s)], p, laufend);
            }
            text += zeilenEnde;
        }
        if (abgebrochen(fort, p, n)) {
            nxDebugZeile(QStringLiteral("ZAblageForm.UntenOKSchalterClick_abgebrochen"));
            return std::nullopt;
        }
    }
    nxDebugZeile(QStringLiteral("Aktion_ZwischenAblage_Gross: Textlänge=") + QString::number(text.size()));
    return text;
}

int ZAKleinCode(const QString &code)
{
    if (code.size() != 6 || !code.startsWith(QStringLiteral("ZA_K")))
        return 0;
    bool ok = false;
    const int z = code.mid(4).toInt(&ok);
    return ok && code.at(4).isDigit() && code.at(5).isDigit() ? z : 0;
}

std::optional<QString> ZAAuswahlKleinText(const ListenDaten &auswahl, int inhalt, int zeilen, Fortschritt *fort,
                                          const QString &zeilenEnde)
{
    QString text;
    const int n = auswahl.Anzahl();
    for (int p = 1; p <= n; ++p) {
        const int z = auswahl.ZeileAn(p);
        if (zeileGilt(auswahl, z, zeilen)) {
            const QString name = nameText(auswahl, z, AZelle::Name);
            if (inhalt == 1)
                text += nameText(auswahl, z, AZelle::Pfad) + name;
            else if (inhalt == 2)
                text += name;
            else
                text += nameOhneFormat(name);
            text += zeilenEnde;
        }
        if (abgebrochen(fort, p, n))
            return std::nullopt;
    }
    return text;
}

} // namespace rinolux
