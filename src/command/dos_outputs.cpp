// DOSOutputs: the hidden child started with a pipe for its output, read to the end and decoded.
#include "command/dos_outputs.h"

#include "command/ansi_decoder.h"

namespace kesto::command {

std::string DOSOutputs::Fail(const std::string& message) {
    toolkit_.MsgBox(message, platform::kMbIconError);
    return {};
}

std::string DOSOutputs::ExecuteCommand() {
    completed_ = false;
    platform::PipeEnds pipe;
    if (!os_.CreatePipe(pipe)) {
        return Fail("CreatePipe failed. Error: " + std::to_string(os_.LastError()));
    }

    platform::StartupInfo startup;
    startup.flags = platform::kStartfUseShowWindow | platform::kStartfUseStdHandles;
    startup.showWindow = platform::kSwHide;
    startup.stdOutput = pipe.write;
    startup.stdError = pipe.write;
    platform::ProcessHandles child;
    // A command line the code page cannot spell would run another command than the one asked.
    const std::optional<std::string> ansiCommandLine = os_.ToAnsi(commandLine_);
    if (!ansiCommandLine || !os_.CreateProcessA(*ansiCommandLine, kCreationFlags, startup, child)) {
        os_.CloseHandle(pipe.read);
        os_.CloseHandle(pipe.write);
        return Fail("File or command not found");
    }
    // Without closing our copy of the write end the pipe would never report its end: reading
    // would wait for ever, so what the child wrote stays unknown.
    const bool readable = os_.CloseHandle(pipe.write);
    // Only the end of the pipe ends the output; any other failed read loses the rest of it.
    bool cut = false;
    std::string outputs;
    if (readable) {
        AnsiStreamDecoder decoder(os_);
        bool readOk;
        do {
            std::string bytes;
            readOk = os_.ReadFile(pipe.read, kReadBufferSize, bytes);
            cut = !readOk && os_.LastError() != platform::kErrorBrokenPipe;
            outputs += decoder.Decode(bytes, !readOk);
        } while (readOk);
    }

    os_.CloseHandle(child.process);
    os_.CloseHandle(child.thread);
    os_.CloseHandle(pipe.read);
    completed_ = readable && !cut;
    return outputs;
}

} // namespace kesto::command
