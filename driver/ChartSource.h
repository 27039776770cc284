#pragma once
// What each source kind's producer is given, and the producers themselves.

#include <memory>

#include "host/chart/ChartString.h"

class GraphSpec;
class PreparedDataSets;
class XDocument;
struct ProcedureRun;

struct ChartSource {
  ProcedureRun& run;
  GraphSpec& spec;
  PreparedDataSets* prepared;  // null when the command has no data set
};

using ChartProducer = std::unique_ptr<XDocument> (*)(const ChartSource& source);

// Documents that the chart loop completes and sends.
std::unique_ptr<XDocument> ProduceInlineChart(const ChartSource& source);
std::unique_ptr<XDocument> ProduceGplFileChart(const ChartSource& source);
std::unique_ptr<XDocument> ProduceVizmlFileChart(const ChartSource& source);
std::unique_ptr<XDocument> ProduceTemplateChart(const ChartSource& source);

// Sources that send their own output and give no document.
std::unique_ptr<XDocument> SendJsonChart(const ChartSource& source);
std::unique_ptr<XDocument> SendJsonTemplateChart(const ChartSource& source);
std::unique_ptr<XDocument> SendImage(const ChartSource& source);
std::unique_ptr<XDocument> SendModelFiles(const ChartSource& source);
std::unique_ptr<XDocument> WriteBinningTables(const ChartSource& source);

// The description of an output sent here: the output label, or the localised
// "Graph" when it has none.
ChartString SelfSentDescription(const ChartSource& source);
