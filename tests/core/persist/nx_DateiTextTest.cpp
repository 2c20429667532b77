#include "core/util/nx_DateiText.h"
#include "support/TestUmgebung.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

TEST(DateiTextTest, SchreibtUtf8MitCrLfUndLiestZurueck)
{
    test::TestVerzeichnis dir;
    const QString pfad = dir.pfad(QStringLiteral("neu/unter/datei.cfg"));
    int n = -1;
    ASSERT_TRUE(nxDateiTextSchreiben(pfad, {QString(), QStringLiteral("Äpfel"), QString(), QStringLiteral("z")}, &n));
    EXPECT_EQ(n, 3);
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("neu/unter/datei.cfg")), QByteArray("\xC3\x84pfel\r\n\r\nz\r\n"));
    const auto feld = nxDateiTextLesen(pfad);
    ASSERT_TRUE(feld.has_value());
    EXPECT_EQ(*feld, (QStringList{QString(), QStringLiteral("Äpfel"), QString(), QStringLiteral("z")}));
    EXPECT_EQ(nxDateiTextZeileLesen(pfad, 3), QStringLiteral("z"));
    EXPECT_EQ(nxDateiTextZeileLesen(pfad, 4), QString());
    EXPECT_EQ(nxDateiTextZeileLesen(pfad, 0), QString());
}

TEST(DateiTextTest, ErsteZeileMitFeffKommtGanzZurueck)
{
    test::TestVerzeichnis dir;
    const QString pfad = dir.pfad(QStringLiteral("f.txt"));
    const TextFeld zeilen{QString(), QStringLiteral("\uFEFFa"), QStringLiteral("b")};
    ASSERT_TRUE(nxDateiTextSchreiben(pfad, zeilen));
    EXPECT_EQ(nxDateiTextLesen(pfad), zeilen);
    ASSERT_TRUE(nxDateiTextZeileSchreiben(pfad, QStringLiteral("\uFEFFc"), false));
    EXPECT_EQ(nxDateiTextLesen(pfad), (TextFeld{QString(), QStringLiteral("\uFEFFc")}));
}

struct LeseFall
{
    const char *name;
    QByteArray bytes;
    QStringList zeilen;
};

class DateiTextLesenTest : public ::testing::TestWithParam<LeseFall>
{
};

TEST_P(DateiTextLesenTest, Liest)
{
    test::TestVerzeichnis dir;
    dir.dateiSchreiben(QStringLiteral("f.txt"), GetParam().bytes);
    const auto feld = nxDateiTextLesen(dir.pfad(QStringLiteral("f.txt")));
    ASSERT_TRUE(feld.has_value());
    EXPECT_EQ(feld->mid(1), GetParam().zeilen);
    EXPECT_EQ(feld->value(0), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, DateiTextLesenTest,
    ::testing::Values(LeseFall{"Cp1252", QByteArray("\xC4rger\r\n"), {QStringLiteral("Ärger")}},
                      LeseFall{"Cp1252Euro", QByteArray("5 \x80\r\n"), {QStringLiteral("5 €")}},
                      LeseFall{"NurLf", QByteArray("a\nb\n"), {QStringLiteral("a"), QStringLiteral("b")}},
                      LeseFall{"OhneLetztesEnde", QByteArray("a\r\nb"), {QStringLiteral("a"), QStringLiteral("b")}},
                      LeseFall{"Leer", QByteArray(), {}},
                      LeseFall{"Bom", QByteArray("\xEF\xBB\xBFx\r\n"), {QStringLiteral("x")}},
                      LeseFall{"ZweiterBomIstText", QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx\r\n"),
                               {QStringLiteral("\uFEFFx")}},
                      LeseFall{"LeereZeilen", QByteArray("\r\n\r\n"), {QString(), QString()}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DateiTextTest, FehlendeDateiIstKeinFeld)
{
    test::TestVerzeichnis dir;
    QString fehler = QStringLiteral("x");
    EXPECT_FALSE(nxDateiTextLesen(dir.pfad(QStringLiteral("fehlt")), &fehler).has_value());
    EXPECT_TRUE(fehler.isEmpty());
    EXPECT_TRUE(nxDateiGanzLesen(dir.pfad(QStringLiteral("fehlt"))).isEmpty());
}

TEST(DateiTextTest, ZeileSchreibenLeer)
{
    test::TestVerzeichnis dir;
    ASSERT_TRUE(nxDateiTextZeileSchreiben(dir.pfad(QStringLiteral("a")), QString(), false));
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("a")), QByteArray());
    ASSERT_TRUE(nxDateiTextZeileSchreiben(dir.pfad(QStringLiteral("b")), QString(), true));
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("b")), QByteArray("\r\n"));
}

TEST(DateiTextTest, BytesLesenGrenzen)
{
    test::TestVerzeichnis dir;
    dir.dateiSchreiben(QStringLiteral("f"), "abcdef");
    const QString p = dir.pfad(QStringLiteral("f"));
    EXPECT_EQ(nxDateiBytesLesen(p, 0, 2), QByteArray("ab"));
    EXPECT_EQ(nxDateiBytesLesen(p, 3, 0), QByteArray("c"));
    EXPECT_EQ(nxDateiBytesLesen(p, 5, 10), QByteArray("ef"));
}

TEST(DateiTextTest, SchreibfehlerKommtZurueck)
{
    test::TestVerzeichnis dir;
    dir.dateiSchreiben(QStringLiteral("datei"), "x");
    // A file stands where the directory would have to be.
    const Ergebnis e = nxDateiTextListeSchreiben(dir.pfad(QStringLiteral("datei/unter.txt")), {QStringLiteral("a")});
    EXPECT_FALSE(e);
    EXPECT_FALSE(e.text().isEmpty());
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("datei")), QByteArray("x"));
}

} // namespace
