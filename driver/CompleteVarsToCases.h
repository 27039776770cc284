#pragma once

class FacSTDictionary;
class GGraphDataSet;
class XGraph;

// Describes the columns of a VARSTOCASES data set: the summary column by
// what its statistics or variables share, the index column by what tells
// the rows apart, and the number formats of the summary and error-bar
// columns. A column the chart lacks only ends the step that needs it.
void CompleteVarsToCases(const GGraphDataSet& dataSet, const FacSTDictionary* dictionary, XGraph& graph);
