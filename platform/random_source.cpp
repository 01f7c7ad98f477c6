#include "platform/random_source.h"

#include <chrono>

namespace platform {

namespace {

std::uint64_t mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

std::uint64_t clock_reading() {
  return static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

RandomSource::RandomSource() {
  Randomize();
}

void RandomSource::reseed(std::uint64_t value) {
  state_ = mix(value);
}

std::uint64_t RandomSource::next_state() {
  state_ += 0x9E3779B97F4A7C15ULL;
  return mix(state_);
}

double RandomSource::Rnd() {
  if (sequence_pos_ < sequence_.size())
    return sequence_[sequence_pos_++];
  return static_cast<double>(next_state() >> 11) * 0x1.0p-53;
}

void RandomSource::Randomize() {
  ++reseeds_;
  const std::uint64_t base = fixed_seed_ ? seed_ : clock_reading();
  reseed(base ^ mix(reseeds_ * 0xD1B54A32D192ED03ULL));
}

void RandomSource::use_seed(std::uint64_t seed) {
  fixed_seed_ = true;
  seed_ = seed;
  reseeds_ = 0;
  reseed(seed);
}

void RandomSource::use_sequence(std::vector<double> values) {
  sequence_ = std::move(values);
  sequence_pos_ = 0;
  if (!fixed_seed_)
    use_seed(0);
}

}  // namespace platform
