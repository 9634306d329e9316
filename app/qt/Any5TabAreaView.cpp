#include "app/qt/Any5TabAreaView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "any5/panels/MainForm.h"
#include "app/qt/ButtonArrayView.h"
#include "app/qt/ButtonView.h"
#include "app/qt/FrameView.h"
#include "app/qt/PastPageView.h"
#include "app/qt/QtColours.h"
#include "app/qt/TextBoxView.h"

namespace gui {
namespace {

const QSize kNumber(26, 24);
const QSize kCommand(44, 24);
constexpr int kPageHeight = 270;  // the pair pages: five rows of two-line buttons

QLabel* note(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

TextBoxView* box(toolkit::TextBox& control, const char* controlName, const QString& name,
                 QWidget* parent) {
    auto* view = new TextBoxView(control, parent);
    view->setObjectName(QLatin1String(controlName));
    view->setAccessibleName(name);
    view->setMinimumWidth(250);
    return view;
}

// A text box on the left; the number pad, its commands and the page's note on
// the right.
void fillEntryPage(FrameView* page, toolkit::TextBox& text, const char* textName,
                   toolkit::ButtonArray& pad, QWidget* commands, const char* noteText) {
    const QString name = page->title();
    auto* row = new QHBoxLayout(page);
    row->addWidget(box(text, textName, name, page), 1);
    auto* side = new QVBoxLayout;
    side->addWidget(new ButtonArrayView(name, pad, {6, kNumber, {}}, page));
    side->addWidget(commands);
    side->addWidget(note(noteText, page));
    side->addStretch(1);
    row->addLayout(side);
}

QWidget* commandRow(std::initializer_list<toolkit::Button*> buttons, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (toolkit::Button* button : buttons) {
        auto* view = new ButtonView(*button, row);
        view->setFixedSize(kCommand);
        layout->addWidget(view);
    }
    layout->addStretch(1);
    return row;
}

QWidget* commandArray(const QString& name, toolkit::ButtonArray& commands, QWidget* parent) {
    return new ButtonArrayView(name, commands, {3, kCommand, {}}, parent);
}

void fillPairPage(FrameView* page, toolkit::ButtonArray& pairs, toolkit::Button& all,
                  toolkit::Button& clear) {
    auto* column = new QVBoxLayout(page);
    column->addWidget(new ButtonArrayView(page->title(), pairs, {11, QSize(40, 40), {}}, page));
    column->addWidget(commandRow({&all, &clear}, page));
    column->addStretch(1);
}

void fillPositionalPage(FrameView* page, toolkit::TextBox& text) {
    auto* row = new QHBoxLayout(page);
    row->addWidget(box(text, "T_ding_shadingwei", page->title(), page), 1);
    auto* notes = new QVBoxLayout;
    for (const char* line :
         {"格式要求：", "举例：输入01 * * 05 11；01 02 05 08 *；* * * 08 *；可杀指定位置号码",
          "*与*间用一个空格隔开",
          "*号须和号码分开一个空格，号码与号码间用一个空格隔开，一行一个组合。"}) {
        notes->addWidget(note(line, page));
    }
    notes->addStretch(1);
    row->addLayout(notes, 1);
}

}  // namespace

Any5TabAreaView::Any5TabAreaView(any5::MainForm& form, QWidget* parent) : QWidget(parent) {
    auto& tabs = form.tabs;
    auto& entries = form.entries;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    auto* tabRow = new QWidget(this);
    tabRow->setAccessibleName(QStringLiteral("文本条件页"));
    auto* tabLayout = new QHBoxLayout(tabRow);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    tabLayout->setSpacing(1);
    for (std::size_t i = 0; i < tabs.C_sst_0.size(); ++i) {
        auto* tab = new ButtonView(tabs.C_sst_0[i], tabRow);
        tab->setObjectName(QStringLiteral("C_sst_0_%1").arg(i));
        tab->setMinimumHeight(26);
        // Each tab as wide as its caption needs, so that eight fit in the column.
        tab->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        tab->setMinimumWidth(tab->fontMetrics().horizontalAdvance(tab->text()) + 8);
        tabLayout->addWidget(tab);
    }
    column->addWidget(tabRow);

    std::vector<FrameView*> pages(tabs.pageCount());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pages[i] = new FrameView(tabs.Frame_ding[i], this);
        pages[i]->setObjectName(QStringLiteral("Frame_ding_%1").arg(i));
        pages[i]->setMinimumHeight(kPageHeight);
        column->addWidget(pages[i], 1);
    }
    fillEntryPage(pages[0], entries.T_main_shazhixuan, "T_main_shazhixuan",
                  entries.C_ding_sha_fushi,
                  commandArray(pages[0]->title(), entries.C_ding_sha_fushi_kg, pages[0]),
                  "每次至少点击5个号，一行一注，可粘贴。本功能可以杀垃圾复式/组选");
    fillPairPage(pages[1], form.pairs.C_sha2ma, form.pairs.C_sha2ma_all, form.pairs.C_sha2ma_cls);
    fillPairPage(pages[2], form.pairs.C_chu2ma, form.pairs.C_chu2ma_all, form.pairs.C_chu2ma_cls);
    fillEntryPage(pages[3], entries.T_main_sha_3ma, "T_main_sha_3ma", entries.C_main_sha_3ma,
                  commandRow({&entries.C_main_sha_3ma_add}, pages[3]),
                  "每次固定点击3个号，一行一注，可粘贴。双击清空");
    fillEntryPage(pages[4], entries.T_main_bichu_3ma, "T_main_bichu_3ma", entries.C_main_chu_3ma,
                  commandRow({&entries.C_main_chu_3ma_add}, pages[4]),
                  "每次固定点击3个号，一行一注，可粘贴。双击清空");
    fillEntryPage(pages[5], entries.T_main_sha4ma, "T_main_sha4ma", entries.C_ding_sha_4ma,
                  commandArray(pages[5]->title(), entries.C_ding_sha_4ma_kg, pages[5]),
                  "点击4~11个号，超过4个号时表示杀所有点击号码的任意4码组合");
    fillPositionalPage(pages[6], entries.T_ding_shadingwei);
    auto& a = form.acRoads;
    fillPastPage(pages[7], form.past,
                 {{"AC值", &a.C_aczhi},
                  {"0路个数", &a.C_lu0},
                  {"1路个数", &a.C_lu1},
                  {"2路个数", &a.C_lu2}});
    // Room for the widest page, so that switching tabs never resizes the window.
    int width = 0;
    for (auto* page : pages) width = std::max(width, page->sizeHint().width());
    setMinimumWidth(width);
}

}  // namespace gui
