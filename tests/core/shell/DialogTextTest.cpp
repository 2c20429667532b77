#include "core/shell/DialogText.h"

#include <gtest/gtest.h>

namespace rinolux {
namespace {

// Rows as "A|B#C" with bold passages in brackets, for compact expectations.
QString skizze(const DialogZeilen &zeilen)
{
    QStringList zs;
    for (const auto &zeile : zeilen) {
        QStringList bs;
        for (const auto &block : zeile) {
            QString b;
            for (const auto &a : block)
                b += a.fett ? QStringLiteral("[") + a.text + QStringLiteral("]") : a.text;
            bs.append(b);
        }
        zs.append(bs.join(u'|'));
    }
    return zs.join(u'#');
}

struct Fall
{
    const char *name;
    QString text;
    QString erwartet;
};

class DialogZerlegenTest : public ::testing::TestWithParam<Fall>
{
};

TEST_P(DialogZerlegenTest, ZeilenBloeckeUndFett)
{
    EXPECT_EQ(skizze(DialogZerlegen(GetParam().text)), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, DialogZerlegenTest,
    ::testing::Values(
        Fall{"NebenUndUnter", QStringLiteral("A<|>B<#>C"), QStringLiteral("A|B#C")},
        Fall{"Fett", QStringLiteral("Die gefundenen \fleeren\f Unter-Verzeichnisse"),
             QStringLiteral("Die gefundenen [leeren] Unter-Verzeichnisse")},
        Fall{"UngepaarterVorschubFaellt", QStringLiteral("a\fb\fc\fd"), QStringLiteral("a[b]cd")},
        Fall{"FettEndetAmBlock", QStringLiteral("\fx<|>y\f"), QStringLiteral("x|y")},
        Fall{"LeererText", QString(), QString()},
        Fall{"LeereBloeckeAnDenRaendern", QStringLiteral("<#>a<|>"), QStringLiteral("#a|")},
        Fall{"ZeilenumbruchBleibt", QStringLiteral("a\r\nb"), QStringLiteral("a\r\nb")},
        Fall{"FremdesKleinerBleibt", QStringLiteral("x<y <b>z</b>"), QStringLiteral("x<y <b>z</b>")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DialogMaskierenTest, NamenMitMarkenBleibenWieSieSind)
{
    // A file name that holds every marker, a bold pair and the escape itself.
    const QString name = QStringLiteral("a<#>b<|>c\fd\fe<<>f<f>.txt");
    const QString text = QStringLiteral("Datei \f") + DialogMaskieren(name) + QStringLiteral("\f fehlt<#>Ende");
    const DialogZeilen z = DialogZerlegen(text);
    ASSERT_EQ(z.size(), 2);
    ASSERT_EQ(z[0].size(), 1);
    const DialogBlock &b = z[0][0];
    ASSERT_EQ(b.size(), 3);
    const QString sichtbar = name;
    QString mitBild = sichtbar;
    mitBild.replace(u'\f', QChar(0x240C));
    EXPECT_EQ(b[1].text, mitBild);
    EXPECT_TRUE(b[1].fett);
    EXPECT_FALSE(b[2].fett);
    EXPECT_EQ(z[1][0][0].text, QStringLiteral("Ende"));
}

TEST(FehlerGruendeTest, AchtZeilenOhneSchlussUmbruch)
{
    const QString t = Fehler_MoeglicheGruende();
    const QStringList zeilen = t.split(QStringLiteral("\r\n"));
    ASSERT_EQ(zeilen.size(), 8);
    EXPECT_EQ(zeilen[0], QStringLiteral("Mögliche Gründe dafür sind:"));
    EXPECT_EQ(zeilen[1], QStringLiteral("- Das System oder ein anderes Programm verhindert den Zugriff."));
    EXPECT_EQ(zeilen[7], QStringLiteral("- Was anderes. Keine Ahnung, was."));
    EXPECT_FALSE(t.endsWith(u'\n'));
}

} // namespace
} // namespace rinolux
