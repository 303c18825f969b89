#include "ui/main_layout.h"
#include "ui/main_names.h"
#include "ui/working_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace kesto {
namespace {

// What the compiler cannot see: that every declared name stands in its own window's table once,
// so that Find never misses, and that the table holds nothing that was not declared.
template <std::size_t N>
void ExpectEachNameOnceInLayout(const std::array<std::string_view, N>& names,
                                const platform::FormLayout& layout) {
    EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), N)
        << "a name is declared twice in the list of " << layout.name;
    EXPECT_EQ(layout.controls.size(), N) << layout.name << " has controls without a declared name";
    for (const std::string_view name : names) {
        const auto entries = std::count_if(
            layout.controls.begin(), layout.controls.end(),
            [name](const platform::ControlLayout& control) { return control.name == name; });
        EXPECT_EQ(entries, 1) << name << " in " << layout.name;
    }
}

TEST(ControlNames, EachNameStandsOnceInItsWindowsLayout) {
    ExpectEachNameOnceInLayout(ui::MainWindow::kControlNames, ui::MainFormLayout());
    ExpectEachNameOnceInLayout(ui::WorkingWindow::kControlNames, ui::WorkingFormLayout());
}

} // namespace
} // namespace kesto
