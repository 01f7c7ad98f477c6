// One frame of the crowded table after another, as the window draws it when something changed:
// what a frame costs, with ordinary names and with a seat name of 20,000 characters.
#include <benchmark/benchmark.h>

#include <string>

#include "crowded_table.h"
#include "game_harness.h"
#include "platform/sdl/font_cache.h"
#include "platform/sdl/form_renderer.h"
#include "platform/sdl/sdl_handles.h"
#include "resources/embedded_bitmaps.h"
#include "resources/embedded_resources.h"

namespace omaha::testing {
namespace {

void BM_TableFrame(benchmark::State& state) {
  GameHarness g;
  resources::register_embedded_bitmaps(g.app.resources());
  g.open_table();
  crowd_the_table(g.table);
  const auto name_length = static_cast<std::size_t>(state.range(0));
  if (name_length > 0)
    g.table.player_label(1).set_caption(std::string(name_length, 'W'));

  platform::sdl::SurfaceHandle surface(
      SDL_CreateRGBSurfaceWithFormat(0, 820, 587, 32, SDL_PIXELFORMAT_RGB888));
  platform::sdl::RendererHandle renderer(SDL_CreateSoftwareRenderer(surface.get()));
  {
    platform::sdl::FontCache fonts({resources::font_regular(), resources::font_bold()});
    platform::sdl::FormRenderer frames(renderer.get(), fonts);
    for (auto _ : state)
      frames.draw(g.table);
  }
}

BENCHMARK(BM_TableFrame)->ArgName("name_length")->Arg(0)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace omaha::testing
