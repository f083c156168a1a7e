// The controls the windows are built from.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/pictures.h"
#include "forms/test_main.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace platform::forms;

namespace {

class Controls : public ::testing::Test {
protected:
    QWidget window;
};

void press(QWidget* target, int key, const QString& text = QString())
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

TEST_F(Controls, TwipsArePlacedFifteenToThePixel)
{
    struct Case {
        Twips where;
        QRect pixels;
    };
    for (const Case& c : {Case{{240, 240, 6015, 615}, {16, 16, 401, 41}},
                          Case{{7440, 1920, 855, 855}, {496, 128, 57, 57}},
                          Case{{0, 7, 8, 22}, {0, 0, 1, 1}}}) {  // halves round up
        Label label(&window, "", c.where);
        EXPECT_EQ(label.geometry(), c.pixels);
    }
}

TEST_F(Controls, ArialFacesResolveToTheirLiberationLookAlikes)
{
    struct Case {
        const char* family;
        const char* face;
    };
    for (const Case& c : {Case{"Arial", "Liberation Sans"}, Case{"Arial Narrow", "Liberation Sans Narrow"},
                          Case{"MS Sans Serif", "Liberation Sans"}}) {
        SCOPED_TRACE(c.family);
        const QFont font = makeFont({c.family, 9, true, false});
        EXPECT_EQ(QFontInfo(font).family(), c.face);
        EXPECT_TRUE(QFontInfo(font).bold());
    }
}

TEST_F(Controls, AutoSizedLabelFollowsItsCaption)
{
    Label label(&window, "Albora", {2520, 960, 3285, 765});
    label.setFontSpec({"Arial", 32.25, true});
    label.setAutoSize(true);
    const int shortWidth = label.width();
    EXPECT_EQ(label.pos(), QPoint(168, 64));
    label.setCaption("Albora Albora");
    EXPECT_GT(label.width(), shortWidth);
    EXPECT_EQ(label.Caption(), "Albora Albora");
}

TEST_F(Controls, ComboBoxKeepsItsTextWhileTheListIsFilledAndClearEmptiesBoth)
{
    ComboBox combo(&window, {3120, 1320, 5295, 375});
    int clicks = 0;
    QObject::connect(&combo, &ComboBox::Click, [&] { ++clicks; });

    combo.AddItem("Italia");
    combo.AddItem("Francia");
    EXPECT_EQ(combo.Text(), "");
    EXPECT_EQ(combo.ListCount(), 2);
    EXPECT_EQ(combo.List(1), "Francia");  // in the order added

    combo.setText("Nuovo");
    combo.AddItem("Austria");
    EXPECT_EQ(combo.Text(), "Nuovo");

    combo.Clear();
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_EQ(combo.Text(), "");
    EXPECT_EQ(clicks, 0);
}

TEST_F(Controls, ComboBoxListKeepsEveryTextWholeWhateverItsLength)
{
    ComboBox combo(&window, {3120, 1320, 5295, 375});
    QStringList added;
    for (int i = 0; i < 3000; ++i)
        added << QString("Catalogo %1 di prova").arg(i);
    added[7] = "";                         // an empty name is a row too
    added[1500] = QString(20000, u'\u00e8');  // longer than any block the list keeps
    for (int round = 0; round < 2; ++round) {  // a cleared list fills again
        combo.Clear();
        for (const QString& name : added)
            combo.AddItem(name);
        ASSERT_EQ(combo.ListCount(), added.size());
        for (int i = 0; i < added.size(); ++i)
            ASSERT_EQ(combo.List(i), added[i]) << "row " << i;
    }
    combo.chooseItem(2999);  // the view sees the same rows
    EXPECT_EQ(combo.itemText(1500), added[1500]);
    EXPECT_EQ(combo.Text(), added[2999]);
    EXPECT_EQ(combo.List(3000), "");
}

TEST_F(Controls, ComboBoxClicksOnlyWhenARowIsChosen)
{
    ComboBox combo(&window, {3120, 1320, 5295, 375});
    combo.AddItem("Italia");
    combo.AddItem("Francia");
    QStringList textsAtClick;
    QObject::connect(&combo, &ComboBox::Click, [&] { textsAtClick << combo.Text(); });

    // Typing a name of the list and leaving the box is no choice.
    combo.lineEdit()->setText("Francia");
    emit combo.lineEdit()->editingFinished();
    EXPECT_TRUE(textsAtClick.isEmpty());

    combo.chooseItem(0);
    press(&combo, Qt::Key_Down);  // the keyboard moves to the next row, as a choice
    combo.chooseItem(5);          // no such row
    EXPECT_EQ(textsAtClick, (QStringList{"Italia", "Francia"}));
}

TEST_F(Controls, MultiLineTextBoxTakesLineBreaksAlthoughOneLineHigh)
{
    TextBox box(&window, {1440, 4920, 2055, 315}, {.multiLine = true});
    box.setText("prima\r\nseconda");
    EXPECT_EQ(box.Text(), "prima\nseconda");

    box.setText("");
    auto* editor = qobject_cast<QPlainTextEdit*>(box.editor());
    ASSERT_NE(editor, nullptr);
    press(editor, Qt::Key_A, "a");
    press(editor, Qt::Key_Return, "\r");
    press(editor, Qt::Key_B, "b");
    press(editor, Qt::Key_Tab, "\t");  // moves on, types nothing
    EXPECT_EQ(box.Text(), "a\nb");
    EXPECT_EQ(box.height(), 21);
}

TEST_F(Controls, SingleLineTextBoxLooks)
{
    TextBox box(&window, {1320, 480, 855, 285}, {.readOnly = true, .alignment = Qt::AlignRight});
    box.setText("0");
    box.setForeColor(QColor(0, 0, 192));
    box.setTabStop(false);
    auto* editor = qobject_cast<QLineEdit*>(box.editor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(box.Text(), "0");
    EXPECT_TRUE(editor->isReadOnly());
    EXPECT_TRUE(editor->alignment() & Qt::AlignRight);
    EXPECT_EQ(editor->palette().color(QPalette::Text), QColor(0, 0, 192));
    EXPECT_EQ(editor->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(box.focusProxy(), editor);
}

TEST_F(Controls, ImageBoxStretchesItsPictureToTheBox)
{
    ImageBox box(&window, {0, 0, 1500, 750});
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 0));
    box.setPicture(picture);
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.size(), QSize(100, 50));
    EXPECT_EQ(QColor(shown.pixel(1, 1)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(shown.pixel(98, 48)), QColor(0, 128, 0));
    box.clearPicture();
    EXPECT_FALSE(box.hasPicture());
}

TEST_F(Controls, ShapeDrawsItsBorderOfThatManyPixels)
{
    Shape shape(&window, {0, 0, 600, 600}, Qt::blue, 3, Qt::white);
    const QImage shown = shape.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(2, 20)), QColor(Qt::blue));
    EXPECT_EQ(QColor(shown.pixel(20, 37)), QColor(Qt::blue));
    EXPECT_EQ(QColor(shown.pixel(3, 20)), QColor(Qt::white));
    EXPECT_TRUE(shape.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(Controls, FrameWithCaptionKeepsTheFontOfItsControls)
{
    Frame frame(&window, "Scatta una foto", {5160, 120, 7815, 5655});
    frame.setFontSpec({"Arial", 11.25, true, true});
    frame.setBackColor(QColor(255, 255, 0));
    Label inside(&frame, "Web-Cam selezionata:", {240, 4800, 2775, 255});
    EXPECT_EQ(frame.Caption(), "Scatta una foto");
    EXPECT_FALSE(inside.font().italic());
    EXPECT_EQ(inside.mapTo(&window, QPoint(0, 0)), QPoint(344 + 16, 8 + 320));
}

TEST_F(Controls, PictureButtonShowsTooltipCursorAndClicks)
{
    PictureButton button(&window, {6120, 1920, 975, 855}, "Aggiorna e/o aggiunge Catalogo", Pictures::add(),
                         QColor(128, 255, 128));
    int clicks = 0;
    QObject::connect(&button, &PictureButton::Click, [&] { ++clicks; });
    button.click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.toolTip(), "Aggiorna e/o aggiunge Catalogo");
    EXPECT_EQ(button.cursor().hotSpot(), QPoint(12, 1));
    EXPECT_TRUE(button.text().isEmpty());
    EXPECT_FALSE(button.icon().isNull());
}

TEST_F(Controls, TimerArmsWithANonZeroInterval)
{
    Timer timer(&window);
    int ticks = 0;
    QObject::connect(&timer, &Timer::Tick, [&] { ++ticks; });
    EXPECT_FALSE(timer.isArmed());
    timer.setInterval(2500);
    EXPECT_TRUE(timer.isArmed());
    timer.fire();
    EXPECT_EQ(ticks, 1);
    timer.setInterval(0);
    EXPECT_FALSE(timer.isArmed());
}

}  // namespace
