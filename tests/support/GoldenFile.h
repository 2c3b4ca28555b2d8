#pragma once
// A listing that a person checks once by hand, kept in a test folder's
// golden/: the listing must match the file line for line. With
// QUORVEL_UPDATE_GOLDEN=1 the file is rewritten first; review the difference
// before committing it.
#include <QFile>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

inline void ExpectMatchesGoldenFile(const QString& path, const QStringList& lines)
{
    const QString listing = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (qEnvironmentVariableIsSet("QUORVEL_UPDATE_GOLDEN")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        out.write(listing.toUtf8());
    }
    QFile golden(path);
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(listing.toStdString(), QString::fromUtf8(golden.readAll()).toStdString())
        << "rerun with QUORVEL_UPDATE_GOLDEN=1 and check the difference by hand";
}
