#include "AusfuehrenHilfe.h"

#include "core/actions/ListenUmbenennen.h"
#include "core/actions/RueckListe.h"
#include "core/platform/Plattform.h"
#include "core/shell/Dialog.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/Prozess.h"
#include "support/TestUmgebung.h"

#include <QDir>

#include <gtest/gtest.h>

namespace rinolux::test {
namespace {

using Art = ListenUmbenennenErgebnis::Art;

class ListenUmbenennen : public MitRueckIndex
{
protected:
    // Files hold their own name as content, so a replaced file shows.
    void anlegen(const QStringList &namen)
    {
        for (const QString &n : namen) {
            tmp.dateienAnlegen({n});
            if (!n.endsWith(u'/'))
                tmp.dateiSchreiben(n, n.toUtf8());
        }
    }

    // The selection list holds the rows {directory below tmp, name, "v" for a directory}.
    void liste(const QList<QStringList> &zeilen)
    {
        std::vector<Umbenennung> z;
        for (const QStringList &r : zeilen)
            z.push_back({tmp.pfad() + r[0], r[1], r[1], r.size() > 2 && r[2] == u"v"});
        arbeitsListenBauen(z, vliste, aliste);
    }

    QStringList rueckDateien() const
    {
        return QDir(ProgPfad).entryList({kRueckDateiVorsatz + u'*'}, QDir::Files);
    }

    TestVerzeichnis tmp;
    Einstellungen einst;
    ListenDaten vliste{VZelle::Anzahl};
    ListenDaten aliste;
};

struct Fall
{
    const char *name;
    QStringList dateien;  // in tmp
    QString alt;
    QString neu;
    Art art;
    QString meldungTeil;  // part of the message, empty: none
    QStringList nachher;  // tmp's top-level names afterwards
};

class ListenUmbenennenFall : public ListenUmbenennen, public ::testing::WithParamInterface<Fall>
{
};

TEST_P(ListenUmbenennenFall, NurErlaubteNamenWerdenUmbenanntUndAufgezeichnet)
{
    const Fall &f = GetParam();
    anlegen(f.dateien);
    liste({{QString(), f.alt}});

    const ListenUmbenennenErgebnis e = Aktion_ListenUmbenennen(aliste, 1, f.neu, einst, *index);

    EXPECT_EQ(e.art, f.art);
    if (f.meldungTeil.isEmpty()) {
        EXPECT_TRUE(e.meldung.isEmpty()) << e.meldung.toStdString();
    } else {
        EXPECT_TRUE(e.meldung.contains(f.meldungTeil)) << e.meldung.toStdString();
    }
    QStringList da = QDir(tmp.pfad()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    da.sort();
    EXPECT_EQ(da, f.nachher);
    // Nothing was replaced: every file still holds its own name.
    for (const QString &n : f.dateien) {
        if (QFileInfo::exists(tmp.pfad(n))) {
            EXPECT_EQ(tmp.dateiLesen(n), n.toUtf8());
        }
    }

    if (f.art != Art::Umbenannt) {
        EXPECT_TRUE(rueckDateien().isEmpty());
        EXPECT_EQ(index->anzahl(), 0);
        EXPECT_EQ(aliste.Zelle(1, AZelle::Name), f.alt);
        return;
    }
    EXPECT_EQ(aliste.Zelle(1, AZelle::Name), f.neu);
    EXPECT_EQ(aliste.Zelle(1, AZelle::Format), nxNameFormat(f.neu));
    ASSERT_EQ(index->anzahl(), 1);
    const RueckIndexEintrag &ie = index->eintrag(1);
    EXPECT_EQ(ie.code, 301);
    EXPECT_EQ(ie.beschreibung, QStringLiteral("Umbenennen in der Auswahl-Liste"));
    EXPECT_EQ(ie.anzahl, 1);
    EXPECT_EQ(ie.fehler, 0);
    EXPECT_EQ(ie.nummer, e.rueckNummer);

    const ErgebnisWert<RueckDateiInhalt> inhalt = RueckDateiLesen(index->dateiPfad(e.rueckNummer));
    ASSERT_TRUE(inhalt) << inhalt.ergebnis().text().toStdString();
    EXPECT_EQ(inhalt->code, 301);
    EXPECT_EQ(inhalt->beschreibung, QStringLiteral("Umbenennen in der Auswahl-Liste"));
    EXPECT_TRUE(inhalt->vollstaendig);
    EXPECT_EQ(inhalt->anzahl, 1);
    EXPECT_EQ(inhalt->anzahl2, 0);
    EXPECT_EQ(inhalt->fehler, 0);
    ASSERT_EQ(inhalt->saetze.size(), 1u);
    const RueckSatz &s = inhalt->saetze[0];
    EXPECT_EQ(s.verzeichnis, tmp.pfad());
    EXPECT_EQ(s.name, f.neu);
    EXPECT_EQ(s.wert, f.alt);
    EXPECT_FALSE(s.istVerzeichnis);

    // The file undoes the rename as the undo page would.
    ListenDaten rliste{7};
    const RueckLadeStand stand = Aktion_Vorschau_Rueck(index->dateiPfad(ie.nummer), ie, rliste);
    ASSERT_EQ(stand.art, RueckLadeStand::Art::Ok) << stand.meldung.toStdString();
    AusfuehrAuftrag a;
    a.arbeit = &rliste;
    a.code = 301;
    a.modus = AusfuehrModus::Rueckgaengig;
    SkriptDialog dialog;
    StillerFortschritt still;
    const AusfuehrErgebnis r = Aktion_AendernHerstellen(a, einst, still, dialog, *index);
    EXPECT_TRUE(r.allesErledigt()) << r.bericht.toStdString();
    EXPECT_TRUE(QFileInfo::exists(tmp.pfad(f.alt)));
    EXPECT_EQ(tmp.dateiLesen(f.alt), f.alt.toUtf8());
}

const QString kFrage = QStringLiteral("Fehler. Der Name konnte NICHT geändert werden!");
const QString kAblage = QStringLiteral("Soll der neue Name in die Zwischenablage kopiert werden?");

INSTANTIATE_TEST_SUITE_P(
    Faelle, ListenUmbenennenFall,
    ::testing::Values(
        Fall{"Ok", {"a.txt"}, "a.txt", "b.txt", Art::Umbenannt, {}, {"b.txt"}},
        Fall{"Unveraendert", {"a.txt"}, "a.txt", "a.txt", Art::Unveraendert, {}, {"a.txt"}},
        Fall{"SchraegstrichDarin", {"a.txt"}, "a.txt", "x/y", Art::Abgelehnt, "\"/\"", {"a.txt"}},
        Fall{"NullZeichen", {"a.txt"}, "a.txt", QStringLiteral("a") + QChar(0) + u'b', Art::Abgelehnt, "Null-Zeichen",
             {"a.txt"}},
        Fall{"Punkt", {"a.txt"}, "a.txt", ".", Art::Abgelehnt, "\"..\"", {"a.txt"}},
        Fall{"ZweiPunkte", {"a.txt"}, "a.txt", "..", Art::Abgelehnt, "\"..\"", {"a.txt"}},
        Fall{"Leer", {"a.txt"}, "a.txt", "", Art::Abgelehnt, "leer", {"a.txt"}},
        Fall{"Zeilenwechsel", {"a.txt"}, "a.txt", "a\nb", Art::Abgelehnt, "Zeilenwechsel", {"a.txt"}},
        Fall{"NameVonAndererDateiBelegt", {"a.txt", "b.txt"}, "a.txt", "b.txt", Art::Fehlgeschlagen, kAblage,
             {"a.txt", "b.txt"}},
        Fall{"NurGrossKleinDirekt", {"a.txt"}, "a.txt", "A.txt", Art::Umbenannt, {}, {"A.txt"}},
        Fall{"ObjektFehlt", {}, "a.txt", "b.txt", Art::Fehlgeschlagen, kFrage, {}}),
    [](const ::testing::TestParamInfo<Fall> &i) { return std::string(i.param.name); });

TEST_F(ListenUmbenennen, DieFehlerFrageNenntDenGrundUndDieZwischenablage)
{
    const QString t = ListenUmbenennenFrage(QStringLiteral("Name schon vorhanden"));
    EXPECT_TRUE(t.startsWith(kFrage + QStringLiteral("\r\n\r\n"))) << t.toStdString();
    EXPECT_TRUE(t.contains(QStringLiteral("Name schon vorhanden")));
    EXPECT_TRUE(t.endsWith(QStringLiteral("\r\n\r\n") + kAblage));
}

TEST_F(ListenUmbenennen, EinVerzeichnisNimmtDieEintraegeDarinMit)
{
    anlegen({"u/x.txt", ".versteckt"});
    liste({{QString(), "u", "v"}, {"u/", "x.txt"}});

    const ListenUmbenennenErgebnis e = Aktion_ListenUmbenennen(aliste, 1, QStringLiteral("w"), einst, *index);

    ASSERT_EQ(e.art, Art::Umbenannt) << e.meldung.toStdString();
    EXPECT_TRUE(QFileInfo::exists(tmp.pfad(QStringLiteral("w/x.txt"))));
    EXPECT_EQ(aliste.Zelle(2, AZelle::Pfad), QString(tmp.pfad() + QStringLiteral("w/")));
    EXPECT_EQ(aliste.Zelle(1, AZelle::Format), QString());
    const ErgebnisWert<RueckDateiInhalt> inhalt = RueckDateiLesen(index->dateiPfad(e.rueckNummer));
    ASSERT_TRUE(inhalt);
    ASSERT_EQ(inhalt->saetze.size(), 1u);
    EXPECT_TRUE(inhalt->saetze[0].istVerzeichnis);
    EXPECT_EQ(inhalt->saetze[0].wert, QStringLiteral("u"));
}

TEST_F(ListenUmbenennen, EinFuehrenderPunktVerstecktDenNamen)
{
    anlegen({"a"});
    liste({{QString(), "a"}});
    aliste.ZelleSetzen(1, AZelle::Attribute, QStringLiteral("0"));

    ASSERT_EQ(Aktion_ListenUmbenennen(aliste, 1, QStringLiteral(".a"), einst, *index).art, Art::Umbenannt);
    EXPECT_EQ(aliste.Zelle(1, AZelle::Attribute).toUInt() & plattform::AttrVersteckt, plattform::AttrVersteckt);
}

TEST_F(ListenUmbenennen, OhneSchreibbareRueckDateiBleibtDerAlteName)
{
    anlegen({"a.txt"});
    liste({{QString(), "a.txt"}});
    // Fails on the record (first call) and on closing (first call of a second attempt).
    for (const qint64 fehlerAb : {1, 2}) {
        auto aufz = std::make_shared<Aufzeichnung>();
        const ListenUmbenennenErgebnis e =
            Aktion_ListenUmbenennen(aliste, 1, QStringLiteral("b.txt"), einst, *index, aufzeichnen(aufz, fehlerAb));
        EXPECT_EQ(e.art, Art::Abgelehnt) << fehlerAb;
        EXPECT_TRUE(e.meldung.contains(QStringLiteral("Rück-Datei kann nicht geschrieben werden")));
        EXPECT_TRUE(QFileInfo::exists(tmp.pfad(QStringLiteral("a.txt"))));
        EXPECT_FALSE(QFileInfo::exists(tmp.pfad(QStringLiteral("b.txt"))));
        EXPECT_EQ(aliste.Zelle(1, AZelle::Name), QStringLiteral("a.txt"));
        EXPECT_TRUE(rueckDateien().isEmpty());
        EXPECT_EQ(index->anzahl(), 0);
    }
}

TEST_F(ListenUmbenennen, OhneFreieRueckNummerAendertSichNichts)
{
    anlegen({"a.txt"});
    liste({{QString(), "a.txt"}});
    // The data directory is a file: no undo file can be made there.
    RueckIndex kaputt(tmp.pfad(QStringLiteral("a.txt")) + u'/');

    const ListenUmbenennenErgebnis e = Aktion_ListenUmbenennen(aliste, 1, QStringLiteral("b.txt"), einst, kaputt);

    EXPECT_EQ(e.art, Art::Abgelehnt);
    EXPECT_TRUE(e.meldung.contains(QStringLiteral("Es ist nichts verändert worden.")));
    EXPECT_TRUE(QFileInfo::exists(tmp.pfad(QStringLiteral("a.txt"))));
    EXPECT_EQ(aliste.Zelle(1, AZelle::Name), QStringLiteral("a.txt"));
}

} // namespace
} // namespace rinolux::test
