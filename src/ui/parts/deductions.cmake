# The deductions section: standard, property and social deductions and securities losses.
target_sources(tarvika_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/../ChildEduSum.cpp ${CMAKE_CURRENT_LIST_DIR}/../ChildEduSum.h
    ${CMAKE_CURRENT_LIST_DIR}/../Dif.cpp ${CMAKE_CURRENT_LIST_DIR}/../Dif.h
    ${CMAKE_CURRENT_LIST_DIR}/../FrameCB.cpp ${CMAKE_CURRENT_LIST_DIR}/../FrameCB.h
    ${CMAKE_CURRENT_LIST_DIR}/../FrameConstructionDeduct.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../FrameConstructionDeduct.h
    ${CMAKE_CURRENT_LIST_DIR}/../FrameDeductData.cpp ${CMAKE_CURRENT_LIST_DIR}/../FrameDeductData.h
    ${CMAKE_CURRENT_LIST_DIR}/../FramePensDeduct.cpp ${CMAKE_CURRENT_LIST_DIR}/../FramePensDeduct.h
    ${CMAKE_CURRENT_LIST_DIR}/../FrameStandartDeduct.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../FrameStandartDeduct.h
    ${CMAKE_CURRENT_LIST_DIR}/../InputSoursePens.cpp ${CMAKE_CURRENT_LIST_DIR}/../InputSoursePens.h)
