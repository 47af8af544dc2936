// The random-word job: segmentation of the shuffle source into the character
// pool, then the generation of the words, one per line.
#include <algorithm>
#include <unordered_set>

#include "app/frame_pacer.h"
#include "app/handlers.h"
#include "app/job_stages.h"
#include "text/random.h"
#include "text/words.h"

namespace nalvic {
namespace {

constexpr std::string_view kCount = "编辑框_输出条数";
constexpr std::string_view kMinLength = "编辑框_最小值";
constexpr std::string_view kMaxLength = "编辑框_最大值";
constexpr std::string_view kFixedLength = "编辑框_固定词个数";
constexpr std::string_view kRandomLengthMode = "单选框_随机词位数";
constexpr std::string_view kFixedLengthMode = "单选框_固定词位数";
constexpr std::string_view kResult = "编辑框_随机组词文本";
constexpr std::string_view kBar = "进度条_打乱重排";

// With de-duplication, a generation that draws only words it already has this
// many times in a row gives up: fewer distinct words exist than were asked for.
constexpr int kMaxFruitlessDraws = 10000;

enum class Outcome { Done, Stopped, EmptyPool };

// The words made so far, each followed by a line break; when unique, a word
// already there is refused.
class WordList {
public:
    explicit WordList(bool unique) : unique_(unique) {}

    bool add(const Text& word) {
        if (unique_ && !seen_.insert(word).second) return false;
        text_ += word;
        text_ += "\r\n";
        return true;
    }
    const Text& text() const { return text_; }

private:
    bool unique_;
    std::unordered_set<Text> seen_;
    Text text_;
};

class Generation {
public:
    Generation(App& app, bool unique)
        : app_(app), ui_(app.controls), poolSize_(arrayCount(app.state.charList)), words_(unique) {}

    // Words of a length drawn between the bounds, the length before the
    // characters of each word. The bounds are read again every frame, when
    // the bar shows the words made so far.
    Outcome randomLengthWords() {
        const int32_t count = readNumber(kCount);
        int32_t low = readNumber(kMinLength);
        int32_t high = readNumber(kMaxLength);
        int32_t made = 0;
        const Outcome outcome = makeWords(
            count, made,
            [&] {
                if (made > 0) ui_.setProgressPosition(kBar, made);
                low = readNumber(kMinLength);
                high = readNumber(kMaxLength);
            },
            [&] { return randomInRange(low, high); });
        if (outcome == Outcome::Done && made > 0) ui_.setProgressPosition(kBar, made);
        return outcome;
    }

    // Words of the fixed length, read again every frame; the bar is set once,
    // full, at the end.
    Outcome fixedLengthWords() {
        const int32_t count = readNumber(kCount);
        int32_t length = readNumber(kFixedLength);
        int32_t made = 0;
        const Outcome outcome = makeWords(
            count, made, [&] { length = readNumber(kFixedLength); }, [&] { return length; });
        if (outcome == Outcome::Done) ui_.setProgressPosition(kBar, count);
        return outcome;
    }

    const Text& result() const { return words_.text(); }

private:
    // Makes up to `count` words, counting them in `made`. `everyFrame` runs
    // about once a frame (reading changed settings, showing progress);
    // `nextLength` gives each word's length before its characters are drawn.
    // A word refused as a repeat counts as a fruitless draw.
    template <class EveryFrame, class NextLength>
    Outcome makeWords(int32_t count, int32_t& made, EveryFrame everyFrame, NextLength nextLength) {
        FramePacer pacer;
        for (int fruitless = 0; made < count && fruitless < kMaxFruitlessDraws;) {
            if (pacer.due()) {
                if (app_.jobs.stopRequested()) return Outcome::Stopped;
                everyFrame();
            }
            const int32_t length = nextLength();
            if (length > 0 && poolSize_ == 0) return Outcome::EmptyPool;
            if (addWord(length)) {
                ++made;
                fruitless = 0;
            } else {
                ++fruitless;
            }
        }
        return Outcome::Done;
    }

    int32_t readNumber(std::string_view box) { return textToInt(ui_.readText(box)); }
    bool addWord(int32_t length) { return words_.add(makeWord(length)); }

    // composeWord in slices, so that a shutdown is noticed during a very long
    // word; the draws are the same.
    Text makeWord(int32_t length) {
        constexpr int32_t slice = 1 << 16;
        if (length <= slice) return composeWord(app_.state.charList, length, poolSize_);
        Text word;
        for (int32_t left = length; left > 0 && !app_.jobs.stopRequested(); left -= slice)
            word += composeWord(app_.state.charList, std::min(left, slice), poolSize_);
        return word;
    }

    App& app_;
    ControlAccess& ui_;
    const int32_t poolSize_;
    WordList words_;
};

void reportEmptyPool(ControlAccess& ui) {
    ui.setProgressPosition(kBar, 0);
    ui.runOnUiThread([&ui] { ui.showMessage("原文本为空，无法随机组词。", "提示信息"); });
}

void generationStage(App& app) {
    ControlAccess& ui = app.controls;
    ui.setProgressMaximum(kBar, textToInt(ui.readText(kCount)));
    seedRandom();
    Generation generation(app, app.state.dedupeWords.load() == 1);
    Outcome outcome = Outcome::Done;
    if (ui.readChecked(kRandomLengthMode) == 1) outcome = generation.randomLengthWords();
    if (outcome == Outcome::Done && ui.readChecked(kFixedLengthMode) == 1)
        outcome = generation.fixedLengthWords();
    if (outcome == Outcome::Stopped || app.jobs.stopRequested()) return;
    if (outcome == Outcome::EmptyPool)
        reportEmptyPool(ui);
    else
        writeInPieces(app, kResult, generation.result());
    setButtonsEnabled(ui, characterJobButtons, true);
}

void segmentStage(App& app) {
    segmentShuffleSource(app);
    if (app.jobs.stopRequested()) return;
    app.controls.setProgressPosition(kBar, 0);
    startStage(app, characterJobButtons, [&app] { generationStage(app); });
}

}  // namespace

void onRandomWordsClicked(App& app) {
    setButtonsEnabled(app.controls, characterJobButtons, false);
    app.controls.writeText(kResult, "");
    startStage(app, characterJobButtons, [&app] { segmentStage(app); });
}

}  // namespace nalvic
