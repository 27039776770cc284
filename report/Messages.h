#pragma once
#include <initializer_list>
#include <string>

class BpObject;

// The one home of the message levels; every message of the module goes out
// through these functions.
inline constexpr int kLevelWarning = 2;
inline constexpr int kLevelError = 3;

// Shows a built message at a level.
void Report(const BpObject& message, int level);
// Issues a fixed text, or a template with its placeholders filled, at a level.
void ReportText(const std::string& text, int level);
void ReportTemplate(const std::string& pattern, std::initializer_list<std::string> args, int level);
