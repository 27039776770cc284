#include "engine/aggregation/ValueStore.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

#include <sys/mman.h>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kSlabBytes = 8 * kHugePage;
constexpr std::size_t kSlabDoubles = kSlabBytes / sizeof(double);
constexpr int kFirstCapacity = 8;
constexpr int kLargestCapacity = 4096;
// Slabs kept for the next cubes once a store is gone (512 MB): the pages
// stay mapped, so a chart after a chart does not fault them in again.
constexpr std::size_t kPooledSlabs = 32;

// The slabs of stores that are gone, shared by every thread.
class SlabPool {
 public:
  double* Take() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (!free_.empty()) {
        double* slab = free_.back();
        free_.pop_back();
        return slab;
      }
    }
    void* memory = std::aligned_alloc(kHugePage, kSlabBytes);
    if (memory == nullptr) throw std::bad_alloc();
    madvise(memory, kSlabBytes, MADV_HUGEPAGE);  // a hint: fewer, larger page faults
    return static_cast<double*>(memory);
  }
  void Give(double* slab) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (free_.size() < kPooledSlabs) {
        free_.push_back(slab);
        return;
      }
    }
    std::free(slab);
  }

 private:
  std::mutex mutex_;
  std::vector<double*> free_;
};

SlabPool& Slabs() {
  static SlabPool* pool = new SlabPool;  // never destroyed: stores may outlive static destruction
  return *pool;
}

}  // namespace

ValueStore::~ValueStore() {
  for (double* slab : slabs_) Slabs().Give(slab);
}

ValueStore::ValueStore(ValueStore&& other) noexcept
    : weighted_(other.weighted_),
      chains_(std::move(other.chains_)),
      slabs_(std::move(other.slabs_)),
      slab_(other.slab_),
      used_(other.used_) {
  other.slabs_.clear();
}

std::size_t ValueStore::TotalCount() const {
  std::size_t total = 0;
  for (const Chain& chain : chains_) total += chain.count;
  return total;
}

void ValueStore::Grow(Chain& chain) {
  const int capacity = chain.capacity == 0 ? kFirstCapacity : std::min(chain.capacity * 2, kLargestCapacity);
  const std::size_t header = sizeof(BlockHeader) / sizeof(double);
  double* block = Allocate(header + static_cast<std::size_t>(capacity) * (weighted_ ? 2 : 1)) + header;
  *HeaderOf(block) = BlockHeader{nullptr, capacity};
  if (chain.block != nullptr) {
    HeaderOf(chain.block)->next = block;
  } else {
    chain.first = block;
  }
  chain.block = block;
  chain.capacity = capacity;
  chain.fill = 0;
}

double* ValueStore::Allocate(std::size_t doubles) {
  if (slab_ < slabs_.size() && used_ + doubles > kSlabDoubles) {
    ++slab_;
    used_ = 0;
  }
  if (slab_ == slabs_.size()) {
    slabs_.push_back(Slabs().Take());
    used_ = 0;
  }
  double* out = slabs_[slab_] + used_;
  used_ += doubles;
  return out;
}

void ValueStore::Gather(int cell, ValueBucket& out) const {
  const Chain& chain = chains_[cell];
  std::size_t at = out.values.size();
  const std::size_t end = at + chain.count;
  out.values.resize(end);
  if (weighted_) out.weights.resize(end);
  for (double* block = chain.first; block != nullptr; block = HeaderOf(block)->next) {
    const std::int64_t capacity = HeaderOf(block)->capacity;
    const std::size_t n = std::min<std::size_t>(capacity, end - at);
    std::memcpy(out.values.data() + at, block, n * sizeof(double));
    if (weighted_) std::memcpy(out.weights.data() + at, block + capacity, n * sizeof(double));
    at += n;
  }
}

void ValueStore::Clear() {
  chains_.clear();
  slab_ = 0;
  used_ = 0;
}
