#include "platform/StandardClasses.h"

#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/Mask.h"
#include "platform/Spin.h"

namespace znp {

void RegisterStandardClasses() {
    // Registering again replaces an entry by itself.
    for (const ClassInfo* info : {
             &TForm::StaticClass(),        &TLabel::StaticClass(),        &TEdit::StaticClass(),
             &TMaskEdit::StaticClass(),    &TMemo::StaticClass(),         &TComboBox::StaticClass(),
             &TButton::StaticClass(),      &TCheckBox::StaticClass(),     &TRadioButton::StaticClass(),
             &TGroupBox::StaticClass(),    &TRadioGroup::StaticClass(),   &TPanel::StaticClass(),
             &TSplitter::StaticClass(),    &TShape::StaticClass(),        &TBevel::StaticClass(),
             &TImage::StaticClass(),       &TPageControl::StaticClass(),  &TTabSheet::StaticClass(),
             &TListView::StaticClass(),    &TToolBar::StaticClass(),      &TToolButton::StaticClass(),
             &TAnimate::StaticClass(),     &TStringGrid::StaticClass(),   &TSpinEdit::StaticClass(),
             &TBitBtn::StaticClass(),      &TSpeedButton::StaticClass(),  &TMenuItem::StaticClass(),
             &TPopupMenu::StaticClass(),   &TMainMenu::StaticClass(),     &TImageList::StaticClass()})
        RegisterClass(*info);
}

}  // namespace znp
