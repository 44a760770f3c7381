#include "platform/DBCtrls.h"

namespace znp {

const ClassInfo& TDataSource::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TDataSource", &TComponent::StaticClass());
        c.Creatable<TDataSource>();
        c.ReferenceProp("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet);
        c.Field("Enabled", &TDataSource::Enabled);
        return c;
    }();
    return info;
}

void TDataSource::SetDataSet(TClientDataSet* value) {
    if (value == dataSet_) return;
    if (dataSet_) RemoveFreeNotification(dataSet_);
    dataSet_ = value;
    if (value) FreeNotification(value);
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dataSet_) dataSet_ = nullptr;
}

const ClassInfo& TDBEdit::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TDBEdit", &TCustomEdit::StaticClass());
        c.Creatable<TDBEdit>();
        c.ReferenceProp("DataSource", &TDBEdit::DataSource, &TDBEdit::SetDataSource);
        c.Field("DataField", &TDBEdit::DataField);
        return c;
    }();
    return info;
}

TDBEdit::TDBEdit(TComponent* owner) : TCustomEdit(owner) {
    TabStop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

void TDBEdit::SetDataSource(TDataSource* value) {
    if (value == dataSource_) return;
    if (dataSource_) RemoveFreeNotification(dataSource_);
    dataSource_ = value;
    if (value) FreeNotification(value);
}

TField* TDBEdit::Field() const {
    if (!dataSource_ || !dataSource_->DataSet() || DataField.empty()) return nullptr;
    return dataSource_->DataSet()->FindField(DataField);
}

void TDBEdit::Notification(TComponent* component, TOperation operation) {
    TCustomEdit::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dataSource_) dataSource_ = nullptr;
}

void RegisterDataControlClasses() {
    RegisterClass(TDataSource::StaticClass());
    RegisterClass(TDBEdit::StaticClass());
}

}  // namespace znp
