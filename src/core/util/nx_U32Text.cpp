#include "core/util/nx_U32Text.h"

namespace rinolux {

std::u32string nxU32AusText(QStringView text)
{
    std::u32string ergebnis;
    ergebnis.reserve(static_cast<size_t>(text.size()));
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            ergebnis.push_back(QChar::surrogateToUcs4(c, p[i + 1]));
            ++i;
        } else {
            ergebnis.push_back(c);
        }
    }
    return ergebnis;
}

QString nxTextAusU32(std::u32string_view text)
{
    QString ergebnis;
    ergebnis.reserve(static_cast<qsizetype>(text.size()));
    for (const char32_t c : text) {
        if (QChar::requiresSurrogates(c)) {
            ergebnis.append(QChar(QChar::highSurrogate(c)));
            ergebnis.append(QChar(QChar::lowSurrogate(c)));
        } else if (c <= 0xFFFF) {
            ergebnis.append(QChar(static_cast<char16_t>(c)));
        } else {
            // Beyond Unicode: cannot come from a QString; shown as the replacement character.
            ergebnis.append(QChar(QChar::ReplacementCharacter));
        }
    }
    return ergebnis;
}

} // namespace rinolux
