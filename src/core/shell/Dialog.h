#pragma once

#include <QList>
#include <QString>

namespace rinolux {

// The message dialogs as core code sees them. Kinds are the one-letter codes:
// 'f' question, 't' question with partial yes, 'i' information, 'o' information with
// photo, 'x' failure. Answers: 'j' yes, 't' yes without the problematic names, 'n' all else.
class Dialog
{
public:
    virtual ~Dialog() = default;

    // anker: objectName of the control the dialog is placed at; empty = the screen.
    virtual QChar Dialog_Zeigen(QChar art, const QString &text, const QString &anker, bool breit) = 0;

    bool Dialog_Frage(const QString &text, const QString &anker = QString(), bool breit = false)
    {
        return Dialog_Zeigen(u'f', text, anker, breit) == u'j';
    }
    QChar Dialog_FrageTeilweise(const QString &text, const QString &anker = QString())
    {
        return Dialog_Zeigen(u't', text, anker, true);
    }
    void Dialog_Info(const QString &text, const QString &anker = QString(), bool breit = false)
    {
        Dialog_Zeigen(u'i', text, anker, breit);
    }
    void Dialog_Foto(const QString &text) { Dialog_Zeigen(u'o', text, QString(), true); }
    void Dialog_Fehler(const QString &text) { Dialog_Zeigen(u'x', text, QString(), false); }
};

// For tests and headless runs: answers from a script (then 'n') and records every call.
class SkriptDialog final : public Dialog
{
public:
    struct Aufruf
    {
        QChar art;
        QString text;
        QString anker;
        bool breit = false;
    };

    explicit SkriptDialog(QList<QChar> antworten = {}) : m_antworten(std::move(antworten)) {}

    QChar Dialog_Zeigen(QChar art, const QString &text, const QString &anker, bool breit) override
    {
        aufrufe.append({art, text, anker, breit});
        if (art != u'f' && art != u't')
            return u'n';
        return m_antworten.isEmpty() ? QChar(u'n') : m_antworten.takeFirst();
    }

    QList<Aufruf> aufrufe;

private:
    QList<QChar> m_antworten;
};

} // namespace rinolux
