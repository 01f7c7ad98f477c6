// The program ends on SIGTERM and SIGINT even while its display does not answer.

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

// An X display that takes connections and never says a word.
class SilentDisplay {
 public:
  SilentDisplay() {
    mkdir("/tmp/.X11-unix", 01777);
    for (number_ = 700 + getpid() % 200; number_ < 1000; ++number_) {
      path_ = "/tmp/.X11-unix/X" + std::to_string(number_);
      if (access(path_.c_str(), F_OK) != 0)
        break;
    }
    listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path_.c_str());
    bound_ = bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
             listen(listener_, 4) == 0;
  }
  ~SilentDisplay() {
    if (client_ >= 0)
      close(client_);
    close(listener_);
    unlink(path_.c_str());
  }
  SilentDisplay(const SilentDisplay&) = delete;
  SilentDisplay& operator=(const SilentDisplay&) = delete;

  bool ready() const { return bound_; }
  // Appended: GCC 12 wrongly warns (-Wrestrict) about ":" + a string in an optimised build.
  std::string name() const { return std::string(":").append(std::to_string(number_)); }
  // Waits for the program to connect; the connection is kept open and left unanswered.
  bool wait_for_client(int timeout_ms) {
    pollfd incoming{listener_, POLLIN, 0};
    if (poll(&incoming, 1, timeout_ms) != 1)
      return false;
    client_ = accept(listener_, nullptr, nullptr);
    return client_ >= 0;
  }

 private:
  int number_ = 0;
  std::string path_;
  int listener_ = -1;
  int client_ = -1;
  bool bound_ = false;
};

// Waits for the child to end; -1 when it is still running after `timeout`.
int wait_for_exit(pid_t child, std::chrono::milliseconds timeout) {
  const auto give_up = std::chrono::steady_clock::now() + timeout;
  int status = 0;
  while (std::chrono::steady_clock::now() < give_up) {
    if (waitpid(child, &status, WNOHANG) == child)
      return status;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return -1;
}

TEST(QuitSignals, EndTheProgramWhileTheDisplayHangs) {
  for (int signal_number : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signal_number);
    SilentDisplay display;
    ASSERT_TRUE(display.ready());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      setenv("DISPLAY", display.name().c_str(), 1);
      unsetenv("WAYLAND_DISPLAY");
      unsetenv("SDL_VIDEODRIVER");
      execl(OMAHA_EXECUTABLE, OMAHA_EXECUTABLE, static_cast<char*>(nullptr));
      _exit(127);
    }
    const bool connected = display.wait_for_client(20000);
    EXPECT_TRUE(connected);
    kill(child, signal_number);
    const auto sent = std::chrono::steady_clock::now();
    const int status = wait_for_exit(child, std::chrono::seconds(10));
    if (status == -1) {
      kill(child, SIGKILL);
      waitpid(child, nullptr, 0);
      ADD_FAILURE() << "still running 10 s after the signal";
      continue;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::seconds(3));
  }
}

}  // namespace
