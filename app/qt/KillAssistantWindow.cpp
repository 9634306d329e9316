#include "app/qt/KillAssistantWindow.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "any5/assistant/KillAssistant.h"
#include "app/qt/ButtonArrayView.h"
#include "app/qt/ButtonView.h"
#include "app/qt/FrameView.h"
#include "app/qt/QtColours.h"
#include "app/qt/ScreenPlacement.h"
#include "app/qt/TextBoxView.h"
#include "app/qt/TimerBinding.h"

namespace gui {
namespace {

// Fsha_jiaocheng: the usage text, read-only, in a window of its own.
class TutorialView final : public QWidget {
public:
    TutorialView(any5::assistant::TutorialWindow& tutorial, QWidget* parent)
        : QWidget(parent, Qt::Window), m_tutorial(tutorial) {
        setObjectName(QStringLiteral("Fsha_jiaocheng"));
        setWindowTitle(toQString(tutorial.title()));
        auto* layout = new QVBoxLayout(this);
        auto* text = new TextBoxView(tutorial.T_jiaocheng, this);
        text->setAccessibleName(QStringLiteral("杀号教程"));
        layout->addWidget(text);
        resize(520, 460);
        m_tutorial.setViewListener([this] {
            setVisible(m_tutorial.isLoaded());
            if (m_tutorial.isLoaded()) raise();
        });
    }
    ~TutorialView() override { m_tutorial.setViewListener({}); }

protected:
    void closeEvent(QCloseEvent* event) override {
        m_tutorial.unload();
        event->accept();
    }

private:
    any5::assistant::TutorialWindow& m_tutorial;
};

const char* const kPositions[] = {"万位", "千位", "百位", "十位", "个位"};

}  // namespace

KillAssistantWindow::KillAssistantWindow(any5::assistant::KillAssistant& assistant,
                                         QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), m_assistant(assistant) {
    setObjectName(QStringLiteral("Fshahao"));
    setWindowTitle(toQString(assistant.title()));
    auto* column = new QVBoxLayout(this);
    column->setSpacing(4);
    column->addWidget(historyArea());
    column->addWidget(coveredArea());
    column->addWidget(confirmArea());
    new TimerBinding(assistant.Timer1, this);
    m_tutorial = new TutorialView(assistant.tutorial, this);
    trackBareSurface();
    // First shown at its size hint, as every top-level window is.
    m_assistant.setFrameSizeSource([this] { return frameSizeOf(*this, sizeHint()); });
    m_assistant.setViewListener([this] { sync(); });
    sync();
}

KillAssistantWindow::~KillAssistantWindow() {
    m_assistant.setViewListener({});
    m_assistant.setFrameSizeSource({});
}

// The coldest three on top, then the draws from the fifth most recent down to
// the most recent, each with its label and (but the oldest) a move-up button.
QWidget* KillAssistantWindow::historyArea() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("最冷三胆"), area), 0, 0);
    auto* bankers = new TextBoxView(m_assistant.T_zuijin_kjh[5], area);
    bankers->setObjectName(QStringLiteral("T_zuijin_kjh_5"));
    bankers->setAccessibleName(QStringLiteral("最冷三胆"));
    bankers->setFixedHeight(28);
    bankers->setStyleSheet(QStringLiteral("background: #A3C0E0; color: red;"));
    grid->addWidget(bankers, 0, 1);
    int row = 1;
    for (int box = 4; box >= 0; --box, ++row) {
        const QString label = QStringLiteral("最近%1期开奖号").arg(box + 1);
        grid->addWidget(new QLabel(label, area), row, 0);
        auto* draw = new TextBoxView(m_assistant.T_zuijin_kjh[static_cast<std::size_t>(box)], area);
        draw->setObjectName(QStringLiteral("T_zuijin_kjh_%1").arg(box));
        draw->setAccessibleName(label);
        draw->setFixedHeight(28);
        draw->setStyleSheet(QStringLiteral("background: white; color: blue;"));
        grid->addWidget(draw, row, 1);
        if (box < 4) {
            auto* up =
                new ButtonView(m_assistant.C_haoma_shangyi[static_cast<std::size_t>(box)], area);
            up->setObjectName(QStringLiteral("C_haoma_shangyi_%1").arg(box));
            grid->addWidget(up, row, 2);
        }
    }
    grid->addWidget(new QLabel(QStringLiteral("上面输入框，双击清空"), area), row, 1);
    return area;
}

// From just below the history boxes down to the last pad row: the
// derivation button, the tutorial and tips buttons and the five pad rows,
// with the period chooser over them once a draw is recognised. The area is
// never lower than the chooser, so every period button shows whole and none
// lies under the confirm buttons.
QWidget* KillAssistantWindow::coveredArea() {
    m_covered = new QWidget(this);
    auto* column = new QVBoxLayout(m_covered);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    auto* derive = new ButtonView(m_assistant.C_shahao_sandan, m_covered);
    derive->setObjectName(QStringLiteral("C_shahao_sandan"));
    derive->setMinimumHeight(30);
    column->addWidget(derive);
    auto* links = new QHBoxLayout;
    for (auto* button : {&m_assistant.C_shahao_jiaocheng, &m_assistant.C_shahao_jiqiao}) {
        auto* view = new ButtonView(*button, m_covered);
        view->setObjectName(button == &m_assistant.C_shahao_jiaocheng
                                ? QStringLiteral("C_shahao_jiaocheng")
                                : QStringLiteral("C_shahao_jiqiao"));
        links->addWidget(view);
    }
    column->addLayout(links);
    auto* fill = new ButtonView(m_assistant.C_shahao_lishi, m_covered);
    fill->setObjectName(QStringLiteral("C_shahao_lishi"));
    column->addWidget(fill);
    auto* pad = new QGridLayout;
    for (int row = 0; row < 5; ++row) {
        const QString label = QString::fromUtf8(kPositions[row]);
        pad->addWidget(new QLabel(label, m_covered), row, 0);
        pad->addWidget(
            new ButtonArrayView(label, m_assistant.padRow(row), {11, QSize(26, 24), {}}, m_covered),
            row, 1);
    }
    pad->setColumnStretch(2, 1);
    column->addLayout(pad);
    column->addStretch(1);

    // Not in the layout: created last, it lies over everything else.
    m_chooser = new FrameView(m_assistant.F_shahao_xiala, m_covered);
    m_chooser->setObjectName(QStringLiteral("F_shahao_xiala"));
    m_chooser->setAccessibleName(QStringLiteral("请选择要输入的期号"));
    m_chooser->setStyleSheet(QStringLiteral("QGroupBox { background: #C0FFC0; }"));
    auto* choices = new QVBoxLayout(m_chooser);
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("请选择要输入的期号"), m_chooser));
    auto* close = new ButtonView(m_assistant.C_shahao_tuichu, m_chooser);
    close->setFixedSize(26, 24);
    head->addWidget(close);
    choices->addLayout(head);
    choices->addWidget(new ButtonArrayView(QStringLiteral("请选择要输入的期号"),
                                           m_assistant.C_shahao_gengxin, {1, QSize(260, 26), {}},
                                           m_chooser));
    m_covered->setMinimumHeight(m_chooser->sizeHint().height());
    m_covered->installEventFilter(this);
    return m_covered;
}

// The two confirm buttons and the two hints under them.
QWidget* KillAssistantWindow::confirmArea() {
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new ButtonArrayView(QStringLiteral("确认"), m_assistant.C_shahao_queren,
                                          {2, QSize(150, 30), {}}, area));
    column->addWidget(new QLabel(QStringLiteral("万位千位百位十位个位每个位置只选一个号码"), area));
    column->addWidget(new QLabel(QStringLiteral("选择期号后点击<确认输入>"), area));
    return area;
}

// Qt drops a pointer move over a widget that does not track the mouse, so
// every bare part of the window (containers, labels, the chooser's frame)
// tracks it and reports it here; buttons and text boxes keep their own rules.
void KillAssistantWindow::trackBareSurface() {
    QList<QWidget*> widgets = findChildren<QWidget*>();
    widgets.append(this);
    for (QWidget* widget : widgets) {
        if (widget->window() != this || qobject_cast<QAbstractButton*>(widget)) continue;
        bool inTextBox = false;
        for (QWidget* up = widget; up != nullptr && !inTextBox; up = up->parentWidget())
            inTextBox = qobject_cast<QAbstractScrollArea*>(up) != nullptr;
        if (inTextBox) continue;
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
}

bool KillAssistantWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_covered && event->type() == QEvent::Resize) {
        m_chooser->setGeometry(m_covered->rect());
        m_chooser->raise();
    } else if (event->type() == QEvent::MouseMove) {
        m_assistant.hoverSurface();
    }
    return QWidget::eventFilter(watched, event);
}

void KillAssistantWindow::closeEvent(QCloseEvent* event) {
    m_assistant.unload();
    event->accept();
}

void KillAssistantWindow::sync() {
    if (!m_assistant.isLoaded()) {
        hide();
        return;
    }
    // Placed before it maps: the desktop then puts its frame there, where a
    // window that maps first would get a place of the desktop's choosing.
    move(m_assistant.left(), m_assistant.top());
    show();
    raise();
}

}  // namespace gui
