// The program's heap kept close to what it holds: pictures, sounds and
// movie frames come and go with every scene, and the C library would
// otherwise keep the freed memory (and one pool per thread) resident.
#pragma once

namespace qvl {

// Called once at the start of a program, before any thread starts.
void KeepHeapSmall();

}  // namespace qvl
