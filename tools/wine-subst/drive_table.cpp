// A substitution is shown through the real drive with the longest folder holding it, the lower
// letter on a tie.
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

std::vector<Substitution> list_substitutions(std::span<const Drive> drives, char system_letter) {
    std::vector<Substitution> result;
    for (const Drive& drive : drives) {
        if (!is_substitution(drives, drive, system_letter)) {
            continue;
        }
        const Drive* via = nullptr;
        for (const Drive& other : drives) {
            if (is_substitution(drives, other, system_letter) ||
                !is_within(drive.target, other.target)) {
                continue;
            }
            if (!via || other.target.size() > via->target.size() ||
                (other.target.size() == via->target.size() && other.letter < via->letter)) {
                via = &other;
            }
        }
        if (via) {
            result.push_back(
                {drive.letter, via->letter, std::string(path_below(drive.target, via->target))});
        }
    }
    std::ranges::sort(result, {}, &Substitution::letter);
    return result;
}
