#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "fake_window.h"
#include "trainer_mainform.h"

namespace vellorin::testing {

// The real window with its message boxes, file dialog and sound replaced, so that no test
// blocks or needs an audio device. The application folder is a temporary one.
class TestMainform : public TrainerMainform {
public:
    explicit TestMainform(const QString& applicationFolder) : folder_(applicationFolder) {}

    void ShowMessage(const QString& text) override { messages.append(text); }
    // Good news goes with the other messages, and is also told apart from the warnings.
    void ShowInformation(const QString& text) override {
        messages.append(text);
        information.append(text);
    }
    void PlayWave(const QString& path) override { played.append(path); }
    // A cue that waits for the one before it is marked with a "+".
    void FollowWave(const QString& path) override { played.append("+" + path); }
    QString ApplicationFolder() const override { return folder_; }
    QString UserDataFolder() const override { return userDataFolder; }
    CommonDialog& CommonDialog1() override { return dialog; }
    bool Confirm(const QString& question) override {
        questions.append(question);
        return confirmAnswer;
    }
    QString AskExportFile(const QString& proposed) override {
        proposedExport = proposed;
        return exportFile;
    }
    QString WindowSettingsFile() const override { return folder_ + "/window.ini"; }
    std::optional<int> AskPersonalBest() override { return personalBest; }
    std::optional<PbTableRequest> AskPbTable(std::optional<int> best) override {
        recordedBest = best;
        return pbTableRequest;
    }

    template <typename T>
    T* Find(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }
    QString Text(const char* name) const {
        if (auto* label = Find<QLabel>(name)) {
            return label->text();
        }
        if (auto* button = Find<QPushButton>(name)) {
            return button->text();
        }
        if (auto* field = Find<QLineEdit>(name)) {
            return field->text();
        }
        return "<no control " + QString::fromLatin1(name) + ">";
    }
    QTimer* SecondsTimer() const { return Find<QTimer>("SecondsTimer"); }

    QStringList messages;
    QStringList information;  // the messages shown with the information icon
    QStringList questions;
    bool confirmAnswer = true;
    QString exportFile;
    QString proposedExport;
    std::optional<PbTableRequest> pbTableRequest;
    std::optional<int> recordedBest;
    std::optional<int> personalBest;  // what AskPersonalBest answers
    QStringList played;
    ScriptedDialog dialog;
    QString userDataFolder;

private:
    QString folder_;
};

}  // namespace vellorin::testing
