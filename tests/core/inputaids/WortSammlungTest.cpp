#include "core/inputaids/WortSammlung.h"
#include "core/persist/MerkListe.h"

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

QStringList L(std::initializer_list<const char *> t)
{
    QStringList l;
    for (const char *s : t)
        l.append(QString::fromUtf8(s));
    return l;
}

TEST(WortListeTest, EintraegeJeBuchstabenLauf)
{
    // The digit run is no key; runs shorter than three letters are none either.
    EXPECT_EQ(WortEintraege(QStringLiteral("Urlaub 2005 Italien")),
              L({"Urlaub: Urlaub 2005 Italien", "Italien: Urlaub 2005 Italien"}));
    EXPECT_EQ(BuchstabenLaeufe(QString::fromUtf8("ab1cde_Über-xy")), L({"cde", "Über"}));
    EXPECT_TRUE(WortEintraege(QStringLiteral("12 ab")).isEmpty());
    for (const QString &e : WortEintraege(QStringLiteral("Urlaub 2005 Italien")))
        EXPECT_EQ(WortAusZeile(e), QStringLiteral("Urlaub 2005 Italien"));
    EXPECT_EQ(WortAusZeile(QStringLiteral("eigenes Wort")), QStringLiteral("eigenes Wort"));
}

TEST(WortListeTest, GruppenOhneDoppelteNachBuchstaben)
{
    const WortListe w = WortListeAufbauen(L({"Zebra", "Affe", "Zebra"}),
                                          L({"Haus.txt", "Haus.txt", "Baum_2", "Xylophon Haus"}));
    EXPECT_EQ(w.eigene, L({"Affe", "Zebra"}));
    // "Baum: Baum_2" sorts by "BaumBaum", before "HausHaustxt"; the doubled Haus.txt is one entry.
    EXPECT_EQ(w.weitere, L({"Baum: Baum_2", "Haus: Haus.txt", "Haus: Xylophon Haus", "txt: Haus.txt",
                            "Xylophon: Xylophon Haus"}));
}

TEST(WortListeTest, MerkenNachDerListe)
{
    MerkListe m;
    m.Neu(L({"alt"}), false, QStringLiteral("500"));
    WoerterMerkenNachListe(m, L({"eigen"}), L({"ab", "abc"}), L({"/", "Bilder"}), L({"a.txt", "b.txt"}),
                           QStringLiteral("500"));
    EXPECT_EQ(m.Woerter(), L({"alt", "eigen", "abc", "Bilder", "a.txt", "b.txt"}));
    // With a limit of 1 only the last selection name stays.
    WoerterMerkenNachListe(m, L({"eigen"}), {}, L({"Bilder"}), L({"a.txt", "b.txt"}), QStringLiteral("1"));
    EXPECT_EQ(m.Woerter(), L({"b.txt"}));
}

TEST(WortListeTest, ErsterBuchstabeFaltetAkzente)
{
    EXPECT_EQ(ErsterBuchstabe(QString::fromUtf8("Über: x")), QChar(u'u'));
    EXPECT_EQ(ErsterBuchstabe(QString::fromUtf8("12 ùber")), QChar(u'u'));
    EXPECT_EQ(ErsterBuchstabe(QString::fromUtf8("Éte")), QChar(u'e'));
    EXPECT_TRUE(ErsterBuchstabe(QStringLiteral("123")).isNull());
}

TEST(AutoVervollTest, Kandidaten)
{
    const QStringList quellen = L({"Urlaub", "urlaub", "Urlaub", "Urlaub 2005", "Bild", "Ur"});
    // Exactly equal is not offered, a different letter case is; duplicates stay.
    EXPECT_EQ(AutoKandidaten(QStringLiteral("Urlaub"), quellen), L({"urlaub", "Urlaub 2005"}));
    EXPECT_EQ(AutoKandidaten(QStringLiteral("ur"), quellen),
              L({"Urlaub", "urlaub", "Urlaub", "Urlaub 2005", "Ur"}));
    EXPECT_TRUE(AutoKandidaten(QString(), quellen).isEmpty());
}

TEST(AutoVervollTest, FetteStuecke)
{
    const QList<AutoStueck> s = AutoStuecke(QStringLiteral("Die Wiese, die"), QStringLiteral("die"));
    ASSERT_EQ(s.size(), 3);
    EXPECT_EQ(s[0].text, QStringLiteral("Die"));
    EXPECT_TRUE(s[0].fett);
    EXPECT_EQ(s[1].text, QStringLiteral(" Wiese, "));
    EXPECT_FALSE(s[1].fett);
    EXPECT_EQ(s[2].text, QStringLiteral("die"));
    EXPECT_TRUE(s[2].fett);
}

TEST(AutoVervollTest, PlatzUntenOderOben)
{
    struct F
    {
        int n, unten, oben, zeilen;
        bool obenErwartet;
    };
    const F faelle[] = {
        {5, 10, 0, 5, false},    // fits below
        {40, 20, 50, 20, false}, // 15 or more below: below, shortened
        {40, 10, 50, 40, true},  // all fit above
        {40, 10, 30, 30, true},  // 15 or more above
        {40, 10, 8, 10, false},  // neither side has 15: the larger one
        {40, 8, 10, 10, true},
    };
    for (const F &f : faelle) {
        const AutoPlatz p = AutoPlatzWaehlen(f.n, f.unten, f.oben);
        EXPECT_EQ(p.zeilen, f.zeilen) << f.n << " " << f.unten << " " << f.oben;
        EXPECT_EQ(p.oben, f.obenErwartet) << f.n << " " << f.unten << " " << f.oben;
    }
}

} // namespace
