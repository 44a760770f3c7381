// The combo box: a list of items with an edit part. ItemIndex and Text follow each other.
#pragma once

#include <memory>
#include <string>

#include "platform/StdCtrls.h"

namespace znp {

ZNP_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable);

class TComboBox : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TComboBox(TComponent* owner);

    TStringList* Items() const { return items_.get(); }
    TComboBoxStyle Style = TComboBoxStyle::csDropDown;
    bool Sorted() const { return items_->Sorted; }
    void SetSorted(bool value);
    int MaxLength = 0;
    int DropDownCount = 8;
    TEditCharCase CharCase = TEditCharCase::ecNormal;

    // -1 for no item; out of range is clamped to -1 ... Count - 1. The text becomes the item's
    // text ("" for -1). A change made by the program raises no event.
    int ItemIndex() const;
    void SetItemIndex(int value);
    // Setting the text selects the item of that text (without regard to case), or none; in
    // csDropDownList a text that is no item empties the box.
    void SetText(const std::string& value) override;

    // The user picks an item (from the drop-down list or by arrow keys): the text follows, then
    // OnClick, then OnSelect (OnChange when there is no OnSelect handler).
    void SelectItem(int index);
    bool DroppedDown = false;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;

    // Up/Down/Home/End (and PageUp/PageDown) move the selection as the user's pick does.
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    // Typing edits the text in csDropDown; in csDropDownList a character picks the next item that
    // begins with it.
    void KeyPress(char& key) override;
    void Loaded() override;

protected:
    virtual void Change() { OnChange(this); }
    virtual void Select();

private:
    void UserTextChange(const std::string& text);
    std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
    mutable int itemIndex_ = -1;
};

}  // namespace znp
