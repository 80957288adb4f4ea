// Writes the program's alert sound: a short two-tone alarm, 16-bit mono PCM at 22050 Hz.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_alert_wav OUTPUT\n");
    return 2;
  }
  constexpr uint32_t kRate = 22050;
  constexpr double kPi = 3.14159265358979323846;
  std::vector<int16_t> samples;
  // three rising pairs of beeps, each with a soft start and end so that nothing clicks
  for (int pair = 0; pair < 3; ++pair) {
    for (const double frequency : {880.0, 1320.0}) {
      const int length = static_cast<int>(kRate * 0.11);
      for (int i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope = std::min(1.0, std::min(i, length - i) / (kRate * 0.01));
        const double wave = std::sin(2 * kPi * frequency * t) + 0.3 * std::sin(4 * kPi * frequency * t);
        samples.push_back(static_cast<int16_t>(12000 * envelope * wave));
      }
      samples.insert(samples.end(), static_cast<size_t>(kRate * 0.03), 0);
    }
    samples.insert(samples.end(), static_cast<size_t>(kRate * 0.08), 0);
  }
  const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> wav;
  for (const char c : {'R', 'I', 'F', 'F'})
    wav.push_back(static_cast<uint8_t>(c));
  Put(wav, 36 + dataBytes, 4);
  for (const char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '})
    wav.push_back(static_cast<uint8_t>(c));
  Put(wav, 16, 4);         // format chunk size
  Put(wav, 1, 2);          // PCM
  Put(wav, 1, 2);          // mono
  Put(wav, kRate, 4);      // sample rate
  Put(wav, kRate * 2, 4);  // byte rate
  Put(wav, 2, 2);          // block align
  Put(wav, 16, 2);         // bits per sample
  for (const char c : {'d', 'a', 't', 'a'})
    wav.push_back(static_cast<uint8_t>(c));
  Put(wav, dataBytes, 4);
  for (const int16_t s : samples)
    Put(wav, static_cast<uint16_t>(s), 2);
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr || std::fwrite(wav.data(), 1, wav.size(), out) != wav.size() || std::fclose(out) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
