#include "HelpTexts.h"

namespace {

QString Bold(const QString& text)
{
    return QStringLiteral("<b>%1</b>").arg(text);
}

QString Coloured(const QString& text, const char* colour)
{
    return QStringLiteral("<b><span style=\"color:%1\">%2</span></b>").arg(QLatin1String(colour), text);
}

QString Paragraph(const QString& text)
{
    return QStringLiteral("<p>%1</p>").arg(text);
}

QString SearchHelp(const QString& found)
{
    QString html;
    html += Paragraph(Bold(QStringLiteral("[検索]")) + QStringLiteral("<br>入力された患者番号、氏名、カナ、診療科、医師名で"
                                                                  "検索を行い、結果を一覧に表示します。"));
    html += Paragraph(Bold(QStringLiteral("[クリア]")) + QStringLiteral("<br>一覧と入力された検索条件をクリアします。"
                                                                    "データベースの内容は変更されません。"));
    html += Paragraph(Bold(QStringLiteral("[選択]")) + QStringLiteral("<br>一覧で選択した%1をメイン画面に読み込みます。")
                                                       .arg(found));
    html += Paragraph(Bold(QStringLiteral("[閉じる]")) + QStringLiteral("<br>この画面を閉じます。"));
    html += Paragraph(Coloured(QStringLiteral("●注意事項"), "teal"));
    html += Paragraph(QStringLiteral("1. 複数の項目を入力した場合は、すべての条件を満たすものを検索します（AND検索）。<br>"
                                     "2. 検索語の中の空白も検索文字として扱います。<br>"
                                     "3. 検索は前方一致で行います。ワイルドカードは使用できません。"));
    return html;
}

} // namespace

QString NoClinicalNotesSentence()
{
    return QStringLiteral("臨床上の注意事項・参考文献は本版に収録していません。添付文書等をご参照ください。");
}

QString DisclaimerHeading()
{
    return QStringLiteral("【重要】");
}

QString DisclaimerTitle()
{
    return QStringLiteral("本ソフトウェアのご使用にあたって");
}

QString DisclaimerText()
{
    return QStringLiteral("１．本ソフトウェアの使用によって発生しうる損害に対し開発者はいかなる保証、責任も負いませんので"
                          "ご了承ください。本ソフトウェアによって得られる解析結果の最終判断はユーザ様ご自身で行ってください。\n"
                          "\n"
                          "２．本ソフトウェアのご利用においては、いかなるトラブルにおきましても一切の責任は負えませんので"
                          "ご了承ください。\n"
                          "\n"
                          "以上のことに同意した上で本ソフトウェアをご使用ください。");
}

std::optional<QString> HelpMemoTitle(int page)
{
    switch (page) {
    case 0: return QStringLiteral("患者情報");
    case 1: return QStringLiteral("薬剤情報");
    case 2: return QStringLiteral("投与/採血スケジュール");
    case 3: return QStringLiteral("解析結果");
    default: return std::nullopt;
    }
}

QString ScreenHelpText(int pageId)
{
    switch (pageId) {
    case 11:
        return SearchHelp(QStringLiteral("患者"));
    case 12:
        return SearchHelp(QStringLiteral("症例"));
    case 21:
        return Paragraph(Coloured(QStringLiteral("●薬剤情報"), "blue"))
               + Paragraph(QStringLiteral("解析する薬剤の区分、一般名、商品名を順に選択します。剤形と解析に使用する"
                                          "モデル式が表示されます。"))
               + Paragraph(Coloured(QStringLiteral("●解析条件"), "blue"))
               + Paragraph(QStringLiteral("選択した薬剤の解析に必要な患者の付随情報（クレアチニンクリアランスなど）を"
                                          "入力します。"))
               + Paragraph(Coloured(QStringLiteral("●母集団パラメータ"), "blue"))
               + Paragraph(QStringLiteral("解析に使用するパラメータを、母集団パラメータ、同じ患者・同じ製剤の過去の"
                                          "解析結果（過去パラメータ）、または直接入力から選択します。パラメータ表に"
                                          "各動態係数の平均値と変動係数（CV%）が表示されます。"))
               + Paragraph(QStringLiteral("[確定]で薬剤情報を登録し、投与/採血スケジュール画面に進みます。"));
    default:
        return {};
    }
}

QString LithiumCautionText()
{
    return QStringLiteral("注意事項\n"
                          "\n"
                          "本プログラムで使用している炭酸リチウムの母集団パラメータは1978年の文献によるものです。"
                          "Vd、Kaは妥当と考えられますが、CLは腎機能に依存すると考えられるため、腎機能の低い患者では"
                          "シミュレーションによる血中濃度が実際より低く算出される可能性があります。\n"
                          "\n"
                          "本プログラムでは、朝の服薬前に採血した場合の有効域を0.3～1.2 mEq/Lとし、グラフに黄色の帯で"
                          "表示しています。\n"
                          "\n"
                          "解析結果の判断にあたっては、参考文献をご確認ください（参考文献は本版に収録していません。"
                          "添付文書等をご参照ください）。");
}

QString LithiumMonitoringNoticeText()
{
    return QStringLiteral("リチウムの血中濃度測定遵守について\n"
                          "\n"
                          "この通知の本文は本版に収録していません。\n"
                          "炭酸リチウム製剤の添付文書等をご参照ください。");
}

QString FosphenytoinProductName()
{
    return QStringLiteral("ホスフェニトイン");
}

QString FosphenytoinDoseTableTitle()
{
    return FosphenytoinProductName() + QStringLiteral("静注体重別投与量換算表");
}

QString FosphenytoinDoseTableText()
{
    return FosphenytoinProductName()
           + QStringLiteral("静注の体重別投与量換算表\n"
                            "\n"
                            "換算表は本版に収録していません。\n"
                            "ホスフェニトインナトリウム製剤の添付文書等をご参照ください。");
}

QString CreatinineClearanceHelpText()
{
    return Paragraph(Bold(QStringLiteral("&lt;年齢別クリアチニンクリアランスの推定式&gt;")))
           + Paragraph(QStringLiteral("CLcr(mL/min) = 100 - (年齢 - 25)<br>25歳以降、クリアランスは1年に1.0%ずつ低下します。"))
           + Paragraph(Bold(QStringLiteral("&lt;BMIと除脂肪体重について&gt;")))
           + Paragraph(QStringLiteral("BMI = 体重[kg] / 身長[m] / 身長[m]<br>BMIが25以上の場合は肥満とみなし、"
                                      "「肥満あり」を選択することをお勧めします。"))
           + Paragraph(Bold(QStringLiteral("&lt;除脂肪体重計算式&gt;")))
           + Paragraph(QStringLiteral("男性: LBW(kg) = 50 + (身長(cm) - 152.4) × 0.89<br>"
                                      "女性: LBW(kg) = 45.4 + (身長(cm) - 152.4) × 0.89<br>"
                                      "肥満患者では、除脂肪体重をCockcroft-Gault式の体重として入力します。"))
           + Paragraph(Bold(QStringLiteral("&lt;クレアチニンクリアランスの評価と腎機能補正　ポイント&gt;")))
           + Paragraph(QStringLiteral("Cockcroft-Gault式による推定値の評価にあたっての注意事項は本版に収録していません。"
                                      "添付文書等をご参照ください。"));
}

QString AucMethodsHelpText()
{
    return Paragraph(Coloured(QStringLiteral("【Dose-CLtot近似法】"), "teal"))
           + Paragraph(QStringLiteral("測定されたトラフ値から個体パラメータを推定し、<br>"
                                      "AUC24 (mg・hr/L) = D (mg) / CLtot (L/hr)<br>"
                                      "で求めます。Dは1日投与量、CLtotはバンコマイシンの全身クリアランスです。"
                                      "mg・hr/Lはμg・hr/mLと同じ値です。"))
           + Paragraph(Coloured(QStringLiteral("【区分求積法】"), "teal"))
           + Paragraph(QStringLiteral("2分ごとの血中濃度から、n = 720 の区分の和としてAUCを求めます。"))
           + Paragraph(NoClinicalNotesSentence());
}

QString AlbuminCorrectionHelpText()
{
    return Paragraph(Bold(QStringLiteral("&lt;透析なしの場合&gt;")))
           + Paragraph(QStringLiteral("補正濃度 = 測定濃度 / {(0.9 × 血清アルブミン値 / 4.4) + 0.1}"))
           + Paragraph(Bold(QStringLiteral("&lt;透析ありの場合&gt;")))
           + Paragraph(QStringLiteral("補正濃度 = 測定濃度 / {(0.9 × 0.48 × 血清アルブミン値 / 4.4) + 0.1}"));
}

QString VmaxHelpText()
{
    return QStringLiteral("Vmaxの解説図は本版に収録していません。\n添付文書等をご参照ください。");
}
