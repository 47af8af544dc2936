// The tab control: a strip of page heads along the top edge and, below it,
// one page at a time. Controls are placed on a page in coordinates of the
// whole control, as if the heads were part of each page.
#pragma once

#include <QPoint>
#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace nalvic {

class PageControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeadHeight = 30;

    explicit PageControl(QWidget* parent);

    // Adds a page with its head caption and the hint shown over its head.
    QWidget* addPage(const QString& head, const QString& hint);
    QWidget* page(int index) const;
    int pageCount() const;
    // The position on a page of a point given relative to the whole control.
    static QPoint onPage(int x, int y) { return {x, y - kHeadHeight}; }

    QTabBar* heads() const { return heads_; }
    void showPage(int index);
    int currentPage() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* heads_;
    QStackedWidget* pages_;
};

}  // namespace nalvic
