// Menus: items nested in items, pop-up menus and main menus.
#pragma once

#include <string>
#include <vector>

#include "platform/Component.h"
#include "platform/ImgList.h"

namespace znp {

class TMenu;

class TMenuItem : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    explicit TMenuItem(TComponent* owner) : TComponent(owner) {}
    // Frees the sub-items with the item, as the platform does.
    ~TMenuItem() override;

    std::string Caption;
    bool Checked() const { return checked_; }
    // Checking a radio item unchecks the other radio items of its group under the same parent.
    void SetChecked(bool value);
    bool RadioItem = false;
    int GroupIndex = 0;
    int ImageIndex = -1;
    bool Enabled = true;
    bool Visible = true;
    bool Default = false;
    bool AutoCheck = false;
    std::string Hint;
    int ShortCut = 0;

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(index); }
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out of this one without freeing it.
    void Remove(TMenuItem* item);
    // The sub-item whose caption (without "&") is Caption, or null.
    TMenuItem* Find(const std::string& caption) const;
    // The menu the item belongs to, or null.
    TMenu* GetParentMenu() const;

    // The user chose the item: nothing when disabled; AutoCheck toggles; then OnClick.
    virtual void Click();
    TNotifyEvent OnClick;

    // A stored form nests sub-items inside their item.
    void ReadChild(TComponent* child) override;

private:
    friend class TMenu;
    bool checked_ = false;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item of a menu
    std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    explicit TMenu(TComponent* owner);
    // The root item whose sub-items are the menu's items.
    TMenuItem* Items() const { return items_; }
    TImageList* Images = nullptr;
    // The items are drawn by the program (in the interface's font) instead of by the system.
    bool OwnerDraw = false;
    void ReadChild(TComponent* child) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem* items_;
};

class TMainMenu : public TMenu {
public:
    ZNP_DECLARE_CLASS()
    using TMenu::TMenu;
};

class TPopupMenu : public TMenu {
public:
    ZNP_DECLARE_CLASS()
    using TMenu::TMenu;
    bool AutoPopup = true;
    // The component the menu was last shown for.
    TComponent* PopupComponent = nullptr;
    // Shows the menu at a screen point: raises OnPopup. Headless, the menu then waits for an
    // item's Click.
    virtual void Popup(int x, int y);
    int PopupX = 0, PopupY = 0;
    TNotifyEvent OnPopup;
};

}  // namespace znp
