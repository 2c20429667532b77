#include "core/engine/SeitenAuswahl.h"

#include "core/persist/IniDatei.h"

#include <algorithm>
#include <limits>

namespace rinolux {

namespace {

struct Eintrag
{
    const char16_t *text;
    int wert;
};

int nachText(const QString &text, std::initializer_list<Eintrag> tabelle)
{
    for (const Eintrag &e : tabelle)
        if (text == QStringView(e.text))
            return e.wert;
    return 0;
}

// Kind and sign of a wording; sign 0 keeps the number as typed.
struct Wortlaut
{
    const char16_t *text;
    bool mitZahl;
    int art;
    int vorzeichen;
};

const Wortlaut kVon[] = {{u"dem", true, 1, 1}, {u"dem letzten", true, 1, -1}};
const Wortlaut kBis[] = {{u"dem", true, 1, 1}, {u"dem letzten", true, 1, -1}, {u"dem nächsten", true, 2, 1}};
const Wortlaut kEinfuegen[] = {{u"das", true, 1, 1},
                               {u"das letzte", true, 1, -1},
                               {u"jedes", false, 6, 0},
                               {u"jedes", true, 7, 1},
                               {u"jedes letzte", true, 7, -1}};
const Wortlaut kTeilstueck[] = {
    {u"das", true, 1, 1},          {u"das letzte", true, 1, -1},   {u"die ersten", true, 3, 1},
    {u"die letzten", true, 3, -1}, {u"alles vor dem", true, 4, 0}, {u"alles hinter dem", true, 5, 0},
    {u"jedes", false, 6, 0},       {u"jedes", true, 7, 1},         {u"jedes letzte", true, 7, -1}};
const Wortlaut kZiel[] = {{u"das", true, 1, 1},          {u"das letzte", true, 1, -1},
                          {u"das nächste", true, 2, 1},  {u"das vorige", true, 2, -1},
                          {u"jedes", false, 6, 0},       {u"jedes", true, 7, 1},
                          {u"jedes letzte", true, 7, -1}};

template <std::size_t N> const Wortlaut *suchen(const Wortlaut (&tabelle)[N], const WortlautZeile &z)
{
    for (const Wortlaut &w : tabelle)
        if (z.wortlaut == QStringView(w.text) && z.mitZahl == w.mitZahl)
            return &w;
    return nullptr;
}

const Wortlaut *wortlautSuchen(StellenBlock block, const WortlautZeile &z)
{
    switch (block) {
    case StellenBlock::Von:
        return suchen(kVon, z);
    case StellenBlock::Bis:
        return suchen(kBis, z);
    case StellenBlock::Einfuegen:
        return suchen(kEinfuegen, z);
    case StellenBlock::Teilstueck:
        return suchen(kTeilstueck, z);
    case StellenBlock::Ziel:
        return suchen(kZiel, z);
    }
    return nullptr;
}

// Letters of "was anderes" in the item order of CoHinzu and CoErsetzen.
const QString kHinzuFolge = QStringLiteral("wvh&nfb\u00D6\u00F6o\u00C4\u00E4a%$ ");
const QString kErsetzenFolge = QStringLiteral("w+-vh&nfb\u00D6\u00F6o\u00C4\u00E4a%$gku ");

const BenutzerWort &wortImPlatz(const std::array<BenutzerWort, 6> &woerter, int platz)
{
    static const BenutzerWort leer;
    return (platz >= 1 && platz <= 6) ? woerter[std::size_t(platz - 1)] : leer;
}

// The letter of a "was anderes" item and its value: the slot's word where the item uses it.
void wasAnderes(TeilRegel &t, const QString &folge, int item, const BenutzerWort &wort)
{
    if (item < 0 || item >= folge.size()) {
        // No such item: an empty letter, which no reader takes for a valid rule.
        t.buchstabe = QChar();
        t.wert.clear();
        return;
    }
    t.buchstabe = folge.at(item);
    t.wert = QStringView(u"w+-vh").contains(t.buchstabe) ? wort.text : QString();
}

QString zeitTeil(const QString &feld, int breite, int min, int max, bool leerErlaubt)
{
    const QString unbrauchbar = breite == 4 ? QStringLiteral("-001") : QStringLiteral("-1");
    if (feld.trimmed().isEmpty())
        return leerErlaubt ? QString(breite, u' ') : unbrauchbar;
    QString ziffern;
    for (QChar c : feld)
        if (c >= u'0' && c <= u'9')
            ziffern.append(c);
    // A field without digits is not a 0.
    if (ziffern.isEmpty())
        return unbrauchbar;
    const qint64 wert = IniZahl(ziffern);
    if (wert < min || wert > max)
        return unbrauchbar;
    return QStringLiteral("%1").arg(wert, breite, 10, QLatin1Char('0'));
}

Regel eineTeilRegel(TeilRegel t)
{
    Regel r;
    r.teile.append(std::move(t));
    return r;
}

TeilRegel aendernTeilRegel(const AendernSeite &s, const std::array<BenutzerWort, 6> &woerter)
{
    TeilRegel t;
    t.code = AendernAktionsCode(s);
    const AktionsCode c = t.code;

    t.namensTeil = s.nameFormat;
    t.richtung = s.linksRechts;
    t.von = StellenangabeAusWahl(s.von, StellenBlock::Von, woerter);
    t.bis = StellenangabeAusWahl(s.bis, StellenBlock::Bis, woerter);
    t.teilstueck = StellenangabeAusWahl(s.teilstueck, StellenBlock::Teilstueck, woerter);
    t.verbinden = s.teilstueckVerbinden;
    t.hinVH = s.hinVH;
    t.hinStelle = StellenangabeAusWahl(s.hin, StellenBlock::Einfuegen, woerter);
    t.davorLoeschen = s.zusatzDavor.zaehlt();
    t.dahinterLoeschen = s.zusatzDahinter.zaehlt();

    if (c == 215) {
        t.buchstabe = u'w';
        t.wert = s.hinzu;
    } else if (c == 225) {
        t.buchstabe = u'w';
        t.wert = s.ersetzen;
    } else if (c == 211) {
        wasAnderes(t, kHinzuFolge, s.coHinzu, wortImPlatz(woerter, s.hinzuPlatz));
    } else if (c == 221) {
        wasAnderes(t, kErsetzenFolge, s.coErsetzen, wortImPlatz(woerter, s.ersetzenPlatz));
    }
    t.liste = ListenFelder{s.listeVor, s.listeZeilen, s.listeNach};
    t.wiederholen = s.zusatzWiederholen.zaehlt();
    t.nummer = NummerFelder{s.nummerVor, s.nummerStart, s.nummerDiff, s.nummerNach};
    t.formel = s.matrixFormel;
    t.nrUnterverz = s.zusatzNrUnterverz.zaehlt();
    t.auffuellText = s.auffuellen;
    t.auffuellRichtung = s.coAuffuellen;
    t.filterAlt = s.filterAlt;
    t.filterNeu = s.filterNeu;
    t.reihenfolge = s.reihenfolge;
    t.nachVH = s.nachVH;
    t.nachStelle = StellenangabeAusWahl(s.nach, StellenBlock::Ziel, woerter);
    t.tauschenLR = s.tauschenLR;
    t.tauschVon = StellenangabeAusWahl(s.tauschVon, StellenBlock::Von, woerter);
    t.tauschBis = StellenangabeAusWahl(s.tauschBis, StellenBlock::Bis, woerter);
    t.freiNamensTeil = s.nameFormat;
    t.freiZeilen = s.freiZeilen;
    for (std::size_t i = 0; i < 4; ++i)
        t.attribute[i] = s.attributJa[i]     ? AttributWahl::Setzen
                         : s.attributNein[i] ? AttributWahl::Loeschen
                                             : AttributWahl::Lassen;

    t.zeit.wert = ZeitWertAusFeldern(s.zeitJ, s.zeitM, s.zeitT, s.zeitU, s.zeitI, s.zeitE,
                                     IstZeitCode(c) && c % 10 == 2);
    t.zeit.einheit = 6;
    for (std::size_t i = 0; i < s.zeitEinheit.size(); ++i) {
        if (s.zeitEinheit[i]) {
            t.zeit.einheit = int(i) + 1;
            break;
        }
    }
    t.zeit.diff = s.zeitDiff;
    t.zeit.quelle = s.zeitQuelleH   ? ZeitQuelle::Herstellung
                    : s.zeitQuelleA ? ZeitQuelle::Aenderung
                                    : ZeitQuelle::Zugriff;
    return t;
}

TeilRegel herstellenTeilRegel(const HerstellenSeite &s)
{
    TeilRegel t;
    t.code = HerstellenAktionsCode(s);
    HerstFelder &h = t.herst;
    // The location choices are tested in this order; the first one checked and enabled counts.
    if (s.woQuellpfad.zaehlt()) {
        h.ort = HerstOrt::Quelle;
    } else if (s.woWieName.zaehlt()) {
        h.ort = HerstOrt::Auswahl;
    } else if (s.woLang.zaehlt()) {
        h.ort = HerstOrt::Pfad;
        h.ortPfad = s.pfadLang;
    } else if (s.woKurz.zaehlt()) {
        h.ort = HerstOrt::Pfad;
        h.ortPfad = s.pfadKurz;
    } else if (s.woWieEdit.zaehlt()) {
        h.ort = HerstOrt::Pfad;
        h.ortPfad = s.herstWo;
    } else {
        h.ort = HerstOrt::Keiner;
    }
    h.quelleDatei = s.vonEiner;
    h.verbinden = t.code == 250 ? s.zuEinerVerb : s.zuVielenVerb;
    h.anzahl = s.anzahl;
    h.auswahl = s.herstAuswahl;
    h.auswahlVor = s.auswahlVor;
    h.auswahlNach = s.auswahlNach;
    t.liste = ListenFelder{s.listeVor, s.listeZeilen, s.listeNach};
    t.nummer = NummerFelder{s.nummerVor, s.nummerStart, s.nummerDiff, s.nummerNach};
    t.formel = s.matrixFormel;
    t.nrUnterverz = s.zusatzNrUnterverz.zaehlt();
    return t;
}

} // namespace

QList<WortlautZeile> PositionsTabelle(int nummer)
{
    const QList<WortlautZeile> von{{QStringLiteral("dem"), true, true},
                                   {QStringLiteral("dem letzten"), true, true}};
    QList<WortlautZeile> bis = von;
    bis.append({QStringLiteral("dem nächsten"), true, true});
    const QList<WortlautZeile> jedes{{QStringLiteral("jedes"), false, false},
                                     {QStringLiteral("jedes"), true, true},
                                     {QStringLiteral("jedes letzte"), true, true}};
    const QList<WortlautZeile> das{{QStringLiteral("das"), true, true},
                                   {QStringLiteral("das letzte"), true, true}};
    switch (nummer) {
    case 1:
    case 6:
        return von;
    case 2:
    case 7:
        return bis;
    case 3:
        return das + jedes;
    case 4:
        return das +
               QList<WortlautZeile>{{QStringLiteral("die ersten"), true, false},
                                    {QStringLiteral("die letzten"), true, false},
                                    {QStringLiteral("alles vor dem"), true, true},
                                    {QStringLiteral("alles hinter dem"), true, true}} +
               jedes;
    case 5:
        return das +
               QList<WortlautZeile>{{QStringLiteral("das nächste"), true, false},
                                    {QStringLiteral("das vorige"), true, false}} +
               jedes;
    default:
        return {};
    }
}

Stellenangabe StellenangabeAusWahl(const StellenWahl &w, StellenBlock block,
                                   const std::array<BenutzerWort, 6> &woerter)
{
    Stellenangabe s;
    s.anker = w.anker == 1 ? Anker::Vor : w.anker == 2 ? Anker::Hinter : Anker::Genau;
    const Wortlaut *wl = (w.zeile >= 1 && w.zeile <= w.zeilen.size())
                             ? wortlautSuchen(block, w.zeilen.at(w.zeile - 1))
                             : nullptr;
    s.art = wl ? wl->art : 0;
    s.anzahl = (wl && wl->vorzeichen < 0) ? -qint64(w.zahl) : qint64(w.zahl);
    s.gruppe = w.gruppe;
    if (w.gruppe == 1 || w.gruppe == 10) {
        const BenutzerWort &b = wortImPlatz(woerter, w.wortPlatz);
        s.wort = b.text;
        s.gross = b.gross == u"J" ? QStringLiteral("J") : QStringLiteral("N");
    }
    return s;
}

QString ZeitWertAusFeldern(const QString &jahr, const QString &monat, const QString &tag,
                           const QString &stunde, const QString &minute, const QString &sekunde,
                           bool leerErlaubt)
{
    return zeitTeil(jahr, 4, 1980, 2200, leerErlaubt) + zeitTeil(monat, 2, 1, 12, leerErlaubt) +
           zeitTeil(tag, 2, 1, 31, leerErlaubt) + u'_' + zeitTeil(stunde, 2, 0, 23, leerErlaubt) +
           zeitTeil(minute, 2, 0, 59, leerErlaubt) + zeitTeil(sekunde, 2, 0, 59, leerErlaubt) +
           QStringLiteral("_000");
}

AktionsCode AendernAktionsCode(const AendernSeite &s)
{
    const QString &o = s.oben;
    if (o == u"Zeichen hinzufügen")
        return nachText(s.unten6, {{u"Zeichen oder Wörter", 215},
                                   {u"fortlaufende Nummern", 213},
                                   {u"verschachtelte Nummern", 214},
                                   {u"Wörter aus einer Liste", 212},
                                   {u"auffüllende Zeichen", 219},
                                   {u"was anderes", 211}});
    if (o == u"Zeichen entfernen")
        return 208;
    if (o == u"Zeichen behalten")
        return 207;
    if (o == u"Zeichen ersetzen")
        return nachText(s.unten6, {{u"Zeichen oder Wörter", 225},
                                   {u"fortlaufende Nummern", 223},
                                   {u"verschachtelte Nummern", 224},
                                   {u"Wörter aus einer Liste", 222},
                                   {u"Aufzählungs-Zeichen", 229},
                                   {u"was anderes", 221}});
    if (o == u"Zeichen umordnen")
        return nachText(s.unten4,
                        {{u"umdrehen", 231}, {u"tauschen", 234}, {u"verschieben", 232}, {u"kopieren", 233}});
    if (o == u"die Attibute ändern")
        return 205;
    if (o == u"die Zeiten ändern") {
        const int art = nachText(s.untenZeit, {{u"einer bestimmten Zeit", 2},
                                               {u"nummerierten Zeiten", 1},
                                               {u"einem Zeit-Unterschied", 3},
                                               {u"Zeit-Kopien", 4}});
        if (art == 0)
            return 0;
        const int ziel = s.zeitZielH ? 12 : s.zeitZielZ ? 13 : 11;
        return ziel * 10 + art;
    }
    if (o == u"die Namen frei bearbeiten")
        return 209;
    return 0;
}

AktionsCode HerstellenAktionsCode(const HerstellenSeite &s)
{
    if (s.oben == u"eine große zusammengesetzte Datei")
        return 250;
    if (s.oben == u"mehrere zusammengesetzte Dateien")
        return 249;
    const int familie = nachText(s.oben, {{u"Kopien von allen ausgewählten Dateien", 27},
                                          {u"Kopien von einer bestimmten Datei", 25},
                                          {u"neue Verzeichnisse, die leer sind", 29},
                                          {u"neue Dateien, die leer sind", 28},
                                          {u"kleinere Teile von einer großen Datei", 26}});
    const int y = nachText(s.unten4, {{u"die ausgewählten Namen/Formate", 1},
                                      {u"fortlaufende Nummern", 3},
                                      {u"verschachtelte Nummern", 4},
                                      {u"Wörter aus einer Liste", 2}});
    return (familie == 0 || y == 0) ? 0 : familie * 10 + y;
}

AktionsCode RegelnAktionsCode(const QString &code)
{
    const QStringList f = code.split(u'\t');
    QString ziffern;
    for (QChar c : f.value(1))
        if (c >= u'0' && c <= u'9')
            ziffern.append(c);
    return AktionsCode(std::min<qint64>(IniZahl(ziffern), std::numeric_limits<int>::max()));
}

AktionsCode AktionsCodeDerSeite(const SeitenAuswahl &a)
{
    switch (a.seite) {
    case RegelSeite::Aendern:
        return AendernAktionsCode(a.aendern);
    case RegelSeite::Herstellen:
        return HerstellenAktionsCode(a.herstellen);
    case RegelSeite::Regeln:
        return a.regeln.gewaehlt < 0 ? 0 : RegelnAktionsCode(a.regeln.code);
    }
    return 0;
}

QString AuswahlTextDerSeite(const SeitenAuswahl &a)
{
    switch (a.seite) {
    case RegelSeite::Aendern:
        if (a.aendern.oben == u"die Zeiten ändern")
            return a.aendern.oben + (a.aendern.zeitZielH   ? QStringLiteral(" (Herstellung)")
                                     : a.aendern.zeitZielZ ? QStringLiteral(" (Zugriff)")
                                                           : QStringLiteral(" (Änderung)"));
        return a.aendern.oben;
    case RegelSeite::Herstellen:
        return a.herstellen.oben;
    case RegelSeite::Regeln:
        return a.regeln.beschreibung;
    }
    return QString();
}

Regel RegelDerSeite(const SeitenAuswahl &a)
{
    switch (a.seite) {
    case RegelSeite::Aendern:
        return eineTeilRegel(aendernTeilRegel(a.aendern, a.woerter));
    case RegelSeite::Herstellen:
        return eineTeilRegel(herstellenTeilRegel(a.herstellen));
    case RegelSeite::Regeln:
        return RegelLesen(a.regeln.code).regel;
    }
    return Regel();
}

QString RegelCodeDerSeite(const SeitenAuswahl &a)
{
    if (a.seite == RegelSeite::Regeln)
        return a.regeln.gewaehlt < 0 ? QString() : a.regeln.code;
    return RegelSchreiben(RegelDerSeite(a));
}

} // namespace rinolux
