#include "core/selection/sub_Auswahl.h"
#include "core/selection/sub_Sortieren.h"
#include "core/shell/Fortschritt.h"
#include "core/util/PfadText.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

// A file time given as local time, as the time cells show it.
plattform::DateiZeit ortszeit(int jahr, int monat, int tag, int stunde, int minute, int sekunde, int ms)
{
    return plattform::DateiZeit::aus(QDateTime(QDate(jahr, monat, tag), QTime(stunde, minute, sekunde, ms)));
}

TNxSuchTyp datei(qint64 groesse = 0, bool verz = false)
{
    TNxSuchTyp d;
    for (int i : {TNxSuchTyp::Herstellung, TNxSuchTyp::Aenderung, TNxSuchTyp::Zugriff})
        d.zeitSetzen(i, ortszeit(2024, 3, 5, 7, 8, 9, 5)); // "20240305_070809_005_2"
    d.groesse = groesse;
    d.attribute = verz ? 16 : 32;
    d.verz = verz ? 1 : 0;
    return d;
}

// Fills a selection list with names of one directory, in the order given (sort choice
// "Pfad + Name.Format" would reorder them, so the caller picks the order it needs).
ListenDaten listeMit(const QStringList &namen, const QString &verz = QStringLiteral("/d/"))
{
    ListenDaten l;
    nxAuswahlListeVorbereiten(l);
    for (const QString &n : namen) {
        const int z = l.ZeilenAnhaengen(1);
        l.ZelleSetzen(z, AZelle::Pfad, verz);
        l.ZelleSetzen(z, AZelle::Name, n);
        l.ZelleSetzen(z, AZelle::Format, nxNameFormat(n));
    }
    return l;
}

QStringList namenInReihenfolge(const ListenDaten &l)
{
    QStringList t;
    for (int p = 1; p <= l.Anzahl(); ++p)
        t << l.Zelle(l.ZeileAn(p), AZelle::Name);
    return t;
}

QList<int> markiertePositionen(const ListenDaten &l)
{
    QList<int> p;
    for (int i = 1; i <= l.Anzahl(); ++i)
        if (l.Markiert(l.ZeileAn(i)))
            p << i;
    return p;
}

QList<int> bereich(int von, int bis)
{
    QList<int> p;
    for (int i = von; i <= bis; ++i)
        p << i;
    return p;
}

QStringList nummerierteNamen(int n)
{
    QStringList t;
    for (int i = 1; i <= n; ++i)
        t << QStringLiteral("n") + QString::number(i);
    return t;
}

} // namespace

TEST(Auswahl, FormatIstDerTextNachDemLetztenPunkt)
{
    EXPECT_EQ(nxNameFormat(QStringLiteral("a.tar.gz")), QStringLiteral("gz"));
    EXPECT_EQ(nxNameFormat(QStringLiteral(".profile")), QStringLiteral("profile"));
    EXPECT_EQ(nxNameFormat(QStringLiteral("LIESMICH")), QString());
    EXPECT_EQ(nxNameFormat(QStringLiteral("ende.")), QString());
    // The byte form the fill uses agrees, also behind multi-byte characters.
    for (const char *name : {"a.tar.gz", ".profile", "LIESMICH", "ende.", "Übersicht.größe", "日本.テキスト", "a.😀"}) {
        const QString text = QString::fromUtf8(name);
        EXPECT_EQ(nxNameFormatUtf8(text.toUtf8()).toByteArray(), nxNameFormat(text).toUtf8()) << name;
    }
}

// ---------------------------------------------------------------- filling

TEST(AuswahlFuellen, TrefferWerdenZeilenMitAllenZellen)
{
    SuchTreffer t;
    TNxSuchTyp d = datei(1234);
    d.pfadNr = 7;
    d.attribute = 33;
    d.zeitSetzen(TNxSuchTyp::Herstellung, ortszeit(2020, 1, 1, 0, 0, 0, 0)); // "20200101_000000_000_3"
    t.Neu(QStringLiteral("/home/x/"), QStringLiteral("a.tar.gz"), d);
    t.Neu(QStringLiteral("/home/x/"), QStringLiteral("unter"), datei(4096, true));
    t.Neu(QStringLiteral("/home/x/"), QStringLiteral(".profile"), datei(1));
    ListenDaten l;
    StillerFortschritt f;
    AuswahlFuellung art;
    art.sortWahl = 1;
    ASSERT_EQ(nxAuswahlFuellen(l, t, art, f), 3);
    EXPECT_EQ(t.Anzahl(), 0); // the hits are used up
    // Directories first, then by name.
    EXPECT_EQ(namenInReihenfolge(l), (QStringList{"unter", ".profile", "a.tar.gz"}));
    const int z = l.ZeileAn(3);
    EXPECT_EQ(l.Zelle(z, AZelle::Pfad), QStringLiteral("/home/x/"));
    EXPECT_EQ(l.Zelle(z, AZelle::PfadNr), QStringLiteral("7"));
    EXPECT_EQ(l.Zelle(z, AZelle::Format), QStringLiteral("gz"));
    EXPECT_EQ(l.Zelle(z, AZelle::Bytes), QStringLiteral("1234"));
    EXPECT_EQ(l.Zelle(z, AZelle::Attribute), QStringLiteral("33"));
    EXPECT_EQ(l.Zelle(z, AZelle::ZeitH), QStringLiteral("20200101_000000_000_3"));
    EXPECT_EQ(l.Zelle(z, AZelle::ZeitA), QStringLiteral("20240305_070809_005_2"));
    EXPECT_TRUE(l.Zelle(z, AZelle::Leer).isEmpty());
    EXPECT_TRUE(l.Verz(l.ZeileAn(1)));
    EXPECT_EQ(l.Zelle(l.ZeileAn(2), AZelle::Format), QStringLiteral("profile"));
    EXPECT_EQ(l.AktPosition(), 1);
    EXPECT_EQ(l.MarkiertAnzahl(), 0);
}

TEST(AuswahlFuellen, ZeilenFolgenDenTrefferRueckwaerts)
{
    // Row i holds hit n+1-i, across several blocks of rows.
    SuchTreffer t;
    for (int i = 1; i <= 7001; ++i)
        t.Neu(QStringLiteral("/v/"), QStringLiteral("x"), datei(i));
    ListenDaten l;
    StillerFortschritt f;
    ASSERT_EQ(nxAuswahlFuellen(l, t, AuswahlFuellung{}, f), 7001);
    EXPECT_EQ(l.Zelle(1, AZelle::Bytes), QStringLiteral("7001"));
    EXPECT_EQ(l.Zelle(7001, AZelle::Bytes), QStringLiteral("1"));
    // Equal keys: the sort leaves the order the fill gave them.
    EXPECT_EQ(l.ZeileAn(1), 1);
}

TEST(AuswahlFuellen, TrefferUeberVieleBloeckeKommenUnveraendertAn)
{
    // Hits are kept in blocks and names in character blocks, both given back while the
    // fill takes hits from the back: every row must still get its own directory and name.
    SuchTreffer t;
    constexpr int n = 20000;
    auto name = [](int i) {
        if (i % 997 == 0)
            return QString(); // a hit without a name
        QString s = QStringLiteral("Straße ä %1 ").arg(i) + QString(i % 300, u'x');
        if (i % 1001 == 0)
            s += QChar(char16_t(0xDCFF)); // stands for an undecodable byte
        return s;
    };
    auto verz = [](int i) { return QStringLiteral("/v/%1/").arg(i / 1500); };
    for (int i = 1; i <= n; ++i)
        t.Neu(verz(i), name(i), datei(i));
    EXPECT_EQ(t.Name(5000), name(5000));
    EXPECT_EQ(t.Verzeichnis(19999), verz(19999));
    ListenDaten l;
    StillerFortschritt f;
    ASSERT_EQ(nxAuswahlFuellen(l, t, AuswahlFuellung{}, f), n);
    for (int z = 1; z <= n; ++z) {
        const int i = n + 1 - z;
        ASSERT_EQ(l.Zelle(z, AZelle::Name), name(i)) << z;
        ASSERT_EQ(l.Zelle(z, AZelle::Pfad), verz(i)) << z;
        ASSERT_EQ(l.Zelle(z, AZelle::Bytes), QString::number(i)) << z;
    }
}


// A listing hands names on as the bytes the file system holds: valid UTF-8 is kept as it
// stands, anything else goes the way of the text with its stand-ins. Either way a row reads
// exactly as if the name had been decoded first.
TEST(AuswahlFuellen, NamenAusBytesWieAusText)
{
    const QByteArray namen[] = {
        "plain.txt", "Stra\xc3\x9f" "e \xc3\xa4", "\xff\xfe", "a\xed\xa0\x80" "b", // an encoded surrogate
        "\xc0\xaf", "\xef\xbb\xbf" "bom", "\xf0\x9f\x98\x80", "\xf4\x90\x80\x80", "x\xe2\x82", "",
    };
    SuchTreffer t;
    for (const QByteArray &n : namen)
        t.NeuNativ(QStringLiteral("/v/"), n, datei());
    t.NeuUtf8(QStringLiteral("/v/"), utf8MitEinzelnen(nameAusBytes("\xff")), datei());
    ASSERT_EQ(t.Anzahl(), int(std::size(namen)) + 1);
    for (int i = 1; i <= int(std::size(namen)); ++i) {
        const QString text = nameAusBytes(namen[i - 1]);
        EXPECT_EQ(t.NameUtf8(i), utf8MitEinzelnen(text)) << i;
        EXPECT_EQ(t.Name(i), text) << i;
    }
    EXPECT_EQ(t.Name(t.Anzahl()), nameAusBytes("\xff"));
    ListenDaten l;
    StillerFortschritt f;
    ASSERT_EQ(nxAuswahlFuellen(l, t, AuswahlFuellung{}, f), int(std::size(namen)) + 1);
    for (int i = 1; i <= int(std::size(namen)); ++i) // row n + 1 - i holds hit i
        EXPECT_EQ(l.Zelle(int(std::size(namen)) + 2 - i, AZelle::Name), nameAusBytes(namen[i - 1])) << i;
}
TEST(AuswahlFuellen, AbbruchBeimFuellenLeertDieListe)
{
    SuchTreffer t;
    for (int i = 1; i <= 7000; ++i)
        t.Neu(QStringLiteral("/v/"), QStringLiteral("x%1").arg(i), datei());
    ListenDaten l = listeMit({"alt"});
    AbbruchBeiSchritt f(2);
    EXPECT_EQ(nxAuswahlFuellen(l, t, AuswahlFuellung{}, f), 0);
    EXPECT_EQ(l.Anzahl(), 0);
    EXPECT_EQ(t.Anzahl(), 0);
    EXPECT_TRUE(l.Meldung().isEmpty());
}

TEST(AuswahlFuellen, AbgebrocheneSucheBehaeltZeilenAbgebrocheneListungLeert)
{
    SuchTreffer t;
    t.Neu(QStringLiteral("/v/"), QStringLiteral("neu"), datei());
    StillerFortschritt f;
    AuswahlFuellung art;
    art.suchAbbruch = true;

    ListenDaten suche = listeMit({"a", "b"});
    suche.MarkSetzen(2, true);
    EXPECT_EQ(nxAuswahlFuellen(suche, t, art, f), 2);
    EXPECT_EQ(suche.MarkiertAnzahl(), 1);
    EXPECT_TRUE(suche.Meldung().isEmpty());

    // A listing of the tree: no marked row may stay behind the message.
    art.baumListe = true;
    ListenDaten baum = listeMit({"a", "b"});
    baum.MarkSetzen(2, true);
    for (int i = 0; i < 1233; ++i)
        t.Neu(QStringLiteral("/v/"), QStringLiteral("x"), datei());
    EXPECT_EQ(nxAuswahlFuellen(baum, t, art, f), 0);
    EXPECT_EQ(baum.MarkiertAnzahl(), 0);
    EXPECT_EQ(baum.Meldung(),
              QStringLiteral("ESC = Suche abgebrochen\r\n\r\n1.234 Namen\r\nvor dem Abbruch gefunden"));
}

TEST(AuswahlFuellen, EscImSortierenLeertDieListe)
{
    SuchTreffer t;
    t.Neu(QStringLiteral("/v/"), QStringLiteral("b"), datei());
    t.Neu(QStringLiteral("/v/"), QStringLiteral("a"), datei());
    ListenDaten l;
    StillerFortschritt f;
    AuswahlFuellung art;
    art.baumListe = true;
    art.escErlaubt = true;
    art.escGedrueckt = [] { return true; };
    EXPECT_EQ(nxAuswahlFuellen(l, t, art, f), 0);
    EXPECT_EQ(l.Anzahl(), 0);
}

TEST(AuswahlFuellen, AutoAuswahlNachDemFuellen)
{
    SuchTreffer t;
    for (const char *n : {"b.txt", "a.jpg", "c.txt"})
        t.Neu(QStringLiteral("/v/"), QString::fromLatin1(n), datei());
    ListenDaten l;
    StillerFortschritt f;
    AuswahlFuellung art;
    art.sortWahl = 3;
    art.autoRegel = QStringLiteral("*.txt");
    art.autoAnwenden = true;
    nxAuswahlFuellen(l, t, art, f);
    EXPECT_EQ(namenInReihenfolge(l), (QStringList{"a.jpg", "b.txt", "c.txt"}));
    EXPECT_EQ(markiertePositionen(l), (QList<int>{2, 3}));
}

// ---------------------------------------------------------------- automatic selection

struct AutoFall
{
    const char *name;
    QString regel;
    QStringList namen;
    QList<int> markiert;
};

class AutoAuswahl : public testing::TestWithParam<AutoFall>
{
};

TEST_P(AutoAuswahl, MarkiertGenauDieTreffer)
{
    const AutoFall &f = GetParam();
    ListenDaten l = listeMit(f.namen);
    l.MarkSetzen(1, true); // every mark is overwritten
    nxAutoAuswahlAnwenden(l, f.regel);
    EXPECT_EQ(markiertePositionen(l), f.markiert);
    EXPECT_EQ(l.MarkiertAnzahl(), f.markiert.size());
}

INSTANTIATE_TEST_SUITE_P(
    Regeln, AutoAuswahl,
    testing::Values(
        AutoFall{"ErsteZwanzig", "20", nummerierteNamen(30), bereich(1, 20)},
        AutoFall{"LetzteTausend", "-1000", nummerierteNamen(1500), bereich(501, 1500)},
        AutoFall{"ErsteTausendNicht", "1000 / u", nummerierteNamen(1500), bereich(1001, 1500)},
        AutoFall{"ZahlAusDenErstenNeunZeichen", "1234567890", nummerierteNamen(3), bereich(1, 3)},
        AutoFall{"MinusNichtDirektVorDerZahl", "- 5", nummerierteNamen(8), {}},
        AutoFall{"SonderzeichenOhneFormatPunkt", "S", {"foto.jpg", "foto-1.jpg"}, {2}},
        AutoFall{"OhneSonderzeichen", "s", {"foto.jpg", "foto-1.jpg"}, {1}},
        AutoFall{"MusterMitZifferWirdVerworfen", "*.mp3", {"a.mp3", "b.txt"}, {}},
        AutoFall{"MusterOhneGrossKlein", "*.TXT", {"a.mp3", "B.txt", "c.Txt"}, {2, 3}},
        AutoFall{"MehrereMuster", "*.jpg | *.png", {"a.jpg", "b.txt", "c.png"}, {1, 3}},
        AutoFall{"Fragezeichen", "?.txt", {"a.txt", "ab.txt"}, {1}},
        AutoFall{"Keine", "", {"a", "b"}, {}},
        AutoFall{"Alle", "*", {"a", "b"}, {1, 2}},
        AutoFall{"NurUmkehren", "u", {"a", "b"}, {1, 2}},
        AutoFall{"Buchstabe", "B", {"123", "a1", "-_"}, {2}},
        AutoFall{"OhneBuchstabe", "b", {"123", "a1", "-_"}, {1, 3}},
        AutoFall{"BuchstabeOderZahl", "B / Z", {"123", "a", "-_"}, {1, 2}},
        AutoFall{"Leerzeichen", "L", {"a b", "ab"}, {1}},
        AutoFall{"GrossBuchstabe", "G", {"Abc", "abc", "ÄRGER"}, {1, 3}},
        AutoFall{"KeinKleinBuchstabe", "k", {"Abc", "ABC", "123"}, {2, 3}},
        AutoFall{"UnverstandenesWirdIgnoriert", "x / ", {"x", "y"}, {}},
        AutoFall{"UmgedrehtesMuster", "*.jpg \\ u", {"a.jpg", "b.txt"}, {2}}),
    [](const testing::TestParamInfo<AutoFall> &i) { return std::string(i.param.name); });

TEST(AutoAuswahl, ZaehltInAnzeigeReihenfolge)
{
    ListenDaten l = listeMit({"a", "b", "c", "d"});
    ASSERT_TRUE(l.ReihenfolgeSetzen({0, 4, 3, 2, 1}));
    nxAutoAuswahlAnwenden(l, QStringLiteral("2"));
    EXPECT_TRUE(l.Markiert(4));
    EXPECT_TRUE(l.Markiert(3));
    EXPECT_FALSE(l.Markiert(1));
}

TEST(AutoAuswahl, TabelleAusEinstellungsText)
{
    const TNxASortMark t = nxAutoAuswahlTabelle(
        QStringLiteral("alle Text-Dateien / *.txt\r\n\r\n  die ersten 20 | 20 \nnur Beschreibung\nleer:"));
    ASSERT_EQ(t.size(), 7u);
    EXPECT_EQ(t[1].beschreibung, QStringLiteral("keine"));
    EXPECT_TRUE(t[1].regel.isEmpty());
    EXPECT_EQ(t[2].beschreibung, QStringLiteral("alle"));
    EXPECT_EQ(t[2].regel, QStringLiteral("*"));
    EXPECT_EQ(t[3].beschreibung, QStringLiteral("alle Text-Dateien"));
    EXPECT_EQ(t[3].regel, QStringLiteral(" *.txt"));
    EXPECT_EQ(t[4].beschreibung, QStringLiteral("die ersten 20"));
    EXPECT_EQ(t[4].regel, QStringLiteral(" 20"));
    EXPECT_EQ(t[5].beschreibung, QStringLiteral("nur Beschreibung"));
    EXPECT_TRUE(t[5].regel.isEmpty());
    EXPECT_EQ(t[6].beschreibung, QStringLiteral("leer"));
}

// ---------------------------------------------------------------- counts and names from outside

TEST(AuswahlZaehlen, BytesDerMarkiertenUndAller)
{
    ListenDaten l = listeMit({"a", "b", "c"});
    l.ZelleSetzen(1, AZelle::Bytes, QStringLiteral("1000000"));
    l.ZelleSetzen(2, AZelle::Bytes, QStringLiteral("234567"));
    l.ZelleSetzen(3, AZelle::Bytes, QStringLiteral("5000000000"));
    l.MarkSetzen(1, true);
    l.MarkSetzen(2, true);
    const AuswahlZahlen z = nxAuswahlZaehlen(l);
    EXPECT_EQ(z.markiert, 2);
    EXPECT_EQ(z.anzahl, 3);
    EXPECT_EQ(z.bytesMarkiert, 1234567);
    EXPECT_EQ(z.bytesGesamt, 5001234567);
}

TEST(NamenMarkieren, GenauDieGegebenenNamen)
{
    ListenDaten l = listeMit({"A.txt", "a.txt", "b.txt", "c.txt", "d.txt"}, QStringLiteral("/x/"));
    ASSERT_TRUE(l.ReihenfolgeSetzen({0, 5, 4, 3, 2, 1}));
    l.MarkSetzen(5, true);
    const QStringList gegeben{"/x/a.txt", "/x/c.txt", "/x/d.txt"};
    EXPECT_EQ(nxGemeinsamesVerzeichnis(gegeben), QStringLiteral("/x/"));
    EXPECT_EQ(nxNamenMarkieren(l, gegeben), 3);
    EXPECT_TRUE(l.Markiert(2));
    EXPECT_FALSE(l.Markiert(1)); // "A.txt" is another file
    EXPECT_TRUE(l.Markiert(4));
    EXPECT_TRUE(l.Markiert(5));
    EXPECT_EQ(l.AktPosition(), 1); // d.txt comes first in display order

    EXPECT_EQ(nxNamenMarkieren(l, {"/y/a.txt"}), 0);
    EXPECT_EQ(l.AktPosition(), 1);
    EXPECT_TRUE(nxGemeinsamesVerzeichnis({"/x/a", "/y/b"}).isEmpty());
    EXPECT_TRUE(nxGemeinsamesVerzeichnis({}).isEmpty());
}
