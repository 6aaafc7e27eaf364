// A small PNG reader for tests: the signature, every chunk's CRC, the header's
// size and colour type, and the closing IEND chunk.
#pragma once

#include <cstdint>
#include <string>

namespace workbench::testing {

struct PngInfo {
  bool valid = false;
  uint32_t width = 0, height = 0;
  int bitDepth = 0, colourType = 0;
};

inline uint32_t PngCrc(const std::string& bytes, size_t from, size_t length) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = from; i < from + length; ++i) {
    crc ^= static_cast<unsigned char>(bytes[i]);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline uint32_t PngUint32(const std::string& bytes, size_t at) {
  return (uint32_t(uint8_t(bytes[at])) << 24) | (uint32_t(uint8_t(bytes[at + 1])) << 16) |
         (uint32_t(uint8_t(bytes[at + 2])) << 8) | uint32_t(uint8_t(bytes[at + 3]));
}

inline PngInfo ReadPng(const std::string& bytes) {
  PngInfo info;
  if (bytes.compare(0, 8, "\x89PNG\r\n\x1a\n", 8) != 0) return info;
  size_t at = 8;
  bool first = true, sawData = false;
  while (at + 12 <= bytes.size()) {
    uint32_t length = PngUint32(bytes, at);
    if (at + 12 + length > bytes.size()) return info;
    std::string type = bytes.substr(at + 4, 4);
    if (PngCrc(bytes, at + 4, 4 + length) != PngUint32(bytes, at + 8 + length)) return info;
    if (first) {
      if (type != "IHDR" || length != 13) return info;
      info.width = PngUint32(bytes, at + 8);
      info.height = PngUint32(bytes, at + 12);
      info.bitDepth = uint8_t(bytes[at + 16]);
      info.colourType = uint8_t(bytes[at + 17]);
      first = false;
    }
    if (type == "IDAT") sawData = true;
    at += 12 + length;
    if (type == "IEND") {
      info.valid = sawData && at == bytes.size();
      return info;
    }
  }
  return info;
}

}  // namespace workbench::testing
