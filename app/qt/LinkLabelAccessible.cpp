#include "app/qt/LinkLabelAccessible.h"

#include "app/qt/LabelView.h"

namespace gui {
namespace {

QAccessibleInterface* linkLabelFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<LabelView*>(object);
    return label != nullptr && label->isLink() ? new LinkLabelAccessible(label) : nullptr;
}

}  // namespace

LinkLabelAccessible::LinkLabelAccessible(LabelView* label)
    : QAccessibleWidget(label, QAccessible::Link) {}

void LinkLabelAccessible::install() {
    // Qt keeps one list of factories for the whole program.
    static const bool isInstalled = [] {
        QAccessible::installFactory(&linkLabelFactory);
        return true;
    }();
    (void)isInstalled;
}

LabelView* LinkLabelAccessible::label() const {
    return static_cast<LabelView*>(widget());
}

QString LinkLabelAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name && label()->accessibleName().isEmpty()) return label()->text();
    return QAccessibleWidget::text(kind);
}

QAccessible::State LinkLabelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    return state;
}

QStringList LinkLabelAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void LinkLabelAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        label()->press();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList LinkLabelAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction()) return {QStringLiteral("Return"), QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

}  // namespace gui
