#pragma once

#include <QString>
#include <QtTest>

namespace zemko {

// Points HOME, XDG_* and the runtime folder at a fresh temporary folder that
// lives until the process ends. Call before the application object exists.
void prepareTestEnvironment();
// The temporary folder made by prepareTestEnvironment().
QString testRoot();
// What QtWebEngine needs before the application object exists: no sandbox
// when run as root (it would end the process), shared GL contexts.
void prepareWebEngine();

} // namespace zemko

#define ZEMKO_TEST_MAIN_WITH(AppClass, TestObject, setup)                                          \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        zemko::prepareTestEnvironment();                                                           \
        setup;                                                                                     \
        AppClass app(argc, argv);                                                                  \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#define ZEMKO_TEST_GUILESS_MAIN(TestObject)                                                        \
    ZEMKO_TEST_MAIN_WITH(QCoreApplication, TestObject, (void)0)
#define ZEMKO_TEST_WIDGETS_MAIN(TestObject) ZEMKO_TEST_MAIN_WITH(QApplication, TestObject, (void)0)
#define ZEMKO_TEST_WEBENGINE_MAIN(TestObject)                                                      \
    ZEMKO_TEST_MAIN_WITH(QApplication, TestObject, zemko::prepareWebEngine())
