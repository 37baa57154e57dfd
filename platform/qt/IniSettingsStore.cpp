#include "IniSettingsStore.h"

#include <QDir>
#include <QStringList>

namespace quillmark::qt {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString settingPath(std::string_view section, std::string_view key) {
    return fromUtf8(section) + QLatin1Char('/') + fromUtf8(key);
}

}  // namespace

IniSettingsStore::IniSettingsStore(std::optional<std::string> folder, int flushDelayMs)
    : folder_(folder ? std::move(*folder) : defaultFolder()) {
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(flushDelayMs);
    QObject::connect(&flushTimer_, &QTimer::timeout, &flushTimer_, [this] { flush(); });
}

IniSettingsStore::~IniSettingsStore() {
    flush();
}

std::string IniSettingsStore::defaultFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
    return (base + QStringLiteral("/Quillmark")).toStdString();
}

std::string IniSettingsStore::filePath(std::string_view application) const {
    return folder_ + '/' + std::string(application) + ".ini";
}

QSettings& IniSettingsStore::file(const std::string& application) {
    auto it = files_.find(application);
    if (it == files_.end()) {
        auto settings =
            std::make_unique<QSettings>(QString::fromStdString(filePath(application)), QSettings::IniFormat);
        it = files_.emplace(application, std::move(settings)).first;
    }
    return *it->second;
}

std::string IniSettingsStore::GetSetting(std::string_view application, std::string_view section,
                                         std::string_view key, std::string_view defaultValue) {
    const auto waiting = pending_.find(Key{application, section, key});
    if (waiting != pending_.end()) return waiting->second;

    QSettings& settings = file(std::string(application));
    const QString path = settingPath(section, key);
    if (!settings.contains(path)) return std::string(defaultValue);
    const QVariant value = settings.value(path);
    // A hand-edited value with bare commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(", ").toStdString();
    return value.toString().toStdString();
}

void IniSettingsStore::SaveSetting(std::string_view application, std::string_view section,
                                   std::string_view key, std::string_view value) {
    pending_[Key{application, section, key}] = std::string(value);
    // Started once, not pushed back by every write: a steady stream of
    // writes still reaches the disk every interval.
    if (!flushTimer_.isActive()) flushTimer_.start();
}

void IniSettingsStore::flush() {
    flushTimer_.stop();
    if (pending_.empty()) return;
    QDir().mkpath(QString::fromStdString(folder_));
    std::map<std::string, QSettings*, std::less<>> touched;
    for (const auto& [key, value] : pending_) {
        const auto& [application, section, name] = key;
        QSettings& settings = file(application);
        // Always a string, so that "0" or "" read back as written.
        settings.setValue(settingPath(section, name), fromUtf8(value));
        touched[application] = &settings;
    }
    pending_.clear();
    for (const auto& entry : touched) entry.second->sync();
}

}  // namespace quillmark::qt
