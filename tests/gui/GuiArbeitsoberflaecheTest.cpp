#include "core/platform/Plattform.h"
#include "gui/platform/GuiArbeitsoberflaeche.h"
#include "gui/support/WidgetTest.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cerrno>

using namespace rinolux;
using namespace Qt::StringLiterals;

class GuiArbeitsoberflaecheTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QFile f(pfad(u"<b>fett &amp; co.txt"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(1234, 'x'));
        f.close();
        QVERIFY(plattform::zeitSetzen(pfad(u"<b>fett &amp; co.txt"_s), u'a',
                                      plattform::DateiZeit::aus(QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7))))
                    .ok());
    }

    void dialogZeigtDasObjekt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Name wie er ist") << u"<b>fett &amp; co.txt"_s << u"Name"_s << u"<b>fett &amp; co.txt"_s;
        QTest::newRow("Bytes mit Punkt") << u"<b>fett &amp; co.txt"_s << u"Bytes"_s << u"1.234"_s;
        QTest::newRow("Art Datei") << u"<b>fett &amp; co.txt"_s << u"Art"_s << u"Datei"_s;
        QTest::newRow("Zeit") << u"<b>fett &amp; co.txt"_s << u"Änderungs-Zeit"_s << u"04.03.2021 05:06:07"_s;
        QTest::newRow("Verzeichnis") << QString() << u"Art"_s << u"Verzeichnis"_s;
        QTest::newRow("fehlt") << u"fehlt"_s << u"Art"_s << u"nicht vorhanden"_s;
    }

    void dialogZeigtDasObjekt()
    {
        QFETCH(QString, name);
        QFETCH(QString, titel);
        QFETCH(QString, erwartet);
        EigenschaftenDialog d(name.isEmpty() ? m_dir.path() + u'/' : pfad(name));
        QCOMPARE(d.wert(titel), erwartet);
        const QList<QLabel *> labels = d.findChildren<QLabel *>();
        QVERIFY(!labels.isEmpty());
        for (QLabel *l : labels)
            QCOMPARE(l->textFormat() == Qt::PlainText || l->text().endsWith(u':'), true);
    }

    void ohneDateimanagerEigenerDialog()
    {
        // No session bus in this process: the call must end in our own dialog.
        GuiArbeitsoberflaeche a;
        QString gezeigt;
        QTimer::singleShot(0, this, [&] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                gezeigt = w->objectName();
                w->grab().save(m_dir.path() + u"/dialog.png"_s);
                w->close();
            }
        });
        const Ergebnis r = a.eigenschaftenZeigen(pfad(u"<b>fett &amp; co.txt"_s));
        QVERIFY(r.ok());
        QCOMPARE(gezeigt, u"FormEigenschaften"_s);
        if (qEnvironmentVariableIsSet("RINOLUX_BILD"))
            QFile::copy(m_dir.path() + u"/dialog.png"_s, qEnvironmentVariable("RINOLUX_BILD"));

        QCOMPARE(a.eigenschaftenZeigen(pfad(u"fehlt"_s)).fehlerNummer(), ENOENT);
        QCOMPARE(a.oeffnen(pfad(u"fehlt"_s)).fehlerNummer(), ENOENT);
    }

    void einrichtenVerbindetDenKern()
    {
        QVERIFY(plattform::oeffnen(pfad(u"fehlt"_s)).nichtMoeglich());
        arbeitsoberflaecheEinrichten();
        QCOMPARE(plattform::oeffnen(pfad(u"fehlt"_s)).fehlerNummer(), ENOENT);
        plattform::arbeitsoberflaecheSetzen(nullptr);
    }

private:
    QString pfad(const QString &name) const { return m_dir.path() + u'/' + name; }
    QTemporaryDir m_dir;
};

RINOLUX_WIDGET_TEST_MAIN(GuiArbeitsoberflaecheTest)

#include "GuiArbeitsoberflaecheTest.moc"
