#include "core/engine/RegelCode.h"

#include <limits>
#include <optional>

namespace rinolux {

namespace {

bool zwischen(AktionsCode c, AktionsCode von, AktionsCode bis)
{
    return c >= von && c <= bis;
}

bool istListenCode(AktionsCode c)
{
    return c == 212 || c == 222;
}
bool istNummerCode(AktionsCode c)
{
    return c == 213 || c == 223;
}
bool istMatrixCode(AktionsCode c)
{
    return c == 214 || c == 224;
}

// Letters of "was anderes" (211 offers fewer than 221).
const QString kHinzuBuchstaben = QStringLiteral("wvh&nfb\u00D6\u00F6o\u00C4\u00E4a%$ ");
const QString kErsetzenBuchstaben = kHinzuBuchstaben + QStringLiteral("+-gku");

// Numbers in a record are written without leading zeros and without "+"; anything else in
// a number field means the record was not written by this writer.
std::optional<qint64> kanonischeZahl(QStringView s)
{
    const bool negativ = s.startsWith(u'-');
    const QStringView ziffern = negativ ? s.mid(1) : s;
    if (ziffern.isEmpty() || ziffern.size() > 19)
        return std::nullopt;
    for (QChar c : ziffern)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    if (ziffern.size() > 1 && ziffern.front() == u'0')
        return std::nullopt;
    if (negativ && ziffern == u"0")
        return std::nullopt;
    bool ok = false;
    const qint64 wert = s.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return wert;
}

// Walks the fields of one record. The first failure sticks: later reads return defaults and
// the reason of the first failure is reported.
class FeldLeser final
{
public:
    explicit FeldLeser(const QStringList &felder) : m_f(felder) {}

    bool ok() const { return m_grund.isEmpty(); }
    bool amEnde() const { return m_i >= m_f.size(); }
    int feldNummer() const { return m_fehlerFeld; }
    const QString &grund() const { return m_grund; }
    int position() const { return m_i; }

    void fehler(const QString &grund, int index)
    {
        if (!ok())
            return;
        m_grund = grund;
        m_fehlerFeld = index + 1;
    }

    std::optional<QString> naechstes()
    {
        if (!ok())
            return std::nullopt;
        if (m_i >= m_f.size()) {
            fehler(QStringLiteral("Die Regel endet zu früh."), m_i);
            return std::nullopt;
        }
        return m_f.at(m_i++);
    }

    void text(QString &ziel)
    {
        if (auto s = naechstes())
            ziel = *s;
    }

    std::optional<qint64> zahl(qint64 min, qint64 max)
    {
        auto s = naechstes();
        if (!s)
            return std::nullopt;
        const auto wert = kanonischeZahl(*s);
        if (!wert || *wert < min || *wert > max) {
            fehler(QStringLiteral("Feld ist keine gültige Zahl: \"%1\"").arg(*s), m_i - 1);
            return std::nullopt;
        }
        return wert;
    }

    void zahl(int &ziel, int min, int max)
    {
        if (auto w = zahl(qint64(min), qint64(max)))
            ziel = int(*w);
    }
    void zahl(qint64 &ziel)
    {
        if (auto w = zahl(std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()))
            ziel = *w;
    }

    // One field holding exactly one of the allowed letters.
    std::optional<QChar> buchstabe(QStringView erlaubt)
    {
        auto s = naechstes();
        if (!s)
            return std::nullopt;
        if (s->size() != 1 || !erlaubt.contains(s->front())) {
            fehler(QStringLiteral("unerwarteter Buchstabe: \"%1\"").arg(*s), m_i - 1);
            return std::nullopt;
        }
        return s->front();
    }

    void buchstabe(QChar &ziel, QStringView erlaubt)
    {
        if (auto c = buchstabe(erlaubt))
            ziel = *c;
    }

    void jn(bool &ziel)
    {
        if (auto c = buchstabe(u"JN"))
            ziel = *c == u'J';
    }

    template <typename E> void wahl(E &ziel, QStringView erlaubt)
    {
        if (auto c = buchstabe(erlaubt))
            ziel = E(c->unicode());
    }

    void grossFlag(QString &ziel)
    {
        auto s = naechstes();
        if (!s)
            return;
        if (!s->isEmpty() && *s != u"J" && *s != u"N") {
            fehler(QStringLiteral("unerwartetes Groß-Klein-Zeichen: \"%1\"").arg(*s), m_i - 1);
            return;
        }
        ziel = *s;
    }

    // A count followed by that many lines.
    void zeilen(QStringList &ziel)
    {
        const auto n = zahl(0, std::numeric_limits<qint64>::max());
        if (!n)
            return;
        if (*n > m_f.size() - m_i) {
            fehler(QStringLiteral("Die Regel hat weniger Zeilen als angegeben."), m_i - 1);
            return;
        }
        ziel = m_f.mid(m_i, int(*n));
        m_i += int(*n);
    }

    void zeitWert(QString &ziel)
    {
        auto s = naechstes();
        if (!s)
            return;
        // Blanks, "-1" and "-001" are allowed as parts; the layout itself must hold.
        if (s->size() != 19 || s->at(8) != u'_' || s->at(15) != u'_') {
            fehler(QStringLiteral("Zeitwert hat nicht die Form JJJJMMTT_hhmmss_000: \"%1\"").arg(*s),
                   m_i - 1);
            return;
        }
        ziel = *s;
    }

    void ende()
    {
        auto s = naechstes();
        if (s && *s != u"ENDE")
            fehler(QStringLiteral("ENDE erwartet, gefunden: \"%1\"").arg(*s), m_i - 1);
    }

private:
    const QStringList &m_f;
    int m_i = 0;
    int m_fehlerFeld = 0;
    QString m_grund;
};

// Collects the fields of a record in writing order.
class FeldSchreiber final
{
public:
    QStringList felder;

    void text(const QString &s) { felder.append(RegelFeldText(s)); }
    void zahl(qint64 wert) { felder.append(QString::number(wert)); }
    void zahl(int wert, int, int) { felder.append(QString::number(wert)); }
    void buchstabe(QChar c, QStringView)
    {
        felder.append(c.isNull() ? QString() : RegelFeldText(QString(c)));
    }
    void jn(bool b) { felder.append(b ? QStringLiteral("J") : QStringLiteral("N")); }
    template <typename E> void wahl(E e, QStringView) { felder.append(QString(QChar(char16_t(e)))); }
    void grossFlag(const QString &s) { text(s); }
    void zeilen(const QStringList &z)
    {
        zahl(qint64(z.size()));
        for (const QString &s : z)
            text(s);
    }
    void zeitWert(const QString &s) { text(s); }
    void ende() { felder.append(QStringLiteral("ENDE")); }
};

// Reader and writer share one description of the layout, so they cannot drift apart.
// T is TeilRegel for reading and const TeilRegel for writing.

template <typename V, typename S> void stelle(V &v, S &s, bool mitAnker)
{
    if (mitAnker)
        v.wahl(s.anker, u"gvh");
    v.zahl(s.art, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    v.zahl(s.anzahl);
    v.zahl(s.gruppe, 0, 18);
    v.text(s.wort);
    v.grossFlag(s.gross);
}

template <typename V, typename T> void aendernFelder(V &v, T &t)
{
    const AktionsCode c = t.code;
    if (HatBereich(c)) {
        v.zahl(t.namensTeil, 0, 2);
        v.zahl(t.richtung, 0, 1);
    }
    if (HatVonBis(c)) {
        stelle(v, t.von, true);
        stelle(v, t.bis, true);
    }
    if (HatTeilstueck(c))
        stelle(v, t.teilstueck, false);
    if (HatVerbindenFeld(c))
        v.jn(t.verbinden);
    if (HatEinfuegeStelle(c)) {
        v.zahl(t.hinVH, 0, 1);
        stelle(v, t.hinStelle, false);
        v.jn(t.davorLoeschen);
        v.jn(t.dahinterLoeschen);
    }

    if (c == 215 || c == 225) {
        v.buchstabe(t.buchstabe, u"w");
        v.text(t.wert);
    } else if (c == 211 || c == 221) {
        v.buchstabe(t.buchstabe, c == 211 ? kHinzuBuchstaben : kErsetzenBuchstaben);
        v.text(t.wert);
    } else if (istListenCode(c)) {
        v.text(t.liste.vor);
        v.zeilen(t.liste.zeilen);
        v.text(t.liste.nach);
        v.jn(t.wiederholen);
    } else if (istNummerCode(c)) {
        v.text(t.nummer.vor);
        v.text(t.nummer.start);
        v.text(t.nummer.diff);
        v.text(t.nummer.nach);
        v.jn(t.nrUnterverz);
    } else if (istMatrixCode(c)) {
        v.text(t.formel);
        v.jn(t.nrUnterverz);
    } else if (c == 219) {
        v.text(t.auffuellText);
        v.zahl(t.auffuellRichtung, 0, 2);
    } else if (c == 229) {
        v.text(t.filterAlt);
        v.text(t.filterNeu);
    } else if (c == 231) {
        v.zahl(t.reihenfolge, 0, 3);
    } else if (c == 232 || c == 233) {
        v.zahl(t.nachVH, 0, 1);
        stelle(v, t.nachStelle, false);
    } else if (c == 234) {
        v.zahl(t.tauschenLR, 0, 1);
        stelle(v, t.tauschVon, true);
        stelle(v, t.tauschBis, true);
    } else if (c == 209) {
        v.zahl(t.freiNamensTeil, 0, 2);
        v.zeilen(t.freiZeilen);
    } else if (c == 205) {
        for (auto &a : t.attribute)
            v.wahl(a, u"JNX");
    } else if (IstZeitCode(c)) {
        const int art = c % 10;
        if (art == 1 || art == 2)
            v.zeitWert(t.zeit.wert);
        if (art == 1 || art == 3) {
            v.zahl(t.zeit.einheit, 1, 6);
            v.text(t.zeit.diff);
        }
        if (art == 4)
            v.wahl(t.zeit.quelle, u"HAZ");
    }
}

template <typename V, typename T> void herstFelder(V &v, T &t)
{
    const AktionsCode c = t.code;
    const int y = c % 10;
    auto &h = t.herst;
    v.wahl(h.ort, u"QAPX");
    if (h.ort == HerstOrt::Pfad)
        v.text(h.ortPfad);
    if (zwischen(c, 251, 254) || zwischen(c, 261, 264))
        v.text(h.quelleDatei);
    if (c == 250 || c == 249)
        v.text(h.verbinden);
    if (c == 249 || c == 250)
        return;
    if (y == 2) {
        v.text(t.liste.vor);
        v.zeilen(t.liste.zeilen);
        v.text(t.liste.nach);
    }
    if (y == 3) {
        v.text(t.nummer.vor);
        v.text(t.nummer.start);
        v.text(t.nummer.diff);
        v.text(t.nummer.nach);
    }
    if (y == 4)
        v.text(t.formel);
    if (c == 273 || c == 274)
        v.jn(t.nrUnterverz);
    if ((y == 3 || y == 4) && c / 10 != 27)
        v.text(h.anzahl);
    if (y == 1) {
        v.zahl(h.auswahl, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        v.text(h.auswahlVor);
        v.text(h.auswahlNach);
    }
}

template <typename V, typename T> void teilFelder(V &v, T &t)
{
    if (IstHerstellCode(t.code))
        herstFelder(v, t);
    else
        aendernFelder(v, t);
    v.ende();
}

} // namespace

bool IstNamenCode(AktionsCode c)
{
    return c == 207 || c == 208 || c == 209 || zwischen(c, 211, 215) || c == 219 || zwischen(c, 221, 225) ||
           c == 229 || zwischen(c, 231, 234);
}

bool IstAttributCode(AktionsCode c)
{
    return c == 205;
}

bool IstZeitCode(AktionsCode c)
{
    return zwischen(c, 111, 114) || zwischen(c, 121, 124) || zwischen(c, 131, 134);
}

bool IstHerstellCode(AktionsCode c)
{
    return zwischen(c, 249, 254) || zwischen(c, 261, 264) || zwischen(c, 271, 274) || zwischen(c, 281, 284) ||
           zwischen(c, 291, 294);
}

bool IstBekannterCode(AktionsCode c)
{
    return IstNamenCode(c) || IstAttributCode(c) || IstZeitCode(c) || IstHerstellCode(c);
}

bool HatBereich(AktionsCode c)
{
    return IstNamenCode(c) && c != 209;
}

bool HatVonBis(AktionsCode c)
{
    return HatBereich(c) && !zwischen(c, 211, 215);
}

bool HatTeilstueck(AktionsCode c)
{
    return HatVonBis(c) && c != 229 && c != 234;
}

bool HatVerbindenFeld(AktionsCode c)
{
    return c == 219 || zwischen(c, 221, 225);
}

bool HatEinfuegeStelle(AktionsCode c)
{
    return zwischen(c, 211, 215);
}

QString RegelFeldText(const QString &text)
{
    QString s = text;
    s.remove(u'\t');
    s.remove(u'\r');
    s.remove(u'\n');
    return s;
}

QString TeilRegelSchreiben(const TeilRegel &teil)
{
    FeldSchreiber w;
    w.zahl(qint64(teil.code));
    w.text(teil.version);
    teilFelder(w, teil);
    return w.felder.join(u'\t');
}

QString RegelSchreiben(const Regel &regel)
{
    QString code = QString::number(regel.teile.size());
    for (const TeilRegel &t : regel.teile) {
        code += u'\t';
        code += TeilRegelSchreiben(t);
    }
    return code;
}

RegelLeseErgebnis RegelLesen(const QString &code)
{
    RegelLeseErgebnis e;
    if (code.isEmpty()) {
        e.zustand = RegelZustand::Veraltet;
        e.grund = QStringLiteral("Die Regel ist leer.");
        e.feld = 1;
        return e;
    }
    // CR and LF are dropped as the writer drops them, so every field is checked as it will
    // be written (a time value keeps its 19 characters) and the record reads back the same.
    QString ohneZeilenenden = code;
    ohneZeilenenden.remove(u'\r');
    ohneZeilenenden.remove(u'\n');
    const QStringList felder = ohneZeilenenden.split(u'\t');
    FeldLeser r(felder);
    const auto anzahl = r.zahl(1, std::numeric_limits<int>::max());

    while (r.ok() && !r.amEnde()) {
        const int codeFeld = r.position();
        const auto c = r.zahl(0, 999);
        if (!c)
            break;
        if (!IstBekannterCode(AktionsCode(*c))) {
            e.zustand = RegelZustand::Veraltet;
            e.grund = QStringLiteral("Der Aktions-Code %1 ist nicht mehr bekannt.").arg(*c);
            e.feld = codeFeld + 1;
            e.regel = Regel();
            return e;
        }
        TeilRegel t;
        t.code = AktionsCode(*c);
        r.text(t.version);
        teilFelder(r, t);
        if (r.ok())
            e.regel.teile.append(std::move(t));
    }

    if (r.ok() && anzahl && *anzahl != e.regel.teile.size())
        r.fehler(QStringLiteral("Die Regel nennt %1 Teil-Regeln, enthält aber %2.")
                     .arg(*anzahl)
                     .arg(e.regel.teile.size()),
                 0);
    if (!r.ok()) {
        e.zustand = RegelZustand::Kaputt;
        e.grund = r.grund();
        e.feld = r.feldNummer();
        e.regel = Regel();
        return e;
    }
    e.zustand = RegelZustand::Gueltig;
    return e;
}

} // namespace rinolux
