#include "driver/RfmHelpTable.h"

#include <array>

#include "command/GGraphSettings.h"
#include "driver/ProcedureRun.h"
#include "host/engine/BpProcedure.h"

namespace {

struct RfmHelpEntry {
  const char* title;
  const char* name;
  const char* cellKey;
};

// By description type 1 to 4.
constexpr std::array kRfmHelp = {
    RfmHelpEntry{"Description: RFM Bin Counts Chart", "DescriptionRFMBinCountsChart", "QK Bin Count Smart Help"},
    RfmHelpEntry{"Description: RFM Heat Map", "DescriptionRFMHeatMap", "QK Heat Map Smart Help"},
    RfmHelpEntry{"Description: RFM Histograms", "DescriptionRFMHistograms", "QK Histogram Smart Help"},
    RfmHelpEntry{"Description: RFM Scatterplots", "DescriptionRFMScatterplots", "QK Scatterplot Smart Help"},
};

constexpr int kColumnWidth = 450;
constexpr int kSortValue = 2;

}  // namespace

void WriteRfmHelpTable(ProcedureRun& run) {
  int type = run.settings.GetDescriptionType();
  if (type < 1 || type > static_cast<int>(kRfmHelp.size())) return;
  const RfmHelpEntry& entry = kRfmHelp[static_cast<std::size_t>(type - 1)];
  auto table = run.procedure.PivotTable(BpString(entry.title, true), BpString(entry.name, true), true);
  table->MinDataColumnWidth(kColumnWidth);
  table->MaxDataColumnWidth(kColumnWidth);
  table->HideTitle();
  auto dimension = table->Dimension(BpString("Contents", true), kSortValue);
  dimension->Position(0, 1, true, true);
  auto category = dimension->Category(BpString("Contents", true));
  category->Cell(BpString(entry.cellKey, true));
}
