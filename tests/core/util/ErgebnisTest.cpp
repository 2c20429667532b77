#include "core/util/Ergebnis.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace rinolux;
using namespace Qt::StringLiterals;

namespace {

struct TextFall
{
    int nummer;
    const char16_t *text;
};

TEST(Ergebnis, SystemfehlerSindDeutsch)
{
    for (const TextFall &f : {TextFall{ENOENT, u"Datei oder Verzeichnis nicht gefunden"},
                              TextFall{EACCES, u"Zugriff verweigert"}, TextFall{EPERM, u"Zugriff verweigert"},
                              TextFall{EEXIST, u"Name schon vorhanden"},
                              TextFall{ENOSPC, u"Kein Speicherplatz mehr frei"},
                              TextFall{EDQUOT, u"Kein Speicherplatz mehr frei"},
                              TextFall{EROFS, u"Nur-Lese-Dateisystem"}, TextFall{EXDEV, u"anderes Dateisystem"},
                              TextFall{EBUSY, u"Gerät oder Datei belegt"}, TextFall{ENAMETOOLONG, u"Name zu lang"},
                              TextFall{ENOTEMPTY, u"Verzeichnis nicht leer"}, TextFall{EIO, u"Ein-/Ausgabefehler"}}) {
        const Ergebnis r = ErgebnisAusErrno(f.nummer, u"/a/b"_s);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.fehlerNummer(), f.nummer);
        EXPECT_EQ(r.text(), u"/a/b: "_s + QString::fromUtf16(f.text)) << f.nummer;
    }
    EXPECT_EQ(ErgebnisAusErrno(ENOENT, QString()).text(), u"Datei oder Verzeichnis nicht gefunden"_s);
    // Any other value by its number, never the C library's English text.
    EXPECT_EQ(ErgebnisAusErrno(ELOOP, QString()).text(), u"Systemfehler "_s + QString::number(ELOOP));
}

TEST(Ergebnis, WertOderFehler)
{
    const ErgebnisWert<int> gut(7);
    ASSERT_TRUE(gut.ok());
    EXPECT_EQ(*gut, 7);
    const ErgebnisWert<int> schlecht(ErgebnisAusErrno(EIO, u"x"_s));
    EXPECT_FALSE(schlecht.ok());
    EXPECT_EQ(schlecht.ergebnis().fehlerNummer(), EIO);
    EXPECT_EQ(schlecht.wertOder(3), 3);
}

} // namespace
