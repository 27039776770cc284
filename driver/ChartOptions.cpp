#include "driver/ChartOptions.h"

#include "command/GGraphSettings.h"
#include "host/chart/XDocument.h"

namespace {

constexpr const char* kFitLineTotal = R"(<addFitLine rsquared="true" target="pair" type="linear"/>)";
constexpr const char* kFitLineSubgroup = R"(<addFitLine rsquared="true" target="subgroup" type="linear"/>)";
constexpr const char* kGradientStyle =
    "<setStyle type='scatter'><style size='10pt' shadow-color='black' shadow-opacity='0.5' shadow-dx='2px' "
    "shadow-dy='2px' gradient-color='white' gradient-isInverted='true' gradient-method='radial' "
    "gradient-angle='30' gradient-focus='0.625'/></setStyle>";

void AddImmediateTemplates(XDocument& document, const GGraphSettings& settings) {
  if (settings.GetFitLineTotal()) document.AddImmediateTemplate(kFitLineTotal);
  if (settings.GetFitLineSubgroup()) document.AddImmediateTemplate(kFitLineSubgroup);
  if (settings.GetGradientStyle()) document.AddImmediateTemplate(kGradientStyle);
}

// The colours were sorted by their numbers when parsed; the chart receives
// their positions in that order, not the numbers the user gave them.
void AddColorCycle(XDocument& document, const GGraphSettings& settings) {
  int position = 0;
  for (const ColorEntry& color : settings.GetColorCycle())
    document.AddColorSpec(XDocument::ColorSpec(++position, color.red, color.green, color.blue));
}

}  // namespace

void ApplyChartOptions(XDocument& document, const GGraphSettings& settings) {
  AddImmediateTemplates(document, settings);
  AddColorCycle(document, settings);
  document.SetOuterFrame(settings.GetOuterFrame());
  document.SetInnerFrame(settings.GetInnerFrame());
  document.SetXAxisGridlines(settings.GetXAxisGridlines());
  document.SetYAxisGridlines(settings.GetYAxisGridlines());
}
