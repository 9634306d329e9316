#include "engine/Captions.h"

#include "toolkit/ButtonArray.h"

namespace engine {

std::vector<std::string> pairCaptions() {
    const auto tokens = toolkit::twoDigitCaptions(1, 11);
    std::vector<std::string> captions;
    for (std::size_t a = 0; a < tokens.size(); ++a) {
        for (std::size_t b = a + 1; b < tokens.size(); ++b)
            captions.push_back(tokens[a] + "\r\n" + tokens[b]);
    }
    return captions;
}

std::vector<std::string> firstBankerCaptions() {
    auto captions = toolkit::twoDigitCaptions(2, 10);
    captions.push_back("01");
    captions.push_back("11");
    return captions;
}

const std::vector<std::string>& parityCaptions() {
    static const std::vector<std::string> captions = {
        "奇奇奇奇奇", "偶偶偶偶偶", "奇奇奇奇偶", "奇奇奇偶奇", "奇奇偶奇奇", "奇偶奇奇奇",
        "奇奇奇偶偶", "奇奇偶偶奇", "奇偶偶奇奇", "奇奇偶奇偶", "奇偶奇奇偶", "奇偶奇偶奇",
        "奇奇偶偶偶", "奇偶奇偶偶", "奇偶偶奇偶", "奇偶偶偶奇", "奇偶偶偶偶", "偶偶偶偶奇",
        "偶偶偶奇偶", "偶偶奇偶偶", "偶奇偶偶偶", "偶偶偶奇奇", "偶偶奇奇偶", "偶奇奇偶偶",
        "偶偶奇偶奇", "偶奇偶偶奇", "偶奇偶奇偶", "偶偶奇奇奇", "偶奇偶奇奇", "偶奇奇偶奇",
        "偶奇奇奇偶", "偶奇奇奇奇"};
    return captions;
}

std::vector<std::string> any5RunCaptions() {
    return {"不连", "两连", "两个两连", "三连", "四连", "五连"};
}

std::vector<std::string> front3ShapeCaptions() {
    return {"不连", "2连", "3连", "上山形", "下山形", "凹形", "凸形"};
}

std::vector<std::string> pathCaptions() {
    std::vector<std::string> captions;
    for (int code = 0; code < 27; ++code) {
        captions.push_back({static_cast<char>('0' + code / 9),
                            static_cast<char>('0' + code / 3 % 3),
                            static_cast<char>('0' + code % 3)});
    }
    return captions;
}

std::vector<std::string> patternCaptions(const std::string& yes, const std::string& no) {
    std::vector<std::string> captions;
    for (const char* row : {"YYY", "YYN", "YNY", "YNN", "NNN", "NNY", "NYN", "NYY"}) {
        std::string caption;
        for (const char* c = row; *c != '\0'; ++c) caption += *c == 'Y' ? yes : no;
        captions.push_back(caption);
    }
    return captions;
}

const std::vector<std::string>& any5ConditionNames() {
    static const std::vector<std::string> names = {
        "杀直选复式/组选", "定位杀号", "杀2码组合", "必出2码组合", "杀3码组合",    "必出3码组合",
        "杀和尾",          "杀和值",   "杀跨度",    "胆码1",       "胆码2",        "胆码3",
        "胆码4",           "胆码5",    "最小号码",  "最大号码",    "间距模式过滤", "通杀码",
        "杀4码组合",       "大底号码", "大号个数",  "奇号个数",    "质号个数",     "杀连码",
        "杀奇偶排列",      "重号个数", "邻号个数",  "孤号个数",    "热号个数",     "温号个数",
        "冷号个数",        "AC值",     "0路个数",   "1路个数",     "2路个数"};
    return names;
}

const std::vector<std::string>& front3ConditionNames() {
    static const std::vector<std::string> names = {
        "杀直选号码",     "杀垃圾复式",     "杀2码组合",      "必出2码组合", "杀012路",
        "杀跨度",         "通杀码",         "胆码1",          "胆码2",       "胆码3",
        "前三定位杀",     "杀和值",         "奇号个数",       "大号个数",    "杀杀杀(11 01算连码)",
        "杀形态（大小）", "杀形态（奇偶）", "杀形态（质合）", "重号个数",    "邻号个数",
        "孤号个数",       "热号个数",       "温号个数",       "冷号个数"};
    return names;
}

}  // namespace engine
