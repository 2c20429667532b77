#include "core/persist/MerkListe.h"
#include "core/persist/SuchListe.h"
#include "support/TestUmgebung.h"

#include <QFile>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace rinolux;
using namespace Qt::StringLiterals;

namespace {

const QByteArray Kopf = "Warnung: \xc3\x84nderungen in dieser Datei k\xc3\xb6nnen zu Fehlern f\xc3\xbchren!\r\n700\r\n";

QStringList arten(const SuchListe &l)
{
    QStringList aus;
    for (const SuchVerlaufEintrag &e : l.Eintraege())
        aus << e.anzeige;
    return aus;
}

// ---------------------------------------------------------------- files round trip

TEST(VerlaufDateien, LesenUndSchreibenGebenDieselbenBytes)
{
    test::TestVerzeichnis tv;
    const QByteArray such = Kopf
                            + "20240305_070809_005_2\r\n1\r\nbild\r\n/home/anna/Fotos/\r\n4711\r\n"
                              "20240306_101112_000_3\r\n6\r\n*.jpg     ohne x\r\n/tmp/\r\nx\t2100000\t*.jpg\t:\r\n"
                              "20240307_000000_000_4\r\n7\r\n1 Eintragungen: /a/\xc3\xa4.txt\r\n\r\n/a/\xc3\xa4.txt\t\r\n";
    const QByteArray merk = "xyz\r\n\r\nGr\xc3\xb6\xc3\x9f" "e\r\nabc\r\n";
    const QByteArray platz = Kopf + "Datum\r\n2024\r\nOrt\r\n\r\n";
    tv.dateiSchreiben(u"such"_s, such);
    tv.dateiSchreiben(u"merk"_s, merk);
    tv.dateiSchreiben(u"platz"_s, platz);

    SuchListe s;
    ASSERT_TRUE(s.Lesen(tv.pfad(u"such"_s)).ok());
    EXPECT_EQ(s.Anzahl(), 3);
    EXPECT_EQ(s.Eintrag(3).verzeichnis, QString());
    ASSERT_TRUE(s.Schreiben(tv.pfad(u"such2"_s)).ok());
    EXPECT_EQ(tv.dateiLesen(u"such2"_s).toStdString(), such.toStdString());

    MerkListe m;
    ASSERT_TRUE(m.Lesen(tv.pfad(u"merk"_s)).ok());
    EXPECT_EQ(m.Woerter(), (QStringList{u"xyz"_s, QString(), u"Größe"_s, u"abc"_s}));
    ASSERT_TRUE(m.Schreiben(tv.pfad(u"merk2"_s)).ok());
    EXPECT_EQ(tv.dateiLesen(u"merk2"_s).toStdString(), merk.toStdString());

    PlatzhalterListe p;
    ASSERT_TRUE(p.Lesen(tv.pfad(u"platz"_s)).ok());
    EXPECT_EQ(p.Wert(u"ORT"_s), QString());
    ASSERT_TRUE(p.Schreiben(tv.pfad(u"platz2"_s)).ok());
    EXPECT_EQ(tv.dateiLesen(u"platz2"_s).toStdString(), platz.toStdString());
}

TEST(VerlaufDateien, FehlendeDateiIstLeerKaputteWirdNichtUeberschrieben)
{
    test::TestVerzeichnis tv;
    SuchListe s;
    MerkListe m;
    PlatzhalterListe p;
    EXPECT_TRUE(s.Lesen(tv.pfad(u"fehlt"_s)).ok());
    EXPECT_TRUE(m.Lesen(tv.pfad(u"fehlt"_s)).ok());
    EXPECT_TRUE(p.Lesen(tv.pfad(u"fehlt"_s)).ok());
    EXPECT_EQ(s.Anzahl() + m.Anzahl() + p.Anzahl(), 0);

    // Something at the path that is no regular file cannot be read; the empty list must
    // not take its place at shutdown.
    const QString fifo = tv.pfad(u"fifo"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    EXPECT_FALSE(s.Lesen(fifo).ok());
    EXPECT_FALSE(m.Lesen(fifo).ok());
    EXPECT_FALSE(p.Lesen(fifo).ok());
    for (const Ergebnis &e : {s.Schreiben(fifo), m.Schreiben(fifo), p.Schreiben(fifo)}) {
        EXPECT_FALSE(e.ok());
        EXPECT_TRUE(e.text().contains(u"nicht neu geschrieben"_s)) << e.text().toStdString();
    }
    struct stat st;
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // Written into a data directory that does not exist yet.
    s.Leeren();
    ASSERT_TRUE(s.Lesen(tv.pfad(u"fehlt"_s)).ok());
    s.Neu(u"1"_s, u"a"_s, u"/"_s, u"4711"_s, true, u"50"_s, u"20240305_070809_005_2"_s);
    ASSERT_TRUE(s.Schreiben(tv.pfad(u"neu/Rinol_Such.cfg"_s)).ok());
    EXPECT_EQ(tv.dateiLesen(u"neu/Rinol_Such.cfg"_s), Kopf + "20240305_070809_005_2\r\n1\r\na\r\n/\r\n4711\r\n");
}

TEST(VerlaufDateien, SuchDateiMitUnvollstaendigemLetztenEintrag)
{
    test::TestVerzeichnis tv;
    tv.dateiSchreiben(u"nurKopf"_s, Kopf);
    tv.dateiSchreiben(u"sieben"_s, "kopf\nwas auch immer\nz1\n1\nbild\n/a/\n4711\nz2\n6\n");
    SuchListe s;
    ASSERT_TRUE(s.Lesen(tv.pfad(u"nurKopf"_s)).ok());
    EXPECT_EQ(s.Anzahl(), 0);
    ASSERT_TRUE(s.Lesen(tv.pfad(u"sieben"_s)).ok());
    ASSERT_EQ(s.Anzahl(), 2);
    EXPECT_EQ(s.Eintrag(1), (SuchVerlaufEintrag{u"z1"_s, u"1"_s, u"bild"_s, u"/a/"_s, u"4711"_s}));
    EXPECT_EQ(s.Eintrag(2), (SuchVerlaufEintrag{u"z2"_s, u"6"_s, {}, {}, {}}));
}

// ---------------------------------------------------------------- search history

TEST(SuchListe, GleicherAuftragWandertAnsEndeUndGrenzeSchneidetAlte)
{
    SuchListe s;
    s.Neu(u"6"_s, u"a"_s, u"/x/"_s, u"d"_s, true, u"50"_s, u"t1"_s);
    s.Neu(u"6"_s, u"b"_s, u"/x/"_s, u"d"_s, true, u"50"_s, u"t2"_s);
    s.Neu(u"6"_s, u"a"_s, u"/x/"_s, u"d"_s, true, u"50"_s, u"t3"_s);
    ASSERT_EQ(arten(s), (QStringList{u"b"_s, u"a"_s}));
    EXPECT_EQ(s.Eintrag(2).zeit, u"t3"_s);
    // Letter case counts: "A" is another search.
    s.Neu(u"6"_s, u"A"_s, u"/x/"_s, u"d"_s, true, u"50"_s, u"t4"_s);
    EXPECT_EQ(arten(s), (QStringList{u"b"_s, u"a"_s, u"A"_s}));

    s.Neu(u"1"_s, u"c"_s, u"/"_s, u"4711"_s, true, u"3"_s);
    EXPECT_EQ(arten(s), (QStringList{u"a"_s, u"A"_s, u"c"_s}));
    EXPECT_EQ(s.Eintrag(3).zeit.size(), 21);
    // Without the cut flag the limit does not apply.
    s.Neu(u"1"_s, u"d"_s, u"/"_s, u"4711"_s, false, u"1"_s);
    EXPECT_EQ(s.Anzahl(), 4);
    // Only digits count: "-2" is 2; no digit at all is 0, which empties the list.
    s.Neu(u"1"_s, u"e"_s, u"/"_s, u"4711"_s, true, u"-2"_s);
    EXPECT_EQ(arten(s), (QStringList{u"d"_s, u"e"_s}));
    s.Neu(u"1"_s, u"f"_s, u"/"_s, u"4711"_s, true, u"abc"_s);
    EXPECT_EQ(s.Anzahl(), 0);
}

TEST(SuchListe, LoeschenUndZeilenumbruecheImFeld)
{
    SuchListe s;
    for (const QString &n : {u"1"_s, u"2"_s, u"3"_s, u"4"_s})
        s.Neu(u"1"_s, n, u"/"_s, u"4711"_s, true, u"50"_s);
    s.Loeschen(std::vector<int>{4, 2, 2, 9});
    EXPECT_EQ(arten(s), (QStringList{u"1"_s, u"3"_s}));
    s.Loeschen(0);
    s.Loeschen(1);
    EXPECT_EQ(arten(s), QStringList{u"3"_s});

    // TAB, CR and LF typed into a field would break the five-line record.
    s.Neu(u"6"_s, u"a\tb\r\nc"_s, u"/x\n/"_s, u"d"_s, true, u"50"_s);
    EXPECT_EQ(s.Eintrag(2).anzeige, u"a b  c"_s);
    EXPECT_EQ(s.Eintrag(2).verzeichnis, u"/x /"_s);
    test::TestVerzeichnis tv;
    ASSERT_TRUE(s.Schreiben(tv.pfad(u"s"_s)).ok());
    SuchListe wieder;
    ASSERT_TRUE(wieder.Lesen(tv.pfad(u"s"_s)).ok());
    EXPECT_EQ(wieder.Eintraege(), s.Eintraege());
}

// ---------------------------------------------------------------- words and placeholders

TEST(MerkListe, GleicheWoerterWandernGrenzeNurMitFlag)
{
    MerkListe m;
    m.Neu({u"xyz"_s, u"abc"_s, u"foo"_s}, false, u"500"_s);
    m.Neu({u"abc"_s, u"xyz"_s}, false, u"500"_s);
    EXPECT_EQ(m.Woerter(), (QStringList{u"foo"_s, u"abc"_s, u"xyz"_s}));
    // New words equal to each other are not merged.
    m.Neu({u"n"_s, u"n"_s}, false, u"1"_s);
    EXPECT_EQ(m.Anzahl(), 5);
    m.Wort(u"zuletzt"_s, true, u"2"_s);
    EXPECT_EQ(m.Woerter(), (QStringList{u"n"_s, u"zuletzt"_s}));
    m.Wort(u"zwei\nZeilen"_s, true, u"2"_s);
    EXPECT_EQ(m.Woerter().last(), u"zwei Zeilen"_s);
}

TEST(PlatzhalterListe, SchluesselOhneGrossKleinUndDreissigHoechstens)
{
    PlatzhalterListe p;
    p.Neu(u"Datum"_s, u"2024"_s, true);
    EXPECT_EQ(p.Wert(u"DATUM"_s), u"2024"_s);
    p.Neu(u"DATUM"_s, u"2025"_s, true);
    ASSERT_EQ(p.Anzahl(), 1);
    EXPECT_EQ(p.Werte().front().name, u"DATUM"_s);
    EXPECT_EQ(p.Wert(u"datum"_s), u"2025"_s);
    for (int i = 1; i <= 30; ++i)
        p.Neu(u"n"_s + QString::number(i), QString::number(i), true);
    EXPECT_EQ(p.Anzahl(), 30);
    EXPECT_EQ(p.Wert(u"Datum"_s), QString());
    EXPECT_EQ(p.Wert(u"N1"_s), u"1"_s);

    // A value with a line break would split its record: the break becomes blanks. Without
    // kuerzen nothing is cut.
    PlatzhalterListe q;
    q.Neu(u"<Jahr>"_s, u"20\r\n24"_s, true);
    EXPECT_EQ(q.Wert(u"<jahr>"_s), u"20  24"_s);
    for (int i = 0; i < 40; ++i)
        q.Neu(u"<p%1>"_s.arg(i), QString::number(i), i >= 35);
    ASSERT_EQ(q.Anzahl(), PlatzhalterListe::Grenze);
    EXPECT_EQ(q.Werte().back().name, u"<p39>"_s);
    EXPECT_EQ(q.Werte().front().name, u"<p10>"_s);
}

TEST(PlatzhalterListe, LetzterSatzNurMitNamenHatKeinenWert)
{
    test::TestVerzeichnis tv;
    tv.dateiSchreiben(u"kurz.cfg"_s, "W\r\n700\r\n<a>\r\n1\r\n<b>");
    PlatzhalterListe p;
    ASSERT_TRUE(p.Lesen(tv.pfad(u"kurz.cfg"_s)).ok());
    ASSERT_EQ(p.Anzahl(), 2);
    EXPECT_EQ(p.Wert(u"<a>"_s), u"1"_s);
    EXPECT_EQ(p.Werte().back().name, u"<b>"_s);
    EXPECT_EQ(p.Werte().back().wert, QString());
}

} // namespace
