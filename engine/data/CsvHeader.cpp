#include "engine/data/CsvHeader.h"

#include <algorithm>

#include "engine/data/CsvFieldScanner.h"
#include "engine/data/Utf8Text.h"

namespace {

constexpr std::size_t kFirstRead = 64 * 1024;

std::size_t ByteOrderMarkLength(const FileReader& file) {
  std::vector<char> start;
  if (file.Size() < 3 || !file.Read(0, 3, start)) return 0;
  return start[0] == '\xEF' && start[1] == '\xBB' && start[2] == '\xBF' ? 3 : 0;
}

// The offset after the last byte that is not a line end.
bool FindDataEnd(const FileReader& file, std::size_t from, std::size_t* dataEnd) {
  std::vector<char> tail;
  std::size_t end = file.Size();
  while (end > from) {
    std::size_t size = std::min(kFirstRead, end - from);
    if (!file.Read(end - size, size, tail)) return false;
    for (std::size_t i = size; i > 0; --i) {
      if (tail[i - 1] != '\n' && tail[i - 1] != '\r') {
        *dataEnd = end - size + i;
        return true;
      }
    }
    end -= size;
  }
  *dataEnd = from;
  return true;
}

}  // namespace

bool ReadCsvHeader(const FileReader& file, const std::string& shownName, const CsvDialect& dialect, CsvHeader* header,
                   DataProblems& problems) {
  std::size_t start = ByteOrderMarkLength(file);
  if (!FindDataEnd(file, start, &header->dataEnd)) {
    problems.Error(shownName, "the file cannot be read");
    return false;
  }
  header->dataStart = start;
  if (!dialect.header) return true;
  if (header->dataEnd == start) {
    problems.Error(DataProblems::Where(shownName, 1, 0), "the file is empty: a header line is expected");
    return false;
  }
  std::vector<char> text;
  for (std::size_t size = kFirstRead;; size *= 2) {
    std::size_t available = std::min(size, header->dataEnd - start);
    if (!file.Read(start, available, text)) {
      problems.Error(shownName, "the file cannot be read");
      return false;
    }
    CsvFieldScanner scanner(text.data(), text.data() + available, dialect.delimiter, dialect.quote, 1);
    header->names.clear();
    CsvFieldScanner::Stop stop;
    do {
      std::string_view name;
      stop = scanner.Next(&name);
      if (stop == CsvFieldScanner::Stop::kError) break;
      header->names.emplace_back(name);
    } while (stop == CsvFieldScanner::Stop::kDelimiter);
    bool wholeFile = available == header->dataEnd - start;
    if (!wholeFile && (stop == CsvFieldScanner::Stop::kError || scanner.AtEnd())) continue;
    if (stop == CsvFieldScanner::Stop::kError) {
      problems.Error(DataProblems::Where(shownName, scanner.ErrorLine(), static_cast<long>(header->names.size()) + 1),
                     scanner.Error());
      return false;
    }
    for (std::size_t c = 0; c < header->names.size(); ++c)
      if (std::string problem = NotUtf8Problem(header->names[c]); !problem.empty())
        problems.Error(DataProblems::Where(shownName, 1, static_cast<long>(c) + 1), problem);
    if (problems.HasErrors()) return false;
    header->firstDataLine = scanner.Line();
    header->dataStart = std::min(start + static_cast<std::size_t>(scanner.Position() - text.data()), header->dataEnd);
    return true;
  }
}
