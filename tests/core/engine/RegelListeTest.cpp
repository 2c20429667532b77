#include "core/engine/RegelListe.h"
#include "core/engine/RegelCode.h"
#include "core/shell/Dialog.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

QString tabs(std::initializer_list<const char *> f)
{
    QStringList l;
    for (const char *s : f)
        l.append(QString::fromUtf8(s));
    return l.join(u'\t');
}

// The default file as it must appear on disk, written out independently of the code
// that produces it.
QByteArray erwarteteStandardDatei()
{
    struct Zeile
    {
        const char *beschreibung;
        const char *rest;
    };
    const Zeile zeilen[] = {
        {"Ändern: alle Buchstaben großmachen", "1\t0\t\t\tN\tg\t"},
        {"Ändern: alle Buchstaben kleinmachen", "1\t0\t\t\tN\tk\t"},
        {"Ändern: doppelte Leerzeichen vereinfachen", "2\t1\t \tN\tJ\tw\t "},
        {"Ändern: alle Leerzeichen durch _ ersetzen", "2\t1\t \tN\tN\tw\t_"},
        {"Ändern: alle Leerzeichen durch - ersetzen", "2\t1\t \tN\tN\tw\t-"},
        {"Ändern: alle Leerzeichen durch Punkte ersetzen", "2\t1\t \tN\tN\tw\t."},
        {"Ändern: alle _ durch Leerzeichen ersetzen", "2\t1\t_\tN\tN\tw\t "},
        {"Ändern: alle _ durch - ersetzen", "2\t1\t_\tN\tN\tw\t-"},
        {"Ändern: alle _ durch Punkte ersetzen", "2\t1\t_\tN\tN\tw\t."},
        {"Ändern: alle - durch Leerzeichen ersetzen", "2\t1\t-\tN\tN\tw\t "},
        {"Ändern: alle - durch _ ersetzen", "2\t1\t-\tN\tN\tw\t_"},
        {"Ändern: alle - durch Punkte ersetzen", "2\t1\t-\tN\tN\tw\t."},
        {"Ändern: alle Punkte durch Leerzeichen ersetzen", "2\t1\t.\tN\tN\tw\t "},
        {"Ändern: alle Punkte durch _ ersetzen", "2\t1\t.\tN\tN\tw\t_"},
        {"Ändern: alle Punkte durch - ersetzen", "2\t1\t.\tN\tN\tw\t-"},
    };
    QByteArray b(
        "Warnung: \xC3\x84nderungen in dieser Datei k\xC3\xB6nnen zu Fehlern f\xC3\xBChren!\r\n700\r\n");
    for (const Zeile &z : zeilen) {
        b += z.beschreibung;
        b += "\r\n1\r\n1\t221\t700\t1\t0\tg\t1\t1\t0\t\t\tg\t1\t-1\t0\t\t\t6\t";
        b += z.rest;
        b += "\tENDE\r\n";
    }
    return b;
}

class RegelDateiTest : public ::testing::Test
{
protected:
    test::TestVerzeichnis dir;
    QString pfad = dir.pfad(QStringLiteral("Rinol_Regel839.cfg"));

    void dateiMitRegeln(const QByteArray &regelZeilen)
    {
        dir.dateiSchreiben(QStringLiteral("Rinol_Regel839.cfg"),
                           QByteArray("Warnung: x\r\n700\r\n") + regelZeilen);
    }
};

TEST_F(RegelDateiTest, ErsterStartSchreibtDieStandardDatei)
{
    RegelListe liste;
    ASSERT_TRUE(RegelListeLesen(pfad, liste));
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("Rinol_Regel839.cfg")), erwarteteStandardDatei());
    ASSERT_EQ(liste.anzahl(), 15);
    EXPECT_EQ(liste.beschreibung(0), QStringLiteral("Ändern: alle Buchstaben großmachen"));
    EXPECT_EQ(liste.beschreibung(14), QStringLiteral("Ändern: alle Punkte durch - ersetzen"));
    EXPECT_EQ(liste.code(0), tabs({"1",  "221", "700", "1", "0", "g", "1", "1", "0", "",  "",  "g", "1",
                                   "-1", "0",   "",    "",  "6", "1", "0", "",  "",  "N", "g", "",  "ENDE"}));
    EXPECT_FALSE(liste.dateiUnlesbar);
    // Every default record reads as a valid rule and is written back unchanged.
    for (const QString &code : liste.codes()) {
        const auto r = RegelLesen(code);
        ASSERT_TRUE(r.gueltig()) << code.toStdString();
        EXPECT_EQ(RegelSchreiben(r.regel), code);
    }
    // Writing the list read back gives the same bytes.
    ASSERT_TRUE(RegelListeSchreiben(pfad, liste));
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("Rinol_Regel839.cfg")), erwarteteStandardDatei());
}

TEST_F(RegelDateiTest, LangerCodeInStueckenVon60)
{
    const QString lang = QStringLiteral("1\t215\t700\t0\t0\t0\t1\t1\t0\t\t\tN\tN\tw\t") + QString(90, u'x') +
                         QStringLiteral("\tENDE");
    ASSERT_EQ(lang.size(), 125);
    RegelListe liste;
    liste.anhaengen(QStringLiteral("lang"), lang);
    ASSERT_TRUE(RegelListeSchreiben(pfad, liste));

    const auto zeilen =
        QString::fromUtf8(dir.dateiLesen(QStringLiteral("Rinol_Regel839.cfg"))).split(QStringLiteral("\r\n"));
    ASSERT_EQ(zeilen.size(), 8); // header, marker, description, count, 3 pieces, empty after last CR LF
    EXPECT_EQ(zeilen[3], QStringLiteral("3"));
    EXPECT_EQ(zeilen[4].size(), 60);
    EXPECT_EQ(zeilen[5].size(), 60);
    EXPECT_EQ(zeilen[6].size(), 5);

    RegelListe gelesen;
    ASSERT_TRUE(RegelListeLesen(pfad, gelesen));
    ASSERT_EQ(gelesen.anzahl(), 1);
    EXPECT_EQ(gelesen.code(0), lang);
    EXPECT_TRUE(RegelLesen(gelesen.code(0)).gueltig());
}

TEST(RegelCodeStueckeTest, ZeichenAusserhalbDerBasisebeneWirdNichtGeteilt)
{
    // 59 letters, then a character that takes two UTF-16 units: it is character 60.
    const QString code = QString(59, u'a') + QString::fromUcs4(U"\U0001F600") + QStringLiteral("bc");
    const QStringList s = RegelCodeStuecke(code);
    ASSERT_EQ(s.size(), 2);
    EXPECT_EQ(s[0], QString(59, u'a') + QString::fromUcs4(U"\U0001F600"));
    EXPECT_EQ(s[1], QStringLiteral("bc"));
    EXPECT_TRUE(RegelCodeStuecke(QString()).isEmpty());
    EXPECT_EQ(RegelCodeStuecke(QString(120, u'z')).size(), 2);
}

TEST_F(RegelDateiTest, ZeichenAusserhalbDerBasisebeneUeberlebtDieDatei)
{
    const QString code =
        QString(58, u'a') + QString::fromUcs4(U"\u00E4\U0001F600\U0001F600") + QStringLiteral("z");
    RegelListe liste;
    liste.anhaengen(QString::fromUcs4(U"Grüße \U0001F600"), code);
    ASSERT_TRUE(RegelListeSchreiben(pfad, liste));
    RegelListe gelesen;
    ASSERT_TRUE(RegelListeLesen(pfad, gelesen));
    EXPECT_EQ(gelesen.beschreibungen(), liste.beschreibungen());
    EXPECT_EQ(gelesen.codes(), liste.codes());
}

TEST_F(RegelDateiTest, KombinierteRegelIstEinEintrag)
{
    const QString kombiniert = tabs({"2", "221",  "700", "1",   "0", "g", "1", "1", "0", "",  "",  "g",
                                     "1", "-1",   "0",   "",    "",  "6", "1", "0", "",  "",  "N", "g",
                                     "",  "ENDE", "208", "700", "1", "0", "g", "1", "1", "0", "",  "",
                                     "g", "1",    "-1",  "0",   "",  "",  "1", "1", "0", "",  "",  "ENDE"});
    const QStringList stuecke = RegelCodeStuecke(kombiniert);
    QByteArray inhalt = "NEU: a > b\r\n" + QByteArray::number(stuecke.size()) + "\r\n";
    for (const QString &s : stuecke)
        inhalt += s.toUtf8() + "\r\n";
    dateiMitRegeln(inhalt + "einfach\r\n1\r\n1\t205\t700\tJ\tX\tX\tX\tENDE\r\n");

    RegelListe liste;
    ASSERT_TRUE(RegelListeLesen(pfad, liste));
    ASSERT_EQ(liste.anzahl(), 2);
    EXPECT_EQ(liste.code(0), kombiniert);
    EXPECT_EQ(liste.code(0).count(QStringLiteral("\tENDE")), 2);
    EXPECT_TRUE(liste.istKombiniert(0));
    EXPECT_FALSE(liste.istKombiniert(1));
    const auto r = RegelLesen(liste.code(0));
    ASSERT_TRUE(r.gueltig());
    EXPECT_EQ(r.regel.teile.size(), 2);
}

struct EndeFall
{
    const char *name;
    QByteArray zeilen;
    QStringList beschreibungen;
    QStringList codes;
};

void PrintTo(const EndeFall &f, std::ostream *os)
{
    *os << f.name;
}

class RegelDateiEndeTest : public RegelDateiTest, public ::testing::WithParamInterface<EndeFall>
{
};

TEST_P(RegelDateiEndeTest, LiestBisZumEndeOhneZuRaten)
{
    dateiMitRegeln(GetParam().zeilen);
    RegelListe liste;
    ASSERT_TRUE(RegelListeLesen(pfad, liste));
    EXPECT_EQ(liste.beschreibungen(), GetParam().beschreibungen);
    EXPECT_EQ(liste.codes(), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, RegelDateiEndeTest,
    ::testing::Values(EndeFall{"leer", QByteArray(), {}, {}},
                      EndeFall{"nurBeschreibung", "a\r\n", {QStringLiteral("a")}, {QString()}},
                      EndeFall{"ZahlOhneZiffern",
                               "a\r\nx\r\nb\r\n0\r\n",
                               {QStringLiteral("a"), QStringLiteral("b")},
                               {QString(), QString()}},
                      EndeFall{"ZahlMitFremdzeichen",
                               "a\r\n 2x\r\nc1\r\nc2\r\n",
                               {QStringLiteral("a")},
                               {QStringLiteral("c1c2")}},
                      EndeFall{"nurLf", "a\n1\ncode\n", {QStringLiteral("a")}, {QStringLiteral("code")}}),
    [](const auto &info) { return std::string(info.param.name); });

// A count that no writer produces makes the whole file unusable: read on, every later line
// would be taken one place off (a code as a description and so on). The file is reported and
// left as it is, also when rules are added afterwards.
TEST_F(RegelDateiTest, UnmoeglicheAnzahlMachtDieDateiUnlesbar)
{
    const QByteArray faelle[] = {
        "a\r\n-2\r\nb\r\n0\r\n",                  // negative
        "a\r\n99999999999999999999\r\nc1\r\n",    // beyond 64 bits
        "a\r\n1\r\nc1\r\nb\r\n3\r\nc1\r\nc2\r\n", // more lines than follow
    };
    for (const QByteArray &zeilen : faelle) {
        dateiMitRegeln(zeilen);
        RegelListe liste;
        const Ergebnis e = RegelListeLesen(pfad, liste);
        EXPECT_FALSE(e.ok()) << zeilen.constData();
        EXPECT_TRUE(e.text().contains(pfad)) << e.text().toStdString();
        EXPECT_TRUE(liste.leer());
        EXPECT_TRUE(liste.dateiUnlesbar);
        EXPECT_FALSE(RegelDateiLesen(pfad).ok());

        liste.anhaengen(QStringLiteral("neu"), QStringLiteral("1\t114\t700\tH\tENDE"));
        EXPECT_FALSE(RegelListeSchreiben(pfad, liste).ok());
        EXPECT_EQ(dir.dateiLesen(QStringLiteral("Rinol_Regel839.cfg")),
                  QByteArray("Warnung: x\r\n700\r\n") + zeilen);
    }
}

TEST_F(RegelDateiTest, UnlesbareDateiWirdGemeldetUndNichtGeleert)
{
    // A directory in place of the file: it exists but cannot be read as text.
    ASSERT_TRUE(QDir().mkpath(pfad));
    RegelListe liste;
    liste.anhaengen(QStringLiteral("alt"), QStringLiteral("x"));
    const Ergebnis e = RegelListeLesen(pfad, liste);
    EXPECT_FALSE(e.ok());
    EXPECT_FALSE(e.text().isEmpty());
    EXPECT_TRUE(liste.leer());
    EXPECT_TRUE(liste.dateiUnlesbar);
    EXPECT_FALSE(RegelListeSchreiben(pfad, liste).ok());
    EXPECT_TRUE(QFileInfo(pfad).isDir());
}

TEST_F(RegelDateiTest, UnlesbareDateiBleibtBeiLeererListeErhalten)
{
    dateiMitRegeln("a\r\n1\r\ncode\r\n");
    RegelListe liste;
    liste.dateiUnlesbar = true;
    EXPECT_FALSE(RegelListeSchreiben(pfad, liste).ok());
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("Rinol_Regel839.cfg")),
              QByteArray("Warnung: x\r\n700\r\na\r\n1\r\ncode\r\n"));
}

TEST_F(RegelDateiTest, StandardDateiNichtSchreibbarLaesstDieRegelnBenutzbar)
{
    // The parent "directory" is a file, so nothing can be created below it.
    dir.dateiSchreiben(QStringLiteral("kein_verzeichnis"), "x");
    RegelListe liste;
    const Ergebnis e =
        RegelListeLesen(dir.pfad(QStringLiteral("kein_verzeichnis/Rinol_Regel839.cfg")), liste);
    EXPECT_FALSE(e.ok());
    EXPECT_EQ(liste.anzahl(), 15);
    EXPECT_FALSE(liste.dateiUnlesbar);
}

struct UmrechnenFall
{
    const char *name;
    QString alt;
    QString neu;
};

void PrintTo(const UmrechnenFall &f, std::ostream *os)
{
    *os << f.name;
}

class AlterZeitCodeTest : public ::testing::TestWithParam<UmrechnenFall>
{
};

TEST_P(AlterZeitCodeTest, Umrechnen)
{
    EXPECT_EQ(AlterZeitCodeUmrechnen(GetParam().alt), GetParam().neu);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, AlterZeitCodeTest,
    ::testing::Values(
        UmrechnenFall{"Beispiel", tabs({"1", "201", "x", "2005", "3", "7", "9", "30", "0", "1", "5", "ENDE"}),
                      tabs({"1", "111", "700", "20050307_093000_000", "1", "5", "ENDE"})},
        UmrechnenFall{"kurzesJahr", tabs({"1", "201", "x", "05", "3", "7", "9", "30", "0", "1", "5", "ENDE"}),
                      tabs({"1", "111", "700", "-0010307_093000_000", "1", "5", "ENDE"})},
        UmrechnenFall{"zugriff203", tabs({"1", "203", "", "2010", "12", "31", "23", "59", "59", "ENDE"}),
                      tabs({"1", "131", "700", "20101231_235959_000", "ENDE"})},
        UmrechnenFall{"herstellung202LeereUndLangeFelder",
                      tabs({"1", "202", "y", "2010", "", "123", "1", "2", "3", "ENDE"}),
                      tabs({"1", "121", "700", "2010-1-1_010203_000", "ENDE"})},
        UmrechnenFall{"204bleibt", tabs({"1", "204", "x", "2005", "ENDE"}),
                      tabs({"1", "204", "x", "2005", "ENDE"})},
        UmrechnenFall{"neuerCode", tabs({"1", "205", "700", "J", "X", "X", "X", "ENDE"}),
                      tabs({"1", "205", "700", "J", "X", "X", "X", "ENDE"})},
        UmrechnenFall{"zweistelligeAnzahl", tabs({"12", "201", "x", "2005", "ENDE"}),
                      tabs({"12", "201", "x", "2005", "ENDE"})},
        UmrechnenFall{"kurz", QStringLiteral("1\t201"), QStringLiteral("1\t201")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RegelDateiTest, AlterZeitCodeBeimLesenMitLogZeilen)
{
    test::XdgUmleiten();
    QDir().mkpath(ProgPfad);
    {
        QFile log(nxDebugDateiName());
        ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    }
    nxDebugStart(QString(), true);
    dateiMitRegeln("alt\r\n1\r\n1\t201\tx\t2005\t3\t7\t9\t30\t0\t1\t5\tENDE\r\n");
    RegelListe liste;
    ASSERT_TRUE(RegelListeLesen(pfad, liste));
    nxDebugEnde();
    ASSERT_EQ(liste.anzahl(), 1);
    EXPECT_EQ(liste.code(0), tabs({"1", "111", "700", "20050307_093000_000", "1", "5", "ENDE"}));
    EXPECT_TRUE(RegelLesen(liste.code(0)).gueltig());

    QFile log(nxDebugDateiName());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("IniListeRegel_Lesen")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("alter Zeit-Code 201 wird umgerechnet zu neuem Zeit-Code:\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("1\t201\tx\t2005\t3\t7\t9\t30\t0\t1\t5\tENDE\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("1\t111\t700\t20050307_093000_000\t1\t5\tENDE\r\n")));
}

class RegelListeOpTest : public ::testing::Test
{
protected:
    RegelListe liste;
    void SetUp() override
    {
        for (const char *n : {"a", "b", "c"})
            liste.anhaengen(QString::fromUtf8(n), QStringLiteral("code ") + QString::fromUtf8(n));
    }
    void erwarte(const QStringList &namen)
    {
        EXPECT_EQ(liste.beschreibungen(), namen);
        ASSERT_EQ(liste.codes().size(), namen.size());
        for (int i = 0; i < namen.size(); ++i)
            EXPECT_EQ(liste.code(i), QStringLiteral("code ") + namen[i].right(1));
    }
};

TEST_F(RegelListeOpTest, HinzufuegenFragtUndSetztAnDenAnfang)
{
    SkriptDialog nein({u'n'});
    EXPECT_FALSE(RegelHinzufuegen(liste, nein, QStringLiteral("Herstellen"),
                                  QStringLiteral("eine große zusammengesetzte Datei"),
                                  QStringLiteral("code x")));
    EXPECT_EQ(liste.anzahl(), 3);

    SkriptDialog ja({u'j'});
    liste.waehlen(2);
    ASSERT_TRUE(RegelHinzufuegen(liste, ja, QStringLiteral("Herstellen"),
                                 QStringLiteral("eine große zusammengesetzte Datei"),
                                 QStringLiteral("code x")));
    ASSERT_EQ(ja.aufrufe.size(), 1);
    EXPECT_EQ(ja.aufrufe[0].art, u'f');
    EXPECT_EQ(ja.aufrufe[0].text,
              QStringLiteral("Soll die Liste erweitert werden mit den Einstellungen der Seite\r\n"
                             "[Herstellen: eine große zusammengesetzte Datei]?"));
    EXPECT_FALSE(ja.aufrufe[0].breit);
    EXPECT_EQ(liste.beschreibung(0), QStringLiteral("NEU: Herstellen: eine große zusammengesetzte Datei"));
    EXPECT_EQ(liste.code(0), QStringLiteral("code x"));
    EXPECT_EQ(liste.gewaehlt(), 0);
    EXPECT_EQ(liste.anzahl(), 4);
}

TEST_F(RegelListeOpTest, UmbenennenAendertNurDieBeschreibung)
{
    liste.waehlen(1);
    SkriptDialog ja({u'j'});
    ASSERT_TRUE(RegelUmbenennen(liste, ja, QStringLiteral("neu\r\nb")));
    EXPECT_EQ(ja.aufrufe[0].text, QStringLiteral("Soll die ausgewählte Regel jetzt umbenannt werden?\r\n\r\n"
                                                 "Bisheriger Name:\r\n> b\r\n\r\nNeuer Name:\r\n> neu\r\nb"));
    EXPECT_TRUE(ja.aufrufe[0].breit);
    EXPECT_EQ(liste.beschreibung(1), QStringLiteral("neub"));
    EXPECT_EQ(liste.code(1), QStringLiteral("code b"));

    SkriptDialog nein;
    EXPECT_FALSE(RegelUmbenennen(liste, nein, QStringLiteral("x")));
    EXPECT_EQ(liste.beschreibung(1), QStringLiteral("neub"));
}

TEST_F(RegelListeOpTest, LoeschenEntferntBeideUndWaehltDieErste)
{
    liste.waehlen(1);
    SkriptDialog nein;
    EXPECT_FALSE(RegelLoeschen(liste, nein));
    EXPECT_EQ(
        nein.aufrufe[0].text,
        QStringLiteral("Soll die ausgewählte Regel\r\n> b\r\n\r\nwirklich aus der Liste entfernt werden?"));
    erwarte({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});

    SkriptDialog ja({u'j'});
    ASSERT_TRUE(RegelLoeschen(liste, ja));
    erwarte({QStringLiteral("a"), QStringLiteral("c")});
    EXPECT_EQ(liste.gewaehlt(), 0);

    RegelListe eine;
    eine.anhaengen(QStringLiteral("x"), QStringLiteral("y"));
    eine.waehlen(0);
    SkriptDialog ja2({u'j'});
    ASSERT_TRUE(RegelLoeschen(eine, ja2));
    EXPECT_TRUE(eine.leer());
    EXPECT_EQ(eine.gewaehlt(), -1);
    EXPECT_FALSE(RegelLoeschen(eine, ja2));
}

TEST_F(RegelListeOpTest, VerschiebenHaeltBeideListenZusammen)
{
    liste.waehlen(0);
    EXPECT_FALSE(RegelHoch(liste));
    erwarte({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});

    ASSERT_TRUE(RegelRunter(liste));
    erwarte({QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")});
    EXPECT_EQ(liste.gewaehlt(), 1);
    ASSERT_TRUE(RegelRunter(liste));
    erwarte({QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")});
    EXPECT_EQ(liste.gewaehlt(), 2);
    EXPECT_FALSE(RegelRunter(liste));
    ASSERT_TRUE(RegelHoch(liste));
    erwarte({QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")});
    EXPECT_EQ(liste.gewaehlt(), 1);

    liste.waehlen(-1);
    EXPECT_FALSE(RegelHoch(liste));
    EXPECT_FALSE(RegelRunter(liste));
}

} // namespace
