#include "arguments.h"
#include "command_line.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::wstring>;

TEST(CommandLine, FollowsTheRuntimeQuotingRules) {
    EXPECT_EQ(split_command_line(L"subst"), Args{});
    EXPECT_EQ(split_command_line(L"\"C:\\a b\\subst.exe\"  x:\t/d "), (Args{L"x:", L"/d"}));
    EXPECT_EQ(split_command_line(L"\"C:\\tools\\\" X:"), Args{L"X:"});
    EXPECT_EQ(split_command_line(L"subst X: \"D:\\My Data\\\\\""), (Args{L"X:", L"D:\\My Data\\"}));
    EXPECT_EQ(split_command_line(L"subst a\\\\b \"\" c\\\"d e\\\\\\\\\"f g\""),
              (Args{L"a\\\\b", L"", L"c\"d", L"e\\\\f g"}));
    EXPECT_EQ(split_command_line(L"subst \"say \"\"hi\"\"\" x\"y z\""),
              (Args{L"say \"hi\"", L"xy z"}));
}

TEST(Arguments, NamesTheArgumentItRejects) {
    const std::pair<Args, std::wstring> cases[] = {
        {{L"X:"}, L"X:"},
        {{L"XY:", L"C:\\"}, L"XY:"},
        {{L"X", L"C:\\"}, L"X"},
        {{L"1:", L"/d"}, L"1:"},
        {{L"/d", L"X:"}, L"/d"},
        {{L"X:", L""}, L""},
        {{L"X:", L"C:\\", L"more"}, L"more"},
    };
    for (const auto& [args, rejected] : cases) {
        const Command command = parse_arguments(args);
        ASSERT_TRUE(std::holds_alternative<BadArgument>(command)) << args[0];
        EXPECT_EQ(std::get<BadArgument>(command).argument, rejected) << args[0];
    }
}

} // namespace
