#include "contract/contract_env.h"
#include "fakes/fake_os.h"

namespace kesto::contract {

namespace {
fakes::FakeOs& Fake() {
    static fakes::FakeOs os(static_cast<int>(ExpectedAnsiCodePage()));
    return os;
}
} // namespace

platform::Os& SystemUnderTest() {
    return Fake();
}

std::size_t HandlesOpen() {
    return Fake().OpenHandleCount();
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
    return StoredValue{stored.type,
                       stored.unicode ? stored.data + '\0' : Fake().FromAnsi(stored.data)};
}

// Nothing of the fake's registry outlives the run.
void DeleteRegistryKey(const std::string&) {}

// The fake starts a child only with a console of its own and no window for it.
std::string ChildCommandLine(int bytes, const std::string& errorText) {
    Fake().RegisterProgram("contract-child", [](const std::vector<std::string>& args) {
        return std::optional(ChildOutput(std::stoi(args.at(0))) + args.at(1));
    });
    return "contract-child " + std::to_string(bytes) + " " + errorText;
}

std::shared_ptr<void> HoldWithoutSharing(const std::string& file) {
    if (!Fake().FileContent(file)) {
        Fake().AddFile(file);
    }
    Fake().HoldFile(file);
    return std::shared_ptr<void>(&Fake(), [file](void*) { Fake().ReleaseFile(file); });
}

} // namespace kesto::contract
