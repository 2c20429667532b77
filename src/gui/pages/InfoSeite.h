#pragma once

#include "gui/pages/Seite.h"

class QTextEdit;

#include <optional>

namespace rinolux {

// Page 9 "Info": the program's name and version, the maker's line, the web page button
// and the two note fields.
class TInfoSeite final : public Seite
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TInfoSeite)

public:
    explicit TInfoSeite(SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    ~TInfoSeite() override;

    QList<int> Tabs() const override { return {9}; }
    QString Titel(int tab) const override;

    // The two note fields, kept in their text files.
    QTextEdit *RiCopyL() const { return m_riCopyL; }
    QTextEdit *RiCopyR() const { return m_riCopyR; }
    // A note too long to be put into its field at start: the field is disabled and says why,
    // and two buttons below it fill it with the held text or empty it.
    void NotizZurueckhalten(QTextEdit *feld, const QString &text);
    // The text held back for the field; nothing once the field is filled.
    std::optional<QString> NotizZurueckgehalten(const QTextEdit *feld) const;

private:
    QWidget *kopfBauen();
    QWidget *notizenBauen();
    void buCopyInternetClick();

    void notizFuellen(QTextEdit *feld, bool eintragen);

    QTextEdit *m_riCopyL = nullptr;
    QTextEdit *m_riCopyR = nullptr;
    QWidget *m_knoepfeL = nullptr;
    QWidget *m_knoepfeR = nullptr;
    std::optional<QString> m_zurueckL;
    std::optional<QString> m_zurueckR;
};

} // namespace rinolux
