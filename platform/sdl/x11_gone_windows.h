#pragma once

#include <SDL.h>

namespace platform::sdl {

// On X11 a window of ours can be gone from the server while requests that name it are still on
// their way. SDL wakes its event wait by sending an event to one of our windows on a second
// connection, and the server may carry out that window's destruction, asked for later on the
// main connection, first; another program may destroy one of our windows too. The errors such
// requests bring back are harmless, but Xlib's default handler ends the program on them with
// status 1. Nothing here does anything on other video drivers.

// Installs, once, an X error handler that passes over an error saying one of our windows does
// not exist and hands every other error to the handler it replaced. Called before SDL opens the
// display, so that SDL's own handler, which hands errors on, comes in front of it.
void pass_over_gone_window_errors();

// Counts the window's X window as ours: from now until forget_x11_windows() an error saying it
// does not exist is passed over. Returns its X id, 0 on other drivers.
unsigned long claim_x11_window(SDL_Window* window);

// After SDL has closed its displays: no error can name our windows any more.
void forget_x11_windows();

// SDL hands on the window system's own events once asked to (SDL_SYSWMEVENT): the X id of the
// window the event says was destroyed, 0 for any other event.
unsigned long destroyed_x11_window(const SDL_Event& event);

}  // namespace platform::sdl
