#pragma once

// The controls of the options area and the small builders its panel files share.

#include "gui/controls/TNxTabCombo.h"
#include "gui/controls/TNxWortCombo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rinolux {

struct OptionenTeile
{
    // Every named control of the area by its control name.
    QHash<QString, QWidget *> teile;
    // The sentence rows right of the left column; a panel's row is shown while any of its
    // panels is.
    QVBoxLayout *saetze = nullptr;
    QList<QWidget *> zeilen;
    QHash<QString, QWidget *> zeileVon;
    QWidget *abdeckung = nullptr; // PaAktionWechselFlackernAbdeckung
    // Stored texts of list fields not loaded at start, by field name.
    QHash<QString, QString> zurueck;

    template <class T> T *an(const QString &name) const
    {
        T *t = qobject_cast<T *>(teile.value(name));
        Q_ASSERT_X(t, "OptionenTeile::an", qPrintable(name));
        return t;
    }
    template <class T> T *neu(T *w, const QString &name)
    {
        w->setObjectName(name);
        teile.insert(name, w);
        return w;
    }

    QFrame *panel(const QString &name, QWidget *eltern) { return neu(new QFrame(eltern), name); }
    // A caption; without a name it is a fixed part of the sentence.
    QLabel *label(const QString &name, const QString &text, QWidget *eltern)
    {
        auto *l = new QLabel(text, eltern);
        l->setTextFormat(Qt::PlainText);
        if (!name.isEmpty())
            neu(l, name);
        return l;
    }
    QLineEdit *edit(const QString &name, QWidget *eltern, int breite, const QString &text = QString())
    {
        auto *e = neu(new QLineEdit(text, eltern), name);
        if (breite > 0)
            e->setMinimumWidth(breite);
        return e;
    }
    QComboBox *combo(const QString &name, const QStringList &eintraege, QWidget *eltern)
    {
        auto *c = neu(new QComboBox(eltern), name);
        c->addItems(eintraege);
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        c->setCurrentIndex(0);
        return c;
    }
    QCheckBox *check(const QString &name, const QString &text, QWidget *eltern)
    {
        return neu(new QCheckBox(text, eltern), name);
    }
    QRadioButton *radio(const QString &name, const QString &text, QWidget *eltern)
    {
        return neu(new QRadioButton(text, eltern), name);
    }
    QPlainTextEdit *memo(const QString &name, QWidget *eltern)
    {
        auto *m = neu(new QPlainTextEdit(eltern), name);
        m->setLineWrapMode(QPlainTextEdit::NoWrap);
        m->setTabChangesFocus(true);
        return m;
    }
    TNxTabCombo *tabCombo(int nummer, const QString &endung, QWidget *eltern)
    {
        auto *t = new TNxTabCombo(nummer, QStringLiteral("PaTabellenCombo") + endung,
                                  QStringLiteral("BiTabellenCombo") + endung, eltern);
        teile.insert(t->objectName(), t);
        return t;
    }
    TNxWortCombo *wortCombo(WortComboArt art, const QString &name, QWidget *eltern)
    {
        auto *c = new TNxWortCombo(art, name, eltern);
        teile.insert(name, c);
        return c;
    }

    // One line of a panel: the widgets side by side, then free space.
    static QHBoxLayout *reihe(QWidget *panel, std::initializer_list<QWidget *> teile, int links = 0)
    {
        auto *h = new QHBoxLayout(panel);
        h->setContentsMargins(links, 0, 0, 0);
        h->setSpacing(6);
        for (QWidget *w : teile)
            h->addWidget(w);
        h->addStretch(1);
        return h;
    }
    static QHBoxLayout *reiheIn(QBoxLayout *spalte, std::initializer_list<QWidget *> teile)
    {
        auto *h = new QHBoxLayout;
        h->setSpacing(6);
        for (QWidget *w : teile)
            h->addWidget(w);
        h->addStretch(1);
        spalte->addLayout(h);
        return h;
    }
    static QVBoxLayout *spalte(QWidget *panel, int links = 0)
    {
        auto *v = new QVBoxLayout(panel);
        v->setContentsMargins(links, 0, 0, 0);
        v->setSpacing(3);
        return v;
    }

    // A row of the sentence holding these panels, appended to the right column.
    QWidget *satzZeile(std::initializer_list<QFrame *> panels)
    {
        auto *z = new QWidget(saetze->parentWidget());
        auto *h = new QHBoxLayout(z);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(12);
        for (QFrame *p : panels) {
            h->addWidget(p);
            zeileVon.insert(p->objectName(), z);
        }
        h->addStretch(1);
        saetze->addWidget(z);
        zeilen.append(z);
        return z;
    }
};

} // namespace rinolux
