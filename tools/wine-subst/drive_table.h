// Drives as Unix folders, and the rule that tells a substitution from a real drive.
#pragma once

#include <span>
#include <string>
#include <vector>

struct Drive {
    char letter;
    bool fixed;         // a plain disk, as opposed to CD-ROMs, network and unknown drives
    std::string target; // normalized absolute Unix folder
    char given = 0;     // the drive of the path this one was mapped to, where known
};

// A substitution is a fixed drive, other than the system drive, whose folder lies strictly
// inside another drive's folder. Under Wine every drive is some Unix folder, so this is what
// tells a mapped folder from a real drive: Z: is "/" and inside nothing, and C: is exempt as the
// system drive even though drive_c lies inside "/".
bool is_substitution(std::span<const Drive> drives, const Drive& drive, char system_letter);

const Drive* find_drive(std::span<const Drive> drives, char letter);

struct Substitution {
    char letter;
    char via;          // the drive of the path it was given, else the real drive closest to it
    std::string below; // Unix path under via's folder
};

// In letter order. Each is shown through the drive of the path it was given while that drive
// still holds it, as the system's subst lists a mapping made on another by the path it was given;
// otherwise through the real drive whose folder holds it most closely, the lower letter on a tie.
std::vector<Substitution> list_substitutions(std::span<const Drive> drives, char system_letter);
