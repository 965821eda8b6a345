// How long a sound or a piece of music lasts, read from the file itself:
// WAV from its header, standard MIDI files from their tempo map and last
// event. Headless play uses these to let sounds end on time.
#pragma once

#include <string>

namespace qvl::media {

// Seconds of sound in a RIFF WAV file (any encoding: PCM from the data
// size, compressed ones from the sample count or the byte rate).
// Errors: 53 missing, 75 unreadable, 321 not a usable WAV file.
double ReadWavSeconds(const std::string& path);

// Seconds from the start of a standard MIDI file to its last event, with
// every tempo change honoured. Errors as for ReadWavSeconds.
double ReadMidiSeconds(const std::string& path);

}  // namespace qvl::media
