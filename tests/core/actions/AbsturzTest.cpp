// A run of 10,000 renames killed with SIGKILL at several points: the undo file it leaves
// is listed as incomplete and undoing it restores every original name.

#include "AusfuehrenHilfe.h"

#include "core/actions/RueckListe.h"
#include "core/shell/Dialog.h"
#include "core/shell/Einstellungen.h"
#include "core/shell/Fortschritt.h"
#include "core/shell/Prozess.h"
#include "support/TestUmgebung.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace rinolux::test {
namespace {

// Passes every call on to the real undo file and kills its own process right after call
// number `nach` has been handed to the system.
class TodNachAufruf final : public RueckSchreiber
{
public:
    TodNachAufruf(std::unique_ptr<RueckSchreiber> echt, qint64 nach) : m_echt(std::move(echt)), m_nach(nach) {}
    Ergebnis satz(const QString &v, const QString &n, const QString &w, bool verz) override
    {
        return danach(m_echt->satz(v, n, w, verz));
    }
    Ergebnis zweiterAbschnitt() override { return danach(m_echt->zweiterAbschnitt()); }
    Ergebnis abschluss(qint64 nr, const QString &v, const QString &n, const QString &w, bool verz) override
    {
        return danach(m_echt->abschluss(nr, v, n, w, verz));
    }
    Ergebnis schliessen(qint64 a, qint64 b, qint64 c) override { return danach(m_echt->schliessen(a, b, c)); }

private:
    Ergebnis danach(Ergebnis e)
    {
        if (++m_aufrufe == m_nach)
            ::kill(::getpid(), SIGKILL);
        return e;
    }
    std::unique_ptr<RueckSchreiber> m_echt;
    qint64 m_nach;
    qint64 m_aufrufe = 0;
};

constexpr int kAnzahl = 10000;

// Every name moves one place on: all 10,000 rows take the detour. Writer calls: 10,000
// first-section records, "::", 10,000 second-section records. One case per kill point, so
// each stays well inside the time limit of a single test.
struct Punkt
{
    const char *name;
    qint64 nachAufruf;
};

class Absturz : public ::testing::TestWithParam<Punkt>
{
};

INSTANTIATE_TEST_SUITE_P(Punkte, Absturz,
                         ::testing::Values(Punkt{"ErstePhase", 3000}, Punkt{"ZwischenDenPhasen", kAnzahl},
                                           Punkt{"NachDemAbschnitt", kAnzahl + 1}, Punkt{"ZweitePhase", 16000}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_P(Absturz, UnterbrocheneRueckDateiStelltAlleNamenWiederHer)
{
    const Punkt &p = GetParam();
    {
        SCOPED_TRACE(p.name);
        XdgUmleiten();
        ASSERT_TRUE(ProgPfadAnlegen());
        TestVerzeichnis tmp;
        std::vector<Umbenennung> plan;
        const auto name = [](int i) { return QStringLiteral("n%1").arg(i, 5, 10, QChar(u'0')); };
        for (int i = 0; i < kAnzahl; ++i) {
            tmp.dateiSchreiben(name(i), name(i).toUtf8());
            plan.push_back({tmp.pfad(), name(i), name((i + 1) % kAnzahl)});
        }
        const Baum vorher = baumLesen(tmp.pfad());

        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            RueckIndex index(ProgPfad);
            ListenDaten vliste(VZelle::Anzahl), aliste;
            arbeitsListenBauen(plan, vliste, aliste);
            AusfuehrAuftrag a;
            a.arbeit = &vliste;
            a.code = 211;
            a.rueckAnlegen = [&p](const QString &pfad, int code,
                                  const QString &b) -> ErgebnisWert<std::unique_ptr<RueckSchreiber>> {
                auto echt = RueckDateiAnlegen(pfad, code, b);
                if (!echt)
                    return echt.ergebnis();
                return std::unique_ptr<RueckSchreiber>(
                    std::make_unique<TodNachAufruf>(std::move(echt).wert(), p.nachAufruf));
            };
            SkriptDialog d;
            StillerFortschritt f;
            Einstellungen e;
            static_cast<void>(Aktion_AendernHerstellen(a, e, f, d, index)); // never returns: killed first
            ::_exit(3);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;

        RueckIndex index(ProgPfad);
        index.IniListeRueck_Lesen();
        ASSERT_EQ(index.anzahl(), 1);
        const RueckIndexEintrag eintrag = index.eintrag(1);
        EXPECT_EQ(eintrag.fehler, -1); // listed as incomplete
        ListenDaten rliste(kRueckZellen);
        SkriptDialog d;
        StillerFortschritt f;
        Einstellungen e;
        const AusfuehrErgebnis u = eintragRueckgaengig(index, eintrag, rliste, d, f, e);
        EXPECT_TRUE(u.allesErledigt()) << u.bericht.toStdString();
        const Baum nachher = baumLesen(tmp.pfad());
        EXPECT_FALSE(hatUmwegName(nachher));
        EXPECT_TRUE(nachher == vorher);
    }
}

} // namespace
} // namespace rinolux::test
