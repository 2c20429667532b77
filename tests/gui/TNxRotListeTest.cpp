#include "gui/controls/TNxRotListe.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AktionsSeite.h"
#include "gui/pages/RueckSeite.h"
#include "gui/support/WidgetTest.h"

#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace rinolux;

namespace {

// The options of the lists these tests borrow, as their pages create them.
TNxRotListeOptionen seitenOptionen(const QString &name)
{
    if (name == u"AListe")
        return AListeBedienung::Optionen();
    if (name == u"VListe")
        return TAktionsSeite::VListeOptionen();
    if (name == u"RueckIndexListe")
        return TRueckSeite::RueckIndexListeOptionen();
    return {};
}

// A panel with a mark column and a name column, n rows named "name<row>".
TNxRotListe *neueListe(QWidget *eltern, int zeilen, int linien, TNxRotListeOptionen opt)
{
    opt.hoehe = -linien;
    opt.breite = 300;
    auto *l = new TNxRotListe(eltern, QStringLiteral("TestListe"), opt);
    l->SpalteNeu(SpaltenTyp::Mark);
    const int name = l->SpalteNeu(SpaltenTyp::Text);
    l->Spalte(name).titel = QStringLiteral(" Name");
    l->ZeilenLeeren();
    l->Daten().ZeilenAnhaengen(zeilen);
    for (int z = 1; z <= zeilen; ++z)
        l->Daten().ZelleSetzen(z, name, QStringLiteral("name%1").arg(z));
    eltern->resize(400, l->height() + 20);
    eltern->show();
    l->show();
    l->Neuzeichnen();
    return l;
}

QPoint mitte(TNxRotListe *l, int linie, int spalte)
{
    return l->ZellenRechteck(linie, spalte).center();
}

int linieVon(TNxRotListe *l, int position)
{
    for (int k = 1; k <= l->SichtbareZeilen(); ++k)
        if (l->PositionAufLinie(k) == position)
            return k;
    return 0;
}

QList<int> markiertePositionen(const TNxRotListe *l)
{
    QList<int> p;
    for (int i = 1; i <= l->Daten().Anzahl(); ++i)
        if (l->Daten().Markiert(l->Daten().ZeileAn(i)))
            p << i;
    return p;
}

} // namespace

class TNxRotListeTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void festeEndenZeigenErsteUndLetzteZeile()
    {
        QWidget w;
        TNxRotListe *l = neueListe(&w, 100, 10, seitenOptionen(QStringLiteral("AListe")));
        QCOMPARE(l->SichtbareZeilen(), 10);
        QVERIFY(l->EndenAktiv());
        l->verticalScrollBar()->setValue(45);
        QCOMPARE(l->PositionAufLinie(1), 1);
        QCOMPARE(l->PositionAufLinie(10), 100);
        for (int k = 2; k <= 9; ++k)
            QCOMPARE(l->PositionAufLinie(k), 45 + k - 1);

        // A click on the last line acts on the last row.
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, mitte(l, 10, 2));
        QCOMPARE(l->Daten().AktPosition(), 100);
        QCOMPARE(markiertePositionen(l), QList<int>{100});

        // Jumps never go past the last full page; the pinned ends stay.
        l->Springen(QStringLiteral("+++"));
        QCOMPARE(l->PositionAufLinie(9), 99);
        l->Springen(QStringLiteral("---"));
        QCOMPARE(l->PositionAufLinie(2), 2);
        QCOMPARE(l->PositionAufLinie(10), 100);
    }

    void leereListeZeichnetNichtsUndSpringtNicht()
    {
        QWidget w;
        TNxRotListe *l = neueListe(&w, 0, 10, seitenOptionen(QStringLiteral("AListe")));
        QCOMPARE(l->PositionAufLinie(1), 0);
        l->Springen(QStringLiteral("++"));
        QCOMPARE(l->ErstePosition(), 1);
        QSignalSpy links(l, &TNxRotListe::LinksKlick);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, mitte(l, 1, 2));
        QCOMPARE(links.count(), 0);
        QTest::keyClick(l, Qt::Key_Down);
        QCOMPARE(l->Daten().AktPosition(), 0);
    }

    void mausMarkierung_data()
    {
        QTest::addColumn<QString>("liste");
        QTest::addColumn<QList<int>>("vorher");     // marked positions before
        QTest::addColumn<int>("aktuell");           // current position before (0: none)
        QTest::addColumn<int>("position");          // clicked position
        QTest::addColumn<int>("spalte");            // 1 mark column, 2 name
        QTest::addColumn<int>("modifikatoren");
        QTest::addColumn<QList<int>>("nachher");

        const int strg = int(Qt::ControlModifier);
        const int umsch = int(Qt::ShiftModifier);
        QTest::newRow("Shift von 5 nach 2 mit Marke von 5") << "AListe" << QList<int>{5, 8} << 5 << 2 << 2 << umsch
                                                            << QList<int>{2, 3, 4, 5};
        QTest::newRow("Shift von unmarkierter 5 nach 2") << "AListe" << QList<int>{2, 3, 8} << 5 << 2 << 2 << umsch
                                                         << QList<int>{};
        QTest::newRow("Shift ohne Marke setzt") << "AListe" << QList<int>{} << 5 << 2 << 2 << umsch
                                                << QList<int>{2, 3, 4, 5};
        QTest::newRow("Strg+Shift behaelt die anderen") << "AListe" << QList<int>{5, 8} << 5 << 3 << 2 << (strg | umsch)
                                                        << QList<int>{3, 4, 5, 8};
        QTest::newRow("Markenspalte schaltet nur diese Zeile") << "AListe" << QList<int>{1, 4} << 1 << 6 << 1 << 0
                                                               << QList<int>{1, 4, 6};
        QTest::newRow("Markenspalte nimmt Marke weg") << "AListe" << QList<int>{1, 4} << 1 << 4 << 1 << 0
                                                      << QList<int>{1};
        QTest::newRow("einfacher Klick markiert nur diese") << "AListe" << QList<int>{1, 4} << 1 << 6 << 2 << 0
                                                            << QList<int>{6};
        QTest::newRow("Strg schaltet um") << "AListe" << QList<int>{1, 4} << 1 << 4 << 2 << strg << QList<int>{1};
        QTest::newRow("ohne Bereich wirkt Strg wie einfach") << "RueckIndexListe" << QList<int>{1, 4} << 1 << 6 << 2
                                                             << strg << QList<int>{6};
        QTest::newRow("ohne Klickmarken bleibt alles") << "VListe" << QList<int>{1, 4} << 1 << 6 << 2 << 0
                                                       << QList<int>{1, 4};
    }

    void mausMarkierung()
    {
        QFETCH(QString, liste);
        QFETCH(QList<int>, vorher);
        QFETCH(int, aktuell);
        QFETCH(int, position);
        QFETCH(int, spalte);
        QFETCH(int, modifikatoren);
        QFETCH(QList<int>, nachher);

        QWidget w;
        TNxRotListe *l = neueListe(&w, 10, 12, seitenOptionen(liste));
        for (int p : vorher)
            l->Daten().MarkSetzen(l->Daten().ZeileAn(p), true);
        l->Daten().AktPositionSetzen(aktuell);
        QSignalSpy marke(l, &TNxRotListe::MarkeGeaendert);
        QSignalSpy links(l, &TNxRotListe::LinksKlick);

        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::KeyboardModifiers(modifikatoren),
                          mitte(l, linieVon(l, position), spalte));
        QCOMPARE(markiertePositionen(l), nachher);
        QCOMPARE(l->Daten().MarkiertAnzahl(), int(nachher.size()));
        QCOMPARE(l->Daten().AktPosition(), position);
        QCOMPARE(marke.count() + links.count(), 1);
        QCOMPARE(marke.count(), spalte == 1 ? 1 : 0);
    }

    void rechtsklickBehaeltDieAuswahlFuerDasMenue()
    {
        QWidget w;
        TNxRotListe *l = neueListe(&w, 10, 12, seitenOptionen(QStringLiteral("AListe")));
        for (int p : {2, 3, 4})
            l->Daten().MarkSetzen(p, true);
        QSignalSpy rechts(l, &TNxRotListe::RechtsKlick);
        QTest::mouseClick(l->viewport(), Qt::RightButton, Qt::NoModifier, mitte(l, 3, 2));
        QCOMPARE(markiertePositionen(l), (QList<int>{2, 3, 4}));
        QCOMPARE(l->Daten().AktPosition(), 3);
        QCOMPARE(rechts.count(), 1);
        QCOMPARE(rechts.at(0).at(1).toInt(), 3);
        // On an unmarked row it picks that row, as a plain click would.
        QTest::mouseClick(l->viewport(), Qt::RightButton, Qt::NoModifier, mitte(l, 7, 2));
        QCOMPARE(markiertePositionen(l), QList<int>{7});
    }

    void fallengelasseneDateienNurLokal()
    {
        QWidget w;
        TNxRotListe *l = neueListe(&w, 3, 10, seitenOptionen(QStringLiteral("AListe")));
        QSignalSpy fallen(l, &TNxRotListe::DateienFallengelassen);
        auto fallenLassen = [l](const QList<QUrl> &urls) {
            QMimeData daten;
            daten.setUrls(urls);
            QDragEnterEvent ein(QPoint(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(l->viewport(), &ein); // a drop follows an accepted enter only
            QDropEvent e(QPointF(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(l->viewport(), &e);
        };
        fallenLassen({QUrl::fromLocalFile(QStringLiteral("/tmp/a b.txt")), QUrl::fromLocalFile(QStringLiteral("/tmp/dir/"))});
        QCOMPARE(fallen.count(), 1);
        QCOMPARE(fallen.at(0).at(0).toStringList(), (QStringList{"/tmp/a b.txt", "/tmp/dir"}));
        fallenLassen({QUrl(QStringLiteral("https://example.org/x"))});
        QCOMPARE(fallen.count(), 1);

        // A list that does not take files ignores them.
        TNxRotListe *v = neueListe(&w, 3, 10, seitenOptionen(QStringLiteral("VListe")));
        QSignalSpy nichts(v, &TNxRotListe::DateienFallengelassen);
        QMimeData daten;
        daten.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/x"))});
        QDragEnterEvent ein(QPoint(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(v->viewport(), &ein);
        QVERIFY(!ein.isAccepted());
        QDropEvent e(QPointF(50, 50), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(v->viewport(), &e);
        QCOMPARE(nichts.count(), 0);
    }

    void klickUnterDerLetztenZeileTutNichts()
    {
        QWidget w;
        TNxRotListe *l = neueListe(&w, 3, 10, seitenOptionen(QStringLiteral("AListe")));
        QSignalSpy links(l, &TNxRotListe::LinksKlick);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, mitte(l, 5, 2));
        QCOMPARE(links.count(), 0);
        QCOMPARE(l->Daten().MarkiertAnzahl(), 0);
    }

    void leertasteUndPfeile()
    {
        QWidget w;
        TNxRotListe *l = neueListe(&w, 30, 10, seitenOptionen(QStringLiteral("AListe")));
        l->setFocus();
        l->AktPositionSetzen(1);
        QTest::keyClick(l, Qt::Key_Down);
        QTest::keyClick(l, Qt::Key_Down);
        QCOMPARE(l->Daten().AktPosition(), 3);
        QTest::keyClick(l, Qt::Key_Space);
        QTest::keyClick(l, Qt::Key_Down);
        QTest::keyClick(l, Qt::Key_Space);
        QCOMPARE(markiertePositionen(l), (QList<int>{3, 4}));
        QTest::keyClick(l, Qt::Key_Space);
        QCOMPARE(markiertePositionen(l), QList<int>{3});
        QTest::keyClick(l, Qt::Key_End);
        QCOMPARE(l->Daten().AktPosition(), 30);
        QCOMPARE(l->PositionAufLinie(10), 30);
        QTest::keyClick(l, Qt::Key_Home);
        QCOMPARE(l->Daten().AktPosition(), 1);
        QCOMPARE(l->PositionAufLinie(2), 2);
        QTest::keyClick(l, Qt::Key_PageDown);
        QCOMPARE(l->Daten().AktPosition(), 9); // one page of the 8 scrolled lines
        QVERIFY(linieVon(l, 9) > 0);
    }

    void editorRunterBestaetigtUndOeffnetDarunter()
    {
        QWidget w;
        TNxRotListe *l = neueListe(&w, 5, 10, seitenOptionen(QStringLiteral("AListe")));
        QSignalSpy bestaetigt(l, &TNxRotListe::EditorBestaetigt);
        l->EditorZeigen(2, 2, 3);
        QVERIFY(l->EditorOffen());
        QLineEdit *ed = l->Editor();
        QCOMPARE(ed->text(), QStringLiteral("name2"));
        QCOMPARE(ed->cursorPosition(), 3);
        QTest::keyClicks(ed, QStringLiteral("X")); // "namXe2", caret 4
        QTest::keyClick(ed, Qt::Key_Down);

        QCOMPARE(bestaetigt.count(), 1);
        QCOMPARE(bestaetigt.at(0).at(0).toString(), QStringLiteral("namXe2"));
        QCOMPARE(bestaetigt.at(0).at(1).toString(), QStringLiteral("name2"));
        QCOMPARE(bestaetigt.at(0).at(2).toInt(), 2);
        QVERIFY(l->EditorOffen());
        QCOMPARE(ed->text(), QStringLiteral("name3"));
        QCOMPARE(ed->cursorPosition(), 4);
        QCOMPARE(l->Daten().AktPosition(), 3);

        // Unchanged text commits nothing; Up reopens above; Esc closes without commit.
        QTest::keyClick(ed, Qt::Key_Up);
        QCOMPARE(bestaetigt.count(), 1);
        QCOMPARE(ed->text(), QStringLiteral("name2")); // the panel itself does not rename
        QTest::keyClicks(ed, QStringLiteral("Y"));
        QTest::keyClick(ed, Qt::Key_Escape);
        QVERIFY(!l->EditorOffen());
        QCOMPARE(bestaetigt.count(), 1);

        // Down on the last row stays there; Enter closes.
        l->EditorZeigen(5, 2, 99);
        QCOMPARE(ed->cursorPosition(), 5); // clamped to the text
        QTest::keyClick(ed, Qt::Key_Down);
        QVERIFY(l->EditorOffen());
        QCOMPARE(ed->text(), QStringLiteral("name5"));
        QTest::keyClick(ed, Qt::Key_Return);
        QVERIFY(!l->EditorOffen());
    }

    void kopfTrennerZiehenAendertBreite()
    {
        QWidget w;
        TNxRotListeOptionen opt = seitenOptionen(QStringLiteral("AListe"));
        opt.fuellGrenze = 0;
        opt.hoehe = -5;
        opt.breite = 400;
        TNxRotListe l(&w, QStringLiteral("X"), opt);
        const int a = l.SpalteNeu(SpaltenTyp::Text);
        const int b = l.SpalteNeu(SpaltenTyp::Text);
        l.Spalte(a).breite = 100;
        w.show();
        l.show();
        l.Neuzeichnen();
        const int vb = l.viewport()->width();
        QCOMPARE(l.Spalte(b).breite, vb - 100); // the last visible column fills
        const int y = l.KopfHoehe() / 2;
        QTest::mousePress(l.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(101, y));
        QTest::mouseMove(l.viewport(), QPoint(141, y));
        QTest::mouseRelease(l.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(141, y));
        QCOMPARE(l.Spalte(a).breite, 140);
        QCOMPARE(l.Spalte(b).breite, vb - 140);
        // Never narrower than the default width.
        QTest::mousePress(l.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(140, y));
        QTest::mouseMove(l.viewport(), QPoint(2, y));
        QTest::mouseRelease(l.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2, y));
        QCOMPARE(l.Spalte(a).breite, 10);
    }

    void neueZeilenOhneNeuzeichnenWerdenAngeordnet()
    {
        // Rows added by other code: the scroll range follows once the event loop runs.
        QWidget w;
        TNxRotListe *l = neueListe(&w, 3, 10, seitenOptionen(QStringLiteral("AListe")));
        QSignalSpy geaendert(l, &TNxRotListe::DatenGeaendert);
        QCOMPARE(l->verticalScrollBar()->maximum(), 1);
        l->Daten().ZeilenAnhaengen(97);
        QTRY_VERIFY(l->verticalScrollBar()->maximum() > 1);
        QCOMPARE(geaendert.count(), 1);
        // Nothing changed: no second layout.
        QTest::qWait(50);
        QCOMPARE(geaendert.count(), 1);
    }

    void meldungStattZeilen()
    {
        QWidget w;
        TNxRotListe *l = neueListe(&w, 5, 10, seitenOptionen(QStringLiteral("AListe")));
        l->Daten().MeldungSetzen(QStringLiteral("ESC = Suche abgebrochen"));
        QSignalSpy links(l, &TNxRotListe::LinksKlick);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, mitte(l, 1, 2));
        QCOMPARE(links.count(), 0);
        QVERIFY(!l->grab().isNull());
    }
};

RINOLUX_WIDGET_TEST_MAIN(TNxRotListeTest)
#include "TNxRotListeTest.moc"
