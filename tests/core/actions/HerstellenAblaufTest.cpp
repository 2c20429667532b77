// Creation rules from the preview to the disk and back: the rows the preview makes are
// carried out on real files, recorded, and undone through the undo file.

#include "AusfuehrenHilfe.h"

#include "core/engine/HerstellVorschau.h"
#include "core/shell/Dialog.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "core/util/nx_Adresse.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>

namespace rinolux::test {
namespace {

class HerstellenAblauf : public MitRueckIndex
{
protected:
    QString wurzel() const { return tmp->pfad(); }
    void neuesVerzeichnis() { tmp = std::make_unique<TestVerzeichnis>(); }

    // The selection: the named objects below the root, all marked.
    void auswaehlen(const QStringList &namen)
    {
        nxAuswahlListeVorbereiten(aliste);
        for (const QString &n : namen) {
            const bool verz = n.endsWith(u'/');
            const QString name = verz ? n.chopped(1) : n;
            const int z = aliste.ZeilenAnhaengen();
            aliste.ZelleSetzen(z, AZelle::Pfad, wurzel() + nxAdresseVerzeichnis(name));
            aliste.ZelleSetzen(z, AZelle::PfadNr, QStringLiteral("1"));
            aliste.ZelleSetzen(z, AZelle::Name, nxAdresseNameFormat(name));
            aliste.ZelleSetzen(z, AZelle::Format, nxNameFormat(nxAdresseNameFormat(name)));
            aliste.VerzSetzen(z, verz);
            aliste.MarkSetzen(z, true);
        }
    }

    VorschauLaufErgebnis vorschau(const TeilRegel &t)
    {
        Regel r;
        r.teile.append(t);
        StillerFortschritt still;
        VorschauZeilenAufbauen(vliste, aliste, t.code);
        return Aktion_VorschauAnzeigen(vliste, aliste, RegelSchreiben(r), {}, still);
    }

    AusfuehrErgebnis ausfuehren(AktionsCode code, QList<QChar> antworten = {})
    {
        AusfuehrAuftrag a;
        a.arbeit = &vliste;
        a.auswahl = &aliste;
        a.code = code;
        a.beschreibung = QStringLiteral("Herstellen: Test");
        a.auswahlVerzeichnis = ansicht;
        a.auswahlVerzeichnisse = verzeichnisseGelistet;
        dialog = std::make_unique<SkriptDialog>(std::move(antworten));
        StillerFortschritt still;
        return Aktion_AendernHerstellen(a, einst, still, *dialog, *index);
    }

    AusfuehrErgebnis rueckgaengig()
    {
        EXPECT_GE(index->anzahl(), 1);
        if (index->anzahl() < 1)
            return {};
        const RueckIndexEintrag &eintrag = index->eintrag(index->anzahl());
        EXPECT_EQ(eintrag.code, 309);
        dialog = std::make_unique<SkriptDialog>();
        StillerFortschritt still;
        return eintragRueckgaengig(*index, eintrag, rliste, *dialog, still, einst);
    }

    static TeilRegel regel(AktionsCode code, HerstOrt ort, const QString &pfad = QString())
    {
        TeilRegel t;
        t.code = code;
        t.herst.ort = ort;
        t.herst.ortPfad = pfad;
        return t;
    }

    std::unique_ptr<TestVerzeichnis> tmp = std::make_unique<TestVerzeichnis>();
    Einstellungen einst;
    ListenDaten vliste{VZelle::Anzahl};
    ListenDaten aliste;
    ListenDaten rliste{7};
    std::unique_ptr<SkriptDialog> dialog;
    QString ansicht;
    bool verzeichnisseGelistet = true;
};

QString inhalt(const QByteArray &b)
{
    return QStringLiteral("d:") +
           QString::fromLatin1(QCryptographicHash::hash(b, QCryptographicHash::Sha1).toHex());
}

struct Fall
{
    const char *name;
    QMap<QString, QByteArray> vorher; // relative name -> content; names ending in "/" are directories
    QStringList auswahl;
    std::function<TeilRegel(const QString &wurzel)> regel;
    QMap<QString, QByteArray> neu; // what the run adds (content; "/" names directories)
    qint64 erledigt;
    qint64 fehler;
    QStringList bleiben; // directories made for the targets: not recorded, they stay after an undo
};

TEST_F(HerstellenAblauf, SzenarienHerstellenUndRueckgaengig)
{
    const QList<Fall> faelle{
        {"DreiKopienMitNummern",
         {{"a.txt", "A"}, {"b.txt", "BB"}, {"c.txt", "CCC"}},
         {"a.txt", "b.txt", "c.txt"},
         [](const QString &) {
             TeilRegel t = regel(273, HerstOrt::Auswahl);
             t.nummer = {QStringLiteral("Kopie "), QStringLiteral("1"), QStringLiteral("1"),
                         QStringLiteral(".txt")};
             return t;
         },
         {{"Kopie 1.txt", "A"}, {"Kopie 2.txt", "BB"}, {"Kopie 3.txt", "CCC"}},
         3,
         0,
         {}},
        {"ZehnLeereOrdner",
         {},
         {},
         [](const QString &w) {
             TeilRegel t = regel(293, HerstOrt::Pfad, w + QStringLiteral("neu"));
             t.nummer = {QStringLiteral("Ordner "), QStringLiteral("01"), QStringLiteral("1"), QString()};
             t.herst.anzahl = QStringLiteral("10");
             return t;
         },
         {{"neu/Ordner 01/", {}},
          {"neu/Ordner 02/", {}},
          {"neu/Ordner 03/", {}},
          {"neu/Ordner 04/", {}},
          {"neu/Ordner 05/", {}},
          {"neu/Ordner 06/", {}},
          {"neu/Ordner 07/", {}},
          {"neu/Ordner 08/", {}},
          {"neu/Ordner 09/", {}},
          {"neu/Ordner 10/", {}}},
         10,
         0,
         {"neu/"}},
        {"ZehnBytesInDreiTeilen",
         {{"gross.bin", "0123456789"}},
         {},
         [](const QString &w) {
             TeilRegel t = regel(263, HerstOrt::Quelle);
             t.herst.quelleDatei = w + QStringLiteral("gross.bin");
             t.nummer = {QStringLiteral("gross.bin."), QStringLiteral("001"), QStringLiteral("1"), QString()};
             t.herst.anzahl = QStringLiteral("3");
             return t;
         },
         {{"gross.bin.001", "0123"}, {"gross.bin.002", "4567"}, {"gross.bin.003", "89"}},
         3,
         0,
         {}},
        {"EineDateiAusDrei",
         {{"A", "aa"}, {"B", "b"}, {"C", "ccc"}},
         {"A", "B", "C"},
         [](const QString &w) {
             TeilRegel t = regel(250, HerstOrt::Pfad, w + QStringLiteral("aus"));
             t.herst.verbinden = QStringLiteral("T1");
             return t;
         },
         {{"aus/T1", "aabccc"}},
         1,
         0,
         {"aus/"}},
        // A selected directory between the pieces is left out of the joined file.
        {"ZweiGruppenAusFuenf",
         {{"T1.001", "A"},
          {"T1.002", "B"},
          {"T1.003", "C"},
          {"T2.001", "D"},
          {"T2.002", "E"},
          {"mitte/", {}}},
         {"T1.001", "T1.002", "mitte/", "T1.003", "T2.001", "T2.002"},
         [](const QString &w) {
             TeilRegel t = regel(249, HerstOrt::Pfad, w);
             t.herst.verbinden = QStringLiteral(".001");
             return t;
         },
         {{"T1", "ABC"}, {"T2", "DE"}},
         2,
         0,
         {}},
        {"KopieEinesVerzeichnissesIstLeer",
         {{"ordner/", {}}, {"ordner/drin.txt", "x"}},
         {"ordner/"},
         [](const QString &w) {
             TeilRegel t = regel(271, HerstOrt::Pfad, w + QStringLiteral("ziel"));
             return t;
         },
         {{"ziel/ordner/", {}}},
         1,
         0,
         {"ziel/"}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.name);
        frischerIndex();
        neuesVerzeichnis();
        for (auto it = f.vorher.cbegin(); it != f.vorher.cend(); ++it) {
            tmp->dateienAnlegen({it.key()});
            if (!it.key().endsWith(u'/'))
                tmp->dateiSchreiben(it.key(), it.value());
        }
        const Baum vorher = baumLesen(wurzel());
        auswaehlen(f.auswahl);
        const VorschauLaufErgebnis p = vorschau(f.regel(wurzel()));
        ASSERT_TRUE(p.auswertung.aktionFrei) << p.auswertung.text.toStdString();
        const AusfuehrErgebnis e = ausfuehren(p.code);
        EXPECT_TRUE(e.begonnen);
        EXPECT_EQ(e.erledigt1, f.erledigt);
        EXPECT_EQ(e.fehler1, f.fehler) << e.bericht.toStdString();

        Baum erwartet = vorher;
        for (const QString &b : f.bleiben)
            erwartet.insert(b.chopped(1), QStringLiteral("v"));
        Baum nachRueck = erwartet;
        for (auto it = f.neu.cbegin(); it != f.neu.cend(); ++it) {
            QString name = it.key();
            if (name.endsWith(u'/'))
                erwartet.insert(name.chopped(1), QStringLiteral("v"));
            else
                erwartet.insert(name, inhalt(it.value()));
        }
        EXPECT_EQ(baumLesen(wurzel()), erwartet);

        // Undo takes exactly the created objects away again; the directories the run had
        // to make for them stay.
        const AusfuehrErgebnis r = rueckgaengig();
        EXPECT_EQ(r.fehlerGesamt(), 0) << r.bericht.toStdString();
        EXPECT_EQ(r.erledigt1, f.erledigt);
        EXPECT_EQ(baumLesen(wurzel()), nachRueck);
    }
}

TEST_F(HerstellenAblauf, BestehendesZielWirdNieUeberschrieben)
{
    tmp->dateiSchreiben(QStringLiteral("f1.txt"), "alt");
    TeilRegel t = regel(283, HerstOrt::Pfad, wurzel());
    t.nummer = {QStringLiteral("f"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral(".txt")};
    t.herst.anzahl = QStringLiteral("2");
    const VorschauLaufErgebnis p = vorschau(t);
    ASSERT_EQ(vliste.Anzahl(), 2);
    EXPECT_EQ(vliste.Zelle(1, VZelle::Ergebnis), HerstellSchonVorhandenText);
    EXPECT_TRUE(p.auswertung.aktionFrei);

    // The object appears between preview and carry-out: the check reports it, and with
    // "trotzdem" the row fails instead of replacing it.
    tmp->dateiSchreiben(QStringLiteral("f2.txt"), "auch alt");
    const AusfuehrErgebnis e = ausfuehren(283, {u'j'});
    EXPECT_EQ(e.belegt, 1);
    EXPECT_EQ(e.erledigt1, 0);
    EXPECT_EQ(e.fehler1, 1);
    EXPECT_EQ(tmp->dateiLesen(QStringLiteral("f1.txt")), QByteArray("alt"));
    EXPECT_EQ(tmp->dateiLesen(QStringLiteral("f2.txt")), QByteArray("auch alt"));
}

TEST_F(HerstellenAblauf, GeaenderteErstellteDateiBleibtBeimRueckgaengig)
{
    TeilRegel t = regel(282, HerstOrt::Pfad, wurzel());
    t.liste.zeilen = {QStringLiteral("bleibt.txt"), QStringLiteral("geht.txt")};
    const VorschauLaufErgebnis p = vorschau(t);
    ASSERT_TRUE(p.auswertung.aktionFrei);
    ASSERT_EQ(ausfuehren(282).erledigt1, 2);
    tmp->dateiSchreiben(QStringLiteral("bleibt.txt"), "seitdem beschrieben");

    const AusfuehrErgebnis r = rueckgaengig();
    EXPECT_FALSE(QFile::exists(wurzel() + QStringLiteral("geht.txt")));
    EXPECT_EQ(tmp->dateiLesen(QStringLiteral("bleibt.txt")), QByteArray("seitdem beschrieben"));
    EXPECT_EQ(r.fehlerGesamt(), 1);
    EXPECT_TRUE(r.bericht.contains(QStringLiteral("bleibt.txt"))) << r.bericht.toStdString();
}

TEST_F(HerstellenAblauf, SkriptSetztDieTeileWiederZusammen)
{
    QByteArray gross;
    for (int i = 0; i < 10; ++i)
        gross += char('a' + i);
    tmp->dateiSchreiben(QStringLiteral("quelle.bin"), gross);
    einst.TeilenSkript = true;
    // The parts go elsewhere, so the script can make the source's name there.
    TeilRegel t = regel(263, HerstOrt::Pfad, wurzel() + QStringLiteral("teile"));
    t.herst.quelleDatei = wurzel() + QStringLiteral("quelle.bin");
    t.nummer = {QStringLiteral("quelle bin '$x'."), QStringLiteral("1"), QStringLiteral("1"), QString()};
    t.herst.anzahl = QStringLiteral("3");
    ASSERT_TRUE(vorschau(t).auswertung.aktionFrei);
    const AusfuehrErgebnis e = ausfuehren(263);
    ASSERT_EQ(e.erledigt1, 3) << e.bericht.toStdString();
    const QString teile = wurzel() + QStringLiteral("teile/");
    EXPECT_EQ(QFileInfo(teile + QStringLiteral("quelle bin '$x'.1")).size(), 4);
    EXPECT_EQ(QFileInfo(teile + QStringLiteral("quelle bin '$x'.2")).size(), 4);
    EXPECT_EQ(QFileInfo(teile + QStringLiteral("quelle bin '$x'.3")).size(), 2);
    const QString skript = teile + QStringLiteral("quelle bin '$x'.1.sh");
    ASSERT_TRUE(QFile::exists(skript));

    QProcess sh;
    sh.setWorkingDirectory(teile);
    sh.start(QStringLiteral("sh"), {skript});
    ASSERT_TRUE(sh.waitForFinished(10000));
    EXPECT_EQ(sh.exitCode(), 0) << sh.readAllStandardError().toStdString();
    EXPECT_EQ(tmp->dateiLesen(QStringLiteral("teile/quelle.bin")), gross);
}

TEST_F(HerstellenAblauf, NeueObjekteKommenInDieAuswahlWennSieGezeigtWerden)
{
    struct Sicht
    {
        const char *name;
        bool hierGelistet;
        bool verzeichnisseGezeigt;
        int dazu;
    };
    for (const Sicht &s :
         {Sicht{"ListeZeigtDasZiel", true, true, 2}, Sicht{"AnderesVerzeichnis", false, true, 0},
          Sicht{"VerzeichnisseNichtGezeigt", true, false, 0}}) {
        SCOPED_TRACE(s.name);
        frischerIndex();
        neuesVerzeichnis();
        auswaehlen({});
        ansicht = s.hierGelistet ? wurzel() : wurzel() + QStringLiteral("anderswo/");
        verzeichnisseGelistet = s.verzeichnisseGezeigt;
        TeilRegel t = regel(292, HerstOrt::Pfad, wurzel());
        t.liste.zeilen = {QStringLiteral("b"), QStringLiteral("a")};
        ASSERT_TRUE(vorschau(t).auswertung.aktionFrei);
        ASSERT_EQ(ausfuehren(292).erledigt1, 2);
        ASSERT_EQ(aliste.Anzahl(), s.dazu);
        for (int z = 1; z <= aliste.Anzahl(); ++z) {
            EXPECT_TRUE(aliste.Verz(z));
            EXPECT_EQ(aliste.Zelle(z, AZelle::Pfad), wurzel());
            EXPECT_EQ(aliste.Zelle(z, AZelle::PfadNr), QStringLiteral("1"));
        }
        if (s.dazu == 2) {
            // Sorted into place by name.
            EXPECT_EQ(aliste.Zelle(aliste.ZeileAn(1), AZelle::Name), QStringLiteral("a"));
            EXPECT_EQ(aliste.Zelle(aliste.ZeileAn(2), AZelle::Name), QStringLiteral("b"));
        }
    }
}

} // namespace
} // namespace rinolux::test
