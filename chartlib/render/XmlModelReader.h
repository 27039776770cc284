#pragma once
#include <string_view>

#include "chartlib/render/ChartModel.h"

// Reads the XML chart form (charts from templates and VizML files) into the
// chart model: its variables, its <element> (type, x, y, color, arrangement,
// statistic, binning, shape), <axis> and <legend>. Anything else that draws
// is reported as not drawn.
ReadChart ReadXmlModel(std::string_view xml);
