#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <array>
#include <iterator>

#include "trainer_window.h"

namespace vellorin::testing {

// A file dialog that yields whatever the test put in nextFileName and remembers how it
// was set up and shown.
class ScriptedDialog : public CommonDialog {
public:
    void ShowOpen() override { Show("open"); }
    void ShowSave() override { Show("save"); }
    QString FileName() const override { return fileName; }

    QString nextFileName;
    QString fileName;
    QStringList shown;  // "open" or "save", in order

private:
    // Folders are kept in one spelling, '/' between names, as the tests write them.
    void Show(const char* kind) {
        InitDir = QDir::fromNativeSeparators(InitDir);
        shown.append(QString::fromLatin1(kind));
        fileName = nextFileName;
    }
};

// A text for each value of an enumeration, looked up by that value.
template <typename Enum, std::size_t Count>
struct TextsBy {
    QString& operator[](Enum key) { return texts[static_cast<std::size_t>(key)]; }
    const QString& operator[](Enum key) const { return texts[static_cast<std::size_t>(key)]; }
    std::array<QString, Count> texts;
};

// Records everything the program asks of its window; the timer is a flag, and a tick is
// a call made by the test.
class FakeWindow : public TrainerWindow {
public:
    void SetCaption(Control control, const vellorin::Caption& caption) override {
        captions[control] = CaptionText(caption);
    }
    QString FieldText(Field field) const override { return fields[field]; }
    void SetFieldText(Field field, const QString& text) override { fields[field] = text; }
    void SetTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    void ShowMessage(const QString& text) override { messages.append(text); }
    void PlayWave(const QString& path) override { played.append(path); }
    QString ApplicationFolder() const override { return applicationFolder; }
    QString UserDataFolder() const override { return userDataFolder; }
    CommonDialog& CommonDialog1() override { return dialog; }

    // Fills the six fields in the order intro, hold, hold increase, rest, rest decrease, loops.
    void SetSettings(const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i) {
            fields[kSettingsFields[i]] = texts[i];
        }
    }
    QString Caption(Control control) const { return captions[control]; }

    TextsBy<Control, static_cast<std::size_t>(Control::PauseCmd) + 1> captions;
    TextsBy<Field, std::size(kSettingsFields)> fields;
    bool timerEnabled = false;
    QStringList messages;
    QStringList played;
    QString applicationFolder = QStringLiteral("/apps");
    QString userDataFolder;
    ScriptedDialog dialog;
};

}  // namespace vellorin::testing
