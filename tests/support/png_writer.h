// Minimal PNG encoder for screenshots and test pictures.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace kvtest {

// rgba: width * height * 4 bytes, top-down rows. Returns the file's bytes.
std::vector<std::uint8_t> EncodePng(const std::uint8_t* rgba, int width, int height);

}  // namespace kvtest
