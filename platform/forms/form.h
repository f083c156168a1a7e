#pragma once
// Windows and their lifecycle.
//
// A window class derives from Form, creates its controls in its constructor
// (placed in twips, 15 to a pixel) and does its start-up work in Load().
// Each window has one global slot; touching the slot loads the window the
// first time (constructor, then Load), Unload destroys it and everything it
// owns, and the next touch loads it afresh:
//
//   class FormCatalogo : public platform::forms::Form {
//   public:
//       FormCatalogo();                 // controls
//       platform::forms::ComboBox* Combo1;
//   protected:
//       void Load() override;          // the window's start-up work
//   };
//   extern platform::forms::FormSlot<FormCatalogo> formCatalogo;
//
//   formCatalogo->Combo1->Text();     // loads FormCatalogo if needed
//   formCatalogo.Show();              // loads if needed, shows modeless, no owner
//   formCatalogo.Unload();            // gone; the next touch loads a new one
//   formCatalogo.IsLoaded();          // asks without loading
//
// Closing a window with its close box unloads it as well.

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>

namespace platform::forms {

constexpr int TwipsPerPixel = 15;
constexpr int px(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }

enum class Border { FixedSingle, None };

class Form : public QWidget {
    Q_OBJECT
public:
    Form();
    ~Form() override;

    // Looks, set by the constructor of a window class.
    void setCaption(const QString& caption);
    QString Caption() const;
    void setClientSizeTwips(int width, int height);
    void setBorder(Border border, bool showInTaskbar = true);
    void setBackColor(const QColor& colour);
    void setCentred(bool centred) { centred_ = centred; }

    // Runs Load once, when the slot first creates the window.
    void runLoad();
    bool loadFinished() const { return loadFinished_; }

    // Modeless, without owner; brings an already visible window to the front.
    void Show();

    // Set by the slot: how this window leaves it when unloaded.
    void setDetach(std::function<void()> detach) { detach_ = std::move(detach); }
    // Hides the window, leaves its slot, and deletes it once control is back
    // in the event loop (it may be unloading itself from one of its handlers).
    void Unload();
    bool isUnloaded() const { return unloaded_; }

protected:
    virtual void Load() {}
    // Runs while the window is being unloaded, before it is deleted.
    virtual void Unloading() {}
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> detach_;
    bool centred_ = true;
    bool shownOnce_ = false;
    bool loadFinished_ = false;
    bool unloaded_ = false;
};

// The one global instance of a window class.
template <class F>
class FormSlot {
public:
    F& get()
    {
        if (!form_) {
            F* created = new F();
            form_ = created;
            created->setDetach([this] { form_ = nullptr; });
            created->runLoad();  // touches during Load find the same window
            // A window that unloaded itself in its Load lives on until control
            // is back in the event loop; the caller still gets a valid object.
            if (!form_)
                return *created;
        }
        return *form_;
    }
    F* operator->() { return &get(); }
    F& operator*() { return get(); }
    bool IsLoaded() const { return form_ != nullptr; }
    void Show() { get().Show(); }
    void Unload()
    {
        if (form_)
            form_->Unload();
    }

private:
    F* form_ = nullptr;
};

// Unloads every window that is still loaded (program end, tests).
void UnloadAll();
// Deletes the windows unloaded so far (tests, where no event loop runs).
void flushUnloaded();

}  // namespace platform::forms
