#include "core/engine/RegelCode.h"
#include "core/engine/RegelListe.h"
#include "core/engine/RegelVerbinden.h"
#include "core/shell/Dialog.h"

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

GespeicherteRegel regelAus(const RegelListe &l, int i)
{
    return {l.code(i), l.beschreibung(i)};
}

QString ersetzeDurch(const QString &text)
{
    TeilRegel t;
    t.code = 215;
    t.buchstabe = u'w';
    t.wert = text;
    Regel r;
    r.teile = {t};
    return RegelSchreiben(r);
}

TEST(RegelVerbindenTest, ZweiRegelnVerbundenUndZerteiltKommenGleichZurueck)
{
    const RegelListe liste = StandardRegeln();
    const QList<int> wahl = VerbindbareRegeln(liste);
    ASSERT_GE(wahl.size(), 5);
    const GespeicherteRegel a = regelAus(liste, wahl[1]);
    const GespeicherteRegel b = regelAus(liste, wahl[4]);
    const auto neu = RegelnVerbinden({a, b});
    ASSERT_TRUE(neu);
    EXPECT_EQ(neu->beschreibung, QStringLiteral("NEU: ") + a.beschreibung + QStringLiteral(" > ") + b.beschreibung);
    EXPECT_TRUE(neu->code.startsWith(QStringLiteral("2\t")));
    const RegelLeseErgebnis gelesen = RegelLesen(neu->code);
    ASSERT_TRUE(gelesen.gueltig()) << gelesen.grund.toStdString();
    ASSERT_EQ(gelesen.regel.teile.size(), 2);

    const RegelTeilung t = RegelZerteilen(neu->code);
    ASSERT_EQ(t.art, RegelTeilung::Art::Geteilt);
    EXPECT_EQ(t.codes, (QStringList{a.code, b.code}));
}

TEST(RegelVerbindenTest, VerbundeneRegelnZaehlenIhreTeileZusammen)
{
    const QString eins = ersetzeDurch(QStringLiteral("x"));
    const auto zwei = RegelnVerbinden({{eins, QStringLiteral("a")}, {eins, QStringLiteral("b")}});
    ASSERT_TRUE(zwei);
    const auto drei = RegelnVerbinden({*zwei, {eins, QStringLiteral("c")}});
    ASSERT_TRUE(drei);
    EXPECT_TRUE(drei->code.startsWith(QStringLiteral("3\t")));
    EXPECT_EQ(drei->beschreibung, QStringLiteral("NEU: NEU: a > b > c"));
    EXPECT_EQ(RegelZerteilen(drei->code).codes, (QStringList{eins, eins, eins}));
    EXPECT_FALSE(RegelnVerbinden({}));
}

TEST(RegelVerbindenTest, ErsetzungstextEndeZerteiltRichtig)
{
    const QString ende = ersetzeDurch(QStringLiteral("ENDE"));
    const QString anders = ersetzeDurch(QStringLiteral("ENDE\tENDE"));
    const auto neu = RegelnVerbinden({{ende, QStringLiteral("ende")}, {anders, QStringLiteral("anders")}});
    ASSERT_TRUE(neu);
    const RegelTeilung t = RegelZerteilen(neu->code);
    ASSERT_EQ(t.art, RegelTeilung::Art::Geteilt);
    EXPECT_EQ(t.codes, (QStringList{ende, anders}));
    ASSERT_EQ(RegelLesen(t.codes[0]).regel.teile.size(), 1);
    EXPECT_EQ(RegelLesen(t.codes[0]).regel.teile[0].wert, QStringLiteral("ENDE"));
}

TEST(RegelVerbindenTest, NurNamenRegelnSindVerbindbar)
{
    EXPECT_TRUE(RegelVerbindbar(ersetzeDurch(QStringLiteral("x"))));
    TeilRegel zeit;
    zeit.code = 111;
    TeilRegel attribut;
    attribut.code = 205;
    TeilRegel herst;
    herst.code = 251;
    for (const TeilRegel &t : {zeit, attribut, herst}) {
        Regel r;
        r.teile = {t};
        EXPECT_FALSE(RegelVerbindbar(RegelSchreiben(r))) << t.code;
    }
    EXPECT_FALSE(RegelVerbindbar(QStringLiteral("1")));
    EXPECT_FALSE(RegelVerbindbar(QString()));
}

TEST(RegelVerbindenTest, TeilenFragtUndFuegtDieTeileHinterDerRegelEin)
{
    RegelListe liste;
    liste.anhaengen(QStringLiteral("davor"), ersetzeDurch(QStringLiteral("v")));
    const auto neu = RegelnVerbinden({{ersetzeDurch(QStringLiteral("ENDE")), QStringLiteral("a")},
                                      {ersetzeDurch(QStringLiteral("b")), QStringLiteral("b")},
                                      {ersetzeDurch(QStringLiteral("c")), QStringLiteral("c")}});
    ASSERT_TRUE(neu);
    liste.anhaengen(neu->beschreibung, neu->code);
    liste.anhaengen(QStringLiteral("danach"), ersetzeDurch(QStringLiteral("n")));
    liste.waehlen(1);

    SkriptDialog nein({u'n'});
    EXPECT_FALSE(RegelTeilen(liste, nein));
    EXPECT_EQ(liste.anzahl(), 3);

    SkriptDialog ja({u'j'});
    ASSERT_TRUE(RegelTeilen(liste, ja));
    ASSERT_EQ(liste.anzahl(), 6);
    EXPECT_EQ(liste.gewaehlt(), 1);
    EXPECT_EQ(liste.beschreibung(1), neu->beschreibung);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(liste.beschreibung(1 + k), QString::number(k) + QStringLiteral(" NEU: a > b > c"));
        EXPECT_TRUE(liste.code(1 + k).startsWith(QStringLiteral("1\t")));
    }
    EXPECT_EQ(liste.code(2), ersetzeDurch(QStringLiteral("ENDE")));
    EXPECT_EQ(liste.beschreibung(5), QStringLiteral("danach"));

    // A damaged record is not split; the user is told so.
    liste.anhaengen(QStringLiteral("kaputt"), QStringLiteral("2\t215\t700\tfehlt"));
    liste.waehlen(6);
    SkriptDialog ja2({u'j'});
    EXPECT_FALSE(RegelTeilen(liste, ja2));
    ASSERT_EQ(ja2.aufrufe.size(), 2);
    EXPECT_TRUE(ja2.aufrufe[1].text.contains(QStringLiteral("nicht zerteilbar")));
    EXPECT_EQ(liste.anzahl(), 7);
}

} // namespace
