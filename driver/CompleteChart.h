#pragma once

class FacSTDictionary;
class GGraphSettings;
class GraphSpec;
class RelabelString;
class XDocument;

// Fills a chart document from the command and the data: description,
// editability, templates, and every graph variable a graph data set supplies.
class CompleteChart {
 public:
  // False when the document has no implementation.
  bool Complete(XDocument* document, GGraphSettings& settings, GraphSpec& spec, FacSTDictionary* dictionary,
                RelabelString& relabel);
};
