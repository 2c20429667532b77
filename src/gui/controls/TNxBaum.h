#pragma once

#include <QStringList>
#include <QTreeView>

#include <functional>

namespace rinolux {

class BaumModell;

// The directory tree: drives and directories on a lazy model. A node's children are read
// when it is opened and dropped when it is closed, and only the visible lines are painted
// and counted, so a directory of 100,000 subdirectories opens without delay.
class TNxBaum final : public QTreeView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TNxBaum)

public:
    // name: the control name (LinksBaum, VerzForm); the roots are listed at once.
    TNxBaum(const QString &name, bool netzwerk, QWidget *eltern = nullptr);
    ~TNxBaum() override;

    BaumModell &Modell() const { return *m_modell; }

    // Opens the path (its deepest existing directory), selects it and scrolls it into
    // view; returns false (selection unchanged) when no root holds it.
    bool PfadWaehlen(const QString &pfad);
    // The selected directory (with "/"), empty when none.
    QString AusgewaehlterPfad() const;
    // Expands or collapses the selected node.
    void AuswahlAufklappen();
    // Lists the roots again, reopens what was open and keeps the selection if it still exists.
    void Erneuern();
    bool Netzwerk() const;
    void NetzwerkSetzen(bool an);
    QStringList FilterZeilen() const { return m_filterZeilen; }
    void FilterZeilenSetzen(const QStringList &zeilen);
    void DateienAnnehmen(bool an);
    // Asked while subdirectories are counted: true stops the count (the node shows "?").
    void AbbruchSetzen(std::function<bool()> abbrechen);
    // A new subdirectory was made below the node of that path.
    void UnterVerzEintragen(const QString &elternPfad, const QString &name);

Q_SIGNALS:
    void AuswahlGeaendert(const QString &pfad);
    void RechtsKlick(const QString &pfad, const QPoint &global);
    void NichtVorhanden(const QString &pfad);
    void DateienFallengelassen(const QStringList &namen);
    void ZeileUeberMaus(const QString &pfad);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void zugeklappt(const QModelIndex &index);
    void aktuellGeaendert(const QModelIndex &neu);
    QStringList offenePfade() const;

    BaumModell *m_modell;
    QStringList m_filterZeilen;
    bool m_dateienAnnehmen = false;
    QString m_letzteMeldung;
};

} // namespace rinolux
