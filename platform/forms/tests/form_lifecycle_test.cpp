// Windows load on first touch, run Load once, and unload (also from their own
// handlers and from the close box) so that the next touch loads them afresh.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/test_main.h"
#include "runtime/runtime.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <gtest/gtest.h>

using namespace platform::forms;

namespace {

int firstLoads = 0;
int secondLoads = 0;

class FirstWindow : public Form {
public:
    FirstWindow()
    {
        setCaption("Prima");
        setClientSizeTwips(4500, 3000);
        Text1 = new TextBox(this, {120, 120, 2000, 285});
        Cmd_Exit = new PictureButton(this, {120, 600, 855, 855}, "Exit", QImage());
        connect(Cmd_Exit, &PictureButton::Click, this, [this] {
            Unload();
            Text1->setText("dopo lo scaricamento");  // still alive until the event loop runs
        });
    }
    TextBox* Text1;
    PictureButton* Cmd_Exit;

protected:
    void Load() override;
};
FormSlot<FirstWindow> firstWindow;

void FirstWindow::Load()
{
    ++firstLoads;
    // A window touching itself in its own Load finds itself, not a second copy.
    firstWindow->Text1->setText("caricata");
}

class SecondWindow : public Form {
public:
    SecondWindow()
    {
        setBorder(Border::None, false);
        setClientSizeTwips(3000, 1500);
        Text1 = new TextBox(this, {0, 0, 2000, 285});
    }
    TextBox* Text1;

protected:
    void Load() override
    {
        ++secondLoads;
        Text1->setText(firstWindow->Text1->Text());  // loads the first window when needed
    }
};
FormSlot<SecondWindow> secondWindow;

class QuitterWindow : public Form {
protected:
    void Load() override { Unload(); }
};
FormSlot<QuitterWindow> quitterWindow;

class FormLifecycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        firstLoads = 0;
        secondLoads = 0;
    }
    void TearDown() override
    {
        UnloadAll();
        flushUnloaded();
    }
};

TEST_F(FormLifecycle, FirstTouchLoadsOnceAndLaterTouchesFindTheSameWindow)
{
    EXPECT_FALSE(firstWindow.IsLoaded());
    EXPECT_EQ(firstWindow->Text1->Text(), "caricata");
    EXPECT_TRUE(firstWindow.IsLoaded());
    EXPECT_TRUE(firstWindow->loadFinished());
    firstWindow->Text1->setText("modificata");
    firstWindow.Show();
    EXPECT_EQ(firstWindow->Text1->Text(), "modificata");
    EXPECT_EQ(firstLoads, 1);
    EXPECT_TRUE(firstWindow->isVisible());
}

TEST_F(FormLifecycle, TouchFromAnotherWindowsLoadLoadsThatWindowToo)
{
    EXPECT_EQ(secondWindow->Text1->Text(), "caricata");
    EXPECT_TRUE(firstWindow.IsLoaded());
    EXPECT_EQ(firstLoads, 1);
    EXPECT_EQ(secondLoads, 1);
}

TEST_F(FormLifecycle, UnloadDestroysTheWindowAndItsControlsAndTheNextTouchLoadsAfresh)
{
    firstWindow->Text1->setText("modificata");
    QPointer<FirstWindow> window = &*firstWindow;
    QPointer<TextBox> control = firstWindow->Text1;

    firstWindow.Unload();
    EXPECT_FALSE(firstWindow.IsLoaded());
    flushUnloaded();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(control.isNull());

    EXPECT_EQ(firstWindow->Text1->Text(), "caricata");
    EXPECT_EQ(firstLoads, 2);
}

TEST_F(FormLifecycle, CloseBoxUnloads)
{
    firstWindow.Show();
    QPointer<FirstWindow> window = &*firstWindow;
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(firstWindow.IsLoaded());
    flushUnloaded();
    EXPECT_TRUE(window.isNull());
}

TEST_F(FormLifecycle, WindowUnloadingItselfFromItsOwnButtonSurvivesTheHandler)
{
    firstWindow.Show();
    QPointer<FirstWindow> window = &*firstWindow;
    // A real click, delivered through the application as the event loop would.
    const QPointF centre = QRectF(window->Cmd_Exit->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, window->Cmd_Exit->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, window->Cmd_Exit->mapToGlobal(centre), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window->Cmd_Exit, &press);
    QApplication::sendEvent(window->Cmd_Exit, &release);
    EXPECT_FALSE(firstWindow.IsLoaded());
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    flushUnloaded();
    EXPECT_TRUE(window.isNull());
}

TEST_F(FormLifecycle, WindowUnloadingItselfInItsLoadLeavesTheSlotEmpty)
{
    QuitterWindow& window = *quitterWindow;
    EXPECT_TRUE(window.isUnloaded());
    window.Show();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(quitterWindow.IsLoaded());
}

TEST_F(FormLifecycle, UnloadAllLeavesNoWindow)
{
    secondWindow.Show();
    UnloadAll();
    EXPECT_FALSE(firstWindow.IsLoaded());
    EXPECT_FALSE(secondWindow.IsLoaded());
}

TEST_F(FormLifecycle, ShowCentresOnTheScreenOnlyTheFirstTime)
{
    firstWindow.Show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(firstWindow->size(), QSize(300, 200));
    EXPECT_EQ(firstWindow->pos(), screen.topLeft() + QPoint((screen.width() - 300) / 2, (screen.height() - 200) / 2));

    firstWindow->move(10, 20);
    firstWindow.Show();
    EXPECT_EQ(firstWindow->pos(), QPoint(10, 20));
}

TEST_F(FormLifecycle, BordersGiveFixedTitledOrBarelessWindows)
{
    const Qt::WindowFlags fixed = firstWindow->windowFlags();
    EXPECT_TRUE(fixed.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(fixed.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(fixed.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(fixed.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(firstWindow->minimumSize(), firstWindow->maximumSize());
    EXPECT_EQ(firstWindow->parentWidget(), nullptr);

    const Qt::WindowFlags splash = secondWindow->windowFlags();
    EXPECT_TRUE(splash.testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(secondWindow->windowType(), Qt::SplashScreen);  // no task-bar entry
}

TEST_F(FormLifecycle, EndIsRecordedNotCarriedOut)
{
    platform::forms::testing::resetEndCalls();
    platform::runtime::End();
    EXPECT_EQ(platform::forms::testing::endCalls(), 1);
}

}  // namespace
