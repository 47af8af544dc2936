#include "app/bindings.h"

#include <algorithm>
#include <vector>

#include "app/handlers.h"

namespace nalvic {
namespace {

Binding copies(std::string_view button, std::string_view box) {
    return {button, Event::Clicked, [box](App& app) { copyBoxToClipboard(app, box); }};
}

Binding clears(std::string_view button, std::initializer_list<std::string_view> boxes) {
    std::vector<std::string_view> targets(boxes);
    return {button, Event::Clicked, [targets](App& app) {
                for (auto box : targets) clearBox(app, box);
            }};
}

// The two result clears of the shuffle page also empty the progress bar.
Binding clearsWithProgress(std::string_view button, std::string_view box) {
    return {button, Event::Clicked, [box](App& app) {
                clearBox(app, box);
                app.controls.setProgressPosition("进度条_打乱重排", 0);
            }};
}

std::vector<Binding> makeBindings() {
    return {
        {"透明标签8", Event::LeftButtonDown, onHelpLinkPressed},
        {"透明标签_网站主页", Event::LeftButtonDown, onHomePagePressed},

        {"按钮_替换", Event::Clicked, onReplaceClicked},
        {"选择框_忽略大小写", Event::Clicked, onIgnoreCaseClicked},
        copies("按钮_复制原文本", "编辑框_原文本"),
        clears("按钮_清空原文本", {"编辑框_原文本"}),
        clears("按钮_清空被替换文本", {"编辑框_被替换文本"}),
        clears("按钮_清空用于替换文本", {"编辑框_用于替换文本"}),
        copies("按钮_复制改后文本", "编辑框_改后文本"),
        clears("按钮_清空改后文本", {"编辑框_改后文本"}),
        clears("按钮_全部清空",
               {"编辑框_用于替换文本", "编辑框_被替换文本", "编辑框_原文本", "编辑框_改后文本"}),

        {"按钮_插入文本", Event::Clicked, onInsertClicked},
        {"选择框_多文本", Event::Clicked, onMultiTextClicked},
        copies("按钮_复制插入文本原文本", "编辑框_插入文本原文本"),
        clears("按钮_清空插入文本原文本", {"编辑框_插入文本原文本"}),
        clears("按钮_清空前缀文本", {"编辑框_前缀"}),
        clears("按钮_清空后缀文本", {"编辑框_后缀"}),
        copies("按钮_复制插入文本改后文本", "编辑框_插入文本改后文本"),
        clears("按钮_清空插入文本改后文本", {"编辑框_插入文本改后文本"}),
        clears("按钮_插入文本_全部清空",
               {"编辑框_插入文本原文本", "编辑框_插入文本改后文本", "编辑框_前缀", "编辑框_后缀"}),

        {"按钮_打乱", Event::Clicked, onShuffleClicked},
        {"按钮_随机组词", Event::Clicked, onRandomWordsClicked},
        {"选择框_去重", Event::Clicked, onDedupeClicked},
        {"编辑框_最小值", Event::TextChanged, onMinLengthChanged},
        {"编辑框_最大值", Event::TextChanged, onMaxLengthChanged},
        clears("按钮_清空打乱原文本", {"编辑框_打乱原文本"}),
        copies("按钮_复制打乱文本", "编辑框_打乱重排文本"),
        clearsWithProgress("按钮_清空打乱文本", "编辑框_打乱重排文本"),
        copies("按钮_复制随机组词", "编辑框_随机组词文本"),
        clearsWithProgress("按钮_清空随机组词", "编辑框_随机组词文本"),

        // Page 4: every button is bound to the scratch box with its own number.
        copies("按钮_复制备用框1", "编辑框_备用框1"),
        clears("按钮_清空备用框1", {"编辑框_备用框1"}),
        copies("按钮_复制备用框2", "编辑框_备用框2"),
        clears("按钮_清空备用框2", {"编辑框_备用框2"}),
        copies("按钮_复制备用框3", "编辑框_备用框3"),
        clears("按钮_清空备用框3", {"编辑框_备用框3"}),
        copies("按钮_复制备用框4", "编辑框_备用框4"),
        clears("按钮_清空备用框4", {"编辑框_备用框4"}),
        copies("按钮_复制备用框5", "编辑框_备用框5"),
        clears("按钮_清空备用框5", {"编辑框_备用框5"}),
        copies("按钮_复制备用框6", "编辑框_备用框6"),
        clears("按钮_清空备用框6", {"编辑框_备用框6"}),
        copies("按钮_复制备用框7", "编辑框_备用框7"),
        clears("按钮_清空备用框7", {"编辑框_备用框7"}),
        copies("按钮_复制备用框8", "编辑框_备用框8"),
        clears("按钮_清空备用框8", {"编辑框_备用框8"}),
        copies("按钮_复制备用框9", "编辑框_备用框9"),
        clears("按钮_清空备用框9", {"编辑框_备用框9"}),
    };
}

}  // namespace

std::span<const Binding> mainWindowBindings() {
    static const std::vector<Binding> bindings = makeBindings();
    return bindings;
}

const Binding* findBinding(std::string_view control, Event event) {
    auto all = mainWindowBindings();
    auto it = std::find_if(all.begin(), all.end(), [&](const Binding& b) {
        return b.control == control && b.event == event;
    });
    return it == all.end() ? nullptr : &*it;
}

}  // namespace nalvic
