#include <gtest/gtest.h>

#include "browser/modWWW.h"
#include "support/Doubles.h"
#include "support/QtPrinting.h"

using modWWW::GetBrowserPath;
using modWWW::GetRegValues;
using platform::RegistryRoot;
using platform::RegistryValue;
using Bytes = std::vector<std::uint8_t>;
using namespace std::literals;

namespace {

constexpr char kCommandKey[] = R"(http\shell\open\command)";

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

RegistryValue text(std::string name, std::string_view data) {
    Bytes bytes = bytesOf(data);
    bytes.push_back(0);
    return {std::move(name), platform::kRegSz, bytes};
}

}  // namespace

TEST(GetRegValues, TypesEachValueByItsRegistryType) {
    testing_doubles::FakeRegistry registry;
    registry.keys["types"] = {text("Path", "C:\\b.exe"),
                              {"Count", platform::kRegDword, {0xfe, 0xff, 0xff, 0xff}},
                              {"Blob", 3, {0, 1, 0, 2}},
                              {"Unterminated", platform::kRegSz, bytesOf("abc")}};
    const auto values = GetRegValues(registry, RegistryRoot::ClassesRoot, "Types");
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[0].name, "Path");
    EXPECT_EQ(std::get<std::string>(values[0].data), "C:\\b.exe");
    EXPECT_EQ(std::get<std::int32_t>(values[1].data), -2);
    EXPECT_EQ(std::get<Bytes>(values[2].data), Bytes({0, 1, 0, 2}));
    EXPECT_EQ(std::get<std::string>(values[3].data), "abc");
}

TEST(GetRegValues, StopsAtTheFirstValueThatDoesNotFitItsBuffers) {
    testing_doubles::FakeRegistry registry;
    registry.keys["names"] = {text(std::string(259, 'n'), ""), text(std::string(260, 'n'), ""),
                              text("after", "")};
    registry.keys["data"] = {{"", 3, Bytes(4096)}, {"", 3, Bytes(4097)}, text("after", "")};
    EXPECT_EQ(GetRegValues(registry, RegistryRoot::ClassesRoot, "names").size(), 1u);
    EXPECT_EQ(GetRegValues(registry, RegistryRoot::ClassesRoot, "data").size(), 1u);
}

TEST(GetBrowserPath, CutsTheQuotedProgramPathOutOfTheCommand) {
    const std::vector<std::pair<std::string, QString>> cases = {
        {R"("/usr/bin/b" --new-window "%1")", R"("/usr/bin/b")"},
        {R"("C:\Program Files\B\b.exe" -- "%1")", R"("C:\Program Files\B\b.exe")"},
        {R"(/usr/bin/b "%1")", R"(/usr/bin/b ")"},
        {R"("")", R"("")"},
        {"/usr/bin/b %1", ""},
        {"\"", ""},
        {"", ""},
    };
    testing_doubles::FakeRegistry registry;
    for (const auto& [command, expected] : cases) {
        registry.setBrowserCommand(command);
        EXPECT_EQ(GetBrowserPath(registry), expected) << command;
    }
}

TEST(GetBrowserPath, UsesTheFirstListedValueWhateverItsNameOrType) {
    testing_doubles::FakeRegistry registry;
    registry.keys[kCommandKey] = {text("Other", R"("/opt/first" %1)"), text("", R"("/usr/bin/b")")};
    EXPECT_EQ(GetBrowserPath(registry), R"("/opt/first")");
    registry.keys[kCommandKey] = {
        {"", platform::kRegExpandSz, bytesOf("\"%ProgramFiles%\\b.exe\" \"%1\"\0\"junk\""sv)}};
    EXPECT_EQ(GetBrowserPath(registry), R"("%ProgramFiles%\b.exe")");
    registry.keys[kCommandKey] = {{"", platform::kRegDword, {1, 0, 0, 0}}};
    EXPECT_EQ(GetBrowserPath(registry), "");
}

TEST(GetBrowserPath, InvalidWithoutAReadableFirstValue) {
    testing_doubles::FakeRegistry registry;
    EXPECT_EQ(GetBrowserPath(registry), "Invalid");
    registry.keys[kCommandKey] = {};
    EXPECT_EQ(GetBrowserPath(registry), "Invalid");
    registry.keys[kCommandKey] = {{"", 3, Bytes(5000)}, text("", R"("/usr/bin/b")")};
    EXPECT_EQ(GetBrowserPath(registry), "Invalid");
}
