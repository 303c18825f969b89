// A substitution is shown through the drive it was given, or the real drive with the longest
// folder holding it.
#include "drive_table.h"

#include "unix_path.h"

#include <algorithm>

bool is_substitution(std::span<const Drive> drives, const Drive& drive, char system_letter) {
    if (!drive.fixed || drive.letter == system_letter) {
        return false;
    }
    return std::ranges::any_of(drives, [&](const Drive& other) {
        return other.letter != drive.letter && is_strictly_below(drive.target, other.target);
    });
}

const Drive* find_drive(std::span<const Drive> drives, char letter) {
    const auto found = std::ranges::find(drives, letter, &Drive::letter);
    return found == drives.end() ? nullptr : &*found;
}

namespace {

// The drive of the path `drive` was mapped to, while its folder still holds it.
const Drive* given_drive(std::span<const Drive> drives, const Drive& drive) {
    const Drive* given = find_drive(drives, drive.given);
    return given && given != &drive && is_within(drive.target, given->target) ? given : nullptr;
}

const Drive* closest_real_drive(std::span<const Drive> drives, const Drive& drive,
                                char system_letter) {
    const Drive* closest = nullptr;
    for (const Drive& other : drives) {
        if (is_substitution(drives, other, system_letter) ||
            !is_within(drive.target, other.target)) {
            continue;
        }
        if (!closest || other.target.size() > closest->target.size() ||
            (other.target.size() == closest->target.size() && other.letter < closest->letter)) {
            closest = &other;
        }
    }
    return closest;
}

} // namespace

std::vector<Substitution> list_substitutions(std::span<const Drive> drives, char system_letter) {
    std::vector<Substitution> result;
    for (const Drive& drive : drives) {
        if (!is_substitution(drives, drive, system_letter)) {
            continue;
        }
        const Drive* via = given_drive(drives, drive);
        if (!via) {
            via = closest_real_drive(drives, drive, system_letter);
        }
        if (via) {
            result.push_back(
                {drive.letter, via->letter, std::string(path_below(drive.target, via->target))});
        }
    }
    std::ranges::sort(result, {}, &Substitution::letter);
    return result;
}
