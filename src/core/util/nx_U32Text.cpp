#include "core/util/nx_U32Text.h"

namespace rinolux {

std::u32string nxU32AusText(QStringView text)
{
    std::u32string ergebnis;
    nxU32AusTextSetzen(text, ergebnis);
    return ergebnis;
}

void nxU32AusTextSetzen(QStringView text, std::u32string &ziel)
{
    ziel.resize(static_cast<size_t>(text.size()));
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    size_t k = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            ziel[k++] = QChar::surrogateToUcs4(c, p[i + 1]);
            ++i;
        } else {
            ziel[k++] = c;
        }
    }
    ziel.resize(k);
}

QString nxTextAusU32(std::u32string_view text)
{
    // Written straight into a buffer of the exact size.
    qsizetype laenge = static_cast<qsizetype>(text.size());
    for (const char32_t c : text)
        laenge += c >= 0x10000 && c <= QChar::LastValidCodePoint ? 1 : 0;
    QString ergebnis(laenge, Qt::Uninitialized);
    char16_t *ziel = reinterpret_cast<char16_t *>(ergebnis.data());
    char16_t *z = ziel;
    for (const char32_t c : text) {
        if (c <= 0xFFFF) {
            *z++ = static_cast<char16_t>(c);
        } else if (c <= QChar::LastValidCodePoint) {
            *z++ = QChar::highSurrogate(c);
            *z++ = QChar::lowSurrogate(c);
        } else {
            // Beyond Unicode: cannot come from a QString; shown as the replacement character.
            *z++ = QChar::ReplacementCharacter;
        }
    }
    Q_ASSERT(z - ziel == laenge);
    return ergebnis;
}

} // namespace rinolux
