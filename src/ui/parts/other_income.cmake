# Dividends, income at 35 %, income abroad in foreign currency and business income.
set(other_income_dir ${CMAKE_CURRENT_LIST_DIR}/..)
target_sources(tarvika_ui PRIVATE
    ${other_income_dir}/OtherIncomeFields.cpp ${other_income_dir}/OtherIncomeFields.h
    ${other_income_dir}/OtherIncomeListFrame.cpp ${other_income_dir}/OtherIncomeListFrame.h
    ${other_income_dir}/PaymentSourceListFrame.h
    ${other_income_dir}/FrameThirtyPercent.cpp ${other_income_dir}/FrameThirtyPercent.h
    ${other_income_dir}/Input30SourseIncome.cpp ${other_income_dir}/Input30SourseIncome.h
    ${other_income_dir}/FrameThirtyFivePercent.cpp ${other_income_dir}/FrameThirtyFivePercent.h
    ${other_income_dir}/Input35SourseIncome.cpp ${other_income_dir}/Input35SourseIncome.h
    ${other_income_dir}/FrameCurrency.cpp ${other_income_dir}/FrameCurrency.h
    ${other_income_dir}/InputCurrencySourseIncome.cpp
    ${other_income_dir}/InputCurrencySourseIncome.h
    ${other_income_dir}/FrameBusinessNew.cpp ${other_income_dir}/FrameBusinessNew.h
    ${other_income_dir}/InputBusinessIncome.cpp ${other_income_dir}/InputBusinessIncome.h
    ${other_income_dir}/FormOKVED.cpp ${other_income_dir}/FormOKVED.h)
