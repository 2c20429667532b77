#pragma once

#include <QString>
#include <QStringView>

#include <span>

class QAction;
class QMenu;
class QWidget;

namespace rinolux {

// When an entry of a context menu can be used.
enum class MenueRegel {
    Trenner,         // a separator line
    Verbunden,       // disabled until the part that does its work connects it
    ZelleNichtLeer,  // enabled while the cell the menu was opened on shows a text
    OeffnenMit,      // shown only while its "öffnen mit" program is set
    NurSuchErgebnis, // shown only on the search results
    Spalte,          // checkable: shows or hides a column of the list
};

// One entry of the lists' context menus. Texts marked `zwischenablage` follow
// "in die Zwischenablage kopieren: ".
struct MenueEintrag
{
    const char16_t *menue;
    const char16_t *name;
    const char16_t *text;
    MenueRegel regel;
    bool zwischenablage = false;
    int nummer = 0; // the "öffnen mit" program 1..6
};

// The one table of the context menus PopA, PopL, PopV, PopR and PopSpaltenA, in menu order.
std::span<const MenueEintrag> KontextMenueTabelle();
// The menus in the table; all but PopSpaltenA begin with the cancel entry.
std::span<const char16_t *const> KontextMenueNamen();
// The entry of that control name, or nullptr.
const MenueEintrag *KontextMenueEintrag(QStringView name);
QString KontextMenueText(const MenueEintrag &eintrag);
// The beginning of every clipboard entry.
QString ZwischenablageText();
// A cell entry (PopA_Zelle, PopV_Zelle, PopR_Zelle) for the displayed text of the cell the
// menu was opened on: quoted, a long text cut; disabled when the text is empty.
void KontextMenueZelleSetzen(QAction *eintrag, const QString &zelleText);

// Builds the menu from the table: the cancel entry as its default, then its entries, all
// disabled (and the "öffnen mit" ones hidden) until their parts connect them.
QMenu *KontextMenueBauen(QStringView menue, QWidget *eltern);
// The menu's action of that control name; when it is missing (a menu built elsewhere), it
// is added from the table. Enables it.
QAction *KontextMenueAktion(QMenu *menue, const MenueEintrag &eintrag);

} // namespace rinolux
