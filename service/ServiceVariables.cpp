#include "service/ServiceVariables.h"

#include "data/GGraphDataSet.h"
#include "host/chart/XGraphService.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"
#include "report/Utf8FromLocalCodePage.h"

void AddServiceVariables(XGraphService& service, const GGraphDataSet& dataSet, int& lastSingleIndex) {
  for (const auto& variable : dataSet.GetVariables()) {
    const VariableResolver* resolver = variable->GetResolver();
    if (!resolver) continue;
    if (resolver->getVariableType() != SINGLE_VARIABLE) {
      service.addVariable("", lastSingleIndex);
      continue;
    }
    lastSingleIndex = resolver->getVariableIndex();
    service.addVariable(Utf8FromLocalCodePage(variable->GetVariableName()), lastSingleIndex);
  }
}
