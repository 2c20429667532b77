#include "core/persist/IniDatei.h"
#include "core/persist/nx_IniControls.h"
#include "support/TestUmgebung.h"

#include <gtest/gtest.h>

#include <limits>

using namespace rinolux;

namespace {

struct ZahlFall
{
    const char *text;
    qint64 wert;
};

class IniZahlTest : public ::testing::TestWithParam<ZahlFall>
{
};

TEST_P(IniZahlTest, Liest) { EXPECT_EQ(IniZahl(QString::fromUtf8(GetParam().text)), GetParam().wert); }

INSTANTIATE_TEST_SUITE_P(
    Faelle, IniZahlTest,
    ::testing::Values(ZahlFall{"E31+", 31}, ZahlFall{"-5", -5}, ZahlFall{"abc", 0}, ZahlFall{"", 0},
                      ZahlFall{"-", 0}, ZahlFall{"1-2", 12}, ZahlFall{"9223372036854775807", std::numeric_limits<qint64>::max()},
                      ZahlFall{"99999999999999999999999", std::numeric_limits<qint64>::max()},
                      ZahlFall{"-9223372036854775808", std::numeric_limits<qint64>::min()},
                      ZahlFall{"-99999999999999999999999", std::numeric_limits<qint64>::min()}));

QList<IniTextEintrag> beispielTexte()
{
    QList<IniTextEintrag> t(9);
    t[0] = {IniArt::Liste, {}, {QStringLiteral("x"), QStringLiteral("Ä y")}, QStringLiteral("d1\td2")};
    t[1] = {IniArt::Edit, QStringLiteral("Text"), {}, QStringLiteral("std")};
    t[2] = {IniArt::Edit, QString(), {}, QStringLiteral("std")};
    t[3] = {IniArt::Memo, QStringLiteral("a\r\nb\r\n"), {}, QStringLiteral("m1\tm2")};
    t[4] = {IniArt::Array, {}, {QString(), QStringLiteral("e1"), QString(), QStringLiteral("e3")}, QString()};
    t[5] = {IniArt::Strings, QStringLiteral("s"), {}, QString()};
    t[6] = {IniArt::CheckListe, QStringLiteral("0101"), {}, QStringLiteral("11")};
    t[7] = {IniArt::Bounds, QStringLiteral("10\t20\t300\t400"), {}, QStringLiteral("1\t1\t\t")};
    t[8] = {IniArt::Sonstiges, QStringLiteral("egal"), {}, QString()};
    return t;
}

QList<IniFlagEintrag> beispielFlags()
{
    return {{IniArt::CheckBox, 1, 0}, {IniArt::Liste, 7, 0}, {IniArt::Sonstiges, 5, 0}, {IniArt::Bounds, 255, 0}};
}

TEST(IniControlsTest, SchreibenLesenSchreibenGibtGleicheBytes)
{
    test::TestVerzeichnis dir;
    const QString pfad = dir.pfad(QStringLiteral("Rinol_CVS.cfg"));
    ASSERT_TRUE(IniControlsSchreiben(pfad, beispielTexte(), beispielFlags()));
    const QByteArray erst = dir.dateiLesen(QStringLiteral("Rinol_CVS.cfg"));
    EXPECT_TRUE(erst.startsWith(QByteArray(IniWarnung.toUtf8() + "\r\n9\r\n2\r\nx\r\n\xC3\x84 y\r\n1\r\nText\r\n0\r\n3\r\na\r\nb\r\n\r\n")));
    EXPECT_TRUE(erst.contains("\r\n1\r\n10\t20\t\t\r\n0\r\n1\t7\t\t255\r\n"));
    EXPECT_TRUE(erst.endsWith(QByteArray(IniWarnung.toUtf8() + "\r\n")));
    EXPECT_EQ(erst.count('\n'), erst.count("\r\n"));

    QList<IniTextEintrag> texte = beispielTexte();
    for (auto &e : texte) {
        e.text = QStringLiteral("muell");
        e.eintraege = {QStringLiteral("muell")};
    }
    QList<IniFlagEintrag> flags = beispielFlags();
    ASSERT_TRUE(IniControlsLesen(pfad, texte, flags));
    EXPECT_EQ(texte[0].eintraege, (QStringList{QStringLiteral("x"), QStringLiteral("Ä y")}));
    EXPECT_EQ(texte[1].text, QStringLiteral("Text"));
    EXPECT_EQ(texte[2].text, QString()); // empty edit reads back empty, not its default
    EXPECT_TRUE(texte[2].gelesen);
    EXPECT_EQ(texte[3].text, QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(texte[4].eintraege, (QStringList{QString(), QStringLiteral("e1"), QString(), QStringLiteral("e3")}));
    EXPECT_EQ(texte[6].text, QStringLiteral("0101"));
    EXPECT_EQ(texte[7].text, QStringLiteral("10\t20\t\t"));
    EXPECT_EQ(flags[0].wert, 1);
    EXPECT_EQ(flags[1].wert, 7);
    EXPECT_EQ(flags[2].wert, 0);
    EXPECT_EQ(flags[3].wert, 255);

    // Bounds fields without a default keep the current value.
    int werte[4] = {1, 2, 3, 4};
    IniBoundsAnwenden(texte[7].text, texte[7].standard, werte);
    EXPECT_EQ(werte[0], 10);
    EXPECT_EQ(werte[1], 20);
    EXPECT_EQ(werte[2], 3);
    EXPECT_EQ(werte[3], 4);

    const QString pfad2 = dir.pfad(QStringLiteral("zwei.cfg"));
    texte[7].text = QStringLiteral("10\t20\t300\t400");
    ASSERT_TRUE(IniControlsSchreiben(pfad2, texte, flags));
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("zwei.cfg")), erst);
}

TEST(IniControlsTest, FehlendeDateiGibtStandardsUndLegtNichtsAn)
{
    test::TestVerzeichnis dir;
    const QString pfad = dir.pfad(QStringLiteral("fehlt.cfg"));
    QList<IniTextEintrag> texte = beispielTexte();
    QList<IniFlagEintrag> flags = beispielFlags();
    flags[0].standard = 1;
    ASSERT_TRUE(IniControlsLesen(pfad, texte, flags));
    EXPECT_FALSE(QFile::exists(pfad));
    EXPECT_EQ(texte[0].eintraege, (QStringList{QStringLiteral("d1"), QStringLiteral("d2")}));
    EXPECT_EQ(texte[1].text, QStringLiteral("std"));
    EXPECT_EQ(texte[3].text, QStringLiteral("m1\r\nm2"));
    EXPECT_EQ(texte[4].eintraege, QStringList{QString()});
    EXPECT_EQ(texte[6].text, QStringLiteral("11"));
    EXPECT_FALSE(texte[1].gelesen);
    EXPECT_EQ(flags[0].wert, 1);
    EXPECT_EQ(flags[1].wert, 0);
}

TEST(IniControlsTest, WenigerEintraegeUndAbgeschnitteneDatei)
{
    const QString w = IniWarnung;
    // Written by a version with two text entries; the flag line holds "1", empty, "0".
    const QStringList alt{w, QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("eins"), QStringLiteral("0"),
                          QStringLiteral("1\t\t0"), w};
    QList<IniTextEintrag> texte{{IniArt::Edit, {}, {}, QStringLiteral("a")},
                                {IniArt::Edit, {}, {}, QStringLiteral("b")},
                                {IniArt::Edit, {}, {}, QStringLiteral("c")}};
    QList<IniFlagEintrag> flags{{IniArt::CheckBox, 0, 9}, {IniArt::CheckBox, 0, 9}, {IniArt::CheckBox, 0, 9},
                                {IniArt::CheckBox, 0, 9}};
    IniControlsAusZeilen(alt, texte, flags);
    EXPECT_EQ(texte[0].text, QStringLiteral("eins"));
    EXPECT_EQ(texte[1].text, QString());
    EXPECT_EQ(texte[2].text, QStringLiteral("c"));
    EXPECT_EQ(flags[0].wert, 1);
    EXPECT_EQ(flags[1].wert, 0);
    EXPECT_EQ(flags[2].wert, 0);
    EXPECT_EQ(flags[3].wert, 9);

    // Cut off inside the second entry: the first keeps its value, the rest take defaults.
    const QStringList kurz{w, QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("eins"), QStringLiteral("2"),
                           QStringLiteral("nur eine")};
    IniControlsAusZeilen(kurz, texte, flags);
    EXPECT_EQ(texte[0].text, QStringLiteral("eins"));
    EXPECT_EQ(texte[1].text, QStringLiteral("b"));
    EXPECT_EQ(texte[2].text, QStringLiteral("c"));
    EXPECT_EQ(flags[0].wert, 9);
}

// A line break in a value of a single-line kind would add a line that its count does not
// know of, and every later entry and the flag line would be read from the wrong line.
TEST(IniControlsTest, EinzeiligeWerteSchreibenKeinenZeilenumbruch)
{
    test::TestVerzeichnis dir;
    const QString pfad = dir.pfad(QStringLiteral("Rinol_CVS.cfg"));
    const QList<IniTextEintrag> texte{
        {IniArt::Liste, {}, {QStringLiteral("a\nb"), QStringLiteral("c\r")}, QString()},
        {IniArt::Edit, QStringLiteral("x\r\ny"), {}, QString()},
        {IniArt::Label, QStringLiteral("\nl"), {}, QString()},
        {IniArt::Array, {}, {QString(), QStringLiteral("e\r\n1")}, QString()},
        {IniArt::CheckListe, QStringLiteral("01\r1"), {}, QString()},
        {IniArt::Bounds, QStringLiteral("1\n\t2\t3\t4"), {}, QStringLiteral("1\t1\t1\t1")},
        {IniArt::Edit, QStringLiteral("danach"), {}, QString()}};
    ASSERT_TRUE(IniControlsSchreiben(pfad, texte, {{IniArt::CheckBox, 1, 0}}));
    const QByteArray bytes = dir.dateiLesen(QStringLiteral("Rinol_CVS.cfg"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));

    QList<IniTextEintrag> gelesen = texte;
    QList<IniFlagEintrag> flags{{IniArt::CheckBox, 0, 9}};
    ASSERT_TRUE(IniControlsLesen(pfad, gelesen, flags));
    EXPECT_EQ(gelesen[0].eintraege, (QStringList{QStringLiteral("ab"), QStringLiteral("c")}));
    EXPECT_EQ(gelesen[1].text, QStringLiteral("xy"));
    EXPECT_EQ(gelesen[2].text, QStringLiteral("l"));
    EXPECT_EQ(gelesen[3].eintraege, (QStringList{QString(), QStringLiteral("e1")}));
    EXPECT_EQ(gelesen[4].text, QStringLiteral("011"));
    EXPECT_EQ(gelesen[5].text, QStringLiteral("1\t2\t3\t4"));
    EXPECT_EQ(gelesen[6].text, QStringLiteral("danach"));
    EXPECT_EQ(flags[0].wert, 1);
    EXPECT_TRUE(flags[0].gelesen);
}

TEST(IniControlsTest, ListenIndex)
{
    EXPECT_EQ(IniListenIndex(7, 3), 0);
    EXPECT_EQ(IniListenIndex(2, 3), 2);
    EXPECT_EQ(IniListenIndex(-1, 3), -1);
    EXPECT_EQ(IniListenIndex(0, 0), -1);
}

} // namespace
