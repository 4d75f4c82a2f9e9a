#include "ui/window/AppSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace AppSettings {
namespace {

const QString kShowStdToolbar = QStringLiteral("ShowStdToolbar");
const QString kTextLabels = QStringLiteral("TextLabels");
const QString kFullScreen = QStringLiteral("FullScreen");
const QString kLeft = QStringLiteral("wLeft");
const QString kTop = QStringLiteral("wTop");
const QString kWidth = QStringLiteral("wWidth");
const QString kHeight = QStringLiteral("wHeight");

QSettings store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Кронверт"),
                     QStringLiteral("Тарвика 2013"));
}

// Reading never creates the store.
bool storeExists(const QSettings& settings)
{
    return QFileInfo::exists(settings.fileName());
}

bool readBool(const QString& key, bool fallback)
{
    const QSettings settings = store();
    if (!storeExists(settings))
        return fallback;
    return settings.value(key, fallback).toBool();
}

int readInt(const QSettings& settings, const QString& key)
{
    bool ok = false;
    const int value = settings.value(key, 0).toInt(&ok);
    return ok ? value : 0;
}

} // namespace

bool showStdToolbar()
{
    return readBool(kShowStdToolbar, true);
}

void setShowStdToolbar(bool show)
{
    QSettings settings = store();
    settings.setValue(kShowStdToolbar, show);
}

bool textLabels()
{
    return readBool(kTextLabels, true);
}

void setTextLabels(bool labels)
{
    QSettings settings = store();
    settings.setValue(kTextLabels, labels);
}

std::optional<StoredPlacement> placement()
{
    const QSettings settings = store();
    if (!storeExists(settings))
        return std::nullopt;
    StoredPlacement stored;
    stored.maximised = settings.value(kFullScreen, false).toBool();
    if (!stored.maximised) {
        stored.left = readInt(settings, kLeft);
        stored.top = readInt(settings, kTop);
        stored.width = readInt(settings, kWidth);
        stored.height = readInt(settings, kHeight);
    }
    return stored;
}

void setPlacement(const QRect& geometry, bool maximised)
{
    QSettings settings = store();
    settings.setValue(kFullScreen, maximised);
    settings.setValue(kLeft, geometry.left());
    settings.setValue(kTop, geometry.top());
    settings.setValue(kWidth, geometry.width());
    settings.setValue(kHeight, geometry.height());
}

} // namespace AppSettings
