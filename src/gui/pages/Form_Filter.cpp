#include "gui/pages/Form_Filter.h"

#include "gui/app/Form_Dialog.h"

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
    spalte->addWidget(OkAbbrechenKnoepfe(this));
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
