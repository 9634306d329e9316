#pragma once

#include <string>
#include <vector>

namespace engine {

// The 55 captions of the pair buttons, pairs in lexicographic order, each the
// smaller token, CR LF, the larger token:
//   index 0 => "01\r\n02", index 9 => "01\r\n11", index 10 => "02\r\n03",
//   index 54 => "10\r\n11"
std::vector<std::string> pairCaptions();

}  // namespace engine
