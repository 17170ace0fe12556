#pragma once

#include <QCoreApplication>
#include <QList>
#include <QTest>

// Arguments without the "-platform NAME" pair that every test is started with; a
// QCoreApplication-only test would reject it as an unknown option.
QList<char *> argumentsWithoutPlatform(int argc, char **argv);

// Like QTEST_GUILESS_MAIN; a non-null systemLocale is put into LC_ALL before the application
// starts, so that QLocale::system() is the same wherever the test runs.
template <typename Test> int runGuilessTest(int argc, char **argv, const char *systemLocale = nullptr)
{
    if (systemLocale)
        qputenv("LC_ALL", systemLocale);
    QList<char *> arguments = argumentsWithoutPlatform(argc, argv);
    int count = int(arguments.size()) - 1; // without the terminating null
    QCoreApplication app(count, arguments.data());
    Test test;
    return QTest::qExec(&test, count, arguments.data());
}

#define ORVANTA_GUILESS_TEST_MAIN(Test)                                                                      \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        return runGuilessTest<Test>(argc, argv);                                                             \
    }
