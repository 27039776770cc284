#pragma once
#include <ostream>

#include "JsonWriter.h"
#include "XDocument.h"

struct DocumentState;

// How a document is sent: later marks a further split group of one chart,
// thumbnail leaves the data values out.
using SendOptions = XDocument::SendOptions;

// The fields of each kind of document item, after its "type".
void WriteChartFields(JsonWriter& json, const DocumentState& state, SendOptions send);
void WriteGraphServiceFields(JsonWriter& json, const DocumentState& state, SendOptions send);
void WriteJsonChartFields(JsonWriter& json, const DocumentState& state, SendOptions send);
void WriteImageFields(JsonWriter& json, const DocumentState& state, SendOptions send);

void ListChart(std::ostream& out, const DocumentState& state, SendOptions send);
void ListGraphService(std::ostream& out, const DocumentState& state, SendOptions send);
void ListJsonChart(std::ostream& out, const DocumentState& state, SendOptions send);
void ListImage(std::ostream& out, const DocumentState& state, SendOptions send);

// Shared by the writers: the data table (null when none) and its handles.
void WriteDataFields(JsonWriter& json, const DocumentState& state, SendOptions send);
