#include "StoreFailure.h"

#include <QSqlError>

namespace {

// SQLite's primary result codes; the driver may report extended ones (for
// example 1544, a write-protected folder), whose low byte is the primary code.
enum SqliteCode {
    SqlitePerm = 3,
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteIoErr = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteNotADb = 26,
};

} // namespace

StoreFailureKind StoreFailureKindOf(const QSqlError& error)
{
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xFF;
    if (!isNumber)
        return StoreFailureKind::Failed;
    switch (code) {
    case SqliteBusy:
    case SqliteLocked: return StoreFailureKind::InUse;
    case SqliteReadOnly: return StoreFailureKind::ReadOnly;
    case SqliteFull: return StoreFailureKind::DiskFull;
    case SqliteIoErr: return StoreFailureKind::IoError;
    case SqliteCorrupt:
    case SqliteNotADb: return StoreFailureKind::NotCaseDatabase;
    case SqlitePerm:
    case SqliteCantOpen: return StoreFailureKind::CannotOpen;
    default: return StoreFailureKind::Failed;
    }
}

StoreFailureKind SettingsFailureKind(vcl::WriteFailureKind kind)
{
    return kind == vcl::WriteFailureKind::DiskFull ? StoreFailureKind::DiskFull : StoreFailureKind::SettingsNotWritten;
}

QString StoreFailureText(const TStoreFailure& failure)
{
    const QString& file = failure.FileName;
    QString first;
    switch (failure.Kind) {
    case StoreFailureKind::None:
        return QString();
    case StoreFailureKind::CannotOpen:
        first = QStringLiteral("データベース %1 を開けません。ファイルがあること、開けることを確認してください。").arg(file);
        break;
    case StoreFailureKind::NotCaseDatabase:
        first = QStringLiteral("%1 はこのプログラムのデータベースではありません（壊れているか、別のファイルです）。"
                               "バックアップから戻してください。")
                    .arg(file);
        break;
    case StoreFailureKind::InUse:
        first = QStringLiteral("データベース %1 は他のプログラムが使用中です。しばらく待ってから、もう一度実行してください。")
                    .arg(file);
        break;
    case StoreFailureKind::ReadOnly:
        first = QStringLiteral("データベース %1 に書き込めません。ファイルとフォルダの書き込み禁止を解除してください。")
                    .arg(file);
        break;
    case StoreFailureKind::DiskFull:
        first = QStringLiteral("ディスクの空き容量が足りないため、%1 に書き込めません。"
                               "不要なファイルを削除して空きを作ってから、もう一度実行してください。")
                    .arg(file);
        break;
    case StoreFailureKind::IoError:
        first = QStringLiteral("%1 の読み書きに失敗しました（ディスクのエラー）。"
                               "ディスクの接続と状態を確認してから、もう一度実行してください。")
                    .arg(file);
        break;
    case StoreFailureKind::SettingsNotWritten:
        first = QStringLiteral("設定ファイル %1 に書き込めません。ファイルとフォルダの書き込み禁止を解除し、"
                               "ディスクを確認してください。")
                    .arg(file);
        break;
    case StoreFailureKind::Failed:
        first = QStringLiteral("データベースの読み書きに失敗しました。もう一度実行してください。");
        break;
    }
    return failure.Reason.isEmpty() ? first : first + QLatin1Char('\n') + failure.Reason;
}
