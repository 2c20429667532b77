#include "core/shell/ListenMarkieren.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace rinolux {
namespace {

// Five rows; marks written per row as "x" (marked) or "-".
ListenDaten liste(const std::string &marks, int akt, bool umgekehrt)
{
    ListenDaten d(1);
    d.ZeilenAnhaengen(int(marks.size()));
    for (int z = 1; z <= d.Anzahl(); ++z)
        d.MarkSetzen(z, marks[size_t(z - 1)] == 'x');
    if (umgekehrt) {
        std::vector<int> r(size_t(d.Anzahl()) + 1);
        for (int p = 1; p <= d.Anzahl(); ++p)
            r[size_t(p)] = d.Anzahl() + 1 - p;
        EXPECT_TRUE(d.ReihenfolgeSetzen(r));
    }
    d.AktPositionSetzen(akt);
    return d;
}

std::string marken(const ListenDaten &d)
{
    std::string s;
    for (int z = 1; z <= d.Anzahl(); ++z)
        s += d.Markiert(z) ? 'x' : '-';
    return s;
}

struct KlickFall
{
    const char *name;
    const char *vorher;
    int akt;
    MarkierRegeln regeln;
    ListenKlick klick;
    const char *nachher;
    int aktNachher;
    bool bereich;
    bool umgekehrt = false;
};

void PrintTo(const KlickFall &f, std::ostream *os)
{
    *os << f.name;
}

constexpr MarkierRegeln Voll{true, true};
constexpr MarkierRegeln OhneBereich{true, false};
constexpr MarkierRegeln NurZeigen{false, true};

ListenKlick links(int pos, bool strg = false, bool umsch = false, bool markSpalte = false)
{
    return ListenKlick{false, strg, umsch, pos, markSpalte};
}
ListenKlick rechts(int pos)
{
    return ListenKlick{true, false, false, pos, false};
}

class ListenKlickTest : public ::testing::TestWithParam<KlickFall>
{
};

TEST_P(ListenKlickTest, MarkenUndAktuelleZeile)
{
    const KlickFall &f = GetParam();
    ListenDaten d = liste(f.vorher, f.akt, f.umgekehrt);
    EXPECT_EQ(nxListeKlick(d, f.regeln, f.klick), f.bereich);
    EXPECT_EQ(marken(d), f.nachher);
    EXPECT_EQ(d.AktPosition(), f.aktNachher);
    // The count follows every change.
    const std::string m = marken(d);
    EXPECT_EQ(d.MarkiertAnzahl(), int(std::count(m.begin(), m.end(), 'x')));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ListenKlickTest,
    ::testing::Values(
        KlickFall{"KlickMarkiertNurSeineZeile", "x-x--", 1, Voll, links(4), "---x-", 4, false},
        KlickFall{"MarkSpalteSchaltetEin", "x----", 1, Voll, links(3, false, false, true), "x-x--", 3, false},
        KlickFall{"MarkSpalteSchaltetAus", "x-x--", 1, Voll, links(3, false, false, true), "x----", 3, false},
        KlickFall{"StrgSchaltetUm", "x----", 1, Voll, links(2, true), "xx---", 2, true},
        KlickFall{"UmschMarkiertBereichMitMarkeDesAnfangs", "x-x--", 3, Voll, links(5, false, true), "--xxx", 5, true},
        KlickFall{"UmschVonUnmarkierterZeileNimmtMarkenWeg", "x----", 3, Voll, links(5, false, true), "-----", 5, true},
        KlickFall{"UmschOhneMarkenMarkiert", "-----", 3, Voll, links(1, false, true), "xxx--", 1, true},
        KlickFall{"UmschOhneAktuelleZeile", "-----", 0, Voll, links(2, false, true), "-x---", 2, true},
        KlickFall{"StrgUmschFuegtBereichHinzu", "x-x--", 3, Voll, links(5, true, true), "x-xxx", 5, true},
        KlickFall{"OhneBereichIstStrgEinKlick", "x----", 1, OhneBereich, links(3, true), "--x--", 3, false},
        KlickFall{"OhneKlickMarkenNurAktuell", "x----", 1, NurZeigen, links(3), "x----", 3, false},
        KlickFall{"RechtsAufMarkierterZeileBehaelt", "x-x--", 1, Voll, rechts(3), "x-x--", 3, false},
        KlickFall{"RechtsAufUnmarkierterZeileMarkiert", "x-x--", 1, Voll, rechts(2), "-x---", 2, false},
        KlickFall{"BereichFolgtDerAnzeigeReihenfolge", "-----", 1, Voll, links(2, false, true), "---xx", 2, true, true},
        KlickFall{"KlickHinterDemEndeAendertNichts", "x----", 1, Voll, links(9), "x----", 1, false}),
    [](const ::testing::TestParamInfo<KlickFall> &i) { return std::string(i.param.name); });

TEST(ListenLoslassenTest, LaesstGenauDieZeileMarkiert)
{
    struct Fall
    {
        const char *vorher;
        int akt;
        int position;
        bool geaendert;
        const char *nachher;
        int aktNachher;
    };
    const Fall faelle[] = {
        {"--x--", 3, 3, false, "--x--", 3}, // a plain click already did it
        {"--x--", 3, 4, true, "---x-", 4},  // released on another row
        {"x-x--", 3, 3, true, "--x--", 3},  // other marks go
        {"x----", 1, 0, false, "x----", 1}, // below the last row
    };
    for (const Fall &f : faelle) {
        ListenDaten d = liste(f.vorher, f.akt, false);
        EXPECT_EQ(nxListeLoslassen(d, f.position), f.geaendert) << f.vorher << " @" << f.position;
        EXPECT_EQ(marken(d), f.nachher) << f.vorher << " @" << f.position;
        EXPECT_EQ(d.AktPosition(), f.aktNachher) << f.vorher << " @" << f.position;
    }
}

TEST(ListenDatenStandTest, JedeAenderungZaehlt)
{
    ListenDaten d(2);
    d.ZeilenAnhaengen(3);
    struct Schritt
    {
        const char *name;
        void (*aendern)(ListenDaten &);
    };
    const Schritt schritte[] = {
        {"Zelle", [](ListenDaten &x) { x.ZelleSetzen(1, 1, QStringLiteral("a")); }},
        {"Marke", [](ListenDaten &x) { x.MarkSetzen(2, true); }},
        {"Alle", [](ListenDaten &x) { x.AlleMarkieren(false); }},
        {"Umkehren", [](ListenDaten &x) { x.MarkierungUmkehren(); }},
        {"Verz", [](ListenDaten &x) { x.VerzSetzen(1, true); }},
        {"Warn", [](ListenDaten &x) { x.WarnSetzen(1, true); }},
        {"Link", [](ListenDaten &x) { x.LinkSetzen(1, 7); }},
        {"Position", [](ListenDaten &x) { x.AktPositionSetzen(2); }},
        {"Reihenfolge", [](ListenDaten &x) { EXPECT_TRUE(x.ReihenfolgeSetzen({0, 3, 2, 1})); }},
        {"Identitaet", [](ListenDaten &x) { x.ReihenfolgeIdentitaet(); }},
        {"Meldung", [](ListenDaten &x) { x.MeldungSetzen(QStringLiteral("m")); }},
        {"Loeschen", [](ListenDaten &x) { x.ZeilenLoeschen(3, 3); }},
        {"Anhaengen", [](ListenDaten &x) { x.ZeilenAnhaengen(2); }},
        {"Leeren", [](ListenDaten &x) { x.Leeren(); }},
    };
    for (const Schritt &s : schritte) {
        const quint64 vorher = d.Stand();
        s.aendern(d);
        EXPECT_GT(d.Stand(), vorher) << s.name;
    }
}

} // namespace
} // namespace rinolux
