#include "core/util/PfadText.h"


#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rinolux {

QString pfadOhneEnde(const QString &pfad)
{
    qsizetype n = pfad.size();
    while (n > 1 && pfad.at(n - 1) == u'/')
        --n;
    return pfad.left(n);
}

QString pfadEltern(const QString &ohneEndePfad)
{
    const qsizetype i = ohneEndePfad.lastIndexOf(u'/');
    if (i < 0)
        return QStringLiteral(".");
    if (i == 0)
        return QStringLiteral("/");
    return ohneEndePfad.left(i);
}

QString pfadName(const QString &ohneEndePfad) { return ohneEndePfad.mid(ohneEndePfad.lastIndexOf(u'/') + 1); }

bool pfadGleich(const QString &a, const QString &b) { return pfadOhneEnde(a) == pfadOhneEnde(b); }

bool pfadLiegtIn(const QString &innen, const QString &aussen)
{
    const QString i = pfadOhneEnde(innen), a = pfadOhneEnde(aussen);
    if (i == a)
        return true;
    if (!i.startsWith(a))
        return false;
    // The root ends in "/" itself; any other prefix must end where a component ends.
    return a.endsWith(u'/') || i.at(a.size()) == u'/';
}

namespace {

template<class Pruefen>
bool jedesTeil(QStringView pfad, Pruefen pruefen)
{
    qsizetype anfang = 0;
    for (;;) {
        const qsizetype ende = pfad.indexOf(u'/', anfang);
        if (!pruefen(pfad.mid(anfang, (ende < 0 ? pfad.size() : ende) - anfang), ende < 0))
            return false;
        if (ende < 0)
            return true;
        anfang = ende + 1;
    }
}

bool istPunktTeil(QStringView teil) { return teil == u"." || teil == u".."; }

} // namespace

bool pfadHatPunktTeil(QStringView pfad)
{
    return !jedesTeil(pfad, [](QStringView teil, bool) { return !istPunktTeil(teil); });
}

bool pfadAufgeraeumt(QStringView pfad)
{
    if (!pfad.startsWith(u'/'))
        return false;
    if (pfad.size() == 1)
        return true;
    QStringView rest = pfad.mid(1);
    if (rest.endsWith(u'/'))
        rest.chop(1);
    return jedesTeil(rest, [](QStringView teil, bool) { return !teil.isEmpty() && !istPunktTeil(teil); });
}

} // namespace rinolux

namespace rinolux {

namespace {

constexpr char16_t kFremdBasis = 0xDC00;

bool istFremd(char16_t c) { return c >= 0xDC80 && c <= 0xDCFF; }

// Length of the valid UTF-8 sequence at b[i..n), 0 when there is none: no overlong forms,
// no surrogates, nothing above U+10FFFF. With mitEinzelnen, encoded surrogates count too.
int folgeLaenge(const uchar *b, qsizetype i, qsizetype n, char32_t &cp, bool mitEinzelnen)
{
    const uchar c = b[i];
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    int laenge = 0;
    char32_t min = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        laenge = 2;
        cp = c & 0x1F;
        min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        laenge = 3;
        cp = c & 0x0F;
        min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        laenge = 4;
        cp = c & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + laenge > n)
        return 0;
    for (int k = 1; k < laenge; ++k) {
        const uchar f = b[i + k];
        if ((f & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (f & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (!mitEinzelnen && cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return laenge;
}

void punktAnhaengen(QString &aus, char32_t cp)
{
    if (cp >= 0x10000) {
        aus.append(QChar::highSurrogate(cp));
        aus.append(QChar::lowSurrogate(cp));
    } else {
        aus.append(QChar(char16_t(cp)));
    }
}

void utf8Anhaengen(QByteArray &aus, char32_t cp)
{
    if (cp < 0x80) {
        aus.append(char(cp));
    } else if (cp < 0x800) {
        aus.append(char(0xC0 | (cp >> 6)));
        aus.append(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        aus.append(char(0xE0 | (cp >> 12)));
        aus.append(char(0x80 | ((cp >> 6) & 0x3F)));
        aus.append(char(0x80 | (cp & 0x3F)));
    } else {
        aus.append(char(0xF0 | (cp >> 18)));
        aus.append(char(0x80 | ((cp >> 12) & 0x3F)));
        aus.append(char(0x80 | ((cp >> 6) & 0x3F)));
        aus.append(char(0x80 | (cp & 0x3F)));
    }
}

// Walks the text by code points; a lone surrogate comes as itself.
template<class Je>
void jederPunkt(QStringView text, Je je)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            je(QChar::surrogateToUcs4(c, text.at(i + 1).unicode()));
            ++i;
        } else {
            je(char32_t(c));
        }
    }
}

// QString::fromUtf8 drops a leading byte order mark; in a name it is a character of its own.
bool schnellLesbar(QByteArrayView b) { return b.isValidUtf8() && !b.startsWith("\xef\xbb\xbf"); }

bool hatSurrogat(QStringView text)
{
    for (const QChar c : text)
        if (c.isSurrogate())
            return true;
    return false;
}

// Decodes UTF-8; each byte that starts no valid sequence becomes its stand-in. With
// mitEinzelnen, the three-byte forms of lone surrogates are taken as those.
QString dekodieren(QByteArrayView bytes, bool mitEinzelnen)
{
    if (schnellLesbar(bytes))
        return QString::fromUtf8(bytes);
    QString aus;
    aus.reserve(bytes.size());
    const auto *b = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const int laenge = folgeLaenge(b, i, bytes.size(), cp, mitEinzelnen);
        if (laenge == 0) {
            aus.append(QChar(char16_t(kFremdBasis + b[i])));
            ++i;
        } else {
            punktAnhaengen(aus, cp);
            i += laenge;
        }
    }
    return aus;
}

// Encodes to UTF-8; with fremdAlsByte each stand-in becomes its byte again (and any other
// lone surrogate U+FFFD), else lone surrogates keep their three-byte form.
QByteArray kodieren(QStringView text, bool fremdAlsByte)
{
    if (!hatSurrogat(text))
        return text.toUtf8();
    QByteArray aus;
    aus.reserve(text.size() * 3);
    jederPunkt(text, [&](char32_t cp) {
        if (fremdAlsByte && istFremd(char16_t(cp)))
            aus.append(char(cp - kFremdBasis));
        else if (fremdAlsByte && cp >= 0xD800 && cp <= 0xDFFF)
            utf8Anhaengen(aus, 0xFFFD); // no byte on disk stands behind any other lone surrogate
        else
            utf8Anhaengen(aus, cp);
    });
    return aus;
}

} // namespace

QString nameAusBytes(QByteArrayView bytes) { return dekodieren(bytes, false); }

QByteArray nameZuBytes(QStringView text) { return kodieren(text, true); }

bool nameHatFremdeBytes(QStringView text)
{
    for (const QChar c : text)
        if (istFremd(c.unicode()))
            return true;
    return false;
}

QString nameAnzeige(const QString &text)
{
    if (!nameHatFremdeBytes(text))
        return text;
    QString aus;
    aus.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (istFremd(c.unicode()))
            aus += QStringLiteral("\\x") + QString::number(c.unicode() - kFremdBasis, 16).toUpper();
        else
            aus += c;
    }
    return aus;
}

QByteArray utf8MitEinzelnen(QStringView text) { return kodieren(text, false); }

char *utf8OhneSurrogate(QStringView text, char *ziel)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *ziel++ = char(u);
        } else if (u < 0x800) {
            *ziel++ = char(0xC0 | (u >> 6));
            *ziel++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isSurrogate(u)) {
            return nullptr;
        } else {
            *ziel++ = char(0xE0 | (u >> 12));
            *ziel++ = char(0x80 | ((u >> 6) & 0x3F));
            *ziel++ = char(0x80 | (u & 0x3F));
        }
    }
    return ziel;
}

void utf8MitEinzelnenSetzen(QStringView text, QByteArray &ziel)
{
    ziel.resize(text.size() * 3);
    if (const char *ende = utf8OhneSurrogate(text, ziel.data())) {
        ziel.resize(ende - ziel.constData());
        return;
    }
    ziel = kodieren(text, false);
}

QString ausUtf8MitEinzelnen(QByteArrayView utf8) { return dekodieren(utf8, true); }

namespace {

// dekodieren into ziel, whose room is used again while nothing else shares it.
void dekodierenNach(QByteArrayView utf8, bool mitEinzelnen, QString &ziel)
{
    if (utf8.isEmpty()) {
        ziel.clear(); // null, as dekodieren gives for no bytes
        return;
    }
    // Most names are ASCII: widened as they are read, nothing checked twice. A string of the
    // right length that nothing shares is written as it is (time texts all have one length).
    const qsizetype n = utf8.size();
    if (ziel.size() != n || !ziel.isDetached())
        ziel.resize(n); // never more UTF-16 units than UTF-8 bytes
    QChar *ziele = ziel.data();
    const auto *b = reinterpret_cast<const uchar *>(utf8.data());
    qsizetype i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time while none has its high bit set.
    const __m128i null = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(b + i));
        if (_mm_movemask_epi8(x) != 0)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i *>(ziele + i), _mm_unpacklo_epi8(x, null));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(ziele + i + 8), _mm_unpackhi_epi8(x, null));
    }
#endif
    for (; i < n && b[i] < 0x80; ++i)
        ziele[i] = QChar(char16_t(b[i]));
    if (i == n)
        return;
    // The rest by code points, as dekodieren reads bytes it cannot take in one piece; that
    // also covers a byte order mark, a character of the name wherever it stands. A code point
    // never needs more UTF-16 units than it has bytes, and a stand-in takes one unit for one.
    qsizetype o = i;
    while (i < utf8.size()) {
        if (b[i] < 0x80) {
            ziele[o++] = QChar(char16_t(b[i++]));
            continue;
        }
        char32_t cp = 0;
        const int laenge = folgeLaenge(b, i, utf8.size(), cp, mitEinzelnen);
        if (laenge == 0) {
            ziele[o++] = QChar(char16_t(kFremdBasis + b[i]));
            ++i;
        } else if (cp >= 0x10000) {
            ziele[o++] = QChar(QChar::highSurrogate(cp));
            ziele[o++] = QChar(QChar::lowSurrogate(cp));
            i += laenge;
        } else {
            ziele[o++] = QChar(char16_t(cp));
            i += laenge;
        }
    }
    ziel.resize(o);
}

} // namespace

void ausUtf8MitEinzelnenSetzen(QByteArrayView utf8, QString &ziel) { dekodierenNach(utf8, true, ziel); }

void nameAusBytesSetzen(QByteArrayView bytes, QString &ziel) { dekodierenNach(bytes, false, ziel); }

qsizetype utf8MitEinzelnenLaenge(QStringView text)
{
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && p[i] < 0x80) // the ASCII start of most names
        ++i;
    qsizetype laenge = i;
    for (; i < n; ++i) {
        const char16_t u = p[i];
        if (u < 0x80) {
            laenge += 1;
        } else if (u < 0x800) {
            laenge += 2;
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            laenge += 4;
            ++i;
        } else {
            laenge += 3; // also a lone surrogate
        }
    }
    return laenge;
}

bool gleichWieUtf8MitEinzelnen(QStringView text, QByteArrayView utf8, QByteArray &puffer)
{
    // ASCII compared in place; from the first other character on, the rest is encoded.
    qsizetype i = 0;
    const qsizetype n = std::min(text.size(), utf8.size());
    while (i < n && text[i].unicode() < 0x80 && uchar(utf8[i]) == text[i].unicode())
        ++i;
    if (i == text.size() || i == utf8.size() || text[i].unicode() < 0x80)
        return i == text.size() && i == utf8.size();
    utf8MitEinzelnenSetzen(text.sliced(i), puffer);
    return QByteArrayView(puffer) == utf8.sliced(i);
}

} // namespace rinolux
