# SPDX-License-Identifier: GPL-3.0-or-later
set(KARVO_IMAGE_FIXTURES ${CMAKE_CURRENT_LIST_DIR}/ImageFixtures.cpp ${CMAKE_CURRENT_LIST_DIR}/ImageFixtures.h)

karvo_add_test(image_io_engine_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ImageIOEngineTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ImageIOEngineLimitsTest.cpp
        ${KARVO_IMAGE_FIXTURES}
    LIBS karvo_imaging_code)
karvo_add_test(batch_crop_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/BatchCropTest.cpp LIBS karvo_engine)
karvo_add_test(background_remover_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/BackgroundRemoverTest.cpp ${KARVO_IMAGE_FIXTURES}
    LIBS karvo_imaging_code)

foreach(target image_io_engine_test background_remover_test)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    target_compile_definitions(${target} PRIVATE
        KARVO_SEGMENTATION_MODEL_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/make_segmentation_model.py")
endforeach()
