#include "toolkit/internal/RVADM_QtResourceSource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using qRVADM::internal::RVADM_QtResourceSource;

namespace {

const RVADM_QtResourceSource& PluginResources()
{
    static const RVADM_QtResourceSource source(QStringLiteral(":/hueline"));
    return source;
}

} // namespace

TEST(QtResourceSource, FindsNamedResourcesWithoutRegardToCaseAndNothingElse)
{
    const QByteArray exact = PluginResources().FindByName("png", QStringLiteral("HL_Led_Green"));
    ASSERT_FALSE(exact.isEmpty());
    EXPECT_TRUE(exact.startsWith("\x89PNG"));
    EXPECT_EQ(PluginResources().FindByName("PNG", QStringLiteral("hl_led_green_AT_2X")).isEmpty(), false);
    EXPECT_EQ(PluginResources().FindByName("Png", QStringLiteral("hl_led_green")), exact);
    EXPECT_FALSE(PluginResources().FindByName("txt", QStringLiteral("IDToFile")).isEmpty());
    EXPECT_TRUE(PluginResources().FindByName("png", QStringLiteral("no_such_picture")).isEmpty());
    EXPECT_TRUE(PluginResources().FindByName("xml", QStringLiteral("HL_Led_Green")).isEmpty());
    EXPECT_TRUE(PluginResources().FindById("PNGI", 17209).isEmpty());
}

TEST(QtResourceSource, HostileNamesNameNothing)
{
    const QString names[] = {
        QString(), QStringLiteral(".."), QStringLiteral("."), QStringLiteral("../TXT/IDTOFILE"),
        QStringLiteral("PNG/HL_LED_GREEN"), QStringLiteral("HL_Led_Green\n"), QString(300, QLatin1Char('a')),
        QStringLiteral("HL_Led_Green%00"), QString::fromUtf8("HL_Led_Gr\xc3\xa9\x65n"),
    };
    for (const QString& name : names)
        EXPECT_TRUE(PluginResources().FindByName("png", name).isEmpty()) << name.toStdString();
    EXPECT_TRUE(PluginResources().FindByName("../hueline/PNG", QStringLiteral("HL_Led_Green")).isEmpty());
}

TEST(QtResourceSource, FindsNumberedResourcesUnderTheirType)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("PNGI")));
    QFile file(root.filePath(QStringLiteral("PNGI/17100")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("data");
    file.close();

    const RVADM_QtResourceSource source(root.path());
    EXPECT_EQ(source.FindById("pngi", 17100), QByteArray("data"));
    EXPECT_TRUE(source.FindById("PNGI", 17101).isEmpty());
    EXPECT_TRUE(source.FindById("PNGI", -17100).isEmpty());
}
