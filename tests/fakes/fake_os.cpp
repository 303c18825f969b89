#include "fakes/fake_os.h"

#include "fakes/code_page.h"
#include "fakes/ini_text.h"

#include "command_line.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace kesto::fakes {

namespace {

// Only ASCII letters change case: the bytes of other characters stay as they are.
std::string Cased(std::string text, int (*change)(int)) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [&](unsigned char c) { return static_cast<char>(c < 0x80 ? change(c) : c); });
    return text;
}

std::string Upper(const std::string& text) {
    return Cased(text, ::toupper);
}

char DriveLetter(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' ? static_cast<char>(std::toupper(path[0])) : '\0';
}

// No name may hold these or a control character; a drive's colon is the only one allowed.
bool InvalidName(const std::string& resolved) {
    return std::any_of(resolved.begin() + 2, resolved.end(), [](unsigned char c) {
        return c < 0x20 ||
               std::string_view("<>\"|?*:").find(static_cast<char>(c)) != std::string_view::npos;
    });
}

std::size_t Utf16Units(const std::string& utf8) {
    return ConvertCodePage(utf8, "UTF-8", "UTF-16LE").size() / 2;
}

// The words of a command line as the C runtime hands them to a program, its name first. Only
// blanks, quotes and backslashes matter there, so the bytes go through one to a unit.
std::vector<std::string> Words(const std::string& commandLine) {
    std::vector<std::string> words;
    for (const std::wstring& word :
         split_command_line(L"- " + std::wstring(commandLine.begin(), commandLine.end()))) {
        words.emplace_back(word.begin(), word.end());
    }
    return words;
}

std::string ParentOf(const std::string& resolved) {
    const std::size_t slash = resolved.find_last_of('\\');
    return slash == std::string::npos ? std::string() : resolved.substr(0, slash);
}

} // namespace

FakeOs::FakeOs(int codePage) : codePage_(codePage) {
    AddDrive('C');
    RegisterProgram("subst", [this](const std::vector<std::string>& arguments) {
        return std::optional<std::string>(Subst(arguments));
    });
}

void FakeOs::SetCodePage(int codePage) {
    codePage_ = codePage;
}

void FakeOs::AddDrive(char letter, std::uint32_t type, bool writable) {
    letter = static_cast<char>(std::toupper(letter));
    driveTypes_[letter] = type;
    if (!writable) {
        readOnlyDrives_.insert(letter);
    }
}

void FakeOs::AddFolder(const std::string& path) {
    for (std::string folder = Resolve(path); folder.size() > 2; folder = ParentOf(folder)) {
        folders_.insert(folder);
    }
}

void FakeOs::AddFile(const std::string& path, const std::string& content) {
    AddFolder(ParentOf(path));
    files_[Resolve(path)] = content;
}

bool FakeOs::FolderExists(const std::string& path) const {
    const std::string resolved = Resolve(path);
    if (resolved.size() == 2) {
        const auto drive = driveTypes_.find(resolved[0]);
        return drive != driveTypes_.end() && drive->second != platform::kDriveNoRootDir;
    }
    return folders_.count(resolved) != 0;
}

std::optional<std::string> FakeOs::FileContent(const std::string& path) const {
    const auto file = files_.find(Resolve(path));
    return file == files_.end() ? std::nullopt : std::optional<std::string>(file->second);
}

void FakeOs::SetShortName(const std::string& longPath, const std::string& shortPath) {
    shortNames_[Resolve(longPath)] = shortPath;
    longNames_[Resolve(shortPath)] = SystemPath(longPath);
}

void FakeOs::HoldFile(const std::string& path, std::optional<std::uint32_t> forMilliseconds) {
    heldFiles_[Resolve(path)] =
        forMilliseconds ? std::optional(slept_ + *forMilliseconds) : std::nullopt;
}

void FakeOs::Sleep(std::uint32_t milliseconds) {
    Record("Sleep", std::to_string(milliseconds));
    slept_ += milliseconds;
    std::erase_if(heldFiles_,
                  [&](const auto& held) { return held.second && *held.second <= slept_; });
}

void FakeOs::ReleaseFile(const std::string& path) {
    heldFiles_.erase(Resolve(path));
}

void FakeOs::RegisterProgram(const std::string& name, FakeProgram program) {
    programs_[Cased(name, ::tolower)] = std::move(program);
}

bool FakeOs::Record(const std::string& call, const std::string& argument) {
    calls_.push_back(call + " " + argument);
    return Fails(call);
}

platform::Handle FakeOs::NewHandle(HandleObject object) {
    const platform::Handle handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = std::move(object);
    return handle;
}

std::string SystemPath(const std::string& path) {
    std::string spelled;
    for (std::size_t start = 0;;) {
        const std::size_t end = path.find_first_of("\\/", start);
        std::string segment = path.substr(start, end - start);
        if (segment.find_first_not_of('.') != std::string::npos) {
            while (!segment.empty() && (segment.back() == ' ' || segment.back() == '.')) {
                segment.pop_back();
            }
        }
        spelled += segment;
        if (end == std::string::npos) {
            break;
        }
        spelled += '\\';
        start = end + 1;
    }
    while (spelled.size() > 2 && spelled.back() == '\\') {
        spelled.pop_back();
    }
    return spelled;
}

std::string FakeOs::Resolve(const std::string& path) const {
    const std::string resolved = Upper(SystemPath(path));
    const char letter = DriveLetter(resolved);
    const auto mapping = mappings_.find(letter);
    if (mapping != mappings_.end()) {
        return Resolve(mapping->second + resolved.substr(2));
    }
    const auto longName = longNames_.find(resolved);
    return longName == longNames_.end() ? resolved : Resolve(longName->second);
}

bool FakeOs::DriveWritable(const std::string& resolved) const {
    const char letter = DriveLetter(resolved);
    return driveTypes_.count(letter) != 0 && readOnlyDrives_.count(letter) == 0;
}

// --- pipes and processes ---

bool FakeOs::CreatePipe(platform::PipeEnds& ends) {
    if (Record("CreatePipe", "")) {
        lastError_ = 8; // ERROR_NOT_ENOUGH_MEMORY
        return false;
    }
    const int pipe = nextPipe_++;
    pipes_[pipe].clear();
    ends.read = NewHandle({HandleObject::PipeRead, pipe, {}});
    ends.write = NewHandle({HandleObject::PipeWrite, pipe, {}});
    return true;
}

bool FakeOs::CreateProcessA(const std::string& ansiCommandLine, std::uint32_t flags,
                            const platform::StartupInfo& startup, platform::ProcessHandles& out) {
    const std::string commandLine = FromAnsi(ansiCommandLine);
    if (Record("CreateProcess", commandLine)) {
        return false;
    }
    std::vector<std::string> arguments = Words(commandLine);
    if (arguments.empty()) {
        return false;
    }
    const std::string name = Cased(arguments[0], ::tolower);
    arguments.erase(arguments.begin());
    const auto found = programs_.find(name);
    if (found == programs_.end()) {
        return false;
    }
    const std::optional<std::string> output = found->second(arguments);
    if (!output) {
        return false;
    }
    const auto sink = handles_.find(startup.stdOutput);
    if (sink == handles_.end() || sink->second.kind != HandleObject::PipeWrite ||
        startup.stdError != startup.stdOutput || (flags & platform::kCreateNoWindow) == 0) {
        throw std::logic_error(
            "a child gets a console without a window and one pipe for both outputs");
    }
    pipes_[sink->second.pipe] += *output;
    out.process = NewHandle({HandleObject::Process, 0, {}});
    out.thread = NewHandle({HandleObject::Thread, 0, {}});
    return true;
}

bool FakeOs::ReadFile(platform::Handle handle, std::size_t capacity, std::string& data) {
    const bool fails = Record("ReadFile", std::to_string(handle));
    data.clear();
    const auto object = handles_.find(handle);
    if (object == handles_.end() || object->second.kind != HandleObject::PipeRead) {
        lastError_ = 6; // ERROR_INVALID_HANDLE
        return false;
    }
    if (fails) {
        lastError_ = 8; // ERROR_NOT_ENOUGH_MEMORY
        return false;
    }
    std::string& pipe = pipes_[object->second.pipe];
    if (!pipe.empty()) {
        data = pipe.substr(0, capacity);
        pipe.erase(0, data.size());
        return true;
    }
    const bool writerLeft = std::any_of(handles_.begin(), handles_.end(), [&](const auto& entry) {
        return entry.second.kind == HandleObject::PipeWrite &&
               entry.second.pipe == object->second.pipe;
    });
    if (writerLeft) {
        throw std::logic_error("read would wait for ever: a write end of the pipe is open");
    }
    lastError_ = platform::kErrorBrokenPipe;
    return false;
}

bool FakeOs::CloseHandle(platform::Handle handle) {
    return !Record("CloseHandle", std::to_string(handle)) && handles_.erase(handle) != 0;
}

// --- code page ---

std::optional<std::string> FakeOs::ToAnsi(const std::string& utf8) const {
    return ConvertExactly(utf8, "UTF-8", CodePageName(codePage_));
}

std::string FakeOs::LossyAnsi(const std::string& text) const {
    return ConvertCodePage(text, "UTF-8", CodePageName(codePage_));
}

std::string FakeOs::FromAnsi(const std::string& ansi) const {
    return ConvertCodePage(ansi, CodePageName(codePage_), "UTF-8");
}

std::string FakeOs::FromOem(const std::string& oem) const {
    return ConvertCodePage(oem, CodePageName(OemCodePageOf(codePage_)), "UTF-8");
}

bool FakeOs::IsDbcsLeadByte(unsigned char byte) const {
    return codePage_ == 936 && byte >= 0x81 && byte <= 0xFE;
}

// --- initialisation files ---

std::string FakeOs::GetPrivateProfileStringW(const std::string& section, const std::string& key,
                                             std::size_t bufferSize, const std::string& file) {
    const bool fails = Record("GetPrivateProfileString", key);
    const std::string path = Resolve(file);
    const auto content = files_.find(path);
    const bool held = heldFiles_.count(path) != 0;
    lastError_ = fails || (held && !heldReadsLookMissing) ? platform::kErrorSharingViolation
                 : held || content == files_.end()        ? 2 // ERROR_FILE_NOT_FOUND
                                                          : 0;
    if (bufferSize == 0 || lastError_ != 0) {
        return {};
    }
    const std::optional<std::string> value = IniValue(content->second, section, key);
    if (!value) {
        return {};
    }
    // The buffer counts UTF-16 units; a character of two that would be split is left out.
    std::string units =
        ConvertCodePage(FromAnsi(value->substr(0, value->find('\0'))), "UTF-8", "UTF-16LE");
    units.resize(std::min(units.size(), 2 * (bufferSize - 1)));
    if (units.size() >= 2 && (static_cast<unsigned char>(units.back()) & 0xFC) == 0xD8) {
        units.resize(units.size() - 2);
    }
    return ConvertCodePage(units, "UTF-16LE", "UTF-8");
}

bool FakeOs::WritePrivateProfileStringW(const std::string& section, const std::string& key,
                                        const std::optional<std::string>& value,
                                        const std::string& file) {
    if (Record("WritePrivateProfileString", key + (value ? "=" + *value : " (delete)"))) {
        return false;
    }
    const std::string path = Resolve(file);
    const auto content = files_.find(path);
    if (content == files_.end() && !value) {
        return true;
    }
    if (!DriveWritable(path) || !FolderExists(ParentOf(path)) || heldFiles_.count(path) != 0) {
        return false;
    }
    std::string& text = files_[path];
    text =
        WriteIniValue(text, section, key, value ? std::optional(LossyAnsi(*value)) : std::nullopt);
    return true;
}

// --- drives and files ---

std::uint32_t FakeOs::GetDriveTypeW(const std::string& root) {
    if (Record("GetDriveType", root)) {
        return platform::kDriveUnknown;
    }
    const char letter = DriveLetter(root);
    if (mappings_.count(letter) != 0) {
        return platform::kDriveFixed;
    }
    const auto drive = driveTypes_.find(letter);
    return drive == driveTypes_.end() ? platform::kDriveNoRootDir : drive->second;
}

std::uint32_t FakeOs::GetShortPathNameW(const std::string& longPath, std::size_t bufferSize,
                                        std::string& shortPath) {
    shortPath.clear();
    const std::string resolved = Resolve(longPath);
    if (Record("GetShortPathName", longPath) ||
        (!FolderExists(longPath) && files_.count(resolved) == 0)) {
        return 0;
    }
    const auto known = shortNames_.find(resolved);
    const std::string result = known == shortNames_.end() ? longPath : known->second;
    const std::size_t length = Utf16Units(result);
    if (length >= bufferSize) {
        return static_cast<std::uint32_t>(length + 1);
    }
    shortPath = result;
    return static_cast<std::uint32_t>(length);
}

std::string FakeOs::GetLongPathNameW(const std::string& path) {
    const std::string spelled = SystemPath(path);
    const std::string resolved = Resolve(spelled);
    if (Record("GetLongPathName", path) ||
        (!FolderExists(spelled) && files_.count(resolved) == 0)) {
        return {};
    }
    // The longest short form the path starts with gives way to its long spelling.
    const std::string upper = Upper(spelled);
    for (auto known = longNames_.rbegin(); known != longNames_.rend(); ++known) {
        const std::string& shortForm = known->first;
        if (upper.starts_with(shortForm) &&
            (upper.size() == shortForm.size() || upper[shortForm.size()] == '\\')) {
            return known->second + path.substr(shortForm.size());
        }
    }
    return path;
}

bool FakeOs::CreateDirectoryW(const std::string& path) {
    const std::string resolved = Resolve(path);
    if (Record("CreateDirectory", path) || resolved.size() <= 2 || InvalidName(resolved) ||
        FolderExists(path) || files_.count(resolved) != 0 || !DriveWritable(resolved) ||
        !FolderExists(ParentOf(resolved))) {
        return false;
    }
    folders_.insert(resolved);
    return true;
}

std::optional<std::uint32_t> FakeOs::GetFileAttributesW(const std::string& path) {
    if (Record("GetFileAttributes", path) || path.empty()) {
        return std::nullopt;
    }
    if (FolderExists(path)) {
        return platform::kFileAttributeDirectory;
    }
    if (files_.count(Resolve(path)) != 0) {
        return 0x20u; // FILE_ATTRIBUTE_ARCHIVE
    }
    return std::nullopt;
}

std::uint32_t FakeOs::TryOpenForReading(const std::string& path) {
    const std::string resolved = Resolve(path);
    if (Record("TryOpenForReading", path) || heldFiles_.count(resolved) != 0) {
        return platform::kErrorSharingViolation;
    }
    return files_.count(resolved) == 0 ? 2 : 0; // ERROR_FILE_NOT_FOUND
}

// --- registry ---

long FakeOs::RegCreateKeyW(platform::Handle root, const std::string& subKey,
                           platform::Handle& key) {
    if (Record("RegCreateKey", subKey) || root != kHkeyCurrentUser) {
        key = 0;
        return 5; // ERROR_ACCESS_DENIED
    }
    key = NewHandle({HandleObject::RegistryKey, 0, "HKCU\\" + subKey});
    return 0;
}

long FakeOs::SetValue(const std::string& call, platform::Handle key, const std::string& valueName,
                      RegistryValue value) {
    const std::string* path = KeyPath(key);
    if (Record(call, valueName) || path == nullptr) {
        return 6; // ERROR_INVALID_HANDLE
    }
    registry[*path + "\\" + valueName] = std::move(value);
    return 0;
}

long FakeOs::RegSetValueExA(platform::Handle key, const std::string& valueName, std::uint32_t type,
                            const std::string& ansiData, std::uint32_t size) {
    // The caller's bytes as the system would read them: `size` of them, zero byte included.
    const std::string stored(ansiData.c_str(), std::min<std::size_t>(size, ansiData.size() + 1));
    return SetValue("RegSetValueEx", key, valueName, {type, stored, size, false});
}

long FakeOs::RegSetStringValue(platform::Handle key, const std::string& valueName,
                               const std::string& text) {
    const auto size = static_cast<std::uint32_t>(2 * (Utf16Units(text) + 1));
    return SetValue("RegSetStringValue", key, valueName, {platform::kRegSz, text, size, true});
}

long FakeOs::RegCloseKey(platform::Handle key) {
    return !Record("RegCloseKey", "") && handles_.erase(key) != 0 ? 0 : 6;
}

const std::string* FakeOs::KeyPath(platform::Handle key) const {
    const auto object = handles_.find(key);
    return object == handles_.end() || object->second.kind != HandleObject::RegistryKey
               ? nullptr
               : &object->second.path;
}

// --- shell ---

platform::Handle FakeOs::BrowseForFolder(platform::Handle /*owner*/, const std::string& title,
                                         std::uint32_t /*flags*/) {
    if (Record("BrowseForFolder", title) || !browseResult) {
        return 0;
    }
    return NewHandle({HandleObject::IdList, 0, *browseResult});
}

bool FakeOs::GetPathFromIdList(platform::Handle idList, std::size_t bufferSize, std::string& path) {
    const auto object = handles_.find(idList);
    if (Record("GetPathFromIdList", "") || object == handles_.end() ||
        object->second.kind != HandleObject::IdList ||
        Utf16Units(object->second.path) >= bufferSize) {
        return false;
    }
    path = object->second.path;
    return true;
}

void FakeOs::FreeIdList(platform::Handle idList) {
    Record("FreeIdList", "");
    handles_.erase(idList);
}

std::intptr_t FakeOs::ShellExecuteW(const std::string& file, int showCommand) {
    return Record("ShellExecute", file + " " + std::to_string(showCommand)) ? 2 : 42;
}

// --- the system's subst, as far as the program relies on it ---

std::string FakeOs::Subst(const std::vector<std::string>& args) {
    if (args.empty()) {
        std::string listing;
        for (const auto& [letter, folder] : mappings_) {
            listing += std::string(1, letter) + ":\\: => " + folder + "\r\n";
        }
        return substListsInOem
                   ? ConvertCodePage(listing, "UTF-8", CodePageName(OemCodePageOf(codePage_)))
                   : LossyAnsi(listing);
    }
    const char letter = args[0].size() == 2 ? DriveLetter(args[0]) : '\0';
    if (args.size() != 2 || letter < 'A' || letter > 'Z') {
        return LossyAnsi("Invalid parameter - " + args[0] + "\r\n");
    }
    if (Upper(args[1]) == "/D") {
        if (mappings_.erase(letter) == 0) {
            return LossyAnsi("Invalid parameter - " + Upper(args[0]) + "\r\n");
        }
        return std::string();
    }
    if (mappings_.count(letter) != 0 || driveTypes_.count(letter) != 0) {
        return LossyAnsi("Drive already SUBSTed\r\n");
    }
    if (!FolderExists(args[1])) {
        return LossyAnsi("Path not found - " + args[1] + "\r\n");
    }
    std::string folder = SystemPath(args[1]);
    if (folder.size() == 2) {
        folder += '\\';
    }
    mappings_[letter] = folder;
    return std::string();
}

} // namespace kesto::fakes
