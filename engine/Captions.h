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

// The 32 odd/even arrangements of five numbers, in the order of the any-5
// picker's boxes: "奇奇奇奇奇", "偶偶偶偶偶", "奇奇奇奇偶", ...
const std::vector<std::string>& parityCaptions();

// The any-5 runs panel "杀连号形态", by index.
std::vector<std::string> any5RunCaptions();

// The front-3 runs and shapes panel, by index.
std::vector<std::string> front3ShapeCaptions();

// The 27 front-3 0-1-2 path patterns "000".."222"; index 9*p1 + 3*p2 + p3.
std::vector<std::string> pathCaptions();

// One front-3 pattern family of three positions in box order, from its two
// words: ("大", "小") => "大大大", "大大小", "大小大", "大小小", "小小小", "小小大",
// "小大小", "小大大".
std::vector<std::string> patternCaptions(const std::string& yes, const std::string& no);

// The conditions of each edition as the condition report names them, in run
// order: each panel's caption, each banker group, count and pattern family
// its own condition.
const std::vector<std::string>& any5ConditionNames();
const std::vector<std::string>& front3ConditionNames();

}  // namespace engine
