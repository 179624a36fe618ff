// Replays the fuzzers' seeds and every input a fuzzer ever found through the same property
// checks the fuzzers apply.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <cctype>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "file_helpers.h"
#include "fuzz_properties.h"

namespace vellorin::testing {
namespace {

struct FuzzInput {
    std::string target;
    QString path;
};

void PrintTo(const FuzzInput& input, std::ostream* os) {
    *os << input.path.toStdString();
}

std::vector<FuzzInput> FuzzInputs() {
    std::vector<FuzzInput> inputs;
    for (const char* target : {"session_file", "field_value", "cue_file", "attempts",
                               "training_log", "table_file", "profile_file", "sensor_packet"}) {
        for (const char* folder : {"fuzz/seeds/", "tests/fuzz_regressions/"}) {
            QDirIterator files(QStringLiteral(VELLORIN_SOURCE_DIR "/") + folder + target,
                               QDir::Files);
            while (files.hasNext()) {
                inputs.push_back({target, files.next()});
            }
        }
    }
    return inputs;
}

class FuzzRegression : public ::testing::TestWithParam<FuzzInput> {};

TEST_P(FuzzRegression, HoldsEveryProperty) {
    const QByteArray data = ReadBytes(GetParam().path);
    const std::string& target = GetParam().target;
    const QString problem = target == "session_file"    ? fuzz::CheckSessionFileInput(data)
                            : target == "cue_file"      ? fuzz::CheckCueFileInput(data)
                            : target == "attempts"      ? fuzz::CheckAttemptsInput(data)
                            : target == "training_log"  ? fuzz::CheckTrainingLogInput(data)
                            : target == "table_file"    ? fuzz::CheckTableFileInput(data)
                            : target == "profile_file"  ? fuzz::CheckProfileFileInput(data)
                            : target == "sensor_packet" ? fuzz::CheckSensorPacketInput(data)
                                                        : fuzz::CheckFieldValueInput(data);
    EXPECT_EQ(problem.toStdString(), "") << GetParam().path.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzRegression, ::testing::ValuesIn(FuzzInputs()),
                         [](const ::testing::TestParamInfo<FuzzInput>& info) {
                             std::string name = info.param.target + "_" +
                                                QDir(info.param.path).dirName().toStdString();
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

TEST(FuzzRegression, HasInputsForEveryTarget) {
    std::map<std::string, int> inputs;
    for (const FuzzInput& input : FuzzInputs()) {
        ++inputs[input.target];
    }
    EXPECT_EQ(inputs.size(), 8u);
}

}  // namespace
}  // namespace vellorin::testing
