#include "EditContext.h"

#include "policy/Policy.h"

namespace chanforge::app {

CEditContext::CEditContext(document::Document& document, bool simpleColumns, QObject* parent)
    : QObject(parent), document_(document), simpleColumns_(simpleColumns) {}

qpui::ChannelSlot CEditContext::ChannelSlot() const {
    const codec::FlashLayout& layout = document_.Layout();
    return {layout.product, layout.ch.chunk, layout.nameLength};
}

void CEditContext::ChangeModel(document::Model model) {
    document_.ChangeModel(std::move(model));
    emit ModelChanged();
    emit ColumnsChanged();
}

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
