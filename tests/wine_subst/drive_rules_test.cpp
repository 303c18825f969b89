#include "drive_table.h"

#include <gtest/gtest.h>

namespace {

// A prefix as Wine makes it, with a CD-ROM added.
const std::vector<Drive> kRealDrives = {
    {'C', true, "/p/drive_c"}, {'D', false, "/media/cd"}, {'Z', true, "/"}};

std::vector<Drive> with_real_drives(std::initializer_list<Drive> mapped) {
    std::vector<Drive> drives = kRealDrives;
    drives.insert(drives.end(), mapped);
    return drives;
}

TEST(DriveTable, OnlyMappedFoldersAreSubstitutions) {
    const std::vector<Drive> drives = with_real_drives({{'X', true, "/p/drive_c/users/me"},
                                                        {'Y', true, "/tmp/work"},
                                                        {'R', true, "/"},
                                                        {'E', false, "/media/cd/disc"}});
    const auto substituted = [&](char letter) {
        return is_substitution(drives, *find_drive(drives, letter), 'C');
    };
    EXPECT_TRUE(substituted('X'));
    EXPECT_TRUE(substituted('Y'));
    EXPECT_FALSE(substituted('C')) << "drive_c lies inside Z:, yet C: is the system drive";
    EXPECT_FALSE(substituted('Z'));
    EXPECT_FALSE(substituted('R')) << "a second root is inside nothing";
    EXPECT_FALSE(substituted('D'));
    EXPECT_FALSE(substituted('E'));
}

// Through the drive each was given, while that drive holds it; else through the closest real one,
// whose folder holds it whole: drive_cc is not inside drive_c.
TEST(DriveTable, ListsInLetterOrderThroughTheGivenOrTheClosestRealDrive) {
    const std::vector<Drive> drives = with_real_drives({{'Y', true, "/p/drive_c/users/me/deep"},
                                                        {'X', true, "/p/drive_c/users/me"},
                                                        {'W', true, "/p/drive_c"},
                                                        {'V', true, "/tmp"},
                                                        {'U', true, "/p/drive_c/users/me/web", 'X'},
                                                        {'T', true, "/tmp/t", 'X'},
                                                        {'S', true, "/p/drive_c/s", 'Q'},
                                                        {'R', true, "/p/drive_c/users/me/r", 'R'},
                                                        {'P', true, "/p/drive_cc/p"}});
    std::vector<std::string> listed;
    for (const Substitution& s : list_substitutions(drives, 'C')) {
        listed.push_back(std::string{s.letter, '>', s.via, ' '} + s.below);
    }
    const std::vector<std::string> expected = {
        "P>Z p/drive_cc/p", "R>C users/me/r", "S>C s",        "T>Z tmp/t",        "U>X web",
        "V>Z tmp",          "W>C ",           "X>C users/me", "Y>C users/me/deep"};
    EXPECT_EQ(listed, expected);
}

} // namespace
