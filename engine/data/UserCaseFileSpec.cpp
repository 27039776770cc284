#include "UserCaseFileSpec.h"

#include "VexaText.h"
#include "engine/session/EngineSession.h"

bool UserCaseFileSpec::Init(const char* handle, bool /*forOutput*/, bool /*allowNew*/) {
  handle_ = handle ? handle : "";
  workingFile_ = handle_ == "*";
  if (workingFile_) return true;
  EngineSession* session = EngineSession::Current();
  if (!session) return false;
  for (const auto& [name, path] : session->Options().dataSets)
    if (VEXAMBstricmp_A(name.c_str(), handle_.c_str()) == 0) return true;
  return false;
}
