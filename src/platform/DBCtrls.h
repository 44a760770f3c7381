// Data-aware controls: the data source between a data set and its controls, and the data-aware
// edit that names a field of it. Headless, the edit keeps its own text; what a form needs of the
// binding is the field it names (labels take their caption from its display label).
#pragma once

#include <string>

#include "platform/DBClient.h"
#include "platform/StdCtrls.h"

namespace znp {

class TDataSource : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    using TComponent::TComponent;

    TClientDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TClientDataSet* value);
    bool Enabled = true;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TClientDataSet* dataSet_ = nullptr;
};

class TDBEdit : public TCustomEdit {
public:
    ZNP_DECLARE_CLASS()
    explicit TDBEdit(TComponent* owner);

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* value);
    std::string DataField;
    // The field named by DataField in the data source's data set, or null.
    TField* Field() const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TDataSource* dataSource_ = nullptr;
};

// Makes the data source and the data-aware edit creatable by stored forms.
void RegisterDataControlClasses();

}  // namespace znp
