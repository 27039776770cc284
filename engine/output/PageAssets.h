#pragma once
#include <optional>
#include <string>

// What every run page carries inline: its style, its script, and the Vega,
// Vega-Lite and vega-embed libraries from the project's pinned npm packages
// (a page must open from disk, without network).
struct PageAssets {
  std::string style;
  std::string script;
  std::string libraries;  // the three libraries, each as its own <script> element

  // Reads them from the source folder the program was built from; null with
  // a reason in error when a file is missing (npm ci not run, for example).
  static std::optional<PageAssets> Load(std::string& error);
  static std::optional<PageAssets> LoadFrom(const std::string& sourceFolder, std::string& error);
};
