// Window lifecycle: load on first touch (FormSlot), modeless showing, and
// unloading that may start from one of the window's own handlers.
#include "forms/form.h"

#include "forms/controls.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <algorithm>
#include <vector>

namespace platform::forms {

namespace {

// Windows that exist and are not yet unloaded, in loading order.
std::vector<Form*>& loadedForms()
{
    static std::vector<Form*> forms;
    return forms;
}

void forget(Form* form)
{
    auto& forms = loadedForms();
    forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
}

}  // namespace

Form::Form()
    : QWidget(nullptr)
{
    loadedForms().push_back(this);
    setFont(makeFont(FontSpec{}));
    setBorder(Border::FixedSingle);
}

Form::~Form()
{
    // Deleted without Unload (a test's own window): leave the slot all the same.
    forget(this);
    if (!unloaded_ && detach_)
        detach_();
}

void Form::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

QString Form::Caption() const
{
    return windowTitle();
}

void Form::setClientSizeTwips(int width, int height)
{
    setFixedSize(px(width), px(height));
}

void Form::setBorder(Border border, bool showInTaskbar)
{
    Qt::WindowFlags flags;
    if (border == Border::None) {
        // A splash window: no frame at all, and no task-bar entry unless asked.
        flags = (showInTaskbar ? Qt::Window : Qt::SplashScreen) | Qt::FramelessWindowHint;
    } else {
        flags = (showInTaskbar ? Qt::Window : Qt::Tool) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    }
    setWindowFlags(flags);
}

void Form::setBackColor(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
}

void Form::runLoad()
{
    Load();
    loadFinished_ = true;
}

void Form::Show()
{
    if (unloaded_)
        return;
    if (!shownOnce_ && centred_) {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            const int left = area.left() + std::max(0, (area.width() - width()) / 2);
            const int top = area.top() + std::max(0, (area.height() - height()) / 2);
            move(left, top);
        }
    }
    shownOnce_ = true;
    show();
    raise();
    activateWindow();
}

void Form::Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    forget(this);
    Unloading();
    hide();
    if (detach_)
        detach_();
    deleteLater();
}

void Form::closeEvent(QCloseEvent* event)
{
    event->accept();
    Unload();
}

void UnloadAll()
{
    const std::vector<Form*> forms = loadedForms();
    for (Form* form : forms)
        form->Unload();
}

void flushUnloaded()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace platform::forms
