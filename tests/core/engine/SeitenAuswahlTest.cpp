#include "core/engine/SeitenAuswahl.h"
#include "core/engine/RegelCode.h"

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

// A page as the window shows it after start: every table at row 1, number 1.
SeitenAuswahl frischeSeite()
{
    SeitenAuswahl a;
    AendernSeite &s = a.aendern;
    s.von.zeilen = PositionsTabelle(1);
    s.bis.zeilen = PositionsTabelle(2);
    s.hin.zeilen = PositionsTabelle(3);
    s.teilstueck.zeilen = PositionsTabelle(4);
    s.nach.zeilen = PositionsTabelle(5);
    s.tauschVon.zeilen = PositionsTabelle(6);
    s.tauschBis.zeilen = PositionsTabelle(7);
    return a;
}

TEST(SeitenAuswahlTest, ErsteStandardRegelAusDerSeite)
{
    SeitenAuswahl a = frischeSeite();
    AendernSeite &s = a.aendern;
    s.oben = QStringLiteral("Zeichen ersetzen");
    s.unten6 = QStringLiteral("was anderes");
    s.nameFormat = 1;
    s.bis.zeile = 2;                  // "dem letzten"
    s.teilstueck.zeile = 7;           // "jedes" without number
    s.coErsetzen = 17;                // "einen Groß-Buchstaben"
    s.zeitJ = QStringLiteral("2005"); // fields of other codes do not leak into the record

    EXPECT_EQ(AktionsCodeDerSeite(a), 221);
    EXPECT_EQ(RegelCodeDerSeite(a),
              tabs({"1",  "221", "700", "1", "0", "g", "1", "1", "0", "",  "",  "g", "1",
                    "-1", "0",   "",    "",  "6", "1", "0", "",  "",  "N", "g", "",  "ENDE"}));
}

struct CodeFall
{
    const char *name;
    const char *oben;
    const char *unten;
    int zeitZiel; // 0 A, 1 H, 2 Z
    int code;
    const char *auswahlText;
};

void PrintTo(const CodeFall &f, std::ostream *os)
{
    *os << f.name;
}

class AendernCodeTest : public ::testing::TestWithParam<CodeFall>
{
};

TEST_P(AendernCodeTest, CodeUndAuswahlText)
{
    const CodeFall &f = GetParam();
    SeitenAuswahl a = frischeSeite();
    a.aendern.oben = QString::fromUtf8(f.oben);
    a.aendern.unten6 = a.aendern.unten4 = a.aendern.untenZeit = QString::fromUtf8(f.unten);
    a.aendern.zeitZielH = f.zeitZiel == 1;
    a.aendern.zeitZielZ = f.zeitZiel == 2;
    EXPECT_EQ(AktionsCodeDerSeite(a), f.code);
    EXPECT_EQ(AuswahlTextDerSeite(a), QString::fromUtf8(f.auswahlText));

    // Whatever the page holds, its record reads back as the same rule.
    const QString code = RegelCodeDerSeite(a);
    const RegelLeseErgebnis r = RegelLesen(code);
    if (f.code == 0) {
        EXPECT_EQ(r.zustand, RegelZustand::Veraltet);
        return;
    }
    ASSERT_TRUE(r.gueltig()) << code.toStdString() << ": " << r.grund.toStdString();
    EXPECT_EQ(RegelSchreiben(r.regel), code);
    EXPECT_EQ(r.regel.teile.first().code, f.code);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, AendernCodeTest,
    ::testing::Values(
        CodeFall{"hinzuWort", "Zeichen hinzufügen", "Zeichen oder Wörter", 0, 215, "Zeichen hinzufügen"},
        CodeFall{"hinzuNummern", "Zeichen hinzufügen", "fortlaufende Nummern", 0, 213, "Zeichen hinzufügen"},
        CodeFall{"hinzuMatrix", "Zeichen hinzufügen", "verschachtelte Nummern", 0, 214, "Zeichen hinzufügen"},
        CodeFall{"hinzuListe", "Zeichen hinzufügen", "Wörter aus einer Liste", 0, 212, "Zeichen hinzufügen"},
        CodeFall{"hinzuAuffuellen", "Zeichen hinzufügen", "auffüllende Zeichen", 0, 219,
                 "Zeichen hinzufügen"},
        CodeFall{"hinzuAnderes", "Zeichen hinzufügen", "was anderes", 0, 211, "Zeichen hinzufügen"},
        CodeFall{"hinzuAufzaehlungGibtEsNicht", "Zeichen hinzufügen", "Aufzählungs-Zeichen", 0, 0,
                 "Zeichen hinzufügen"},
        CodeFall{"entfernen", "Zeichen entfernen", "", 0, 208, "Zeichen entfernen"},
        CodeFall{"behalten", "Zeichen behalten", "", 0, 207, "Zeichen behalten"},
        CodeFall{"ersetzenWort", "Zeichen ersetzen", "Zeichen oder Wörter", 0, 225, "Zeichen ersetzen"},
        CodeFall{"ersetzenNummern", "Zeichen ersetzen", "fortlaufende Nummern", 0, 223, "Zeichen ersetzen"},
        CodeFall{"ersetzenMatrix", "Zeichen ersetzen", "verschachtelte Nummern", 0, 224, "Zeichen ersetzen"},
        CodeFall{"ersetzenListe", "Zeichen ersetzen", "Wörter aus einer Liste", 0, 222, "Zeichen ersetzen"},
        CodeFall{"ersetzenAufzaehlung", "Zeichen ersetzen", "Aufzählungs-Zeichen", 0, 229,
                 "Zeichen ersetzen"},
        CodeFall{"ersetzenAnderes", "Zeichen ersetzen", "was anderes", 0, 221, "Zeichen ersetzen"},
        CodeFall{"umdrehen", "Zeichen umordnen", "umdrehen", 0, 231, "Zeichen umordnen"},
        CodeFall{"tauschen", "Zeichen umordnen", "tauschen", 0, 234, "Zeichen umordnen"},
        CodeFall{"verschieben", "Zeichen umordnen", "verschieben", 0, 232, "Zeichen umordnen"},
        CodeFall{"kopieren", "Zeichen umordnen", "kopieren", 0, 233, "Zeichen umordnen"},
        CodeFall{"umordnenOhneWahl", "Zeichen umordnen", "", 0, 0, "Zeichen umordnen"},
        CodeFall{"attribute", "die Attibute ändern", "", 0, 205, "die Attibute ändern"},
        CodeFall{"zeitBestimmtH", "die Zeiten ändern", "einer bestimmten Zeit", 1, 122,
                 "die Zeiten ändern (Herstellung)"},
        CodeFall{"zeitNummeriertA", "die Zeiten ändern", "nummerierten Zeiten", 0, 111,
                 "die Zeiten ändern (Änderung)"},
        CodeFall{"zeitUnterschiedZ", "die Zeiten ändern", "einem Zeit-Unterschied", 2, 133,
                 "die Zeiten ändern (Zugriff)"},
        CodeFall{"zeitKopienZ", "die Zeiten ändern", "Zeit-Kopien", 2, 134, "die Zeiten ändern (Zugriff)"},
        CodeFall{"frei", "die Namen frei bearbeiten", "", 0, 209, "die Namen frei bearbeiten"},
        CodeFall{"nichtsGewaehlt", "", "", 0, 0, ""},
        CodeFall{"richtigeSchreibungIstUnbekannt", "die Attribute ändern", "", 0, 0, "die Attribute ändern"}),
    [](const auto &info) { return std::string(info.param.name); });

struct HerstFall
{
    const char *name;
    const char *oben;
    const char *unten;
    int code;
};

void PrintTo(const HerstFall &f, std::ostream *os)
{
    *os << f.name;
}

class HerstellenCodeTest : public ::testing::TestWithParam<HerstFall>
{
};

TEST_P(HerstellenCodeTest, CodeUndRundweg)
{
    const HerstFall &f = GetParam();
    SeitenAuswahl a;
    a.seite = RegelSeite::Herstellen;
    a.herstellen.oben = QString::fromUtf8(f.oben);
    a.herstellen.unten4 = QString::fromUtf8(f.unten);
    a.herstellen.listeZeilen = {QStringLiteral("eins"), QStringLiteral("ENDE")};
    EXPECT_EQ(AktionsCodeDerSeite(a), f.code);
    EXPECT_EQ(AuswahlTextDerSeite(a), QString::fromUtf8(f.oben));
    const QString code = RegelCodeDerSeite(a);
    const auto r = RegelLesen(code);
    if (f.code == 0) {
        EXPECT_EQ(r.zustand, RegelZustand::Veraltet);
        return;
    }
    ASSERT_TRUE(r.gueltig()) << code.toStdString() << ": " << r.grund.toStdString();
    EXPECT_EQ(RegelSchreiben(r.regel), code);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, HerstellenCodeTest,
    ::testing::Values(
        HerstFall{"alleKopienNamen", "Kopien von allen ausgewählten Dateien",
                  "die ausgewählten Namen/Formate", 271},
        HerstFall{"eineKopieListe", "Kopien von einer bestimmten Datei", "Wörter aus einer Liste", 252},
        HerstFall{"verzeichnisseNummern", "neue Verzeichnisse, die leer sind", "fortlaufende Nummern", 293},
        HerstFall{"dateienMatrix", "neue Dateien, die leer sind", "verschachtelte Nummern", 284},
        HerstFall{"teileNamen", "kleinere Teile von einer großen Datei", "die ausgewählten Namen/Formate",
                  261},
        HerstFall{"kopienMatrix", "Kopien von allen ausgewählten Dateien", "verschachtelte Nummern", 274},
        HerstFall{"grosseDatei", "eine große zusammengesetzte Datei", "fortlaufende Nummern", 250},
        HerstFall{"mehrere", "mehrere zusammengesetzte Dateien", "", 249},
        HerstFall{"ohneZweiteWahl", "neue Dateien, die leer sind", "", 0}),
    [](const auto &info) { return std::string(info.param.name); });

struct StellenFall
{
    const char *name;
    StellenBlock block;
    int tabelle;
    int zeile;
    int zahl;
    int art;
    qint64 anzahl;
};

void PrintTo(const StellenFall &f, std::ostream *os)
{
    *os << f.name;
}

class StellenWahlTest : public ::testing::TestWithParam<StellenFall>
{
};

TEST_P(StellenWahlTest, ArtUndVorzeichen)
{
    const StellenFall &f = GetParam();
    StellenWahl w;
    w.zeilen = PositionsTabelle(f.tabelle);
    w.zeile = f.zeile;
    w.zahl = f.zahl;
    const Stellenangabe s = StellenangabeAusWahl(w, f.block, {});
    EXPECT_EQ(s.art, f.art);
    EXPECT_EQ(s.anzahl, f.anzahl);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, StellenWahlTest,
    ::testing::Values(StellenFall{"vonDem", StellenBlock::Von, 1, 1, 3, 1, 3},
                      StellenFall{"vonDemLetzten", StellenBlock::Von, 1, 2, 2, 1, -2},
                      StellenFall{"bisDemNaechsten", StellenBlock::Bis, 2, 3, 4, 2, 4},
                      StellenFall{"hinJedesOhneZahl", StellenBlock::Einfuegen, 3, 3, 5, 6, 5},
                      StellenFall{"hinJedesMitZahl", StellenBlock::Einfuegen, 3, 4, 2, 7, 2},
                      StellenFall{"hinJedesLetzte", StellenBlock::Einfuegen, 3, 5, 2, 7, -2},
                      StellenFall{"teilDieErsten", StellenBlock::Teilstueck, 4, 3, 3, 3, 3},
                      StellenFall{"teilDieLetzten", StellenBlock::Teilstueck, 4, 4, 3, 3, -3},
                      StellenFall{"teilAllesVor", StellenBlock::Teilstueck, 4, 5, 2, 4, 2},
                      StellenFall{"teilAllesHinter", StellenBlock::Teilstueck, 4, 6, 2, 5, 2},
                      StellenFall{"teilJedes", StellenBlock::Teilstueck, 4, 7, 1, 6, 1},
                      StellenFall{"zielDasVorige", StellenBlock::Ziel, 5, 4, 2, 2, -2},
                      StellenFall{"zielJedesLetzte", StellenBlock::Ziel, 5, 7, 1, 7, -1},
                      StellenFall{"zeileAusserhalb", StellenBlock::Von, 1, 3, 2, 0, 2},
                      StellenFall{"zeileNull", StellenBlock::Von, 1, 0, 2, 0, 2},
                      // "dem nächsten" is not offered for von: no kind.
                      StellenFall{"fremderWortlaut", StellenBlock::Von, 2, 3, 1, 0, 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SeitenAuswahlTest, BenutzerWortWirdKopiertUndFelderVerlierenTabUndZeilenende)
{
    SeitenAuswahl a = frischeSeite();
    a.woerter[2] = BenutzerWort{QStringLiteral("a\tb|c"), QStringLiteral("J")};
    a.woerter[3] = BenutzerWort{QStringLiteral("x"), QString()};
    AendernSeite &s = a.aendern;
    s.oben = QStringLiteral("Zeichen ersetzen");
    s.unten6 = QStringLiteral("Zeichen oder Wörter");
    s.von.gruppe = 1;
    s.von.wortPlatz = 3;
    s.bis.gruppe = 10;
    s.bis.wortPlatz = 4;
    s.teilstueck.gruppe = 2;
    s.teilstueck.wortPlatz = 3;
    s.ersetzen = QStringLiteral("neu\t\r\nes");

    const QString code = RegelCodeDerSeite(a);
    EXPECT_EQ(code, tabs({"1", "225", "700", "0", "0", "g", "1", "1", "1", "ab|c", "J", "g",     "1",
                          "1", "10",  "x",   "N", "1", "1", "2", "",  "",  "N",    "w", "neues", "ENDE"}));
    EXPECT_TRUE(RegelLesen(code).gueltig());
}

TEST(SeitenAuswahlTest, SchalterZaehlenNurWennAktiv)
{
    SeitenAuswahl a = frischeSeite();
    AendernSeite &s = a.aendern;
    s.oben = QStringLiteral("Zeichen hinzufügen");
    s.unten6 = QStringLiteral("Wörter aus einer Liste");
    s.hinVH = 1;
    s.zusatzDavor = Schalter{true, false};
    s.zusatzDahinter = Schalter{true, true};
    s.zusatzWiederholen = Schalter{true, false};
    s.listeVor = QStringLiteral("v");
    s.listeZeilen = {QStringLiteral("a"), QString(), QStringLiteral("ENDE")};
    s.hin.zeile = 3; // "jedes" without number

    const QString code = RegelCodeDerSeite(a);
    EXPECT_EQ(code, tabs({"1", "212", "700", "0", "0", "1", "6",    "1", "0", "",    "",
                          "N", "J",   "v",   "3", "a", "",  "ENDE", "",  "N", "ENDE"}));
    const auto r = RegelLesen(code);
    ASSERT_TRUE(r.gueltig());
    EXPECT_EQ(r.regel.teile.first().liste.zeilen, s.listeZeilen);

    // The join check box has no enabled condition.
    s.unten6 = QStringLiteral("auffüllende Zeichen");
    s.teilstueckVerbinden = true;
    s.auffuellen = QStringLiteral("0");
    s.coAuffuellen = 2;
    EXPECT_EQ(RegelCodeDerSeite(a),
              tabs({"1", "219", "700", "0", "0", "g", "1", "1", "0", "",  "",  "g", "1",
                    "1", "0",   "",    "",  "1", "1", "0", "",  "",  "J", "0", "2", "ENDE"}));
}

struct AnderesFall
{
    const char *name;
    const char *unten;
    int item;
    const char *buchstabe;
    const char *wert;
};

void PrintTo(const AnderesFall &f, std::ostream *os)
{
    *os << f.name;
}

class WasAnderesTest : public ::testing::TestWithParam<AnderesFall>
{
};

TEST_P(WasAnderesTest, BuchstabeUndWert)
{
    const AnderesFall &f = GetParam();
    SeitenAuswahl a = frischeSeite();
    a.woerter[1] = BenutzerWort{QStringLiteral("12"), QStringLiteral("N")};
    AendernSeite &s = a.aendern;
    s.oben = QString::fromUtf8(f.unten[0] == 'h' ? "Zeichen hinzufügen" : "Zeichen ersetzen");
    s.unten6 = QStringLiteral("was anderes");
    s.coHinzu = s.coErsetzen = f.item;
    s.hinzuPlatz = s.ersetzenPlatz = 2;
    const auto r = RegelLesen(RegelCodeDerSeite(a));
    ASSERT_TRUE(r.gueltig()) << r.grund.toStdString();
    EXPECT_EQ(QString(r.regel.teile.first().buchstabe), QString::fromUtf8(f.buchstabe));
    EXPECT_EQ(r.regel.teile.first().wert, QString::fromUtf8(f.wert));
}

INSTANTIATE_TEST_SUITE_P(Faelle, WasAnderesTest,
                         ::testing::Values(AnderesFall{"hinzuWort", "h", 0, "w", "12"},
                                           AnderesFall{"hinzuVorne", "h", 1, "v", "12"},
                                           AnderesFall{"hinzuHinten", "h", 2, "h", "12"},
                                           AnderesFall{"hinzuAenderungsTag", "h", 10, "Ä", ""},
                                           AnderesFall{"hinzuLeerzeichen", "h", 15, " ", ""},
                                           AnderesFall{"ersetzenPlus", "e", 1, "+", "12"},
                                           AnderesFall{"ersetzenMinus", "e", 2, "-", "12"},
                                           AnderesFall{"ersetzenVorne", "e", 3, "v", "12"},
                                           AnderesFall{"ersetzenGroesse", "e", 8, "b", ""},
                                           AnderesFall{"ersetzenKlein", "e", 18, "k", ""},
                                           AnderesFall{"ersetzenUmgekehrt", "e", 19, "u", ""},
                                           AnderesFall{"ersetzenLeerzeichen", "e", 20, " ", ""}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SeitenAuswahlTest, UnbekannterEintragGibtKeineGueltigeRegel)
{
    SeitenAuswahl a = frischeSeite();
    a.aendern.oben = QStringLiteral("Zeichen hinzufügen");
    a.aendern.unten6 = QStringLiteral("was anderes");
    a.aendern.coHinzu = 16; // CoHinzu has 16 items
    EXPECT_EQ(RegelLesen(RegelCodeDerSeite(a)).zustand, RegelZustand::Kaputt);
}

struct ZeitFall
{
    const char *name;
    std::array<const char *, 6> felder;
    bool leerErlaubt;
    const char *wert;
};

void PrintTo(const ZeitFall &f, std::ostream *os)
{
    *os << f.name;
}

class ZeitWertTest : public ::testing::TestWithParam<ZeitFall>
{
};

TEST_P(ZeitWertTest, AusFeldern)
{
    const auto &f = GetParam().felder;
    const QString w = ZeitWertAusFeldern(
        QString::fromUtf8(f[0]), QString::fromUtf8(f[1]), QString::fromUtf8(f[2]), QString::fromUtf8(f[3]),
        QString::fromUtf8(f[4]), QString::fromUtf8(f[5]), GetParam().leerErlaubt);
    EXPECT_EQ(w, QString::fromUtf8(GetParam().wert));
    EXPECT_EQ(w.size(), 19);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZeitWertTest,
    ::testing::Values(
        ZeitFall{"voll", {"2005", "3", "7", "9", "30", "0"}, false, "20050307_093000_000"},
        ZeitFall{"grenzen", {"1980", "12", "31", "23", "59", "59"}, false, "19801231_235959_000"},
        ZeitFall{"ausserhalb", {"1979", "13", "32", "24", "60", "60"}, false, "-001-1-1_-1-1-1_000"},
        ZeitFall{"nurZiffernZaehlen", {"2o23", "1a", "-5", " 7 ", "0x0", "00"}, false, "-0010105_070000_000"},
        ZeitFall{"ohneZiffernKeineNull", {"2200", "x", "1", "x", "x", "-"}, false, "2200-101_-1-1-1_000"},
        ZeitFall{"leerBeiBestimmterZeit", {"2001", "", " ", "", "", ""}, true, "2001    _      _000"},
        ZeitFall{"leerSonst", {"2001", "", " ", "", "", ""}, false, "2001-1-1_-1-1-1_000"},
        ZeitFall{"riesigeZahl",
                 {"99999999999999999999999", "1", "1", "0", "0", "0"},
                 false,
                 "-0010101_000000_000"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SeitenAuswahlTest, ZeitRegelFelder)
{
    SeitenAuswahl a = frischeSeite();
    AendernSeite &s = a.aendern;
    s.oben = QStringLiteral("die Zeiten ändern");
    s.untenZeit = QStringLiteral("nummerierten Zeiten");
    s.zeitZielZ = true;
    s.zeitJ = QStringLiteral("2020");
    s.zeitM = QStringLiteral("1");
    s.zeitT = QStringLiteral("31");
    s.zeitU = s.zeitI = s.zeitE = QStringLiteral("0");
    s.zeitEinheit = {false, true, false, true, false}; // the first checked counts
    s.zeitDiff = QStringLiteral("-1");
    EXPECT_EQ(RegelCodeDerSeite(a), tabs({"1", "131", "700", "20200131_000000_000", "2", "-1", "ENDE"}));

    s.untenZeit = QStringLiteral("einem Zeit-Unterschied");
    s.zeitEinheit = {};
    EXPECT_EQ(RegelCodeDerSeite(a), tabs({"1", "133", "700", "6", "-1", "ENDE"}));

    s.untenZeit = QStringLiteral("Zeit-Kopien");
    s.zeitQuelleA = true;
    EXPECT_EQ(RegelCodeDerSeite(a), tabs({"1", "134", "700", "A", "ENDE"}));
    s.zeitQuelleA = false;
    EXPECT_EQ(RegelCodeDerSeite(a), tabs({"1", "134", "700", "Z", "ENDE"}));

    s.oben = QStringLiteral("die Attibute ändern");
    s.attributJa = {true, false, false, false};
    s.attributNein = {false, true, false, false};
    EXPECT_EQ(RegelCodeDerSeite(a), tabs({"1", "205", "700", "J", "N", "X", "X", "ENDE"}));
}

TEST(SeitenAuswahlTest, HerstellOrtInDieserReihenfolge)
{
    SeitenAuswahl a;
    a.seite = RegelSeite::Herstellen;
    HerstellenSeite &h = a.herstellen;
    h.oben = QStringLiteral("neue Dateien, die leer sind");
    h.unten4 = QStringLiteral("fortlaufende Nummern");
    h.nummerVor = QStringLiteral("Datei ");
    h.nummerStart = QStringLiteral("1");
    h.nummerDiff = QStringLiteral("1");
    h.nummerNach = QStringLiteral(".txt");
    h.anzahl = QStringLiteral("10");
    h.pfadLang = QStringLiteral("/home/a/b/");
    h.pfadKurz = QStringLiteral("/");
    h.herstWo = QStringLiteral("/tmp/x/");

    h.woQuellpfad = Schalter{true, false}; // checked but disabled: does not count
    h.woKurz = Schalter{true, true};
    h.woWieEdit = Schalter{true, true};
    EXPECT_EQ(RegelCodeDerSeite(a),
              tabs({"1", "283", "700", "P", "/", "Datei ", "1", "1", ".txt", "10", "ENDE"}));

    h.woLang = Schalter{true, true};
    EXPECT_EQ(RegelCodeDerSeite(a),
              tabs({"1", "283", "700", "P", "/home/a/b/", "Datei ", "1", "1", ".txt", "10", "ENDE"}));

    h.woWieName = Schalter{true, true};
    EXPECT_EQ(RegelCodeDerSeite(a), tabs({"1", "283", "700", "A", "Datei ", "1", "1", ".txt", "10", "ENDE"}));

    h = HerstellenSeite{};
    h.oben = QStringLiteral("eine große zusammengesetzte Datei");
    h.zuEinerVerb = QStringLiteral("gross.bin");
    h.zuVielenVerb = QStringLiteral("falsch");
    EXPECT_EQ(RegelCodeDerSeite(a), tabs({"1", "250", "700", "X", "gross.bin", "ENDE"}));
}

TEST(SeitenAuswahlTest, RegelnSeiteGibtDieGespeicherteRegel)
{
    SeitenAuswahl a;
    a.seite = RegelSeite::Regeln;
    a.regeln = RegelnSeite{3, QStringLiteral("NEU: x"), QStringLiteral("2\t 2x2 1\t700\tbeliebig")};
    EXPECT_EQ(RegelCodeDerSeite(a), a.regeln.code);
    EXPECT_EQ(AktionsCodeDerSeite(a), 221);
    EXPECT_EQ(AuswahlTextDerSeite(a), QStringLiteral("NEU: x"));

    a.regeln.code.clear();
    EXPECT_EQ(AktionsCodeDerSeite(a), 0);
    a.regeln = RegelnSeite{-1, QString(), QStringLiteral("1\t205\t700\tJ\tJ\tJ\tJ\tENDE")};
    EXPECT_EQ(AktionsCodeDerSeite(a), 0);
    EXPECT_EQ(RegelCodeDerSeite(a), QString());
}

} // namespace
