#include "app/qt/TipDialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/qt/QtColours.h"
#include "toolkit/TipWindow.h"

namespace gui {

TipDialog::TipDialog(toolkit::TipWindow& tip, QWidget* parent)
    : QDialog(parent), m_tip(tip), m_timer(tip.Timer1, this) {
    setWindowTitle(toQString(tip.title()));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* message = new QLabel(toQString(tip.message.caption()), this);
    message->setAlignment(Qt::AlignCenter);
    message->setMinimumSize(200, 60);
    layout->addWidget(message);
    m_tip.setViewListener([this] {
        if (!m_tip.isLoaded()) accept();
    });
}

TipDialog::~TipDialog() {
    m_tip.setViewListener({});
}

// Unloading the tip closes the dialog, through the tip's view listener.
void TipDialog::done(int result) {
    if (m_tip.isLoaded())
        m_tip.unload();
    else
        QDialog::done(result);
}

}  // namespace gui
