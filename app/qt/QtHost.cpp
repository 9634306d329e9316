#include "app/qt/QtHost.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include "app/qt/TipDialog.h"
#include "toolkit/TipWindow.h"

namespace gui {
namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtHost::showMessage(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::NoIcon, fromView(title), fromView(text), QMessageBox::Ok,
                    m_window);
    box.exec();
}

bool QtHost::askYesNo(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Question, fromView(title), fromView(text),
                    QMessageBox::Yes | QMessageBox::No, m_window);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtHost::yield() {
    QCoreApplication::processEvents();
}

// Qt does not report a clipboard it could not take, so the text is read back.
bool QtHost::setClipboardText(std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return false;
    const QString wanted = fromView(text);
    clipboard->clear();
    clipboard->setText(wanted);
    return clipboard->text() == wanted;
}

bool QtHost::startProgram(const std::string& path) {
    const QString program = QString::fromStdString(path);
    const QFileInfo file(program);
    if (!file.isFile() || !file.isExecutable()) return false;
    return QProcess::startDetached(program, {});
}

bool QtHost::openUrl(const std::string& url) {
    const QUrl address(QString::fromStdString(url));
    return address.isValid() && QDesktopServices::openUrl(address);
}

void QtHost::showTip(toolkit::TipWindow& tip) {
    TipDialog dialog(tip, m_window);
    tip.load();
    if (tip.isLoaded()) dialog.exec();
}

// Queued to the application object, which lives on the user-interface thread.
void QtHost::post(std::function<void()> work) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::QueuedConnection);
}

std::string QtHost::chooseFileToOpen(std::string_view title, std::string_view filter) {
    return chooseFile(title, filter, false);
}

std::string QtHost::chooseFileToSave(std::string_view title, std::string_view filter) {
    return chooseFile(title, filter, true);
}

// Saving adds the filter's extension (".json" for "方案文件 (*.json)") to a name
// typed without one and asks before replacing a file.
std::string QtHost::chooseFile(std::string_view title, std::string_view filter, bool save) {
    QFileDialog dialog(m_window, fromView(title),
                       m_lastFolder.isEmpty() ? QDir::homePath() : m_lastFolder, fromView(filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString filterText = fromView(filter);
    const qsizetype star = filterText.indexOf(QStringLiteral("*."));
    if (save && star >= 0)
        dialog.setDefaultSuffix(filterText.mid(star + 2).section(QLatin1Char(')'), 0, 0).trimmed());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    return path.toStdString();
}

}  // namespace gui
