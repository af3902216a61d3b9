#include "sounds.h"

#include <QtEndian>
#include <cmath>
#include <vector>

#include "drawing_kit.h"

namespace velmora::mkres {
namespace {

constexpr int kRate = 22050;

using Samples = std::vector<float>;

int Count(double seconds) { return int(seconds * kRate); }

// Adds `part` into `mix` starting at `at` seconds.
void Place(Samples& mix, const Samples& part, double at, float gain = 1) {
  const size_t start = size_t(Count(at));
  if (mix.size() < start + part.size()) mix.resize(start + part.size(), 0);
  for (size_t i = 0; i < part.size(); ++i) mix[start + i] += gain * part[i];
}

// A note with a quick attack and an exponential decay; `bright` adds overtones.
Samples Note(double frequency, double seconds, double decay, double bright = 0.3) {
  Samples out(Count(seconds));
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / kRate;
    const double envelope = std::min(1.0, t / 0.004) * std::exp(-t / decay);
    const double phase = 2 * M_PI * frequency * t;
    out[i] = float(envelope * (std::sin(phase) + bright * std::sin(2 * phase) + bright * 0.4 * std::sin(3 * phase)) /
                   (1 + 1.4 * bright));
  }
  return out;
}

// A tone gliding from one pitch to another.
Samples Glide(double from, double to, double seconds) {
  Samples out(Count(seconds));
  double phase = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / out.size();
    phase += 2 * M_PI * (from + (to - from) * t) / kRate;
    const double envelope = std::sin(M_PI * t);
    out[i] = float(envelope * (std::sin(phase) + 0.25 * std::sin(2 * phase)) * 0.8);
  }
  return out;
}

struct NoiseShape {
  double seconds;
  double attack;     // seconds
  double decay;      // seconds
  double lowCut;     // 0..1, removes rumble: higher is thinner
  double highCut;    // 0..1, keeps hiss: lower is duller
  std::uint64_t seed;
};

// Filtered noise with an envelope: swishes, snaps, thumps and claps.
Samples Noise(const NoiseShape& shape) {
  Random random(shape.seed);
  Samples out(Count(shape.seconds));
  double low = 0, band = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / kRate;
    const double white = random.between(-1, 1);
    band += shape.highCut * (white - band);
    low += shape.lowCut * (band - low);
    const double envelope = std::min(1.0, t / std::max(shape.attack, 1e-4)) * std::exp(-std::max(0.0, t - shape.attack) / shape.decay);
    out[i] = float((band - low) * envelope * 1.6);
  }
  return out;
}

Samples Swish(double seconds, std::uint64_t seed, double brightness) {
  return Noise({seconds, seconds * 0.35, seconds * 0.25, 0.05, brightness, seed});
}

Samples Snap(std::uint64_t seed) { return Noise({0.05, 0.001, 0.01, 0.2, 0.9, seed}); }

Samples Thump(std::uint64_t seed) {
  Samples out = Noise({0.09, 0.002, 0.02, 0.02, 0.25, seed});
  Place(out, Note(130, 0.09, 0.03, 0), 0, 0.5f);
  return out;
}

Samples Melody(std::initializer_list<double> frequencies, double step, double decay, double bright = 0.3) {
  Samples out;
  double at = 0;
  for (const double f : frequencies) {
    Place(out, Note(f, decay * 4, decay, bright), at, 0.6f);
    at += step;
  }
  return out;
}

Samples Riffle(double seconds, std::uint64_t seed) {
  Samples out(Count(seconds), 0);
  Random random(seed);
  for (double at = 0.01; at < seconds - 0.06; at += random.between(0.018, 0.03)) Place(out, Snap(random.next()), at, 0.5f);
  return out;
}

Samples Whoosh(double seconds, int waves, std::uint64_t seed) {
  Samples out = Noise({seconds, 0.001, 1000, 0.04, 0.35, seed});
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / out.size();
    out[i] *= float(0.5 - 0.5 * std::cos(2 * M_PI * waves * t));
  }
  return out;
}

Samples Applause(double seconds, std::uint64_t seed) {
  Samples out(Count(seconds), 0);
  Random random(seed);
  for (int i = 0; i < int(seconds * 160); ++i) {
    const double at = random.between(0, seconds - 0.05);
    const double fade = std::min(1.0, (seconds - at) / 0.6) * std::min(1.0, at / 0.15 + 0.2);
    Place(out, Noise({0.04, 0.001, 0.008, 0.15, random.between(0.5, 0.9), random.next()}), at, float(0.35 * fade));
  }
  return out;
}

Samples Sequence(std::initializer_list<Samples> parts, double gap) {
  Samples out;
  double at = 0;
  for (const Samples& part : parts) {
    Place(out, part, at);
    at += gap;
  }
  return out;
}

QByteArray Wave(Samples samples) {
  float peak = 1e-6f;
  for (const float s : samples) peak = std::max(peak, std::abs(s));
  const float gain = 0.85f / peak;
  // 10 ms fade at the end so the sound never stops with a click
  const size_t fade = std::min(samples.size(), size_t(Count(0.01)));
  for (size_t i = 0; i < fade; ++i) samples[samples.size() - 1 - i] *= float(i) / fade;

  QByteArray data(int(samples.size() * 2), Qt::Uninitialized);
  for (size_t i = 0; i < samples.size(); ++i)
    qToLittleEndian<qint16>(qint16(std::lround(std::clamp(samples[i] * gain, -1.0f, 1.0f) * 32767)), data.data() + 2 * i);
  QByteArray wave;
  auto u32 = [&wave](quint32 v) { wave.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4); };
  auto u16 = [&wave](quint16 v) { wave.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2); };
  wave += "RIFF";
  u32(quint32(36 + data.size()));
  wave += "WAVEfmt ";
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(kRate);
  u32(kRate * 2);
  u16(2);
  u16(16);
  wave += "data";
  u32(quint32(data.size()));
  return wave + data;
}

constexpr double C5 = 523.25, E5 = 659.25, G5 = 783.99, C6 = 1046.5, A4 = 440, D5 = 587.33, B5 = 987.77, G4 = 392;

}  // namespace

void StageSounds(BundleWriter& bundle) {
  const std::pair<const char*, Samples> sounds[] = {
      {"New", Melody({C5, E5, G5}, 0.09, 0.08)},
      {"Redo", Glide(450, 720, 0.14)},
      {"Undo", Glide(720, 450, 0.14)},
      {"Restart", Sequence({Glide(900, 300, 0.25), Riffle(0.3, 11)}, 0.22)},
      {"Shuffle", Riffle(0.9, 12)},
      {"Autoplay", Sequence({Swish(0.08, 13, 0.6), Note(1318.5, 0.2, 0.05, 0.1)}, 0.06)},
      {"Card_down", Thump(14)},
      {"Card_up", Swish(0.07, 15, 0.8)},
      {"Stock", Swish(0.1, 16, 0.5)},
      {"Face_up", Sequence({Snap(17), Swish(0.05, 18, 0.9)}, 0.015)},
      {"Pairing", Melody({G5, C6}, 0.08, 0.1, 0.5)},
      {"Foundation", Sequence({Snap(19), Note(B5, 0.5, 0.12, 0.5)}, 0.02)},
      {"Tableau", Sequence({Swish(0.05, 20, 0.6), Thump(21)}, 0.04)},
      {"Redeal", Whoosh(1.0, 2, 22)},
      {"red_no_a", Sequence({Whoosh(0.45, 1, 23), Snap(24)}, 0.42)},
      {"About", Melody({G4, C5, E5, G5, C6}, 0.12, 0.25, 0.2)},
      {"Hi-Scor", Melody({G4, C5, E5, G5, E5, G5}, 0.1, 0.12, 0.6)},
      {"Scores", Melody({C5, C5, G5, E5, C6}, 0.14, 0.2, 0.6)},
      {"Won", Sequence({Melody({C5, E5, G5, C6}, 0.1, 0.25, 0.5), Applause(2.4, 25)}, 0.3)},
      {"Splash", Sequence({Melody({A4, D5, E5, A4 * 2}, 0.11, 0.3, 0.3), Whoosh(0.6, 1, 26)}, 0.35)},
      {"Reorder", Sequence({Snap(27), Snap(28), Snap(29)}, 0.07)},
      {"Eddy", Sequence({Whoosh(0.6, 3, 30), Glide(300, 900, 0.5)}, 0.05)},
  };
  for (const auto& [name, samples] : sounds) bundle.addSound(QLatin1String(name), Wave(samples));
}

}  // namespace velmora::mkres
