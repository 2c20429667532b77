#pragma once

#include "gui/controls/TNxRotListe.h"
#include "gui/pages/Seite.h"

namespace rinolux {

// Pages 6 "Löschen" and 7 "Kopieren" on the one panel PaLoeschenKop: the delete options
// (PaLoeschOben) or the copy and move options (PaKopieOben) above the list of names.
class TLoeschenKopSeite final : public Seite
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLoeschenKopSeite)

public:
    explicit TLoeschenKopSeite(SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    ~TLoeschenKopSeite() override;

    QList<int> Tabs() const override { return {6, 7}; }
    QString Titel(int tab) const override;
    void Anpassen(int tab) override;

    static TNxRotListeOptionen LListeOptionen();

private:
    QWidget *m_paLoeschOben = nullptr;
    QWidget *m_paKopieOben = nullptr;
};

} // namespace rinolux
