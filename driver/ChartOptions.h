#pragma once

class GGraphSettings;
class XDocument;

// Applies the command's chart options (fit lines, gradient style, colour
// cycle, frames, gridlines) to a chart made from inline GPL.
void ApplyChartOptions(XDocument& document, const GGraphSettings& settings);
