#pragma once
#include <cstdint>
#include <string>

// Where a chart's specification comes from.
enum SourceKind : std::int32_t {
  INLINE = 0,
  GPLFILE = 1,
  VIZMLFILE = 2,
  VIZJSONFILE = 3,
  VIZJSONTEMPLATE = 4,
  VIZTEMPLATE = 5,
  IMAGEFILE = 6,
  PMMLFILE = 7,
  BINS = 8,
};

// One GRAPHSPEC subcommand (or graph-service block) as a record.
class GraphSpec {
 public:
  GraphSpec();
  ~GraphSpec();
  GraphSpec(const GraphSpec&) = delete;
  GraphSpec& operator=(const GraphSpec&) = delete;

  void SetSourceKind(SourceKind kind);
  SourceKind GetSourceKind() const;
  void SetGplText(const std::string& text);
  const std::string& GetGplText() const;
  void SetServiceText(const std::string& text);
  const std::string& GetServiceText() const;

 private:
  struct Rep;
  Rep* rep_;
};
