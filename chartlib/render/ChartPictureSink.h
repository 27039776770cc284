#pragma once
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "OutputSink.h"

class ChartDrawer;
class DocumentItem;

// Writes a file for every chart of the output that can be looked at, into
// the SVG and/or the PNG folder (an empty folder is not wanted): drawn charts
// as pictures, images as the image files they are, JSON charts as their JSON.
// Files are named by output order and description (PictureFileStem); the
// further split groups of one chart share its number.
class ChartPictureSink : public OutputSink {
 public:
  ChartPictureSink(std::filesystem::path svgFolder, std::filesystem::path pngFolder);
  ~ChartPictureSink() override;

  void BeginProcedure(const std::string&) override {}
  void EndProcedure() override {}
  void Item(const OutputItem& item) override;
  void Finish() override;
  bool WantsChartSpecs() const override { return true; }
  // Each picture's file is named in this listing, after its chart's lines.
  void ListFilesIn(std::ostream* listing) { listing_ = listing; }

  // After Finish: what could not be drawn or written, and the files written.
  const std::vector<std::string>& Problems() const { return problems_; }
  int FilesWritten() const { return filesWritten_; }

 private:
  std::string NextStem(const DocumentItem& item);
  void ListFiles(const std::vector<std::filesystem::path>& files);
  void WriteAsIs(const std::string& stem, const std::string& extension, const std::string& bytes);

  std::filesystem::path svgFolder_;
  std::filesystem::path pngFolder_;
  std::unique_ptr<ChartDrawer> drawer_;
  int order_ = 0;
  int splitGroup_ = 1;
  int filesWritten_ = 0;
  std::vector<std::string> problems_;
  std::ostream* listing_ = nullptr;
};
