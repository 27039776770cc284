#include "engine/text/LocalCodePage.h"

namespace {
std::string g_localCodePage;
}  // namespace

void SetLocalCodePage(std::string encoding) { g_localCodePage = std::move(encoding); }

const std::string& LocalCodePage() { return g_localCodePage; }
