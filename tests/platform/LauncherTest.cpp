#include "System.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(ProcessLauncher, TellsWhenAProgramCannotStartOrEndsWithAnErrorAndNeverBlocks) {
    struct Case {
        QString program;
        QByteArrayList arguments;
        const char* reason; // nullptr: no failure is told
    };
    const Case cases[] = {
        {"sh", {"-c", "exit 0"}, nullptr},
        {"sh", {"-c", "exit 3"}, "exit code 3"},
        {"sh", {"-c", "kill -9 $$"}, "unexpectedly"},
        {"/nonexistent/opener", {}, "No such file"},
        // A path's bytes arrive as they are, though they are no valid text.
        {"sh",
         {"-c", R"sh([ "$1" = "$(printf '/x\377\ny')" ] || exit 9)sh", "sh", "/x\xff\ny"},
         nullptr},
    };
    ProcessLauncher launcher;
    std::vector<QString> told(std::size(cases));
    std::vector<int> calls(std::size(cases), 0);
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        launcher.launch(cases[k].program, cases[k].arguments, [&, k](const QString& reason) {
            told[k] = reason;
            ++calls[k];
        });
    }
    // The programs end on their own; their ends arrive through the event loop.
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        if (cases[k].reason) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return calls[k] > 0; }, 10000)) << k;
        }
    }
    QTest::qWait(300);
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        if (!cases[k].reason) {
            EXPECT_EQ(calls[k], 0) << told[k].toStdString();
            continue;
        }
        EXPECT_EQ(calls[k], 1) << k;
        EXPECT_TRUE(told[k].contains(QLatin1String(cases[k].reason))) << told[k].toStdString();
    }
}
