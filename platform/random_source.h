#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// The game's one uniform random source in [0, 1).
//
// Reseeding from the clock mixes a high-resolution clock reading with a counter, so two reseeds
// in quick succession still give different sequences. Tests pin it down either with a fixed
// seed (reseeds then derive from the seed and the counter, so runs repeat exactly) or with a
// fixed sequence of values handed out in order.
class RandomSource {
 public:
  RandomSource();

  double Rnd();
  void Randomize();

  void use_seed(std::uint64_t seed);
  // Values are handed out in order; when they run out the source goes on from the seed.
  void use_sequence(std::vector<double> values);
  std::uint64_t seed() const { return seed_; }

 private:
  void reseed(std::uint64_t value);
  std::uint64_t next_state();

  bool fixed_seed_ = false;
  std::uint64_t seed_ = 0;
  std::uint64_t reseeds_ = 0;
  std::uint64_t state_ = 0;
  std::vector<double> sequence_;
  std::size_t sequence_pos_ = 0;
};

}  // namespace platform
