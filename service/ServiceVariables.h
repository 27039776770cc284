#pragma once

class GGraphDataSet;
class XGraphService;

// Hands a graph-service document the variables of a data set that stand for
// engine data, in list order. A multiple-response set goes by an empty name
// and the index of the last single variable handed over before it in the
// same graph spec; lastSingleIndex carries that index from one split group's
// document to the next and starts at kNoSingleIndex.
void AddServiceVariables(XGraphService& service, const GGraphDataSet& dataSet, int& lastSingleIndex);

// The index of a set when no single variable came before it: no engine column.
inline constexpr int kNoSingleIndex = -1;
