#pragma once

#include "core/engine/SeitenAuswahl.h"

#include <QComboBox>

#include <array>

namespace rinolux {

// What a word combo chooses: a character group of a position (CoVonGruppe ...), or what is
// inserted (CoHinzu) or put in place (CoErsetzen) by "was anderes".
enum class WortComboArt { Gruppe, Hinzu, Ersetzen };

// A combo box tied to one of the six user word slots; the items that use the word show it
// ("Wort "a" oder "b"", "das 3. Verzeichnis von vorne").
class TNxWortCombo final : public QComboBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNxWortCombo)

public:
    TNxWortCombo(WortComboArt art, const QString &name, QWidget *eltern = nullptr);

    WortComboArt Art() const { return m_art; }
    // The slot 1..6 the combo reads its word from; anything else becomes 1.
    int Platz() const { return m_platz; }
    void PlatzSetzen(int platz);
    // Rewrites the word items from the combo's slot and keeps the chosen item.
    void WoerterAuffrischen(const std::array<BenutzerWort, 6> &woerter);
    // True for the items that take the user word (the "=>" items).
    bool IstWortEintrag(int index) const;

Q_SIGNALS:
    // The user picked an item that takes the user word: the words should be edited.
    void WortVerlangt();

private:
    WortComboArt m_art;
    int m_platz = 1;
};

// The base items of the combos in stored index order, before the words are filled in.
QStringList WortComboEintraege(WortComboArt art);

} // namespace rinolux
