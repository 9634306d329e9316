#include "app/qt/ParityPickerWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "any5/panels/ParityPicker.h"
#include "app/qt/ButtonView.h"
#include "app/qt/CheckBoxView.h"
#include "app/qt/QtColours.h"
#include "app/qt/ScreenPlacement.h"

namespace gui {
namespace {

struct Group {
    const char* label;
    std::size_t first;
    std::size_t last;
    int commands;  // index of its "全" in C_jo_quan_cls, or -1
};

constexpr Group kGroups[] = {
    {"", 0, 1, -1},
    {"奇偶比 4:1", 2, 5, 0},
    {"奇偶比 3:2", 6, 11, 2},
    {"奇偶比 2:3", 12, 15, 4},
    {"奇偶比 1:4", 16, 16, -1},
    {"偶奇比 4:1", 17, 20, 6},
    {"偶奇比 3:2", 21, 26, 8},
    {"偶奇比 2:3", 27, 30, 10},
    {"偶奇比 1:4", 31, 31, -1},
};

QGroupBox* groupBox(any5::ParityPicker& picker, const Group& group, QWidget* parent) {
    auto* box = new QGroupBox(QString::fromUtf8(group.label), parent);
    box->setAccessibleName(group.label[0] != '\0' ? box->title() : QStringLiteral("奇偶全同"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    int place = 0;
    for (std::size_t i = group.first; i <= group.last; ++i, ++place) {
        auto* check = new CheckBoxView(picker.Ch_jo[i], box);
        check->setObjectName(QStringLiteral("Ch_jo_%1").arg(i));
        grid->addWidget(check, place / 4, place % 4);
    }
    if (group.commands >= 0) {
        for (int k = 0; k < 2; ++k) {
            auto* button = new ButtonView(
                picker.C_jo_quan_cls[static_cast<std::size_t>(group.commands + k)], box);
            button->setFixedSize(30, 22);
            grid->addWidget(button, 0, 4 + k);
        }
    }
    return box;
}

}  // namespace

ParityPickerWindow::ParityPickerWindow(any5::ParityPicker& picker, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      m_picker(picker),
      m_restore(picker.Timer1, this),
      m_dock(picker.Timer2, this) {
    setObjectName(QStringLiteral("Fjo"));
    setWindowTitle(toQString(picker.title()));
    auto* column = new QVBoxLayout(this);
    column->setSpacing(1);
    column->setContentsMargins(6, 4, 6, 4);
    column->addWidget(new QLabel(QStringLiteral("杀奇偶排列（号码从小到大排列）"), this));
    for (const Group& group : kGroups) column->addWidget(groupBox(picker, group, this));

    auto* pageRow = new QHBoxLayout;
    for (std::size_t i = 0; i < picker.C_benye_all.size(); ++i) {
        auto* button = new ButtonView(picker.C_benye_all[i], this);
        button->setMinimumHeight(26);
        pageRow->addWidget(button);
    }
    column->addLayout(pageRow);
    for (const char* line :
         {"提示：在软件首页左下角可以快速设置奇偶比。",
          "如在软件首页左下角：【奇号个数】那点击【2】", "则本页面中除了含有2个奇号的号码外，",
          "其余的号码即使不打勾也同步删除；以此类推"}) {
        auto* tip = new QLabel(QString::fromUtf8(line), this);
        tip->setWordWrap(true);
        column->addWidget(tip);
    }
    column->addStretch(1);
    // Until it is first shown, as small as sync() may make it.
    m_picker.setFrameSizeSource([this] { return frameSizeOf(*this, minimumSizeHint()); });
    m_picker.setViewListener([this] { sync(); });
    sync();
}

ParityPickerWindow::~ParityPickerWindow() {
    m_picker.setViewListener({});
    m_picker.setFrameSizeSource({});
}

void ParityPickerWindow::closeEvent(QCloseEvent* event) {
    m_picker.unload();
    event->accept();
}

void ParityPickerWindow::sync() {
    if (!m_picker.isLoaded()) {
        hide();
        return;
    }
    // Placed before it maps: the desktop then puts its frame there, where a
    // window that maps first would get a place of the desktop's choosing.
    move(m_picker.left(), m_picker.top());
    // Until its own frame is known, the main window's tells how tall one is.
    const QWidget& main = *parentWidget();
    const int decoration = std::max(frameGeometry().height() - height(),
                                    main.frameGeometry().height() - main.height());
    resize(any5::ParityPicker::kWidth,
           std::max(m_picker.height() - decoration, minimumSizeHint().height()));
    show();
}

}  // namespace gui
