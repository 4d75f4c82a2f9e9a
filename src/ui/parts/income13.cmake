# Taxpayer section and income at 13 %: frames, dialogs and pickers.
set(income13_dir ${CMAKE_CURRENT_LIST_DIR}/..)
target_sources(tarvika_ui PRIVATE
    ${income13_dir}/SubFrameContainer.cpp ${income13_dir}/SubFrameContainer.h
    ${income13_dir}/FramePersonData.cpp ${income13_dir}/FramePersonData.h
    ${income13_dir}/FramePersonName.cpp ${income13_dir}/FramePersonName.h
    ${income13_dir}/FramePersonNameMask.cpp ${income13_dir}/FramePersonNameMask.h
    ${income13_dir}/FramePersonAddress.cpp ${income13_dir}/FramePersonAddress.h
    ${income13_dir}/FrameRussianIncome.cpp ${income13_dir}/FrameRussianIncome.h
    ${income13_dir}/FrameRussianIncomeParts.cpp ${income13_dir}/FrameRussianIncomeParts.h
    ${income13_dir}/FrameThirteenPercent.cpp ${income13_dir}/FrameThirteenPercent.h
    ${income13_dir}/FrameThirteenPercentFields.cpp ${income13_dir}/FrameThirteenPercentFields.h
    ${income13_dir}/FrameThirteenPercentNR.cpp ${income13_dir}/FrameThirteenPercentNR.h
    ${income13_dir}/Input13SourseIncome.cpp ${income13_dir}/Input13SourseIncome.h
    ${income13_dir}/Input13Income.cpp ${income13_dir}/Input13Income.h
    ${income13_dir}/Input13NRIncome.cpp ${income13_dir}/Input13NRIncome.h
    ${income13_dir}/InputIncomeCode.cpp ${income13_dir}/InputIncomeCode.h
    ${income13_dir}/InputDeductCode.cpp ${income13_dir}/InputDeductCode.h)
