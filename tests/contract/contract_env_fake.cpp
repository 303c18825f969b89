#include "contract/child_output.h"
#include "contract/contract_env.h"
#include "contract/handle_counting.h"
#include "fakes/code_page.h"
#include "fakes/fake_os.h"

namespace kesto::contract {

namespace {
using CountedFake = HandleCounting<fakes::FakeOs>;

CountedFake& Fake() {
    static CountedFake os = [] {
        CountedFake fake(static_cast<int>(ExpectedAnsiCodePage()));
        fake.RegisterProgram("contract-console", [](const std::vector<std::string>&) {
            const auto& self = static_cast<const fakes::FakeOs&>(SystemUnderTest());
            const bool windowless = (self.creationFlags & platform::kCreateNoWindow) != 0;
            return std::optional<std::string>(windowless ? kWindowlessConsole : "parent's console");
        });
        fake.RegisterProgram("contract-child", [](const std::vector<std::string>& args) {
            return std::optional<std::string>(ChildOutput(std::stoi(args.at(0))) + args.at(1));
        });
        return fake;
    }();
    return os;
}
} // namespace

platform::Os& SystemUnderTest() {
    return Fake();
}

std::size_t HandlesOpen() {
    return Fake().HandlesOpen();
}

std::string ScratchFolder() {
    static int count = 0;
    const std::string folder = "C:\\contract" + std::to_string(++count);
    SystemUnderTest().CreateDirectoryW(folder);
    return folder;
}

void MakeFolders(const std::string& path) {
    Fake().AddFolder(path);
}

std::optional<std::string> FileBytes(const std::string& path) {
    return Fake().FileContent(path);
}

// The system keeps a string value in UTF-16, whichever call set it.
std::optional<StoredValue> RegistryValue(const std::string& subKey, const std::string& name) {
    const auto found = Fake().registry.find("HKCU\\" + subKey + "\\" + name);
    if (found == Fake().registry.end()) {
        return std::nullopt;
    }
    const fakes::FakeOs::RegistryValue& stored = found->second;
    StoredValue value{stored.type,
                      stored.unicode ? stored.data + '\0' : Fake().FromAnsi(stored.data)};
    value.wideSize = static_cast<std::uint32_t>(
        fakes::ConvertCodePage(value.wideData, "UTF-8", "UTF-16LE").size());
    return value;
}

bool DeleteRegistryKey(const std::string& subKey) {
    std::erase_if(Fake().registry, [&](const auto& entry) {
        return entry.first.starts_with("HKCU\\" + subKey + "\\");
    });
    return true;
}

std::string ChildCommandLine(int bytes, const std::string& errorText) {
    return "contract-child " + std::to_string(bytes) + " " + errorText;
}

std::shared_ptr<void> HoldWithoutSharing(const std::string& file) {
    if (!Fake().FileContent(file)) {
        Fake().AddFile(file);
    }
    Fake().HoldFile(file);
    return std::shared_ptr<void>(&Fake(), [file](void*) { Fake().ReleaseFile(file); });
}

std::string ConsoleChildCommandLine() {
    return "contract-console";
}

} // namespace kesto::contract
