#pragma once

#include <QFont>
#include <QLabel>
#include <array>

namespace orvanta::ui {

// A field's label. QLabel measures its text for a size hint with a full text
// layout, three times over, and forms open again and again with the same
// labels: the measurement is kept per text, font and everything else QLabel's
// own reads, so a label whose font, text or frame changes is measured afresh.
class FieldLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // What QLabel's measurement depends on.
    struct Inputs {
        QString text;
        QFont font;
        std::array<qintptr, 19> values{};
        bool operator==(const Inputs&) const = default;
    };
    struct Hints {
        QSize preferred;
        QSize minimum;
    };

private:
    const Hints& MeasuredHints() const;

    mutable Inputs measuredFor_;
    mutable Hints hints_;
    mutable bool measured_ = false;
};

size_t qHash(const FieldLabel::Inputs& inputs, size_t seed = 0);

}  // namespace orvanta::ui
