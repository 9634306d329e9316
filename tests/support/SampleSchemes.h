#pragma once

// Schemes that together set every key of each edition, with survivors left
// (53 and 6 bets of any-5; 60 direct bets and 142 groups of front-3; each
// second one with 容错).
namespace testsupport {

inline constexpr const char* kAny5SchemeA = R"json({"edition": "any5", "comma": true, "bigFrom": 6,
 "killPairs": [[1, 2], [10, 11]], "keepPairs": [[3, 4], [4, 5], [3, 8]],
 "killNumbers": [9], "killSpans": [4, 5], "killSums": [15, 16, 17, 18, 40],
 "oddCounts": [1, 2, 3, 4], "bigCounts": [1, 2, 3],
 "bankers": [{"numbers": [3, 4, 5, 6], "counts": [2, 3]}, {}, {"numbers": [1, 7, 8, 11]}],
 "killCompound": "01 02 03 04 05 06\n06 07 08 10 11", "killTriples": "03 05 07\r\n03 04 11\r"})json";

inline constexpr const char* kAny5SchemeB = R"json({"edition": "any5",
 "killPositional": "01 * * * *\n* * * 10 11\n",
 "keepTriples": "02 04 06\n03 05 07\n01 08 09\n04 06 08\n",
 "killQuads": "01 02 03 04\n05 06 07 08 09",
 "basePool": "02 04 06 08 10\n01 03 05 07 09\n03 05 07 09 11\n02 03 04 06 08\n04 06 07 08 10\n01 04 06 08 10\n03 04 05 07 09\n04 06 08 09 11\n",
 "basePoolEnabled": true,
 "killSumTails": [0], "smallest": [1, 2, 3, 4], "largest": [9, 10, 11],
 "killSpacing": [1, 11], "primeCounts": [0, 1, 2, 3],
 "killRuns": ["五连", "四连"], "killParity": ["奇奇奇奇奇", "偶偶奇奇奇"],
 "repeatCounts": [1, 2], "neighbourCounts": [0, 1, 2, 3], "isolatedCounts": [0, 1, 2, 3, 4],
 "hotCounts": [0, 1, 2, 3], "warmCounts": [1, 2, 3, 4], "coldCounts": [0, 1, 2],
 "hotRule": {"draws": 12, "hot": 7, "cold": 3}, "acValues": [2, 3, 4, 5],
 "road0Counts": [0, 1, 2], "road1Counts": [1, 2, 3], "road2Counts": [1, 2, 3],
 "tolerance": {"min": 0, "max": 1, "hard": ["大底号码", "杀4码组合"]}})json";

inline constexpr const char* kFront3SchemeA =
    R"json({"edition": "front3", "comma": true, "bigFrom": 6,
 "killPairs": [[1, 2], [5, 6]], "keepPairs": [[3, 4], [7, 9], [2, 11]],
 "killNumbers": [10], "killSpans": [2, 10], "killSums": [6, 7, 30],
 "oddCounts": [0, 1, 2], "bigCounts": [1, 2],
 "bankers": [{"numbers": [3, 4, 7, 9, 2], "counts": [1, 2]}, {"numbers": [8], "counts": [0, 1]}],
 "killDirect": "03 04 07\n09 07 03\r\n", "killCompound": "03 04*07 09*01 02 11\n"})json";

inline constexpr const char* kFront3SchemeB = R"json({"edition": "front3", "group": true,
 "killPaths": ["000", "111", "222", "012"],
 "killPositions": [[1, 2, 3], [], [11]],
 "killShapes": ["3连", "凸形"],
 "killPatterns": ["大大大", "小小小", "奇奇奇", "偶偶偶", "质质质", "合合合", "奇偶奇"],
 "bankers": [{}, {}, {"numbers": [5, 6, 7, 8], "counts": [1]}],
 "repeatCounts": [0, 1], "hotCounts": [0, 1, 2], "coldCounts": [0, 1, 2],
 "hotRule": {"draws": 15, "hot": 5, "cold": 2},
 "tolerance": {"min": 1, "max": 2, "hard": ["杀012路"]}})json";

inline constexpr const char* kAny5Schemes[] = {kAny5SchemeA, kAny5SchemeB};
inline constexpr const char* kFront3Schemes[] = {kFront3SchemeA, kFront3SchemeB};

}  // namespace testsupport
