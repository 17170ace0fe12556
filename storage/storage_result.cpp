#include "storage/storage_result.h"

#include <QCoreApplication>

StorageResult StorageResult::failure(Kind kind, const QString &databaseText)
{
    StorageResult result;
    result.kind = kind;
    result.databaseText = databaseText;
    return result;
}

QString storageFailureTitle(const StorageResult &result)
{
    switch (result.kind) {
    case StorageResult::Ok:
        return {};
    case StorageResult::OpenFailed:
    case StorageResult::LoadFailed:
        return QCoreApplication::translate("MainWindow", "数据库错误");
    case StorageResult::UpgradeFailed:
        return QCoreApplication::translate("MainWindow", "数据库升级失败");
    case StorageResult::SaveFailed:
    case StorageResult::DatabaseUnavailable:
        return QCoreApplication::translate("MainWindow", "保存失败");
    }
    return {};
}

QString storageFailureText(const StorageResult &result)
{
    switch (result.kind) {
    case StorageResult::Ok:
        return {};
    case StorageResult::OpenFailed:
    case StorageResult::UpgradeFailed:
        return result.databaseText;
    case StorageResult::LoadFailed:
        return QCoreApplication::translate("MainWindow", "价格设置读取失败，本次运行不会保存价格设置。\n%1")
            .arg(result.databaseText);
    case StorageResult::SaveFailed:
        return QCoreApplication::translate("MainWindow", "价格设置未写入，原有数据已保留。\n%1")
            .arg(result.databaseText);
    case StorageResult::DatabaseUnavailable:
        return QCoreApplication::translate("MainWindow", "数据库不可用，价格设置未保存。");
    }
    return {};
}
