// Synthesises the game's eight sound effects as 16-bit mono PCM WAV files, one per sound name
// the game plays ("vrktrade", "vrkmup", "Vrkmenu", ...). Usage: make_sounds <output folder>.
//
// Every note gets a raised-cosine attack and release, and every file a short fade at both
// ends, so nothing clicks when the player starts or cuts a sound. The noise is seeded, so
// the same sources always give the same files.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Buffer = std::vector<double>;

Buffer silence(double seconds) {
    return Buffer(static_cast<size_t>(seconds * kRate), 0.0);
}

double raisedCosine(double x) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

struct Note {
    double start = 0;       // seconds into the buffer
    double length = 0.1;    // seconds until the release has ended
    double freqFrom = 440;  // Hz at the start ...
    double freqTo = 440;    // ... gliding to this by the end
    double amp = 0.5;
    double attack = 0.006;  // seconds
    double decay = 0.1;     // time constant of the exponential fall, seconds
    double release = 0.015;
    // Relative amplitudes of the partials at ratios 1, 2, 3, ... of the base frequency;
    // `stretch` bends the ratios for a bell (a ratio r becomes r^stretch).
    std::vector<double> partials = {1.0};
    double stretch = 1.0;
};

void addNote(Buffer& buf, const Note& n) {
    const auto first = static_cast<size_t>(n.start * kRate);
    const auto count = static_cast<size_t>(n.length * kRate);
    double phase = 0;
    for (size_t i = 0; i < count && first + i < buf.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double freq = n.freqFrom + (n.freqTo - n.freqFrom) * (t / n.length);
        phase += kTwoPi * freq / kRate;
        double v = 0;
        for (size_t k = 0; k < n.partials.size(); ++k) {
            const double ratio = std::pow(static_cast<double>(k + 1), n.stretch);
            // Higher partials die away faster, as on a struck object.
            v += n.partials[k] * std::sin(phase * ratio) * std::exp(-t * k / (n.decay * 2));
        }
        const double env = raisedCosine(t / n.attack) * std::exp(-t / n.decay) *
                           raisedCosine((n.length - t) / n.release);
        buf[first + i] += n.amp * env * v;
    }
}

// Deterministic white noise (xorshift), so that the build is reproducible.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

  private:
    uint32_t state_;
};

// A burst of band-limited noise: the difference of two one-pole low-passes keeps the band
// between roughly `low` and `high` Hz, which sounds like paper or card rather than hiss.
void addNoiseBurst(Buffer& buf, Noise& noise, double start, double length, double amp, double low,
                   double high, double attack, double decay) {
    const auto first = static_cast<size_t>(start * kRate);
    const auto count = static_cast<size_t>(length * kRate);
    const double aHigh = 1.0 - std::exp(-kTwoPi * high / kRate);
    const double aLow = 1.0 - std::exp(-kTwoPi * low / kRate);
    double lpHigh = 0, lpLow = 0;
    for (size_t i = 0; i < count && first + i < buf.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double x = noise.next();
        lpHigh += aHigh * (x - lpHigh);
        lpLow += aLow * (x - lpLow);
        const double env =
            raisedCosine(t / attack) * std::exp(-t / decay) * raisedCosine((length - t) / 0.004);
        buf[first + i] += amp * env * (lpHigh - lpLow);
    }
}

// Scales the sound to the given peak (a fraction of full scale) and fades both ends.
void finish(Buffer& buf, double peak) {
    double max = 0;
    for (double v : buf)
        max = std::max(max, std::abs(v));
    if (max > 0) {
        for (double& v : buf)
            v *= peak / max;
    }
    const size_t fadeIn = kRate * 3 / 1000, fadeOut = kRate * 12 / 1000;
    for (size_t i = 0; i < fadeIn && i < buf.size(); ++i) {
        buf[i] *= raisedCosine(static_cast<double>(i) / fadeIn);
    }
    for (size_t i = 0; i < fadeOut && i < buf.size(); ++i) {
        buf[buf.size() - 1 - i] *= raisedCosine(static_cast<double>(i) / fadeOut);
    }
}

// --- the eight sounds --------------------------------------------------------------------

// New deal: a riffle of cards, then the deck squared on the table.
Buffer shuffleSound() {
    Buffer buf = silence(0.52);
    Noise noise(0x5eed1234u);
    for (int i = 0; i < 10; ++i) {
        const double at = 0.015 + i * 0.034 + 0.006 * noise.next();
        const double swell = std::sin(std::numbers::pi * (i + 1) / 11.0);
        addNoiseBurst(buf, noise, at, 0.03, 0.6 + 0.8 * swell, 900, 6000, 0.002, 0.008);
    }
    addNoiseBurst(buf, noise, 0.39, 0.1, 0.3, 150, 2500, 0.003, 0.025);
    addNote(buf, {.start = 0.39,
                  .length = 0.12,
                  .freqFrom = 150,
                  .freqTo = 110,
                  .amp = 0.15,
                  .attack = 0.003,
                  .decay = 0.035});
    finish(buf, 0.6);
    return buf;
}

// Menu command: a short, soft, rounded blip.
Buffer menuBlip() {
    Buffer buf = silence(0.12);
    addNote(buf, {.start = 0,
                  .length = 0.12,
                  .freqFrom = 740,
                  .freqTo = 880,
                  .amp = 1.0,
                  .attack = 0.008,
                  .decay = 0.04,
                  .partials = {1.0, 0.15}});
    finish(buf, 0.45);
    return buf;
}

// A card laid on the table: a papery snap over a soft low knock.
Buffer cardPlaced() {
    Buffer buf = silence(0.16);
    Noise noise(0xca4d0001u);
    addNoiseBurst(buf, noise, 0, 0.06, 1.0, 400, 5000, 0.0015, 0.012);
    addNote(buf, {.start = 0,
                  .length = 0.16,
                  .freqFrom = 190,
                  .freqTo = 120,
                  .amp = 0.6,
                  .attack = 0.002,
                  .decay = 0.035});
    finish(buf, 0.6);
    return buf;
}

// Refused card: two low, slightly reedy notes falling a tone; firm but not harsh.
Buffer errorBuzz() {
    Buffer buf = silence(0.36);
    for (int i = 0; i < 2; ++i) {
        const double f = i == 0 ? 233.1 : 207.7;
        addNote(buf, {.start = i * 0.16,
                      .length = 0.19,
                      .freqFrom = f,
                      .freqTo = f,
                      .amp = 1.0,
                      .attack = 0.012,
                      .decay = 0.12,
                      .release = 0.03,
                      .partials = {1.0, 0.0, 0.3, 0.0, 0.12, 0.0, 0.05}});
    }
    finish(buf, 0.38);
    return buf;
}

// One card left: a bright two-note chime that rings out.
Buffer lastCardChime() {
    Buffer buf = silence(0.6);
    const double notes[2] = {1046.5, 1568.0};  // C6, G6
    for (int i = 0; i < 2; ++i) {
        addNote(buf, {.start = i * 0.11,
                      .length = 0.6 - i * 0.11,
                      .freqFrom = notes[i],
                      .freqTo = notes[i],
                      .amp = 1.0,
                      .attack = 0.003,
                      .decay = 0.22,
                      .release = 0.06,
                      .partials = {1.0, 0.35, 0.15, 0.06},
                      .stretch = 1.04});
    }
    finish(buf, 0.5);
    return buf;
}

// A card lifting under the mouse: the smallest tick, quiet, since it comes often.
Buffer liftTick() {
    Buffer buf = silence(0.1);
    Noise noise(0x71c4u);
    addNoiseBurst(buf, noise, 0, 0.03, 0.4, 2000, 8000, 0.001, 0.004);
    addNote(buf, {.start = 0,
                  .length = 0.1,
                  .freqFrom = 2200,
                  .freqTo = 2100,
                  .amp = 1.0,
                  .attack = 0.0015,
                  .decay = 0.012});
    finish(buf, 0.28);
    return buf;
}

// Leaving: three notes stepping down, the last one held a little.
Buffer goodbye() {
    Buffer buf = silence(0.58);
    const double notes[3] = {784.0, 659.3, 523.3};  // G5, E5, C5
    for (int i = 0; i < 3; ++i) {
        addNote(buf, {.start = i * 0.14,
                      .length = i == 2 ? 0.3 : 0.17,
                      .freqFrom = notes[i],
                      .freqTo = notes[i],
                      .amp = 1.0,
                      .attack = 0.008,
                      .decay = i == 2 ? 0.16 : 0.09,
                      .release = 0.04,
                      .partials = {1.0, 0.25, 0.08}});
    }
    finish(buf, 0.5);
    return buf;
}

// Sound switched on: a quick rising arpeggio.
Buffer risingChime() {
    Buffer buf = silence(0.5);
    const double notes[4] = {523.3, 659.3, 784.0, 1046.5};  // C5, E5, G5, C6
    for (int i = 0; i < 4; ++i) {
        addNote(buf, {.start = i * 0.075,
                      .length = 0.5 - i * 0.075,
                      .freqFrom = notes[i],
                      .freqTo = notes[i],
                      .amp = 0.8 + 0.1 * i,
                      .attack = 0.004,
                      .decay = i == 3 ? 0.16 : 0.08,
                      .release = 0.05,
                      .partials = {1.0, 0.3, 0.1},
                      .stretch = 1.01});
    }
    finish(buf, 0.5);
    return buf;
}

void put16(std::ofstream& out, uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(b, 2);
}

void put32(std::ofstream& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        const char c = static_cast<char>((v >> (8 * i)) & 0xff);
        out.write(&c, 1);
    }
}

bool writeWav(const std::filesystem::path& path, const Buffer& buf) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const auto dataBytes = static_cast<uint32_t>(buf.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);  // bytes per second
    put16(out, 2);          // bytes per frame
    put16(out, 16);         // bits per sample
    out.write("data", 4);
    put32(out, dataBytes);
    for (double v : buf) {
        const long s = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        put16(out, static_cast<uint16_t>(static_cast<int16_t>(s)));
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <output folder>\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    struct Sound {
        const char* name;
        Buffer (*make)();
    };
    const Sound sounds[] = {
        {"vrktrade", shuffleSound}, {"vrkmup", menuBlip},       {"Vrkmenu", cardPlaced},
        {"vrkerr2", errorBuzz},     {"vrksave", lastCardChime}, {"vrkpau", liftTick},
        {"vrkexit", goodbye},       {"vrksndon", risingChime},
    };
    int failures = 0;
    for (const Sound& s : sounds) {
        const auto path = dir / (std::string(s.name) + ".wav");
        if (!writeWav(path, s.make())) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", path.string().c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
