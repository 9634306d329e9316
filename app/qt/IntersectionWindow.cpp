#include "app/qt/IntersectionWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/qt/ButtonView.h"
#include "app/qt/CheckBoxView.h"
#include "app/qt/FrameView.h"
#include "app/qt/QtColours.h"
#include "app/qt/TextBoxView.h"
#include "tools/intersection/IntersectionForm.h"

namespace gui {

IntersectionWindow::IntersectionWindow(intersection::IntersectionForm& form, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), m_form(form) {
    setObjectName(QStringLiteral("Fjiaoji"));
    setWindowTitle(toQString(form.title()));
    auto* grid = new QGridLayout(this);
    const QString labels[] = {QString::fromUtf8(form.listLabel(0)),
                              QString::fromUtf8(form.listLabel(1)), QStringLiteral("结果号码")};
    const int columns[] = {0, 1, 3};
    for (int list = 0; list < 3; ++list) {
        auto* box = new TextBoxView(form.T_dd_jiaoji[static_cast<std::size_t>(list)], this);
        box->setObjectName(QStringLiteral("T_dd_jiaoji_%1").arg(list));
        box->setAccessibleName(labels[list]);
        box->setMinimumSize(170, 380);
        // Under each list its own button: 清空A, 清空B, or the result's copy.
        auto& command = form.C_jiaoji_cls[static_cast<std::size_t>(list)];
        box->setPreviewAdvice(
            list < 2 ? QStringLiteral("点【%1】可清空").arg(toQString(command.caption()))
                     : QStringLiteral("【%1】复制全部").arg(toQString(command.caption())));
        auto* commandView = new ButtonView(command, this);
        commandView->setObjectName(QStringLiteral("C_jiaoji_cls_%1").arg(list));
        grid->addWidget(new QLabel(labels[list], this), 0, columns[list]);
        grid->addWidget(commandView, 1, columns[list]);
        grid->addWidget(box, 2, columns[list]);
    }

    auto* middle = new QVBoxLayout;
    for (std::size_t i = 0; i < form.C_jiaoji_xuanzhe.size(); ++i) {
        auto* operation = new ButtonView(form.C_jiaoji_xuanzhe[i], this);
        operation->setObjectName(QStringLiteral("C_jiaoji_xuanzhe_%1").arg(i));
        operation->setMinimumHeight(30);
        middle->addWidget(operation);
    }
    middle->addWidget(new QLabel(QStringLiteral("最终注数"), this));
    auto* count = new TextBoxView(form.T_jiaoji_zhushu, this);
    count->setObjectName(QStringLiteral("T_jiaoji_zhushu"));
    count->setAccessibleName(QStringLiteral("最终注数"));
    count->setFixedHeight(30);
    middle->addWidget(count);
    if (form.isFront3()) {
        auto* progress = new FrameView(form.Fjindu, this);
        auto* progressLayout = new QVBoxLayout(progress);
        progressLayout->addWidget(new QLabel(toQString(form.Fjindu.caption()), progress));
        middle->addWidget(progress);
        auto* tip = new TextBoxView(form.Text1, this);
        tip->setAccessibleName(QStringLiteral("交并集转组选技巧"));
        tip->setMinimumHeight(170);
        middle->addWidget(tip);
    }
    middle->addStretch(1);
    grid->addLayout(middle, 2, 2);
    grid->addWidget(new CheckBoxView(form.Check_out_douhao, this), 3, 0, 1, 4);

    m_form.setViewListener([this] { sync(); });
    sync();
}

IntersectionWindow::~IntersectionWindow() {
    m_form.setViewListener({});
}

void IntersectionWindow::closeEvent(QCloseEvent* event) {
    m_form.unload();
    event->accept();
}

void IntersectionWindow::sync() {
    if (!m_form.isLoaded()) {
        hide();
        return;
    }
    if (!isVisible()) {
        show();
        // Beside the main window, where it covers none of the conditions.
        const QRect main = parentWidget()->frameGeometry();
        move(main.right() + 1, main.top());
    }
    raise();
    activateWindow();
}

}  // namespace gui
