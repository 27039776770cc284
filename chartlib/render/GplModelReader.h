#pragma once
#include <span>

#include "chartlib/gpl/GplSyntax.h"
#include "chartlib/render/ChartModel.h"

// A function of a GPL statement that the renderer draws, with how.
struct GplCoverageRow {
  const char* statement;  // "GUIDE", "SCALE", "COORD", "ELEMENT" (position functions)
  const char* gpl;
  const char* drawnAs;
};

// Reads a parsed GPL program into the chart model. Stops at the first
// construct it does not draw, or the first name it does not know, and says
// which and where.
ReadChart ReadGplModel(const GplProgram& program);

// The rows of the reader's tables, for the coverage documentation.
std::span<const GplCoverageRow> GplCoverage();
