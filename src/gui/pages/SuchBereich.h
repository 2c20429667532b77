#pragma once

#include "core/selection/SuchVerlauf.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace rinolux {

class SuchListe;
class TNxRotListe;

// The controls of the search sub-pages "einfache Suche", "erweiterte Suche" and
// "Suche mit Liste" with their enable rules, and the search history list SListe below
// them. It turns its fields into a SuchAuftrag and fills them back from a history record;
// the page runs the search.
class SuchBereich final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SuchBereich)

public:
    explicit SuchBereich(QWidget *eltern = nullptr);
    ~SuchBereich() override;

    // k = 2, 3 or 4: shows the controls of that sub-page.
    void SeiteZeigen(int k);
    int Seite() const { return m_seite; }

    // The search of sub-page k as the fields say; unterverzeichnisse by the button.
    SuchAuftrag Auftrag(int k, bool unterverzeichnisse) const;
    // Fills the fields of a restored search (the sub-page is the caller's).
    void Wiederherstellen(const SuchWiederherstellung &w);

    QString Verzeichnis() const;
    void VerzeichnisSetzen(const QString &pfad);
    // Draws the label of EdSuchVerz yellow (a restored directory other than the tree's) or normal.
    void VerzeichnisHervorheben(bool an);

    // CheAuswahlD / CheAuswahlV live in the page's top band; their state is given here.
    void AuswahlArtSetzen(bool dateien, bool verzeichnisse);

    // SListe: the history newest first; LaSuchlisteAnzahl.
    void VerlaufZeigen(const SuchListe &verlauf);
    // The record numbers (1..N) of the marked rows.
    std::vector<int> VerlaufMarkiert() const;
    TNxRotListe *SListe() const { return m_sListe; }
    void SicherheitsfrageSetzen(bool an);

    // RiListensuche: "\r\n     bitte warten ..." until the data is entered or declined.
    void ListensucheWarten();
    void ListensucheSetzen(const QStringList &zeilen);
    QStringList Listensuche() const;

Q_SIGNALS:
    void SuchenVerlangt(bool unterverzeichnisse);
    void VerlaufGewaehlt(int nr);
    void VerlaufLoeschenVerlangt();
    void ListensucheVerlangt(bool eintragen);

private:
    void bauen();
    void freigeben();
    QWidget *erweitertBauen();

    int m_seite = 2;
    bool m_dateien = true;
    bool m_verzeichnisse = true;
    bool m_sicherheitsfrage = true;
    bool m_listeWartet = false;
    QGridLayout *m_raster = nullptr;
    QLabel *m_laMit = nullptr;
    QLineEdit *m_edMit = nullptr;
    QLabel *m_laOhne = nullptr;
    QLineEdit *m_edOhne = nullptr;
    QLabel *m_laMitOhne = nullptr;
    QLabel *m_laListe = nullptr;
    QPlainTextEdit *m_riListe = nullptr;
    QPushButton *m_buListeJa = nullptr;
    QPushButton *m_buListeNein = nullptr;
    QLabel *m_laVerz = nullptr;
    QLineEdit *m_edVerz = nullptr;
    QWidget *m_erweitert = nullptr;
    std::array<QRadioButton *, 3> m_raVerz{};
    QCheckBox *m_cheBytes = nullptr;
    QLineEdit *m_edBytesVon = nullptr;
    QLineEdit *m_edBytesBis = nullptr;
    QPushButton *m_buBytes = nullptr;
    std::array<QCheckBox *, 3> m_cheDatum{};
    std::array<std::array<QLineEdit *, 6>, 3> m_edDatum{};
    QCheckBox *m_cheAttribute = nullptr;
    std::array<std::array<QRadioButton *, 3>, 5> m_raAtt{};
    QPushButton *m_buOhneUnter = nullptr;
    QPushButton *m_buMitUnter = nullptr;
    TNxRotListe *m_sListe = nullptr;
    QLabel *m_laAnzahl = nullptr;
    QPushButton *m_buLoeschen = nullptr;
    std::vector<int> m_zeileZuNr; // SListe row -> record number
};

} // namespace rinolux
