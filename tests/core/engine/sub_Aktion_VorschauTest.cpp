#include "core/engine/RegelListe.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"

#include <gtest/gtest.h>

using namespace rinolux;

namespace {

struct Eintrag
{
    QString pfad;
    QString name;
    bool markiert = true;
};

ListenDaten auswahl(const QList<Eintrag> &eintraege)
{
    ListenDaten a(AZelle::Anzahl);
    for (const Eintrag &e : eintraege) {
        const int z = a.ZeilenAnhaengen(1);
        a.ZelleSetzen(z, AZelle::Pfad, e.pfad);
        a.ZelleSetzen(z, AZelle::PfadNr, QStringLiteral("1"));
        a.ZelleSetzen(z, AZelle::Name, e.name);
        a.ZelleSetzen(z, AZelle::Bytes, QStringLiteral("10"));
        a.ZelleSetzen(z, AZelle::Attribute, QStringLiteral("32"));
        a.ZelleSetzen(z, AZelle::ZeitA, QStringLiteral("20240229_120000_000_4"));
        a.MarkSetzen(z, e.markiert);
    }
    return a;
}

QString standardRegel(const QString &beschreibung)
{
    const RegelListe r = StandardRegeln();
    return r.code(r.beschreibungen().indexOf(beschreibung));
}

const QString kLeerzeichenZuUnterstrich = QStringLiteral("Ändern: alle Leerzeichen durch _ ersetzen");

struct Lauf
{
    ListenDaten vorschau{VZelle::Anzahl};
    VorschauLaufErgebnis ergebnis;
    QStringList spalte(int s) const
    {
        QStringList l;
        for (int z = 1; z <= vorschau.Anzahl(); ++z)
            l << vorschau.Zelle(z, s);
        return l;
    }
};

Lauf vorschau(const ListenDaten &a, const QString &code, Fortschritt *fort = nullptr)
{
    Lauf l;
    StillerFortschritt still;
    const RegelLeseErgebnis r = RegelLesen(code);
    VorschauZeilenAufbauen(l.vorschau, a, r.regel.teile.isEmpty() ? 0 : r.regel.teile.last().code);
    l.ergebnis = Aktion_VorschauAnzeigen(l.vorschau, a, code, {}, fort ? *fort : still);
    return l;
}

TEST(VorschauLaufTest, ZeilenAusMarkiertenInAnzeigeReihenfolge)
{
    ListenDaten a = auswahl({{QStringLiteral("/d/"), QStringLiteral("a b")},
                             {QStringLiteral("/d/"), QStringLiteral("nicht gewählt"), false},
                             {QStringLiteral("/d/"), QStringLiteral("c d")}});
    ASSERT_TRUE(a.ReihenfolgeSetzen({0, 3, 2, 1}));
    const Lauf l = vorschau(a, standardRegel(kLeerzeichenZuUnterstrich));
    EXPECT_EQ(l.spalte(VZelle::Name), (QStringList{QStringLiteral("c d"), QStringLiteral("a b")}));
    EXPECT_EQ(l.spalte(VZelle::NeuName), (QStringList{QStringLiteral("c_d"), QStringLiteral("a_b")}));
    EXPECT_EQ(l.spalte(VZelle::NeuPfad), (QStringList{QStringLiteral("/d/"), QStringLiteral("/d/")}));
    EXPECT_EQ(l.vorschau.Link(1), 3);
    EXPECT_EQ(l.ergebnis.auswertung.text, QStringLiteral("Alle 2 können geändert werden. ->"));
}

TEST(VorschauLaufTest, DoppelteNurImSelbenVerzeichnis)
{
    // "a b" and "a_b" become the same name in /d/; in /e/ the same new name is fine;
    // "Ä b" and "ä b" differ beyond A-Z and stay apart.
    const ListenDaten a = auswahl({{QStringLiteral("/d/"), QStringLiteral("a b")},
                                   {QStringLiteral("/d/"), QStringLiteral("A_b")},
                                   {QStringLiteral("/e/"), QStringLiteral("a b")},
                                   {QStringLiteral("/d/"), QStringLiteral("Ä b")},
                                   {QStringLiteral("/d/"), QStringLiteral("ä b")}});
    const Lauf l = vorschau(a, standardRegel(kLeerzeichenZuUnterstrich));
    EXPECT_EQ(l.spalte(VZelle::Ergebnis),
              (QStringList{QStringLiteral("neuer Name doppelt"), QStringLiteral("neuer Name doppelt"), QStringLiteral("ok"),
                           QStringLiteral("ok"), QStringLiteral("ok")}));
    EXPECT_TRUE(l.vorschau.Warn(1));
    EXPECT_FALSE(l.vorschau.Warn(3));
    EXPECT_EQ(l.ergebnis.auswertung.text, QStringLiteral("Nur 3 können geändert werden. 2 sind fehlerhaft. ->"));
    EXPECT_EQ(l.ergebnis.auswertung.farbe, VorschauFarbe::Gelb);
}

TEST(VorschauLaufTest, KeineVeraenderungIstKeinFehler)
{
    const ListenDaten a = auswahl({{QStringLiteral("/d/"), QStringLiteral("ab")}, {QStringLiteral("/d/"), QStringLiteral("cd")}});
    const Lauf l = vorschau(a, standardRegel(kLeerzeichenZuUnterstrich));
    EXPECT_EQ(l.spalte(VZelle::Ergebnis), (QStringList{QStringLiteral("keine Veränderung"), QStringLiteral("keine Veränderung")}));
    EXPECT_EQ(l.ergebnis.auswertung.text, QStringLiteral("Alle 2 können geändert werden. ->"));
    EXPECT_TRUE(l.ergebnis.auswertung.aktionFrei);
}

TEST(VorschauLaufTest, VeraltenNachAenderungUndOhneAuswahl)
{
    const ListenDaten a = auswahl({{QStringLiteral("/d/"), QStringLiteral("a b")}});
    Lauf l = vorschau(a, standardRegel(kLeerzeichenZuUnterstrich));
    ASSERT_FALSE(l.vorschau.Warn(1));
    EXPECT_EQ(VorschauVeralten(l.vorschau, 225, a.MarkiertAnzahl()), VorschauVeraltetText);
    EXPECT_EQ(l.vorschau.Zelle(1, VZelle::NeuName), QString());
    EXPECT_EQ(l.vorschau.Zelle(1, VZelle::Ergebnis), VorschauVeraltetText);
    EXPECT_TRUE(l.vorschau.Warn(1));

    const ListenDaten leer = auswahl({{QStringLiteral("/d/"), QStringLiteral("a b"), false}});
    ListenDaten v(VZelle::Anzahl);
    VorschauZeilenAufbauen(v, leer, 225);
    EXPECT_EQ(v.Anzahl(), 0);
    EXPECT_EQ(VorschauVeralten(v, 225, leer.MarkiertAnzahl()),
              QStringLiteral("Auf der Seite [Auswählen] muss mindestens ein Name ausgewählt sein."));
    const VorschauLaufErgebnis e = Aktion_VorschauAnzeigen(v, leer, standardRegel(kLeerzeichenZuUnterstrich), {},
                                                           *std::make_unique<StillerFortschritt>());
    EXPECT_EQ(e.auswertung.text, QStringLiteral("Die Anzahl der Dateien oder Verzeichnisse ist zu gering."));
    EXPECT_FALSE(e.auswertung.aktionFrei);
}

TEST(VorschauLaufTest, AbbruchMarktJedeZeile)
{
    QList<Eintrag> viele;
    for (int i = 0; i < 50; ++i)
        viele.append({QStringLiteral("/d/"), QStringLiteral("n %1").arg(i)});
    const ListenDaten a = auswahl(viele);
    AbbruchBeiSchritt fort(1);
    const Lauf l = vorschau(a, standardRegel(kLeerzeichenZuUnterstrich), &fort);
    ASSERT_EQ(l.vorschau.Anzahl(), 50);
    for (int z = 1; z <= 50; ++z) {
        EXPECT_EQ(l.vorschau.Zelle(z, VZelle::Ergebnis), VorschauAbgebrochenText);
        EXPECT_TRUE(l.vorschau.Warn(z));
    }
    EXPECT_TRUE(l.ergebnis.abgebrochen);
    EXPECT_EQ(l.ergebnis.auswertung.text, QStringLiteral("Keine kann geändert werden. Alle 50 sind fehlerhaft."));
}

TEST(VorschauLaufTest, FehlerEinerFruherenTeilRegelSperrtDieAktion)
{
    // A nested-number sub-rule with a broken formula, then a harmless replacement.
    const RegelLeseErgebnis ersetzen = RegelLesen(standardRegel(kLeerzeichenZuUnterstrich));
    ASSERT_TRUE(ersetzen.gueltig());
    TeilRegel formel = ersetzen.regel.teile.first();
    formel.code = 224;
    formel.formel = QStringLiteral("= /1*4*0*zahl\\ =");
    Regel kombiniert;
    kombiniert.teile = {formel, ersetzen.regel.teile.first()};
    const ListenDaten a = auswahl({{QStringLiteral("/d/"), QStringLiteral("a b")}, {QStringLiteral("/d/"), QStringLiteral("c")}});
    const Lauf l = vorschau(a, RegelSchreiben(kombiniert));
    EXPECT_EQ(l.spalte(VZelle::Ergebnis), (QStringList{QStringLiteral("1. Formel falsch"), QStringLiteral("1. Formel falsch")}));
    EXPECT_FALSE(l.ergebnis.auswertung.aktionFrei);
}

TEST(VorschauLaufTest, FreieNamenMitZuWenigenZeilen)
{
    TeilRegel frei;
    frei.code = 209;
    frei.freiZeilen = {QStringLiteral("eins")};
    Regel r;
    r.teile = {frei};
    const ListenDaten a = auswahl({{QStringLiteral("/d/"), QStringLiteral("a")}, {QStringLiteral("/d/"), QStringLiteral("b")},
                                   {QStringLiteral("/d/"), QStringLiteral("c")}});
    const Lauf l = vorschau(a, RegelSchreiben(r));
    EXPECT_EQ(l.ergebnis.auswertung.text, QStringLiteral("In der oben stehenden Liste fehlen 2 neue Namen."));
    EXPECT_FALSE(l.ergebnis.auswertung.aktionFrei);
}

TEST(VorschauLaufTest, VeralteteRegelLeertDieListe)
{
    const ListenDaten a = auswahl({{QStringLiteral("/d/"), QStringLiteral("a")}});
    ListenDaten v(VZelle::Anzahl);
    VorschauZeilenAufbauen(v, a, 225);
    StillerFortschritt fort;
    const VorschauLaufErgebnis e =
        Aktion_VorschauAnzeigen(v, a, QStringLiteral("1\t201\t700\tENDE"), {}, fort);
    EXPECT_EQ(v.Anzahl(), 0);
    EXPECT_EQ(e.auswertung.text, QStringLiteral("Die Regel ist veraltet und kann nicht mehr verwendet werden."));
}

class FesteWerte final : public PlatzhalterFrage
{
public:
    QList<Platzhalter> gefragt;
    bool PlatzhalterWerte(const QList<Platzhalter> &p, QStringList &werte) override
    {
        gefragt = p;
        werte = {QStringLiteral("X\tY")};
        return true;
    }
};

TEST(VorschauLaufTest, PlatzhalterWerdenEinmalGefragt)
{
    QString code = standardRegel(kLeerzeichenZuUnterstrich);
    code.replace(QStringLiteral("\tw\t_\t"), QStringLiteral("\tw\t<Ort>\t"));
    ASSERT_TRUE(code.contains(QStringLiteral("<Ort>")));
    const ListenDaten a = auswahl({{QStringLiteral("/d/"), QStringLiteral("a b")}});
    ListenDaten v(VZelle::Anzahl);
    VorschauZeilenAufbauen(v, a, 225);
    FesteWerte frage;
    VorschauOptionen o;
    o.platzhalter = &frage;
    StillerFortschritt fort;
    const VorschauLaufErgebnis e = Aktion_VorschauAnzeigen(v, a, code, o, fort);
    ASSERT_EQ(frage.gefragt.size(), 1);
    EXPECT_EQ(v.Zelle(1, VZelle::NeuName), QStringLiteral("aXYb"));
    EXPECT_FALSE(e.regelCode.contains(u'<'));
}

} // namespace
