// Composes and renders the game's background music and sound effects.
//
//   composer OUTDIR
//
// writes OUTDIR/track01.wav .. track08.wav (44.1 kHz stereo), click.wav,
// draw.wav, dist.wav (44.1 kHz mono) and chime.wav (a short test track).
// Everything is synthesised here from seeded random numbers, so every run
// gives the same files. tools/render-media.sh normalises and encodes them.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr double Pi = 3.14159265358979323846;
constexpr double TwoPi = 2.0 * Pi;

using Wave = std::vector<float>;

// ---------------------------------------------------------------- basics

class Rng
{
public:
    explicit Rng(std::uint64_t seed) : m_state(seed * 2862933555777941757ULL + 3037000493ULL) {}
    std::uint64_t bits()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return m_state;
    }
    double unit() { return static_cast<double>(bits() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    double noise() { return 2.0 * unit() - 1.0; }
    int below(int n) { return static_cast<int>(bits() % static_cast<std::uint64_t>(n)); }
    bool chance(double p) { return unit() < p; }

private:
    std::uint64_t m_state;
};

double midiToHz(double midi)
{
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// Rises over `attack`, holds until `hold`, then falls smoothly over `release`.
double envelope(double t, double attack, double hold, double release)
{
    if (t < 0.0)
        return 0.0;
    double a = t < attack ? std::sin(0.5 * Pi * t / attack) : 1.0;
    if (t > hold) {
        const double x = (t - hold) / release;
        a *= x >= 1.0 ? 0.0 : 0.5 + 0.5 * std::cos(Pi * x);
    }
    return a;
}

int samplesFor(double seconds)
{
    return static_cast<int>(std::ceil(seconds * Rate));
}

// One-pole filters for noise shaping.
struct LowPass
{
    double a;
    double y = 0.0;
    explicit LowPass(double cutoff) : a(1.0 - std::exp(-TwoPi * cutoff / Rate)) {}
    double operator()(double x) { return y += a * (x - y); }
};

struct HighPass
{
    LowPass low;
    explicit HighPass(double cutoff) : low(cutoff) {}
    double operator()(double x) { return x - low(x); }
};

// ---------------------------------------------------------------- instruments
// Each returns one note as a mono wave, its release tail included.

Wave electricPiano(double f, double dur, double vel)
{
    const double release = 0.35;
    Wave w(static_cast<size_t>(samplesFor(dur + release)));
    const double tine = 14.0 * f < 15000.0 ? 0.06 * vel : 0.0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double index = (0.8 * vel + 0.25) * std::exp(-t * 3.5) + 0.12;
        double v = std::sin(TwoPi * f * t + index * std::sin(TwoPi * f * t));
        v += tine * std::sin(TwoPi * 14.0 * f * t) * std::exp(-t * 30.0);
        const double decay = std::exp(-t * (0.8 + f / 900.0));
        w[i] = static_cast<float>(v * decay * envelope(t, 0.004, dur, release) * vel);
    }
    return w;
}

// Karplus-Strong string with an all-pass for exact tuning.
Wave pluckedString(double f, double dur, double vel, Rng &rng, double brightness = 0.5, double ringSeconds = 2.5)
{
    const double release = 0.12;
    Wave w(static_cast<size_t>(samplesFor(dur + release)));
    const double period = Rate / f;
    const int length = std::max(2, static_cast<int>(std::floor(period - 0.5 - 0.1)));
    const double frac = period - 0.5 - length;
    const double c = (1.0 - frac) / (1.0 + frac);
    const double gain = std::pow(0.001, 1.0 / (f * ringSeconds));
    std::vector<double> line(static_cast<size_t>(length));
    LowPass shape(800.0 + 6000.0 * brightness);
    double mean = 0.0;
    for (double &x : line) {
        x = shape(rng.noise());
        mean += x;
    }
    mean /= length;
    for (double &x : line)
        x -= mean;
    double last = 0.0, x1 = 0.0, y1 = 0.0;
    size_t at = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double current = line[at];
        const double avg = 0.5 * (current + last) * gain;
        last = current;
        const double ap = c * avg + x1 - c * y1;
        x1 = avg;
        y1 = ap;
        line[at] = ap;
        at = (at + 1) % line.size();
        w[i] = static_cast<float>(current * vel * envelope(t, 0.001, dur, release));
    }
    return w;
}

Wave softBass(double f, double dur, double vel)
{
    const double release = 0.09;
    Wave w(static_cast<size_t>(samplesFor(dur + release)));
    double phase = 0.0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        phase += TwoPi * f / Rate;
        double v = std::sin(phase) + 0.35 * std::sin(2.0 * phase) * std::exp(-t * 5.0)
                   + 0.12 * std::sin(3.0 * phase) * std::exp(-t * 9.0);
        const double body = 0.55 + 0.45 * std::exp(-t * 3.0);
        w[i] = static_cast<float>(v * body * vel * envelope(t, 0.006, dur, release));
    }
    return w;
}

Wave flute(double f, double dur, double vel, Rng &rng)
{
    const double release = 0.14;
    Wave w(static_cast<size_t>(samplesFor(dur + release)));
    LowPass breath(2500.0);
    double phase = 0.0;
    const double vibratoRate = rng.range(4.6, 5.4);
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double vibrato = 0.004 * std::sin(TwoPi * vibratoRate * t) * std::min(1.0, t / 0.35);
        phase += TwoPi * f * (1.0 + vibrato) / Rate;
        double v = std::sin(phase) + 0.16 * std::sin(2.0 * phase) + 0.05 * std::sin(3.0 * phase);
        v += 0.05 * breath(rng.noise());
        w[i] = static_cast<float>(v * vel * envelope(t, 0.06, dur, release));
    }
    return w;
}

// Free reeds: two slightly detuned reed voices with a rich but soft spectrum.
Wave reed(double f, double dur, double vel, double detuneCents)
{
    const double release = 0.07;
    Wave w(static_cast<size_t>(samplesFor(dur + release)));
    const int harmonics = std::clamp(static_cast<int>(5000.0 / f), 1, 14);
    std::array<double, 2> freq{f * std::pow(2.0, -detuneCents / 1200.0), f * std::pow(2.0, detuneCents / 1200.0)};
    std::array<double, 2> phase{0.0, 1.3};
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        double v = 0.0;
        for (int voice = 0; voice < 2; ++voice) {
            phase[static_cast<size_t>(voice)] += TwoPi * freq[static_cast<size_t>(voice)] / Rate;
            for (int k = 1; k <= harmonics; ++k) {
                const double amp = (k % 2 ? 1.0 : 0.55) / std::pow(k, 1.25);
                v += amp * std::sin(k * phase[static_cast<size_t>(voice)]);
            }
        }
        w[i] = static_cast<float>(0.35 * v * vel * envelope(t, 0.025, dur, release));
    }
    return w;
}

Wave strings(double f, double dur, double vel)
{
    const double release = 0.7;
    Wave w(static_cast<size_t>(samplesFor(dur + release)));
    const int harmonics = std::clamp(static_cast<int>(4000.0 / f), 1, 10);
    const std::array<double, 3> detune{-6.0, 0.0, 7.0};
    std::array<double, 3> phase{0.0, 2.1, 4.2};
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double vibrato = 0.003 * std::sin(TwoPi * 5.2 * t + 0.5);
        double v = 0.0;
        for (size_t s = 0; s < 3; ++s) {
            phase[s] += TwoPi * f * std::pow(2.0, detune[s] / 1200.0) * (1.0 + vibrato) / Rate;
            for (int k = 1; k <= harmonics; ++k)
                v += std::sin(k * phase[s]) * std::exp(-0.28 * k) / k;
        }
        w[i] = static_cast<float>(0.4 * v * vel * envelope(t, 0.35, dur, release));
    }
    return w;
}

Wave brass(double f, double dur, double vel)
{
    const double release = 0.12;
    Wave w(static_cast<size_t>(samplesFor(dur + release)));
    const int harmonics = std::clamp(static_cast<int>(5000.0 / f), 1, 16);
    double phase = 0.0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double env = envelope(t, 0.045, dur, release);
        const double bright = 0.3 + 0.35 * env * (0.6 + 0.4 * std::exp(-t * 4.0));
        phase += TwoPi * f * (1.0 + 0.002 * std::sin(TwoPi * 5.5 * t) * std::min(1.0, t / 0.4)) / Rate;
        double v = 0.0, amp = 1.0;
        for (int k = 1; k <= harmonics; ++k) {
            v += amp * std::sin(k * phase);
            amp *= bright;
        }
        w[i] = static_cast<float>(0.6 * v * vel * env);
    }
    return w;
}

// A music-box tine: a few inharmonic partials with quick, uneven decays.
Wave musicBox(double f, double dur, double vel)
{
    (void)dur;
    const double length = 2.2;
    Wave w(static_cast<size_t>(samplesFor(length)));
    const std::array<double, 4> ratio{1.0, 2.0, 3.98, 6.3};
    const std::array<double, 4> amp{1.0, 0.25, 0.22, 0.08};
    const std::array<double, 4> decay{2.2, 3.5, 7.0, 12.0};
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        double v = 0.0;
        for (size_t p = 0; p < ratio.size(); ++p)
            if (f * ratio[p] < 16000.0)
                v += amp[p] * std::sin(TwoPi * f * ratio[p] * t) * std::exp(-t * decay[p]);
        w[i] = static_cast<float>(v * vel * envelope(t, 0.002, length - 0.2, 0.2));
    }
    return w;
}

Wave vibraphone(double f, double dur, double vel)
{
    const double release = 0.4;
    Wave w(static_cast<size_t>(samplesFor(dur + release)));
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double tremolo = 1.0 - 0.22 * (0.5 + 0.5 * std::sin(TwoPi * 5.5 * t));
        double v = std::sin(TwoPi * f * t) + 0.18 * std::sin(TwoPi * 4.0 * f * t) * std::exp(-t * 4.0)
                   + 0.05 * std::sin(TwoPi * 10.0 * f * t) * std::exp(-t * 20.0);
        w[i] = static_cast<float>(v * tremolo * std::exp(-t * 1.1) * vel * envelope(t, 0.003, dur, release));
    }
    return w;
}

// ---------------------------------------------------------------- percussion

enum class Drum { Kick, Snare, Brush, Hat, OpenHat, Ride, Shaker, Tambourine, Rim };

Wave drum(Drum kind, double vel, Rng &rng)
{
    Wave w;
    auto fill = [&](double seconds, auto &&sample) {
        w.resize(static_cast<size_t>(samplesFor(seconds)));
        for (size_t i = 0; i < w.size(); ++i)
            w[i] = static_cast<float>(vel * sample(static_cast<double>(i) / Rate));
    };
    switch (kind) {
    case Drum::Kick: {
        double phase = 0.0;
        fill(0.45, [&](double t) {
            phase += TwoPi * (48.0 + 70.0 * std::exp(-t * 30.0)) / Rate;
            return std::sin(phase) * std::exp(-t * 8.0) * envelope(t, 0.002, 0.4, 0.05);
        });
        break;
    }
    case Drum::Snare: {
        HighPass hp(900.0);
        LowPass lp(7000.0);
        fill(0.3, [&](double t) {
            const double noise = lp(hp(rng.noise())) * std::exp(-t * 16.0);
            const double body = std::sin(TwoPi * 190.0 * t) * std::exp(-t * 28.0);
            return 0.7 * noise + 0.45 * body;
        });
        break;
    }
    case Drum::Brush: {
        LowPass lp(4500.0);
        HighPass hp(600.0);
        w.resize(static_cast<size_t>(samplesFor(0.25)));
        for (size_t i = 0; i < w.size(); ++i) {
            const double t = static_cast<double>(i) / Rate;
            w[i] = static_cast<float>(0.6 * vel * hp(lp(rng.noise())) * std::min(1.0, t / 0.012) * std::exp(-t * 14.0));
        }
        break;
    }
    case Drum::Hat:
    case Drum::OpenHat: {
        HighPass hp(7000.0);
        const double decay = kind == Drum::Hat ? 45.0 : 9.0;
        fill(kind == Drum::Hat ? 0.1 : 0.4, [&](double t) { return 0.5 * hp(rng.noise()) * std::exp(-t * decay); });
        break;
    }
    case Drum::Ride: {
        HighPass hp(5000.0);
        fill(0.9, [&](double t) {
            const double ping = 0.25 * (std::sin(TwoPi * 3150.0 * t) + std::sin(TwoPi * 4720.0 * t)) * std::exp(-t * 6.0);
            return 0.3 * hp(rng.noise()) * std::exp(-t * 5.0) + ping;
        });
        break;
    }
    case Drum::Shaker: {
        HighPass hp(4000.0);
        LowPass lp(9000.0);
        fill(0.12, [&](double t) { return 0.5 * lp(hp(rng.noise())) * std::min(1.0, t / 0.02) * std::exp(-t * 30.0); });
        break;
    }
    case Drum::Tambourine: {
        HighPass hp(6000.0);
        fill(0.25, [&](double t) {
            const double jingle = std::sin(TwoPi * 5400.0 * t) * std::sin(TwoPi * 7100.0 * t);
            return (0.35 * hp(rng.noise()) + 0.15 * jingle) * std::exp(-t * 16.0);
        });
        break;
    }
    case Drum::Rim: {
        HighPass hp(1500.0);
        fill(0.08, [&](double t) {
            return (0.5 * std::sin(TwoPi * 1700.0 * t) + 0.3 * hp(rng.noise())) * std::exp(-t * 70.0);
        });
        break;
    }
    }
    return w;
}

// ---------------------------------------------------------------- mixing

// A Freeverb-style room: parallel damped combs into series all-passes.
class Reverb
{
public:
    explicit Reverb(int spread)
    {
        for (int len : {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617})
            m_combs.push_back({std::vector<double>(static_cast<size_t>(len + spread)), 0, 0.0});
        for (int len : {556, 441, 341, 225})
            m_allpasses.push_back({std::vector<double>(static_cast<size_t>(len + spread)), 0});
    }
    double operator()(double x)
    {
        double out = 0.0;
        for (Comb &c : m_combs) {
            const double y = c.buffer[c.at];
            c.filter = y * (1.0 - Damp) + c.filter * Damp;
            c.buffer[c.at] = x + c.filter * Feedback;
            c.at = (c.at + 1) % c.buffer.size();
            out += y;
        }
        for (AllPass &a : m_allpasses) {
            const double b = a.buffer[a.at];
            a.buffer[a.at] = out + b * 0.5;
            a.at = (a.at + 1) % a.buffer.size();
            out = b - out;
        }
        return out;
    }

private:
    static constexpr double Feedback = 0.82;
    static constexpr double Damp = 0.35;
    struct Comb
    {
        std::vector<double> buffer;
        size_t at;
        double filter;
    };
    struct AllPass
    {
        std::vector<double> buffer;
        size_t at;
    };
    std::vector<Comb> m_combs;
    std::vector<AllPass> m_allpasses;
};

class Mix
{
public:
    explicit Mix(double seconds)
        : m_left(static_cast<size_t>(samplesFor(seconds))), m_right(m_left.size()), m_sendL(m_left.size()),
          m_sendR(m_left.size())
    {
    }

    // pan -1 left .. 1 right; send is the share that goes to the room.
    void add(const Wave &w, double start, double gain, double pan, double send)
    {
        const double angle = (pan + 1.0) * 0.25 * Pi;
        const double gl = gain * std::cos(angle) * std::sqrt(2.0);
        const double gr = gain * std::sin(angle) * std::sqrt(2.0);
        const long offset = std::lround(start * Rate);
        for (size_t i = 0; i < w.size(); ++i) {
            const long at = offset + static_cast<long>(i);
            if (at < 0 || at >= static_cast<long>(m_left.size()))
                continue;
            const auto index = static_cast<size_t>(at);
            m_left[index] += static_cast<float>(gl * w[i]);
            m_right[index] += static_cast<float>(gr * w[i]);
            m_sendL[index] += static_cast<float>(send * gl * w[i]);
            m_sendR[index] += static_cast<float>(send * gr * w[i]);
        }
    }

    // Adds the room, a gentle fade at the very end, and a soft limiter.
    std::vector<float> finish(double wet)
    {
        Reverb roomL(0), roomR(23);
        std::vector<float> out(2 * m_left.size());
        const double fade = 1.5 * Rate;
        for (size_t i = 0; i < m_left.size(); ++i) {
            double l = Master * m_left[i] + Master * wet * 0.12 * roomL(m_sendL[i]);
            double r = Master * m_right[i] + Master * wet * 0.12 * roomR(m_sendR[i]);
            const double left = static_cast<double>(m_left.size() - i);
            const double tail = left < fade ? left / fade : 1.0;
            out[2 * i] = static_cast<float>(std::tanh(l * tail));
            out[2 * i + 1] = static_cast<float>(std::tanh(r * tail));
        }
        return out;
    }

private:
    static constexpr double Master = 0.55; // headroom, so the limiter only rounds the rare peak
    std::vector<float> m_left, m_right, m_sendL, m_sendR;
};

// ---------------------------------------------------------------- harmony

struct Chord
{
    int root = 0;            // pitch class, 0 = C
    std::vector<int> tones;  // semitones above the root
    int pitchClassOf(int tone) const { return (root + tones[static_cast<size_t>(tone)]) % 12; }
    bool contains(int pitchClass) const
    {
        for (int t : tones)
            if ((root + t) % 12 == ((pitchClass % 12) + 12) % 12)
                return true;
        return false;
    }
};

Chord parseChord(const std::string &name)
{
    static const std::map<char, int> letters{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
    Chord c;
    size_t at = 1;
    c.root = letters.at(name[0]);
    if (at < name.size() && name[at] == '#') {
        ++c.root;
        ++at;
    } else if (at < name.size() && name[at] == 'b') {
        c.root += 11;
        ++at;
    }
    c.root %= 12;
    static const std::map<std::string, std::vector<int>> qualities{
        {"", {0, 4, 7}},        {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},  {"maj7", {0, 4, 7, 11}},
        {"m7", {0, 3, 7, 10}},  {"dim", {0, 3, 6}},      {"m7b5", {0, 3, 6, 10}}, {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},   {"sus4", {0, 5, 7}},     {"dim7", {0, 3, 6, 9}},  {"9", {0, 4, 7, 10, 14}},
        {"maj9", {0, 4, 7, 11, 14}}, {"m9", {0, 3, 7, 10, 14}}, {"add9", {0, 4, 7, 14}}};
    c.tones = qualities.at(name.substr(at));
    return c;
}

// A bar's chords: "C" or "C G" (two halves).
std::vector<Chord> parseBar(const std::string &bar)
{
    std::vector<Chord> chords;
    size_t start = 0;
    while (start < bar.size()) {
        size_t end = bar.find(' ', start);
        if (end == std::string::npos)
            end = bar.size();
        if (end > start)
            chords.push_back(parseChord(bar.substr(start, end - start)));
        start = end + 1;
    }
    return chords;
}

// Nearest pitch of a pitch class to a target pitch.
int nearestOfClass(int pitchClass, double target)
{
    int best = 0;
    double bestDistance = 1e9;
    for (int octave = 0; octave < 11; ++octave) {
        const int p = pitchClass + 12 * octave;
        if (std::abs(p - target) < bestDistance) {
            bestDistance = std::abs(p - target);
            best = p;
        }
    }
    return best;
}

// A voicing of the chord around `centre`, close to the previous one.
std::vector<int> voicing(const Chord &chord, double centre, int voices)
{
    std::vector<int> notes;
    for (int i = 0; i < voices; ++i) {
        const int tone = i % static_cast<int>(chord.tones.size());
        notes.push_back(nearestOfClass(chord.pitchClassOf(tone), centre + (i - voices / 2.0) * 3.5));
    }
    std::sort(notes.begin(), notes.end());
    notes.erase(std::unique(notes.begin(), notes.end()), notes.end());
    return notes;
}

// ---------------------------------------------------------------- composition

struct Note
{
    double beat;  // from the start of the piece
    double length;
    int pitch;
    double velocity;
};

struct Section
{
    std::vector<std::string> bars;  // chords of each bar
    bool melody = true;
    int seed = 0;                   // the melody; equal seeds repeat a tune
    int octave = 0;                 // shifts the tune for variety
    bool ending = false;            // closes on the tonic
};

enum class Instrument { EPiano, Guitar, Bass, Flute, Accordion, Bandoneon, Strings, Brass, MusicBox, Vibes };

struct Piece
{
    std::string name;
    double tempo = 100.0;            // beats a minute
    int beatsPerBar = 4;
    double swing = 0.0;              // share of an eighth the off-beat is delayed
    int tonic = 60;                  // melody's home pitch
    bool minor = false;
    int low = 62, high = 79;         // melody range
    std::vector<std::vector<double>> rhythms; // melody cells, beats; negative = rest
    Instrument lead = Instrument::Flute;
    Instrument second = Instrument::Flute; // plays the repeats of a tune
    double leadGain = 0.3;
    std::function<void(struct Arranger &, int bar, const std::vector<Chord> &, bool last)> accompany;
    std::vector<Section> form;
    double wet = 1.0;
    std::uint64_t seed = 1;
};

struct Arranger
{
    Piece &piece;
    Mix &mix;
    Rng rng;
    double secondsPerBeat;

    Arranger(Piece &p, Mix &m) : piece(p), mix(m), rng(p.seed), secondsPerBeat(60.0 / p.tempo) {}

    double timeOf(double beat)
    {
        // Off-beat eighths lean late when the piece swings.
        const double within = beat - std::floor(beat);
        if (piece.swing > 0.0 && std::abs(within - 0.5) < 1e-6)
            beat += piece.swing * 0.5;
        return beat * secondsPerBeat;
    }

    void play(Instrument instrument, double beat, double beats, int pitch, double velocity, double gain, double pan,
              double send)
    {
        const double f = midiToHz(pitch);
        const double start = timeOf(beat) + rng.range(-0.004, 0.004);
        const double dur = std::max(0.03, beats * secondsPerBeat - 0.02);
        velocity *= rng.range(0.92, 1.05);
        Wave w;
        switch (instrument) {
        case Instrument::EPiano: w = electricPiano(f, dur, velocity); break;
        case Instrument::Guitar: w = pluckedString(f, dur, velocity, rng, 0.45, 2.2); break;
        case Instrument::Bass: w = softBass(f, dur, velocity); break;
        case Instrument::Flute: w = flute(f, dur, velocity, rng); break;
        case Instrument::Accordion: w = reed(f, dur, velocity, 5.0); break;
        case Instrument::Bandoneon: w = reed(f, dur, velocity, 1.5); break;
        case Instrument::Strings: w = strings(f, dur, velocity); break;
        case Instrument::Brass: w = brass(f, dur, velocity); break;
        case Instrument::MusicBox: w = musicBox(f, dur, velocity); break;
        case Instrument::Vibes: w = vibraphone(f, dur, velocity); break;
        }
        mix.add(w, start, gain, pan, send);
    }

    void hit(Drum kind, double beat, double velocity, double gain, double pan)
    {
        mix.add(drum(kind, velocity * rng.range(0.85, 1.05), rng), timeOf(beat) + rng.range(-0.003, 0.003), gain, pan,
                0.25);
    }

    // A pattern over one bar, one letter a step (x loud, o soft, . rest).
    void pattern(Drum kind, int bar, const std::string &steps, double gain, double pan)
    {
        const double stepBeats = static_cast<double>(piece.beatsPerBar) / static_cast<double>(steps.size());
        for (size_t i = 0; i < steps.size(); ++i) {
            if (steps[i] == '.')
                continue;
            hit(kind, bar * piece.beatsPerBar + static_cast<double>(i) * stepBeats, steps[i] == 'x' ? 1.0 : 0.55, gain,
                pan);
        }
    }

    // The chord sounding at a beat of a bar.
    static const Chord &chordAt(const std::vector<Chord> &chords, double beatInBar, int beatsPerBar)
    {
        const auto index = static_cast<size_t>(beatInBar / beatsPerBar * static_cast<double>(chords.size()));
        return chords[std::min(index, chords.size() - 1)];
    }

    int bassPitch(const Chord &c, int tone = 0)
    {
        return nearestOfClass(c.pitchClassOf(tone), 41.0);
    }
};

// The scale of the piece, bent towards the chord: a chord tone a semitone
// away from a scale tone replaces it (the raised seventh of a minor key).
std::vector<int> pitchesFor(const Piece &piece, const Chord &chord)
{
    static const std::array<int, 7> major{0, 2, 4, 5, 7, 9, 11};
    static const std::array<int, 7> minor{0, 2, 3, 5, 7, 8, 10};
    const auto &steps = piece.minor ? minor : major;
    std::vector<int> classes;
    for (int s : steps) {
        int pc = (piece.tonic + s) % 12;
        if (!chord.contains(pc)) {
            if (chord.contains(pc + 1))
                pc = (pc + 1) % 12;
            else if (chord.contains(pc + 11))
                pc = (pc + 11) % 12;
        }
        classes.push_back(pc);
    }
    std::vector<int> pitches;
    for (int p = piece.low; p <= piece.high; ++p)
        if (std::find(classes.begin(), classes.end(), p % 12) != classes.end())
            pitches.push_back(p);
    return pitches;
}

// A tune for a section: phrases of four bars, the second phrase of each
// pair starting like the first, arched contours, chord tones on strong beats.
std::vector<Note> composeTune(const Piece &piece, const Section &section, double firstBeat)
{
    Rng rng(piece.seed * 1000 + static_cast<std::uint64_t>(section.seed));
    std::vector<Note> tune;
    const int bars = static_cast<int>(section.bars.size());
    std::vector<std::vector<Chord>> chords;
    for (const std::string &b : section.bars)
        chords.push_back(parseBar(b));
    std::vector<int> cellOfBar(static_cast<size_t>(bars));
    for (int b = 0; b < bars; ++b)
        cellOfBar[static_cast<size_t>(b)] = rng.below(static_cast<int>(piece.rhythms.size()));
    // Every other phrase echoes the rhythm of the one before.
    for (int b = 4; b < bars; ++b)
        if ((b / 4) % 2 == 1 && b % 4 < 2)
            cellOfBar[static_cast<size_t>(b)] = cellOfBar[static_cast<size_t>(b - 4)];

    const double centre = (piece.low + piece.high) / 2.0;
    double previous = centre - 2.0;
    std::vector<Note> phraseStart;
    for (int b = 0; b < bars; ++b) {
        const int phraseBar = b % 4;
        const bool lastOfPhrase = phraseBar == 3;
        const bool lastOfSection = b == bars - 1;
        double beat = 0.0;
        const auto &cell = piece.rhythms[static_cast<size_t>(cellOfBar[static_cast<size_t>(b)])];
        std::vector<double> durations = cell;
        if (lastOfPhrase) {
            // Phrases breathe: the last bar holds one long note.
            durations = {static_cast<double>(piece.beatsPerBar) - 1.0, -1.0};
            if (!lastOfSection && rng.chance(0.5))
                durations = {1.0, static_cast<double>(piece.beatsPerBar) - 2.0, -1.0};
        }
        for (size_t n = 0; n < durations.size(); ++n) {
            const double length = std::abs(durations[n]);
            if (durations[n] < 0.0) {
                beat += length;
                continue;
            }
            const Chord &chord = Arranger::chordAt(chords[static_cast<size_t>(b)], beat, piece.beatsPerBar);
            const bool onBeat = std::abs(beat - std::round(beat)) < 1e-6;
            const int beatNumber = static_cast<int>(std::round(beat));
            const bool strong = onBeat && (beatNumber == 0 || (piece.beatsPerBar == 4 && beatNumber == 2) || length >= 2.0);
            const bool closing = lastOfPhrase && n + 2 >= durations.size();
            // Contour: rise through the phrase, settle at its end.
            const double arc = std::sin(Pi * (phraseBar + beat / piece.beatsPerBar) / 4.0);
            const double target = centre - 4.0 + 9.0 * arc + ((b / 4) % 2 ? 2.0 : 0.0);
            std::vector<int> candidates = pitchesFor(piece, chord);
            int chosen = static_cast<int>(previous);
            double bestCost = 1e9;
            for (int p : candidates) {
                const bool chordTone = chord.contains(p % 12);
                if ((strong || closing) && !chordTone)
                    continue;
                if (closing && lastOfSection && section.ending && p % 12 != piece.tonic % 12)
                    continue;
                if (closing && (b / 4) % 2 == 0 && !section.ending && p % 12 == piece.tonic % 12 && rng.chance(0.7))
                    continue; // the first phrase stays open
                const double step = std::abs(p - previous);
                // Steps sing best, small leaps now and then, a repeat rarely.
                double cost = step == 0.0 ? 3.2 : step <= 2.0 ? 0.3 : step <= 4.0 ? 1.3 : step <= 7.0 ? 2.6 : 7.0;
                cost += std::abs(p - target) * 0.4 + rng.range(0.0, 2.0);
                if (cost < bestCost) {
                    bestCost = cost;
                    chosen = p;
                }
            }
            // The answering phrase starts with the notes of the question.
            const double inPhrase = phraseBar * piece.beatsPerBar + beat;
            if ((b / 4) % 2 == 1 && phraseBar < 2) {
                for (const Note &q : phraseStart) {
                    if (std::abs(q.beat - inPhrase) > 1e-6)
                        continue;
                    chosen = q.pitch;
                    if (strong && !chord.contains(chosen % 12)) {
                        int best = chosen + 100;
                        for (int p : candidates)
                            if (chord.contains(p % 12) && std::abs(p - q.pitch) < std::abs(best - q.pitch))
                                best = p;
                        if (best < chosen + 100)
                            chosen = best;
                    }
                }
            }
            if ((b / 4) % 2 == 0 && phraseBar == 0 && beat == 0.0)
                phraseStart.clear();
            const double accent = (std::abs(beat) < 1e-6 ? 1.0 : strong ? 0.9 : 0.78);
            Note note{static_cast<double>(b * piece.beatsPerBar) + beat, length, chosen + 12 * section.octave, accent};
            if ((b / 4) % 2 == 0 && phraseBar < 2)
                phraseStart.push_back({inPhrase, length, chosen, accent});
            tune.push_back(note);
            previous = chosen;
            beat += length;
        }
    }
    for (Note &n : tune)
        n.beat += firstBeat;
    return tune;
}

// ---------------------------------------------------------------- output

bool writeWav(const std::string &path, const std::vector<float> &samples, int channels, double peak)
{
    float top = 1e-9f;
    for (float s : samples)
        top = std::max(top, std::abs(s));
    const double scale = peak / top;
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            std::fputc(static_cast<int>((v >> (8 * i)) & 0xff), file);
    };
    auto u16 = [&](std::uint32_t v) {
        std::fputc(static_cast<int>(v & 0xff), file);
        std::fputc(static_cast<int>((v >> 8) & 0xff), file);
    };
    const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::fputs("RIFF", file);
    u32(36 + bytes);
    std::fputs("WAVEfmt ", file);
    u32(16);
    u16(1);
    u16(static_cast<std::uint32_t>(channels));
    u32(Rate);
    u32(static_cast<std::uint32_t>(Rate * channels * 2));
    u16(static_cast<std::uint32_t>(channels * 2));
    u16(16);
    std::fputs("data", file);
    u32(bytes);
    for (float s : samples) {
        const long v = std::lround(std::clamp(s * scale, -1.0, 1.0) * 32767.0);
        u16(static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))));
    }
    return std::fclose(file) == 0;
}

void render(Piece piece, const std::string &path)
{
    int totalBars = 0;
    for (const Section &s : piece.form)
        totalBars += static_cast<int>(s.bars.size());
    const double seconds = totalBars * piece.beatsPerBar * 60.0 / piece.tempo + 3.5;
    Mix mix(seconds);
    Arranger arranger(piece, mix);

    int bar = 0;
    std::map<int, int> timesHeard;
    for (const Section &section : piece.form) {
        if (section.melody) {
            const auto tune = composeTune(piece, section, bar * piece.beatsPerBar);
            const bool repeat = timesHeard[section.seed]++ % 2 == 1;
            const Instrument voice = repeat ? piece.second : piece.lead;
            for (const Note &n : tune)
                arranger.play(voice, n.beat, n.length, n.pitch, n.velocity, piece.leadGain, 0.12, 0.35);
        }
        for (size_t i = 0; i < section.bars.size(); ++i) {
            const bool last = &section == &piece.form.back() && i + 1 == section.bars.size();
            piece.accompany(arranger, bar, parseBar(section.bars[i]), last);
            ++bar;
        }
    }
    std::printf("%s: %d bars, %.1f s\n", path.c_str(), totalBars, seconds);
    writeWav(path, mix.finish(piece.wet), 2, 0.9);
}

// ---------------------------------------------------------------- the eight pieces

std::vector<std::string> bars(std::initializer_list<const char *> list)
{
    return {list.begin(), list.end()};
}

Piece lounge()
{
    Piece p;
    p.name = "lounge";
    p.tempo = 82;
    p.tonic = 62; // D major
    p.low = 64;
    p.high = 81;
    p.rhythms = {{1.5, 0.5, 2.0}, {1.0, 1.0, 1.5, 0.5}, {-0.5, 0.5, 1.0, 2.0}, {2.0, 1.0, 1.0}, {1.5, 1.5, 1.0}};
    p.lead = Instrument::Flute;
    p.second = Instrument::Vibes;
    p.leadGain = 0.26;
    p.seed = 11;
    p.swing = 0.25;
    const auto a = bars({"Dmaj7", "Bm7", "Em7", "A7", "Dmaj7", "F#m7", "Em7 A7", "Dmaj7"});
    const auto b = bars({"Gmaj7", "F#m7", "Em7", "A7", "Gmaj7", "F#m7 Bm7", "Em7", "A7"});
    p.form = {{bars({"Dmaj7", "Em7 A7"}), false}, {a, true, 1}, {a, true, 1}, {b, true, 2}, {a, true, 1, 0, true},
              {bars({"Gmaj7", "Dmaj7"}), false}};
    p.accompany = [](Arranger &ar, int bar, const std::vector<Chord> &chords, bool last) {
        const double b0 = bar * 4.0;
        for (size_t c = 0; c < chords.size(); ++c) {
            const double count = static_cast<double>(chords.size());
            const double at = b0 + 4.0 * static_cast<double>(c) / count;
            const double span = 4.0 / count;
            for (int n : voicing(chords[c], 60.0, 4))
                ar.play(Instrument::EPiano, at, last ? 4.0 : span * 0.9, n, 0.45, 0.13, -0.35, 0.45);
            ar.play(Instrument::Bass, at, span * 0.48, ar.bassPitch(chords[c]), 0.8, 0.32, 0.0, 0.1);
            if (!last)
                ar.play(Instrument::Bass, at + span * 0.5 + (chords.size() == 1 ? 1.0 : 0.0), 0.9,
                        ar.bassPitch(chords[c], 2), 0.6, 0.32, 0.0, 0.1);
        }
        if (!last) {
            ar.pattern(Drum::Brush, bar, "x.o.x.o.x.o.x.oo", 0.08, 0.3);
            ar.pattern(Drum::Kick, bar, "x.......o.......", 0.22, 0.0);
            ar.pattern(Drum::Rim, bar, "....x.......x...", 0.05, -0.2);
        }
    };
    return p;
}

Piece folk()
{
    Piece p;
    p.name = "folk";
    p.tempo = 138;
    p.tonic = 57; // A minor
    p.minor = true;
    p.low = 69;
    p.high = 86;
    p.rhythms = {{0.5, 0.5, 1.0, 0.5, 0.5, 1.0}, {1.0, 0.5, 0.5, 1.0, 1.0}, {0.5, 0.5, 0.5, 0.5, 1.0, 1.0},
                 {1.5, 0.5, 1.0, 1.0}, {1.0, 1.0, 0.5, 0.5, 0.5, 0.5}};
    p.lead = Instrument::Accordion;
    p.second = Instrument::Flute;
    p.leadGain = 0.2;
    p.seed = 22;
    const auto a = bars({"Am", "Am", "Dm", "E7", "Am", "G", "F E7", "Am"});
    const auto b = bars({"C", "G", "Am", "E7", "F", "C", "Dm E7", "Am"});
    p.form = {{bars({"Am", "E7"}), false}, {a, true, 1}, {a, true, 1, 0}, {b, true, 2}, {b, true, 2, 0},
              {a, true, 1, 0, true}, {bars({"Dm E7", "Am"}), false}};
    p.accompany = [](Arranger &ar, int bar, const std::vector<Chord> &chords, bool last) {
        const double b0 = bar * 4.0;
        for (int beat = 0; beat < 4; ++beat) {
            const Chord &c = Arranger::chordAt(chords, beat, 4);
            if (beat % 2 == 0) {
                ar.play(Instrument::Bass, b0 + beat, 0.8, ar.bassPitch(c, beat == 0 ? 0 : 2), 0.85, 0.3, 0.0, 0.1);
            } else {
                for (int n : voicing(c, 62.0, 3))
                    ar.play(Instrument::Guitar, b0 + beat, 0.45, n, 0.6, 0.16, -0.4, 0.3);
            }
            if (last)
                break;
        }
        if (last) {
            for (int n : voicing(chords.back(), 62.0, 3))
                ar.play(Instrument::Guitar, b0, 3.0, n, 0.7, 0.18, -0.4, 0.4);
            return;
        }
        ar.pattern(Drum::Tambourine, bar, "..x...x...x...xo", 0.08, 0.45);
        ar.pattern(Drum::Kick, bar, "x.......x.......", 0.2, 0.0);
    };
    return p;
}

Piece waltz()
{
    Piece p;
    p.name = "waltz";
    p.tempo = 132;
    p.beatsPerBar = 3;
    p.tonic = 65; // F major
    p.low = 65;
    p.high = 84;
    p.rhythms = {{2.0, 1.0}, {1.0, 1.0, 1.0}, {3.0}, {1.5, 0.5, 1.0}, {2.0, 0.5, 0.5}};
    p.lead = Instrument::Strings;
    p.second = Instrument::Flute;
    p.leadGain = 0.26;
    p.seed = 33;
    const auto a = bars({"F", "F", "Dm", "Dm", "Gm7", "C7", "F", "C7", "F", "Fmaj7", "Dm", "Bb", "Gm7", "C7", "F", "F"});
    const auto b = bars({"Bb", "Bb", "F", "F", "Gm", "C7", "F", "F"});
    p.form = {{bars({"F", "C7"}), false}, {a, true, 1}, {b, true, 2}, {a, true, 1, 0, true},
              {bars({"Bb", "C7", "F"}), false}};
    p.accompany = [](Arranger &ar, int bar, const std::vector<Chord> &chords, bool last) {
        const double b0 = bar * 3.0;
        const Chord &c = chords.front();
        ar.play(Instrument::Bass, b0, last ? 3.0 : 0.9, ar.bassPitch(c, bar % 2 ? 2 : 0), 0.8, 0.28, 0.0, 0.15);
        if (last) {
            for (int n : voicing(c, 62.0, 4))
                ar.play(Instrument::EPiano, b0, 3.0, n, 0.5, 0.12, -0.3, 0.5);
            return;
        }
        for (int beat = 1; beat < 3; ++beat)
            for (int n : voicing(c, 62.0, 3))
                ar.play(Instrument::EPiano, b0 + beat, 0.6, n, 0.4, 0.12, -0.3, 0.45);
        for (int n : voicing(c, 55.0, 3))
            ar.play(Instrument::Strings, b0, 2.9, n, 0.35, 0.05, 0.4, 0.6);
    };
    return p;
}

Piece swing()
{
    Piece p;
    p.name = "swing";
    p.tempo = 124;
    p.swing = 0.33;
    p.tonic = 58; // B flat major
    p.low = 65;
    p.high = 82;
    p.rhythms = {{1.0, 0.5, 0.5, 1.0, 1.0}, {-0.5, 0.5, 0.5, 0.5, 2.0}, {0.5, 0.5, 0.5, 0.5, 1.5, 0.5},
                 {1.5, 0.5, 1.0, 1.0}, {-1.0, 0.5, 0.5, 0.5, 1.5}};
    p.lead = Instrument::Vibes;
    p.second = Instrument::EPiano;
    p.leadGain = 0.3;
    p.seed = 44;
    const auto a = bars({"Bbmaj7", "G7", "Cm7", "F7", "Dm7 G7", "Cm7 F7", "Bbmaj7 G7", "Cm7 F7"});
    const auto b = bars({"D7", "D7", "G7", "G7", "C7", "C7", "Cm7", "F7"});
    p.form = {{bars({"Cm7 F7", "Cm7 F7"}), false}, {a, true, 1}, {a, true, 1}, {b, true, 2},
              {a, true, 1, 0, true}, {bars({"Bbmaj7"}), false}};
    p.accompany = [](Arranger &ar, int bar, const std::vector<Chord> &chords, bool last) {
        const double b0 = bar * 4.0;
        if (last) {
            for (int n : voicing(chords.front(), 62.0, 4))
                ar.play(Instrument::EPiano, b0, 4.0, n, 0.5, 0.12, -0.3, 0.5);
            ar.play(Instrument::Bass, b0, 3.0, ar.bassPitch(chords.front()), 0.8, 0.3, 0.0, 0.1);
            ar.hit(Drum::Ride, b0, 0.8, 0.08, 0.35);
            return;
        }
        // Walking bass: root, chord tones, a chromatic step into the next chord.
        for (int beat = 0; beat < 4; ++beat) {
            const Chord &c = Arranger::chordAt(chords, beat, 4);
            int pitch = ar.bassPitch(c, beat % 2 == 0 ? 0 : (beat == 1 ? 1 : 2));
            if (beat == 3)
                pitch = ar.bassPitch(c, 2) + (ar.rng.chance(0.5) ? 1 : -1);
            ar.play(Instrument::Bass, b0 + beat, 0.9, pitch, 0.75, 0.32, 0.0, 0.1);
        }
        // Comping on the off-beats.
        for (double at : {1.5, 3.0}) {
            const Chord &c = Arranger::chordAt(chords, at, 4);
            for (int n : voicing(c, 61.0, 4))
                ar.play(Instrument::EPiano, b0 + at, 0.4, n, 0.4, 0.1, -0.35, 0.35);
        }
        ar.pattern(Drum::Ride, bar, "o...x.o.o...x.o.", 0.05, 0.35);
        ar.pattern(Drum::Hat, bar, "....x.......x...", 0.07, 0.3);
        ar.pattern(Drum::Kick, bar, "o...............", 0.12, 0.0);
    };
    return p;
}

Piece arpeggios()
{
    Piece p;
    p.name = "arpeggios";
    p.tempo = 74;
    p.tonic = 64; // E minor / G major
    p.minor = true;
    p.low = 64;
    p.high = 81;
    p.rhythms = {{2.0, 2.0}, {1.0, 1.0, 2.0}, {1.5, 0.5, 2.0}, {3.0, 1.0}, {-1.0, 1.0, 1.0, 1.0}};
    p.lead = Instrument::Flute;
    p.second = Instrument::Strings;
    p.leadGain = 0.22;
    p.seed = 55;
    const auto a = bars({"Em", "Cmaj7", "G", "D", "Em", "Am7", "Cmaj7", "B7"});
    const auto b = bars({"C", "G", "D", "Em", "C", "G", "Am7", "B7"});
    p.form = {{bars({"Em", "Cmaj7"}), false}, {a, true, 1}, {b, true, 2}, {a, true, 1, 0, true},
              {bars({"Cmaj7", "Em"}), false}};
    p.accompany = [](Arranger &ar, int bar, const std::vector<Chord> &chords, bool last) {
        const double b0 = bar * 4.0;
        const Chord &c = chords.front();
        const int root = nearestOfClass(c.pitchClassOf(0), 45.0);
        std::vector<int> up = voicing(c, 60.0, 3);
        std::vector<int> line{root, root + 7, up[0], up.size() > 1 ? up[1] : up[0] + 4,
                              up.back(), up.size() > 1 ? up[1] : up[0] + 4, up[0], root + 7};
        const int steps = last ? 5 : 8;
        for (int i = 0; i < steps; ++i)
            ar.play(Instrument::Guitar, b0 + 0.5 * i, last ? 4.0 - 0.5 * i : 1.5, line[static_cast<size_t>(i)],
                    i == 0 ? 0.8 : 0.55, 0.22, -0.25 + 0.07 * i, 0.45);
        for (int n : voicing(c, 55.0, 3))
            ar.play(Instrument::Strings, b0, 4.0, n, 0.3, 0.05, 0.4, 0.7);
        if (!last)
            ar.pattern(Drum::Shaker, bar, "..o...o...o...o.", 0.04, 0.5);
    };
    return p;
}

Piece lullaby()
{
    Piece p;
    p.name = "lullaby";
    p.tempo = 96;
    p.beatsPerBar = 3;
    p.tonic = 67; // G major
    p.low = 74;
    p.high = 91;
    p.rhythms = {{2.0, 1.0}, {1.0, 1.0, 1.0}, {3.0}, {1.0, 2.0}, {1.5, 0.5, 1.0}};
    p.lead = Instrument::MusicBox;
    p.second = Instrument::MusicBox;
    p.leadGain = 0.3;
    p.seed = 66;
    const auto a = bars({"G", "G", "C", "G", "Em", "Am", "D7", "G"});
    const auto b = bars({"C", "D", "G", "Em", "C", "Am", "D7", "D7"});
    p.form = {{bars({"G", "D7"}), false}, {a, true, 1}, {a, true, 1, 0}, {b, true, 2}, {a, true, 1, 0, true},
              {bars({"C", "G", "G"}), false}};
    p.accompany = [](Arranger &ar, int bar, const std::vector<Chord> &chords, bool last) {
        const double b0 = bar * 3.0;
        const Chord &c = chords.front();
        const std::vector<int> v = voicing(c, 64.0, 3);
        ar.play(Instrument::MusicBox, b0, 1.0, nearestOfClass(c.pitchClassOf(0), 55.0), 0.6, 0.16, -0.2, 0.5);
        if (!last) {
            ar.play(Instrument::MusicBox, b0 + 1.0, 1.0, v[std::min<size_t>(1, v.size() - 1)], 0.45, 0.12, -0.1, 0.5);
            ar.play(Instrument::MusicBox, b0 + 2.0, 1.0, v.back(), 0.45, 0.12, 0.0, 0.5);
        }
        for (int n : voicing(c, 55.0, 3))
            ar.play(Instrument::Strings, b0, last ? 4.0 : 3.0, n, 0.25, 0.045, 0.3, 0.8);
    };
    p.wet = 1.4;
    return p;
}

Piece tango()
{
    Piece p;
    p.name = "tango";
    p.tempo = 112;
    p.tonic = 62; // D minor
    p.minor = true;
    p.low = 67;
    p.high = 84;
    p.rhythms = {{1.5, 0.5, 1.0, 1.0}, {0.75, 0.25, 0.5, 0.5, 2.0}, {1.0, 0.5, 0.5, 2.0}, {2.0, 0.5, 0.5, 1.0},
                 {0.5, 0.5, 0.5, 0.5, 2.0}};
    p.lead = Instrument::Strings;
    p.second = Instrument::Bandoneon;
    p.leadGain = 0.3;
    p.seed = 77;
    const auto a = bars({"Dm", "Dm", "Gm", "A7", "Dm", "Bb", "Gm A7", "Dm"});
    const auto b = bars({"F", "C7", "F", "A7", "Dm", "Gm", "E7 A7", "Dm"});
    p.form = {{bars({"Dm", "A7"}), false}, {a, true, 1}, {a, true, 1}, {b, true, 2}, {a, true, 1, 0, true},
              {bars({"Gm A7", "Dm"}), false}};
    p.accompany = [](Arranger &ar, int bar, const std::vector<Chord> &chords, bool last) {
        const double b0 = bar * 4.0;
        if (last) {
            ar.play(Instrument::Bass, b0, 0.5, ar.bassPitch(chords.front()), 0.9, 0.34, 0.0, 0.1);
            for (int n : voicing(chords.front(), 60.0, 4))
                ar.play(Instrument::Bandoneon, b0, 0.5, n, 0.6, 0.08, -0.35, 0.4);
            ar.hit(Drum::Kick, b0, 1.0, 0.2, 0.0);
            return;
        }
        // The habanera: long-short-long-long, stressed with the bass.
        for (double at : {0.0, 1.5, 2.0, 3.0}) {
            const Chord &c = Arranger::chordAt(chords, at, 4);
            const int tone = (at == 1.5 || at == 3.0) ? 2 : 0;
            ar.play(Instrument::Bass, b0 + at, at == 1.5 ? 0.4 : 0.8, ar.bassPitch(c, tone), at == 0.0 ? 0.95 : 0.75,
                    0.32, 0.0, 0.1);
        }
        for (double at : {0.0, 1.0, 2.0, 3.0}) {
            const Chord &c = Arranger::chordAt(chords, at, 4);
            for (int n : voicing(c, 60.0, 4))
                ar.play(Instrument::Bandoneon, b0 + at, 0.3, n, at == 0.0 ? 0.6 : 0.42, 0.07, -0.35, 0.3);
        }
        ar.pattern(Drum::Rim, bar, "x.....x.x...x...", 0.06, 0.25);
        ar.pattern(Drum::Kick, bar, "x.........o.....", 0.18, 0.0);
    };
    return p;
}

Piece march()
{
    Piece p;
    p.name = "march";
    p.tempo = 114;
    p.tonic = 58; // B flat major
    p.low = 65;
    p.high = 82;
    p.rhythms = {{1.0, 1.0, 1.0, 1.0}, {1.5, 0.5, 1.0, 1.0}, {0.75, 0.25, 1.0, 2.0}, {1.0, 0.5, 0.5, 2.0},
                 {2.0, 1.0, 1.0}};
    p.lead = Instrument::Brass;
    p.second = Instrument::Flute;
    p.leadGain = 0.2;
    p.seed = 88;
    const auto a = bars({"Bb", "F", "Bb", "Eb", "Bb", "Gm", "C7", "F7"});
    const auto a2 = bars({"Bb", "F", "Bb", "Eb", "Bb Gm", "Eb F7", "Bb", "Bb"});
    const auto b = bars({"Eb", "Bb", "F7", "Bb", "Eb", "Cm", "F", "F7"});
    p.form = {{bars({"Bb", "F7"}), false}, {a, true, 1}, {a2, true, 3, 0}, {b, true, 2}, {a2, true, 3, 0, true},
              {bars({"Bb"}), false}};
    p.accompany = [](Arranger &ar, int bar, const std::vector<Chord> &chords, bool last) {
        const double b0 = bar * 4.0;
        if (last) {
            ar.play(Instrument::Bass, b0, 2.5, ar.bassPitch(chords.front()), 0.9, 0.32, 0.0, 0.2);
            for (int n : voicing(chords.front(), 62.0, 4))
                ar.play(Instrument::Brass, b0, 2.5, n, 0.6, 0.07, -0.3, 0.4);
            ar.hit(Drum::Kick, b0, 1.0, 0.22, 0.0);
            ar.hit(Drum::OpenHat, b0, 0.8, 0.08, 0.3);
            return;
        }
        for (int beat = 0; beat < 4; ++beat) {
            const Chord &c = Arranger::chordAt(chords, beat, 4);
            if (beat % 2 == 0)
                ar.play(Instrument::Bass, b0 + beat, 0.8, ar.bassPitch(c, beat == 0 ? 0 : 2), 0.85, 0.32, 0.0, 0.1);
            else
                for (int n : voicing(c, 62.0, 3))
                    ar.play(Instrument::Brass, b0 + beat, 0.4, n, 0.45, 0.06, -0.3, 0.3);
        }
        ar.pattern(Drum::Snare, bar, bar % 4 == 3 ? "x.o.x.o.x.ooxooo" : "..o.x.o...o.x.o.", 0.07, 0.15);
        ar.pattern(Drum::Kick, bar, "x.......x.......", 0.22, 0.0);
    };
    return p;
}

// ---------------------------------------------------------------- effects

std::vector<float> clickEffect()
{
    Rng rng(101);
    std::vector<float> out(static_cast<size_t>(samplesFor(0.07)));
    HighPass hp(1200.0);
    LowPass lp(9000.0);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double tick = std::sin(TwoPi * 2300.0 * t) * std::exp(-t * 160.0);
        const double body = std::sin(TwoPi * 620.0 * t) * std::exp(-t * 90.0);
        const double snap = lp(hp(rng.noise())) * std::exp(-t * 400.0);
        out[i] = static_cast<float>((0.5 * tick + 0.35 * body + 0.5 * snap) * envelope(t, 0.0008, 0.06, 0.01));
    }
    return out;
}

std::vector<float> drawEffect()
{
    Rng rng(202);
    std::vector<float> out(static_cast<size_t>(samplesFor(0.2)));
    LowPass felt(1400.0);
    LowPass felt2(1400.0);
    HighPass slapHp(2500.0);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / Rate;
        // A card slides a moment, then lands softly on cloth.
        const double slide = t < 0.05 ? slapHp(rng.noise()) * 0.12 * (t / 0.05) : 0.0;
        const double land = t >= 0.05 ? felt2(felt(rng.noise())) * 2.2 * std::exp(-(t - 0.05) * 45.0) : 0.0;
        const double thump = t >= 0.05 ? std::sin(TwoPi * 140.0 * (t - 0.05)) * std::exp(-(t - 0.05) * 60.0) : 0.0;
        out[i] = static_cast<float>((slide + land + 0.35 * thump) * envelope(t, 0.004, 0.18, 0.02));
    }
    return out;
}

std::vector<float> shuffleEffect()
{
    Rng rng(303);
    const double length = 1.1;
    std::vector<float> out(static_cast<size_t>(samplesFor(length)));
    // A riffle: many short flaps of card edges, fast in the middle, then the
    // halves squared up with a soft knock.
    double t = 0.04;
    while (t < 0.82) {
        const double progress = t / 0.82;
        const double rate = 55.0 + 35.0 * std::sin(Pi * progress);
        HighPass hp(1800.0 + 1200.0 * progress);
        LowPass lp(7000.0);
        const double gain = 0.35 + 0.3 * std::sin(Pi * progress) + rng.range(-0.08, 0.08);
        const long start = std::lround(t * Rate);
        for (int i = 0; i < samplesFor(0.012); ++i) {
            const long at = start + i;
            if (at >= static_cast<long>(out.size()))
                break;
            const double u = static_cast<double>(i) / Rate;
            out[static_cast<size_t>(at)] += static_cast<float>(gain * lp(hp(rng.noise())) * std::exp(-u * 350.0));
        }
        t += rng.range(0.6, 1.4) / rate;
    }
    LowPass knock(900.0);
    const long start = std::lround(0.9 * Rate);
    for (int i = 0; i < samplesFor(0.15); ++i) {
        const double u = static_cast<double>(i) / Rate;
        const auto at = static_cast<size_t>(start + i);
        if (at < out.size())
            out[at] += static_cast<float>((knock(rng.noise()) * 1.5 + 0.3 * std::sin(TwoPi * 180.0 * u)) * std::exp(-u * 40.0));
    }
    return out;
}

// A short bell for the player's tests: a track with a clear end.
std::vector<float> chime()
{
    std::vector<float> out = musicBox(midiToHz(81), 1.0, 1.0);
    out.resize(static_cast<size_t>(samplesFor(1.2)));
    for (size_t i = 0; i < out.size(); ++i)
        out[i] *= static_cast<float>(envelope(static_cast<double>(i) / Rate, 0.002, 1.0, 0.2));
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const std::vector<Piece> pieces{lounge(), folk(), waltz(), swing(), arpeggios(), lullaby(), tango(), march()};
    for (size_t i = 0; i < pieces.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/track%02zu.wav", i + 1);
        render(pieces[i], dir + name);
    }
    bool ok = writeWav(dir + "/click.wav", clickEffect(), 1, 0.7);
    ok = writeWav(dir + "/draw.wav", drawEffect(), 1, 0.7) && ok;
    ok = writeWav(dir + "/dist.wav", shuffleEffect(), 1, 0.6) && ok;
    ok = writeWav(dir + "/chime.wav", chime(), 1, 0.7) && ok;
    return ok ? 0 : 1;
}
