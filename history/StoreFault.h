#pragma once

#include <string>

namespace history {

// Why the history file cannot be opened or saved. Each has one message,
// naming the file.
enum class StoreFault {
    NoPath,        // "没有指定开奖历史文件"
    Missing,       // "开奖历史文件不存在：PATH" (opened for reading only)
    CannotCreate,  // "不能创建开奖历史文件：PATH"
    CannotOpen,    // "不能打开开奖历史文件：PATH"
    NotHistory,  // "不是开奖历史文件：PATH" (another file, other tables, another version)
    Corrupt,     // "开奖历史文件已损坏：PATH"
    Locked,      // "开奖历史文件被另一个程序占用：PATH"
    ReadOnly,    // "开奖历史文件只读，不能保存：PATH"
    Failed,      // "开奖历史文件读写出错：PATH" (disk full, I/O error...)
};

std::string faultMessage(StoreFault fault, const std::string& path);

// The fault an SQLite result code (primary or extended) stands for.
StoreFault faultOfSqliteCode(int code);

}  // namespace history
