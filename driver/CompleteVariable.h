#pragma once

class FacSTDictionary;
class GGraphVariable;
class XVariable;

// Describes a chart variable by the graph data set's variable that fills its
// column: the case number and the weight by their localised names; any other
// variable, when the default template is in use, by its label, name and
// engine variable, and, when the chart shows it as categories, by the value
// labels of the variable or the categories of the set.
void CompleteVariable(XVariable& chartVariable, const GGraphVariable& variable, const FacSTDictionary* dictionary,
                      bool defaultTemplate);
