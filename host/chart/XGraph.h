#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ChartString.h"
#include "XVariable.h"

// The graph of a chart document: its data sources, its chart variables and
// its subtitle. Owned by its XDocument.
class XGraph {
 public:
  // What a chart document declares, as the library read it.
  struct Declarations {
    std::vector<std::string> userSources;  // ids of the user sources, in order
    std::vector<std::unique_ptr<XVariable>> variables;
    std::string subtitle;  // UTF-8, empty when none
  };

  explicit XGraph(Declarations declarations);
  ~XGraph();
  XGraph(const XGraph&) = delete;
  XGraph& operator=(const XGraph&) = delete;

  // Ids of the sources the chart reads from the user (UTF-8), in order of
  // declaration, each once.
  std::vector<std::string> getUserSourceNames() const;
  // The n-th chart variable (from 0) that reads the column `name`. Throws
  // std::out_of_range when there is none.
  XVariable* getVariable(const ChartString& name, int n);
  bool doesSourceExist(const ChartString& name) const;

  bool doesSubTitleExist() const;
  void setSubTitle(const ChartString& subtitle);
  ChartString getSubTitle() const;

  // Folds the relabels of each categorical variable so that each value is
  // relabelled once: a later label for the same value replaces the earlier one.
  void UpdateCategoricalDomains();
  // Variables that read the same column of the same source share one format:
  // one without a format takes the first format among them.
  void copyVariableFormats();
  // Expressions (TRANS) are not evaluated by this library, so nothing about
  // them needs adjusting; kept for the callers that expect the step.
  void tweakExpressionVars();

  // Variables the graph makes for a source when the chart does not declare
  // them: the case number ("$CASENUM"), the weight ("$WEIGHT", not
  // categorical) and any named column. Each returns the existing variable of
  // that source and column when there is one.
  XVariable* createCaseNumberVariable(const ChartString& source);
  XVariable* createWeightVariable(const ChartString& source);
  XVariable* createVariable(const ChartString& source, bool categorical, const std::string& name);

  // Every chart variable, declared ones first, then those the graph made.
  const std::vector<std::unique_ptr<XVariable>>& variables() const;

 private:
  XVariable* findOrCreate(const std::string& source, const std::string& column, bool categorical, bool weight);

  Declarations declarations_;
  std::string subtitle_;
};
