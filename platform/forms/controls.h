#pragma once
// The controls the windows are made of.  Each is a Qt widget created with its
// window as parent and placed in twips; the accessors carry the names the
// windows' code uses (Text, Caption, AddItem, ...).
//
//   auto* label = new Label(this, "CATALOGO FILATELICO", {240, 240, 6015, 615});
//   label->setFontSpec({"Arial", 24, true});
//   auto* combo = new ComboBox(this, {3120, 1320, 5295, 375});
//   connect(combo, &ComboBox::Click, this, [this] { ... });
//   auto* button = new PictureButton(this, {6120, 1920, 975, 855}, "Aggiorna e/o aggiunge Catalogo",
//                                    Pictures::add(), QColor(128, 255, 128));
//   connect(button, &PictureButton::Click, this, [this] { Cmd_Agg_Click(); });

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <initializer_list>

class QLineEdit;
class QPlainTextEdit;

namespace platform::forms {

struct Twips {
    int left, top, width, height;
};
void placeTwips(QWidget* widget, const Twips& where);

struct FontSpec {
    QString family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};
QFont makeFont(const FontSpec& spec);

// The system's highlight colour (text of a few headings).
QColor systemHighlight();

class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& caption, const Twips& where);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    void setFontSpec(const FontSpec& spec);
    void setForeColor(const QColor& colour);
    void setBackColor(const QColor& colour);
    // Sized to its text (on one line) now and whenever the caption changes.
    void setAutoSize(bool autoSize);

private:
    void fitToText();
    bool autoSize_ = false;
};

// Text box.  A multi-line one takes line breaks (CR LF, CR or LF) and gives
// them back as LF; Tab moves on to the next control in both kinds.
class TextBox : public QWidget {
    Q_OBJECT
public:
    struct Style {
        bool multiLine = false;
        bool verticalScrollBar = false;
        bool readOnly = false;
        Qt::Alignment alignment = Qt::AlignLeft;
    };
    TextBox(QWidget* parent, const Twips& where, const Style& style);
    TextBox(QWidget* parent, const Twips& where);

    QString Text() const;
    void setText(const QString& text);
    void setFontSpec(const FontSpec& spec);
    void setForeColor(const QColor& colour);
    void setTabStop(bool tabStop);
    QWidget* editor() const;  // the widget that takes the focus

private:
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* multi_ = nullptr;
};

// Editable drop-down combo box: a text part plus a list the program fills.
// Click is emitted when the user chooses a row of the list.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    ComboBox(QWidget* parent, const Twips& where);
    QString Text() const;
    void setText(const QString& text);
    void AddItem(const QString& item);
    void Clear();  // list and text
    int ListCount() const;
    QString List(int index) const;
    void setFontSpec(const FontSpec& spec);
    // What a user's choice of a row does: the row's text into the text part, then Click.
    void chooseItem(int index);
    void showPopup() override;
signals:
    void Click();

private:
    // Rows added one by one reach the drop-down list in one batch, once
    // control is back in the event loop or the list is needed.
    void announceRows();
    class Rows;
    Rows* rows_;
};

// Button that shows a picture instead of a caption, with a tooltip, a
// background colour and the shared custom mouse cursor.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const Twips& where, const QString& toolTip, const QImage& picture,
                  const QColor& background = Qt::white);
signals:
    void Click();
};

// Image box whose picture is stretched to the box.
class ImageBox : public QLabel {
    Q_OBJECT
public:
    ImageBox(QWidget* parent, const Twips& where);
    void setPicture(const QImage& picture);
    void clearPicture();
    bool hasPicture() const { return !picture_.isNull(); }
    const QImage& picture() const { return picture_; }

private:
    QImage picture_;
};

class Frame : public QFrame {
    Q_OBJECT
public:
    Frame(QWidget* parent, const QString& caption, const Twips& where);
    void setBackColor(const QColor& colour);
    void setFontSpec(const FontSpec& spec);
    QString Caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    Label* captionLabel_ = nullptr;
};

// Rectangle drawn with a border (and optionally filled).
class Shape : public QFrame {
    Q_OBJECT
public:
    Shape(QWidget* parent, const Twips& where, const QColor& border, int borderPixels,
          const QColor& fill = QColor());

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor border_;
    int borderPixels_;
    QColor fill_;
};

// Picture box: a plain child area other code can draw into or parent windows to.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, const Twips& where);
};

// Timer that fires every Interval milliseconds once the interval is set
// (0 stops it).  Tests call fire() instead of waiting.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent);
    void setInterval(int milliseconds);
    int Interval() const { return interval_; }
    bool isArmed() const { return timer_.isActive(); }
    void fire() { emit Tick(); }
signals:
    void Tick();

private:
    QTimer timer_;
    int interval_ = 0;
};

// Tab order of a window: the widgets that take the focus, in order.
void setTabOrder(std::initializer_list<QWidget*> order);

}  // namespace platform::forms
