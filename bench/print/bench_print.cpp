// Laying out a declaration to PDF through the print module: a 3-NDFL declaration with every sheet
// (tests/print/data/rich.xml), in memory and to a file (which is synced to disk before it
// replaces the target), and one with 500 income sources on many pages.

#include "print/FormLayout.h"
#include "print/PagePainter.h"
#include "print/PrintModuleLoader.h"
#include "print/PrintXml.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString richXml()
{
    QFile file(QStringLiteral(TARVIKA_SOURCE_DIR "/tests/print/data/rich.xml"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("rich.xml not found");
    QStringDecoder decoder("windows-1251");
    return decoder.decode(file.readAll());
}

QString manySources(int count)
{
    QString xml = richXml();
    QString sources;
    for (int i = 0; i < count; ++i)
        sources += QStringLiteral("<РасчДохНал Доход=\"%1.00\" ДоходОбл=\"%1.00\" НалИсчисл=\"1\" "
                                  "НалУдерж=\"1\"><ИстЮЛ Наим=\"ОБЩЕСТВО С ОГРАНИЧЕННОЙ "
                                  "ОТВЕТСТВЕННОСТЬЮ «ИСТОЧНИК %1»\" ИННЮЛ=\"7701234567\" "
                                  "КПП=\"770101001\"/></РасчДохНал>")
                       .arg(1000 + i);
    const QString rate = QStringLiteral("<ДоходИстРФ Ставка=\"13\"");
    const qsizetype at = xml.indexOf(QLatin1Char('>'), xml.indexOf(rate)) + 1;
    return xml.insert(at, sources);
}

void writePdf(benchmark::State& state, const QString& xml)
{
    const auto module = PrintModuleLoader::create();
    if (!module) {
        state.SkipWithError("print module not found");
        return;
    }
    module->SetPrintTiffParam(QStringLiteral("Наименование налогового органа-получателя"),
                              QStringLiteral("ИФНС России № 1 по г. Москве"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    for (auto _ : state) {
        if (!module->WritePdf(xml, pdf))
            state.SkipWithError("PDF not written");
    }
    state.counters["bytes"] = static_cast<double>(QFile(pdf).size());
}

// The same work without the file: parse, lay out and paint into a PDF in memory.
void BM_EverySheetToPdfInMemory(benchmark::State& state)
{
    const QString xml = richXml();
    qint64 bytes = 0;
    for (auto _ : state) {
        QString error;
        const auto root = PrintXml::parse(xml, error);
        auto form = FormLayout::build(*root, {}, error);
        const PagePainter pages(std::move(*form));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            writer.setResolution(600);
            pages.paint(writer);
        }
        bytes = buffer.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EverySheetToPdfInMemory)->Unit(benchmark::kMillisecond);

void BM_EverySheetToPdf(benchmark::State& state)
{
    writePdf(state, richXml());
}
BENCHMARK(BM_EverySheetToPdf)->Unit(benchmark::kMillisecond);

void BM_FiveHundredSourcesToPdf(benchmark::State& state)
{
    writePdf(state, manySources(500));
}
BENCHMARK(BM_FiveHundredSourcesToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
