#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ChartCaseCounts.h"
#include "ChartString.h"

class XGraph;
class VarDataProcessor;
struct DocumentState;

// One chart document: its chart text (GPL or the XML chart form), its
// graph, its data table and the options that go with it when it is sent to
// the output. Texts given as std::string are UTF-8.
class XDocument {
 public:
  // A colour of the chart's colour cycle, at position (from 1).
  struct ColorSpec {
    ColorSpec(int position, int red, int green, int blue) : position(position), red(red), green(green), blue(blue) {}
    int position;
    int red;
    int green;
    int blue;
  };

  // Builds the document from GPL (isGpl true) or from the XML chart form
  // (isGpl false). With reportErrors, a text that gives no chart adds an error
  // message to the output saying why (for GPL: line, column, what was expected).
  XDocument(const std::string& text, bool isGpl, bool reportErrors);
  // The XML chart form, reporting errors.
  explicit XDocument(const std::string& xml);
  virtual ~XDocument();
  XDocument(const XDocument&) = delete;
  XDocument& operator=(const XDocument&) = delete;

  // False when the text gave no usable chart: GPL that does not parse or has
  // no ELEMENT statement; XML that is not well-formed or declares no element.
  bool implementationExists() const;
  // Why there is no chart ("line 3, column 7: expected ')' but found ...");
  // empty when there is one.
  const std::string& getParseError() const;

  // The graph; never null (a document without a chart has an empty graph).
  XGraph* getGraph();
  XGraph* getExternalGraph();

  // The table is not owned; it must live until the document is sent.
  void SetChartData(VarDataProcessor* table);
  // The engine data set a source of the table was read from.
  void SetDataHandle(const ChartString& source, const ChartString& handle);
  // What the reading did with the cases of the chart's data, for the listing.
  void SetCaseCounts(const ChartCaseCounts& counts);

  void setStyleSheet(const std::string& name, const std::string& content);
  void setVIZMap(const std::string& name, const std::string& content);
  void setVIZRefMap(const std::string& name, const std::string& content);
  // Which editor opens the chart (the module passes 2 for template charts).
  void setEditor(int editor);
  // 0 editable (the default), 1 locked against editing.
  void setEditable(int lock);
  void SetDescription(const ChartString& description);
  ChartString GetDescription() const;
  void SetName(const ChartString& name);
  void SetComment(const ChartString& comment);
  // Each call adds one chart template file, in order.
  void SetChartTemplate(const std::string& file);
  void AddImmediateTemplate(const std::string& text);
  void AddCSVFile(const std::string& name);
  void AddColorSpec(const ColorSpec& color);
  // Frames and gridlines: 0 not given, 1 on, 2 off.
  void SetOuterFrame(int state);
  void SetInnerFrame(int state);
  void SetXAxisGridlines(int state);
  void SetYAxisGridlines(int state);
  // True: the chart is shown as specified, without the default look applied.
  void doNotModify(bool on);

  // Puts the document into the output. show false sends nothing; later marks
  // the second and every further split group of one chart; thumbnail sends
  // the table's sizes without its values. False when nothing was sent.
  virtual bool SendChart(bool show, bool later, bool thumbnail);
  // SendChart with its options named at the call: Send({.later = true}).
  struct SendOptions {
    bool show = true;
    bool later = false;
    bool thumbnail = false;
  };
  bool Send(SendOptions options) { return SendChart(options.show, options.later, options.thumbnail); }
  bool Send() { return Send(SendOptions{}); }
  // The document as SendChart writes it (JSON text); both give the same.
  std::string getChartXML() const;
  std::string AsUTF8() const;

  // Everything the document holds, for the library's writers.
  const DocumentState& State() const { return *state_; }

 protected:
  // An empty document of a kind named by the subclass ("jsonChart", ...).
  struct Kind {
    const char* name;
  };
  explicit XDocument(Kind kind);
  DocumentState& MutableState() { return *state_; }

 private:
  std::unique_ptr<DocumentState> state_;
};
