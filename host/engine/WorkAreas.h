#pragma once
// The engine's shared work areas. The module asks for each pointer once, when it
// is loaded, and keeps it for its life.

#include <cstddef>

// Byte offset, in the system area, of the two-character code of the module that
// invoked the current command.
inline constexpr std::size_t kInvokingModuleOffset = 1024;
// Byte offset, in the I/O area, of the engine's input line buffer.
inline constexpr std::size_t kInputLineOffset = 0;
// Length of the engine's input line buffer, blank padded.
inline constexpr int kInputLineLength = 256;

extern "C" {
void* pvGetCmnBpr();
void* pvGetCmaBpr();
void* pvGetCmaDic();
void* pvGetCmaGlb();
void* pvGetCmaMch();
void* pvGetCmaObv();
void* pvGetCmaSym();
void* pvGetCmaSys();
void* pvGetCmnDic();
void* pvGetCmnDmo();
void* pvGetCmnGlb();
void* pvGetCmnInc();
void* pvGetCmnIo();
void* pvGetCmnLoc();
void* pvGetCmnMch();
void* pvGetCmnMcs();
void* pvGetCmnObv();
void* pvGetCmnStk();
void* pvGetCmnSym();
void* pvGetCmnSys();
void* pvGetCmnWrk();
void* pvGetCmnDtm();
void* pvGetCmnBox();
}
