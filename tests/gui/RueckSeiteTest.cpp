#include "core/actions/RueckDaten.h"
#include "core/actions/RueckListe.h"
#include "core/shell/Prozess.h"
#include "gui/app/Form_Anfang.h"
#include "gui/app/SchalterRahmen.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/RueckSeite.h"
#include "gui/support/FensterFixture.h"
#include "gui/support/WidgetTest.h"
#include "support/TestUmgebung.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace rinolux;

namespace {

// Writes one undo file into the data directory as a run would.
void rueckSchreiben(int code, const QString &beschreibung, const QList<QStringList> &saetze, bool tausch,
                    bool schliessen)
{
    QVERIFY(ProgPfadAnlegen());
    RueckIndex index(ProgPfad);
    index.IniListeRueck_Lesen();
    auto nr = index.Aktion_NeueRueckDateiNr();
    QVERIFY(nr.ok());
    auto w = RueckDateiAnlegen(index.dateiPfad(*nr), code, beschreibung);
    QVERIFY(w.ok());
    for (const QStringList &s : saetze)
        QVERIFY((*w)->satz(s[0], s[1], s[2], s.size() > 3).ok());
    if (tausch) {
        QVERIFY((*w)->zweiterAbschnitt().ok());
        QVERIFY((*w)->abschluss(1, saetze[0][0], QStringLiteral("b"), saetze[0][1], false).ok());
        QVERIFY((*w)->abschluss(2, saetze[1][0], QStringLiteral("a"), saetze[1][1], false).ok());
    }
    if (schliessen)
        QVERIFY((*w)->schliessen(saetze.size(), tausch ? 2 : 0, 0).ok());
}

QPoint mitte(TNxRotListe *l, int linie, int spalte)
{
    return l->ZellenRechteck(linie, spalte).center();
}

} // namespace

class RueckSeiteTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        test::XdgUmleiten();
        // An older, interrupted attribute run, then a swap of two names.
        rueckSchreiben(302, QStringLiteral("Attribute"), {{QStringLiteral("/d/"), QStringLiteral("x"), QStringLiteral("1")}},
                       false, false);
        rueckSchreiben(301, QStringLiteral("Ändern: Tausch"),
                       {{QStringLiteral("/d/"), QStringLiteral("!Rin_1"), QStringLiteral("a")},
                        {QStringLiteral("/d/"), QStringLiteral("!Rin_2"), QStringLiteral("b")}},
                       true, true);
        m_fenster.fensterAnlegen(QSize(1000, 700));
        test::tabKlicken(m_fenster.aa().HauptRegister(), 5);
        m_index = m_fenster.teil<TNxRotListe>(QStringLiteral("RueckIndexListe"));
        m_altNeu = m_fenster.teil<TNxRotListe>(QStringLiteral("RuckAltNeuListe"));
        QVERIFY(m_index && m_altNeu);
    }
    void cleanup() { m_fenster.fensterWeg(); }

    void neuesteObenMitAnzahlUndZustand()
    {
        const ListenDaten &d = m_index->Daten();
        QCOMPARE(d.Anzahl(), 2);
        QCOMPARE(d.Zelle(d.ZeileAn(1), 2), QStringLiteral("Ändern: Tausch"));
        QCOMPARE(d.Zelle(d.ZeileAn(1), 3), QStringLiteral("2"));
        QCOMPARE(d.Zelle(d.ZeileAn(1), 4), QStringLiteral("+ Aktion war erfolgreich"));
        QVERIFY(!d.Warn(d.ZeileAn(1)));
        QCOMPARE(d.Zelle(d.ZeileAn(2), 4), QStringLiteral("Rück-Daten unvollständig"));
        QVERIFY(d.Warn(d.ZeileAn(2)));
        QCOMPARE(m_altNeu->Daten().Anzahl(), 0);
        auto *ok = m_fenster.teil<QPushButton>(QStringLiteral("BuRueckOK"));
        QVERIFY(!ok->isEnabled() && !m_fenster.teil<QPushButton>(QStringLiteral("BuRueckPruefen"))->isEnabled());
        QCOMPARE(ok->text(), QStringLiteral("Rückgängig prüfen und machen ..."));
        QCOMPARE(qobject_cast<TSchalterRahmen *>(ok->parentWidget())->Farbe(), QColor(255, 255, 0));
    }

    void eintragWaehlenZeigtDieRichtigeWertSpalte_data()
    {
        QTest::addColumn<int>("linie");
        QTest::addColumn<int>("wertSpalte");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QStringList>("werte");
        QTest::newRow("Tausch") << 1 << 4 << QStringList{"b", "a"} << QStringList{"a", "b"};
        QTest::newRow("Attribute unvollständig") << 2 << 5 << QStringList{"x"} << QStringList{"1"};
    }
    void eintragWaehlenZeigtDieRichtigeWertSpalte()
    {
        QFETCH(int, linie);
        QFETCH(int, wertSpalte);
        QFETCH(QStringList, namen);
        QFETCH(QStringList, werte);
        QTest::mouseClick(m_index->viewport(), Qt::LeftButton, Qt::NoModifier, mitte(m_index, linie, 2));
        const ListenDaten &d = m_altNeu->Daten();
        QStringList n, w;
        for (int p = 1; p <= d.Anzahl(); ++p) {
            n << d.Zelle(d.ZeileAn(p), kRueckZelleName);
            w << d.Zelle(d.ZeileAn(p), wertSpalte);
        }
        QCOMPARE(n, namen);
        QCOMPARE(w, werte);
        for (int s = kRueckZelleNeuName; s <= kRueckZelleKeine; ++s)
            QCOMPARE(m_altNeu->Spalte(s).sichtbar, s == wertSpalte);
        QVERIFY(m_fenster.teil<QPushButton>(QStringLiteral("BuRueckOK"))->isEnabled());

        QSignalSpy pruefen(m_fenster.teil<QObject>(QStringLiteral("PaRueck")), SIGNAL(RueckPruefenVerlangt()));
        QSignalSpy machen(m_fenster.teil<QObject>(QStringLiteral("PaRueck")), SIGNAL(RueckAusfuehrenVerlangt()));
        // The window runs the routine on them: the check report, then "WIRKLICH?" declined.
        test::naechstenDialogBeantworten(nullptr, QStringLiteral("BuOK"));
        QTest::mouseClick(m_fenster.teil<QPushButton>(QStringLiteral("BuRueckPruefen")), Qt::LeftButton);
        test::naechstenDialogBeantworten(nullptr, QStringLiteral("BuNein"));
        QTest::mouseClick(m_fenster.teil<QPushButton>(QStringLiteral("BuRueckOK")), Qt::LeftButton);
        QCOMPARE(pruefen.count(), 1);
        QCOMPARE(machen.count(), 1);
    }

    void nachDemRueckgaengigBleibenNurDieOffenenZeilen()
    {
        auto *seite = m_fenster.teil<TRueckSeite>(QStringLiteral("PaRueck"));
        QTest::mouseClick(m_index->viewport(), Qt::LeftButton, Qt::NoModifier, mitte(m_index, 1, 2));
        test::naechstenDialogBeantworten(nullptr, QStringLiteral("BuNein")); // "WIRKLICH?"
        QTest::mouseClick(m_fenster.teil<QPushButton>(QStringLiteral("BuRueckOK")), Qt::LeftButton);
        QCOMPARE(m_altNeu->Daten().Zelle(1, kRueckZelleNeuPfad), QStringLiteral("/d/"));

        seite->RueckAbgeschlossen({2});
        QCOMPARE(m_index->Daten().Anzahl(), 2);
        const ListenDaten &d = m_index->Daten();
        QCOMPARE(d.Zelle(d.ZeileAn(1), 3), QStringLiteral("1"));
        QVERIFY(d.Warn(d.ZeileAn(1)));
        QTest::mouseClick(m_index->viewport(), Qt::LeftButton, Qt::NoModifier, mitte(m_index, 1, 2));
        QCOMPARE(m_altNeu->Daten().Anzahl(), 1);
        QCOMPARE(m_altNeu->Daten().Zelle(1, kRueckZelleName), QStringLiteral("a"));

        seite->RueckAbgeschlossen({});
        QCOMPARE(m_index->Daten().Anzahl(), 1);
        QCOMPARE(m_altNeu->Daten().Anzahl(), 0);
    }

    void fehlendeDateiMeldetDenZugriff()
    {
        RueckIndex index(ProgPfad);
        index.IniListeRueck_Lesen();
        const QString pfad = index.dateiPfad(index.eintrag(2).nummer);
        QVERIFY(QFile::remove(pfad));
        QString text;
        test::naechstenDialogBeantworten(&text);
        QTest::mouseClick(m_index->viewport(), Qt::LeftButton, Qt::NoModifier, mitte(m_index, 1, 2));
        QVERIFY(text.contains(QStringLiteral("Der Zugriff auf die ausgewählte Daten-Datei ist nicht möglich.")));
        QVERIFY(text.contains(pfad));
        QCOMPARE(m_altNeu->Daten().Anzahl(), 0);
        QVERIFY(!m_fenster.teil<QPushButton>(QStringLiteral("BuRueckOK"))->isEnabled());
    }

private:
    test::FensterFixture m_fenster;
    TNxRotListe *m_index = nullptr;
    TNxRotListe *m_altNeu = nullptr;
};

RINOLUX_WIDGET_TEST_MAIN(RueckSeiteTest)

#include "RueckSeiteTest.moc"
