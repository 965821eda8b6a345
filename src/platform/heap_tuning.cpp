#include "platform/heap_tuning.h"

// Any C library header says which library this is (__GLIBC__); without one
// the tuning below would silently compile to nothing.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace qvl {

void KeepHeapSmall() {
#if defined(__GLIBC__)
  // Blocks of a scene picture's size and more get pages of their own, given
  // back when the picture goes; the threshold stays fixed (the library would
  // raise it after the first large block is freed, and keep later pictures
  // in the heap for good).
  constexpr int kOwnPagesFrom = 256 * 1024;
  mallopt(M_MMAP_THRESHOLD, kOwnPagesFrom);
  // Free memory at the top of the heap goes back beyond this much.
  mallopt(M_TRIM_THRESHOLD, kOwnPagesFrom);
  // The game's thread, the sound thread and a movie's: two pools do.
  mallopt(M_ARENA_MAX, 2);
#endif
}

void GiveFreedMemoryBack() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace qvl
