#include "AusfuehrenHilfe.h"

#include "../platform/FremderNutzer.h"
#include "core/actions/sub_Aktion_LoeschenKopieren.h"
#include "core/platform/Plattform.h"
#include "core/shell/Dialog.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/Prozess.h"
#include "core/util/PfadText.h"
#include "core/util/nx_Adresse.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace rinolux::test {
namespace {

using namespace Qt::StringLiterals;

bool istDa(const QString &pfad)
{
    return plattform::vorhanden(pfad);
}

class LoeschenKopieren : public MitRueckIndex
{
protected:
    void SetUp() override
    {
        MitRueckIndex::SetUp();
        einst.Sicherheitsfrage = false;
        nxAuswahlListeVorbereiten(aliste);
    }
    void TearDown() override { XdgUmleiten(); }

    // One marked selection entry per path (a trailing "/" marks a directory); the path
    // number counts the distinct directories in the order they appear.
    void auswaehlen(const QStringList &pfade)
    {
        nxAuswahlListeVorbereiten(aliste);
        QStringList verz;
        for (const QString &p : pfade) {
            const bool istVerz = p.endsWith(u'/');
            const QString ohne = pfadOhneEnde(p);
            const QString d = nxAdresseMitEndStrich(pfadEltern(ohne));
            if (!verz.contains(d))
                verz.append(d);
            const int a = aliste.ZeilenAnhaengen();
            aliste.ZelleSetzen(a, AZelle::Pfad, d);
            aliste.ZelleSetzen(a, AZelle::PfadNr, QString::number(verz.indexOf(d) + 1));
            aliste.ZelleSetzen(a, AZelle::Name, pfadName(ohne));
            aliste.ZelleSetzen(a, AZelle::Bytes, QString::number(istVerz ? 0 : QFileInfo(ohne).size()));
            aliste.VerzSetzen(a, istVerz);
            aliste.MarkSetzen(a, true);
        }
        LListeAufbauen(aliste, lliste);
    }

    LKErgebnis ausfuehren(LKModus modus, const QString &ziel = QString(), QList<QChar> antworten = {},
                          Fortschritt *fort = nullptr)
    {
        auftrag.liste = &lliste;
        auftrag.auswahl = &aliste;
        auftrag.modus = modus;
        auftrag.ziel = ziel;
        auftrag.strukturSichtbar = LKStrukturSichtbar(lliste, aliste);
        dialog = std::make_unique<SkriptDialog>(std::move(antworten));
        StillerFortschritt still;
        return Aktion_LoeschenKopieren(auftrag, einst, fort ? *fort : still, *dialog, *index);
    }

    TestVerzeichnis tv;
    ListenDaten aliste;
    ListenDaten lliste;
    LKAuftrag auftrag;
    Einstellungen einst;
    std::unique_ptr<SkriptDialog> dialog;
};

TEST(LKNummern, VerteilungNachDenKnoepfen)
{
    struct Fall
    {
        const char *name;
        qint64 n;
        NummerArt art;
        qint64 wert;
        std::vector<qint64> jeVerzeichnis;
    };
    const Fall faelle[] = {
        {"1.000 bei 2500", 2500, NummerArt::JeVerzeichnis, 1000, {1000, 1000, 500}},
        {"1.000 genau voll", 2000, NummerArt::JeVerzeichnis, 1000, {1000, 1000}},
        {"5 Verzeichnisse bei 12", 12, NummerArt::Verzeichnisse, 5, {3, 3, 2, 2, 2}},
        {"5 Verzeichnisse bei 10", 10, NummerArt::Verzeichnisse, 5, {2, 2, 2, 2, 2}},
        {"mehr Verzeichnisse als Zeilen", 3, NummerArt::Verzeichnisse, 5, {1, 1, 1}},
        {"eine Zeile", 1, NummerArt::JeVerzeichnis, 1000, {1}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        const NummernVerteilung v = LKNummernVerteilen(f.n, f.art, f.wert);
        std::vector<qint64> gezaehlt;
        qint64 vorige = 0;
        for (qint64 k = 0; k < f.n; ++k) {
            const qint64 nr = v.nummer(k);
            ASSERT_GE(nr, vorige) << k;
            ASSERT_LE(nr, v.verzeichnisse) << k;
            if (nr != vorige)
                gezaehlt.push_back(0);
            ++gezaehlt.back();
            vorige = nr;
        }
        EXPECT_EQ(gezaehlt, f.jeVerzeichnis);
    }
    EXPECT_EQ(LKNummernVerteilen(0, NummerArt::JeVerzeichnis, 1000).verzeichnisse, 0);
    EXPECT_EQ(LKNummernVerteilen(5, NummerArt::Verzeichnisse, 0).verzeichnisse, 0);
}

// Deleting into the trash and for ever

class Loeschen : public LoeschenKopieren, public ::testing::WithParamInterface<LKModus>
{
};

TEST_P(Loeschen, DreiDateienMitRueckDatei)
{
    for (const char *n : {"eins.txt", "zwei.txt", "drei.txt"})
        tv.dateiSchreiben(QString::fromLatin1(n), n);
    tv.dateiSchreiben(u"bleibt.txt"_s, "x");
    auswaehlen({tv.pfad(u"eins.txt"_s), tv.pfad(u"zwei.txt"_s), tv.pfad(u"drei.txt"_s)});
    // An entry that is not marked stays in the selection list.
    const int bleibt = aliste.ZeilenAnhaengen();
    aliste.ZelleSetzen(bleibt, AZelle::Pfad, tv.pfad());
    aliste.ZelleSetzen(bleibt, AZelle::Name, u"bleibt.txt"_s);
    einst.LoeschenKopierenRueckgaengig = true;

    const LKErgebnis e = ausfuehren(GetParam());

    EXPECT_EQ(e.erledigt, 3);
    EXPECT_EQ(e.fehler, 0);
    EXPECT_TRUE(dialog->aufrufe.isEmpty());
    const QString korb = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Trash/"_s;
    for (const char *n : {"eins.txt", "zwei.txt", "drei.txt"}) {
        const QString name = QString::fromLatin1(n);
        EXPECT_FALSE(istDa(tv.pfad(name))) << n;
        const bool imKorb = GetParam() == LKModus::Papierkorb;
        EXPECT_EQ(istDa(korb + u"files/"_s + name), imKorb) << n;
        EXPECT_EQ(istDa(korb + u"info/"_s + name + u".trashinfo"_s), imKorb) << n;
        if (imKorb) {
            QFile info(korb + u"info/"_s + name + u".trashinfo"_s);
            ASSERT_TRUE(info.open(QIODevice::ReadOnly));
            EXPECT_TRUE(info.readAll().contains(QByteArray(QByteArray("Path=") + QUrl::toPercentEncoding(tv.pfad(name), "/")))) << n;
        }
    }
    EXPECT_TRUE(istDa(tv.pfad(u"bleibt.txt"_s)));
    ASSERT_EQ(aliste.Anzahl(), 1);
    EXPECT_EQ(aliste.Zelle(1, AZelle::Name), u"bleibt.txt"_s);
    EXPECT_EQ(aliste.MarkiertAnzahl(), 0);
    EXPECT_EQ(lliste.Anzahl(), 0);

    ASSERT_EQ(index->anzahl(), 1);
    EXPECT_EQ(index->eintrag(1).code, 310);
    EXPECT_EQ(index->eintrag(1).beschreibung, u"Löschen"_s);
    const auto inhalt = RueckDateiLesen(index->dateiPfad(index->eintrag(1).nummer));
    ASSERT_TRUE(inhalt.ok());
    ASSERT_EQ(inhalt->saetze.size(), 3u);
    for (const RueckSatz &s : inhalt->saetze) {
        EXPECT_EQ(s.verzeichnis, tv.pfad());
        EXPECT_EQ(s.wert, u"-"_s);
    }
    EXPECT_EQ(inhalt->anzahl, 3);
    EXPECT_EQ(inhalt->fehler, 0);
}

INSTANTIATE_TEST_SUITE_P(Arten, Loeschen, ::testing::Values(LKModus::Papierkorb, LKModus::FuerImmer),
                         [](const auto &info) {
                             return info.param == LKModus::Papierkorb ? std::string("Papierkorb")
                                                                      : std::string("FuerImmer");
                         });

TEST_F(LoeschenKopieren, PapierkorbOhnePlatzLaesstDasObjektStehenUndMeldetEs)
{
    tv.dateiSchreiben(u"bleibt.txt"_s, "Inhalt");
    TestVerzeichnis daten;
    daten.dateiSchreiben(u"keinVerzeichnis"_s, "x");
    qputenv("XDG_DATA_HOME", QFile::encodeName(daten.pfad(u"keinVerzeichnis/unter"_s)));
    auswaehlen({tv.pfad(u"bleibt.txt"_s)});

    const LKErgebnis e = ausfuehren(LKModus::Papierkorb);

    EXPECT_EQ(e.erledigt, 0);
    EXPECT_EQ(e.fehler, 1);
    EXPECT_EQ(tv.dateiLesen(u"bleibt.txt"_s), QByteArray("Inhalt"));
    EXPECT_TRUE(e.bericht.contains(u"Jedoch gab es 1 Fehler."_s));
    EXPECT_TRUE(e.bericht.contains(tv.pfad(u"bleibt.txt"_s)));
    EXPECT_EQ(aliste.Anzahl(), 1);
    EXPECT_EQ(lliste.Anzahl(), 1);
}

TEST_F(LoeschenKopieren, FehlendeDateiWirdVorherGemeldet)
{
    tv.dateiSchreiben(u"da.txt"_s, "x");
    auswaehlen({tv.pfad(u"da.txt"_s), tv.pfad(u"weg.txt"_s)});

    const LKErgebnis e = ausfuehren(LKModus::FuerImmer, QString(), {u'n'});

    EXPECT_TRUE(e.abgelehnt);
    EXPECT_EQ(e.fehlen, 1);
    ASSERT_EQ(dialog->aufrufe.size(), 1);
    EXPECT_EQ(dialog->aufrufe[0].art, u'f');
    EXPECT_TRUE(dialog->aufrufe[0].text.contains(u"nicht mehr vorhanden:\r\n> "_s + tv.pfad(u"weg.txt"_s)));
    EXPECT_TRUE(istDa(tv.pfad(u"da.txt"_s)));
}

// Copying a tree with its structure into a place that holds one of the names

struct AntwortFall
{
    const char *name;
    QChar antwort;
    bool kopiert;       // the free names arrive
    QByteArray belegt;  // content of the held name afterwards
};

class KopierenAntwort : public LoeschenKopieren, public ::testing::WithParamInterface<AntwortFall>
{
};

TEST_P(KopierenAntwort, BelegterNameMitStruktur)
{
    const AntwortFall &f = GetParam();
    tv.dateiSchreiben(u"quelle/a/x.txt"_s, "neu x");
    tv.dateiSchreiben(u"quelle/a/tief/t.txt"_s, "neu t");
    tv.dateiSchreiben(u"quelle/b/y.txt"_s, "neu y");
    tv.dateienAnlegen({u"ziel/"_s});
    const QString ziel = tv.pfad(u"ziel/"_s);
    const QString aufbau = ziel + tv.pfad().mid(1); // the source directories below the target
    QDir().mkpath(aufbau + u"quelle/b"_s);
    QFile alt(aufbau + u"quelle/b/y.txt"_s);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("alt y");
    alt.close();
    auswaehlen({tv.pfad(u"quelle/a/x.txt"_s), tv.pfad(u"quelle/a/tief/"_s), tv.pfad(u"quelle/b/y.txt"_s)});
    auftrag.struktur = true;

    const LKErgebnis e = ausfuehren(LKModus::Kopieren, ziel, {f.antwort});

    ASSERT_EQ(dialog->aufrufe.size(), 1);
    EXPECT_EQ(dialog->aufrufe[0].art, u't');
    const QString &frage = dialog->aufrufe[0].text;
    EXPECT_TRUE(frage.contains(u"am Ziel-Ort belegt:\r\n> "_s + aufbau + u"quelle/b/y.txt"_s)) << qPrintable(frage);
    EXPECT_TRUE(frage.contains(u"ÜBERSCHRIEBEN"_s));
    EXPECT_EQ(e.belegt, 1);
    EXPECT_EQ(istDa(aufbau + u"quelle/a/x.txt"_s), f.kopiert);
    EXPECT_EQ(istDa(aufbau + u"quelle/a/tief/t.txt"_s), f.kopiert);
    QFile y(aufbau + u"quelle/b/y.txt"_s);
    ASSERT_TRUE(y.open(QIODevice::ReadOnly));
    EXPECT_EQ(y.readAll(), f.belegt);
    // Copying changes nothing at the source and keeps the lists.
    EXPECT_EQ(tv.dateiLesen(u"quelle/b/y.txt"_s), QByteArray("neu y"));
    EXPECT_EQ(lliste.Anzahl(), 3);
    EXPECT_EQ(aliste.Anzahl(), 3);
    EXPECT_EQ(e.fehler, 0);
}

INSTANTIATE_TEST_SUITE_P(Antworten, KopierenAntwort,
                         ::testing::Values(AntwortFall{"ja", u'j', true, "neu y"},
                                           AntwortFall{"ohne", u't', true, "alt y"},
                                           AntwortFall{"nein", u'n', false, "alt y"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(LoeschenKopieren, BelegtesVerzeichnisNenntDasZusammenfuehren)
{
    tv.dateiSchreiben(u"quelle/d/neu.txt"_s, "neu");
    tv.dateiSchreiben(u"ziel/d/alt.txt"_s, "alt");
    auswaehlen({tv.pfad(u"quelle/d/"_s)});

    const LKErgebnis nein = ausfuehren(LKModus::Kopieren, tv.pfad(u"ziel/"_s), {u'n'});
    ASSERT_EQ(dialog->aufrufe.size(), 1);
    EXPECT_TRUE(dialog->aufrufe[0].text.contains(u"zusammengeführt"_s));
    EXPECT_TRUE(nein.abgelehnt);
    EXPECT_FALSE(istDa(tv.pfad(u"ziel/d/neu.txt"_s)));

    const LKErgebnis ja = ausfuehren(LKModus::Kopieren, tv.pfad(u"ziel/"_s), {u'j'});
    EXPECT_EQ(ja.erledigt, 1);
    EXPECT_EQ(tv.dateiLesen(u"ziel/d/neu.txt"_s), QByteArray("neu"));
    EXPECT_EQ(tv.dateiLesen(u"ziel/d/alt.txt"_s), QByteArray("alt"));
}

TEST_F(LoeschenKopieren, GleicheNamenAusZweiVerzeichnissen)
{
    tv.dateiSchreiben(u"a/n.txt"_s, "a");
    tv.dateiSchreiben(u"b/n.txt"_s, "b");
    tv.dateiSchreiben(u"b/frei.txt"_s, "f");
    tv.dateienAnlegen({u"ziel/"_s});
    auswaehlen({tv.pfad(u"a/n.txt"_s), tv.pfad(u"b/n.txt"_s), tv.pfad(u"b/frei.txt"_s)});

    const LKErgebnis e = ausfuehren(LKModus::Kopieren, tv.pfad(u"ziel/"_s), {u't'});

    EXPECT_EQ(e.mehrfach, 1);
    ASSERT_EQ(dialog->aufrufe.size(), 1);
    EXPECT_EQ(dialog->aufrufe[0].art, u't');
    EXPECT_TRUE(dialog->aufrufe[0].text.contains(u"mehrfach vorhanden und sollen trotzdem am selben Ziel-Ort "
                                                  "gespeichert werden:\r\n> n.txt"_s));
    EXPECT_FALSE(istDa(tv.pfad(u"ziel/n.txt"_s)));
    EXPECT_TRUE(istDa(tv.pfad(u"ziel/frei.txt"_s)));
}

TEST_F(LoeschenKopieren, VerzeichnisInSichSelbstWirdAbgewiesen)
{
    tv.dateiSchreiben(u"d/x.txt"_s, "x");
    tv.dateienAnlegen({u"d/innen/"_s});
    auswaehlen({tv.pfad(u"d/"_s)});

    for (const LKModus modus : {LKModus::Kopieren, LKModus::Verschieben}) {
        const LKErgebnis e = ausfuehren(modus, tv.pfad(u"d/innen/"_s), {u'j'});
        EXPECT_EQ(e.inSich, 1);
        EXPECT_EQ(e.erledigt, 0);
        ASSERT_FALSE(dialog->aufrufe.isEmpty());
        EXPECT_TRUE(dialog->aufrufe[0].text.contains(u"nicht in sich selbst"_s));
        EXPECT_FALSE(istDa(tv.pfad(u"d/innen/d"_s)));
        EXPECT_EQ(tv.dateiLesen(u"d/x.txt"_s), QByteArray("x"));
    }
}

TEST_F(LoeschenKopieren, ZielOhneLaufwerkWirdAbgewiesen)
{
    tv.dateiSchreiben(u"a.txt"_s, "a");
    auswaehlen({tv.pfad(u"a.txt"_s)});
    for (const QString &ziel : {QString(), u"   "_s, u"relativ/ziel"_s}) {
        const LKErgebnis e = ausfuehren(LKModus::Kopieren, ziel);
        EXPECT_TRUE(e.verweigert) << qPrintable(ziel);
        EXPECT_EQ(e.bericht, u"Das Ziel-Laufwerk kann nicht gefunden werden."_s);
        EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath(u"relativ"_s)));
    }
}

// A directory row and a row inside it that is listed apart from it

class EnthalteneZeile : public LoeschenKopieren, public ::testing::WithParamInterface<LKModus>
{
};

TEST_P(EnthalteneZeile, WirdMitDemVerzeichnisEinmalBehandelt)
{
    tv.dateiSchreiben(u"t/d/sub/x.txt"_s, "x");
    tv.dateiSchreiben(u"t/da.txt"_s, "da");
    tv.dateiSchreiben(u"t/dx/y.txt"_s, "y"); // "t/dx" shares a text prefix with "t/d" only
    tv.dateienAnlegen({u"ziel/"_s});
    // The contained row first, and another row between it and its directory.
    auswaehlen({tv.pfad(u"t/d/sub/x.txt"_s), tv.pfad(u"t/dx/y.txt"_s), tv.pfad(u"t/da.txt"_s), tv.pfad(u"t/d/"_s)});
    einst.LoeschenKopierenRueckgaengig = true;

    const LKErgebnis e = ausfuehren(GetParam(), tv.pfad(u"ziel/"_s));

    EXPECT_TRUE(dialog->aufrufe.isEmpty()) << (dialog->aufrufe.isEmpty() ? "" : qPrintable(dialog->aufrufe[0].text));
    EXPECT_EQ(e.erledigt, 4);
    EXPECT_EQ(e.fehler, 0);
    const auto inhalt = RueckDateiLesen(index->dateiPfad(index->eintrag(index->anzahl()).nummer));
    ASSERT_TRUE(inhalt.ok());
    EXPECT_EQ(inhalt->saetze.size(), 4u);
    if (GetParam() == LKModus::Kopieren) {
        EXPECT_EQ(tv.dateiLesen(u"ziel/d/sub/x.txt"_s), QByteArray("x"));
        EXPECT_FALSE(istDa(tv.pfad(u"ziel/x.txt"_s)));
        EXPECT_TRUE(istDa(tv.pfad(u"ziel/y.txt"_s)));
        EXPECT_EQ(aliste.Anzahl(), 4);
    } else {
        EXPECT_FALSE(istDa(tv.pfad(u"t/d"_s)));
        EXPECT_FALSE(istDa(tv.pfad(u"t/dx/y.txt"_s)));
        EXPECT_TRUE(istDa(tv.pfad(u"t/dx"_s)));
        EXPECT_EQ(aliste.Anzahl(), 0);
        EXPECT_EQ(lliste.Anzahl(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Arten, EnthalteneZeile, ::testing::Values(LKModus::Kopieren, LKModus::FuerImmer),
                         [](const auto &info) {
                             return info.param == LKModus::Kopieren ? std::string("Kopieren")
                                                                    : std::string("FuerImmer");
                         });

TEST_F(LoeschenKopieren, VerschiebenEntferntAuchEintraegeImVerzeichnis)
{
    tv.dateiSchreiben(u"q/d/a.txt"_s, "a");
    tv.dateiSchreiben(u"q/d/b.txt"_s, "b");
    tv.dateiSchreiben(u"q/andere.txt"_s, "o");
    tv.dateienAnlegen({u"ziel/"_s});
    auswaehlen({tv.pfad(u"q/d/"_s), tv.pfad(u"q/d/a.txt"_s), tv.pfad(u"q/d/b.txt"_s), tv.pfad(u"q/andere.txt"_s)});
    // Only the directory is marked; its entries go from the list with it.
    for (int z = 2; z <= aliste.Anzahl(); ++z)
        aliste.MarkSetzen(z, false);
    LListeAufbauen(aliste, lliste);
    ASSERT_EQ(lliste.Anzahl(), 1);

    const LKErgebnis e = ausfuehren(LKModus::Verschieben, tv.pfad(u"ziel/"_s));

    EXPECT_EQ(e.erledigt, 1);
    EXPECT_EQ(tv.dateiLesen(u"ziel/d/b.txt"_s), QByteArray("b"));
    ASSERT_EQ(aliste.Anzahl(), 1);
    EXPECT_EQ(aliste.Zelle(1, AZelle::Name), u"andere.txt"_s);
    EXPECT_EQ(e.erledigteVerzeichnisse, QStringList{tv.pfad(u"q/d/"_s)});
}

TEST_F(LoeschenKopieren, NummerVerzeichnisseMitJe1000)
{
    QStringList pfade;
    for (int i = 0; i < 2500; ++i) {
        const QString name = u"f%1.txt"_s.arg(i, 4, 10, QLatin1Char('0'));
        tv.dateiSchreiben(u"q/"_s + name, QByteArray());
        pfade.append(tv.pfad(u"q/"_s + name));
    }
    tv.dateienAnlegen({u"ziel/"_s});
    auswaehlen(pfade);
    auftrag.nummerArt = NummerArt::JeVerzeichnis;
    auftrag.nummerWert = 1000;
    einst.Sicherheitsfrage = true;

    const LKErgebnis e = ausfuehren(LKModus::Verschieben, tv.pfad(u"ziel/"_s), {u'j'});

    ASSERT_FALSE(dialog->aufrufe.isEmpty());
    EXPECT_EQ(dialog->aufrufe[0].text, u"Alle 2.500 sollen VERSCHOBEN werden.\r\n\r\nIn 3 Nummer-Verzeichnisse,\r\n"
                                       "mit jeweils 1.000 Dateien.\r\n\r\nWIRKLICH?"_s);
    EXPECT_EQ(e.erledigt, 2500);
    const auto zaehlen = [&](const QString &v) {
        return QDir(tv.pfad(u"ziel/"_s) + v).entryList(QDir::Files).size();
    };
    EXPECT_EQ(zaehlen(u"!_001"_s), 1000);
    EXPECT_EQ(zaehlen(u"!_002"_s), 1000);
    EXPECT_EQ(zaehlen(u"!_003"_s), 500);
    EXPECT_TRUE(istDa(tv.pfad(u"ziel/!_001/f0000.txt"_s)));
    EXPECT_TRUE(istDa(tv.pfad(u"ziel/!_003/f2499.txt"_s)));
    EXPECT_EQ(QDir(tv.pfad(u"q"_s)).entryList(QDir::Files).size(), 0);
    EXPECT_EQ(aliste.Anzahl(), 0);
}

TEST_F(LoeschenKopieren, AbbruchEndetNachDerLaufendenZeile)
{
    for (const char *n : {"a", "b", "c", "d"})
        tv.dateiSchreiben(QString::fromLatin1(n), n);
    auswaehlen({tv.pfad(u"a"_s), tv.pfad(u"b"_s), tv.pfad(u"c"_s), tv.pfad(u"d"_s)});
    einst.LoeschenKopierenRueckgaengig = true;
    // Four check steps, then the second work step sets the flag.
    AbbruchBeiSchritt fort(6);

    const LKErgebnis e = ausfuehren(LKModus::FuerImmer, QString(), {}, &fort);

    EXPECT_TRUE(e.abgebrochen);
    EXPECT_EQ(e.erledigt, 2);
    EXPECT_FALSE(istDa(tv.pfad(u"b"_s)));
    EXPECT_TRUE(istDa(tv.pfad(u"c"_s)));
    ASSERT_EQ(index->anzahl(), 1);
    EXPECT_EQ(index->eintrag(1).anzahl, 2);
    EXPECT_EQ(aliste.Anzahl(), 2);
}

// Moving to another file system

TEST_F(LoeschenKopieren, VerschiebenUeberDateisystemeMitUnlesbarerDateiLaesstDieQuelleGanz)
{
    if (!QFileInfo(u"/dev/shm"_s).isDir())
        GTEST_SKIP() << "kein /dev/shm";
    QTemporaryDir shm(u"/dev/shm/rinolux-XXXXXX"_s);
    ASSERT_TRUE(shm.isValid());
    const QString q = shm.path() + u"/baum/"_s;
    const QString ziel = tv.pfad(u"ziel/"_s);
    if (plattform::einhaengepunkt(shm.path()) == plattform::einhaengepunkt(tv.pfad()))
        GTEST_SKIP() << "/dev/shm und das Testverzeichnis liegen auf einem Dateisystem";
    QDir().mkpath(q + u"unter"_s);
    QDir().mkpath(ziel);
    for (const char *n : {"offen.txt", "unter/geheim.txt"}) {
        QFile f(q + QString::fromLatin1(n));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(n);
    }
    const QByteArray geheim = QFile::encodeName(q + u"unter/geheim.txt"_s);
    ASSERT_EQ(::chmod(geheim.constData(), 0), 0);
    auswaehlen({q, shm.path() + u"/anders.txt"_s});
    QFile anders(shm.path() + u"/anders.txt"_s);
    ASSERT_TRUE(anders.open(QIODevice::WriteOnly));
    anders.close();
    LListeAufbauen(aliste, lliste);

    LKErgebnis e;
    {
        FremderNutzer nutzer({shm.path(), tv.pfad()});
        QFile probe(q + u"unter/geheim.txt"_s);
        if (probe.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "die Datei lässt sich nicht unlesbar machen";
        e = ausfuehren(LKModus::Verschieben, ziel);
    }

    EXPECT_EQ(e.fehler, 1);
    EXPECT_EQ(e.erledigt, 1);
    EXPECT_TRUE(e.bericht.contains(u"> "_s + q.chopped(1)));
    ::chmod(geheim.constData(), 0600);
    EXPECT_TRUE(istDa(q + u"offen.txt"_s));
    EXPECT_TRUE(istDa(q + u"unter/geheim.txt"_s));
    EXPECT_FALSE(istDa(ziel + u"baum"_s));
    EXPECT_TRUE(istDa(ziel + u"anders.txt"_s));
    // The failed directory stays in both lists, the moved file leaves them.
    ASSERT_EQ(lliste.Anzahl(), 1);
    EXPECT_EQ(lliste.Zelle(1, LZelle::Name), u"baum"_s);
    ASSERT_EQ(aliste.Anzahl(), 1);
    EXPECT_EQ(lliste.Link(1), 1);
}

TEST_F(LoeschenKopieren, LeereUnterVerzeichnisse)
{
    tv.dateienAnlegen({u"s/a/b/"_s, u"s/c/"_s, u"s/voll/x"_s});
    SkriptDialog nein({u'n'});
    StillerFortschritt fort;
    EXPECT_EQ(Aktion_LeereVerzeichnisseLoeschen(tv.pfad(u"s/"_s), fort, nein).geloescht, 0);
    EXPECT_TRUE(istDa(tv.pfad(u"s/a/b"_s)));

    SkriptDialog ja({u'j'});
    const LeereVErgebnis e = Aktion_LeereVerzeichnisseLoeschen(tv.pfad(u"s/"_s), fort, ja);
    EXPECT_EQ(e.geloescht, 3);
    EXPECT_FALSE(istDa(tv.pfad(u"s/a"_s)));
    EXPECT_TRUE(istDa(tv.pfad(u"s/voll/x"_s)));
    ASSERT_EQ(ja.aufrufe.size(), 2);
    EXPECT_EQ(ja.aufrufe[1].text, u"Erfolg.\r\n\r\n3 leere Verzeichnisse sind gelöscht worden."_s);
}

} // namespace
} // namespace rinolux::test
