#include "gui/support/FensterFixture.h"

#include "core/selection/sub_Auswahl.h"
#include "core/shell/ListenDaten.h"
#include "gui/app/Ablauf.h"
#include "gui/controls/nx_Register.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace rinolux::test {

void FensterFixture::fensterAnlegen(QSize groesse, bool mitAblauf)
{
    m_aa = std::make_unique<Taa>();
    if (mitAblauf)
        AblaufSchritteAnmelden(*m_aa);
    m_aa->Startwerte();
    if (mitAblauf)
        m_aa->Ablauf().Ausfuehren(StartSchritt::RueckIndexLaden);
    m_aa->RegHaupt_OnClick(1);
    m_aa->resize(groesse);
    m_aa->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_aa.get()));
}

void tabKlicken(TNxReg *reg, int nr)
{
    QTest::mouseClick(reg, Qt::LeftButton, Qt::NoModifier, reg->TabRechteck(nr).center());
}

QStringList sichtbarePanels(const Taa &aa, const QStringList &panels)
{
    QStringList sichtbar;
    for (const QString &name : panels) {
        auto *p = aa.findChild<QWidget *>(name);
        if (p && p->isVisible())
            sichtbar.append(name);
    }
    return sichtbar;
}

QStringList markierteNamen(const ListenDaten &liste)
{
    QStringList namen;
    for (int z = 1; z <= liste.Anzahl(); ++z)
        if (liste.Markiert(z))
            namen << liste.Zelle(z, AZelle::Name);
    namen.sort();
    return namen;
}

void naechstenDialogBeantworten(QString *text, const QString &schalter)
{
    QTimer::singleShot(20, qApp, [text, schalter] {
        QWidget *dd = QApplication::activeModalWidget();
        if (!dd || dd->objectName() != QStringLiteral("dd")) {
            naechstenDialogBeantworten(text, schalter);
            return;
        }
        if (text) {
            for (auto *feld : dd->findChildren<QTextEdit *>(QStringLiteral("RiDialogBlock")))
                *text += feld->toPlainText();
        }
        if (auto *b = dd->findChild<QPushButton *>(schalter))
            b->click();
    });
}

} // namespace rinolux::test
