// A message box read through its children; its icon told by the pixels, not by the handle.
#include "uidriver/message_dialog.h"

#include "uidriver/controls.h"
#include "uidriver/error.h"
#include "uidriver/find.h"
#include "uidriver/screenshot.h"

#include "painting.h"

#include <optional>

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

std::optional<Window> IconControl(const Window& dialog) {
    for (const Window& control : Children(dialog, "Static")) {
        if (IsIcon(control) && control.Send(STM_GETICON) != 0) {
            return control;
        }
    }
    return std::nullopt;
}

// A box that has only just come up may not be painted yet.
constexpr milliseconds kPaintTimeout{2000};

struct StandardIcon {
    const wchar_t* resource;
    MessageIcon icon;
};

const StandardIcon kStandardIcons[] = {
    {IDI_HAND, MessageIcon::Error},
    {IDI_QUESTION, MessageIcon::Question},
    {IDI_EXCLAMATION, MessageIcon::Warning},
    {IDI_ASTERISK, MessageIcon::Information},
};

} // namespace

std::ostream& operator<<(std::ostream& out, MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return out << "no icon";
    case MessageIcon::Error:
        return out << "the error icon";
    case MessageIcon::Question:
        return out << "the question icon";
    case MessageIcon::Warning:
        return out << "the warning icon";
    case MessageIcon::Information:
        return out << "the information icon";
    case MessageIcon::Other:
        break;
    }
    return out << "an icon of its own";
}

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
    return IconControl(dialog_).has_value();
}

// Icon handles are the program's own, so compare what the box shows with each standard icon
// drawn here; the corner of the area is background in all of them.
MessageIcon MessageDialog::Icon() const {
    const std::optional<Window> control = IconControl(dialog_);
    if (!control) {
        return MessageIcon::None;
    }
    const auto recognised = PollFor(
        [&]() -> std::optional<MessageIcon> {
            const Image shown = CaptureArea(control->ClientRectOnScreen());
            for (const StandardIcon& standard : kStandardIcons) {
                const HICON icon = LoadIconW(nullptr, standard.resource);
                if (SamePixels(shown, PaintIcon(icon, shown.width, shown.height, shown.At(0, 0)))) {
                    return standard.icon;
                }
            }
            return std::nullopt;
        },
        kPaintTimeout);
    return recognised.value_or(MessageIcon::Other);
}

void MessageDialog::Answer(int button) const {
    HWND handle = GetDlgItem(dialog_.Handle(), button);
    if (handle == nullptr) {
        throw DriverError("the message box has no button " + std::to_string(button));
    }
    ClickButton(Window(handle));
}

} // namespace kesto::uidriver
