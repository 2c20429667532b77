#pragma once

#include "core/engine/SeitenAuswahl.h"

#include <QWidget>

namespace rinolux {

class SeitenUmgebung;

// The options area PaAendUndHerst of the pages Ändern and Herstellen: the sentence the user
// composes from the list boxes on the left and the option panels that belong to the chosen
// action. It knows nothing of the preview: it turns its controls into a snapshot and says
// when they changed.
class TOptionenBereich final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TOptionenBereich)

public:
    explicit TOptionenBereich(SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    ~TOptionenBereich() override;

    // Shows the panels, captions and enabled choices of tab 2 (Ändern) or 3 (Herstellen)
    // for the action now chosen there.
    void SeiteAnpassenFuerAktion(int tab);
    // The controls of tab 2 or 3 as plain data, for RegelCodeDerSeite and the preview.
    SeitenAuswahl Auswahl(int tab) const;

Q_SIGNALS:
    // A control of the sentence changed: the preview no longer matches it.
    void Veraltet();
    // The chosen action changed (a list box or a time target radio button).
    void AktionGewechselt();
    // The "=>" item of a group combo: the user wants to edit the six user words.
    void BenutzerWoerterVerlangt();

private:
    SeitenUmgebung &m_umgebung;
    int m_tab = 2;
};

} // namespace rinolux
