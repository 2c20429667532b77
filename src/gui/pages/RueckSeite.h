#pragma once

#include "gui/controls/TNxRotListe.h"
#include "gui/pages/Seite.h"

namespace rinolux {

// Page 5 "Rückgängig": the undo files (top) and the changes of the chosen one (below).
class TRueckSeite final : public Seite
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TRueckSeite)

public:
    explicit TRueckSeite(SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    ~TRueckSeite() override;

    QList<int> Tabs() const override { return {5}; }
    QString Titel(int tab) const override;

    static TNxRotListeOptionen RueckIndexListeOptionen();
    static TNxRotListeOptionen RuckAltNeuListeOptionen();
};

} // namespace rinolux
