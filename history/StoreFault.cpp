#include "history/StoreFault.h"

#include <sqlite3.h>

namespace history {

std::string faultMessage(StoreFault fault, const std::string& path) {
    switch (fault) {
        case StoreFault::NoPath:
            return "没有指定开奖历史文件";
        case StoreFault::Missing:
            return "开奖历史文件不存在：" + path;
        case StoreFault::CannotCreate:
            return "不能创建开奖历史文件：" + path;
        case StoreFault::CannotOpen:
            return "不能打开开奖历史文件：" + path;
        case StoreFault::NotHistory:
            return "不是开奖历史文件：" + path;
        case StoreFault::Corrupt:
            return "开奖历史文件已损坏：" + path;
        case StoreFault::Locked:
            return "开奖历史文件被另一个程序占用：" + path;
        case StoreFault::ReadOnly:
            return "开奖历史文件只读，不能保存：" + path;
        case StoreFault::Failed:
            break;
    }
    return "开奖历史文件读写出错：" + path;
}

StoreFault faultOfSqliteCode(int code) {
    // A crashed writer's journal that a reader may not roll back: the file is
    // not read-only for that, it cannot be opened until it is recovered.
    if (code == SQLITE_READONLY_ROLLBACK) return StoreFault::CannotOpen;
    switch (code & 0xFF) {
        case SQLITE_NOTADB:
            return StoreFault::NotHistory;
        case SQLITE_CORRUPT:
            return StoreFault::Corrupt;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return StoreFault::Locked;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return StoreFault::ReadOnly;
        case SQLITE_CANTOPEN:
            return StoreFault::CannotOpen;
        default:
            return StoreFault::Failed;
    }
}

}  // namespace history
