#include "text/qt/UserDataFolder.h"

#include <QStandardPaths>

std::filesystem::path UserDataFolder() {
    // The generic location, not the application's: that one would be named
    // after the Russian title and an organisation.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) {
        return {};
    }
    const QByteArray local = base.toUtf8();
    return std::filesystem::path(std::u8string(local.begin(), local.end())) / "vedomost";
}
