#pragma once
#include <filesystem>
#include <string>
#include <string_view>

// Writes one output file of a run (a picture, an image, a JSON chart) whole.
// Every such file goes through here. False with the reason in *error when
// the file could not be written.
bool WriteOutputFile(const std::filesystem::path& path, std::string_view bytes, std::string* error);
