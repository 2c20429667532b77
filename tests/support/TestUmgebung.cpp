#include "support/TestUmgebung.h"

#include "core/shell/Prozess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace rinolux::test {

TestVerzeichnis::TestVerzeichnis() { m_dir.setAutoRemove(true); }

QString TestVerzeichnis::pfad() const { return m_dir.path() + u'/'; }

QString TestVerzeichnis::pfad(const QString &relativ) const { return pfad() + relativ; }

void TestVerzeichnis::dateienAnlegen(const QStringList &relativ) const
{
    for (const QString &r : relativ) {
        if (r.endsWith(u'/')) {
            QDir().mkpath(pfad(r));
            continue;
        }
        dateiSchreiben(r, QByteArray());
    }
}

void TestVerzeichnis::dateiSchreiben(const QString &relativ, const QByteArray &inhalt) const
{
    const QString voll = pfad(relativ);
    QDir().mkpath(QFileInfo(voll).absolutePath());
    QFile f(voll);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(inhalt);
}

QByteArray TestVerzeichnis::dateiLesen(const QString &relativ) const
{
    QFile f(pfad(relativ));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void XdgUmleiten()
{
    // Kept alive for the whole test program; removed at exit.
    static std::vector<std::unique_ptr<QTemporaryDir>> verzeichnisse;
    QTemporaryDir *conf = verzeichnisse.emplace_back(std::make_unique<QTemporaryDir>()).get();
    QTemporaryDir *data = verzeichnisse.emplace_back(std::make_unique<QTemporaryDir>()).get();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(conf->path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data->path()));
    ProzessWerteSetzen(QStringLiteral("rinolux"));
}

} // namespace rinolux::test
