// Every control of the window where the layout table puts it, and the tab order.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QMenuBar>
#include <QTest>

#include "control_layout.h"
#include "test_mainform.h"

namespace vellorin::testing {
namespace {

class MainformLayout : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

TEST_F(MainformLayout, WindowHasItsCaptionAndTheDesignAreaUnderTheMenuBar) {
    EXPECT_EQ(form.windowTitle(), "Vellorin");
    form.resize(form.minimumSize());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const int menu = form.Find<QMenuBar>("MenuBar")->height();
    EXPECT_EQ(form.minimumSize(), QSize(249, 359 + menu));
    EXPECT_EQ(form.Find<QWidget>("DesignArea")->geometry(), QRect(0, menu, 249, 359));
}

TEST_F(MainformLayout, EveryControlHasItsKindContainerCaptionAndGeometry) {
    for (const ControlSpec& spec : Controls()) {
        SCOPED_TRACE(spec.name);
        QWidget* widget = form.Find<QWidget>(spec.name);
        ASSERT_NE(widget, nullptr);
        const char* container = spec.container ? spec.container : "DesignArea";
        EXPECT_EQ(widget->parentWidget()->objectName(), container);
        EXPECT_EQ(widget->geometry(),
                  QRect(spec.left / 15, spec.top / 15, spec.width / 15, spec.height / 15));
        switch (spec.kind) {
            case ControlKind::Frame:
                ASSERT_NE(qobject_cast<QGroupBox*>(widget), nullptr);
                EXPECT_EQ(qobject_cast<QGroupBox*>(widget)->title(), spec.caption);
                break;
            case ControlKind::Label:
            case ControlKind::TextField:
            case ControlKind::Button:
                EXPECT_EQ(form.Text(spec.name), spec.caption);
                break;
        }
        EXPECT_EQ(widget->font().bold(), spec.font != FontStyle::Regular);
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), spec.font == FontStyle::Display ? 24 : 8.25);
    }
}

TEST_F(MainformLayout, DesignCaptionsAreReplacedAtStartUp) {
    EXPECT_EQ(form.Text("ControlCmd"), " Start");
    EXPECT_EQ(form.Text("SequenceLbl"), "Holding");
    form.Form_Load();
    EXPECT_EQ(form.Text("ControlCmd"), "Start");
    EXPECT_EQ(form.Text("SequenceLbl"), "Intro");
}

TEST_F(MainformLayout, TabFollowsTheVisualOrderFromTheFieldsToTheButtons) {
    const char* order[] = {"IntroTbx",   "HoldTbx",  "HoldIncTbx", "RestTbx",
                           "RestDecTbx", "LoopsTbx", "ControlCmd", "PauseCmd",
                           "LoadCmd",    "SaveCmd",  "IntroTbx"};
    EXPECT_EQ(form.focusWidget(), form.Find<QWidget>("IntroTbx"));
    QWidget* widget = form.Find<QWidget>("IntroTbx");
    for (const char* name : order) {
        EXPECT_EQ(widget->objectName(), name);
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus || !widget->isEnabled() ||
                 widget->objectName().isEmpty());
    }
}

TEST_F(MainformLayout, TimerTicksEverySecondPreciselyAndIsOffAtStart) {
    form.Form_Load();
    ASSERT_NE(form.SecondsTimer(), nullptr);
    EXPECT_EQ(form.SecondsTimer()->interval(), 1000);
    EXPECT_EQ(form.SecondsTimer()->timerType(), Qt::PreciseTimer);
    EXPECT_FALSE(form.SecondsTimer()->isActive());
}

}  // namespace
}  // namespace vellorin::testing
