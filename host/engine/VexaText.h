#pragma once
#include <cstddef>

// Text functions of the engine, for the local code page.
int VEXAMBstricmp_A(const char* a, const char* b);
int VEXAMBstrnicmp_A(const char* a, const char* b, std::size_t n);
char* VEXAMBstrupr_A(char* text);
const char* VEXAMBstrstr_A(const char* haystack, const char* needle);
// Copies text into a fixed field of size bytes without a terminating zero,
// never writing past the field. The field keeps what stood after the text.
void VEXAMBCopyToFixed_A(char* field, std::size_t size, const char* text);
