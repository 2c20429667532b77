#include "core/engine/HerstellVorschau.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace rinolux;

namespace {

struct Eintrag
{
    Eintrag(const char *n, bool v = false) : name(QString::fromUtf8(n)), verz(v) {}
    Eintrag(QString n, bool v = false) : name(std::move(n)), verz(v) {}
    QString name;
    bool verz = false;
};

struct Erwartet
{
    QString pfad; // column 7 relative to the fixture's directory ("-": empty)
    QString name; // column 8
    QString ergebnis;
};

struct Fall
{
    const char *name;
    AktionsCode code;
    QList<Eintrag> eintraege;
    std::function<void(TeilRegel &, const QString &verz)> setzen;
    QList<Erwartet> zeilen;
    QString zusammenfassung; // empty: not checked
};

class HerstellVorschauTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tmp.isValid());
        m_verz = m_tmp.path() + u'/';
        for (const char *datei : {"vorlage.txt", "schon.txt"}) {
            QFile f(m_verz + QString::fromLatin1(datei));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir(m_verz).mkdir(QStringLiteral("unter")));
    }

    ListenDaten auswahl(const QList<Eintrag> &eintraege) const
    {
        ListenDaten a(AZelle::Anzahl);
        for (const Eintrag &e : eintraege) {
            const int z = a.ZeilenAnhaengen(1);
            a.ZelleSetzen(z, AZelle::Pfad, m_verz);
            a.ZelleSetzen(z, AZelle::PfadNr, QStringLiteral("1"));
            a.ZelleSetzen(z, AZelle::Name, e.name);
            a.VerzSetzen(z, e.verz);
            a.MarkSetzen(z, true);
        }
        return a;
    }

    VorschauLaufErgebnis lauf(ListenDaten &v, const ListenDaten &a, const TeilRegel &t)
    {
        StillerFortschritt still;
        Regel r;
        r.teile.append(t);
        VorschauZeilenAufbauen(v, a, t.code);
        return Aktion_VorschauAnzeigen(v, a, RegelSchreiben(r), {}, still);
    }

    static TeilRegel regel(AktionsCode code)
    {
        TeilRegel t;
        t.code = code;
        t.herst.ort = HerstOrt::Pfad;
        return t;
    }

    QTemporaryDir m_tmp;
    QString m_verz;
};

TEST_F(HerstellVorschauTest, ZeilenUndPruefungenJeFall)
{
    const QList<Fall> faelle{
        {"LaufendeNummernVonEinerDatei",
         253,
         {},
         [](TeilRegel &t, const QString &v) {
             t.herst.ort = HerstOrt::Quelle;
             t.herst.quelleDatei = v + QStringLiteral("vorlage.txt");
             t.nummer = {QStringLiteral("Datei"), QStringLiteral("1"), QStringLiteral("1"),
                         QStringLiteral(".txt")};
             t.herst.anzahl = QStringLiteral("3");
         },
         {{"", "Datei1.txt", "ok"}, {"", "Datei2.txt", "ok"}, {"", "Datei3.txt", "ok"}},
         QStringLiteral("Alle 3 können hergestellt werden. ->")},
        {"ZehnLeereOrdner",
         293,
         {},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v + QStringLiteral("neu");
             t.nummer = {QStringLiteral("Ordner "), QStringLiteral("01"), QStringLiteral("1"), QString()};
             t.herst.anzahl = QStringLiteral("10");
         },
         {{"neu/", "Ordner 01", "ok"},
          {"neu/", "Ordner 02", "ok"},
          {"neu/", "Ordner 03", "ok"},
          {"neu/", "Ordner 04", "ok"},
          {"neu/", "Ordner 05", "ok"},
          {"neu/", "Ordner 06", "ok"},
          {"neu/", "Ordner 07", "ok"},
          {"neu/", "Ordner 08", "ok"},
          {"neu/", "Ordner 09", "ok"},
          {"neu/", "Ordner 10", "ok"}},
         {}},
        {"ListeKuerzerAlsAuswahl",
         272,
         {{"a.txt"}, {"b.txt"}, {"c.txt"}},
         [](TeilRegel &t, const QString &) {
             t.herst.ort = HerstOrt::Auswahl;
             t.liste = {QStringLiteral("K-"),
                        {QStringLiteral("eins"), QStringLiteral("zwei")},
                        QStringLiteral(".txt")};
         },
         {{"", "K-eins.txt", "ok"}, {"", "K-zwei.txt", "ok"}, {"", "K-.txt", "ok"}},
         {}},
        {"NurDasFormat",
         281,
         {{"bild.jpeg"}},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.herst.auswahl = 2;
         },
         {{"", "jpeg", "ok"}},
         {}},
        {"KopieAufSichSelbstSchonVorhanden",
         271,
         {{"schon.txt"}},
         [](TeilRegel &t, const QString &) { t.herst.ort = HerstOrt::Auswahl; },
         {{"", "schon.txt", "neuer Name schon vorhanden"}},
         QStringLiteral("Keine kann hergestellt werden. Alle 1 sind fehlerhaft.")},
        {"FremdesZielSchonVorhanden",
         282,
         {},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.liste.zeilen = {QStringLiteral("schon.txt"), QStringLiteral("frei.txt")};
         },
         {{"", "schon.txt", "neuer Name schon vorhanden"}, {"", "frei.txt", "ok"}},
         {}},
        {"VorlageFehlt",
         251,
         {{"a"}, {"b"}},
         [](TeilRegel &t, const QString &v) {
             t.herst.ort = HerstOrt::Quelle;
             t.herst.quelleDatei = v + QStringLiteral("fehlt.txt");
         },
         {{"", "a", "Vorlage-Datei nicht gefunden"}, {"", "b", "Vorlage-Datei nicht gefunden"}},
         {}},
        {"VorlageIstVerzeichnis",
         252,
         {},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.herst.quelleDatei = v + QStringLiteral("unter");
             t.liste.zeilen = {QStringLiteral("x")};
         },
         {{"", "x", "Vorlage-Datei nicht gefunden"}},
         {}},
        {"PfadMitPunktPunkt",
         292,
         {},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v + QStringLiteral("a/../b");
             t.liste.zeilen = {QStringLiteral("x"), QStringLiteral("y")};
         },
         {{"a/../b/", "x", "neues Verzeichnis ungültig"}, {"a/../b/", "y", "neues Verzeichnis ungültig"}},
         {}},
        {"OhneZiel",
         292,
         {},
         [](TeilRegel &t, const QString &) {
             t.herst.ort = HerstOrt::Keiner;
             t.liste.zeilen = {QStringLiteral("x")};
         },
         {{"-", "x", "neues Verzeichnis ungültig"}},
         {}},
        // "A" names the entry's directory; rows made from a count have none.
        {"AuswahlOrtOhneEintrag",
         283,
         {{"a.txt"}},
         [](TeilRegel &t, const QString &) {
             t.herst.ort = HerstOrt::Auswahl;
             t.nummer = {QStringLiteral("n"), QStringLiteral("1"), QStringLiteral("1"), QString()};
             t.herst.anzahl = QStringLiteral("1");
         },
         {{"-", "n1", "neues Verzeichnis ungültig"}},
         {}},
        {"FormelOhneSchraegstrich",
         284,
         {},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.formel = QStringLiteral("abc");
             t.herst.anzahl = QStringLiteral("2");
         },
         {{"", "", "Formel falsch"}, {"", "", "Formel falsch"}},
         QStringLiteral("Keine kann hergestellt werden. Alle 2 sind fehlerhaft.")},
        {"DoppelteWoerter",
         282,
         {},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.liste.zeilen = {QStringLiteral("Gleich"), QStringLiteral("gleich"), QStringLiteral("anders")};
         },
         {{"", "Gleich", "neuer Name doppelt"}, {"", "gleich", "neuer Name doppelt"}, {"", "anders", "ok"}},
         QStringLiteral("Nur 1 können hergestellt werden. 2 sind fehlerhaft. ->")},
        {"AnzahlNull",
         283,
         {},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.herst.anzahl = QStringLiteral("0");
         },
         {},
         QStringLiteral("Die Anzahl der Dateien oder Verzeichnisse ist zu gering.")},
        {"AnzahlZehnMillionen",
         293,
         {},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.herst.anzahl = QStringLiteral("10.000.000");
         },
         {},
         HerstellZuVieleText()},
        {"AnzahlUeber64Bit",
         283,
         {},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.herst.anzahl = QStringLiteral("99999999999999999999999");
         },
         {},
         HerstellZuVieleText()},
        {"EndungenMehrerer",
         249,
         {{"x.001"}, {"x.002"}, {"y.001"}, {"z.txt"}},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.herst.verbinden = QStringLiteral(".001");
         },
         {{"", "x", "ok"}, {"-", "", "(wird hinzugefügt)"}, {"", "y", "ok"}, {"-", "", "ungültige Datei"}},
         QStringLiteral("Nur 3 können hergestellt werden. 1 sind fehlerhaft. ->")},
        {"EndungenMitLeeremStueck",
         249,
         {{"x.A"}, {"abc.001"}},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.herst.verbinden = QStringLiteral("*.001|:.a");
         },
         {{"", "x", "ok"}, {"", "ab", "ok"}},
         {}},
        // An ending that fits every piece: the later pieces are appended, not new files.
        {"EndungPasstAufJedesStueck",
         249,
         {{"x.001"}, {"x.002"}, {"x.003"}},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.herst.verbinden = QStringLiteral(".0??");
         },
         {{"", "x", "ok"}, {"-", "", "(wird hinzugefügt)"}, {"-", "", "(wird hinzugefügt)"}},
         QStringLiteral("Alle 3 können hergestellt werden. ->")},
        {"VerzeichnisZwischenDenStuecken",
         249,
         {{"x.001"}, {"unter", true}, {"x.002"}},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.herst.verbinden = QStringLiteral(".001");
         },
         {{"", "x", "ok"}, {"-", "", "(wird ignoriert)"}, {"-", "", "(wird hinzugefügt)"}},
         {}},
        // After a faulty first piece every later piece of that file is faulty too.
        {"ErstesStueckBelegt",
         249,
         {{"schon.txt.001"}, {"schon.txt.002"}},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.herst.verbinden = QStringLiteral(".001");
         },
         {{"", "schon.txt", "neuer Name schon vorhanden"}, {"-", "", "(wird ignoriert)"}},
         {}},
        {"EineGrosseMitVerzeichnisVorne",
         250,
         {{"unter", true}, {"a"}, {"b"}},
         [](TeilRegel &t, const QString &v) {
             t.herst.ortPfad = v;
             t.herst.verbinden = QStringLiteral("alles.bin");
         },
         {{"-", "", "(wird ignoriert)"}, {"", "alles.bin", "ok"}, {"-", "", "(wird hinzugefügt)"}},
         QStringLiteral("Keine kann hergestellt werden. Alle 1 sind fehlerhaft.")},
        {"EineGrosseOhneZiel",
         250,
         {{"a"}, {"b"}},
         [](TeilRegel &t, const QString &) {
             t.herst.ort = HerstOrt::Keiner;
             t.herst.verbinden = QStringLiteral("alles.bin");
         },
         {{"-", "alles.bin", "neues Verzeichnis ungültig"}, {"-", "", "(wird ignoriert)"}},
         {}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        TeilRegel t = regel(f.code);
        f.setzen(t, m_verz);
        const ListenDaten a = auswahl(f.eintraege);
        ListenDaten v(VZelle::Anzahl);
        const VorschauLaufErgebnis e = lauf(v, a, t);
        ASSERT_EQ(v.Anzahl(), f.zeilen.size());
        for (int z = 1; z <= v.Anzahl(); ++z) {
            SCOPED_TRACE(z);
            const Erwartet &w = f.zeilen[z - 1];
            const QString pfad = w.pfad == u"-" ? QString() : m_verz + w.pfad;
            EXPECT_EQ(v.Zelle(z, VZelle::NeuPfad), pfad);
            EXPECT_EQ(v.Zelle(z, VZelle::NeuName), w.name);
            EXPECT_EQ(v.Zelle(z, VZelle::Ergebnis), w.ergebnis);
            EXPECT_EQ(v.Warn(z), w.ergebnis != u"ok" && w.ergebnis != HerstellHinzuText);
        }
        if (!f.zusammenfassung.isEmpty()) {
            EXPECT_EQ(e.auswertung.text, f.zusammenfassung);
        }
        EXPECT_EQ(e.auswertung.aktionFrei, e.auswertung.text.endsWith(QStringLiteral("->")));
    }
}

TEST_F(HerstellVorschauTest, QuelleUndVerzeichnisFlagJeFamilie)
{
    // Copies carry their source; new directories are directories; the rows of a copied
    // directory keep its flag, so the carry-out makes an empty directory of it.
    TeilRegel kopien = regel(271);
    kopien.herst.ort = HerstOrt::Auswahl;
    const ListenDaten a = auswahl({{QStringLiteral("a.txt")}, {QStringLiteral("unter"), true}});
    ListenDaten v(VZelle::Anzahl);
    lauf(v, a, kopien);
    ASSERT_EQ(v.Anzahl(), 2);
    EXPECT_EQ(v.Zelle(1, VZelle::Pfad), m_verz);
    EXPECT_EQ(v.Zelle(1, VZelle::Name), QStringLiteral("a.txt"));
    EXPECT_FALSE(v.Verz(1));
    EXPECT_TRUE(v.Verz(2));
    EXPECT_EQ(v.Link(1), 1);

    TeilRegel teile = regel(262);
    teile.herst.ort = HerstOrt::Quelle;
    teile.herst.quelleDatei = m_verz + QStringLiteral("vorlage.txt");
    teile.liste.zeilen = {QStringLiteral("t1"), QStringLiteral("t2")};
    lauf(v, ListenDaten(AZelle::Anzahl), teile);
    ASSERT_EQ(v.Anzahl(), 2);
    for (int z = 1; z <= 2; ++z) {
        EXPECT_EQ(v.Zelle(z, VZelle::Pfad), m_verz);
        EXPECT_EQ(v.Zelle(z, VZelle::Name), QStringLiteral("vorlage.txt"));
        EXPECT_EQ(v.Zelle(z, VZelle::NeuPfad), m_verz);
        EXPECT_FALSE(v.Verz(z));
        EXPECT_EQ(v.Link(z), 0);
    }

    TeilRegel verz = regel(292);
    verz.herst.ortPfad = m_verz;
    verz.liste.zeilen = {QStringLiteral("v1"), QStringLiteral("v2")};
    lauf(v, ListenDaten(AZelle::Anzahl), verz);
    ASSERT_EQ(v.Anzahl(), 2);
    EXPECT_TRUE(v.Verz(1));
    EXPECT_TRUE(v.Verz(2));
    EXPECT_TRUE(v.Zelle(1, VZelle::Pfad).isEmpty());
}

TEST(HerstellPfadTest, GueltigeUndUngueltigeZiele)
{
    EXPECT_TRUE(HerstellPfadGueltig(QStringLiteral("/")));
    EXPECT_TRUE(HerstellPfadGueltig(QStringLiteral("/gibt/es/noch/nicht")));
    EXPECT_TRUE(HerstellPfadGueltig(QStringLiteral("/a/b/")));
    for (const char *p : {"", "relativ", "/a/../b/", "/a/./b", "/a//b", "/a/..", "/a/b?c", "/a/b\tc", "/a:b"})
        EXPECT_FALSE(HerstellPfadGueltig(QString::fromLatin1(p))) << p;
}

TEST(HerstellPfadTest, EndungenUndTreffer)
{
    EXPECT_EQ(HerstellEndungen(QStringLiteral("*.001|:.a")),
              (QStringList{QStringLiteral("*.001"), QStringLiteral(".a")}));
    const QStringList e{QStringLiteral(".0?1"), QStringLiteral(".TXT")};
    EXPECT_EQ(HerstellEndungFinden(QStringLiteral("x.051"), e), 0);
    EXPECT_EQ(HerstellEndungFinden(QStringLiteral("x.txt"), e), 1);
    EXPECT_EQ(HerstellEndungFinden(QStringLiteral("x.0011"), e), -1);
    EXPECT_EQ(HerstellEndungFinden(QStringLiteral("x.doc"), e), -1);
}

TEST_F(HerstellVorschauTest, AbbruchMarkiertJedeZeile)
{
    class AbbruchFortschritt final : public StillerFortschritt
    {
    public:
        void FortSchritt(qint64, qint64 erledigt, qint64, qint64) override
        {
            if (erledigt >= 2)
                Abbruch = true;
        }
    } fort;
    TeilRegel t = regel(283);
    t.herst.ortPfad = m_verz;
    t.nummer = {QStringLiteral("n"), QStringLiteral("1"), QStringLiteral("1"), QString()};
    t.herst.anzahl = QStringLiteral("5");
    Regel r;
    r.teile.append(t);
    ListenDaten v(VZelle::Anzahl);
    const VorschauLaufErgebnis e =
        Aktion_VorschauAnzeigen(v, ListenDaten(AZelle::Anzahl), RegelSchreiben(r), {}, fort);
    EXPECT_TRUE(e.abgebrochen);
    EXPECT_FALSE(e.auswertung.aktionFrei);
    for (int z = 1; z <= v.Anzahl(); ++z) {
        EXPECT_TRUE(v.Warn(z));
        EXPECT_EQ(v.Zelle(z, VZelle::Ergebnis), VorschauAbgebrochenText);
    }
}

} // namespace
