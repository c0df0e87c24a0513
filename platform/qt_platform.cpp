#include "platform/qt_platform.hpp"

#include "files/backup_folder.hpp"

#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace cellwright {

std::optional<int> textToNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (ch.unicode() - '0');
    }
    return value;
}

QString QtPlatform::inputBox(const QString& prompt, const QString& title) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? text : QString();
}

void QtPlatform::messageBox(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

std::string fileNameBytes(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

std::string QtPlatform::applicationDirectory() const {
    // The kernel's own record of the program, byte for byte; Qt's answer goes
    // through a text conversion that loses a name which is not valid UTF-8.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().native();
}

std::string QtPlatform::userDataDirectory() const {
    return fileNameBytes(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

std::string QtPlatform::homeDirectory() const {
    return fileNameBytes(QDir::homePath());
}

std::string QtPlatform::temporaryDirectory() const {
    return temporaryFolderBase();
}

std::string QtPlatform::commandLine() const {
    std::string text;
    for (int i = 1; i < argc_; ++i)
        text += (i > 1 ? " " : "") + std::string(argv_[i]);
    return text;
}

} // namespace cellwright
