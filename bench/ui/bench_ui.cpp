// Start-up of the main window with every directory file of the program loaded, opening the
// tax-office picker, and the result strip's update over the largest declaration. Without a
// display it runs offscreen.
#include "LargeDeclaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/pickers/InputInspectionNumber.h"
#include "ui/result/ResultStrip.h"
#include "ui/window/Main.h"

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <benchmark/benchmark.h>

namespace {

// Answers nothing: the benchmark asks no questions.
class SilentInteraction : public Interaction
{
public:
    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                        QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton) override
    {
        return QMessageBox::Cancel;
    }
    int execDialog(QDialog& dialog) override
    {
        // Showing the picker is what the user waits for.
        dialog.show();
        QApplication::processEvents();
        dialog.hide();
        return QDialog::Rejected;
    }
    QString openFileName(QWidget*, const FileDialogRequest&) override { return {}; }
    QString saveFileName(QWidget*, const FileDialogRequest&) override { return {}; }
    QString existingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    bool openUrl(const QUrl&) override { return false; }
};

// The shipped directory files of the source tree; the user's data folder is an empty temporary
// one, so a tax-office directory the user imported does not change the figures.
TFormMain::Options options()
{
    static const QTemporaryDir userFolder;
    TFormMain::Options result;
    result.folders.shipped = QStringLiteral(TARVIKA_DATA_DIR);
    result.folders.user = userFolder.path();
    return result;
}

void BM_MainWindowReady(benchmark::State& state)
{
    for (auto _ : state) {
        TFormMain window(std::make_unique<SilentInteraction>(), options());
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.inspectionPicker());
    }
}
BENCHMARK(BM_MainWindowReady)->Unit(benchmark::kMillisecond);

void BM_OpenTaxOfficePicker(benchmark::State& state)
{
    TFormMain window(std::make_unique<SilentInteraction>(), options());
    TfmInputInspectionNumber* picker = window.inspectionPicker();
    if (picker == nullptr) {
        state.SkipWithError("no tax-office directory");
        return;
    }
    const QString last = QStringLiteral("9999");
    for (auto _ : state) {
        picker->Preselect(last);
        window.interaction().execDialog(*picker);
    }
    state.counters["rows"] = picker->rowCount();
}
BENCHMARK(BM_OpenTaxOfficePicker)->Unit(benchmark::kMillisecond);

// What the strip does a moment after a change: the declaration as the screen shows it (a copy
// with the shown frame stored into it), the computation, the summary and its text, over the
// largest declaration with the section of income at 13 % and its 999 sources on screen.
void BM_ResultStripUpdate(benchmark::State& state)
{
    QTemporaryDir folder;
    mTDeclaration large = largeDeclaration(DeclarationForm::Resident);
    large.InspectionCode = QStringLiteral("7701");
    const QString file = folder.filePath(QStringLiteral("large.tv3"));
    large.SaveToFile(file);
    TFormMain::Options opening = options();
    opening.arguments = {file};
    TFormMain window(std::make_unique<SilentInteraction>(), opening);
    window.show();
    if (!window.selectSection(Section::RussianIncome)) {
        state.SkipWithError("the section of income in the country did not open");
        return;
    }
    QApplication::processEvents();
    for (auto _ : state)
        window.resultStrip()->updateNow();
    benchmark::DoNotOptimize(window.resultStrip()->text());
}
BENCHMARK(BM_ResultStripUpdate)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The window is measured, not looked at: without a display it runs offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Nor does it read or write the user's settings.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
