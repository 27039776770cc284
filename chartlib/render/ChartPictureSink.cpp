#include "chartlib/render/ChartPictureSink.h"

#include "chartlib/document/DocumentState.h"
#include "chartlib/output/DocumentItem.h"
#include "chartlib/render/ChartDrawer.h"
#include "chartlib/render/OutputFile.h"
#include "chartlib/render/PictureFileName.h"

namespace {

bool IsChart(const std::string& kind) { return kind == "gpl" || kind == "vizml"; }

std::filesystem::path FileIn(const std::filesystem::path& folder, const std::string& stem, const char* extension) {
  return folder.empty() ? std::filesystem::path() : folder / (stem + extension);
}

}  // namespace

ChartPictureSink::ChartPictureSink(std::filesystem::path svgFolder, std::filesystem::path pngFolder)
    : svgFolder_(std::move(svgFolder)), pngFolder_(std::move(pngFolder)), drawer_(std::make_unique<ChartDrawer>()) {}

ChartPictureSink::~ChartPictureSink() = default;

std::string ChartPictureSink::NextStem(const DocumentItem& item) {
  if (item.Later() && order_ > 0) {
    ++splitGroup_;
  } else {
    ++order_;
    splitGroup_ = 1;
  }
  return PictureFileStem(order_, item.State().description, splitGroup_);
}

void ChartPictureSink::Item(const OutputItem& item) {
  const auto* document = dynamic_cast<const DocumentItem*>(&item);
  if (!document) return;
  const DocumentState& state = document->State();
  if (IsChart(state.kind)) {
    // An undrawn chart keeps its number, so that numbers follow the listing.
    std::string stem = NextStem(*document);
    if (const std::string* vegaLite = document->VegaLite()) {
      std::filesystem::path svg = FileIn(svgFolder_, stem, ".svg");
      std::filesystem::path png = FileIn(pngFolder_, stem, ".png");
      drawer_->Draw(*vegaLite, svg, png, stem);
      ListFiles({svg, png});
    }
  } else if (state.kind == "image" && !state.image.format.empty()) {
    WriteAsIs(NextStem(*document), "." + state.image.format, state.image.bytes);
  } else if (state.kind == "jsonChart" && !state.jsonChart.chart.empty()) {
    WriteAsIs(NextStem(*document), ".json", state.jsonChart.chart);
  }
}

void ChartPictureSink::ListFiles(const std::vector<std::filesystem::path>& files) {
  if (!listing_) return;
  for (const std::filesystem::path& file : files)
    if (!file.empty()) *listing_ << "  Picture: " << file.string() << '\n';
}

void ChartPictureSink::WriteAsIs(const std::string& stem, const std::string& extension, const std::string& bytes) {
  std::vector<std::filesystem::path> folders;
  for (const std::filesystem::path& folder : {svgFolder_, pngFolder_})
    if (!folder.empty() && (folders.empty() || folders.front() != folder)) folders.push_back(folder);
  for (const std::filesystem::path& folder : folders) {
    std::string error;
    if (WriteOutputFile(folder / (stem + extension), bytes, &error))
      ++filesWritten_;
    else
      problems_.push_back(error);
  }
}

void ChartPictureSink::Finish() {
  for (std::string& problem : drawer_->Finish()) problems_.push_back(std::move(problem));
  filesWritten_ += drawer_->FilesWritten();
}
