#pragma once

// Null and empty both mean "no text" in the dictionary's label fields.
inline bool HasText(const char* text) { return text != nullptr && *text != '\0'; }
