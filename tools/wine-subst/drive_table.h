// Drives as Unix folders, and the rule that tells a substitution from a real drive.
#pragma once

#include <span>
#include <string>
#include <vector>

struct Drive {
    char letter;
    bool fixed;         // a plain disk, as opposed to CD-ROMs, network and unknown drives
    std::string target; // normalized absolute Unix folder
};

// A substitution is a fixed drive, other than the system drive, whose folder lies strictly
// inside another drive's folder. Under Wine every drive is some Unix folder, so this is what
// tells a mapped folder from a real drive: Z: is "/" and inside nothing, and C: is exempt as the
// system drive even though drive_c lies inside "/".
bool is_substitution(std::span<const Drive> drives, const Drive& drive, char system_letter);

const Drive* find_drive(std::span<const Drive> drives, char letter);

struct Substitution {
    char letter;
    char via;          // the real drive whose folder holds it most closely
    std::string below; // Unix path under via's folder
};

// In letter order; each is shown through a real drive so that the answer does not depend on
// the order in which nested substitutions were made.
std::vector<Substitution> list_substitutions(std::span<const Drive> drives, char system_letter);
