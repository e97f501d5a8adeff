#include "EditContext.h"

#include "policy/Policy.h"

namespace chanforge::app {

CEditContext::CEditContext(document::Document& document, editing::Product product,
                           bool simpleColumns, QObject* parent)
    : QObject(parent), document_(document), product_(product), simpleColumns_(simpleColumns) {}

void CEditContext::AfterEdit() {
    emit Changed();
}

void CEditContext::SetSimpleColumns(bool simple) {
    if (simple == simpleColumns_)
        return;
    simpleColumns_ = simple;
    SetGridColumn(simple ? 0 : 1);
    emit ColumnsChanged();
}

} // namespace chanforge::app
