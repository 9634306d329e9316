#pragma once

#include <string>

namespace toolkit {
class Host;
}

namespace shell {

// The web pages the link buttons open: help pages shipped beside the
// programs, as file addresses, unless the build names others.
struct Links {
    std::string rules;     // 11选5游戏规则
    std::string tutorial;  // 软件使用教程
    std::string download;  // 下载最新版软件
    std::string tips;      // the kill-number assistant's tips
};

// Where the program runs from and what it links to; set by main().
struct Environment {
    std::string programFolder;
    Links links;
};

inline constexpr const char* kPageFailedText = "出现错误，未能打开页面";
inline constexpr const char* kDownloadPageFailedText = "出现错误，未能打开下载页面";
inline constexpr const char* kPageFailedTitle = "提示";
inline constexpr const char* kMissingTitle = "友情提示";

// Opens a page with the desktop's handler; when none takes it, says
// `failureText` titled "提示".
void openPage(toolkit::Host& host, const std::string& url, const char* failureText);

// Starts the other edition from the program's own folder. When it cannot be
// started, shows `missingText` titled "友情提示" and opens the download page.
void launchSibling(toolkit::Host& host, const Environment& environment,
                   const std::string& executableName, const std::string& missingText);

}  // namespace shell
