#include "core/engine/VorschauPruefung.h"

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

TEST(PlatzhalterTest, FindenUndErsetzen)
{
    const QString code = QStringLiteral("1\t215\t700\tw\t<Jahr>-<jahr>_<Ort>\t<a\tb>\tENDE");
    const QList<Platzhalter> p = PlatzhalterFinden(code);
    ASSERT_EQ(p.size(), 2);
    EXPECT_EQ(p[0].anzeige, QStringLiteral("<Jahr>"));
    EXPECT_EQ(p[0].schluessel, QStringLiteral("jahr"));
    EXPECT_EQ(p[1].anzeige, QStringLiteral("<Ort>"));
    // Values lose TAB, CR and LF; a bracketed text with a TAB is no placeholder.
    EXPECT_EQ(PlatzhalterErsetzen(code, p, {QStringLiteral("20\t24"), QStringLiteral("Ulm\r\n")}),
              QStringLiteral("1\t215\t700\tw\t2024-2024_Ulm\t<a\tb>\tENDE"));
    // Without values (form closed without OK) the text stays as it is.
    EXPECT_EQ(PlatzhalterErsetzen(code, p, {}), code);
}

TEST(DoppelteTest, GruppiertAlleZeilen)
{
    const QString d1 = QStringLiteral("/a/");
    const QString d2 = QStringLiteral("/b/");
    // Rows 0 and 1 differ in A-Z case only; 2 has the same name in another directory;
    // 3 and 4 differ in Ä/ä (not folded); 5, 6 and 7 are equal but not neighbours.
    const QStringList pfade{d1, d1, d2, d1, d1, d2, d1, d2};
    const QStringList namen{QStringLiteral("Foto.JPG"), QStringLiteral("foto.jpg"), QStringLiteral("Foto.JPG"),
                            QStringLiteral("Äpfel"),    QStringLiteral("äpfel"),    QStringLiteral("x"),
                            QStringLiteral("y"),        QStringLiteral("x")};
    QStringList pfade3 = pfade;
    QStringList namen3 = namen;
    pfade3 << d2;
    namen3 << QStringLiteral("X");
    const QList<bool> d = VorschauDoppelteMarkieren(pfade3, namen3);
    EXPECT_EQ(d, (QList<bool>{true, true, false, false, false, true, false, true, true}));
}

TEST(DoppelteTest, VieleGleicheUndEinzelne)
{
    // A rule that gives every row the same name: all are duplicates, the odd one is not.
    QStringList pfade(5000, QStringLiteral("/d/"));
    QStringList namen(5000, QStringLiteral("Anna"));
    namen[2500] = QStringLiteral("anNA");
    pfade << QStringLiteral("/d/");
    namen << QStringLiteral("Bert");
    const QList<bool> d = VorschauDoppelteMarkieren(pfade, namen);
    EXPECT_EQ(d.count(true), 5000);
    EXPECT_FALSE(d.last());
}

// Among many distinct names a few pairs (case aside) and a triple far apart: exactly those.
TEST(DoppelteTest, WenigeUnterVielen)
{
    QStringList pfade(30000, QStringLiteral("/d/"));
    QStringList namen;
    for (int i = 0; i < 30000; ++i)
        namen << QStringLiteral("Name %1.txt").arg(i);
    QList<bool> erwartet(30000, false);
    for (const auto &[a, b] : {std::pair{7, 29999}, std::pair{12345, 12346}, std::pair{0, 15000}, std::pair{15000, 20000}}) {
        namen[b] = namen[a].toUpper();
        erwartet[a] = erwartet[b] = true;
    }
    pfade[1] = QStringLiteral("/e/"); // the same name in another directory is none
    namen[1] = namen[2];
    EXPECT_EQ(VorschauDoppelteMarkieren(pfade, namen), erwartet);
}

// One row of the duplicate test: its new name and whether it keeps its present name.
struct DoppelZeile
{
    const char *pfad;
    const char *name;
    bool behaelt;
};

struct DoppelFall
{
    const char *name;
    QList<DoppelZeile> zeilen;
    QList<bool> doppelt;
};

class DoppelteBehaltenTest : public ::testing::TestWithParam<DoppelFall>
{
};

TEST_P(DoppelteBehaltenTest, Markiert)
{
    QStringList pfade;
    QStringList namen;
    QList<bool> behalten;
    for (const DoppelZeile &z : GetParam().zeilen) {
        pfade << QString::fromUtf8(z.pfad);
        namen << QString::fromUtf8(z.name);
        behalten << z.behaelt;
    }
    EXPECT_EQ(VorschauDoppelteMarkieren(pfade, namen, behalten), GetParam().doppelt);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, DoppelteBehaltenTest,
    ::testing::Values(
        // Two files that already stand side by side on a case-sensitive file system.
        DoppelFall{"BeideBehaltenNurGrossKlein",
                   {{"/d/", "ChangeLog.gz", true}, {"/d/", "changelog.gz", true}},
                   {false, false}},
        DoppelFall{"EinerAendertSich",
                   {{"/d/", "ChangeLog.gz", true}, {"/d/", "changelog.gz", false}},
                   {true, true}},
        DoppelFall{"BeideAendernSich",
                   {{"/d/", "ChangeLog.gz", false}, {"/d/", "changelog.gz", false}},
                   {true, true}},
        // A third row that gets the folded name collides with both existing ones.
        DoppelFall{"DritterNimmtDenNamen",
                   {{"/d/", "ChangeLog.gz", true}, {"/d/", "changelog.gz", true}, {"/d/", "CHANGELOG.GZ", false}},
                   {true, true, true}},
        // The same object twice keeps exactly the same name: still one name for two rows.
        DoppelFall{"BeideBehaltenGenauGleich",
                   {{"/d/", "a.txt", true}, {"/e/", "a.txt", true}, {"/d/", "a.txt", true}},
                   {true, false, true}},
        DoppelFall{"AndereVerzeichnisse",
                   {{"/d/", "a.txt", false}, {"/e/", "A.txt", false}},
                   {false, false}}),
    [](const auto &info) { return std::string(info.param.name); });

struct NamenFall
{
    const char *name;
    NamensPruefungEingabe eingabe;
    const char *text;
    bool fehler;
};

class NamenPruefenTest : public ::testing::TestWithParam<NamenFall>
{
};

TEST_P(NamenPruefenTest, Prueft)
{
    const PruefErgebnis e = VorschauNamenPruefen(GetParam().eingabe);
    EXPECT_EQ(e.text, QString::fromUtf8(GetParam().text));
    EXPECT_EQ(e.fehler, GetParam().fehler);
}

NamensPruefungEingabe ein(const QString &neu, const QString &pfad = QStringLiteral("/d/"),
                          const QString &alt = QStringLiteral("alt.txt"), bool doppelt = false, bool kopie = false)
{
    return {neu, pfad, QStringLiteral("/d/"), alt, doppelt, kopie};
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, NamenPruefenTest,
    ::testing::Values(
        NamenFall{"BlankAmEnde", ein(QStringLiteral("a ")), "Name hat Leerzeichen am Ende", true},
        NamenFall{"Leer", ein(QString()), "neuer Name zu kurz", true},
        NamenFall{"ZuLang251", ein(QString(240, u'x'), QStringLiteral("/123456789/")),
                  "neuer Pfad+Name zu lang (maximal 250 Zeichen erlaubt)", true},
        NamenFall{"Genau250", ein(QString(239, u'x'), QStringLiteral("/123456789/")), "ok", false},
        NamenFall{"UeberLinuxGrenze", ein(QString(130, u'\u00e4')), "neuer Pfad+Name zu lang (maximal 250 Zeichen erlaubt)",
                  true},
        NamenFall{"NurPunkte", ein(QStringLiteral("..")), "neuer Name nicht möglich", true},
        NamenFall{"Fragezeichen", ein(QStringLiteral("?")), "neuer Name nicht möglich", true},
        NamenFall{"Schraegstrich", ein(QStringLiteral("a/b")), "neuer Name enthält unmögliches Zeichen", true},
        NamenFall{"Tab", ein(QStringLiteral("a\tb")), "neuer Name enthält unmögliches Zeichen", true},
        NamenFall{"Doppelt", ein(QStringLiteral("n"), QStringLiteral("/d/"), QStringLiteral("alt.txt"), true),
                  "neuer Name doppelt", true},
        NamenFall{"KopieSchonDa", ein(QStringLiteral("ALT.txt"), QStringLiteral("/d/"), QStringLiteral("alt.txt"), false, true),
                  "neuer Name schon vorhanden", true},
        NamenFall{"KeineVeraenderung", ein(QStringLiteral("alt.txt")), "keine Veränderung", false},
        NamenFall{"NurGrossKlein", ein(QStringLiteral("ALT.txt")), "ok", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FehlerSprungTest, SuchtUndUmlaeuft)
{
    // Rows 2 and 5 of 6 have the warn flag.
    const auto warn = [](int z) { return z == 2 || z == 5; };
    EXPECT_EQ(VorschauFehlerSprung(6, 1, true, warn), 2);
    EXPECT_EQ(VorschauFehlerSprung(6, 5, true, warn), 2); // wraps from the last error to the first
    EXPECT_EQ(VorschauFehlerSprung(6, 2, false, warn), 5);
    EXPECT_EQ(VorschauFehlerSprung(6, 0, false, warn), 5);
    EXPECT_EQ(VorschauFehlerSprung(6, 0, true, warn), 2);
    EXPECT_EQ(VorschauFehlerSprung(6, 3, true, [](int) { return false; }), 0);
    EXPECT_EQ(VorschauFehlerSprung(0, 0, true, warn), 0);
    // The only error row is the current row: it is found again.
    EXPECT_EQ(VorschauFehlerSprung(6, 2, true, [](int z) { return z == 2; }), 2);
}

TEST(ZeitAttributPruefenTest, Texte)
{
    EXPECT_TRUE(VorschauZeitPruefen(QStringLiteral("2024????_"), QString()).fehler);
    EXPECT_EQ(VorschauZeitPruefen(QStringLiteral("a"), QStringLiteral("a")).text, QStringLiteral("keine Veränderung"));
    EXPECT_EQ(VorschauAttributPruefen(QStringLiteral("34"), QStringLiteral("33")).text, QStringLiteral("ok"));
}

} // namespace

namespace {

struct AuswertungFall
{
    const char *name;
    int code;
    qint64 zeilen, fehler, ueberschuss;
    const char *text;
    VorschauFarbe farbe;
    bool frei;
};

class AuswertungTest : public ::testing::TestWithParam<AuswertungFall>
{
};

TEST_P(AuswertungTest, Text)
{
    const AuswertungFall &f = GetParam();
    const VorschauAuswertung a = AnzeigeVorschauAuswertung(f.code, f.zeilen, f.fehler, f.ueberschuss);
    EXPECT_EQ(a.text, QString::fromUtf8(f.text));
    EXPECT_EQ(a.farbe, f.farbe);
    EXPECT_EQ(a.aktionFrei, f.frei);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, AuswertungTest,
    ::testing::Values(
        AuswertungFall{"Veraltet", 201, 5, 0, 0, "Die Regel ist veraltet und kann nicht mehr verwendet werden.",
                       VorschauFarbe::Normal, false},
        AuswertungFall{"ListeZuViel", 209, 3, 0, 2, "In der oben stehenden Liste sind 2 neue Namen zu viel.",
                       VorschauFarbe::Normal, false},
        AuswertungFall{"ListeFehlt", 209, 3, 0, -1234, "In der oben stehenden Liste fehlen 1.234 neue Namen.",
                       VorschauFarbe::Normal, false},
        AuswertungFall{"ZeichenZuViel", 229, 3, 0, 1, "Im unteren Zeichen-Eingabefeld sind 1 Zeichen zu viel.",
                       VorschauFarbe::Normal, false},
        AuswertungFall{"KeineZeilen", 225, 0, 0, 0, "Die Anzahl der Dateien oder Verzeichnisse ist zu gering.",
                       VorschauFarbe::Normal, false},
        AuswertungFall{"AlleFehler", 225, 1234, 1234, 0, "Keine kann geändert werden. Alle 1.234 sind fehlerhaft.",
                       VorschauFarbe::Rot, false},
        AuswertungFall{"ZusammenEinFehler", 250, 3, 1, 0, "Keine kann hergestellt werden. Alle 1 sind fehlerhaft.",
                       VorschauFarbe::Rot, false},
        AuswertungFall{"AlleGut", 225, 1234, 0, 0, "Alle 1.234 können geändert werden. ->", VorschauFarbe::Gruen, true},
        AuswertungFall{"ZeitAlleGut", 111, 2, 0, 0, "Alle 2 können geändert werden. ->", VorschauFarbe::Gruen, true},
        AuswertungFall{"Teilweise", 281, 1234, 34, 0, "Nur 1.200 können hergestellt werden. 34 sind fehlerhaft. ->",
                       VorschauFarbe::Gelb, true}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
