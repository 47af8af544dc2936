#include "ui/help_window.h"

#include <QLabel>
#include <QPainter>
#include <QTextLayout>

#include "ui/app_icon.h"
#include "ui/window_placement.h"

namespace nalvic {
namespace {

// A transparent label whose text wraps at its width and is cut off at its
// bottom edge. Lines are set at a fixed pitch so that every paragraph of the
// window fits its label.
class ParagraphLabel : public QLabel {
public:
    static constexpr int kLinePitch = 13;

    ParagraphLabel(const char* text, QWidget* parent) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // The stored texts break lines with "\r\n".
        setText(QString::fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setClipRect(rect());
        painter.setPen(palette().color(QPalette::WindowText));
        qreal y = 0;
        for (const QString& paragraph : text().split(u'\n')) {
            QTextLayout layout(paragraph, font());
            layout.beginLayout();
            int lines = 0;
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width());
                line.setPosition(QPointF(0, y));
                y += kLinePitch;
                ++lines;
            }
            layout.endLayout();
            layout.draw(&painter, QPointF(0, 0));
            if (lines == 0) y += kLinePitch;
            if (y >= height()) break;
        }
    }
};

struct Paragraph {
    const char* name;
    QRect geometry;
    const char* text;
};

const Paragraph kParagraphs[] = {
    {"透明标签1", {8, 8, 360, 24}, "Nalvic文本处理工具由多个功能模块集合而成。"},
    {"透明标签2", {7, 43, 441, 56},
     "文本替换功能：可对原文本中指定文本内容进行替换，默认为区分大小\r\n\r\n"
     "写，若不需区分，可将忽略大小写功能勾选。"},
    {"透明标签3", {8, 104, 448, 80},
     "插入文本功能：可对原文本添加前后缀文本。若开启多文本添加功能，\r\n\r\n"
     "则视每一次换行为一个文本，点击插入文本按钮后，会在每个文本前\r\n\r\n后插入内容。"},
    {"透明标签4", {8, 193, 440, 175},
     "打乱重排功能：其中有两个小功能\r\n\r\n"
     "1.打乱：将原文本文字内容打乱后随机生成为新文本；\r\n\r\n"
     "2.随机组词：将原文本文字内容打乱后随机抽取文字组成指定长度的词\r\n\r\n"
     "语，词语长度可选固定长度，例：固定长度为2，则词语长度为2个汉字\r\n\r\n"
     "字符长度。也可选随机长度，长度设定为一个区间，例：2到4位，则词\r\n\r\n"
     "语在生成中随机生成2位，3位或4位词。"},
};

}  // namespace

HelpWindow::HelpWindow() {
    setWindowTitle(QStringLiteral("说明"));
    setWindowFlags(fixedWindowFlags());
    setWindowIcon(appIcon());
    setFixedSize(kClientSize);
    QFont paragraphFont = font();
    paragraphFont.setPixelSize(14);
    paragraphFont.setWeight(QFont::Normal);
    for (const Paragraph& p : kParagraphs) {
        auto* label = new ParagraphLabel(p.text, this);
        label->setObjectName(QString::fromUtf8(p.name));
        label->setGeometry(p.geometry);
        label->setFont(paragraphFont);
    }
    closeOnEscape(*this);
    centreOnScreen(*this, kOuterSize);
}

}  // namespace nalvic
