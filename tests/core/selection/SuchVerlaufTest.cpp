#include "core/selection/SuchVerlauf.h"

#include <gtest/gtest.h>

using namespace rinolux;
using namespace Qt::StringLiterals;

namespace {

SuchAuftrag erweitert()
{
    SuchAuftrag a;
    a.art = SuchArt::Erweitert;
    a.verzeichnis = u"/home/anna/"_s;
    a.mit = u"*.jpg"_s;
    a.ohne = u"x"_s;
    a.verzWahl = SuchVerzWahl::NurVolle;
    a.datum[ZeitA] = SuchDatum{true, u"1"_s, u"2"_s, u"2020"_s, u"31"_s, u"12"_s, u"2020"_s};
    a.bytesAn = true;
    a.bytesVon = u"1k"_s;
    a.bytesBis = u"5m"_s;
    a.attributeAn = true;
    a.attribute = {SuchAttWahl::Ja, SuchAttWahl::Nein, SuchAttWahl::Egal, SuchAttWahl::Egal, SuchAttWahl::Egal};
    return a;
}

TEST(SuchVerlauf, EintragJeSuchArt)
{
    SuchAuftrag einfach;
    einfach.mit = u"bild"_s;
    einfach.verzeichnis = u"/f/"_s;
    EXPECT_EQ(nxSuchVerlaufEintrag(einfach), (SuchVerlaufEintrag{{}, u"1"_s, u"bild"_s, u"/f/"_s, u"4711"_s}));

    EXPECT_EQ(nxSuchVerlaufEintrag(erweitert()),
              (SuchVerlaufEintrag{{},
                                  u"6"_s,
                                  u"*.jpg     ohne x     mit Datum A     mit Bytes von 1k bis 5m     mit Attributen"_s,
                                  u"/home/anna/"_s,
                                  u"x\t201011\t1\t2\t2020\t31\t12\t2020\t1k\t5m\tJNEEE\t*.jpg\t:"_s}));

    SuchAuftrag liste;
    liste.art = SuchArt::Liste;
    liste.listenZeilen = {u""_s, u"/a/*.txt"_s, u"  "_s, u"b?\r"_s};
    EXPECT_EQ(nxSuchVerlaufEintrag(liste),
              (SuchVerlaufEintrag{{}, u"7"_s, u"2 Eintragungen: /a/*.txt"_s, {}, u"/a/*.txt\tb?\t"_s}));

    SuchAuftrag baum;
    baum.art = SuchArt::Baum;
    EXPECT_TRUE(nxSuchVerlaufEintrag(baum).art.isEmpty());
}

TEST(SuchVerlauf, WiederherstellenGibtDieFelderZurueck)
{
    const SuchAuftrag a = erweitert();
    SuchWiederherstellung w = nxSuchVerlaufWiederherstellen(nxSuchVerlaufEintrag(a));
    ASSERT_TRUE(w.gueltig);
    EXPECT_TRUE(w.bedingungen);
    EXPECT_EQ(w.seite, SuchSeite::Erweitert);
    EXPECT_EQ(w.auftrag.verzeichnis, a.verzeichnis);
    EXPECT_EQ(w.auftrag.mit, a.mit);
    EXPECT_EQ(w.auftrag.ohne, a.ohne);
    EXPECT_EQ(w.auftrag.verzWahl, a.verzWahl);
    for (size_t k = 0; k < 3; ++k) {
        const SuchDatum &d = w.auftrag.datum[k], &e = a.datum[k];
        EXPECT_EQ(d.an, e.an);
        EXPECT_EQ((QStringList{d.tagVon, d.monatVon, d.jahrVon, d.tagBis, d.monatBis, d.jahrBis}),
                  (QStringList{e.tagVon, e.monatVon, e.jahrVon, e.tagBis, e.monatBis, e.jahrBis}));
    }
    EXPECT_TRUE(w.auftrag.bytesAn);
    EXPECT_EQ(w.auftrag.bytesVon, a.bytesVon);
    EXPECT_EQ(w.auftrag.bytesBis, a.bytesBis);
    EXPECT_TRUE(w.auftrag.attributeAn);
    EXPECT_EQ(w.auftrag.attribute, a.attribute);

    SuchAuftrag l;
    l.art = SuchArt::Liste;
    l.verzeichnis = u"/v/"_s;
    l.listenZeilen = {u"/a/*.txt"_s, u"b"_s};
    w = nxSuchVerlaufWiederherstellen(nxSuchVerlaufEintrag(l));
    EXPECT_EQ(w.seite, SuchSeite::Liste);
    EXPECT_EQ(w.auftrag.verzeichnis, u"/v/"_s);
    EXPECT_EQ(w.auftrag.listenZeilen, l.listenZeilen);
}

TEST(SuchVerlauf, AeltereUndBeschaedigteEintraege)
{
    struct Fall
    {
        const char *name;
        SuchVerlaufEintrag eintrag;
        bool gueltig, bedingungen;
        SuchSeite seite;
        QString mit;
    };
    const Fall faelle[] = {
        {"einfach", {{}, u"1"_s, u"bild"_s, u"/f/"_s, u"4711"_s}, true, false, SuchSeite::Einfach, u"bild"_s},
        {"vier", {{}, u"4"_s, u"*.x"_s, u"/f/"_s, {}}, true, true, SuchSeite::Erweitert, u"*.x"_s},
        {"fuenfMitAnzeige", {{}, u"5"_s, u"*.y"_s, u"/f/"_s, u"o\t100000\t:"_s}, true, true, SuchSeite::Erweitert,
         u"*.y"_s},
        {"sechsOhneEnde", {{}, u"6"_s, u"anz"_s, u"/f/"_s, u"o\t100000\tm\t"_s}, true, false, SuchSeite::Erweitert,
         {}},
        {"unbekannt", {{}, u"9"_s, u"x"_s, u"/f/"_s, {}}, false, false, SuchSeite::Einfach, {}},
    };
    for (const Fall &f : faelle) {
        const SuchWiederherstellung w = nxSuchVerlaufWiederherstellen(f.eintrag);
        EXPECT_EQ(w.gueltig, f.gueltig) << f.name;
        EXPECT_EQ(w.bedingungen, f.bedingungen) << f.name;
        EXPECT_EQ(w.seite, f.seite) << f.name;
        EXPECT_EQ(w.auftrag.mit, f.mit) << f.name;
        if (f.bedingungen) {
            EXPECT_EQ(w.auftrag.verzWahl, SuchVerzWahl::Alle) << f.name;
            EXPECT_FALSE(w.auftrag.bytesAn || w.auftrag.attributeAn || w.auftrag.datum[0].an) << f.name;
        }
    }
}

TEST(SuchVerlauf, GleicheSucheZweimalEinEintrag)
{
    SuchListe verlauf;
    nxSuchVerlaufNeu(verlauf, erweitert(), u"50"_s);
    nxSuchVerlaufNeu(verlauf, erweitert(), u"50"_s);
    EXPECT_EQ(verlauf.Anzahl(), 1);
    SuchAuftrag baum;
    baum.art = SuchArt::Baum;
    nxSuchVerlaufNeu(verlauf, baum, u"50"_s);
    EXPECT_EQ(verlauf.Anzahl(), 1);
    EXPECT_EQ(nxSuchVerlaufArtText(verlauf.Eintrag(1).art), u"erweiterte #"_s);
    EXPECT_EQ(nxSuchVerlaufAnzahlText(1).left(37), u"1 alte Such-Aufträge sind in der List"_s);
}

} // namespace
