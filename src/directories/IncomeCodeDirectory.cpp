#include "directories/IncomeCodeDirectory.h"

#include "directories/XmlReader.h"

#include <QFile>

// The resource is compiled into this static library; it has to be registered by name.
static void initDirectoryResources()
{
    Q_INIT_RESOURCE(directories);
}

namespace {

bool isTrue(const QString& text)
{
    return text == QLatin1String("True");
}

DeductionCode readDeduction(const XmlReader::Attributes& attributes)
{
    DeductionCode deduction;
    deduction.code = attributes.value("Code");
    deduction.name = attributes.value("Name");
    deduction.rate = attributes.value("Stav");
    deduction.visible = isTrue(attributes.value("Visible"));
    deduction.enabled = isTrue(attributes.value("Enabled"));
    deduction.equivalent = isTrue(attributes.value("Equivalent"));
    deduction.maxSum = attributes.value("MaxSum").toLongLong();
    return deduction;
}

// Every child of the root is an income code, every child of an income code a deduction.
class IncomeReader : public XmlReader::Handler
{
public:
    void startElement(int depth, const char*, const XmlReader::Attributes& attributes) override
    {
        if (depth == 1) {
            IncomeCode income;
            income.code = attributes.value("Code");
            income.rate = attributes.value("Stav").toInt();
            income.name = attributes.value("Name");
            income.nonResident13 = isTrue(attributes.value("NRez13"));
            income.saleDate = isTrue(attributes.value("SaleDate"));
            incomes.append(std::move(income));
        } else if (depth == 2) {
            incomes.last().deductions.append(readDeduction(attributes));
        }
    }
    void characters(int, const char*, int) override {}
    void endElement(int) override {}

    QList<IncomeCode> incomes;
};

} // namespace

const DeductionCode* IncomeCode::findDeduction(const QString& deductionCode) const
{
    for (const DeductionCode& deduction : deductions) {
        if (deduction.code == deductionCode)
            return &deduction;
    }
    return nullptr;
}

QByteArray IncomeCodeDirectory::embeddedXml()
{
    initDirectoryResources();
    QFile file(QStringLiteral(":/directories/IncomeDict.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

IncomeCodeDirectory IncomeCodeDirectory::embedded()
{
    QString error;
    auto directory = fromXml(embeddedXml(), &error);
    Q_ASSERT_X(directory, "IncomeCodeDirectory", "the embedded directory is broken");
    return directory ? *directory : IncomeCodeDirectory();
}

std::optional<IncomeCodeDirectory> IncomeCodeDirectory::fromXml(const QByteArray& xml,
                                                                QString* error)
{
    IncomeReader reader;
    if (!XmlReader::read(xml, reader, error))
        return std::nullopt;
    IncomeCodeDirectory directory;
    directory.m_incomes = std::move(reader.incomes);
    return directory;
}

const IncomeCode* IncomeCodeDirectory::find(const QString& code) const
{
    for (const IncomeCode& income : m_incomes) {
        if (income.code == code)
            return &income;
    }
    return nullptr;
}

const IncomeCode* IncomeCodeDirectory::find(int code) const
{
    return find(QString::number(code));
}
