#include "core/util/PfadText.h"

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
