// The start-up on any table file: the saved lines go through the profile functions and the
// restore; only saved mappings are made again, only their folders are made, and the table that
// is left follows the live mappings.
#include "app/main_form.h"
#include "app/subst_line.h"
#include "fakes/fake_os.h"
#include "fakes/fake_toolkit.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

using namespace kesto;

namespace {

constexpr const char* kTableFile = "C:\\Tools\\kesto.ini";

// A path as the system compares it.
std::string Compared(const std::string& path) {
    std::string compared = fakes::SystemPath(path);
    std::transform(compared.begin(), compared.end(), compared.begin(), [](unsigned char c) {
        return static_cast<char>(c < 0x80 ? std::toupper(c) : c);
    });
    return compared;
}

// The path, then the same path with each mapped drive it starts on followed.
std::vector<std::string> Followed(const std::string& path,
                                  const std::map<char, std::string>& mappings) {
    std::vector<std::string> forms = {Compared(path)};
    for (int hops = 0; hops < 26; ++hops) {
        const std::string& last = forms.back();
        const auto mapping = mappings.find(last.size() < 2 || last[1] != ':' ? '\0' : last[0]);
        if (mapping == mappings.end()) {
            break;
        }
        forms.push_back(Compared(mapping->second + last.substr(2)));
    }
    return forms;
}

// Whether `folder` is `path` or lies on the way to it; both as compared.
bool OnTheWay(const std::string& folder, const std::string& path) {
    return path == folder || path.starts_with(folder + "\\");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fakes::FakeOs os;
    fakes::FakeToolkit toolkit;
    os.AddDrive('D');
    os.AddFolder("C:\\Tools");
    os.AddFolder("D:\\Data");
    os.AddFile(kTableFile, "[KESTO]\r\n" + std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> saved;
    for (int key = 0; key < 26; ++key) {
        const std::string line =
            os.GetPrivateProfileStringW("KESTO", std::to_string(key), 1 << 17, kTableFile);
        if (app::IsMappingLine(line)) {
            saved.push_back(line);
        }
    }
    const auto before = os.Folders();

    {
        app::MainForm form(os, toolkit);
        form.Form_Load();
    }

    for (const auto& mapping : os.Mappings()) {
        FUZZ_REQUIRE(std::any_of(saved.begin(), saved.end(), [&](const std::string& line) {
            return Compared(line.substr(0, 1))[0] == mapping.first &&
                   Compared(mapping.second) == Compared(app::FolderOf(line));
        }));
    }
    for (const std::string& folder : os.Folders()) {
        if (before.count(folder) != 0) {
            continue;
        }
        FUZZ_REQUIRE(std::any_of(saved.begin(), saved.end(), [&](const std::string& line) {
            const auto forms = Followed(app::FolderOf(line), os.Mappings());
            return std::any_of(forms.begin(), forms.end(),
                               [&](const std::string& form) { return OnTheWay(folder, form); });
        }));
    }
    for (const auto& box : toolkit.messageBoxes) {
        FUZZ_REQUIRE(box.text.starts_with("无法载入保存的虚拟分区"));
    }
    // As the next start will read it.
    int key = 0;
    for (const auto& [letter, folder] : os.Mappings()) {
        FUZZ_REQUIRE(
            os.GetPrivateProfileStringW("KESTO", std::to_string(key++), 1 << 17, kTableFile) ==
            std::string(1, letter) + ":\\: => " + folder);
    }
    return 0;
}
