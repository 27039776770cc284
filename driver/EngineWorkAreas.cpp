#include "driver/EngineWorkAreas.h"

#include "VexaText.h"
#include "WorkAreas.h"

namespace {

EngineWorkAreas g_areas{};

// The module start: runs when the engine loads the module.
__attribute__((constructor)) void ModuleStart() {
  g_areas = EngineWorkAreas{
      pvGetCmnBpr(), pvGetCmaBpr(), pvGetCmaDic(), pvGetCmaGlb(), pvGetCmaMch(), pvGetCmaObv(),
      pvGetCmaSym(), pvGetCmaSys(), pvGetCmnDic(), pvGetCmnDmo(), pvGetCmnGlb(), pvGetCmnInc(),
      pvGetCmnIo(),  pvGetCmnLoc(), pvGetCmnMch(), pvGetCmnMcs(), pvGetCmnObv(), pvGetCmnStk(),
      pvGetCmnSym(), pvGetCmnSys(), pvGetCmnWrk(), pvGetCmnDtm(), pvGetCmnBox(),
  };
}

constexpr const char* kRfmModuleCode = "QK";

}  // namespace

const EngineWorkAreas& WorkAreas() { return g_areas; }

std::string InvokingModuleCode() {
  return std::string(static_cast<const char*>(g_areas.cmaSys) + kInvokingModuleOffset, 2);
}

bool InvokedByRfmModule() { return VEXAMBstricmp_A(InvokingModuleCode().c_str(), kRfmModuleCode) == 0; }

char* InputLineBuffer() { return static_cast<char*>(g_areas.cmnIo) + kInputLineOffset; }
