// The panel's own texts in the user interface's code page: the form's conversion reaches the
// panel's caption and hint, the panel converts what lies inside it.
#include "controls/SelectPnl.h"

namespace znp {

void TSelectPanel::ConvertContents(const std::function<std::string(const std::string&)>& convert, bool) {
    auto converted = [&convert](const TStringList& list) {
        std::vector<std::string> texts;
        for (const std::string& text : list.Items()) texts.push_back(convert(text));
        return texts;
    };
    SetChildHints(converted(*childHints_));
    SetBeginWords(converted(*beginWords_));
    SetFinalWords(converted(*finalWords_));
    SetHintWord(convert(hintWord_));
    for (int i = 0; i < ListView->ColumnCount(); ++i) ListView->Columns(i)->Caption = convert(ListView->Columns(i)->Caption);
    ListView->BeginUpdate();
    for (int i = 0; i < ListView->ItemCount(); ++i) {
        TListItem& item = *ListView->Items(i);
        item.SetCaption(convert(item.Caption()));
        TStringList& sub = *item.SubItems();
        for (int j = 0; j < sub.Count(); ++j) sub[j] = convert(sub[j]);
    }
    ListView->EndUpdate();
    InvalidateRowBook();
    if (ListView->AutoSizeColumns) FitColumns();
}

}  // namespace znp
