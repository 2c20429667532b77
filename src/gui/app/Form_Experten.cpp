#include "gui/app/Form_Experten.h"

#include "core/util/nx_Debug.h"
#include "core/shell/Prozess.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace rinolux {

Tgg::Tgg(QWidget *eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("gg"));
    setWindowTitle(QStringLiteral("Fenster schließen --->"));
    setModal(true);
    auto *hinweis = new QLabel(QStringLiteral("für jede Einstellung ist ein Neu-Start erforderlich"), this);
    hinweis->move(10, 10);
    auto che = [this](const QString &name, const QString &text, bool an, int y) {
        auto *c = new QCheckBox(text, this);
        c->setObjectName(name);
        c->setChecked(an);
        c->move(10, y);
        return c;
    };
    che(QStringLiteral("CheParentColor"), QStringLiteral("ParentColor (sonst bunt)"), true, 40);
    che(QStringLiteral("CheVerschNr"), QStringLiteral("Verschieben: erweitern mit Nummern-Schalter"), false, 65);
    che(QStringLiteral("CheBatch"), QStringLiteral("Herstellen: eine Datei teilen: zusätzliche BAT-Datei herstellen"),
        false, 90);
    auto *debug = new QPushButton(QStringLiteral("Debug-Datei herstellen"), this);
    debug->setObjectName(QStringLiteral("BuGgDebug"));
    debug->move(10, 125);
    connect(debug, &QPushButton::clicked, this, [this] {
        nxDebugStart(QStringLiteral("neu"), true);
        QMessageBox::information(this, QString(), QStringLiteral("fertig"));
    });
    auto *x = new QPushButton(QStringLiteral("X"), this);
    x->setObjectName(QStringLiteral("BuGgSchliessen"));
    x->setFixedWidth(30);
    connect(x, &QPushButton::clicked, this, &QDialog::accept);
    for (QWidget *w : findChildren<QWidget *>())
        w->adjustSize();
    int rechts = 0;
    for (QWidget *w : findChildren<QWidget *>())
        if (w != x)
            rechts = std::max(rechts, w->x() + w->width());
    x->move(rechts - x->width(), 125);
}

Tgg::~Tgg() = default;

void Tgg::showEvent(QShowEvent *event)
{
    // The client area reaches 10 pixels beyond the rightmost and the lowest control.
    int rechts = 0;
    int unten = 0;
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        rechts = std::max(rechts, w->x() + w->width());
        unten = std::max(unten, w->y() + w->height());
    }
    setFixedSize(rechts + 10, unten + 10);
    QDialog::showEvent(event);
}

} // namespace rinolux
