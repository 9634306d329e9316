#include "shell/Shell.h"

#include "toolkit/Host.h"

namespace shell {

void openPage(toolkit::Host& host, const std::string& url, const char* failureText) {
    if (!host.openUrl(url)) host.showMessage(failureText, kPageFailedTitle);
}

void launchSibling(toolkit::Host& host, const Environment& environment,
                   const std::string& executableName, const std::string& missingText) {
    if (host.startProgram(environment.programFolder + "/" + executableName)) return;
    host.showMessage(missingText, kMissingTitle);
    openPage(host, environment.links.download, kPageFailedText);
}

}  // namespace shell
