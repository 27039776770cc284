#include "UserCaseFileSpec.h"

#include "engine/data/DataCatalog.h"
#include "engine/session/EngineSession.h"

bool UserCaseFileSpec::Init(const char* handle, bool /*forOutput*/, bool /*allowNew*/) {
  handle_ = handle ? handle : "";
  workingFile_ = handle_ == "*";
  if (workingFile_) return true;
  EngineSession* session = EngineSession::Current();
  return session && session->Data().HasDataSet(handle_);
}
