#include "gui/pages/InfoSeite.h"

#include "gui/app/Sanduhr.h"

#include "core/shell/Dialog.h"
#include "core/shell/DialogText.h"
#include "core/shell/Prozess.h"
#include "gui/app/Bilder.h"
#include "gui/pages/SeitenUmgebung.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

namespace rinolux {

namespace {

// The maker's line and the address of the program's web page.
const QString HerstellerZeile = QStringLiteral("© 2023 Rinolux-Entwickler. Dieses Programm darf frei benutzt und weitergegeben werden.");
const QString InternetAdresse = QStringLiteral("https://rinolux.example.org/");

} // namespace

TInfoSeite::TInfoSeite(SeitenUmgebung &umgebung, QWidget *eltern) : Seite(QStringLiteral("PaCopy"), umgebung, eltern)
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(10, 10, 10, 10);
    spalte->setSpacing(0);
    spalte->addWidget(kopfBauen());
    spalte->addSpacing(10);
    QFrame *trenner = SeitenPanel(QStringLiteral("ShaCopyTrenner"), this);
    trenner->setFrameShape(QFrame::HLine);
    trenner->setFrameShadow(QFrame::Sunken);
    spalte->addWidget(trenner);
    spalte->addSpacing(10);
    spalte->addWidget(notizenBauen(), 1);
}

TInfoSeite::~TInfoSeite() = default;

QString TInfoSeite::Titel(int) const
{
    return QStringLiteral("Info");
}

QWidget *TInfoSeite::kopfBauen()
{
    auto *kopf = new QWidget(this);
    auto *kopfZeile = new QHBoxLayout(kopf);
    kopfZeile->setContentsMargins(0, 0, 0, 0);
    kopfZeile->setSpacing(16);
    auto *logo = new QLabel(kopf);
    logo->setObjectName(QStringLiteral("ImLogo"));
    const QIcon icon = QApplication::windowIcon();
    logo->setPixmap(icon.isNull() ? ProgrammBild(64) : icon.pixmap(64, 64));
    logo->setFixedSize(64, 64);
    kopfZeile->addWidget(logo, 0, Qt::AlignTop);

    auto *texte = new QVBoxLayout();
    texte->setSpacing(4);
    auto *prog = new QLabel(ProgName + QStringLiteral(", Version ") + ProgVersion, kopf);
    prog->setObjectName(QStringLiteral("LaCopyProg"));
    QFont gross = prog->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.6);
    gross.setBold(true);
    prog->setFont(gross);
    auto *hersteller = new QLabel(HerstellerZeile, kopf);
    hersteller->setObjectName(QStringLiteral("LaCopyOK"));
    hersteller->setWordWrap(true);
    auto *internet = new QPushButton(QStringLiteral("Internet-Seite ... "), kopf);
    internet->setObjectName(QStringLiteral("BuCopyInternet"));
    internet->setFixedHeight(30);
    internet->setMinimumWidth(140);
    connect(internet, &QPushButton::clicked, this, &TInfoSeite::buCopyInternetClick);
    texte->addWidget(prog);
    texte->addWidget(hersteller);
    texte->addSpacing(6);
    texte->addWidget(internet, 0, Qt::AlignLeft);
    kopfZeile->addLayout(texte, 1);
    return kopf;
}

QWidget *TInfoSeite::notizenBauen()
{
    auto *notizen = new QWidget(this);
    auto *zeile = new QHBoxLayout(notizen);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(10);
    auto feldBauen = [this, notizen](const QString &name, QWidget *&knoepfe) {
        auto *spalte = new QWidget(notizen);
        auto *v = new QVBoxLayout(spalte);
        v->setContentsMargins(0, 0, 0, 0);
        auto *feld = new QTextEdit(spalte);
        feld->setObjectName(name);
        feld->setAcceptRichText(false);
        v->addWidget(feld, 1);
        knoepfe = new QWidget(spalte);
        auto *h = new QHBoxLayout(knoepfe);
        h->setContentsMargins(0, 0, 0, 0);
        auto *ja = new QPushButton(QStringLiteral("Daten jetzt eintragen"), knoepfe);
        ja->setObjectName(name + QStringLiteral("Ja"));
        auto *nein = new QPushButton(QStringLiteral("keine Daten eintragen"), knoepfe);
        nein->setObjectName(name + QStringLiteral("Nein"));
        h->addWidget(ja);
        h->addWidget(nein);
        h->addStretch(1);
        v->addWidget(knoepfe);
        knoepfe->hide();
        connect(ja, &QPushButton::clicked, this, [this, feld] { notizFuellen(feld, true); });
        connect(nein, &QPushButton::clicked, this, [this, feld] { notizFuellen(feld, false); });
        return std::pair{spalte, feld};
    };
    auto [links, feldL] = feldBauen(QStringLiteral("RiCopyL"), m_knoepfeL);
    auto [rechts, feldR] = feldBauen(QStringLiteral("RiCopyR"), m_knoepfeR);
    m_riCopyL = feldL;
    m_riCopyR = feldR;
    links->setFixedWidth(300);
    zeile->addWidget(links);
    zeile->addWidget(rechts, 1);
    return notizen;
}

void TInfoSeite::NotizZurueckhalten(QTextEdit *feld, const QString &text)
{
    const bool l = feld == m_riCopyL;
    (l ? m_zurueckL : m_zurueckR) = text;
    feld->setPlainText(QStringLiteral(" Damit das Programm schneller starten konnte, wurden\n"
                                      " hier keine Daten eingetragen. Um die fehlenden Daten\n"
                                      " einzutragen, kannst du den linken Schalter drücken.\n"
                                      " Die Eintragung kann mehrere Minuten lang dauern."));
    feld->setEnabled(false);
    (l ? m_knoepfeL : m_knoepfeR)->show();
}

std::optional<QString> TInfoSeite::NotizZurueckgehalten(const QTextEdit *feld) const
{
    return feld == m_riCopyL ? m_zurueckL : feld == m_riCopyR ? m_zurueckR : std::nullopt;
}

void TInfoSeite::notizFuellen(QTextEdit *feld, bool eintragen)
{
    Sanduhr sanduhr;
    const bool l = feld == m_riCopyL;
    (l ? m_knoepfeL : m_knoepfeR)->hide();
    feld->setEnabled(true);
    feld->setPlainText(QStringLiteral("\n     bitte warten ..."));
    feld->repaint();
    std::optional<QString> &text = l ? m_zurueckL : m_zurueckR;
    QString t = eintragen && text ? *text : QString();
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    feld->setPlainText(t);
    feld->setFocus();
    text.reset();
}

void TInfoSeite::buCopyInternetClick()
{
    const QString frage = DialogMaskieren(InternetAdresse) + QStringLiteral("\r\n\r\n")
                          + QStringLiteral("Soll die Internet-Seite angezeigt werden?");
    if (Umgebung().Dialoge().Dialog_Frage(frage, QStringLiteral("BuCopyInternet"), false))
        QDesktopServices::openUrl(QUrl(InternetAdresse));
}

} // namespace rinolux
