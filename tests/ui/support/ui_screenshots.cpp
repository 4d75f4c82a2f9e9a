// Not a test: renders the main window and the dialogs into PNG files for a visual check.
//   ui_screenshots OUTPUT_FOLDER PROGRAM_FOLDER [DECLARATION]
// With a declaration file, also the main window over it with its result strip and the window
// "Расчёт налога" with both of its pages.
#include "ScriptedInteraction.h"
#include "ui/dialogs/Announce.h"
#include "ui/dialogs/CheckError.h"
#include "ui/pickers/InputInspectionNumber.h"
#include "ui/pickers/LoadSoun.h"
#include "ui/result/TaxResultWindow.h"
#include "ui/sections/russian_income/Input13SourseIncome.h"
#include "ui/sections/russian_income/Input30SourseIncome.h"
#include "ui/window/About.h"
#include "ui/window/Main.h"

#include <QApplication>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    TFormMain::Options options;
    options.folders.shipped = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    auto script = std::make_unique<ScriptedInteraction>();
    ScriptedInteraction& answers = *script;
    TFormMain window(std::move(script), options);
    const auto shoot = [&](QWidget& widget, const QString& name) {
        widget.show();
        QTest::qWait(100);
        widget.grab().save(out + QLatin1Char('/') + name + QStringLiteral(".png"));
    };
    window.resize(800, 571);
    shoot(window, QStringLiteral("main-800x571"));
    window.resize(1200, 860);
    shoot(window, QStringLiteral("main-1200x860"));
    window.resize(800, 571);
    window.selectSection(Section::PersonInfo);
    shoot(window, QStringLiteral("main-taxpayer"));

    if (TfmInputInspectionNumber* picker = window.inspectionPicker()) {
        picker->Preselect(QStringLiteral("7701"));
        shoot(*picker, QStringLiteral("picker-inspections"));
        picker->hide();
    }
    TfmAbout about(&window, answers, options.folders.shipped);
    shoot(about, QStringLiteral("about"));
    about.hide();
    TfmAnnounce notice(&window);
    shoot(notice, QStringLiteral("announce"));
    notice.hide();
    TfmCheckError check(&window);
    answers.answerDialog([&](QDialog& dialog) {
        shoot(dialog, QStringLiteral("check-error"));
        return 0;
    });
    check.ask(answers, {QStringLiteral("Задание условий"),
                        QStringLiteral("Не введен номер инспекции"), true, true});
    TfmInput13SourseIncome source13(&window, answers, true);
    shoot(source13, QStringLiteral("source-13"));
    source13.hide();
    TfmInput30SourseIncome dividends(&window, answers);
    shoot(dividends, QStringLiteral("source-dividends"));
    dividends.hide();
    TfmLoadSoun soun(&window, answers, options.folders, {});
    shoot(soun, QStringLiteral("load-soun"));
    soun.hide();
    if (argc < 4)
        return 0;

    options.arguments = {QString::fromLocal8Bit(argv[3])};
    auto resultScript = std::make_unique<ScriptedInteraction>();
    ScriptedInteraction& resultAnswers = *resultScript;
    TFormMain opened(std::move(resultScript), options);
    opened.resize(800, 571);
    opened.show();
    QTest::qWait(300);
    shoot(opened, QStringLiteral("result-strip"));
    resultAnswers.answerDialog([&](QDialog& dialog) {
        shoot(dialog, QStringLiteral("result-breakdown"));
        dialog.findChild<QTabWidget*>()->setCurrentIndex(1);
        shoot(dialog, QStringLiteral("result-picture"));
        resultAnswers.answerDialog([&](QDialog& print) {
            QPrinter* printer = static_cast<QPrintDialog&>(print).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(out + QStringLiteral("/result-picture.pdf"));
            return int(QDialog::Accepted);
        });
        static_cast<TfmTaxResult&>(dialog).printPicture();
        return 0;
    });
    opened.ShowTaxResult();
    return 0;
}
