#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// Writes `bytes` to a new file beside `path` ("PATH.tmp-XXXXXX"), flushes it
// to the disk, then renames it over `path`, so that a reader sees the old
// file or the new one, never a part. A file already at `path` keeps its
// permissions; a new one gets the usual ones (0666 less the umask). On any
// failure the temporary file is removed, `path` is left as it was, and
// `error` says why (the system's words); false then.
bool saveFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace toolkit
