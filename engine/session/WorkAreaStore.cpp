#include "WorkAreaStore.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "WorkAreas.h"

namespace {

constexpr std::size_t kAreaSize = 4096;

// One zero-initialised block per work area, in the order of their getters.
enum Area {
  kCmnBpr, kCmaBpr, kCmaDic, kCmaGlb, kCmaMch, kCmaObv, kCmaSym, kCmaSys, kCmnDic, kCmnDmo, kCmnGlb, kCmnInc,
  kCmnIo, kCmnLoc, kCmnMch, kCmnMcs, kCmnObv, kCmnStk, kCmnSym, kCmnSys, kCmnWrk, kCmnDtm, kCmnBox, kAreaCount
};

alignas(16) char g_areas[kAreaCount][kAreaSize];

}  // namespace

void WorkAreaStore::SetInvokingModule(const std::string& code) {
  char* field = g_areas[kCmaSys] + kInvokingModuleOffset;
  std::memset(field, ' ', 2);
  std::memcpy(field, code.data(), std::min<std::size_t>(code.size(), 2));
}

char* WorkAreaStore::InputLine() { return g_areas[kCmnIo] + kInputLineOffset; }

extern "C" {
void* pvGetCmnBpr() { return g_areas[kCmnBpr]; }
void* pvGetCmaBpr() { return g_areas[kCmaBpr]; }
void* pvGetCmaDic() { return g_areas[kCmaDic]; }
void* pvGetCmaGlb() { return g_areas[kCmaGlb]; }
void* pvGetCmaMch() { return g_areas[kCmaMch]; }
void* pvGetCmaObv() { return g_areas[kCmaObv]; }
void* pvGetCmaSym() { return g_areas[kCmaSym]; }
void* pvGetCmaSys() { return g_areas[kCmaSys]; }
void* pvGetCmnDic() { return g_areas[kCmnDic]; }
void* pvGetCmnDmo() { return g_areas[kCmnDmo]; }
void* pvGetCmnGlb() { return g_areas[kCmnGlb]; }
void* pvGetCmnInc() { return g_areas[kCmnInc]; }
void* pvGetCmnIo() { return g_areas[kCmnIo]; }
void* pvGetCmnLoc() { return g_areas[kCmnLoc]; }
void* pvGetCmnMch() { return g_areas[kCmnMch]; }
void* pvGetCmnMcs() { return g_areas[kCmnMcs]; }
void* pvGetCmnObv() { return g_areas[kCmnObv]; }
void* pvGetCmnStk() { return g_areas[kCmnStk]; }
void* pvGetCmnSym() { return g_areas[kCmnSym]; }
void* pvGetCmnSys() { return g_areas[kCmnSys]; }
void* pvGetCmnWrk() { return g_areas[kCmnWrk]; }
void* pvGetCmnDtm() { return g_areas[kCmnDtm]; }
void* pvGetCmnBox() { return g_areas[kCmnBox]; }
}
