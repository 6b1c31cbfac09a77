// The registry as Windows (here Wine) keeps it, written with reg.exe the way an installer
// or the user would, and read back through the program's own lookups.

#include <gtest/gtest.h>

#include <QProcess>
#include <map>

#include "browser/modWWW.h"
#include "platform/registry/Registry.h"
#include "support/QtPrinting.h"

namespace {

bool reg(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("reg.exe"), arguments);
    return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

const auto kRegistry = platform::makeHostRegistry(platform::HostPaths{});

}  // namespace

TEST(WindowsRegistry, ValuesOfEachTypeReadBackThroughGetRegValues) {
    const QString key = QStringLiteral(R"(HKCR\TessorinTest)");
    ASSERT_TRUE(reg({"add", key, "/v", "Text", "/t", "REG_SZ", "/d", "hello world", "/f"}));
    ASSERT_TRUE(reg({"add", key, "/v", "Number", "/t", "REG_DWORD", "/d", "42", "/f"}));
    ASSERT_TRUE(reg({"add", key, "/v", "Bytes", "/t", "REG_BINARY", "/d", "0aff", "/f"}));
    std::map<std::string, modWWW::RegValue> byName;  // the registry's own order is its own
    for (modWWW::RegValue& value :
         modWWW::GetRegValues(*kRegistry, platform::RegistryRoot::ClassesRoot, "TessorinTest")) {
        byName[value.name] = std::move(value);
    }
    reg({"delete", key, "/f"});
    ASSERT_EQ(byName.size(), 3u);
    EXPECT_EQ(std::get<std::string>(byName["Text"].data), "hello world");
    EXPECT_EQ(std::get<std::int32_t>(byName["Number"].data), 42);
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(byName["Bytes"].data),
              (std::vector<std::uint8_t>{0x0a, 0xff}));
    EXPECT_TRUE(
        modWWW::GetRegValues(*kRegistry, platform::RegistryRoot::ClassesRoot, "TessorinTest")
            .empty())
        << "a deleted key has no values";
}

// A browser registered for http, as its installer registers it: the program keeps its
// quoted path, and the rest of the command is left out.
TEST(WindowsRegistry, TheRegisteredHttpCommandGivesTheBrowserPath) {
    const QString key = QStringLiteral(R"(HKCR\http\shell\open\command)");
    const QString command =
        QStringLiteral(R"("C:\Program Files\Brick Browser\brick.exe" -url "%1")");
    ASSERT_TRUE(reg({"add", key, "/ve", "/d", command, "/f"}));
    EXPECT_EQ(modWWW::GetBrowserPath(*kRegistry),
              QStringLiteral(R"("C:\Program Files\Brick Browser\brick.exe")"));
}
