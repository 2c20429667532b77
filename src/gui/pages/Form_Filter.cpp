#include "gui/pages/Form_Filter.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rinolux {

Tff::Tff(const QStringList &zeilen, QWidget *eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("ff"));
    setWindowTitle(QStringLiteral("Filter"));
    auto *spalte = new QVBoxLayout(this);
    auto *text = new QLabel(QStringLiteral("Pfade oder Namen von Verzeichnissen, die stören und nicht angezeigt werden "
                                           "sollen."),
                            this);
    text->setWordWrap(true);
    spalte->addWidget(text);
    auto *beispiele = new QGridLayout;
    beispiele->addWidget(new QLabel(QStringLiteral("Beispiele für Pfade:"), this), 0, 0);
    beispiele->addWidget(new QLabel(QStringLiteral("Beispiele für Namen:"), this), 0, 1);
    beispiele->addWidget(new QLabel(QStringList{QStringLiteral("/home/anna/.cache"), QStringLiteral("/var/lib/docker"),
                                                QStringLiteral("/home/anna/Musik/mp3")}
                                        .join(u'\n'),
                                    this),
                         1, 0);
    beispiele->addWidget(new QLabel(QStringList{QStringLiteral(".cache"), QStringLiteral("node_modules"),
                                                QStringLiteral("musik")}
                                        .join(u'\n'),
                                    this),
                         1, 1);
    spalte->addLayout(beispiele);
    m_meBaum = new QPlainTextEdit(this);
    m_meBaum->setObjectName(QStringLiteral("MeBaum"));
    m_meBaum->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_meBaum->setPlainText(zeilen.join(u'\n'));
    m_meBaum->setMinimumSize(360, 180);
    spalte->addWidget(m_meBaum, 1);
    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BuOK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("BuAbbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    spalte->addWidget(knoepfe);
}

Tff::~Tff() = default;

QStringList Tff::Zeilen() const
{
    QStringList r;
    const QStringList alle = m_meBaum->toPlainText().split(u'\n');
    for (const QString &z : alle)
        if (!z.isEmpty())
            r.append(z);
    return r;
}

} // namespace rinolux
