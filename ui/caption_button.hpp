#pragma once

#include <QPushButton>

namespace cellwright {

// A push button whose caption wraps onto a second line where it is wider than
// the button, as "Probability Check" is on its narrow, two-line-high button.
class CaptionButton final : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace cellwright
