// Whether a RIFF/WAVE file's header is sane enough to hand to the platform's player, and how long it plays.
#pragma once

#include <cstddef>
#include <cstdint>

// Some hostile headers crash the platform's player or keep it busy, so only a sane one is played.
constexpr uint32_t kMinWaveSampleRate = 1000;
constexpr uint32_t kMaxWaveSampleRate = 384000;
constexpr uint32_t kMaxWaveChannels = 8;
// A compressed stream never needs more than 8 channels of 32-bit samples at the highest rate.
constexpr uint32_t kMaxWaveByteRate = kMaxWaveChannels * 4 * kMaxWaveSampleRate;
// Chunk headers visited from offset 12, fmt and data included.
constexpr int kMaxWaveChunks = 64;
constexpr uint32_t kMinWaveFormatBytes = 16;
constexpr uint32_t kMaxWaveFormatBytes = 1024;
// A longer sound still plays; its duration reads as this.
constexpr uint32_t kMaxWaveDurationMs = 60 * 60 * 1000;

// Reads at any offset below cbFile; pfnRead returns false when it cannot read all cb bytes.
struct WaveReader {
    void *pContext;
    uint64_t cbFile;
    bool (*pfnRead)(void *pContext, uint64_t offset, void *pBuffer, size_t cb);
};

// Why a header was refused; kWaveOk when it is playable.
enum WaveFault {
    kWaveOk,
    kWaveUnreadable,      // the reader failed inside the file
    kWaveNotRiffWave,     // no "RIFF" size "WAVE", or a RIFF size too small to hold "WAVE"
    kWaveTruncated,       // the file or the RIFF form ends inside its header or inside a chunk before data
    kWaveTooManyChunks,   // no data chunk among the first kMaxWaveChunks
    kWaveNoFormat,        // data before any fmt chunk, or neither
    kWaveTwoFormats,      // players disagree on which one counts
    kWaveBadFormatSize,   // fmt outside 16..1024 bytes or 17, its cbSize past its end, a short extensible
    kWaveUnknownFormat,   // a format tag or extensible sub-format outside the few the player is known to take
    kWaveBadChannels,
    kWaveBadSampleRate,
    kWaveBadBits,
    kWaveBadBlockAlign,
    kWaveBadByteRate,
    kWaveNoData,          // no data chunk, or an empty one
    kWaveDataPastEnd,     // the data chunk's declared size runs past the file or the RIFF form
};

// When bPlayable is 0 only fault is set and every other field is 0.
struct WaveInfo {
    int bPlayable;
    WaveFault fault;
    uint32_t nFormat;  // the tag as written: 0xFFFE for an extensible header
    uint32_t nChannels, nSamplesPerSec, nAvgBytesPerSec, nBlockAlign, nBitsPerSample;
    uint64_t cbData;
    // cbData over the byte rate rounded up, so at least 1; at most kMaxWaveDurationMs. For the
    // compressed formats it is an estimate from the average byte rate.
    uint32_t nDurationMs;
};

// Reads the RIFF header and the chunk headers up to data (and at most 40 bytes of fmt), never the samples.
// The walk ends where the file or the RIFF form ends, whichever comes first.
WaveInfo CheckWaveHeader(const WaveReader &reader);

// What a time signal's sound name names: nothing (Vespin's own chime plays), a file (played only
// when its header is sane) or a sound the system knows by name, such as "SystemAsterisk".
enum SoundNameKind { kSoundBuiltIn, kSoundFile, kSoundAlias };
// A name with a path separator, a drive colon or a dot names a file; a 0x5C that is the second
// byte of a Shift-JIS character is no separator.
SoundNameKind ClassifySoundName(const char *pszName);
