#include "driver/ChartProduction.h"

#include <array>

#include "driver/ChartSource.h"
#include "graphspec/GraphSpec.h"
#include "host/chart/XDocument.h"

namespace {

struct SourceKindEntry {
  SourceKind kind;
  ChartProducer produce;
};

constexpr std::array kSourceKinds = {
    SourceKindEntry{INLINE, ProduceInlineChart},
    SourceKindEntry{GPLFILE, ProduceGplFileChart},
    SourceKindEntry{VIZMLFILE, ProduceVizmlFileChart},
    SourceKindEntry{VIZJSONFILE, SendJsonChart},
    SourceKindEntry{VIZJSONTEMPLATE, SendJsonTemplateChart},
    SourceKindEntry{VIZTEMPLATE, ProduceTemplateChart},
    SourceKindEntry{IMAGEFILE, SendImage},
    SourceKindEntry{PMMLFILE, SendModelFiles},
    SourceKindEntry{BINS, WriteBinningTables},
};

}  // namespace

std::unique_ptr<XDocument> ProduceChart(ProcedureRun& run, GraphSpec& spec, PreparedDataSets* prepared) {
  for (const SourceKindEntry& entry : kSourceKinds) {
    if (entry.kind == spec.GetSourceKind()) return entry.produce(ChartSource{run, spec, prepared});
  }
  return nullptr;
}
