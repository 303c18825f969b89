// What a user does to standard controls, done with their own messages. Everything that could
// open a modal box in the program is posted, never sent.
#pragma once

#include "uidriver/window.h"

#include <string>
#include <vector>

namespace kesto::uidriver {

// List boxes and drop-down lists alike.
std::vector<std::string> ListItems(const Window& list);
int SelectedIndex(const Window& list); // -1: nothing selected
// Selects the item and tells the owner, as a click on it would.
void SelectItem(const Window& list, int index);
// The same for the first item reading text; throws DriverError when there is none.
void SelectItem(const Window& list, const std::string& text);

// Replaces an edit's text; its owner hears of the change as it would of typing.
void TypeText(const Window& edit, const std::string& text);

void ClickButton(const Window& button);

} // namespace kesto::uidriver
