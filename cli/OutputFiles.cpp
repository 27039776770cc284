#include "cli/OutputFiles.h"

#include <filesystem>

#include "engine/files/OutputTargets.h"

void OutputFiles::Add(const std::string& option, const std::string& path) {
  outputs_.push_back(Output{option, std::make_unique<AtomicFile>(path)});
}

std::string OutputFiles::ConflictWith(const std::vector<RunInput>& inputs) const {
  for (const Output& output : outputs_) {
    OutputTargets target({output.file->Path()});
    for (const RunInput& input : inputs)
      if (target.Find(input.path))
        return Describe(output.file->Path()) + " names " + input.role +
               ", an input of the run; choose another output file";
  }
  return {};
}

std::vector<std::string> OutputFiles::AbsolutePaths() const {
  std::vector<std::string> paths;
  for (const Output& output : outputs_) paths.push_back(std::filesystem::absolute(output.file->Path()).string());
  return paths;
}

bool OutputFiles::Open(std::string* error) {
  for (Output& output : outputs_)
    if (!output.file->Open()) {
      *error = "cannot write " + output.file->Error();
      Discard();
      return false;
    }
  return true;
}

std::vector<std::string> OutputFiles::TemporaryPaths() const {
  std::vector<std::string> paths;
  for (const Output& output : outputs_)
    if (!output.file->TemporaryPath().empty()) paths.push_back(output.file->TemporaryPath());
  return paths;
}

std::ostream* OutputFiles::Stream(const std::string& path) {
  for (Output& output : outputs_)
    if (output.file->Path() == path) return &output.file->Stream();
  return nullptr;
}

bool OutputFiles::Commit(std::string* error) {
  for (Output& output : outputs_)
    if (!output.file->Commit()) {
      *error = "cannot write " + output.file->Error();
      Discard();
      return false;
    }
  return true;
}

void OutputFiles::Discard() {
  for (Output& output : outputs_) output.file->Discard();
}

std::string OutputFiles::Describe(const std::string& path) const {
  OutputTargets target({path});
  for (const Output& output : outputs_)
    if (target.Find(output.file->Path())) return output.option + " '" + output.file->Path() + "'";
  return "'" + path + "'";
}
