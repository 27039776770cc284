#pragma once
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/files/AtomicFile.h"

// A file the run reads, with what it is to the user ("the command file").
struct RunInput {
  std::string path;
  std::string role;
};

// The files a run writes, one per output option. They are checked against
// the run's inputs before anything runs, written to temporary files, and put
// in place together when the run is over: a failed run keeps every earlier
// output as it was.
class OutputFiles {
 public:
  // option names the output in messages ("--json").
  void Add(const std::string& option, const std::string& path);
  // The reason an output may not be written because it names an input, or
  // empty.
  std::string ConflictWith(const std::vector<RunInput>& inputs) const;
  // The outputs as absolute names, for the engine to refuse reading them.
  std::vector<std::string> AbsolutePaths() const;
  // Creates the temporary files; false with the reason when one fails.
  bool Open(std::string* error);
  // The temporary files being written (after Open), for an interrupt to remove.
  std::vector<std::string> TemporaryPaths() const;
  // The stream of the output added with path (after Open).
  std::ostream* Stream(const std::string& path);
  bool Commit(std::string* error);
  void Discard();
  // "--json 'out.json'": the option and the name as the user gave it, of the
  // output that path names.
  std::string Describe(const std::string& path) const;

 private:
  struct Output {
    std::string option;
    std::unique_ptr<AtomicFile> file;
  };
  std::vector<Output> outputs_;
};
