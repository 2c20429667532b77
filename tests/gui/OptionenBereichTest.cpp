#include "core/shell/Prozess.h"
#include "gui/controls/TNxTabCombo.h"
#include "gui/controls/TNxWortCombo.h"
#include "gui/pages/OptionenBereich.h"
#include "gui/support/TestSeitenUmgebung.h"
#include "gui/support/WidgetTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace rinolux;

namespace {

const QStringList kAllePanels{
    "PaAendernNameFormat", "PaLinksRechts",   "PaVonHaupt",      "PaBisHaupt",         "PaTeilstueck1",
    "PaTeilstueck2",       "PaHinHaupt",      "PaBehalten",      "PaEntfernenHaupt",   "PaFrei",
    "PaHinzuSpezi",        "PaNamenListe",    "PaNummer",        "PaMatrix",           "PaHinzuZeichen",
    "PaAuffuellen",        "PaErsetzenSpezi", "PaEersetzenZeichen", "PaFilter",        "PaReihenfolge",
    "PaVerschiebenKopieren", "PaNachHaupt",   "PaTauschenHaupt", "PaAttribute",        "PaZeitZielArt",
    "PaZeitDatum",         "PaZeitDiff",      "PaZeitQuelleArt", "PaZusatz",           "PaHerstVonEiner",
    "PaHerstAuswahl",      "PaListeHerst",    "PaHerstZuEinerVerb", "PaHerstZuVielenVerb", "PaHerstAnzahl",
    "PaHerstWo",           "PaAendernLinks",  "PaHerstellenLinks"};

QString felder(const QStringList &f)
{
    return f.join(u'\t');
}

} // namespace

class OptionenBereichTest final : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestSeitenUmgebung> m_umgebung;
    std::unique_ptr<TOptionenBereich> m_bereich;

    template <class T = QWidget> T *teil(const QString &name) const
    {
        T *t = m_bereich->findChild<T *>(name);
        if (!t)
            qWarning("Kein Steuerelement %s", qPrintable(name));
        return t;
    }

    void listeKlicken(const QString &liste, const QString &eintrag)
    {
        auto *l = teil<QListWidget>(liste);
        QVERIFY(l);
        const QList<QListWidgetItem *> treffer = l->findItems(eintrag, Qt::MatchExactly);
        QVERIFY2(treffer.size() == 1, qPrintable(liste + u' ' + eintrag));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(treffer.first()).center());
        QCOMPARE(l->currentItem(), treffer.first());
    }

    // Opens the field's table, moves to the cell and presses there.
    void tabelleWaehlen(const QString &feld, int zeile, int zahl)
    {
        auto *f = teil<TNxTabCombo>(QStringLiteral("PaTabellenCombo") + feld);
        QVERIFY(f && f->isVisible());
        QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(5, f->height() / 2));
        QVERIFY(f->Offen());
        TNxTabTabelle *t = f->Tabelle();
        const QPoint p = t->ZellenRechteck(zeile, zahl).center();
        QMouseEvent bewegt(QEvent::MouseMove, p, t->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(t, &bewegt);
        QTest::mouseClick(t, Qt::LeftButton, {}, p);
        QVERIFY(!f->Offen());
        QCOMPARE(f->Zeile(), zeile);
        QCOMPARE(f->Zahl(), zahl);
    }

    void setzen(const QString &edit, const QString &text)
    {
        auto *e = teil<QLineEdit>(edit);
        QVERIFY(e && e->isVisible());
        e->selectAll();
        // QTest types ASCII only; other text goes in as if pasted.
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
            QTest::keyClicks(e, text);
        else
            e->insert(text);
        QCOMPARE(e->text(), text);
    }

    void comboWaehlen(const QString &combo, int index)
    {
        auto *c = teil<QComboBox>(combo);
        QVERIFY(c && c->isVisible());
        c->setCurrentIndex(index);
    }

    void klicken(const QString &knopf)
    {
        auto *b = teil<QAbstractButton>(knopf);
        QVERIFY(b && b->isVisible() && b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }

    QString regel(int tab = 2) const { return RegelCodeDerSeite(m_bereich->Auswahl(tab)); }

    QStringList sichtbar() const
    {
        QStringList s;
        for (const QString &p : kAllePanels) {
            QWidget *w = m_bereich->findChild<QWidget *>(p);
            if (w && w->isVisible())
                s.append(p);
        }
        return s;
    }

private Q_SLOTS:
    void init()
    {
        m_umgebung = std::make_unique<test::TestSeitenUmgebung>();
        m_umgebung->seite = 2;
        m_bereich = std::make_unique<TOptionenBereich>(*m_umgebung);
        m_bereich->resize(1000, m_bereich->height());
        m_bereich->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_bereich.get()));
        m_bereich->SeiteAnpassenFuerAktion(2);
    }
    void cleanup()
    {
        m_bereich.reset();
        m_umgebung.reset();
    }

    // Rules composed by clicking, each compared with its record field by field.
    void regelnAusKlicks()
    {
        struct Fall
        {
            const char *name;
            std::function<void()> klicks;
            QStringList erwartet;
        };
        const QStringList vonBis{"g", "1", "1", "0", "", "", "g", "1", "-1", "0", "", ""};
        const Fall faelle[] = {
            {"alle Leerzeichen durch _ ersetzen (Standard-Regel)",
             [&] {
                 m_bereich->BenutzerWoerterSetzen({BenutzerWort{" ", "N"}, BenutzerWort{"_", "N"}, {}, {}, {}, {}});
                 listeKlicken("LiAendOben", "Zeichen ersetzen");
                 listeKlicken("LiAendUnten6", "was anderes");
                 tabelleWaehlen("Bis", 2, 1);
                 tabelleWaehlen("S", 7, 2);
                 comboWaehlen("CoTeilstueckWas", 1);
                 m_bereich->WortPlatzSetzen("CoErsetzen", 2);
                 comboWaehlen("CoErsetzen", 0);
             },
             QStringList{"1", "221", "700", "1", "0"} + vonBis +
                 QStringList{"6", "2", "1", " ", "N", "N", "w", "_", "ENDE"}},
            {"Zeichen ersetzen durch EdEersetzen",
             [&] {
                 m_bereich->BenutzerWoerterSetzen({BenutzerWort{" ", "N"}, {}, {}, {}, {}, {}});
                 listeKlicken("LiAendOben", "Zeichen ersetzen");
                 listeKlicken("LiAendUnten6", "Zeichen oder Wörter");
                 tabelleWaehlen("Bis", 2, 1);
                 tabelleWaehlen("S", 7, 2);
                 comboWaehlen("CoTeilstueckWas", 1);
                 setzen("EdEersetzen", "_");
             },
             QStringList{"1", "225", "700", "1", "0"} + vonBis +
                 QStringList{"6", "2", "1", " ", "N", "N", "w", "_", "ENDE"}},
            {"alle Buchstaben großmachen",
             [&] {
                 listeKlicken("LiAendOben", "Zeichen ersetzen");
                 listeKlicken("LiAendUnten6", "was anderes");
                 tabelleWaehlen("Bis", 2, 1);
                 tabelleWaehlen("S", 7, 1);
                 comboWaehlen("CoErsetzen", 17);
             },
             QStringList{"1", "221", "700", "1", "0"} + vonBis + QStringList{"6", "1", "0", "", "", "N", "g", "", "ENDE"}},
            {"fortlaufende Nummer hinter dem letzten Zeichen",
             [&] {
                 listeKlicken("LiAendOben", "Zeichen hinzufügen");
                 listeKlicken("LiAendUnten6", "fortlaufende Nummern");
                 comboWaehlen("CoHinVH", 1);
                 tabelleWaehlen("H", 2, 1);
                 setzen("EdNummerVor", "_");
             },
             {"1", "213", "700", "1", "0", "1", "1", "-1", "0", "", "", "N", "N", "_", "1", "1", "", "N", "ENDE"}},
            {"Aufzählungs-Zeichen",
             [&] {
                 listeKlicken("LiAendOben", "Zeichen ersetzen");
                 listeKlicken("LiAendUnten6", "Aufzählungs-Zeichen");
                 comboWaehlen("CoLinksRechts", 1);
                 tabelleWaehlen("Bis", 2, 1);
                 setzen("EdFilterAlt", "ä|ö|ü");
                 setzen("EdFilterNeu", "ae|oe|ue");
             },
             QStringList{"1", "229", "700", "1", "1"} + vonBis + QStringList{"ä|ö|ü", "ae|oe|ue", "ENDE"}},
            {"Zeit-Unterschied der Änderungs-Zeit",
             [&] {
                 listeKlicken("LiAendOben", "die Zeiten ändern");
                 listeKlicken("LiAendUntenZeit", "einem Zeit-Unterschied");
                 setzen("EdZeitDiff", "-2");
                 klicken("RaZeit3");
             },
             {"1", "113", "700", "3", "-2", "ENDE"}},
            {"Zeit-Unterschied der Zugriffs-Zeit",
             [&] {
                 listeKlicken("LiAendOben", "die Zeiten ändern");
                 listeKlicken("LiAendUntenZeit", "einem Zeit-Unterschied");
                 setzen("EdZeitDiff", "-2");
                 klicken("RaZeit3");
                 klicken("RaZeitZielZ");
             },
             {"1", "133", "700", "3", "-2", "ENDE"}},
            {"Attribute: versteckt setzen, schreibgeschützt löschen",
             [&] {
                 listeKlicken("LiAendOben", "die Attibute ändern");
                 klicken("RaAttHJ");
                 klicken("RaAttRN");
             },
             {"1", "205", "700", "J", "N", "X", "X", "ENDE"}},
            {"freie Namen",
             [&] {
                 listeKlicken("LiAendOben", "die Namen frei bearbeiten");
                 comboWaehlen("CoAendernNameFormat", 0);
                 teil<QPlainTextEdit>("RiFrei")->setPlainText("eins\nzwei\n");
             },
             {"1", "209", "700", "0", "2", "eins", "zwei", "ENDE"}},
        };
        for (const Fall &f : faelle) {
            cleanup();
            init();
            f.klicks();
            if (QTest::currentTestFailed())
                QFAIL(f.name);
            QVERIFY2(regel() == felder(f.erwartet), qPrintable(QString::fromUtf8(f.name) + u'\n' + regel()));
        }
    }

    void zeitZielWechseltDieAktion()
    {
        listeKlicken("LiAendOben", "die Zeiten ändern");
        QSignalSpy gewechselt(m_bereich.get(), &TOptionenBereich::AktionGewechselt);
        klicken("RaZeitZielZ");
        QCOMPARE(gewechselt.count(), 1);
        QCOMPARE(AktionsCodeDerSeite(m_bereich->Auswahl(2)), 132);
        QVERIFY(teil<QLabel>("LaZeitDatumIntro")->text().startsWith("Sie sollen"));
        listeKlicken("LiAendUntenZeit", "nummerierten Zeiten");
        QCOMPARE(teil<QLabel>("LaZeitDatumIntro")->text(),
                 QStringLiteral("Die erste Zugriffs-Zeit soll ersetzt werden durch diese neue Zeit:"));
    }

    // What each entry of the left lists shows, with the lower list and its label.
    void panelsJeAktion_data()
    {
        QTest::addColumn<QString>("oben");
        QTest::addColumn<QString>("unten");
        QTest::addColumn<QString>("liste");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("panels");
        const QStringList nfLr{"PaAendernNameFormat", "PaLinksRechts"};
        const QStringList vb = nfLr + QStringList{"PaVonHaupt", "PaBisHaupt"};
        const QStringList teil = vb + QStringList{"PaTeilstueck1"};
        const QStringList verb = teil + QStringList{"PaTeilstueck2"};
        const QStringList hin = nfLr + QStringList{"PaHinHaupt"};
        const QString hinzu = "Zeichen hinzufügen";
        const QString ersetzen = "Zeichen ersetzen";
        const QString umordnen = "Zeichen umordnen";
        const QString zeit = "die Zeiten ändern";
        auto zeile = [](const char *n, const QString &o, const QString &u, const QString &l, const QString &la,
                        const QStringList &p) { QTest::newRow(n) << o << u << l << la << p; };
        zeile("215", hinzu, "Zeichen oder Wörter", "LiAendUnten6", "und zwar", hin + QStringList{"PaHinzuZeichen", "PaZusatz"});
        zeile("213", hinzu, "fortlaufende Nummern", "LiAendUnten6", "und zwar", hin + QStringList{"PaNummer", "PaZusatz"});
        zeile("214", hinzu, "verschachtelte Nummern", "LiAendUnten6", "und zwar", hin + QStringList{"PaMatrix", "PaZusatz"});
        zeile("212", hinzu, "Wörter aus einer Liste", "LiAendUnten6", "und zwar", hin + QStringList{"PaNamenListe", "PaZusatz"});
        zeile("219", hinzu, "auffüllende Zeichen", "LiAendUnten6", "und zwar", verb + QStringList{"PaAuffuellen"});
        zeile("211", hinzu, "was anderes", "LiAendUnten6", "und zwar", hin + QStringList{"PaHinzuSpezi", "PaZusatz"});
        zeile("208", "Zeichen entfernen", "", "LiAendUnten0", "", teil + QStringList{"PaEntfernenHaupt"});
        zeile("207", "Zeichen behalten", "", "LiAendUnten0", "", teil + QStringList{"PaBehalten"});
        zeile("225", ersetzen, "Zeichen oder Wörter", "LiAendUnten6", "und zwar durch", verb + QStringList{"PaEersetzenZeichen"});
        zeile("223", ersetzen, "fortlaufende Nummern", "LiAendUnten6", "und zwar durch", verb + QStringList{"PaNummer", "PaZusatz"});
        zeile("224", ersetzen, "verschachtelte Nummern", "LiAendUnten6", "und zwar durch", verb + QStringList{"PaMatrix", "PaZusatz"});
        zeile("222", ersetzen, "Wörter aus einer Liste", "LiAendUnten6", "und zwar durch", verb + QStringList{"PaNamenListe", "PaZusatz"});
        zeile("229 ohne Teilstück", ersetzen, "Aufzählungs-Zeichen", "LiAendUnten6", "und zwar durch", vb + QStringList{"PaFilter"});
        zeile("221", ersetzen, "was anderes", "LiAendUnten6", "und zwar durch", verb + QStringList{"PaErsetzenSpezi"});
        zeile("231", umordnen, "umdrehen", "LiAendUnten4", "und zwar möchte ich sie", teil + QStringList{"PaReihenfolge"});
        zeile("234", umordnen, "tauschen", "LiAendUnten4", "und zwar möchte ich sie", vb + QStringList{"PaTauschenHaupt"});
        zeile("232", umordnen, "verschieben", "LiAendUnten4", "und zwar möchte ich sie",
              teil + QStringList{"PaVerschiebenKopieren", "PaNachHaupt"});
        zeile("233", umordnen, "kopieren", "LiAendUnten4", "und zwar möchte ich sie",
              teil + QStringList{"PaVerschiebenKopieren", "PaNachHaupt"});
        zeile("205", "die Attibute ändern", "", "LiAendUnten0", "", {"PaAttribute"});
        zeile("112", zeit, "einer bestimmten Zeit", "LiAendUntenZeit", "und zwar mit", {"PaZeitZielArt", "PaZeitDatum"});
        zeile("111", zeit, "nummerierten Zeiten", "LiAendUntenZeit", "und zwar mit",
              {"PaZeitZielArt", "PaZeitDatum", "PaZeitDiff"});
        zeile("113", zeit, "einem Zeit-Unterschied", "LiAendUntenZeit", "und zwar mit", {"PaZeitZielArt", "PaZeitDiff"});
        zeile("114", zeit, "Zeit-Kopien", "LiAendUntenZeit", "und zwar mit", {"PaZeitZielArt", "PaZeitQuelleArt"});
        zeile("209", "die Namen frei bearbeiten", "", "LiAendUnten0", "", {"PaAendernNameFormat", "PaFrei"});
    }
    void panelsJeAktion()
    {
        QFETCH(QString, oben);
        QFETCH(QString, unten);
        QFETCH(QString, liste);
        QFETCH(QString, label);
        QFETCH(QStringList, panels);
        // Start from another action, so that the lower list is rewritten.
        listeKlicken("LiAendOben", oben == u"Zeichen ersetzen" ? "Zeichen hinzufügen" : "Zeichen ersetzen");
        listeKlicken("LiAendOben", oben);
        if (!unten.isEmpty())
            listeKlicken(liste, unten);
        QCOMPARE(QString::number(AktionsCodeDerSeite(m_bereich->Auswahl(2))), QString::fromUtf8(QTest::currentDataTag()).left(3));
        for (const QString l : {"LiAendUnten0", "LiAendUnten4", "LiAendUnten6", "LiAendUntenZeit"})
            QCOMPARE(teil(l)->isVisible(), l == liste);
        QCOMPARE(teil<QListWidget>("LiAendUnten0")->isEnabled(), false);
        QCOMPARE(teil<QLabel>("LaAendUnten")->text(), label);
        QStringList erwartet = panels + QStringList{"PaAendernLinks"};
        QStringList ist = sichtbar();
        std::sort(erwartet.begin(), erwartet.end());
        std::sort(ist.begin(), ist.end());
        QCOMPARE(ist, erwartet);
        QVERIFY(!teil("PaAktionWechselFlackernAbdeckung")->isVisible());

        // The extra check boxes stand right below their panel, nothing in between.
        if (panels.contains("PaZusatz")) {
            QWidget *zusatz = teil("PaZusatz");
            const int oben = zusatz->mapTo(m_bereich.get(), QPoint()).y();
            int darueber = -1;
            QString wer;
            for (const QString &p : panels) {
                const int y = teil(p)->mapTo(m_bereich.get(), QPoint(0, teil(p)->height())).y();
                if (p != u"PaZusatz" && y <= oben && y > darueber) {
                    darueber = y;
                    wer = p;
                }
            }
            const QString wirt = panels.at(panels.size() - 2);
            QCOMPARE(wer, wirt);
        }
    }

    void beschriftungenJeAktion()
    {
        listeKlicken("LiAendOben", "Zeichen hinzufügen");
        listeKlicken("LiAendUnten6", "fortlaufende Nummern");
        QCOMPARE(teil<QLabel>("LaNummer")->text(),
                 QStringLiteral("und füge dort fortlaufende Nummern ein, die so aufgebaut sein sollen:"));
        const int links213 = teil("EdNummerVor")->mapTo(m_bereich.get(), QPoint()).x();
        QCOMPARE(teil("EdNummerNach")->width(), 185);
        listeKlicken("LiAendOben", "Zeichen ersetzen");
        QCOMPARE(teil<QLabel>("LaNummer")->text(),
                 QStringLiteral("und ersetze ihn/sie/es durch fortlaufende Nummern, die so aufgebaut sein sollen:"));
        listeKlicken("LiAendUnten6", "Wörter aus einer Liste");
        QCOMPARE(teil<QLabel>("LaListeAendern")->text(), QStringLiteral("und ersetze ihn/sie/es durch diese Wörter:"));
        listeKlicken("LiAendOben", "Zeichen umordnen");
        listeKlicken("LiAendUnten4", "kopieren");
        QCOMPARE(teil<QLabel>("LaNachVerschKop")->text(), QStringLiteral("und kopiere ihn/sie/es"));

        // On Herstellen the same number panel stands 60 pixels further right, its last field narrower.
        m_bereich->SeiteAnpassenFuerAktion(3);
        listeKlicken("LiHerstOben", "neue Dateien, die leer sind");
        listeKlicken("LiHerstUnten4", "fortlaufende Nummern");
        QCOMPARE(AktionsCodeDerSeite(m_bereich->Auswahl(3)), 283);
        QCOMPARE(teil<QLabel>("LaNummer")->text(), QStringLiteral("Die neuen Namen mit Nummern sollen so aufgebaut sein:"));
        QCOMPARE(teil("EdNummerNach")->width(), 125);
        QCOMPARE(teil("EdNummerVor")->mapTo(teil("PaNummer"), QPoint()).x() - 60,
                 links213 - teil("PaNummer")->mapTo(m_bereich.get(), QPoint()).x());
        QVERIFY(teil("PaHerstAnzahl")->isVisible());
        QCOMPARE(teil<QLabel>("LaHerstWoIntro")->text(), QStringLiteral("Die neuen Dateien sollen gespeichert werden in:"));
        listeKlicken("LiHerstOben", "neue Verzeichnisse, die leer sind");
        QCOMPARE(teil<QLabel>("LaHerstWoIntro")->text(),
                 QStringLiteral("Die neuen Verzeichnisse sollen gespeichert werden in:"));
    }

    void herstellenGrosseZusammengesetzteDatei()
    {
        m_bereich->SeiteAnpassenFuerAktion(3);
        QVERIFY(teil("PaHerstellenLinks")->isVisible());
        QVERIFY(!teil("PaAendernLinks")->isVisible());
        // A location chosen for another action is not stored where it cannot be chosen.
        listeKlicken("LiHerstOben", "Kopien von allen ausgewählten Dateien");
        klicken("RaHerstWoWieName");
        listeKlicken("LiHerstOben", "eine große zusammengesetzte Datei");
        auto *unten0 = teil<QListWidget>("LiHerstUnten0");
        QVERIFY(unten0->isVisible());
        QVERIFY(!unten0->isEnabled());
        QCOMPARE(unten0->count(), 0);
        QVERIFY(!teil("LiHerstUnten4")->isVisible());
        QCOMPARE(teil<QLabel>("LaHerstUnten")->text(), QString());
        QCOMPARE(teil<QLabel>("LaHerstWoIntro")->text(), QStringLiteral("Die neue Datei soll gespeichert werden in:"));
        QVERIFY(!teil("RaHerstWoQuellpfad")->isEnabled());
        QVERIFY(!teil("RaHerstWoWieName")->isEnabled());
        QStringList ist = sichtbar();
        std::sort(ist.begin(), ist.end());
        QCOMPARE(ist, (QStringList{"PaHerstWo", "PaHerstZuEinerVerb", "PaHerstellenLinks"}));
        setzen("EdHerstZuEinerVerb", "alles.bin");
        QCOMPARE(regel(3), felder({"1", "250", "700", "X", "alles.bin", "ENDE"}));
        // Typing a directory chooses it.
        setzen("EdHerstWo", "/tmp/ziel/");
        QVERIFY(teil<QRadioButton>("RaHerstWoWieEdit")->isChecked());
        QCOMPARE(regel(3), felder({"1", "250", "700", "P", "/tmp/ziel/", "alles.bin", "ENDE"}));
    }

    void herstellenBaumVerzeichnis()
    {
        m_bereich->SeiteAnpassenFuerAktion(3);
        m_bereich->BaumVerzeichnisSetzen("/home/anna/Bilder");
        listeKlicken("LiHerstOben", "Kopien von einer bestimmten Datei");
        listeKlicken("LiHerstUnten4", "die ausgewählten Namen/Formate");
        QCOMPARE(teil<QLabel>("LaHerstWoLang")->text(), QStringLiteral("/home/anna/Bilder/"));
        QCOMPARE(teil<QLabel>("LaHerstWoKurz")->text(), QStringLiteral("/"));
        klicken("RaHerstWoLang");
        setzen("EdHerstVonEiner", "/home/anna/vorlage.txt");
        comboWaehlen("CoHerstAuswahl", 1);
        QCOMPARE(regel(3), felder({"1", "251", "700", "P", "/home/anna/Bilder/", "/home/anna/vorlage.txt", "1", "", "",
                                   "ENDE"}));
        QCOMPARE(teil<QLabel>("LaHerstVonEiner")->text(),
                 QStringLiteral("Die Kopien sollen von dieser Datei/Quelle hergestellt werden:   (vollständige Adresse)"));
        klicken("RaHerstWoQuellpfad");
        QCOMPARE(regel(3).section(u'\t', 3, 3), QStringLiteral("Q"));
    }

    // Restarting numbers per directory needs the search sub-page 5.
    void nummernJeVerzeichnis_data()
    {
        QTest::addColumn<int>("suchSeite");
        QTest::addColumn<QString>("feld");
        QTest::newRow("Such-Seite 1") << 1 << "N";
        QTest::newRow("Such-Seite 5") << 5 << "J";
    }
    void nummernJeVerzeichnis()
    {
        QFETCH(int, suchSeite);
        QFETCH(QString, feld);
        m_umgebung->suchSeite = suchSeite;
        listeKlicken("LiAendOben", "Zeichen ersetzen");
        listeKlicken("LiAendUnten6", "verschachtelte Nummern");
        auto *che = teil<QCheckBox>("CheZusatzNrUnterverz");
        QVERIFY(che->isVisible());
        QCOMPARE(che->isEnabled(), suchSeite == 5);
        che->setChecked(true);
        QCOMPARE(regel().split(u'\t').at(regel().split(u'\t').size() - 2), feld);
    }

    // System, archive and the creation time as a target are shown but cannot be chosen.
    void linuxGrenzen()
    {
        for (const QString name : {"RaAttSJ", "RaAttSN", "RaAttAJ", "RaAttAN", "RaZeitZielH"}) {
            auto *b = teil<QRadioButton>(name);
            QVERIFY2(!b->isEnabled() && !b->toolTip().isEmpty(), qPrintable(name));
        }
        QVERIFY(teil<QRadioButton>("RaAttHJ")->isEnabled());
        QVERIFY(teil<QRadioButton>("RaZeitQuelleH")->isEnabled());
        // A stored state from a system where they could be chosen falls back to what is possible.
        OptionenZustand z;
        z.flags.insert("LiAendOben", 6);
        z.flags.insert("RaZeitZielH", 1);
        z.flags.insert("RaAttSJ", 1);
        m_bereich->ZustandLesen(z);
        QCOMPARE(AktionsCodeDerSeite(m_bereich->Auswahl(2)), 112);
        QVERIFY(teil<QRadioButton>("RaZeitZielA")->isChecked());
        QVERIFY(teil<QRadioButton>("RaAttSE")->isChecked());
    }

    void aenderungenMeldenSich()
    {
        QSignalSpy veraltet(m_bereich.get(), &TOptionenBereich::Veraltet);
        QSignalSpy gewechselt(m_bereich.get(), &TOptionenBereich::AktionGewechselt);
        listeKlicken("LiAendOben", "Zeichen ersetzen");
        QCOMPARE(gewechselt.count(), 1);
        QVERIFY(veraltet.count() >= 1);
        veraltet.clear();
        tabelleWaehlen("Von", 1, 3);
        QCOMPARE(veraltet.count(), 1);
        setzen("EdEersetzen", "x");
        QVERIFY(veraltet.count() >= 2);
        veraltet.clear();
        gewechselt.clear();
        {
            EreignisSperre sperre;
            teil<QLineEdit>("EdEersetzen")->setText("y");
            teil<QListWidget>("LiAendOben")->setCurrentRow(0);
        }
        QCOMPARE(veraltet.count(), 0);
        QCOMPARE(gewechselt.count(), 0);
    }

    void wortEintragVerlangtDieWoerter()
    {
        QSignalSpy verlangt(m_bereich.get(), &TOptionenBereich::BenutzerWoerterVerlangt);
        listeKlicken("LiAendOben", "Zeichen ersetzen");
        auto *co = teil<TNxWortCombo>("CoVonGruppe");
        Q_EMIT co->activated(5);
        QCOMPARE(verlangt.count(), 0);
        Q_EMIT co->activated(1);
        QCOMPARE(verlangt.count(), 1);
        QCOMPARE(m_bereich->WortComboVerlangt(), QStringLiteral("CoVonGruppe"));
        m_bereich->BenutzerWoerterSetzen({BenutzerWort{}, BenutzerWort{}, BenutzerWort{"a|b", "J"}, {}, {}, {}});
        m_bereich->WortPlatzSetzen("CoVonGruppe", 3);
        QCOMPARE(co->itemText(1), QStringLiteral("Wort [ ! ] \"a\" oder \"b\""));
        co->setCurrentIndex(10);
        QCOMPARE(regel().split(u'\t').mid(5, 6), (QStringList{"g", "1", "1", "10", "a|b", "J"}));
    }

    void zustandUeberEinenNeustart()
    {
        listeKlicken("LiAendOben", "Zeichen umordnen");
        listeKlicken("LiAendUnten4", "tauschen");
        tabelleWaehlen("TauschenBis", 3, 4);
        comboWaehlen("CoTauschenLR", 1);
        m_bereich->BenutzerWoerterSetzen({BenutzerWort{"x", "J"}, {}, {}, {}, {}, {}});
        comboWaehlen("CoTauschenVonWas", 1);
        const QString vorher = regel();
        const OptionenZustand z = m_bereich->ZustandSchreiben();
        QCOMPARE(z.flags.value("PaTabellenComboTauschenBis"), 3004);

        TOptionenBereich neu(*m_umgebung);
        neu.ZustandLesen(z);
        QCOMPARE(RegelCodeDerSeite(neu.Auswahl(2)), vorher);

        // Indexes beyond the lists and tables fall back to their first item.
        OptionenZustand kaputt;
        kaputt.flags.insert("LiAendOben", 99);
        kaputt.flags.insert("CoLinksRechts", 7);
        kaputt.flags.insert("PaTabellenComboVon", 9020);
        kaputt.flags.insert("CoVonGruppe.Platz", 9);
        neu.ZustandLesen(kaputt);
        const SeitenAuswahl a = neu.Auswahl(2);
        QCOMPARE(a.aendern.oben, QStringLiteral("Zeichen hinzufügen"));
        QCOMPARE(a.aendern.linksRechts, 0);
        QCOMPARE(a.aendern.von.zeile, 1);
        QCOMPARE(a.aendern.von.zahl, 20);
        QCOMPARE(a.aendern.von.wortPlatz, 1);
    }

    // A list field whose stored text was not loaded never feeds its notice into the rule.
    void zurueckgehaltenesListenFeld()
    {
        listeKlicken("LiAendOben", "die Namen frei bearbeiten");
        m_bereich->ListenFeldZurueckhalten("RiFrei", "a\r\nb\r\n");
        auto *ri = teil<QPlainTextEdit>("RiFrei");
        QVERIFY(!ri->isEnabled());
        QVERIFY(teil("BuFreiJa")->isVisible() && teil("BuFreiNein")->isVisible());
        QCOMPARE(m_bereich->Auswahl(2).aendern.freiZeilen, (QStringList{"a", "b"}));
        QCOMPARE(m_bereich->ZustandSchreiben().texte.value("RiFrei"), QStringLiteral("a\r\nb\r\n"));
        klicken("BuFreiNein");
        QVERIFY(ri->isEnabled());
        QVERIFY(!teil("BuFreiJa")->isVisible());
        QCOMPARE(m_bereich->Auswahl(2).aendern.freiZeilen, QStringList());

        m_bereich->ListenFeldZurueckhalten("RiFrei", "c\nd");
        klicken("BuFreiJa");
        QCOMPARE(ri->toPlainText(), QStringLiteral("c\nd"));
        QCOMPARE(m_bereich->Auswahl(2).aendern.freiZeilen, (QStringList{"c", "d"}));
    }
};

RINOLUX_WIDGET_TEST_MAIN(OptionenBereichTest)
#include "OptionenBereichTest.moc"
