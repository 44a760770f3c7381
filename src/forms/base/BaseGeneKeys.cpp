// The keyboard of the condition form (key preview): Esc, F1, F2, the file properties of the
// module, the page keys, and where Enter takes the user.
#include <cctype>

#include "controls/ExtPageControl.h"
#include "controls/SelectPnl.h"
#include "controls/ZnRadio.h"
#include "forms/base/BaseGene.h"
#include "platform/ClassRegistry.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Grids.h"
#include "platform/ShellVerbs.h"
#include "platform/StdCtrls.h"

namespace znp {

namespace {

constexpr TShiftState kModifiers = ssShift | ssAlt | ssCtrl;

// The help topic of a program id: the fourth character "A" gives "6" and "M" gives "8" (then
// the fifth decides), anything else "1" (the fourth decides); the deciding character must be
// "B" ("3") or "R" ("2"); then the last two characters and "0000". False: no help.
bool HelpTopicOf(const std::string& id, std::string& topic) {
    if (id.size() < 4) return false;
    size_t examined = 3;
    if (id[3] == 'A' || id[3] == 'M') {
        topic = id[3] == 'A' ? "6" : "8";
        examined = 4;
    } else {
        topic = "1";
    }
    if (examined >= id.size()) return false;
    if (id[examined] == 'B')
        topic += "3";
    else if (id[examined] == 'R')
        topic += "2";
    else
        return false;
    topic += id.substr(id.size() - 2) + "0000";
    return true;
}

// The next cell of a grid: the next column, else the first editable column of the next row (a
// row is appended below the last one).
void MoveToNextCell(TStringGrid& grid) {
    if (grid.Col() < grid.ColCount() - 1) {
        grid.SetCol(grid.Col() + 1);
        return;
    }
    if (grid.Row() >= grid.RowCount() - 1) grid.SetRowCount(grid.RowCount() + 1);
    grid.MoveTo(grid.FixedCols(), grid.Row() + 1);
}

}  // namespace

void TfrmBaseGene::ShowProgramHelp() {
    std::string id = ProgramId;
    for (char& c : id) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string topic;
    if (!HelpTopicOf(id, topic) || !Manager.IsObject()) return;
    try {
        OleCall(Manager, "CallHelp", {Variant::ArrayOf({Variant(id.substr(0, 3)), Variant(topic)})});
    } catch (const Exception& e) {
        RecordError(e.what());
    }
}

void TfrmBaseGene::FormKeyDown(TObject*, std::uint16_t& key, TShiftState shift) {
    const TShiftState modifiers = shift & kModifiers;
    const bool pageBack = (key == VK_TAB && modifiers == (ssCtrl | ssShift)) || (key == VK_PRIOR && modifiers == ssCtrl);
    const bool pageOn = (key == VK_TAB && modifiers == ssCtrl) || (key == VK_NEXT && modifiers == ssCtrl);
    if (key == VK_ESCAPE) {
        key = 0;
        Close();
    } else if (key == VK_F1) {
        key = 0;
        ShowProgramHelp();
    } else if (key == VK_F2) {
        key = 0;
        QuickPick(VK_F2, ActiveControl());
    } else if (key == 'V' && modifiers == (ssCtrl | ssAlt)) {
        key = 0;
        ShellVerb("properties", ModulePath);
    } else if (pageBack || pageOn) {
        key = 0;
        if (pgOption) pgOption->SelectNextPage(pageOn);
    }
}

namespace {

// Whether Enter on Active ends its page: Active is listed, or is the begin or final edit of a
// listed selection panel, or one of the buttons of a listed radio group.
bool EndsItsPage(const std::vector<TControl*>& lastControls, const TWinControl* active) {
    for (const TControl* listed : lastControls) {
        if (!listed) continue;
        if (listed == active) return true;
        if (auto* panel = dynamic_cast<const TSelectPanel*>(listed)) {
            if (active == panel->BeginEdit || active == panel->FinalEdit) return true;
        } else if (dynamic_cast<const TRadioGroup*>(listed) || dynamic_cast<const TZnRadioGroup*>(listed)) {
            if (static_cast<const TWinControl*>(listed)->ContainsControl(active)) return true;
        }
    }
    return false;
}

}  // namespace

void TfrmBaseGene::FormKeyPress(TObject*, char& key) {
    if (key != '\r') return;
    TWinControl* active = ActiveControl();
    if (!active || active == this) return;
    if (auto* grid = dynamic_cast<TStringGrid*>(active)) {
        key = 0;
        MoveToNextCell(*grid);
        return;
    }
    // A memo takes Enter as a line break on its first two lines.
    if (auto* memo = dynamic_cast<TMemo*>(active); memo && memo->CaretLine() < 2) return;
    key = 0;
    if (EndsItsPage(PageLastControls, active)) {
        // The last page has no next page: Enter then stays where it is.
        TTabSheet* current = pgOption ? pgOption->ActivePage() : nullptr;
        TTabSheet* next = current ? pgOption->FindNextPage(current, true) : nullptr;
        if (next && next->PageIndex() > current->PageIndex()) pgOption->ChangePageByUser(next);
        return;
    }
    SelectNext(active, true, true);
}

}  // namespace znp
