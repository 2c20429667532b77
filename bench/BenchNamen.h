#pragma once

// The names the benchmarks work on: empty files whose names hold blanks, umlauts and "ß",
// in a fresh directory, listed into a selection list with every entry marked. The
// directory lies on tmpfs where there is one, or where RINOLUX_BENCH_VERZ says (a disk's
// renames cost more than tmpfs's).

#include "core/engine/RegelListe.h"
#include "core/platform/Plattform.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/ListenDaten.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace rinolux::bench {

inline std::unique_ptr<QTemporaryDir> benchVerzeichnis()
{
    const QString wahl = qEnvironmentVariable("RINOLUX_BENCH_VERZ");
    const QString ort = !wahl.isEmpty()                          ? wahl
                        : QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                     : QDir::tempPath();
    auto dir = std::make_unique<QTemporaryDir>(ort + QStringLiteral("/rinolux-bench-XXXXXX"));
    if (!dir->isValid())
        qFatal("kein Verzeichnis in %s", qPrintable(ort));
    return dir;
}

struct Namen
{
    std::unique_ptr<QTemporaryDir> dir;
    QString pfad;           // with trailing "/"
    QByteArray zeilen;      // one name per line, for tools that read names from stdin
    ListenDaten auswahl;    // every entry listed and marked
};

inline void namenAnlegen(Namen &x, int anzahl)
{
    x.dir = benchVerzeichnis();
    x.pfad = x.dir->path() + u'/';
    const QStringList woerter = {QStringLiteral("Urlaub am See"), QStringLiteral("Foto"), QStringLiteral("Brief an Oma"),
                                 QStringLiteral("Konto Auszug"), QStringLiteral("Straße"), QStringLiteral("Übersicht Q")};
    for (int i = 0; i < anzahl; ++i) {
        const QString name = woerter[i % woerter.size()] + QStringLiteral(" %1.jpg").arg(i, 6, 10, QChar(u'0'));
        QFile f(x.pfad + name);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("%s kann nicht angelegt werden", qPrintable(f.fileName()));
        f.close();
        x.zeilen += name.toUtf8() + '\n';
    }
    SuchTreffer treffer;
    const Ergebnis gelesen = plattform::verzeichnisLesen(x.pfad, plattform::Details::Alle, [&](const plattform::Eintrag &e) {
        treffer.Neu(x.pfad, e.name, nxAuswahlSuchDaten(e, 1));
        return true;
    });
    if (!gelesen)
        qFatal("%s", qPrintable(gelesen.text()));
    StillerFortschritt fort;
    nxAuswahlFuellen(x.auswahl, treffer, AuswahlFuellung{}, fort);
    x.auswahl.AlleMarkieren(true);
}

// The record of one of the default rules, by its description.
inline QString standardRegelCode(const QString &beschreibung)
{
    const RegelListe regeln = StandardRegeln();
    const int i = int(regeln.beschreibungen().indexOf(beschreibung));
    if (i < 0)
        qFatal("keine Standard-Regel %s", qPrintable(beschreibung));
    return regeln.code(i);
}

} // namespace rinolux::bench
