# The alarm's sound, alone and through the main window; both record a private
# null sink when the test sound server is announced, and skip otherwise.
tivora_add_qtest(tst_alarmsound LABEL alarm
    SOURCES tst_alarmsound.cpp
        ${PROJECT_SOURCE_DIR}/alarm/alarmsound.cpp ${PROJECT_SOURCE_DIR}/alarm/alarmsound.h
        ${PROJECT_SOURCE_DIR}/tests/support/pulserecorder.cpp
    LIBS Qt5::Multimedia
    TIMEOUT 120)
target_include_directories(tst_alarmsound PRIVATE ${PROJECT_SOURCE_DIR})

tivora_add_qtest(tst_alarmaudio LABEL alarm
    SOURCES tst_alarmaudio.cpp ${PROJECT_SOURCE_DIR}/tests/support/pulserecorder.cpp
    LIBS tivora_alarm
    TIMEOUT 120)
