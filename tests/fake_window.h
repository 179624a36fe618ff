#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

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
    void Show(const char* kind) {
        shown.append(QString::fromLatin1(kind));
        fileName = nextFileName;
    }
};

// Records everything the program asks of its window; the timer is a flag, and a tick is
// a call made by the test.
class FakeWindow : public TrainerWindow {
public:
    FakeWindow() {
        for (Field field : kSettingsFields) {
            fields[field] = QString();
        }
    }

    void SetCaption(Control control, const QString& text) override { captions[control] = text; }
    QString FieldText(Field field) const override { return fields.value(field); }
    void SetFieldText(Field field, const QString& text) override { fields[field] = text; }
    void SetTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    void ShowMessage(const QString& text) override { messages.append(text); }
    void PlayWave(const QString& path) override { played.append(path); }
    QString ApplicationFolder() const override { return applicationFolder; }
    CommonDialog& CommonDialog1() override { return dialog; }

    // Fills the six fields in the order intro, hold, hold increase, rest, rest decrease, loops.
    void SetSettings(const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i) {
            fields[kSettingsFields[i]] = texts[i];
        }
    }
    QString Caption(Control control) const { return captions.value(control); }

    QMap<Control, QString> captions;
    QMap<Field, QString> fields;
    bool timerEnabled = false;
    QStringList messages;
    QStringList played;
    QString applicationFolder = QStringLiteral("/apps");
    ScriptedDialog dialog;
};

}  // namespace vellorin::testing
