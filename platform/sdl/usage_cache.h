#pragma once

#include <cstddef>
#include <map>
#include <utility>

namespace platform::sdl {

// A cache that forgets what was not used between two sweeps. The renderer sweeps after every
// frame, so it holds exactly what the last frame drew.
template <typename Key, typename Value>
class UsageCache {
 public:
  Value* find(const Key& key) {
    const auto found = slots_.find(key);
    if (found == slots_.end())
      return nullptr;
    found->second.used = true;
    return &found->second.value;
  }

  Value& insert(Key key, Value value) {
    auto [at, added] = slots_.insert_or_assign(std::move(key), Slot{std::move(value), true});
    return at->second.value;
  }

  void erase(const Key& key) { slots_.erase(key); }

  void sweep() {
    for (auto at = slots_.begin(); at != slots_.end();) {
      if (at->second.used) {
        at->second.used = false;
        ++at;
      } else {
        at = slots_.erase(at);
      }
    }
  }

  std::size_t size() const { return slots_.size(); }

 private:
  struct Slot {
    Value value;
    bool used;
  };
  std::map<Key, Slot> slots_;
};

}  // namespace platform::sdl
