// The window in every language: its texts and its dialogs' fit at the design size and at
// twice it, and a session run to its end through its keys shows that language's phases and
// plays that language's cues.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>

#include "attempts_dialog.h"
#include "caption.h"
#include "cue_profile.h"
#include "cue_profile_dialog.h"
#include "history_window.h"
#include "language.h"
#include "pb_table_dialog.h"
#include "rounds_editor.h"
#include "test_mainform.h"

namespace vellorin::testing {
namespace {

// The widest line of a text in a font.
int TextWidth(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(QString(line).remove('&')));
    }
    return widest;
}

// Every shown label, button and frame title of a window that its text does not fit:
// "SaveCmd \"Speichern\": 61 px in 49".
QStringList Clipped(const QWidget& top) {
    QStringList clipped;
    const auto check = [&](const QWidget* widget, const QString& text, int needed, int has) {
        if (widget->isVisible() && !text.isEmpty() && needed > has) {
            clipped.append(QStringLiteral("%1 \"%2\": %3 px in %4")
                               .arg(widget->objectName(), text)
                               .arg(needed)
                               .arg(has));
        }
    };
    for (const QLabel* label : top.findChildren<QLabel*>()) {
        if (!label->wordWrap() && label->textFormat() != Qt::RichText) {
            check(label, label->text(), TextWidth(label->font(), label->text()),
                  label->contentsRect().width());
        }
    }
    for (const QAbstractButton* button : top.findChildren<QAbstractButton*>()) {
        // The text and a little of the button's frame on either side.
        check(button, button->text(), TextWidth(button->font(), button->text()) + 6,
              button->width());
    }
    for (const QGroupBox* frame : top.findChildren<QGroupBox*>()) {
        check(frame, frame->title(), TextWidth(frame->font(), frame->title()) + 8, frame->width());
    }
    return clipped;
}

class WindowLanguage : public ::testing::TestWithParam<QString> {
protected:
    void SetUp() override {
        UseLanguage(GetParam(), {});
        // The shipped cues, the language's among them, beside the window's program.
        QFile::link(QStringLiteral(VELLORIN_SOURCE_DIR "/snd"), dir.filePath("snd"));
    }
    void TearDown() override { UseLanguage(QStringLiteral("en"), {}); }

    QTemporaryDir dir;
};

TEST_P(WindowLanguage, TheWindowAndEveryDialogFitTheirTextsAtTheDesignSizeAndAtTwiceIt) {
    TestMainform form(dir.path());
    form.Form_Load();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const qreal scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale);
        const int menu = form.Find<QMenuBar>("MenuBar")->height();
        form.resize(QSize(249, 359) * scale + QSize(0, menu));
        QApplication::processEvents();
        EXPECT_EQ(Clipped(form).join("; ").toStdString(), "");
    }
    // The session's words too: every phase and button caption on its display or button.
    for (const Caption caption :
         {Caption::Of(Phase::Intro), Caption::Of(Phase::Hold), Caption::Of(Phase::Rest),
          Caption{Caption::Kind::End}, Caption{Caption::Kind::PbTest}}) {
        form.ShowCaptionText(Control::SequenceLbl, CaptionText(caption));
        form.ShowCaptionText(Control::SessionLbl, CaptionText(caption));
        EXPECT_EQ(Clipped(form).join("; ").toStdString(), "");
    }
    for (const Caption::Kind kind : {Caption::Kind::Start, Caption::Kind::Reset}) {
        form.ShowCaptionText(Control::ControlCmd, CaptionText(Caption{kind}));
        EXPECT_EQ(Clipped(form).join("; ").toStdString(), "");
    }
    form.ShowCaptionText(Control::PauseCmd, CaptionText(Caption{Caption::Kind::Resume}));
    EXPECT_EQ(Clipped(form).join("; ").toStdString(), "");

    // Lights-out: its displays, its paused word and its contraction count.
    form.ToggleLightsOut();
    ASSERT_TRUE(form.LightsOut());
    EXPECT_EQ(Clipped(form).join("; ").toStdString(), "");
    form.ToggleLightsOut();

    RoundsEditor rounds(RoundsTable{}, {}, 150, form);
    PbTableDialog pbTable(nullptr, QStringLiteral("30"), 156);
    CueProfileDialog profile(nullptr, dir.path(), *BuiltInProfile(QStringLiteral("guided")));
    AttemptsDialog attempts(nullptr, dir.filePath("attempts.csv"),
                            [](const QString&) { return false; });
    HistoryWindow history(dir.filePath("log.csv"), QList<LogRow>{}, QList<Attempt>{});
    for (QWidget* window :
         std::initializer_list<QWidget*>{&rounds, &pbTable, &profile, &attempts, &history}) {
        SCOPED_TRACE(window->metaObject()->className());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_EQ(Clipped(*window).join("; ").toStdString(), "");
        window->hide();
    }
}

TEST_P(WindowLanguage, ASessionRunToItsEndShowsTheLanguagesPhasesAndPlaysItsCues) {
    TestMainform form(dir.path());
    form.Form_Load();
    for (const auto& [field, text] : {std::pair{"IntroTbx", "3"},
                                      {"HoldTbx", "2"},
                                      {"HoldIncTbx", "0"},
                                      {"RestTbx", "2"},
                                      {"RestDecTbx", "0"},
                                      {"LoopsTbx", "2"}}) {
        form.Find<QLineEdit>(field)->setText(QString::fromLatin1(text));
    }
    QTest::keyClick(&form, Qt::Key_Space);
    QStringList phases;
    for (int tick = 0; tick < 20 && form.SecondsTimer()->isActive(); ++tick) {
        form.SecondsTimer_Timer();
        if (phases.isEmpty() || phases.constLast() != form.Text("SequenceLbl")) {
            phases.append(form.Text("SequenceLbl"));
        }
    }
    const auto words = [](std::initializer_list<Caption> captions) {
        QStringList texts;
        for (const Caption& caption : captions) {
            texts.append(CaptionText(caption));
        }
        return texts;
    };
    EXPECT_EQ(phases,
              words({Caption::Of(Phase::Intro), Caption::Of(Phase::Hold), Caption::Of(Phase::Rest),
                     Caption::Of(Phase::Hold), Caption{Caption::Kind::End}}));
    // The spoken cues come from the language's own folder; English has them in "snd" itself.
    const QString folder = GetParam() == "en" ? "/snd/" : "/snd/" + GetParam() + "/";
    const QStringList spoken = {"3.wav",    "2.wav",        "1.wav",
                                "hold.wav", "stophold.wav", "sesend.wav"};
    for (const QString& cue : spoken) {
        EXPECT_TRUE(form.played.contains(dir.path() + folder + cue)) << cue.toStdString();
    }
    if (GetParam() != "en") {
        EXPECT_NE(CaptionText(Caption::Of(Phase::Hold)), "Hold");
    }
}

// Help > Language: the system's language and each language named in its own, the one chosen
// checked when the menu opens, kept in the window's settings and told to take effect at the
// next start.
TEST(LanguageMenu, ChoosesAndKeepsALanguageOrTheSystems) {
    QTemporaryDir dir;
    TestMainform form(dir.path());
    auto* menu = form.findChild<QMenu*>(QStringLiteral("languagemenu"));
    ASSERT_NE(menu, nullptr);
    QStringList names;
    for (const QAction* action : menu->actions()) {
        names.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
    }
    EXPECT_EQ(names.join(' '),
              "language-system - language-en language-de language-fr "
              "language-es language-it language-pt language-ru language-pl "
              "language-cs language-fi language-ca");
    const auto chosen = [&] {
        return QSettings(form.WindowSettingsFile(), QSettings::IniFormat)
            .value(QString::fromLatin1(kLanguageSetting))
            .toString();
    };
    const auto checked = [&] {
        emit menu->aboutToShow();
        QStringList on;
        for (const QAction* action : menu->actions()) {
            if (action->isChecked()) {
                on.append(action->objectName());
            }
        }
        return on.join(' ');
    };
    EXPECT_EQ(checked(), "language-system");
    for (const auto& [action, code, name] : {std::tuple{"language-ru", "ru", "Русский"},
                                             {"language-de", "de", "Deutsch"},
                                             {"language-system", "", ""}}) {
        SCOPED_TRACE(action);
        form.findChild<QAction*>(QString::fromLatin1(action))->trigger();
        EXPECT_EQ(chosen(), QString::fromUtf8(code));
        EXPECT_EQ(checked(), action);
        ASSERT_FALSE(form.messages.isEmpty());
        EXPECT_TRUE(form.messages.constLast().contains(QString::fromUtf8(name)));
        EXPECT_TRUE(form.messages.constLast().contains("next start"));
    }
    EXPECT_EQ(CaptionText(Caption::Of(Phase::Hold)), "Hold");  // nothing changes until then
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, WindowLanguage, ::testing::ValuesIn(Languages()),
                         [](const auto& info) { return info.param.toStdString(); });

}  // namespace
}  // namespace vellorin::testing
