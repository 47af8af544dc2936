#include "ui/page_control.h"

#include <QFrame>
#include <QStackedWidget>
#include <QTabBar>

namespace nalvic {
namespace {

// Heads as high as the strip, whatever their font.
class PageHeads : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        size.setHeight(PageControl::kHeadHeight);
        return size;
    }
};

}  // namespace

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), heads_(new PageHeads(this)), pages_(new QStackedWidget(this)) {
    QFont headFont = font();
    headFont.setPixelSize(14);
    headFont.setWeight(QFont::Normal);
    heads_->setFont(headFont);
    heads_->setFocusPolicy(Qt::NoFocus);
    heads_->setDrawBase(false);
    heads_->setExpanding(false);
    pages_->setFrameShape(QFrame::NoFrame);
    connect(heads_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);
}

QWidget* PageControl::addPage(const QString& head, const QString& hint) {
    // The page draws the pane's frame itself, so that its children are
    // placed from its very corner.
    auto* page = new QFrame;
    page->setFrameShape(QFrame::StyledPanel);
    pages_->addWidget(page);
    const int index = heads_->addTab(head);
    heads_->setTabToolTip(index, hint);
    return page;
}

void PageControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    heads_->setGeometry(0, 0, width(), kHeadHeight);
    pages_->setGeometry(0, kHeadHeight, width(), height() - kHeadHeight);
}

QWidget* PageControl::page(int index) const { return pages_->widget(index); }
int PageControl::pageCount() const { return pages_->count(); }
void PageControl::showPage(int index) { heads_->setCurrentIndex(index); }
int PageControl::currentPage() const { return heads_->currentIndex(); }

}  // namespace nalvic
