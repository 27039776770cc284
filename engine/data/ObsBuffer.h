#pragma once
#include <cstddef>

#include "OBS.h"

// Uninitialised storage for many cells. Large buffers come straight from the
// kernel in huge pages where it offers them, so a column of millions of cases
// costs few page faults and is returned whole when it is freed.
class ObsBuffer {
 public:
  ObsBuffer() = default;
  explicit ObsBuffer(std::size_t cells);
  ~ObsBuffer();
  ObsBuffer(ObsBuffer&& other) noexcept;
  ObsBuffer& operator=(ObsBuffer&& other) noexcept;
  ObsBuffer(const ObsBuffer&) = delete;
  ObsBuffer& operator=(const ObsBuffer&) = delete;

  OBS* data() { return cells_; }
  const OBS* data() const { return cells_; }
  std::size_t size() const { return size_; }

 private:
  void Release();

  OBS* cells_ = nullptr;
  std::size_t size_ = 0;
  bool mapped_ = false;
};
