#pragma once

#include "model/Money.h"

#include <QString>
#include <array>
#include <vector>

class kTSvodSum;
class mTDeclaration;
class SheetVisitor;

// Standard deductions ("ВычСтанд").
class kTSvodSumPrilE1
{
public:
    qint32 MonthsUnder40000 = 0;  // "КолМес40000", always zero
    qint32 MonthsUnder280000 = 0; // "КолМес280000"

    // Work area: the net income of each month and the months with income (bit 0 = January).
    std::array<Money, 12> MonthNet{};
    quint16 MonthSet = 0;

    // "ДохМес": "ИтогЯнв", "ИтогЯнвФевр" ... "ИтогЯнвДек"
    std::array<Money, 12> CumulativeIncome{};

    // "РасчВычСтанд"
    Money Deduction3000;       // "ВычСтанд218.1.1"
    Money Deduction500;        // "ВычСтанд218.1.2"
    Money Deduction400;        // "ВычСтанд218.1.3"
    Money ChildSingle;         // "ВычСтандРеб"
    Money ChildDouble;         // "ВычСтРебОпек"
    Money DisabledChildSingle; // "ВычСтРебИнв"
    Money DisabledChildDouble; // "ВычСтРебИнвОпек"
    Money DeductionTotal;      // "ИтогВычСтанд"

    void Clear() { *this = kTSvodSumPrilE1(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// One pension or insurance contract ("РасчСумПВВыч" / "РасчСумСВВыч").
struct mbTPens
{
    qint32 ContractKind = 0; // 1 or 2, "ПрДогНПО"
    QString SourceName;      // "Наим"
    QString Inn;             // "ИННЮЛ"
    QString Kpp;             // "КПП"
    QString ContractNumber;  // "НомДогНПО" / "НомДогДПС"
    double ContractDate = 0; // "ДатаДогНПО" / "ДатаДогДПС"
    Money PaidTotal;         // "СумПВОбщПер" / "СумСВОбщПер"
    Money Deduction;         // "СумПВВыч" / "СумСВВыч"
    Money AgentGranted;      // "СумВычПВПерНА" / "СумВычСВПерНА"

    void Visit(SheetVisitor& visitor) const;
};

// Pension and insurance contracts ("ВычДогНПО_ДПС").
class kTSvodSumPrilE3
{
public:
    std::vector<mbTPens> NpoItems; // "РасчВычДогНПО"
    qint32 NpoCount = 0;
    std::vector<mbTPens> DpsItems; // "РасчВычДогДПС"
    qint32 DpsCount = 0;
    Money NpoDeduction;      // "СумПВВычОбщ"
    Money DpsDeduction;      // "СумСВВычОбщ"
    Money NpoAgentGranted;   // not written
    Money DpsAgentGranted;   // not written
    Money AgentGrantedTotal; // "СумВычОбщ"

    void Clear() { *this = kTSvodSumPrilE3(); }
    void Visit(SheetVisitor& visitor) const;
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};

// Social deductions ("ВычСоциал").
class kTSvodSumPrilE2
{
public:
    Money UnlimitedTotal;    // "РасчВычСоцБез219.2" / "ИтогВычСоциал"
    Money PersonalInsurance; // "РасчВычСоц219.2" / "СумЛичСтрах"
    Money DpsContributions;  // "РасчВычСоц219.2" / "СумПенсСтрахДр"
    Money NpoContributions;  // "РасчВычСоц219.2" / "СумНгПенсСтрахДр"
    Money AdditionalPension; // "РасчВычСоц219.2" / "СумДопСтрахФЗ"
    Money LimitedTotal;      // "РасчВычСоц219.2" / "ИтогВычСоциал"
    Money Charity;           // "РасчВычСоцБез219.2" / "СумБлагЦел"
    Money Education;         // "РасчВычСоц219.2" / "СумОбуч"
    Money ChildEducation;    // "РасчВычСоцБез219.2" / "СумОбуч"
    Money Treatment;         // "РасчВычСоц219.2" / "СумЛечен"
    Money CostlyTreatment;   // "РасчВычСоцБез219.2" / "СумЛечен"
    Money SocialTotal;       // "ИтогВычСоциал"

    void Clear() { *this = kTSvodSumPrilE2(); }
    void Visit(SheetVisitor& visitor) const;
    // Computes PrilE3 of sum first; caps each child's education amount in the document itself.
    bool Calculate(mTDeclaration& declaration, kTSvodSum& sum);
};

// Property-purchase deduction ("ВычИмущНов").
class kTSvodSumPrilZ
{
public:
    long double ShareRatio = 0;   // the owner's share, informative only
    Money Expense;                // "СвОбъектРасх" / "СумРасхФакт"
    Money Interest;               // "СвОбъектРасх" / "СумФактУплПроц"
    Money PriorUsed;              // "РасчИмущВыч" / "ВычНовЗачПред"
    Money PriorUsedDecl;          // "ВычНовЗачПредНД"
    Money PriorUsedAgent;         // "ВычНовЗачПредУп"
    Money PriorInterestUsed;      // "ВычПроцЗачПред"
    Money PriorInterestDecl;      // "ВычПроцЗачПредНД"
    Money PriorInterestAgent;     // "ВычПроцЗачПредУп"
    Money PriorRemainder;         // "ОстВычПршПред"
    Money PriorInterestRemainder; // "ПроцПршПред"
    Money AgentGranted;           // "ВычНАУвед"
    Money AgentInterestGranted;   // "ПроцНАУвед"
    Money BaseBefore;             // "НалБаз13БезВыч"
    Money DeductionNow;           // "РасхНовВычНД"
    Money InterestNow;            // "ПроцВычНД"
    Money RemainderNext;          // "ОстВычПрхСлед"
    Money InterestRemainderNext;  // "ПроцПрхСлед"

    void Clear() { *this = kTSvodSumPrilZ(); }
    void Visit(SheetVisitor& visitor) const;
    // A zero share denominator raises kECalcFault.
    bool Calculate(const mTDeclaration& declaration, kTSvodSum& sum);
};
