#pragma once

// The directory tree as data: drive roots, children read when a node is opened, the
// filter's exclusion lists, subdirectory counts with cancel, opening a path, the names a
// new subdirectory may have, and the "gehe zu" texts. BaumModell is a lazy item model
// (QtCore only) that a tree view shows; it reads a directory only when its node is
// opened and counts a node's subdirectories only when the view asks for them.
//
// How to call it:
//   BaumModell m;
//   m.FilterSetzen(BaumFilter::ausZeilen(zeilen));
//   m.WurzelnLesen(netzwerk);
//   const QModelIndex i = m.PfadOeffnen(u"/home/anna/Bilder/"_s);   // expands on the way
//   m.Pfad(i);                                                       // "/home/anna/Bilder/"

#include "core/util/Ergebnis.h"

#include <QAbstractItemModel>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace rinolux {

// The filter lines as two exclusion lists, both lower case, sorted, without duplicates.
struct BaumFilter
{
    QStringList pfade; // with trailing "/"
    QStringList namen;

    // Lines with "*" or "?" are ignored; a line with "/" is a path, any other a name.
    static BaumFilter ausZeilen(const QStringList &zeilen);
    // verzeichnis with trailing "/"; name its last component.
    bool ausgeschlossen(const QString &verzeichnis, const QString &name) const;
};

// Unknown count: counting was cancelled.
inline constexpr qint32 BaumAnzahlUnbekannt = -1;

// The number of subdirectories of verzeichnis that the filter lets through (symbolic
// links are no subdirectories); 0 when it cannot be read; BaumAnzahlUnbekannt when
// abbrechen (may be empty) said stop.
qint32 nxBaumUnterVerzZaehlen(const QString &verzeichnis, const BaumFilter &filter,
                              const std::function<bool()> &abbrechen = {});
// The names of those subdirectories in the text order.
ErgebnisWert<QStringList> nxBaumUnterVerzLesen(const QString &verzeichnis, const BaumFilter &filter);

// Why a new subdirectory may not have this (trimmed) name, or empty when it may.
QString nxBaumNameFehler(const QString &name);
// Creates eltern + trimmed name; the name is checked first.
ErgebnisWert<QString> nxBaumUnterVerzHerstellen(const QString &eltern, const QString &name);

// The report after deleting the empty subdirectories.
QString nxBaumLeereMeldung(qint64 geloescht, qint64 nichtGeloescht);

// A "gehe zu" entry's text: a path over 80 characters as its first 40 + "[...]" + last 40.
QString nxBaumSprungText(const QString &pfad);
// The recently listed directories: pfad moves to the end, the newest 11 stay.
void nxBaumLetzteVerzeichnisse(QStringList &liste, const QString &pfad);
inline constexpr int BaumLetzteAnzahl = 11;
// The "gehe zu" entries: the jump lines (empty ones dropped), then, when there are at
// least two recent directories, those except the newest, newest first.
struct BaumSprungListe
{
    QStringList feste;
    QStringList letzte;
};
BaumSprungListe nxBaumSprungListe(const QStringList &sprungZeilen, const QStringList &letzte, bool letzteZeigen);

// Roots of the tree: the drives ("/" first), the home directory, and the network mounts
// when asked for.
struct BaumWurzel
{
    QString pfad;
    QString anzeige;
};
QList<BaumWurzel> nxBaumWurzeln(bool netzwerk);

class BaumModell final : public QAbstractItemModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BaumModell)

public:
    enum Rolle { PfadRolle = Qt::UserRole + 1, AnzahlRolle };

    explicit BaumModell(QObject *eltern = nullptr);
    ~BaumModell() override;

    // ---- QAbstractItemModel
    QModelIndex index(int zeile, int spalte, const QModelIndex &eltern = {}) const override;
    QModelIndex parent(const QModelIndex &kind) const override;
    int rowCount(const QModelIndex &eltern = {}) const override;
    int columnCount(const QModelIndex &eltern = {}) const override;
    QVariant data(const QModelIndex &index, int rolle = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex &eltern = {}) const override;
    bool canFetchMore(const QModelIndex &eltern) const override;
    void fetchMore(const QModelIndex &eltern) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // ---- the tree
    // Lists the roots anew (everything else is dropped).
    void WurzelnLesen(bool netzwerk);
    // Asked while subdirectories are counted; true stops the count (unknown).
    void AbbruchSetzen(std::function<bool()> abbrechen) { m_abbrechen = std::move(abbrechen); }
    void FilterSetzen(BaumFilter filter) { m_filter = std::move(filter); }
    const BaumFilter &Filter() const { return m_filter; }
    bool Netzwerk() const { return m_netzwerk; }

    QString Pfad(const QModelIndex &index) const;
    // The number of subdirectories, counted at the first ask. hasChildren never counts: it
    // is true until a count says otherwise.
    qint32 Anzahl(const QModelIndex &index) const;
    // The children are read (the node is "expanded" in the data).
    bool Gelesen(const QModelIndex &index) const;
    // The node of exactly this path among the nodes read so far, or invalid.
    QModelIndex Finden(const QString &pfad) const;
    // Reads the node's children afresh (drops those read before).
    void Aufklappen(const QModelIndex &index);
    // Drops the node's children, so the next opening reads them afresh.
    void Zuklappen(const QModelIndex &index);
    // The deepest existing directory of pfad, opened from its root down (each level read
    // afresh); invalid when not even a root holds it. A network path opens only when the
    // network mounts are listed or its root is already a node.
    QModelIndex PfadOeffnen(const QString &pfad);
    // Lists the roots anew and opens again what was open (pfade: the expanded nodes).
    void Erneuern(bool netzwerk, const QStringList &offenePfade);
    // A new subdirectory was made below the node: in its sorted place when the node's
    // children are read, else the node now has subdirectories. Returns its index or invalid.
    QModelIndex UnterVerzEintragen(const QModelIndex &eltern, const QString &name);

private:
    struct Knoten;
    Knoten *knoten(const QModelIndex &index) const;
    QModelIndex indexVon(Knoten *k) const;
    void kinderLesen(Knoten *k, const QModelIndex &index);
    void kinderWeg(Knoten *k, const QModelIndex &index);
    QModelIndex wurzelFuer(const QString &pfad);

    std::unique_ptr<Knoten> m_wurzel;
    BaumFilter m_filter;
    std::function<bool()> m_abbrechen;
    bool m_netzwerk = false;
};

} // namespace rinolux
