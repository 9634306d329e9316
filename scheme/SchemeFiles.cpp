#include "scheme/SchemeFiles.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "toolkit/Host.h"
#include "toolkit/SavedFile.h"

namespace scheme {
namespace {

constexpr const char* kSaveFailedTitle = "保存方案出错";
constexpr const char* kLoadFailedTitle = "载入方案出错";

}  // namespace

std::optional<std::string> readFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return text.str();
}

void saveSchemeFile(toolkit::Host& host, const Scheme& scheme) {
    const std::string path = host.chooseFileToSave(kSaveCaption, kFileFilter);
    if (path.empty()) return;
    std::string error;
    if (!toolkit::saveFileAtomically(path, writeScheme(scheme), error)) {
        host.showMessage("方案没有保存：不能写入文件 " + path, kSaveFailedTitle);
    }
}

std::optional<Scheme> loadSchemeFile(toolkit::Host& host, Edition edition, std::string* chosen) {
    const std::string path = host.chooseFileToOpen(kLoadCaption, kFileFilter);
    if (path.empty()) return std::nullopt;
    if (chosen) *chosen = path;
    const std::string notLoaded = "方案没有载入，条件没有改动。\r\n" + path + "：\r\n";
    const auto text = readFile(path);
    if (!text) {
        host.showMessage(notLoaded + "不能读取这个文件", kLoadFailedTitle);
        return std::nullopt;
    }
    ReadResult read = readScheme(*text);
    if (!read.scheme) {
        host.showMessage(notLoaded + read.error, kLoadFailedTitle);
        return std::nullopt;
    }
    if (read.scheme->edition != edition) {
        host.showMessage(notLoaded + "这是" + editionName(read.scheme->edition) +
                             "的方案（\"edition\": \"" + editionKey(read.scheme->edition) +
                             "\"），请在" + editionName(read.scheme->edition) + "中载入",
                         kLoadFailedTitle);
        return std::nullopt;
    }
    return read.scheme;
}

}  // namespace scheme
