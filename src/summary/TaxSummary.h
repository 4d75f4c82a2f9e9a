#pragma once

#include "model/Money.h"

#include <QString>
#include <vector>

class mTDeclaration;

// Where the data of a line of the summary is entered: a section of the main window (with its
// sub-section), a list only the declaration file carries, or nowhere because the program computes
// it from other lines.
enum class EntryPlace
{
    Computed,
    Several,            // the lines that make it up come from several places
    Conditions,         // the conditions of the declaration
    Taxpayer,           // the taxpayer's name and documents, and the taxpayer's OKTMO
    TaxpayerAddress,    // the taxpayer's address
    RussianIncome13,    // income in the country, first list: 13 % (30 % of a non-resident)
    Dividends,          // income in the country: dividends at 9 % (15 % of a non-resident)
    RussianIncome35,    // income in the country at 35 %
    RussianIncome13NR,  // income in the country of a non-resident at 13 %
    ForeignIncome,      // income abroad
    BusinessIncome,     // business income and advance payments
    PrivatePractice,    // private practice: kept in the file, no section shows it
    StandardDeductions, // deductions: standard
    PropertyDeduction,  // deductions: property purchase
    SocialDeductions,   // deductions: social, pension contracts
    SecuritiesLosses,   // deductions: losses of earlier years on securities
    TaxNotices,         // payments on tax notices: kept in the file, no section shows them
};

// False for the places no section of the main window shows: computed lines, lines from several
// places, private practice and payments on tax notices.
bool EntryPlaceHasSection(EntryPlace place);

// One line of the summary: an amount with what it is, where its data comes from, how it was
// limited or counted, and the lines that make it up.
struct SummaryLine
{
    QString caption;
    Money amount;
    // A tax amount in whole roubles; otherwise an amount with kopecks.
    bool tax = false;
    // The attribute that shows this amount in the section's element of the exported file, or
    // null for a line the file does not carry.
    const char* element = nullptr;
    EntryPlace place = EntryPlace::Computed;
    // How the amount was limited or counted ("за 12 мес."); may be empty.
    QString note;
    std::vector<SummaryLine> parts;
};

// A per-rate section of the declaration with its lines.
struct SummarySection
{
    int rate = 13;
    QString title;
    // The element of the exported file ("НалБаза13").
    const char* element = nullptr;
    std::vector<SummaryLine> lines;
};

// One line of Section 1: an amount to pay or to refund under a budget code and an OKTMO.
struct SummaryPayment
{
    enum Kind
    {
        Pay,
        Refund,
        NothingDue,
    };
    Kind kind = NothingDue;
    QString kbk;
    QString oktmo;
    Money amount;
};

// The figures of the picture of income at 13 %: the income split into its non-taxable part, the
// deductions used and the tax base, and the tax computed against what was paid.
struct IncomeBar13
{
    Money income;
    Money exempt;
    Money deductions; // the part of the deductions that lowered the base
    Money base;
    Money taxComputed;
    Money taxPaid; // withheld, advance payments and payments on tax notices
    Money foreignCredit;
    Money toPay;
    Money toRefund;
};

// What the declaration comes to: the amounts to pay and to refund, and how each arises.
struct TaxSummary
{
    enum Outcome
    {
        Computed,
        // 4-NDFL: the form carries no tax amounts.
        NotComputed,
        // The computation failed; no amount is shown.
        Fault,
    };
    Outcome outcome = Computed;
    bool nonResident = false;
    QString faultMessage;
    QString faultDetail;
    // False for a declaration with nothing in it to show: no income, nothing to pay or refund.
    bool hasData = false;

    // The sums of the lines of Section 1 to pay and to refund.
    Money toPay;
    Money toRefund;
    std::vector<SummaryPayment> payments;
    // The per-rate sections the declaration shows, in the order of the form.
    std::vector<SummarySection> sections;
    IncomeBar13 bar13;
    // Section 2 has income.
    bool hasBar13 = false;

    // The name of a place as the window shows it ("Вычеты: стандартные"); empty for a computed
    // line.
    QString placeName(EntryPlace place) const;
};

// Computes the declaration (a copy of the caller's, which the computation may change) and
// summarises the result. A computation fault gives the Fault outcome with no amount in it.
TaxSummary SummarizeDeclaration(mTDeclaration declaration);
