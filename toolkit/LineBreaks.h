#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// Text boxes hand their text to the logic with CR LF line breaks, whatever a
// paste brought in. Examples:
//   "a\nb"        => "a\r\nb"
//   "a\rb"        => "a\r\nb"
//   "a\r\nb"      => "a\r\nb"
//   "a\n\r\nb\r"  => "a\r\n\r\nb\r\n"
//   "a\u2029b"    => "a\r\nb"  (paragraph and line separators of rich editors)
std::string toCrLf(std::string_view text);

// The reverse, for widgets that keep '\n' internally: every CR LF, lone CR and
// lone LF becomes one '\n'.
std::string toLf(std::string_view text);

// Removes the space character (only it) from both ends.
std::string_view trimSpaces(std::string_view text);

}  // namespace toolkit
