#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Runs cmake/embed.cmake on the bytes and returns the C++ source it writes.
std::string embed(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  const fs::path dir = fs::temp_directory_path() / ("omaha_embed_test_" + name);
  fs::create_directories(dir);
  const fs::path input = dir / "input.bin";
  const fs::path output = dir / "output.cpp";
  {
    std::ofstream out(input, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  const std::string command = std::string("\"") + OMAHA_CMAKE_COMMAND + "\" -DINPUT=\"" +
                              input.string() + "\" -DOUTPUT=\"" + output.string() +
                              "\" -DNAME=" + name + " -P \"" + OMAHA_EMBED_SCRIPT + "\"";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::ifstream in(output);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  fs::remove_all(dir);
  return text;
}

// The byte values listed in the array's initialiser.
std::vector<std::uint8_t> listed_bytes(const std::string& source) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t at = source.find("0x"); at != std::string::npos; at = source.find("0x", at + 2))
    bytes.push_back(static_cast<std::uint8_t>(std::stoi(source.substr(at + 2, 2), nullptr, 16)));
  return bytes;
}

TEST(EmbedScript, WritesEveryByteValueInOrder) {
  std::vector<std::uint8_t> bytes;
  for (int i = 0; i < 300; ++i) {
    bytes.push_back(static_cast<std::uint8_t>((i * 7 + 3) % 256));
  }
  bytes.push_back(0);
  bytes.push_back(255);
  const std::string source = embed(bytes, "sample_bytes");
  EXPECT_NE(source.find("extern const unsigned char sample_bytes[];"), std::string::npos);
  EXPECT_NE(source.find("const std::size_t sample_bytes_size = " + std::to_string(bytes.size())),
            std::string::npos);
  EXPECT_EQ(listed_bytes(source), bytes);
}

TEST(EmbedScript, HandlesAnEmptyFile) {
  const std::string source = embed({}, "nothing");
  EXPECT_NE(source.find("const std::size_t nothing_size = 0;"), std::string::npos);
  EXPECT_TRUE(listed_bytes(source).empty());
}

}  // namespace
