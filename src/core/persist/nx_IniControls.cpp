#include "core/persist/nx_IniControls.h"

#include "core/persist/IniDatei.h"
#include "core/util/nx_DateiText.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <utility>

namespace rinolux {

namespace {

QStringList memoZeilen(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A text ending with a line break has one more, empty line.
    return t.split(u'\n');
}

// A value of a single-line kind is one counted line: a line break inside it would add a line
// the count does not know of and shift every later entry.
QString einzeilig(QString s)
{
    s.remove(u'\r');
    s.remove(u'\n');
    return s;
}

QStringList einzeilig(QStringList zeilen)
{
    for (QString &z : zeilen)
        z = einzeilig(std::move(z));
    return zeilen;
}

QString crlfVerbinden(const QStringList &zeilen) { return zeilen.join(QStringLiteral("\r\n")); }

QString flagText(const IniFlagEintrag &f)
{
    switch (f.art) {
    case IniArt::CheckBox:
    case IniArt::Liste:
    case IniArt::Bounds:
        return QString::number(f.wert);
    default:
        return QString();
    }
}

} // namespace

QStringList IniTextZeilen(const IniTextEintrag &e)
{
    switch (e.art) {
    case IniArt::Liste:
        return einzeilig(e.eintraege);
    case IniArt::Array:
        return einzeilig(e.eintraege.mid(1));
    case IniArt::Edit:
    case IniArt::Label:
        if (e.art == IniArt::Edit && e.text.isEmpty())
            return {};
        return {einzeilig(e.text)};
    case IniArt::Memo:
    case IniArt::Strings:
        return memoZeilen(e.text);
    case IniArt::CheckListe:
        if (!e.text.contains(u'1'))
            return {};
        return {einzeilig(e.text)};
    case IniArt::Bounds: {
        QStringList felder = einzeilig(e.text).split(u'\t');
        const QStringList std = e.standard.split(u'\t');
        felder.resize(4);
        for (int i = 0; i < 4; ++i)
            if (i >= std.size() || std[i].isEmpty())
                felder[i].clear();
        return {felder.join(u'\t')};
    }
    case IniArt::CheckBox:
    case IniArt::Sonstiges:
        return {};
    }
    return {};
}

QByteArray IniControlsText(const QList<IniTextEintrag> &texte, const QList<IniFlagEintrag> &flags)
{
    QStringList zeilen;
    zeilen << IniWarnung << QString::number(texte.size());
    for (const IniTextEintrag &e : texte) {
        const QStringList werte = IniTextZeilen(e);
        zeilen << QString::number(werte.size());
        zeilen += werte;
    }
    QStringList flagWerte;
    for (const IniFlagEintrag &f : flags)
        flagWerte << flagText(f);
    zeilen << flagWerte.join(u'\t') << IniWarnung;
    QByteArray bytes;
    for (const QString &z : zeilen) {
        bytes += z.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

Ergebnis IniControlsSchreiben(const QString &pfad, const QList<IniTextEintrag> &texte,
                              const QList<IniFlagEintrag> &flags)
{
    return nxDateiBytesSchreiben(pfad, IniControlsText(texte, flags));
}

void IniStandardSetzen(IniTextEintrag &e)
{
    e.gelesen = false;
    switch (e.art) {
    case IniArt::Liste:
        e.eintraege = e.standard.isEmpty() ? QStringList() : e.standard.split(u'\t');
        break;
    case IniArt::Array:
        e.eintraege = QStringList{QString()};
        if (!e.standard.isEmpty())
            e.eintraege += e.standard.split(u'\t');
        break;
    case IniArt::Memo:
    case IniArt::Strings:
        e.text = e.standard.isEmpty() ? QString() : crlfVerbinden(e.standard.split(u'\t'));
        break;
    default:
        e.text = e.standard;
        break;
    }
}

void IniControlsAusZeilen(const QStringList &zeilen, QList<IniTextEintrag> &texte, QList<IniFlagEintrag> &flags)
{
    // Line 0 is the warning; line 1 the count of text entries.
    qsizetype pos = 1;
    const qint64 anzahl = pos < zeilen.size() ? IniZahl(zeilen[pos]) : 0;
    ++pos;
    bool dateiZuEnde = pos > zeilen.size();
    for (qsizetype i = 0; i < texte.size(); ++i) {
        IniTextEintrag &e = texte[i];
        if (dateiZuEnde || i >= anzahl || pos >= zeilen.size()) {
            dateiZuEnde = dateiZuEnde || (i < anzahl);
            IniStandardSetzen(e);
            continue;
        }
        const qint64 n = IniZahl(zeilen[pos]);
        ++pos;
        if (n < 0 || n > zeilen.size() - pos) {
            // Truncated: this entry and every later one take their defaults.
            dateiZuEnde = true;
            IniStandardSetzen(e);
            continue;
        }
        const QStringList werte = zeilen.mid(pos, n);
        pos += n;
        e.gelesen = true;
        if (e.art == IniArt::Liste)
            e.eintraege = werte;
        else if (e.art == IniArt::Array)
            e.eintraege = QStringList{QString()} + werte;
        else
            e.text = crlfVerbinden(werte);
    }
    // Entries beyond the controls of this version are skipped, so the flag line is found.
    for (qint64 i = texte.size(); i < anzahl && !dateiZuEnde; ++i) {
        if (pos >= zeilen.size()) {
            dateiZuEnde = true;
            break;
        }
        const qint64 n = IniZahl(zeilen[pos]);
        ++pos;
        if (n < 0 || n > zeilen.size() - pos) {
            dateiZuEnde = true;
            break;
        }
        pos += n;
    }
    QString rest = (!dateiZuEnde && pos < zeilen.size()) ? zeilen[pos] : QString();
    for (IniFlagEintrag &f : flags) {
        if (rest.isEmpty()) {
            f.wert = f.standard;
            f.gelesen = false;
            continue;
        }
        const qsizetype tab = rest.indexOf(u'\t');
        const QString feld = tab < 0 ? rest : rest.left(tab);
        rest = tab < 0 ? QString() : rest.mid(tab + 1);
        f.wert = IniZahl(feld);
        f.gelesen = true;
    }
}

Ergebnis IniControlsLesen(const QString &pfad, QList<IniTextEintrag> &texte, QList<IniFlagEintrag> &flags)
{
    const ErgebnisWert<TextFeld> feld = nxDateiTextLesen(pfad);
    if (!feld) {
        IniControlsAusZeilen({}, texte, flags);
        if (feld.ergebnis().fehlerNummer() == ENOENT)
            return Ergebnis::Ok();
        return feld.ergebnis();
    }
    IniControlsAusZeilen(feld->mid(1), texte, flags);
    return Ergebnis::Ok();
}

void IniBoundsAnwenden(const QString &gespeichert, const QString &standard, int (&werte)[4])
{
    const QStringList felder = gespeichert.split(u'\t');
    const QStringList std = standard.split(u'\t');
    for (int i = 0; i < 4; ++i) {
        if (i < std.size() && !std[i].isEmpty() && i < felder.size()) {
            const qint64 w = IniZahl(felder[i]);
            werte[i] = static_cast<int>(std::clamp<qint64>(w, std::numeric_limits<int>::min(),
                                                           std::numeric_limits<int>::max()));
        }
    }
}

} // namespace rinolux

namespace rinolux {
int IniListenIndex(qint64 wert, int anzahlEintraege)
{
    if (wert < 0 || anzahlEintraege <= 0)
        return -1;
    if (wert >= anzahlEintraege)
        return 0;
    return static_cast<int>(wert);
}
} // namespace rinolux
