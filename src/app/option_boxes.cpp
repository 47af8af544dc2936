// The option boxes only set their flag; the feature reads it when it runs.
#include "app/handlers.h"

namespace nalvic {
namespace {

constexpr std::string_view kOptionTitle = "提示信息";

// Sets `flag` from the box's state after the click and, when the box has just
// been ticked, tells the user what the option does.
void setFlagFromBox(App& app, std::string_view box, std::atomic<int32_t>& flag,
                    std::string_view explanation) {
    if (app.controls.readChecked(box) == 1) {
        flag = 1;
        app.controls.showMessage(explanation, kOptionTitle);
    } else {
        flag = 0;
    }
}

}  // namespace

void onMultiTextClicked(App& app) {
    setFlagFromBox(app, "选择框_多文本", app.state.multiLineMode,
                   "原文本通过多行设置来批量添加前后缀内容。每一个换行为一个文本，"
                   "不选中则默认原文本为单文本");
}

void onDedupeClicked(App& app) {
    setFlagFromBox(app, "选择框_去重", app.state.dedupeWords,
                   "对生成词语进行去重操作，会影响生成词语的速度");
}

}  // namespace nalvic
