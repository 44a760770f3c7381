// The standard text controls: label, single-line edit, memo and group box. Buttons, check boxes
// and radio buttons are in StdButtons.h, the combo box in ComboBox.h.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Strings.h"

namespace znp {

ZNP_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter);
ZNP_ENUM(TTextLayout, tlTop, tlCenter, tlBottom);
ZNP_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase);
ZNP_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth);

// Byte-text helpers that keep double-byte characters of the UI code page whole.
namespace textedit {
// Start of the character that ends at Pos (Pos itself when Pos is 0).
size_t PrevCharStart(const std::string& text, size_t pos);
// Bytes of the character that starts at Pos (a CR LF line break counts as one character).
size_t CharSizeAt(const std::string& text, size_t pos);
// ASCII letters changed to upper or lower case; trail bytes stay untouched.
std::string ApplyCase(const std::string& text, TEditCharCase charCase);
}  // namespace textedit

// A caption drawn on its parent; takes no focus. With AutoSize the label takes the size of its
// caption: the font's character height, and half of it per byte (a double-byte character
// is a full square), "&" of an accelerator taking no room.
class TLabel : public TControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TLabel(TComponent* owner);

    TWinControl* FocusControl = nullptr;
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Transparent = false;
    TTextLayout Layout = TTextLayout::tlTop;
    TAlignment Alignment = TAlignment::taLeftJustify;
    bool WordWrap = false;
    bool ShowAccelChar = true;

    // Sizes the label to its caption when AutoSize is on.
    void AdjustBounds();
    void Loaded() override;

protected:
    void TextChanged() override { AdjustBounds(); }
    void FontChanged() override { AdjustBounds(); }
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool autoSize_ = true;
};

// The editing behaviour shared by edits, masked edits, memos and spin edits: a caret and a
// selection, typing that replaces the selection, Backspace and Delete, OnChange on every change
// of the text (not while the form is being read).
class TCustomEdit : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TCustomEdit(TComponent* owner);

    int MaxLength = 0;  // bytes; 0: no limit
    bool ReadOnly = false;
    bool AutoSelect = true;
    char PasswordChar = '\0';
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value);
    void SetText(const std::string& value) override;

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelStart(int value);
    void SetSelLength(int value);
    std::string SelText() const;
    // Replaces the selection with Text (the caret goes behind it), as typing or pasting does.
    void SetSelText(const std::string& text);
    void SelectAll();
    void ClearSelection() { SetSelText(""); }

    TNotifyEvent OnChange;

    // Entering by the keyboard selects the whole text when AutoSelect is on.
    void DoEnter() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;

protected:
    virtual void Change() { OnChange(this); }
    void TextChanged() override;
    // The text being edited and its replacement; a memo keeps it in its lines.
    virtual std::string EditorText() const { return Text(); }
    virtual void PutEditorText(const std::string& text) { TControl::SetText(text); }
    // A typed character (the two bytes of a double-byte character arrive together); the base
    // inserts it unless the edit is read-only or full.
    virtual void TypeCharacter(const std::string& character);
    virtual void TypeBackspace();
    virtual void TypeDelete();
    // Control characters other than Backspace (Enter in a memo).
    virtual void TypeControl(char key) { (void)key; }
    bool suppressChange_ = false;

private:
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    int selStart_ = 0, selLength_ = 0;
    char pendingLead_ = '\0';
};

class TEdit : public TCustomEdit {
public:
    ZNP_DECLARE_CLASS()
    using TCustomEdit::TCustomEdit;
};

// A multi-line edit whose text is its Lines (each line ended by CR LF).
class TMemo : public TCustomEdit {
public:
    ZNP_DECLARE_CLASS()
    explicit TMemo(TComponent* owner);

    TStringList* Lines() const { return lines_.get(); }
    std::string Text() const { return lines_->Text(); }
    void SetText(const std::string& value) override;
    bool WantReturns = true;
    bool WantTabs = false;
    bool WordWrap = true;
    TScrollStyle ScrollBars = TScrollStyle::ssNone;
    TAlignment Alignment = TAlignment::taLeftJustify;

    // The caret's line and column (0-based), as the platform's CaretPos.
    int CaretLine() const;
    int CaretColumn() const;
    void SetCaretPos(int line, int column);
    void Loaded() override;
    // Entering a memo keeps the caret where it was: only single-line edits select all.
    void DoEnter() override { TWinControl::DoEnter(); }

protected:
    std::string EditorText() const override { return lines_->Text(); }
    void PutEditorText(const std::string& text) override;
    void TypeControl(char key) override;

private:
    std::unique_ptr<TStringList> lines_ = std::make_unique<TStringList>();
};

// A frame with a caption around other controls.
class TGroupBox : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }
};

}  // namespace znp

#include "platform/ComboBox.h"
#include "platform/StdButtons.h"
