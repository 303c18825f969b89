// subst.exe for Wine, whose own maps nothing: an optional delay for tests, then the command.
#include "arguments.h"
#include "command_line.h"
#include "commands.h"
#include "delay.h"

#include <windows.h>

namespace {

// Lets tests watch the caller while this program is still at work.
void wait_if_asked() {
    wchar_t value[16] = {};
    const DWORD size = GetEnvironmentVariableW(L"KESTO_SUBST_DELAY_MS", value, 16);
    if (size == 0 || size >= 16) {
        return;
    }
    if (const std::optional<unsigned long> delay = parse_delay_ms(value)) {
        Sleep(*delay);
    }
}

} // namespace

int main() {
    wait_if_asked();
    return run_command(parse_arguments(split_command_line(GetCommandLineW())));
}
