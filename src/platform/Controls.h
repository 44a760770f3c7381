// Controls: components with a parent, bounds, visibility, enabling, colour, font and hint;
// windowed controls own child controls, take the focus and receive keys and messages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Component.h"
#include "platform/Graphics.h"
#include "platform/Messages.h"

namespace znp {

class TControl;
class TWinControl;
class TCustomForm;

ZNP_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient);

// What a view shows of a control. Text covers the caption (the same storage); Items the list a
// control shows (combo box items, memo lines, list rows, group items); Selection the chosen item,
// row or page; Checked the state of check boxes, radio and speed buttons.
enum class TViewAspect { Bounds, Text, Visible, Enabled, Color, Font, Items, Selection, Checked, Parent };

// The seam between the model and a window toolkit: a view attaches an observer to the controls it
// shows and is told after an aspect changed, so that it follows the model without polling. The
// model never knows what the observer is.
class IControlObserver {
public:
    virtual void ControlChanged(TControl& control, TViewAspect aspect) = 0;
    // The control is being destroyed; it tells nothing more afterwards.
    virtual void ControlDestroying(TControl& control) { (void)control; }

protected:
    ~IControlObserver() = default;
};

class TControl : public TComponent {
    friend class TWinControl;

public:
    ZNP_DECLARE_CLASS()
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value);
    // Visible here and in every parent.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool value);

    // The control's text: Caption of labels and buttons, Text of edits (the same storage).
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& value) { SetText(value); }
    const std::string& Text() const { return text_; }
    virtual void SetText(const std::string& value);

    TColor Color() const { return color_; }
    virtual void SetColor(TColor value);
    // A change of the font (by any of its properties) makes ParentFont false and passes the font
    // on to the children that follow their parent's font.
    TFont* Font() const { return font_.get(); }
    // True: the control shows its parent's font and follows every change of it.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    std::string Hint;
    bool ShowHint = false;
    TAlign Align = TAlign::alNone;

    // Observers are not owned; one that goes away first must detach itself.
    void AttachObserver(IControlObserver* observer);
    void DetachObserver(IControlObserver* observer);
    // Tells the observers that Aspect changed (controls call this from their own setters).
    void NotifyView(TViewAspect aspect);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

    // Raises OnClick (buttons override with their own action).
    virtual void Click();
    virtual void DblClick();
    // Handles a message sent or posted to this control; the base handles nothing.
    virtual void WndProc(TMessage& message);

protected:
    // The text changed (edits raise OnChange here).
    virtual void TextChanged() {}
    // The font changed (labels that size themselves to their caption measure again).
    virtual void FontChanged() {}
    void Notification(TComponent* component, TOperation operation) override;

private:
    void FontChangeHandler();
    void AdoptParentFont();

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    TColor color_ = clBtnFace;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool adoptingParentFont_ = false;
    bool mousePressed_ = false;
    std::vector<IControlObserver*> observers_;
};

class TWinControl : public TControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }
    const std::vector<TControl*>& ChildControls() const { return controls_; }
    // Whether Control is this control or lies inside it.
    bool ContainsControl(const TControl* control) const;

    // The window handle, created on first use.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != 0; }

    // While the control is being read, a stored tab order is kept and applied when the control
    // is loaded, so a stored form may list its controls in any order.
    int TabOrder() const;
    void SetTabOrder(int value);
    void Loaded() override;
    bool TabStop = false;
    // The windowed children in tab order.
    std::vector<TWinControl*> TabList() const;
    // The next (or previous) control in tab order after Current among the descendants of this
    // control, wrapping around; null when there is none.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    // Visible and enabled here and up to its form, and the form is showing.
    virtual bool CanFocus() const;
    bool Focused() const;
    // Moves the focus here; raises when the control cannot take it.
    virtual void SetFocus();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

    // Focus events, raised by the form when the focus enters or leaves this control.
    virtual void DoEnter();
    virtual void DoExit();
    // Key handling of the control itself: raises the key events; controls add their own keys.
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual void KeyPress(char& key);

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    std::vector<TControl*> controls_;
    // Puts the children whose stored tab order is pending at their places.
    void FixupTabList();

    std::vector<TWinControl*> tabList_;
    int storedTabOrder_ = -1;
    HWND handle_ = 0;
};

// The form that a control lies on, or null.
TCustomForm* GetParentForm(const TControl* control);

}  // namespace znp
