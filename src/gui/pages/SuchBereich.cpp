#include "gui/pages/SuchBereich.h"

#include "core/persist/SuchListe.h"
#include "core/shell/ListenDaten.h"
#include "gui/controls/TNxRotListe.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rinolux {

namespace {

constexpr std::array<QChar, 3> ZeitBuchstaben = {u'H', u'A', u'Z'};
constexpr std::array<QChar, 5> AttBuchstaben = {u'H', u'R', u'S', u'A', u'C'};
const std::array<QString, 6> DatumTeile = {QStringLiteral("VonTag"), QStringLiteral("VonMonat"),
                                           QStringLiteral("VonJahr"), QStringLiteral("BisTag"),
                                           QStringLiteral("BisMonat"), QStringLiteral("BisJahr")};

const QString BytesHilfe = QStringLiteral(
    "Statt Nullen können auch die Buchstaben t, k, m, g verwendet werden.\r\n\r\nt = T = 000\r\nk = K = 000\r\n"
    "m = M = 000000\r\ng = G = 000000000\r\n\r\n3t = 3000\r\n4k = 4000\r\n5M = 5000000\r\n6g = 6000000000");

enum SZelle { SMark = 1, SZeit, SArt, SSuche, SNamen, SPfad, SDaten };

QLineEdit *feld(const QString &name, QWidget *eltern, int breite = 0)
{
    auto *e = new QLineEdit(eltern);
    e->setObjectName(name);
    if (breite > 0)
        e->setFixedWidth(breite);
    return e;
}

QString *datumFeld(SuchDatum &d, int i)
{
    QString *felder[] = {&d.tagVon, &d.monatVon, &d.jahrVon, &d.tagBis, &d.monatBis, &d.jahrBis};
    return felder[i];
}

} // namespace

SuchBereich::SuchBereich(QWidget *eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("PaSuche"));
    // Disabled fields are drawn grey, so the conditions that are off stand out.
    setStyleSheet(QStringLiteral("QLineEdit:disabled { background: palette(window); }"));
    bauen();
    SeiteZeigen(2);
}

SuchBereich::~SuchBereich() = default;

void SuchBereich::bauen()
{
    auto *spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(8, 6, 8, 4);
    auto *oben = new QWidget(this);
    oben->setObjectName(QStringLiteral("PaSucheFelder"));
    m_raster = new QGridLayout(oben);
    m_raster->setContentsMargins(0, 0, 0, 0);
    m_raster->setHorizontalSpacing(8);
    m_raster->setColumnStretch(1, 1);

    m_laMit = new QLabel(QStringLiteral("zu suchende Namen"), oben);
    m_laMit->setObjectName(QStringLiteral("LaSuchMit"));
    m_edMit = feld(QStringLiteral("EdSuchMit"), oben);
    m_laOhne = new QLabel(QStringLiteral("ohne diese Namen"), oben);
    m_laOhne->setObjectName(QStringLiteral("LaSuchOhne"));
    m_edOhne = feld(QStringLiteral("EdSuchOhne"), oben);
    m_laMitOhne = new QLabel(QStringLiteral("^ Erlaubte Platzhalter sind * und ?. Gesucht werden können auch mehrere "
                                            "Namen, durch | oder : getrennt."),
                             oben);
    m_laMitOhne->setObjectName(QStringLiteral("LaSuchMitOhne"));
    m_laMitOhne->setWordWrap(true);

    m_laListe = new QLabel(QStringLiteral("In jede Zeile kann eine Adresse geschrieben werden (beispielsweise "
                                          "/home/anna/Bilder/urlaub*.jpg). Wenn das Verzeichnis weggelassen wird, "
                                          "erfolgt die Suche im unten genannten Verzeichnis."),
                           oben);
    m_laListe->setObjectName(QStringLiteral("LaSucheListe"));
    m_laListe->setWordWrap(true);
    m_riListe = new QPlainTextEdit(oben);
    m_riListe->setObjectName(QStringLiteral("RiListensuche"));
    m_riListe->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_riListe->setMinimumHeight(90);
    connect(m_riListe, &QPlainTextEdit::textChanged, this, [this] { m_listeWartet = false; });
    auto *listeKnoepfe = new QWidget(oben);
    auto *lk = new QVBoxLayout(listeKnoepfe);
    lk->setContentsMargins(0, 0, 0, 0);
    m_buListeJa = new QPushButton(QStringLiteral("Daten jetzt eintragen"), listeKnoepfe);
    m_buListeJa->setObjectName(QStringLiteral("BuListensucheJa"));
    m_buListeNein = new QPushButton(QStringLiteral("keine Daten eintragen"), listeKnoepfe);
    m_buListeNein->setObjectName(QStringLiteral("BuListensucheNein"));
    lk->addWidget(m_buListeJa);
    lk->addWidget(m_buListeNein);
    lk->addStretch(1);
    connect(m_buListeJa, &QPushButton::clicked, this, [this] { Q_EMIT ListensucheVerlangt(true); });
    connect(m_buListeNein, &QPushButton::clicked, this, [this] { Q_EMIT ListensucheVerlangt(false); });

    m_laVerz = new QLabel(QStringLiteral("Suche in diesem Verzeichnis"), oben);
    m_laVerz->setObjectName(QStringLiteral("LaSuchVerz"));
    m_laVerz->setAutoFillBackground(true);
    m_edVerz = feld(QStringLiteral("EdSuchVerz"), oben);

    m_erweitert = erweitertBauen();

    auto *knoepfe = new QWidget(oben);
    auto *kz = new QHBoxLayout(knoepfe);
    kz->setContentsMargins(0, 4, 0, 4);
    m_buOhneUnter = new QPushButton(QStringLiteral("jetzt suchen!"), knoepfe);
    m_buOhneUnter->setObjectName(QStringLiteral("BuSuchOhneUnterverz"));
    m_buMitUnter = new QPushButton(QStringLiteral("jetzt suchen, auch in den Unterverzeichnissen!"), knoepfe);
    m_buMitUnter->setObjectName(QStringLiteral("BuSuchMitUnterverz"));
    kz->addWidget(m_buOhneUnter);
    kz->addWidget(m_buMitUnter);
    kz->addStretch(1);
    connect(m_buOhneUnter, &QPushButton::clicked, this, [this] { Q_EMIT SuchenVerlangt(false); });
    connect(m_buMitUnter, &QPushButton::clicked, this, [this] { Q_EMIT SuchenVerlangt(true); });

    int z = 0;
    m_raster->addWidget(m_laMit, z, 0);
    m_raster->addWidget(m_edMit, z++, 1, 1, 2);
    m_raster->addWidget(m_laOhne, z, 0);
    m_raster->addWidget(m_edOhne, z++, 1, 1, 2);
    m_raster->addWidget(m_laMitOhne, z++, 1, 1, 2);
    m_raster->addWidget(m_laListe, z++, 0, 1, 3);
    m_raster->addWidget(m_riListe, z, 0, 1, 2);
    m_raster->addWidget(listeKnoepfe, z++, 2);
    m_raster->addWidget(m_laVerz, z, 0);
    m_raster->addWidget(m_edVerz, z++, 1, 1, 2);
    m_raster->addWidget(m_erweitert, z++, 0, 1, 3);
    m_raster->addWidget(knoepfe, z++, 0, 1, 3);
    spalte->addWidget(oben);

    auto *verlaufKopf = new QWidget(this);
    auto *vk = new QHBoxLayout(verlaufKopf);
    vk->setContentsMargins(0, 0, 0, 0);
    m_laAnzahl = new QLabel(verlaufKopf);
    m_laAnzahl->setObjectName(QStringLiteral("LaSuchlisteAnzahl"));
    m_buLoeschen = new QPushButton(verlaufKopf);
    m_buLoeschen->setObjectName(QStringLiteral("BuSuchLoeschen"));
    vk->addWidget(m_laAnzahl, 1);
    vk->addWidget(m_buLoeschen);
    connect(m_buLoeschen, &QPushButton::clicked, this, [this] { Q_EMIT VerlaufLoeschenVerlangt(); });
    spalte->addWidget(verlaufKopf);

    auto *listenPanel = new QWidget(this);
    listenPanel->setObjectName(QStringLiteral("PaSListe"));
    auto *lp = new QVBoxLayout(listenPanel);
    lp->setContentsMargins(0, 0, 0, 0);
    m_sListe = new TNxRotListe(listenPanel, QStringLiteral("SListe"),
                               {.bereichMarkieren = true, .klickMarkiert = true, .linksKlick = true, .fuellGrenze = 6});
    lp->addWidget(m_sListe);
    struct S
    {
        SpaltenTyp typ;
        const char16_t *titel;
        int breite;
        bool sichtbar;
    };
    static constexpr S Spalten[] = {
        {SpaltenTyp::Mark, u"", 15, true},
        {SpaltenTyp::Alter, u" Zeit", 80, true},
        {SpaltenTyp::Text, u"", 10, false},
        {SpaltenTyp::Text, u" Suche", 90, true},
        {SpaltenTyp::Text, u" zu suchende Namen", 260, true},
        {SpaltenTyp::Text, u" suchen im Pfad", 200, true},
        {SpaltenTyp::Text, u"", 10, false},
    };
    for (const S &s : Spalten) {
        const int nr = m_sListe->SpalteNeu(s.typ);
        m_sListe->Spalte(nr).titel = QString::fromUtf16(s.titel);
        m_sListe->Spalte(nr).breite = s.breite;
        m_sListe->Spalte(nr).sichtbar = s.sichtbar;
    }
    m_sListe->ZeilenLeeren();
    connect(m_sListe, &TNxRotListe::MarkeGeaendert, this, &SuchBereich::freigeben);
    connect(m_sListe, &TNxRotListe::DoppelKlick, this, [this](int, int, int zeile) {
        if (zeile >= 1 && size_t(zeile) < m_zeileZuNr.size())
            Q_EMIT VerlaufGewaehlt(m_zeileZuNr[size_t(zeile)]);
    });
    spalte->addWidget(listenPanel, 1);

    for (QLineEdit *e : {m_edMit, m_edOhne, m_edVerz})
        connect(e, &QLineEdit::returnPressed, this, [this] {
            if (m_buOhneUnter->isEnabled())
                Q_EMIT SuchenVerlangt(false);
        });
    SicherheitsfrageSetzen(true);
}

QWidget *SuchBereich::erweitertBauen()
{
    auto *w = new QWidget(this);
    w->setObjectName(QStringLiteral("PaSucheErweitert"));
    auto *r = new QGridLayout(w);
    r->setContentsMargins(0, 4, 0, 4);
    r->setHorizontalSpacing(6);
    r->setVerticalSpacing(3);
    int z = 0;

    // Which directories: only with CheAuswahlV.
    auto *verzZeile = new QWidget(w);
    auto *vz = new QHBoxLayout(verzZeile);
    vz->setContentsMargins(0, 0, 0, 0);
    auto *verzGruppe = new QButtonGroup(w);
    const QString verzNamen[] = {QStringLiteral("RaSuchVerzAlle"), QStringLiteral("RaSuchVerzNurVolle"),
                                 QStringLiteral("RaSuchVerzNurLeere")};
    const QString verzTexte[] = {QStringLiteral("alle Verzeichnisse"), QStringLiteral("nur gefüllte"),
                                 QStringLiteral("nur leere")};
    for (int i = 0; i < 3; ++i) {
        m_raVerz[size_t(i)] = new QRadioButton(verzTexte[i], verzZeile);
        m_raVerz[size_t(i)]->setObjectName(verzNamen[i]);
        verzGruppe->addButton(m_raVerz[size_t(i)]);
        vz->addWidget(m_raVerz[size_t(i)]);
    }
    vz->addStretch(1);
    m_raVerz[0]->setChecked(true);
    r->addWidget(verzZeile, z++, 0, 1, 8);

    // Sizes.
    m_cheBytes = new QCheckBox(QStringLiteral("Größe in Bytes"), w);
    m_cheBytes->setObjectName(QStringLiteral("CheSuchBytes"));
    m_edBytesVon = feld(QStringLiteral("EdSuchBytesVon"), w, 110);
    m_edBytesBis = feld(QStringLiteral("EdSuchBytesBis"), w, 110);
    m_buBytes = new QPushButton(QStringLiteral("?"), w);
    m_buBytes->setObjectName(QStringLiteral("BuSuchBytes"));
    m_buBytes->setFixedWidth(28);
    connect(m_buBytes, &QPushButton::clicked, this, [this] {
        QMessageBox::information(this, QStringLiteral("Größe in Bytes"), BytesHilfe);
    });
    auto *bytesZeile = new QWidget(w);
    auto *bz = new QHBoxLayout(bytesZeile);
    bz->setContentsMargins(0, 0, 0, 0);
    bz->addWidget(new QLabel(QStringLiteral("von"), bytesZeile));
    bz->addWidget(m_edBytesVon);
    bz->addWidget(new QLabel(QStringLiteral("bis"), bytesZeile));
    bz->addWidget(m_edBytesBis);
    bz->addWidget(m_buBytes);
    bz->addStretch(1);
    r->addWidget(m_cheBytes, z, 0);
    r->addWidget(bytesZeile, z++, 1, 1, 7);

    // Dates.
    r->addWidget(new QLabel(QStringLiteral("von   (Tag / Monat / Jahr) "), w), z, 1, 1, 3);
    r->addWidget(new QLabel(QStringLiteral("bis   (Tag / Monat / Jahr)"), w), z++, 4, 1, 3);
    const QString zeitTexte[] = {QStringLiteral("Herstellungs-Zeit"), QStringLiteral("Änderungs-Zeit"),
                                 QStringLiteral("Zugriffs-Zeit")};
    for (int k = 0; k < 3; ++k) {
        QCheckBox *c = new QCheckBox(zeitTexte[k], w);
        c->setObjectName(QStringLiteral("CheSuchDatum") + ZeitBuchstaben[size_t(k)]);
        m_cheDatum[size_t(k)] = c;
        r->addWidget(c, z, 0);
        for (int i = 0; i < 6; ++i) {
            QLineEdit *e = feld(QStringLiteral("EdSuchDatum") + DatumTeile[size_t(i)] + ZeitBuchstaben[size_t(k)], w,
                                i % 3 == 2 ? 52 : 34);
            e->setMaxLength(i % 3 == 2 ? 4 : 2);
            m_edDatum[size_t(k)][size_t(i)] = e;
            r->addWidget(e, z, 1 + i, Qt::AlignLeft);
        }
        ++z;
    }

    // Attributes.
    m_cheAttribute = new QCheckBox(QStringLiteral("Attribute   ja/nein/egal"), w);
    m_cheAttribute->setObjectName(QStringLiteral("CheSuchAttribute"));
    auto *attZeile = new QWidget(w);
    auto *az = new QHBoxLayout(attZeile);
    az->setContentsMargins(0, 0, 0, 0);
    const QString wahlNamen[] = {QStringLiteral("Ja"), QStringLiteral("Nein"), QStringLiteral("Egal")};
    const QString wahlTexte[] = {QStringLiteral("ja"), QStringLiteral("nein"), QStringLiteral("egal")};
    for (int a = 0; a < 5; ++a) {
        auto *box = new QWidget(attZeile);
        auto *bl = new QHBoxLayout(box);
        bl->setContentsMargins(0, 0, 10, 0);
        bl->setSpacing(2);
        bl->addWidget(new QLabel(QString(AttBuchstaben[size_t(a)]) + u':', box));
        auto *gruppe = new QButtonGroup(box);
        for (int j = 0; j < 3; ++j) {
            auto *rb = new QRadioButton(wahlTexte[j], box);
            rb->setObjectName(QStringLiteral("RaSuchAtt") + wahlNamen[j] + AttBuchstaben[size_t(a)]);
            gruppe->addButton(rb);
            bl->addWidget(rb);
            m_raAtt[size_t(a)][size_t(j)] = rb;
        }
        m_raAtt[size_t(a)][2]->setChecked(true);
        az->addWidget(box);
    }
    az->addStretch(1);
    r->addWidget(m_cheAttribute, z, 0);
    r->addWidget(attZeile, z++, 1, 1, 7);
    r->setColumnStretch(7, 1);

    for (QCheckBox *c : {m_cheBytes, m_cheAttribute, m_cheDatum[0], m_cheDatum[1], m_cheDatum[2]})
        connect(c, &QCheckBox::toggled, this, &SuchBereich::freigeben);
    return w;
}

void SuchBereich::freigeben()
{
    const bool irgendwas = m_dateien || m_verzeichnisse;
    m_buOhneUnter->setEnabled(irgendwas);
    m_buMitUnter->setEnabled(irgendwas);
    for (QRadioButton *r : m_raVerz)
        r->setEnabled(m_verzeichnisse);
    m_edBytesVon->setEnabled(m_cheBytes->isChecked());
    m_edBytesBis->setEnabled(m_cheBytes->isChecked());
    m_buBytes->setEnabled(m_cheBytes->isChecked());
    for (size_t k = 0; k < 3; ++k)
        for (QLineEdit *e : m_edDatum[k])
            e->setEnabled(m_cheDatum[k]->isChecked());
    for (const auto &gruppe : m_raAtt)
        for (QRadioButton *r : gruppe)
            r->setEnabled(m_cheAttribute->isChecked());
    m_buLoeschen->setEnabled(m_sListe->Daten().MarkiertAnzahl() > 0);
}

void SuchBereich::SeiteZeigen(int k)
{
    m_seite = k;
    const bool namen = k == 2 || k == 3;
    m_laMit->setVisible(namen);
    m_edMit->setVisible(namen);
    m_laMitOhne->setVisible(namen);
    m_laOhne->setVisible(k == 3);
    m_edOhne->setVisible(k == 3);
    m_erweitert->setVisible(k == 3);
    m_laListe->setVisible(k == 4);
    m_riListe->setVisible(k == 4);
    m_buListeJa->parentWidget()->setVisible(k == 4);
    m_laVerz->setText(k == 4 ? QStringLiteral("Suche in diesem Verzeichnis nur dann, wenn oben kein Verzeichnis "
                                              "genannt worden ist")
                             : QStringLiteral("Suche in diesem Verzeichnis"));
    freigeben();
}

SuchAuftrag SuchBereich::Auftrag(int k, bool unterverzeichnisse) const
{
    SuchAuftrag a;
    a.art = k == 3 ? SuchArt::Erweitert : k == 4 ? SuchArt::Liste : SuchArt::Einfach;
    a.verzeichnis = m_edVerz->text();
    a.unterverzeichnisse = unterverzeichnisse;
    a.dateienZeigen = m_dateien;
    a.verzeichnisseZeigen = m_verzeichnisse;
    if (k == 2 || k == 3)
        a.mit = SuchFeldText(m_edMit->text());
    if (k == 4)
        a.listenZeilen = Listensuche();
    if (k != 3)
        return a;
    a.ohne = SuchFeldText(m_edOhne->text());
    a.verzWahl = m_raVerz[1]->isChecked()   ? SuchVerzWahl::NurVolle
                 : m_raVerz[2]->isChecked() ? SuchVerzWahl::NurLeere
                                            : SuchVerzWahl::Alle;
    a.bytesAn = m_cheBytes->isChecked();
    a.bytesVon = SuchFeldText(m_edBytesVon->text());
    a.bytesBis = SuchFeldText(m_edBytesBis->text());
    for (size_t t = 0; t < 3; ++t) {
        a.datum[t].an = m_cheDatum[t]->isChecked();
        for (int i = 0; i < 6; ++i)
            *datumFeld(a.datum[t], i) = SuchFeldText(m_edDatum[t][size_t(i)]->text());
    }
    a.attributeAn = m_cheAttribute->isChecked();
    for (size_t i = 0; i < 5; ++i)
        a.attribute[i] = m_raAtt[i][0]->isChecked()   ? SuchAttWahl::Ja
                         : m_raAtt[i][1]->isChecked() ? SuchAttWahl::Nein
                                                      : SuchAttWahl::Egal;
    return a;
}

void SuchBereich::Wiederherstellen(const SuchWiederherstellung &w)
{
    const SuchAuftrag &a = w.auftrag;
    m_edVerz->setText(a.verzeichnis);
    if (w.seite == SuchSeite::Liste) {
        ListensucheSetzen(a.listenZeilen);
        return;
    }
    m_edMit->setText(a.mit);
    if (w.seite != SuchSeite::Erweitert)
        return;
    m_edOhne->setText(a.ohne);
    m_raVerz[a.verzWahl == SuchVerzWahl::NurVolle ? 1 : a.verzWahl == SuchVerzWahl::NurLeere ? 2 : 0]->setChecked(true);
    m_cheBytes->setChecked(a.bytesAn);
    m_edBytesVon->setText(a.bytesVon);
    m_edBytesBis->setText(a.bytesBis);
    for (size_t t = 0; t < 3; ++t) {
        SuchDatum d = a.datum[t];
        m_cheDatum[t]->setChecked(d.an);
        for (int i = 0; i < 6; ++i)
            m_edDatum[t][size_t(i)]->setText(*datumFeld(d, i));
    }
    m_cheAttribute->setChecked(a.attributeAn);
    for (size_t i = 0; i < 5; ++i)
        m_raAtt[i][a.attribute[i] == SuchAttWahl::Ja ? 0 : a.attribute[i] == SuchAttWahl::Nein ? 1 : 2]->setChecked(true);
    freigeben();
}

QString SuchBereich::Verzeichnis() const { return m_edVerz->text(); }

void SuchBereich::VerzeichnisSetzen(const QString &pfad)
{
    m_edVerz->setText(pfad);
    m_edVerz->setCursorPosition(int(pfad.size())); // the end of a long path stays visible
}

void SuchBereich::VerzeichnisHervorheben(bool an)
{
    QPalette p = m_laVerz->palette();
    p.setColor(QPalette::Window, an ? QColor(Qt::yellow) : palette().color(QPalette::Window));
    m_laVerz->setPalette(p);
}

void SuchBereich::AuswahlArtSetzen(bool dateien, bool verzeichnisse)
{
    m_dateien = dateien;
    m_verzeichnisse = verzeichnisse;
    freigeben();
}

void SuchBereich::VerlaufZeigen(const SuchListe &verlauf)
{
    ListenDaten &d = m_sListe->Daten();
    m_sListe->ZeilenLeeren(verlauf.Anzahl());
    m_zeileZuNr.assign(1, 0);
    for (int nr = verlauf.Anzahl(); nr >= 1; --nr) {
        const SuchVerlaufEintrag &e = verlauf.Eintrag(nr);
        const int z = d.ZeilenAnhaengen();
        d.ZelleSetzen(z, SZeit, e.zeit);
        d.ZelleSetzen(z, SArt, e.art);
        d.ZelleSetzen(z, SSuche, nxSuchVerlaufArtText(e.art));
        d.ZelleSetzen(z, SNamen, e.anzeige);
        d.ZelleSetzen(z, SPfad, e.verzeichnis);
        d.ZelleSetzen(z, SDaten, e.daten);
        m_zeileZuNr.push_back(nr);
    }
    d.ReihenfolgeIdentitaet();
    m_laAnzahl->setText(nxSuchVerlaufAnzahlText(verlauf.Anzahl()));
    m_sListe->Neuzeichnen();
    m_sListe->Springen(QStringLiteral("---"));
    freigeben();
}

std::vector<int> SuchBereich::VerlaufMarkiert() const
{
    std::vector<int> r;
    const ListenDaten &d = m_sListe->Daten();
    for (int z = 1; z <= d.Anzahl(); ++z)
        if (d.Markiert(z) && size_t(z) < m_zeileZuNr.size())
            r.push_back(m_zeileZuNr[size_t(z)]);
    return r;
}

void SuchBereich::SicherheitsfrageSetzen(bool an)
{
    m_sicherheitsfrage = an;
    m_buLoeschen->setText(an ? QStringLiteral("markierte Zeilen löschen ...") : QStringLiteral("markierte Zeilen löschen!"));
}

void SuchBereich::ListensucheWarten()
{
    m_riListe->setPlainText(QStringLiteral("\r\n     bitte warten ..."));
    m_listeWartet = true; // after the text: typing clears it
}

void SuchBereich::ListensucheSetzen(const QStringList &zeilen)
{
    m_listeWartet = false;
    m_riListe->setPlainText(zeilen.join(u'\n'));
}

QStringList SuchBereich::Listensuche() const
{
    // The waiting text is no address to search for.
    if (m_listeWartet)
        return {};
    return m_riListe->toPlainText().split(u'\n');
}

} // namespace rinolux
