// Not a test: saves a picture of every screen a person meets, as the layout test walks them, for a
// person to look at (scripts/screens). The main window has the standard size 800 x 571 (or its
// minimum size, when that is larger), and each section is shown once more enlarged to 1200 x 860;
// dialogs have the size they open with; last, the window "Расчёт налога" of each form. With a
// size in points, the program's font has that size (e.g. 14 for large text).
//   ui_screenshots [OUTPUT_FOLDER [FONT_POINTS]]
#include "ScreenTour.h"
#include "UiTestSupport.h"
#include "ui/window/SectionFrames.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTabWidget>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    if (argc > 2) {
        QFont large = QApplication::font();
        large.setPointSize(QString::fromLocal8Bit(argv[2]).toInt());
        QApplication::setFont(large);
    }
    QDir().mkpath(out);
    QTemporaryDir settings;
    UiTestBench::useTemporarySettings(settings.path());
    int saved = 0;
    const std::pair<quint8, const char*> forms[] = {
        {DeclarationForm::Resident, "resident"},
        {DeclarationForm::NonResident, "nonresident"},
        {DeclarationForm::EstimatedIncome, "estimated"}};
    for (const auto& [form, formName] : forms) {
        UiTestBench::clearSettings();
        UiTestBench bench(UiTestBench::shippedDirectories());
        TFormMain& window = bench.start({bench.writeDeclaration(
            QStringLiteral("crowded.tv3"), ScreenTour::crowdedDeclaration(form))});
        window.resize(800, 571);
        window.show();
        settle();
        ScreenTour tour(window, bench.script(), QString::fromLatin1(formName),
                        [&](const QString& name, QWidget& screen) {
                            screen.grab().save(out + QLatin1Char('/') + name +
                                               QStringLiteral(".png"));
                            ++saved;
                        });
        tour.run();
        // Enlarged, the space goes to the lists, not to gaps between the fields.
        for (const Section section : SectionFrames::kAll) {
            if (!window.sectionButton(section)->isEnabled() || !window.selectSection(section))
                continue;
            window.resize(1200, 860);
            settle();
            window.grab().save(QStringLiteral("%1/%2-enlarged-%3.png")
                                   .arg(out, QString::fromLatin1(formName),
                                        window.sectionButton(section)->objectName()));
            ++saved;
        }
        // The window "Расчёт налога" over the same declaration, with its list and its picture.
        const QString prefix = QString::fromLatin1(formName);
        bench.script().answerDialog([&](QDialog& dialog) {
            for (int page = 0; page < 2; ++page) {
                dialog.findChild<QTabWidget*>()->setCurrentIndex(page);
                settle();
                dialog.grab().save(
                    QStringLiteral("%1/%2-result-%3.png").arg(out, prefix).arg(page));
                ++saved;
            }
            return 0;
        });
        window.ShowTaxResult();
        window.hide();
    }
    qInfo("%d screens saved in %s", saved, qPrintable(out));
    return 0;
}
