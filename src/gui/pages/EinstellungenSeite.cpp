#include "gui/pages/EinstellungenSeite.h"

#include "core/shell/Dialog.h"
#include "core/shell/Prozess.h"
#include "gui/app/Bilder.h"
#include "gui/app/SchalterRahmen.h"
#include "gui/pages/SeitenUmgebung.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace rinolux {

namespace {

// Captions of the main tabs the texts name.
const QString kTab1 = QStringLiteral("Auswählen");
const QString kTab2 = QStringLiteral("Ändern");
const QString kTab3 = QStringLiteral("Herstellen");
const QString kTab4 = QStringLiteral("Regeln");
const QString kTab5 = QStringLiteral("Rückgängig");

constexpr int TitelHoehe = 20;
constexpr int ScrollBreite = 30;

QColor farbeAusZahl(qint64 z)
{
    return QColor(int(z & 0xFF), int((z >> 8) & 0xFF), int((z >> 16) & 0xFF));
}

qint64 farbeAlsZahl(const QColor &c)
{
    return qint64(c.red()) | (qint64(c.green()) << 8) | (qint64(c.blue()) << 16);
}

QLabel *text(QWidget *p, const QString &t)
{
    auto *l = new QLabel(t, p);
    l->setWordWrap(true);
    p->layout()->addWidget(l);
    return l;
}

QVBoxLayout *spalte(QWidget *p)
{
    auto *v = new QVBoxLayout(p);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);
    return v;
}

template <class T>
T *benannt(T *w, const QString &name)
{
    w->setObjectName(name);
    return w;
}

QCheckBox *che(QWidget *p, const QString &name, const QString &t, bool an)
{
    // A long caption wraps beside its box instead of widening the sheet.
    const bool lang = t.size() > 70;
    auto *c = benannt(new QCheckBox(lang ? QString() : t, p), name);
    c->setChecked(an);
    if (!p->layout())
        return c;
    if (!lang) {
        p->layout()->addWidget(c);
        return c;
    }
    auto *z = new QWidget(p);
    auto *h = new QHBoxLayout(z);
    h->setContentsMargins(0, 0, 0, 0);
    auto *l = new QLabel(t, z);
    l->setWordWrap(true);
    c->setParent(z);
    h->addWidget(c, 0, Qt::AlignTop);
    h->addWidget(l, 1);
    p->layout()->addWidget(z);
    return c;
}

QRadioButton *ra(QWidget *p, QButtonGroup *g, const QString &name, const QString &t, bool an)
{
    auto *r = benannt(new QRadioButton(t, p), name);
    r->setChecked(an);
    g->addButton(r);
    if (p->layout())
        p->layout()->addWidget(r);
    return r;
}

QLineEdit *ed(QWidget *p, const QString &name, const QString &wert, int breite = 0)
{
    auto *e = benannt(new QLineEdit(wert, p), name);
    if (breite > 0)
        e->setFixedWidth(breite);
    return e;
}

QPlainTextEdit *ri(QWidget *p, const QString &name, int hoehe)
{
    auto *r = benannt(new QPlainTextEdit(p), name);
    r->setLineWrapMode(QPlainTextEdit::NoWrap);
    r->setFixedHeight(hoehe);
    p->layout()->addWidget(r);
    return r;
}

QWidget *reihe(QWidget *p, std::initializer_list<QWidget *> teile, bool dehnen = true)
{
    auto *z = new QWidget(p);
    auto *h = new QHBoxLayout(z);
    h->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : teile) {
        w->setParent(z);
        h->addWidget(w);
    }
    if (dehnen)
        h->addStretch(1);
    p->layout()->addWidget(z);
    return z;
}

const QString kGruss = QStringLiteral(
    "\fHallöchen und willkommen!\f\r\n\r\n"
    "Hier schreibt das Rinolux-Team, die Hersteller von %1. Wir gratulieren dir herzlich: Du hast "
    "\f%1\f als Programm deiner Wahl ausgesucht, und das war eine ausgezeichnete Entscheidung.\r\n\r\n"
    "Eine sehr gründliche Studie, die wir gerade eben selbst durchgeführt haben, hat ergeben, dass Menschen, die "
    "viele Dateien mit einem einzigen Schalter umbenennen, im Durchschnitt 3,7 Tassen Kaffee pro Tag mehr "
    "trinken können, weil sie einfach mehr Zeit haben.\r\n\r\n"
    "Das Programm erfüllt selbstverständlich die Regeln deines Betriebssystems. Es kostet kein Geld, aber "
    "manchmal ein paar Nerven.\r\n\r\n"
    "\fWir wünschen dir viel Erfolg!\f");

const QString kWackel = QStringLiteral(
    "Bildschirme wackeln. Das ist wissenschaftlich nicht bewiesen, aber auch nicht widerlegt. Nach einer "
    "alten Überlieferung der Rechenzentren zittert jedes Bild um einige tausendstel Bildpunkte, sobald "
    "irgendwo auf der Welt jemand eine Tür zu fest zuschlägt. Das Betriebsystem gleicht dieses Wackeln "
    "heimlich aus, damit niemand seekrank wird.\r\n\r\n"
    "Wenn du wissen willst, wie dein Bildschirm ohne diese Korrektur aussieht, dann schalte sie hier aus "
    "und schau genau hin. Aber sag hinterher nicht, du seist nicht gewarnt worden.");

} // namespace

TEinstellungenSeite::TEinstellungenSeite(SeitenUmgebung &umgebung, QWidget *eltern)
    : Seite(QStringLiteral("PaEinstellungen"), umgebung, eltern)
{
}

TEinstellungenSeite::~TEinstellungenSeite() = default;

QString TEinstellungenSeite::SeitenTitel()
{
    return QStringLiteral("Einstellungen");
}

QString TEinstellungenSeite::Titel(int) const
{
    return SeitenTitel();
}

TNxRotListeOptionen TEinstellungenSeite::EinstellungenListeOptionen()
{
    return {.klickMarkiert = true, .linksKlick = true};
}

void TEinstellungenSeite::Aufbauen()
{
    if (m_angelegt)
        return;
    m_angelegt = true;
    auto *zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(0);
    m_links = SeitenPanel(QStringLiteral("PaEinstLinks"), this);
    m_links->setFixedWidth(240);
    auto *trennung = SeitenPanel(QStringLiteral("PaEinstTrennung"), this);
    trennung->setFixedWidth(5);
    m_rechts = SeitenPanel(QStringLiteral("PaEinstRechts"), this);
    zeile->addWidget(m_links);
    zeile->addWidget(trennung);
    zeile->addWidget(m_rechts, 1);

    m_blatt = SeitenPanel(QStringLiteral("PaEinstVerschieben"), m_rechts);
    m_scroll = benannt(new QScrollBar(Qt::Vertical, m_rechts), QStringLiteral("ScrollE"));
    m_scroll->setSingleStep(25);
    m_scroll->setPageStep(125);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] { sichtbarAnordnen(); });
    m_rechts->installEventFilter(this);
    m_blatt->installEventFilter(this);

    auto *lv = new QVBoxLayout(m_links);
    lv->setContentsMargins(0, 0, 0, 0);
    m_liste = new TNxRotListe(m_links, QStringLiteral("EinstellungenListe"), EinstellungenListeOptionen());
    lv->addWidget(m_liste);
    connect(m_liste, &TNxRotListe::LinksKlick, this, [this](int, int zeile) { ThemaZeigen(zeile); });

    themenBauen();
    listeFuellen();
    blattAnordnen();
}

QWidget *TEinstellungenSeite::themaNeu(const QString &titel, const QString &panelName)
{
    Thema t;
    t.titel = titel;
    t.gruppe = titel.startsWith(u"Einstell-");
    t.titelBalken = new QLabel(QStringLiteral("  ") + titel + QStringLiteral("   "), m_blatt);
    t.titelBalken->setAutoFillBackground(true);
    t.titelBalken->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    if (t.gruppe) {
        QFont f = t.titelBalken->font();
        f.setBold(true);
        t.titelBalken->setFont(f);
    }
    t.hintergrund = new QLabel(m_blatt);
    t.linie = new QLabel(m_blatt);
    t.linie->setAutoFillBackground(true);
    QPalette lp = t.linie->palette();
    lp.setColor(QPalette::Window, lp.color(QPalette::WindowText));
    t.linie->setPalette(lp);
    t.panel = SeitenPanel(panelName, m_blatt);
    spalte(t.panel);
    m_themen.push_back(t);
    return t.panel;
}

void TEinstellungenSeite::themenBauen()
{
    auto geaendert = [this](auto *w, auto signal) { connect(w, signal, this, &TEinstellungenSeite::aendern); };

    // 1
    text(themaNeu(QStringLiteral("Einstell-Möglichkeiten für Anfänger"), QStringLiteral("PaEinstellungenA")),
         QStringLiteral("Wirklich wichtig sind nur die Einstell-Möglichkeiten in DIESEM Bereich. Die "
                        "Einstell-Möglichkeiten in allen anderen Bereichen können ignoriert werden."));
    // 2
    {
        QWidget *p = themaNeu(QStringLiteral("Verzeichnis bei Programm-Start"), QStringLiteral("PaStartVerz"));
        text(p, QStringLiteral("Welches Verzeichnis soll die Auswahl-Liste unmittelbar nach dem Programm-Start anzeigen?"));
        auto *g = new QButtonGroup(p);
        ra(p, g, QStringLiteral("RaStartVerzLetzt"),
           QStringLiteral("das zuletzt beim Beenden des Programms ausgewählte Verzeichnis"), true);
        auto *benutzer = ra(p, g, QStringLiteral("RaStartVerzBenutzer"), QString(), false);
        reihe(p, {benutzer, ed(p, QStringLiteral("EdStartVerzBenutzer"), QString(), 400)});
        geaendert(che(p, QStringLiteral("CheStartVerzAufklappen"),
                      QStringLiteral("das Verzeichnis soll aufgeklappt werden, wenn möglich"), false),
                  &QCheckBox::toggled);
    }
    // 3
    {
        QWidget *p = themaNeu(QStringLiteral("Vorschau automatisch anzeigen"), QStringLiteral("PaEVorschau"));
        text(p, QStringLiteral("Nach wieviel Sekunden soll die Vorschau automatisch durchgeführt werden?"));
        QLineEdit *sek = ed(p, QStringLiteral("EdEVorschauSekunden"), QStringLiteral("3"), 50);
        reihe(p, {sek, new QLabel(QStringLiteral("Sekunden (1 bis 5)"))});
        geaendert(sek, &QLineEdit::textChanged);
        QCheckBox *anzahl = che(p, QStringLiteral("CheEVorschauAnzahl"),
                                QStringLiteral("Die Vorschau soll nur dann automatisch angezeigt werden, wenn"), false);
        geaendert(anzahl, &QCheckBox::toggled);
        QLineEdit *grenze = ed(p, QStringLiteral("EdEVorschauAnzahl"), QStringLiteral("500"), 70);
        auto *zeile2 = new QLabel(QStringLiteral("      in der Vorschau-Liste weniger als"));
        reihe(p, {zeile2, grenze});
        text(p, QStringLiteral("      Namen stehen."));
        geaendert(grenze, &QLineEdit::textChanged);
    }
    // 4
    text(themaNeu(QStringLiteral("Einstell-Möglichkeiten für Experten"), QStringLiteral("PaEinstellungenE")),
         QStringLiteral("Die folgenden Einstell-Möglichkeiten sind nicht wichtig, aber sie machen die Benutzung des "
                        "Programms einfacher."));
    // 5
    {
        QWidget *p = themaNeu(QStringLiteral("Verzeichnis-Liste: \"gehe zu\""), QStringLiteral("PaESprung"));
        text(p, QStringLiteral("Wenn man auf der Seite [") + kTab1
                    + QStringLiteral("] in der Verzeichnis-Liste ein Verzeichnis ausgewählt hat und dann die rechte "
                                     "Maus-Taste drückt, wird ein Maus-Menü angezeigt. In dem Maus-Menü befinden sich "
                                     "\"gehe zu\"-Anweisungen."));
        text(p, QStringLiteral("Hier können Verzeichnisse genannt werden, die im Maus-Menü immer eingetragen sein sollen:"));
        geaendert(ri(p, QStringLiteral("RiESprung"), 120), &QPlainTextEdit::textChanged);
        geaendert(che(p, QStringLiteral("CheESprungAuto"),
                      QStringLiteral("Zusätzlich soll bei jedem Verzeichnis-Wechsel das zuletzt ausgewählte Verzeichnis "
                                     "automatisch in das Maus-Menü eingetragen werden."),
                      true),
                  &QCheckBox::toggled);
    }
    // 6
    {
        QWidget *p = themaNeu(QStringLiteral("Namen-Liste: automatische Auswahl"), QStringLiteral("PaEAutoauswahl"));
        text(p, QStringLiteral("In diese Liste muss für jede Auswahl-Art eine Text-Zeile eingetragen sein. Die "
                               "Text-Zeile muss so aussehen: Beschreibung / Muster     (mehrere Muster sind möglich)"));
        auto *beispiele = new QLabel(
            QStringLiteral("Beispiele für diese Liste:\nalle, die mit A anfangen / A*\nalle Text-Dateien / *.txt\n"
                           "alle Bilder / *.jpg / *.jpeg / *.png\nalle mit Buchstabe / B\nalle ohne Buchstabe / b\n"
                           "alle mit Buchstabe oder Zahl / B / Z\nalle mit Sonderzeichen oder Zahl / S / Z\n"
                           "die ersten 20 / 20\ndie ersten 1.000 / 1000\ndie ersten 1000 nicht / 1000 / u\n"
                           "die letzten 1.000 / -1000"));
        auto *zeichen = new QLabel(
            QStringLiteral("Diese Sonderzeichen sind möglich:\n/ oder \\ oder | = Trennzeichen\n"
                           "? = ein beliebiges Zeichen\n* = beliebig viele beliebige Zeichen\n"
                           "B = enthält Buchstabe     b = nein\nG = enthält Groß-Buchstabe     g = nein\n"
                           "K = enthält Klein-Buchstabe     k = nein\nL = enthält Leerzeichen     l = nein\n"
                           "Z = enthält Zahl     z = nein\nS = enthält Sonderzeichen     s = nein\n"
                           "12 = die ersten 12 Namen\nu = Auswahl umkehren"));
        reihe(p, {beispiele, zeichen});
        ri(p, QStringLiteral("RiEinstAutomark"), 200)->setPlainText(StandardAutoAuswahlZeilen().join(u'\n'));
        auto *hinweis = new QLabel(QStringLiteral("Diese Einstellungen werden erst bei\neinem Programm-Neu-Start "
                                                  "wirksam,\noder wenn dieser Schalter benutzt wird."));
        auto *aktiv = benannt(new QPushButton(QStringLiteral("jetzt aktivieren")), QStringLiteral("BuEAutoauswahlAktiv"));
        connect(aktiv, &QPushButton::clicked, this, &TEinstellungenSeite::AutoAuswahlAktivierenVerlangt);
        m_coAuto = benannt(new QComboBox(), QStringLiteral("CoEAutoauswahl"));
        m_coAuto->setMinimumWidth(200);
        reihe(p, {hinweis, aktiv, m_coAuto});
    }
    // 7
    {
        QWidget *p = themaNeu(QStringLiteral("Namen-Liste: \"öffnen mit\""), QStringLiteral("PaEPro"));
        text(p, QStringLiteral("Wenn man auf der Seite [") + kTab1
                    + QStringLiteral("] in der Namen-Liste eine Datei (oder ein Verzeichnis) ausgewählt hat und dann "
                                     "die rechte Maus-Taste drückt, wird ein Maus-Menü angezeigt. In dem Maus-Menü "
                                     "können 6 \"Öffnen mit\"-Eintragungen angezeigt werden. Die \"Öffnen "
                                     "mit\"-Eintragungen sollen es dir ermöglichen, die ausgewählte Datei (oder das "
                                     "Verzeichnis) mit einem von dir bestimmten Programmen zu öffnen:"));
        auto *tabelle = new QWidget(p);
        auto *g = new QGridLayout(tabelle);
        g->setContentsMargins(0, 0, 0, 0);
        g->addWidget(new QLabel(QStringLiteral("Programm   (Beispiel: /usr/bin/gedit)")), 0, 0);
        g->addWidget(new QLabel(QStringLiteral("Text im Menü")), 0, 1);
        const QString namen[] = {QStringLiteral("&Text-Programm"), QStringLiteral("&Grafik-Programm"),
                                 QStringLiteral("&Musik-Programm"), QStringLiteral("&HTML-Programm"),
                                 QStringLiteral("&Film-Programm"), QStringLiteral("&Datei-Programm")};
        for (int n = 1; n <= 6; ++n) {
            QLineEdit *prog = ed(tabelle, QStringLiteral("EdEProP") + QString::number(n),
                                 n == 1 ? QStringLiteral("/usr/bin/gedit") : QString());
            QLineEdit *menue = ed(tabelle, QStringLiteral("EdEProN") + QString::number(n), namen[n - 1], 180);
            g->addWidget(prog, n, 0);
            g->addWidget(menue, n, 1);
            geaendert(prog, &QLineEdit::textChanged);
            geaendert(menue, &QLineEdit::textChanged);
        }
        p->layout()->addWidget(tabelle);
    }
    // 8
    {
        QWidget *p = themaNeu(QStringLiteral("Namen-Liste: Doppeltdrücken"), QStringLiteral("PaEDoppelklick"));
        text(p, QStringLiteral("Wenn man auf der Seite [") + kTab1
                    + QStringLiteral("] in der Namen-Liste eine Datei (oder ein Verzeichnis) ausgewählt hat und dann "
                                     "die linke Maus-Taste zweimal drückt, versucht das System, die Datei (oder das "
                                     "Verzeichnis) AUTOMATISCH mit einem anderen Programm zu öffnen."));
        geaendert(che(p, QStringLiteral("CheEDoppelklick"), QStringLiteral("ja, die Doppeldrücken-Methode zulassen"),
                      false),
                  &QCheckBox::toggled);
    }
    // 9
    {
        QWidget *p = themaNeu(QStringLiteral("Sicherheit bei wichtigen Schaltern"), QStringLiteral("PaSicherheit"));
        text(p, QStringLiteral("Soll nach dem Drücken eines wichtigen Schalters sicherheitshalber noch nach einer "
                               "zusätzlichen Bestätigung gefragt werden?"));
        geaendert(che(p, QStringLiteral("CheSicherheitsfrage"),
                      QStringLiteral("ja, wichtige Anweisungen nur nach Bestätigung ausführen lassen (empfohlen)"), true),
                  &QCheckBox::toggled);
    }
    // 10
    {
        QWidget *p = themaNeu(QStringLiteral("Eingabe-Felder: Wörter-Liste nach Schalter"), QStringLiteral("PaEMerk"));
        text(p, QStringLiteral("Unter vielen Eingabe-Feldern befindet sich ein [Wörter ...]-Schalter. Auch unter diesem "
                               "Eingabe-Feld ist so ein Schalter. Der Schalter führt zu einer Liste mit Wörtern, die das "
                               "Programm für dich gesammelt hat. Wenn du aus der Liste ein Wort auswählst, wird es in das "
                               "Eingabe-Feld eingetragen. Drücke den Schalter jetzt bitte mal, damit du weißt, was gemeint "
                               "ist!"));
        ri(p, QStringLiteral("RiEinstMerkliste"), 90);
        text(p, QStringLiteral("Die Wörter-Liste enthält auch den Bereich \"eigene Wörter\". Für diesen Bereich kannst du "
                               "hier eigene Wörter eintippen. (Mindestlänge jeder Zeile = 4 Zeichen.)"));
    }
    // 11
    {
        QWidget *p = themaNeu(QStringLiteral("Eingabe-Felder: Wörter-Liste beim Eintippen"), QStringLiteral("PaEAutoVervoll"));
        text(p, QStringLiteral("Diese Funktion soll die Benutzung von Eingabe-Feldern erleichtern. Du kannst sie leicht "
                               "verstehen, wenn du folgendes mal ausprobierst:\n\n1.) Schalte zuerst hier die Anzeige "
                               "auf \"automatisch\".\n2.) Tippe in das Eingabe-Feld dieses Wort: --->  die  <---\n3.) "
                               "Danach bekommst du zusätzliche Informationen angezeigt.\n\nMindestens 3 Zeichen müssen "
                               "eingetippt werden."));
        text(p, QStringLiteral("Wörter-Liste anzeigen"));
        auto *g = new QButtonGroup(p);
        ra(p, g, QStringLiteral("RaEAutoVervollAuto"), QStringLiteral("automatisch"), false);
        ra(p, g, QStringLiteral("RaEAutoVervollTaste"),
           QStringLiteral("nur anzeigen, nachdem die Pfeil-Runter-Taste gedrückt wurde"), true);
        ra(p, g, QStringLiteral("RaEAutoVervoll0"), QStringLiteral("nicht anzeigen"), false);
        reihe(p, {ed(p, QStringLiteral("EdEAutoVervoll"), QString(), 250)});
        text(p, QStringLiteral("Eingabe-Felder mit dieser Möglichkeit erkennt man an dem kleinen Symbol darunter. --->"));
    }
    // 12
    {
        QWidget *p = themaNeu(QStringLiteral("Vorschau-Liste"), QStringLiteral("PaEVorschauOrt"));
        text(p, QStringLiteral("Wo auf den Seiten [") + kTab2 + QStringLiteral("], [") + kTab3 + QStringLiteral("] und [")
                    + kTab4 + QStringLiteral("] soll die Vorschau-Liste angezeigt werden?"));
        auto *g = new QButtonGroup(p);
        const QString kFelder = QStringLiteral("Eingabe- Felder");
        const QString kSchalter = QStringLiteral("Schalter");
        const QString kVorschau = QStringLiteral("Vorschau-Liste");
        auto bild = [](const QStringList &teile) {
            auto *l = new QLabel(teile.join(u'\n'));
            l->setFixedSize(110, 110);
            l->setAlignment(Qt::AlignCenter);
            l->setFrameShape(QFrame::Box);
            return l;
        };
        auto *zeile = new QWidget(p);
        auto *h = new QHBoxLayout(zeile);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(35);
        const std::tuple<QString, QStringList, bool> arten[] = {
            {QStringLiteral("RaEVorschau3"), {kFelder, kSchalter, kVorschau}, true},
            {QStringLiteral("RaEVorschau2"), {kVorschau, kSchalter, kFelder}, false},
            {QStringLiteral("RaEVorschau1"), {kVorschau, kFelder, kSchalter}, false}};
        for (const auto &[name, teile, an] : arten) {
            auto *s = new QWidget(zeile);
            auto *v = new QVBoxLayout(s);
            v->setContentsMargins(0, 0, 0, 0);
            v->addWidget(bild(teile));
            QRadioButton *r = ra(s, g, name, QString(), an);
            v->addWidget(r);
            geaendert(r, &QRadioButton::toggled);
            h->addWidget(s);
        }
        h->addStretch(1);
        p->layout()->addWidget(zeile);
    }
    // 13
    {
        QWidget *p = themaNeu(QStringLiteral("Löschen, Kopieren, Verschieben"), QStringLiteral("PaLKVRueck"));
        text(p, QStringLiteral("Das Programm kann Dateien und Verzeichnisse löschen, kopieren und verschieben. Das "
                               "Programm kann diese Vorgänge aber NICHT rückgängig machen. Deshalb werden sie NICHT auf "
                               "der Seite [")
                    + kTab5 + QStringLiteral("] in die Listen eingetragen. Ist eine Eintragung für dich trotzdem nützlich?"));
        geaendert(che(p, QStringLiteral("CheLKVRueck"), QStringLiteral("ja, diese Vorgänge sollen trotzdem eingetragen werden"),
                      false),
                  &QCheckBox::toggled);
    }
    // 14
    text(themaNeu(QStringLiteral("Einstell-Möglichkeiten für Fanatiker"), QStringLiteral("PaEinstellungenF")),
         QStringLiteral("Fanatismus ist eine Übertreibung und deshalb nicht vernünftig. Fanatiker sind Spinner. Bitte "
                        "denke einmal darüber nach."));
    // 15
    {
        QWidget *p = themaNeu(QStringLiteral("Register-Anzeige"), QStringLiteral("PaERegHaupt"));
        text(p, QStringLiteral("Farbe:"));
        m_farbGruppe = new QButtonGroup(p);
        ra(p, m_farbGruppe, QStringLiteral("RaFarbeW"), QStringLiteral("System"), true);
        ra(p, m_farbGruppe, QStringLiteral("RaFarbeB1"), QStringLiteral("bunt"), false);
        ra(p, m_farbGruppe, QStringLiteral("RaFarbeB2"), QStringLiteral("bunt"), false);
        for (int nr = 1; nr <= 2; ++nr) {
            QRadioButton *r = ra(p, m_farbGruppe, QStringLiteral("RaFarbe") + QString::number(nr), QString(), false);
            auto *feld = SeitenPanel(QStringLiteral("PaFarbe") + QString::number(nr), p);
            feld->setFixedSize(60, 20);
            feld->setAutoFillBackground(true);
            feld->setFrameShape(QFrame::Box);
            QPalette pal = feld->palette();
            pal.setColor(QPalette::Window, farbeAusZahl(nr == 1 ? 13689072 : 14729424));
            feld->setPalette(pal);
            (nr == 1 ? m_paFarbe1 : m_paFarbe2) = feld;
            auto *knopf = benannt(new QPushButton(QStringLiteral("eigene ...")), QStringLiteral("BuFarbe") + QString::number(nr));
            connect(knopf, &QPushButton::clicked, this, [this, nr] { farbeWaehlen(nr); });
            reihe(p, {r, feld, knopf});
        }
        connect(m_farbGruppe, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool an) {
            if (an && !EreignisseGesperrt)
                Q_EMIT FarbenGewaehlt(Farben());
        });
    }
    // 16
    {
        QWidget *p = themaNeu(QStringLiteral("Schalter im Programm: Rahmen"), QStringLiteral("PaHoehe"));
        text(p, QStringLiteral("Welche Dicke sollen die Rahmen der Haupt-Schalter haben?"));
        m_rahmenGruppe = new QButtonGroup(p);
        const QString namen[] = {QStringLiteral("kein Rahmen"), QStringLiteral("einfach"), QStringLiteral("zweifach"),
                                 QStringLiteral("dreifach")};
        for (int t = 0; t <= 3; ++t)
            m_rahmenGruppe->setId(ra(p, m_rahmenGruppe, QStringLiteral("RaRahmen") + QString::number(t), namen[t], t == 1), t);
        text(p, QStringLiteral("Und so sieht es aus:"));
        auto *beispiel = benannt(new QPushButton(QStringLiteral("Beispiel-Schalter")), QStringLiteral("BuHoeheBeispiel"));
        m_beispiel = new TSchalterRahmen(beispiel, QColor(255, 255, 160), 1, p);
        m_beispiel->setObjectName(QStringLiteral("PaHoeheBeispiel"));
        reihe(p, {m_beispiel});
        connect(beispiel, &QPushButton::clicked, this,
                [this] { Umgebung().Dialoge().Dialog_Info(QStringLiteral("Beispiel."), QStringLiteral("BuHoeheBeispiel")); });
        connect(m_rahmenGruppe, &QButtonGroup::idToggled, this, [this](int, bool an) {
            if (an)
                beispielRahmen();
        });
        text(p, QStringLiteral("Diese Einstellung wird erst nach einem Programm-Neu-Start wirksam."));
    }
    // 17
    {
        QWidget *p = themaNeu(QStringLiteral("Speicherplatz für einzelne Listen"), QStringLiteral("PaListenmax"));
        text(p, QStringLiteral("Wieviele Einträge sollen HÖCHSTENS in den Listen aufgeführt werden?"));
        auto *zeile = new QWidget(p);
        auto *h = new QHBoxLayout(zeile);
        h->setContentsMargins(0, 0, 0, 0);
        const std::tuple<QString, QString, QString, int> felder[] = {
            {QStringLiteral("Suche-Liste"), QStringLiteral("EdMaxSuch"), QStringLiteral("50"), 100},
            {QStringLiteral("Wörter-Liste"), QStringLiteral("EdMaxMerk"), QStringLiteral("500"), 2000},
            {QStringLiteral("Rückgängig-Liste"), QStringLiteral("EdMaxRueck"), QStringLiteral("50"), 100}};
        for (const auto &[titel, name, wert, maximum] : felder) {
            auto *s = new QWidget(zeile);
            auto *v = new QVBoxLayout(s);
            v->setContentsMargins(0, 0, 20, 0);
            v->addWidget(new QLabel(titel));
            QLineEdit *e = ed(s, name, wert, 70);
            v->addWidget(e);
            v->addWidget(new QLabel(QStringLiteral("Anzahl (0 bis ") + QString::number(maximum) + u')'));
            connect(e, &QLineEdit::editingFinished, this, [this, e, maximum] { grenzeVerlassen(e, maximum); });
            h->addWidget(s);
        }
        h->addStretch(1);
        p->layout()->addWidget(zeile);
        text(p, QStringLiteral("Je weniger Einträge es sind, desto schneller wird das Programm gestartet und beendet."));
    }
    // 18
    {
        QWidget *p = themaNeu(QStringLiteral("beim Programm-Start ein Bild anzeigen"), QStringLiteral("PaBildBeiStart"));
        QCheckBox *bild = che(p, QStringLiteral("CheBildBeiStart"), QStringLiteral("beim Start dieses Programms ein Bild anzeigen"), true);
        auto *zeigen = benannt(new QPushButton(QStringLiteral("jetzt anzeigen")), QStringLiteral("BuBildBeiStart"));
        connect(zeigen, &QPushButton::clicked, this, [this, p] {
            p->setFocus();
            Q_EMIT StartBildVerlangt();
        });
        reihe(p, {bild, zeigen});
        text(p, QStringLiteral("Das Bild kannst du ersetzen mit der Datei \"Rinol.bmp\" im Programm-Verzeichnis."));
        text(p, QStringLiteral("Diese Einstellung wird erst nach einem Programm-Neu-Start wirksam."));
    }
    // 19
    {
        QWidget *p = themaNeu(QStringLiteral("Programm-Symbol"), QStringLiteral("PaAppIcon"));
        text(p, QStringLiteral("Das Programm-Symbol kannst du ersetzen mit der Datei \"Rinol.ico\" im Programm-Verzeichnis."));
        text(p, QStringLiteral("Diese Einstellung wird erst nach einem Programm-Neu-Start wirksam."));
    }
    // 20
    {
        QWidget *p = themaNeu(QStringLiteral("Symbole in Meldungen"), QStringLiteral("PaDia"));
        text(p, QStringLiteral("In Meldungen sollen diese Symbole angezeigt werden:"));
        m_diaGruppe = new QButtonGroup(p);
        auto *zeile = new QWidget(p);
        auto *h = new QHBoxLayout(zeile);
        h->setContentsMargins(0, 0, 0, 0);
        const std::tuple<QString, QString, DialogSymbolStil> stile[] = {
            {QStringLiteral("RaDiaBunt"), QStringLiteral("bunte"), DialogSymbolStil::Bunt},
            {QStringLiteral("RaDiaWeiss"), QStringLiteral("weiße"), DialogSymbolStil::Weiss},
            {QStringLiteral("RaDiaTrans"), QStringLiteral("durchsichtige"), DialogSymbolStil::Durchsichtig},
            {QStringLiteral("RaDiaLeer"), QStringLiteral("keine"), DialogSymbolStil::Keine}};
        for (const auto &[name, titel, stil] : stile) {
            auto *s = new QWidget(zeile);
            auto *v = new QVBoxLayout(s);
            v->setContentsMargins(0, 0, 20, 0);
            auto *bilder = new QLabel(s);
            const QPixmap frage = DialogBild(u'f', stil);
            bilder->setFixedSize(64, 64);
            if (!frage.isNull())
                bilder->setPixmap(frage.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            v->addWidget(bilder);
            QRadioButton *r = ra(s, m_diaGruppe, name, titel, stil == DialogSymbolStil::Bunt);
            m_diaGruppe->setId(r, int(stil));
            v->addWidget(r);
            geaendert(r, &QRadioButton::toggled);
            h->addWidget(s);
        }
        h->addStretch(1);
        p->layout()->addWidget(zeile);
    }
    // 21
    text(themaNeu(QStringLiteral("Einstell-Möglichkeiten für Alberne"), QStringLiteral("PaEinstellungenB")),
         QStringLiteral("Mit Albernheiten kann man sich wunderbar von der Arbeit ablenken und sich obendrein noch "
                        "einbilden, man sei besonders intelligent."));
    // 22
    {
        QWidget *p = themaNeu(QStringLiteral("ein Gruß vom Programm-Hersteller"), QStringLiteral("PaEHallo"));
        auto *hallo = benannt(new QPushButton(QStringLiteral("Gruß vom Programm-Hersteller anzeigen (harmlos)")),
                              QStringLiteral("BuEHallo"));
        connect(hallo, &QPushButton::clicked, this, [this] { Umgebung().Dialoge().Dialog_Foto(kGruss.arg(ProgName)); });
        reihe(p, {hallo});
    }
    // 23
    {
        QWidget *p = themaNeu(QStringLiteral("Wackel-Korrektur"), QStringLiteral("PaWackel"));
        text(p, kWackel);
        geaendert(che(p, QStringLiteral("CheWackel"), QStringLiteral("Wackel-Korrektur des Betriebsystems zulassen"), true),
                  &QCheckBox::toggled);
    }
    // 24
    {
        QWidget *p = themaNeu(QStringLiteral("Informationen zur Geheimhaltung"), QStringLiteral("PaGeheim"));
        QCheckBox *geheim = che(p, QStringLiteral("CheGeheim"), QStringLiteral("Geheimhaltungs-Modus ist aktiv"), false);
        auto *frage = benannt(new QPushButton(QStringLiteral("?")), QStringLiteral("BuGeheim"));
        frage->setFixedWidth(30);
        connect(frage, &QPushButton::clicked, this, [this, geheim] {
            if (geheim->isChecked())
                Umgebung().Dialoge().Dialog_Info(
                    QStringLiteral("Du hast den Geheimhaltungs-Modus aktiviert.\r\n\r\nDu bist nun dazu verpflichtet, über "
                                   "deine Arbeit mit diesem Programm Stillschweigen zu bewahren!\r\n\r\nWenn du von "
                                   "anderen Menschen gefragt wirst, was du hier am Rechner gerade machst, dann darfst du "
                                   "das in keinem Fall ausplaudern! Erzähle notfalls eine gute Lügen-Geschichte. Oder "
                                   "lenke geschickt vom Thema ab, indem du Tier-Geräusche nachmachst (zum Beispiel "
                                   "\"Wiehern, wie ein Pferd\").\r\n\r\nBei Versagen kehre bitte in den \"Ich habe "
                                   "nichts zu verbergen\"-Modus zurück."),
                    QStringLiteral("BuGeheim"), true);
            else
                Umgebung().Dialoge().Dialog_Info(
                    QStringLiteral("Der Sinn dieser Programm-Einstellung ist geheim. Du erfährst den Sinn, wenn du in den "
                                   "Geheimhaltungs-Modus gewechselt bist."),
                    QStringLiteral("BuGeheim"), false);
        });
        reihe(p, {geheim, frage});
    }

    m_ende = new QLabel(QStringLiteral("  (Ende)"), m_blatt);
    m_ende->setAutoFillBackground(true);
    for (Thema &t : m_themen) {
        t.hintergrund->lower();
        // Only the topic's own texts move with the sheet; nothing inside takes the wheel.
        t.panel->installEventFilter(this);
    }
}

void TEinstellungenSeite::listeFuellen()
{
    TNxTypSpalte &sp = m_liste->Spalte(m_liste->SpalteNeu(SpaltenTyp::Text));
    sp.titel = QStringLiteral(" Thema");
    sp.breite = 230;
    sp.fettVerz = true;
    ListenDaten &d = m_liste->Daten();
    d.Leeren();
    for (const Thema &t : m_themen) {
        const int z = d.ZeilenAnhaengen();
        d.ZelleSetzen(z, 1, t.gruppe ? t.titel : QStringLiteral(" ") + t.titel);
        d.VerzSetzen(z, t.gruppe);
    }
    if (d.Anzahl() > 0) {
        d.MarkSetzen(1, true);
        d.AktPositionSetzen(1);
    }
    m_liste->Neuzeichnen();
}

QString TEinstellungenSeite::ThemenTitel(int nr) const
{
    return nr >= 1 && nr <= ThemenAnzahl() ? m_themen[size_t(nr - 1)].titel : QString();
}

QWidget *TEinstellungenSeite::ThemenPanel(int nr) const
{
    return nr >= 1 && nr <= ThemenAnzahl() ? m_themen[size_t(nr - 1)].panel : nullptr;
}

int TEinstellungenSeite::ThemenOben(int nr) const
{
    return nr >= 1 && nr <= int(m_oben.size()) ? m_oben[size_t(nr - 1)] : 0;
}

void TEinstellungenSeite::ThemaZeigen(int nr)
{
    if (nr < 1 || nr > ThemenAnzahl())
        return;
    m_aktThema = nr;
    ListenDaten &d = m_liste->Daten();
    d.AlleMarkieren(false);
    d.MarkSetzen(nr, true);
    m_liste->Neuzeichnen();
    m_scroll->setValue(ThemenOben(nr));
    sichtbarAnordnen();
}

// Stacks the topics with the sheet's width: title bar, background with the panel on it,
// separator line; the scroll bar reaches the last title bar.
void TEinstellungenSeite::blattAnordnen()
{
    if (!m_blatt)
        return;
    const int w = std::max(200, m_rechts->width() - ScrollBreite - 1);
    m_oben.clear();
    int y = 0;
    for (Thema &t : m_themen) {
        m_oben.push_back(y);
        t.titelBalken->setGeometry(0, y, t.titelBalken->sizeHint().width(), TitelHoehe);
        y += TitelHoehe;
        QLayout *l = t.panel->layout();
        const int h = l && l->hasHeightForWidth() ? l->totalHeightForWidth(w - 20)
                                                  : (l ? l->totalSizeHint().height() : t.panel->sizeHint().height());
        t.hintergrund->setGeometry(0, y, w, h + 20);
        t.panel->setGeometry(10, y + 10, w - 20, h);
        y += h + 20;
        t.linie->setGeometry(0, y, w, 2);
        y += 2;
    }
    m_ende->setGeometry(0, y, m_themen.empty() ? 60 : m_themen.front().titelBalken->width(), TitelHoehe);
    m_blatt->resize(w, y + TitelHoehe);
    m_scroll->setRange(0, m_oben.empty() ? 0 : m_oben.back());
    sichtbarAnordnen();
}

void TEinstellungenSeite::sichtbarAnordnen()
{
    if (!m_blatt)
        return;
    m_scroll->setGeometry(m_rechts->width() - ScrollBreite, 0, ScrollBreite, m_rechts->height());
    m_blatt->move(0, -m_scroll->value());
    const int sichtbarHoehe = m_rechts->height();
    const QPalette pal = palette();
    for (size_t i = 0; i < m_themen.size(); ++i) {
        Thema &t = m_themen[i];
        const int oben = t.panel->y() + m_blatt->y();
        // A topic that is only partly visible cannot be changed.
        t.panel->setEnabled(oben >= 0 && oben + t.panel->height() <= sichtbarHoehe);
        QPalette tp = t.titelBalken->palette();
        const bool aktuell = int(i) + 1 == m_aktThema;
        tp.setColor(QPalette::Window, pal.color(aktuell ? QPalette::Highlight : QPalette::Base));
        tp.setColor(QPalette::WindowText, pal.color(aktuell ? QPalette::HighlightedText : QPalette::Text));
        t.titelBalken->setPalette(tp);
    }
}

void TEinstellungenSeite::Anpassen(int)
{
    blattAnordnen();
}

bool TEinstellungenSeite::eventFilter(QObject *objekt, QEvent *event)
{
    if (objekt == m_rechts && event->type() == QEvent::Resize)
        blattAnordnen();
    if (event->type() == QEvent::Wheel && m_scroll) {
        // The wheel anywhere on the sheet moves it.
        auto *rad = static_cast<QWheelEvent *>(event);
        const int schritte = rad->angleDelta().y() / 120;
        if (schritte != 0) {
            m_scroll->setValue(m_scroll->value() - schritte * m_scroll->singleStep() * 3);
            return true;
        }
    }
    return Seite::eventFilter(objekt, event);
}

void TEinstellungenSeite::grenzeVerlassen(QLineEdit *feld, int maximum)
{
    const Einstellungen &e = Umgebung().Einst();
    const int bisher = feld->objectName() == u"EdMaxSuch" ? e.MaxSuch : feld->objectName() == u"EdMaxMerk" ? e.MaxMerk : e.MaxRueck;
    const QString neu = GrenzeKlemmen(feld->text(), maximum, bisher);
    if (neu != feld->text())
        feld->setText(neu);
    aendern();
}

void TEinstellungenSeite::farbeWaehlen(int nr)
{
    QWidget *feld = nr == 1 ? m_paFarbe1 : m_paFarbe2;
    const QColor c = QColorDialog::getColor(feld->palette().color(QPalette::Window), this);
    if (!c.isValid())
        return;
    QPalette pal = feld->palette();
    pal.setColor(QPalette::Window, c);
    feld->setPalette(pal);
    if (!EreignisseGesperrt)
        Q_EMIT FarbenGewaehlt(Farben());
}

void TEinstellungenSeite::beispielRahmen()
{
    if (m_beispiel && m_rahmenGruppe)
        m_beispiel->DickeSetzen(std::max(0, m_rahmenGruppe->checkedId()));
}

void TEinstellungenSeite::aendern()
{
    if (!EreignisseGesperrt)
        Q_EMIT EinstellungGeaendert();
}

int TEinstellungenSeite::SymbolStil() const
{
    const int id = m_diaGruppe ? m_diaGruppe->checkedId() : -1;
    return id >= 0 && id <= 3 ? id : 1;
}

void TEinstellungenSeite::SymbolStilSetzen(int stil)
{
    if (!m_diaGruppe)
        return;
    if (QAbstractButton *b = m_diaGruppe->button(stil >= 0 && stil <= 3 ? stil : 1))
        b->setChecked(true);
}

FarbWahl TEinstellungenSeite::Farben() const
{
    FarbWahl f;
    if (!m_farbGruppe)
        return f;
    const QAbstractButton *b = m_farbGruppe->checkedButton();
    const QString n = b ? b->objectName() : QString();
    f.schema = n == u"RaFarbeB1" ? u'B' : n == u"RaFarbeB2" ? u'C' : n == u"RaFarbe1" ? u'1' : n == u"RaFarbe2" ? u'2' : u'W';
    f.farbe1 = farbeAlsZahl(m_paFarbe1->palette().color(QPalette::Window));
    f.farbe2 = farbeAlsZahl(m_paFarbe2->palette().color(QPalette::Window));
    return f;
}

void TEinstellungenSeite::FarbenSetzen(const FarbWahl &f)
{
    if (!m_farbGruppe)
        return;
    const QString name = f.schema == u'B' ? QStringLiteral("RaFarbeB1")
                         : f.schema == u'C' ? QStringLiteral("RaFarbeB2")
                         : f.schema == u'1' ? QStringLiteral("RaFarbe1")
                         : f.schema == u'2' ? QStringLiteral("RaFarbe2")
                                            : QStringLiteral("RaFarbeW");
    for (QAbstractButton *b : m_farbGruppe->buttons())
        if (b->objectName() == name)
            b->setChecked(true);
    for (auto [feld, farbe] : {std::pair{m_paFarbe1, f.farbe1}, std::pair{m_paFarbe2, f.farbe2}})
        if (farbe >= 0) {
            QPalette pal = feld->palette();
            pal.setColor(QPalette::Window, farbeAusZahl(farbe));
            feld->setPalette(pal);
        }
}

void TEinstellungenSeite::AutoAuswahlZeigen(const QStringList &beschreibungen)
{
    if (!m_coAuto)
        return;
    m_coAuto->clear();
    m_coAuto->addItems(beschreibungen);
    m_coAuto->setMaxVisibleItems(std::max(1, int(beschreibungen.size())));
    m_coAuto->setCurrentIndex(beschreibungen.isEmpty() ? -1 : 0);
}

QString TEinstellungenSeite::AutoAuswahlText() const
{
    auto *ri = findChild<QPlainTextEdit *>(QStringLiteral("RiEinstAutomark"));
    return ri ? ri->toPlainText() : QString();
}

} // namespace rinolux
