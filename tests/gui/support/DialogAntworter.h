#pragma once

// Answers the message dialogs of a widget test as they come.

#include <QApplication>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTextEdit>
#include <QTimer>

namespace rinolux::test {

// Presses the given buttons of the message dialogs in order (then "Nein" or "OK") and keeps
// their texts. Stops when destroyed.
class Antworter final : public QObject
{
public:
    explicit Antworter(QStringList schalter) : m_schalter(std::move(schalter))
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start();
    }
    QStringList texte;

private:
    void tick()
    {
        QWidget *dd = QApplication::activeModalWidget();
        if (!dd || dd->objectName() != QStringLiteral("dd"))
            return;
        QString t;
        for (auto *feld : dd->findChildren<QTextEdit *>(QStringLiteral("RiDialogBlock")))
            t += feld->toPlainText();
        texte << t;
        QPushButton *b = nullptr;
        if (!m_schalter.isEmpty())
            b = dd->findChild<QPushButton *>(m_schalter.takeFirst());
        for (const char *ersatz : {"BuNein", "BuOK"})
            if (!b)
                b = dd->findChild<QPushButton *>(QString::fromLatin1(ersatz));
        if (b)
            b->click();
    }

    QStringList m_schalter;
    QTimer m_timer;
};

} // namespace rinolux::test
