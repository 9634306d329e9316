#pragma once

#include <optional>
#include <string>

#include "scheme/Scheme.h"

namespace toolkit {
class Host;
}

namespace scheme {

inline constexpr const char* kSaveCaption = "保存方案";
inline constexpr const char* kLoadCaption = "载入方案";
inline constexpr const char* kFileFilter = "方案文件 (*.json)";

// The "保存方案" button: asks where to save and writes the scheme there. The
// file is replaced only once the new one is written whole; when it cannot
// be written the player is told and any old file stays as it was.
void saveSchemeFile(toolkit::Host& host, const Scheme& scheme);

// The "载入方案" button: asks for a file and reads it. Nothing when the player
// cancels, or when the file cannot be read, is not a scheme or belongs to the
// other edition; then one message says what is wrong.
// `chosen`, when given, takes the file's path.
std::optional<Scheme> loadSchemeFile(toolkit::Host& host, Edition edition,
                                     std::string* chosen = nullptr);

// The whole file, or none when it cannot be read.
std::optional<std::string> readFile(const std::string& path);

}  // namespace scheme
