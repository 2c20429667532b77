// One creation row at a time on real files: parts, joined files, copies and empty objects,
// the joining script, the undo records and their undo.

#include "AusfuehrenHilfe.h"

#include "core/actions/RueckListe.h"
#include "core/actions/sub_Aktion_Herstellen.h"
#include "core/platform/FremderNutzer.h"
#include "core/platform/Plattform.h"
#include "core/shell/Dialog.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace rinolux::test {
namespace {

QByteArray muster(qint64 groesse, char anfang = 'a')
{
    QByteArray b(groesse, '\0');
    for (qint64 i = 0; i < groesse; ++i)
        b[i] = char(anfang + i % 23);
    return b;
}

QStringList eintraege(const QString &verz)
{
    return QDir(verz).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Name);
}

HerstellAuftrag teil(const QString &quelle, const QString &verz, const QString &name, qint64 k, qint64 n,
                     qint64 groesse)
{
    HerstellAuftrag a;
    a.art = HerstellArt::Teil;
    a.quelle = quelle;
    a.zielVerz = verz;
    a.zielName = name;
    a.teilNummer = k;
    a.teileAnzahl = n;
    a.quellGroesse = groesse;
    return a;
}

HerstellAuftrag auftrag(HerstellArt art, const QString &verz, const QString &name, const QString &quelle = {},
                        const QStringList &stuecke = {})
{
    HerstellAuftrag a;
    a.art = art;
    a.zielVerz = verz;
    a.zielName = name;
    a.quelle = quelle;
    a.stuecke = stuecke;
    return a;
}

// Splits verz + quelle into n parts named teile (in verz), as the carry-out does.
std::vector<HerstellStand> teilen(const QString &verz, const QString &quelle, const QStringList &teile,
                                  RueckSchreiber *rueck = nullptr)
{
    const qint64 groesse = QFileInfo(verz + quelle).size();
    std::vector<HerstellStand> s;
    for (qsizetype k = 0; k < teile.size(); ++k)
        s.push_back(Aktion_HerstellenEinzeln(
            teil(verz + quelle, verz, teile[k], k + 1, teile.size(), groesse), rueck));
    return s;
}

TEST(Herstellen, TeileTeilenDenRestDemLetztenZu)
{
    struct Fall
    {
        const char *name;
        qint64 groesse;
        std::vector<qint64> teile;
    };
    const Fall faelle[] = {
        {"10 in 3", 10, {4, 4, 2}}, {"10 in 4", 10, {3, 3, 3, 1}},
        {"1 in 3", 1, {1, 0, 0}},   {"leer in 2", 0, {0, 0}},
        {"9 in 3", 9, {3, 3, 3}},   {"3 MiB + 5 in 2", 3 * 1024 * 1024 + 5, {1572867, 1572866}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        TestVerzeichnis tv;
        const QByteArray inhalt = muster(f.groesse);
        tv.dateiSchreiben(u"gross.bin"_s, inhalt);
        QStringList namen;
        for (size_t k = 1; k <= f.teile.size(); ++k)
            namen.append(u"gross.bin.%1"_s.arg(k, 3, 10, QLatin1Char('0')));
        const std::vector<HerstellStand> s = teilen(tv.pfad(), u"gross.bin"_s, namen);
        QByteArray zusammen;
        for (size_t k = 0; k < f.teile.size(); ++k) {
            ASSERT_TRUE(s[k].ok) << k << ": " << s[k].text.toStdString();
            EXPECT_EQ(QFileInfo(tv.pfad(namen[qsizetype(k)])).size(), f.teile[k]) << k;
            EXPECT_EQ(s[k].objekt.groesse, f.teile[k]) << k;
            EXPECT_FALSE(s[k].verzeichnis);
            zusammen += tv.dateiLesen(namen[qsizetype(k)]);
        }
        EXPECT_EQ(zusammen, inhalt);
        EXPECT_EQ(TeilGroesse(f.groesse, qint64(f.teile.size())), f.teile.front());
    }
}

TEST(Herstellen, EinTeilMitBelegtemNamenVerschiebtDieAnderenNicht)
{
    TestVerzeichnis tv;
    tv.dateiSchreiben(u"q"_s, "0123456789");
    tv.dateiSchreiben(u"q.002"_s, "fremd");
    const std::vector<HerstellStand> s = teilen(tv.pfad(), u"q"_s, {u"q.001"_s, u"q.002"_s, u"q.003"_s});
    EXPECT_TRUE(s[0].ok);
    EXPECT_FALSE(s[1].ok);
    EXPECT_TRUE(s[2].ok);
    EXPECT_EQ(tv.dateiLesen(u"q.001"_s), QByteArray("0123"));
    EXPECT_EQ(tv.dateiLesen(u"q.002"_s), QByteArray("fremd"));
    EXPECT_EQ(tv.dateiLesen(u"q.003"_s), QByteArray("89"));

    // A source that changed size since its size was read gives no part that would not fit.
    tv.dateiSchreiben(u"q"_s, "01234567890");
    EXPECT_FALSE(Aktion_HerstellenEinzeln(teil(tv.pfad(u"q"_s), tv.pfad(), u"q.004"_s, 1, 3, 10), nullptr).ok);
    EXPECT_FALSE(plattform::vorhanden(tv.pfad(u"q.004"_s)));
}

TEST(Herstellen, UnlesbareQuelleLaesstJedenTeilScheitern)
{
    // The size was read for the preview; then the source could not be read any more.
    struct Fall
    {
        const char *name;
        std::function<void(const TestVerzeichnis &)> verderben;
    };
    const Fall faelle[] = {
        {"geloescht", [](const TestVerzeichnis &tv) { QFile::remove(tv.pfad(u"q"_s)); }},
        {"ein Verzeichnis",
         [](const TestVerzeichnis &tv) {
             QFile::remove(tv.pfad(u"q"_s));
             QDir().mkdir(tv.pfad(u"q"_s));
         }},
        {"ohne Leserecht",
         [](const TestVerzeichnis &tv) { ::chmod(QFile::encodeName(tv.pfad(u"q"_s)).constData(), 0); }},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        TestVerzeichnis tv;
        tv.dateiSchreiben(u"q"_s, "x"); // 1 byte into 3 parts: two of them have no bytes to read
        FremderNutzer fremd({tv.pfad()});
        f.verderben(tv);
        const QString q = tv.pfad(u"q"_s);
        for (qint64 k = 1; k <= 3; ++k) {
            const HerstellStand s =
                Aktion_HerstellenEinzeln(teil(q, tv.pfad(), u"t%1"_s.arg(k), k, 3, 1), nullptr);
            EXPECT_FALSE(s.ok) << k;
            EXPECT_FALSE(s.text.isEmpty());
        }
        fremd.zurueck();
        EXPECT_TRUE(QDir(tv.pfad()).entryList({u"t*"_s}, QDir::AllEntries).isEmpty());
    }
}

TEST(Herstellen, BestehendesZielWirdNieUeberschrieben)
{
    TestVerzeichnis tv;
    tv.dateiSchreiben(u"q"_s, "neu");
    tv.dateiSchreiben(u"da"_s, "alt");
    tv.dateienAnlegen({u"verz/inhalt"_s});
    const QString v = tv.pfad();
    const std::pair<const char *, HerstellAuftrag> faelle[] = {
        {"kopie", auftrag(HerstellArt::Kopie, v, u"da"_s, v + u"q"_s)},
        {"kopie eines verzeichnisses", auftrag(HerstellArt::Kopie, v, u"da"_s, v + u"verz"_s)},
        {"leere datei", auftrag(HerstellArt::Datei, v, u"da"_s)},
        {"leeres verzeichnis", auftrag(HerstellArt::Verzeichnis, v, u"verz"_s)},
        {"leere datei auf verzeichnis", auftrag(HerstellArt::Datei, v, u"verz"_s)},
        {"teil", teil(v + u"q"_s, v, u"da"_s, 1, 1, 3)},
        {"verbunden", auftrag(HerstellArt::Verbunden, v, u"da"_s, {}, {v + u"q"_s, v + u"q"_s})},
    };
    for (const auto &[name, a] : faelle) {
        auto aufz = std::make_shared<Aufzeichnung>();
        AufzeichnenderSchreiber rueck(aufz, nullptr, 0);
        const HerstellStand s = Aktion_HerstellenEinzeln(a, &rueck);
        EXPECT_FALSE(s.ok) << name;
        EXPECT_TRUE(aufz->erste.empty()) << name;
    }
    EXPECT_EQ(tv.dateiLesen(u"da"_s), QByteArray("alt"));
    EXPECT_EQ(eintraege(v), (QStringList{u"da"_s, u"q"_s, u"verz"_s}));
    EXPECT_EQ(eintraege(v + u"verz"_s), QStringList{u"inhalt"_s});
}

TEST(Herstellen, NeueObjekteUndIhreSaetze)
{
    TestVerzeichnis tv;
    tv.dateiSchreiben(u"vorlage.txt"_s, "Vorlage");
    tv.dateienAnlegen({u"quellverz/innen/x"_s});
    const QString v = tv.pfad();
    const QString neu = v + u"neu/tief/"_s; // made with its parents
    struct Fall
    {
        HerstellAuftrag a;
        bool verz;
        QByteArray inhalt;
    };
    const Fall faelle[] = {
        {auftrag(HerstellArt::Kopie, neu, u"Kopie 1.txt"_s, v + u"vorlage.txt"_s), false, "Vorlage"},
        {auftrag(HerstellArt::Kopie, neu, u"Ordnerkopie"_s, v + u"quellverz"_s), true, {}},
        {auftrag(HerstellArt::Datei, neu, u"leer.txt"_s), false, ""},
        {auftrag(HerstellArt::Verzeichnis, neu, u"Ordner 01"_s), true, {}},
    };
    auto aufz = std::make_shared<Aufzeichnung>();
    AufzeichnenderSchreiber rueck(aufz, nullptr, 0);
    for (const Fall &f : faelle) {
        const HerstellStand s = Aktion_HerstellenEinzeln(f.a, &rueck);
        ASSERT_TRUE(s.ok) << f.a.zielName.toStdString() << ": " << s.text.toStdString();
        EXPECT_EQ(s.verzeichnis, f.verz);
        EXPECT_EQ(s.objekt.name, f.a.zielName);
        if (f.verz)
            EXPECT_TRUE(eintraege(neu + f.a.zielName).isEmpty()) << "only the directory itself";
        else
            EXPECT_EQ(tv.dateiLesen(u"neu/tief/"_s + f.a.zielName), f.inhalt);
        ASSERT_FALSE(aufz->erste.empty());
        const auto &satz = aufz->erste.back();
        EXPECT_EQ(satz.verzeichnis, neu);
        EXPECT_EQ(satz.name, f.a.zielName);
        EXPECT_EQ(satz.verz, f.verz);
        EXPECT_EQ(satz.wert, HerstellWert(s.objekt));
        EXPECT_TRUE(satz.wert.startsWith(u"- "_s));
        EXPECT_TRUE(HerstellWertGueltig(satz.wert));
    }
}

TEST(Herstellen, VerbindenInGruppen)
{
    TestVerzeichnis tv;
    for (const char c : {'A', 'B', 'C', 'D', 'E'})
        tv.dateiSchreiben(QString(QChar(c)), muster(1000 + c, c));
    const QString v = tv.pfad();
    const auto voll = [&](const char *namen) {
        QStringList l;
        for (const char *c = namen; *c; ++c)
            l.append(v + QChar(*c));
        return l;
    };
    // One joined file of A, B, C; two of A..E: T1 = A + B + C and T2 = D + E.
    const std::tuple<const char *, const char *, QByteArray> faelle[] = {
        {"ganz", "ABC", tv.dateiLesen(u"A"_s) + tv.dateiLesen(u"B"_s) + tv.dateiLesen(u"C"_s)},
        {"T1", "ABC", tv.dateiLesen(u"A"_s) + tv.dateiLesen(u"B"_s) + tv.dateiLesen(u"C"_s)},
        {"T2", "DE", tv.dateiLesen(u"D"_s) + tv.dateiLesen(u"E"_s)},
    };
    for (const auto &[ziel, stuecke, erwartet] : faelle) {
        const HerstellStand s = Aktion_HerstellenEinzeln(
            auftrag(HerstellArt::Verbunden, v, QString::fromUtf8(ziel), {}, voll(stuecke)), nullptr);
        ASSERT_TRUE(s.ok) << ziel << ": " << s.text.toStdString();
        EXPECT_EQ(tv.dateiLesen(QString::fromUtf8(ziel)), erwartet) << ziel;
    }

    // A piece that cannot be read: named, and nothing of the joined file stays.
    QStringList mitLuecke = voll("AB");
    mitLuecke.insert(1, v + u"fehlt"_s);
    const HerstellStand s =
        Aktion_HerstellenEinzeln(auftrag(HerstellArt::Verbunden, v, u"T3"_s, {}, mitLuecke), nullptr);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.fehlendesStueck, 1);
    EXPECT_FALSE(plattform::vorhanden(v + u"T3"_s));
}

TEST(Herstellen, OhneSatzBleibtNichtsUndAbbruchLaesstNichtsZurueck)
{
    TestVerzeichnis tv;
    tv.dateiSchreiben(u"q"_s, muster(3 * 1024 * 1024));
    const QString v = tv.pfad();
    const HerstellAuftrag faelle[] = {
        auftrag(HerstellArt::Verzeichnis, v, u"ordner"_s),
        auftrag(HerstellArt::Datei, v, u"leer"_s),
        auftrag(HerstellArt::Kopie, v, u"kopie"_s, v + u"q"_s),
        teil(v + u"q"_s, v, u"teil"_s, 1, 2, 3 * 1024 * 1024),
        auftrag(HerstellArt::Verbunden, v, u"ganz"_s, {}, {v + u"q"_s}),
    };
    for (const HerstellAuftrag &a : faelle) {
        SCOPED_TRACE(a.zielName.toStdString());
        // The undo file is full: what was made goes again, and the run must stop.
        auto aufz = std::make_shared<Aufzeichnung>();
        AufzeichnenderSchreiber voll(aufz, nullptr, 1);
        const HerstellStand s = Aktion_HerstellenEinzeln(a, &voll);
        EXPECT_FALSE(s.ok);
        EXPECT_TRUE(s.rueckFehler);
        EXPECT_EQ(eintraege(v), QStringList{u"q"_s});

        // Cancelled at the first progress report, with the data already written.
        if (a.art == HerstellArt::Verzeichnis || a.art == HerstellArt::Datei)
            continue;
        AbbruchBeiSchritt fort(1);
        const HerstellStand c =
            Aktion_HerstellenEinzeln(a, nullptr, HerstellFortschritt(fort, 1, 1, 3 * 1024 * 1024));
        EXPECT_FALSE(c.ok);
        EXPECT_TRUE(c.abgebrochen);
        EXPECT_EQ(fort.gezaehlt(), 1);
        EXPECT_EQ(eintraege(v), QStringList{u"q"_s});
    }

    // A name the undo file cannot hold is refused before anything is made.
    auto aufz = std::make_shared<Aufzeichnung>();
    AufzeichnenderSchreiber rueck(aufz, nullptr, 0);
    EXPECT_FALSE(Aktion_HerstellenEinzeln(auftrag(HerstellArt::Datei, v, u"zwei\nzeilen"_s), &rueck).ok);
    EXPECT_EQ(eintraege(v), QStringList{u"q"_s});
}

// ---------------------------------------------------------------------------------------
// The joining script

TEST(Herstellen, SkriptSetztDasOriginalBytegenauZusammen)
{
    struct Fall
    {
        const char *name;
        QString quelle;
        QStringList teile;
    };
    const Fall faelle[] = {
        {"einfach", u"a.txt"_s, {u"a.txt.001"_s, u"a.txt.002"_s, u"a.txt.003"_s}},
        {"leerzeichen und anfuehrungszeichen",
         u"mein 'Bild' \"1\".jpg"_s,
         {u"teil 'eins'"_s, u"teil \"zwei\""_s, u"teil \\drei\\ `x`"_s}},
        {"dollar und befehle",
         u"$HOME$(touch pwned)"_s,
         {u"$(touch pwned)"_s, u"${IFS}*"_s, u";touch pwned;"_s}},
        {"zeilenwechsel", u"ende\n"_s, {u"zeile\nzwei"_s, u"\nanfang"_s, u"x\n\n"_s}},
        {"strich vorne", u"-rf"_s, {u"-"_s, u"--"_s, u"-n"_s}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        TestVerzeichnis tv;
        const QString unter = u"ort $x 'y'\n/"_s; // the script finds its parts from anywhere
        tv.dateienAnlegen({unter});
        const QString v = tv.pfad(unter);
        const QByteArray original = "0123456789";
        tv.dateiSchreiben(unter + f.quelle, original);
        for (const HerstellStand &s : teilen(v, f.quelle, f.teile))
            ASSERT_TRUE(s.ok) << s.text.toStdString();
        ASSERT_TRUE(TeilenSkriptSchreiben(v, f.teile, f.quelle).ok());
        const QString skript = v + TeilenSkriptName(f.teile);
        ASSERT_TRUE(QFile::rename(v + f.quelle, tv.pfad(u"original"_s)));

        const auto laufen = [&]() {
            QProcess sh;
            sh.setWorkingDirectory(tv.pfad());
            sh.start(u"sh"_s, {unter + TeilenSkriptName(f.teile)});
            EXPECT_TRUE(sh.waitForFinished(10000));
            return sh.exitStatus() == QProcess::NormalExit ? sh.exitCode() : -1;
        };
        EXPECT_EQ(laufen(), 0);
        EXPECT_EQ(tv.dateiLesen(unter + f.quelle), original);
        EXPECT_FALSE(QFile::exists(tv.pfad(u"pwned"_s)));
        EXPECT_FALSE(QFile::exists(v + u"pwned"_s));

        // A second run finds the file there and leaves it as it is.
        tv.dateiSchreiben(unter + f.quelle, "anders");
        EXPECT_NE(laufen(), 0);
        EXPECT_EQ(tv.dateiLesen(unter + f.quelle), QByteArray("anders"));

        // A missing part: the half-joined file does not stay.
        ASSERT_TRUE(QFile::remove(v + f.quelle));
        ASSERT_TRUE(QFile::remove(v + f.teile[2]));
        EXPECT_NE(laufen(), 0);
        EXPECT_FALSE(plattform::vorhanden(v + f.quelle));

        // Never over an existing file.
        const QByteArray vorher = tv.dateiLesen(unter + TeilenSkriptName(f.teile));
        EXPECT_FALSE(TeilenSkriptSchreiben(v, f.teile, f.quelle).ok());
        EXPECT_EQ(tv.dateiLesen(unter + TeilenSkriptName(f.teile)), vorher);
        EXPECT_TRUE(QFile::exists(skript));
    }
}

TEST(Herstellen, BatchText)
{
    const QString linie = u"REM "_s + QString(91, u'-') + u"\r\n"_s;
    EXPECT_EQ(
        TeilenBatchText({u"a.txt.001"_s, u"a.txt.002"_s, u"a.txt.003"_s}, u"a.txt"_s),
        u"@echo off\r\n"_s + linie +
            u"REM Der Copy-Befehl funktioniert nicht, wenn die Datei-Auflistung laenger als 8180 Zeichen ist!\r\n"_s +
            linie +
            u"echo Rinolux: 3 Dateien verbinden:\r\npause\r\n"
            u"copy /b /-y \"a.txt.001\" + \"a.txt.002\" + \"a.txt.003\" \"a.txt\"\r\n"
            u"echo Rinolux: Fertig.\r\npause"_s);
    // "%" is doubled, or the command interpreter would expand it.
    EXPECT_TRUE(TeilenBatchText({u"100%a.001"_s}, u"%PATH%.txt"_s)
                    .contains(u"copy /b /-y \"100%%a.001\" \"%%PATH%%.txt\"\r\n"_s));
}

// ---------------------------------------------------------------------------------------
// Undo

class HerstellenRueck : public MitRueckIndex
{
protected:
    TestVerzeichnis tv;
    Einstellungen einst;
};

TEST_F(HerstellenRueck, EntferntGenauDasHergestellteUndMeldetVeraendertes)
{
    const QString v = tv.pfad();
    tv.dateiSchreiben(u"vorlage.txt"_s, "Vorlage");
    tv.dateiSchreiben(u"gross.bin"_s, "0123456789");
    const ErgebnisWert<QString> nr = index->Aktion_NeueRueckDateiNr();
    ASSERT_TRUE(nr.ok());
    auto datei = RueckDateiAnlegen(index->dateiPfad(*nr), 309, u"Herstellen: Test"_s);
    ASSERT_TRUE(datei.ok());
    RueckSchreiber &rueck = **datei;
    const HerstellAuftrag auftraege[] = {
        auftrag(HerstellArt::Verzeichnis, v, u"Ordner 01"_s),
        auftrag(HerstellArt::Verzeichnis, v, u"Ordner 02"_s),
        auftrag(HerstellArt::Verzeichnis, v + u"neu/"_s, u"Ordner 03"_s),
        auftrag(HerstellArt::Datei, v, u"leer.txt"_s),
        auftrag(HerstellArt::Kopie, v + u"Ordner 01/"_s, u"Kopie.txt"_s, v + u"vorlage.txt"_s),
        auftrag(HerstellArt::Kopie, v, u"Kopie 2.txt"_s, v + u"vorlage.txt"_s),
        teil(v + u"gross.bin"_s, v, u"gross.001"_s, 1, 2, 10),
        teil(v + u"gross.bin"_s, v, u"gross.002"_s, 2, 2, 10),
        auftrag(HerstellArt::Verbunden, v, u"ganz.bin"_s, {}, {v + u"gross.001"_s, v + u"gross.002"_s}),
    };
    for (const HerstellAuftrag &a : auftraege)
        ASSERT_TRUE(Aktion_HerstellenEinzeln(a, &rueck).ok) << a.zielName.toStdString();
    ASSERT_TRUE(rueck.schliessen(qint64(std::size(auftraege)), 0, 0).ok());
    datei.wert().reset();
    index->IniListeRueck_EinenAnhaengen(*nr, 309, u"Herstellen: Test"_s, true, 50, 0, 0,
                                        qint64(std::size(auftraege)));

    // Changed since: more bytes; the same size and time but another file; a directory
    // that holds something now.
    {
        QFile f(v + u"Kopie 2.txt"_s);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("!");
    }
    const QByteArray leer = QFile::encodeName(v + u"leer.txt"_s);
    struct stat alt;
    ASSERT_EQ(::stat(leer.constData(), &alt), 0);
    ASSERT_TRUE(QFile::rename(v + u"leer.txt"_s, v + u"leer.alt"_s));
    tv.dateiSchreiben(u"leer.txt"_s, QByteArray());
    const struct timespec zeiten[2] = {alt.st_atim, alt.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, leer.constData(), zeiten, 0), 0);
    tv.dateiSchreiben(u"Ordner 02/fremd"_s, "x");

    ListenDaten rliste(kRueckZellen);
    SkriptDialog dialog;
    StillerFortschritt fort;
    const AusfuehrErgebnis e = eintragRueckgaengig(*index, index->eintrag(1), rliste, dialog, fort, einst);
    EXPECT_EQ(e.erledigt1, 6);
    EXPECT_EQ(e.fehler1, 3);
    EXPECT_EQ(eintraege(v), (QStringList{u"Kopie 2.txt"_s, u"Ordner 02"_s, u"gross.bin"_s, u"leer.alt"_s,
                                         u"leer.txt"_s, u"neu"_s, u"vorlage.txt"_s}));
    EXPECT_EQ(tv.dateiLesen(u"Kopie 2.txt"_s), QByteArray("Vorlage!"));
    ASSERT_FALSE(dialog.aufrufe.isEmpty());
    const QString bericht = dialog.aufrufe.back().text;
    const qsizetype veraendert = bericht.indexOf(u"seit dem Herstellen verändert"_s);
    ASSERT_GE(veraendert, 0) << bericht.toStdString();
    for (const QString &n : {u"Kopie 2.txt"_s, u"leer.txt"_s, u"Ordner 02"_s})
        EXPECT_GT(bericht.indexOf(n, veraendert), veraendert) << n.toStdString();

    // The rows that stayed keep their stamps: undone again, they still stay.
    ASSERT_TRUE(Aktion_RueckAbschliessen(*index, 1, rliste, e.offeneZeilen(rliste)).ok());
    ASSERT_EQ(index->anzahl(), 1);
    SkriptDialog d2;
    const AusfuehrErgebnis e2 = eintragRueckgaengig(*index, index->eintrag(1), rliste, d2, fort, einst);
    EXPECT_EQ(rliste.Anzahl(), 3);
    EXPECT_EQ(e2.erledigt1, 0);
    EXPECT_EQ(e2.fehler1, 3);
    EXPECT_TRUE(QFile::exists(v + u"leer.txt"_s));
}

TEST(Herstellen, ZuruecknehmenPrueftArtUndStempel)
{
    TestVerzeichnis tv;
    tv.dateiSchreiben(u"d"_s, "abc");
    tv.dateienAnlegen({u"v/"_s});
    const plattform::Eintrag d = *plattform::objektLesen(tv.pfad(u"d"_s));
    const plattform::Eintrag verz = *plattform::objektLesen(tv.pfad(u"v"_s));
    struct Fall
    {
        const char *name;
        QString pfad;
        bool verz;
        QString wert;
        RueckLoeschArt art;
    };
    // Run in order: the successful ones last, so the objects are still there before.
    const Fall faelle[] = {
        {"falsche art", tv.pfad(u"d"_s), true, u"-"_s, RueckLoeschArt::Veraendert},
        {"anderes objekt", tv.pfad(u"d"_s), false, HerstellWert(verz), RueckLoeschArt::Veraendert},
        {"unlesbarer stempel", tv.pfad(u"d"_s), false, u"- x y z"_s, RueckLoeschArt::Fehler},
        {"fehlt", tv.pfad(u"weg"_s), false, u"-"_s, RueckLoeschArt::Fehler},
        {"datei mit stempel", tv.pfad(u"d"_s), false, HerstellWert(d), RueckLoeschArt::Geloescht},
        {"verzeichnis ohne stempel", tv.pfad(u"v"_s), true, u"-"_s, RueckLoeschArt::Geloescht},
    };
    for (const Fall &f : faelle) {
        const RueckLoeschStand s = Aktion_HerstellenZuruecknehmen(f.pfad, f.verz, f.wert);
        EXPECT_EQ(s.art, f.art) << f.name << ": " << s.text.toStdString();
    }
    EXPECT_TRUE(eintraege(tv.pfad()).isEmpty());
    EXPECT_FALSE(HerstellWertGueltig(u"- x y z"_s));
    EXPECT_TRUE(HerstellWertGueltig(u"-"_s));
}

} // namespace
} // namespace rinolux::test
