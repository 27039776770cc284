#include "engine/data/DisplayFormat.h"

#include <array>
#include <cctype>

#include "engine/data/CsvTable.h"

namespace {

struct FormatName {
  const char* name;
  int type;
  bool decimals;  // takes decimals
  int minWidth;
};

constexpr std::array kFormats = {
    FormatName{"A", kFormatA, false, 1},          FormatName{"F", kFormatF, true, 1},
    FormatName{"COMMA", kFormatComma, true, 1},   FormatName{"DOLLAR", kFormatDollar, true, 2},
    FormatName{"E", kFormatE, true, 6},           FormatName{"PCT", kFormatPct, true, 2},
    FormatName{"DATE", kFormatDate, false, 10},   FormatName{"TIME", kFormatTime, false, 5},
    FormatName{"DATETIME", kFormatDateTime, false, 16},
    FormatName{"CCA", kFormatCCA, true, 2},       FormatName{"CCB", kFormatCCA + 1, true, 2},
    FormatName{"CCC", kFormatCCA + 2, true, 2},   FormatName{"CCD", kFormatCCA + 3, true, 2},
    FormatName{"CCE", kFormatCCE, true, 2},
};
constexpr int kMaxNumberWidth = 40;
constexpr int kMaxDecimals = 16;

const FormatName* FindByName(std::string_view name) {
  for (const FormatName& entry : kFormats) {
    std::string_view known = entry.name;
    if (known.size() != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < known.size() && same; ++i)
      same = std::toupper(static_cast<unsigned char>(name[i])) == known[i];
    if (same) return &entry;
  }
  return nullptr;
}

const FormatName* FindByType(int type) {
  for (const FormatName& entry : kFormats)
    if (entry.type == type) return &entry;
  return nullptr;
}

// Reads digits at text[*i]; false when there are none or too many.
bool ReadNumber(std::string_view text, std::size_t* i, int* value) {
  std::size_t start = *i;
  *value = 0;
  while (*i < text.size() && std::isdigit(static_cast<unsigned char>(text[*i])) && *i - start < 4)
    *value = *value * 10 + (text[(*i)++] - '0');
  return *i > start;
}

}  // namespace

bool ParseDisplayFormat(std::string_view text, VEXA_Format* format) {
  std::size_t i = 0;
  while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) ++i;
  const FormatName* entry = FindByName(text.substr(0, i));
  int width = 0, decimals = 0;
  if (!entry || !ReadNumber(text, &i, &width)) return false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    if (!entry->decimals || !ReadNumber(text, &i, &decimals)) return false;
  }
  int maxWidth = entry->type == kFormatA ? kMaxStringWidth : kMaxNumberWidth;
  if (i != text.size() || width < entry->minWidth || width > maxWidth || decimals > kMaxDecimals ||
      (decimals > 0 && decimals >= width))
    return false;
  *format = PackFormat(entry->type, width, decimals);
  return true;
}

std::string DisplayFormatText(VEXA_Format format) {
  const FormatName* entry = FindByType(FormatType(format));
  std::string text = (entry ? entry->name : "?") + std::to_string(FormatWidth(format));
  if (entry && entry->decimals) text += "." + std::to_string(FormatDecimals(format));
  return text;
}
