// RIFF/WAVE header check: walks the chunk headers, bounded, and judges the fmt chunk and where data lies.
#include "chime/wave.h"

#include <cstring>

#include "base/sjis.h"

namespace {

enum : uint32_t {
    kFormatPcm = 1,
    kFormatMsAdpcm = 2,
    kFormatFloat = 3,
    kFormatALaw = 6,
    kFormatMuLaw = 7,
    kFormatImaAdpcm = 0x11,
    kFormatMpegLayer3 = 0x55,
    kFormatExtensible = 0xFFFE,
};

// The fields up to an extensible header's sub-format GUID; longer fmt chunks are read only this far.
constexpr size_t kFormatBytesRead = 40;
constexpr uint32_t kExtensibleFormatBytes = 40;
constexpr uint32_t kExtensibleExtraBytes = 22;
constexpr uint32_t kMaxCompressedBits = 32;
// Bytes 4..15 of every KSDATAFORMAT_SUBTYPE_* GUID built on a format tag; bytes 0..3 hold the tag.
constexpr uint8_t kSubFormatTail[12] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint32_t Le16(const uint8_t *p)
{
    return p[0] | static_cast<uint32_t>(p[1]) << 8;
}

uint32_t Le32(const uint8_t *p)
{
    return Le16(p) | Le16(p + 2) << 16;
}

bool IsTag(const uint8_t *p, const char *pszTag)
{
    return std::memcmp(p, pszTag, 4) == 0;
}

WaveInfo Refuse(WaveFault fault)
{
    WaveInfo info = {};
    info.fault = fault;
    return info;
}

// The sample layout of PCM-like formats: whole bytes per sample, frames of whole samples.
WaveFault CheckSampleLayout(const WaveInfo &f, uint32_t nEncoding)
{
    const uint32_t bits = f.nBitsPerSample;
    bool bitsOk = bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (nEncoding == kFormatFloat)
        bitsOk = bits == 32 || bits == 64;
    else if (nEncoding == kFormatALaw || nEncoding == kFormatMuLaw)
        bitsOk = bits == 8;
    if (!bitsOk)
        return kWaveBadBits;
    if (f.nBlockAlign != f.nChannels * bits / 8)
        return kWaveBadBlockAlign;
    if (static_cast<uint64_t>(f.nSamplesPerSec) * f.nBlockAlign != f.nAvgBytesPerSec)
        return kWaveBadByteRate;
    return kWaveOk;
}

// The compressed formats' decoders size their own frames, so only the worst values are kept out.
WaveFault CheckCompressedLayout(const WaveInfo &f)
{
    if (f.nBitsPerSample > kMaxCompressedBits)
        return kWaveBadBits;
    if (f.nBlockAlign == 0)
        return kWaveBadBlockAlign;
    if (f.nAvgBytesPerSec == 0 || f.nAvgBytesPerSec > kMaxWaveByteRate)
        return kWaveBadByteRate;
    return kWaveOk;
}

// Judges a fmt chunk of cbChunk bytes (already 16..1024 and inside the file) at offset.
WaveFault ReadFormat(const WaveReader &reader, uint64_t offset, uint32_t cbChunk, WaveInfo *pInfo)
{
    if (cbChunk == kMinWaveFormatBytes + 1)
        return kWaveBadFormatSize;
    uint8_t b[kFormatBytesRead] = {};
    const size_t cbRead = cbChunk < kFormatBytesRead ? cbChunk : kFormatBytesRead;
    if (!reader.pfnRead(reader.pContext, offset, b, cbRead))
        return kWaveUnreadable;
    WaveInfo &f = *pInfo;
    f.nFormat = Le16(b);
    f.nChannels = Le16(b + 2);
    f.nSamplesPerSec = Le32(b + 4);
    f.nAvgBytesPerSec = Le32(b + 8);
    f.nBlockAlign = Le16(b + 12);
    f.nBitsPerSample = Le16(b + 14);
    const uint32_t cbExtra = cbChunk >= 18 ? Le16(b + 16) : 0;
    if (cbChunk >= 18 && 18 + cbExtra > cbChunk)
        return kWaveBadFormatSize;

    uint32_t encoding = f.nFormat;
    if (f.nFormat == kFormatExtensible) {
        if (cbChunk < kExtensibleFormatBytes || cbExtra < kExtensibleExtraBytes)
            return kWaveBadFormatSize;
        encoding = Le32(b + 24);
        if ((encoding != kFormatPcm && encoding != kFormatFloat) ||
            std::memcmp(b + 28, kSubFormatTail, sizeof(kSubFormatTail)) != 0)
            return kWaveUnknownFormat;
    }
    const bool compressed =
        encoding == kFormatMsAdpcm || encoding == kFormatImaAdpcm || encoding == kFormatMpegLayer3;
    const bool pcmLike =
        encoding == kFormatPcm || encoding == kFormatFloat || encoding == kFormatALaw || encoding == kFormatMuLaw;
    if (!compressed && !pcmLike)
        return kWaveUnknownFormat;
    if (f.nChannels < 1 || f.nChannels > kMaxWaveChannels)
        return kWaveBadChannels;
    if (f.nSamplesPerSec < kMinWaveSampleRate || f.nSamplesPerSec > kMaxWaveSampleRate)
        return kWaveBadSampleRate;
    // The valid bits of an extensible sample fit in its container.
    if (f.nFormat == kFormatExtensible && Le16(b + 18) > f.nBitsPerSample)
        return kWaveBadBits;
    return compressed ? CheckCompressedLayout(f) : CheckSampleLayout(f, encoding);
}

WaveInfo Playable(WaveInfo info, uint32_t cbData)
{
    info.bPlayable = 1;
    info.fault = kWaveOk;
    info.cbData = cbData;
    // Under 2^32 * 1000, so no overflow; rounded up so a schedule built on it never cuts the sound short.
    const uint64_t ms = (static_cast<uint64_t>(cbData) * 1000 + info.nAvgBytesPerSec - 1) / info.nAvgBytesPerSec;
    info.nDurationMs = ms < kMaxWaveDurationMs ? static_cast<uint32_t>(ms) : kMaxWaveDurationMs;
    return info;
}

}  // namespace

WaveInfo CheckWaveHeader(const WaveReader &reader)
{
    if (!reader.pfnRead)
        return Refuse(kWaveUnreadable);
    uint8_t head[12];
    if (reader.cbFile < sizeof(head))
        return Refuse(kWaveTruncated);
    if (!reader.pfnRead(reader.pContext, 0, head, sizeof(head)))
        return Refuse(kWaveUnreadable);
    const uint32_t cbRiff = Le32(head + 4);
    if (!IsTag(head, "RIFF") || !IsTag(head + 8, "WAVE") || cbRiff < 4)
        return Refuse(kWaveNotRiffWave);
    // Chunks past the RIFF form are not part of it; a form that claims more than the file is cut short.
    const uint64_t end = reader.cbFile < 8 + static_cast<uint64_t>(cbRiff) ? reader.cbFile : 8 + cbRiff;

    WaveInfo format = {};
    bool haveFormat = false;
    uint64_t offset = 12;
    for (int visited = 0;; ++visited) {
        if (end - offset < 8)
            return Refuse(haveFormat ? kWaveNoData : kWaveNoFormat);
        if (visited == kMaxWaveChunks)
            return Refuse(kWaveTooManyChunks);
        uint8_t chunk[8];
        if (!reader.pfnRead(reader.pContext, offset, chunk, sizeof(chunk)))
            return Refuse(kWaveUnreadable);
        const uint32_t cbChunk = Le32(chunk + 4);
        // Compared as a difference, so no declared size can wrap the sum.
        const uint64_t room = end - offset - 8;
        if (IsTag(chunk, "data")) {
            if (!haveFormat)
                return Refuse(kWaveNoFormat);
            if (cbChunk == 0)
                return Refuse(kWaveNoData);
            if (cbChunk > room)
                return Refuse(kWaveDataPastEnd);
            return Playable(format, cbChunk);
        }
        const bool isFormat = IsTag(chunk, "fmt ");
        if (isFormat && haveFormat)
            return Refuse(kWaveTwoFormats);
        if (isFormat && (cbChunk < kMinWaveFormatBytes || cbChunk > kMaxWaveFormatBytes))
            return Refuse(kWaveBadFormatSize);
        if (cbChunk > room)
            return Refuse(kWaveTruncated);
        if (isFormat) {
            const WaveFault fault = ReadFormat(reader, offset + 8, cbChunk, &format);
            if (fault != kWaveOk)
                return Refuse(fault);
            haveFormat = true;
        }
        offset += 8 + static_cast<uint64_t>(cbChunk);
        // An odd chunk is padded to even; the pad of the last chunk may be missing.
        if ((cbChunk & 1) && offset < end)
            ++offset;
    }
}

SoundNameKind ClassifySoundName(const char *pszName)
{
    if (!pszName || !*pszName)
        return kSoundBuiltIn;
    for (const char *p = pszName; *p; ++p) {
        if (IsShiftJisLeadByte(static_cast<unsigned char>(*p)) && p[1]) {
            ++p;
            continue;
        }
        if (*p == '\\' || *p == '/' || *p == ':' || *p == '.')
            return kSoundFile;
    }
    return kSoundAlias;
}
