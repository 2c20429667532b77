#include "core/engine/RegelVerbinden.h"

#include "core/engine/RegelListe.h"
#include "core/persist/IniDatei.h"
#include "core/shell/Dialog.h"
#include "core/util/nx_Debug.h"

namespace rinolux {

namespace {

QStringView feld1(const QString &code)
{
    const qsizetype tab = code.indexOf(u'\t');
    return tab < 0 ? QStringView(code) : QStringView(code).left(tab);
}

} // namespace

bool RegelVerbindbar(const QString &code)
{
    const QStringList felder = code.split(u'\t');
    if (felder.size() < 2)
        return false;
    bool ok = false;
    const int aktion = felder[1].toInt(&ok);
    return ok && IstNamenCode(aktion);
}

QList<int> VerbindbareRegeln(const RegelListe &liste)
{
    QList<int> r;
    for (int i = 0; i < liste.anzahl(); ++i)
        if (RegelVerbindbar(liste.code(i)))
            r.append(i);
    return r;
}

std::optional<GespeicherteRegel> RegelnVerbinden(const QList<GespeicherteRegel> &regeln)
{
    if (regeln.isEmpty())
        return std::nullopt;
    qint64 anzahl = 0;
    QString koerper;
    QString beschreibung;
    for (const GespeicherteRegel &r : regeln) {
        anzahl += std::max<qint64>(0, IniZahl(feld1(r.code)));
        const qsizetype tab = r.code.indexOf(u'\t');
        if (tab >= 0)
            koerper += r.code.mid(tab);
        beschreibung += QStringLiteral(" > ") + r.beschreibung;
    }
    nxDebugZeile(QStringLiteral("rr.UntenOKSchalterClick Textlänge=") + QString::number(koerper.size()));
    return GespeicherteRegel{QString::number(anzahl) + koerper, QStringLiteral("NEU: ") + beschreibung.mid(3)};
}

RegelTeilung RegelZerteilen(const QString &code)
{
    RegelTeilung t;
    const RegelLeseErgebnis gelesen = RegelLesen(code);
    if (!gelesen.gueltig()) {
        t.art = RegelTeilung::Art::NichtZerteilbar;
        return t;
    }
    if (gelesen.regel.teile.size() < 2)
        return t;
    t.art = RegelTeilung::Art::Geteilt;
    for (const TeilRegel &teil : gelesen.regel.teile)
        t.codes << QStringLiteral("1\t") + TeilRegelSchreiben(teil);
    return t;
}

bool RegelTeilen(RegelListe &liste, Dialog &dialog)
{
    const int i = liste.gewaehlt();
    if (i < 0 || i >= liste.anzahl())
        return false;
    if (!dialog.Dialog_Frage(QStringLiteral("Die ausgewählte Regel bleibt bestehen. Soll sie zusätzlich zu "
                                            "Einzel-Regeln zerteilt werden?"),
                             QStringLiteral("BuRegelTeilen")))
        return false;
    const RegelTeilung t = RegelZerteilen(liste.code(i));
    if (t.art == RegelTeilung::Art::Einzeln)
        return false;
    if (t.art == RegelTeilung::Art::NichtZerteilbar) {
        dialog.Dialog_Info(QStringLiteral("Es tut mir leid: Diese Regel ist nicht zerteilbar.\r\n\r\nDie Regel kann "
                                          "nicht in ihre Einzel-Regeln zerlegt werden, weil sie beschädigt ist oder "
                                          "von einer anderen Programm-Version stammt."),
                           QStringLiteral("BuRegelTeilen"));
        return false;
    }
    const QString beschreibung = liste.beschreibung(i);
    for (int k = 0; k < t.codes.size(); ++k)
        liste.einfuegen(i + 1 + k, QString::number(k + 1) + u' ' + beschreibung, t.codes[k]);
    liste.waehlen(i);
    return true;
}

} // namespace rinolux
