// The control states of the window: which control takes which entry of the two
// control-state files. Plain controls are found by their control name; composite entries
// are packed and unpacked here. An entry whose control is missing keeps the value it was
// read with, so it is written back unchanged.
#include "gui/app/IniControls.h"

#include "core/engine/RegelListe.h"
#include "core/persist/IniDatei.h"
#include "core/persist/ZustandsDateien.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_DateiText.h"
#include "core/util/nx_Debug.h"
#include "core/selection/sub_Sortieren.h"
#include "gui/app/Ablauf.h"
#include "gui/app/Form_Anfang.h"
#include "gui/app/Start.h"
#include "gui/controls/TNxBaum.h"
#include "gui/controls/TNxTabCombo.h"
#include "gui/pages/AListeBedienung.h"
#include "gui/pages/AktionsSeite.h"
#include "gui/pages/AuswahlSeite.h"
#include "gui/pages/EinstellungenSeite.h"
#include "gui/pages/InfoSeite.h"
#include "gui/pages/OptionenBereich.h"
#include "gui/pages/SuchBereich.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>

#include <algorithm>

namespace rinolux {

namespace {

// The word combos whose word-list numbers the late file keeps, in its order.
const char16_t *const kWortCombos[] = {u"CoVonGruppe",     u"CoBisGruppe", u"CoHinWas",
                                       u"CoTeilstueckWas", u"CoHinzu",     u"CoErsetzen",
                                       u"CoNachGruppe",    u"CoTauschenVonWas", u"CoTauschenBisWas"};

// The list fields kept in text holders: holder entry, control name.
const std::pair<const char16_t *, const char16_t *> kListenFelder[] = {
    {u"IniListeAendern", u"RiListeAendern"}, {u"IniListeHerst", u"RiListeHerst"}, {u"IniFrei", u"RiFrei"}};

QString mitLf(QString t)
{
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

QString mitCrLf(const QString &t)
{
    return mitLf(t).replace(u'\n', QStringLiteral("\r\n"));
}

QRect arbeitsFlaeche(const Taa &aa)
{
    const QScreen *s = aa.screen() ? aa.screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

QWidget *teil(const Taa &aa, const QString &name)
{
    return name.isEmpty() ? nullptr : aa.findChild<QWidget *>(name);
}

bool textSetzen(QWidget *w, const QString &text)
{
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(text);
    else if (auto *p = qobject_cast<QPlainTextEdit *>(w))
        p->setPlainText(mitLf(text));
    else if (auto *t = qobject_cast<QTextEdit *>(w))
        t->setPlainText(mitLf(text));
    else
        return false;
    return true;
}

std::optional<QString> textVon(const QWidget *w)
{
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *p = qobject_cast<const QPlainTextEdit *>(w))
        return mitCrLf(p->toPlainText());
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return mitCrLf(t->toPlainText());
    return std::nullopt;
}

void flagSetzen(QWidget *w, qint64 wert)
{
    if (auto *co = qobject_cast<QComboBox *>(w)) {
        const int i = IniListenIndex(wert, co->count());
        if (i >= 0)
            co->setCurrentIndex(i);
    } else if (auto *li = qobject_cast<QListWidget *>(w)) {
        const int i = IniListenIndex(wert, li->count());
        if (i >= 0)
            li->setCurrentRow(i);
    } else if (auto *b = qobject_cast<QAbstractButton *>(w); b && b->isCheckable()) {
        // Of a group of radio buttons only the one that was on is set; the others follow.
        if (wert == 1 || !qobject_cast<QRadioButton *>(w))
            b->setChecked(wert == 1);
    }
}

std::optional<qint64> flagVon(const QWidget *w)
{
    if (auto *co = qobject_cast<const QComboBox *>(w))
        return co->currentIndex();
    if (auto *li = qobject_cast<const QListWidget *>(w))
        return li->currentRow();
    if (auto *b = qobject_cast<const QAbstractButton *>(w); b && b->isCheckable())
        return b->isChecked() ? 1 : 0;
    return std::nullopt;
}

// Controls that a part of the window restores itself (it knows what else follows from them).
bool eigenerTeil(const Taa &aa, const QWidget *w)
{
    auto *aktion = aa.SeiteVon<TAktionsSeite>();
    return aktion && aktion->Optionen() && aktion->Optionen()->isAncestorOf(w);
}

void einfacheLesen(Taa &aa, const ZustandsDatei &d)
{
    for (const IniTextEintrag &e : d.Texte())
        if (e.art == IniArt::Edit || e.art == IniArt::Memo)
            if (QWidget *w = teil(aa, e.name); w && !eigenerTeil(aa, w))
                textSetzen(w, e.text);
    for (const IniFlagEintrag &f : d.Flags())
        if (QWidget *w = teil(aa, f.name); w && !eigenerTeil(aa, w) && f.name != u"LiRegelAktion")
            flagSetzen(w, f.wert);
}

void einfacheSchreiben(const Taa &aa, ZustandsDatei &d)
{
    for (IniTextEintrag &e : d.Texte())
        if (e.art == IniArt::Edit || e.art == IniArt::Memo)
            if (const QWidget *w = teil(aa, e.name); w && !eigenerTeil(aa, w))
                if (const auto t = textVon(w))
                    e.text = *t;
    for (IniFlagEintrag &f : d.Flags())
        if (const QWidget *w = teil(aa, f.name); w && !eigenerTeil(aa, w) && f.name != u"LiRegelAktion")
            if (const auto v = flagVon(w))
                f.wert = *v;
}

// The position fields of the options area by their table number 1..7.
TNxTabCombo *positionsFeld(TOptionenBereich *o, int nummer)
{
    for (TNxTabCombo *t : o->findChildren<TNxTabCombo *>())
        if (t->Nummer() == nummer)
            return t;
    return nullptr;
}

void optionenLesen(Taa &aa, const ZustandsDatei &d)
{
    auto *aktion = aa.SeiteVon<TAktionsSeite>();
    TOptionenBereich *o = aktion ? aktion->Optionen() : nullptr;
    if (!o)
        return;
    OptionenZustand z;
    for (const IniTextEintrag &e : d.Texte())
        if (e.art == IniArt::Edit || e.art == IniArt::Memo)
            z.texte.insert(e.name, e.text);
    for (const IniFlagEintrag &f : d.Flags())
        if (!f.name.isEmpty())
            z.flags.insert(f.name, f.wert);
    const QStringList woerter = d.Text(u"IniWortListen").split(u'\t');
    const QString gross = d.Text(u"IniWortGross");
    for (int i = 0; i < 6; ++i) {
        const QString n = QString::number(i + 1);
        z.texte.insert(QStringLiteral("Wort") + n, woerter.value(i));
        // A list whose flag character is missing is emptied.
        if (i >= gross.size())
            z.texte.insert(QStringLiteral("Wort") + n, QString());
        z.texte.insert(QStringLiteral("Gross") + n, gross.mid(i, 1));
    }
    const QStringList nummern = d.Text(u"IniWortNummern").split(u'\t');
    for (int i = 0; i < 9; ++i)
        z.flags.insert(QString::fromUtf16(kWortCombos[i]) + QStringLiteral(".Platz"), IniZahl(nummern.value(i)));
    const QStringList positionen = d.Text(u"IniPositionen").split(u'\t');
    for (int k = 1; k <= 7; ++k)
        if (TNxTabCombo *t = positionsFeld(o, k)) {
            const QString feld = positionen.value(k - 1);
            z.flags.insert(t->objectName(), feld.isEmpty() ? 1001 : IniZahl(feld));
        }
    QList<std::pair<QString, QString>> zurueck;
    for (const auto &[halter, feld] : kListenFelder) {
        const IniTextEintrag *e = d.TextEintrag(halter);
        const QString text = e ? e->text : QString();
        if (TextZeilenAnzahl(text) < ListeFuellGrenze)
            z.texte.insert(QString::fromUtf16(feld), text);
        else
            zurueck.append({QString::fromUtf16(feld), text});
    }
    o->ZustandLesen(z);
    for (const auto &[feld, text] : zurueck)
        o->ListenFeldZurueckhalten(feld, text);
}

void optionenSchreiben(const Taa &aa, ZustandsDatei &d)
{
    auto *aktion = aa.SeiteVon<TAktionsSeite>();
    TOptionenBereich *o = aktion ? aktion->Optionen() : nullptr;
    if (!o)
        return;
    const OptionenZustand z = o->ZustandSchreiben();
    for (IniTextEintrag &e : d.Texte())
        if ((e.art == IniArt::Edit || e.art == IniArt::Memo) && z.texte.contains(e.name))
            e.text = z.texte.value(e.name);
    for (IniFlagEintrag &f : d.Flags())
        if (!f.name.isEmpty() && z.flags.contains(f.name) && f.name != u"LiRegelAktion")
            f.wert = z.flags.value(f.name);
    QString woerter;
    QString gross;
    for (int i = 1; i <= 6; ++i) {
        woerter += z.texte.value(QStringLiteral("Wort") + QString::number(i)) + u'\t';
        gross += z.texte.value(QStringLiteral("Gross") + QString::number(i)) == u"J" ? u'J' : u'N';
    }
    d.TextSetzen(u"IniWortListen", woerter);
    d.TextSetzen(u"IniWortGross", gross);
    QStringList nummern;
    for (const char16_t *c : kWortCombos)
        nummern << QString::number(z.flags.value(QString::fromUtf16(c) + QStringLiteral(".Platz"), 1));
    d.TextSetzen(u"IniWortNummern", nummern.join(u'\t'));
    QStringList positionen = d.Text(u"IniPositionen").split(u'\t');
    positionen.resize(7);
    for (int k = 1; k <= 7; ++k)
        if (TNxTabCombo *t = positionsFeld(o, k))
            positionen[k - 1] = QString::number(t->GespeicherteForm());
    d.TextSetzen(u"IniPositionen", positionen.join(u'\t') + u'\t');
    for (const auto &[halter, feld] : kListenFelder)
        if (z.texte.contains(QString::fromUtf16(feld)))
            d.TextSetzen(halter, z.texte.value(QString::fromUtf16(feld)));
}

const QString kNotizHinweis = QStringLiteral("Diese Text-Felder können für Notizen benutzt werden.\r\n\r\n"
                                             "Die Notizen werden automatisch beim Programm-Start\r\n"
                                             "geladen und beim Programm-Ende gespeichert.\r\n");

// The two notes of the Info page and their files.
QList<std::pair<QTextEdit *, QString>> notizFelder(const Taa &aa)
{
    auto *info = aa.SeiteVon<TInfoSeite>();
    if (!info)
        return {};
    return {{info->RiCopyL(), NotizLinksPfad()}, {info->RiCopyR(), NotizRechtsPfad()}};
}

void notizenLesen(Taa &aa)
{
    auto *info = aa.SeiteVon<TInfoSeite>();
    for (const auto &[feld, pfad] : notizFelder(aa)) {
        const QString text = NotizLesen(pfad);
        // A long note is put into its field only on request, so the start stays quick.
        if (text.size() >= NotizFuellGrenze)
            info->NotizZurueckhalten(feld, text);
        else
            feld->setPlainText(mitLf(text.isEmpty() ? kNotizHinweis : text));
    }
}

void notizenSchreiben(const Taa &aa)
{
    auto *info = aa.SeiteVon<TInfoSeite>();
    for (const auto &[feld, pfad] : notizFelder(aa)) {
        const std::optional<QString> zurueck = info->NotizZurueckgehalten(feld);
        const Ergebnis e = zurueck ? NotizSchreiben(pfad, *zurueck, false)
                                   : NotizSchreiben(pfad, mitCrLf(feld->toPlainText()), true);
        if (!e)
            nxDebugZeile(QStringLiteral("Notiz nicht gespeichert: ") + pfad + QStringLiteral(" => ") + e.text());
    }
}

bool angehakt(const Taa &aa, const QString &name, bool sonst)
{
    auto *b = qobject_cast<QAbstractButton *>(teil(aa, name));
    return b ? b->isChecked() : sonst;
}

QString feldText(const Taa &aa, const QString &name, const QString &sonst)
{
    const auto t = textVon(teil(aa, name));
    return t ? *t : sonst;
}

} // namespace

void IniControls_VorStartLesen(Taa &aa)
{
    nxDebugZeile(QStringLiteral("IniControls_VorStart = ") + ZustandVorStartPfad());
    EreignisSperre sperre;
    const QRect flaeche = arbeitsFlaeche(aa);
    ZustandsDatei &d = aa.ZustandVor();
    d = ZustandsDatei::VorStart(flaeche);
    const Ergebnis e = d.Lesen(ZustandVorStartPfad());
    if (!e)
        nxDebugZeile(QStringLiteral("IniControls_VorStart nicht gelesen: ") + e.text());
    einfacheLesen(aa, d);

    // 1. window bounds inside the work area
    const QRect fenster = FensterAusZeile(d.Text(u"IniFenster"), flaeche);
    aa.resize(fenster.size());
    aa.move(fenster.topLeft());
    // 2. message symbols
    const int stil = SymbolStilAusZeile(d.Text(u"IniFenster"));
    aa.Einst().DialogSymbole = static_cast<DialogSymbolStil>(stil);
    // 3. start directory
    IniVerzeichnisBeiStart = d.Flag(u"RaStartVerzLetzt", 1) == 1 ? d.Text(u"IniVerzeichnis")
                                                                 : d.Text(u"EdStartVerzBenutzer");
    // 4. counters
    const Zaehler z = ZaehlerAusZeile(d.Text(u"IniZaehler"));
    BildschirmMeldungZahl = z.bildschirmMeldung;
    aa.HilfeKlickZahl = z.hilfeKlick;
    // 5. colours
    const FarbWahl farben = FarbenAusZeile(d.Text(u"IniFarben"));
    if (auto *seite = aa.SeiteVon<TEinstellungenSeite>()) {
        seite->SymbolStilSetzen(stil);
        seite->FarbenSetzen(farben);
    }
    aa.FarbenAnwenden(farben);
    // 6. frames and the other settings read at start only
    Einstellungen &einst = aa.Einst();
    einst.RahmenDicke = 3;
    for (int t = 0; t <= 3; ++t)
        if (d.Flag(QString(QStringLiteral("RaRahmen") + QString::number(t))) == 1) {
            einst.RahmenDicke = t;
            break;
        }
    einst.ParentColor = d.Flag(u"CheParentColor", 1) == 1;
    einst.BildBeiStart = d.Flag(u"CheBildBeiStart", 1) == 1;
    einst.StartVerzAufklappen = d.Flag(u"CheStartVerzAufklappen") == 1;
    einst.MaxRueck = GrenzeWert(d.Text(u"EdMaxRueck"), 100, 50);
    einst.MaxMerk = GrenzeWert(d.Text(u"EdMaxMerk"), 2000, 500);
    einst.MaxSuch = GrenzeWert(d.Text(u"EdMaxSuch"), 100, 50);
}

void IniControls_VorStartSchreiben(Taa &aa)
{
    nxDebugZeile(QStringLiteral("IniControls_VorStart = ") + ZustandVorStartPfad());
    ZustandsDatei &d = aa.ZustandVor();
    einfacheSchreiben(aa, d);
    // A maximised window keeps the bounds it returns to.
    const QRect normal = aa.isMaximized() || aa.isFullScreen() ? aa.normalGeometry() : QRect(aa.pos(), aa.size());
    int stil = static_cast<int>(aa.Einst().DialogSymbole);
    FarbWahl farben = FarbenAusZeile(d.Text(u"IniFarben"));
    if (auto *seite = aa.SeiteVon<TEinstellungenSeite>()) {
        stil = seite->SymbolStil();
        farben = seite->Farben();
    }
    d.TextSetzen(u"IniFenster", FensterZeile(normal, stil));
    if (auto *auswahl = aa.SeiteVon<TAuswahlSeite>(); auswahl && auswahl->Baum()) {
        const QString pfad = auswahl->Baum()->AusgewaehlterPfad();
        if (!pfad.isEmpty())
            d.TextSetzen(u"IniVerzeichnis", pfad);
    }
    d.TextSetzen(u"IniZaehler", ZaehlerZeile({BildschirmMeldungZahl, aa.HilfeKlickZahl}));
    d.TextSetzen(u"IniFarben", FarbenZeile(farben));
    const Ergebnis e = d.Schreiben(ZustandVorStartPfad());
    if (!e)
        nxDebugZeile(QStringLiteral("IniControls_VorStart nicht gespeichert: ") + e.text());
}

void IniControls_HinterStartLesen(Taa &aa)
{
    nxDebugZeile(QStringLiteral("IniControls_HinterStart = ") + ZustandHinterStartPfad());
    {
        EreignisSperre sperre;
        ZustandsDatei &d = aa.ZustandHinter();
        d = ZustandsDatei::HinterStart();
        const Ergebnis e = d.Lesen(ZustandHinterStartPfad());
        if (!e)
            nxDebugZeile(QStringLiteral("IniControls_HinterStart nicht gelesen: ") + e.text());
        {
            DebugSchritt schritt(QStringLiteral("Controls abarbeiten"));
            einfacheLesen(aa, d);
            optionenLesen(aa, d);
        }
        auto *auswahl = aa.SeiteVon<TAuswahlSeite>();
        // The tree's filter lines; the first loses trailing TABs.
        QStringList filter = d.Liste(u"IniBaumFilter").mid(1);
        if (!filter.isEmpty())
            while (filter.first().endsWith(u'\t'))
                filter.first().chop(1);
        if (auswahl && auswahl->Baum())
            auswahl->Baum()->FilterZeilenSetzen(filter);
        if (AListeBedienung *liste = auswahl ? auswahl->Liste() : nullptr) {
            const qint64 sort = IniZahl(d.Text(u"IniSortierung"));
            liste->SortWahlSetzen(sort >= 1 && sort <= qint64(nxSortWahlTexte().size()) ? int(sort) : 1);
            liste->AutoAuswahlTabelleLaden(d.Text(u"RiEinstAutomark"));
            const qint64 wahl = IniZahl(d.Text(u"IniAutoAuswahl"));
            liste->AutoAuswahlIndexSetzen(wahl >= 1 && wahl <= 1000000 ? int(wahl) : 1);
        }
        if (auswahl) {
            auswahl->LetzteVerzeichnisseSetzen(d.Liste(u"IniBaumZuletzt").mid(1));
            // The search list field fills on request when it holds many lines.
            const QStringList zeilen = nxTextZeilenTeilen(d.Text(u"IniListensuche"));
            auswahl->ListensucheSpeicherSetzen(zeilen);
            if (auswahl->Suche() && TextZeilenAnzahl(d.Text(u"IniListensuche")) < ListeFuellGrenze)
                auswahl->Suche()->ListensucheSetzen(zeilen);
        }
        if (auto *einst = aa.SeiteVon<TEinstellungenSeite>(); einst && auswahl && auswahl->Liste()) {
            QStringList beschreibungen;
            const TNxASortMark &tabelle = auswahl->Liste()->AutoAuswahlTabelle();
            for (size_t i = 1; i < tabelle.size(); ++i)
                beschreibungen << tabelle[i].beschreibung;
            einst->AutoAuswahlZeigen(beschreibungen);
        }
        // The selected stored rule, once the rules are read.
        GespeicherteRegeln().waehlen(IniListenIndex(d.Flag(u"LiRegelAktion"), GespeicherteRegeln().anzahl()));
        // The layout of an older version is converted, so that it is written in the current form.
        const QStringList layout = LayoutUmwandeln(d.Text(u"IniLayout").split(u'\t'), {}, {});
        d.TextSetzen(u"IniLayout", layout.join(u'\t'));
        notizenLesen(aa);
    }
    EinstellungenAnwenden(aa);
    nxDebugZeile(QStringLiteral("IniControls_NachStart"));
}

void IniControls_HinterStartSchreiben(Taa &aa)
{
    nxDebugZeile(QStringLiteral("IniControls_HinterStart = ") + ZustandHinterStartPfad());
    ZustandsDatei &d = aa.ZustandHinter();
    einfacheSchreiben(aa, d);
    optionenSchreiben(aa, d);
    auto *auswahl = aa.SeiteVon<TAuswahlSeite>();
    if (AListeBedienung *liste = auswahl ? auswahl->Liste() : nullptr) {
        d.TextSetzen(u"IniSortierung", QString::number(std::max(1, liste->SortWahl())));
        d.TextSetzen(u"IniAutoAuswahl", QString::number(std::max(1, liste->AutoAuswahlIndex())));
    }
    if (auswahl) {
        if (auswahl->Baum())
            d.ListeSetzen(u"IniBaumFilter", QStringList{QString()} + auswahl->Baum()->FilterZeilen());
        d.ListeSetzen(u"IniBaumZuletzt", QStringList{QString()} + auswahl->LetzteVerzeichnisse());
        // While the field waits for its data, the held text stays as it was read.
        if (auswahl->Suche()) {
            const QStringList zeilen = auswahl->Suche()->Listensuche();
            if (!zeilen.isEmpty())
                d.TextSetzen(u"IniListensuche", zeilen.join(QStringLiteral("\r\n")));
        }
    }
    d.FlagSetzen(u"LiRegelAktion", std::max(0, GespeicherteRegeln().gewaehlt()));
    const Ergebnis e = d.Schreiben(ZustandHinterStartPfad());
    if (!e)
        nxDebugZeile(QStringLiteral("IniControls_HinterStart nicht gespeichert: ") + e.text());
    // The notes are written even when the control-state file could not be.
    notizenSchreiben(aa);
}

void EinstellungenAnwenden(Taa &aa)
{
    Einstellungen &e = aa.Einst();
    e.Sicherheitsfrage = angehakt(aa, QStringLiteral("CheSicherheitsfrage"), e.Sicherheitsfrage);
    e.LoeschenKopierenRueckgaengig = angehakt(aa, QStringLiteral("CheLKVRueck"), e.LoeschenKopierenRueckgaengig);
    e.VorschauSekunden = FeldZahl(feldText(aa, QStringLiteral("EdEVorschauSekunden"), QString::number(e.VorschauSekunden)));
    e.VorschauAnzahlBegrenzt = angehakt(aa, QStringLiteral("CheEVorschauAnzahl"), e.VorschauAnzahlBegrenzt);
    e.VorschauAnzahl = FeldZahl(feldText(aa, QStringLiteral("EdEVorschauAnzahl"), QString::number(e.VorschauAnzahl)));
    for (int i = 1; i <= 3; ++i)
        if (angehakt(aa, QStringLiteral("RaEVorschau") + QString::number(i), false))
            e.VorschauAnordnung = i;
    e.MaxSuch = GrenzeWert(feldText(aa, QStringLiteral("EdMaxSuch"), QString()), 100, e.MaxSuch);
    e.MaxMerk = GrenzeWert(feldText(aa, QStringLiteral("EdMaxMerk"), QString()), 2000, e.MaxMerk);
    e.MaxRueck = GrenzeWert(feldText(aa, QStringLiteral("EdMaxRueck"), QString()), 100, e.MaxRueck);
    e.StartVerzAufklappen = angehakt(aa, QStringLiteral("CheStartVerzAufklappen"), e.StartVerzAufklappen);
    if (auto *seite = aa.SeiteVon<TEinstellungenSeite>())
        e.DialogSymbole = static_cast<DialogSymbolStil>(seite->SymbolStil());

    auto *auswahl = aa.SeiteVon<TAuswahlSeite>();
    if (AListeBedienung *liste = auswahl ? auswahl->Liste() : nullptr) {
        liste->DoppelklickOeffnetSetzen(angehakt(aa, QStringLiteral("CheEDoppelklick"), false));
        for (int n = 1; n <= 6; ++n)
            liste->OeffnenMitSetzen(n, feldText(aa, QStringLiteral("EdEProP") + QString::number(n), QString()),
                                    feldText(aa, QStringLiteral("EdEProN") + QString::number(n), QString()));
    }
    if (auswahl) {
        const QString sprung = feldText(aa, QStringLiteral("RiESprung"), QString());
        QStringList zeilen;
        for (const QString &z : mitLf(sprung).split(u'\n'))
            if (!z.trimmed().isEmpty())
                zeilen << z.trimmed();
        auswahl->SprungSetzen(zeilen, angehakt(aa, QStringLiteral("CheESprungAuto"), true));
    }
    aa.WackelKorrekturSetzen(angehakt(aa, QStringLiteral("CheWackel"), true));
}

} // namespace rinolux
