#pragma once

#include <QString>
#include <cstdio>

#include "trainer_mainform.h"

namespace vellorin::bench {

// The file Load is given, as the file dialog would give it; empty: nothing is chosen.
class ChosenFile : public CommonDialog {
public:
    explicit ChosenFile(const QString& file) : file_(file) {}
    void ShowOpen() override {}
    void ShowSave() override {}
    QString FileName() const override { return file_; }

private:
    QString file_;
};

// The real window, its data and settings in the benchmark's folder, its messages printed.
class BenchMainform : public TrainerMainform {
public:
    explicit BenchMainform(const QString& data, const QString& file = {})
        : data_(data), dialog_(file) {}
    QString UserDataFolder() const override { return data_; }
    CommonDialog& CommonDialog1() override { return dialog_; }
    void ShowMessage(const QString& text) override {
        std::printf("message: %s\n", qPrintable(text));
    }

protected:
    QString WindowSettingsFile() const override { return data_ + "/window.ini"; }

private:
    QString data_;
    ChosenFile dialog_;
};

}  // namespace vellorin::bench
