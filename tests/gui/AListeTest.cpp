#include "core/shell/Dialog.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/support/TestSeitenUmgebung.h"
#include "gui/support/WidgetTest.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace rinolux;
using rinolux::test::TestSeitenUmgebung;

namespace {

void dateienAnlegen(const QString &verz, const QStringList &namen)
{
    for (const QString &n : namen) {
        QFile f(verz + n);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(n.size() * 100, 'x'));
    }
}

QStringList markierteNamen(const ListenDaten &d)
{
    QStringList t;
    for (int p = 1; p <= d.Anzahl(); ++p)
        if (d.Markiert(d.ZeileAn(p)))
            t << d.Zelle(d.ZeileAn(p), AZelle::Name);
    return t;
}

} // namespace

class AListeTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dreiFallengelasseneDateienWerdenGenauMarkiert()
    {
        QTemporaryDir dir;
        const QString v = dir.path() + u'/';
        dateienAnlegen(v, {"a.txt", "A.txt", "b.txt", "c.txt", "d.txt"});
        QWidget w;
        TestSeitenUmgebung umgebung;
        AListeBedienung b(&w, 100, umgebung);
        const std::array<QString, 3> &status = umgebung.status;
        const QString &titel = umgebung.titel;

        QSignalSpy fallen(b.Liste(), &TNxRotListe::DateienFallengelassen);
        b.NamenUebernehmen({v + "a.txt", v + "c.txt", v + "d.txt"});
        QCOMPARE(b.Daten().Anzahl(), 5);
        QCOMPARE(markierteNamen(b.Daten()), (QStringList{"a.txt", "c.txt", "d.txt"}));
        QCOMPARE(b.Daten().Zelle(b.Daten().AktZeile(), AZelle::Name), QStringLiteral("a.txt"));
        // 500 + 500 + 500 bytes of 2.500, with separators.
        QCOMPARE(status[1], QStringLiteral("3 von 5 Namen (1.500 von 2.500 Bytes) ausgewählt"));
        QVERIFY(status[0].startsWith(QStringLiteral("freier Speicher: ")));
        QCOMPARE(titel, v + QStringLiteral("     |     3 von 5 Namen ausgewählt     |     Rinolux 2023b"));

        // A single directory is listed and nothing is marked.
        b.NamenUebernehmen({dir.path()});
        QCOMPARE(b.Daten().Anzahl(), 5);
        QCOMPARE(b.Daten().MarkiertAnzahl(), 0);
    }

    void namenAusVerschiedenenVerzeichnissen()
    {
        QTemporaryDir dir;
        const QString v = dir.path() + u'/';
        QVERIFY(QDir(v).mkdir(QStringLiteral("u")));
        dateienAnlegen(v, {"eins", "zwei", "u/drei"});
        QWidget w;
        TestSeitenUmgebung umgebung;
        AListeBedienung b(&w, 100, umgebung);
        b.NamenUebernehmen({v + "eins", v + "u/drei", v + "fehlt"});
        QCOMPARE(b.Daten().Anzahl(), 2);
        QCOMPARE(b.Daten().Zelle(b.Daten().ZeileAn(1), AZelle::Pfad), v);
        QCOMPARE(b.Daten().Zelle(b.Daten().ZeileAn(2), AZelle::Pfad), v + "u/");
        // Each directory has a path number of its own.
        QVERIFY(b.Daten().Zelle(b.Daten().ZeileAn(1), AZelle::PfadNr)
                != b.Daten().Zelle(b.Daten().ZeileAn(2), AZelle::PfadNr));
    }

    void abgebrocheneListungZeigtMeldungOhneZeilen()
    {
        QTemporaryDir dir;
        const QString v = dir.path() + u'/';
        QStringList viele;
        for (int i = 0; i < 600; ++i)
            viele << QStringLiteral("f%1").arg(i);
        dateienAnlegen(v, viele);
        QWidget w;
        TestSeitenUmgebung umgebung;
        AListeBedienung b(&w, 100, umgebung);
        b.VerzeichnisListen(v);
        QCOMPARE(b.Daten().Anzahl(), 600);
        b.AlleAuswaehlen();

        umgebung.esc = true;
        b.VerzeichnisListen(v);
        QCOMPARE(b.Daten().Anzahl(), 0);
        QCOMPARE(b.Daten().MarkiertAnzahl(), 0);
        QCOMPARE(b.Daten().Meldung(),
                 QStringLiteral("ESC = Suche abgebrochen\r\n\r\n500 Namen\r\nvor dem Abbruch gefunden"));

        // The next listing shows rows again.
        umgebung.esc = false;
        b.VerzeichnisListen(v);
        QCOMPARE(b.Daten().Anzahl(), 600);
        QVERIFY(b.Daten().Meldung().isEmpty());
    }

    void spaltenMenueSchaltetSichtbarkeit()
    {
        QWidget w;
        TestSeitenUmgebung umgebung;
        AListeBedienung b(&w, 100, umgebung);
        QMenu *m = b.PopSpaltenA();
        QAction *att = m->findChild<QAction *>(QStringLiteral("PopSpaltenA_Att"));
        QVERIFY(att);
        QCOMPARE(att->text(), QStringLiteral("\"Attribute\" anzeigen"));
        QCOMPARE(m->findChild<QAction *>(QStringLiteral("PopSpaltenA_Symbol"))->text(), QStringLiteral(" Symbol anzeigen"));
        QVERIFY(!att->isChecked());
        QVERIFY(!b.Liste()->Spalte(AZelle::Attribute).sichtbar);
        att->trigger();
        QVERIFY(b.Liste()->Spalte(AZelle::Attribute).sichtbar);
        m->findChild<QAction *>(QStringLiteral("PopSpaltenA_ZeitA"))->trigger();
        QVERIFY(!b.Liste()->Spalte(AZelle::ZeitA).sichtbar);
    }

    void fensterMenueWirdUebernommen()
    {
        // The window's menu exists with disabled entries; the list makes them work.
        QWidget w;
        auto *popA = new QMenu(&w);
        for (const char *n :
             {"PopA_Kopf", "PopA_Eigenschaften", "PopA_F2F4", "PopA_Wechsel", "PopA_Doppel", "PopA_Zelle",
              "PopA_alle", "PopA_aus", "PopA_NichtAus", "PopA_PNF", "PopA_NF", "PopA_N", "PopA_Inhalte"})
            popA->addAction(QString())->setObjectName(QString::fromLatin1(n));
        for (int i = 1; i <= 6; ++i)
            popA->addAction(QString())->setObjectName(QStringLiteral("PopA_Pro%1").arg(i));
        for (QAction *a : popA->actions())
            a->setEnabled(false);
        TestSeitenUmgebung umgebung;
        AListeBedienung b(&w, 100, umgebung, popA);
        QCOMPARE(b.PopA(), popA);
        QVERIFY(popA->findChild<QAction *>(QStringLiteral("PopA_F2F4"))->isEnabled());
        QCOMPARE(popA->actions().size(), 19); // nothing added twice
    }

    void editorBenenntDieDateiUm()
    {
        QTemporaryDir dir;
        const QString v = dir.path() + u'/';
        dateienAnlegen(v, {"alt.txt", "b.txt"});
        QWidget w;
        w.resize(600, 400);
        TestSeitenUmgebung umgebung;
        const SkriptDialog &dialog = umgebung.dialog;
        AListeBedienung b(&w, 100, umgebung);
        b.VerzeichnisListen(v);
        w.show();
        b.Liste()->Neuzeichnen();
        b.Daten().AktPositionSetzen(1);
        b.EditorOeffnen();
        QLineEdit *ed = b.Liste()->Editor();
        QVERIFY(b.Liste()->EditorOffen());
        QCOMPARE(ed->cursorPosition(), int(ed->text().size()));
        ed->setText(QStringLiteral("neu.txt"));
        QTest::keyClick(ed, Qt::Key_Return);
        QVERIFY(!QFile::exists(v + "alt.txt"));
        QVERIFY(QFile::exists(v + "neu.txt"));
        QCOMPARE(b.Daten().Zelle(b.Daten().AktZeile(), AZelle::Name), QStringLiteral("neu.txt"));
        QCOMPARE(umgebung.rueck.anzahl(), 1);
        QVERIFY(dialog.aufrufe.isEmpty());
    }

    void sortierenBehaeltAktuellenEintrag()
    {
        QTemporaryDir dir;
        const QString v = dir.path() + u'/';
        dateienAnlegen(v, {"b", "cc", "aaa"});
        QWidget w;
        TestSeitenUmgebung umgebung;
        AListeBedienung b(&w, 100, umgebung);
        b.VerzeichnisListen(v);
        QCOMPARE(b.Daten().Zelle(b.Daten().ZeileAn(1), AZelle::Name), QStringLiteral("aaa"));
        b.Daten().AktPositionSetzen(3); // "cc"
        b.Sortieren(26);                // length of the name, reversed
        QCOMPARE(b.SortWahl(), 26);
        QCOMPARE(b.Daten().Zelle(b.Daten().ZeileAn(1), AZelle::Name), QStringLiteral("aaa"));
        QCOMPARE(b.Daten().Zelle(b.Daten().AktZeile(), AZelle::Name), QStringLiteral("cc"));
        QCOMPARE(b.Daten().AktPosition(), 2);
        QCOMPARE(w.findChild<QComboBox *>(QStringLiteral("CoAutoSort"))->currentIndex(), 25);
    }

    void schalterAlleUndUmkehren()
    {
        QTemporaryDir dir;
        const QString v = dir.path() + u'/';
        dateienAnlegen(v, {"a", "b", "c"});
        QWidget w;
        TestSeitenUmgebung umgebung;
        AListeBedienung b(&w, 100, umgebung);
        b.VerzeichnisListen(v);
        w.show();
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("BuAuswahlAlle")), Qt::LeftButton);
        QCOMPARE(b.Daten().MarkiertAnzahl(), 3);
        b.Daten().MarkSetzen(b.Daten().ZeileAn(2), false);
        QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("BuAuswahlUmkehren")), Qt::LeftButton);
        QCOMPARE(markierteNamen(b.Daten()), QStringList{"b"});
        auto *co = w.findChild<QComboBox *>(QStringLiteral("CoAutoSort"));
        QCOMPARE(co->count(), 28);
        QCOMPARE(co->itemText(1), QStringLiteral("Pfad + Name.Format (umgekehrt)"));
    }

    void zahlenFolgenMarkenVonAussen()
    {
        // Marks set by other code (an action, a search) reach the counts without a call.
        QTemporaryDir dir;
        const QString v = dir.path() + u'/';
        dateienAnlegen(v, {"a", "b"});
        QWidget w;
        TestSeitenUmgebung umgebung;
        AListeBedienung b(&w, 100, umgebung);
        b.VerzeichnisListen(v);
        QCOMPARE(umgebung.status[1], QStringLiteral("0 von 2 Namen (0 von 200 Bytes) ausgewählt"));
        b.Daten().MarkSetzen(b.Daten().ZeileAn(2), true);
        QTRY_COMPARE(umgebung.status[1], QStringLiteral("1 von 2 Namen (100 von 200 Bytes) ausgewählt"));
    }

    void autoAuswahlNurAufDerSeiteAuswaehlen()
    {
        QTemporaryDir dir;
        const QString v = dir.path() + u'/';
        dateienAnlegen(v, {"a.txt", "b.jpg", "c.txt"});
        QWidget w;
        TestSeitenUmgebung umgebung;
        AListeBedienung b(&w, 100, umgebung);
        QCOMPARE(b.AutoAuswahlTabelleLaden(QStringLiteral("Texte / *.txt\nBilder / *.jpg")), 4);
        umgebung.seite = 2; // another main page is current
        b.VerzeichnisListen(v);
        b.AutoAuswahlAnwenden(3);
        QCOMPARE(b.Daten().MarkiertAnzahl(), 0);
        umgebung.seite = 1;
        b.AutoAuswahlAnwenden(3);
        QCOMPARE(markierteNamen(b.Daten()), (QStringList{"a.txt", "c.txt"}));
        // The stored rule is applied after every fill.
        b.VerzeichnisListen(v);
        QCOMPARE(markierteNamen(b.Daten()), (QStringList{"a.txt", "c.txt"}));
        // A shorter table resets the stored index to "keine".
        b.AutoAuswahlTabelleLaden(QString());
        QCOMPARE(b.AutoAuswahlIndex(), 1);
    }
};

RINOLUX_WIDGET_TEST_MAIN(AListeTest)
#include "AListeTest.moc"
