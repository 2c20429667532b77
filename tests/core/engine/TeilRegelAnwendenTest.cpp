#include "core/engine/TeilRegelAnwenden.h"
#include "core/engine/VorschauPruefung.h"

#include <gtest/gtest.h>

#include <functional>

using namespace rinolux;

namespace {

TeilRegel MitCode(AktionsCode code)
{
    TeilRegel r;
    r.code = code;
    return r;
}

ZeilenWerte Werte(const QString &name, qint64 zeile, qint64 verzeichnis = 1)
{
    ZeilenWerte w;
    w.pfad = QStringLiteral("/daten/bilder/");
    w.name = name;
    w.neuerName = name;
    w.zeile = zeile;
    w.verzeichnisNummer = verzeichnis;
    return w;
}

// The new name of a rule that inserts in front of the whole name (cell 1).
QString VorneEinfuegen(TeilRegelLauf &lauf, const ZeilenWerte &w)
{
    NamensPositionen p;
    p.einfuegeStellen = {Zelle{1, 1, true}};
    const ZeilenErgebnis e = lauf.teileNeu(U"", w.neuerName.toStdU32String(), U"", p, w);
    EXPECT_TRUE(e.ok()) << e.fehler.toStdString();
    return e.wert;
}

} // namespace

TEST(TeilRegelLauf, LaufendeNummernBeginnenJeVerzeichnisNeuNurImSuchErgebnis)
{
    TeilRegel r = MitCode(213);
    r.nummer = NummerFelder{QString(), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("_")};
    r.nrUnterverz = true;

    const qint64 verzeichnisse[] = {1, 1, 2, 1};
    for (const bool suchErgebnis : {true, false}) {
        TeilRegelLauf lauf(r, suchErgebnis);
        QStringList namen;
        for (qint64 i = 0; i < 4; ++i)
            namen << VorneEinfuegen(lauf, Werte(QStringLiteral("a"), i + 1, verzeichnisse[i]));
        const QStringList erwartet =
            suchErgebnis ? QStringList{"1_a", "2_a", "1_a", "3_a"} : QStringList{"1_a", "2_a", "3_a", "4_a"};
        EXPECT_EQ(namen, erwartet) << suchErgebnis;
    }
}

TEST(TeilRegelLauf, ErsatzDurchNummerZaehltEinmalJeEintrag)
{
    TeilRegel r = MitCode(223);
    r.nummer = NummerFelder{QString(), QStringLiteral("1"), QStringLiteral("1"), QString()};
    TeilRegelLauf lauf(r);
    NamensPositionen p;
    p.stuecke = {Zelle{1, 1, true}, Zelle{3, 1, true}};
    EXPECT_EQ(lauf.teileNeu(U"", U"x-x", U".txt", p, Werte(QStringLiteral("x-x.txt"), 1)).wert,
              QStringLiteral("1-1.txt"));
    EXPECT_EQ(lauf.teileNeu(U"", U"x-x", U".txt", p, Werte(QStringLiteral("x-x.txt"), 2)).wert,
              QStringLiteral("2-2.txt"));
}

TEST(TeilRegelLauf, FormelFehlerGiltFuerJedeZeile)
{
    TeilRegel r = MitCode(224);
    r.formel = QStringLiteral("= /1*4*0*zahl\\ =");
    TeilRegelLauf lauf(r);
    ASSERT_TRUE(lauf.regelFehler());
    EXPECT_EQ(*lauf.regelFehler(), QStringLiteral("1. Formel falsch"));
    NamensPositionen p;
    p.stuecke = {Zelle{1, 1, true}};
    for (qint64 zeile = 1; zeile <= 2; ++zeile) {
        const ZeilenErgebnis e = lauf.teileNeu(U"", U"a", U"", p, Werte(QStringLiteral("a"), zeile));
        EXPECT_EQ(e.fehler, QStringLiteral("1. Formel falsch"));
        EXPECT_EQ(e.wert, QStringLiteral("a"));
    }
}

TEST(TeilRegelLauf, WertPlusUeber64BitIstEinZeilenFehler)
{
    TeilRegel r = MitCode(221);
    r.buchstabe = QLatin1Char('+');
    r.wert = QStringLiteral("99999999999999999999");
    TeilRegelLauf lauf(r);
    NamensPositionen p;
    p.stuecke = {Zelle{6, 1, true}};
    const ZeilenErgebnis e = lauf.teileNeu(U"", U"Bild 9", U"", p, Werte(QStringLiteral("Bild 9"), 1));
    EXPECT_EQ(e.fehler, NummerZuGrossText());

    r.wert = QStringLiteral("5");
    TeilRegelLauf fuenf(r);
    EXPECT_EQ(fuenf.teileNeu(U"", U"Bild 9", U"", p, Werte(QStringLiteral("Bild 9"), 1)).wert,
              QStringLiteral("Bild 14"));
}

// A typed number that does not fit into 64 bits is the row's error wherever it stands, never
// a count of 0 or 1 that quietly leaves the rows as they are or gives them all one name.
TEST(TeilRegelLauf, ZahlenUeber64BitSindZeilenFehler)
{
    const QString riesig = QStringLiteral("99999999999999999999");
    struct Fall
    {
        const char *name;
        TeilRegel regel;
    };
    TeilRegel schritt = MitCode(213);
    schritt.nummer = NummerFelder{QString(), QStringLiteral("1"), riesig, QString()};
    TeilRegel wiederholung = schritt;
    wiederholung.nummer.diff = QStringLiteral("1\\") + riesig;
    TeilRegel ersatzSchritt = MitCode(223);
    ersatzSchritt.nummer = schritt.nummer;
    TeilRegel verzeichnis = MitCode(211);
    verzeichnis.buchstabe = QLatin1Char('v');
    verzeichnis.wert = riesig;
    TeilRegel zeitBetrag = MitCode(113);
    zeitBetrag.zeit.einheit = 3;
    zeitBetrag.zeit.diff = riesig;
    TeilRegel nummerierteZeit = MitCode(111);
    nummerierteZeit.zeit.wert = QStringLiteral("20200101_000000_000");
    nummerierteZeit.zeit.diff = QStringLiteral("-") + riesig;
    const Fall faelle[] = {{"Schritt", schritt},
                           {"Wiederholung", wiederholung},
                           {"SchrittBeimErsetzen", ersatzSchritt},
                           {"Verzeichnisnummer", verzeichnis},
                           {"ZeitBetrag", zeitBetrag},
                           {"NummerierteZeit", nummerierteZeit}};
    for (const Fall &f : faelle) {
        TeilRegelLauf lauf(f.regel);
        for (qint64 zeile = 1; zeile <= 2; ++zeile) {
            ZeilenWerte w = Werte(QStringLiteral("a"), zeile);
            w.zeiten.aenderung = QStringLiteral("20240101_000000_000_1");
            ZeilenErgebnis e;
            if (IstZeitCode(f.regel.code)) {
                e = lauf.zeit(w);
            } else {
                NamensPositionen p;
                p.einfuegeStellen = {Zelle{1, 1, true}};
                p.stuecke = {Zelle{1, 1, true}};
                e = lauf.teileNeu(U"", U"a", U"", p, w);
            }
            EXPECT_EQ(e.fehler, NummerZuGrossText()) << f.name << " " << zeile;
        }
    }
}

// A rule that would build a name beyond NamensGrenze (a long text before every character of a
// name) gives the row an error and never builds the text; just below the limit it works.
TEST(TeilRegelLauf, NamenUeberDerGrenzeSindZeilenFehler)
{
    const int name = 8;                                      // "abcdefgh", every character a position
    const int lang = int(NamensGrenze) / name + 1;           // eight of them reach beyond the limit
    const int passend = (int(NamensGrenze) - 12) / name - 1; // eight of them and the name fit
    NamensPositionen jedes;
    for (int i = 1; i <= name; ++i) {
        jedes.einfuegeStellen.push_back(Zelle{i, 1, true});
        jedes.stuecke.push_back(Zelle{i, 1, true});
        jedes.ziele.push_back(Zelle{i, 1, true});
    }
    jedes.bereich.von = 1;
    jedes.bereich.bis = name;

    struct Fall
    {
        const char *name;
        std::function<TeilRegel(int)> regel; // with texts of this length
    };
    const Fall faelle[] = {
        {"Einfuegen",
         [](int n) {
             TeilRegel r = MitCode(215);
             r.wert = QString(n, u'x');
             return r;
         }},
        {"ListenWort",
         [](int n) {
             TeilRegel r = MitCode(212);
             r.liste.vor = QString(n, u'x');
             return r;
         }},
        {"NummerMitText",
         [](int n) {
             TeilRegel r = MitCode(213);
             r.nummer = NummerFelder{QString(n, u'x'), QStringLiteral("1"), QStringLiteral("1"), QString()};
             return r;
         }},
        {"ErsetzenDurchWort",
         [](int n) {
             TeilRegel r = MitCode(221);
             r.buchstabe = u'w';
             r.wert = QString(n, u'x');
             return r;
         }},
        {"ErsetzenDurchListenWort",
         [](int n) {
             TeilRegel r = MitCode(222);
             r.liste.nach = QString(n, u'x');
             return r;
         }},
        {"Auffuellen",
         [](int n) {
             TeilRegel r = MitCode(219);
             r.auffuellText = QString(n, u'x');
             return r;
         }},
        {"ZeichenListe",
         [](int n) {
             TeilRegel r = MitCode(229);
             r.filterAlt = QStringLiteral("a|b|c|d|e|f|g|h");
             r.filterNeu = QStringList(8, QString(n, u'x')).join(u'|');
             return r;
         }},
    };
    for (const Fall &f : faelle) {
        for (const bool zuLang : {true, false}) {
            TeilRegelLauf lauf(f.regel(zuLang ? lang : passend));
            const ZeilenErgebnis e =
                lauf.teileNeu(U"", U"abcdefgh", U".txt", jedes, Werte(QStringLiteral("abcdefgh.txt"), 1));
            if (zuLang) {
                EXPECT_EQ(e.fehler, NeuerPfadNameZuLangText) << f.name;
                EXPECT_EQ(e.wert, QStringLiteral("abcdefgh.txt")) << f.name;
            } else {
                EXPECT_TRUE(e.ok()) << f.name << ": " << e.fehler.toStdString() << " " << zuLang;
                EXPECT_GT(e.wert.size(), passend * (name - 1)) << f.name;
                EXPECT_LE(std::size_t(e.wert.size()), NamensGrenze) << f.name;
            }
        }
    }

    // Copying the whole work part to each of its characters; a free name that is too long.
    const std::u32string teil(NamensGrenze / 4, U'a');
    NamensPositionen kopie;
    kopie.stuecke = {Zelle{1, int(teil.size()), true}};
    for (int i = 1; i <= 4; ++i)
        kopie.ziele.push_back(Zelle{i, 1, true});
    TeilRegelLauf kopieren(MitCode(233));
    EXPECT_EQ(kopieren.teileNeu(U"", teil, U"", kopie, Werte(QStringLiteral("a"), 1)).fehler,
              NeuerPfadNameZuLangText);
    kopie.ziele.pop_back();
    kopie.ziele.pop_back();
    EXPECT_TRUE(kopieren.teileNeu(U"", teil, U"", kopie, Werte(QStringLiteral("a"), 1)).ok());
    TeilRegel frei = MitCode(209);
    frei.freiZeilen = {QString(int(NamensGrenze) + 1, u'x')};
    TeilRegelLauf freieNamen(frei);
    EXPECT_EQ(freieNamen.teileNeu(U"", U"a", U"", {}, Werte(QStringLiteral("a"), 1)).fehler,
              NeuerPfadNameZuLangText);
}

TEST(TeilRegelLauf, WasAnderesNimmtDieWerteDerZeile)
{
    TeilRegel r = MitCode(211);
    r.buchstabe = QLatin1Char('h');
    r.wert = QStringLiteral("1");
    TeilRegelLauf lauf(r);
    EXPECT_EQ(VorneEinfuegen(lauf, Werte(QStringLiteral("x"), 1)), QStringLiteral("bilderx"));
}

TEST(TeilRegelLauf, FreieNamenUndUeberschuss)
{
    TeilRegel r = MitCode(209);
    r.freiZeilen = {QStringLiteral("Anna"), QStringLiteral("Bert")};
    TeilRegelLauf lauf(r);
    EXPECT_EQ(lauf.ueberschuss(3), -1);
    EXPECT_EQ(lauf.teileNeu(U"", U"alt", U".txt", {}, Werte(QStringLiteral("alt.txt"), 2)).wert,
              QStringLiteral("Bert.txt"));
    EXPECT_EQ(lauf.teileNeu(U"", U"alt", U".txt", {}, Werte(QStringLiteral("alt.txt"), 3)).wert, QString());
}

TEST(TeilRegelLauf, ZeichenListenUeberschussUndBereich)
{
    TeilRegel r = MitCode(229);
    r.filterAlt = QStringLiteral("ä|ö|ü");
    r.filterNeu = QStringLiteral("ae|oe");
    TeilRegelLauf lauf(r);
    EXPECT_EQ(lauf.ueberschuss(10), -1);
    NamensPositionen p;
    p.bereich.von = 1;
    p.bereich.bis = 6;
    EXPECT_EQ(lauf.teileNeu(U"", U"Bücher", U".txt", p, Werte(QStringLiteral("Bücher.txt"), 1)).wert,
              QStringLiteral("Bcher.txt"));
}

TEST(TeilRegelLauf, AttributeUndZeiten)
{
    TeilRegel a = MitCode(205);
    a.attribute = {AttributWahl::Setzen, AttributWahl::Loeschen, AttributWahl::Lassen, AttributWahl::Lassen};
    ZeilenWerte w = Werte(QStringLiteral("a.txt"), 1);
    w.attribute = QStringLiteral("33");
    const ZeilenErgebnis attr = TeilRegelLauf(a).attribute(w);
    EXPECT_EQ(attr.wert, QStringLiteral("34"));
    EXPECT_TRUE(attr.ok());

    w.zeiten = EintragZeiten{QStringLiteral("20050307_093015_123_1"), QStringLiteral("20040101_000000_000_4"),
                             QStringLiteral("20060101_000000_000_7")};
    TeilRegel t = MitCode(112);
    t.zeit.wert = QStringLiteral("2001    _      _000");
    const ZeilenErgebnis zeit = TeilRegelLauf(t).zeit(w);
    EXPECT_EQ(zeit.wert, QStringLiteral("20010307_093015_123_3"));
    EXPECT_TRUE(zeit.ok());

    t.code = 122;
    const ZeilenErgebnis herstellung = TeilRegelLauf(t).zeit(w);
    EXPECT_EQ(herstellung.wert, QStringLiteral("20010101_000000_000_1"));
#ifndef Q_OS_WIN
    EXPECT_EQ(herstellung.fehler, QStringLiteral("auf diesem System nicht möglich"));
#endif
}

// ---- whole name rules: positions, operation and cleaning in one call ----------------------

namespace {

Stellenangabe Stelle(int art, qint64 anzahl, int gruppe, const char *wort = "")
{
    Stellenangabe s;
    s.art = art;
    s.anzahl = anzahl;
    s.gruppe = gruppe;
    s.wort = QString::fromUtf8(wort);
    if (gruppe == 1 || gruppe == 10)
        s.gross = QStringLiteral("N");
    return s;
}

constexpr int GruppeZeichen = 0, GruppeWort = 1, GruppeZahl = 9;

// A rule over the whole work part: von the first character to the last.
TeilRegel GanzerTeil(AktionsCode code, int namensTeil = 0, int richtung = 0)
{
    TeilRegel r = MitCode(code);
    r.namensTeil = namensTeil;
    r.richtung = richtung;
    r.von = Stelle(1, 1, GruppeZeichen);
    r.bis = Stelle(1, -1, GruppeZeichen);
    r.teilstueck = Stelle(6, 1, GruppeZeichen);
    return r;
}

TeilRegel Einfuegen(const char *text, int hinVH, int richtung, Stellenangabe stelle, int namensTeil = 0)
{
    TeilRegel r = MitCode(215);
    r.namensTeil = namensTeil;
    r.richtung = richtung;
    r.hinVH = hinVH;
    r.hinStelle = stelle;
    r.buchstabe = QLatin1Char('w');
    r.wert = QString::fromUtf8(text);
    return r;
}

struct NamensFall
{
    const char *name;
    TeilRegel regel;
    const char *alt;
    const char *neu;
};

void PrintTo(const NamensFall &f, std::ostream *os)
{
    *os << f.name;
}

TeilRegel Mit(TeilRegel r, const std::function<void(TeilRegel &)> &aendern)
{
    aendern(r);
    return r;
}

} // namespace

class NamensRegel : public ::testing::TestWithParam<NamensFall>
{
};

TEST_P(NamensRegel, NeuerName)
{
    const NamensFall &f = GetParam();
    TeilRegelLauf lauf(f.regel);
    const ZeilenErgebnis e = lauf.name(Werte(QString::fromUtf8(f.alt), 1));
    EXPECT_TRUE(e.ok()) << e.fehler.toStdString();
    EXPECT_EQ(e.wert, QString::fromUtf8(f.neu));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, NamensRegel,
    ::testing::Values(
        NamensFall{"VorDemErsten", Einfuegen("x", 0, 0, Stelle(1, 1, GruppeZeichen)), "abc", "xabc"},
        NamensFall{"HinterDemErsten", Einfuegen("x", 1, 0, Stelle(1, 1, GruppeZeichen)), "abc", "axbc"},
        NamensFall{"VorDemErstenVonRechts", Einfuegen("x", 0, 1, Stelle(1, 1, GruppeZeichen)), "abc", "abcx"},
        NamensFall{"HinterDemErstenVonRechts", Einfuegen("x", 1, 1, Stelle(1, 1, GruppeZeichen)), "abc",
                   "abxc"},
        NamensFall{"HinterJedem", Einfuegen("x", 1, 0, Stelle(6, 1, GruppeZeichen)), "abc", "axbxcx"},
        NamensFall{"DavorLoeschen",
                   Mit(Einfuegen("x", 1, 0, Stelle(1, 2, GruppeZeichen)),
                       [](TeilRegel &r) { r.davorLoeschen = true; }),
                   "abc", "xc"},
        NamensFall{"FormatInLeerenTeil", Einfuegen("txt", 0, 0, Stelle(1, 1, GruppeZeichen), 2), "README",
                   "README.txt"},
        NamensFall{"WertPlusNeun",
                   Mit(GanzerTeil(221, 1),
                       [](TeilRegel &r) {
                           r.teilstueck = Stelle(1, 1, GruppeZahl);
                           r.buchstabe = QLatin1Char('+');
                           r.wert = QStringLiteral("5");
                       }),
                   "Bild 9.jpg", "Bild 14.jpg"},
        NamensFall{"WertPlusNullNeun",
                   Mit(GanzerTeil(221, 1),
                       [](TeilRegel &r) {
                           r.teilstueck = Stelle(1, 1, GruppeZahl);
                           r.buchstabe = QLatin1Char('+');
                           r.wert = QStringLiteral("5");
                       }),
                   "Bild 09.jpg", "Bild 14.jpg"},
        NamensFall{"WertPlusNullNeunNeun",
                   Mit(GanzerTeil(221, 1),
                       [](TeilRegel &r) {
                           r.teilstueck = Stelle(1, 1, GruppeZahl);
                           r.buchstabe = QLatin1Char('+');
                           r.wert = QStringLiteral("5");
                       }),
                   "Bild 099.jpg", "Bild 104.jpg"},
        NamensFall{"ZahlBehaltenOhneZahl",
                   Mit(GanzerTeil(207), [](TeilRegel &r) { r.teilstueck = Stelle(6, 1, GruppeZahl); }), "abc",
                   ""},
        NamensFall{"GruppenUmdrehen",
                   Mit(GanzerTeil(231),
                       [](TeilRegel &r) {
                           r.teilstueck = Stelle(6, 1, GruppeZahl);
                           r.reihenfolge = 1;
                       }),
                   "12_3456", "3456_12"},
        NamensFall{"ZeichenUmdrehen",
                   Mit(GanzerTeil(231),
                       [](TeilRegel &r) {
                           r.teilstueck = Stelle(6, 1, GruppeZahl);
                           r.reihenfolge = 0;
                       }),
                   "12_3456", "65_4321"},
        NamensFall{"NachAussenAuffuellen",
                   Mit(GanzerTeil(219, 1),
                       [](TeilRegel &r) {
                           r.verbinden = true;
                           r.auffuellText = QStringLiteral("abcde");
                           r.auffuellRichtung = 2;
                       }),
                   "xy.txt", "abxye.txt"},
        NamensFall{"ZeichenListe",
                   Mit(GanzerTeil(229),
                       [](TeilRegel &r) {
                           r.filterAlt = QStringLiteral("ä|x");
                           r.filterNeu = QStringLiteral("|y");
                       }),
                   "äxä", "y"},
        NamensFall{"ErsetzenUndBereinigen",
                   Mit(GanzerTeil(225, 1),
                       [](TeilRegel &r) {
                           r.teilstueck = Stelle(6, 1, GruppeWort, "-");
                           r.buchstabe = QLatin1Char('w');
                           r.wert = QStringLiteral(" ");
                       }),
                   "a-b-.txt", "a b .txt"},
        NamensFall{"FormatEntfernenBereinigt",
                   Mit(GanzerTeil(208, 2), [](TeilRegel &r) { r.teilstueck = Stelle(6, 1, GruppeZeichen); }),
                   "x .txt", "x"},
        NamensFall{"TauschenErstesUndLetztes",
                   Mit(GanzerTeil(234),
                       [](TeilRegel &r) {
                           r.bis = Stelle(1, 1, GruppeZeichen);
                           r.tauschVon = Stelle(1, -1, GruppeZeichen);
                           r.tauschBis = Stelle(1, -1, GruppeZeichen);
                       }),
                   "abc", "cba"},
        NamensFall{"TauschenUeberlappend",
                   Mit(GanzerTeil(234),
                       [](TeilRegel &r) {
                           r.tauschVon = Stelle(1, 2, GruppeZeichen);
                           r.tauschBis = Stelle(1, -1, GruppeZeichen);
                       }),
                   "abc", "abc"},
        NamensFall{"ZahlNachHintenVerschieben",
                   Mit(GanzerTeil(232, 1),
                       [](TeilRegel &r) {
                           r.teilstueck = Stelle(1, 1, GruppeZahl);
                           r.nachVH = 1;
                           r.nachStelle = Stelle(1, -1, GruppeZeichen);
                       }),
                   "12 Bild.jpg", " Bild12.jpg"},
        NamensFall{"ZahlKopierenVorDasNaechsteLeerzeichen",
                   Mit(GanzerTeil(233),
                       [](TeilRegel &r) {
                           r.bis = Stelle(1, 1, GruppeZahl);
                           r.teilstueck = Stelle(1, 1, GruppeZahl);
                           r.nachVH = 0;
                           r.nachStelle = Stelle(2, 1, GruppeWort, " ");
                       }),
                   "a 12 b c", "a 12 b12 c"}),
    [](const ::testing::TestParamInfo<NamensFall> &info) { return std::string(info.param.name); });

TEST(NamensRegel, VerzeichnisAusDemPfad)
{
    TeilRegel r = MitCode(211);
    r.hinStelle = Stelle(1, 1, GruppeZeichen);
    r.buchstabe = QLatin1Char('v');
    r.wert = QStringLiteral("2");
    TeilRegelLauf lauf(r);
    // Werte() puts the entry into /daten/bilder/
    EXPECT_EQ(lauf.name(Werte(QStringLiteral("x"), 1)).wert, QStringLiteral("bilderx"));
}

TEST(NamensRegel, StandardRegelAusDemDatensatz)
{
    // "Ändern: alle Leerzeichen durch _ ersetzen"
    const RegelLeseErgebnis gelesen = RegelLesen(
        QStringLiteral("1\t221\t700\t1\t0\tg\t1\t1\t0\t\t\tg\t1\t-1\t0\t\t\t6\t2\t1\t \tN\tN\tw\t_\tENDE"));
    ASSERT_TRUE(gelesen.gueltig()) << gelesen.grund.toStdString();
    ASSERT_EQ(gelesen.regel.teile.size(), 1);
    TeilRegelLauf lauf(gelesen.regel.teile.front());
    EXPECT_EQ(lauf.name(Werte(QStringLiteral("ein  Bild 1.jpg"), 1)).wert, QStringLiteral("ein__Bild_1.jpg"));
}
