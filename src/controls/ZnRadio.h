// The kit's radio controls: TZnRadioButton, and TZnRadioGroup with one TZnGroupButton per item.
//
// Checking a TZnRadioButton unchecks the other TZnRadioButtons of the same parent only: a
// platform radio button beside it keeps its state (and the platform's buttons do not uncheck the
// kit's). The group arranges its buttons in columns:
//   T = the character height of the group's font, rows = ⌈count ÷ Columns⌉,
//   button width = (group width − 10) div Columns, available height = group height − T − 5,
//   button height = available height div rows,
//   top margin = (available height mod rows) div 2 + T + 1,
//   button i at left (i div rows) × button width + 8 (mirrored for right-to-left reading) and
//   top (i mod rows) × button height + top margin.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/StdButtons.h"
#include "platform/StdCtrls.h"

namespace znp {

class TZnRadioButton : public TButtonControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TZnRadioButton(TComponent* owner);

    bool Checked() const { return checked_; }
    // A change: the tab stop follows, the other kit radio buttons of the parent are unchecked, the
    // change is announced and (when checked, and clicks are not held back) OnClick is raised.
    virtual void SetChecked(bool value);
    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight value);

    // The system's click notification checks the button; its double click raises OnDblClick.
    void Click() override { SetChecked(true); }
    void KeyPress(char& key) override;

    // The caption drawn again over the system's drawing of the button.
    void Paint(TCanvas& canvas) const;
    // The left edge of the caption for a font size in points.
    static int CaptionIndent(int fontSize);

private:
    bool checked_ = false;
    TLeftRight alignment_ = TLeftRight::taRightJustify;
};

class TZnRadioGroup;

// A button of a radio group: its clicks and keys go to the group.
class TZnGroupButton : public TZnRadioButton {
public:
    ZNP_DECLARE_CLASS()
    TZnGroupButton(TZnRadioGroup* group, int index);
    TZnRadioGroup* Group() const { return group_; }
    int Index() const { return index_; }
    void SetChecked(bool value) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;

private:
    friend class TZnRadioGroup;
    TZnRadioGroup* group_;
    int index_;
};

class TZnRadioGroup : public TGroupBox {
public:
    ZNP_DECLARE_CLASS()
    explicit TZnRadioGroup(TComponent* owner);
    ~TZnRadioGroup() override;

    // One button per item; changing the items creates or frees buttons, renames them and moves an
    // ItemIndex beyond the new count to the last item.
    TStringList* Items() const { return items_.get(); }
    // Clamped to −1 … count − 1; the old button is unchecked, the new one checked (which raises
    // OnClick, as a click of the button does). While loading the value is only stored.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int value);
    // 1 to 16 (clamped); the buttons are arranged again when it changed.
    int Columns() const { return columns_; }
    void SetColumns(int value);
    // Right-to-left reading mirrors the columns from the right edge.
    bool RightToLeft = false;

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TZnGroupButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    // Puts the buttons where the arithmetic above says.
    void ArrangeButtons();

    void SetBounds(int left, int top, int width, int height) override;
    void SetEnabled(bool value) override;
    void Loaded() override;

protected:
    void FontChanged() override { ArrangeButtons(); }
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TZnGroupButton;
    void ItemsChanged();
    void ButtonClicked(TZnGroupButton* button);
    std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
    std::vector<TZnGroupButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    int updating_ = 0;
};

}  // namespace znp
