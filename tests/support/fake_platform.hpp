#pragma once

#include "platform/platform.hpp"

#include <deque>
#include <string>
#include <vector>

namespace cellwright::test {

// Records what the window asked of the platform and answers what the test
// scripted. Files are real, in the directories the test names.
class FakePlatform final : public Platform {
  public:
    struct Asked {
        QString text;
        QString title;
    };

    QString inputBox(const QString& prompt, const QString& title) override {
        inputs.push_back({prompt, title});
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void messageBox(const QString& text, const QString& title) override {
        messages.push_back({text, title});
    }
    std::string applicationDirectory() const override { return appDir; }
    std::string userDataDirectory() const override { return dataDir; }
    std::string homeDirectory() const override { return home; }
    std::string temporaryDirectory() const override { return tempDir; }
    std::string commandLine() const override { return arguments; }

    std::string appDir;
    std::string dataDir;
    std::string home;
    std::string tempDir;
    std::string arguments;
    std::deque<QString> answers;
    std::vector<Asked> inputs;
    std::vector<Asked> messages;
};

} // namespace cellwright::test
