// Drive mappings made and removed from outside the program, with the same subst.exe it uses.
#pragma once

#include "test_switches.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kesto::e2e {

// How subst lists a folder the program mapped: by its path, or by its short form where the ANSI
// code page cannot spell the path.
std::string ListedForm(const std::filesystem::path& folder);

class DriveMappings {
  public:
    explicit DriveMappings(std::filesystem::path substExe) : substExe_(std::move(substExe)) {}

    // The lines of a bare `subst`, without their line ends.
    std::vector<std::string> List() const;
    void Map(char drive, const std::filesystem::path& folder) const;
    void RemoveAll() const;

  private:
    std::string Run(const std::string& arguments) const;

    std::filesystem::path substExe_;
};

} // namespace kesto::e2e
