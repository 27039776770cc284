#include "engine/data/CsvSniffer.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::size_t kSniffBytes = 64 * 1024;
constexpr std::array<char, 4> kDelimiters = {',', ';', '\t', '|'};

// Lines end with CR alone when the sample holds a CR that no LF follows and
// no LF at all.
bool EndsLinesWithCrAlone(const std::vector<char>& sample) {
  if (std::find(sample.begin(), sample.end(), '\n') != sample.end()) return false;
  auto cr = std::find(sample.begin(), sample.end(), '\r');
  return cr != sample.end() && cr + 1 != sample.end();
}

char MostFrequentDelimiter(const std::vector<char>& sample, char quote) {
  std::array<int, kDelimiters.size()> counts{};
  bool quoted = false;
  for (char c : sample) {
    if (c == quote) quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    for (std::size_t i = 0; i < kDelimiters.size(); ++i) counts[i] += c == kDelimiters[i];
  }
  std::size_t best = 0;
  for (std::size_t i = 1; i < kDelimiters.size(); ++i)
    if (counts[i] > counts[best]) best = i;
  return kDelimiters[best];
}

}  // namespace

bool SniffCsvDialect(const FileReader& file, const std::string& shownName, char givenDelimiter, CsvDialect* dialect,
                     DataProblems& problems) {
  std::vector<char> sample;
  if (!file.Read(0, std::min(kSniffBytes, file.Size()), sample)) {
    problems.Error(shownName, "the file cannot be read");
    return false;
  }
  if (EndsLinesWithCrAlone(sample)) {
    problems.Error(DataProblems::Where(shownName, 1, 0),
                   "the lines end with a carriage return alone; save the file with LF or CR LF line ends");
    return false;
  }
  dialect->delimiter = givenDelimiter ? givenDelimiter : MostFrequentDelimiter(sample, dialect->quote);
  return true;
}
