#include "engine/data/ObsBuffer.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>
#include <utility>

namespace {

constexpr std::size_t kMapThresholdBytes = std::size_t{1} << 21;

}  // namespace

ObsBuffer::ObsBuffer(std::size_t cells) : size_(cells) {
  std::size_t bytes = cells * sizeof(OBS);
  if (bytes >= kMapThresholdBytes) {
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    madvise(memory, bytes, MADV_HUGEPAGE);
    cells_ = static_cast<OBS*>(memory);
    mapped_ = true;
    return;
  }
  cells_ = static_cast<OBS*>(std::malloc(bytes ? bytes : sizeof(OBS)));
  if (!cells_) throw std::bad_alloc();
}

ObsBuffer::~ObsBuffer() { Release(); }

ObsBuffer::ObsBuffer(ObsBuffer&& other) noexcept
    : cells_(std::exchange(other.cells_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, false)) {}

ObsBuffer& ObsBuffer::operator=(ObsBuffer&& other) noexcept {
  if (this != &other) {
    Release();
    cells_ = std::exchange(other.cells_, nullptr);
    size_ = std::exchange(other.size_, 0);
    mapped_ = std::exchange(other.mapped_, false);
  }
  return *this;
}

void ObsBuffer::Release() {
  if (!cells_) return;
  if (mapped_)
    munmap(cells_, size_ * sizeof(OBS));
  else
    std::free(cells_);
  cells_ = nullptr;
}
