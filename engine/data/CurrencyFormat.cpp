#include "currencyFormat.h"

#include "engine/data/DataCatalog.h"
#include "engine/session/EngineSession.h"

// The custom currencies are those of the working data's dictionary.
CurrencyAffixes currencyFormat::GetCCX(int index) {
  EngineSession* session = EngineSession::Current();
  if (!session || index < 0 || index >= kCount) return {};
  std::shared_ptr<const CaseData> data = session->Data().LoadedWorkingData();
  return data ? data->dictionary.Currency(index) : CurrencyAffixes{};
}
