// The lines a bare "subst" prints: "X:\: => C:\folder".
#pragma once

#include <string>
#include <vector>

namespace kesto::app {

// The lines of a listing: the text split at every CR LF, the piece after the last one dropped
// (so a text without any CR LF gives nothing). Empty lines are kept.
std::vector<std::string> SplitListing(const std::string& listing);

// "X:" of "X:\: => C:\folder"
std::string DriveOf(const std::string& line);
// "C:\folder" of "X:\: => C:\folder": the line from its ninth character
std::string FolderOf(const std::string& line);

// Whether `line` maps a drive letter onto a full path on a lettered drive: "X:\: => C:\folder".
// Folders given any other way would be taken relative to wherever the program was started.
bool IsMappingLine(const std::string& line);

// Whether two drives ("X:", "x:") are one: letters compare in either case.
bool SameDrive(const std::string& one, const std::string& other);

// The saved lines in the order the restore tries them: key order, but a line whose folder lies on
// a drive that another of the lines makes comes after that line. Where every line left waits for
// another, lines make a ring: the one of the ring met first from the first line goes next. Drive
// letters compare in either case.
std::vector<std::string> RestoreOrder(std::vector<std::string> lines);

// Whether some line of the listing (`selected` included) maps a folder that lies on the drive
// of `selected`: such a drive cannot be removed first. Letters compare exactly.
bool CarriesAnotherMapping(const std::vector<std::string>& items, const std::string& selected);

} // namespace kesto::app
