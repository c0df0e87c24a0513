#include "platform/qt_platform.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

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

QString QtPlatform::applicationDirectory() const {
    return QCoreApplication::applicationDirPath();
}

void QtPlatform::deleteFiles(const QString& directory, const QString& pattern) {
    QDir dir(directory);
    const QStringList names = dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        dir.remove(name);
}

QString QtPlatform::commandLine() const {
    return QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
}

} // namespace cellwright
