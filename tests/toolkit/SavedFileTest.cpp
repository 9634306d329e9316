#include "toolkit/SavedFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "tests/history/TempFolder.h"
#include "tests/support/FileSizeLimit.h"

namespace {

namespace fs = std::filesystem;

int entriesIn(const fs::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
    return count;
}

TEST(SavedFile, WritesWholeOrLeavesTheTargetAsItWas) {
    struct Row {
        const char* name;
        std::function<void(const std::string& path)> before;  // what is there first
        bool fullDisk;
        bool saved;
        const char* content;  // of the target afterwards; nullptr: a folder stays
        unsigned mode;
    };
    const auto oldFile = [](unsigned mode) {
        return [mode](const std::string& path) {
            historytest::writeBytes(path, "old");
            fs::permissions(path, static_cast<fs::perms>(mode));
        };
    };
    const std::string bytes(4096, 'n');
    const Row rows[] = {
        {"new file", [](const std::string&) {}, false, true, bytes.c_str(), 0644},
        {"replaced file keeps its permissions", oldFile(0600), false, true, bytes.c_str(), 0600},
        {"disk full mid-way", oldFile(0640), true, false, "old", 0640},
        {"a folder in the way", [](const std::string& path) { fs::create_directory(path); }, false,
         false, nullptr, 0},
    };
    const mode_t umaskBefore = ::umask(022);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        historytest::TempFolder folder;
        const std::string path = folder.file("saved.csv");
        row.before(path);
        std::string error;
        bool saved = false;
        {
            const std::optional<testsupport::FileSizeLimit> limit =
                row.fullDisk ? std::optional<testsupport::FileSizeLimit>(1000) : std::nullopt;
            saved = toolkit::saveFileAtomically(path, bytes, error);
        }
        EXPECT_EQ(saved, row.saved);
        EXPECT_EQ(error.empty(), row.saved) << error;
        // No temporary file is left beside it.
        EXPECT_EQ(entriesIn(fs::path(path).parent_path()), 1);
        if (row.content == nullptr) {
            EXPECT_TRUE(fs::is_directory(path));
            continue;
        }
        EXPECT_EQ(historytest::bytesOf(path), row.content);
        EXPECT_EQ(static_cast<unsigned>(fs::status(path).permissions()), row.mode);
    }
    ::umask(umaskBefore);

    std::string error;
    EXPECT_FALSE(toolkit::saveFileAtomically("/nonexistent-folder/x.csv", "x", error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
