#include "bench/SyntheticCases.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

// splitmix64, normals by Irwin-Hall, as in the peers' generator.
struct PeerRandom {
  std::uint64_t state = 0x9E3779B97F4A7C15ull ^ 20240601ull;
  std::uint64_t Next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  double Normal() {
    double s = 0;
    for (int i = 0; i < 12; ++i) s += Uniform();
    return s - 6.0;
  }
};

double FourDecimals(double v) { return std::round(v * 1e4) / 1e4; }

}  // namespace

void FillSyntheticCases(MemoryDataSource& source, std::int64_t rows) {
  PeerRandom random;
  std::vector<std::string> words;
  for (int k = 0; k < 20; ++k) {
    std::string word;
    for (int j = 0; j < 8; ++j) word += static_cast<char>('A' + random.Next() % 26);
    words.push_back(word);
  }
  std::vector<double> g1(rows), g2(rows), x(rows), y(rows), w(rows);
  std::vector<std::string> s(rows);
  for (std::int64_t i = 0; i < rows; ++i) {
    g1[i] = static_cast<double>(1 + random.Next() % 10);
    g2[i] = static_cast<double>(1 + random.Next() % 50);
    s[i] = words[random.Next() % 20];
    const double value = 50.0 + 10.0 * random.Normal();
    const bool missing = random.Next() % 100 == 0;
    const double other = 0.5 * value + 5.0 * random.Normal();
    w[i] = FourDecimals(0.5 + 1.5 * random.Uniform());
    x[i] = missing ? kSysMiss : FourDecimals(value);
    y[i] = FourDecimals(other);
  }
  source.AddNumeric("g1", g1);
  source.AddNumeric("g2", g2);
  source.AddString("s", 8, s);
  source.AddNumeric("x", x);
  source.AddNumeric("y", y);
  source.AddNumeric("w", w);
}
