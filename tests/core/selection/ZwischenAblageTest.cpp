#include "core/selection/ZwischenAblage.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"

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

} // namespace
} // namespace rinolux
