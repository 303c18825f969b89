// What a user does with the keyboard alone.
#include "kesto_test.h"

#include "uidriver/find.h"
#include "uidriver/keyboard.h"
#include "uidriver/poll.h"
#include "uidriver/text.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace kesto::e2e {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using uidriver::Window;

using Keyboard = LaunchedKestoTest;

bool HasFocus(const Window& main, const Window& control) {
    const auto focused = uidriver::FocusedWindow(main);
    return focused && focused->Handle() == control.Handle();
}

bool MessageShowing(DWORD process) {
    return uidriver::FindFirstWindow(
               uidriver::WindowQuery("Tarvel").OfProcess(process).OfClass("#32770"))
        .has_value();
}

TEST_F(Keyboard, EnterPressesTheFocusedButtonButThereIsNoDefaultOrCancelButton) {
    const Window remove = Main().Control("cmddele");
    ASSERT_TRUE(uidriver::WaitUntil([&] { return HasFocus(Main().Frame(), remove); }, 5s));
    uidriver::PressKey(remove, VK_RETURN);
    EXPECT_EQ(AcknowledgeNextMessage(), "请首先选中“已有虚拟硬盘”列表中的硬盘后再点击移除!");

    const Window list = Main().Control("listKesto");
    ASSERT_TRUE(uidriver::WaitUntil([&] { return HasFocus(Main().Frame(), remove); }, 5s));
    uidriver::PressKey(remove, VK_TAB);
    ASSERT_TRUE(uidriver::WaitUntil([&] { return HasFocus(Main().Frame(), list); }, 5s));
    uidriver::PressKey(list, VK_RETURN);
    uidriver::PressKey(list, VK_ESCAPE);
    WaitUntilIdle();
    EXPECT_FALSE(MessageShowing(Program().Id()));
    EXPECT_TRUE(HasFocus(Main().Frame(), list));
}

// Released alone, Alt would enter the menu mode of a window with a system menu; ours shows no
// menu bar, so the next key would be lost in it.
TEST_F(Keyboard, AltPressedAloneLeavesTheNextKeyToTheWindow) {
    const Window remove = Main().Control("cmddele");
    ASSERT_TRUE(uidriver::WaitUntil([&] { return HasFocus(Main().Frame(), remove); }, 5s));
    uidriver::PressKey(remove, VK_MENU, true);
    uidriver::PressKey(remove, VK_RETURN);
    EXPECT_EQ(AcknowledgeNextMessage(), "请首先选中“已有虚拟硬盘”列表中的硬盘后再点击移除!");
}

// Makes the shell open .htm files by writing the file's path into opened.txt of folder, and
// puts the prefix back as it was afterwards.
class HelpPageRecorder {
  public:
    explicit HelpPageRecorder(const fs::path& folder) : record_(folder / L"opened.txt") {
        const std::wstring command = L"cmd.exe /c echo %1> \"" + record_.wstring() + L"\"";
        previous_ = Default(L".htm");
        SetDefault(L".htm", kClass);
        SetDefault(kClass + L"\\shell\\open\\command", command);
    }
    ~HelpPageRecorder() {
        RegDeleteTreeW(kRoot, (kClasses + kClass).c_str());
        if (previous_) {
            SetDefault(L".htm", *previous_);
        } else {
            RegDeleteKeyW(kRoot, (kClasses + L".htm").c_str());
        }
    }
    HelpPageRecorder(const HelpPageRecorder&) = delete;
    HelpPageRecorder& operator=(const HelpPageRecorder&) = delete;

    // The page the shell was last asked to open, once it was; empty after timeout.
    std::string WaitForOpened() const {
        std::string opened;
        uidriver::WaitUntil(
            [&] {
                std::ifstream file(record_);
                std::getline(file, opened);
                return !opened.empty();
            },
            10s);
        std::error_code ignored;
        fs::remove(record_, ignored);
        while (!opened.empty() && (opened.back() == '\r' || opened.back() == ' ')) {
            opened.pop_back();
        }
        return opened;
    }

  private:
    // Wine's shell finds associations under the machine's classes only.
    inline static const HKEY kRoot = HKEY_LOCAL_MACHINE;
    inline static const std::wstring kClasses = L"Software\\Classes\\";
    inline static const std::wstring kClass = L"KestoTestPage";

    static std::optional<std::wstring> Default(const std::wstring& key) {
        wchar_t value[256];
        DWORD size = sizeof value;
        if (RegGetValueW(kRoot, (kClasses + key).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value,
                         &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return std::wstring(value);
    }
    static void SetDefault(const std::wstring& key, const std::wstring& value) {
        RegSetKeyValueW(kRoot, (kClasses + key).c_str(), nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

    fs::path record_;
    std::optional<std::wstring> previous_;
};

TEST_F(Keyboard, F1OpensTheHelpPageAsTheHelpButtonDoes) {
    const HelpPageRecorder recorder(Folder());
    const std::string page = uidriver::Narrow((Folder() / L"help.htm").wstring());
    uidriver::PressKey(Main().Control("cmddele"), VK_F1);
    EXPECT_EQ(recorder.WaitForOpened(), page);
    Main().Press("imgTitleHelp");
    EXPECT_EQ(recorder.WaitForOpened(), page);
    EXPECT_FALSE(MessageShowing(Program().Id()));
}

} // namespace

} // namespace kesto::e2e
