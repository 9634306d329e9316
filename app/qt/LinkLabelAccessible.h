#pragma once

#include <QAccessibleWidget>

namespace gui {

class LabelView;

// What a screen reader sees of a label that acts on a click: a link named by
// its caption whose press action does what a click does.
class LinkLabelAccessible final : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LabelView* label);

    // Makes every link label show so on the accessibility bus; the first call
    // registers the factory, later ones do nothing.
    static void install();

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    LabelView* label() const;
};

}  // namespace gui
