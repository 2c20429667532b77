#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace rinolux::test {

// A fresh temporary directory with helpers to lay out small file trees.
class TestVerzeichnis
{
public:
    TestVerzeichnis();
    // Path with a trailing "/".
    QString pfad() const;
    // Full path of a relative name.
    QString pfad(const QString &relativ) const;
    // Creates files (names ending in "/" become directories), parents included.
    void dateienAnlegen(const QStringList &relativ) const;
    void dateiSchreiben(const QString &relativ, const QByteArray &inhalt) const;
    QByteArray dateiLesen(const QString &relativ) const;
    bool gueltig() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};

// Points XDG_CONFIG_HOME and XDG_DATA_HOME at fresh directories and recomputes ProgPfad.
// Every test program calls it once in main; tests may call it again for a clean slate.
void XdgUmleiten();

} // namespace rinolux::test
