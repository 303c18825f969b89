#include "drive_table.h"

#include <gtest/gtest.h>

namespace {

// A prefix as Wine makes it, with a CD-ROM added, and drives mapped on it. Only the mapped fixed
// folders are substitutions: not C:, the system drive, though drive_c lies inside Z:; not a second
// root (O:), which is inside nothing; not the CD-ROM, nor a folder on it mapped (E:). They are
// listed through the drive each was given, while that drive holds it; else through the closest
// real one (of two alike, the first), whose folder holds it whole: drive_cc is not in drive_c.
TEST(DriveTable, ListsOnlyMappedFoldersInLetterOrderThroughTheGivenOrTheClosestRealDrive) {
    const std::vector<Drive> drives = {{'C', true, "/p/drive_c"},
                                       {'D', false, "/media/cd"},
                                       {'Z', true, "/"},
                                       {'Y', true, "/p/drive_c/users/me/deep"},
                                       {'X', true, "/p/drive_c/users/me"},
                                       {'W', true, "/p/drive_c"},
                                       {'V', true, "/tmp"},
                                       {'U', true, "/p/drive_c/users/me/web", 'X'},
                                       {'T', true, "/tmp/t", 'X'},
                                       {'S', true, "/p/drive_c/s", 'Q'},
                                       {'R', true, "/p/drive_c/users/me/r", 'R'},
                                       {'P', true, "/p/drive_cc/p"},
                                       {'O', true, "/"},
                                       {'E', false, "/media/cd/disc"}};
    std::vector<std::string> listed;
    for (const Substitution& s : list_substitutions(drives, 'C')) {
        listed.push_back(std::string{s.letter, '>', s.via, ' '} + s.below);
    }
    const std::vector<std::string> expected = {
        "P>O p/drive_cc/p", "R>C users/me/r", "S>C s",        "T>O tmp/t",        "U>X web",
        "V>O tmp",          "W>C ",           "X>C users/me", "Y>C users/me/deep"};
    EXPECT_EQ(listed, expected);
}

} // namespace
