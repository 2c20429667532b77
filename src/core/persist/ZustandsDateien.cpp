#include "core/persist/ZustandsDateien.h"

#include "core/persist/IniDatei.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_DateiText.h"

#include <QDir>

#include <algorithm>
#include <limits>

namespace rinolux {

namespace {

IniTextEintrag text(IniArt art, const char16_t *name, const QString &standard = QString())
{
    IniTextEintrag e;
    e.art = art;
    e.name = QString::fromUtf16(name);
    e.standard = standard;
    IniStandardSetzen(e);
    return e;
}

IniTextEintrag edit(const char16_t *name, const QString &standard = QString())
{
    return text(IniArt::Edit, name, standard);
}

IniTextEintrag reserviert()
{
    return text(IniArt::Sonstiges, u"");
}

IniFlagEintrag flag(const char16_t *name, qint64 standard)
{
    IniFlagEintrag f;
    const QString n = QString::fromUtf16(name);
    f.art = n.startsWith(u"Co") || n.startsWith(u"Li") ? IniArt::Liste : IniArt::CheckBox;
    f.name = n;
    f.standard = standard;
    f.wert = standard;
    return f;
}

IniFlagEintrag flagReserviert()
{
    IniFlagEintrag f;
    f.art = IniArt::Sonstiges;
    return f;
}

// A directory of this system standing for the system drive of the other one.
QString wurzel()
{
    return QDir::rootPath();
}

template <class E>
E *suchen(QList<E> &liste, QStringView name)
{
    if (name.isEmpty())
        return nullptr;
    for (E &e : liste)
        if (e.name == name)
            return &e;
    return nullptr;
}

int alsInt(qint64 w)
{
    return int(std::clamp<qint64>(w, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool hatZiffer(const QString &s)
{
    return std::any_of(s.cbegin(), s.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QStringList StandardAutoAuswahlZeilen()
{
    return {
        QStringLiteral("alle Lieder / *.aiff / *.au / *.flac / *.mid / *.mp2 / *.mp3 / *.ogg / *.wav / *.wma"),
        QStringLiteral("alle Bilder / *.bmp / *.gif / *.ico / *.jpeg / *.jpg / *.png / *.webp"),
        QStringLiteral("alle Texte / *.txt / *.html / *.htm / *.shtml / *.shtm / *.sht / *.xhtml / *.xhtm / *.xht"),
        QStringLiteral("alle Videos / *.3gp* / *.avi / *.divx / *.flv / *.mkv / *.mov / *.mp4 / *.mpe* / *.mpg / *.vob "
                       "/ *.wmv / *.webm"),
        QStringLiteral("alle Zip oder Rar / *.zip / *.7z / *.rar / *.r?? / *.rev"),
        QStringLiteral("alle mit Zahl / Z"),
        QStringLiteral("alle ohne Zahl / z"),
        QStringLiteral("alle mit Leerzeichen / L"),
        QStringLiteral("alle ohne Leerzeichen / l"),
        QStringLiteral("alle mit Sonderzeichen / S"),
        QStringLiteral("alle ohne Sonderzeichen / s"),
        QStringLiteral("alle mit Buchstabe / B"),
        QStringLiteral("alle ohne Buchstabe / b"),
        QStringLiteral("alle mit Groß-Buchstabe / G"),
        QStringLiteral("alle ohne Groß-Buchstabe / g"),
        QStringLiteral("alle mit Klein-Buchstabe / K"),
        QStringLiteral("alle ohne Klein-Buchstabe / k"),
        QStringLiteral("die ersten 10 / 10"),
        QStringLiteral("die ersten 100 / 100"),
        QStringLiteral("die ersten 1.000 / 1000"),
        QStringLiteral("die ersten 10.000 / 10000"),
        QStringLiteral("die letzten 10 / -10"),
        QStringLiteral("die letzten 100 / -100"),
        QStringLiteral("die letzten 1.000 / -1000"),
        QStringLiteral("die letzten 10.000 / -10000"),
    };
}

ZustandsDatei ZustandsDatei::VorStart(const QRect &flaeche)
{
    ZustandsDatei d;
    const QRect mitte(flaeche.left() + (flaeche.width() - FensterMindestBreite) / 2,
                      flaeche.top() + (flaeche.height() - FensterMindestHoehe) / 2, FensterMindestBreite,
                      FensterMindestHoehe);
    d.m_texte = {
        text(IniArt::Label, u"IniFenster", FensterZeile(mitte, 1)),
        text(IniArt::Label, u"IniVerzeichnis", wurzel()),
        text(IniArt::Label, u"IniZaehler", QStringLiteral("0\t0\t0")),
        text(IniArt::Label, u"IniFarben", QStringLiteral("E31+\t13689072\t14729424")),
        edit(u"EdStartVerzBenutzer"),
        edit(u"EdMaxRueck", QStringLiteral("50")),
        edit(u"EdMaxMerk", QStringLiteral("500")),
        edit(u"EdMaxSuch", QStringLiteral("50")),
    };
    d.m_flags = {
        flag(u"CheBatch", 0),          flag(u"CheParentColor", 1),      flag(u"CheVerschNr", 0),
        flag(u"RaStartVerzLetzt", 1),  flag(u"RaStartVerzBenutzer", 0), flag(u"RaRahmen0", 0),
        flag(u"RaRahmen1", 1),         flag(u"RaRahmen2", 0),           flag(u"RaRahmen3", 0),
        flag(u"CheStartVerzAufklappen", 0), flag(u"CheBildBeiStart", 1), flag(u"CheBaumNetzwerk", 0),
    };
    return d;
}

ZustandsDatei ZustandsDatei::HinterStart()
{
    ZustandsDatei d;
    const QString neunMalEins = QStringLiteral("1\t1\t1\t1\t1\t1\t1\t1\t1");
    d.m_texte = {
        text(IniArt::Label, u"IniSortierung", QStringLiteral("1")),
        reserviert(),
        text(IniArt::Label, u"IniAutoAuswahl", QStringLiteral("1")),
        text(IniArt::Memo, u"RiEinstAutomark", StandardAutoAuswahlZeilen().join(u'\t')),
        text(IniArt::Label, u"IniWortListen", QStringLiteral("abc1\txyz200\tzwei|Wörter")),
        text(IniArt::Label, u"IniWortGross", QStringLiteral("NNN")),
        text(IniArt::Label, u"IniWortNummern", neunMalEins),
        text(IniArt::Label, u"IniPositionen", QStringLiteral("1001\t2001\t1001\t7001\t1001\t1001\t2001")),
        reserviert(),
        // 10-36
        edit(u"EdSuchMit", QStringLiteral("*")),
        edit(u"EdSuchOhne"),
        edit(u"EdNummerVor"),
        edit(u"EdNummerStart", QStringLiteral("1")),
        edit(u"EdNummerDiff", QStringLiteral("1")),
        edit(u"EdNummerNach"),
        edit(u"EdListeVorAendern"),
        edit(u"EdListeNachAendern"),
        edit(u"EdMatrixFormel"),
        edit(u"EdHerstVonEiner"),
        edit(u"EdHerstZuEinerVerb"),
        edit(u"EdListeVorHerst"),
        edit(u"EdListeNachHerst"),
        edit(u"EdHerstAnzahl"),
        edit(u"EdHerstAuswahlVor"),
        edit(u"EdHerstAuswahlNach"),
        edit(u"EdFilterAlt", QStringLiteral("Ä|Ö|Ü|ä|ö|ü|ß")),
        edit(u"EdFilterNeu", QStringLiteral("Ae|Oe|Ue|ae|oe|ue|ss")),
        edit(u"EdAuffuellen", QStringLiteral("0123456789")),
        edit(u"EdHerstWo"),
        edit(u"EdZeitJ"),
        edit(u"EdZeitM"),
        edit(u"EdZeitT"),
        edit(u"EdZeitU"),
        edit(u"EdZeitI"),
        edit(u"EdZeitE"),
        edit(u"EdZeitDiff"),
        // 37-48
        edit(u"EdEProP1", QStringLiteral("/usr/bin/gedit")),
        edit(u"EdEProN1", QStringLiteral("&Text-Programm")),
        edit(u"EdEProP2"),
        edit(u"EdEProN2", QStringLiteral("&Grafik-Programm")),
        edit(u"EdEProP3"),
        edit(u"EdEProN3", QStringLiteral("&Musik-Programm")),
        edit(u"EdEProP4"),
        edit(u"EdEProN4", QStringLiteral("&HTML-Programm")),
        edit(u"EdEProP5"),
        edit(u"EdEProN5", QStringLiteral("&Film-Programm")),
        edit(u"EdEProP6"),
        edit(u"EdEProN6", QStringLiteral("&Datei-Programm")),
        // 49-60
        edit(u"EdSuchDatumVonTagH"),
        edit(u"EdSuchDatumVonMonatH"),
        edit(u"EdSuchDatumVonJahrH"),
        edit(u"EdSuchDatumBisTagH"),
        edit(u"EdSuchDatumBisMonatH"),
        edit(u"EdSuchDatumBisJahrH"),
        edit(u"EdSuchDatumVonTagA"),
        edit(u"EdSuchDatumVonMonatA"),
        edit(u"EdSuchDatumVonJahrA"),
        edit(u"EdSuchDatumBisTagA"),
        edit(u"EdSuchDatumBisMonatA"),
        edit(u"EdSuchDatumBisJahrA"),
        // 61-66
        text(IniArt::Strings, u"IniListensuche"),
        text(IniArt::Memo, u"RiEinstMerkliste"),
        text(IniArt::Strings, u"IniListeAendern"),
        text(IniArt::Strings, u"IniListeHerst"),
        text(IniArt::Memo, u"RiESprung"),
        text(IniArt::Strings, u"IniFrei"),
        // 67-70
        edit(u"EdSuchBytesVon"),
        edit(u"EdSuchBytesBis"),
        edit(u"EdEVorschauSekunden", QStringLiteral("3")),
        edit(u"EdEVorschauAnzahl", QStringLiteral("500")),
        // 71-72
        reserviert(),
        reserviert(),
        // 73-76
        edit(u"EdHerstZuVielenVerb"),
        edit(u"EdKopieren", wurzel()),
        edit(u"EdHinzu"),
        edit(u"EdEersetzen"),
        // 77-82
        edit(u"EdSuchDatumVonTagZ"),
        edit(u"EdSuchDatumVonMonatZ"),
        edit(u"EdSuchDatumVonJahrZ"),
        edit(u"EdSuchDatumBisTagZ"),
        edit(u"EdSuchDatumBisMonatZ"),
        edit(u"EdSuchDatumBisJahrZ"),
        // 83-85
        text(IniArt::Array, u"IniBaumFilter"),
        text(IniArt::Array, u"IniBaumZuletzt", wurzel()),
        text(IniArt::Label, u"IniLayout", QStringLiteral("C")),
    };
    struct F
    {
        const char16_t *name;
        qint64 standard;
    };
    static const F flags[] = {
        {u"CoTauschenVonWas", 0}, {u"CoTauschenBisWas", 0}, {u"CoVonGruppe", 0}, {u"CoVonGVH", 0},
        {u"CoAendernNameFormat", 1}, {u"CoTauschenVonGVH", 0}, {u"CoTauschenBisGVH", 0}, {u"CoBisGruppe", 0},
        {u"CoBisGVH", 0}, {u"CoReihenfolge", 0}, {u"CoTeilstueckWas", 0}, {u"CoTauschenLR", 0},
        {u"CoNachGruppe", 0}, {u"CoNachVH", 0}, {u"CoAuffuellen", 0}, {u"CoErsetzen", 0},
        {u"CoHerstAuswahl", 0}, {u"CoLinksRechts", 0}, {u"CoHinzu", 0}, {u"CoHinWas", 0},
        {u"CoHinVH", 0}, {u"CheAuswahlV", 1}, {u"CheAuswahlD", 1}, {u"CheVorschauSchalter", 0},
        {u"CheSuchAttribute", 0}, {u"CheSuchDatumH", 0}, {u"CheSuchDatumA", 0}, {u"CheSuchBytes", 0},
        {u"CheZusatzDavor", 0}, {u"CheZusatzDahinter", 0}, {u"CheZusatzNrUnterverz", 0},
        {u"CheZusatzWiederholen", 0}, {nullptr, 0}, {u"CheEDoppelklick", 0}, {u"CheSicherheitsfrage", 1},
        {u"CheEVorschauAnzahl", 0}, {nullptr, 0}, {u"CheWackel", 1}, {u"CheGeheim", 0},
        {u"CheTeilstueckVerbinden", 0}, {u"CheESprungAuto", 1}, {u"RaSuchVerzAlle", 1},
        {u"RaSuchVerzNurVolle", 0}, {u"RaSuchVerzNurLeere", 0}, {nullptr, 0}, {u"CheHilfe", 0},
        {u"RaAttHE", 1}, {u"RaAttHJ", 0}, {u"RaAttHN", 0}, {u"RaAttRE", 1}, {u"RaAttRJ", 0}, {u"RaAttRN", 0},
        {u"RaAttSE", 1}, {u"RaAttSJ", 0}, {u"RaAttSN", 0}, {u"RaAttAE", 1}, {u"RaAttAJ", 0}, {u"RaAttAN", 0},
        {u"RaZeit1", 0}, {u"RaZeit2", 0}, {u"RaZeit3", 0}, {u"RaZeit4", 0}, {u"RaZeit5", 0}, {u"RaZeit6", 1},
        {u"RaZeitZielH", 1}, {u"RaZeitZielZ", 0}, {u"RaZeitZielA", 0}, {u"RaSuchAttJaH", 0},
        {u"RaSuchAttNeinH", 0}, {u"RaSuchAttEgalH", 1}, {u"RaSuchAttJaR", 0}, {u"RaSuchAttNeinR", 0},
        {u"RaSuchAttEgalR", 1}, {u"RaSuchAttJaS", 0}, {u"RaSuchAttNeinS", 0}, {u"RaSuchAttEgalS", 1},
        {u"RaSuchAttJaA", 0}, {u"RaSuchAttNeinA", 0}, {u"RaSuchAttEgalA", 1}, {u"RaHerstWoWieEdit", 1},
        {u"RaHerstWoQuellpfad", 0}, {u"RaHerstWoWieName", 0}, {u"RaHerstWoLang", 0}, {u"RaHerstWoKurz", 0},
        {u"LiAendOben", 0}, {u"LiAendUnten4", 0}, {u"LiAendUnten6", 0}, {u"LiHerstOben", 0},
        {u"LiHerstUnten4", 0}, {u"LiRegelAktion", 0}, {u"RaEVorschau1", 0}, {u"RaEVorschau2", 0},
        {u"RaEVorschau3", 1}, {u"RaEAutoVervollAuto", 0}, {u"RaEAutoVervollTaste", 1}, {u"RaEAutoVervoll0", 0},
        {u"CheSuchDatumZ", 0}, {u"RaSuchAttJaC", 0}, {u"RaSuchAttNeinC", 0}, {u"RaSuchAttEgalC", 1},
        {u"LiAendUntenZeit", 0}, {u"RaZeitQuelleH", 1}, {u"RaZeitQuelleZ", 0}, {u"RaZeitQuelleA", 0},
        {u"CheVerzStruktur", 1}, {u"CheLKVRueck", 0},
    };
    for (const F &f : flags)
        d.m_flags.append(f.name ? flag(f.name, f.standard) : flagReserviert());
    return d;
}

IniTextEintrag *ZustandsDatei::TextEintrag(QStringView name) { return suchen(m_texte, name); }
const IniTextEintrag *ZustandsDatei::TextEintrag(QStringView name) const
{
    return suchen(const_cast<QList<IniTextEintrag> &>(m_texte), name);
}
IniFlagEintrag *ZustandsDatei::FlagEintrag(QStringView name) { return suchen(m_flags, name); }
const IniFlagEintrag *ZustandsDatei::FlagEintrag(QStringView name) const
{
    return suchen(const_cast<QList<IniFlagEintrag> &>(m_flags), name);
}

QString ZustandsDatei::Text(QStringView name) const
{
    const IniTextEintrag *e = TextEintrag(name);
    return e ? e->text : QString();
}

QStringList ZustandsDatei::Liste(QStringView name) const
{
    const IniTextEintrag *e = TextEintrag(name);
    return e ? e->eintraege : QStringList();
}

qint64 ZustandsDatei::Flag(QStringView name, qint64 ersatz) const
{
    const IniFlagEintrag *f = FlagEintrag(name);
    return f ? f->wert : ersatz;
}

bool ZustandsDatei::TextSetzen(QStringView name, const QString &t)
{
    IniTextEintrag *e = TextEintrag(name);
    if (e)
        e->text = t;
    return e != nullptr;
}

bool ZustandsDatei::ListeSetzen(QStringView name, const QStringList &eintraege)
{
    IniTextEintrag *e = TextEintrag(name);
    if (e)
        e->eintraege = eintraege;
    return e != nullptr;
}

bool ZustandsDatei::FlagSetzen(QStringView name, qint64 wert)
{
    IniFlagEintrag *f = FlagEintrag(name);
    if (f)
        f->wert = wert;
    return f != nullptr;
}

Ergebnis ZustandsDatei::Lesen(const QString &pfad)
{
    const Ergebnis e = IniControlsLesen(pfad, m_texte, m_flags);
    m_unlesbar = !e.ok();
    return e;
}

Ergebnis ZustandsDatei::Schreiben(const QString &pfad) const
{
    if (m_unlesbar)
        return Ergebnis::Fehler(0, QStringLiteral("Die Datei konnte beim Start nicht gelesen werden und wird deshalb "
                                                  "nicht überschrieben."));
    return IniControlsSchreiben(pfad, m_texte, m_flags);
}

QString ZustandVorStartPfad() { return ProgPfad + QStringLiteral("Rinol_CVS.cfg"); }
QString ZustandHinterStartPfad() { return ProgPfad + QStringLiteral("Rinol_CHS.cfg"); }
QString NotizLinksPfad() { return ProgPfad + QStringLiteral("Rinol_TextLinks.txt"); }
QString NotizRechtsPfad() { return ProgPfad + QStringLiteral("Rinol_TextRechts.txt"); }

QRect FensterKorrigieren(QRect f, const QRect &flaeche)
{
    const int breite = std::min(std::max(f.width(), FensterMindestBreite), flaeche.width());
    const int hoehe = std::min(std::max(f.height(), FensterMindestHoehe), flaeche.height());
    f.setSize(QSize(breite, hoehe));
    int x = std::min(f.left(), flaeche.left() + flaeche.width() - breite);
    int y = std::min(f.top(), flaeche.top() + flaeche.height() - hoehe);
    x = std::max(x, flaeche.left());
    y = std::max(y, flaeche.top());
    f.moveTo(x, y);
    return f;
}

QRect FensterAusZeile(const QString &zeile, const QRect &flaeche)
{
    const QStringList felder = zeile.split(u'\t');
    const QRect mitte(flaeche.left() + (flaeche.width() - FensterMindestBreite) / 2,
                      flaeche.top() + (flaeche.height() - FensterMindestHoehe) / 2, FensterMindestBreite,
                      FensterMindestHoehe);
    if (felder.size() < 4 || !std::all_of(felder.cbegin(), felder.cbegin() + 4, hatZiffer))
        return FensterKorrigieren(mitte, flaeche);
    const QRect f(std::max(0, alsInt(IniZahl(felder[0]))), std::max(0, alsInt(IniZahl(felder[1]))),
                  alsInt(std::clamp<qint64>(IniZahl(felder[2]), 0, flaeche.width())),
                  alsInt(std::clamp<qint64>(IniZahl(felder[3]), 0, flaeche.height())));
    return FensterKorrigieren(f, flaeche);
}

QString FensterZeile(const QRect &f, int stil)
{
    return QStringList{QString::number(f.left()), QString::number(f.top()), QString::number(f.width()),
                       QString::number(f.height()), QString::number(stil)}
        .join(u'\t');
}

int SymbolStilAusZeile(const QString &zeile)
{
    const QStringList felder = zeile.split(u'\t');
    if (felder.size() < 5)
        return 1;
    const QString &s = felder[4];
    if (s == u"0" || s == u"2" || s == u"3")
        return s.toInt();
    return 1;
}

Zaehler ZaehlerAusZeile(const QString &zeile)
{
    const QStringList felder = zeile.split(u'\t');
    Zaehler z;
    if (felder.size() > 1)
        z.bildschirmMeldung = std::max(0, alsInt(IniZahl(felder[1])));
    if (felder.size() > 2)
        z.hilfeKlick = std::max(0, alsInt(IniZahl(felder[2])));
    return z;
}

QString ZaehlerZeile(const Zaehler &z)
{
    return QStringLiteral("0\t") + QString::number(z.bildschirmMeldung) + u'\t' + QString::number(z.hilfeKlick);
}

FarbWahl FarbenAusZeile(const QString &zeile)
{
    FarbWahl f;
    const QStringList felder = zeile.split(u'\t');
    if (felder.value(0) != u"F")
        return f;
    const QString s = felder.value(1);
    f.schema = s == u"1" || s == u"B" || s == u"C" || s == u"W" ? s.at(0) : QChar(u'2');
    auto farbe = [](const QString &feld) -> qint64 {
        const qint64 z = IniZahl(feld);
        return hatZiffer(feld) && z >= 0 && z <= 0xFFFFFF ? z : -1;
    };
    f.farbe1 = farbe(felder.value(2));
    f.farbe2 = farbe(felder.value(3));
    return f;
}

QString FarbenZeile(const FarbWahl &f)
{
    auto zahl = [](qint64 c) { return c >= 0 ? QString::number(c) : QString(); };
    return QStringLiteral("F\t") + f.schema + u'\t' + zahl(f.farbe1) + u'\t' + zahl(f.farbe2);
}

int GrenzeWert(const QString &text, int maximum, int ersatz)
{
    if (!hatZiffer(text))
        return std::clamp(ersatz, 0, maximum);
    return int(std::clamp<qint64>(IniZahl(text), 0, maximum));
}

QString GrenzeKlemmen(const QString &text, int maximum, int ersatz)
{
    return QString::number(GrenzeWert(text, maximum, ersatz));
}

int FeldZahl(const QString &text)
{
    return alsInt(IniZahl(text));
}

QStringList LayoutUmwandeln(const QStringList &alt, const QStringList &sListe, const QStringList &vListe)
{
    if (alt.value(0) != u"B" || alt.size() <= 16)
        return alt;
    QStringList neu{QStringLiteral("C")};
    for (int i = 2; i <= 9; ++i)
        neu << alt.value(i - 1);
    for (int i = 14; i <= 17; ++i)
        neu << alt.value(i - 1);
    neu << sListe.value(0) << sListe.value(1);
    neu << alt.value(10) << alt.value(11);
    neu << vListe.value(0) << vListe.value(1) << vListe.value(2);
    return neu;
}

QString NotizLesen(const QString &pfad)
{
    const ErgebnisWert<QByteArray> bytes = nxDateiBytesGanzLesen(pfad);
    if (!bytes)
        return QString();
    QString t = nxTextAusDatei(*bytes);
    if (t.endsWith(QStringLiteral("\r\n")))
        t.chop(2);
    else if (t.endsWith(u'\n'))
        t.chop(1);
    // Inside the program notes have CR LF line ends, like every multi-line field.
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\n', QStringLiteral("\r\n"));
    return t;
}

Ergebnis NotizSchreiben(const QString &pfad, const QString &text, bool gefuellt)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QByteArray bytes;
    if (gefuellt) {
        if (!t.isEmpty())
            for (const QString &z : t.split(u'\n'))
                bytes += z.toUtf8() + "\r\n";
    } else {
        bytes = t.replace(u'\n', QStringLiteral("\r\n")).toUtf8() + "\r\n";
    }
    return nxDateiBytesSchreiben(pfad, bytes);
}

int TextZeilenAnzahl(const QString &text)
{
    if (text.isEmpty())
        return 0;
    return int(std::min<qsizetype>(text.count(u'\n') + 1, std::numeric_limits<int>::max()));
}

} // namespace rinolux
