#include "gui/app/KontextMenues.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace rinolux {

namespace {

using R = MenueRegel;

// Clipboard entries that several lists offer.
constexpr const char16_t *VonAllen = u"von &allen ...";
constexpr const char16_t *VonAusgewaehlten = u"von den ausgewählten ...";
constexpr const char16_t *VonNichtAusgewaehlten = u"von den nicht-ausgewählten ...";
constexpr const char16_t *AlleInhalte = u"alle &Inhalte ...";

constexpr MenueEintrag Tabelle[] = {
    {u"PopA", u"PopA_Kopf", u"mehr Spalten anzeigen ...", R::Verbunden},
    {u"PopA", nullptr, nullptr, R::Trenner},
    {u"PopA", u"PopA_Eigenschaften", u"zuletzt ausgewählter Name: Eigenschaften anzeigen", R::Verbunden},
    {u"PopA", u"PopA_F2F4", u"zuletzt ausgewählter Name: &umbenennen ...   (F2 oder F4)", R::Verbunden},
    {u"PopA", u"PopA_Wechsel", u"zuletzt ausgewählter Name: in das &Verzeichnis wechseln", R::NurSuchErgebnis},
    {u"PopA", u"PopA_Doppel", u"zuletzt ausgewählter Name: öffnen wie mit einem \"&Doppeltdrücken\"", R::Verbunden},
    {u"PopA", u"PopA_Pro1", u"", R::OeffnenMit, false, 1},
    {u"PopA", u"PopA_Pro2", u"", R::OeffnenMit, false, 2},
    {u"PopA", u"PopA_Pro3", u"", R::OeffnenMit, false, 3},
    {u"PopA", u"PopA_Pro4", u"", R::OeffnenMit, false, 4},
    {u"PopA", u"PopA_Pro5", u"", R::OeffnenMit, false, 5},
    {u"PopA", u"PopA_Pro6", u"", R::OeffnenMit, false, 6},
    {u"PopA", nullptr, nullptr, R::Trenner},
    {u"PopA", u"PopA_Zelle", u"", R::ZelleNichtLeer},
    {u"PopA", u"PopA_alle", VonAllen, R::Verbunden, true},
    {u"PopA", u"PopA_aus", VonAusgewaehlten, R::Verbunden, true},
    {u"PopA", u"PopA_NichtAus", VonNichtAusgewaehlten, R::Verbunden, true},
    {u"PopA", u"PopA_PNF", u"&Pfad\\Name.Format ...", R::Verbunden, true},
    {u"PopA", u"PopA_NF", u"Name.&Format ...", R::Verbunden, true},
    {u"PopA", u"PopA_N", u"&Name ...", R::Verbunden, true},
    {u"PopA", u"PopA_Inhalte", AlleInhalte, R::Verbunden, true},

    {u"PopL", u"PopL_Eigenschaften", u"Eigenschaften anzeigen", R::Verbunden},
    {u"PopL", u"PopL_UnterVerz", u"ein neues Unter-Verzeichnis herstellen ...", R::Verbunden},
    {u"PopL", u"PopL_LeereLoeschen", u"alle leeren Unter-Verzeichnisse löschen ...", R::Verbunden},
    {u"PopL", nullptr, nullptr, R::Trenner},
    {u"PopL", u"PopL_Alle", VonAllen, R::Verbunden, true},
    {u"PopL", u"PopL_Aus", VonAusgewaehlten, R::Verbunden, true},
    {u"PopL", u"PopL_NichtAus", VonNichtAusgewaehlten, R::Verbunden, true},
    {u"PopL", u"PopL_PV", u"&Pfad\\Verzeichnis ...", R::Verbunden, true},
    {u"PopL", u"PopL_V", u"&Verzeichnis ...", R::Verbunden, true},
    {u"PopL", u"PopL_Inhalte", AlleInhalte, R::Verbunden, true},

    {u"PopV", u"PopV_FehlerSprungMinus", u"Vorschau-Fehler finden (aufwärts)", R::Verbunden},
    {u"PopV", u"PopV_FehlerSprungPlus", u"Vorschau-Fehler finden (abwärts)", R::Verbunden},
    {u"PopV", nullptr, nullptr, R::Trenner},
    {u"PopV", u"PopV_Zelle", u"", R::ZelleNichtLeer},
    {u"PopV", u"PopV_UnterVerz", AlleInhalte, R::Verbunden, true},

    {u"PopR", u"PopR_Zelle", u"", R::ZelleNichtLeer},
    {u"PopR", u"PopR_1", AlleInhalte, R::Verbunden, true},

    {u"PopSpaltenA", u"PopSpaltenA_Symbol", u" Symbol anzeigen", R::Spalte},
    {u"PopSpaltenA", u"PopSpaltenA_Format", u"\"Format\" anzeigen", R::Spalte},
    {u"PopSpaltenA", u"PopSpaltenA_Bytes", u"\"Bytes\" anzeigen", R::Spalte},
    {u"PopSpaltenA", u"PopSpaltenA_Att", u"\"Attribute\" anzeigen", R::Spalte},
    {u"PopSpaltenA", u"PopSpaltenA_ZeitH", u"\"Herstellungs-Zeit\" anzeigen", R::Spalte},
    {u"PopSpaltenA", u"PopSpaltenA_ZeitA", u"\"Änderungs-Zeit\" anzeigen", R::Spalte},
    {u"PopSpaltenA", u"PopSpaltenA_ZeitZ", u"\"Zugriffs-Zeit\" anzeigen", R::Spalte},
};

constexpr const char16_t *Menues[] = {u"PopA", u"PopL", u"PopV", u"PopR", u"PopSpaltenA"};

} // namespace

std::span<const MenueEintrag> KontextMenueTabelle()
{
    return Tabelle;
}

std::span<const char16_t *const> KontextMenueNamen()
{
    return Menues;
}

const MenueEintrag *KontextMenueEintrag(QStringView name)
{
    for (const MenueEintrag &e : Tabelle)
        if (e.name && name == QStringView(e.name))
            return &e;
    return nullptr;
}

QString ZwischenablageText()
{
    return QStringLiteral("in die Zwischenablage kopieren: ");
}

QString KontextMenueText(const MenueEintrag &eintrag)
{
    QString text = eintrag.text ? QString::fromUtf16(eintrag.text) : QString();
    if (!eintrag.zwischenablage)
        return text;
    // The captions name paths as this system writes them.
    text.replace(u'\\', QDir::separator());
    return ZwischenablageText() + text;
}

void KontextMenueZelleSetzen(QAction *eintrag, const QString &zelleText)
{
    const QString kurz = zelleText.size() > 38 ? zelleText.left(35) + QStringLiteral("...") : zelleText;
    eintrag->setText(ZwischenablageText() + u'"' + kurz + u'"');
    eintrag->setEnabled(!zelleText.isEmpty());
}

namespace {

QAction *aktionAnlegen(QMenu *m, const MenueEintrag &e)
{
    QAction *a = m->addAction(KontextMenueText(e));
    a->setObjectName(QString::fromUtf16(e.name));
    a->setCheckable(e.regel == MenueRegel::Spalte);
    a->setVisible(e.regel != MenueRegel::OeffnenMit);
    return a;
}

} // namespace

QMenu *KontextMenueBauen(QStringView menue, QWidget *eltern)
{
    auto *m = new QMenu(eltern);
    m->setObjectName(menue.toString());
    if (menue != u"PopSpaltenA") {
        QAction *abbrechen = m->addAction(QStringLiteral("&dieses Menü abbrechen"));
        abbrechen->setObjectName(m->objectName() + QStringLiteral("_Abbrechen"));
        m->setDefaultAction(abbrechen);
        m->addSeparator();
    }
    for (const MenueEintrag &e : Tabelle) {
        if (menue != QStringView(e.menue))
            continue;
        if (e.regel == MenueRegel::Trenner)
            m->addSeparator();
        else
            aktionAnlegen(m, e)->setEnabled(false);
    }
    return m;
}

QAction *KontextMenueAktion(QMenu *menue, const MenueEintrag &eintrag)
{
    QAction *a = menue->findChild<QAction *>(QString::fromUtf16(eintrag.name), Qt::FindDirectChildrenOnly);
    if (!a)
        a = aktionAnlegen(menue, eintrag);
    a->setEnabled(true);
    return a;
}

} // namespace rinolux
