#include "core/engine/TextTeile.h"

#include "core/util/nx_ZeichenKomplex.h"

namespace rinolux {

std::vector<std::u32string> TextTeilen(std::u32string_view text, std::u32string_view trenner, bool leereBehalten)
{
    MusterListe muster;
    for (const char32_t z : trenner)
        muster.push_back(nxMusterWort(std::u32string_view(&z, 1)));
    return nxZellenTeilen(text, nxZellenSuche(std::move(muster)), leereBehalten);
}

} // namespace rinolux
