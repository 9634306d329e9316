#pragma once

#include <string>
#include <vector>

namespace engine {

// The 55 captions of the pair buttons, pairs in lexicographic order, each the
// smaller token, CR LF, the larger token:
//   index 0 => "01\r\n02", index 9 => "01\r\n11", index 10 => "02\r\n03",
//   index 54 => "10\r\n11"
std::vector<std::string> pairCaptions();

// The captions of the first banker group of either edition, by index:
// "02".."10" at 0..8, "01" at 9, "11" at 10 (on screen they read 01..11).
std::vector<std::string> firstBankerCaptions();

}  // namespace engine
