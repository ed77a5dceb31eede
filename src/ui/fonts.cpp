#include "ui/fonts.h"

#include <QString>

namespace orvanta::ui {
namespace {

constexpr int kFormPointSize = 10;

}  // namespace

QFont ProgramFont(int pointSize) { return QFont(QStringLiteral("Arial"), pointSize); }

QFont FormFont() { return ProgramFont(kFormPointSize); }

}  // namespace orvanta::ui
