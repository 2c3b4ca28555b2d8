#include "HintTable.h"

#include <algorithm>

namespace {

// Controls sharing a sentence have a row each.
constexpr THintRow Rows[] = {
    {u"frmMain", u"Edit1", u" 患者番号を入力してください。"},
    {u"frmMain", u"Edit2", u" 氏名を入力してください。"},
    {u"frmMain", u"Edit3", u" 氏名を入力してください。"},
    {u"frmMain", u"RadioButton1", u" 性別を選択してください。"},
    {u"frmMain", u"RadioButton2", u" 性別を選択してください。"},
    {u"frmMain", u"GroupBox7", u" 年齢もしくは生年月日を入力してください。"},
    {u"frmMain", u"StringGridEx5", u" 身長を入力してください。"},
    {u"frmMain", u"StringGridEx4", u" 体重を入力してください。"},
    {u"frmMain", u"Edit9", u" 診療科を入力してください。"},
    {u"frmMain", u"Edit10", u" 医師名を入力してください。"},
    {u"frmMain", u"Panel25", u" 区分を選択してください。"},
    {u"frmMain", u"Edit8", u" 備考を入力してください。"},
    {u"frmMain", u"Memo1", u" 所見を入力してください。"},
    {u"frmMain", u"Panel3", u" 患者名を表示します。"},
    {u"frmMain", u"Panel4", u" 薬剤の一般名を表示します。"},
    {u"frmMain", u"Panel7", u" 薬剤の商品名を表示します。"},
    {u"frmMain", u"Panel28", u" 使用母集団名(出典)を表示します。"},
    {u"frmMain", u"plButton35", u" 患者情報画面へ移動します。"},
    {u"frmMain", u"plButton36", u" 薬剤情報画面へ移動します。"},
    {u"frmMain", u"plButton37", u" 投与/採血スケジュール画面へ移動します。"},
    {u"frmMain", u"plButton38", u" 解析結果画面へ移動します。"},
    {u"frmMain", u"plButton27", u"患者検索画面を開き、検索を行います。"},
    {u"frmMain", u"plButton10", u"入力された患者情報をクリアします。"},
    {u"frmMain", u"plButton9", u"入力された患者情報を確定します。"},
    {u"frmMain", u"plButton6", u" 現在表示中の症例を閉じ、新規患者の登録を行うため患者情報入力画面へ移動します。"},
    {u"frmMain", u"plButton7", u" 症例検索画面を開き、症例検索を行います。"},
    {u"frmMain", u"plButton12", u" 解析結果を印字します。"},
    {u"frmMain", u"plButton29", u"各画面の説明を表示します。"},
    {u"frmMain", u"Panel5", u" 薬剤の区分を選択して下さい。"},
    {u"frmMain", u"Panel31", u" 薬剤の一般名を選択して下さい。"},
    {u"frmMain", u"Panel32", u" 薬剤の商品名を選択して下さい。"},
    {u"frmMain", u"Edit12", u" 薬剤の剤形・ルートを表示します。"},
    {u"frmMain", u"Edit5", u" 薬剤の剤形・ルートを表示します。"},
    {u"frmMain", u"Panel33", u" 解析に使用する母集団パラメータを選択して下さい。"},
    {u"frmMain", u"Panel34", u" 解析に使用する過去パラメータを選択して下さい。"},
    {u"frmMain", u"Panel35", u" 使用するパラメータの動態係数を表示します。｢パラメータを入力｣が選択されている時は入力可能です。"},
    {u"frmMain", u"GroupBox5", u" 解析に必要な付随情報を入力して下さい。"},
    {u"frmMain", u"plButton11", u" 薬剤情報を確定し、投与/採血スケジュール画面に移動します。"},
    {u"TCalender1", u"plButton1", u" 前月のカレンダーを表示します。"},
    {u"TCalender1", u"plButton2", u" 翌月のカレンダーを表示します。"},
    {u"TCalender1", u"DrawGrid1", u" 投与/採血スケジュールをカレンダー表示します。"},
    {u"frmMain", u"plButton51", u" 初期値を設定します。"},
    {u"frmMain", u"plButton15", u" スケジュールを全てクリアします。"},
    {u"frmMain", u"plButton4", u" 解析設定画面を表示します。"},
    {u"frmMain", u"plButton16", u" 解析を実行し解析結果画面へ移動します。"},
    {u"frmMain", u"plButton2", u" 表示中のスケジュールを初期状態に戻します。"},
    {u"frmMain", u"plButton56", u" スケジュールを1つ前の状態に戻します。"},
    {u"frmMain", u"plButton13", u" 解析結果の動態係数を表示します。"},
    {u"frmMain", u"plButton19", u" 解析結果の定常状態値を表示します。"},
    {u"frmMain", u"plButton20", u" 解析結果の採血点情報を表示します。"},
    {u"frmMain", u"plButton22", u" グラフスケールの設定を行います。"},
    {u"frmMain", u"plButton54", u" 指定された日のAUC値を表示します。"},
    {u"frmMain", u"plButton23", u" 投与/採血スケジュール画面に移動し、投与スケジュールの変更を行います。"},
    {u"frmMain", u"plButton34", u" 薬剤情報画面に移動し、薬剤の剤形を変更します。"},
    {u"frmMain", u"CheckBox1", u" グラフに患者データを使用し推定した血中濃度を表示するか選択します。"},
    {u"frmMain", u"CheckBox2", u" グラフに母集団のみから推定した血中濃度を表示するか選択します。"},
    {u"frmMain", u"CheckBox3", u" グラフに患者測定値を表示するか選択します。"},
    {u"frmMain", u"StringGridEx12", u" 指定された日時の母集団パラメータのみによる推定値を表示します。"},
    {u"frmMain", u"StringGridEx10", u" 指定された日時の推定値を表示します。"},
    {u"frmMain", u"StringGridEx11", u" 指定された日時の推定値を表示します。"},
    {u"frmMain", u"StringGridEx8", u" 指定された日時の推定値を表示します。"},
    {u"frmMain", u"StringGridEx9", u" 指定された日時の推定値を表示します。"},
    {u"frmMain", u"CheckBox10", u" 推定値を表示したい項目を選択して下さい。"},
    {u"frmMain", u"CheckBox11", u" 推定値を表示したい項目を選択して下さい。"},
    {u"frmMain", u"CheckBox12", u" 推定値を表示したい項目を選択して下さい。"},
    {u"frmMain", u"CheckBox13", u" 推定値を表示したい項目を選択して下さい。"},
    {u"frmMain", u"CheckBox4", u" 推定値を表示したい項目を選択して下さい。"},
    {u"frmMain", u"CheckBox5", u" 推定値を表示したい項目を選択して下さい。"},
    {u"frmMain", u"plButton25", u" 薬剤の詳細情報を表示します。"},
    {u"frmMain", u"plButton48", u" 母集団の詳細情報を表示します。"},
    {u"frmMain", u"GroupBox3", u" 投与開始日を設定します。"},
    {u"frmMain", u"GroupBox13", u" 投与期間を設定します。"},
    {u"frmMain", u"GroupBox18", u" 投与間隔を設定します。"},
    {u"frmMain", u"GroupBox12", u" 処方投与スケジュールを設定します。"},
    {u"frmMain", u"GroupBox15", u" 採血情報を設定します。"},
    {u"frmMain", u"plButton14", u" 処方投与スケジュールを追加します。"},
    {u"frmMain", u"plButton39", u" 処方投与スケジュールを削除します。"},
    {u"frmMain", u"plButton40", u" 採血情報を追加します。"},
    {u"frmMain", u"plButton41", u" 採血情報を削除します。"},
    {u"frmMain", u"plButton30", u" 変更するスケジュールを選択します。"},
    {u"frmMain", u"plButton17", u" 血中/末梢コンパートメント濃度を時系列で表示します。"},
    {u"frmMain", u"plButton57", u" 血糖アルブミン値入力画面を表示し、測定値の補正を行います。"},
    {u"frmMain", u"GroupBox4", u" 削除開始日を設定します。"},
    {u"frmMain", u"GroupBox10", u" 削除期間を設定します。"},
};

} // namespace

std::span<const THintRow> HintRows()
{
    return Rows;
}

std::optional<QString> HintFor(const QString& owner, const QString& control)
{
    const auto row = std::find_if(std::begin(Rows), std::end(Rows), [&](const THintRow& r) {
        return control == QStringView(r.Control) && owner == QStringView(r.Owner);
    });
    if (row == std::end(Rows))
        return std::nullopt;
    return QString::fromUtf16(row->Sentence);
}

bool IsHintOwner(const QString& name)
{
    return std::any_of(std::begin(Rows), std::end(Rows),
                       [&](const THintRow& r) { return name == QStringView(r.Owner); });
}
