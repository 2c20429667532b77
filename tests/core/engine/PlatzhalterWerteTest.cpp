#include "core/engine/PlatzhalterWerte.h"
#include "support/TestUmgebung.h"

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

QStringList namen(const QList<PlatzhalterWert> &w)
{
    QStringList n;
    for (const PlatzhalterWert &x : w)
        n << x.name + u'=' + x.wert;
    return n;
}

TEST(PlatzhalterWerteTest, NeuErsetztGleichenSchluesselUndKuerzt)
{
    QList<PlatzhalterWert> w;
    PlatzhalterWertNeu(w, QStringLiteral("<Jahr>"), QStringLiteral("2023"), true);
    PlatzhalterWertNeu(w, QStringLiteral("<Ort>"), QStringLiteral("Ulm"), true);
    // Same name in other letters: the older record goes, the new one comes last.
    PlatzhalterWertNeu(w, QStringLiteral("<JAHR>"), QStringLiteral("20\r\n24"), true);
    EXPECT_EQ(namen(w), (QStringList{QStringLiteral("<Ort>=Ulm"), QStringLiteral("<JAHR>=2024")}));
    EXPECT_EQ(PlatzhalterGespeichert(w, QStringLiteral("<jahr>")), QStringLiteral("2024"));
    EXPECT_EQ(PlatzhalterGespeichert(w, QStringLiteral("<fehlt>")), QString());

    for (int i = 0; i < 40; ++i)
        PlatzhalterWertNeu(w, QStringLiteral("<p%1>").arg(i), QString::number(i), i >= 35);
    ASSERT_EQ(w.size(), PlatzhalterGrenze);
    EXPECT_EQ(w.last().name, QStringLiteral("<p39>"));
    EXPECT_EQ(w.first().name, QStringLiteral("<p10>"));
}

TEST(PlatzhalterWerteTest, SchreibenUndLesen)
{
    test::TestVerzeichnis dir;
    const QString pfad = dir.pfad(QStringLiteral("Rinol_Platzhalter.cfg"));
    EXPECT_TRUE(PlatzhalterWerteLesen(pfad).isEmpty());
    QList<PlatzhalterWert> w;
    PlatzhalterWertNeu(w, QStringLiteral("<Jahr>"), QStringLiteral("2024"), true);
    PlatzhalterWertNeu(w, QStringLiteral("<Leer>"), QString(), true);
    ASSERT_TRUE(PlatzhalterWerteSchreiben(pfad, w).ok());
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("Rinol_Platzhalter.cfg")),
              QByteArray("Warnung: \xc3\x84nderungen in dieser Datei k\xc3\xb6nnen zu Fehlern f\xc3\xbchren!\r\n700\r\n"
                         "<Jahr>\r\n2024\r\n<Leer>\r\n\r\n"));
    EXPECT_EQ(namen(PlatzhalterWerteLesen(pfad)), namen(w));
    // A last record with only its name keeps an empty value.
    dir.dateiSchreiben(QStringLiteral("kurz.cfg"), "W\r\n700\r\n<a>\r\n1\r\n<b>");
    EXPECT_EQ(namen(PlatzhalterWerteLesen(dir.pfad(QStringLiteral("kurz.cfg")))),
              (QStringList{QStringLiteral("<a>=1"), QStringLiteral("<b>=")}));
}

} // namespace
