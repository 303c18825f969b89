// The subst beside the program on what the program never asks of it, which the system's subst
// answers all the same. Mapping, listing and removing the other cases prove through the program.
#include "kesto_test.h"

#include <utility>

namespace kesto::e2e {

namespace {

using uidriver::Utf8Path;

using SubstExe = KestoTest;

TEST_F(SubstExe, RefusesWhatTheSystemsSubstRefusesAndLeavesRealDrivesAlone) {
    const std::string folder = Utf8Path(Folder());
    const std::string quoted = uidriver::QuotedPath(Folder());
    Mappings().Map('X', Folder());
    const std::pair<std::string, std::string> refusals[] = {
        {"X: " + quoted, "Drive already SUBSTed"},
        {"Y: " + uidriver::QuotedPath(Folder() / L"missing"),
         "Path not found - " + folder + "\\missing"},
        {"C: /d", "Invalid parameter - C:"},
        {"Z: /d", "Invalid parameter - Z:"},
        {"C: " + quoted, "Invalid parameter - C:"},
    };
    for (const auto& [arguments, said] : refusals) {
        const uidriver::CommandOutput result = Mappings().Run(arguments);
        EXPECT_EQ(result.output, said + "\r\n") << arguments;
        EXPECT_EQ(result.exitCode, 1u) << arguments;
    }
    EXPECT_EQ(Mappings().List(), std::vector{Line("X:", folder)});
    EXPECT_EQ(GetDriveTypeA("C:\\"), static_cast<UINT>(DRIVE_FIXED));
    EXPECT_TRUE(fs::is_directory("C:\\windows"));
}

TEST_F(SubstExe, TakesQuotedAndRelativeFoldersAndRemovesAMappingWhoseFolderIsGone) {
    const std::string spaced = Utf8Path(NewFolder(L"My Data"));
    const fs::path gone = NewFolder(L"sub");
    // The doubled backslash keeps the closing quote from being escaped.
    EXPECT_EQ(Mappings().Run("X: \"" + spaced + "\\\\\"").output, "");
    // Relative to where subst was started: the test's folder.
    EXPECT_EQ(Mappings().Run("Y: sub").output, "");
    EXPECT_EQ(Mappings().List(), (std::vector{Line("X:", spaced), Line("Y:", Utf8Path(gone))}));
    fs::remove_all(gone);
    EXPECT_EQ(Mappings().Run("Y: /d").output, "");
    EXPECT_EQ(Mappings().List(), std::vector{Line("X:", spaced)});
}

} // namespace

} // namespace kesto::e2e
