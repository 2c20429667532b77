#include "core/util/PfadText.h"

#include <QList>

#include <gtest/gtest.h>

using namespace rinolux;
using namespace Qt::StringLiterals;

namespace {

struct TeilFall
{
    const char16_t *pfad, *ohneEnde, *eltern, *name;
};

TEST(PfadText, OhneEndeElternName)
{
    for (const TeilFall &f : {TeilFall{u"/a/b/", u"/a/b", u"/a", u"b"}, TeilFall{u"/a//", u"/a", u"/", u"a"},
                              TeilFall{u"/", u"/", u"/", u""}, TeilFall{u"name", u"name", u".", u"name"}}) {
        const QString p = QString::fromUtf16(f.pfad);
        const QString o = pfadOhneEnde(p);
        EXPECT_EQ(o, QString::fromUtf16(f.ohneEnde)) << o.toStdString();
        EXPECT_EQ(pfadEltern(o), QString::fromUtf16(f.eltern)) << o.toStdString();
        EXPECT_EQ(pfadName(o), QString::fromUtf16(f.name)) << o.toStdString();
    }
}

struct InFall
{
    const char16_t *innen, *aussen;
    bool liegtIn;
};

TEST(PfadText, LiegtInVergleichtGanzeTeile)
{
    for (const InFall &f : {
             InFall{u"/a/b", u"/a/b", true},
             InFall{u"/a/b/", u"/a/b", true},
             InFall{u"/a/b/c", u"/a/b/", true},
             InFall{u"/a/b/c/d", u"/a", true},
             InFall{u"/a/bc", u"/a/b", false},   // a loose text prefix is not a component
             InFall{u"/a/b.txt", u"/a/b", false},
             InFall{u"/a", u"/a/b", false},
             InFall{u"/A/b", u"/a", false},      // identity is exact: letter case counts
             InFall{u"/x", u"/", true},
             InFall{u"/", u"/", true},
         }) {
        EXPECT_EQ(pfadLiegtIn(QString::fromUtf16(f.innen), QString::fromUtf16(f.aussen)), f.liegtIn)
            << QString::fromUtf16(f.innen).toStdString() << " in " << QString::fromUtf16(f.aussen).toStdString();
    }
    EXPECT_TRUE(pfadGleich(u"/a/b/"_s, u"/a/b"_s));
    EXPECT_FALSE(pfadGleich(u"/a/B"_s, u"/a/b"_s));
}

struct AufgeraeumtFall
{
    const char16_t *pfad;
    bool aufgeraeumt, punktTeil;
};

TEST(PfadText, AufgeraeumtUndPunktTeile)
{
    for (const AufgeraeumtFall &f : {
             AufgeraeumtFall{u"/a/b", true, false},
             AufgeraeumtFall{u"/a/b/", true, false},
             AufgeraeumtFall{u"/", true, false},
             AufgeraeumtFall{u"/a/.b", true, false},
             AufgeraeumtFall{u"/a/..b", true, false},
             AufgeraeumtFall{u"/x/sub/..", false, true},
             AufgeraeumtFall{u"/x/./y", false, true},
             AufgeraeumtFall{u"/x/.", false, true},
             AufgeraeumtFall{u"../x", false, true},
             AufgeraeumtFall{u"/x//y", false, false},
             AufgeraeumtFall{u"x/y", false, false},
             AufgeraeumtFall{u"", false, false},
         }) {
        const QString p = QString::fromUtf16(f.pfad);
        EXPECT_EQ(pfadAufgeraeumt(p), f.aufgeraeumt) << p.toStdString();
        EXPECT_EQ(pfadHatPunktTeil(p), f.punktTeil) << p.toStdString();
    }
}

} // namespace

namespace {

// Names as the file system may hold them: every byte string must come back unchanged.
TEST(PfadText, NamenBytesKommenUnveraendertZurueck)
{
    const QList<QByteArray> namen{
        "a.txt",           "\xc3\xa4rger",     "a\xff.txt",         "a\xef\xbf\xbd.txt", // U+FFFD itself
        "\xed\xb2\x80",    // an encoded surrogate
        "\xc0\xaf",        // overlong "/"
        "\xf4\x90\x80\x80", // above U+10FFFF
        "\xe2\x82",        // cut short
        "\xef\xbb\xbf" "x", // a byte order mark is part of the name
        "x\xef\xbb\xbf",     // also after other characters
        "ab\xc3\xa4\xed\xb2\x80", // ASCII, then more
        "\xf0\x9f\x98\x80" "\xff", "\x80\x80\x80", "\xfe\xff",
        // ASCII runs read eight bytes at a time: exactly eight, and longer ones ending early
        "abcdefgh", "abcdefghij\xc3\xa4", "abcdefghijklmnop\xff", "Urlaub am See\xed\xb2\x80 x.jpg",
        "\xc3\x9c" "bersicht Q 0000001.jpg", "abcdefghijklmnopq\xc3\xa4r", "abcdefghijklmnopqrstuvwxyz012345",
    };
    QList<QString> texte;
    // The in-place forms reuse one string and one buffer for all names, as the list loops do.
    QString wieder;
    QByteArray puffer;
    for (const QByteArray &n : namen) {
        const QString text = nameAusBytes(n);
        EXPECT_EQ(nameZuBytes(text), n) << n.toHex().constData();
        const QByteArray utf8 = utf8MitEinzelnen(text);
        EXPECT_EQ(ausUtf8MitEinzelnen(utf8), text) << n.toHex().constData();
        utf8MitEinzelnenSetzen(text, puffer);
        EXPECT_EQ(puffer, utf8) << n.toHex().constData();
        EXPECT_EQ(utf8MitEinzelnenLaenge(text), utf8.size()) << n.toHex().constData();
        ausUtf8MitEinzelnenSetzen(utf8, wieder);
        EXPECT_EQ(wieder, text) << n.toHex().constData();
        nameAusBytesSetzen(n, wieder);
        EXPECT_EQ(wieder, text) << n.toHex().constData();
        EXPECT_FALSE(texte.contains(text)) << n.toHex().constData();
        texte.append(text);
    }
    EXPECT_TRUE(nameHatFremdeBytes(nameAusBytes("a\xff.txt")));
    EXPECT_FALSE(nameHatFremdeBytes(nameAusBytes("a\xef\xbf\xbd.txt")));
    EXPECT_EQ(utf8MitEinzelnen(u"äb"_s), QByteArray("\xc3\xa4" "b"));
    ausUtf8MitEinzelnenSetzen(QByteArrayView(), wieder);
    EXPECT_TRUE(wieder.isNull());

    // A string shared with another keeps the other's text, also at the same length.
    ausUtf8MitEinzelnenSetzen("20200101_000000_000_3", wieder);
    const QString geteilt = wieder;
    ausUtf8MitEinzelnenSetzen("20211231_235959_999_5", wieder);
    EXPECT_EQ(geteilt, u"20200101_000000_000_3"_s);
    EXPECT_EQ(wieder, u"20211231_235959_999_5"_s);

    // Random byte strings of ASCII, lead and continuation bytes: the in-place forms read as
    // the allocating ones, into the same string one after another.
    const char bausteine[] = {'a', ' ', '.', '\x80', '\xbf', '\xc3', '\xa4', '\xed', '\xb2', '\xef', '\xbb', '\xf0', '\x9f', '\xff'};
    quint32 zufall = 12345;
    for (int k = 0; k < 5000; ++k) {
        QByteArray b;
        zufall = zufall * 1103515245u + 12345u;
        const int laenge = int((zufall >> 16) % 24);
        for (int i = 0; i < laenge; ++i) {
            zufall = zufall * 1103515245u + 12345u;
            b.append(bausteine[(zufall >> 16) % sizeof bausteine]);
        }
        nameAusBytesSetzen(b, wieder);
        ASSERT_EQ(wieder, nameAusBytes(b)) << b.toHex().constData();
        ausUtf8MitEinzelnenSetzen(b, wieder);
        ASSERT_EQ(wieder, ausUtf8MitEinzelnen(b)) << b.toHex().constData();
    }
}

TEST(PfadText, FremdeBytesSichtbarInDerAnzeige)
{
    EXPECT_EQ(nameAnzeige(nameAusBytes("a\xff\x80.txt")), u"a\\xFF\\x80.txt"_s);
    EXPECT_EQ(nameAnzeige(u"ä\\x.txt"_s), u"ä\\x.txt"_s);
}

} // namespace
