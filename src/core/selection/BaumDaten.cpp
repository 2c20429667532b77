#include "core/selection/BaumDaten.h"

#include "core/platform/Plattform.h"
#include "core/util/PfadText.h"
#include "core/util/nx_Adresse.h"
#include "core/util/nx_Debug.h"
#include "core/util/nx_Text.h"

#include <QDir>
#include <QElapsedTimer>

#include <algorithm>

namespace rinolux {

// ---------------------------------------------------------------------------------------
// Filter

namespace {

void sortiertOhneDoppelte(QStringList &l)
{
    std::sort(l.begin(), l.end());
    l.erase(std::unique(l.begin(), l.end()), l.end());
}

bool sortiertEnthaelt(const QStringList &l, const QString &s)
{
    return std::binary_search(l.cbegin(), l.cend(), s);
}

} // namespace

BaumFilter BaumFilter::ausZeilen(const QStringList &zeilen)
{
    BaumFilter f;
    for (const QString &z : zeilen) {
        if (z.isEmpty() || z.contains(u'*') || z.contains(u'?'))
            continue;
        if (z.contains(u'/')) {
            f.pfade.append(nxAdresseMitEndStrich(z.toLower()));
        } else {
            f.namen.append(z.toLower());
        }
    }
    sortiertOhneDoppelte(f.pfade);
    sortiertOhneDoppelte(f.namen);
    return f;
}

bool BaumFilter::ausgeschlossen(const QString &verzeichnis, const QString &name) const
{
    if (!namen.isEmpty() && sortiertEnthaelt(namen, name.toLower()))
        return true;
    if (pfade.isEmpty())
        return false;
    const QString pfad = nxAdresseMitEndStrich(verzeichnis) + name + u'/';
    return sortiertEnthaelt(pfade, pfad.toLower());
}

// ---------------------------------------------------------------------------------------
// Reading subdirectories

qint32 nxBaumUnterVerzZaehlen(const QString &verzeichnis, const BaumFilter &filter,
                              const std::function<bool()> &abbrechen)
{
    qint32 anzahl = 0;
    bool abgebrochen = false;
    const Ergebnis e = plattform::verzeichnisLesen(verzeichnis, plattform::Details::Keine,
                                                   [&](const plattform::Eintrag &eintrag) {
                                                       if (abbrechen && abbrechen()) {
                                                           abgebrochen = true;
                                                           return false;
                                                       }
                                                       // Links are never subdirectories: no walk reaches a loop.
                                                       if (eintrag.istVerzeichnis()
                                                           && !filter.ausgeschlossen(verzeichnis, eintrag.name)
                                                           && anzahl < std::numeric_limits<qint32>::max())
                                                           ++anzahl;
                                                       return true;
                                                   });
    if (abgebrochen)
        return BaumAnzahlUnbekannt;
    return e.ok() ? anzahl : 0;
}

ErgebnisWert<QStringList> nxBaumUnterVerzLesen(const QString &verzeichnis, const BaumFilter &filter)
{
    QStringList namen;
    const Ergebnis e = plattform::verzeichnisLesen(verzeichnis, plattform::Details::Keine,
                                                   [&](const plattform::Eintrag &eintrag) {
                                                       if (eintrag.istVerzeichnis()
                                                           && !filter.ausgeschlossen(verzeichnis, eintrag.name))
                                                           namen.append(eintrag.name);
                                                       return true;
                                                   });
    if (!e)
        return e;
    if (namen.size() > 1) {
        SortSchluessel s(int(namen.size()));
        s.textFeld([&](int i) { return namen[i - 1]; });
        const std::optional<Permutation> p = nxFeldSortieren(s);
        if (p) {
            QStringList sortiert;
            sortiert.reserve(namen.size());
            for (size_t k = 1; k < p->size(); ++k)
                sortiert.append(namen[(*p)[k] - 1]);
            namen = std::move(sortiert);
        }
    }
    return namen;
}

// ---------------------------------------------------------------------------------------
// New subdirectories, jumps

QString nxBaumNameFehler(const QString &name)
{
    const QString n = name.trimmed();
    if (n.isEmpty())
        return QStringLiteral("Es ist kein Name angegeben worden. Bitte einen Namen eingeben.");
    if (n.contains(u'/') || n.contains(QChar(0)))
        return QStringLiteral("Der Name darf weder das Zeichen \"/\" noch ein Null-Zeichen enthalten. "
                              "Bitte einen anderen Namen eingeben.");
    if (n == u"." || n == u"..")
        return QStringLiteral("Die Namen \".\" und \"..\" sind nicht erlaubt. Bitte einen anderen Namen eingeben.");
    if (n.toUtf8().size() > 255)
        return QStringLiteral("Der Name ist zu lang (höchstens 255 Bytes). Bitte einen kürzeren Namen eingeben.");
    return QString();
}

ErgebnisWert<QString> nxBaumUnterVerzHerstellen(const QString &eltern, const QString &name)
{
    const QString fehler = nxBaumNameFehler(name);
    if (!fehler.isEmpty())
        return Ergebnis::Fehler(0, fehler);
    const QString pfad = nxAdresseMitEndStrich(eltern) + name.trimmed() + u'/';
    const Ergebnis e = plattform::verzeichnisAnlegen(pfad);
    if (!e)
        return e;
    return pfad;
}

QString nxBaumLeereMeldung(qint64 geloescht, qint64 nichtGeloescht)
{
    if (nichtGeloescht > 0)
        return QStringLiteral("Fertig.\r\n\r\n") + QString::number(geloescht)
               + QStringLiteral(" leere Verzeichnisse sind gelöscht worden.\r\n\r\n") + QString::number(nichtGeloescht)
               + QStringLiteral(" leere Verzeichnisse sind NICHT gelöscht worden.");
    if (geloescht == 0)
        return QStringLiteral("Erfolg.\r\n\r\n0 leere Verzeichnisse sind gefunden worden.");
    if (geloescht == 1)
        return QStringLiteral("Erfolg.\r\n\r\nEin leeres Verzeichnis ist gelöscht worden.");
    return QStringLiteral("Erfolg.\r\n\r\n") + QString::number(geloescht)
           + QStringLiteral(" leere Verzeichnisse sind gelöscht worden.");
}

QString nxBaumSprungText(const QString &pfad)
{
    if (pfad.size() <= 80)
        return pfad;
    return pfad.left(40) + QStringLiteral("[...]") + pfad.right(40);
}

void nxBaumLetzteVerzeichnisse(QStringList &liste, const QString &pfad)
{
    if (pfad.isEmpty())
        return;
    liste.removeAll(pfad);
    liste.append(pfad);
    while (liste.size() > BaumLetzteAnzahl)
        liste.removeFirst();
}

BaumSprungListe nxBaumSprungListe(const QStringList &sprungZeilen, const QStringList &letzte, bool letzteZeigen)
{
    BaumSprungListe r;
    for (const QString &z : sprungZeilen)
        if (!z.trimmed().isEmpty())
            r.feste.append(z);
    if (letzteZeigen && letzte.size() >= 2)
        for (qsizetype i = letzte.size() - 2; i >= 0; --i)
            r.letzte.append(letzte[i]);
    return r;
}

// ---------------------------------------------------------------------------------------
// Roots

namespace {

QString wurzelAnzeige(const QString &pfad)
{
    QElapsedTimer uhr;
    uhr.start();
    QString name = plattform::laufwerkBezeichnung(pfad);
    if (name.isEmpty())
        name = plattform::laufwerkDateisystem(pfad);
    if (uhr.elapsed() >= 4000)
        nxDebugZeile(pfad + QStringLiteral(" befand sich vermutlich im Stromspar-Modus"));
    return name.isEmpty() ? pfad : pfad + QStringLiteral("   (") + name + u')';
}

void nachText(QStringList &l)
{
    std::stable_sort(l.begin(), l.end(), [](const QString &a, const QString &b) { return nxTextVergleich(a, b) < 0; });
}

} // namespace

QList<BaumWurzel> nxBaumWurzeln(bool netzwerk)
{
    QList<BaumWurzel> r;
    nxDebugZeile(QStringLiteral("suche Laufwerke:"));
    QStringList lokal = plattform::laufwerke();
    lokal.removeAll(QStringLiteral("/"));
    nachText(lokal);
    r.append({QStringLiteral("/"), wurzelAnzeige(QStringLiteral("/"))});
    // The home directory sits right below "/", so it is never more than one click away.
    const QString heim = nxAdresseMitEndStrich(QDir::homePath());
    if (heim != u"/" && nxAdresseIstVerzeichnis(heim))
        r.append({heim, heim});
    for (const QString &l : std::as_const(lokal))
        if (l != heim)
            r.append({l, wurzelAnzeige(l)});
    for (const BaumWurzel &w : std::as_const(r))
        nxDebugZeile(w.anzeige);
    nxDebugZeile(QStringLiteral("suche Laufwerke von Netzwerk:"));
    if (!netzwerk) {
        nxDebugZeile(QStringLiteral("(die Funktion ist ausgeschaltet)"));
        return r;
    }
    QStringList netz = plattform::netzLaufwerke();
    nachText(netz);
    if (netz.isEmpty())
        nxDebugZeile(QStringLiteral("(gesucht, aber keines gefunden)"));
    for (const QString &n : std::as_const(netz)) {
        r.append({n, wurzelAnzeige(n)});
        nxDebugZeile(r.last().anzeige);
    }
    return r;
}

// ---------------------------------------------------------------------------------------
// The model

namespace {
// Not counted yet: the view has not asked for this node.
constexpr qint32 NichtGezaehlt = -2;
} // namespace

struct BaumModell::Knoten
{
    QString pfad; // with trailing "/"
    QString anzeige;
    Knoten *eltern = nullptr;
    std::vector<std::unique_ptr<Knoten>> kinder;
    int zeile = 0;
    qint32 anzahl = NichtGezaehlt;
    bool gelesen = false;
    // A count among the children was cancelled: the others stay unknown until the next
    // reading, so a slow drive does not stall the drawing line by line.
    bool zaehlenAbgebrochen = false;
};

BaumModell::BaumModell(QObject *eltern) : QAbstractItemModel(eltern), m_wurzel(std::make_unique<Knoten>())
{
    m_wurzel->gelesen = true;
}

BaumModell::~BaumModell() = default;

BaumModell::Knoten *BaumModell::knoten(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Knoten *>(index.internalPointer()) : m_wurzel.get();
}

QModelIndex BaumModell::indexVon(Knoten *k) const
{
    return k == m_wurzel.get() || !k ? QModelIndex() : createIndex(k->zeile, 0, k);
}

QModelIndex BaumModell::index(int zeile, int spalte, const QModelIndex &eltern) const
{
    const Knoten *e = knoten(eltern);
    if (spalte != 0 || zeile < 0 || size_t(zeile) >= e->kinder.size())
        return {};
    return createIndex(zeile, 0, e->kinder[size_t(zeile)].get());
}

QModelIndex BaumModell::parent(const QModelIndex &kind) const
{
    if (!kind.isValid())
        return {};
    return indexVon(knoten(kind)->eltern);
}

int BaumModell::rowCount(const QModelIndex &eltern) const
{
    if (eltern.column() > 0)
        return 0;
    return int(knoten(eltern)->kinder.size());
}

int BaumModell::columnCount(const QModelIndex &) const { return 1; }

QVariant BaumModell::data(const QModelIndex &index, int rolle) const
{
    if (!index.isValid())
        return {};
    const Knoten *k = knoten(index);
    switch (rolle) {
    case Qt::DisplayRole: return k->anzeige;
    case Qt::ToolTipRole:
    case PfadRolle: return k->pfad;
    case AnzahlRolle: return Anzahl(index);
    default: return {};
    }
}

Qt::ItemFlags BaumModell::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
}

qint32 BaumModell::Anzahl(const QModelIndex &index) const
{
    Knoten *k = knoten(index);
    if (k->anzahl != NichtGezaehlt)
        return k->anzahl;
    if (k->eltern && k->eltern->zaehlenAbgebrochen) {
        k->anzahl = BaumAnzahlUnbekannt;
        return k->anzahl;
    }
    k->anzahl = nxBaumUnterVerzZaehlen(k->pfad, m_filter, m_abbrechen);
    if (k->anzahl == BaumAnzahlUnbekannt && k->eltern)
        k->eltern->zaehlenAbgebrochen = true;
    return k->anzahl;
}

bool BaumModell::hasChildren(const QModelIndex &eltern) const
{
    const Knoten *k = knoten(eltern);
    if (!eltern.isValid())
        return !k->kinder.empty();
    if (k->gelesen)
        return !k->kinder.empty();
    // Not counted yet: the view asks this of every child when a node opens, so the count
    // waits until the line is painted (Anzahl).
    return k->anzahl != 0;
}

bool BaumModell::canFetchMore(const QModelIndex &eltern) const
{
    return eltern.isValid() && !knoten(eltern)->gelesen;
}

void BaumModell::fetchMore(const QModelIndex &eltern)
{
    if (canFetchMore(eltern))
        kinderLesen(knoten(eltern), eltern);
}

bool BaumModell::Gelesen(const QModelIndex &index) const { return index.isValid() && knoten(index)->gelesen; }

QString BaumModell::Pfad(const QModelIndex &index) const { return index.isValid() ? knoten(index)->pfad : QString(); }

void BaumModell::kinderLesen(Knoten *k, const QModelIndex &index)
{
    ErgebnisWert<QStringList> namen = nxBaumUnterVerzLesen(k->pfad, m_filter);
    k->gelesen = true;
    k->zaehlenAbgebrochen = false;
    if (!namen || namen->isEmpty()) {
        // Unreadable or empty: no subdirectories, nothing to open.
        k->anzahl = 0;
        Q_EMIT dataChanged(index, index);
        return;
    }
    const int n = int(namen->size());
    beginInsertRows(index, 0, n - 1);
    k->kinder.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        auto kind = std::make_unique<Knoten>();
        kind->anzeige = (*namen)[i];
        kind->pfad = k->pfad + kind->anzeige + u'/';
        kind->eltern = k;
        kind->zeile = i;
        k->kinder.push_back(std::move(kind));
    }
    k->anzahl = n;
    endInsertRows();
}

void BaumModell::kinderWeg(Knoten *k, const QModelIndex &index)
{
    if (!k->kinder.empty()) {
        beginRemoveRows(index, 0, int(k->kinder.size()) - 1);
        k->kinder.clear();
        endRemoveRows();
    }
    k->gelesen = false;
    k->zaehlenAbgebrochen = false;
}

void BaumModell::Aufklappen(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    Knoten *k = knoten(index);
    kinderWeg(k, index);
    kinderLesen(k, index);
}

void BaumModell::Zuklappen(const QModelIndex &index)
{
    if (index.isValid())
        kinderWeg(knoten(index), index);
}

void BaumModell::WurzelnLesen(bool netzwerk)
{
    m_netzwerk = netzwerk;
    const QList<BaumWurzel> wurzeln = nxBaumWurzeln(netzwerk);
    beginResetModel();
    m_wurzel->kinder.clear();
    for (const BaumWurzel &w : wurzeln) {
        auto k = std::make_unique<Knoten>();
        k->pfad = w.pfad;
        k->anzeige = w.anzeige;
        k->eltern = m_wurzel.get();
        k->zeile = int(m_wurzel->kinder.size());
        m_wurzel->kinder.push_back(std::move(k));
    }
    endResetModel();
}

QModelIndex BaumModell::Finden(const QString &pfad) const
{
    const QString p = nxAdresseMitEndStrich(pfad);
    const Knoten *k = m_wurzel.get();
    // The deepest root that holds the path, then down through the children read so far.
    const Knoten *bester = nullptr;
    for (const auto &w : k->kinder)
        if (pfadLiegtIn(p, w->pfad) && (!bester || w->pfad.size() > bester->pfad.size()))
            bester = w.get();
    while (bester) {
        if (bester->pfad == p)
            return indexVon(const_cast<Knoten *>(bester));
        const Knoten *naechster = nullptr;
        for (const auto &c : bester->kinder)
            if (pfadLiegtIn(p, c->pfad)) {
                naechster = c.get();
                break;
            }
        bester = naechster;
    }
    return {};
}

QModelIndex BaumModell::wurzelFuer(const QString &pfad)
{
    Knoten *bester = nullptr;
    for (const auto &w : m_wurzel->kinder)
        if (pfadLiegtIn(pfad, w->pfad) && (!bester || w->pfad.size() > bester->pfad.size()))
            bester = w.get();
    // A path on a network mount belongs to that mount, not to "/" above it.
    const QString punkt = plattform::einhaengepunkt(pfad);
    const bool netz = !punkt.isEmpty() && plattform::netzLaufwerke().contains(punkt);
    if (netz && (!bester || !pfadLiegtIn(bester->pfad, punkt)))
        bester = nullptr;
    if (bester)
        return indexVon(bester);
    if (punkt.isEmpty() || (netz && !m_netzwerk))
        return {};
    // A drive mounted since the roots were read becomes a root of its own.
    const int zeile = int(m_wurzel->kinder.size());
    beginInsertRows(QModelIndex(), zeile, zeile);
    auto k = std::make_unique<Knoten>();
    k->pfad = punkt;
    k->anzeige = wurzelAnzeige(punkt);
    k->eltern = m_wurzel.get();
    k->zeile = zeile;
    Knoten *roh = k.get();
    m_wurzel->kinder.push_back(std::move(k));
    endInsertRows();
    return indexVon(roh);
}

QModelIndex BaumModell::PfadOeffnen(const QString &pfad)
{
    if (pfad.isEmpty() || !pfad.startsWith(u'/'))
        return {};
    const QString p = nxAdresseVorhandenesVerzeichnis(nxAdresseMitEndStrich(pfad));
    if (p.isEmpty())
        return {};
    QModelIndex aktuell = wurzelFuer(p);
    if (!aktuell.isValid())
        return {};
    const QStringList teile = p.mid(knoten(aktuell)->pfad.size()).split(u'/', Qt::SkipEmptyParts);
    for (const QString &teil : teile) {
        Aufklappen(aktuell);
        const Knoten *k = knoten(aktuell);
        const QString gesucht = k->pfad + teil + u'/';
        QModelIndex kind;
        for (const auto &c : k->kinder)
            if (c->pfad == gesucht) {
                kind = indexVon(c.get());
                break;
            }
        // A component that is a link or filtered out ends the walk one level up.
        if (!kind.isValid())
            break;
        aktuell = kind;
    }
    return aktuell;
}

void BaumModell::Erneuern(bool netzwerk, const QStringList &offenePfade)
{
    WurzelnLesen(netzwerk);
    QStringList pfade = offenePfade;
    std::sort(pfade.begin(), pfade.end(), [](const QString &a, const QString &b) { return a.size() < b.size(); });
    for (const QString &p : std::as_const(pfade)) {
        const QModelIndex i = Finden(p).isValid() ? Finden(p) : PfadOeffnen(p);
        if (i.isValid() && knoten(i)->pfad == nxAdresseMitEndStrich(p) && !knoten(i)->gelesen)
            kinderLesen(knoten(i), i);
    }
}

QModelIndex BaumModell::UnterVerzEintragen(const QModelIndex &eltern, const QString &name)
{
    if (!eltern.isValid())
        return {};
    Knoten *k = knoten(eltern);
    if (m_filter.ausgeschlossen(k->pfad, name))
        return {};
    if (!k->gelesen) {
        if (k->anzahl <= 0)
            k->anzahl = 1;
        Q_EMIT dataChanged(eltern, eltern);
        return {};
    }
    size_t stelle = 0;
    while (stelle < k->kinder.size() && nxTextVergleich(k->kinder[stelle]->anzeige, name) <= 0)
        ++stelle;
    beginInsertRows(eltern, int(stelle), int(stelle));
    auto kind = std::make_unique<Knoten>();
    kind->anzeige = name;
    kind->pfad = k->pfad + name + u'/';
    kind->eltern = k;
    kind->anzahl = 0;
    Knoten *roh = kind.get();
    k->kinder.insert(k->kinder.begin() + qsizetype(stelle), std::move(kind));
    for (size_t i = stelle; i < k->kinder.size(); ++i)
        k->kinder[i]->zeile = int(i);
    k->anzahl = int(k->kinder.size());
    endInsertRows();
    return indexVon(roh);
}

} // namespace rinolux
