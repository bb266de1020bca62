#pragma once
// Telling sound files from the rest by their first bytes, before the media control interface is
// asked to open them: under Wine, opening a file that holds no sound (a program, a library)
// can hold the window for a second or more.
#include <cstddef>
#include <cstdint>

// How many bytes of a file's start startsLikeSound needs.
constexpr size_t soundSignatureBytes = 12;

// True when `bytes`, the first `count` bytes of a file, begin like a file the media control
// interface plays: RIFF (WAVE, MIDI, AVI), MP3 (an ID3 tag or an MPEG audio frame, as AAC's
// ADTS too), MIDI, Ogg, FLAC, AIFF, AU, MP4 and M4A, AMR, and WMA.
bool startsLikeSound(const uint8_t* bytes, size_t count);
