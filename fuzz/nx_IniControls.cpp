// The control-state container: any file is read without harm, and what was read is written
// so that it reads the same again: no entry shifts, the flag line is found, the values stay.
//
// Input: a first line naming the entries by letter (L list, E edit, M memo, A array,
// S strings, T label, C check list, B bounds, K check box, X other), a "|" and the flags
// the same way; the rest is the container file.

#include "FuzzUmgebung.h"

#include "core/persist/nx_IniControls.h"
#include "core/util/nx_DateiText.h"

using namespace rinolux;
using rinolux::fuzz::Pruefen;
using rinolux::fuzz::Sichtbar;

namespace {

struct Aufbau
{
    QList<IniTextEintrag> texte;
    QList<IniFlagEintrag> flags;
};

bool artAus(char buchstabe, IniArt &art, QString &standard)
{
    switch (buchstabe) {
    case 'L': art = IniArt::Liste; standard = QStringLiteral("eins\tzwei"); return true;
    case 'E': art = IniArt::Edit; standard = QStringLiteral("vorgabe"); return true;
    case 'M': art = IniArt::Memo; standard = QStringLiteral("z1\tz2"); return true;
    case 'A': art = IniArt::Array; standard = QStringLiteral("a\tb"); return true;
    case 'S': art = IniArt::Strings; standard = QStringLiteral("s"); return true;
    case 'T': art = IniArt::Label; standard = QStringLiteral("Titel"); return true;
    case 'C': art = IniArt::CheckListe; standard = QStringLiteral("010"); return true;
    case 'B': art = IniArt::Bounds; standard = QStringLiteral("10\t\t30\t40"); return true;
    case 'K': art = IniArt::CheckBox; standard = QString(); return true;
    case 'X': art = IniArt::Sonstiges; standard = QStringLiteral("0"); return true;
    default: return false;
    }
}

Aufbau aufbauAus(QByteArrayView zeile)
{
    constexpr qsizetype kHoechstens = 40;
    Aufbau a;
    bool flags = false;
    for (char b : zeile) {
        if (b == '|') {
            flags = true;
            continue;
        }
        IniArt art;
        QString standard;
        if (!artAus(b, art, standard))
            continue;
        if (!flags && a.texte.size() < kHoechstens) {
            IniTextEintrag e;
            e.art = art;
            e.standard = standard;
            a.texte.append(e);
        } else if (flags && a.flags.size() < kHoechstens) {
            IniFlagEintrag f;
            f.art = art;
            f.standard = 3;
            a.flags.append(f);
        }
    }
    return a;
}

Aufbau lesen(const Aufbau &leer, const QByteArray &datei)
{
    Aufbau a = leer;
    IniControlsAusZeilen(nxTextZeilenTeilen(nxTextAusDatei(datei)), a.texte, a.flags);
    return a;
}

bool mitWert(IniArt art)
{
    return art == IniArt::CheckBox || art == IniArt::Liste || art == IniArt::Bounds;
}

QString einzeilig(QString text)
{
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

QStringList einzeilig(QStringList zeilen)
{
    for (QString &z : zeilen)
        z = einzeilig(z);
    return zeilen;
}

QString zeigen(const IniTextEintrag &e)
{
    return Sichtbar(e.text) + QStringLiteral(" [") + Sichtbar(e.eintraege.join(u'|')) + u']';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const QByteArray eingabe = fuzz::Eingabe(daten, groesse);
    const qsizetype lf = eingabe.indexOf('\n');
    const Aufbau leer = aufbauAus(QByteArrayView(eingabe).first(lf < 0 ? eingabe.size() : lf));
    const QByteArray datei = lf < 0 ? QByteArray() : eingabe.mid(lf + 1);

    const Aufbau a = lesen(leer, datei);
    const QByteArray geschrieben = IniControlsText(a.texte, a.flags);
    const Aufbau b = lesen(leer, geschrieben);
    const QByteArray nochmal = IniControlsText(b.texte, b.flags);
    const Aufbau c = lesen(leer, nochmal);
    const QString wo = Sichtbar(eingabe) + QStringLiteral("\n-> ") + Sichtbar(geschrieben);

    for (qsizetype i = 0; i < a.texte.size(); ++i) {
        const IniTextEintrag &x = a.texte[i];
        const IniTextEintrag &y = b.texte[i];
        const QString eintrag = QStringLiteral("\nEintrag %1: ").arg(i) + zeigen(x) + QStringLiteral(" -> ") + zeigen(y);
        Pruefen(y.gelesen, "ein geschriebener Eintrag wird nicht wiedergefunden", wo + eintrag);
        // Values of the single-line kinds lose CR and LF, which would split their line.
        switch (x.art) {
        case IniArt::Liste:
        case IniArt::Array:
            Pruefen(y.eintraege == einzeilig(x.eintraege), "die Zeilen einer Liste ändern sich", wo + eintrag);
            break;
        case IniArt::Memo:
        case IniArt::Strings:
            Pruefen(y.text == x.text, "ein mehrzeiliger Text ändert sich", wo + eintrag);
            break;
        case IniArt::Edit:
        case IniArt::Label:
            Pruefen(y.text == einzeilig(x.text), "ein einzeiliger Text ändert sich", wo + eintrag);
            break;
        case IniArt::CheckListe:
            Pruefen(y.text == (x.text.contains(u'1') ? einzeilig(x.text) : QString()),
                    "eine Haken-Liste ändert sich", wo + eintrag);
            break;
        default:
            break;
        }
        const IniTextEintrag &z = c.texte[i];
        Pruefen(z.text == y.text && z.eintraege == y.eintraege,
                "ein Eintrag ändert sich beim zweiten Schreiben und Lesen", wo + eintrag + QStringLiteral(" -> ") + zeigen(z));
    }
    for (qsizetype i = 0; i < a.flags.size(); ++i) {
        const QString flag = QStringLiteral("\nFlag %1: %2 -> %3 -> %4")
                                 .arg(i)
                                 .arg(a.flags[i].wert)
                                 .arg(b.flags[i].wert)
                                 .arg(c.flags[i].wert);
        if (mitWert(a.flags[i].art))
            Pruefen(b.flags[i].wert == a.flags[i].wert, "ein Flag ändert sich", wo + flag);
        Pruefen(c.flags[i].wert == b.flags[i].wert, "ein Flag ändert sich beim zweiten Schreiben und Lesen",
                wo + flag);
    }
    return 0;
}
