// The word-length range boxes, typed into as a user does.
#include <QClipboard>

#include "ui_fixture.h"

namespace nalvic {
namespace {

using testing::MessageCatcher;

enum class Edit { TypeOver, Empty, TypeAtEnd, Paste };

struct RangeEdit {
    const char* min;
    const char* max;
    const char* box;
    Edit edit;
    const char* text;  // UTF-8
    int messages;
    const char* finalMin;
    const char* finalMax;
};

void PrintTo(const RangeEdit& c, std::ostream* os) {
    static const char* const edits[] = {"type-over", "empty", "type-at-end", "paste"};
    *os << c.min << "-" << c.max << " " << (std::string_view(c.box).ends_with("最小值") ? "min" : "max")
        << " " << edits[static_cast<int>(c.edit)] << " '" << c.text << "'";
}

class RangeBoxesUi : public testing::WindowTest, public ::testing::WithParamInterface<RangeEdit> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window().pages()->showPage(2);
    }
};

TEST_P(RangeBoxesUi, CorrectsWhatTheUserTyped) {
    const RangeEdit& c = GetParam();
    // The maximum first, so that the pair stays valid on the way.
    controls().writeText("编辑框_最大值", c.max);
    controls().writeText("编辑框_最小值", c.min);
    MessageCatcher messages;
    QString shownAtMessage;
    messages.onCaught = [&] { shownAtMessage = shown(c.box); };
    auto* box = find<QLineEdit>(c.box);
    box->setFocus();
    switch (c.edit) {
    case Edit::TypeOver:
        box->selectAll();
        QTest::keyClicks(box, c.text);
        break;
    case Edit::Empty:
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        break;
    case Edit::TypeAtEnd:
        box->end(false);
        QTest::keyClicks(box, c.text);
        break;
    case Edit::Paste:
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.text));
        box->selectAll();
        box->paste();
        break;
    }
    EXPECT_EQ(shown("编辑框_最小值"), QString::fromUtf8(c.finalMin));
    EXPECT_EQ(shown("编辑框_最大值"), QString::fromUtf8(c.finalMax));
    ASSERT_EQ(static_cast<int>(messages.caught.size()), c.messages);
    for (const auto& m : messages.caught) {
        EXPECT_EQ(m.text, QStringLiteral("区间值不能为负数或为0！"));
        EXPECT_EQ(m.title, QStringLiteral("信息："));
    }
}

INSTANTIATE_TEST_SUITE_P(
    , RangeBoxesUi,
    ::testing::Values(
        RangeEdit{"1", "2", "编辑框_最小值", Edit::TypeOver, "3", 1, "1", "2"},
        RangeEdit{"1", "2", "编辑框_最小值", Edit::TypeOver, "2", 1, "1", "2"},
        RangeEdit{"1", "2", "编辑框_最小值", Edit::Empty, "", 0, "1", "2"},
        RangeEdit{"1", "2", "编辑框_最小值", Edit::TypeOver, "0", 0, "1", "2"},
        RangeEdit{"1", "2", "编辑框_最小值", Edit::TypeOver, "-", 0, "1", "2"},
        RangeEdit{"1", "2", "编辑框_最大值", Edit::Empty, "", 0, "1", "2"},
        RangeEdit{"1", "2", "编辑框_最大值", Edit::TypeOver, "1", 0, "1", "2"},
        RangeEdit{"5", "9", "编辑框_最大值", Edit::TypeOver, "3", 1, "5", "6"},
        RangeEdit{"5", "9", "编辑框_最大值", Edit::TypeOver, "5", 1, "5", "6"},
        RangeEdit{"2", "3", "编辑框_最大值", Edit::TypeOver, "1", 1, "2", "3"},
        RangeEdit{"1", "2", "编辑框_最大值", Edit::TypeAtEnd, "0", 0, "1", "20"},
        RangeEdit{"1", "2", "编辑框_最大值", Edit::Paste, "abc", 0, "1", "2"},
        RangeEdit{"1", "2", "编辑框_最大值", Edit::Paste, "３", 0, "1", "３"}));

using RangeBoxOrder = testing::WindowTest;

TEST_F(RangeBoxOrder, MaximumReadsTwoWhileTheMessageIsShown) {
    window().pages()->showPage(2);
    controls().writeText("编辑框_最大值", "3");
    controls().writeText("编辑框_最小值", "2");
    MessageCatcher messages;
    QString atMessage;
    messages.onCaught = [&] { atMessage = shown("编辑框_最大值"); };
    auto* box = find<QLineEdit>("编辑框_最大值");
    box->selectAll();
    QTest::keyClicks(box, "1");
    EXPECT_EQ(atMessage, "2");
    EXPECT_EQ(shown("编辑框_最大值"), "3");
}

}  // namespace
}  // namespace nalvic
