#include "cli/InterruptCleanup.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>

namespace {

// A signal handler may only read memory that is never reallocated: fixed
// slots, each claimed once through its flag.
constexpr std::size_t kSlots = 16;
constexpr std::size_t kPathBytes = 4096;

struct Slot {
  std::atomic<bool> used{false};
  char path[kPathBytes] = {};
};

std::array<Slot, kSlots> slots;

void OnSignal(int signal) {
  for (Slot& slot : slots)
    if (slot.used.load()) unlink(slot.path);
  const char note[] = "\nggraph: interrupted\n";
  ssize_t ignored = write(STDERR_FILENO, note, sizeof note - 1);
  (void)ignored;
  _exit(128 + signal);
}

}  // namespace

void StopCleanlyOnInterrupt() {
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

void RemoveOnInterrupt(const std::string& path) {
  if (path.size() >= kPathBytes) return;
  for (Slot& slot : slots) {
    if (slot.used.load()) continue;
    std::memcpy(slot.path, path.c_str(), path.size() + 1);
    slot.used.store(true);
    return;
  }
}
