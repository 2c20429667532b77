#include "core/selection/ZwischenAblage.h"

#include "core/selection/BaumDaten.h"
#include "core/selection/SpaltenText.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"
#include "core/util/PfadText.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Debug.h"
#include "core/util/nx_Format.h"

#include <QModelIndex>

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

// The large export over n rows in display order: gilt(p) says whether position p is
// written, wert(p, punkt, laufend) gives the value of an item.
template <typename Gilt, typename Wert>
std::optional<QString> grossText(const TNxZwischenAblageInfo &info, int n, Gilt gilt, Wert wert,
                                 Fortschritt *fort, const QString &zeilenEnde)
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
    qint64 laufend = 0;
    for (int p = 1; p <= n; ++p) {
        if (gilt(p)) {
            ++laufend;
            for (int s = 0; s < letzte; ++s) {
                if (s > 0)
                    text += info.trenner;
                const int punkt = info.spalten[size_t(s)];
                if (punkt > 1)
                    text += wert(p, punkt, laufend);
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
    const int n = auswahl.Anzahl();
    return grossText(
        info, n, [&](int p) { return zeileGilt(auswahl, auswahl.ZeileAn(p), info.zeilen); },
        [&](int p, int punkt, qint64 laufend) {
            return wert(auswahl, auswahl.ZeileAn(p), punkt, p, laufend);
        },
        fort, zeilenEnde);
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

namespace {

// One line of the tree as the export sees it.
struct BaumZeile
{
    QModelIndex index;
    int ebene = 1; // the drives and the other roots are level 1
};

// The nodes read so far in tree order: those the tree shows when their parents are open.
std::vector<BaumZeile> baumZeilen(const BaumModell &baum)
{
    std::vector<BaumZeile> zeilen;
    std::vector<BaumZeile> stapel;
    for (int i = baum.rowCount() - 1; i >= 0; --i)
        stapel.push_back({baum.index(i, 0), 1});
    while (!stapel.empty()) {
        const BaumZeile z = stapel.back();
        stapel.pop_back();
        zeilen.push_back(z);
        for (int i = baum.rowCount(z.index) - 1; i >= 0; --i)
            stapel.push_back({baum.index(i, 0, z.index), z.ebene + 1});
    }
    return zeilen;
}

bool baumZeileGilt(const BaumModell &baum, const BaumZeile &z, const QString &auswahl, int filter)
{
    if (filter == ZAZeilen::Alle)
        return true;
    const bool gewaehlt = !auswahl.isEmpty() && baum.Pfad(z.index) == auswahl;
    return filter == ZAZeilen::Ausgewaehlte ? gewaehlt : !gewaehlt;
}

QString baumWert(const BaumModell &baum, const BaumZeile &z, int punkt, int position, qint64 laufend)
{
    const int tiefe = z.ebene - 1;
    switch (punkt) {
    case ZAPunktL::Pfad:
        return nameAnzeige(baum.Pfad(z.index));
    case ZAPunktL::Name:
        return nameAnzeige(baum.data(z.index, Qt::DisplayRole).toString());
    case ZAPunktL::Striche:
        return QString(tiefe, u'-');
    case ZAPunktL::Tabulatoren:
        return QString(tiefe, u'\t');
    case ZAPunktL::Leerzeichen:
        return QString(tiefe * 3, u' ');
    case ZAPunktL::Zahl:
        return QString::number(tiefe);
    case ZAPunktL::HatUnterVerz: {
        // A node whose count was cancelled is not known to have none.
        const qint32 n = baum.Anzahl(z.index);
        return n > 0 ? QStringLiteral("J") : n == 0 ? QStringLiteral("N") : QStringLiteral("?");
    }
    case ZAPunktL::ZeilenNummer:
        return QString::number(position);
    case ZAPunktL::LaufendeNummer:
        return QString::number(laufend);
    default:
        return QString();
    }
}

// R and V: the items after "(keine Information)" name the raw first cell (V only), the
// visible columns, the row's position and the running number.
struct ListenPunkte
{
    int ersteSpalte = 0; // item of the first visible column
    int zeilenNummer = 0;
    int laufend = 0;
};

ListenPunkte listenPunkte(const ZAQuelle &q)
{
    ListenPunkte p;
    p.ersteSpalte = q.art == u'V' ? 3 : 2;
    p.zeilenNummer = p.ersteSpalte + int(q.spalten.size());
    p.laufend = p.zeilenNummer + 1;
    return p;
}

QString listenWert(const ZAQuelle &q, const ListenPunkte &lp, int zeile, int punkt, int position,
                   qint64 laufend)
{
    const ListenDaten &l = *q.liste;
    if (q.art == u'V' && punkt == 2)
        return l.ZellenAnzahl() >= 1 ? nameAnzeige(l.Zelle(zeile, 1)) : QString();
    if (punkt == lp.zeilenNummer)
        return QString::number(position);
    if (punkt == lp.laufend)
        return QString::number(laufend);
    const int s = punkt - lp.ersteSpalte;
    if (s < 0 || s >= int(q.spalten.size()))
        return QString();
    const ZASpalte &sp = q.spalten[size_t(s)];
    if (sp.zelle < 1 || sp.zelle > l.ZellenAnzahl())
        return QString();
    return nameAnzeige(nxZelleAnzeige(sp.typ, l.Zelle(zeile, sp.zelle)));
}

QString pfadMit(const char16_t *vorne, const char16_t *hinten)
{
    return QString::fromUtf16(vorne) + ZAPfadTrenner() + QString::fromUtf16(hinten);
}

} // namespace

QChar ZAPfadTrenner()
{
#ifdef Q_OS_WIN
    return u'\\';
#else
    return u'/';
#endif
}

QStringList ZAPunkte(const ZAQuelle &q)
{
    const QString keine = QStringLiteral("(keine Information)");
    const QString laufend = QStringLiteral("fortlaufende Nummer im Text für die Zwischenablage");
    if (q.art == u'A')
        return ZAAuswahlPunkte(q.auswahlTitel);
    if (q.art == u'L') {
#ifdef Q_OS_WIN
        const QString beispiel = QStringLiteral("C:\\Windows\\System\\Drivers\\");
#else
        const QString beispiel = QStringLiteral("/usr/lib/modules/");
#endif
        return {keine,
                QStringLiteral("Pfad: vollständig   (Beispiel: ") + beispiel + u')',
#ifdef Q_OS_WIN
                QStringLiteral("Verzeichnis-Name: kurz   (Beispiel: Drivers)"),
#else
                QStringLiteral("Verzeichnis-Name: kurz   (Beispiel: modules)"),
#endif
                QStringLiteral("Ordnungsgrad/Einrückung: als Strich-Folge   (Beispiel: ---)"),
                QStringLiteral("Ordnungsgrad/Einrückung: als Tabulatoren-Folge   (Beispiel: TabTabTab)"),
                QStringLiteral("Ordnungsgrad/Einrückung: als Leerzeichen-Folge   (Beispiel: LeerLeerLeer)"),
                QStringLiteral("Ordnungsgrad/Einrückung: als Zahl   (Beispiel: 3)"),
                QStringLiteral("Enthält das Verzeichnis Unterverzeichnisse? J/N"),
                QStringLiteral("Nummer der Zeile in der Verzeichnisse-Liste"),
                laufend};
    }
    QStringList p{keine};
    if (q.art == u'V')
        p.append(q.ersterTitel.trimmed());
    for (const ZASpalte &s : q.spalten)
        p.append(s.titel.trimmed());
    p.append(q.art == u'R' ? QStringLiteral("Nummer der Zeile in der Rückgängig-Liste")
                           : QStringLiteral("Nummer der Zeile in der Auswahl-Liste"));
    p.append(laufend);
    return p;
}

void ZASchnellAuswahl(TNxZwischenAblageInfo &info, const QStringList &punkte)
{
    if (info.quelle == u'A') {
        ZAAuswahlSchnell(info, punkte);
        return;
    }
    info.ueberschrift = true;
    info.zeilen = ZAZeilen::Alle;
    info.trenner = QStringLiteral("\t");
    info.spalten.fill(0);
    for (QString &t : info.titel)
        t.clear();
    std::vector<int> schnell;
    if (info.quelle == u'L')
        schnell = {ZAPunktL::Pfad, ZAPunktL::Striche, ZAPunktL::Name, ZAPunktL::HatUnterVerz};
    else
        for (int p = 2; p <= int(punkte.size()) - 2 && schnell.size() < 10; ++p)
            schnell.push_back(p);
    for (size_t i = 0; i < schnell.size(); ++i) {
        info.spalten[i] = schnell[i];
        info.titel[i] = punkte.value(schnell[i] - 1);
    }
}

std::optional<QString> ZAGrossText(const ZAQuelle &q, const TNxZwischenAblageInfo &info, Fortschritt *fort,
                                   const QString &zeilenEnde)
{
    if (q.art == u'L') {
        if (!q.baum)
            return QString();
        const std::vector<BaumZeile> zeilen = baumZeilen(*q.baum);
        const auto &baum = *q.baum;
        return grossText(
            info, int(zeilen.size()),
            [&](int p) { return baumZeileGilt(baum, zeilen[size_t(p - 1)], q.baumAuswahl, info.zeilen); },
            [&](int p, int punkt, qint64 laufend) {
                return baumWert(baum, zeilen[size_t(p - 1)], punkt, p, laufend);
            },
            fort, zeilenEnde);
    }
    if (!q.liste)
        return QString();
    if (q.art == u'A')
        return ZAAuswahlText(*q.liste, info, fort, zeilenEnde);
    const ListenDaten &l = *q.liste;
    const ListenPunkte lp = listenPunkte(q);
    return grossText(
        info, l.Anzahl(), [&](int p) { return zeileGilt(l, l.ZeileAn(p), info.zeilen); },
        [&](int p, int punkt, qint64 laufend) { return listenWert(q, lp, l.ZeileAn(p), punkt, p, laufend); },
        fort, zeilenEnde);
}

std::array<QString, 3> ZAKleinKnoepfe(int code)
{
    switch (code) {
    case 11:
    case 12:
    case 21:
    case 22:
    case 23:
        return {QStringLiteral("von allen"), QStringLiteral("von den ausgewählten"),
                QStringLiteral("von den nicht-ausgewählten")};
    case 17:
    case 18:
    case 19:
        return {pfadMit(u"Pfad", u"Verzeichnis"), QString(), QStringLiteral("Verzeichnis")};
    case 27:
    case 28:
    case 29:
        return {pfadMit(u"Pfad", u"Name.Format"), QStringLiteral("Name.Format"), QStringLiteral("Name")};
    default:
        return {};
    }
}

ZAKleinWahl ZAKleinAuswerten(int code, int knopf)
{
    const int quelle = code / 10;
    const int fest = code % 10;
    if ((quelle != 1 && quelle != 2) || knopf < 1 || knopf > 3 ||
        ZAKleinKnoepfe(code)[size_t(knopf - 1)].isEmpty())
        return {u'-', 0, 0};
    ZAKleinWahl w{quelle == 1 ? u'L' : u'A', 0, 0};
    if (fest <= 3) {
        w.inhalt = fest;
        w.zeilen = knopf;
    } else {
        w.zeilen = fest - 6;
        // The tree's content buttons are the outer two: path or display text.
        w.inhalt = quelle == 1 ? (knopf == 1 ? 1 : 2) : knopf;
    }
    return w;
}

std::optional<QString> ZABaumKleinText(const BaumModell &baum, const QString &auswahl, int inhalt, int zeilen,
                                       Fortschritt *fort, const QString &zeilenEnde)
{
    const std::vector<BaumZeile> liste = baumZeilen(baum);
    const int n = int(liste.size());
    QString text;
    for (int p = 1; p <= n; ++p) {
        const BaumZeile &z = liste[size_t(p - 1)];
        if (baumZeileGilt(baum, z, auswahl, zeilen)) {
            text += baumWert(baum, z, inhalt == 1 ? ZAPunktL::Pfad : ZAPunktL::Name, p, 0);
            text += zeilenEnde;
        }
        if (abgebrochen(fort, p, n))
            return std::nullopt;
    }
    return text;
}

std::optional<QString> ZAKleinText(const ZAQuelle &q, int code, int knopf, Fortschritt *fort,
                                   const QString &zeilenEnde)
{
    const ZAKleinWahl w = ZAKleinAuswerten(code, knopf);
    if (w.quelle != q.art)
        return std::nullopt;
    if (fort)
        fort->FortAbschnittNeu(QStringLiteral("Zwischenablage"), false, true);
    std::optional<QString> text;
    if (w.quelle == u'L')
        text = q.baum ? ZABaumKleinText(*q.baum, q.baumAuswahl, w.inhalt, w.zeilen, fort, zeilenEnde)
                      : QString();
    else
        text = q.liste ? ZAAuswahlKleinText(*q.liste, w.inhalt, w.zeilen, fort, zeilenEnde) : QString();
    if (!text)
        nxDebugZeile(QStringLiteral("AlleButtonClick_abgebrochen"));
    else
        nxDebugZeile(QStringLiteral("Aktion_ZwischenAblage_Klein: Textlänge=") +
                     QString::number(text->size()));
    return text;
}

} // namespace rinolux
