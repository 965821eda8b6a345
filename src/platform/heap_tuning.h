// The program's heap kept close to what it holds: pictures, sounds and
// movie frames come and go with every scene, and the C library would
// otherwise keep the freed memory (and one pool per thread) resident.
#pragma once

namespace qvl {

// Called once at the start of a program, before any thread starts.
void KeepHeapSmall();

// Hands the heap's free pages back to the system, after something large
// made of many small blocks (a synthesizer, a movie's decoder, a scene's
// pictures) has gone: without it they would stay resident for good.
void GiveFreedMemoryBack();

}  // namespace qvl
