#include "core/engine/RegelListe.h"
#include "core/shell/Dialog.h"
#include "gui/pages/RegelnBereich.h"
#include "gui/support/WidgetTest.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace rinolux;

namespace {

RegelListe dreiRegeln()
{
    RegelListe l;
    l.anhaengen(QStringLiteral("Regel A"), QStringLiteral("1\t211\tA"));
    l.anhaengen(QStringLiteral("Regel B"), QStringLiteral("1\t212\tB"));
    l.anhaengen(QStringLiteral("Regel C"), QStringLiteral("1\t213\tC"));
    return l;
}

} // namespace

// The rules area of the page Regeln: each button asks its question and changes the list
// only on "Ja"; the move spin asks nothing.
class RegelnBereichTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fragen_data()
    {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QChar>("antwort");
        QTest::addColumn<QString>("frage");
        QTest::addColumn<bool>("breit");
        QTest::addColumn<QStringList>("danach");
        QTest::addColumn<int>("gewaehlt");
        const QStringList vorher{QStringLiteral("Regel A"), QStringLiteral("Regel B"), QStringLiteral("Regel C")};
        const QString plus = QStringLiteral("Soll die Liste erweitert werden mit den Einstellungen der Seite\r\n[Ändern: "
                                            "Zeichen entfernen]?");
        const QString um = QStringLiteral("Soll die ausgewählte Regel jetzt umbenannt werden?\r\n\r\nBisheriger Name:\r\n"
                                          "> Regel B\r\n\r\nNeuer Name:\r\n> Neu B");
        const QString weg = QStringLiteral("Soll die ausgewählte Regel\r\n> Regel B\r\n\r\nwirklich aus der Liste "
                                           "entfernt werden?");
        QTest::newRow("BuPlusA Ja") << "BuPlusA" << QChar(u'j') << plus << false
                                    << QStringList{QStringLiteral("NEU: Ändern: Zeichen entfernen")} + vorher << 0;
        QTest::newRow("BuPlusA Nein") << "BuPlusA" << QChar(u'n') << plus << false << vorher << 1;
        QTest::newRow("BuRegelTextOK Ja")
            << "BuRegelTextOK" << QChar(u'j') << um << true
            << QStringList{QStringLiteral("Regel A"), QStringLiteral("Neu B"), QStringLiteral("Regel C")} << 1;
        QTest::newRow("BuRegelTextOK Nein") << "BuRegelTextOK" << QChar(u'n') << um << true << vorher << 1;
        QTest::newRow("BuRegelLoeschen Ja") << "BuRegelLoeschen" << QChar(u'j') << weg << true
                                            << QStringList{QStringLiteral("Regel A"), QStringLiteral("Regel C")} << 0;
        QTest::newRow("BuRegelLoeschen Nein") << "BuRegelLoeschen" << QChar(u'n') << weg << true << vorher << 1;
    }
    void fragen()
    {
        QFETCH(QString, knopf);
        QFETCH(QChar, antwort);
        QFETCH(QString, frage);
        QFETCH(bool, breit);
        QFETCH(QStringList, danach);
        QFETCH(int, gewaehlt);
        RegelListe liste = dreiRegeln();
        SkriptDialog dialog({antwort});
        int gefragteSeite = 0;
        TRegelnBereich bereich(liste, dialog, [&gefragteSeite](int tab) {
            gefragteSeite = tab;
            SeitenAuswahl a;
            a.aendern.oben = QStringLiteral("Zeichen entfernen");
            return a;
        });
        bereich.show();
        bereich.Anpassen();
        auto *li = bereich.findChild<QListWidget *>(QStringLiteral("LiRegelAktion"));
        QTest::mouseClick(li->viewport(), Qt::LeftButton, {}, li->visualItemRect(li->item(1)).center());
        QCOMPARE(liste.gewaehlt(), 1);
        auto *ed = bereich.findChild<QLineEdit *>(QStringLiteral("EdRegel"));
        QCOMPARE(ed->text(), QStringLiteral("Regel B"));
        ed->setText(QStringLiteral("Neu B"));
        QSignalSpy gewechselt(&bereich, &TRegelnBereich::RegelGewechselt);

        QTest::mouseClick(bereich.findChild<QPushButton *>(knopf), Qt::LeftButton);

        QCOMPARE(dialog.aufrufe.size(), 1);
        QCOMPARE(dialog.aufrufe.first().text, frage);
        QCOMPARE(dialog.aufrufe.first().anker, knopf);
        QCOMPARE(dialog.aufrufe.first().breit, breit);
        QCOMPARE(liste.beschreibungen(), danach);
        QCOMPARE(liste.gewaehlt(), gewaehlt);
        QStringList gezeigt;
        for (int i = 0; i < li->count(); ++i)
            gezeigt << li->item(i)->text();
        QCOMPARE(gezeigt, danach);
        QCOMPARE(li->currentRow(), gewaehlt);
        if (knopf == u"BuPlusA" && antwort == u'j') {
            QCOMPARE(gefragteSeite, 2);
            QVERIFY(liste.code(0).startsWith(QStringLiteral("1\t")));
        }
        // Adding and deleting change which rule is selected: the page adjusts its preview.
        const bool neuGewaehlt = antwort == u'j' && knopf != u"BuRegelTextOK";
        QCOMPARE(gewechselt.count(), neuGewaehlt ? 1 : 0);
    }

    void verschiebenUndSchalter()
    {
        RegelListe liste = dreiRegeln();
        SkriptDialog dialog;
        TRegelnBereich bereich(liste, dialog, [](int) { return SeitenAuswahl(); });
        bereich.show();
        bereich.Anpassen();
        auto *hoch = bereich.findChild<QToolButton *>(QStringLiteral("SpiRegelHoch"));
        auto *runter = bereich.findChild<QToolButton *>(QStringLiteral("SpiRegelRunter"));
        // Nothing selected at first: the first rule is.
        QCOMPARE(liste.gewaehlt(), 0);
        QVERIFY(!hoch->isEnabled() && runter->isEnabled());
        QTest::mouseClick(runter, Qt::LeftButton);
        QTest::mouseClick(runter, Qt::LeftButton);
        QCOMPARE(liste.beschreibungen(),
                 (QStringList{QStringLiteral("Regel B"), QStringLiteral("Regel C"), QStringLiteral("Regel A")}));
        QCOMPARE(liste.codes().last(), QStringLiteral("1\t211\tA"));
        QCOMPARE(liste.gewaehlt(), 2);
        QVERIFY(hoch->isEnabled() && !runter->isEnabled());
        QTest::mouseClick(hoch, Qt::LeftButton);
        QCOMPARE(liste.gewaehlt(), 1);
        QCOMPARE(bereich.findChild<QListWidget *>(QStringLiteral("LiRegelAktion"))->currentItem()->text(),
                 QStringLiteral("Regel A"));
        QVERIFY(dialog.aufrufe.isEmpty());

        // An empty list leaves nothing to rename or delete.
        RegelListe leer;
        TRegelnBereich ohne(leer, dialog, [](int) { return SeitenAuswahl(); });
        ohne.Anpassen();
        QVERIFY(!ohne.findChild<QPushButton *>(QStringLiteral("BuRegelTextOK"))->isEnabled());
        QVERIFY(!ohne.findChild<QPushButton *>(QStringLiteral("BuRegelLoeschen"))->isEnabled());
        QCOMPARE(ohne.Auswahl().gewaehlt, -1);
    }
};

RINOLUX_WIDGET_TEST_MAIN(RegelnBereichTest)
#include "RegelnBereichTest.moc"
