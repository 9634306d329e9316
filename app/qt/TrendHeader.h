#pragma once

#include <QHeaderView>

namespace trend {
class TrendForm;
}

namespace gui {

// The chart's column header in two lines: each group's name over its columns
// ("号码", "奇号个数" …), each column's number or value under it, the main
// window's chosen values outlined. A click on a value presses its button
// there (TrendWindow connects it); a right click on a number offers its menu.
class TrendHeader final : public QHeaderView {
    Q_OBJECT
public:
    TrendHeader(trend::TrendForm& form, QWidget* parent);

    QSize sizeHint() const override;
    // The group spans painted over a picture of the whole chart, from x = 0.
    void paintGroups(QPainter& painter, int height, const std::vector<int>& widths) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    trend::TrendForm& m_form;
};

}  // namespace gui
