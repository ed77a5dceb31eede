#include "ui/field_label.h"

#include <QHash>
#include <QStyle>

namespace orvanta::ui {
namespace {

// Every label text of every form in each font and scale used fits many times.
constexpr qsizetype kMaxMeasured = 8192;

FieldLabel::Inputs InputsOf(const FieldLabel& label) {
    const QMargins margins = label.contentsMargins();
    const QSize least = label.minimumSize();
    return {label.text(),
            label.font(),
            {static_cast<qintptr>(label.alignment()), label.textFormat(), label.wordWrap(),
             label.buddy() != nullptr, label.layoutDirection(), label.margin(), label.indent(),
             margins.left(), margins.top(), margins.right(), margins.bottom(), label.frameStyle(),
             label.frameWidth(), least.width(), least.height(), label.logicalDpiX(),
             label.logicalDpiY(), qRound(label.devicePixelRatio() * 100),
             reinterpret_cast<qintptr>(label.style())}};
}

}  // namespace

size_t qHash(const FieldLabel::Inputs& inputs, size_t seed) {
    seed = qHashMulti(seed, inputs.text, inputs.font);
    return qHashRange(inputs.values.begin(), inputs.values.end(), seed);
}

QSize FieldLabel::sizeHint() const { return MeasuredHints().preferred; }

QSize FieldLabel::minimumSizeHint() const { return MeasuredHints().minimum; }

const FieldLabel::Hints& FieldLabel::MeasuredHints() const {
    static QHash<Inputs, Hints> measured;
    // As QLabel does before measuring: the style may still set the font.
    ensurePolished();
    Inputs inputs = InputsOf(*this);
    if (measured_ && inputs == measuredFor_) return hints_;
    if (const auto found = measured.constFind(inputs); found != measured.constEnd()) {
        hints_ = *found;
    } else {
        hints_ = {QLabel::sizeHint(), QLabel::minimumSizeHint()};
        if (measured.size() >= kMaxMeasured) measured.clear();
        measured.insert(inputs, hints_);
    }
    measuredFor_ = std::move(inputs);
    measured_ = true;
    return hints_;
}

}  // namespace orvanta::ui
