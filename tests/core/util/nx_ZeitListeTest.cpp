#include "core/util/nx_Zeit.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

// The fast path for listings must give exactly the text of the calendar conversion, also
// around the switches to and from summer time and in other zones.
TEST(DateiZeitTextTest, GleichDerKalenderUmrechnung)
{
    const QByteArray alt = qgetenv("TZ");
    const bool hatteAlt = qEnvironmentVariableIsSet("TZ");
    for (const char *zone : {"Europe/Berlin", "America/New_York", "UTC", "Australia/Lord_Howe"}) {
        qputenv("TZ", zone);
        QRandomGenerator zufall(4711);
        for (int i = 0; i < 3000; ++i) {
            // 1970 .. 2100, and every tenth time within an hour of 31 March or 27 October 2024.
            qint64 sek = qint64(zufall.bounded(quint64(4102444800ULL)));
            if (i % 10 == 0)
                sek = (i % 20 == 0 ? 1711846800 : 1729990800) + zufall.bounded(7200) - 3600;
            const qint64 ns = zufall.bounded(1000000000);
            const QString erwartet = nxZeitTextAusDatum(QDateTime::fromMSecsSinceEpoch(sek * 1000 + ns / 1000000, Qt::UTC));
            ASSERT_EQ(nxDateiZeitZuText(DateiZeit{sek, ns}), erwartet) << zone << " " << sek;
        }
    }
    if (hatteAlt)
        qputenv("TZ", alt);
    else
        qunsetenv("TZ");
}

// The zone is looked up again only when the environment changed: every kind of change
// must still be seen, also one that moves TZ within the environment.
TEST(DateiZeitTextTest, FolgtJederAenderungDerZone)
{
    const QByteArray alt = qgetenv("TZ");
    const bool hatteAlt = qEnvironmentVariableIsSet("TZ");
    const DateiZeit zeit{1729990800, 5000000}; // 27 October 2024, around the switch in Europe
    const auto pruefen = [&](const char *schritt) {
        const QString erwartet = nxZeitTextAusDatum(QDateTime::fromMSecsSinceEpoch(zeit.sekunden * 1000 + 5, Qt::UTC));
        EXPECT_EQ(nxDateiZeitZuText(zeit), erwartet) << schritt;
    };
    qputenv("TZ", "UTC");
    pruefen("UTC");
    qputenv("RINOLUX_ZEIT_TEST_VORNE", "1"); // a variable behind TZ
    qputenv("TZ", "Asia/Tokyo");
    pruefen("Tokyo");
    qunsetenv("TZ");
    pruefen("ohne TZ");
    qputenv("TZ", "America/New_York");
    pruefen("New York");
    qunsetenv("RINOLUX_ZEIT_TEST_VORNE"); // the entries behind it move down
    pruefen("verschoben");
    qputenv("TZ", "Europe/Berlin");
    pruefen("Berlin");
    qputenv("TZ", "Asia/Tokyo");
    pruefen("wieder Tokyo");
    if (hatteAlt)
        qputenv("TZ", alt);
    else
        qunsetenv("TZ");
}

} // namespace
