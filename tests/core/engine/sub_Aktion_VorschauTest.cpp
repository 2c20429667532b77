#include "core/engine/RegelListe.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"

#include <gtest/gtest.h>

#include <functional>

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

TeilRegel mit(TeilRegel t, const std::function<void(TeilRegel &)> &f)
{
    f(t);
    return t;
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

TEST(VorschauLaufTest, BehalteneNamenSindKeineDoppeltenVoneinander)
{
    // "ChangeLog.gz" and "changelog.gz" are two existing files that keep their names; the
    // other pair differs in case too, but "change log.gz" takes the name of "Change_Log.gz".
    const ListenDaten a = auswahl({{QStringLiteral("/d/"), QStringLiteral("ChangeLog.gz")},
                                   {QStringLiteral("/d/"), QStringLiteral("changelog.gz")},
                                   {QStringLiteral("/d/"), QStringLiteral("Change_Log.gz")},
                                   {QStringLiteral("/d/"), QStringLiteral("change log.gz")}});
    const Lauf l = vorschau(a, standardRegel(kLeerzeichenZuUnterstrich));
    EXPECT_EQ(l.spalte(VZelle::Ergebnis),
              (QStringList{QStringLiteral("keine Veränderung"), QStringLiteral("keine Veränderung"),
                           QStringLiteral("neuer Name doppelt"), QStringLiteral("neuer Name doppelt")}));
    EXPECT_EQ(l.ergebnis.auswertung.text, QStringLiteral("Nur 2 können geändert werden. 2 sind fehlerhaft. ->"));
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

// Sub-rules over the whole name, for combining.
Stellenangabe stelle(int art, qint64 anzahl)
{
    Stellenangabe s;
    s.art = art;
    s.anzahl = anzahl;
    return s;
}

TeilRegel einfuegenVorn(const QString &text)
{
    TeilRegel t;
    t.code = 215;
    t.hinStelle = stelle(1, 1);
    t.wert = text;
    return t;
}

TeilRegel allesEntfernen()
{
    TeilRegel t;
    t.code = 208;
    t.von = stelle(1, 1);
    t.bis = stelle(1, -1);
    t.teilstueck = stelle(6, 1);
    return t;
}

TeilRegel freieNamen(const QStringList &zeilen)
{
    TeilRegel t;
    t.code = 209;
    t.freiZeilen = zeilen;
    return t;
}

// Last-write times numbered from a fixed time, one second apart: every row changes.
TeilRegel nummerierteZeit()
{
    TeilRegel t;
    t.code = 111;
    t.zeit.wert = QStringLiteral("20200101_000000_000");
    t.zeit.einheit = 6;
    t.zeit.diff = QStringLiteral("1");
    return t;
}

TeilRegel nurLesen()
{
    TeilRegel t;
    t.code = 205;
    t.attribute = {AttributWahl::Lassen, AttributWahl::Setzen, AttributWahl::Lassen, AttributWahl::Lassen};
    return t;
}

struct PruefFall
{
    const char *name;
    QList<Eintrag> eintraege;
    QList<TeilRegel> teile;
    QStringList ergebnisse;
    bool aktionFrei;
};

void PrintTo(const PruefFall &f, std::ostream *os)
{
    *os << f.name;
}

class VorschauPruefFallTest : public ::testing::TestWithParam<PruefFall>
{
};

// Whatever sub-rule comes last, a new name is checked once any sub-rule changed names, and
// an object whose directory or name cannot be recorded in a TAB- and line-framed file is
// never offered for a change.
TEST_P(VorschauPruefFallTest, ErgebnisJeZeile)
{
    const PruefFall &f = GetParam();
    Regel r;
    r.teile = f.teile;
    const Lauf l = vorschau(auswahl(f.eintraege), RegelSchreiben(r));
    EXPECT_EQ(l.spalte(VZelle::Ergebnis).join(QStringLiteral(" | ")).toStdString(),
              f.ergebnisse.join(QStringLiteral(" | ")).toStdString());
    ASSERT_EQ(l.vorschau.Anzahl(), f.ergebnisse.size());
    for (int z = 1; z <= l.vorschau.Anzahl(); ++z) {
        const QString &e = f.ergebnisse[z - 1];
        EXPECT_EQ(l.vorschau.Warn(z), e != u"ok" && e != u"keine Veränderung") << z;
    }
    EXPECT_EQ(l.ergebnis.auswertung.aktionFrei, f.aktionFrei) << l.ergebnis.auswertung.text.toStdString();
}

const QString d = QStringLiteral("/d/");

INSTANTIATE_TEST_SUITE_P(
    Kombiniert, VorschauPruefFallTest,
    ::testing::Values(
        PruefFall{"PfadInNamenVorZeitRegel",
                  {{d, QStringLiteral("a.txt")}},
                  {einfuegenVorn(QStringLiteral("../")), nummerierteZeit()},
                  {QStringLiteral("neuer Name enthält unmögliches Zeichen")},
                  false},
        PruefFall{"LeererNameVorZeitRegel",
                  {{d, QStringLiteral("a.txt")}, {d, QStringLiteral("b.txt")}},
                  {allesEntfernen(), nummerierteZeit()},
                  {QStringLiteral("neuer Name zu kurz"), QStringLiteral("neuer Name zu kurz")},
                  false},
        PruefFall{"DoppelteFreieNamenVorAttributRegel",
                  {{d, QStringLiteral("a")}, {d, QStringLiteral("b")}, {d, QStringLiteral("c")}},
                  {freieNamen({QStringLiteral("x"), QStringLiteral("X"), QStringLiteral("y")}), nurLesen()},
                  {QStringLiteral("neuer Name doppelt"), QStringLiteral("neuer Name doppelt"),
                   QStringLiteral("ok")},
                  true},
        PruefFall{"ZeitFehlerVorNamensRegel",
                  {{d, QStringLiteral("a b")}},
                  {mit(nummerierteZeit(),
                       [](TeilRegel &t) { t.zeit.wert = QStringLiteral("20201340_000000_000"); }),
                   einfuegenVorn(QStringLiteral("x"))},
                  {QStringLiteral("falsche Zeit")},
                  false},
        PruefFall{"NameUnveraendertZeitNeu",
                  {{d, QStringLiteral("ab")}},
                  {einfuegenVorn(QString()), nummerierteZeit()},
                  {QStringLiteral("ok")},
                  true},
        PruefFall{"NameNeuAttributUnveraendert",
                  {{d, QStringLiteral("ab")}},
                  {einfuegenVorn(QStringLiteral("x")),
                   mit(nurLesen(), [](TeilRegel &t) { t.attribute[1] = AttributWahl::Lassen; })},
                  {QStringLiteral("ok")},
                  true},
        PruefFall{"BeidesUnveraendert",
                  {{d, QStringLiteral("ab")}},
                  {einfuegenVorn(QString()),
                   mit(nurLesen(), [](TeilRegel &t) { t.attribute[1] = AttributWahl::Lassen; })},
                  {QStringLiteral("keine Veränderung")},
                  true},
        PruefFall{"RahmenzeichenImPfad",
                  {{QStringLiteral("/d\tx/"), QStringLiteral("a b")},
                   {QStringLiteral("/d\rx/"), QStringLiteral("a b")},
                   {QStringLiteral("/d\nx/"), QStringLiteral("a b")},
                   {d, QStringLiteral("a b")}},
                  {einfuegenVorn(QStringLiteral("x"))},
                  {QStringLiteral("Pfad enthält unmögliches Zeichen"),
                   QStringLiteral("Pfad enthält unmögliches Zeichen"),
                   QStringLiteral("Pfad enthält unmögliches Zeichen"), QStringLiteral("ok")},
                  true},
        PruefFall{"RahmenzeichenImJetzigenNamen",
                  {{d, QStringLiteral("a\nb")}, {d, QStringLiteral("a\tb")}},
                  {nurLesen()},
                  {QStringLiteral("jetziger Name enthält unmögliches Zeichen"),
                   QStringLiteral("jetziger Name enthält unmögliches Zeichen")},
                  false},
        PruefFall{"RahmenzeichenImPfadBeiZeitRegel",
                  {{QStringLiteral("/d\n/"), QStringLiteral("a")}},
                  {nummerierteZeit()},
                  {QStringLiteral("Pfad enthält unmögliches Zeichen")},
                  false}),
    [](const auto &info) { return std::string(info.param.name); });

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

namespace {

struct AutoFall
{
    const char *name;
    qint64 ruheMs;
    bool begrenzt;
    qint64 betroffene;
    bool faellig;
};

class AutoVorschauTest : public ::testing::TestWithParam<AutoFall>
{
};

// Three idle seconds, a limit of 500 entries.
TEST_P(AutoVorschauTest, Faellig)
{
    const AutoFall &f = GetParam();
    EXPECT_EQ(AutoVorschauFaellig(f.ruheMs, 3, f.begrenzt, 500, f.betroffene), f.faellig);
}

INSTANTIATE_TEST_SUITE_P(Faelle, AutoVorschauTest,
                         ::testing::Values(AutoFall{"NochNichtRuhig", 2999, false, 1, false},
                                           AutoFall{"GenauDieSekunden", 3000, false, 1, false},
                                           AutoFall{"Ruhig", 3001, false, 1, true},
                                           AutoFall{"OhneGrenzeVieleNamen", 5000, false, 100000, true},
                                           AutoFall{"UnterDerGrenze", 5000, true, 499, true},
                                           AutoFall{"AnDerGrenze", 5000, true, 500, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(VorschauAnzahlTest, BetroffeneUndErwarteteZeilen)
{
    // Name rules count the marked entries, "so viele" creation codes the typed count.
    EXPECT_EQ(VorschauBetroffeneAnzahl(211, 7, QStringLiteral("99")), 7);
    EXPECT_EQ(VorschauBetroffeneAnzahl(252, 7, QString()), 7);
    EXPECT_EQ(VorschauBetroffeneAnzahl(283, 7, QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(VorschauBetroffeneAnzahl(283, 7, QStringLiteral("zwölf")), 0);
    EXPECT_EQ(VorschauBetroffeneAnzahl(0, 7, QString()), 0);

    EXPECT_EQ(VorschauErwarteteZeilen(211, 2000, 0, QString()), 2000);
    EXPECT_EQ(VorschauErwarteteZeilen(252, 0, 3, QString()), 3);
    EXPECT_EQ(VorschauErwarteteZeilen(293, 0, 0, QStringLiteral("5000")), 5000);
    // An unknown code cannot say how many rows it makes: the progress display is shown.
    EXPECT_GT(VorschauErwarteteZeilen(0, 10, 0, QString()), VorschauGrosseGrenze);
}

} // namespace
