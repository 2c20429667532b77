#pragma once

#include "gui/pages/Seite.h"

class QTextEdit;

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

private:
    QWidget *kopfBauen();
    QWidget *notizenBauen();
    void buCopyInternetClick();

    QTextEdit *m_riCopyL = nullptr;
    QTextEdit *m_riCopyR = nullptr;
};

} // namespace rinolux
