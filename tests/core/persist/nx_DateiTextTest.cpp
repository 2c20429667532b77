#include "core/util/nx_DateiText.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>

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
    ASSERT_TRUE(feld.ok());
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
    const ErgebnisWert<TextFeld> gelesen = nxDateiTextLesen(pfad);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(*gelesen, zeilen);
    ASSERT_TRUE(nxDateiTextZeileSchreiben(pfad, QStringLiteral("\uFEFFc"), false));
    const ErgebnisWert<TextFeld> eineZeile = nxDateiTextLesen(pfad);
    ASSERT_TRUE(eineZeile);
    EXPECT_EQ(*eineZeile, (TextFeld{QString(), QStringLiteral("\uFEFFc")}));
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
    ASSERT_TRUE(feld.ok());
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
    // A missing file is told apart from one that cannot be read by its error number.
    const ErgebnisWert<TextFeld> feld = nxDateiTextLesen(dir.pfad(QStringLiteral("fehlt")));
    EXPECT_FALSE(feld.ok());
    EXPECT_EQ(feld.ergebnis().fehlerNummer(), ENOENT);
    EXPECT_TRUE(nxDateiGanzLesen(dir.pfad(QStringLiteral("fehlt"))).isEmpty());
}

// What is not a regular file is refused before it is opened: a FIFO would wait for a writer
// for ever and /dev/zero never ends. A file above the limit is refused as a whole.
TEST(DateiTextTest, NurGewoehnlicheDateienBisZurGrenze)
{
    test::TestVerzeichnis dir;
    const QString fifo = dir.pfad(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(dir.pfad(QStringLiteral("verz"))));
    dir.dateiSchreiben(QStringLiteral("zehn"), "0123456789");
    dir.dateiSchreiben(QStringLiteral("elf"), "0123456789\n");

    struct Fall
    {
        const char *name;
        QString pfad;
        bool ok;
    };
    const Fall faelle[] = {
        {"Fifo", fifo, false},
        {"Geraet", QStringLiteral("/dev/zero"), false},
        {"Verzeichnis", dir.pfad(QStringLiteral("verz")), false},
        {"AnDerGrenze", dir.pfad(QStringLiteral("zehn")), true},
        {"UeberDerGrenze", dir.pfad(QStringLiteral("elf")), false},
    };
    for (const Fall &f : faelle) {
        const ErgebnisWert<TextFeld> feld = nxDateiTextLesen(f.pfad, 10);
        EXPECT_EQ(feld.ok(), f.ok) << f.name;
        if (!f.ok) {
            EXPECT_TRUE(feld.ergebnis().text().contains(f.pfad)) << f.name;
            EXPECT_NE(feld.ergebnis().fehlerNummer(), ENOENT) << f.name;
        }
    }
    EXPECT_TRUE(nxDateiGanzLesen(QStringLiteral("/dev/zero")).isEmpty());
    EXPECT_TRUE(nxDateiBytesLesen(fifo, 1, 10).isEmpty());
    EXPECT_EQ(nxDateiTextLesen(dir.pfad(QStringLiteral("elf")))->value(1), QStringLiteral("0123456789"));
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
