#!/usr/bin/env bash
# Makes the small sound, music and movie files the media tests play.
# The outputs are committed under tests/data/media/, so the tests need none
# of these tools; run this again only to change them.
set -euo pipefail

out="$(cd "$(dirname "$0")/.." && pwd)/tests/data/media"
mkdir -p "$out"
cd "$out"
ff=(ffmpeg -v error -y -bitexact)

# Sounds: a 1 s 440 Hz tone, loud enough to measure, 16-bit PCM stereo.
sox -n -r 44100 -b 16 -c 2 tone440.wav synth 1.0 sine 440 vol 0.5
# The same tone in IMA ADPCM, as older games stored their sounds.
sox tone440.wav -e ima-adpcm adpcm440.wav
# A 2 s MP3 at 660 Hz.
sox -n -r 44100 -c 2 tone660.wav synth 2.0 sine 660 vol 0.5
"${ff[@]}" -i tone660.wav -c:a libmp3lame -b:a 64k tone660.mp3
rm tone660.wav

# Music: a standard MIDI file of 8 quarter notes, 4 at 120 and 4 at 60
# beats per minute (2 s + 4 s = 6 s), written byte by byte.
python3 - <<'PY'
import struct
def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)
ppq = 96
tempo_track = b''
tempo_track += vlq(0) + b'\xff\x51\x03' + (500000).to_bytes(3, 'big')      # 120 bpm
tempo_track += vlq(4 * ppq) + b'\xff\x51\x03' + (1000000).to_bytes(3, 'big')  # 60 bpm
tempo_track += vlq(4 * ppq) + b'\xff\x2f\x00'
notes = vlq(0) + b'\xc0\x00'                     # acoustic grand piano
for i in range(8):
    pitch = 60 + (i % 4) * 2
    notes += vlq(0) + bytes([0x90, pitch, 100])
    notes += vlq(ppq) + bytes([pitch, 0])        # running status: note off as velocity 0
notes += vlq(0) + b'\xff\x2f\x00'
def track(data):
    return b'MTrk' + struct.pack('>I', len(data)) + data
midi = b'MThd' + struct.pack('>IHHH', 6, 1, 2, ppq) + track(tempo_track) + track(notes)
open('theme.mid', 'wb').write(midi)
PY

# Movies, 160x120 at 10 frames per second with a 440 Hz tone.
# Solid red for 1 s, then solid blue for 1 s: easy to check by colour and time.
"${ff[@]}" -filter_complex "color=c=red:s=160x120:r=10:d=1[r];color=c=blue:s=160x120:r=10:d=1[b];[r][b]concat=n=2:v=1:a=0[v]" \
  -f lavfi -i "sine=frequency=440:sample_rate=22050:duration=2" -map '[v]' -map 0:a -af volume=0.5 -c:v mpeg4 -q:v 3 -c:a pcm_s16le redblue_mpeg4.avi
"${ff[@]}" -filter_complex "color=c=red:s=160x120:r=10:d=1[r];color=c=blue:s=160x120:r=10:d=1[b];[r][b]concat=n=2:v=1:a=0[v]" \
  -f lavfi -i "sine=frequency=440:sample_rate=22050:duration=2" -map '[v]' -map 0:a -af volume=0.5 -c:v mjpeg -q:v 3 -c:a pcm_s16le redblue_mjpeg.avi
"${ff[@]}" -filter_complex "color=c=red:s=160x120:r=10:d=1[r];color=c=blue:s=160x120:r=10:d=1[b];[r][b]concat=n=2:v=1:a=0[v]" \
  -f lavfi -i "sine=frequency=440:sample_rate=22050:duration=2" -map '[v]' -map 0:a -af volume=0.5 -c:v cinepak -c:a pcm_s16le redblue_cinepak.avi
"${ff[@]}" -filter_complex "color=c=red:s=80x60:r=10:d=1[r];color=c=blue:s=80x60:r=10:d=1[b];[r][b]concat=n=2:v=1:a=0,format=bgr24[v]" \
  -f lavfi -i "sine=frequency=440:sample_rate=22050:duration=2" -map '[v]' -map 0:a -af volume=0.5 -c:v rawvideo -c:a pcm_u8 redblue_raw.avi
# MPEG-1 video with MP2 audio, as on game CDs; 25 frames per second, the
# lowest rate MPEG-1 allows.
"${ff[@]}" -filter_complex "color=c=red:s=160x120:r=25:d=1[r];color=c=blue:s=160x120:r=25:d=1[b];[r][b]concat=n=2:v=1:a=0[v]" \
  -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=2" -map '[v]' -map 0:a -af volume=0.5 -c:v mpeg1video -q:v 3 -c:a mp2 -b:a 128k -f mpeg redblue_mpeg1.mpg

# Damaged files: a WAV header with no sound after it, and a movie that is
# just text.
printf 'RIFF\x24\x00\x00\x00WAVEjunk' > corrupt.wav
printf 'this is not a movie\n' > corrupt.avi
printf 'MThd\x00\x00\x00\x06\x00\x01' > corrupt.mid
printf 'not an mp3 at all\n' > corrupt.mp3
ls -l "$out"
