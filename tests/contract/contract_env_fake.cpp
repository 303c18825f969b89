#include "contract/child_output.h"
#include "contract/contract_env.h"
#include "fakes/command_line_args.h"
#include "fakes/fake_os.h"

namespace kesto::contract {

platform::Os& SystemUnderTest() {
    static fakes::FakeOs os = [] {
        fakes::FakeOs fake(936);
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

std::string ScratchFolder() {
    static int count = 0;
    const std::string folder = "C:\\contract" + std::to_string(++count);
    SystemUnderTest().CreateDirectory(folder);
    return folder;
}

std::string ChildCommandLine(int bytes, const std::string& errorText) {
    return "contract-child " + std::to_string(bytes) + " " + errorText;
}

std::string ConsoleChildCommandLine() {
    return "contract-console";
}

} // namespace kesto::contract
