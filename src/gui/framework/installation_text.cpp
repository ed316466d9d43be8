#include "gui/framework/installation_text.h"

#include <QFile>
#include <QStringDecoder>
#include <string_view>

#include "platform/code_page.h"

QString fromInstallationText(const std::string& text) {
    return QString::fromStdString(platform::code_page_to_utf8(text));
}

std::string toInstallationText(const QString& text) {
    return platform::utf8_to_code_page(text.toStdString());
}

QString fromFileName(const std::string& path) {
    // Each name on its own: a folder copied from a Windows share keeps its Windows-1252 bytes
    // inside a path that is UTF-8 elsewhere.
    QString shown;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = path.find('/', start);
        const std::string_view name =
            std::string_view(path).substr(start, end == std::string::npos ? end : end - start);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(QByteArrayView(name.data(), name.size()));
        shown += utf8.hasError() ? fromInstallationText(std::string(name)) : decoded;
        if (end == std::string::npos) {
            return shown;
        }
        shown += u'/';
        start = end + 1;
    }
}

std::string toFileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
