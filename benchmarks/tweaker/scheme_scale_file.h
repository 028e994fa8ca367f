// The scheme files both scheme-scale benchmarks read: realistic Savage4 lines
// whose values vary from scheme to scheme, and names in a shuffled order with
// the one sorting last at the end of the file (the sorted list does real work
// and an apply looks up the file's last key).
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace scheme_scale {

// A line as the Save As dialog writes it for a Savage4, standard and MiniGL
// blocks chosen.
inline std::string schemeLine(unsigned i) {
  const char* b[2] = {"off", "On"};
  char line[512];
  std::snprintf(line, sizeof line,
                "AA:%s VO:%s AT:On WV:off FB:%s AGPSize:%s 32Bit:%s AutoS3TC:On S3TCDiskCache:off "
                "TextureCache:On Mipmapping:%s ATB:off OS:off AM:On AC:On FD:On EF:%s ES:off TP:off TSL:off "
                "NF:off DB:%.1f TC:%u TM:64 DMACB:%u ZB:On ZC:On AGPSB:off",
                b[i & 1], b[(i >> 1) & 1], b[(i >> 2) & 1], (i % 3) ? "Same" : "32", b[(i >> 3) & 1],
                b[(i >> 4) & 1], b[(i >> 5) & 1], ((i % 21) - 10) / 10.0, 32u << (i % 3), i % 4);
  return line;
}

// Scheme numbers 1..count, shuffled, with count itself last.
inline std::vector<unsigned> schemeOrder(unsigned count) {
  std::vector<unsigned> order;
  for (unsigned i = 1; i < count; ++i) order.push_back(i);
  unsigned seed = 12345;
  for (std::size_t i = order.size(); i > 1; --i) {
    seed = seed * 1103515245u + 12345u;
    std::swap(order[i - 1], order[(seed >> 8) % i]);
  }
  if (count) order.push_back(count);
  return order;
}

}  // namespace scheme_scale
