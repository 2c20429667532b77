#pragma once

// Permission tests need a user the permission checks apply to. Run as root, the scope
// hands the given directories to "nobody" and switches the effective user there; run as
// an ordinary user it does nothing, because the checks already apply.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rinolux::test {

class FremderNutzer final
{
public:
    static constexpr uid_t kNobody = 65534;

    explicit FremderNutzer(const QStringList &verzeichnisse)
    {
        if (::geteuid() != 0)
            return;
        for (const QString &v : verzeichnisse)
            ::nftw(QFile::encodeName(v).constData(), &FremderNutzer::uebergeben, 16, FTW_PHYS);
        m_gewechselt = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
    }
    ~FremderNutzer() { zurueck(); }
    FremderNutzer(const FremderNutzer &) = delete;
    FremderNutzer &operator=(const FremderNutzer &) = delete;

    // Back to root before the scope ends (for checks that need to read everything).
    void zurueck()
    {
        if (m_gewechselt) {
            [[maybe_unused]] const int a = ::seteuid(0);
            [[maybe_unused]] const int b = ::setegid(0);
            m_gewechselt = false;
        }
    }

private:
    static int uebergeben(const char *pfad, const struct stat *, int, struct FTW *)
    {
        ::lchown(pfad, kNobody, kNobody);
        return 0;
    }

    bool m_gewechselt = false;
};

} // namespace rinolux::test
