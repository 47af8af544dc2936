#include "app/handlers.h"
#include "text/replace.h"

namespace nalvic {

void onReplaceClicked(App& app) {
    auto& controls = app.controls;
    controls.writeText("编辑框_改后文本", "");
    const Text source = controls.readText("编辑框_原文本");
    const Text find = controls.readText("编辑框_被替换文本");
    const Text replacement = controls.readText("编辑框_用于替换文本");
    controls.writeText("编辑框_改后文本",
                       textReplace(source, find, replacement, app.state.caseSensitive));
}

// The flag takes effect at the next press of the replace button.
void onIgnoreCaseClicked(App& app) {
    app.state.caseSensitive = app.controls.readChecked("选择框_忽略大小写") == 1 ? 0 : 1;
}

}  // namespace nalvic
