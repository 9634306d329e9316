#include "app/qt/TrendHeader.h"

#include <QPainter>

#include "app/qt/QtColours.h"
#include "app/qt/TrendModels.h"
#include "tools/trend/TrendForm.h"

namespace gui {
namespace {

const QColor kHeaderFill(0xF0, 0xF0, 0xF0);
const QColor kGroupFill(0xE4, 0xEC, 0xF7);
const QColor kChosen(0xD0, 0x20, 0x20);

}  // namespace

TrendHeader::TrendHeader(trend::TrendForm& form, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), m_form(form) {
    setSectionsClickable(true);
    setHighlightSections(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

QSize TrendHeader::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(2 * fontMetrics().height() + 10);
    return size;
}

void TrendHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    painter->fillRect(rect, kHeaderFill);
    painter->setPen(QColor(0xC0, 0xC0, 0xC0));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    const QString caption = model()->headerData(logicalIndex, Qt::Horizontal).toString();
    painter->setPen(Qt::black);
    if (logicalIndex < TrendRowModel::kFirstChartColumn) {
        painter->drawText(rect, Qt::AlignCenter, caption);
    } else {
        const QRect lower(rect.left(), rect.top() + rect.height() / 2, rect.width(),
                          rect.height() - rect.height() / 2);
        painter->drawText(lower, Qt::AlignCenter, caption);
        if (m_form.isChosen(logicalIndex - TrendRowModel::kFirstChartColumn)) {
            painter->setPen(QPen(kChosen, 2));
            painter->drawRect(lower.adjusted(1, 1, -2, -2));
        }
    }
    painter->restore();
}

void TrendHeader::paintGroups(QPainter& painter, int height, const std::vector<int>& widths) const {
    const trend::Chart& chart = m_form.chart();
    int x = 0;
    for (int s = 0; s < TrendRowModel::kFirstChartColumn && s < static_cast<int>(widths.size());
         ++s)
        x += widths[static_cast<std::size_t>(s)];
    int c = 0;
    while (c < chart.columnCount()) {
        const std::string group = chart.groupName(c);
        int width = 0;
        int end = c;
        while (end < chart.columnCount() && chart.groupName(end) == group) {
            const auto at = static_cast<std::size_t>(end + TrendRowModel::kFirstChartColumn);
            width += at < widths.size() ? widths[at] : 0;
            ++end;
        }
        const QRect span(x, 0, width, height / 2);
        painter.fillRect(span, kGroupFill);
        painter.setPen(QColor(0xA0, 0xA0, 0xA0));
        painter.drawRect(span.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        // A plain column's name is its caption already: its span stays blank.
        if (chart.caption(c) != group) painter.drawText(span, Qt::AlignCenter, toQString(group));
        x += width;
        c = end;
    }
}

void TrendHeader::paintEvent(QPaintEvent* event) {
    QHeaderView::paintEvent(event);
    QPainter painter(viewport());
    std::vector<int> widths;
    for (int s = 0; s < count(); ++s) widths.push_back(sectionSize(s));
    painter.translate(-offset(), 0);
    paintGroups(painter, height(), widths);
}

}  // namespace gui
