#include "core/util/PfadText.h"

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
