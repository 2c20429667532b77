#include "core/engine/RegelCode.h"
#include "core/platform/Plattform.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>

using namespace rinolux;

namespace {

struct Ausgabe
{
    int status = -1;
    QString aus;
    QString fehler;
};

// Runs the built program with its own data directory, in the fixture directory.
Ausgabe starten(const test::TestVerzeichnis &dir, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.pfad(QStringLiteral(".konfig")));
    env.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir.pfad(QStringLiteral("f")));
    p.start(QStringLiteral(RINOLUX_REGEL_PROGRAMM), args);
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

Stellenangabe stelle(int art, qint64 anzahl, int gruppe)
{
    Stellenangabe s;
    s.art = art;
    s.anzahl = anzahl;
    s.gruppe = gruppe;
    return s;
}

constexpr int kGruppeZeichen = 0;
constexpr int kGruppeZahl = 9;

// A sub-rule over the whole name part: from the first character to the last, every character.
TeilRegel ganz(AktionsCode code, int namensTeil = 1)
{
    TeilRegel r;
    r.code = code;
    r.namensTeil = namensTeil;
    r.von = stelle(1, 1, kGruppeZeichen);
    r.bis = stelle(1, -1, kGruppeZeichen);
    r.teilstueck = stelle(6, 1, kGruppeZeichen);
    return r;
}

QString code(std::initializer_list<TeilRegel> teile)
{
    Regel r;
    r.teile = teile;
    return RegelSchreiben(r);
}

TeilRegel mit(TeilRegel r, const std::function<void(TeilRegel &)> &f)
{
    f(r);
    return r;
}

struct Fall
{
    const char *name;
    QStringList args;
    // Expected output; "{D}" stands for the fixture directory.
    QString aus;
    int status;
};

void PrintTo(const Fall &f, std::ostream *os) { *os << f.name; }

const QString kKopf = QStringLiteral("{D}\t");

// One preview row of a name rule: present path and name, new path and name, result.
QString zeile(const char *alt, const char *neu, const char *ergebnis)
{
    return QStringLiteral("{D}\t%1\t\t\t\t\t{D}\t%2\t\t\t%3\n")
        .arg(QString::fromUtf8(alt), QString::fromUtf8(neu), QString::fromUtf8(ergebnis));
}

QList<Fall> faelle()
{
    const TeilRegel nummern = mit(ganz(213), [](TeilRegel &r) {
        r.hinVH = 0;
        r.hinStelle = stelle(1, 1, kGruppeZeichen);
        r.nummer = {QString(), QStringLiteral("001"), QStringLiteral("1"), QStringLiteral("_")};
    });
    const TeilRegel wertPlus = mit(ganz(221), [](TeilRegel &r) {
        r.teilstueck = stelle(1, 1, kGruppeZahl);
        r.buchstabe = u'+';
        r.wert = QStringLiteral("5");
    });
    const TeilRegel zeichenListe = mit(ganz(229), [](TeilRegel &r) {
        r.filterAlt = QStringLiteral("ü|ä");
        r.filterNeu = QStringLiteral("ue|ae");
    });
    const TeilRegel frei = mit(TeilRegel{}, [](TeilRegel &r) {
        r.code = 209;
        r.freiNamensTeil = 1;
        r.freiZeilen = {QStringLiteral("Anna")};
    });
    const TeilRegel nurLesen = mit(TeilRegel{}, [](TeilRegel &r) {
        r.code = 205;
        r.attribute = {AttributWahl::Lassen, AttributWahl::Setzen, AttributWahl::Lassen, AttributWahl::Lassen};
    });
    const TeilRegel system = mit(nurLesen, [](TeilRegel &r) {
        r.attribute = {AttributWahl::Lassen, AttributWahl::Lassen, AttributWahl::Setzen, AttributWahl::Lassen};
    });
    const TeilRegel jahr = mit(TeilRegel{}, [](TeilRegel &r) {
        r.code = 112;
        r.zeit.wert = QStringLiteral("2020    _      _000");
    });
    // 29 February of the file does not exist in 2001.
    const TeilRegel jahrOhneTag = mit(jahr, [](TeilRegel &r) { r.zeit.wert = QStringLiteral("2001    _      _000"); });
    const TeilRegel grossUnterstrich = mit(ganz(221), [](TeilRegel &r) {
        r.buchstabe = u'g';
        r.wert.clear();
    });

    const TeilRegel pfadDavor = mit(TeilRegel{}, [](TeilRegel &r) {
        r.code = 215;
        r.hinStelle = stelle(1, 1, kGruppeZeichen);
        r.wert = QStringLiteral("../");
    });
    const TeilRegel zeitAb2020 = mit(TeilRegel{}, [](TeilRegel &r) {
        r.code = 111;
        r.zeit.wert = QStringLiteral("20200101_000000_000");
        r.zeit.diff = QStringLiteral("1");
    });

    return {
        {"LeerzeichenDurchUnterstrich",
         {QStringLiteral("--regel"), QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen"),
          QStringLiteral("a b"), QStringLiteral("Urlaub  am See.txt"), QStringLiteral("bild9.png")},
         zeile("a b", "a_b", "ok") + zeile("Urlaub  am See.txt", "Urlaub__am_See.txt", "ok") +
             zeile("bild9.png", "bild9.png", "keine Veränderung") +
             QStringLiteral("Alle 3 können geändert werden. ->\n"),
         0},
        // Two existing files that differ in case only keep their names: no duplicates; a
        // name that changes into another row's name, in whatever case, is one.
        {"BehalteneNamenNichtDoppelt",
         {QStringLiteral("--regel"), QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen"),
          QStringLiteral("ChangeLog.gz"), QStringLiteral("changelog.gz"), QStringLiteral("Change_Log.gz"),
          QStringLiteral("change log.gz")},
         zeile("ChangeLog.gz", "ChangeLog.gz", "keine Veränderung") +
             zeile("changelog.gz", "changelog.gz", "keine Veränderung") +
             zeile("Change_Log.gz", "Change_Log.gz", "neuer Name doppelt") +
             zeile("change log.gz", "change_log.gz", "neuer Name doppelt") +
             QStringLiteral("Nur 2 können geändert werden. 2 sind fehlerhaft. ->\n"),
         0},
        {"DoppelteLeerzeichen",
         {QStringLiteral("--regel"), QStringLiteral("Ändern: doppelte Leerzeichen vereinfachen"),
          QStringLiteral("Urlaub  am See.txt"), QStringLiteral("a b")},
         zeile("Urlaub  am See.txt", "Urlaub am See.txt", "ok") + zeile("a b", "a b", "keine Veränderung") +
             QStringLiteral("Alle 2 können geändert werden. ->\n"),
         0},
        {"GrossMitVerzeichnis",
         {QStringLiteral("--regel"), QStringLiteral("Ändern: alle Buchstaben großmachen"),
          QStringLiteral("Foto 001.JPG"), QStringLiteral("Ordner x")},
         zeile("Foto 001.JPG", "FOTO 001.JPG", "ok") + zeile("Ordner x", "ORDNER X", "ok") +
             QStringLiteral("Alle 2 können geändert werden. ->\n"),
         0},
        {"LaufendeNummern",
         {QStringLiteral("--regelcode"), code({nummern}), QStringLiteral("a b"), QStringLiteral("bild9.png")},
         zeile("a b", "001_a b", "ok") + zeile("bild9.png", "002_bild9.png", "ok") +
             QStringLiteral("Alle 2 können geändert werden. ->\n"),
         0},
        {"WertPlus",
         {QStringLiteral("--regelcode"), code({wertPlus}), QStringLiteral("bild9.png"),
          QStringLiteral("Foto 001.JPG")},
         zeile("bild9.png", "bild14.png", "ok") + zeile("Foto 001.JPG", "Foto 006.JPG", "ok") +
             QStringLiteral("Alle 2 können geändert werden. ->\n"),
         0},
        {"ZeichenListe",
         {QStringLiteral("--regelcode"), code({zeichenListe}), QStringLiteral("Bücher äü.txt")},
         zeile("Bücher äü.txt", "Buecher aeue.txt", "ok") +
             QStringLiteral("Alle 1 können geändert werden. ->\n"),
         0},
        {"FreieNamenZuWenige",
         {QStringLiteral("--regelcode"), code({frei}), QStringLiteral("a b"), QStringLiteral("bild9.png"),
          QStringLiteral("Foto 001.JPG")},
         // Rows without a line of their own get an empty name.
         zeile("a b", "Anna", "ok") + zeile("bild9.png", "", "neuer Name zu kurz") +
             zeile("Foto 001.JPG", "", "neuer Name zu kurz") +
             QStringLiteral("In der oben stehenden Liste fehlen 2 neue Namen.\n"),
         1},
        {"Kombiniert",
         {QStringLiteral("--regelcode"),
          code({mit(ganz(221),
                    [](TeilRegel &r) {
                        r.teilstueck = stelle(6, 1, 1);
                        r.teilstueck.wort = QStringLiteral(" ");
                        r.teilstueck.gross = QStringLiteral("N");
                        r.buchstabe = u'w';
                        r.wert = QStringLiteral("_");
                    }),
                grossUnterstrich}),
          QStringLiteral("a b")},
         zeile("a b", "A_B", "ok") + QStringLiteral("Alle 1 können geändert werden. ->\n"),
         0},
        {"PfadInNamenVorZeitRegel",
         {QStringLiteral("--regelcode"), code({pfadDavor, zeitAb2020}), QStringLiteral("a b")},
         QStringLiteral("{D}\ta b\t\t\t\t\t{D}\t../a b\t20200101_000000_000_3\t\t"
                        "neuer Name enthält unmögliches Zeichen\n"
                        "Keine kann geändert werden. Alle 1 sind fehlerhaft.\n"),
         1},
        {"AttributNurLesen",
         {QStringLiteral("--regelcode"), code({nurLesen}), QStringLiteral("a b")},
         QStringLiteral("{D}\ta b\t\t\t\t0\t\ta b\t\t1\tok\nAlle 1 können geändert werden. ->\n"),
         0},
        {"AttributSystemNichtMoeglich",
         {QStringLiteral("--regelcode"), code({system}), QStringLiteral("a b")},
         QStringLiteral("{D}\ta b\t\t\t\t0\t\ta b\t\t4\tauf diesem System nicht möglich\n"
                        "Keine kann geändert werden. Alle 1 sind fehlerhaft.\n"),
         1},
        {"ZeitNurJahr",
         {QStringLiteral("--regelcode"), code({jahr}), QStringLiteral("a b")},
         QStringLiteral("{D}\ta b\t20240229_120000_000_4\t{H}\t20240301_080000_000_5\t\t\ta b\t"
                        "20200229_120000_000_6\t\tok\nAlle 1 können geändert werden. ->\n"),
         0},
        {"ZeitFalscherTag",
         {QStringLiteral("--regelcode"), code({jahrOhneTag}), QStringLiteral("a b")},
         QStringLiteral(
             "{D}\ta b\t20240229_120000_000_4\t{H}\t20240301_080000_000_5\t\t\ta b\t"
             "????????_??????.000_?\t\tfalsche Zeit\nKeine kann geändert werden. Alle 1 sind fehlerhaft.\n"),
         1},
    };
}

class RinoluxRegelTest : public ::testing::TestWithParam<Fall>
{
protected:
    void SetUp() override
    {
        m_dir.dateienAnlegen({QStringLiteral("f/a b"), QStringLiteral("f/Urlaub  am See.txt"), QStringLiteral("f/bild9.png"),
                              QStringLiteral("f/Foto 001.JPG"), QStringLiteral("f/Ordner x/"),
                              QStringLiteral("f/Bücher äü.txt"), QStringLiteral("f/ChangeLog.gz"),
                              QStringLiteral("f/changelog.gz"), QStringLiteral("f/Change_Log.gz"),
                              QStringLiteral("f/change log.gz")});
        // Fixed times (UTC for the run) so the time columns can be compared.
        const int r = QProcess::execute(QStringLiteral("touch"),
                                        {QStringLiteral("-m"), QStringLiteral("-d"), QStringLiteral("2024-02-29 12:00:00Z"),
                                         m_dir.pfad(QStringLiteral("f/a b"))}) +
                      QProcess::execute(QStringLiteral("touch"),
                                        {QStringLiteral("-a"), QStringLiteral("-d"), QStringLiteral("2024-03-01 08:00:00Z"),
                                         m_dir.pfad(QStringLiteral("f/a b"))});
        ASSERT_EQ(r, 0);
    }
    test::TestVerzeichnis m_dir;
};

TEST_P(RinoluxRegelTest, Ausgabe)
{
    const Fall &f = GetParam();
    const Ausgabe a = starten(m_dir, f.args);
    QString erwartet = f.aus;
    erwartet.replace(QStringLiteral("{D}"), m_dir.pfad(QStringLiteral("f/")));
    if (erwartet.contains(QStringLiteral("{H}"))) {
        // The birth time cannot be set; take it from the row itself.
        const QStringList zellen = a.aus.section(u'\n', 0, 0).split(u'\t');
        ASSERT_GE(zellen.size(), 4);
        erwartet.replace(QStringLiteral("{H}"), zellen[3]);
    }
    EXPECT_EQ(a.aus.toStdString(), erwartet.toStdString()) << a.fehler.toStdString();
    EXPECT_EQ(a.status, f.status) << a.fehler.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Regeln, RinoluxRegelTest, ::testing::ValuesIn(faelle()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RinoluxRegelAufruf, FehlerUndVerzeichnis)
{
    test::TestVerzeichnis dir;
    dir.dateienAnlegen({QStringLiteral("f/b b"), QStringLiteral("f/A a"), QStringLiteral("f/unter/"),
                        QStringLiteral("f/unter/tief x")});
    const Ausgabe unbekannt = starten(dir, {QStringLiteral("--regel"), QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen"),
                                            QStringLiteral("fehlt.txt")});
    EXPECT_EQ(unbekannt.status, 2);
    EXPECT_TRUE(unbekannt.fehler.contains(QStringLiteral("fehlt.txt")));
    EXPECT_TRUE(unbekannt.aus.isEmpty());

    EXPECT_EQ(starten(dir, {QStringLiteral("--gibtsnicht")}).status, 2);
    EXPECT_EQ(starten(dir, {QStringLiteral("a")}).status, 2); // no rule
    const Ausgabe hilfe = starten(dir, {QStringLiteral("--hilfe")});
    EXPECT_EQ(hilfe.status, 0);
    EXPECT_TRUE(hilfe.aus.contains(QStringLiteral("--verzeichnis")));

    // A directory listing: entries of the directory only, directories first, then by name.
    const Ausgabe verz = starten(dir, {QStringLiteral("--regel"), QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen"),
                                       QStringLiteral("--verzeichnis"), dir.pfad(QStringLiteral("f"))});
    const QString d = dir.pfad(QStringLiteral("f/"));
    EXPECT_EQ(verz.aus, zeile("unter", "unter", "keine Veränderung").replace(QStringLiteral("{D}"), d) +
                            zeile("A a", "A_a", "ok").replace(QStringLiteral("{D}"), d) +
                            zeile("b b", "b_b", "ok").replace(QStringLiteral("{D}"), d) +
                            QStringLiteral("Alle 3 können geändert werden. ->\n"));
    EXPECT_EQ(verz.status, 0);

    // The stored rules: without a rule file the defaults, and no file is created.
    const Ausgabe regeln = starten(dir, {QStringLiteral("--regeln")});
    EXPECT_EQ(regeln.status, 0);
    EXPECT_EQ(regeln.aus.count(u'\n'), 15);
    EXPECT_TRUE(regeln.aus.startsWith(QStringLiteral("Ändern: alle Buchstaben großmachen\t1\t221\t700\t")));
    EXPECT_FALSE(QFileInfo::exists(dir.pfad(QStringLiteral(".konfig/rinolux/Rinol_Regel839.cfg"))));
    EXPECT_FALSE(QFileInfo::exists(dir.pfad(QStringLiteral(".konfig/rinolux"))));
}

// Names from a shell pattern may look like options: after "--" they are paths, and without
// it "--regeln" among other arguments is refused instead of printing the rules with status 0.
TEST(RinoluxRegelAufruf, PfadeDieWieOptionenAussehen)
{
    test::TestVerzeichnis dir;
    dir.dateienAnlegen({QStringLiteral("f/--regeln"), QStringLiteral("f/a b")});
    const QString regel = QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen");
    const QString d = dir.pfad(QStringLiteral("f/"));

    const Ausgabe nachEnde = starten(dir, {QStringLiteral("--regel"), regel, QStringLiteral("--"),
                                           QStringLiteral("--regeln"), QStringLiteral("a b")});
    EXPECT_EQ(nachEnde.aus,
              zeile("--regeln", "--regeln", "keine Veränderung").replace(QStringLiteral("{D}"), d) +
                  zeile("a b", "a_b", "ok").replace(QStringLiteral("{D}"), d) +
                  QStringLiteral("Alle 2 können geändert werden. ->\n"));
    EXPECT_EQ(nachEnde.status, 0) << nachEnde.fehler.toStdString();

    const Ausgabe ohneEnde =
        starten(dir, {QStringLiteral("--regel"), regel, QStringLiteral("--regeln"), QStringLiteral("a b")});
    EXPECT_EQ(ohneEnde.status, 2);
    EXPECT_TRUE(ohneEnde.aus.isEmpty());
    EXPECT_TRUE(ohneEnde.fehler.contains(QStringLiteral("--"))) << ohneEnde.fehler.toStdString();

    const Ausgabe hilfe = starten(dir, {QStringLiteral("--hilfe")});
    EXPECT_TRUE(hilfe.aus.contains(QStringLiteral("\n  --  "))) << hilfe.aus.toStdString();
}

// Files that never end or never arrive are refused with a message, never read: a device as the
// list, as the rule code file, and as the rule file itself.
TEST(RinoluxRegelAufruf, GeraeteWerdenNichtGelesen)
{
    test::TestVerzeichnis dir;
    dir.dateienAnlegen({QStringLiteral("f/a b"), QStringLiteral(".konfig/rinolux/")});
    const QString regel = QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen");
    const QString geraet = QStringLiteral("/dev/zero");
    ASSERT_TRUE(QFile::link(geraet, dir.pfad(QStringLiteral(".konfig/rinolux/Rinol_Regel839.cfg"))));
    const QList<QStringList> aufrufe{
        {QStringLiteral("--regel"), regel, QStringLiteral("--liste"), geraet},
        {QStringLiteral("--regelcode-datei"), geraet, QStringLiteral("a b")},
        {QStringLiteral("--regeln")},
        {QStringLiteral("--regel"), regel, QStringLiteral("a b")},
    };
    for (const QStringList &args : aufrufe) {
        const Ausgabe a = starten(dir, args);
        EXPECT_EQ(a.status, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(a.aus.isEmpty()) << args.join(u' ').toStdString();
        EXPECT_TRUE(a.fehler.contains(QStringLiteral("keine gewöhnliche Datei"))) << a.fehler.toStdString();
    }
}

// Names, sizes and times (nanoseconds) of every entry of a directory, without reading any
// file: a read after a rename (a newer change time) would itself move the access time.
QMap<QString, QString> standLesen(const QString &verzeichnis)
{
    QMap<QString, QString> stand;
    for (const QString &name : QDir(verzeichnis).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const auto e = plattform::objektLesen(verzeichnis + u'/' + name);
        if (!e)
            continue;
        stand.insert(name, QStringLiteral("%1 %2.%3 %4.%5")
                               .arg(e->groesse)
                               .arg(e->aenderung.sekunden)
                               .arg(e->aenderung.nanosekunden)
                               .arg(e->zugriff.sekunden)
                               .arg(e->zugriff.nanosekunden));
    }
    return stand;
}

TEST(RinoluxRegelAusfuehren, TauschUndRueckgaengigLassenAllesWieVorher)
{
    test::TestVerzeichnis dir;
    dir.dateienAnlegen({QStringLiteral("f/"), QStringLiteral(".konfig/")});
    dir.dateiSchreiben(QStringLiteral("f/ab"), "eins");
    dir.dateiSchreiben(QStringLiteral("f/ba"), "zwei\n");
    for (const auto &[name, sekunden] : {std::pair{"f/ab", 1000000000}, std::pair{"f/ba", 1200000000}}) {
        QFile f(dir.pfad(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        const QDateTime t = QDateTime::fromSecsSinceEpoch(sekunden);
        ASSERT_TRUE(f.setFileTime(t, QFileDevice::FileModificationTime));
        ASSERT_TRUE(f.setFileTime(t.addSecs(7), QFileDevice::FileAccessTime));
    }
    const QString f = dir.pfad(QStringLiteral("f"));
    const auto vorher = standLesen(f);
    // Reversing the names swaps them.
    const QString umdrehen = code({ganz(231)});
    const Ausgabe aus = starten(dir, {QStringLiteral("--ausfuehren"), QStringLiteral("--regelcode"), umdrehen,
                                      QStringLiteral("--verzeichnis"), f});
    ASSERT_EQ(aus.status, 0) << aus.aus.toStdString() << aus.fehler.toStdString();
    const auto getauscht = standLesen(f);
    EXPECT_EQ(getauscht.value(QStringLiteral("ab")), vorher.value(QStringLiteral("ba")));
    EXPECT_EQ(getauscht.value(QStringLiteral("ba")), vorher.value(QStringLiteral("ab")));

    const Ausgabe liste = starten(dir, {QStringLiteral("--rueckgaengig-liste")});
    EXPECT_EQ(liste.status, 0);
    const QStringList felder = liste.aus.trimmed().split(u'\t');
    ASSERT_EQ(felder.size(), 6) << liste.aus.toStdString();
    EXPECT_EQ(felder[2], QStringLiteral("301"));
    EXPECT_EQ(felder[3], QStringLiteral("2"));
    EXPECT_EQ(felder[4], QStringLiteral("0"));

    const Ausgabe pruefen = starten(dir, {QStringLiteral("--rueckgaengig-pruefen"), felder[0]});
    EXPECT_EQ(pruefen.status, 0) << pruefen.aus.toStdString();
    EXPECT_TRUE(pruefen.aus.contains(QStringLiteral("Probleme sind NICHT entdeckt worden.")));
    const Ausgabe zurueck = starten(dir, {QStringLiteral("--rueckgaengig"), felder[0]});
    EXPECT_EQ(zurueck.status, 0) << zurueck.aus.toStdString();
    EXPECT_EQ(standLesen(f), vorher);
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("f/ab")), "eins");
    EXPECT_EQ(dir.dateiLesen(QStringLiteral("f/ba")), "zwei\n");
    // Every row was undone: the entry is gone.
    EXPECT_TRUE(starten(dir, {QStringLiteral("--rueckgaengig-liste")}).aus.isEmpty());
    EXPECT_EQ(starten(dir, {QStringLiteral("--rueckgaengig"), felder[0]}).status, 1);
}

TEST(RinoluxRegelAusfuehren, HerstellenOhneAuswahlUndRueckgaengig)
{
    test::TestVerzeichnis dir;
    dir.dateienAnlegen({QStringLiteral("f/"), QStringLiteral(".konfig/")});
    const QString f = dir.pfad(QStringLiteral("f"));
    TeilRegel t;
    t.code = 293;
    t.herst.ort = HerstOrt::Pfad;
    t.herst.ortPfad = f;
    t.nummer = {QStringLiteral("Ordner "), QStringLiteral("1"), QStringLiteral("1"), QString()};
    t.herst.anzahl = QStringLiteral("2");
    const Ausgabe aus = starten(dir, {QStringLiteral("--ausfuehren"), QStringLiteral("--regelcode"), code({t})});
    ASSERT_EQ(aus.status, 0) << aus.aus.toStdString() << aus.fehler.toStdString();
    EXPECT_TRUE(aus.aus.contains(QStringLiteral("Alle 2 können hergestellt werden. ->")));
    EXPECT_TRUE(QFileInfo(f + QStringLiteral("/Ordner 1")).isDir());
    EXPECT_TRUE(QFileInfo(f + QStringLiteral("/Ordner 2")).isDir());

    const QStringList felder = starten(dir, {QStringLiteral("--rueckgaengig-liste")}).aus.trimmed().split(u'\t');
    ASSERT_EQ(felder.size(), 6);
    EXPECT_EQ(felder[2], QStringLiteral("309"));
    EXPECT_EQ(starten(dir, {QStringLiteral("--rueckgaengig"), felder[0]}).status, 0);
    EXPECT_TRUE(QDir(f).isEmpty());

    // An absurd count is refused before anything is made.
    t.herst.anzahl = QStringLiteral("10000000");
    const Ausgabe zuViele = starten(dir, {QStringLiteral("--ausfuehren"), QStringLiteral("--regelcode"), code({t})});
    EXPECT_EQ(zuViele.status, 1);
    EXPECT_TRUE(zuViele.aus.contains(QStringLiteral("Es können höchstens 100.000 "))) << zuViele.aus.toStdString();
    EXPECT_TRUE(QDir(f).isEmpty());
}

TEST(RinoluxRegelAusfuehren, ProblemeNurMitTrotzdem)
{
    test::TestVerzeichnis dir;
    dir.dateienAnlegen({QStringLiteral("f/a b"), QStringLiteral("f/a_b"), QStringLiteral("f/c d")});
    const QString regel = QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen");
    const QStringList args = {QStringLiteral("--ausfuehren"), QStringLiteral("--regel"), regel, QStringLiteral("a b"),
                              QStringLiteral("c d")};
    const Ausgabe nein = starten(dir, args);
    EXPECT_EQ(nein.status, 1);
    EXPECT_TRUE(nein.aus.contains(QStringLiteral("Diese neuen Namen sind bereits durch andere Dateien oder "
                                                 "Verzeichnisse belegt:\n> ") +
                                  dir.pfad(QStringLiteral("f/a_b"))))
        << nein.aus.toStdString();
    EXPECT_TRUE(nein.aus.contains(QStringLiteral("\n-> Nein")));
    EXPECT_TRUE(QFileInfo::exists(dir.pfad(QStringLiteral("f/c d"))));

    const Ausgabe ja = starten(dir, args + QStringList{QStringLiteral("--trotzdem")});
    EXPECT_EQ(ja.status, 1); // one rename fails
    EXPECT_TRUE(ja.aus.contains(QStringLiteral("Jedoch gab es 1 Fehler."))) << ja.aus.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.pfad(QStringLiteral("f/c_d"))));
    EXPECT_TRUE(QFileInfo::exists(dir.pfad(QStringLiteral("f/a b"))));
}

TEST(RinoluxRegelAusgabe, SteuerzeichenInNamenBleibenInIhrerZelle)
{
    test::TestVerzeichnis dir;
    // Also behind a run of eight plain bytes, and two in one such run.
    const QStringList namen = {QStringLiteral("t\tx"), QStringLiteral("l\nx"), QStringLiteral("r\rx"),
                               QStringLiteral("s\\x"), QStringLiteral("sechzehn Zeichen\\ende"),
                               QStringLiteral("acht8888\n\nzwei")};
    for (const QString &n : namen)
        dir.dateienAnlegen({QStringLiteral("f/") + n});
    const Ausgabe a = starten(dir, {QStringLiteral("--regel"), QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen"),
                                    QStringLiteral("--verzeichnis"), dir.pfad(QStringLiteral("f"))});
    const QStringList zeilen = a.aus.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), namen.size() + 1) << a.aus.toStdString();
    QStringList zellen2;
    for (int i = 0; i < namen.size(); ++i) {
        const QStringList z = zeilen[i].split(u'\t');
        ASSERT_EQ(z.size(), 11) << zeilen[i].toStdString();
        zellen2 << z[1];
    }
    zellen2.sort();
    EXPECT_EQ(zellen2, (QStringList{QStringLiteral("acht8888\\n\\nzwei"), QStringLiteral("l\\nx"),
                                    QStringLiteral("r\\rx"), QStringLiteral("s\\\\x"),
                                    QStringLiteral("sechzehn Zeichen\\\\ende"), QStringLiteral("t\\tx")}));
    EXPECT_TRUE(starten(dir, {QStringLiteral("--hilfe")}).aus.contains(QStringLiteral("\\t, \\r, \\n und \\\\")));
}

} // namespace

// --suche: the rows of the preview are exactly the hits of the search orders.
TEST(RinoluxRegelSuche, TrefferSindDieAuswahl)
{
    test::TestVerzeichnis dir;
    dir.dateienAnlegen({QStringLiteral("f/sub/c.txt"), QStringLiteral("f/sub/tief/d.txt"), QStringLiteral("f/.versteckt.txt"),
                        QStringLiteral("f/leer/"), QStringLiteral("f/bild.jpg")});
    dir.dateiSchreiben(QStringLiteral("f/a.txt"), QByteArray(10, 'x'));
    dir.dateiSchreiben(QStringLiteral("f/gross.txt"), QByteArray(2000, 'x'));
    ASSERT_EQ(QProcess::execute(QStringLiteral("touch"), {QStringLiteral("-m"), QStringLiteral("-d"),
                                                          QStringLiteral("2020-06-15 12:00:00Z"),
                                                          dir.pfad(QStringLiteral("f/bild.jpg"))}),
              0);
    const QString regel = QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen");
    const QString d = dir.pfad(QStringLiteral("f/"));
    const struct
    {
        const char *name;
        QStringList optionen;
        QStringList erwartet; // below f/
    } faelle[] = {
        {"mitUnterverzeichnissen",
         {QStringLiteral("--namen"), QStringLiteral("*.txt"), QStringLiteral("--unterverzeichnisse")},
         {QStringLiteral(".versteckt.txt"), QStringLiteral("a.txt"), QStringLiteral("gross.txt"),
          QStringLiteral("sub/c.txt"), QStringLiteral("sub/tief/d.txt")}},
        {"ohneUnterverzeichnisse", {QStringLiteral("--namen"), QStringLiteral("*.txt")},
         {QStringLiteral(".versteckt.txt"), QStringLiteral("a.txt"), QStringLiteral("gross.txt")}},
        {"wortWirdEingepackt", {QStringLiteral("--namen"), QStringLiteral("BILD")}, {QStringLiteral("bild.jpg")}},
        {"ohneNamen", {QStringLiteral("--namen"), QStringLiteral("*.txt"), QStringLiteral("--ohne"), QStringLiteral("a*|.*")},
         {QStringLiteral("gross.txt")}},
        // Directories count with the size the file system reports for them.
        {"bytes",
         {QStringLiteral("--bytes"), QStringLiteral("1k:"), QStringLiteral("--unterverzeichnisse"),
          QStringLiteral("--nur-dateien")},
         {QStringLiteral("gross.txt")}},
        {"datum", {QStringLiteral("--datum-a"), QStringLiteral("2020:2020")}, {QStringLiteral("bild.jpg")}},
        {"attribute", {QStringLiteral("--attribute"), QStringLiteral("jeeee")}, {QStringLiteral(".versteckt.txt")}},
        {"leereVerzeichnisse",
         {QStringLiteral("--nur-verzeichnisse"), QStringLiteral("--verzeichnisse"), QStringLiteral("leer"),
          QStringLiteral("--unterverzeichnisse")},
         {QStringLiteral("leer")}},
    };
    for (const auto &f : faelle) {
        const Ausgabe a =
            starten(dir, QStringList{QStringLiteral("--regel"), regel, QStringLiteral("--suche"), d} + f.optionen);
        EXPECT_EQ(a.status, 0) << f.name << ": " << a.fehler.toStdString();
        QStringList zeilen = a.aus.split(u'\n', Qt::SkipEmptyParts);
        ASSERT_FALSE(zeilen.isEmpty()) << f.name;
        EXPECT_TRUE(zeilen.takeLast().contains(QStringLiteral("können geändert werden"))) << f.name;
        QStringList gefunden;
        for (const QString &z : zeilen) {
            const QStringList zellen = z.split(u'\t');
            ASSERT_GE(zellen.size(), 2) << f.name;
            gefunden << QString(zellen[0] + zellen[1]).mid(d.size());
        }
        gefunden.sort();
        EXPECT_EQ(gefunden.join(u' ').toStdString(), f.erwartet.join(u' ').toStdString()) << f.name;
    }

    const struct
    {
        QStringList args;
        const char *meldung;
    } fehler[] = {
        {{QStringLiteral("--suche"), dir.pfad(QStringLiteral("fehlt"))}, "Das angegebene Verzeichnis ist ungültig."},
        {{QStringLiteral("--namen"), QStringLiteral("*.txt")}, "gelten nur mit --suche"},
        {{QStringLiteral("--suche"), d, QStringLiteral("a.txt")}, "Bitte nur eines angeben"},
        {{QStringLiteral("--suche"), d, QStringLiteral("--bytes"), QStringLiteral("1k")}, "--bytes braucht VON:BIS"},
        {{QStringLiteral("--suche"), d, QStringLiteral("--datum-z"), QStringLiteral("1.2.3.4:")}, "--datum-z braucht"},
        {{QStringLiteral("--suche"), d, QStringLiteral("--hoechstens"), QStringLiteral("viele")},
         "--hoechstens braucht eine Anzahl"},
        {{QStringLiteral("--suche"), d, QStringLiteral("--nur-dateien"), QStringLiteral("--nur-verzeichnisse")},
         "schließen einander aus"},
    };
    for (const auto &f : fehler) {
        const Ausgabe a = starten(dir, QStringList{QStringLiteral("--regel"), regel} + f.args);
        EXPECT_EQ(a.status, 2) << f.meldung;
        EXPECT_TRUE(a.fehler.contains(QString::fromUtf8(f.meldung))) << a.fehler.toStdString();
        EXPECT_TRUE(a.aus.isEmpty()) << f.meldung;
    }

    // Stopped at the maximum, and said so.
    const Ausgabe max = starten(dir, {QStringLiteral("--regel"), regel, QStringLiteral("--suche"), d,
                                      QStringLiteral("--unterverzeichnisse"), QStringLiteral("--hoechstens"),
                                      QStringLiteral("2")});
    EXPECT_EQ(max.aus.count(u'\n'), 3);
    EXPECT_TRUE(max.fehler.contains(QStringLiteral("nach 2 Treffern angehalten"))) << max.fehler.toStdString();
}
