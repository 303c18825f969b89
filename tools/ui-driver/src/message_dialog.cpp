#include "uidriver/message_dialog.h"

#include "uidriver/controls.h"
#include "uidriver/error.h"
#include "uidriver/find.h"

#include <algorithm>

namespace kesto::uidriver {

namespace {

std::vector<Window> Children(const Window& parent, const std::string& className) {
    std::vector<Window> children;
    for (HWND child = GetWindow(parent.Handle(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        Window window(child);
        if (window.Visible() && window.ClassName() == className) {
            children.push_back(window);
        }
    }
    return children;
}

bool IsIcon(const Window& control) {
    return (GetWindowLongPtrW(control.Handle(), GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

} // namespace

MessageDialog MessageDialog::WaitFor(DWORD processId, const std::string& title,
                                     milliseconds timeout) {
    return MessageDialog(
        WaitForWindow(WindowQuery(title).OfProcess(processId).OfClass("#32770"), timeout));
}

// Windows and Wine give the text different control IDs; it is the one static that is no icon.
std::string MessageDialog::Text() const {
    for (const Window& control : Children(dialog_, "Static")) {
        if (!IsIcon(control)) {
            return control.Text();
        }
    }
    throw DriverError("the message box has no text");
}

std::vector<int> MessageDialog::Buttons() const {
    std::vector<int> ids;
    for (const Window& button : Children(dialog_, "Button")) {
        ids.push_back(button.ControlId());
    }
    return ids;
}

bool MessageDialog::HasIcon() const {
    const auto statics = Children(dialog_, "Static");
    return std::any_of(statics.begin(), statics.end(), [](const Window& control) {
        return IsIcon(control) && control.Send(STM_GETICON) != 0;
    });
}

void MessageDialog::Answer(int button) const {
    HWND handle = GetDlgItem(dialog_.Handle(), button);
    if (handle == nullptr) {
        throw DriverError("the message box has no button " + std::to_string(button));
    }
    ClickButton(Window(handle));
}

} // namespace kesto::uidriver
