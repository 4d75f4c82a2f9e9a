#include "check/FieldChecks.h"

#include "check/SectionCheckRun.h"

#include <array>

namespace {

// 11 - (sum of digit * weight mod 11), and 0 when that is 10 or 11.
template <size_t N>
int controlDigit(const std::array<int, N>& digits, const std::array<int, N>& weights)
{
    int sum = 0;
    for (size_t i = 0; i < N; ++i)
        sum += digits[i] * weights[i];
    const int digit = 11 - sum % 11;
    return digit >= 10 ? 0 : digit;
}

bool allDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

template <size_t N> std::array<int, N> digitsOf(const QString& text)
{
    std::array<int, N> digits{};
    for (size_t i = 0; i < N; ++i)
        digits[i] = text.at(qsizetype(i)).unicode() - '0';
    return digits;
}

bool controlDigitsMatch(const QString& inn)
{
    if (!allDigits(inn))
        return false;
    QString expected;
    if (inn.size() == 10) {
        const int c = controlDigit<9>(digitsOf<9>(inn), {31, 29, 23, 19, 17, 13, 7, 5, 3});
        expected = inn.left(9) + QString::number(c);
    } else {
        const auto ten = digitsOf<10>(inn);
        const int first = controlDigit<10>(ten, {37, 31, 29, 23, 19, 17, 13, 7, 5, 3});
        std::array<int, 11> eleven{};
        std::copy(ten.begin(), ten.end(), eleven.begin());
        eleven[10] = first;
        const int second = controlDigit<11>(eleven, {41, 37, 31, 29, 23, 19, 17, 13, 7, 5, 3});
        expected = inn.left(10) + QString::number(first) + QString::number(second);
    }
    return expected == inn;
}

QString trimmedSpaces(const QString& text)
{
    return text.trimmed();
}

const QString& sourceNameMessage()
{
    static const QString text =
        QStringLiteral("Не заполненно поле \"Наименование источника выплаты\"");
    return text;
}

} // namespace

bool OktmoLengthValid(const QString& oktmo)
{
    const qsizetype length = oktmo.trimmed().size();
    return length == 8 || length == 11;
}

int CheckINN(const QString& inn, InnKind kind)
{
    const QString text = trimmedSpaces(inn);
    if (text.isEmpty())
        return InnCheck::Empty;
    switch (kind) {
    case InnKind::Organisation:
        if (text.size() != 10)
            return InnCheck::BadLengthOrganisation;
        break;
    case InnKind::Person:
        if (text.size() != 12)
            return InnCheck::BadLengthPerson;
        break;
    case InnKind::Any:
        if (text.size() != 10 && text.size() != 12)
            return InnCheck::BadLengthAny;
        break;
    }
    return controlDigitsMatch(text) ? InnCheck::Valid : InnCheck::WrongControlDigits;
}

int CheckKPP(const QString& kpp)
{
    const QString text = trimmedSpaces(kpp);
    if (text.isEmpty())
        return KppCheck::Empty;
    return text.size() == 9 ? KppCheck::Valid : KppCheck::BadLength;
}

quint16 CheckPaymentSource(CheckAnswerer& answerer, const QString& groupTitle,
                           const QString& sourceName, const QString& sourceOKTMO,
                           const QString& sourceKPP, const QString& sourceINN)
{
    SectionCheckRun run(answerer, groupTitle, true, false);
    if (sourceName.trimmed().isEmpty())
        run.fail(sourceNameMessage(), SourceField::Name, true);
    const QString oktmo = sourceOKTMO.trimmed();
    if (run.active() && !oktmo.isEmpty() && !OktmoLengthValid(oktmo))
        run.fail(QStringLiteral("Код ОКТМО введен некорректно(должно быть 8 или 11 симв.)(При "
                                "продаже имущества физ.лицу - не нужен)"),
                 SourceField::Oktmo, true);
    if (run.active() && oktmo.isEmpty())
        run.fail(QStringLiteral("Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества "
                                "физ.лицу - не нужен)"),
                 SourceField::Oktmo);
    if (run.active()) {
        const int inn = CheckINN(sourceINN, InnKind::Any);
        if (inn == InnCheck::BadLengthAny)
            run.fail(QStringLiteral("Длинна ИНН должна быть равна 10 или 12 цифрам"),
                     SourceField::Inn, true);
        else if (inn == InnCheck::WrongControlDigits)
            run.fail(QStringLiteral("Номер ИНН введен неверно"), SourceField::Inn);
    }
    if (run.active()) {
        // The lengths here are those of the texts as typed.
        if (sourceINN.size() == 10) {
            const int kpp = CheckKPP(sourceKPP);
            if (kpp == KppCheck::Empty)
                run.fail(QStringLiteral("Отсутствует КПП"), SourceField::Kpp, true);
            else if (kpp == KppCheck::BadLength)
                run.fail(QStringLiteral("Длинна КПП должна быть равна 9 цифрам"), SourceField::Kpp,
                         true);
        } else if (!sourceKPP.isEmpty()) {
            if (sourceINN.isEmpty())
                run.fail(QStringLiteral("Введите ИНН"), SourceField::Inn, true);
            else
                run.fail(QStringLiteral("Длинна ИНН для юрлиц должна быть равна 10 цифрам"),
                         SourceField::Inn, true);
        }
    }
    return run.result();
}

quint16 CheckPaymentSourceStrict(CheckAnswerer& answerer, const QString& groupTitle,
                                 const QString& sourceName, const QString& sourceOKTMO,
                                 const QString& sourceKPP, const QString& sourceINN)
{
    SectionCheckRun run(answerer, groupTitle, false, false);
    if (sourceName.trimmed().isEmpty())
        run.fail(sourceNameMessage(), SourceField::Name);
    if (run.active() && !OktmoLengthValid(sourceOKTMO.trimmed()))
        run.fail(QStringLiteral("Не введен код ОКТМО(8 или 11 симв.)"), SourceField::Oktmo);
    if (run.active()) {
        const int inn = CheckINN(sourceINN, InnKind::Organisation);
        if (inn == InnCheck::BadLengthOrganisation)
            run.fail(QStringLiteral("Длинна ИНН должна быть равна 10 цифрам"), SourceField::Inn);
        else if (inn == InnCheck::WrongControlDigits)
            run.fail(QStringLiteral("Номер ИНН введен неверно"), SourceField::Inn);
    }
    if (run.active()) {
        const int kpp = CheckKPP(sourceKPP);
        if (kpp == KppCheck::Empty)
            run.fail(QStringLiteral("Отсутствует КПП"), SourceField::Kpp);
        else if (kpp == KppCheck::BadLength)
            run.fail(QStringLiteral("Длинна КПП должна быть равна 9 цифрам"), SourceField::Kpp);
    }
    if (run.active()) {
        if (sourceINN.isEmpty())
            run.fail(QStringLiteral("Введите ИНН"), SourceField::Inn);
        else if (sourceINN.size() != 10)
            run.fail(QStringLiteral("Длинна ИНН для юрлиц должна быть равна 10 цифрам"),
                     SourceField::Inn);
    }
    return run.result();
}
