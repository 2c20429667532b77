#include "gui/pages/Form_Verzeichnis.h"

#include "gui/app/Form_Dialog.h"

#include "core/platform/Plattform.h"
#include "core/selection/BaumDaten.h"
#include "core/shell/Dialog.h"
#include "core/shell/DialogText.h"
#include "core/shell/ListenDaten.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Text.h"
#include "gui/controls/TNxBaum.h"
#include "gui/controls/TNxRotListe.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace rinolux {

Tvv::Tvv(const Wahl &wahl, Dialog &dialoge, QWidget *eltern) : QDialog(eltern), m_wahl(wahl), m_dialoge(dialoge)
{
    setObjectName(QStringLiteral("vv"));
    setWindowTitle(wahl.dateiModus ? QStringLiteral("Datei auswählen") : QStringLiteral("Verzeichnis auswählen"));
    auto *spalte = new QVBoxLayout(this);
    auto *zeile = new QHBoxLayout;
    m_baum = new TNxBaum(QStringLiteral("VerzForm"), wahl.netzwerk, this);
    m_baum->FilterZeilenSetzen(wahl.filterZeilen);
    m_baum->setMinimumWidth(300);
    zeile->addWidget(m_baum, 1);
    if (wahl.dateiModus) {
        m_liste = new TNxRotListe(this, QStringLiteral("VerzListe"), {.linksKlick = true});
        const int nr = m_liste->SpalteNeu(SpaltenTyp::Text);
        m_liste->Spalte(nr).breite = 260;
        m_liste->ZeilenLeeren();
        m_liste->setMinimumWidth(280);
        zeile->addWidget(m_liste, 1);
    }
    spalte->addLayout(zeile, 1);
    spalte->addWidget(OkAbbrechenKnoepfe(this));

    connect(m_baum, &TNxBaum::AuswahlGeaendert, this, &Tvv::dateienLesen);
    connect(m_baum, &TNxBaum::NichtVorhanden, this, [this] {
        m_dialoge.Dialog_Info(QStringLiteral("Das ausgewählte Verzeichnis kann nicht erkannt werden.\r\n\r\n"
                                             "Es existiert nicht,\r\noder es ist fehlerhaft,\r\n"
                                             "oder es wird vom System gesperrt."));
    });
    connect(m_baum, &TNxBaum::RechtsKlick, this, [this](const QString &pfad, const QPoint &global) {
        QMenu menue(this);
        QAction *a = menue.addAction(QStringLiteral("Unter-Verzeichnis herstellen ..."));
        if (menue.exec(global) == a)
            unterVerz(pfad);
    });

    // Client width 320 (more with the file list), the work area's height, at least 500.
    const QScreen *schirm = QGuiApplication::primaryScreen();
    const int hoehe = schirm ? schirm->availableGeometry().height() - 60 : 600;
    resize(wahl.dateiModus ? 640 : 320, std::max(500, hoehe));

    QString start = wahl.start;
    if (wahl.dateiModus && !start.isEmpty() && !nxAdresseIstVerzeichnis(start))
        start = nxAdresseVerzeichnis(start);
    if (m_baum->PfadWaehlen(start.isEmpty() ? QDir::homePath() : start) && wahl.aufklappen)
        m_baum->expand(m_baum->currentIndex());
    if (m_liste && !wahl.start.isEmpty()) {
        const QString gesucht = nxAdresseNameFormat(nxAdresseOhneEndStrich(wahl.start)).toLower();
        for (int i = 0; i < m_dateien.size(); ++i)
            if (m_dateien[i].toLower() == gesucht)
                m_liste->AktPositionSetzen(i + 1);
    }
}

Tvv::~Tvv() = default;

void Tvv::dateienLesen(const QString &verzeichnis)
{
    if (!m_liste)
        return;
    m_dateien.clear();
    if (!verzeichnis.isEmpty())
        static_cast<void>(plattform::verzeichnisLesen(verzeichnis, plattform::Details::Keine,
                                                      [&](const plattform::Eintrag &e) {
                                                          if (!e.istVerzeichnis()
                                                              && nxAdressePasstZuMaske(e.name.toLower(), m_wahl.muster.toLower()))
                                                              m_dateien.append(e.name);
                                                          return true;
                                                      })); // an unreadable directory simply shows no files
    std::stable_sort(m_dateien.begin(), m_dateien.end(),
                     [](const QString &a, const QString &b) { return nxTextVergleich(a, b) < 0; });
    ListenDaten &d = m_liste->Daten();
    m_liste->ZeilenLeeren(int(m_dateien.size()));
    for (const QString &n : std::as_const(m_dateien))
        d.ZelleSetzen(d.ZeilenAnhaengen(), 1, n);
    d.ReihenfolgeIdentitaet();
    m_liste->Spalte(1).titel = QString::number(m_dateien.size()) + QStringLiteral(" vorhandene Dateien");
    m_liste->Neuzeichnen();
}

void Tvv::unterVerz(const QString &pfad)
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("Unter-Verzeichnis herstellen"), pfad,
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return;
    const ErgebnisWert<QString> neu = nxBaumUnterVerzHerstellen(pfad, name);
    if (!neu) {
        m_dialoge.Dialog_Fehler(QStringLiteral("Das Verzeichnis ist nicht hergestellt worden.\r\n\r\n")
                                + DialogMaskieren(neu.ergebnis().text()));
        return;
    }
    m_baum->UnterVerzEintragen(pfad, name.trimmed());
}

QString Tvv::Ergebnis() const
{
    const QString verz = m_baum->AusgewaehlterPfad();
    if (!m_wahl.dateiModus || verz.isEmpty())
        return verz;
    const int z = m_liste->Daten().AktZeile();
    return z >= 1 ? verz + m_liste->Daten().Zelle(z, 1) : QString();
}

QString Tvv::Auswaehlen(const Wahl &wahl, Dialog &dialoge, QWidget *eltern)
{
    Tvv form(wahl, dialoge, eltern);
    return form.exec() == QDialog::Accepted ? form.Ergebnis() : QString();
}

} // namespace rinolux
