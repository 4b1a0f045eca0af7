// Reads back the generated sound files as a player's sound system would: a RIFF/WAVE file
// with a PCM format chunk and a data chunk, short, audible, starting and ending at rest.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// File names exactly as the game plays them; the capital V of "Vrkmenu" matters on Linux.
const char* const kNames[] = {"vrktrade", "vrkmup", "Vrkmenu", "vrkerr2",
                              "vrksave",  "vrkpau", "vrkexit", "vrksndon"};

uint32_t le32(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t le16(const std::vector<unsigned char>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

struct Wav {
    uint16_t format = 0, channels = 0, bits = 0, blockAlign = 0;
    uint32_t rate = 0, byteRate = 0;
    std::vector<int16_t> samples;
};

// Walks the chunks rather than assuming a 44-byte header, so a reader's view is tested.
::testing::AssertionResult readWav(const std::string& name, Wav& wav) {
    const std::string path = std::string(TOLVANIS_SOUND_DIR) + "/" + name + ".wav";
    std::ifstream in(path, std::ios::binary);
    if (!in) return ::testing::AssertionFailure() << "missing " << path;
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
        return ::testing::AssertionFailure() << name << ": not a RIFF/WAVE file";
    }
    if (le32(b, 4) + 8 != b.size()) {
        return ::testing::AssertionFailure() << name << ": RIFF size does not match the file";
    }
    bool haveFmt = false, haveData = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const uint32_t size = le32(b, at + 4);
        if (at + 8 + size > b.size()) {
            return ::testing::AssertionFailure()
                   << name << ": chunk " << id << " runs past the end";
        }
        if (id == "fmt " && size >= 16) {
            wav.format = le16(b, at + 8);
            wav.channels = le16(b, at + 10);
            wav.rate = le32(b, at + 12);
            wav.byteRate = le32(b, at + 16);
            wav.blockAlign = le16(b, at + 20);
            wav.bits = le16(b, at + 22);
            haveFmt = true;
        } else if (id == "data") {
            for (size_t i = 0; i + 1 < size; i += 2) {
                wav.samples.push_back(static_cast<int16_t>(le16(b, at + 8 + i)));
            }
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFmt || !haveData) {
        return ::testing::AssertionFailure() << name << ": fmt or data chunk missing";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(Sounds, AreShortMonoSixteenBitPcm) {
    for (const char* name : kNames) {
        Wav wav;
        ASSERT_TRUE(readWav(name, wav));
        EXPECT_EQ(wav.format, 1) << name;
        EXPECT_EQ(wav.channels, 1) << name;
        EXPECT_EQ(wav.bits, 16) << name;
        EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100) << name << " " << wav.rate;
        EXPECT_EQ(wav.blockAlign, 2) << name;
        EXPECT_EQ(wav.byteRate, wav.rate * 2) << name;
        const double seconds = static_cast<double>(wav.samples.size()) / wav.rate;
        EXPECT_GE(seconds, 0.1) << name;
        EXPECT_LE(seconds, 0.6) << name;
    }
}

TEST(Sounds, AreAudibleWithoutClippingAndStartAndEndAtRest) {
    for (const char* name : kNames) {
        Wav wav;
        ASSERT_TRUE(readWav(name, wav));
        ASSERT_GT(wav.samples.size(), 100u) << name;
        int peak = 0;
        for (int16_t s : wav.samples)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 32767 / 5) << name << " is too quiet";
        EXPECT_LT(peak, 32767) << name << " clips";
        // A sound that starts or stops away from zero clicks in the speaker.
        EXPECT_LT(std::abs(wav.samples.front()), 100) << name;
        EXPECT_LT(std::abs(wav.samples.back()), 100) << name;
        const size_t rampLength = wav.rate / 1000;  // the first millisecond
        for (size_t i = 0; i < rampLength; ++i) {
            EXPECT_LT(std::abs(wav.samples[i]), peak / 2) << name << " starts with a jump";
        }
    }
}

TEST(Sounds, AreEightDifferentSounds) {
    std::vector<std::vector<int16_t>> all;
    for (const char* name : kNames) {
        Wav wav;
        ASSERT_TRUE(readWav(name, wav));
        all.push_back(wav.samples);
    }
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            EXPECT_NE(all[i], all[j]) << kNames[i] << " and " << kNames[j];
        }
    }
}
