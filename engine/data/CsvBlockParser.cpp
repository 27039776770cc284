#include "engine/data/CsvBlockParser.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/data/CellParsers.h"
#include "engine/data/CsvFieldScanner.h"
#include "engine/data/CsvSeparators.h"
#include "engine/data/ShortDecimal.h"
#include "engine/data/Utf8Text.h"

namespace {

// At most the first 60 bytes of a value, cut before a UTF-8 character's
// continuation bytes, with "..." when cut.
std::string QuotedStart(std::string_view text) {
  constexpr std::size_t kQuotedBytes = 60;
  if (text.size() <= kQuotedBytes) return std::string(text);
  std::size_t end = kQuotedBytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return std::string(text.substr(0, end)) + "...";
}

// The longest value a string column may hold.
int WidestValue(const CsvField& field) { return field.declaredWidth > 0 ? field.declaredWidth : kMaxStringWidth; }

bool IsNullText(const CsvField& field, std::string_view text) {
  return std::find(field.nullTexts.begin(), field.nullTexts.end(), text) != field.nullTexts.end();
}

// Reads a non-empty cell of a numeric kind; false when it is no such value.
bool ParseValue(const CsvField& field, std::string_view text, double* value, int* decimals) {
  switch (field.kind) {
    case FieldKind::kNumber:
      return ParseNumberInForm(text, field.numberForm, value, decimals);
    case FieldKind::kInteger:
      return ParseNumberInForm(text, field.numberForm, value, decimals) &&
             (!std::isfinite(*value) || *value == std::trunc(*value));
    case FieldKind::kDate:
      return ParseDateText(text, value);
    case FieldKind::kDateTime:
      return ParseDateTimeText(text, value);
    case FieldKind::kTime:
      return ParseTimeText(text, value);
    case FieldKind::kString:
      break;
  }
  return false;
}

// A text that stands for an empty cell but would read as a number must be
// looked for before the number is read.
bool HasNumericNullText(const CsvField& field) {
  double value;
  int decimals;
  return std::any_of(field.nullTexts.begin(), field.nullTexts.end(),
                     [&](const std::string& text) { return ParseNumberText(text, &value, &decimals); });
}

// What a block without quotes does with a cell of each column.
enum class CellAction : char {
  kSkip,         // a column not read
  kSkipString,   // a string column not read: only its width is checked
  kPlainNumber,  // a plain decimal, read in place
  kPlainWhole,   // the same, without a decimal point
  kOther,        // any other cell, read as text first
};

// What a block without quotes does with one column's cells.
struct QuoteFreeColumn {
  CellAction action;
  int widest;  // a string not read: its longest value that needs no check
  OBS* cells;  // the block's first row of a numeric column read; else null
  ColumnStats* stats;
};

// A plain decimal of a plain column, [begin, end) being the whole cell and
// textEnd the block's end, stored in *cell unless cell is null (only what
// the cells show is wanted). False for any other cell.
template <bool wholeOnly>
[[gnu::always_inline]] inline bool ReadPlainCell(const QuoteFreeColumn& column, const char* begin, const char* end,
                                                 const char* textEnd, OBS* cell) {
  PlainDecimal decimal;
  constexpr std::ptrdiff_t kShortCell = 9;  // a sign and eight characters
  const bool plain = end - begin <= kShortCell && textEnd - begin >= kShortCell
                         ? ReadShortDecimal<wholeOnly>(begin, end, &decimal)
                         : ScanPlainDecimal(begin, end, &decimal) == end && PlainDecimalFits(decimal);
  if (!plain || (wholeOnly && decimal.fraction > 0)) return false;
  if (cell) cell->number = FittingPlainDecimalValue(decimal);
  if (!wholeOnly) column.stats->maxDecimals = std::max(column.stats->maxDecimals, decimal.fraction);
  column.stats->maxLength = std::max(column.stats->maxLength, static_cast<int>(end - begin));
  return true;
}

// One cell of a block without quotes, [begin, end) its text; false once
// the block is found faulty.
template <class OtherCell>
[[gnu::always_inline]] inline bool ReadQuoteFreeCell(const QuoteFreeColumn& column, int c, long r, const char* begin,
                                                     const char* end, const char* textEnd, OtherCell& other) {
  switch (column.action) {
    case CellAction::kSkip:
      return true;
    case CellAction::kSkipString:
      if (end - begin <= column.widest) return true;
      break;
    case CellAction::kPlainNumber:
      if (ReadPlainCell<false>(column, begin, end, textEnd, column.cells ? column.cells + r : nullptr)) return true;
      break;
    case CellAction::kPlainWhole:
      if (ReadPlainCell<true>(column, begin, end, textEnd, column.cells ? column.cells + r : nullptr)) return true;
      break;
    case CellAction::kOther:
      break;
  }
  return other(c, r, std::string_view(begin, static_cast<std::size_t>(end - begin)));
}

// Reads the rows of a block without quote characters: every row one line,
// every field ending at the next separator. other(c, r, text) reads the
// cells this loop does not read itself, and is false once the block is found
// faulty. False when a row has too few or too many fields.
template <class OtherCell>
bool ReadRowsWithoutQuotes(const char* begin, const char* end, long rows, char delimiter,
                           const std::vector<QuoteFreeColumn>& columns, OtherCell&& other) {
  if (columns.empty()) return false;  // a table without fields: the general way
  const int last = static_cast<int>(columns.size()) - 1;
  const QuoteFreeColumn* column = columns.data();
  CsvSeparators separators(begin, end, delimiter);
  const char* start = begin;
  for (long r = 0; r < rows; ++r) {
    for (int c = 0; c < last; ++c) {
      const char* stop = separators.Next();
      if (stop == end || *stop == '\n') return false;
      if (!ReadQuoteFreeCell(column[c], c, r, start, stop, end, other)) return true;
      start = stop + 1;
    }
    const char* stop = separators.Next();
    if (stop != end && *stop != '\n') return false;
    const char* fieldEnd = stop > start && stop[-1] == '\r' ? stop - 1 : stop;
    if (!ReadQuoteFreeCell(column[last], last, r, start, fieldEnd, end, other)) return true;
    if (stop == end) return r + 1 == rows;  // false: the text ended a row early
    start = stop + 1;
  }
  return true;
}

class BlockParser {
 public:
  BlockParser(const CsvTable& table, const CsvBlock& block, long rows, const ColumnTargets& targets)
      : table_(table), block_(block), rows_(rows), targets_(targets) {
    result_.stats.resize(table.fields.size());
    result_.wideTexts.resize(table.fields.size());
    for (const CsvField& field : table.fields) numericNullTexts_.push_back(HasNumericNullText(field));
  }

  // Parses a block that the map found without quote characters, where every
  // row is one line and every field ends at the next separator. False, with
  // nothing to go by in the result, when a row has too few or too many
  // fields: Parse then finds the fault as it is found in any block.
  bool ParseWithoutQuotes(const char* begin, const char* end) {
    return ReadRowsWithoutQuotes(begin, end, rows_, table_.dialect.delimiter, QuoteFreeColumns(),
                                 [this](int c, long r, std::string_view text) { return ReadOtherCell(c, r, text); });
  }

  CsvBlockResult Result() { return std::move(result_); }

  CsvBlockResult Parse(const char* begin, const char* end) {
    const CsvDialect& dialect = table_.dialect;
    CsvFieldScanner scanner(begin, end, dialect.delimiter, dialect.quote, block_.firstLine);
    const int fields = static_cast<int>(table_.fields.size());
    for (long r = 0; r < rows_ && !result_.fault; ++r) {
      for (int c = 0; c < fields && !result_.fault; ++c) {
        long line = scanner.Line();
        CsvFieldScanner::Stop stop;
        if (!targets_.columns[static_cast<std::size_t>(c)]) {
          stop = SkipField(scanner, c, line);
          if (stop == CsvFieldScanner::Stop::kError) break;
        } else if (!ReadPlainNumber(scanner, c, r, &stop)) {
          std::string_view text;
          stop = scanner.Next(&text);
          if (stop == CsvFieldScanner::Stop::kError) {
            Fault(scanner.ErrorLine(), c + 1, scanner.Error());
            break;
          }
          Store(c, r, text, line);
        }
        if (stop == CsvFieldScanner::Stop::kRowEnd && c + 1 < fields) FieldCountFault(line, c + 1);
        if (stop == CsvFieldScanner::Stop::kDelimiter && c + 1 == fields) ExtraFieldsFault(scanner, line);
      }
    }
    return std::move(result_);
  }

 private:
  std::vector<QuoteFreeColumn> QuoteFreeColumns() {
    std::vector<QuoteFreeColumn> columns;
    for (std::size_t c = 0; c < table_.fields.size(); ++c) {
      const CsvField& field = table_.fields[c];
      QuoteFreeColumn column{CellAction::kOther, 0, nullptr, &result_.stats[c]};
      if (!targets_.columns[c]) {
        column.action = field.kind == FieldKind::kString ? CellAction::kSkipString : CellAction::kSkip;
        column.widest = WidestValue(field);
      } else if ((field.kind == FieldKind::kNumber || field.kind == FieldKind::kInteger) && !numericNullTexts_[c] &&
                 field.numberForm.IsPlain()) {
        column.action = field.kind == FieldKind::kInteger ? CellAction::kPlainWhole : CellAction::kPlainNumber;
        if (targets_.values) column.cells = targets_.columns[c] + block_.firstRow;
      }
      columns.push_back(column);
    }
    return columns;
  }

  // A cell of a block without quotes that is no plain number of a plain
  // column: false once the block is found faulty.
  [[gnu::noinline]] bool ReadOtherCell(int c, long r, std::string_view text) {
    if (targets_.columns[static_cast<std::size_t>(c)])
      Store(c, r, text, block_.firstLine + r);
    else
      CheckSkippedWidth(c, text, block_.firstLine + r);
    return !result_.fault;
  }

  // A string too wide for its column makes the file unusable even where the
  // column is not read.
  void CheckSkippedWidth(int c, std::string_view text, long line) {
    const CsvField& field = table_.fields[static_cast<std::size_t>(c)];
    if (static_cast<int>(text.size()) > WidestValue(field) && !IsNullText(field, text))
      TooWideFault(field, c, text, line);
  }

  // A column not being read: only its field boundaries are found, and a
  // string too wide for its column still makes the file unusable, as it
  // would when the column is read.
  CsvFieldScanner::Stop SkipField(CsvFieldScanner& scanner, int c, long line) {
    std::string_view text;
    CsvFieldScanner::Stop stop = scanner.Next(&text);
    if (stop == CsvFieldScanner::Stop::kError) {
      Fault(scanner.ErrorLine(), c + 1, scanner.Error());
      return stop;
    }
    if (table_.fields[static_cast<std::size_t>(c)].kind == FieldKind::kString) CheckSkippedWidth(c, text, line);
    return stop;
  }

  // The common case of a numeric cell, read without looking at it twice.
  bool ReadPlainNumber(CsvFieldScanner& scanner, int c, long r, CsvFieldScanner::Stop* stop) {
    const CsvField& field = table_.fields[static_cast<std::size_t>(c)];
    FieldKind kind = field.kind;
    if ((kind != FieldKind::kNumber && kind != FieldKind::kInteger) || numericNullTexts_[static_cast<std::size_t>(c)] ||
        !field.numberForm.IsPlain())
      return false;
    double value;
    int decimals, length;
    if (!scanner.NextPlainNumber(kind == FieldKind::kInteger, &value, &decimals, &length, stop)) return false;
    targets_.columns[static_cast<std::size_t>(c)][block_.firstRow + r].number = value;
    ColumnStats& stats = result_.stats[static_cast<std::size_t>(c)];
    stats.maxDecimals = std::max(stats.maxDecimals, decimals);
    stats.maxLength = std::max(stats.maxLength, length);
    return true;
  }

  void Store(int c, long r, std::string_view text, long line) {
    const CsvField& field = table_.fields[static_cast<std::size_t>(c)];
    if (field.kind == FieldKind::kString)
      StoreText(c, r, text, line);
    else
      targets_.columns[static_cast<std::size_t>(c)][block_.firstRow + r].number = Convert(c, text, line);
  }

  double Convert(int c, std::string_view text, long line) {
    if (text.empty()) return kSysMiss;
    const CsvField& field = table_.fields[static_cast<std::size_t>(c)];
    ColumnStats& stats = result_.stats[static_cast<std::size_t>(c)];
    double value;
    int decimals = 0;
    if (numericNullTexts_[static_cast<std::size_t>(c)] && IsNullText(field, text)) return kSysMiss;
    if (ParseValue(field, text, &value, &decimals)) {
      if (!std::isfinite(value)) return NotFinite(stats, text, line);
      stats.maxDecimals = std::max(stats.maxDecimals, decimals);
      stats.maxLength = std::max(stats.maxLength, static_cast<int>(text.size()));
      return value;
    }
    if (IsNullText(field, text)) return kSysMiss;
    if (stats.badCells++ == 0) {
      stats.firstBadLine = line;
      stats.firstBadText = text;
    }
    return kSysMiss;
  }

  // NaN, INF and numbers beyond the double range are system-missing.
  static double NotFinite(ColumnStats& stats, std::string_view text, long line) {
    if (stats.notFinite++ == 0) {
      stats.firstNotFiniteLine = line;
      stats.firstNotFiniteText = text;
    }
    return kSysMiss;
  }

  void StoreText(int c, long r, std::string_view text, long line) {
    const CsvField& field = table_.fields[static_cast<std::size_t>(c)];
    if (!text.empty() && IsNullText(field, text)) text = {};
    if (std::string problem = NotUtf8Problem(text); !problem.empty()) return Fault(line, c + 1, problem);
    int length = static_cast<int>(text.size());
    if (length > WidestValue(field)) {
      TooWideFault(field, c, text, line);
      return;
    }
    ColumnStats& stats = result_.stats[static_cast<std::size_t>(c)];
    stats.maxLength = std::max(stats.maxLength, length);
    const int cells = targets_.cells[static_cast<std::size_t>(c)];
    char* cell = targets_.columns[static_cast<std::size_t>(c)][(block_.firstRow + r) * cells].text;
    std::memset(cell, ' ', static_cast<std::size_t>(cells) * sizeof(OBS));
    if (length > cells * static_cast<int>(sizeof(OBS)))
      result_.wideTexts[static_cast<std::size_t>(c)].push_back(WideText{block_.firstRow + r, std::string(text)});
    else if (length > 0)
      std::memcpy(cell, text.data(), text.size());
  }

  void TooWideFault(const CsvField& field, int c, std::string_view text, long line) {
    const int limit = WidestValue(field);
    Fault(line, c + 1,
          "the value '" + QuotedStart(text) + "' is " + std::to_string(text.size()) + " bytes long, longer than " +
              (field.declaredWidth > 0 ? "the width " : "the widest string value, ") + std::to_string(limit) +
              ", of the string variable " + field.name);
  }

  void FieldCountFault(long line, int found) {
    Fault(line, found + 1, "expected " + std::to_string(table_.fields.size()) + " fields, found " + std::to_string(found));
  }

  void ExtraFieldsFault(CsvFieldScanner& scanner, long line) {
    int found = static_cast<int>(table_.fields.size());
    std::string_view text;
    CsvFieldScanner::Stop stop;
    do {
      stop = scanner.Next(&text);
      ++found;
    } while (stop == CsvFieldScanner::Stop::kDelimiter);
    Fault(line, static_cast<int>(table_.fields.size()) + 1,
          "expected " + std::to_string(table_.fields.size()) + " fields, found " + std::to_string(found));
  }

  void Fault(long line, int column, std::string text) { result_.fault = CsvFault{line, column, std::move(text)}; }

  const CsvTable& table_;
  const CsvBlock& block_;
  long rows_;
  const ColumnTargets& targets_;
  std::vector<bool> numericNullTexts_;  // per column: a null text reads as a number
  CsvBlockResult result_;
};

}  // namespace

void ColumnStats::Merge(const ColumnStats& later) {
  maxDecimals = std::max(maxDecimals, later.maxDecimals);
  maxLength = std::max(maxLength, later.maxLength);
  if (badCells == 0 && later.badCells > 0) {
    firstBadLine = later.firstBadLine;
    firstBadText = later.firstBadText;
  }
  badCells += later.badCells;
  if (notFinite == 0 && later.notFinite > 0) {
    firstNotFiniteLine = later.firstNotFiniteLine;
    firstNotFiniteText = later.firstNotFiniteText;
  }
  notFinite += later.notFinite;
}

CsvBlockResult ParseCsvBlock(const CsvTable& table, const char* begin, const char* end, const CsvBlock& block,
                             long rows, const ColumnTargets& targets) {
  if (!block.quoted) {
    BlockParser withoutQuotes(table, block, rows, targets);
    if (withoutQuotes.ParseWithoutQuotes(begin, end)) return withoutQuotes.Result();
  }
  return BlockParser(table, block, rows, targets).Parse(begin, end);
}
