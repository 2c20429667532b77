#include "core/selection/ZwischenAblage.h"
#include "core/selection/BaumDaten.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"
#include "support/TestUmgebung.h"

#include <gtest/gtest.h>

namespace rinolux {
namespace {

using namespace Qt::StringLiterals;

// Three entries shown in the order b, c, a; b and a are marked.
ListenDaten fixtur()
{
    ListenDaten l;
    nxAuswahlListeVorbereiten(l);
    const struct
    {
        const char16_t *pfad, *name, *format, *bytes, *attr, *zeitA;
        bool mark;
    } zeilen[] = {
        {u"/d/", u"a.txt", u"txt", u"1234567", u"1", u"20240102_030405_000_2", true},
        {u"/d/", u"b.tar.gz", u"gz", u"0", u"0", u"", true},
        {u"/e/", u"c", u"", u"12", u"0", u"", false},
    };
    for (const auto &z : zeilen) {
        const int r = l.ZeilenAnhaengen();
        l.ZelleSetzen(r, AZelle::Pfad, QString::fromUtf16(z.pfad));
        l.ZelleSetzen(r, AZelle::Name, QString::fromUtf16(z.name));
        l.ZelleSetzen(r, AZelle::Format, QString::fromUtf16(z.format));
        l.ZelleSetzen(r, AZelle::Bytes, QString::fromUtf16(z.bytes));
        l.ZelleSetzen(r, AZelle::Attribute, QString::fromUtf16(z.attr));
        l.ZelleSetzen(r, AZelle::ZeitA, QString::fromUtf16(z.zeitA));
        l.MarkSetzen(r, z.mark);
    }
    EXPECT_TRUE(l.ReihenfolgeSetzen({0, 2, 3, 1}));
    return l;
}

TEST(ZwischenAblage, KleineExporte)
{
    const ListenDaten l = fixtur();
    struct Fall
    {
        const char *name;
        int inhalt, zeilen;
        QString text;
    };
    const Fall faelle[] = {
        {"Pfad/Name.Format von allen", 1, ZAZeilen::Alle, u"/d/b.tar.gz\n/e/c\n/d/a.txt\n"_s},
        {"Name.Format von den ausgewählten", 2, ZAZeilen::Ausgewaehlte, u"b.tar.gz\na.txt\n"_s},
        {"Name von den nicht-ausgewählten", 3, ZAZeilen::NichtAusgewaehlte, u"c\n"_s},
        {"Name von allen", 3, ZAZeilen::Alle, u"b.tar\nc\na\n"_s},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        const std::optional<QString> t = ZAAuswahlKleinText(l, f.inhalt, f.zeilen, nullptr, u"\n"_s);
        ASSERT_TRUE(t);
        EXPECT_EQ(*t, f.text);
    }
}

TEST(ZwischenAblage, KleinCodeNurMitSechsZeichen)
{
    EXPECT_EQ(ZAKleinCode(u"ZA_K21"_s), 21);
    EXPECT_EQ(ZAKleinCode(u"ZA_K29"_s), 29);
    for (const QString &c : {u"ZA_K2"_s, u"ZA_K211"_s, u"ZA_GA"_s, u"ZA_K+1"_s, QString()})
        EXPECT_EQ(ZAKleinCode(c), 0) << qPrintable(c);
}

TEST(ZwischenAblage, GrosseExporte)
{
    const ListenDaten l = fixtur();
    const QStringList punkte = ZAAuswahlPunkte();
    ASSERT_EQ(punkte.size(), ZAPunktA::Anzahl);
    struct Fall
    {
        const char *name;
        std::vector<int> spalten;
        bool ueberschrift;
        int zeilen;
        QString trenner;
        QString text;
    };
    const Fall faelle[] = {
        {"Pfad und Name mit Überschrift", {2, 3}, true, ZAZeilen::Alle, u"\t"_s,
         u"Pfad\tName.Format (Name mit Format)\r\n/d/\tb.tar.gz\r\n/e/\tc\r\n/d/\ta.txt\r\n"_s},
        {"leere Spalte dazwischen, Trenner frei", {4, 0, 5}, true, ZAZeilen::Ausgewaehlte, u"; "_s,
         u"Name (Name ohne Format); (leer); Format\r\nb.tar; ; gz\r\na; ; txt\r\n"_s},
        {"Bytes mit und ohne Punkte", {6, 7}, false, ZAZeilen::Ausgewaehlte, u" "_s,
         u"0 0\r\n1234567 1.234.567\r\n"_s},
        {"Nummern: Position und laufend", {12, 13, 3}, false, ZAZeilen::Ausgewaehlte, u"\t"_s,
         u"1\t1\tb.tar.gz\r\n3\t2\ta.txt\r\n"_s},
        {"Zeit wie angezeigt", {10}, false, ZAZeilen::NichtAusgewaehlte, u"\t"_s, u"\r\n"_s},
        {"nur Spalten ohne Information", {1, 0}, true, ZAZeilen::Alle, u"\t"_s, QString()},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        TNxZwischenAblageInfo info;
        for (size_t i = 0; i < f.spalten.size(); ++i) {
            info.spalten[i] = f.spalten[i];
            if (f.spalten[i] >= 1)
                info.titel[i] = punkte[f.spalten[i] - 1];
        }
        info.ueberschrift = f.ueberschrift;
        info.zeilen = f.zeilen;
        info.trenner = f.trenner;
        const std::optional<QString> t = ZAAuswahlText(l, info, nullptr, u"\r\n"_s);
        ASSERT_TRUE(t);
        EXPECT_EQ(*t, f.text);
    }
}

TEST(ZwischenAblage, SchnellAuswahlUndAngezeigteWerte)
{
    const ListenDaten l = fixtur();
    TNxZwischenAblageInfo info;
    info.zeilen = ZAZeilen::NichtAusgewaehlte;
    info.spalten[9] = 5;
    ZAAuswahlSchnell(info, ZAAuswahlPunkte());
    EXPECT_EQ(info.zeilen, ZAZeilen::Alle);
    EXPECT_EQ(info.spalten[9], 0);
    const std::optional<QString> t = ZAAuswahlText(l, info, nullptr, u"\n"_s);
    ASSERT_TRUE(t);
    const QStringList zeilen = t->split(u'\n');
    ASSERT_EQ(zeilen.size(), 5); // heading, three rows, the empty rest after the last line end
    EXPECT_TRUE(zeilen[0].startsWith(u"Pfad\tName.Format (Name mit Format)\tBytes (ohne Tausender-Punkte)\tAttribute"_s));
    const QStringList a = zeilen[3].split(u'\t');
    ASSERT_EQ(a.size(), 7);
    EXPECT_EQ(a[2], u"1234567"_s);
    EXPECT_TRUE(a[3].startsWith(u"-R---"_s)) << qPrintable(a[3]);
    EXPECT_TRUE(a[5].startsWith(u"2024-01-02, 03:04:05"_s)) << qPrintable(a[5]);
}

TEST(ZwischenAblage, AbbruchGibtKeinenText)
{
    ListenDaten l;
    nxAuswahlListeVorbereiten(l);
    const int erste = l.ZeilenAnhaengen(5000);
    for (int z = erste; z < erste + 5000; ++z)
        l.ZelleSetzen(z, AZelle::Name, u"n"_s);
    TNxZwischenAblageInfo info;
    info.spalten[0] = ZAPunktA::NameFormat;
    AbbruchBeiSchritt fort(2);
    EXPECT_FALSE(ZAAuswahlText(l, info, &fort, u"\n"_s));
    AbbruchBeiSchritt klein(1);
    EXPECT_FALSE(ZAAuswahlKleinText(l, 2, ZAZeilen::Alle, &klein, u"\n"_s));
    StillerFortschritt still;
    const std::optional<QString> ganz = ZAAuswahlKleinText(l, 2, ZAZeilen::Alle, &still, u"\n"_s);
    ASSERT_TRUE(ganz);
    EXPECT_EQ(ganz->size(), 10000);
}

// ---- the small form

TEST(ZwischenAblage, KleinCodesUndKnoepfe)
{
    struct Fall
    {
        int code, knopf;
        QChar quelle;
        int inhalt, zeilen;
    };
    const Fall faelle[] = {
        {11, 2, u'L', 1, ZAZeilen::Ausgewaehlte},
        {12, 3, u'L', 2, ZAZeilen::NichtAusgewaehlte},
        {17, 1, u'L', 1, ZAZeilen::Alle},
        {18, 3, u'L', 2, ZAZeilen::Ausgewaehlte},
        {19, 2, u'-', 0, 0}, // the hidden middle button
        {21, 1, u'A', 1, ZAZeilen::Alle},
        {23, 3, u'A', 3, ZAZeilen::NichtAusgewaehlte},
        {28, 2, u'A', 2, ZAZeilen::Ausgewaehlte},
        {29, 3, u'A', 3, ZAZeilen::NichtAusgewaehlte},
        {24, 1, u'-', 0, 0},
        {31, 1, u'-', 0, 0},
        {21, 0, u'-', 0, 0},
        {21, 4, u'-', 0, 0},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.code * 10 + f.knopf);
        const ZAKleinWahl w = ZAKleinAuswerten(f.code, f.knopf);
        EXPECT_EQ(w.quelle, f.quelle);
        if (f.quelle != u'-') {
            EXPECT_EQ(w.inhalt, f.inhalt);
            EXPECT_EQ(w.zeilen, f.zeilen);
        }
    }
    EXPECT_EQ(ZAKleinKnoepfe(21), (std::array<QString, 3>{u"von allen"_s, u"von den ausgewählten"_s,
                                                          u"von den nicht-ausgewählten"_s}));
    EXPECT_EQ(ZAKleinKnoepfe(17),
              (std::array<QString, 3>{u"Pfad/Verzeichnis"_s, QString(), u"Verzeichnis"_s}));
    EXPECT_EQ(ZAKleinKnoepfe(27),
              (std::array<QString, 3>{u"Pfad/Name.Format"_s, u"Name.Format"_s, u"Name"_s}));
    // A code of the wrong list exports nothing.
    const ListenDaten l = fixtur();
    ZAQuelle q;
    q.liste = &l;
    EXPECT_FALSE(ZAKleinText(q, 11, 1, nullptr, u"\n"_s));
    EXPECT_EQ(ZAKleinText(q, 23, 2, nullptr, u"\n"_s), u"b.tar\na\n"_s);
}

// ---- the tree

class ZABaum : public testing::Test
{
protected:
    void SetUp() override
    {
        tv.dateienAnlegen({u"w/a/b/"_s, u"w/a/c/"_s, u"w/leer/"_s});
        baum.WurzelnLesen(false);
        const QModelIndex a = baum.PfadOeffnen(tv.pfad(u"w/a/"_s));
        ASSERT_TRUE(a.isValid());
        baum.Aufklappen(baum.Finden(tv.pfad(u"w/"_s)));
        baum.Aufklappen(baum.Finden(tv.pfad(u"w/a/"_s)));
        q.art = u'L';
        q.baum = &baum;
        q.baumAuswahl = tv.pfad(u"w/a/"_s);
    }
    // The exported lines of the nodes in and below "w/", without the ones above it.
    QStringList unterW(const QString &text, const QString &trenner = u"\t"_s) const
    {
        QStringList r;
        for (const QString &z : text.split(u'\n'))
            if (z.section(trenner, 0, 0).startsWith(tv.pfad(u"w/"_s)))
                r << z;
        return r;
    }

    test::TestVerzeichnis tv;
    BaumModell baum;
    ZAQuelle q;
};

TEST_F(ZABaum, EinrueckungenUndUnterverzeichnisse)
{
    TNxZwischenAblageInfo info;
    info.quelle = u'L';
    info.ueberschrift = false;
    info.spalten = {ZAPunktL::Pfad, ZAPunktL::Name,         ZAPunktL::Striche,
                    ZAPunktL::Zahl, ZAPunktL::HatUnterVerz, ZAPunktL::Leerzeichen};
    const std::optional<QString> t = ZAGrossText(q, info, nullptr, u"\n"_s);
    ASSERT_TRUE(t);
    // "/" is level 1 and has no indentation; "w/" is one level below each "/" before it.
    const int e = int(tv.pfad(u"w/"_s).count(u'/')) - 1;
    const auto zeile = [](const QString &pfad, const char16_t *name, int tiefe,
                          const char16_t *jn) -> QString {
        return pfad + u'\t' + QString::fromUtf16(name) + u'\t' + QString(tiefe, u'-') + u'\t' +
               QString::number(tiefe) + u'\t' + QString::fromUtf16(jn) + u'\t' + QString(tiefe * 3, u' ');
    };
    EXPECT_EQ(unterW(*t), (QStringList{zeile(tv.pfad(u"w/"_s), u"w", e, u"J"),
                                       zeile(tv.pfad(u"w/a/"_s), u"a", e + 1, u"J"),
                                       zeile(tv.pfad(u"w/a/b/"_s), u"b", e + 2, u"N"),
                                       zeile(tv.pfad(u"w/a/c/"_s), u"c", e + 2, u"N"),
                                       zeile(tv.pfad(u"w/leer/"_s), u"leer", e + 1, u"N")}));
    const QStringList erste = t->section(u'\n', 0, 0).split(u'\t');
    ASSERT_EQ(erste.size(), 6);
    EXPECT_EQ(erste[0], u"/"_s);
    EXPECT_EQ(erste[2], QString());
    EXPECT_EQ(erste[3], u"0"_s);
}

TEST_F(ZABaum, NurDerAusgewaehlteKnotenOderAlleAnderen)
{
    TNxZwischenAblageInfo info;
    info.quelle = u'L';
    info.spalten = {ZAPunktL::Name, ZAPunktL::LaufendeNummer};
    info.zeilen = ZAZeilen::Ausgewaehlte;
    const QStringList punkte = ZAPunkte(q);
    ASSERT_EQ(punkte.size(), ZAPunktL::Anzahl);
    info.titel = {punkte[ZAPunktL::Name - 1], punkte[ZAPunktL::LaufendeNummer - 1]};
    EXPECT_EQ(
        ZAGrossText(q, info, nullptr, u"\n"_s),
        u"Verzeichnis-Name: kurz   (Beispiel: modules)\tfortlaufende Nummer im Text für die Zwischenablage\na\t1\n"_s);

    const std::optional<QString> ohne =
        ZABaumKleinText(baum, q.baumAuswahl, 1, ZAZeilen::NichtAusgewaehlte, nullptr, u"\n"_s);
    ASSERT_TRUE(ohne);
    EXPECT_FALSE(ohne->split(u'\n').contains(tv.pfad(u"w/a/"_s)));
    EXPECT_TRUE(ohne->split(u'\n').contains(tv.pfad(u"w/a/b/"_s)));
    EXPECT_EQ(ZABaumKleinText(baum, q.baumAuswahl, 2, ZAZeilen::Ausgewaehlte, nullptr, u"\n"_s), u"a\n"_s);

    ZASchnellAuswahl(info, punkte);
    EXPECT_EQ(
        (std::vector<int>(info.spalten.begin(), info.spalten.begin() + 5)),
        (std::vector<int>{ZAPunktL::Pfad, ZAPunktL::Striche, ZAPunktL::Name, ZAPunktL::HatUnterVerz, 0}));
    EXPECT_EQ(info.zeilen, ZAZeilen::Alle);
}

TEST_F(ZABaum, UnbekannteAnzahlIstKeinNein)
{
    const QModelIndex w = baum.Finden(tv.pfad(u"w/"_s));
    baum.Zuklappen(w);
    baum.Aufklappen(w);
    baum.AbbruchSetzen([] { return true; });
    TNxZwischenAblageInfo info;
    info.ueberschrift = false;
    info.spalten = {ZAPunktL::Pfad, ZAPunktL::HatUnterVerz};
    const std::optional<QString> t = ZAGrossText(q, info, nullptr, u"\n"_s);
    ASSERT_TRUE(t);
    EXPECT_TRUE(unterW(*t).contains(tv.pfad(u"w/a/"_s) + u"\t?"_s)) << qPrintable(unterW(*t).join(u'|'));
}

// ---- the undo and the preview list

TEST(ZwischenAblage, ListenMitSichtbarenSpalten)
{
    ListenDaten l(3);
    for (const auto &z :
         {std::array{u"/alt/"_s, u"x.txt"_s, u"1"_s}, std::array{u"/alt/"_s, u"y"_s, u"0"_s}}) {
        const int r = l.ZeilenAnhaengen();
        for (int s = 0; s < 3; ++s)
            l.ZelleSetzen(r, s + 1, z[size_t(s)]);
    }
    l.MarkSetzen(2, true);
    const std::vector<ZASpalte> spalten{{2, SpaltenTyp::Text, u" Name"_s},
                                        {3, SpaltenTyp::Attribute, u" Attribute "_s}};
    struct Fall
    {
        QChar art;
        QStringList punkte;
        std::vector<int> spalten;
        int zeilen;
        QString text;
    };
    const Fall faelle[] = {
        {u'R',
         {u"(keine Information)"_s, u"Name"_s, u"Attribute"_s, u"Nummer der Zeile in der Rückgängig-Liste"_s,
          u"fortlaufende Nummer im Text für die Zwischenablage"_s},
         {2, 3, 4, 5},
         ZAZeilen::Ausgewaehlte,
         u"Name|Attribute|Nummer der Zeile in der Rückgängig-Liste|fortlaufende "
         "Nummer im Text für die Zwischenablage\ny|-----|2|1\n"_s},
        {u'V',
         {u"(keine Information)"_s, u"Pfad"_s, u"Name"_s, u"Attribute"_s,
          u"Nummer der Zeile in der Auswahl-Liste"_s,
          u"fortlaufende Nummer im Text für die Zwischenablage"_s},
         {2, 0, 4, 5},
         ZAZeilen::Alle,
         u"Pfad|(leer)|Attribute|Nummer der Zeile in der Auswahl-Liste\n/alt/||%R|1\n/alt/||-----|2\n"_s},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.art.toLatin1());
        ZAQuelle q;
        q.art = f.art;
        q.liste = &l;
        q.spalten = spalten;
        q.ersterTitel = u" Pfad"_s;
        const QStringList punkte = ZAPunkte(q);
        EXPECT_EQ(punkte, f.punkte);
        TNxZwischenAblageInfo info;
        info.quelle = f.art;
        info.trenner = u"|"_s;
        info.zeilen = f.zeilen;
        for (size_t i = 0; i < f.spalten.size(); ++i) {
            info.spalten[i] = f.spalten[i];
            info.titel[i] = f.spalten[i] > 1 ? punkte[f.spalten[i] - 1] : QString();
        }
        // Cells are exported as their column shows them.
        QString text = f.text;
        text.replace(u"%R"_s, nxZelleAnzeige(SpaltenTyp::Attribute, u"1"_s));
        EXPECT_EQ(ZAGrossText(q, info, nullptr, u"\n"_s), text);
        // "Schnell-Auswahl": every item but the two numbers.
        ZASchnellAuswahl(info, punkte);
        EXPECT_EQ(info.spalten[size_t(punkte.size() - 4)], punkte.size() - 2);
        EXPECT_EQ(info.spalten[size_t(punkte.size() - 3)], 0);
    }
}

} // namespace
} // namespace rinolux
