#include "report/EngineWorkAreas.h"

#include "host/engine/VexaText.h"
#include "host/engine/WorkAreas.h"

namespace {

// The engine hands every work area to the module start; the module reads two
// of them: the system area and the input-output area.
struct WorkAreaPointers {
  void* cmnBpr;
  void* cmaBpr;
  void* cmaDic;
  void* cmaGlb;
  void* cmaMch;
  void* cmaObv;
  void* cmaSym;
  void* cmaSys;
  void* cmnDic;
  void* cmnDmo;
  void* cmnGlb;
  void* cmnInc;
  void* cmnIo;
  void* cmnLoc;
  void* cmnMch;
  void* cmnMcs;
  void* cmnObv;
  void* cmnStk;
  void* cmnSym;
  void* cmnSys;
  void* cmnWrk;
  void* cmnDtm;
  void* cmnBox;
};

WorkAreaPointers g_areas{};

// The module start: runs when the engine loads the module.
__attribute__((constructor)) void ModuleStart() {
  g_areas = WorkAreaPointers{
      pvGetCmnBpr(), pvGetCmaBpr(), pvGetCmaDic(), pvGetCmaGlb(), pvGetCmaMch(), pvGetCmaObv(),
      pvGetCmaSym(), pvGetCmaSys(), pvGetCmnDic(), pvGetCmnDmo(), pvGetCmnGlb(), pvGetCmnInc(),
      pvGetCmnIo(),  pvGetCmnLoc(), pvGetCmnMch(), pvGetCmnMcs(), pvGetCmnObv(), pvGetCmnStk(),
      pvGetCmnSym(), pvGetCmnSys(), pvGetCmnWrk(), pvGetCmnDtm(), pvGetCmnBox(),
  };
}

constexpr const char* kRfmModuleCode = "QK";

}  // namespace

std::string InvokingModuleCode() {
  return std::string(static_cast<const char*>(g_areas.cmaSys) + kInvokingModuleOffset, 2);
}

bool InvokedByRfmModule() { return VEXAMBstricmp_A(InvokingModuleCode().c_str(), kRfmModuleCode) == 0; }

char* InputLineBuffer() { return static_cast<char*>(g_areas.cmnIo) + kInputLineOffset; }
