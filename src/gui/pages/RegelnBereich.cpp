#include "gui/pages/RegelnBereich.h"

#include "core/engine/RegelListe.h"
#include "core/engine/RegelVerbinden.h"
#include "core/shell/Prozess.h"
#include "core/util/nx_Debug.h"
#include "gui/pages/Form_Regel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rinolux {

TRegelnBereich::TRegelnBereich(RegelListe &liste, Dialog &dialog, std::function<SeitenAuswahl(int)> seite,
                               QWidget *eltern)
    : QWidget(eltern), m_liste(liste), m_dialog(dialog), m_seite(std::move(seite))
{
    setObjectName(QStringLiteral("RegelnBereich"));
    auto *raster = new QGridLayout(this);
    raster->setContentsMargins(4, 4, 4, 4);
    raster->setHorizontalSpacing(6);
    raster->setVerticalSpacing(4);

    auto *laListe = new QLabel(QStringLiteral("Diese Regeln stehen zur Auswahl:"), this);
    raster->addWidget(laListe, 0, 0);
    m_liRegelAktion = new QListWidget(this);
    m_liRegelAktion->setObjectName(QStringLiteral("LiRegelAktion"));
    m_liRegelAktion->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liRegelAktion->setTextElideMode(Qt::ElideRight);
    raster->addWidget(m_liRegelAktion, 1, 0, 4, 1);
    connect(m_liRegelAktion, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (EreignisseGesperrt || zeile == m_liste.gewaehlt())
            return;
        m_liste.waehlen(zeile);
        m_edRegel->setText(m_liste.beschreibung(zeile));
        schalterAnpassen();
        Q_EMIT RegelGewechselt();
    });

    // The add buttons and the move spin stand between the list and the description.
    auto *seitlich = new QVBoxLayout;
    seitlich->setSpacing(4);
    m_buPlusA = new QPushButton(QStringLiteral("Ä"), this);
    m_buPlusA->setObjectName(QStringLiteral("BuPlusA"));
    m_buPlusA->setToolTip(QStringLiteral("die Einstellungen der Seite [Ändern] als neue Regel aufnehmen"));
    m_buPlusH = new QPushButton(QStringLiteral("H"), this);
    m_buPlusH->setObjectName(QStringLiteral("BuPlusH"));
    m_buPlusH->setToolTip(QStringLiteral("die Einstellungen der Seite [Herstellen] als neue Regel aufnehmen"));
    for (QPushButton *b : {m_buPlusA, m_buPlusH}) {
        b->setFixedWidth(32);
        seitlich->addWidget(b);
    }
    auto *spi = new QWidget(this);
    spi->setObjectName(QStringLiteral("SpiRegel"));
    spi->setToolTip(QStringLiteral("diese Regel in der Liste verschieben"));
    auto *spiSpalte = new QVBoxLayout(spi);
    spiSpalte->setContentsMargins(0, 0, 0, 0);
    spiSpalte->setSpacing(0);
    m_spiHoch = new QToolButton(spi);
    m_spiHoch->setObjectName(QStringLiteral("SpiRegelHoch"));
    m_spiHoch->setArrowType(Qt::UpArrow);
    m_spiRunter = new QToolButton(spi);
    m_spiRunter->setObjectName(QStringLiteral("SpiRegelRunter"));
    m_spiRunter->setArrowType(Qt::DownArrow);
    for (QToolButton *b : {m_spiHoch, m_spiRunter}) {
        b->setFixedSize(32, 18);
        b->setToolTip(spi->toolTip());
        spiSpalte->addWidget(b);
    }
    seitlich->addWidget(spi);
    seitlich->addStretch(1);
    raster->addLayout(seitlich, 1, 1, 4, 1);

    auto *laRegel = new QLabel(QStringLiteral("ausgewählte Regel   (Beschreibung)"), this);
    raster->addWidget(laRegel, 0, 2);
    m_edRegel = new QLineEdit(this);
    m_edRegel->setObjectName(QStringLiteral("EdRegel"));
    laRegel->setBuddy(m_edRegel);
    raster->addWidget(m_edRegel, 1, 2);
    m_buRegelTextOK = new QPushButton(QStringLiteral("diese Beschreibung festlegen ..."), this);
    m_buRegelTextOK->setObjectName(QStringLiteral("BuRegelTextOK"));
    m_buRegelLoeschen = new QPushButton(QStringLiteral("diese Regel löschen ..."), this);
    m_buRegelLoeschen->setObjectName(QStringLiteral("BuRegelLoeschen"));
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_buRegelTextOK);
    knoepfe->addWidget(m_buRegelLoeschen);
    knoepfe->addStretch(1);
    raster->addLayout(knoepfe, 2, 2);
    m_buRegelVerbinden = new QPushButton(QStringLiteral("mehrere Regeln verbinden ..."), this);
    m_buRegelVerbinden->setObjectName(QStringLiteral("BuRegelVerbinden"));
    m_buRegelTeilen = new QPushButton(QStringLiteral("diese Regel zusätzlich zerteilen ..."), this);
    m_buRegelTeilen->setObjectName(QStringLiteral("BuRegelTeilen"));
    auto *verbinden = new QHBoxLayout;
    verbinden->addWidget(m_buRegelVerbinden);
    verbinden->addWidget(m_buRegelTeilen);
    verbinden->addStretch(1);
    raster->addLayout(verbinden, 3, 2);
    raster->setRowStretch(4, 1);
    raster->setColumnStretch(0, 3);
    raster->setColumnStretch(2, 2);

    connect(m_buPlusA, &QPushButton::clicked, this, [this] { hinzufuegen(2); });
    connect(m_buPlusH, &QPushButton::clicked, this, [this] { hinzufuegen(3); });
    connect(m_buRegelTextOK, &QPushButton::clicked, this, &TRegelnBereich::umbenennen);
    connect(m_buRegelLoeschen, &QPushButton::clicked, this, &TRegelnBereich::loeschen);
    connect(m_buRegelVerbinden, &QPushButton::clicked, this, &TRegelnBereich::verbinden);
    connect(m_buRegelTeilen, &QPushButton::clicked, this, &TRegelnBereich::teilen);
    connect(m_spiHoch, &QToolButton::clicked, this, [this] { verschieben(-1); });
    connect(m_spiRunter, &QToolButton::clicked, this, [this] { verschieben(1); });
    schalterAnpassen();
}

TRegelnBereich::~TRegelnBereich() = default;

void TRegelnBereich::Anpassen()
{
    if (m_liste.gewaehlt() < 0 && !m_liste.leer())
        m_liste.waehlen(0);
    listeZeigen();
}

RegelnSeite TRegelnBereich::Auswahl() const
{
    RegelnSeite r;
    r.gewaehlt = m_liste.gewaehlt();
    r.beschreibung = m_liste.beschreibung(r.gewaehlt);
    r.code = m_liste.code(r.gewaehlt);
    return r;
}

void TRegelnBereich::listeZeigen()
{
    EreignisSperre sperre;
    const QStringList &texte = m_liste.beschreibungen();
    bool gleich = m_liRegelAktion->count() == texte.size();
    for (int i = 0; gleich && i < texte.size(); ++i)
        gleich = m_liRegelAktion->item(i)->text() == texte[i];
    if (!gleich) {
        m_liRegelAktion->clear();
        m_liRegelAktion->addItems(texte);
    }
    m_liRegelAktion->setCurrentRow(m_liste.gewaehlt());
    m_edRegel->setText(m_liste.beschreibung(m_liste.gewaehlt()));
    schalterAnpassen();
}

void TRegelnBereich::schalterAnpassen()
{
    const int i = m_liste.gewaehlt();
    const bool gewaehlt = i >= 0 && !m_liste.leer();
    m_buRegelTextOK->setEnabled(gewaehlt);
    m_buRegelLoeschen->setEnabled(gewaehlt);
    m_spiHoch->setEnabled(gewaehlt && i > 0);
    m_spiRunter->setEnabled(gewaehlt && i < m_liste.anzahl() - 1);
    m_buRegelTeilen->setEnabled(gewaehlt && m_liste.istKombiniert(i));
}

void TRegelnBereich::hinzufuegen(int tab)
{
    DebugSchritt schritt(tab == 3 ? QStringLiteral("BuPlusH") : QStringLiteral("BuPlusA"));
    const SeitenAuswahl a = m_seite(tab);
    const QString seite = tab == 3 ? QStringLiteral("Herstellen") : QStringLiteral("Ändern");
    if (!RegelHinzufuegen(m_liste, m_dialog, seite, AuswahlTextDerSeite(a), RegelCodeDerSeite(a)))
        return;
    listeZeigen();
    Q_EMIT RegelGewechselt();
}

void TRegelnBereich::umbenennen()
{
    DebugSchritt schritt(QStringLiteral("BuRegelTextOK"));
    if (!RegelUmbenennen(m_liste, m_dialog, m_edRegel->text()))
        return;
    listeZeigen();
}

void TRegelnBereich::loeschen()
{
    DebugSchritt schritt(QStringLiteral("BuRegelLoeschen"));
    if (!RegelLoeschen(m_liste, m_dialog))
        return;
    listeZeigen();
    Q_EMIT RegelGewechselt();
}

void TRegelnBereich::verschieben(int richtung)
{
    const bool bewegt = richtung < 0 ? RegelHoch(m_liste) : RegelRunter(m_liste);
    if (!bewegt)
        return;
    listeZeigen();
    Q_EMIT RegelGewechselt();
}

void TRegelnBereich::verbinden()
{
    DebugSchritt schritt(QStringLiteral("AnzeigeForm: RegelForm"));
    Trr rr(m_liste, window());
    // As wide as the list needs, as high as the work area, centred over the window.
    const QScreen *schirm = window()->screen();
    const QRect flaeche = schirm ? schirm->availableGeometry() : QRect(0, 0, 800, 600);
    rr.setMinimumSize(350, 400);
    rr.resize(350, std::max(400, flaeche.height() - 40));
    QPoint pos = window()->geometry().center() - QPoint(rr.width() / 2, rr.height() / 2);
    pos.setX(std::clamp(pos.x(), flaeche.left(), std::max(flaeche.left(), flaeche.right() + 1 - rr.width())));
    pos.setY(std::clamp(pos.y(), flaeche.top(), std::max(flaeche.top(), flaeche.bottom() + 1 - rr.height())));
    rr.move(pos);
    rr.setWindowTitle(QStringLiteral("mehrere Regeln verbinden ..."));
    rr.exec();
    if (!rr.Hinzugefuegt())
        return;
    listeZeigen();
    Q_EMIT RegelGewechselt();
}

void TRegelnBereich::teilen()
{
    DebugSchritt schritt(QStringLiteral("BuRegelTeilen"));
    if (!RegelTeilen(m_liste, m_dialog))
        return;
    listeZeigen();
    Q_EMIT RegelGewechselt();
}

} // namespace rinolux
