#pragma once

#include "platform/platform.hpp"

#include <QDir>
#include <QStringList>

#include <deque>

namespace cellwright::test {

// Records what the window asked of the platform and answers what the test
// scripted. Files are real, in the directory the test names.
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
    QString applicationDirectory() const override { return appDir; }
    void deleteFiles(const QString& directory, const QString& pattern) override {
        deletions.push_back({directory, pattern});
        QDir dir(directory);
        for (const QString& name : dir.entryList({pattern}, QDir::Files))
            dir.remove(name);
    }
    QString commandLine() const override { return arguments; }

    QString appDir;
    QString arguments;
    std::deque<QString> answers;
    std::vector<Asked> inputs;
    std::vector<Asked> messages;
    std::vector<Asked> deletions;
};

} // namespace cellwright::test
