#include "UiTestSupport.h"

#include "model/Declaration.h"
#include "storage/DayCount.h"
#include "ui/window/ProgramLook.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

QString g_settingsFolder;

} // namespace

void UiTestBench::useTemporarySettings(const QString& folder)
{
    g_settingsFolder = folder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

void UiTestBench::clearSettings()
{
    QDir(g_settingsFolder).removeRecursively();
    QDir().mkpath(g_settingsFolder);
}

UiTestBench::UiTestBench(bool withDirectories)
    : UiTestBench(withDirectories ? QStringLiteral(TARVIKA_TEST_DATA) : QString())
{}

UiTestBench::UiTestBench(const QString& directoryFolder)
{
    if (directoryFolder.isEmpty())
        return;
    for (const char* name :
         {"InspectionNumbers.xml", "Oksm.xml", "CurrencyRates.xml", "Sp_OKVED2.xml"}) {
        const QString file = QString::fromLatin1(name);
        QFile::copy(directoryFolder + QLatin1Char('/') + file, m_folder.filePath(file));
    }
}

QString UiTestBench::shippedDirectories()
{
    return QStringLiteral(TARVIKA_SHIPPED_DATA);
}

ScriptedInteraction& UiTestBench::nextScript()
{
    if (m_nextScript == nullptr)
        m_nextScript = std::make_unique<ScriptedInteraction>();
    return *m_nextScript;
}

void UiTestBench::kill()
{
    m_window.reset();
    m_script = nullptr;
}

TFormMain& UiTestBench::start(const QStringList& arguments)
{
    // As the desktop program sets up its application.
    ProgramLook::apply();
    std::unique_ptr<ScriptedInteraction> script =
        m_nextScript != nullptr ? std::move(m_nextScript) : std::make_unique<ScriptedInteraction>();
    m_script = script.get();
    TFormMain::Options options;
    options.arguments = arguments;
    options.folders.shipped = m_folder.path();
    options.folders.user = m_folder.filePath(QStringLiteral("user"));
    // No print module there unless asked for: a real preview would wait for a person.
    options.folders.printModule =
        m_printModule ? ProgramFolders::ofThisProgram().printModule : QStringList{m_folder.path()};
    options.recoveryDelay = recoveryDelay;
    options.sounImporter = [this](const QString& dbf, const QString& out, const QString& date,
                                  const QString& version) {
        importCalls << dbf << out << date << version;
        return SounImportResult{dbf.endsWith(QStringLiteral("soun1.dbf")), QString()};
    };
    m_window = std::make_unique<TFormMain>(std::move(script), std::move(options));
    return *m_window;
}

QString UiTestBench::writeDeclaration(const QString& name, const mTDeclaration& declaration) const
{
    const QString file = m_folder.filePath(name);
    declaration.SaveToFile(file);
    return file;
}

mTDeclaration UiTestBench::completeDeclaration()
{
    mTDeclaration doc;
    doc.SetInteractiveDefaults();
    doc.InspectionCode = QStringLiteral("7701");
    mTPersonInformation& person = doc.Person;
    person.Surname = QStringLiteral("Иванов");
    person.FirstName = QStringLiteral("Иван");
    person.INN = QStringLiteral("500100732259");
    person.RegionCode = 77;
    person.Street = QStringLiteral("Тверская");
    person.OKTMO = QStringLiteral("45382000");
    person.BirthDate = DayCount::fromDate(1970, 1, 1);
    return doc;
}

ScriptedInteraction::DialogScript press(const char* buttonName)
{
    return [buttonName](QDialog& dialog) {
        clickChild(dialog, buttonName);
        return dialog.result();
    };
}
