// The per-product therapeutic range in the settings file. The file is opened
// on every call so that a hand edit between two reads is seen.
#include "DrugMaster.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "NumberFormat.h"

namespace {

const QString UpperKey = QStringLiteral("UPPER_LIMIT");
const QString LowerKey = QStringLiteral("LOWER_LIMIT");

// Both variants of a product share the section: the variant is not part of it.
QString RangeSection(int kubun, int drug, int product)
{
    return QStringLiteral("%1_%2_%3").arg(kubun).arg(drug).arg(product);
}

} // namespace

void ReadRangeLimits(int kubun, int drug, int product, double& upper, double& lower)
{
    double defaultUpper = 0;
    double defaultLower = 0;
    for (const TProductEntry& row : ProductTable()) {
        if (row.kubun == kubun && row.drug == drug && row.product == product) {
            defaultUpper = row.upper;
            defaultLower = row.lower;
            break;
        }
    }
    const vcl::TIniFile settings(vcl::SettingsFilePath());
    const QString section = RangeSection(kubun, drug, product);
    upper = settings.ReadFloat(section, UpperKey, defaultUpper);
    lower = settings.ReadFloat(section, LowerKey, defaultLower);
    // What the scale dialog could have stored; anything else would paint no
    // band or the whole graph as in range.
    if (!(0 <= lower && lower <= upper && upper <= RangeLimitMax)) {
        upper = defaultUpper;
        lower = defaultLower;
    }
}

bool WriteRangeLimits(int kubun, int drug, int product, double upper, double lower, vcl::TWriteFailure* failure)
{
    const QString file = vcl::SettingsFileForWriting(failure);
    if (file.isEmpty())
        return false;
    vcl::TIniFile settings(file);
    const bool written = settings.WriteStrings(RangeSection(kubun, drug, product),
                                               {{UpperKey, vcl::FloatToStr(upper)}, {LowerKey, vcl::FloatToStr(lower)}});
    if (!written && failure)
        *failure = *settings.LastFailure();
    return written;
}
