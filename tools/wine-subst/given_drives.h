// Which drive each mapping was given its folder through, kept in the prefix's registry: the mount
// manager keeps only the Unix folder, and the system's subst lists a mapping by the path it was
// given.
#pragma once

#include <optional>
#include <string>

void remember_given_drive(char letter, char given, const std::string& unix_folder);
// The drive letter's mapping was given through, while the letter still maps unix_folder.
std::optional<char> given_drive(char letter, const std::string& unix_folder);
void forget_given_drive(char letter);
