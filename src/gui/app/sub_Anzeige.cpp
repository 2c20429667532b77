// The start-up sequence of the main window and the saves after it has closed.
#include "gui/app/Start.h"

#include "core/shell/Dialog.h"
#include "core/shell/DialogText.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/app/AnwendungsTitel.h"
#include "gui/app/Form_Anfang.h"
#include "gui/app/Form_Logo.h"
#include "gui/app/SignalWaechter.h"
#include "gui/controls/nx_Register.h"
#include "gui/pages/Seite.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <memory>

namespace rinolux {

namespace {

// Leaves the start-up early when the program was asked to end during it.
struct BeendenWaehrendDesStarts
{
};

} // namespace

int AnzeigeFormAa(SignalWaechter *waechter, const std::function<void(Taa &)> &vorDemLauf,
                  const std::function<void(Taa &)> &nachDemStart)
{
    DebugSchritt schritt(QStringLiteral("AnzeigeForm: aa"));
    // 1. the main window and the start picture
    Taa aa;
    if (waechter)
        QObject::connect(waechter, &SignalWaechter::beendenVerlangt, &aa, &Taa::Beenden);
    // Set when the window closes or the start picture is clicked before the event loop
    // runs (a signal during start-up): the loop is then not entered, the saves still run.
    bool beendenVerlangt = false;
    QObject::connect(&aa, &Taa::Geschlossen, &aa, [&beendenVerlangt] {
        beendenVerlangt = true;
        QCoreApplication::exit(0);
    });
    aa.setWindowTitle(QStringLiteral("wird gestartet ..."));
    AnwendungsTitelSetzen(QStringLiteral("wird gestartet ..."));
    AblaufSchritteAnmelden(aa);
    if (vorDemLauf)
        vorDemLauf(aa);
    aa.SteuerelementeAnlegen();

    bool weiter = true;
    std::unique_ptr<TLogoForm> logo;
    try {
        // 2. early control states
        aa.Ablauf().Ausfuehren(StartSchritt::IniControlsVorStart);
        // 3. start picture
        if (aa.Einst().BildBeiStart) {
            logo = std::make_unique<TLogoForm>();
            QObject::connect(logo.get(), &TLogoForm::BeendenVerlangt, &aa, [&beendenVerlangt] { beendenVerlangt = true; });
            logo->Zeigen();
            logo->BalkenSetzen(0.3);
        }
        auto balken = [&logo](double f) {
            if (logo)
                logo->BalkenSetzen(f);
        };
        // 4. screen check
        QScreen *schirm = QGuiApplication::primaryScreen();
        const QRect flaeche = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
        if (!BildschirmPruefen(flaeche.size(), BildschirmMeldungZahl, aa.Dialoge())) {
            weiter = false;
        }
        if (weiter) {
            // 5. size within the work area
            {
                EreignisSperre sperre;
                aa.setMinimumSize(MindestBreite, MindestHoehe);
                if (aa.width() < MindestBreite || aa.height() < MindestHoehe || !aa.testAttribute(Qt::WA_Resized))
                    aa.resize(std::min(1000, flaeche.width()), std::min(720, flaeche.height()));
                aa.resize(std::min(aa.width(), flaeche.width()), std::min(aa.height(), flaeche.height()));
                QPoint pos = aa.testAttribute(Qt::WA_Moved) ? aa.pos()
                                                            : flaeche.center() - QPoint(aa.width() / 2, aa.height() / 2);
                pos.setX(std::max(flaeche.left(), std::min(pos.x(), flaeche.right() + 1 - aa.width())));
                pos.setY(std::max(flaeche.top(), std::min(pos.y(), flaeche.bottom() + 1 - aa.height())));
                aa.move(pos);
            }
            // 6. drive roots
            aa.Ablauf().Ausfuehren(StartSchritt::LaufwerkeDurchgehen);
            balken(0.4);
            // 7. controls and texts, stored data
            aa.Startwerte();
            balken(0.5);
            aa.Ablauf().Ausfuehren(StartSchritt::RegelnLaden);
            aa.Ablauf().Ausfuehren(StartSchritt::SuchUndMerkListeLaden);
            balken(0.6);
            aa.Ablauf().Ausfuehren(StartSchritt::RueckIndexLaden);
            aa.Ablauf().Ausfuehren(StartSchritt::IniControlsHinterStart);
            balken(0.7);
            // 8. first page
            aa.AktuelleSeite = 1;
            aa.RegHaupt_OnClick(1);
            balken(0.8);
            AnwendungsTitelSetzen(aa.windowTitle());
            QCoreApplication::processEvents();
            balken(0.9);
            // 9. drawing, help, edit menus, action pages
            aa.Ablauf().Ausfuehren(StartSchritt::AuswahlListeZeichnen);
            aa.Ablauf().Ausfuehren(StartSchritt::HilfeVorbereiten);
            aa.Ablauf().Ausfuehren(StartSchritt::EditMenueAnhaengen);
            aa.Ablauf().Ausfuehren(StartSchritt::AktionsSeitenAnpassen);
            aa.AktuelleSeite = 1;
            aa.AktuelleSuchSeite = 1;
            balken(1.0);
            logo.reset();
            // 10. show the window, then the start directory or the start parameters
            if (beendenVerlangt)
                throw BeendenWaehrendDesStarts();
            // No click reaches page 1 or the tab strip before the start directory is listed.
            Seite *seite1 = aa.SeiteFuerTab(1);
            seite1->setEnabled(false);
            aa.HauptRegister()->parentWidget()->setEnabled(false);
            aa.show();
            aa.Ablauf().Ausfuehren(StartSchritt::AuswahlListeZeichnen);
            nxDebugZeile(QStringLiteral("IniVerzeichnisBeiStart=") + IniVerzeichnisBeiStart);
            const qsizetype anzahl = std::max<qsizetype>(0, a_StartParameter.size() - 1);
            nxDebugZeile(QStringLiteral("Größe von a_StartParameter=") + QString::number(anzahl));
            if (anzahl == 0) {
                EreignisSperre sperre;
                aa.Ablauf().Ausfuehren(StartSchritt::StartVerzeichnisOeffnen);
            } else {
                aa.Ablauf().Ausfuehren(StartSchritt::StartParameterAuswaehlen);
            }
            seite1->setEnabled(true);
            aa.HauptRegister()->parentWidget()->setEnabled(true);
            if (nachDemStart)
                nachDemStart(aa);
        }
    } catch (const BeendenWaehrendDesStarts &) {
        // Ended before the window was shown; the saves follow below.
    } catch (const std::exception &e) {
        nxDebugZeile(QStringLiteral("### ProgrammAbsturzAbfang ###"));
        aa.Dialoge().Dialog_Fehler(QStringLiteral("Ein zu großer Fehler ist passiert. Die Ursache ist unbekannt. Das Programm wird beendet.")
                                   + QStringLiteral("\r\n\r\n") + DialogMaskieren(QString::fromLocal8Bit(e.what()).left(500)));
        beendenVerlangt = true;
    } catch (...) {
        nxDebugZeile(QStringLiteral("### ProgrammAbsturzAbfang ###"));
        aa.Dialoge().Dialog_Fehler(QStringLiteral("Ein zu großer Fehler ist passiert. Die Ursache ist unbekannt. Das Programm wird beendet."));
        beendenVerlangt = true;
    }
    logo.reset();

    if (weiter) {
        // 11. the event loop; then save everything, each save on its own.
        if (!beendenVerlangt) {
            nxDebugZeile(QStringLiteral("Application.Run"));
            try {
                QApplication::exec();
            } catch (...) {
                nxDebugZeile(QStringLiteral("### ProgrammAbsturzAbfang ###"));
            }
        }
        aa.hide();
        QCoreApplication::processEvents();
        aa.Ablauf().AllesSpeichern();
    }
    // 12.
    nxDebugZeile(QStringLiteral("AnzeigeForm: AnfangsForm ist geschlossen worden"));
    return 0;
}

} // namespace rinolux
