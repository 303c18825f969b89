#include "contract/child_output.h"
#include "contract/contract_env.h"
#include "fakes/command_line_args.h"
#include "fakes/fake_os.h"

namespace kesto::contract {

namespace {
fakes::FakeOs& Fake() {
    static fakes::FakeOs os = [] {
        fakes::FakeOs fake(static_cast<int>(ExpectedAnsiCodePage()));
        fake.RegisterProgram("contract-console", [](const std::string&) {
            const auto& self = static_cast<const fakes::FakeOs&>(SystemUnderTest());
            const bool windowless = (self.creationFlags & platform::kCreateNoWindow) != 0;
            return std::optional<std::string>(windowless ? kWindowlessConsole : "parent's console");
        });
        fake.RegisterProgram("contract-child", [](const std::string& arguments) {
            const auto args = fakes::SplitArguments(arguments);
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

std::string ScratchFolder() {
    static int count = 0;
    const std::string folder = "C:\\contract" + std::to_string(++count);
    SystemUnderTest().CreateDirectory(folder);
    return folder;
}

std::optional<std::string> FileBytes(const std::string& path) {
    return static_cast<fakes::FakeOs&>(SystemUnderTest()).FileContent(path);
}

std::optional<std::string> RegistryString(const std::string& subKey, const std::string& name) {
    auto& fake = static_cast<fakes::FakeOs&>(SystemUnderTest());
    const auto value = fake.registry.find("HKCU\\" + subKey + "\\" + name);
    if (value == fake.registry.end()) {
        return std::nullopt;
    }
    const std::string& data = value->second.data;
    return value->second.unicode ? data : fake.FromAnsi(data.substr(0, data.find('\0')));
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
