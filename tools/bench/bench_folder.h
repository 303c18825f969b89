// The program in a scratch folder of its own, so that its kesto.ini is the bench's, with one
// real folder for each drive letter the bench maps.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kesto::bench {

class BenchFolder {
  public:
    // Copies kesto.exe and subst.exe from runFolder; letters are those free in this prefix.
    BenchFolder(const std::filesystem::path& runFolder, std::filesystem::path scratch,
                std::vector<char> letters);
    // Takes away every mapping of the bench's letters and the folder itself.
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::vector<char>& Letters() const { return letters_; }
    std::filesystem::path Program() const { return program_ / L"kesto.exe"; }
    std::filesystem::path ProgramFolder() const { return program_; }

    // The command lines the program makes, subst named by its full path.
    std::string MapCommand(char letter) const;
    std::string RemoveCommand(char letter) const;
    std::string ListingCommand() const;
    // What a user types into the folder field for that letter.
    std::string PartFolder(char letter) const;

    // kesto.ini as the program leaves it with every letter mapped.
    void WriteFullTable() const;
    void RemoveTable() const;
    void RemoveMappings() const;

  private:
    std::string SubstPath() const;
    std::filesystem::path PartPath(char letter) const;

    std::filesystem::path scratch_;
    std::filesystem::path program_;
    std::vector<char> letters_;
};

} // namespace kesto::bench
