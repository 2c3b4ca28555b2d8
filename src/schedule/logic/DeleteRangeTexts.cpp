#include "DeleteRangeTexts.h"

#include "DateTimeFormat.h"

std::array<QString, 3> DeleteRangeTexts(const TDeleteRange& range)
{
    const auto day = [](vcl::TDateTime value) { return vcl::FormatDateTime(QStringLiteral("yyyy/mm/dd"), value); };
    const QString selectedOnly = QStringLiteral("選択している日(%1)のみ削除する").arg(day(range.SelectedDate));
    if (range.OpenEnd)
        return {QStringLiteral("投与の開始日から投与の終了日まで削除する"),
                QStringLiteral("選択している日(%1)から投与の終了日まで削除する").arg(day(range.SelectedDate)),
                selectedOnly};
    return {QStringLiteral("投与の開始日(%1)から投与の終了日(%2)まで削除する")
                .arg(day(range.StartDate), day(range.EndDate)),
            QStringLiteral("選択している日(%1)から投与の終了日(%2)まで削除する")
                .arg(day(range.SelectedDate), day(range.EndDate)),
            selectedOnly};
}
