#pragma once

#include "core/engine/SeitenAuswahl.h"

#include <QMap>
#include <QWidget>

#include <array>
#include <memory>

namespace rinolux {

class SeitenUmgebung;
struct OptionenTeile;

// The control values of the options area by control name, for the control-state files:
// edits and multi-line fields by text (a field whose stored text was held back keeps that
// text), list and combo boxes by item index, check boxes and radio buttons 0/1, position
// fields as row x 1000 + number, word combos' slots as "<name>.Platz", the user words as
// "Wort1".."Wort6" with "Gross1".."Gross6".
struct OptionenZustand
{
    QMap<QString, QString> texte;
    QMap<QString, qint64> flags;
};

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

    // The six user word slots; the word items of the combos follow them.
    const std::array<BenutzerWort, 6> &BenutzerWoerter() const { return m_woerter; }
    void BenutzerWoerterSetzen(const std::array<BenutzerWort, 6> &woerter);
    // The combo whose word item asked for the user word dialog last (its control name),
    // and the tie of a word combo to slot 1..6 (the dialog's row that was confirmed).
    QString WortComboVerlangt() const { return m_wortComboVerlangt; }
    void WortPlatzSetzen(const QString &combo, int platz);

    // The directory the creation targets LaHerstWoLang/LaHerstWoKurz offer (a directory
    // path with its trailing "/"); until it is set, the home directory.
    void BaumVerzeichnisSetzen(const QString &verzeichnis);
    // Whether a FAT file system is among the known drives (shows LaZeitFAT for time rules).
    void FatBekanntSetzen(bool fat);

    // A list field (RiListeAendern, RiFrei, RiListeHerst) whose stored text is not loaded
    // at start: it shows a notice and the buttons "Daten jetzt eintragen"/"keine Daten
    // eintragen"; until one is pressed the rule reads the held-back text.
    void ListenFeldZurueckhalten(const QString &feld, const QString &text);

    OptionenZustand ZustandSchreiben() const;
    // Range-checked: an index beyond a list selects its first item, an unknown name is skipped.
    void ZustandLesen(const OptionenZustand &zustand);

Q_SIGNALS:
    // A control of the sentence changed: the preview no longer matches it.
    void Veraltet();
    // The chosen action changed (a list box or a time target radio button).
    void AktionGewechselt();
    // The "=>" item of a group combo: the user wants to edit the six user words.
    void BenutzerWoerterVerlangt();

private:
    void linksBauen();
    void aendernBauen();
    void listenUndErsetzenBauen();
    void zeitUndAttributeBauen();
    void herstellenBauen();
    void verbinden();
    void untereListeFuellen();
    void panelsZeigen(AktionsCode k);
    void beschriftungenSetzen(AktionsCode k);
    void veraltet();
    void aktionGewechselt();
    QStringList listenZeilen(const QString &feld) const;

    SeitenUmgebung &m_umgebung;
    std::unique_ptr<OptionenTeile> d;
    std::array<BenutzerWort, 6> m_woerter;
    QString m_wortComboVerlangt;
    QString m_baumVerzeichnis;
    bool m_fat = false;
    int m_tab = 2;
};

} // namespace rinolux
