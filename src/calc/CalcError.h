#pragma once

#include <QString>
#include <exception>

// An arithmetic fault of the tax computation (a zero share denominator, an amount beyond the range
// of Money). The computation stops where the fault occurs and leaves every sheet as it stands; the
// caller reports it.
class kECalcFault : public std::exception
{
public:
    explicit kECalcFault(QString detail) : m_detail(std::move(detail)) {}

    // What the user is shown, the same for every fault.
    static QString userMessage()
    {
        return QStringLiteral("Ошибка в рассчетах. Пожалуйста, свяжитесь с разработчиками через "
                              "службу поддержки");
    }
    // Which computation failed, for the developers.
    const QString& detail() const { return m_detail; }
    const char* what() const noexcept override { return "tax computation fault"; }

private:
    QString m_detail;
};
