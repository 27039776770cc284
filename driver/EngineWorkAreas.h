#pragma once
#include <string>

// The engine's shared work areas, fetched once when the module is loaded.
struct EngineWorkAreas {
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

// The pointers kept by the module start.
const EngineWorkAreas& WorkAreas();

// The two-character code of the module that invoked the current command.
std::string InvokingModuleCode();
// True when the RFM analysis module (code QK) invoked the current command.
bool InvokedByRfmModule();
// The engine's input line buffer.
char* InputLineBuffer();
