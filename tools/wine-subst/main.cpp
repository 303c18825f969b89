// subst.exe for Wine, whose own maps nothing: held back while a test asks, then the command.
#include "arguments.h"
#include "command_line.h"
#include "commands.h"
#include "test_switches.h"

#include <windows.h>

namespace {

// Far longer than any test watches; a test that never lets go must not leave subst behind.
constexpr DWORD kLongestHoldMs = 60000;

void wait_while_held() {
    wchar_t name[MAX_PATH] = {};
    const DWORD size = GetEnvironmentVariableW(kSubstHoldVariable, name, MAX_PATH);
    if (size == 0 || size >= MAX_PATH) {
        return;
    }
    if (const HANDLE hold = OpenEventW(SYNCHRONIZE, FALSE, name)) {
        WaitForSingleObject(hold, kLongestHoldMs);
        CloseHandle(hold);
    }
}

} // namespace

int main() {
    wait_while_held();
    return run_command(parse_arguments(split_command_line(GetCommandLineW())));
}
