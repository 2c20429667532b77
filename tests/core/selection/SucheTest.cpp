#include "core/selection/Suche.h"

#include "core/platform/FremderNutzer.h"
#include "core/platform/Plattform.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/ListenDaten.h"
#include "support/TestUmgebung.h"

#include <QDateTime>
#include <QFile>

#include <limits>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace rinolux;
using namespace Qt::StringLiterals;

namespace {

// The hits as paths below the test directory, sorted; directories end with "/".
QStringList relativ(const SuchTreffer &t, const QString &basis)
{
    QStringList aus;
    for (int i = 1; i <= t.Anzahl(); ++i)
        aus << t.Verzeichnis(i).mid(basis.size()) + t.Name(i) + (t.Daten(i).verz ? u"/"_s : QString());
    aus.sort();
    return aus;
}

QStringList zeilen(const ListenDaten &l)
{
    QStringList aus;
    for (int z = 1; z <= l.Anzahl(); ++z)
        aus << l.Zelle(z, AZelle::Pfad) + l.Zelle(z, AZelle::Name);
    return aus;
}

class SucheTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tv.dateienAnlegen({u"a.txt"_s, u"B.TXT"_s, u"bild.jpg"_s, u"Urlaubsbild.JPG"_s, u"sub/c.txt"_s,
                           u"sub/tief/d.txt"_s, u"leer/"_s, u"voll/x"_s});
    }

    SuchErgebnis suchen(SuchAuftrag a)
    {
        if (a.verzeichnis.isEmpty())
            a.verzeichnis = tv.pfad();
        treffer.Leeren();
        return nxSuche(a, treffer, still);
    }

    QStringList gefunden() const { return relativ(treffer, tv.pfad()); }

    test::TestVerzeichnis tv;
    SuchTreffer treffer;
    StillerFortschritt still;
};

// ---------------------------------------------------------------- name patterns

struct MusterFall
{
    const char *name;
    SuchArt art;
    const char *mit;
    const char *ohne;
    bool unter;
    bool dateien;
    bool verzeichnisse;
    QStringList erwartet;
};

class SucheMuster : public SucheTest, public ::testing::WithParamInterface<MusterFall>
{
};

TEST_P(SucheMuster, FindetGenauDieseNamen)
{
    const MusterFall &f = GetParam();
    SuchAuftrag a;
    a.art = f.art;
    a.mit = QString::fromUtf8(f.mit);
    a.ohne = QString::fromUtf8(f.ohne);
    a.unterverzeichnisse = f.unter;
    a.dateienZeigen = f.dateien;
    a.verzeichnisseZeigen = f.verzeichnisse;
    const SuchErgebnis e = suchen(a);
    // With neither files nor directories shown nothing is searched and the list stays.
    EXPECT_EQ(e.listeFuellen(), f.dateien || f.verzeichnisse);
    EXPECT_EQ(gefunden(), f.erwartet);
    EXPECT_EQ(e.treffer, f.erwartet.size());
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SucheMuster,
    ::testing::Values(
        // A plain word is wrapped in "*" and letter case is ignored.
        MusterFall{"WortWirdEingepackt", SuchArt::Einfach, "bild", "", false, true, true,
                   {u"Urlaubsbild.JPG"_s, u"bild.jpg"_s}},
        MusterFall{"MitSternNichtEingepackt", SuchArt::Einfach, "bild*", "", false, true, true, {u"bild.jpg"_s}},
        MusterFall{"FragezeichenEinZeichen", SuchArt::Einfach, "?.txt", "", false, true, true,
                   {u"B.TXT"_s, u"a.txt"_s}},
        MusterFall{"OhneUnterverzeichnisse", SuchArt::Einfach, "*.txt", "", false, true, true,
                   {u"B.TXT"_s, u"a.txt"_s}},
        MusterFall{"MitUnterverzeichnissen", SuchArt::Einfach, "*.txt", "", true, true, true,
                   {u"B.TXT"_s, u"a.txt"_s, u"sub/c.txt"_s, u"sub/tief/d.txt"_s}},
        MusterFall{"ZweiMusterMitStrich", SuchArt::Einfach, "*.jpg|*.txt", "", false, true, true,
                   {u"B.TXT"_s, u"Urlaubsbild.JPG"_s, u"a.txt"_s, u"bild.jpg"_s}},
        MusterFall{"ZweiMusterMitDoppelpunkt", SuchArt::Einfach, "*.jpg:a*", "", false, true, true,
                   {u"Urlaubsbild.JPG"_s, u"a.txt"_s, u"bild.jpg"_s}},
        MusterFall{"LeereTeileFallenWeg", SuchArt::Einfach, "*.jpg||", "", false, true, true,
                   {u"Urlaubsbild.JPG"_s, u"bild.jpg"_s}},
        MusterFall{"LeeresFeldFindetAlles", SuchArt::Einfach, "  ", "", false, true, true,
                   {u"B.TXT"_s, u"Urlaubsbild.JPG"_s, u"a.txt"_s, u"bild.jpg"_s, u"leer/"_s, u"sub/"_s,
                    u"voll/"_s}},
        MusterFall{"OhneDieseNamen", SuchArt::Erweitert, "*.txt", "a*", true, true, true,
                   {u"B.TXT"_s, u"sub/c.txt"_s, u"sub/tief/d.txt"_s}},
        MusterFall{"NurVerzeichnisse", SuchArt::Einfach, "*", "", true, false, true,
                   {u"leer/"_s, u"sub/"_s, u"sub/tief/"_s, u"voll/"_s}},
        MusterFall{"NurDateienAuchUnten", SuchArt::Einfach, "*", "", true, true, false,
                   {u"B.TXT"_s, u"Urlaubsbild.JPG"_s, u"a.txt"_s, u"bild.jpg"_s, u"sub/c.txt"_s,
                    u"sub/tief/d.txt"_s, u"voll/x"_s}},
        MusterFall{"BeidesAusFindetNichts", SuchArt::Einfach, "*", "", true, false, false, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SuchMuster, ListeUndEinpacken)
{
    EXPECT_EQ(nxSuchMusterListe(u"  *.jpg|*.png  "_s, true), (QStringList{u"*.jpg"_s, u"*.png"_s}));
    EXPECT_EQ(nxSuchMusterListe(u":|"_s, true), QStringList{u"*"_s});
    EXPECT_EQ(nxSuchMusterListe(QString(), false), QStringList());
    EXPECT_EQ(nxSuchMusterEinpacken({u"bild"_s, u"b?ld"_s, u"*x"_s}),
              (QStringList{u"*bild*"_s, u"b?ld"_s, u"*x"_s}));
    // Umlauts fold as letters; "?" takes a whole character outside the BMP.
    EXPECT_TRUE(nxSuchNamePasst(u"ÄPFEL.txt"_s, {u"äpfel*"_s}));
    EXPECT_TRUE(nxSuchNamePasst(u"a\U0001F600b"_s, {u"a?b"_s}));
    EXPECT_FALSE(nxSuchNamePasst(u"ab.txt"_s, {u"a?b.txt"_s}));
}

// ---------------------------------------------------------------- sizes

struct BytesFall
{
    const char *text;
    std::optional<qint64> wert;
};

class SuchBytes : public ::testing::TestWithParam<BytesFall>
{
};

TEST_P(SuchBytes, LiestBuchstabenAlsNullen)
{
    EXPECT_EQ(nxSuchBytesLesen(QString::fromUtf8(GetParam().text)), GetParam().wert) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Faelle, SuchBytes,
                         ::testing::Values(BytesFall{"", std::nullopt}, BytesFall{"abc", std::nullopt},
                                           BytesFall{"1.5k", 15000}, BytesFall{"3t", 3000}, BytesFall{"4K", 4000},
                                           BytesFall{"5M", 5000000}, BytesFall{"2G", 2000000000},
                                           BytesFall{"6g", 6000000000}, BytesFall{"1 234", 1234},
                                           // Beyond 64 bits the number is clamped, never wrapped.
                                           BytesFall{"99999999999999999999999", std::numeric_limits<qint64>::max()},
                                           BytesFall{"9gggg", std::numeric_limits<qint64>::max()}));

TEST_F(SucheTest, GroessenGrenzenSchliessenEin)
{
    tv.dateiSchreiben(u"g/null"_s, QByteArray());
    tv.dateiSchreiben(u"g/zehn"_s, QByteArray(10, 'x'));
    tv.dateiSchreiben(u"g/zweitausend"_s, QByteArray(2000, 'x'));
    struct Fall
    {
        QString von, bis;
        QStringList erwartet;
    };
    const Fall faelle[] = {
        {u"10"_s, u"10"_s, {u"g/zehn"_s}},
        {u"1"_s, u"1k"_s, {u"g/zehn"_s}},
        {u"2k"_s, QString(), {u"g/zweitausend"_s}},
        {QString(), u"0"_s, {u"g/null"_s}},
        {QString(), QString(), {u"g/null"_s, u"g/zehn"_s, u"g/zweitausend"_s}},
    };
    for (const Fall &f : faelle) {
        SuchAuftrag a;
        a.art = SuchArt::Erweitert;
        a.verzeichnis = tv.pfad(u"g"_s);
        a.bytesAn = true;
        a.bytesVon = f.von;
        a.bytesBis = f.bis;
        ASSERT_TRUE(suchen(a).listeFuellen());
        EXPECT_EQ(gefunden(), f.erwartet) << f.von.toStdString() << ".." << f.bis.toStdString();
    }
}

// ---------------------------------------------------------------- dates

struct DatumFall
{
    const char *name;
    SuchDatum datum;
    const char *von;
    const char *bis;
};

class SuchDatumGrenze : public ::testing::TestWithParam<DatumFall>
{
};

TEST_P(SuchDatumGrenze, AusDenSechsFeldern)
{
    const SuchDatumGrenzen g = nxSuchDatumGrenzen(GetParam().datum);
    EXPECT_EQ(g.von, QByteArray(GetParam().von));
    EXPECT_EQ(g.bis, QByteArray(GetParam().bis));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SuchDatumGrenze,
    ::testing::Values(DatumFall{"NurJahr", {true, {}, {}, u"2020"_s, {}, {}, u"2020"_s}, "20200000", "20209999_24"},
                      DatumFall{"Leer", {true, {}, {}, {}, {}, {}, {}}, "00000000", "99999999_24"},
                      DatumFall{"TagMonatJahr", {true, u"5"_s, u"3"_s, u"2024"_s, u"5"_s, u"3"_s, u"2024"_s},
                                "20240305", "20240305_24"},
                      DatumFall{"AusserhalbUndZiffernAusText",
                                {true, u"99"_s, u"0"_s, u"99999"_s, u"x1y"_s, u"123456789012345678901234"_s,
                                 u"9999"_s},
                                "00000000", "99999901_24"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SucheTest, DatumGrenzenNachAenderungsZeit)
{
    const auto setzen = [&](const QString &name, int jahr, int monat, int tag) {
        tv.dateiSchreiben(name, "x");
        const QDateTime z(QDate(jahr, monat, tag), QTime(12, 0));
        ASSERT_TRUE(plattform::zeitSetzen(tv.pfad(name), u'a', plattform::DateiZeit::aus(z)).ok());
    };
    setzen(u"d/alt"_s, 2019, 12, 31);
    setzen(u"d/anfang"_s, 2020, 1, 1);
    setzen(u"d/ende"_s, 2020, 12, 31);
    setzen(u"d/neu"_s, 2021, 1, 1);
    struct Fall
    {
        SuchDatum datum;
        QStringList erwartet;
    };
    const Fall faelle[] = {
        {{true, {}, {}, u"2020"_s, {}, {}, u"2020"_s}, {u"d/anfang"_s, u"d/ende"_s}},
        {{true, u"31"_s, u"12"_s, u"2020"_s, {}, {}, {}}, {u"d/ende"_s, u"d/neu"_s}},
        {{true, {}, {}, {}, u"31"_s, u"12"_s, u"2019"_s}, {u"d/alt"_s}},
        // Switched off, the fields do not count.
        {{false, {}, {}, u"2030"_s, {}, {}, u"2030"_s}, {u"d/alt"_s, u"d/anfang"_s, u"d/ende"_s, u"d/neu"_s}},
    };
    for (const Fall &f : faelle) {
        SuchAuftrag a;
        a.art = SuchArt::Erweitert;
        a.verzeichnis = tv.pfad(u"d"_s);
        a.datum[ZeitA] = f.datum;
        ASSERT_TRUE(suchen(a).listeFuellen());
        EXPECT_EQ(gefunden(), f.erwartet) << f.datum.jahrVon.toStdString() << ".." << f.datum.jahrBis.toStdString();
    }
}

// ---------------------------------------------------------------- attributes and directory kinds

TEST_F(SucheTest, AttributeJaNeinEgal)
{
    tv.dateienAnlegen({u"at/.punkt"_s, u"at/gelistet"_s, u"at/nurlesen"_s, u"at/normal"_s});
    tv.dateiSchreiben(u"at/.hidden"_s, "gelistet\n");
    ASSERT_EQ(::chmod(QFile::encodeName(tv.pfad(u"at/nurlesen"_s)).constData(), 0444), 0);
    using W = SuchAttWahl;
    struct Fall
    {
        const char *name;
        std::array<W, 5> wahl; // H, R, S, A, C
        QStringList erwartet;
    };
    const Fall faelle[] = {
        {"versteckt", {W::Ja, W::Egal, W::Egal, W::Egal, W::Egal}, {u"at/.hidden"_s, u"at/.punkt"_s, u"at/gelistet"_s}},
        {"nurLesen", {W::Egal, W::Ja, W::Egal, W::Egal, W::Egal}, {u"at/nurlesen"_s}},
        {"wederNoch", {W::Nein, W::Nein, W::Egal, W::Egal, W::Egal}, {u"at/normal"_s}},
        // System, archive and compressed are never set on Linux.
        {"system", {W::Egal, W::Egal, W::Ja, W::Egal, W::Egal}, {}},
        {"keinArchiv", {W::Nein, W::Egal, W::Egal, W::Nein, W::Nein}, {u"at/normal"_s, u"at/nurlesen"_s}},
    };
    for (const Fall &f : faelle) {
        SuchAuftrag a;
        a.art = SuchArt::Erweitert;
        a.verzeichnis = tv.pfad(u"at"_s);
        a.attributeAn = true;
        a.attribute = f.wahl;
        ASSERT_TRUE(suchen(a).listeFuellen());
        EXPECT_EQ(gefunden(), f.erwartet) << f.name;
    }
}

TEST_F(SucheTest, NurGefuellteOderNurLeereVerzeichnisse)
{
    const struct
    {
        SuchVerzWahl wahl;
        QStringList erwartet;
    } faelle[] = {
        {SuchVerzWahl::Alle, {u"leer/"_s, u"sub/"_s, u"voll/"_s}},
        {SuchVerzWahl::NurLeere, {u"leer/"_s}},
        {SuchVerzWahl::NurVolle, {u"sub/"_s, u"voll/"_s}},
    };
    for (const auto &f : faelle) {
        SuchAuftrag a;
        a.art = SuchArt::Erweitert;
        a.dateienZeigen = false;
        a.verzWahl = f.wahl;
        ASSERT_TRUE(suchen(a).listeFuellen());
        EXPECT_EQ(gefunden(), f.erwartet) << char(f.wahl);
    }
    // The simple search knows no directory choice.
    SuchAuftrag a;
    a.dateienZeigen = false;
    a.verzWahl = SuchVerzWahl::NurLeere;
    ASSERT_TRUE(suchen(a).listeFuellen());
    EXPECT_EQ(gefunden(), (QStringList{u"leer/"_s, u"sub/"_s, u"voll/"_s}));
}

// ---------------------------------------------------------------- count, directory, cancel

TEST_F(SucheTest, HoechstensSovieleTreffer)
{
    SuchAuftrag a;
    a.unterverzeichnisse = true;
    a.maxAnzahl = 3;
    SuchErgebnis e = suchen(a);
    EXPECT_EQ(treffer.Anzahl(), 3);
    EXPECT_TRUE(e.maxErreicht);
    EXPECT_TRUE(e.listeFuellen());

    a.maxAnzahl = std::numeric_limits<qint64>::max();
    e = suchen(a);
    EXPECT_EQ(treffer.Anzahl(), 11);
    EXPECT_FALSE(e.maxErreicht);
}

// Without a maximum the subtrees are walked side by side; the hits, their order, their
// path numbers and the counts are those of one walk (which a maximum still makes).
TEST_F(SucheTest, GeteilteSucheGibtDasselbeWieEinLauf)
{
    QStringList mehr;
    for (int o = 0; o < 6; ++o)
        for (int k = 0; k < 40; ++k)
            mehr << u"baum/o%1/t%2/f%3.txt"_s.arg(o).arg(k % 3).arg(k);
    mehr << u"baum/leer/"_s << u"baum/f.txt"_s;
    tv.dateienAnlegen(mehr);
    ASSERT_EQ(::symlink("..", QFile::encodeName(tv.pfad(u"baum/o2/hoch"_s)).constData()), 0);

    auto lauf = [&](qint64 max) {
        SuchAuftrag a;
        a.verzeichnis = tv.pfad(u"baum"_s);
        a.unterverzeichnisse = true;
        a.maxAnzahl = max;
        const SuchErgebnis e = suchen(a);
        QStringList zeilen;
        for (int i = 1; i <= treffer.Anzahl(); ++i)
            zeilen << treffer.Verzeichnis(i) + treffer.Name(i) + u' ' + QString::number(treffer.Daten(i).pfadNr);
        return std::pair{zeilen, e.verzeichnisse};
    };
    const auto einLauf = lauf(std::numeric_limits<int>::max() - 1);
    const auto geteilt = lauf(0);
    EXPECT_EQ(geteilt.first, einLauf.first);
    EXPECT_EQ(geteilt.second, einLauf.second);
    EXPECT_EQ(einLauf.second, 1 + 6 + 18 + 1);
    EXPECT_EQ(einLauf.first.size(), 240 + 6 + 18 + 1 + 1 + 1);
}

TEST_F(SucheTest, UngueltigesVerzeichnisWirdGemeldet)
{
    for (const QString &v : {tv.pfad(u"fehlt"_s), tv.pfad(u"a.txt"_s), u"relativ/"_s, tv.pfad(u"sub/../sub"_s)}) {
        SuchAuftrag a;
        a.art = SuchArt::Erweitert;
        a.verzeichnis = v;
        const SuchErgebnis e = suchen(a);
        EXPECT_EQ(e.meldung, u"Das angegebene Verzeichnis ist ungültig."_s) << v.toStdString();
        EXPECT_FALSE(e.listeFuellen());
    }
    // Blanks around it and runs of "/" do no harm.
    SuchAuftrag a;
    a.verzeichnis = u"  "_s + tv.pfad(u"sub"_s).replace(u"/sub"_s, u"//sub"_s) + u"  "_s;
    a.mit = u"c.txt"_s;
    EXPECT_TRUE(suchen(a).meldung.isEmpty());
    EXPECT_EQ(gefunden(), QStringList{u"sub/c.txt"_s});
}

// Sets Abbruch or NurTeilmenge at the first progress call.
class SofortFortschritt final : public StillerFortschritt
{
public:
    explicit SofortFortschritt(bool teilmenge) : m_teilmenge(teilmenge) {}
    void FortSchritt(qint64, qint64, qint64, qint64) override { (m_teilmenge ? NurTeilmenge : Abbruch) = true; }

private:
    bool m_teilmenge;
};

TEST_F(SucheTest, AbbruchBehaeltDieVorigenZeilenTeilmengeZeigtDieGefundenen)
{
    // Enough hits that a walker on another thread cannot list them all before the first
    // report asks for the partial set (reports come every 256 entries or 5 ms).
    constexpr int anzahl = 20000;
    QStringList viele;
    for (int i = 0; i < anzahl; ++i)
        viele << u"viel/f"_s + QString::number(i) + u".txt"_s;
    tv.dateienAnlegen(viele);

    ListenDaten liste;
    SuchAuftrag vorher;
    vorher.verzeichnis = tv.pfad();
    vorher.mit = u"*.jpg"_s;
    ASSERT_TRUE(nxSucheInListe(vorher, liste, AuswahlFuellung{}, still).listeFuellen());
    const QStringList alt = zeilen(liste);
    ASSERT_EQ(alt.size(), 2);

    SuchAuftrag a;
    a.verzeichnis = tv.pfad();
    a.mit = u"*.txt"_s;
    a.unterverzeichnisse = true;
    SofortFortschritt abbruch(false);
    const SuchErgebnis e = nxSucheInListe(a, liste, AuswahlFuellung{}, abbruch);
    EXPECT_TRUE(e.abgebrochen);
    EXPECT_FALSE(e.listeFuellen());
    EXPECT_EQ(zeilen(liste), alt);

    SofortFortschritt teil(true);
    const SuchErgebnis t = nxSucheInListe(a, liste, AuswahlFuellung{}, teil);
    EXPECT_TRUE(t.teilmenge);
    EXPECT_FALSE(t.abgebrochen);
    EXPECT_TRUE(t.listeFuellen());
    EXPECT_GT(liste.Anzahl(), 0);
    EXPECT_LT(liste.Anzahl(), anzahl);
    EXPECT_EQ(liste.Anzahl(), t.treffer);

    // A cancelled tree listing shows the abort message instead of the old rows.
    SuchAuftrag baum;
    baum.art = SuchArt::Baum;
    baum.verzeichnis = tv.pfad(u"viel"_s);
    SofortFortschritt abbruch2(false);
    EXPECT_TRUE(nxSucheInListe(baum, liste, AuswahlFuellung{}, abbruch2).abgebrochen);
    EXPECT_EQ(liste.Anzahl(), 0);
    EXPECT_TRUE(liste.Meldung().startsWith(u"ESC = Suche abgebrochen"_s));
}

TEST_F(SucheTest, EscBeendetNurDieBaumListung)
{
    QStringList viele;
    for (int i = 0; i < 600; ++i)
        viele << u"viel/f"_s + QString::number(i);
    tv.dateienAnlegen(viele);
    SuchAuftrag a;
    a.art = SuchArt::Baum;
    a.verzeichnis = tv.pfad(u"viel"_s);
    a.escGedrueckt = [] { return true; };
    EXPECT_TRUE(suchen(a).abgebrochen);
    EXPECT_EQ(treffer.Anzahl(), 0);
    a.art = SuchArt::Einfach;
    EXPECT_FALSE(suchen(a).abgebrochen);
    EXPECT_EQ(treffer.Anzahl(), 600);
}

// ---------------------------------------------------------------- links and unreadable directories

TEST_F(SucheTest, VerweisSchleifeWirdGelistetAberNichtBetreten)
{
    tv.dateienAnlegen({u"schleife/innen/f.txt"_s});
    ASSERT_EQ(::symlink("..", QFile::encodeName(tv.pfad(u"schleife/innen/hoch"_s)).constData()), 0);
    ASSERT_EQ(::symlink(".", QFile::encodeName(tv.pfad(u"schleife/selbst"_s)).constData()), 0);
    SuchAuftrag a;
    a.verzeichnis = tv.pfad(u"schleife"_s);
    a.unterverzeichnisse = true;
    const SuchErgebnis e = suchen(a);
    ASSERT_TRUE(e.listeFuellen());
    QStringList erwartet{u"schleife/innen/"_s, u"schleife/innen/f.txt"_s, u"schleife/innen/hoch"_s,
                         u"schleife/selbst"_s};
    EXPECT_EQ(gefunden(), erwartet);
    EXPECT_EQ(e.verzeichnisse, 2);
}

TEST_F(SucheTest, UnlesbaresVerzeichnisWirdUebersprungenUndGezaehlt)
{
    tv.dateienAnlegen({u"zu/geheim.txt"_s, u"zu/tief/auch.txt"_s});
    const QByteArray zu = QFile::encodeName(tv.pfad(u"zu"_s));
    ASSERT_EQ(::chmod(zu.constData(), 0), 0);
    test::FremderNutzer nutzer({tv.pfad()});
    if (::geteuid() == 0) {
        ::chmod(zu.constData(), 0755);
        GTEST_SKIP() << "als root ohne Wechsel zu einem anderen Nutzer ist jedes Verzeichnis lesbar";
    }
    SuchAuftrag a;
    a.mit = u"*.txt"_s;
    a.unterverzeichnisse = true;
    const SuchErgebnis e = suchen(a);
    nutzer.zurueck();
    ::chmod(zu.constData(), 0755);
    EXPECT_TRUE(e.listeFuellen());
    EXPECT_TRUE(e.meldung.isEmpty());
    EXPECT_EQ(e.uebersprungen, 1);
    ASSERT_EQ(e.unlesbar.size(), 1);
    EXPECT_TRUE(e.unlesbar.first().contains(u"zu"_s));
    EXPECT_EQ(gefunden(), (QStringList{u"B.TXT"_s, u"a.txt"_s, u"sub/c.txt"_s, u"sub/tief/d.txt"_s}));
}

// ---------------------------------------------------------------- list search

TEST_F(SucheTest, ListenSucheMitUndOhneVerzeichnis)
{
    tv.dateienAnlegen({u"fotos/2019/a.jpg"_s, u"fotos/2020/b.jpg"_s, u"fotos/2020/c.png"_s, u"fotos/alt/d.jpg"_s});
    SuchAuftrag a;
    a.art = SuchArt::Liste;
    a.verzeichnis = tv.pfad(u"sub"_s);
    a.listenZeilen = {tv.pfad(u"fotos/20*/*.jpg"_s), u""_s, u"c.txt"_s, u"   "_s, tv.pfad(u"B.TXT"_s)};
    SuchErgebnis e = suchen(a);
    ASSERT_TRUE(e.listeFuellen());
    EXPECT_EQ(gefunden(), (QStringList{u"B.TXT"_s, u"fotos/2019/a.jpg"_s, u"fotos/2020/b.jpg"_s, u"sub/c.txt"_s}));
    // Renumbered per directory after sorting by directory.
    QList<qint32> nummern;
    for (int i = 1; i <= treffer.Anzahl(); ++i)
        nummern << treffer.Daten(i).pfadNr;
    EXPECT_EQ(nummern, (QList<qint32>{1, 2, 3, 4}));

    // List lines are not wrapped in "*"; with subdirectories every order walks down.
    a.listenZeilen = {u"tief"_s, u"d.txt"_s};
    a.unterverzeichnisse = true;
    e = suchen(a);
    EXPECT_EQ(gefunden(), (QStringList{u"sub/tief/"_s, u"sub/tief/d.txt"_s}));

    // Two lines that differ only in letter case are searched once; a directory with ".."
    // is no valid address.
    a.listenZeilen = {tv.pfad(u"*.txt"_s), tv.pfad(u"*.TXT"_s), tv.pfad(u"sub/../*.txt"_s)};
    a.unterverzeichnisse = false;
    const std::vector<SuchOrt> orte = nxSuchOrte(a);
    EXPECT_EQ(orte.size(), 1u);
    e = suchen(a);
    EXPECT_EQ(gefunden(), (QStringList{u"B.TXT"_s, u"a.txt"_s}));
}

TEST_F(SucheTest, ListeOhneGueltigeAdresse)
{
    ListenDaten liste(AZelle::Anzahl);
    liste.ZeilenAnhaengen(1);
    liste.ZelleSetzen(1, AZelle::Name, u"bleibt"_s);
    SuchAuftrag a;
    a.art = SuchArt::Liste;
    a.verzeichnis = QString();
    a.listenZeilen = {u"relativ.txt"_s, u""_s, u"  "_s};
    const SuchErgebnis e = nxSucheInListe(a, liste, AuswahlFuellung{}, still);
    EXPECT_EQ(e.meldung, u"Die Liste enthält keine gültige Adresse."_s);
    EXPECT_TRUE(e.keineOrte);
    ASSERT_EQ(liste.Anzahl(), 1);
    EXPECT_EQ(liste.Zelle(1, AZelle::Name), u"bleibt"_s);
}

// ---------------------------------------------------------------- names from outside

TEST_F(SucheTest, NamenInMehrerenVerzeichnissenGenauUndJeVerzeichnisNummeriert)
{
    tv.dateienAnlegen({u"sub/C.txt"_s, u"stern/a*b"_s, u"stern/axb"_s});
    ListenDaten liste;
    const NamenAuswahl n = nxAuswahlSucheMitArray(
        {tv.pfad(u"sub/tief/d.txt"_s), tv.pfad(u"a.txt"_s), tv.pfad(u"sub/c.txt"_s), tv.pfad(u"fehlt"_s),
         tv.pfad(u"sub/c.txt"_s), tv.pfad(u"stern/a*b"_s), tv.pfad(u"voll/"_s)},
        liste, AuswahlFuellung{}, still);
    EXPECT_TRUE(n.baumVerzeichnis.isEmpty());
    EXPECT_EQ(n.markiert, 0);
    QStringList z = zeilen(liste);
    z.sort();
    // Exactly the given objects: not "sub/C.txt" beside "sub/c.txt", not "axb" for "a*b".
    EXPECT_EQ(z, (QStringList{tv.pfad(u"a.txt"_s), tv.pfad(u"stern/a*b"_s), tv.pfad(u"sub/c.txt"_s),
                              tv.pfad(u"sub/tief/d.txt"_s), tv.pfad(u"voll"_s)}));
    QHash<QString, QString> nummer;
    for (int r = 1; r <= liste.Anzahl(); ++r)
        nummer.insert(liste.Zelle(r, AZelle::Pfad), liste.Zelle(r, AZelle::PfadNr));
    EXPECT_EQ(nummer.size(), 4);
    EXPECT_EQ(QSet<QString>(nummer.cbegin(), nummer.cend()), (QSet<QString>{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
}

TEST_F(SucheTest, NamenEinesVerzeichnissesListenEsUndMarkieren)
{
    ListenDaten liste;
    NamenAuswahl n =
        nxAuswahlSucheMitArray({tv.pfad(u"a.txt"_s), tv.pfad(u"bild.jpg"_s)}, liste, AuswahlFuellung{}, still);
    EXPECT_EQ(n.baumVerzeichnis, tv.pfad());
    EXPECT_EQ(liste.Anzahl(), 7);
    EXPECT_EQ(n.markiert, 2);
    QStringList markiert;
    for (int r = 1; r <= liste.Anzahl(); ++r)
        if (liste.Markiert(r))
            markiert << liste.Zelle(r, AZelle::Name);
    markiert.sort();
    EXPECT_EQ(markiert, (QStringList{u"a.txt"_s, u"bild.jpg"_s}));

    // One directory name alone is that directory, listed, nothing marked.
    n = nxAuswahlSucheMitArray({tv.pfad(u"sub"_s)}, liste, AuswahlFuellung{}, still);
    EXPECT_EQ(n.baumVerzeichnis, tv.pfad(u"sub/"_s));
    EXPECT_EQ(n.markiert, 0);
    EXPECT_EQ(liste.Anzahl(), 2);
}

} // namespace
