#include "ui/main_names.h"
#include "ui/working_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

namespace kesto {
namespace {

// What the compiler cannot see: that every listed control stands in its own window's table once
// and with its kind, so that Find never misses, and that the table holds nothing unlisted.
template <std::size_t N>
void ExpectEachControlOnceInLayout(const std::array<platform::ListedControl, N>& listed,
                                   const platform::FormLayout& layout) {
    std::set<std::string_view> names;
    for (const platform::ListedControl& control : listed) {
        names.insert(control.name);
    }
    EXPECT_EQ(names.size(), N) << "a name is listed twice for " << layout.name;
    EXPECT_EQ(layout.controls.size(), N) << layout.name << " has controls that are not listed";
    for (const platform::ListedControl& control : listed) {
        const auto entries =
            std::count_if(layout.controls.begin(), layout.controls.end(),
                          [&control](const platform::ControlLayout& entry) {
                              return entry.name == control.name && entry.kind == control.kind;
                          });
        EXPECT_EQ(entries, 1) << control.name << " in " << layout.name;
    }
}

TEST(ControlNames, EachControlStandsOnceInItsWindowsLayoutWithItsKind) {
    ExpectEachControlOnceInLayout(ui::MainWindow::kControls, ui::MainWindow::Layout());
    ExpectEachControlOnceInLayout(ui::WorkingWindow::kControls, ui::WorkingWindow::Layout());
}

} // namespace
} // namespace kesto
