#include "DrugHelpText.h"

#include "DrugMaster.h"
#include "HelpPages.h"
#include "HelpTexts.h"

#include <vector>

namespace {

constexpr int InformationPage = 1;
constexpr int PopulationPage = 2;

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

int VariantCount(const TProductEntry& product)
{
    int count = 0;
    for (const TProductEntry& other : ProductTable())
        if (other.kubun == product.kubun && other.drug == product.drug && other.product == product.product)
            ++count;
    return count;
}

// The product rows (every model variant) a drug page covers, in master order.
std::vector<const TProductEntry*> CoveredProducts(int pageId)
{
    std::vector<const TProductEntry*> covered;
    const DrugHelpTopic topic =
        pageId % 100 == InformationPage ? DrugHelpTopic::Information : DrugHelpTopic::Population;
    for (const TProductEntry& product : ProductTable())
        if (DrugHelpPageId({product.kubun, product.drug, product.product}, topic) == pageId)
            covered.push_back(&product);
    return covered;
}

TDrugKey KeyOf(const TProductEntry& product)
{
    return {product.kubun, product.drug, product.product, VariantCount(product) > 1 ? product.variant : 0};
}

QString DrugName(const TProductEntry& product)
{
    for (const TDrugEntry& drug : DrugTable())
        if (drug.kubun_id == product.kubun && drug.yakuzainame_id == product.drug)
            return QString::fromUtf8(drug.name);
    return {};
}

QString Title(const TProductEntry& product)
{
    return QStringLiteral("<p><b><span style=\"color:blue\">●%1●</span></b></p>").arg(Escaped(DrugName(product)));
}

QString RangeText(const TProductEntry& product, const TDrugHelpFacts& facts)
{
    if (product.upper == 0 && product.lower == 0)
        return QStringLiteral("既定の有効域はありません。");
    QString unit = facts.ConcentrationUnit(KeyOf(product));
    if (!unit.isEmpty())
        unit.prepend(QLatin1Char(' '));
    return QStringLiteral("有効域（既定値）: %1 ～ %2%3")
        .arg(QString::number(product.lower), QString::number(product.upper), Escaped(unit));
}

QString InformationText(const std::vector<const TProductEntry*>& products, const TDrugHelpFacts& facts)
{
    QString html = Title(*products.front());
    for (const TProductEntry* product : products) {
        html += QStringLiteral("<p><b>%1</b><br>モデル式: %2<br>%3</p>")
                    .arg(Escaped(QString::fromUtf8(product->name)), Escaped(QString::fromUtf8(product->modelName)),
                         RangeText(*product, facts));
    }
    html += QStringLiteral("<p>●グラフでは有効域を黄色で表示します。</p>");
    return html;
}

QString PopulationText(const std::vector<const TProductEntry*>& products, const TDrugHelpFacts& facts)
{
    QString html = Title(*products.front());
    for (const TProductEntry* product : products) {
        const TDrugKey key = KeyOf(*product);
        QString heading = Escaped(QString::fromUtf8(product->name));
        if (key.algo != 0)
            heading += QStringLiteral("（%1）").arg(Escaped(QString::fromUtf8(product->modelName)));
        html += QStringLiteral("<p><b>%1</b></p>").arg(heading);
        bool anySource = false;
        for (const TSourceEntry& source : SourceTable()) {
            if (source.kubun != product->kubun || source.drug != product->drug || source.product != product->product
                || source.variant != product->variant)
                continue;
            anySource = true;
            html += QStringLiteral("<p>＊%1＊<br>").arg(Escaped(QString::fromUtf8(source.label)));
            const TPopulationFacts population = facts.PopulationFacts(key, source.syutten_id);
            if (population.Means.isEmpty()) {
                html += QStringLiteral("母集団パラメータの値は薬剤情報画面のパラメータ表に表示されます。");
            } else {
                auto section = [&html](const QString& heading, const QStringList& lines) {
                    html += heading;
                    for (const QString& line : lines)
                        html += QStringLiteral("<br>") + Escaped(line);
                };
                section(QStringLiteral("【母集団パラメータ】"), population.Means);
                section(QStringLiteral("<br>【個体間変動】"), population.Variability);
                for (const QString& note : population.Notes)
                    html += QStringLiteral("<br>") + Escaped(note);
            }
            html += QStringLiteral("</p>");
        }
        if (!anySource)
            html += QStringLiteral("<p>母集団パラメータの設定はありません。</p>");
    }
    return html;
}

} // namespace

QString TDrugHelpFacts::ConcentrationUnit(const TDrugKey&) const
{
    return {};
}

TPopulationFacts TDrugHelpFacts::PopulationFacts(const TDrugKey&, int) const
{
    return {};
}

QString DrugHelpText(int pageId, const TDrugHelpFacts& facts)
{
    const std::vector<const TProductEntry*> products = CoveredProducts(pageId);
    if (products.empty())
        return {};
    const QString body = pageId % 100 == InformationPage ? InformationText(products, facts)
                                                          : PopulationText(products, facts);
    return body + QStringLiteral("<p>%1</p>").arg(NoClinicalNotesSentence());
}
