#pragma once

#include <QDialog>
#include <QStringList>

namespace rinolux {

class Dialog;
class TNxBaum;
class TNxRotListe;

// The directory chooser "VerzForm": a tree and, when a file is wanted, the files of the
// chosen directory.
class Tvv final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tvv)

public:
    struct Wahl
    {
        QString start;          // start path (directory, or a file's full name)
        bool dateiModus = false;
        QString muster = QStringLiteral("*"); // file pattern in file mode
        QStringList filterZeilen; // from the main tree
        bool netzwerk = false;
        bool aufklappen = false; // CheStartVerzAufklappen
    };

    Tvv(const Wahl &wahl, Dialog &dialoge, QWidget *eltern = nullptr);
    ~Tvv() override;

    // The chosen directory (with "/"), in file mode the directory + the current file
    // name (empty when no file is current).
    QString Ergebnis() const;
    TNxBaum *Baum() const { return m_baum; }

    // Opens the chooser modally; empty on "Abbrechen".
    static QString Auswaehlen(const Wahl &wahl, Dialog &dialoge, QWidget *eltern = nullptr);

private:
    void dateienLesen(const QString &verzeichnis);
    void unterVerz(const QString &pfad);

    Wahl m_wahl;
    Dialog &m_dialoge;
    TNxBaum *m_baum = nullptr;
    TNxRotListe *m_liste = nullptr;
    QStringList m_dateien;
};

} // namespace rinolux
