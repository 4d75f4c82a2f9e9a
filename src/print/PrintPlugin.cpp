// The plug-in library's entry: a factory of FormPrinter modules.

#include "print/FormPrinter.h"

#include <QObject>

class FormPrinterFactory : public QObject, public PrintModuleFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TARVIKA_PRINT_MODULE_IID)
    Q_INTERFACES(PrintModuleFactory)

public:
    std::unique_ptr<PrintModule> create() override { return std::make_unique<FormPrinter>(); }
};

#include "PrintPlugin.moc"
