#include "ShutdownSequence.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{

struct SequenceCase {
    const char *name;
    std::vector<const char *> failures; // per step: nullptr runs cleanly, "!" throws
    const char *result;
};

const SequenceCase kCases[] = {
    {"AllClean", {nullptr, nullptr, nullptr}, ""},
    {"OneFailure", {nullptr, "library busy", nullptr}, "ERRNO:20200909_102701,library busy"},
    {"FirstFailureIsReported", {"first", "second", nullptr}, "ERRNO:20200909_102701,first"},
    {"ThrownErrorIsReported", {nullptr, "!", nullptr}, "ERRNO:20200909_102701,thrown"},
};

class ShutdownSequenceTest : public ::testing::TestWithParam<SequenceCase>
{
};

TEST_P(ShutdownSequenceTest, RunsEveryStepInOrderAndReportsTheFirstFailure)
{
    QStringList ran;
    ShutdownSequence sequence;
    int index = 0;
    for (const char *failure : GetParam().failures) {
        const QString name = QStringLiteral("step%1").arg(index++);
        sequence.Add(name, [&ran, name, failure]() -> QString {
            ran << name;
            if (failure && QByteArray(failure) == "!")
                throw std::runtime_error("thrown");
            return failure ? QString::fromLatin1(failure) : QString();
        });
    }
    EXPECT_EQ(sequence.Run(), QString::fromLatin1(GetParam().result));
    EXPECT_EQ(ran, sequence.Names());
    EXPECT_EQ(ran.size(), int(GetParam().failures.size()));
}

INSTANTIATE_TEST_SUITE_P(Rows, ShutdownSequenceTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
