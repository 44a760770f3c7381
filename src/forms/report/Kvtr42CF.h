// TfrmKvtr42: the request form of the repair-call order list report (叫修单): ten conditions on
// two pages, their defaults and masks, their lookups, their texts and values in the request,
// and the report layout code. Kvtr42CF.cpp holds the class and its set-up, Kvtr42CConditions.cpp
// the conditions in the request, Kvtr42CLookups.cpp the F2 lookups.
#pragma once

#include "forms/report/BaseRpt.h"

namespace znp {

class TZnRadioGroup;

class TfrmKvtr42 : public TfrmBaseRpt {
public:
    ZNP_DECLARE_CLASS()
    using TfrmBaseRpt::TfrmBaseRpt;

    // --- Page "基本选项" ----------------------------------------------------------------------------
    TSelectPanel* sp01 = nullptr;  // repair-call order numbers
    TSelectPanel* sp02 = nullptr;  // document dates
    TSelectPanel* sp03 = nullptr;  // approval dates
    TZnRadioGroup* rg04 = nullptr;   // sort order
    TSelectPanel* sp05 = nullptr;  // customers
    TSelectPanel* sp06 = nullptr;  // receiving staff
    // --- Page "高级选项" ----------------------------------------------------------------------------
    TTabSheet* TabSheet1 = nullptr;
    TLabel* lbl07 = nullptr;
    TComboBox* cbo07 = nullptr;  // approval state
    TLabel* lbl08 = nullptr;
    TComboBox* cbo08 = nullptr;  // status code
    TLabel* lbl09 = nullptr;
    TComboBox* cbo09 = nullptr;  // dispatch code
    TBitCheckBox* chk10 = nullptr;  // print line details

    void InitFormParams() override;
    bool Setup(const Variant& hostParams) override;
    bool GetConditionTexts(Variant& texts, int count) override;
    bool GetConditionValues(Variant& values, int count) override;
    void QuickPick(std::uint16_t key, TControl* control) override;

    // The code a list position stands for in the condition values (raises for a position that
    // stands for nothing).
    static int SortCode(int index);
    static int ApprovalCode(int index);
    static int StatusCode(int index);
    static int DispatchCode(int index);
    // The report layout code of a sort order and the line-detail choice ("A".."D").
    static std::string LayoutCode(int sortIndex, bool lineDetails);

    void btnOkClick(TObject* sender);

protected:
    void Loaded() override;
};

void RegisterKvtr42Classes();

}  // namespace znp
