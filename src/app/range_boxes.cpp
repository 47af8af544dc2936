// The two bounds of the random word length keep themselves valid as the user
// types: minimum >= 1, maximum >= 2 and maximum > minimum. Each handler
// corrects only its own box; the correction is a program write, which runs
// the same handler again, nested, and that nested call finds the box valid.
#include "app/handlers.h"

namespace nalvic {
namespace {

constexpr std::string_view kMinBox = "编辑框_最小值";
constexpr std::string_view kMaxBox = "编辑框_最大值";
constexpr std::string_view kRangeMessage = "区间值不能为负数或为0！";

int32_t readNumber(App& app, std::string_view box) {
    return textToInt(app.controls.readText(box));
}

bool maximumAboveMinimum(App& app) {
    const double maximum = readNumber(app, kMaxBox);
    const double minimum = readNumber(app, kMinBox);
    return maximum - minimum > 0.0000001;
}

}  // namespace

void onMinLengthChanged(App& app) {
    if (readNumber(app, kMinBox) < 1) app.controls.writeText(kMinBox, "1");
    if (maximumAboveMinimum(app)) return;
    app.controls.showMessage(kRangeMessage);
    const double maximum = readNumber(app, kMaxBox);
    app.controls.writeText(kMinBox, numberToText(maximum - 1));
}

void onMaxLengthChanged(App& app) {
    if (readNumber(app, kMaxBox) < 2) app.controls.writeText(kMaxBox, "2");
    if (maximumAboveMinimum(app)) return;
    app.controls.showMessage(kRangeMessage);
    const double minimum = readNumber(app, kMinBox);
    app.controls.writeText(kMaxBox, numberToText(minimum + 1));
}

}  // namespace nalvic
