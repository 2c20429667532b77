#include "core/persist/IniDatei.h"
#include "core/persist/ZustandsDateien.h"
#include "support/TestUmgebung.h"

#include <gtest/gtest.h>

#include <QFile>

#include <limits>

using namespace rinolux;

namespace {

const QRect kFlaeche(0, 0, 1280, 900);

// Position n (1-based) of each table must hold that control: the position is the file layout.
TEST(ZustandsDateienTest, EintraegeStehenAnIhrerStelleImDateiLayout)
{
    const ZustandsDatei vor = ZustandsDatei::VorStart(kFlaeche);
    ASSERT_EQ(vor.Texte().size(), 8);
    ASSERT_EQ(vor.Flags().size(), 12);
    EXPECT_EQ(vor.Texte()[4].name, u"EdStartVerzBenutzer");
    EXPECT_EQ(vor.Texte()[7].name, u"EdMaxSuch");
    EXPECT_EQ(vor.Flags()[1].name, u"CheParentColor");
    EXPECT_EQ(vor.Flags()[11].name, u"CheBaumNetzwerk");

    const ZustandsDatei hinter = ZustandsDatei::HinterStart();
    ASSERT_EQ(hinter.Texte().size(), 85);
    ASSERT_EQ(hinter.Flags().size(), 106);
    const std::pair<int, const char16_t *> texte[] = {
        {4, u"RiEinstAutomark"}, {10, u"EdSuchMit"},       {36, u"EdZeitDiff"},   {37, u"EdEProP1"},
        {48, u"EdEProN6"},       {60, u"EdSuchDatumBisJahrA"}, {61, u"IniListensuche"}, {66, u"IniFrei"},
        {69, u"EdEVorschauSekunden"}, {73, u"EdHerstZuVielenVerb"}, {82, u"EdSuchDatumBisJahrZ"},
        {83, u"IniBaumFilter"},  {85, u"IniLayout"}};
    for (const auto &[nr, name] : texte)
        EXPECT_EQ(hinter.Texte()[nr - 1].name, QString::fromUtf16(name)) << nr;
    const std::pair<int, const char16_t *> flags[] = {
        {1, u"CoTauschenVonWas"}, {33, u""},          {34, u"CheEDoppelklick"}, {35, u"CheSicherheitsfrage"},
        {38, u"CheWackel"},       {45, u""},          {64, u"RaZeit6"},         {90, u"LiRegelAktion"},
        {93, u"RaEVorschau3"},    {105, u"CheVerzStruktur"}, {106, u"CheLKVRueck"}};
    for (const auto &[nr, name] : flags)
        EXPECT_EQ(hinter.Flags()[nr - 1].name, QString::fromUtf16(name)) << nr;
}

TEST(ZustandsDateienTest, OhneDateiGeltenDieStandardwerte)
{
    test::TestVerzeichnis dir;
    ZustandsDatei vor = ZustandsDatei::VorStart(QRect(0, 0, 1024, 768));
    ASSERT_TRUE(vor.Lesen(dir.pfad(QStringLiteral("Rinol_CVS.cfg"))));
    EXPECT_FALSE(QFile::exists(dir.pfad(QStringLiteral("Rinol_CVS.cfg"))));
    EXPECT_EQ(FensterAusZeile(vor.Text(u"IniFenster"), QRect(0, 0, 1024, 768)), QRect(128, 94, 768, 580));
    EXPECT_EQ(SymbolStilAusZeile(vor.Text(u"IniFenster")), 1);
    EXPECT_EQ(FarbenAusZeile(vor.Text(u"IniFarben")).schema, u'W');
    EXPECT_EQ(vor.Flag(u"RaRahmen1"), 1);
    EXPECT_EQ(vor.Flag(u"CheBildBeiStart"), 1);

    ZustandsDatei hinter = ZustandsDatei::HinterStart();
    ASSERT_TRUE(hinter.Lesen(dir.pfad(QStringLiteral("Rinol_CHS.cfg"))));
    const QStringList auto25 = hinter.Text(u"RiEinstAutomark").split(QStringLiteral("\r\n"));
    ASSERT_EQ(auto25.size(), 25);
    EXPECT_EQ(auto25.first(), QStringLiteral("alle Lieder / *.aiff / *.au / *.flac / *.mid / *.mp2 / *.mp3 / *.ogg / *.wav / *.wma"));
    EXPECT_EQ(auto25.last(), QStringLiteral("die letzten 10.000 / -10000"));
    EXPECT_EQ(hinter.Flag(u"CheSicherheitsfrage"), 1);
    EXPECT_EQ(hinter.Flag(u"CheWackel"), 1);
    EXPECT_EQ(hinter.Flag(u"CheEVorschauAnzahl"), 0);
    EXPECT_EQ(hinter.Text(u"EdEVorschauSekunden"), u"3");
    EXPECT_EQ(hinter.Text(u"EdEVorschauAnzahl"), u"500");
    EXPECT_EQ(hinter.Liste(u"IniBaumZuletzt"), (QStringList{QString(), QStringLiteral("/")}));
}

TEST(ZustandsDateienTest, RundreiseBehaeltJedenWertAuchOhneSteuerelement)
{
    test::TestVerzeichnis dir;
    const QString pfad = dir.pfad(QStringLiteral("Rinol_CHS.cfg"));
    ZustandsDatei a = ZustandsDatei::HinterStart();
    ASSERT_TRUE(a.TextSetzen(u"EdSuchMit", QStringLiteral("*.jpg")));
    ASSERT_TRUE(a.TextSetzen(u"RiESprung", QStringLiteral("/tmp/\r\n/home/")));
    ASSERT_TRUE(a.TextSetzen(u"IniListeAendern", QStringLiteral("x\r\ny\r\n")));
    ASSERT_TRUE(a.ListeSetzen(u"IniBaumFilter", {QString(), QStringLiteral("*.txt"), QStringLiteral("a*")}));
    ASSERT_TRUE(a.FlagSetzen(u"CheSicherheitsfrage", 0));
    ASSERT_TRUE(a.FlagSetzen(u"LiRegelAktion", 7));
    EXPECT_FALSE(a.TextSetzen(u"GibtEsNicht", QStringLiteral("x")));
    ASSERT_TRUE(a.Schreiben(pfad));

    ZustandsDatei b = ZustandsDatei::HinterStart();
    ASSERT_TRUE(b.Lesen(pfad));
    EXPECT_EQ(b.Text(u"EdSuchMit"), u"*.jpg");
    EXPECT_EQ(b.Text(u"RiESprung"), QStringLiteral("/tmp/\r\n/home/"));
    EXPECT_EQ(b.Text(u"IniListeAendern"), QStringLiteral("x\r\ny\r\n"));
    EXPECT_EQ(b.Liste(u"IniBaumFilter"), (QStringList{QString(), QStringLiteral("*.txt"), QStringLiteral("a*")}));
    EXPECT_EQ(b.Flag(u"CheSicherheitsfrage"), 0);
    EXPECT_EQ(b.Flag(u"LiRegelAktion"), 7);
    // Written again untouched, the file is the same byte for byte.
    const QByteArray erst = dir.dateiLesen(QStringLiteral("Rinol_CHS.cfg"));
    ASSERT_TRUE(b.Schreiben(pfad));
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("Rinol_CHS.cfg")), erst);
}

TEST(ZustandsDateienTest, AeltereKuerzereDateiGibtIhreWerteUndDenRestStandard)
{
    test::TestVerzeichnis dir;
    // An older version knew three text entries and two flags.
    dir.dateiSchreiben(QStringLiteral("Rinol_CHS.cfg"),
                       IniWarnung.toUtf8() + "\r\n3\r\n1\r\n4\r\n0\r\n1\r\n2\r\n1\t0\r\n" + IniWarnung.toUtf8() + "\r\n");
    ZustandsDatei d = ZustandsDatei::HinterStart();
    ASSERT_TRUE(d.Lesen(dir.pfad(QStringLiteral("Rinol_CHS.cfg"))));
    EXPECT_EQ(d.Text(u"IniSortierung"), u"4");
    EXPECT_EQ(d.Text(u"IniAutoAuswahl"), u"2");
    EXPECT_TRUE(d.TextEintrag(u"IniAutoAuswahl")->gelesen);
    EXPECT_FALSE(d.TextEintrag(u"EdSuchMit")->gelesen);
    EXPECT_EQ(d.Text(u"EdSuchMit"), u"*");
    EXPECT_EQ(d.Text(u"EdFilterAlt"), QStringLiteral("Ä|Ö|Ü|ä|ö|ü|ß"));
    EXPECT_EQ(d.Flag(u"CoTauschenVonWas"), 1);
    EXPECT_EQ(d.Flag(u"CoTauschenBisWas"), 0);
    EXPECT_EQ(d.Flag(u"CoAendernNameFormat"), 1); // default
    EXPECT_EQ(d.Flag(u"CheSicherheitsfrage"), 1);
}

TEST(ZustandsDateienTest, MuellInDerDateiGibtStandardwerte)
{
    test::TestVerzeichnis dir;
    dir.dateiSchreiben(QStringLiteral("Rinol_CVS.cfg"),
                       "Warnung\r\n8\r\n1\r\nabc\txyz\t\t-\tQ\r\n1\r\n/x/\r\n1\r\nq\tw\te\r\n1\r\nFZ\tzz\r\n"
                       "999999999\r\nkaputt\r\n");
    ZustandsDatei d = ZustandsDatei::VorStart(kFlaeche);
    ASSERT_TRUE(d.Lesen(dir.pfad(QStringLiteral("Rinol_CVS.cfg"))));
    EXPECT_EQ(FensterAusZeile(d.Text(u"IniFenster"), kFlaeche), QRect(256, 160, 768, 580));
    EXPECT_EQ(SymbolStilAusZeile(d.Text(u"IniFenster")), 1);
    EXPECT_EQ(d.Text(u"IniVerzeichnis"), u"/x/");
    const Zaehler z = ZaehlerAusZeile(d.Text(u"IniZaehler"));
    EXPECT_EQ(z.bildschirmMeldung, 0);
    EXPECT_EQ(z.hilfeKlick, 0);
    EXPECT_EQ(FarbenAusZeile(d.Text(u"IniFarben")).schema, u'W');
    // The count line that names more lines than follow: this entry and the rest are defaults.
    EXPECT_EQ(d.Text(u"EdStartVerzBenutzer"), QString());
    EXPECT_EQ(d.Text(u"EdMaxSuch"), u"50");
    EXPECT_EQ(d.Flag(u"CheBildBeiStart"), 1);
}

TEST(ZustandsDateienTest, UnlesbareDateiWirdNichtUeberschrieben)
{
    test::TestVerzeichnis dir;
    dir.dateienAnlegen({QStringLiteral("Rinol_CVS.cfg/")}); // a directory stands where the file should be
    ZustandsDatei d = ZustandsDatei::VorStart(kFlaeche);
    EXPECT_FALSE(d.Lesen(dir.pfad(QStringLiteral("Rinol_CVS.cfg"))));
    EXPECT_TRUE(d.Unlesbar());
    EXPECT_EQ(d.Text(u"EdMaxSuch"), u"50");
    EXPECT_FALSE(d.Schreiben(dir.pfad(QStringLiteral("Rinol_CVS.cfg"))));
}

struct FensterFall
{
    const char *zeile;
    QRect flaeche;
    QRect erwartet;
};

TEST(ZustandsDateienTest, FensterPasstInDieArbeitsflaeche)
{
    const FensterFall faelle[] = {
        {"-20\t10\t800\t600\t1", kFlaeche, QRect(0, 10, 800, 600)},
        {"100\t50\t5000\t4000\t1", kFlaeche, QRect(0, 0, 1280, 900)},
        {"1000\t700\t800\t600\t1", kFlaeche, QRect(480, 300, 800, 600)},
        {"10\t10\t100\t100\t1", kFlaeche, QRect(10, 10, 768, 580)},
        {"0\t0\t800\t600", QRect(1280, 30, 1024, 740), QRect(1280, 30, 800, 600)},
        {"10\t10\t900\t900", QRect(0, 0, 700, 500), QRect(0, 0, 700, 500)},
        {"", kFlaeche, QRect(256, 160, 768, 580)},
    };
    for (const FensterFall &f : faelle)
        EXPECT_EQ(FensterAusZeile(QString::fromUtf8(f.zeile), f.flaeche), f.erwartet) << f.zeile;
    EXPECT_EQ(SymbolStilAusZeile(FensterZeile(QRect(1, 2, 3, 4), 3)), 3);
    EXPECT_EQ(SymbolStilAusZeile(QStringLiteral("1\t2\t3\t4\t7")), 1);
    EXPECT_EQ(SymbolStilAusZeile(QStringLiteral("1\t2\t3\t4\t0")), 0);
}

TEST(ZustandsDateienTest, FarbenUndZaehlerHinUndZurueck)
{
    FarbWahl f;
    f.schema = u'1';
    f.farbe1 = 0x1E140A;
    f.farbe2 = 0x8000FF;
    const FarbWahl g = FarbenAusZeile(FarbenZeile(f));
    EXPECT_EQ(g.schema, u'1');
    EXPECT_EQ(g.farbe1, f.farbe1);
    EXPECT_EQ(g.farbe2, f.farbe2);
    EXPECT_EQ(FarbenAusZeile(QStringLiteral("F\tQ\t1\t2")).schema, u'2');
    const FarbWahl kaputt = FarbenAusZeile(QStringLiteral("F\tB\t-5\t99999999999"));
    EXPECT_EQ(kaputt.schema, u'B');
    EXPECT_EQ(kaputt.farbe1, -1);
    EXPECT_EQ(kaputt.farbe2, -1);

    const Zaehler z = ZaehlerAusZeile(ZaehlerZeile({2, 17}));
    EXPECT_EQ(z.bildschirmMeldung, 2);
    EXPECT_EQ(z.hilfeKlick, 17);
    EXPECT_EQ(ZaehlerAusZeile(QStringLiteral("0\t-4\t99999999999")).hilfeKlick, std::numeric_limits<int>::max());
    EXPECT_EQ(ZaehlerAusZeile(QStringLiteral("0\t-4")).bildschirmMeldung, 0);
}

struct GrenzeFall
{
    const char *text;
    int maximum;
    const char *erwartet;
};

TEST(ZustandsDateienTest, GrenzenWerdenGeklemmtUndNieZuNullOhneZiffer)
{
    const GrenzeFall faelle[] = {{"3000", 2000, "2000"}, {"-5", 2000, "0"},   {"abc", 2000, "77"},
                                 {"", 100, "77"},        {"2x", 100, "2"},    {"100", 100, "100"},
                                 {"99999999999999999999", 100, "100"}};
    for (const GrenzeFall &f : faelle)
        EXPECT_EQ(GrenzeKlemmen(QString::fromUtf8(f.text), f.maximum, 77), QString::fromUtf8(f.erwartet)) << f.text;
    EXPECT_EQ(FeldZahl(QStringLiteral("2x")), 2);
    EXPECT_EQ(FeldZahl(QStringLiteral("99999999999")), std::numeric_limits<int>::max());
}

TEST(ZustandsDateienTest, AlteLayoutZeileWirdUmgewandelt)
{
    QStringList alt{QStringLiteral("B")};
    for (int i = 2; i <= 17; ++i)
        alt << QStringLiteral("a%1").arg(i);
    const QStringList neu = LayoutUmwandeln(alt, {QStringLiteral("s2"), QStringLiteral("s6")},
                                            {QStringLiteral("v3"), QStringLiteral("v7"), QStringLiteral("v11")});
    ASSERT_EQ(neu.size(), 20);
    EXPECT_EQ(neu, (QStringList{"C", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "a14", "a15", "a16", "a17",
                                "s2", "s6", "a11", "a12", "v3", "v7", "v11"}));
    const QStringList kurz{QStringLiteral("B"), QStringLiteral("x")};
    EXPECT_EQ(LayoutUmwandeln(kurz, {}, {}), kurz);
}

TEST(ZustandsDateienTest, NotizDateien)
{
    test::TestVerzeichnis dir;
    const QString pfad = dir.pfad(QStringLiteral("neu/Rinol_TextLinks.txt"));
    EXPECT_EQ(NotizLesen(pfad), QString());
    ASSERT_TRUE(NotizSchreiben(pfad, QStringLiteral("a\r\nb"), true));
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("neu/Rinol_TextLinks.txt")), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(NotizLesen(pfad), QStringLiteral("a\r\nb"));
    ASSERT_TRUE(NotizSchreiben(pfad, QStringLiteral("x\r\n"), false));
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("neu/Rinol_TextLinks.txt")), QByteArray("x\r\n\r\n"));
    EXPECT_EQ(NotizLesen(pfad), QStringLiteral("x\r\n"));
    dir.dateiSchreiben(QStringLiteral("lf.txt"), "eins\nzwei\n");
    EXPECT_EQ(NotizLesen(dir.pfad(QStringLiteral("lf.txt"))), QStringLiteral("eins\r\nzwei"));
    EXPECT_EQ(TextZeilenAnzahl(QStringLiteral("a\r\nb\r\n")), 3);
    EXPECT_EQ(TextZeilenAnzahl(QString()), 0);
}

} // namespace
