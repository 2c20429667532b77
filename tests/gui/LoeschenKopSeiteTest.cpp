#include "core/selection/sub_Auswahl.h"
#include "core/shell/Dialog.h"
#include "core/shell/Prozess.h"
#include "gui/app/SchalterRahmen.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/LoeschenKopSeite.h"
#include "gui/support/TestSeitenUmgebung.h"
#include "gui/support/WidgetTest.h"
#include "support/TestUmgebung.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace rinolux;
using rinolux::test::TestSeitenUmgebung;

class LoeschenKopSeiteTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::TestVerzeichnis> m_tv;
    std::unique_ptr<TestSeitenUmgebung> m_umgebung;
    std::unique_ptr<TLoeschenKopSeite> m_seite;
    ListenDaten m_auswahl;

    // name, directory (relative), marked, path number, directory flag
    void eintrag(const QString &verz, const QString &name, bool markiert, int pfadNr = 1, bool istVerz = false)
    {
        const int a = m_auswahl.ZeilenAnhaengen();
        m_auswahl.ZelleSetzen(a, AZelle::Pfad, m_tv->pfad(verz));
        m_auswahl.ZelleSetzen(a, AZelle::Name, name);
        m_auswahl.ZelleSetzen(a, AZelle::PfadNr, QString::number(pfadNr));
        m_auswahl.ZelleSetzen(a, AZelle::Bytes, QStringLiteral("1"));
        m_auswahl.VerzSetzen(a, istVerz);
        m_auswahl.MarkSetzen(a, markiert);
    }
    template<class T>
    T *teil(const QString &name) const
    {
        return m_seite->findChild<T *>(name);
    }

private Q_SLOTS:
    void init()
    {
        test::XdgUmleiten();
        QVERIFY(ProgPfadAnlegen());
        m_tv = std::make_unique<test::TestVerzeichnis>();
        m_umgebung = std::make_unique<TestSeitenUmgebung>();
        m_umgebung->rueck = RueckIndex(ProgPfad);
        m_seite = std::make_unique<TLoeschenKopSeite>(*m_umgebung);
        nxAuswahlListeVorbereiten(m_auswahl);
        m_seite->AuswahlQuelleSetzen([this] { return &m_auswahl; });
        m_seite->resize(900, 600);
        m_seite->show();
    }
    void cleanup()
    {
        m_seite.reset();
        m_umgebung.reset();
        m_tv.reset();
    }

    void beschriftungUndFarbe_data()
    {
        QTest::addColumn<bool>("frage");
        QTest::addColumn<QString>("ende");
        QTest::addColumn<QColor>("farbe");
        QTest::newRow("mit Sicherheitsfrage") << true << QStringLiteral(" ...") << QColor(255, 255, 0);
        QTest::newRow("ohne Sicherheitsfrage") << false << QStringLiteral("!") << QColor(255, 128, 0);
    }
    void beschriftungUndFarbe()
    {
        QFETCH(bool, frage);
        QFETCH(QString, ende);
        QFETCH(QColor, farbe);
        m_umgebung->einst.Sicherheitsfrage = frage;
        m_seite->Anpassen(7);
        const struct
        {
            const char *name;
            const char16_t *text;
        } knoepfe[] = {{"BuKopieren", u"Kopieren"},
                       {"BuVerschieben", u"Verschieben"},
                       {"BuLoeschWP", u"in den Papierkorb verschieben"},
                       {"BuLoeschFI", u"für immer löschen"}};
        for (const auto &k : knoepfe) {
            auto *b = teil<QPushButton>(QString::fromLatin1(k.name));
            QVERIFY2(b, k.name);
            QCOMPARE(b->text(), QString::fromUtf16(k.text) + ende);
            auto *rahmen = qobject_cast<TSchalterRahmen *>(b->parentWidget());
            QVERIFY(rahmen);
            QCOMPARE(rahmen->Farbe(), farbe);
        }
        QVERIFY(teil<QWidget>(QStringLiteral("PaKopieOben"))->isVisible());
        QVERIFY(!teil<QWidget>(QStringLiteral("PaLoeschOben"))->isVisible());
        m_seite->Anpassen(6);
        QVERIFY(!teil<QWidget>(QStringLiteral("PaKopieOben"))->isVisible());
        QVERIFY(teil<QWidget>(QStringLiteral("PaLoeschOben"))->isVisible());
    }

    void zeilenAusDenMarkiertenEintraegen()
    {
        eintrag(QStringLiteral("a/"), QStringLiteral("eins"), true);
        eintrag(QStringLiteral("a/"), QStringLiteral("zwei"), false);
        eintrag(QStringLiteral("a/"), QStringLiteral("drei"), true, 1, true);
        // Display order: "drei" before "eins".
        QVERIFY(m_auswahl.ReihenfolgeSetzen({0, 3, 2, 1}));
        m_seite->Anpassen(7);
        const ListenDaten &l = m_seite->LListe()->Daten();
        QCOMPARE(l.Anzahl(), 2);
        QCOMPARE(l.Zelle(1, LZelle::Name), QStringLiteral("drei"));
        QCOMPARE(l.Zelle(1, LZelle::Pfad), m_tv->pfad(QStringLiteral("a/")));
        QVERIFY(l.Verz(1));
        QCOMPARE(l.Link(1), 3);
        QCOMPARE(l.Zelle(2, LZelle::Name), QStringLiteral("eins"));
        QVERIFY(!l.Markiert(1) && !l.Markiert(2));
        QVERIFY(!teil<QCheckBox>(QStringLiteral("CheVerzStruktur"))->isVisible());
        QVERIFY(teil<QPushButton>(QStringLiteral("BuVer1"))->isEnabled());

        eintrag(QStringLiteral("b/"), QStringLiteral("vier"), true, 2);
        m_seite->Anpassen(7);
        QVERIFY(teil<QCheckBox>(QStringLiteral("CheVerzStruktur"))->isVisible());
        QVERIFY(teil<QWidget>(QStringLiteral("LaVerzStruktur"))->isVisible());

        m_auswahl.AlleMarkieren(false);
        m_seite->Anpassen(7);
        QCOMPARE(m_seite->LListe()->Daten().Anzahl(), 0);
        for (const QString &n : {QStringLiteral("BuKopieren"), QStringLiteral("BuVerschieben"),
                                 QStringLiteral("BuLoeschWP"), QStringLiteral("BuLoeschFI"), QStringLiteral("BuVer14")})
            QVERIFY2(!teil<QPushButton>(n)->isEnabled(), qPrintable(n));
    }

    void loeschenMitSicherheitsfrage()
    {
        m_tv->dateiSchreiben(QStringLiteral("weg.txt"), "x");
        m_tv->dateiSchreiben(QStringLiteral("bleibt.txt"), "y");
        eintrag(QString(), QStringLiteral("weg.txt"), true);
        eintrag(QString(), QStringLiteral("bleibt.txt"), false);
        m_umgebung->einst.Sicherheitsfrage = true;
        m_umgebung->dialog = SkriptDialog({u'j'});
        QSignalSpy geaendert(m_seite.get(), &TLoeschenKopSeite::AuswahlGeaendert);
        m_seite->Anpassen(6);

        QTest::mouseClick(teil<QPushButton>(QStringLiteral("BuLoeschFI")), Qt::LeftButton);

        QCOMPARE(m_umgebung->dialog.aufrufe.size(), 1);
        QCOMPARE(m_umgebung->dialog.aufrufe[0].text, QStringLiteral("Alle 1 sollen GELÖSCHT werden.\r\n\r\nWIRKLICH?"));
        QCOMPARE(m_umgebung->dialog.aufrufe[0].anker, QStringLiteral("BuLoeschFI"));
        QVERIFY(!QFileInfo::exists(m_tv->pfad(QStringLiteral("weg.txt"))));
        QVERIFY(QFileInfo::exists(m_tv->pfad(QStringLiteral("bleibt.txt"))));
        QCOMPARE(geaendert.count(), 1);
        QCOMPARE(m_auswahl.Anzahl(), 1);
        QCOMPARE(m_seite->LListe()->Daten().Anzahl(), 0);
        QVERIFY(!teil<QPushButton>(QStringLiteral("BuLoeschFI"))->isEnabled());
    }

    void abgelehnteFrageAendertNichts()
    {
        m_tv->dateiSchreiben(QStringLiteral("a.txt"), "a");
        eintrag(QString(), QStringLiteral("a.txt"), true);
        m_umgebung->einst.Sicherheitsfrage = true;
        m_umgebung->dialog = SkriptDialog({u'n'});
        QSignalSpy geaendert(m_seite.get(), &TLoeschenKopSeite::AuswahlGeaendert);
        m_seite->Anpassen(6);
        QTest::mouseClick(teil<QPushButton>(QStringLiteral("BuLoeschWP")), Qt::LeftButton);
        QVERIFY(QFileInfo::exists(m_tv->pfad(QStringLiteral("a.txt"))));
        QCOMPARE(geaendert.count(), 0);
        QCOMPARE(m_seite->LListe()->Daten().Anzahl(), 1);
    }

    void kopierenInsZielVerzeichnis()
    {
        m_tv->dateiSchreiben(QStringLiteral("q/a.txt"), "a");
        m_tv->dateienAnlegen({QStringLiteral("ziel/")});
        eintrag(QStringLiteral("q/"), QStringLiteral("a.txt"), true);
        m_umgebung->einst.Sicherheitsfrage = false;
        m_seite->Anpassen(7);
        teil<QLineEdit>(QStringLiteral("EdKopieren"))->setText(QStringLiteral("  ") + m_tv->pfad(QStringLiteral("ziel")));

        QTest::mouseClick(teil<QPushButton>(QStringLiteral("BuKopieren")), Qt::LeftButton);

        QCOMPARE(m_seite->LetztesErgebnis().erledigt, 1);
        QCOMPARE(m_tv->dateiLesen(QStringLiteral("ziel/a.txt")), QByteArray("a"));
        QCOMPARE(m_auswahl.Anzahl(), 1);
        QCOMPARE(m_seite->LListe()->Daten().Anzahl(), 1);
    }
};

RINOLUX_WIDGET_TEST_MAIN(LoeschenKopSeiteTest)

#include "LoeschenKopSeiteTest.moc"
