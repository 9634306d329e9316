#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace testsupport {

// Pastes no box expects: megabytes, bytes that are not UTF-8, NUL bytes, lone
// CR and LF. Tests build them around known bets so the right answer is known.

// The bytes of a literal, NUL bytes included.
template <std::size_t N>
std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// One line's worth of rubbish: invalid UTF-8, NUL bytes, a lone CR, a lone LF,
// a cut three-byte character and digits that spell no number "01".."11" (eight
// of them, no "*"). It holds no CR LF, so repeated it stays one line.
inline const std::string kNoise = bytes("\xFF\xFE\xC3\x28 \0\0 ab 12 99 00\r \n\xE2\x82 7 5");

// A NUL byte between "0" and "7", so no number, and NUL and invalid bytes
// first: a reader stopping at the first NUL would see nothing at all.
inline const std::string kNulBeforeSeven = bytes(
    "\0\xFF"
    "0\0"
    "7");

// `unit` repeated until the text is at least `size` bytes long.
inline std::string repeated(std::string_view unit, std::size_t size) {
    std::string text;
    text.reserve(size + unit.size());
    while (text.size() < size) text.append(unit);
    return text;
}

// `count` times `unit`, then `last`.
inline std::string times(std::string_view unit, std::size_t count, std::string_view last) {
    std::string text;
    text.reserve(unit.size() * count + last.size());
    for (std::size_t i = 0; i < count; ++i) text.append(unit);
    text.append(last);
    return text;
}

// A paste far beyond anything the window shows: it reads in a few seconds in
// the debug and sanitizer builds, so every box gets one.
inline constexpr std::size_t kHugePaste = std::size_t{50} << 20;
inline constexpr std::size_t kLongLine = std::size_t{10} << 20;
inline constexpr std::size_t kEmptyLines = 100000;

// `line` after kEmptyLines line breaks of one kind ("\r\n", or a lone "\r" or
// "\n", which ends no line in a box).
inline std::string afterEmptyLines(std::string_view lineBreak, std::string_view line) {
    return times(lineBreak, kEmptyLines, line);
}

}  // namespace testsupport
