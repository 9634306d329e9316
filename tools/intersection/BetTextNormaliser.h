#pragma once

#include <string>
#include <string_view>

namespace intersection {

// Front-3 lists are tidied before matching: digits stay, every run of other
// characters within a line becomes one blank, line breaks (CR LF) stay, and
// whatever comes before the first digit goes. Examples:
//   "01,02,03\r\n02-01-03"   => "01 02 03\r\n02 01 03"
//   "01 02 03\r\n   02 01 03" => "01 02 03\r\n 02 01 03"
//   "abc"                    => ""
//   "  x01..02\n03 "         => "01 02 03"   (a lone LF is just another separator)
//   "01=02"                  => "01\r\n02"   (a typed "=" becomes a line break)
std::string normaliseBetText(std::string_view text);

}  // namespace intersection
