#pragma once

#include <QColor>
#include <QString>

#include "toolkit/Rgb.h"

namespace gui {

inline QColor toQColor(toolkit::Rgb rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

inline toolkit::Rgb toRgb(const QColor& colour) {
    return static_cast<toolkit::Rgb>((colour.red() << 16) | (colour.green() << 8) | colour.blue());
}

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// A caption as one line, for accessible names: "01\r\n02" => "01 02".
QString oneLine(const std::string& caption);

}  // namespace gui
