#include "VexaText.h"

#include <cctype>
#include <cstring>

int VEXAMBstricmp_A(const char* a, const char* b) {
  for (;; ++a, ++b) {
    int ca = std::toupper(static_cast<unsigned char>(*a));
    int cb = std::toupper(static_cast<unsigned char>(*b));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
}

int VEXAMBstrnicmp_A(const char* a, const char* b, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i, ++a, ++b) {
    int ca = std::toupper(static_cast<unsigned char>(*a));
    int cb = std::toupper(static_cast<unsigned char>(*b));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
  return 0;
}

char* VEXAMBstrupr_A(char* text) {
  for (char* p = text; *p; ++p) *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
  return text;
}

const char* VEXAMBstrstr_A(const char* haystack, const char* needle) { return std::strstr(haystack, needle); }

void VEXAMBCopyToFixed_A(char* field, std::size_t size, const char* text) {
  std::size_t length = std::strlen(text);
  std::memcpy(field, text, length < size ? length : size);
}
