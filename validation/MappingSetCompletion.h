#pragma once

class GGraphDataSet;
class GGraphVariable;
struct VizVariableMapping;

// Completes a template mapping whose variable is a multiple-response set: the
// set's name, kind and counted value, and one entry per member variable. Each
// member joins the data set as a variable of its own, so that the chart's
// table gets its column.
void CompleteSetMapping(const GGraphVariable& set, GGraphDataSet& dataSet, VizVariableMapping& mapping);
