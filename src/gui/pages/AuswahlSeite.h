#pragma once

#include "core/persist/SuchListe.h"
#include "gui/controls/TNxRotListe.h"
#include "gui/pages/Seite.h"

class QCheckBox;
class QLabel;
class QMenu;
class QStackedWidget;
class QStatusBar;
class QTimer;
class QToolButton;

namespace rinolux {

class AListeBedienung;
class SuchBereich;
class TNxBaum;
class TNxReg;
struct SuchAuftrag;

// Page 1 "Auswählen": the search tab strip, the directory tree LinksBaum beside the
// selection list AListe, the search sub-pages with the search history SListe, and the
// status bar StatusAuswahl.
class TAuswahlSeite final : public Seite
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAuswahlSeite)

public:
    explicit TAuswahlSeite(SeitenUmgebung &umgebung, QWidget *eltern = nullptr);
    ~TAuswahlSeite() override;

    QList<int> Tabs() const override { return {1}; }
    QString Titel(int tab) const override;
    void Startwerte() override;
    void Anpassen(int tab) override;
    bool Taste(int taste, Qt::KeyboardModifiers modifikatoren) override;
    void TabFarbeSetzen(const QColor &grund, const QColor &schrift) override;
    void StatusSetzen(int panel, const QString &text) override;
    QString StatusText(int panel) const override;

    // Creates AListe on its panel, once (a start-up step: the list panels come after the
    // pages' controls); returns it.
    AListeBedienung *ListeAnlegen();
    // The selection list, or nullptr before ListeAnlegen.
    AListeBedienung *Liste() const { return m_liste; }
    TNxReg *SucheRegister() const { return m_sucheReg; }
    TNxBaum *Baum() const { return m_baum; }
    SuchBereich *Suche() const { return m_suche; }
    // Which kinds the selection lists (CheAuswahlD, CheAuswahlV).
    bool DateienZeigen() const;
    bool VerzeichnisseZeigen() const;

    // The search sub-tab k was chosen.
    void RegSuche_OnClick(int k);

    // ---- start-up
    // Opens the start directory in the tree (expanded when aufklappen) and lists it; false
    // when the tree has no directory afterwards.
    bool StartVerzeichnisOeffnen(const QString &verzeichnis, bool aufklappen);
    // Names given at start or dropped: their directory is listed and exactly they are marked.
    void NamenAuswaehlen(const QStringList &volleNamen);

    // ---- data kept between runs
    SuchListe &Verlauf() { return m_verlauf; }
    // RiESprung lines and CheESprungAuto.
    void SprungSetzen(const QStringList &zeilen, bool letzteAuto);
    QStringList LetzteVerzeichnisse() const { return m_letzte; }
    void LetzteVerzeichnisseSetzen(const QStringList &l) { m_letzte = l; }
    // The stored content of RiListensuche, entered on request.
    void ListensucheSpeicherSetzen(const QStringList &zeilen) { m_listeSpeicher = zeilen; }

    // The clipboard entries of PopL: "ZA_GL" or a small code "ZA_K1x", on the tree's nodes
    // as they are shown. False when the clipboard was left as it was.
    bool BaumZwischenAblage(const QString &code);

    // Runs the search of search sub-page k (2, 3, 4) as its buttons do.
    void Suchen(int k, bool unterverzeichnisse);

    // The options of the lists on this page.
    static TNxRotListeOptionen SListeOptionen();

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    QWidget *suchRegisterBauen();
    QWidget *mitteBauen();
    QWidget *baumBauen(QWidget *eltern);
    QStatusBar *statusBauen();
    void baumAuswahl(const QString &pfad);
    void baumListen(const QString &pfad);
    void baumMenue(const QString &pfad, const QPoint &global);
    void nichtVorhanden();
    void filterZeigen();
    void unterVerzHerstellen(const QString &pfad);
    void leereLoeschen(const QString &pfad);
    void springen(const QString &pfad);
    void auswahlArtGeaendert();
    void verlaufWiederherstellen(int nr);
    void verlaufLoeschen();

    TNxReg *m_sucheReg = nullptr;
    QStackedWidget *m_stapel = nullptr;
    QWidget *m_paBaum = nullptr;
    QWidget *m_paAuswahlliste = nullptr;
    TNxBaum *m_baum = nullptr;
    QCheckBox *m_cheNetz = nullptr;
    QCheckBox *m_cheD = nullptr;
    QCheckBox *m_cheV = nullptr;
    SuchBereich *m_suche = nullptr;
    QMenu *m_popL = nullptr;
    QTimer *m_verzFarbe = nullptr;
    QList<QLabel *> m_statusPanels;
    AListeBedienung *m_liste = nullptr;
    SuchListe m_verlauf;
    QStringList m_sprungZeilen;
    bool m_sprungAuto = true;
    QStringList m_letzte;
    QStringList m_listeSpeicher;
    // The list shows a search result (not the tree's directory).
    bool m_zeigtSuchErgebnis = false;
    // The tree follows the list (dropped names): its selection does not list again.
    bool m_baumFolgt = false;
};

} // namespace rinolux
