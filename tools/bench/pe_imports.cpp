// The import directory walked in the file, section by section, each read checked against its size.
#include "pe_imports.h"

#include <windows.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kesto::bench {

namespace {

template <class T> T At(const std::vector<char>& image, std::size_t offset) {
    if (offset + sizeof(T) > image.size()) {
        throw std::runtime_error("the executable is cut short");
    }
    T value;
    std::memcpy(&value, image.data() + offset, sizeof(T));
    return value;
}

// Where an address of the loaded image lies in the file.
std::size_t FileOffset(const std::vector<char>& image, std::size_t sections, WORD count,
                       DWORD address) {
    for (WORD i = 0; i < count; ++i) {
        const auto section =
            At<IMAGE_SECTION_HEADER>(image, sections + i * sizeof(IMAGE_SECTION_HEADER));
        if (address >= section.VirtualAddress &&
            address < section.VirtualAddress + section.SizeOfRawData) {
            return address - section.VirtualAddress + section.PointerToRawData;
        }
    }
    throw std::runtime_error("an import lies outside every section");
}

} // namespace

std::vector<std::string> ImportedDlls(const std::filesystem::path& exe) {
    std::ifstream file(exe, std::ios::binary);
    const std::vector<char> image{std::istreambuf_iterator<char>(file), {}};
    const auto dos = At<IMAGE_DOS_HEADER>(image, 0);
    const auto headers = At<IMAGE_NT_HEADERS64>(image, static_cast<std::size_t>(dos.e_lfanew));
    if (dos.e_magic != IMAGE_DOS_SIGNATURE || headers.Signature != IMAGE_NT_SIGNATURE ||
        headers.OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
        throw std::runtime_error("not a 64-bit Windows executable");
    }
    const std::size_t sections = static_cast<std::size_t>(dos.e_lfanew) +
                                 offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                                 headers.FileHeader.SizeOfOptionalHeader;
    const WORD count = headers.FileHeader.NumberOfSections;
    const IMAGE_DATA_DIRECTORY imports =
        headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> dlls;
    if (imports.Size == 0) {
        return dlls;
    }
    for (std::size_t entry = FileOffset(image, sections, count, imports.VirtualAddress);;
         entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto descriptor = At<IMAGE_IMPORT_DESCRIPTOR>(image, entry);
        if (descriptor.Name == 0) {
            return dlls;
        }
        const std::size_t name = FileOffset(image, sections, count, descriptor.Name);
        dlls.emplace_back(image.data() + name, strnlen(image.data() + name, image.size() - name));
    }
}

bool IsSystemDll(const std::string& name) {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return false;
    }
    const std::string path = std::string(folder) + "\\" + name;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace kesto::bench
