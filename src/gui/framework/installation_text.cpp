#include "gui/framework/installation_text.h"

#include <QFile>

#include "platform/code_page.h"

QString fromInstallationText(const std::string& text) {
    return QString::fromStdString(platform::code_page_to_utf8(text));
}

std::string toInstallationText(const QString& text) {
    return platform::utf8_to_code_page(text.toStdString());
}

QString fromFileName(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string toFileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
