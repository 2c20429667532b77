#pragma once

// Small helpers for the carry-out tests: work lists built from plain rows, a writer that
// records (and may fail), the undo rows rebuilt from the records, and a tree snapshot.

#include "core/actions/RueckDaten.h"
#include "core/actions/RueckListe.h"
#include "core/actions/sub_Aktion_AendernHerstellen.h"
#include "core/engine/sub_Aktion_Vorschau.h"
#include "core/selection/sub_Auswahl.h"
#include "core/shell/ListenDaten.h"
#include "core/shell/Prozess.h"
#include "support/TestUmgebung.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <memory>

namespace rinolux::test {

struct Umbenennung
{
    QString verzeichnis; // full, trailing "/"
    QString alt;
    QString neu;
    bool verz = false;
};

// The selection list holding the rows' objects, and a preview list linked to it.
inline void arbeitsListenBauen(const std::vector<Umbenennung> &zeilen, ListenDaten &vliste, ListenDaten &aliste)
{
    nxAuswahlListeVorbereiten(aliste);
    vliste.Leeren();
    if (vliste.ZellenAnzahl() != VZelle::Anzahl)
        vliste.ZellenAnzahlSetzen(VZelle::Anzahl);
    for (const Umbenennung &u : zeilen) {
        const int a = aliste.ZeilenAnhaengen();
        aliste.ZelleSetzen(a, AZelle::Pfad, u.verzeichnis);
        aliste.ZelleSetzen(a, AZelle::Name, u.alt);
        aliste.ZelleSetzen(a, AZelle::Format, nxNameFormat(u.alt));
        aliste.VerzSetzen(a, u.verz);
        const int v = vliste.ZeilenAnhaengen();
        vliste.ZelleSetzen(v, VZelle::Pfad, u.verzeichnis);
        vliste.ZelleSetzen(v, VZelle::Name, u.alt);
        vliste.ZelleSetzen(v, VZelle::NeuName, u.neu);
        vliste.VerzSetzen(v, u.verz);
        vliste.LinkSetzen(v, a);
    }
}

// What a run wrote, record by record.
struct Aufzeichnung
{
    struct Satz
    {
        QString verzeichnis, name, wert;
        bool verz = false;
        qint64 nummer = 0; // second section: the record it completes
    };
    std::vector<Satz> erste;
    std::vector<Satz> zweite;
    bool zweiterAbschnitt = false;
    bool geschlossen = false;
    qint64 aufrufe = 0;
};

// Records every call, passes it on to the real file when there is one, and fails from
// call number fehlerAb on (0: never) with "no space left".
class AufzeichnenderSchreiber final : public RueckSchreiber
{
public:
    AufzeichnenderSchreiber(std::shared_ptr<Aufzeichnung> a, std::unique_ptr<RueckSchreiber> weiter, qint64 fehlerAb)
        : m_a(std::move(a)), m_weiter(std::move(weiter)), m_fehlerAb(fehlerAb)
    {
    }
    Ergebnis satz(const QString &v, const QString &n, const QString &w, bool verz) override
    {
        if (fehlt())
            return voll();
        m_a->erste.push_back({v, n, w, verz, 0});
        return m_weiter ? m_weiter->satz(v, n, w, verz) : Ergebnis::Ok();
    }
    Ergebnis zweiterAbschnitt() override
    {
        if (fehlt())
            return voll();
        m_a->zweiterAbschnitt = true;
        return m_weiter ? m_weiter->zweiterAbschnitt() : Ergebnis::Ok();
    }
    Ergebnis abschluss(qint64 nr, const QString &v, const QString &n, const QString &w, bool verz) override
    {
        if (fehlt())
            return voll();
        m_a->zweite.push_back({v, n, w, verz, nr});
        return m_weiter ? m_weiter->abschluss(nr, v, n, w, verz) : Ergebnis::Ok();
    }
    Ergebnis schliessen(qint64 a, qint64 b, qint64 c) override
    {
        if (fehlt())
            return voll();
        m_a->geschlossen = true;
        return m_weiter ? m_weiter->schliessen(a, b, c) : Ergebnis::Ok();
    }

private:
    bool fehlt() { return ++m_a->aufrufe >= m_fehlerAb && m_fehlerAb > 0; }
    static Ergebnis voll() { return ErgebnisAusErrno(ENOSPC, QStringLiteral("Rück-Datei schreiben")); }

    std::shared_ptr<Aufzeichnung> m_a;
    std::unique_ptr<RueckSchreiber> m_weiter;
    qint64 m_fehlerAb;
};

inline RueckAnlegen aufzeichnen(std::shared_ptr<Aufzeichnung> a, qint64 fehlerAb = 0, bool datei = true)
{
    return [a, fehlerAb, datei](const QString &pfad, int code,
                                const QString &beschreibung) -> ErgebnisWert<std::unique_ptr<RueckSchreiber>> {
        std::unique_ptr<RueckSchreiber> weiter;
        if (datei) {
            auto echt = RueckDateiAnlegen(pfad, code, beschreibung);
            if (!echt)
                return echt.ergebnis();
            weiter = std::move(echt).wert();
        }
        return std::unique_ptr<RueckSchreiber>(
            std::make_unique<AufzeichnenderSchreiber>(a, std::move(weiter), fehlerAb));
    };
}

// A test that writes undo files: its own data directory with an empty undo index.
class MitRueckIndex : public ::testing::Test
{
protected:
    void SetUp() override { frischerIndex(); }
    // A new data directory and index, for a test that runs several cases in turn.
    void frischerIndex()
    {
        XdgUmleiten();
        ASSERT_TRUE(ProgPfadAnlegen());
        index = std::make_unique<RueckIndex>(ProgPfad);
        index->IniListeRueck_Lesen();
    }

    std::unique_ptr<RueckIndex> index;
};

// Undoes one index entry from its file as the undo page loads it, directory correction
// included. A file that does not load fails the test.
inline AusfuehrErgebnis eintragRueckgaengig(RueckIndex &index, const RueckIndexEintrag &eintrag, ListenDaten &rliste,
                                           Dialog &dialog, Fortschritt &fort, const Einstellungen &einst,
                                           AusfuehrModus modus = AusfuehrModus::Rueckgaengig)
{
    const RueckLadeStand stand = Aktion_Vorschau_Rueck(index.dateiPfad(eintrag.nummer), eintrag, rliste);
    EXPECT_EQ(stand.art, RueckLadeStand::Art::Ok) << stand.meldung.toStdString();
    if (stand.art != RueckLadeStand::Art::Ok)
        return {};
    RueckVerzeichnisKorrektur(rliste, eintrag.code);
    AusfuehrAuftrag a;
    a.arbeit = &rliste;
    a.code = eintrag.code;
    a.modus = modus;
    return Aktion_AendernHerstellen(a, einst, fort, dialog, index);
}

// The undo detail rows of a recorded run, as the undo page lists them: cell 1 directory,
// 2 current name, 4 the value to go back to (old name, attributes or time in 5 and 6).
inline void rueckZeilenBauen(const Aufzeichnung &a, int rueckCode, ListenDaten &liste)
{
    liste.Leeren();
    if (liste.ZellenAnzahl() != 7)
        liste.ZellenAnzahlSetzen(7);
    std::vector<QString> jetzt;
    for (const auto &s : a.erste)
        jetzt.push_back(s.name);
    for (const auto &s : a.zweite)
        if (s.nummer >= 1 && size_t(s.nummer) <= jetzt.size())
            jetzt[size_t(s.nummer - 1)] = s.name;
    for (size_t i = 0; i < a.erste.size(); ++i) {
        const auto &s = a.erste[i];
        const int z = liste.ZeilenAnhaengen();
        liste.ZelleSetzen(z, 1, s.verzeichnis);
        liste.ZelleSetzen(z, 2, rueckCode == 301 ? jetzt[i] : s.name);
        const int wertZelle = rueckCode == 301 ? 4 : rueckCode == 302 ? 5 : 6;
        liste.ZelleSetzen(z, wertZelle, s.wert);
        liste.VerzSetzen(z, s.verz);
    }
    // Directory correction: a directory renamed after the record was written moved the
    // record's object along (whole components; nested renames compose in record order).
    if (rueckCode != 301)
        return;
    for (int z = 1; z <= liste.Anzahl(); ++z) {
        QString d = liste.Zelle(z, 1);
        for (int j = z + 1; j <= liste.Anzahl(); ++j) {
            if (!liste.Verz(j))
                continue;
            const QString alt = liste.Zelle(j, 1) + liste.Zelle(j, 4) + u'/';
            const QString neu = liste.Zelle(j, 1) + liste.Zelle(j, 2) + u'/';
            if (d.startsWith(alt))
                d = neu + d.mid(alt.size());
        }
        liste.ZelleSetzen(z, 3, d);
    }
}

// Relative path -> "d:" + content hash, "v" for a directory.
using Baum = QMap<QString, QString>;
inline Baum baumLesen(const QString &wurzel)
{
    Baum b;
    QDirIterator it(wurzel, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        const QFileInfo fi = it.fileInfo();
        const QString rel = p.mid(wurzel.size());
        if (fi.isDir() && !fi.isSymLink()) {
            b.insert(rel, QStringLiteral("v"));
        } else {
            QFile f(p);
            QByteArray inhalt;
            if (f.open(QIODevice::ReadOnly))
                inhalt = f.readAll();
            b.insert(rel, QStringLiteral("d:") +
                              QString::fromLatin1(QCryptographicHash::hash(inhalt, QCryptographicHash::Sha1).toHex()));
        }
    }
    return b;
}

inline void PrintTo(const Baum &b, std::ostream *os)
{
    for (auto it = b.cbegin(); it != b.cend(); ++it)
        *os << "\n  " << it.key().toStdString() << " " << it.value().left(10).toStdString();
}

inline bool hatUmwegName(const Baum &b)
{
    for (auto it = b.cbegin(); it != b.cend(); ++it)
        if (it.key().contains(QStringLiteral("!Ri")))
            return true;
    return false;
}

} // namespace rinolux::test
