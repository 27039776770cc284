#pragma once
#include <optional>
#include <string>

#include "chartlib/templates/TemplateRequest.h"

// File name suffixes of the files in a template folder.
inline constexpr const char* kTemplateSuffix = ".template.xml";
inline constexpr const char* kStyleSheetSuffix = ".style.xml";
inline constexpr const char* kMapSuffix = ".map.json";

// The file a reference names: for FILE the name itself, else
// "<folder>/<name><suffix>" in the library's own folder (LOCAL) or in the
// reference's directory. Empty for a folder lookup of a name that holds a
// path separator or is "." or "..".
std::string ReferencedFile(const FileReference& reference, const char* suffix);

// The content of that file. In a folder, a file whose name differs only in
// case is found as well. Nothing when it cannot be read.
std::optional<std::string> ReadReferencedFile(const FileReference& reference, const char* suffix);
