#include "ui/main_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

#include "ui/app_icon.h"
#include "ui/number_key_filter.h"
#include "ui/page_control.h"
#include "ui/progress_bar.h"
#include "ui/transparent_label.h"
#include "ui/utf8.h"
#include "ui/window_placement.h"

namespace nalvic {
namespace {

// Page controls are given relative to the whole tab control.
QRect onPage(int x, int y, int w, int h) { return {PageControl::onPage(x, y), QSize(w, h)}; }

// Captions keep their place but may grow to the right to show in full.
void widenToFit(QWidget* widget) {
    const int needed = widget->sizeHint().width();
    if (needed > widget->width()) widget->resize(needed, widget->height());
}

}  // namespace

template <class W>
W* MainWindow::place(W* widget, std::string_view name, QRect geometry) {
    widget->setObjectName(fromUtf8(name));
    widget->setGeometry(geometry);
    controls_.emplace(std::string(name), widget);
    return widget;
}

MainWindow::MainWindow(App& app) : app_(app) {
    setWindowTitle(QStringLiteral("Nalvic文本处理工具"));
    setWindowFlags(fixedWindowFlags());
    setWindowIcon(appIcon());
    setFixedSize(kClientSize);

    buildTopBand();
    pages_ = place(new PageControl(this), "高级选择夹1", {0, 48, 659, 472});
    buildReplacePage(pages_->addPage(QStringLiteral("  文本替换  "),
                                     QStringLiteral("替换指定文本内容，可多组词同时替换")));
    buildInsertPage(
        pages_->addPage(QStringLiteral("  插入文本  "), QStringLiteral("给指定内容插入前后缀")));
    buildShufflePage(pages_->addPage(QStringLiteral("  打乱重排  "),
                                     QStringLiteral("文本中文字打乱重排|随机抽字组词")));
    buildScratchPage(
        pages_->addPage(QStringLiteral("  备用编辑框  "), QStringLiteral("用于存放临时数据")));
    pages_->showPage(0);

    closeOnEscape(*this);
    centreOnScreen(*this, kOuterSize);
    connectBindings();
}

QWidget* MainWindow::control(std::string_view name) const {
    auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

void MainWindow::dispatch(std::string_view control, Event event) {
    if (const Binding* binding = findBinding(control, event)) binding->handler(app_);
}

namespace {

QPushButton* makeButton(QWidget* parent, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    // No button is a default button: Enter clicks nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The selection shows only while the box has the focus.
void hideInactiveSelection(QWidget* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Inactive, QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Inactive, QPalette::Text));
    box->setPalette(palette);
}

QPlainTextEdit* makeLargeBox(QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    hideInactiveSelection(box);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    return box;
}

QLineEdit* makeLineBox(QWidget* parent, const char* text = "") {
    auto* box = new QLineEdit(QString::fromUtf8(text), parent);
    hideInactiveSelection(box);
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setCursorPosition(0);
    return box;
}

QLineEdit* makeNumberBox(QWidget* parent, const char* text = "") {
    QLineEdit* box = makeLineBox(parent, text);
    NumberKeyFilter::install(box);
    return box;
}

QLabel* makeLabel(QWidget* parent, const char* caption) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

TransparentLabel* makeTransparentLabel(QWidget* parent, const char* caption) {
    auto* label = new TransparentLabel(parent);
    label->setText(QString::fromUtf8(caption));
    return label;
}

template <class Box>
Box* makeOption(QWidget* parent, const char* caption) {
    auto* box = new Box(QString::fromUtf8(caption), parent);
    return box;
}

}  // namespace

void MainWindow::buildTopBand() {
    auto* band = place(new QGroupBox(this), "分组框1", {5, 1, 650, 40});

    auto* help = place(makeTransparentLabel(band, "说明"), "透明标签8", {25, 12, 33, 20});
    help->setCursor(Qt::WhatsThisCursor);
    widenToFit(help);

    auto* home = place(makeTransparentLabel(band, "软件主页"), "透明标签_网站主页", {150, 12, 50, 20});
    QPalette red = home->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    home->setPalette(red);
    widenToFit(home);

    auto* news = place(makeTransparentLabel(band, ""), "透明标签_公告", {235, 11, 264, 20});
    news->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

void MainWindow::buildReplacePage(QWidget* page) {
    place(makeLargeBox(page), "编辑框_原文本", onPage(8, 48, 640, 152));
    place(makeButton(page, "复制"), "按钮_复制原文本", onPage(544, 176, 40, 24));
    place(makeButton(page, "清空"), "按钮_清空原文本", onPage(608, 175, 40, 24));
    widenToFit(place(makeLabel(page, "欲被替换的字符："), "标签1", onPage(12, 207, 100, 18)));
    widenToFit(place(makeLabel(page, "用于替换的字符："), "标签2", onPage(208, 208, 100, 18)));
    place(makeLargeBox(page), "编辑框_被替换文本", onPage(8, 232, 184, 72));
    place(makeButton(page, "清空"), "按钮_清空被替换文本", onPage(152, 280, 40, 24));
    place(makeLargeBox(page), "编辑框_用于替换文本", onPage(208, 231, 184, 72));
    place(makeButton(page, "清空"), "按钮_清空用于替换文本", onPage(352, 280, 40, 24));
    widenToFit(place(makeOption<QCheckBox>(page, "忽略大小写"), "选择框_忽略大小写",
                     onPage(425, 220, 80, 24)));
    place(makeButton(page, "替换"), "按钮_替换", onPage(560, 217, 72, 32));
    place(makeButton(page, "全部清空"), "按钮_全部清空", onPage(561, 265, 72, 32));
    place(makeLargeBox(page), "编辑框_改后文本", onPage(8, 312, 640, 152));
    place(makeButton(page, "复制"), "按钮_复制改后文本", onPage(552, 440, 40, 24));
    place(makeButton(page, "清空"), "按钮_清空改后文本", onPage(608, 439, 40, 24));
}

void MainWindow::buildInsertPage(QWidget* page) {
    place(makeLargeBox(page), "编辑框_插入文本原文本", onPage(8, 50, 640, 152));
    place(makeButton(page, "复制"), "按钮_复制插入文本原文本", onPage(541, 177, 40, 24));
    place(makeButton(page, "清空"), "按钮_清空插入文本原文本", onPage(608, 176, 40, 24));
    widenToFit(place(makeLabel(page, "前缀文本："), "标签3", onPage(12, 204, 80, 24)));
    widenToFit(place(makeLabel(page, "后缀文本："), "标签4", onPage(216, 208, 80, 18)));
    place(makeLargeBox(page), "编辑框_前缀", onPage(8, 231, 184, 72));
    place(makeButton(page, "清空"), "按钮_清空前缀文本", onPage(153, 280, 40, 24));
    place(makeLargeBox(page), "编辑框_后缀", onPage(215, 230, 184, 72));
    place(makeButton(page, "清空"), "按钮_清空后缀文本", onPage(360, 278, 40, 24));
    widenToFit(place(makeOption<QCheckBox>(page, "多文本添加"), "选择框_多文本",
                     onPage(432, 224, 80, 24)));
    place(makeButton(page, "插入文本"), "按钮_插入文本", onPage(568, 216, 72, 32));
    place(makeButton(page, "全部清空"), "按钮_插入文本_全部清空", onPage(568, 264, 72, 32));
    place(makeLargeBox(page), "编辑框_插入文本改后文本", onPage(8, 309, 640, 152));
    place(makeButton(page, "复制"), "按钮_复制插入文本改后文本", onPage(547, 436, 40, 24));
    place(makeButton(page, "清空"), "按钮_清空插入文本改后文本", onPage(610, 435, 40, 24));
}

void MainWindow::buildShufflePage(QWidget* page) {
    place(makeLargeBox(page), "编辑框_打乱原文本", onPage(8, 40, 640, 152));
    place(makeButton(page, "清空"), "按钮_清空打乱原文本", onPage(591, 168, 56, 27));
    place(new ProgressBar(page), "进度条_打乱重排", onPage(9, 195, 640, 16));
    place(makeLargeBox(page), "编辑框_打乱重排文本", onPage(8, 216, 288, 211));
    place(makeButton(page, "打乱"), "按钮_打乱", onPage(16, 432, 56, 32));
    place(makeButton(page, "复制"), "按钮_复制打乱文本", onPage(123, 432, 56, 32));
    place(makeButton(page, "清空"), "按钮_清空打乱文本", onPage(232, 432, 56, 32));

    widenToFit(place(makeOption<QRadioButton>(page, "随机词位数："), "单选框_随机词位数",
                     onPage(319, 214, 95, 24)));
    place(makeNumberBox(page, "1"), "编辑框_最小值", onPage(415, 216, 20, 20));
    place(makeTransparentLabel(page, "到"), "透明标签2", onPage(441, 216, 20, 20));
    place(makeNumberBox(page, "2"), "编辑框_最大值", onPage(458, 216, 20, 20));
    place(makeTransparentLabel(page, "位"), "透明标签3", onPage(482, 215, 20, 20));
    auto* fixed = place(makeOption<QRadioButton>(page, "固定词位数："), "单选框_固定词位数",
                        onPage(319, 247, 96, 24));
    fixed->setChecked(true);
    widenToFit(fixed);
    place(makeNumberBox(page, "2"), "编辑框_固定词个数", onPage(414, 248, 56, 20));
    place(makeTransparentLabel(page, "位"), "透明标签7", onPage(478, 247, 24, 20));
    widenToFit(place(makeTransparentLabel(page, "词个数："), "透明标签4", onPage(338, 278, 40, 20)));
    place(makeNumberBox(page), "编辑框_输出条数", onPage(391, 278, 72, 20));
    place(makeTransparentLabel(page, "个"), "透明标签5", onPage(474, 278, 21, 20));
    widenToFit(place(makeOption<QCheckBox>(page, "去重"), "选择框_去重", onPage(342, 308, 64, 24)));
    place(makeButton(page, "随机组词"), "按钮_随机组词", onPage(354, 344, 112, 32));
    place(makeButton(page, "复制"), "按钮_复制随机组词", onPage(342, 392, 56, 32));
    place(makeButton(page, "清空"), "按钮_清空随机组词", onPage(422, 392, 56, 32));
    place(makeLargeBox(page), "编辑框_随机组词文本", onPage(505, 216, 144, 248));
}

void MainWindow::buildScratchPage(QWidget* page) {
    struct Scratch {
        QRect box;
        QPoint copy, clear;
    };
    static constexpr int kLineBoxes = 6;
    const Scratch scratch[] = {
        {{19, 56, 168, 24}, {195, 55}, {259, 55}},     {{349, 56, 168, 24}, {525, 56}, {587, 56}},
        {{19, 97, 168, 24}, {195, 95}, {260, 95}},     {{349, 96, 168, 24}, {526, 96}, {587, 96}},
        {{19, 140, 168, 24}, {196, 136}, {260, 136}},  {{349, 136, 168, 24}, {526, 136}, {588, 136}},
        {{16, 184, 188, 240}, {24, 432}, {136, 432}},  {{235, 184, 188, 240}, {243, 432}, {355, 432}},
        {{451, 184, 188, 240}, {456, 432}, {576, 432}},
    };
    for (int i = 0; i < 9; ++i) {
        const std::string number = std::to_string(i + 1);
        const Scratch& s = scratch[i];
        const bool line = i < kLineBoxes;
        QWidget* box = line ? static_cast<QWidget*>(makeLineBox(page)) : makeLargeBox(page);
        place(box, "编辑框_备用框" + number, onPage(s.box.x(), s.box.y(), s.box.width(), s.box.height()));
        const QSize buttonSize = line ? QSize(50, 24) : QSize(60, 30);
        place(makeButton(page, "复制"), "按钮_复制备用框" + number,
              onPage(s.copy.x(), s.copy.y(), buttonSize.width(), buttonSize.height()));
        place(makeButton(page, "清空"), "按钮_清空备用框" + number,
              onPage(s.clear.x(), s.clear.y(), buttonSize.width(), buttonSize.height()));
    }
}

void MainWindow::connectBindings() {
    // The bindings live as long as the program, so a pointer to one is stable.
    for (const Binding& binding : mainWindowBindings()) {
        QWidget* widget = control(binding.control);
        if (!widget || binding.event == Event::TextChanged) continue;
        const Binding* bound = &binding;
        auto run = [this, bound] { bound->handler(app_); };
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button && binding.event == Event::Clicked)
            connect(button, &QAbstractButton::clicked, this, run);
        else if (auto* label = qobject_cast<TransparentLabel*>(widget);
                 label && binding.event == Event::LeftButtonDown)
            connect(label, &TransparentLabel::leftButtonPressed, this, run);
    }
    // Program writes block the boxes' own signal and run the handler
    // themselves, so this is the user's edits only.
    for (const auto& [name, widget] : controls_) {
        QWidget* box = widget;
        const Binding* bound = findBinding(name, Event::TextChanged);
        auto edited = [this, box, bound] {
            emit boxEdited(box);
            if (bound) bound->handler(app_);
        };
        if (auto* line = qobject_cast<QLineEdit*>(box))
            connect(line, &QLineEdit::textChanged, this, edited);
        else if (auto* large = qobject_cast<QPlainTextEdit*>(box))
            connect(large, &QPlainTextEdit::textChanged, this, edited);
        else
            continue;
        editBoxes_.push_back(box);
    }
}

}  // namespace nalvic
