// The WAVE header check over byte images built here: sane headers play, each broken field or chunk is refused.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "chime/wave.h"

namespace {

// A WAVE image's fields, 16-bit stereo at 44100 Hz for a second. The samples are only counted, never stored.
struct Fields {
    uint32_t format = 1, channels = 2, rate = 44100, byteRate = 176400, blockAlign = 4, bits = 16, fmtSize = 16;
    uint32_t cbExtra = 0, validBits = 16, subFormat = 1, dataSize = 176400;
    std::string guidTail = std::string("\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 12);
    std::string riff = "RIFF", wave = "WAVE", before, order = "fd";  // before fmt; f: fmt, d: the data header
    int64_t riffSize = -1;                                           // -1: the file less 8
    uint64_t trim = 0;                                               // bytes cut off the file's end
};

std::string Le(uint32_t v, int cb) { return cb ? std::string(1, static_cast<char>(v)) + Le(v >> 8, cb - 1) : ""; }
std::string Chunk(const char *id, std::string s) { return id + Le(s.size(), 4) + s + std::string(s.size() % 2, 0); }
std::string Repeat(const std::string &s, int n) { return n ? s + Repeat(s, n - 1) : ""; }

struct Image {
    std::string bytes;  // the headers only
    uint64_t cbFile, cbRead;
};

Image Build(const Fields &f)
{
    std::string fmt = Le(f.format, 2) + Le(f.channels, 2) + Le(f.rate, 4) + Le(f.byteRate, 4) + Le(f.blockAlign, 2) +
                      Le(f.bits, 2) + Le(f.cbExtra, 2) + Le(f.validBits, 2) + Le(3, 4) + Le(f.subFormat, 4) +
                      f.guidTail;
    fmt.resize(f.fmtSize <= kMaxWaveFormatBytes ? f.fmtSize : 16, '\0');
    std::string chunks = f.before;
    for (char c : f.order)
        chunks += c == 'f' ? "fmt " + Le(f.fmtSize, 4) + fmt + std::string(fmt.size() % 2, 0)
                           : "data" + Le(f.dataSize, 4);
    const uint64_t cbWhole = 12 + chunks.size() + static_cast<uint64_t>(f.dataSize), cbFile = cbWhole - f.trim;
    const uint32_t cbRiff = static_cast<uint32_t>(f.riffSize < 0 ? cbWhole - 8 : f.riffSize);
    return {(f.riff + Le(cbRiff, 4) + f.wave + chunks).substr(0, cbFile), cbFile, 0};
}

// Fails past the stored headers, so any read of the samples would refuse the file.
bool ReadImage(void *pContext, uint64_t offset, void *pBuffer, size_t cb)
{
    Image &image = *static_cast<Image *>(pContext);
    if (offset > image.bytes.size() || cb > image.bytes.size() - offset)
        return false;
    std::memcpy(pBuffer, image.bytes.data() + offset, cb);
    image.cbRead += cb;
    return true;
}

auto Tie(const WaveInfo &i)
{
    return std::tie(i.bPlayable, i.fault, i.nFormat, i.nChannels, i.nSamplesPerSec, i.nAvgBytesPerSec, i.nBlockAlign,
                    i.nBitsPerSample, i.cbData, i.nDurationMs);
}

using F = Fields;
void Mono8(F &f) { f.channels = 1, f.rate = 8000, f.byteRate = 8000, f.blockAlign = 1, f.bits = 8; }
void Extensible(F &f) { f.format = 0xFFFE, f.fmtSize = 40, f.cbExtra = 22; }
void MsAdpcm(F &f) { f.format = 2, f.bits = 4; }
void Mp3(F &f) { f.format = 0x55, f.bits = 0, f.blockAlign = 1, f.byteRate = 16000, f.fmtSize = 30, f.cbExtra = 12; }

TEST(WaveHeader, SaneHeadersPlayForTheirLengthAndEachBrokenFieldOrChunkIsRefused)
{
    // Each row edits the 16-bit stereo second as built; the rows that refuse break one thing each.
    const struct { void (*edit)(F &); WaveFault fault; uint32_t durationMs; } cases[] = {
        // Playable: the length rounded up, capped at an hour, an odd last chunk unpadded, a sane RIFF size ignored.
        {[](F &) {}, kWaveOk, 1000}, {[](F &f) { Mono8(f); f.dataSize = 3; }, kWaveOk, 1},
        {[](F &f) { Mono8(f); f.format = 6, f.dataSize = 4000; }, kWaveOk, 500},
        {[](F &f) { f.format = 3, f.bits = 64, f.blockAlign = 16, f.byteRate = 705600; }, kWaveOk, 250},
        {Extensible, kWaveOk, 1000},
        {[](F &f) { Extensible(f); f.subFormat = 3, f.bits = 32, f.blockAlign = 8, f.byteRate *= 2; }, kWaveOk, 500},
        {[](F &f) { Mp3(f); f.dataSize = 3600 * 16000 - 16; }, kWaveOk, 3599999},
        {[](F &f) { Mp3(f); f.dataSize = 0xF0000000; }, kWaveOk, kMaxWaveDurationMs},
        {[](F &f) { f.format = 0x11, f.bits = 4, f.blockAlign = 1024, f.byteRate = f.dataSize = 4000; }, kWaveOk, 1000},
        {[](F &f) { f.fmtSize = 1024; }, kWaveOk, 1000}, {[](F &f) { f.riffSize = 0xFFFFFFFF; }, kWaveOk, 1000},
        // A LIST chunk and an odd one with its pad before fmt; 62 chunks, fmt and data make 64.
        {[](F &f) { f.before = Chunk("LIST", std::string("INFOISFT\2\0\0\0V\0", 14)) + Chunk("JUNK", "odd"); }, kWaveOk,
         1000},
        {[](F &f) { f.before = Repeat(Chunk("JUNK", ""), 62); }, kWaveOk, 1000},
        // Formats and their sample layouts.
        {[](F &f) { f.format = 6; }, kWaveBadBits, 0}, {[](F &f) { f.format = 7; }, kWaveBadBits, 0},
        {[](F &f) { f.format = 3; }, kWaveBadBits, 0}, {[](F &f) { f.format = 0x50; }, kWaveUnknownFormat, 0},
        {[](F &f) { Extensible(f); f.subFormat = 6; }, kWaveUnknownFormat, 0},
        {[](F &f) { Extensible(f); f.guidTail[11] = 0x72; }, kWaveUnknownFormat, 0},
        {[](F &f) { Extensible(f); f.validBits = 24; }, kWaveBadBits, 0},
        {[](F &f) { Extensible(f); f.fmtSize = 18, f.cbExtra = 0; }, kWaveBadFormatSize, 0},
        {[](F &f) { MsAdpcm(f); f.byteRate = 0; }, kWaveBadByteRate, 0},
        {[](F &f) { MsAdpcm(f); f.byteRate = kMaxWaveByteRate + 1; }, kWaveBadByteRate, 0},
        {[](F &f) { MsAdpcm(f); f.blockAlign = 0; }, kWaveBadBlockAlign, 0},
        {[](F &f) { MsAdpcm(f); f.bits = 65535; }, kWaveBadBits, 0},
        {[](F &f) { f.channels = 0; }, kWaveBadChannels, 0}, {[](F &f) { f.channels = 9; }, kWaveBadChannels, 0},
        {[](F &f) { f.channels = 65535; }, kWaveBadChannels, 0}, {[](F &f) { f.bits = 65535; }, kWaveBadBits, 0},
        {[](F &f) { f.rate = 999, f.byteRate = 3996; }, kWaveBadSampleRate, 0},
        {[](F &f) { f.rate = 384001, f.byteRate = 1536004; }, kWaveBadSampleRate, 0},
        {[](F &f) { f.blockAlign = 3; }, kWaveBadBlockAlign, 0}, {[](F &f) { f.byteRate = 0; }, kWaveBadByteRate, 0},
        // The fmt chunk's size and place.
        {[](F &f) { f.fmtSize = 0xFFFFFFF0; }, kWaveBadFormatSize, 0},
        {[](F &f) { f.fmtSize = 14; }, kWaveBadFormatSize, 0}, {[](F &f) { f.fmtSize = 17; }, kWaveBadFormatSize, 0},
        {[](F &f) { f.fmtSize = 1025; }, kWaveBadFormatSize, 0},
        {[](F &f) { f.fmtSize = 18, f.cbExtra = 1; }, kWaveBadFormatSize, 0},
        {[](F &f) { f.order = "d"; }, kWaveNoFormat, 0}, {[](F &f) { f.order = "df"; }, kWaveNoFormat, 0},
        {[](F &f) { f.order = "ffd"; }, kWaveTwoFormats, 0},
        // The data chunk, the RIFF header and the walk. Without its pad an odd chunk makes fmt read as "mt " of 16 MB.
        {[](F &f) { f.order = "f", f.dataSize = 0; }, kWaveNoData, 0}, {[](F &f) { f.dataSize = 0; }, kWaveNoData, 0},
        {[](F &f) { f.trim = 1; }, kWaveDataPastEnd, 0}, {[](F &f) { f.riffSize = 36 + 176399; }, kWaveDataPastEnd, 0},
        {[](F &f) { f.riffSize = 3; }, kWaveNotRiffWave, 0}, {[](F &f) { f.riff = "RIFX"; }, kWaveNotRiffWave, 0},
        {[](F &f) { f.wave = "AVI "; }, kWaveNotRiffWave, 0},
        {[](F &f) { f.before = "JUNK" + Le(3, 4) + "odd"; }, kWaveTruncated, 0},
        {[](F &f) { f.before = "JUNK" + Le(0xFFFFFFF0, 4); }, kWaveTruncated, 0},
        {[](F &f) { f.before = Repeat(Chunk("JUNK", ""), 63); }, kWaveTooManyChunks, 0},
    };
    for (const auto &c : cases) {
        Fields f;
        c.edit(f);
        Image image = Build(f);
        const bool ok = c.fault == kWaveOk;
        const WaveInfo expected = ok ? WaveInfo{1, kWaveOk, f.format, f.channels, f.rate, f.byteRate, f.blockAlign,
                                                f.bits, f.dataSize, c.durationMs}
                                     : WaveInfo{0, c.fault, 0, 0, 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(Tie(CheckWaveHeader({&image, image.cbFile, ReadImage})), Tie(expected)) << &c - cases;
        // The header only: the RIFF header, every chunk header allowed and 40 bytes of fmt.
        EXPECT_LE(image.cbRead, 12u + 8 * kMaxWaveChunks + 40) << &c - cases;
    }

    // A file of 64 bytes cut anywhere, in the headers or the samples, is refused.
    Fields f;
    f.dataSize = 20;
    for (f.trim = 1; f.trim <= 64; ++f.trim) {
        Image image = Build(f);
        EXPECT_FALSE(CheckWaveHeader({&image, image.cbFile, ReadImage}).bPlayable) << image.cbFile;
    }
    EXPECT_EQ(CheckWaveHeader({&f, 64, [](void *, uint64_t, void *, size_t) { return false; }}).fault, kWaveUnreadable);
    EXPECT_EQ(CheckWaveHeader({nullptr, 64, nullptr}).fault, kWaveUnreadable);
}

}  // namespace
