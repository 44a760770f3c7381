// Common controls: page control and tab sheets, tool bar and tool buttons, animation. The list
// view is in ListView.h.
#pragma once

#include <string>
#include <vector>

#include "platform/ImgList.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"

namespace znp {

class TPageControl;

// A page of a page control. Only the active page is visible, so the focus never goes into the
// others; becoming visible raises OnShow, being hidden OnHide.
class TTabSheet : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* control);
    // Parenting a sheet to a page control (as a stored form does) makes it a page of it.
    void SetParent(TWinControl* parent) override;
    void SetVisible(bool value) override;

    // Position among the pages; setting it moves the page.
    int PageIndex() const;
    void SetPageIndex(int value);
    // Position among the visible tabs, -1 when the tab is hidden.
    int TabIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool value);
    int ImageIndex = 0;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    virtual void DoShow() { OnShow(this); }
    virtual void DoHide() { OnHide(this); }

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TPageControl : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(index); }
    TTabSheet* ActivePage() const { return activePage_; }
    // The program's change: no OnChanging, no OnChange.
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }
    void SetActivePageIndex(int index);
    // Hidden tabs are not counted.
    int TabCount() const;
    TTabSheet* TabPage(int tabIndex) const;

    // The next page with a visible tab after Current (wrapping), or null.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible = true) const;
    // The user moves to the next or previous page: asks OnChanging, changes, raises OnChange.
    void SelectNextPage(bool goForward, bool checkTabVisible = true);
    // The user clicks the tab of Page: the same questions and events. False when refused.
    bool ChangePageByUser(TTabSheet* page);

    bool MultiLine = false;
    bool HotTrack = false;
    TImageList* Images = nullptr;
    TAllowChangeEvent OnChanging;
    TNotifyEvent OnChange;

    void Loaded() override;

protected:
    virtual bool CanChange();
    virtual void Change() { OnChange(this); }
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    // Shows Page and hides the old one, moving the focus out of the old page first.
    void ChangeActivePage(TTabSheet* page);
    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

// --- Tool bar --------------------------------------------------------------------------------

ZNP_ENUM(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider);

class TToolBar;

class TToolButton : public TControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TToolButton(TComponent* owner);

    int ImageIndex = -1;
    TToolButtonStyle Style = TToolButtonStyle::tbsButton;
    TPopupMenu* DropdownMenu = nullptr;
    bool Down() const { return down_; }
    // A grouped check button going down raises the others of its group.
    void SetDown(bool value);
    bool Grouped = false;
    bool AllowAllUp = false;
    bool Wrap = false;
    TToolBar* ToolBar() const;
    int Index() const;

    // A click: a check button toggles (a grouped one stays down unless AllowAllUp), then OnClick.
    void Click() override;
    // The arrow of a drop-down button: shows DropdownMenu below the button.
    void DropDown();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool down_ = false;
};

class TToolBar : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TToolBar(TComponent* owner);

    int ButtonCount() const;
    TToolButton* Buttons(int index) const;
    TImageList* Images = nullptr;
    TImageList* HotImages = nullptr;
    TImageList* DisabledImages = nullptr;
    bool Flat = false;
    bool ShowCaptions = false;
    bool List = false;
    bool Wrapable = true;
    int ButtonWidth = 23;
    int ButtonHeight = 22;

protected:
    void Notification(TComponent* component, TOperation operation) override;
};

// --- Animation -------------------------------------------------------------------------------

ZNP_ENUM(TCommonAVI, aviNone, aviFindFolder, aviFindFile, aviFindComputer, aviCopyFiles, aviCopyFile,
         aviRecycleFile, aviEmptyRecycle, aviDeleteFile);

// An animation of the system's; headless it only knows whether it plays.
class TAnimate : public TWinControl {
public:
    ZNP_DECLARE_CLASS()
    explicit TAnimate(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 100, 80); }
    TCommonAVI CommonAVI = TCommonAVI::aviNone;
    bool Active() const { return active_; }
    // Starting raises OnStart, stopping OnStop.
    void SetActive(bool value);
    void Play() { SetActive(true); }
    void Stop() { SetActive(false); }
    bool Center = true;
    bool Transparent = true;
    int Repetitions = 0;
    TNotifyEvent OnStart;
    TNotifyEvent OnStop;
    void Loaded() override;

private:
    bool active_ = false;
    bool activeWanted_ = false;
};

}  // namespace znp

#include "platform/ListView.h"
