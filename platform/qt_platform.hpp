#pragma once

#include "platform/platform.hpp"

class QWidget;

namespace cellwright {

// The platform services over Qt. Needs the application object to exist.
class QtPlatform final : public Platform {
  public:
    // The arguments as main received them: their bytes are the paths.
    QtPlatform(int argc, char** argv) : argc_(argc), argv_(argv) {}

    // Dialogs are centred over this widget once it is set.
    void setDialogParent(QWidget* parent) { parent_ = parent; }

    QString inputBox(const QString& prompt, const QString& title) override;
    void messageBox(const QString& text, const QString& title) override;
    std::string applicationDirectory() const override;
    std::string userDataDirectory() const override;
    std::string homeDirectory() const override;
    std::string temporaryDirectory() const override;
    std::string commandLine() const override;

  private:
    int argc_;
    char** argv_;
    QWidget* parent_ = nullptr;
};

} // namespace cellwright
