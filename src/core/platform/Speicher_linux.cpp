// The heap of a process that works through one large batch (rinolux-regel): a listing,
// a fill, a sort and a preview of hundreds of thousands of names, each phase taking tens of
// megabytes the one before it has just given back.

#include "core/platform/Plattform.h"

#include <cstdint>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/mman.h>
#include <unistd.h>

namespace rinolux::plattform {

namespace {

constexpr std::uintptr_t kGrosseSeite = std::uintptr_t(2) << 20;

} // namespace

bool speicherFuerStapellaufEinrichten(std::size_t vorrat)
{
#ifdef __GLIBC__
    // Freed memory stays with the process for the next phase: handing it back and taking it
    // again costs a page fault per page each time. Large blocks come from the heap as well, so
    // they lie in the room prepared below. The process ends after its one batch.
    if (mallopt(M_TRIM_THRESHOLD, 1 << 30) == 0 || mallopt(M_MMAP_THRESHOLD, 1 << 30) == 0)
        return false;
    // The heap grows by the whole room at once and keeps it (free room, not touched, so it costs
    // no memory until used); that room is then offered as huge pages, and the first touch of
    // fresh memory costs one fault per 2 MiB instead of one per 4 KiB.
    void *block = std::malloc(vorrat);
    if (!block)
        return false;
    const auto anfang = reinterpret_cast<std::uintptr_t>(block);
    const auto ende = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    std::free(block);
    // Only a block from the heap itself (not one mapped on its own, which free has unmapped).
    if (ende < anfang || ende - anfang < vorrat)
        return false;
    const std::uintptr_t von = (anfang + kGrosseSeite - 1) & ~(kGrosseSeite - 1);
    const std::uintptr_t bis = ende & ~(kGrosseSeite - 1);
    if (bis <= von)
        return false;
    return ::madvise(reinterpret_cast<void *>(von), bis - von, MADV_HUGEPAGE) == 0;
#else
    Q_UNUSED(vorrat);
    return false;
#endif
}

} // namespace rinolux::plattform
