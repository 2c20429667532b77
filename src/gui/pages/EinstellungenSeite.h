#pragma once

#include "gui/controls/TNxRotListe.h"
#include "gui/pages/Seite.h"

namespace rinolux {

// Page 8 "Einstellungen": the settings by topic.
class TEinstellungenSeite final : public Seite
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TEinstellungenSeite)

public:
    explicit TEinstellungenSeite(SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    ~TEinstellungenSeite() override;

    QList<int> Tabs() const override { return {8}; }
    QString Titel(int tab) const override;

    // The caption other pages' messages refer to ("auf der Seite [Einstellungen]").
    static QString SeitenTitel();
    static TNxRotListeOptionen EinstellungenListeOptionen();
};

} // namespace rinolux
