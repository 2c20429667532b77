#include "core/actions/RueckDaten.h"
#include "core/util/PfadText.h"
#include "support/TestUmgebung.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rinolux;

namespace {

QString nummerPfad(const test::TestVerzeichnis &dir, const QString &nummer)
{
    return dir.pfad() + kRueckDateiVorsatz + nummer + QStringLiteral(".cfg");
}

void dateiAblegen(const QString &pfad, const QByteArray &bytes)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes a complete file with n first-section records through the writer.
void volleDatei(const QString &pfad, int n)
{
    auto w = RueckDateiAnlegen(pfad, 301, QStringLiteral("Ändern"));
    ASSERT_TRUE(w) << w.ergebnis().text().toStdString();
    for (int k = 1; k <= n; ++k)
        ASSERT_TRUE((*w)->satz(QStringLiteral("/d/"), QStringLiteral("neu%1").arg(k), QStringLiteral("alt%1").arg(k),
                               false));
    ASSERT_TRUE((*w)->schliessen(n, 0, 0));
}

// Writes a swap of a and b through temporary names, as the carry-out does.
void tauschSchreiben(RueckSchreiber &w, const QString &verz)
{
    ASSERT_TRUE(w.satz(verz, QStringLiteral("!Rin_1"), QStringLiteral("a"), false));
    ASSERT_TRUE(w.satz(verz, QStringLiteral("!Rin_2"), QStringLiteral("b"), false));
    ASSERT_TRUE(w.zweiterAbschnitt());
    ASSERT_TRUE(w.abschluss(1, verz, QStringLiteral("b"), QStringLiteral("!Rin_1"), false));
    ASSERT_TRUE(w.abschluss(2, verz, QStringLiteral("a"), QStringLiteral("!Rin_2"), false));
    ASSERT_TRUE(w.schliessen(2, 2, 0));
}

TEST(RueckNummerTest, ErsteIstEinsUndDieNaechsteZaehltWeiter)
{
    test::TestVerzeichnis dir;
    RueckIndex index(dir.pfad());
    index.IniListeRueck_Lesen();
    auto nr = index.Aktion_NeueRueckDateiNr();
    ASSERT_TRUE(nr);
    EXPECT_EQ(*nr, QStringLiteral("0000000001"));
    volleDatei(index.dateiPfad(*nr), 1);
    index.IniListeRueck_EinenAnhaengen(*nr, 301, QStringLiteral("x"), true, 50, 0, 0, 1);
    auto zweite = index.Aktion_NeueRueckDateiNr();
    ASSERT_TRUE(zweite);
    EXPECT_EQ(*zweite, QStringLiteral("0000000002"));
}

TEST(RueckNummerTest, UeberspringtBelegteNummernBisZurGrenze)
{
    test::TestVerzeichnis dir;
    RueckIndex index(dir.pfad());
    // Files put there from outside, not in the index.
    for (int k = 1; k < kRueckNummerVersuche; ++k)
        dateiAblegen(nummerPfad(dir, QStringLiteral("%1").arg(k, 10, 10, QLatin1Char('0'))), "fremd");
    auto nr = index.Aktion_NeueRueckDateiNr();
    ASSERT_TRUE(nr);
    EXPECT_EQ(*nr, QStringLiteral("0000000500"));

    dateiAblegen(nummerPfad(dir, QStringLiteral("0000000500")), "fremd");
    auto keine = index.Aktion_NeueRueckDateiNr();
    ASSERT_FALSE(keine);
    EXPECT_TRUE(keine.ergebnis().text().contains(QStringLiteral("keine Nummer mehr frei")));
}

TEST(RueckNummerTest, NummerDieZehnStellenSprengtWirdAbgelehnt)
{
    test::TestVerzeichnis dir;
    volleDatei(nummerPfad(dir, QStringLiteral("ZZZZZZZZZZ")), 1);
    RueckIndex index(dir.pfad());
    index.IniListeRueck_Lesen();
    ASSERT_EQ(index.anzahl(), 1);
    EXPECT_FALSE(index.Aktion_NeueRueckDateiNr());
}

TEST(RueckDateiTest, TauschHatZweiSaetzeUndZweiNummerierte)
{
    test::TestVerzeichnis dir;
    const QString pfad = nummerPfad(dir, QStringLiteral("0000000001"));
    auto w = RueckDateiAnlegen(pfad, 301, QStringLiteral("Ändern: Tausch\tmit TAB"));
    ASSERT_TRUE(w);
    tauschSchreiben(**w, QStringLiteral("/tmp/ä/"));

    const QByteArray bytes = lesen(pfad);
    const qsizetype z1 = bytes.indexOf("\r\n");
    const qsizetype z2 = bytes.indexOf("\r\n", z1 + 2);
    EXPECT_EQ(bytes.left(z1), kRueckWarnZeile.toUtf8());
    const QString zeile2 = QString::fromUtf8(bytes.mid(z1 + 2, z2 - z1 - 2));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{8}_\\d{6}_\\d{3}_[1-7]\t301\tÄndern: Tausch mit TAB$"))
                    .match(zeile2)
                    .hasMatch())
        << zeile2.toStdString();
    EXPECT_EQ(bytes.mid(z2 + 2), QByteArray(":\r\n/tmp/\xC3\xA4/\r\n"
                                            "!Rin_1\r\na\r\nd\r\n"
                                            "!Rin_2\r\nb\r\nd\r\n"
                                            "::\r\n"
                                            "1\r\nb\r\n!Rin_1\r\nd\r\n"
                                            "2\r\na\r\n!Rin_2\r\nd\r\n"
                                            ":::\r\n000000000200000000020000000000\r\n"));

    RueckIndex index(dir.pfad());
    index.IniListeRueck_Lesen();
    ASSERT_EQ(index.anzahl(), 1);
    const RueckIndexEintrag &e = index.eintrag(1);
    EXPECT_EQ(e.code, 301);
    EXPECT_EQ(e.beschreibung, QStringLiteral("Ändern: Tausch mit TAB"));
    EXPECT_EQ(e.anzahl, 2);
    EXPECT_EQ(e.anzahl2, 2);
    EXPECT_EQ(e.fehler, 0);
    EXPECT_EQ(e.nummer, QStringLiteral("0000000001"));
}

// A name that is no valid UTF-8 is kept as its bytes and read back as the same name, so the
// undo finds the object again.
TEST(RueckDateiTest, NamenOhneGueltigesUtf8KommenUnveraendertZurueck)
{
    test::TestVerzeichnis dir;
    const QString pfad = nummerPfad(dir, QStringLiteral("0000000001"));
    const QString verz = nameAusBytes("/tmp/\xE4/");
    const QString neu = nameAusBytes("neu\xFF");
    const QString alt = nameAusBytes("alt\xC3");
    auto w = RueckDateiAnlegen(pfad, 301, QStringLiteral("x"));
    ASSERT_TRUE(w);
    ASSERT_TRUE((*w)->satz(verz, neu, alt, false));
    ASSERT_TRUE((*w)->schliessen(1, 0, 0));
    EXPECT_TRUE(lesen(pfad).contains(":\r\n/tmp/\xE4/\r\nneu\xFF\r\nalt\xC3\r\nd\r\n"));
    const auto inhalt = RueckDateiLesen(pfad);
    ASSERT_TRUE(inhalt);
    ASSERT_EQ(inhalt->saetze.size(), 1u);
    EXPECT_EQ(inhalt->saetze[0].verzeichnis, verz);
    EXPECT_EQ(inhalt->saetze[0].name, neu);
    EXPECT_EQ(inhalt->saetze[0].wert, alt);
}

TEST(RueckDateiTest, SchreiberVerweigertWasDieDateiVerderbenWuerde)
{
    test::TestVerzeichnis dir;
    const QString pfad = nummerPfad(dir, QStringLiteral("0000000001"));
    dateiAblegen(pfad, "alt");
    EXPECT_FALSE(RueckDateiAnlegen(pfad, 301, QStringLiteral("x"))) << "an existing file is never overwritten";
    EXPECT_EQ(lesen(pfad), QByteArray("alt"));

    const QString pfad2 = nummerPfad(dir, QStringLiteral("0000000002"));
    auto w = RueckDateiAnlegen(pfad2, 301, QStringLiteral("x"));
    ASSERT_TRUE(w);
    EXPECT_FALSE((*w)->satz(QStringLiteral("/d/"), QStringLiteral("a\nb"), QStringLiteral("c"), false));
    EXPECT_FALSE((*w)->abschluss(1, QStringLiteral("/d/"), QStringLiteral("a"), QStringLiteral("b"), false))
        << "no second section yet";
    ASSERT_TRUE((*w)->satz(QStringLiteral("/d/"), QStringLiteral("a"), QStringLiteral("b"), false));
    ASSERT_TRUE((*w)->zweiterAbschnitt());
    EXPECT_FALSE((*w)->abschluss(2, QStringLiteral("/d/"), QStringLiteral("a"), QStringLiteral("b"), false))
        << "record 2 was never written";
    EXPECT_FALSE((*w)->satz(QStringLiteral("/d/"), QStringLiteral("c"), QStringLiteral("d"), false));
    EXPECT_FALSE(RueckDateiAnlegen(nummerPfad(dir, QStringLiteral("0000000003")), 999, QStringLiteral("x")));
}

// A file that cannot grow (the size limit stands in for a full disk) makes the write fail,
// and every later call fails as well, so the run stops.
TEST(RueckDateiTest, SchreibfehlerWirdGemeldetUndStopptDenSchreiber)
{
    test::TestVerzeichnis dir;
    const QString pfad = nummerPfad(dir, QStringLiteral("0000000001"));
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        rlimit grenze{300, 300};
        setrlimit(RLIMIT_FSIZE, &grenze);
        signal(SIGXFSZ, SIG_IGN);
        auto w = RueckDateiAnlegen(pfad, 301, QStringLiteral("x"));
        if (!w)
            _exit(2);
        for (int k = 0; k < 100; ++k)
            if (!(*w)->satz(QStringLiteral("/d/"), QStringLiteral("name%1").arg(k), QStringLiteral("alt"), false))
                _exit((*w)->satz(QStringLiteral("/d/"), QStringLiteral("n"), QStringLiteral("a"), false) ? 3 : 0);
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: no write failed, 2: not created, 3: went on after a failure";
}

TEST(RueckIndexTest, GrenzeLoeschtDieAeltesten)
{
    struct Fall
    {
        int grenze;
        int dateien;
        QStringList bleiben;
    };
    const Fall faelle[] = {
        {3, 4, {QStringLiteral("0000000002"), QStringLiteral("0000000003"), QStringLiteral("0000000004")}},
        {0, 2, {}},
        {-5, 1, {}},
        {50, 2, {QStringLiteral("0000000001"), QStringLiteral("0000000002")}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.grenze);
        test::TestVerzeichnis dir;
        RueckIndex index(dir.pfad());
        index.IniListeRueck_Lesen();
        for (int k = 0; k < f.dateien; ++k) {
            auto nr = index.Aktion_NeueRueckDateiNr();
            ASSERT_TRUE(nr);
            volleDatei(index.dateiPfad(*nr), 1);
            index.IniListeRueck_EinenAnhaengen(*nr, 301, QStringLiteral("x"), true, f.grenze, 0, 0, 1);
        }
        QStringList imIndex;
        for (int i = 1; i <= index.anzahl(); ++i)
            imIndex << index.eintrag(i).nummer;
        EXPECT_EQ(imIndex, f.bleiben);
        RueckIndex neu(dir.pfad());
        neu.IniListeRueck_Lesen();
        EXPECT_EQ(neu.anzahl(), f.bleiben.size()) << "the files follow the index";
    }
}

TEST(RueckIndexTest, LoeschenEntferntEintragUndDatei)
{
    test::TestVerzeichnis dir;
    RueckIndex index(dir.pfad());
    for (int k = 0; k < 3; ++k) {
        auto nr = index.Aktion_NeueRueckDateiNr();
        ASSERT_TRUE(nr);
        volleDatei(index.dateiPfad(*nr), 1);
        index.IniListeRueck_EinenAnhaengen(*nr, 301, QStringLiteral("x"), true, 50, 0, 0, 1);
    }
    index.IniListeRueck_EinenLoeschen(2);
    index.IniListeRueck_EinenLoeschen(0);
    index.IniListeRueck_EinenLoeschen(7);
    ASSERT_EQ(index.anzahl(), 2);
    EXPECT_EQ(index.eintrag(1).nummer, QStringLiteral("0000000001"));
    EXPECT_EQ(index.eintrag(2).nummer, QStringLiteral("0000000003"));
    EXPECT_FALSE(QFile::exists(index.dateiPfad(QStringLiteral("0000000002"))));
}

// Cut at every byte, the file is listed as incomplete (once line 2 is whole enough) with
// exactly the first-section records whose kind line it still holds.
TEST(RueckIndexTest, AbgeschnittenAnJederStelle)
{
    test::TestVerzeichnis quelle;
    const QString pfad = nummerPfad(quelle, QStringLiteral("0000000001"));
    std::vector<qint64> artStellen; // offset of each first-section kind letter
    {
        auto w = RueckDateiAnlegen(pfad, 301, QStringLiteral("Schnitt"));
        ASSERT_TRUE(w);
        const struct { const char *verz, *name, *wert; bool v; } saetze[] = {
            {"/a/", "n1", "alt1", false}, {"/a/", "Ü2", "alt2", true}, {"/b/c/", "n3", "alt3", false}};
        for (const auto &s : saetze) {
            ASSERT_TRUE((*w)->satz(QString::fromUtf8(s.verz), QString::fromUtf8(s.name), QString::fromUtf8(s.wert), s.v));
            artStellen.push_back(QFileInfo(pfad).size() - 3);
        }
        ASSERT_TRUE((*w)->zweiterAbschnitt());
        ASSERT_TRUE((*w)->abschluss(2, QStringLiteral("/a/"), QStringLiteral("fertig"), QStringLiteral("Ü2"), true));
        ASSERT_TRUE((*w)->schliessen(3, 1, 0));
    }
    const QByteArray voll = lesen(pfad);
    const qsizetype kopfEnde = voll.indexOf('\t', voll.indexOf('\t') + 1); // line 2 has three fields from here on

    test::TestVerzeichnis dir;
    const QString ziel = nummerPfad(dir, QStringLiteral("0000000001"));
    for (qsizetype schnitt = 0; schnitt <= voll.size(); ++schnitt) {
        SCOPED_TRACE(schnitt);
        QFile::remove(ziel);
        dateiAblegen(ziel, voll.left(schnitt));
        RueckIndex index(dir.pfad());
        index.IniListeRueck_Lesen();
        if (schnitt <= kopfEnde) {
            EXPECT_EQ(index.anzahl(), 0);
            continue;
        }
        ASSERT_EQ(index.anzahl(), 1);
        if (schnitt == voll.size()) {
            EXPECT_EQ(index.eintrag(1).fehler, 0);
            EXPECT_EQ(index.eintrag(1).anzahl, 3);
            continue;
        }
        const auto lesbar = std::count_if(artStellen.begin(), artStellen.end(), [&](qint64 s) { return s < schnitt; });
        EXPECT_EQ(index.eintrag(1).fehler, -1);
        EXPECT_EQ(index.eintrag(1).anzahl, lesbar);
        EXPECT_EQ(index.eintrag(1).anzahl2, 0);
        const auto inhalt = RueckDateiLesen(ziel);
        ASSERT_TRUE(inhalt);
        for (const RueckSatz &s : inhalt->saetze)
            EXPECT_TRUE(s.verzeichnis == u"/a/" || s.verzeichnis == u"/b/c/") << s.verzeichnis.toStdString();
    }
}

struct FeindFall
{
    const char *name;
    QByteArray rumpf;    // everything after line 2
    int saetze;          // records read
    int fehlerhaft;      // records skipped
};

class RueckFeindTest : public ::testing::TestWithParam<FeindFall>
{
};

TEST_P(RueckFeindTest, WirdGelesenOhneFremdePfade)
{
    const FeindFall &f = GetParam();
    test::TestVerzeichnis dir;
    const QString pfad = nummerPfad(dir, QStringLiteral("0000000001"));
    dateiAblegen(pfad, "Warnung\r\n20240101_120000_000_1\t301\tx\r\n" + f.rumpf);
    const auto inhalt = RueckDateiLesen(pfad);
    ASSERT_TRUE(inhalt);
    EXPECT_EQ(int(inhalt->saetze.size()), f.saetze);
    EXPECT_EQ(inhalt->fehlerhaft, f.fehlerhaft);
    for (const RueckSatz &s : inhalt->saetze) {
        EXPECT_TRUE(s.verzeichnis.startsWith(u'/') && !s.verzeichnis.contains(QStringLiteral("/../")));
        EXPECT_FALSE(s.name.contains(u'/'));
    }
    RueckIndex index(dir.pfad());
    index.IniListeRueck_Lesen();
    EXPECT_EQ(index.anzahl(), 1) << "listed, never dropped for a bad record";
}

const QByteArray kZweiSaetze = ":\r\n/d/\r\nn1\r\na1\r\nd\r\nn2\r\na2\r\nd\r\n";

INSTANTIATE_TEST_SUITE_P(
    Faelle, RueckFeindTest,
    ::testing::Values(
        FeindFall{"Gut", kZweiSaetze + "::\r\n2\r\nfertig\r\nn2\r\nd\r\n:::\r\n000000000200000000010000000000\r\n", 3, 0},
        FeindFall{"NummerZuGross", kZweiSaetze + "::\r\n3\r\nx\r\nn2\r\nd\r\n", 2, 1},
        FeindFall{"NummerNull", kZweiSaetze + "::\r\n0\r\nx\r\nn2\r\nd\r\n", 2, 1},
        FeindFall{"NummerNegativ", kZweiSaetze + "::\r\n-1\r\nx\r\nn2\r\nd\r\n", 2, 1},
        FeindFall{"NummerRiesig", kZweiSaetze + "::\r\n99999999999999999999999\r\nx\r\nn2\r\nd\r\n", 2, 1},
        FeindFall{"NummerDoppelt", kZweiSaetze + "::\r\n1\r\nx\r\nn1\r\nd\r\n1\r\ny\r\nn1\r\nd\r\n", 3, 1},
        FeindFall{"NameMitPunktPunkt", ":\r\n/d/\r\n..\r\na\r\nd\r\nok\r\na\r\nd\r\n", 1, 1},
        FeindFall{"NameMitSchraegstrich", ":\r\n/d/\r\n../../etc/passwd\r\na\r\nd\r\n", 0, 1},
        FeindFall{"AlterNameMitSchraegstrich", ":\r\n/d/\r\nn\r\n../x\r\nd\r\n", 0, 1},
        FeindFall{"VerzeichnisRelativ", ":\r\nd/\r\nn\r\na\r\nd\r\n:\r\n/e/\r\nn\r\na\r\nd\r\n", 1, 1},
        FeindFall{"VerzeichnisMitPunktPunkt", ":\r\n/d/../etc/\r\nn\r\na\r\nd\r\nm\r\na\r\nd\r\n", 0, 2},
        FeindFall{"ArtUnbekannt", ":\r\n/d/\r\nn\r\na\r\nx\r\n", 0, 1},
        FeindFall{"RiesigeZeile", ":\r\n/d/\r\n" + QByteArray(100000, 'n') + "\r\na\r\nd\r\nok\r\na\r\nd\r\n", 1, 1},
        FeindFall{"UngueltigesUtf8NurInSeinerZeile", ":\r\n/d/\r\nn\xFF\r\na\r\nd\r\n\xC3\xBC\r\na\r\nd\r\n", 2, 0},
        FeindFall{"AbschnittZuFrueh", ":\r\n/d/\r\nn\r\n::\r\n1\r\nx\r\nn\r\nd\r\n", 0, 2},
        FeindFall{"OhneSchluss", kZweiSaetze, 2, 0},
        FeindFall{"NurDoppelpunkt", ":\r\n", 0, 1},
        FeindFall{"Leer", "", 0, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RueckIndexTest, KopfzeileEntscheidetObDieDateiGelistetWird)
{
    const struct
    {
        const char *name;
        QByteArray kopf;
        bool gelistet;
    } faelle[] = {
        {"dreiFelder", "20240101_120000_000_1\t302\tAttribute", true},
        {"zweiFelder", "20240101_120000_000_1\t301", false},
        {"CodeUnbekannt", "20240101_120000_000_1\t999\tx", false},
        {"CodeKeineZahl", "20240101_120000_000_1\tabc\tx", false},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.name);
        test::TestVerzeichnis dir;
        dateiAblegen(nummerPfad(dir, QStringLiteral("0000000007")), "Warnung\r\n" + f.kopf + "\r\n");
        // Names that only look like undo files stay out.
        dateiAblegen(dir.pfad() + kRueckDateiVorsatz + QStringLiteral("000000001.cfg"), "Warnung\r\n" + f.kopf + "\r\n");
        dateiAblegen(dir.pfad() + kRueckDateiVorsatz + QStringLiteral("00000000-1.cfg"), "Warnung\r\n" + f.kopf + "\r\n");
        RueckIndex index(dir.pfad());
        index.IniListeRueck_Lesen();
        ASSERT_EQ(index.anzahl(), f.gelistet ? 1 : 0);
        if (f.gelistet) {
            EXPECT_EQ(index.eintrag(1).nummer, QStringLiteral("0000000007"));
            EXPECT_EQ(index.eintrag(1).fehler, -1);
            EXPECT_EQ(index.eintrag(1).anzahl, 0);
        }
    }
}

} // namespace
