#include "app/qt/Front3TabAreaView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt/ButtonArrayView.h"
#include "app/qt/ButtonView.h"
#include "app/qt/CheckBoxGridView.h"
#include "app/qt/FrameView.h"
#include "app/qt/PastPageView.h"
#include "app/qt/TextBoxView.h"
#include "front3/MainForm.h"

namespace gui {
namespace {

const QSize kNumber(26, 24);
constexpr int kPageHeight = 236;

QVBoxLayout* notes(std::initializer_list<const char*> lines, QWidget* parent) {
    auto* column = new QVBoxLayout;
    for (const char* line : lines) column->addWidget(new QLabel(QString::fromUtf8(line), parent));
    column->addStretch(1);
    return column;
}

TextBoxView* box(toolkit::TextBox& control, const char* controlName, const QString& name,
                 QWidget* parent) {
    auto* view = new TextBoxView(control, parent);
    view->setObjectName(QLatin1String(controlName));
    view->setAccessibleName(name);
    return view;
}

void fillDirectPage(FrameView* page, front3::EntryPages& pages) {
    auto* row = new QHBoxLayout(page);
    row->addWidget(box(pages.T_main_shazhixuan, "T_main_shazhixuan", page->title(), page), 1);
    row->addLayout(notes({"格式：", "数字间用空格隔开", "每行一注", "可以粘贴号码", "双击清空", "",
                          "杀组选号码", "可用杀垃圾复式功能"},
                         page));
}

// The compound builder: three rows of numbers by position, each with "全"
// and "清", then "添加"; the compound lines below.
void fillCompoundPage(FrameView* page, front3::EntryPages& pages) {
    auto* column = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    auto* builder = new QGridLayout;
    builder->setVerticalSpacing(2);
    const char* labels[] = {"第一位", "第二位", "第三位"};
    for (int r = 0; r < 3; ++r) {
        const QString label = QString::fromUtf8(labels[r]);
        builder->addWidget(new QLabel(label, page), r, 0);
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < 11; ++i) order.push_back(static_cast<std::size_t>(11 * r) + i);
        builder->addWidget(new ButtonArrayView(label, pages.C_laji_sha, {11, kNumber, order}, page),
                           r, 1);
        for (auto* command : {&pages.C_laji_all, &pages.C_laji_cls}) {
            auto* view = new ButtonView((*command)[static_cast<std::size_t>(r)], page);
            view->setFixedSize(kNumber);
            builder->addWidget(view, r, command == &pages.C_laji_all ? 2 : 3);
        }
    }
    top->addLayout(builder);
    auto* side = notes({"一行一个", "可以粘贴", "双击清空"}, page);
    auto* add = new ButtonView(pages.C_laji_add, page);
    add->setObjectName(QStringLiteral("C_laji_add"));
    add->setFixedSize(60, 26);
    side->insertWidget(0, add);
    top->addLayout(side);
    column->addLayout(top);
    column->addWidget(box(pages.T_main_laji_fushi, "T_main_laji_fushi", page->title(), page), 1);
}

void fillPairPage(FrameView* page, toolkit::ButtonArray& pairs, toolkit::Button& all,
                  toolkit::Button& clear) {
    auto* column = new QVBoxLayout(page);
    column->addWidget(new ButtonArrayView(page->title(), pairs, {15, QSize(34, 40), {}}, page));
    auto* commands = new QHBoxLayout;
    for (auto* button : {&all, &clear}) {
        auto* view = new ButtonView(*button, page);
        view->setFixedSize(50, 24);
        commands->addWidget(view);
    }
    commands->addStretch(1);
    column->addLayout(commands);
    column->addStretch(1);
}

void fillPathPage(FrameView* page, front3::EntryPages& pages) {
    auto* column = new QVBoxLayout(page);
    column->addWidget(new CheckBoxGridView(page->title(), pages.Check_sha_012, 9,
                                           QStringLiteral("Check_sha_012_"), page));
    column->addWidget(
        new QLabel(QStringLiteral("0路：03.06.09；1路：01.04.07.10；2路：02.05.08.11"), page));
    column->addWidget(
        new ButtonArrayView(page->title(), pages.C_012, {2, QSize(40, 24), {}}, page));
    column->addStretch(1);
}

}  // namespace

Front3TabAreaView::Front3TabAreaView(front3::MainForm& form, QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* tabRow = new QHBoxLayout;
    tabRow->setSpacing(2);
    for (std::size_t i = 0; i < form.tabs.C_sst_0.size(); ++i) {
        auto* tab = new ButtonView(form.tabs.C_sst_0[i], this);
        tab->setObjectName(QStringLiteral("C_sst_0_%1").arg(i));
        tab->setMinimumHeight(26);
        // Each tab as wide as its caption needs, so that seven fit in the column.
        tab->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        tab->setMinimumWidth(tab->fontMetrics().horizontalAdvance(tab->text()) + 12);
        tabRow->addWidget(tab);
    }
    column->addLayout(tabRow);

    std::vector<FrameView*> pages;
    for (std::size_t i = 0; i < form.tabs.pageCount(); ++i) {
        auto* page = new FrameView(form.tabs.Frame_ding[i], this);
        page->setObjectName(QStringLiteral("Frame_ding_%1").arg(i));
        page->setMinimumHeight(kPageHeight);
        column->addWidget(page, 1);
        pages.push_back(page);
    }
    fillDirectPage(pages[0], form.pages);
    fillCompoundPage(pages[1], form.pages);
    fillPairPage(pages[2], form.pages.C_sha2ma, form.pages.C_sha2ma_all, form.pages.C_sha2ma_cls);
    fillPairPage(pages[3], form.pages.C_bichu2ma, form.pages.C_bichu2ma_all,
                 form.pages.C_bichu2ma_cls);
    fillPathPage(pages[4], form.pages);
    fillPastPage(pages[5], form.past, {});
    // Room for the widest and tallest page, so that switching tabs never
    // resizes the window.
    int width = 0;
    for (auto* page : pages) width = std::max(width, page->sizeHint().width());
    setMinimumWidth(width);
}

}  // namespace gui
