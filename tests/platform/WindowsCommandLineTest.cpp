#include <gtest/gtest.h>

#include <random>

#include "platform/programs/WindowsCommandLine.h"
#include "support/QtPrinting.h"

using platform::quoteWindowsArgument;
using platform::splitWindowsCommandLine;

TEST(WindowsCommandLine, SplitsByTheRuntimeRules) {
    const std::vector<std::pair<QString, QStringList>> cases = {
        {"", {}},
        {" p", {"", "p"}},
        {"p \t a\t\tb  ", {"p", "a", "b"}},
        {R"("C:\Program Files\app.exe" -x)", {R"(C:\Program Files\app.exe)", "-x"}},
        {R"("C:\dir\" x)", {R"(C:\dir\)", "x"}},
        {R"(p "a b" "" c)", {"p", "a b", "", "c"}},
        {R"(p a\\b\ c\)", {"p", R"(a\\b\)", R"(c\)"}},
        {R"(p a\"b c)", {"p", R"(a"b)", "c"}},
        {R"(p a\\"b c")", {"p", R"(a\b c)"}},
        {R"(p a\\\"b)", {"p", R"(a\"b)"}},
        {R"(p "a"b"c d" "open end)", {"p", "abc d", "open end"}},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(splitWindowsCommandLine(line), expected) << line.toStdString();
    }
}

TEST(WindowsCommandLine, QuotesOnlyWhatWouldNotSurviveAsItIs) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"-x", "-x"},        {R"(a\b\)", R"(a\b\)"},     {"", R"("")"},
        {"a b", R"("a b")"}, {R"(a\"b)", R"("a\\\"b")"}, {R"(a b\\)", R"("a b\\\\")"},
    };
    for (const auto& [argument, expected] : cases) {
        EXPECT_EQ(quoteWindowsArgument(argument), expected) << argument.toStdString();
    }
    EXPECT_EQ(platform::quoteWindowsArgumentAlways("%1"), R"("%1")");
}

TEST(WindowsCommandLine, EveryArgumentListSurvivesQuotingAndSplitting) {
    const QString alphabet = QStringLiteral("a -\t\"\\\u00e9");
    std::mt19937 random(7140);
    const auto randomArgument = [&] {
        QString argument;
        for (int length = random() % 10; length > 0; --length) {
            argument += alphabet[random() % alphabet.size()];
        }
        return argument;
    };
    for (int round = 0; round < 3000; ++round) {
        const QString program = QStringLiteral("C:\\My Tools\\app.exe");
        QStringList arguments;
        QString line = platform::quoteWindowsArgumentAlways(program);
        for (int count = 1 + random() % 4; count > 0; --count) {
            arguments << randomArgument();
            line += (random() % 2 ? " " : " \t ") + quoteWindowsArgument(arguments.last());
        }
        ASSERT_EQ(splitWindowsCommandLine(line), QStringList{program} + arguments)
            << line.toStdString();
    }
}
