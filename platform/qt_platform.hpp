#pragma once

#include "platform/platform.hpp"

class QWidget;

namespace cellwright {

// The platform services over Qt. Needs the application object to exist.
class QtPlatform final : public Platform {
  public:
    // Dialogs are centred over this widget once it is set.
    void setDialogParent(QWidget* parent) { parent_ = parent; }

    QString inputBox(const QString& prompt, const QString& title) override;
    void messageBox(const QString& text, const QString& title) override;
    QString applicationDirectory() const override;
    void deleteFiles(const QString& directory, const QString& pattern) override;
    QString commandLine() const override;

  private:
    QWidget* parent_ = nullptr;
};

} // namespace cellwright
