#include "EngineServices.h"

#include "EngineSession.h"
#include "engine/output/EngineErrors.h"

void BACKENDERROR(const std::int64_t* number, const std::int64_t* /*show*/, const std::int64_t* /*flags*/) {
  ReportEngineError(static_cast<int>(*number));
}

bool IsApplicationOnThinClient() {
  EngineSession* session = EngineSession::Current();
  return session && session->Options().thinClient;
}
