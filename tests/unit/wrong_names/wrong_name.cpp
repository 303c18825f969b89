// Each KESTO_* case is code that reaches a control wrongly and must not build; with none defined
// the file builds, so that a failure stands for the case and not for the set-up.
#include "ui/main_names.h"
#include "ui/working_names.h"

namespace kesto {

bool Reach(const platform::FormOf<ui::MainWindow>& form) {
#if defined(KESTO_MISSPELT_NAME)
    constexpr ui::Name<platform::ListBox> listKesta{"listKesta"};
    form.Find(listKesta).Clear();
    return true;
#elif defined(KESTO_WRONG_KIND)
    return form.Find(ui::lbls_1).Checked();
#elif defined(KESTO_NAME_OF_A_WRONG_KIND)
    constexpr ui::Name<platform::OptionButton> lbls_1{"lbls(1)"};
    return form.Find(lbls_1).Checked();
#elif defined(KESTO_NAME_CHANGED)
    auto name = ui::listKesto;
    name.text = "listKesta";
    form.Find(name).Clear();
    return true;
#elif defined(KESTO_OTHER_WINDOWS_NAME)
    return form.Find(ui::lblView).Text().empty();
#else
    form.Find(ui::listKesto).Clear();
    return form.Find(ui::Opt1_0).Checked();
#endif
}

} // namespace kesto
