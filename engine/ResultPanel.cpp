#include "engine/ResultPanel.h"

#include <utility>

namespace engine {

ResultPanel::ResultPanel(std::string copyCaption, std::string commaCaption)
    : Check_out_douhao(std::move(commaCaption)), C_copy(std::move(copyCaption)) {
    T_dd_by.setText({});
    T_jindutiao[0].setWidth(kProgressTrackWidth);
    T_jindutiao[1].setWidth(kProgressTrackWidth);
}

void ResultPanel::show(Publication publication) {
    const auto count = publication.lines.size();
    ResultText = std::move(publication.text);
    Li_out.assign(std::move(publication.lines));
    T_dd_by.setText(ResultText);
    dadi_zhushu.setCaption(std::to_string(count));
}

void ResultPanel::setProgress(double fraction) {
    T_jindutiao[1].setWidth(static_cast<int>(fraction * T_jindutiao[0].width() + 0.5));
}

}  // namespace engine
