#include "Cp932.h"
#include "DrugMaster.h"
#include "TestSeams.h"
#include "uDataBase.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace {

QStringList Utf8List(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

QString ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// The texts go into fixed 64-byte fields of the report and the grids.
TEST(DrugMasterTables, EveryTextFitsItsFieldInCp932)
{
    auto fits = [](const char* text) {
        const QString s = QString::fromUtf8(text);
        return !s.isEmpty() && vcl::IsCp932Encodable(s) && vcl::Cp932Length(s) <= 63;
    };
    for (const auto& row : DrugCategoryTable())
        EXPECT_TRUE(fits(row.name)) << row.name;
    for (const auto& row : DrugTable())
        EXPECT_TRUE(fits(row.name)) << row.name;
    for (const auto& row : ProductTable()) {
        EXPECT_TRUE(fits(row.name)) << row.name;
        EXPECT_TRUE(fits(row.modelName)) << row.modelName;
    }
    for (const auto& row : SourceTable())
        EXPECT_TRUE(fits(row.label)) << row.label;
}

// The drug key is a list position + 1, so the tables must be dense and each
// product must carry one dose form; the source numbers are positions too.
TEST(DrugMasterTables, KeysAreDenseAndConsistent)
{
    int expectedId = 1;
    for (const auto& row : DrugCategoryTable())
        EXPECT_EQ(row.id, expectedId++);

    std::set<std::tuple<int, int>> drugs;
    std::map<int, int> drugsPerCategory;
    for (const auto& row : DrugTable()) {
        EXPECT_EQ(row.yakuzainame_id, ++drugsPerCategory[row.kubun_id]) << row.name;
        drugs.insert({row.kubun_id, row.yakuzainame_id});
    }
    EXPECT_EQ(drugsPerCategory.size(), DrugCategoryTable().size());

    std::set<std::tuple<int, int, int, int>> products;
    for (const auto& row : ProductTable()) {
        EXPECT_TRUE(drugs.count({row.kubun, row.drug})) << row.name;
        EXPECT_EQ(std::count(row.doseForms.begin(), row.doseForms.end(), 1), 1) << row.name;
        EXPECT_GE(row.upper, row.lower) << row.name;
        EXPECT_TRUE(products.insert({row.kubun, row.drug, row.product, row.variant}).second) << row.name;
    }

    for (const auto& row : SourceTable()) {
        EXPECT_TRUE(products.count({row.kubun, row.drug, row.product, row.variant})) << row.label;
        int position = 0;
        for (const auto& other : SourceTable()) {
            if (&other > &row)
                break;
            if (other.kubun == row.kubun && other.drug == row.drug && other.product == row.product
                && other.variant == row.variant)
                ++position;
        }
        EXPECT_EQ(row.syutten_id, position) << row.label;
    }
}

TEST(DrugMasterLists, CategoryDrugAndProductListsClearAndFillInTableOrder)
{
    QStringList list{"stale"};
    EXPECT_EQ(FillCategoryList(list), 9);
    EXPECT_EQ(list.first(), QString::fromUtf8("ジギタリス製剤"));
    EXPECT_EQ(list.last(), QString::fromUtf8("抗がん剤"));

    EXPECT_EQ(FillDrugList(list, 2), 2);
    EXPECT_EQ(list, Utf8List({"テオフィリン", "アミノフィリン"}));
    EXPECT_EQ(FillDrugList(list, 3), 8);
    EXPECT_EQ(list[6], QString::fromUtf8("レベチラセタム"));

    // Both vancomycin models are one product in the list.
    EXPECT_EQ(FillProductList(list, 5, 1), 1);
    EXPECT_EQ(list, Utf8List({"バンコマイシン塩酸塩点滴静注用"}));
    EXPECT_EQ(FillProductList(list, 3, 2), 6);
    EXPECT_EQ(FillProductList(list, 1, 1), 4);
    EXPECT_EQ(list[1], QString::fromUtf8("ジゴキシン錠"));

    // A key without a row is no error: an empty list.
    EXPECT_EQ(FillDrugList(list, 10), 0);
    EXPECT_TRUE(list.isEmpty());
    list = QStringList{"stale"};
    EXPECT_EQ(FillProductList(list, 3, 9), 0);
    EXPECT_TRUE(list.isEmpty());
}

TEST(DrugMasterLists, ModelListAppendsOnePerVariantWithoutClearing)
{
    QStringList list;
    EXPECT_EQ(FillModelList(list, 5, 1, 1), 2);
    EXPECT_EQ(list, Utf8List({"点滴-1コンパートメント", "点滴-2コンパートメント"}));
    // Callers clear it themselves; a second call doubles the items.
    EXPECT_EQ(FillModelList(list, 5, 1, 1), 4);
    EXPECT_EQ(list[2], QString::fromUtf8("点滴-1コンパートメント"));

    QStringList single;
    EXPECT_EQ(FillModelList(single, 3, 1, 1), 1);
    EXPECT_EQ(single, Utf8List({"経口-1コンパートメント(MM消失)"}));
    EXPECT_EQ(FillModelList(single, 9, 9, 9), 1);
}

TEST(DrugMasterLists, SourceListFollowsProductAndVariant)
{
    QStringList list{"stale"};
    EXPECT_EQ(FillSourceList(list, 5, 1, 1, 1), 1);
    EXPECT_EQ(list, Utf8List({"Vancomycin-A"}));
    EXPECT_EQ(FillSourceList(list, 5, 1, 1, 2), 1);
    EXPECT_EQ(list, Utf8List({"Vancomycin-B"}));

    EXPECT_EQ(FillSourceList(list, 3, 7, 1, 1), 2);
    EXPECT_EQ(list, Utf8List({"Levetiracetam-A", "Levetiracetam-B"}));
    EXPECT_EQ(FillSourceList(list, 9, 1, 1, 1), 2);
    EXPECT_EQ(FillSourceList(list, 3, 8, 1, 1), 1);
    EXPECT_EQ(list, Utf8List({"(研究用)Lamotrigine-A"}));

    // The theophylline table is kept as listed: 2/1/3 has "Theophylline-B",
    // 2/1/4 has no source at all, and neither has primidone.
    EXPECT_EQ(FillSourceList(list, 2, 1, 3, 1), 1);
    EXPECT_EQ(list, Utf8List({"Theophylline-B"}));
    EXPECT_EQ(FillSourceList(list, 2, 1, 4, 1), 0);
    EXPECT_TRUE(list.isEmpty());
    list = QStringList{"stale"};
    EXPECT_EQ(FillSourceList(list, 3, 3, 1, 1), 0);
    EXPECT_TRUE(list.isEmpty());
    // Only 5/1/1 has a variant 2.
    EXPECT_EQ(FillSourceList(list, 5, 2, 1, 2), 0);
}

TEST(DrugMasterLookups, DoseFormAndModelNameTakeTheFirstRow)
{
    EXPECT_EQ(ProductDoseForm(3, 2, 5), DoseFormInjection);
    EXPECT_EQ(ProductDoseForm(3, 2, 6), DoseFormInfusion);
    EXPECT_EQ(ProductDoseForm(1, 1, 1), DoseFormPowder);
    EXPECT_EQ(ProductDoseForm(2, 1, 2), DoseFormLiquid);
    EXPECT_EQ(ProductDoseForm(6, 1, 1), DoseFormTablet);
    EXPECT_EQ(ProductDoseForm(0, 0, 0), DoseFormNone);
    EXPECT_EQ(ProductDoseForm(3, 2, 7), DoseFormNone);

    EXPECT_EQ(ProductModelName(5, 1, 1), QString::fromUtf8("点滴-1コンパートメント"));
    EXPECT_EQ(ProductModelName(2, 1, 3), QString::fromUtf8("経口-1コンパートメント(0次吸収)"));
    EXPECT_EQ(ProductModelName(3, 2, 5), QString::fromUtf8("筋注-1コンパートメント"));
    EXPECT_TRUE(ProductModelName(4, 2, 1).isEmpty());
}

class RangeLimitsTest : public ::testing::Test {
protected:
    testing_seams::TempBaseDir base;
    QString settingsPath = vcl::SettingsFilePath();
};

TEST_F(RangeLimitsTest, WithoutSettingsTheProductRowGivesTheRange)
{
    ASSERT_FALSE(QFile::exists(settingsPath));
    double upper = -1, lower = -1;
    ReadRangeLimits(6, 1, 1, upper, lower);
    EXPECT_EQ(upper, 1.2);
    EXPECT_EQ(lower, 0.3);
    ReadRangeLimits(3, 8, 1, upper, lower);
    EXPECT_EQ(upper, 15.0);
    EXPECT_EQ(lower, 2.5);
    ReadRangeLimits(8, 1, 1, upper, lower);
    EXPECT_EQ(upper, 0.0);
    EXPECT_EQ(lower, 0.0);
    ReadRangeLimits(9, 1, 1, upper, lower);
    EXPECT_EQ(upper, 0.0);
    EXPECT_EQ(lower, 0.0);
    ReadRangeLimits(4, 4, 4, upper, lower);
    EXPECT_EQ(upper, 0.0);
    EXPECT_EQ(lower, 0.0);
    EXPECT_FALSE(QFile::exists(settingsPath)) << "reading creates no file";
}

TEST_F(RangeLimitsTest, BothVancomycinModelsShareOneWrittenRange)
{
    TDataModule1 module;
    ASSERT_EQ(module.WriteRangeLimits(5, 1, 1, 17.5, 7.25), 0);
    EXPECT_TRUE(module.LastError().isEmpty());

    const QString text = ReadAll(settingsPath);
    EXPECT_TRUE(text.contains(QStringLiteral("[5_1_1]")));
    EXPECT_LT(text.indexOf(QStringLiteral("UPPER_LIMIT=17.5")), text.indexOf(QStringLiteral("LOWER_LIMIT=7.25")));
    EXPECT_EQ(text.count(QLatin1Char('[')), 1) << "the variant is not part of the section";

    // The drug page reads the range of 5/1/1 whichever model is chosen.
    double upper = 0, lower = 0;
    module.ReadRangeLimits(5, 1, 1, upper, lower);
    EXPECT_EQ(upper, 17.5);
    EXPECT_EQ(lower, 7.25);
    // Other products keep their defaults.
    ReadRangeLimits(5, 2, 1, upper, lower);
    EXPECT_EQ(upper, 30.0);
    EXPECT_EQ(lower, 15.0);

    // A second write replaces the values in place.
    ASSERT_TRUE(WriteRangeLimits(5, 1, 1, 20, 0.1));
    ReadRangeLimits(5, 1, 1, upper, lower);
    EXPECT_EQ(upper, 20.0);
    EXPECT_EQ(lower, 0.1);
    EXPECT_EQ(ReadAll(settingsPath).count(QStringLiteral("UPPER_LIMIT")), 1);
}

TEST_F(RangeLimitsTest, HandEditedFileKeepsItsLinesAndBadValuesFallBack)
{
    WriteAll(settingsPath,
             "; settings kept by hand\r\n"
             "[DEBUG]\r\n"
             "CSV_Path=C:\\Data\\tdm\r\n"
             "CSV_RANGE=180\r\n"
             "\r\n"
             "[6_1_1]\r\n"
             "; lithium, reviewed\r\n"
             "upper_limit=abc\r\n"
             "LOWER_LIMIT= 0.4 \r\n");

    double upper = 0, lower = 0;
    ReadRangeLimits(6, 1, 1, upper, lower);
    EXPECT_EQ(upper, 1.2) << "a non-numeric value falls back to the product's default";
    EXPECT_EQ(lower, 0.4);

    ASSERT_TRUE(WriteRangeLimits(6, 1, 1, 1.0, 0.5));
    ReadRangeLimits(6, 1, 1, upper, lower);
    EXPECT_EQ(upper, 1.0);
    EXPECT_EQ(lower, 0.5);

    const QString text = ReadAll(settingsPath);
    EXPECT_TRUE(text.startsWith(QStringLiteral("; settings kept by hand\r\n[DEBUG]\r\nCSV_Path=C:\\Data\\tdm\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("; lithium, reviewed\r\nupper_limit=1\r\nLOWER_LIMIT=0.5\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("CSV_RANGE=180\r\n")));
}

// A range the scale dialog could not have stored would paint no band or the
// whole graph as in range: the product's own range is taken instead.
TEST_F(RangeLimitsTest, AStoredRangeTheScaleCouldNotConfirmGivesTheProductsRange)
{
    struct Case {
        const char* upper;
        const char* lower;
        double wantUpper, wantLower;   // lithium's own range is 1.2 .. 0.3
    };
    const Case cases[] = {
        {"1.5", "0.5", 1.5, 0.5},     {"0.8", "0.8", 0.8, 0.8},   {"0", "0", 0, 0},           {"10000", "0", 10000, 0},
        {"0.5", "1.5", 1.2, 0.3},     {"1.5", "-0.5", 1.2, 0.3},  {"-1", "-2", 1.2, 0.3},     {"10000.5", "0.5", 1.2, 0.3},
        {"1e300", "0.5", 1.2, 0.3},   {"inf", "0.5", 1.2, 0.5},   {"abc", "1.5", 1.2, 0.3},   // not a number: its default
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.upper << " .. " << c.lower);
        WriteAll(settingsPath, QByteArray("[6_1_1]\r\nUPPER_LIMIT=") + c.upper + "\r\nLOWER_LIMIT=" + c.lower + "\r\n");
        double upper = -1, lower = -1;
        ReadRangeLimits(6, 1, 1, upper, lower);
        EXPECT_EQ(upper, c.wantUpper);
        EXPECT_EQ(lower, c.wantLower);
    }
}

TEST_F(RangeLimitsTest, FailedWriteIsReportedToTheCaller)
{
    // A folder where the settings file should be cannot be written.
    ASSERT_TRUE(QDir().mkpath(settingsPath));
    TDataModule1 module;
    EXPECT_EQ(module.WriteRangeLimits(6, 1, 1, 1.0, 0.5), -1);
    EXPECT_FALSE(module.LastError().isEmpty());

    vcl::TWriteFailure failure;
    EXPECT_FALSE(WriteRangeLimits(6, 1, 1, 1.0, 0.5, &failure));
    EXPECT_FALSE(failure.Reason.isEmpty());

    double upper = 0, lower = 0;
    ReadRangeLimits(6, 1, 1, upper, lower);
    EXPECT_EQ(upper, 1.2);
    EXPECT_EQ(lower, 0.3);
}

// Installed where it cannot write, the program keeps reading the settings
// placed beside it; its first change starts the per-user file from them, and
// that file stays the settings file once the folder takes files again.
TEST_F(RangeLimitsTest, AReadOnlyProgramFolderReadsTheFileBesideItUntilTheFirstWriteThenThePerUserFile)
{
    const QByteArray beside = "[6_1_1]\r\nUPPER_LIMIT=2.5\r\n[DEBUG]\r\nCSV_RANGE=90\r\n";
    WriteAll(settingsPath, beside);
    ASSERT_TRUE(testing_seams::SetWriteProtection(base.Path(), testing_seams::Protection::ReadOnly));
    double upper = 0, lower = 0;
    QString perUser;
    {
        testing_seams::FilePermissionsEnforced enforced;
        ReadRangeLimits(6, 1, 1, upper, lower);
        EXPECT_EQ(upper, 2.5);
        EXPECT_EQ(lower, 0.3);

        TDataModule1 module;
        EXPECT_EQ(module.WriteRangeLimits(5, 1, 1, 17.5, 7.25), 0) << module.LastError().toStdString();
        perUser = vcl::SettingsFilePath();
        EXPECT_TRUE(perUser.startsWith(base.ConfigPath() + QLatin1Char('/'))) << perUser.toStdString();
        EXPECT_EQ(vcl::SettingsFileForWriting(), perUser);
        ReadRangeLimits(5, 1, 1, upper, lower);
        EXPECT_EQ(upper, 17.5);
        ReadRangeLimits(6, 1, 1, upper, lower);
        EXPECT_EQ(upper, 2.5) << "carried over from the file beside the program";
        EXPECT_TRUE(ReadAll(perUser).contains(QStringLiteral("[DEBUG]\r\nCSV_RANGE=90\r\n")));
    }
    ASSERT_TRUE(testing_seams::SetWriteProtection(base.Path(), testing_seams::Protection::Writable));
    ReadRangeLimits(5, 1, 1, upper, lower);
    EXPECT_EQ(upper, 17.5) << "the confirmed range is read at every later start";
    EXPECT_EQ(lower, 7.25);
    ASSERT_TRUE(WriteRangeLimits(6, 1, 1, 1.5, 0.5));
    EXPECT_TRUE(ReadAll(perUser).contains(QStringLiteral("[6_1_1]\r\nUPPER_LIMIT=1.5\r\n")));
    EXPECT_EQ(ReadAll(settingsPath), QString::fromLatin1(beside));
}
